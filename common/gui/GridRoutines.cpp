#include "GridRoutines.h"

#include "FlexGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>

void ClearGrid(FlexGrid& grid) {
    for (int r = 1; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            grid.setTextMatrix(r, c, QString());
    grid.setRows(2);
}

double WheelStep(int gridHeightTwips, int headingRowTwips) {
    // A heading row of no height gives no quotient; the page is then the least one.
    double step = headingRowTwips > 0 ? std::floor(double(gridHeightTwips) / headingRowTwips) : 0.0;
    if (step < 10) step = 10;
    return step;
}

int WheelTopRow(int topRow, int delta, double step, int rows) {
    const long page = std::lround(step);
    if (delta > 0) {
        const long top = topRow - page;
        return top < 1 ? 1 : static_cast<int>(top);
    }
    const long top = topRow + page;
    return top > rows - 1 ? rows - 1 : static_cast<int>(top);
}

void GridMouseWheel(int keyState, int delta, int x, int y, FlexGrid& grid) {
    Q_UNUSED(keyState);
    Q_UNUSED(x);
    Q_UNUSED(y);
    const double step = WheelStep(grid.heightTwips(), grid.rowHeight(0));
    grid.setTopRow(WheelTopRow(grid.topRow(), delta, step, grid.rows()));
}

namespace {

constexpr int NotchDelta = 120;

// Watches the application's wheel events while a screen is hooked. A turn over the
// grid is taken here, before the grid would scroll three rows by itself. A turn
// elsewhere on the screen reaches the screen's window only when no control under
// the mouse took it, and is taken there.
class WheelHook : public QObject {
public:
    explicit WheelHook(QObject* parent) : QObject(parent) {}

    QPointer<QWidget> screen;
    QPointer<FlexGrid> grid;
    int pending = 0; // turns of less than a notch (fine-grained wheels and touchpads)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel || !watched->isWidgetType() || !screen || !grid) return false;
        auto* target = static_cast<QWidget*>(watched);
        if (target != screen && target != grid && !grid->isAncestorOf(target)) return false;
        auto& wheel = *static_cast<QWheelEvent*>(event);
        if (wheel.angleDelta().y() == 0) return false; // a sideways turn scrolls sideways as ever
        scroll(wheel);
        return true;
    }

private:
    void scroll(QWheelEvent& event) {
        event.accept();
        pending += event.angleDelta().y();
        const QPoint at = event.position().toPoint();
        const int keys = static_cast<int>(event.buttons()) | static_cast<int>(event.modifiers());
        while (grid && std::abs(pending) >= NotchDelta) {
            const int notch = pending > 0 ? NotchDelta : -NotchDelta;
            pending -= notch;
            GridMouseWheel(keys, notch, at.x(), at.y(), *grid);
        }
    }
};

QPointer<WheelHook>& hookSlot() {
    static QPointer<WheelHook> hook;
    return hook;
}

} // namespace

void HookGridWheel(QWidget* screen, FlexGrid* grid) {
    UnhookGridWheel();
    if (screen == nullptr || grid == nullptr || qApp == nullptr) return;
    auto* hook = new WheelHook(qApp);
    hook->screen = screen;
    hook->grid = grid;
    hookSlot() = hook;
    qApp->installEventFilter(hook);
}

void UnhookGridWheel() {
    if (WheelHook* hook = hookSlot()) {
        if (qApp) qApp->removeEventFilter(hook);
        delete hook;
    }
    hookSlot() = nullptr;
}

QWidget* HookedScreen() {
    return hookSlot() ? hookSlot()->screen.data() : nullptr;
}

FlexGrid* HookedGrid() {
    return hookSlot() ? hookSlot()->grid.data() : nullptr;
}

QChar CheckDecimalKey(QChar key, const QString& boxText) {
    const qsizetype length = boxText.size();
    if (key == u'0' && boxText.isEmpty()) return {};
    if (length >= 3 && boxText.contains(u'.') && boxText[length - 3] == u'.') return {};
    if (key == u'.' && boxText.contains(u'.')) return {};
    if (!QStringLiteral("0123456789.").contains(key)) return {};
    return key;
}

DecimalKeyFilter::DecimalKeyFilter(QLineEdit* box, Backspace backspace)
    : QObject(box), box_(box), backspace_(backspace) {
    box->installEventFilter(this);
}

bool DecimalKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::KeyPress) return false;
    auto& key = *static_cast<QKeyEvent*>(event);
    if (keyDown_) keyDown_(key);
    if (key.key() == Qt::Key_Backspace) return backspace_ == Backspace::Checked;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString typed = key.text();
    if (typed.isEmpty() || !typed.front().isPrint()) return false;
    if (typed.size() != 1) return true;
    // A typed key replaces the selected text: it is checked against the text that stays.
    QString kept = box_->text();
    if (box_->hasSelectedText()) kept.remove(box_->selectionStart(), box_->selectedText().size());
    return CheckDecimalKey(typed.front(), kept).isNull();
}
