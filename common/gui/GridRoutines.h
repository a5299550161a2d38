#pragma once

#include <QChar>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class FlexGrid;
class QKeyEvent;
class QLineEdit;
class QWidget;

// Blanks every cell of rows 1 and below in every column, then leaves the heading
// row and one empty row.
void ClearGrid(FlexGrid& grid);

// ---- Mouse-wheel scrolling by pages --------------------------------------------------------
// The page a wheel turn moves: the whole part of the grid's height over the height
// of its heading row, at least 10 rows.
double WheelStep(int gridHeightTwips, int headingRowTwips);
// The new top row: a turn away from the user (delta > 0) moves up one page, not
// above row 1; any other turn moves down one page, not below rows - 1.
int WheelTopRow(int topRow, int delta, double step, int rows);
// Scrolls the grid by one page. The key state and the position are not used.
void GridMouseWheel(int keyState, int delta, int x, int y, FlexGrid& grid);

// From now on wheel turns received by the screen scroll the grid one page per notch:
// turns over the grid itself, and turns over any part of the screen that no other
// control takes for its own scrolling (a list, a memo box, a date picker keep theirs).
// One screen at a time: hooking another replaces the first. Safe when the screen or
// the grid is destroyed while hooked.
void HookGridWheel(QWidget* screen, FlexGrid* grid);
void UnhookGridWheel();
QWidget* HookedScreen();
FlexGrid* HookedGrid();

// ---- Money-box keys ----------------------------------------------------------------------------
// The typed character to let through, or a null QChar to refuse it: no leading zero,
// nothing after two decimals, one decimal point, digits and the point only.
QChar CheckDecimalKey(QChar key, const QString& boxText);

// Applies CheckDecimalKey to the characters typed into a line edit, against the text
// that stays when the typed character replaces the selection. Keys that type
// no character (cursor keys, Delete, Tab, Enter, Escape) and shortcuts with Ctrl or
// Alt pass untouched. Backspace passes unless the filter is told to check it too
// (CheckDecimalKey refuses it, as it refuses every control key).
class DecimalKeyFilter : public QObject {
    Q_OBJECT

public:
    enum class Backspace { Passes, Checked };
    // Installs itself on the box and lives as long as the box.
    explicit DecimalKeyFilter(QLineEdit* box, Backspace backspace = Backspace::Passes);

    // Runs on every key that goes down in the box, before the check: a screen that
    // empties a box showing the currency form of zero does it here, so the key is
    // then checked against the emptied box.
    void setKeyDownHandler(std::function<void(QKeyEvent&)> handler) { keyDown_ = std::move(handler); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QLineEdit> box_;
    Backspace backspace_;
    std::function<void(QKeyEvent&)> keyDown_;
};
