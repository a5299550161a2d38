#include "Screen.h"

#include "Controls.h"
#include "GridRoutines.h"
#include "LayoutStore.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QShowEvent>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

struct LoadedScreen {
    std::type_index type;
    Screen* screen;
};

std::vector<LoadedScreen>& loadedScreens() {
    static std::vector<LoadedScreen> screens;
    return screens;
}

bool isLoaded(const Screen* screen) {
    const auto& screens = loadedScreens();
    return std::any_of(screens.begin(), screens.end(),
                       [screen](const LoadedScreen& l) { return l.screen == screen; });
}

QPointer<Screen>& activeSlot() {
    static QPointer<Screen> active;
    return active;
}

std::function<void()>& exitSlot() {
    static std::function<void()> handler;
    return handler;
}

void LeaveEventLoop(int exitCode) {
    if (QCoreApplication::instance() == nullptr) std::exit(exitCode);
    QCoreApplication::exit(exitCode);
    // Ended before the event loop runs (during start-up): leave it as soon as it starts.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
}

std::function<void(int)>& endSlot() {
    static std::function<void(int)> handler = LeaveEventLoop;
    return handler;
}

} // namespace

// ---- The registry ------------------------------------------------------------------------------

Screen* ScreenRegistry::find(std::type_index type) {
    for (const LoadedScreen& l : loadedScreens())
        if (l.type == type) return l.screen;
    return nullptr;
}

void ScreenRegistry::add(std::type_index type, Screen* screen) {
    // Recorded before its load runs, so that the load finds the screen itself.
    loadedScreens().push_back({type, screen});
    screen->load();
}

std::vector<Screen*> ScreenRegistry::loaded() {
    std::vector<Screen*> screens;
    for (const LoadedScreen& l : loadedScreens())
        screens.push_back(l.screen);
    return screens;
}

void ScreenRegistry::remove(Screen* screen) {
    auto& screens = loadedScreens();
    screens.erase(std::remove_if(screens.begin(), screens.end(),
                                 [screen](const LoadedScreen& l) { return l.screen == screen; }),
                  screens.end());
}

Screen* ActiveScreen() {
    return activeSlot().data();
}

void UnloadAllScreens() {
    // A screen's unload handlers may load another screen; that one goes too.
    for (;;) {
        const std::vector<Screen*> screens = ScreenRegistry::loaded();
        bool unloadedOne = false;
        for (auto it = screens.rbegin(); it != screens.rend(); ++it) {
            if (!isLoaded(*it)) continue;
            (*it)->Unload();
            unloadedOne = unloadedOne || !isLoaded(*it);
        }
        if (!unloadedOne || ScreenRegistry::loaded().empty()) return;
    }
}

void SetExitProgramHandler(std::function<void()> handler) {
    exitSlot() = std::move(handler);
}

void RunExitProgram() {
    if (exitSlot()) return exitSlot()();
    UnloadAllScreens();
    EndProcess(0);
}

std::function<void(int)> SetEndProcessHandler(std::function<void(int)> handler) {
    std::swap(endSlot(), handler);
    return handler;
}

void EndProcess(int exitCode) {
    if (endSlot()) endSlot()(exitCode);
}

// ---- A screen ------------------------------------------------------------------------------------

Screen::Screen(const QString& objectName, const QString& settingsName, QWidget* parent)
    : QMainWindow(parent), settingsName_(settingsName) {
    setObjectName(objectName);
}

Screen::~Screen() {
    // Destroyed without an unload (the program ending): forget it all the same.
    ScreenRegistry::remove(this);
    releaseWheelHook();
}

bool Screen::isActiveScreen() const {
    return ActiveScreen() == this;
}

void Screen::RestoreLayout() {
    LayoutStore::restore(settingsName_, *this);
}

void Screen::SaveLayout() {
    // A screen never shown has no place of its own to keep.
    if (shown_) LayoutStore::save(settingsName_, *this);
}

void Screen::load() {
    RestoreLayout();
    Form_Load();
}

void Screen::Show() {
    Screen* previous = ActiveScreen();
    if (!isVisible()) show();
    raise();
    activateWindow();
    if (previous == this || unloaded_) return;
    if (previous != nullptr) previous->deactivate();
    activeSlot() = this;
    Form_Activate();
}

void Screen::deactivate() {
    if (activeSlot() == this) activeSlot() = nullptr;
    releaseWheelHook();
    SaveLayout();
    Form_Deactivate();
}

void Screen::releaseWheelHook() {
    if (HookedScreen() == this) UnhookGridWheel();
}

void Screen::Form_QueryUnload(UnloadMode mode, bool& cancel) {
    Q_UNUSED(cancel);
    if (mode == UnloadMode::UserClose) RunExitProgram();
}

void Screen::unload(UnloadMode mode) {
    if (unloaded_) return;
    // Unloaded again from inside its own query (the orderly exit unloading every
    // screen): it takes its turn in the unload order now.
    if (queryingUnload_) return finishUnload();
    queryingUnload_ = true;
    releaseWheelHook();
    SaveLayout();
    bool cancel = false;
    Form_QueryUnload(mode, cancel);
    queryingUnload_ = false;
    if (unloaded_ || cancel) return;
    finishUnload();
}

void Screen::finishUnload() {
    unloaded_ = true;
    releaseWheelHook();
    Form_Unload();
    ScreenRegistry::remove(this);
    if (activeSlot() == this) activeSlot() = nullptr;
    hide();
    // Later, not now: the unload may come from a handler of this very screen.
    deleteLater();
}

void Screen::closeEvent(QCloseEvent* event) {
    // The window is never closed by Qt itself: an unload hides and destroys it.
    event->ignore();
    unload(UnloadMode::UserClose);
}

void Screen::keyPressEvent(QKeyEvent* event) {
    // A button takes Space itself and leaves Enter to its window.
    auto* button = qobject_cast<QAbstractButton*>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && IsClickKey(*event) && button != nullptr && button->isEnabled()) return button->click();
    QMainWindow::keyPressEvent(event);
}

void Screen::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    shown_ = true;
}

void Screen::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (event->spontaneous()) return; // minimized: the screen stays the active one
    if (unloaded_ || queryingUnload_) {
        releaseWheelHook();
        return;
    }
    if (isActiveScreen())
        deactivate();
    else
        releaseWheelHook();
}
