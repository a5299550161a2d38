#include "FlexGrid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int TwipsPerPixel = 15;
// Blank space around a heading's text when the format string sizes its column.
constexpr int HeadingPadding = 12;

Qt::Alignment AlignmentOf(QChar c) {
    if (c == u'^') return Qt::AlignHCenter | Qt::AlignVCenter;
    if (c == u'>') return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

int PixelsFromTwips(int twips) {
    return static_cast<int>(std::lround(twips / double(TwipsPerPixel)));
}
int TwipsFromPixels(int pixels) {
    return pixels * TwipsPerPixel;
}

QColor VbColor(quint32 bbggrr) {
    return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                  static_cast<int>((bbggrr >> 16) & 0xFF));
}

// The table inside the grid: fixed columns take no clicks and the cursor keys
// never move into them.
class FlexGridTable : public QTableWidget {
public:
    explicit FlexGridTable(FlexGrid* grid) : QTableWidget(grid), grid_(grid) {}
    void refreshGeometry() { updateGeometries(); }

protected:
    bool inFixedColumn(const QPoint& pos) const {
        const QModelIndex index = indexAt(pos);
        return index.isValid() && index.column() < grid_->fixedCols_;
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (inFixedColumn(event->position().toPoint())) return event->accept();
        QTableWidget::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (inFixedColumn(event->position().toPoint())) return event->accept();
        QTableWidget::mouseDoubleClickEvent(event);
    }
    // Typing over the grid does not jump to a cell that starts with the typed text.
    void keyboardSearch(const QString&) override {}
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
        if (next.isValid() && next.column() < grid_->fixedCols_) return currentIndex();
        return next;
    }

private:
    FlexGrid* grid_;
};

