#include "DelimitedFile.h"

#include "Win1252.h"

#include <algorithm>

namespace {

const QString TrueWord = QStringLiteral("#TRUE#");
const QString FalseWord = QStringLiteral("#FALSE#");

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

} // namespace

Item Item::text(const QString& t) {
    Item item;
    item.kind_ = Kind::Text;
    item.value_ = t;
    item.value_.replace(u'"', u'\'');
    return item;
}

Item Item::number(double v) {
    Item item;
    item.kind_ = Kind::Number;
    item.value_ = PlainNumberText(v);
    return item;
}

Item Item::number(std::int64_t v) {
    Item item;
    item.kind_ = Kind::Number;
    item.value_ = QString::number(v);
    return item;
}

Item Item::number(const Decimal& v) {
    Item item;
    item.kind_ = Kind::Number;
    item.value_ = PlainNumberText(v);
    return item;
}

Item Item::flag(bool v) {
    Item item;
    item.kind_ = Kind::Flag;
    item.value_ = v ? TrueWord : FalseWord;
    return item;
}

QString Item::written() const {
    return kind_ == Kind::Text ? u'"' + value_ + u'"' : value_;
}

void DelimitedWriter::write(std::initializer_list<Item> items) {
    QString line;
    bool first = true;
    for (const Item& item : items) {
        if (!first) line += u',';
        line += item.written();
        first = false;
    }
    print(line);
}

void DelimitedWriter::print(const QString& text) {
    bytes_ += ToWin1252(text);
    bytes_ += "\r\n";
}

DelimitedReader::DelimitedReader(const QByteArray& bytes, const QString& fileName)
    : data_(FromWin1252(bytes)), fileName_(fileName) {}

bool DelimitedReader::atEnd() const {
    return pos_ >= data_.size();
}

bool DelimitedReader::atLineEnd() const {
    return pos_ < data_.size() && isLineEnd(data_[pos_]);
}

// CR LF, LF and CR each end one line.
void DelimitedReader::skipLineEnd() {
    if (pos_ >= data_.size()) return;
    if (data_[pos_] == u'\r' && pos_ + 1 < data_.size() && data_[pos_ + 1] == u'\n') ++pos_;
    ++pos_;
}

// Moves past the separator that ends the current item: a comma or a line end.
void DelimitedReader::skipToSeparator() {
    while (pos_ < data_.size() && data_[pos_] != u',' && !isLineEnd(data_[pos_]))
        ++pos_;
    if (pos_ >= data_.size()) return;
    if (data_[pos_] == u',')
        ++pos_;
    else
        skipLineEnd();
}

DelimitedReader::Read DelimitedReader::next() {
    Read item;
    if (atEnd()) {
        short_ = true;
        return item;
    }
    while (pos_ < data_.size() && (data_[pos_] == u' ' || data_[pos_] == u'\t'))
        ++pos_;
    if (pos_ < data_.size() && data_[pos_] == u'"') {
        const qsizetype start = ++pos_;
        while (pos_ < data_.size() && data_[pos_] != u'"')
            ++pos_;
        item.text = data_.mid(start, pos_ - start);
        item.quoted = true;
        item.closed = pos_ < data_.size() && !item.text.contains(u'\r') && !item.text.contains(u'\n');
        // Only blanks may stand between the closing quote and the separator.
        for (qsizetype k = pos_ + 1; k < data_.size() && data_[k] != u',' && !isLineEnd(data_[k]); ++k)
            if (data_[k] != u' ' && data_[k] != u'\t') item.closed = false;
        skipToSeparator();
        return item;
    }
    const qsizetype start = pos_;
    while (pos_ < data_.size() && data_[pos_] != u',' && !isLineEnd(data_[pos_]))
        ++pos_;
    qsizetype end = pos_;
    while (end > start && (data_[end - 1] == u' ' || data_[end - 1] == u'\t'))
        --end;
    item.text = data_.mid(start, end - start);
    skipToSeparator();
    if (item.text.compare(TrueWord, Qt::CaseInsensitive) == 0 ||
        item.text.compare(FalseWord, Qt::CaseInsensitive) == 0) {
        item.kind = Item::Kind::Flag;
        item.flag = item.text.compare(TrueWord, Qt::CaseInsensitive) == 0;
    } else if (IsNumeric(item.text)) {
        item.kind = Item::Kind::Number;
    }
    return item;
}

namespace {
bool holdsKind(const DelimitedReader::Read& item, QChar kind) {
    if (kind == u'F') return item.kind == Item::Kind::Flag || IsNumeric(item.text);
    if (!item.quoted) return item.kind == Item::Kind::Number;
    return item.closed &&
           std::ranges::none_of(item.text, [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
}
} // namespace

bool DelimitedReader::holdsLayout(QStringView kinds) {
    for (const QChar kind : kinds)
        if (!holdsKind(next(), kind) || short_) return false;
    return true;
}

bool DelimitedReader::readFlag() {
    const Read item = next();
    if (item.kind == Item::Kind::Flag) return item.flag;
    const auto number = ParseNumber(item.text);
    return number && !number->isZero();
}

std::int64_t DelimitedReader::readWhole() {
    const auto number = ParseNumber(next().text);
    return number ? RoundToWhole(*number) : 0;
}
