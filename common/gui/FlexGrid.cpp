#include "FlexGrid.h"

#include "Controls.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr int TwipsPerPixel = 15;
// Blank space around a heading's text when the format string sizes its column.
constexpr int HeadingPadding = 12;

QString ShownHeading(const QString& heading) {
    qsizetype end = heading.size();
    while (end > 0 && heading[end - 1] == u' ')
        --end;
    return heading.left(end);
}

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

TextMeasure::TextMeasure(const QFont& font) : metrics_(font) {
    advances_.fill(-1);
}

int TextMeasure::atMost(const QString& text) {
    qreal sum = 0;
    for (const QChar c : text) {
        if (c.unicode() >= advances_.size()) return std::numeric_limits<int>::max() / 2;
        qreal& advance = advances_[c.unicode()];
        if (advance < 0) advance = metrics_.horizontalAdvance(c);
        sum += advance;
    }
    return static_cast<int>(std::ceil(sum));
}

int TextMeasure::exactly(const QString& text) const {
    return static_cast<int>(std::ceil(metrics_.horizontalAdvance(text)));
}

int TextMeasure::widen(int widest, const QString& text, int padding) {
    if (text.isEmpty() || atMost(text) + padding <= widest) return widest;
    return std::max(widest, exactly(text) + padding);
}

QColor VbColor(quint32 bbggrr) {
    return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                  static_cast<int>((bbggrr >> 16) & 0xFF));
}

// The cells behind the grid: the texts in one block, row by row with the heading row
// first, and the rarer colours and fonts by cell. Filling a grid of many thousand cells
// is then a matter of storing their texts.
class FlexGridModel : public QAbstractTableModel {
public:
    struct Style {
        QColor back; // invalid: the grid's own colour
        QColor fore;
        std::optional<QFont> font;
    };

    explicit FlexGridModel(QObject* parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        return cellData(index.row() + 1, index.column(), role);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= cols_) return {};
        // The blanks after a heading only widen its column: shown, they would be cut
        // with "..." from a column sized to what it shows.
        if (role == Qt::DisplayRole) return ShownHeading(text(0, section));
        return cellData(0, section, role);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    // Rows are counted without the heading row; cells are addressed with it (row 0).
    void setDataRows(int rows) {
        if (rows == rows_) return;
        if (rows > rows_) {
            beginInsertRows({}, rows_, rows - 1);
            rows_ = rows;
            texts_.resize(slot(rows_ + 1, 0));
            endInsertRows();
            return;
        }
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        texts_.resize(slot(rows_ + 1, 0));
        dropStyles([rows](int row, int) { return row > rows; });
        endRemoveRows();
    }
    void setColumns(int cols) {
        if (cols == cols_) return;
        std::vector<QString> texts(std::size_t(rows_ + 1) * std::size_t(cols));
        for (int r = 0; r <= rows_; ++r)
            for (int c = 0; c < std::min(cols, cols_); ++c)
                texts[std::size_t(r) * std::size_t(cols) + std::size_t(c)] = std::move(texts_[slot(r, c)]);
        if (cols > cols_)
            beginInsertColumns({}, cols_, cols - 1);
        else
            beginRemoveColumns({}, cols, cols_ - 1);
        const bool more = cols > cols_;
        cols_ = cols;
        texts_ = std::move(texts);
        alignments_.resize(std::size_t(cols), Qt::AlignLeft | Qt::AlignVCenter);
        dropStyles([cols](int, int col) { return col >= cols; });
        if (more)
            endInsertColumns();
        else
            endRemoveColumns();
    }

