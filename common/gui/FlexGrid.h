#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QKeyEvent;
class QTableView;
class FlexGridModel;

// Screen sizes in the screens' own unit: 1440 twips to the inch, so 15 twips to a
// logical pixel (96 per inch). Every conversion goes through these two.
int PixelsFromTwips(int twips);
int TwipsFromPixels(int pixels);

// Measures the texts of one font for the widest of many (a grid's column, a list).
// The sum of a text's character widths bounds its width from above (kerning only draws
// letters closer), so a text whose bound is no wider than the widest so far needs no
// shaping: thousands of figures are shaped a few times, not one by one.
class TextMeasure {
public:
    explicit TextMeasure(const QFont& font);
    int atMost(const QString& text);
    int exactly(const QString& text) const;
    // The larger of widest and the text's width with padding.
    int widen(int widest, const QString& text, int padding = 0);

private:
    QFontMetricsF metrics_;
    std::array<qreal, 256> advances_{};
};

// A colour value written as 0xBBGGRR (&HFF00 green, &HFFFFFF white, &HFF0000 blue, 255 red).
QColor VbColor(quint32 bbggrr);

// The data grid of the screens. Row 0 is the heading row and always stays in view;
// rows 1 .. rows() - 1 hold the data. Columns below fixedCols() look like headings and
// never become the current cell. Cells are not edited in place: the screens edit
// through their own entry boxes. The keyboard does what the mouse does: Space or Enter
// on the current cell is a click on it, and a character typed into a cell clicks it and
// then goes on to the box the click gave the focus to. Sizes are in twips.
class FlexGrid : public QWidget {
    Q_OBJECT

public:
    enum SelectionMode { SelectionFree = 0, SelectionByRow = 1, SelectionByColumn = 2 };

    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    // "^Pay|<Employee   |>Net Pay": one column per "|"-separated field (a trailing "|"
    // adds an empty column); a leading ^ centres the column, < aligns it left and >
    // right; the rest is the heading text, blanks included, and its width sets the
    // column's least width.
    void setFormatString(const QString& format);

    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);
    int fixedRows() const { return 1; }
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int cols);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // The current cell.
    int row() const { return row_; }
    int col() const { return col_; }
    void setRow(int row);
    void setCol(int col);
    QString text() const { return textMatrix(row_, col_); }
    void setText(const QString& text) { setTextMatrix(row_, col_, text); }

    // The first data row in view.
    int topRow() const;
    void setTopRow(int row);

    // Width of a column in twips; 0 hides the column. A shown column is never narrower
    // than its widest heading or cell: it widens (and narrows back to the width set)
    // as the cells are filled, measured once the filling is done.
    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    Qt::Alignment colAlignment(int col) const;
    // Height of a row in twips; row 0 is the heading row.
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    // Height of the whole control in twips (a layout may size the control otherwise).
    int heightTwips() const;
    void setHeightTwips(int twips);

    QColor cellBackColor(int row, int col) const;
    void setCellBackColor(int row, int col, const QColor& colour);
    QColor cellForeColor(int row, int col) const;
    void setCellForeColor(int row, int col, const QColor& colour);
    double cellFontSize(int row, int col) const;
    void setCellFontSize(int row, int col, double points);
    bool cellFontBold(int row, int col) const;
    void setCellFontBold(int row, int col, bool bold);

    int selectionMode() const { return selectionMode_; }
    // 0 free (one cell), 1 whole rows, 2 whole columns.
    void setSelectionMode(int mode);

    // The table inside the control (for event delivery and the wheel hook). Its model
    // tells every change of a cell (dataChanged) and of a heading (headerDataChanged).
    QTableView* view() const { return view_; }

    // As wide as every shown column with the frame and the vertical scroll bar, so that
    // a layout with the room shows the columns whole.
    QSize sizeHint() const override;

Q_SIGNALS:
    // A click on a data cell (or Space or Enter on it); the cell is already the current cell.
    void clicked(int row, int col);
    void doubleClicked(int row, int col);
    // The current cell changes: leaveCell while row()/col() still name the old cell,
    // then enterCell with the new one.
    void leaveCell(int row, int col);
    void enterCell(int row, int col);

private:
    friend class FlexGridTable;

    bool validCell(int row, int col) const;
    void warnNoCell(int row, int col) const;
    template <class Change> void setCellFont(int row, int col, Change&& change);
    void moveCurrent(int row, int col);
    bool answerKey(const QKeyEvent& key);
    void syncView();
    void onViewCurrentChanged(int viewRow, int col);
    int headingPixels() const;
    QFont cellFont(int row, int col) const;
    static int rememberedTwips(const QHash<int, int>& remembered, int key, int pixels);

    QTableView* view_ = nullptr;
    FlexGridModel* model_ = nullptr;
    int fixedCols_ = 0;
    int selectionMode_ = SelectionFree;
    int row_ = 1;
    int col_ = 0;
    bool syncing_ = false;
    // Twips values set by the program read back as set while the control keeps the
    // pixel size they gave (a twips value is not always a whole number of pixels).
    // Key -1 is the control's height, 0 the heading row, n data row n.
    QHash<int, int> twips_;

    // Column widths: the least width the program gave each column (its heading in the
    // format string, or setColWidth), and the columns whose cells changed since they
    // were last measured. Measured lazily, so that filling a grid of thousands of rows
    // measures each column once.
    void columnsChanged(int first, int last);
    void fitColumns();
    int textPixels(int col) const;
    std::vector<int> givenPixels_;
    std::vector<bool> unmeasured_;
    bool fitQueued_ = false;
};
