#include "Screen.h"

#include "Controls.h"
#include "FlexGrid.h"
#include "GridRoutines.h"
#include "LayoutStore.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QListView>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>

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

// Keeps a list at least as wide as its widest entry, with the least and greatest width
// the screen gave it as the floor. Measured once a filling is done, so that a list of
// thousands of names is measured once, not at each name.
class ListWidener : public QObject {
public:
    static inline const QString Name = QStringLiteral("ListWidener");
    explicit ListWidener(QListView* list)
        : QObject(list), list_(list), least_(list->minimumWidth()), most_(list->maximumWidth()) {
        setObjectName(Name);
        const QAbstractItemModel* model = list->model();
        connect(model, &QAbstractItemModel::rowsInserted, this, &ListWidener::queue);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ListWidener::queue);
        connect(model, &QAbstractItemModel::dataChanged, this, &ListWidener::queue);
        connect(model, &QAbstractItemModel::modelReset, this, &ListWidener::queue);
        measure();
    }

private:
    void queue() {
        if (queued_) return;
        queued_ = true;
        QMetaObject::invokeMethod(
            this, [this] { measure(); }, Qt::QueuedConnection);
    }
    void measure() {
        queued_ = false;
        const QAbstractItemModel* model = list_->model();
        TextMeasure texts(list_->font());
        int widest = 0;
        for (int r = 0; r < model->rowCount(); ++r)
            widest = texts.widen(widest, model->index(r, list_->modelColumn()).data().toString());
        const int margins =
            2 * (list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1);
        const int width = std::max(least_, widest + margins + 2 * list_->frameWidth() +
                                               list_->verticalScrollBar()->sizeHint().width());
        if (width == list_->minimumWidth()) return;
        list_->setMaximumWidth(std::max(most_, width));
        list_->setMinimumWidth(width);
    }

    QListView* list_;
    int least_;
    int most_;
    bool queued_ = false;
};

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

// Every window fits the monitor it opens on: it grows to show its grids and drop-down
// lists whole when the monitor has the room, and neither it nor its least size is ever
// larger than the monitor's free area (a grid wider than that scrolls sideways instead).
void Screen::fitScreen() {
    const QScreen* monitor = screen();
    if (monitor == nullptr || isMaximized() || isFullScreen()) return;
    const QRect area = monitor->availableGeometry();
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize();
    const QSize room = area.size() - frame;
    if (minimumWidth() > room.width() || minimumHeight() > room.height())
        setMinimumSize(minimumSize().boundedTo(room));
    // The layout may share the added width with other controls: a few rounds.
    for (int round = 0; round < 3; ++round) {
        QSize wanted = size().boundedTo(room);
        for (const QWidget* control : findChildren<QWidget*>()) {
            // The controls that show their values whole only at their preferred width.
            if (!qobject_cast<const FlexGrid*>(control) && !qobject_cast<const QComboBox*>(control)) continue;
            if (!control->isVisibleTo(this)) continue;
            const int cut = control->sizeHint().width() - control->width();
            if (cut > 0) wanted.rwidth() = std::min(room.width(), std::max(wanted.width(), width() + cut));
        }
        if (wanted == size()) break;
        resize(wanted);
        if (layout() != nullptr) layout()->activate();
    }
    if (!isVisible()) return;
    const QRect outer = frameGeometry();
    const QPoint inside(std::clamp(outer.left(), area.left(), area.right() + 1 - outer.width()),
                        std::clamp(outer.top(), area.top(), area.bottom() + 1 - outer.height()));
    if (inside != outer.topLeft()) move(inside);
}

bool Screen::event(QEvent* event) {
    const bool done = QMainWindow::event(event);
    // The layout has just taken in a change of its controls' sizes.
    if (event->type() == QEvent::LayoutRequest) fitScreen();
    return done;
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
    for (QListView* list : findChildren<QListView*>()) {
        // A combo box's list lives in a popup of its own and sizes itself.
        if (list->window() != this ||
            list->findChild<QObject*>(ListWidener::Name, Qt::FindDirectChildrenOnly) != nullptr)
            continue;
        new ListWidener(list);
    }
    // A drop-down list as wide as its longest entry, measured again as entries come.
    for (QComboBox* box : findChildren<QComboBox*>())
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    fitScreen();
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