    const QString& text(int row, int col) const { return texts_[slot(row, col)]; }
    void setText(int row, int col, const QString& text) {
        QString& cell = texts_[slot(row, col)];
        if (cell == text) return;
        cell = text;
        changed(row, col);
    }
    Qt::Alignment alignment(int col) const { return alignments_[std::size_t(col)]; }
    void setAlignment(int col, Qt::Alignment alignment) {
        alignments_[std::size_t(col)] = alignment;
        Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
        if (rows_ > 0) Q_EMIT dataChanged(index(0, col), index(rows_ - 1, col), {Qt::TextAlignmentRole});
    }
    const Style* style(int row, int col) const {
        const auto it = styles_.constFind(key(row, col));
        return it == styles_.cend() ? nullptr : &*it;
    }
    template <class Change> void changeStyle(int row, int col, Change&& change) {
        change(styles_[key(row, col)]);
        changed(row, col);
    }

private:
    std::size_t slot(int row, int col) const {
        return std::size_t(row) * std::size_t(cols_) + std::size_t(col);
    }
    static quint64 key(int row, int col) { return (quint64(quint32(row)) << 32) | quint32(col); }
    template <class Gone> void dropStyles(Gone&& gone) {
        for (auto it = styles_.begin(); it != styles_.end();)
            it = gone(int(it.key() >> 32), int(it.key() & 0xFFFFFFFFu)) ? styles_.erase(it) : std::next(it);
    }
    void changed(int row, int col) {
        if (row == 0) return Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
        const QModelIndex cell = index(row - 1, col);
        Q_EMIT dataChanged(cell, cell);
    }
    QVariant cellData(int row, int col, int role) const {
        const Style* shown = style(row, col);
        switch (role) {
        case Qt::DisplayRole:
            return text(row, col);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(int(alignment(col)));
        case Qt::BackgroundRole:
            if (shown && shown->back.isValid()) return QBrush(shown->back);
            return {};
        case Qt::ForegroundRole:
            if (shown && shown->fore.isValid()) return QBrush(shown->fore);
            return {};
        case Qt::FontRole:
            if (shown && shown->font) return *shown->font;
            return {};
        default:
            return {};
        }
    }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<QString> texts_;
    std::vector<Qt::Alignment> alignments_;
    QHash<quint64, Style> styles_;
};

// The table inside the grid: fixed columns take no clicks and the cursor keys
// never move into them.
class FlexGridTable : public QTableView {
public:
    explicit FlexGridTable(FlexGrid* grid) : QTableView(grid), grid_(grid) {}
    void refreshGeometry() { updateGeometries(); }

protected:
    bool inFixedColumn(const QPoint& pos) const {
        const QModelIndex index = indexAt(pos);
        return index.isValid() && index.column() < grid_->fixedCols_;
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (inFixedColumn(event->position().toPoint())) return event->accept();
        QTableView::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (inFixedColumn(event->position().toPoint())) return event->accept();
        QTableView::mouseDoubleClickEvent(event);
    }
    // Typing over the grid does not jump to a cell that starts with the typed text.
    void keyboardSearch(const QString&) override {}
    void keyPressEvent(QKeyEvent* event) override {
        if (grid_->answerKey(*event)) return event->accept();
        QTableView::keyPressEvent(event);
    }
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        const QModelIndex next = QTableView::moveCursor(action, modifiers);
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
    FlexGridDelegate(QTableView* view, const int* fixedCols)
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
    QTableView* view_;
    const int* fixedCols_;
};

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QWidget(parent) {
    auto* table = new FlexGridTable(this);
    view_ = table;
    model_ = new FlexGridModel(view_);
    view_->setModel(model_);
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

    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onViewCurrentChanged(current.row(), current.column()); });
    connect(view_, &QTableView::clicked, this, [this](const QModelIndex& cell) {
        if (cell.column() >= fixedCols_) Q_EMIT clicked(cell.row() + 1, cell.column());
    });
    connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& cell) {
        if (cell.column() >= fixedCols_) Q_EMIT doubleClicked(cell.row() + 1, cell.column());
    });
    // A text or a font that changes may change what a column needs; colours never do.
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole) || roles.contains(Qt::FontRole))
                    columnsChanged(from.column(), to.column());
            });
    connect(model_, &QAbstractItemModel::headerDataChanged, this,
            [this](Qt::Orientation, int first, int last) { columnsChanged(first, last); });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { columnsChanged(0, cols() - 1); });

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
        model_->setAlignment(c, AlignmentOf(heading.isEmpty() ? QChar() : heading.front()));
        if (!heading.isEmpty() && QStringLiteral("<^>").contains(heading.front())) heading.remove(0, 1);
        model_->setText(0, c, heading);
        view_->setColumnHidden(c, false);
        givenPixels_[std::size_t(c)] = metrics.horizontalAdvance(heading) + HeadingPadding;
        view_->setColumnWidth(c, givenPixels_[std::size_t(c)]);
        columnsChanged(c, c);
    }
}

