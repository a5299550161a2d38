#include "FlexGrid.h"
#include "TestSupport.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class FlexGridTest : public ProgramFolderTest {
protected:
    FlexGridTest() {
        grid.setObjectName(QStringLiteral("fgTest"));
        grid.setFormatString(QStringLiteral("^Pay|<Employee        |^Hours|>Net Pay"));
        grid.setRows(6);
    }

    // A real mouse click on a cell of the shown grid.
    void clickCell(int row, int col, QEvent::Type second = QEvent::MouseButtonRelease) {
        QWidget* viewport = grid.view()->viewport();
        const QPoint at = grid.view()->visualRect(grid.view()->model()->index(row - 1, col)).center();
        const QPointF global = viewport->mapToGlobal(QPointF(at));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &release);
        if (second == QEvent::MouseButtonDblClick) {
            QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &dbl);
            QCoreApplication::sendEvent(viewport, &release);
        }
    }

    void showGrid() {
        grid.resize(600, 300);
        grid.show();
        QApplication::processEvents();
    }

    FlexGrid grid;
};

using Cell = std::pair<int, int>;

} // namespace

TEST_F(FlexGridTest, FormatStringSetsColumnsHeadingsAndAlignments) {
    EXPECT_EQ(grid.cols(), 4);
    EXPECT_EQ(grid.textMatrix(0, 0), QStringLiteral("Pay"));
    // The heading keeps its blanks: screens show it as it stands.
    EXPECT_EQ(grid.textMatrix(0, 1), QStringLiteral("Employee        "));
    EXPECT_EQ(grid.colAlignment(0) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(grid.colAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(grid.colAlignment(3) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    // Data cells take their column's alignment.
    grid.setTextMatrix(2, 3, QStringLiteral("$12.50"));
    EXPECT_EQ(Qt::Alignment(grid.view()->model()->index(1, 3).data(Qt::TextAlignmentRole).toInt()) &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    // A longer heading gives a wider column.
    EXPECT_GT(grid.colWidth(1), grid.colWidth(0));
}

TEST_F(FlexGridTest, TrailingSeparatorAddsAnEmptyColumn) {
    grid.setFormatString(QStringLiteral("^Status   |^Rate      |^on Amount Greater Than|"));
    EXPECT_EQ(grid.cols(), 4);
    EXPECT_EQ(grid.textMatrix(0, 3), QString());
    // An empty heading never shows a column number instead.
    EXPECT_EQ(grid.view()->model()->headerData(3, Qt::Horizontal).toString(), QString());
}

TEST_F(FlexGridTest, TextMatrixAddressesHeadingAndDataRows) {
    grid.setTextMatrix(5, 2, QStringLiteral("40"));
    grid.setTextMatrix(0, 2, QStringLiteral("Hrs"));
    EXPECT_EQ(grid.textMatrix(5, 2), QStringLiteral("40"));
    EXPECT_EQ(grid.textMatrix(0, 2), QStringLiteral("Hrs"));
    EXPECT_EQ(grid.textMatrix(4, 2), QString());
    EXPECT_EQ(grid.textMatrix(6, 0), QString()); // beyond the last row
    grid.setRow(5);
    grid.setCol(2);
    EXPECT_EQ(grid.text(), QStringLiteral("40"));
    grid.setText(QStringLiteral("38.5"));
    EXPECT_EQ(grid.textMatrix(5, 2), QStringLiteral("38.5"));
    // Fewer rows drop the texts of the rows that go; new rows come back empty.
    grid.setRows(3);
    EXPECT_EQ(grid.row(), 2);
    grid.setRows(6);
    EXPECT_EQ(grid.textMatrix(5, 2), QString());
    EXPECT_EQ(grid.textMatrix(0, 2), QStringLiteral("Hrs"));
}

TEST_F(FlexGridTest, HeadingOnlyGridHasOneRow) {
    grid.setRows(1);
    EXPECT_EQ(grid.rows(), 1);
    EXPECT_EQ(grid.view()->model()->rowCount(), 0);
    grid.setRows(0);
    EXPECT_EQ(grid.rows(), 1);
}

TEST_F(FlexGridTest, ColumnWidthZeroHidesTheColumn) {
    grid.setColWidth(2, 0);
    EXPECT_EQ(grid.colWidth(2), 0);
    EXPECT_TRUE(grid.view()->isColumnHidden(2));
    grid.setColWidth(2, 1500);
    EXPECT_FALSE(grid.view()->isColumnHidden(2));
    EXPECT_EQ(grid.colWidth(2), 1500);
}

TEST_F(FlexGridTest, SizesInTwipsReadBackAsSet) {
    EXPECT_EQ(PixelsFromTwips(3000), 200);
    EXPECT_EQ(TwipsFromPixels(200), 3000);
    grid.setHeightTwips(3000);
    grid.setRowHeight(0, 250);
    grid.setRowHeight(1, 400);
    EXPECT_EQ(grid.heightTwips(), 3000);
    EXPECT_EQ(grid.rowHeight(0), 250);
    EXPECT_EQ(grid.rowHeight(1), 400);
    EXPECT_EQ(grid.view()->horizontalHeader()->height(), PixelsFromTwips(250));
    // Once the control is resized, the sizes are what it now shows.
    grid.resize(grid.width(), 300);
    EXPECT_EQ(grid.heightTwips(), 4500);
}

TEST_F(FlexGridTest, ResizingKeepsTheCellsThatStayAndClearsTheOnesThatGo) {
    struct Shrink {
        const char* label;
        int rows, cols;
    };
    const Shrink shrinks[] = {{"fewer rows", 4, 4}, {"fewer columns", 6, 3}, {"both", 3, 2}};
    for (const Shrink& shrink : shrinks) {
        SCOPED_TRACE(shrink.label);
        for (const auto& [row, col] : {Cell{2, 1}, Cell{4, 3}}) {
            grid.setTextMatrix(row, col, QStringLiteral("text"));
            grid.setCellBackColor(row, col, VbColor(255));
        }
        grid.setRows(shrink.rows);
        grid.setCols(shrink.cols);
        grid.setRows(6);
        grid.setCols(4);
        EXPECT_EQ(grid.textMatrix(2, 1), QStringLiteral("text"));
        EXPECT_EQ(grid.cellBackColor(2, 1), QColor(255, 0, 0));
        EXPECT_EQ(grid.textMatrix(4, 3), QString());
        EXPECT_NE(grid.cellBackColor(4, 3), QColor(255, 0, 0));
        EXPECT_EQ(grid.textMatrix(0, 3).isEmpty(), shrink.cols < 4);
        grid.setFormatString(QStringLiteral("^Pay|<Employee        |^Hours|>Net Pay"));
    }
}

TEST_F(FlexGridTest, ColumnsAreAsWideAsTheirWidestTextWhateverWidthWasSet) {
    const int given = grid.colWidth(1);
    const QString name = QStringLiteral("Abigail Montgomery-Fairweather of Rancho Santa Margarita");
    const auto pixels = [this](int col) { return PixelsFromTwips(grid.colWidth(col)); };
    grid.setTextMatrix(3, 1, name);
    EXPECT_GT(pixels(1), QFontMetrics(grid.view()->font()).horizontalAdvance(name));
    // A larger bold figure widens its column more; a hidden column stays hidden.
    grid.setTextMatrix(5, 3, QStringLiteral("$1,234,567.89"));
    const int plain = pixels(3);
    grid.setCellFontBold(5, 3, true);
    grid.setCellFontSize(5, 3, 14);
    EXPECT_GT(pixels(3), plain);
    grid.setColWidth(2, 0);
    grid.setTextMatrix(4, 2, name);
    EXPECT_EQ(grid.colWidth(2), 0);
    // A width set narrower than the cells gives way to them.
    grid.setColWidth(1, 300);
    EXPECT_GT(pixels(1), QFontMetrics(grid.view()->font()).horizontalAdvance(name));
    // Filled again with short texts, the column narrows back to the width set.
    grid.setColWidth(1, given);
    grid.setRows(1);
    grid.setRows(6);
    grid.setTextMatrix(3, 1, QStringLiteral("Bo Li"));
    EXPECT_EQ(grid.colWidth(1), given);
    // The grid asks for the room of all its columns.
    EXPECT_GE(grid.sizeHint().width(), grid.view()->horizontalHeader()->length());
}

TEST_F(FlexGridTest, CellsKeepTheirOwnColoursAndFonts) {
    EXPECT_EQ(VbColor(0xFF00), QColor(0, 255, 0));
    EXPECT_EQ(VbColor(0xFFFFFF), QColor(255, 255, 255));
    EXPECT_EQ(VbColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(VbColor(255), QColor(255, 0, 0));
    EXPECT_EQ(VbColor(65535), QColor(255, 255, 0));
    EXPECT_EQ(VbColor(16576), QColor(192, 64, 0));

    grid.setCellBackColor(3, 1, VbColor(0xFF0000));
    grid.setCellForeColor(3, 1, VbColor(0xFFFFFF));
    grid.setCellFontSize(2, 2, 12);
    grid.setCellFontBold(2, 2, true);
    EXPECT_EQ(grid.cellBackColor(3, 1), QColor(0, 0, 255));
    EXPECT_EQ(grid.cellForeColor(3, 1), QColor(255, 255, 255));
    EXPECT_DOUBLE_EQ(grid.cellFontSize(2, 2), 12.0);
    EXPECT_TRUE(grid.cellFontBold(2, 2));
    // Neighbours are untouched, and the text of a styled cell is kept.
    EXPECT_NE(grid.cellBackColor(3, 2), QColor(0, 0, 255));
    EXPECT_FALSE(grid.cellFontBold(2, 1));
    grid.setTextMatrix(2, 2, QStringLiteral("40"));
    grid.setCellFontSize(2, 2, 9);
    grid.setCellFontBold(2, 2, false);
    EXPECT_EQ(grid.textMatrix(2, 2), QStringLiteral("40"));
    EXPECT_DOUBLE_EQ(grid.cellFontSize(2, 2), 9.0);
    EXPECT_FALSE(grid.cellFontBold(2, 2));
}

TEST_F(FlexGridTest, MovingTheCurrentCellLeavesTheOldOneFirst) {
    std::vector<std::pair<char, Cell>> events;
    QObject::connect(&grid, &FlexGrid::leaveCell, [&](int r, int c) {
        // While leaving, the grid still names the old cell.
        EXPECT_EQ(Cell(grid.row(), grid.col()), Cell(r, c));
        events.push_back({'L', {r, c}});
    });
    QObject::connect(&grid, &FlexGrid::enterCell, [&](int r, int c) { events.push_back({'E', {r, c}}); });
    EXPECT_EQ(Cell(grid.row(), grid.col()), Cell(1, 0));
    grid.setRow(3);
    grid.setCol(2);
    grid.setCol(2); // no move, no events
    const std::vector<std::pair<char, Cell>> expected{
        {'L', {1, 0}}, {'E', {3, 0}}, {'L', {3, 0}}, {'E', {3, 2}}};
    EXPECT_EQ(events, expected);
    // Rows outside the data rows are refused.
    grid.setRow(0);
    grid.setRow(6);
    EXPECT_EQ(grid.row(), 3);
}

TEST_F(FlexGridTest, ClickReportsTheCellAfterMakingItCurrent) {
    showGrid();
    std::vector<Cell> clicks;
    QObject::connect(&grid, &FlexGrid::clicked, [&](int r, int c) {
        EXPECT_EQ(Cell(grid.row(), grid.col()), Cell(r, c));
        clicks.push_back({r, c});
    });
    int doubles = 0;
    QObject::connect(&grid, &FlexGrid::doubleClicked, [&](int r, int c) {
        EXPECT_EQ(Cell(r, c), Cell(4, 3));
        ++doubles;
    });
    clickCell(2, 1);
    clickCell(4, 3, QEvent::MouseButtonDblClick);
    EXPECT_EQ(clicks, (std::vector<Cell>{{2, 1}, {4, 3}})); // a double-click clicks first
    EXPECT_EQ(doubles, 1);
    // Cells are never edited in place.
    EXPECT_EQ(grid.view()->findChild<QLineEdit*>(), nullptr);
}

TEST_F(FlexGridTest, FixedColumnsNeverBecomeCurrent) {
    showGrid();
    grid.setFixedCols(1);
    EXPECT_EQ(grid.col(), 1);
    std::vector<Cell> clicks;
    QObject::connect(&grid, &FlexGrid::clicked, [&](int r, int c) { clicks.push_back({r, c}); });
    clickCell(3, 0);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(Cell(grid.row(), grid.col()), Cell(1, 1));
    grid.setCol(0);
    EXPECT_EQ(grid.col(), 1);
    // They look like headings.
    EXPECT_EQ(grid.cellBackColor(2, 0), grid.cellBackColor(0, 2));
}

TEST_F(FlexGridTest, DisabledGridTakesNoClicks) {
    showGrid();
    int clicks = 0;
    QObject::connect(&grid, &FlexGrid::clicked, [&](int, int) { ++clicks; });
    grid.setEnabled(false);
    clickCell(2, 2);
    EXPECT_EQ(clicks, 0);
    grid.setEnabled(true);
    clickCell(2, 2);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FlexGridTest, SelectionModeSelectsRowsOrColumns) {
    showGrid();
    grid.setSelectionMode(FlexGrid::SelectionByRow);
    clickCell(3, 2);
    EXPECT_TRUE(grid.view()->selectionModel()->isRowSelected(2, {}));
    grid.setSelectionMode(FlexGrid::SelectionByColumn);
    clickCell(4, 1);
    EXPECT_TRUE(grid.view()->selectionModel()->isColumnSelected(1, {}));
    EXPECT_EQ(Cell(grid.row(), grid.col()), Cell(4, 1));
    grid.setSelectionMode(FlexGrid::SelectionFree);
    clickCell(2, 3);
    EXPECT_FALSE(grid.view()->selectionModel()->isColumnSelected(1, {}));
    EXPECT_EQ(grid.selectionMode(), 0);
}

TEST_F(FlexGridTest, HeadingRowStaysInViewWhileScrolling) {
    grid.setRows(100);
    for (int r = 1; r < 100; ++r)
        grid.setTextMatrix(r, 1, QString::number(r));
    showGrid();
    grid.setTopRow(17);
    QApplication::processEvents();
    EXPECT_EQ(grid.topRow(), 17);
    QHeaderView* heading = grid.view()->horizontalHeader();
    EXPECT_TRUE(heading->isVisible());
    EXPECT_EQ(heading->mapTo(&grid, QPoint(0, 0)).y(), grid.view()->frameWidth());
    // The first row in view is the top row.
    EXPECT_EQ(grid.view()->rowAt(0), 16);
    grid.setTopRow(0);
    EXPECT_EQ(grid.topRow(), 1);
}
