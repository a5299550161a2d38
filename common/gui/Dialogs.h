#pragma once

#include <QString>

#include <deque>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class QPrinter;

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgAnswer { OK, Cancel, Yes, No };

// Every message box, input box, beep and print dialog of the suite goes through
// one replaceable handler, so that tests can answer them and see what was shown.
class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    virtual MsgAnswer message(const QString& text, MsgButtons buttons, const QString& title) = 0;
    // nullopt when the user cancels (an empty answer is an empty text).
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultText) = 0;
    virtual void beep() = 0;
    // The print dialog. printer is the real printer being set up, or null when the
    // recording printer is in use. Returns the copies chosen, nullopt on Cancel.
    virtual std::optional<int> printDialog(QPrinter* printer) = 0;
    // A folder chooser opening at start; nullopt when the user cancels.
    virtual std::optional<QString> folderDialog(const QString& title, const QString& start) = 0;
};

// Installs a handler; returns the one it replaces. The default shows real Qt dialogs.
std::unique_ptr<DialogHandler> SetDialogHandler(std::unique_ptr<DialogHandler> handler);
DialogHandler& Dialogs();

// Texts may hold CR LF line breaks; an empty title shows the program's title. Asked off
// the screen thread, the message is shown later by the screen thread and the answer is
// at once the one that changes nothing (OK, No or Cancel).
MsgAnswer MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OK, const QString& title = {});
std::optional<QString> InputBox(const QString& prompt, const QString& title = {},
                                const QString& defaultText = {});
void Beep();
// Lets the user choose a folder; its full path, or nullopt when cancelled.
std::optional<QString> PickFolder(const QString& title, const QString& start = {});
// Beeps only when the user has alarms on (AlarmsOn).
void AlarmBeep();
// The program title shown when a message has none (the application name).
QString ProgramTitle();

// Real dialogs on screen.
class QtDialogHandler : public DialogHandler {
public:
    MsgAnswer message(const QString& text, MsgButtons buttons, const QString& title) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    void beep() override;
    std::optional<int> printDialog(QPrinter* printer) override;
    std::optional<QString> folderDialog(const QString& title, const QString& start) override;
};

// Answers from a queue and records everything shown, for tests. A message with
// only an OK button needs no scripted answer. A question, input box or print
// dialog or folder chooser with no matching answer at the front of the queue is counted in
// `unanswered` and gets the cautious answer (Cancel, No, cancelled input); an
// unscripted print dialog is accepted with one copy. The test fixtures fail a test
// that leaves a question unanswered or a scripted answer unused.
class ScriptedDialogs : public DialogHandler {
public:
    struct PrintAnswer {
        bool accept = true;
        int copies = 1;
    };
    struct FolderAnswer {
        bool chosen = false;
        QString folder;
    };
    using Answer = std::variant<MsgAnswer, std::optional<QString>, PrintAnswer, FolderAnswer>;

    enum class Kind { Message, Input, PrintDialog, FolderDialog };
    struct Shown {
        Kind kind;
        QString text; // message text or input prompt, CR LF kept as given
        QString title;
        MsgButtons buttons = MsgButtons::OK;
    };

    ScriptedDialogs& answer(MsgAnswer a);
    ScriptedDialogs& answerInput(std::optional<QString> text);
    ScriptedDialogs& answerPrintDialog(bool accept, int copies = 1);
    ScriptedDialogs& answerFolder(std::optional<QString> folder);

    MsgAnswer message(const QString& text, MsgButtons buttons, const QString& title) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    void beep() override { ++beeps; }
    std::optional<int> printDialog(QPrinter* printer) override;
    std::optional<QString> folderDialog(const QString& title, const QString& start) override;

    std::vector<Shown> shown;
    std::deque<Answer> pending;
    int beeps = 0;
    int unanswered = 0;

    // Texts of the shown messages (not inputs or print dialogs), in order.
    std::vector<QString> messages() const;
    void clear();
};

// Installs a ScriptedDialogs for the scope's lifetime and puts the previous handler back.
class ScriptedDialogsScope {
public:
    ScriptedDialogsScope();
    ~ScriptedDialogsScope();
    ScriptedDialogsScope(const ScriptedDialogsScope&) = delete;
    ScriptedDialogsScope& operator=(const ScriptedDialogsScope&) = delete;
    ScriptedDialogs& operator*() { return *dialogs_; }
    ScriptedDialogs* operator->() { return dialogs_; }

private:
    ScriptedDialogs* dialogs_;
    std::unique_ptr<DialogHandler> previous_;
};
