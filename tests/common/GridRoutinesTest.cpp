#include "GridRoutines.h"
#include "FlexGrid.h"
#include "TestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window with a label and a grid of 100 rows, 3000 twips high with a heading row of
// 250 twips: one page is 12 rows.
struct GridWindow {
    GridWindow() {
        window->setObjectName(QStringLiteral("frmTest"));
        auto* layout = new QVBoxLayout(window.get());
        label = new QLabel(QStringLiteral("Hours"), window.get());
        grid = new FlexGrid;
        layout->addWidget(label);
        layout->addWidget(grid);
        layout->addStretch();
        grid->setFormatString(QStringLiteral("^Pay|<Employee"));
        grid->setRows(100);
        for (int r = 1; r < 100; ++r)
            grid->setRowHeight(r, 150);
        grid->setFixedHeight(PixelsFromTwips(3000));
        grid->setHeightTwips(3000);
        grid->setRowHeight(0, 250);
        window->resize(400, 400);
        window->show();
        QApplication::processEvents();
    }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLabel* label;
    FlexGrid* grid;
};

void Wheel(QWidget* target, int delta) {
    QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &event);
}

void Type(QLineEdit& box, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&box, &release);
}

void TypeText(QLineEdit& box, const QString& text) {
    for (QChar c : text)
        Type(box, c.isDigit() ? Qt::Key(Qt::Key_0 + c.digitValue()) : Qt::Key_unknown, c);
}

class GridRoutinesTest : public ProgramFolderTest {
protected:
    ~GridRoutinesTest() override { UnhookGridWheel(); }
};

} // namespace

// ---- ClearGrid --------------------------------------------------------------------------------

TEST_F(GridRoutinesTest, ClearGridLeavesHeadingAndOneEmptyRow) {
    FlexGrid grid;
    grid.setFormatString(QStringLiteral("^Pay|<Employee|^Hours"));
    grid.setRows(10);
    for (int r = 1; r < 10; ++r)
        for (int c = 0; c < 3; ++c)
            grid.setTextMatrix(r, c, QStringLiteral("x"));
    ClearGrid(grid);
    EXPECT_EQ(grid.rows(), 2);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(grid.textMatrix(1, c), QString()) << c;
    EXPECT_EQ(grid.textMatrix(0, 1), QStringLiteral("Employee"));
    // Rows added again afterwards come back empty too.
    grid.setRows(10);
    EXPECT_EQ(grid.textMatrix(9, 2), QString());
}

// ---- Wheel pages --------------------------------------------------------------------------------

TEST_F(GridRoutinesTest, WheelPageIsGridHeightOverHeadingRowAtLeastTen) {
    EXPECT_EQ(WheelStep(3000, 250), 12.0);
    EXPECT_EQ(WheelStep(3000, 400), 10.0); // 7 is raised to 10
    EXPECT_EQ(WheelStep(3000, 0), 10.0);   // no heading height: the least page
    EXPECT_EQ(WheelStep(6000, 250), 24.0);
}

TEST_F(GridRoutinesTest, WheelMovesOnePageAndStopsAtTheEnds) {
    EXPECT_EQ(WheelTopRow(5, 120, 12, 100), 1); // away from the user: up, not above row 1
    EXPECT_EQ(WheelTopRow(20, 120, 12, 100), 8);
    EXPECT_EQ(WheelTopRow(5, -120, 12, 100), 17); // towards the user: down one page
    EXPECT_EQ(WheelTopRow(5, -120, 12, 10), 9);   // not below rows - 1
    EXPECT_EQ(WheelTopRow(5, 0, 12, 100), 17);    // a delta of 0 counts as towards
    EXPECT_EQ(WheelTopRow(5, 480, 12, 100), 1);   // one page whatever the delta
}

TEST_F(GridRoutinesTest, GridMouseWheelScrollsTheGridByAPage) {
    GridWindow w;
    w.grid->setTopRow(5);
    GridMouseWheel(0, 120, 0, 0, *w.grid);
    EXPECT_EQ(w.grid->topRow(), 1);
    w.grid->setTopRow(5);
    GridMouseWheel(0, -120, 0, 0, *w.grid);
    EXPECT_EQ(w.grid->topRow(), 17);
}

// ---- The wheel hook ---------------------------------------------------------------------------------

TEST_F(GridRoutinesTest, HookedScreenScrollsItsGridAPagePerNotch) {
    GridWindow w;
    HookGridWheel(w.window.get(), w.grid);
    EXPECT_EQ(HookedScreen(), w.window.get());
    EXPECT_EQ(HookedGrid(), w.grid);
    w.grid->setTopRow(5);
    Wheel(w.window.get(), -120);
    EXPECT_EQ(w.grid->topRow(), 17);
    // Over the grid itself: a page, not the page plus the grid's own few rows.
    Wheel(w.grid->view()->viewport(), -120);
    EXPECT_EQ(w.grid->topRow(), 29);
    Wheel(w.grid->view()->viewport(), 120);
    EXPECT_EQ(w.grid->topRow(), 17);
    // A fine-grained wheel moves a page once a whole notch has turned.
    Wheel(w.window.get(), -60);
    EXPECT_EQ(w.grid->topRow(), 17);
    Wheel(w.window.get(), -60);
    EXPECT_EQ(w.grid->topRow(), 29);

    UnhookGridWheel();
    EXPECT_EQ(HookedScreen(), nullptr);
    Wheel(w.window.get(), -120);
    EXPECT_EQ(w.grid->topRow(), 29);
    // Unhooked, the grid scrolls by itself, a few rows at a time.
    Wheel(w.grid->view()->viewport(), -120);
    EXPECT_GT(w.grid->topRow(), 29);
    EXPECT_LT(w.grid->topRow(), 41);
}

