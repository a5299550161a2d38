#include "Dialogs.h"

#include "Globals.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QThread>

namespace {

std::unique_ptr<DialogHandler>& handlerSlot() {
    static std::unique_ptr<DialogHandler> handler = std::make_unique<QtDialogHandler>();
    return handler;
}

QString shownText(QString text) { return text.replace(QLatin1String("\r\n"), QLatin1String("\n")); }

QString shownTitle(const QString& title) { return title.isEmpty() ? ProgramTitle() : title; }

} // namespace

std::unique_ptr<DialogHandler> SetDialogHandler(std::unique_ptr<DialogHandler> handler) {
    std::swap(handlerSlot(), handler);
    return handler;
}

DialogHandler& Dialogs() { return *handlerSlot(); }

MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString& title) {
    // A box opened by a worker thread would wait for an answer while the screen thread
    // waits for the worker: the screen thread shows the message once it is free again,
    // and the worker goes on as if the user had declined.
    QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread()) {
        QMetaObject::invokeMethod(
            app, [text, buttons, title] { Dialogs().message(text, buttons, title); }, Qt::QueuedConnection);
        if (buttons == MsgButtons::OK) return MsgAnswer::OK;
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
    return Dialogs().message(text, buttons, title);
}

std::optional<QString> InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    return Dialogs().input(prompt, title, defaultText);
}

void Beep() { Dialogs().beep(); }

std::optional<QString> PickFolder(const QString& title, const QString& start) {
    return Dialogs().folderDialog(title, start);
}

void AlarmBeep() {
    if (AlarmsOn) Beep();
}

QString ProgramTitle() { return QCoreApplication::applicationName(); }

MsgAnswer QtDialogHandler::message(const QString& text, MsgButtons buttons, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(shownTitle(title));
    box.setText(shownText(text));
    switch (buttons) {
    case MsgButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return MsgAnswer::OK;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
}

std::optional<QString> QtDialogHandler::input(const QString& prompt, const QString& title,
                                              const QString& defaultText) {
    bool ok = false;
    QString text = QInputDialog::getText(QApplication::activeWindow(), shownTitle(title), shownText(prompt),
                                         QLineEdit::Normal, defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
}

void QtDialogHandler::beep() { QApplication::beep(); }

std::optional<int> QtDialogHandler::printDialog(QPrinter* printer) {
    if (!printer) return 1;
    QPrintDialog dialog(printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return printer->copyCount();
}

std::optional<QString> QtDialogHandler::folderDialog(const QString& title, const QString& start) {
    const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(), shownTitle(title), start);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
}

ScriptedDialogs& ScriptedDialogs::answer(MsgAnswer a) {
    pending.emplace_back(a);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerInput(std::optional<QString> text) {
    pending.emplace_back(std::move(text));
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerPrintDialog(bool accept, int copies) {
    pending.emplace_back(PrintAnswer{accept, copies});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerFolder(std::optional<QString> folder) {
    pending.emplace_back(FolderAnswer{folder.has_value(), folder.value_or(QString())});
    return *this;
}

MsgAnswer ScriptedDialogs::message(const QString& text, MsgButtons buttons, const QString& title) {
    shown.push_back({Kind::Message, text, title, buttons});
    if (buttons == MsgButtons::OK) return MsgAnswer::OK;
    if (!pending.empty() && std::holds_alternative<MsgAnswer>(pending.front())) {
        const MsgAnswer a = std::get<MsgAnswer>(pending.front());
        pending.pop_front();
        return a;
    }
    ++unanswered;
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
}

std::optional<QString> ScriptedDialogs::input(const QString& prompt, const QString& title, const QString&) {
    shown.push_back({Kind::Input, prompt, title, MsgButtons::OKCancel});
    std::optional<QString> answer;
    if (!pending.empty() && std::holds_alternative<std::optional<QString>>(pending.front())) {
        answer = std::get<std::optional<QString>>(std::move(pending.front()));
        pending.pop_front();
    } else {
        ++unanswered;
    }
    return answer;
}

std::optional<int> ScriptedDialogs::printDialog(QPrinter*) {
    shown.push_back({Kind::PrintDialog, {}, {}, MsgButtons::OKCancel});
    if (!pending.empty() && std::holds_alternative<PrintAnswer>(pending.front())) {
        const PrintAnswer a = std::get<PrintAnswer>(pending.front());
        pending.pop_front();
        if (!a.accept) return std::nullopt;
        return a.copies;
    }
    ++unanswered;
    return 1;
}

std::optional<QString> ScriptedDialogs::folderDialog(const QString& title, const QString&) {
    shown.push_back({Kind::FolderDialog, {}, title, MsgButtons::OKCancel});
    if (!pending.empty() && std::holds_alternative<FolderAnswer>(pending.front())) {
        const FolderAnswer answer = std::get<FolderAnswer>(pending.front());
        pending.pop_front();
        if (!answer.chosen) return std::nullopt;
        return answer.folder;
    }
    ++unanswered;
    return std::nullopt;
}

std::vector<QString> ScriptedDialogs::messages() const {
    std::vector<QString> texts;
    for (const Shown& s : shown)
        if (s.kind == Kind::Message) texts.push_back(s.text);
    return texts;
}

void ScriptedDialogs::clear() {
    shown.clear();
    pending.clear();
    beeps = 0;
    unanswered = 0;
}

ScriptedDialogsScope::ScriptedDialogsScope() {
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs_ = scripted.get();
    previous_ = SetDialogHandler(std::move(scripted));
}

ScriptedDialogsScope::~ScriptedDialogsScope() { SetDialogHandler(std::move(previous_)); }