int FlexGrid::rows() const {
    return model_->rowCount() + 1;
}

void FlexGrid::setRows(int rows) {
    rows = std::max(rows, 1);
    syncing_ = true;
    model_->setDataRows(rows - 1);
    syncing_ = false;
    for (auto it = twips_.begin(); it != twips_.end();)
        it = it.key() >= rows ? twips_.erase(it) : std::next(it);
    row_ = std::clamp(row_, 1, std::max(1, rows - 1));
    syncView();
}

int FlexGrid::cols() const {
    return model_->columnCount();
}

void FlexGrid::setCols(int cols) {
    cols = std::max(cols, 1);
    syncing_ = true;
    const int before = this->cols();
    model_->setColumns(cols);
    syncing_ = false;
    givenPixels_.resize(std::size_t(cols), view_->horizontalHeader()->defaultSectionSize());
    unmeasured_.resize(std::size_t(cols), false);
    if (cols > before) columnsChanged(before, cols - 1);
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

Qt::Alignment FlexGrid::colAlignment(int col) const {
    if (col < 0 || col >= cols()) return Qt::AlignLeft | Qt::AlignVCenter;
    return model_->alignment(col);
}

QString FlexGrid::textMatrix(int row, int col) const {
    return validCell(row, col) ? model_->text(row, col) : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    if (!validCell(row, col)) return warnNoCell(row, col);
    model_->setText(row, col, text);
}

void FlexGrid::warnNoCell(int row, int col) const {
    qWarning("FlexGrid %s: no cell (%d, %d)", qPrintable(objectName()), row, col);
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
    if (view_->currentIndex() == model_->index(row_ - 1, col_)) return;
    syncing_ = true;
    view_->setCurrentIndex(model_->index(row_ - 1, col_));
    syncing_ = false;
}

void FlexGrid::onViewCurrentChanged(int viewRow, int col) {
    if (syncing_ || viewRow < 0 || col < 0) return;
    if (col < fixedCols_) return syncView();
    moveCurrent(viewRow + 1, col);
}

bool FlexGrid::answerKey(const QKeyEvent& key) {
    const bool click = IsClickKey(key);
    const QString typed = key.text();
    const bool types = !click && !typed.isEmpty() && typed.front().isPrint() &&
                       !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!(click || types) || !validCell(row_, col_) || row_ < 1 || col_ < fixedCols_) return false;
    Q_EMIT clicked(row_, col_);
    if (!types) return true;
    // The click opened the cell's entry box: what was typed is its first character.
    QWidget* entry = view_->window()->focusWidget();
    if (entry != nullptr && entry != view_ && entry->isEnabled()) {
        QKeyEvent again(key.type(), key.key(), key.modifiers(), key.text(), key.isAutoRepeat(), ushort(key.count()));
        QCoreApplication::sendEvent(entry, &again);
    }
    return true;
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
    if (fitQueued_) const_cast<FlexGrid*>(this)->fitColumns();
    return TwipsFromPixels(view_->columnWidth(col));
}

void FlexGrid::setColWidth(int col, int twips) {
    if (col < 0 || col >= cols()) return;
    view_->setColumnHidden(col, twips <= 0);
    if (twips <= 0) return updateGeometry();
    givenPixels_[std::size_t(col)] = std::max(1, PixelsFromTwips(twips));
    view_->setColumnWidth(col, givenPixels_[std::size_t(col)]);
    columnsChanged(col, col);
}

void FlexGrid::columnsChanged(int first, int last) {
    for (int c = std::max(first, 0); c <= last && c < int(unmeasured_.size()); ++c)
        unmeasured_[std::size_t(c)] = true;
    if (fitQueued_) return;
    fitQueued_ = true;
    QMetaObject::invokeMethod(
        this, [this] { fitColumns(); }, Qt::QueuedConnection);
}

void FlexGrid::fitColumns() {
    if (!fitQueued_) return;
    fitQueued_ = false;
    bool changed = false;
    for (int c = 0; c < cols(); ++c) {
        if (!unmeasured_[std::size_t(c)] || view_->isColumnHidden(c)) continue;
        unmeasured_[std::size_t(c)] = false;
        const int width = std::max(givenPixels_[std::size_t(c)], textPixels(c));
        if (view_->columnWidth(c) == width) continue;
        view_->setColumnWidth(c, width);
        changed = true;
    }
    if (changed) updateGeometry();
}