TEST_F(GridRoutinesTest, HookingASecondScreenReplacesTheFirst) {
    GridWindow first;
    GridWindow second;
    HookGridWheel(first.window.get(), first.grid);
    HookGridWheel(second.window.get(), second.grid);
    first.grid->setTopRow(5);
    second.grid->setTopRow(5);
    Wheel(first.window.get(), -120);
    Wheel(second.window.get(), -120);
    EXPECT_EQ(first.grid->topRow(), 5);
    EXPECT_EQ(second.grid->topRow(), 17);
}

TEST_F(GridRoutinesTest, HookSurvivesItsScreenBeingDestroyed) {
    auto w = std::make_unique<GridWindow>();
    HookGridWheel(w->window.get(), w->grid);
    w.reset();
    EXPECT_EQ(HookedScreen(), nullptr);
    GridWindow other;
    Wheel(other.window.get(), -120); // nothing hooked any more, nothing happens
    EXPECT_EQ(other.grid->topRow(), 1);
    UnhookGridWheel();
    UnhookGridWheel();
}

// ---- Money-box keys -----------------------------------------------------------------------------------

TEST_F(GridRoutinesTest, CheckDecimalKeyAllowsDigitsAndOnePointWithTwoDecimals) {
    EXPECT_TRUE(CheckDecimalKey(u'0', QString()).isNull()); // no leading zero
    EXPECT_EQ(CheckDecimalKey(u'0', QStringLiteral("1")), u'0');
    EXPECT_TRUE(CheckDecimalKey(u'5', QStringLiteral("12.34")).isNull()); // two decimals typed
    EXPECT_TRUE(CheckDecimalKey(u'.', QStringLiteral("12.")).isNull());   // one point only
    EXPECT_TRUE(CheckDecimalKey(u'x', QStringLiteral("12")).isNull());
    EXPECT_EQ(CheckDecimalKey(u'7', QStringLiteral("12.3")), u'7');
    EXPECT_EQ(CheckDecimalKey(u'.', QString()), u'.');
    EXPECT_EQ(CheckDecimalKey(u'5', QStringLiteral(".2")), u'5');
    EXPECT_TRUE(CheckDecimalKey(u'\b', QStringLiteral("12")).isNull()); // a control key
    EXPECT_TRUE(CheckDecimalKey(u'-', QString()).isNull());
}

TEST_F(GridRoutinesTest, DecimalKeyFilterKeepsTheBoxToAMoneyAmount) {
    QLineEdit box;
    new DecimalKeyFilter(&box);
    TypeText(box, QStringLiteral("0"));
    EXPECT_EQ(box.text(), QString());
    TypeText(box, QStringLiteral("12.3.45x6"));
    EXPECT_EQ(box.text(), QStringLiteral("12.34"));
    // Backspace goes through, and typing continues.
    Type(box, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(box.text(), QStringLiteral("12.3"));
    TypeText(box, QStringLiteral("9"));
    EXPECT_EQ(box.text(), QStringLiteral("12.39"));
    // Keys that type nothing pass: the cursor moves.
    Type(box, Qt::Key_Left, QString());
    EXPECT_EQ(box.cursorPosition(), 4);
    Type(box, Qt::Key_Home, QString());
    Type(box, Qt::Key_Delete, QStringLiteral("\x7f"));
    EXPECT_EQ(box.text(), QStringLiteral("2.39"));
}

TEST_F(GridRoutinesTest, DecimalKeyFilterCanCheckBackspaceToo) {
    QLineEdit box(QStringLiteral("12"));
    box.end(false);
    new DecimalKeyFilter(&box, DecimalKeyFilter::Backspace::Checked);
    Type(box, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(box.text(), QStringLiteral("12"));
}

TEST_F(GridRoutinesTest, KeyDownHandlerRunsBeforeTheCheck) {
    // A box that shows the currency form of zero is emptied as soon as a key goes
    // down; the key is then checked against the empty box.
    QLineEdit box(QStringLiteral("$0.00"));
    box.end(false);
    auto* filter = new DecimalKeyFilter(&box);
    filter->setKeyDownHandler([&box](QKeyEvent&) {
        if (box.text() == QStringLiteral("$0.00")) box.clear();
    });
    TypeText(box, QStringLiteral("5"));
    EXPECT_EQ(box.text(), QStringLiteral("5"));
    box.setText(QStringLiteral("$0.00"));
    TypeText(box, QStringLiteral("0"));
    EXPECT_EQ(box.text(), QString());
}