namespace {

// Paints fixed columns like headings, and the current cell in its own colours with
// a frame around it (so a cell the screen colours to show an edit stays visible),
// while the rest of a row or column selection is highlighted.
class FlexGridDelegate : public QStyledItemDelegate {
public:
    FlexGridDelegate(QTableWidget* view, const int* fixedCols)
        : QStyledItemDelegate(view), view_(view), fixedCols_(fixedCols) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
        if (index.column() < *fixedCols_) {
            if (!index.data(Qt::BackgroundRole).isValid()) option->backgroundBrush = option->palette.button();
            option->state &= ~QStyle::State_Selected;
        }
        if (index == view_->currentIndex()) option->state &= ~QStyle::State_Selected;
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (index != view_->currentIndex() || index.column() < *fixedCols_) return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

private:
    QTableWidget* view_;
    const int* fixedCols_;
};

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QWidget(parent) {
    auto* table = new FlexGridTable(this);
    view_ = table;
    view_->setObjectName(QStringLiteral("table"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectItems);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->setWordWrap(false);
    view_->setTabKeyNavigation(false); // Tab goes on to the next control
    view_->setSortingEnabled(false);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setSectionsClickable(false);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->setItemDelegate(new FlexGridDelegate(view_, &fixedCols_));

    connect(view_, &QTableWidget::currentCellChanged, this,
            [this](int r, int c, int, int) { onViewCurrentChanged(r, c); });
    connect(view_, &QTableWidget::cellClicked, this, [this](int r, int c) {
        if (c >= fixedCols_) Q_EMIT clicked(r + 1, c);
    });
    connect(view_, &QTableWidget::cellDoubleClicked, this, [this](int r, int c) {
        if (c >= fixedCols_) Q_EMIT doubleClicked(r + 1, c);
    });

    setCols(2);
    // Data rows as high as the heading row, so that a page of the wheel (the grid's
    // height over the heading row's) is about what the grid shows.
    QHeaderView* rowHeader = view_->verticalHeader();
    rowHeader->setMinimumSectionSize(std::min(rowHeader->minimumSectionSize(), headingPixels()));
    rowHeader->setDefaultSectionSize(headingPixels());
    setRows(2);
}

FlexGrid::~FlexGrid() = default;

void FlexGrid::setFormatString(const QString& format) {
    const QStringList fields = format.split(u'|');
    setCols(static_cast<int>(fields.size()));
    const QFontMetrics metrics(view_->horizontalHeader()->font());
    for (int c = 0; c < fields.size(); ++c) {
        QString heading = fields[c];
        alignments_[c] = AlignmentOf(heading.isEmpty() ? QChar() : heading.front());
        if (!heading.isEmpty() && QStringLiteral("<^>").contains(heading.front())) heading.remove(0, 1);
        ensureItem(0, c)->setText(heading);
        applyAlignment(c);
        view_->setColumnHidden(c, false);
        view_->setColumnWidth(c, metrics.horizontalAdvance(heading) + HeadingPadding);
    }
}

int FlexGrid::rows() const {
    return view_->rowCount() + 1;
}

void FlexGrid::setRows(int rows) {
    rows = std::max(rows, 1);
    syncing_ = true;
    view_->setRowCount(rows - 1);
    syncing_ = false;
    for (auto it = twips_.begin(); it != twips_.end();)
        it = it.key() >= rows ? twips_.erase(it) : std::next(it);
    row_ = std::clamp(row_, 1, std::max(1, rows - 1));
    syncView();
}

int FlexGrid::cols() const {
    return view_->columnCount();
}

void FlexGrid::setCols(int cols) {
    cols = std::max(cols, 1);
    const int old = view_->columnCount();
    syncing_ = true;
    view_->setColumnCount(cols);
    syncing_ = false;
    alignments_.resize(static_cast<std::size_t>(cols), Qt::AlignLeft | Qt::AlignVCenter);
    // Without an item of its own a heading would show the column's number.
    for (int c = old; c < cols; ++c)
        ensureItem(0, c);
    fixedCols_ = std::min(fixedCols_, cols - 1);
    col_ = std::clamp(col_, fixedCols_, cols - 1);
    syncView();
}

void FlexGrid::setFixedCols(int cols) {
    fixedCols_ = std::clamp(cols, 0, this->cols() - 1);
    if (col_ < fixedCols_) moveCurrent(row_, fixedCols_);
    view_->viewport()->update();
}

bool FlexGrid::validCell(int row, int col) const {
    return row >= 0 && row < rows() && col >= 0 && col < cols();
}

QTableWidgetItem* FlexGrid::itemAt(int row, int col) const {
    if (!validCell(row, col)) return nullptr;
    return row == 0 ? view_->horizontalHeaderItem(col) : view_->item(row - 1, col);
}

QTableWidgetItem* FlexGrid::ensureItem(int row, int col) {
    if (!validCell(row, col)) {
        qWarning("FlexGrid %s: no cell (%d, %d)", qPrintable(objectName()), row, col);
        return nullptr;
    }
    if (QTableWidgetItem* existing = itemAt(row, col)) return existing;
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignments_[static_cast<std::size_t>(col)]);
    if (row == 0)
        view_->setHorizontalHeaderItem(col, item);
    else
        view_->setItem(row - 1, col, item);
    return item;
}

void FlexGrid::applyAlignment(int col) {
    const Qt::Alignment alignment = alignments_[static_cast<std::size_t>(col)];
    for (int r = 0; r < rows(); ++r)
        if (QTableWidgetItem* item = itemAt(r, col)) item->setTextAlignment(alignment);
}

Qt::Alignment FlexGrid::colAlignment(int col) const {
    if (col < 0 || col >= cols()) return Qt::AlignLeft | Qt::AlignVCenter;
    return alignments_[static_cast<std::size_t>(col)];
}

QString FlexGrid::textMatrix(int row, int col) const {
    const QTableWidgetItem* item = itemAt(row, col);
    return item ? item->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    if (itemAt(row, col) == nullptr && text.isEmpty() && validCell(row, col)) return;
    if (QTableWidgetItem* item = ensureItem(row, col)) item->setText(text);
}

void FlexGrid::setRow(int row) {
    if (row >= 1 && row < rows()) moveCurrent(row, col_);
}

void FlexGrid::setCol(int col) {
    if (col >= fixedCols_ && col < cols()) moveCurrent(row_, col);
}

void FlexGrid::moveCurrent(int row, int col) {
    if (row == row_ && col == col_) return syncView();
    Q_EMIT leaveCell(row_, col_);
    row_ = row;
    col_ = col;
    syncView();
    Q_EMIT enterCell(row_, col_);
}

void FlexGrid::syncView() {
    if (row_ < 1 || row_ >= rows() || col_ >= cols()) return;
    if (view_->currentRow() == row_ - 1 && view_->currentColumn() == col_) return;
    syncing_ = true;
    view_->setCurrentCell(row_ - 1, col_);
    syncing_ = false;
}

void FlexGrid::onViewCurrentChanged(int viewRow, int col) {
    if (syncing_ || viewRow < 0 || col < 0) return;
    if (col < fixedCols_) return syncView();
    moveCurrent(viewRow + 1, col);
}

int FlexGrid::topRow() const {
    return view_->verticalScrollBar()->value() + 1;
}

void FlexGrid::setTopRow(int row) {
    if (rows() <= 1) return;
    static_cast<FlexGridTable*>(view_)->refreshGeometry();
    view_->verticalScrollBar()->setValue(std::clamp(row, 1, rows() - 1) - 1);
}

int FlexGrid::colWidth(int col) const {
    if (col < 0 || col >= cols() || view_->isColumnHidden(col)) return 0;
    return TwipsFromPixels(view_->columnWidth(col));
}

void FlexGrid::setColWidth(int col, int twips) {
    if (col < 0 || col >= cols()) return;
    view_->setColumnHidden(col, twips <= 0);
    if (twips > 0) view_->setColumnWidth(col, std::max(1, PixelsFromTwips(twips)));
}

int FlexGrid::rememberedTwips(const QHash<int, int>& remembered, int key, int pixels) {
    const auto it = remembered.constFind(key);
    if (it != remembered.cend() && PixelsFromTwips(*it) == pixels) return *it;
    return TwipsFromPixels(pixels);
}

int FlexGrid::headingPixels() const {
    // The height the table gives its heading row.
    const QHeaderView* header = view_->horizontalHeader();
    return std::min(std::max(header->minimumHeight(), header->sizeHint().height()), header->maximumHeight());
}

int FlexGrid::rowHeight(int row) const {
    if (row == 0) return rememberedTwips(twips_, 0, headingPixels());
    if (row < 0 || row >= rows()) return 0;
    return rememberedTwips(twips_, row, view_->rowHeight(row - 1));
}

void FlexGrid::setRowHeight(int row, int twips) {
    if (row < 0 || row >= rows() || twips < 0) return;
    twips_[row] = twips;
    if (row == 0)
        view_->horizontalHeader()->setFixedHeight(PixelsFromTwips(twips));
    else
        view_->setRowHeight(row - 1, PixelsFromTwips(twips));
}

int FlexGrid::heightTwips() const {
    return rememberedTwips(twips_, -1, height());
}

void FlexGrid::setHeightTwips(int twips) {
    twips_[-1] = twips;
    resize(width(), PixelsFromTwips(twips));
}

QColor FlexGrid::cellBackColor(int row, int col) const {
    if (const QTableWidgetItem* item = itemAt(row, col); item && item->data(Qt::BackgroundRole).isValid())
        return item->background().color();
    return row == 0 || col < fixedCols_ ? view_->palette().color(QPalette::Button)
                                        : view_->palette().color(QPalette::Base);
}

void FlexGrid::setCellBackColor(int row, int col, const QColor& colour) {
    if (QTableWidgetItem* item = ensureItem(row, col)) item->setBackground(colour);
}

QColor FlexGrid::cellForeColor(int row, int col) const {
    if (const QTableWidgetItem* item = itemAt(row, col); item && item->data(Qt::ForegroundRole).isValid())
        return item->foreground().color();
    return view_->palette().color(row == 0 ? QPalette::ButtonText : QPalette::Text);
}

void FlexGrid::setCellForeColor(int row, int col, const QColor& colour) {
    if (QTableWidgetItem* item = ensureItem(row, col)) item->setForeground(colour);
}

QFont FlexGrid::cellFont(int row, int col) const {
    const QTableWidgetItem* item = itemAt(row, col);
    if (item && item->data(Qt::FontRole).isValid()) return item->font();
    return row == 0 ? view_->horizontalHeader()->font() : view_->font();
}

double FlexGrid::cellFontSize(int row, int col) const {
    return cellFont(row, col).pointSizeF();
}

void FlexGrid::setCellFontSize(int row, int col, double points) {
    if (points <= 0) return;
    if (QTableWidgetItem* item = ensureItem(row, col)) {
        QFont font = cellFont(row, col);
        font.setPointSizeF(points);
        item->setFont(font);
    }
}

bool FlexGrid::cellFontBold(int row, int col) const {
    return cellFont(row, col).bold();
}

void FlexGrid::setCellFontBold(int row, int col, bool bold) {
    if (QTableWidgetItem* item = ensureItem(row, col)) {
        QFont font = cellFont(row, col);
        font.setBold(bold);
        item->setFont(font);
    }
}

void FlexGrid::setSelectionMode(int mode) {
    selectionMode_ = std::clamp(mode, 0, 2);
    static constexpr QAbstractItemView::SelectionBehavior behaviours[] = {
        QAbstractItemView::SelectItems, QAbstractItemView::SelectRows, QAbstractItemView::SelectColumns};
    view_->setSelectionBehavior(behaviours[selectionMode_]);
    view_->clearSelection();
    if (row_ >= 1 && row_ < rows()) {
        syncing_ = true;
        view_->setCurrentCell(row_ - 1, col_);
        syncing_ = false;
    }
}