int FlexGrid::textPixels(int col) const {
    // The room the header and the delegate leave around a text before they cut it.
    const QString heading = ShownHeading(model_->text(0, col));
    int widest =
        heading.isEmpty()
            ? 0
            : QFontMetrics(view_->horizontalHeader()->font()).horizontalAdvance(heading) + HeadingPadding;
    const int padding = 2 * (view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view_) + 1) +
                        (view_->showGrid() ? 1 : 0) + 1;
    TextMeasure plain(view_->font());
    for (int r = 1; r < rows(); ++r) {
        const QString& text = model_->text(r, col);
        if (text.isEmpty()) continue;
        const FlexGridModel::Style* style = model_->style(r, col);
        if (style && style->font) {
            widest = std::max(widest, QFontMetrics(*style->font).horizontalAdvance(text) + padding);
        } else {
            widest = plain.widen(widest, text, padding);
        }
    }
    return widest;
}

QSize FlexGrid::sizeHint() const {
    if (fitQueued_) const_cast<FlexGrid*>(this)->fitColumns();
    return {view_->horizontalHeader()->length() + 2 * view_->frameWidth() +
                view_->verticalScrollBar()->sizeHint().width(),
            QWidget::sizeHint().height()};
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
    if (const auto* style = validCell(row, col) ? model_->style(row, col) : nullptr;
        style && style->back.isValid())
        return style->back;
    return row == 0 || col < fixedCols_ ? view_->palette().color(QPalette::Button)
                                        : view_->palette().color(QPalette::Base);
}

void FlexGrid::setCellBackColor(int row, int col, const QColor& colour) {
    if (!validCell(row, col)) return warnNoCell(row, col);
    model_->changeStyle(row, col, [&colour](FlexGridModel::Style& style) { style.back = colour; });
}

QColor FlexGrid::cellForeColor(int row, int col) const {
    if (const auto* style = validCell(row, col) ? model_->style(row, col) : nullptr;
        style && style->fore.isValid())
        return style->fore;
    return view_->palette().color(row == 0 ? QPalette::ButtonText : QPalette::Text);
}

void FlexGrid::setCellForeColor(int row, int col, const QColor& colour) {
    if (!validCell(row, col)) return warnNoCell(row, col);
    model_->changeStyle(row, col, [&colour](FlexGridModel::Style& style) { style.fore = colour; });
}

QFont FlexGrid::cellFont(int row, int col) const {
    if (const auto* style = validCell(row, col) ? model_->style(row, col) : nullptr; style && style->font)
        return *style->font;
    return row == 0 ? view_->horizontalHeader()->font() : view_->font();
}

double FlexGrid::cellFontSize(int row, int col) const {
    return cellFont(row, col).pointSizeF();
}

void FlexGrid::setCellFontSize(int row, int col, double points) {
    if (points <= 0) return;
    setCellFont(row, col, [points](QFont& font) { font.setPointSizeF(points); });
}

bool FlexGrid::cellFontBold(int row, int col) const {
    return cellFont(row, col).bold();
}

void FlexGrid::setCellFontBold(int row, int col, bool bold) {
    setCellFont(row, col, [bold](QFont& font) { font.setBold(bold); });
}

template <class Change> void FlexGrid::setCellFont(int row, int col, Change&& change) {
    if (!validCell(row, col)) return warnNoCell(row, col);
    QFont font = cellFont(row, col);
    change(font);
    model_->changeStyle(row, col, [&font](FlexGridModel::Style& style) { style.font = font; });
}

void FlexGrid::setSelectionMode(int mode) {
    selectionMode_ = std::clamp(mode, 0, 2);
    static constexpr QAbstractItemView::SelectionBehavior behaviours[] = {
        QAbstractItemView::SelectItems, QAbstractItemView::SelectRows, QAbstractItemView::SelectColumns};
    view_->setSelectionBehavior(behaviours[selectionMode_]);
    view_->clearSelection();
    if (row_ >= 1 && row_ < rows()) {
        syncing_ = true;
        view_->setCurrentIndex(model_->index(row_ - 1, col_));
        syncing_ = false;
    }
}
