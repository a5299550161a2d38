#pragma once

#include <QMainWindow>
#include <QString>

#include <functional>
#include <type_traits>
#include <typeindex>
#include <vector>

// How a screen is being unloaded: by the program, or by the user with the window's
// close box.
enum class UnloadMode { Code, UserClose };

// One window of a program. Each screen class has one instance per program, created
// on first use through Form<F>() ("load"); it is destroyed by Unload() ("unload").
//
// Life of a screen, in the terms its handlers use:
// - Form_Load runs once, when the screen is created; the layout saved under the
//   screen's settings name has been restored just before.
// - Show() shows the screen as the program's active screen; when it was not the
//   active one already, the screen that was active is deactivated first and then
//   Form_Activate runs. Activation is this explicit call only: a message box coming
//   and going does not activate a screen again.
// - Deactivation (another screen is shown, or this one is hidden) saves the layout,
//   removes the grid wheel hook when this screen holds it, then runs Form_Deactivate.
// - Unload saves the layout, removes the wheel hook, runs Form_QueryUnload (which may
//   cancel) and Form_Unload, hides the screen and destroys it. The user's close box
//   unloads with UnloadMode::UserClose, whose default handling runs the program's
//   orderly exit; an unload by the program never does.
// - Enter presses the focused button, as Space does. Escape does not close a screen:
//   its close box ends the program, which no stray key should do.
class Screen : public QMainWindow {
    Q_OBJECT

public:
    Screen(const QString& objectName, const QString& settingsName, QWidget* parent = nullptr);
    ~Screen() override;

    const QString& settingsName() const { return settingsName_; }
    // Shows the screen as the active one (runs Form_Activate when it was not active).
    void Show();
    // Hides the screen (deactivating it when it is the active one).
    void Hide() { hide(); }
    // Unloads the screen by the program.
    void Unload() { unload(UnloadMode::Code); }
    bool isActiveScreen() const;

    void RestoreLayout();
    void SaveLayout();

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    // Set cancel to keep the screen. By default a user's close runs the program's
    // orderly exit (SetExitProgramHandler).
    virtual void Form_QueryUnload(UnloadMode mode, bool& cancel);
    virtual void Form_Unload() {}

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class ScreenRegistry;
    void load();
    void unload(UnloadMode mode);
    void finishUnload();
    void deactivate();
    void releaseWheelHook();
    void fitScreen();

    QString settingsName_;
    bool shown_ = false; // shown at least once, so its geometry is worth saving
    bool queryingUnload_ = false;
    bool unloaded_ = false;
};

// The loaded screens of the program, in load order.
class ScreenRegistry {
public:
    static Screen* find(std::type_index type);
    // Records a new screen as loaded (last in the load order), then runs its load.
    static void add(std::type_index type, Screen* screen);
    static std::vector<Screen*> loaded();

private:
    friend class Screen;
    static void remove(Screen* screen);
};

// The one instance of a screen class, created and loaded on first use.
template <class F> F& Form() {
    static_assert(std::is_base_of_v<Screen, F>, "Form<F>() is for screens");
    if (Screen* existing = ScreenRegistry::find(typeid(F))) return static_cast<F&>(*existing);
    auto* screen = new F();
    ScreenRegistry::add(typeid(F), screen);
    return *screen;
}

template <class F> bool IsLoaded() {
    return ScreenRegistry::find(typeid(F)) != nullptr;
}

// Loads the screen when needed and shows it as the active screen.
template <class F> F& ShowScreen() {
    F& screen = Form<F>();
    screen.Show();
    return screen;
}

// The screen last shown as the active one, or null when it was hidden since.
Screen* ActiveScreen();

// Unloads every loaded screen by the program, the last loaded first.
void UnloadAllScreens();

// The program's orderly exit (its ExitProgram), run when the user closes a screen
// with its close box. Without one, every screen is unloaded and the process ends.
void SetExitProgramHandler(std::function<void()> handler);
void RunExitProgram();

// Ends the process. By default the application's event loop is left (at once, or as
// soon as it starts) and main() returns; the caller returns at once after calling it.
// Tests install a handler that records the call instead. Returns the previous one.
std::function<void(int)> SetEndProcessHandler(std::function<void(int)> handler);
void EndProcess(int exitCode = 0);
