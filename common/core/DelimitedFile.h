#pragma once

#include "Money.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <optional>

// One item of a write statement: a text (written in double quotes), a number
// (written bare in plain decimal form) or a flag (#TRUE# / #FALSE#).
class Item {
public:
    enum class Kind { Text, Number, Flag };
    // A double quote cannot be stored inside a quoted text; it is written as a single quote.
    static Item text(const QString& t);
    static Item number(double v);
    static Item number(std::int64_t v);
    static Item number(int v) { return number(static_cast<std::int64_t>(v)); }
    static Item number(const Decimal& v);
    static Item flag(bool v);

    Kind kind() const { return kind_; }
    // The item as a write statement puts it into the file.
    QString written() const;

private:
    Kind kind_ = Kind::Text;
    QString value_;
};

// Builds the bytes of a delimited text file (Windows-1252, CR LF line ends).
class DelimitedWriter {
public:
    // One write statement: items separated by commas, then CR LF.
    void write(std::initializer_list<Item> items);
    void write(const Item& item) { write({item}); }
    // One print statement: the text as it stands, then CR LF.
    void print(const QString& text);
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// Reads a delimited text file item by item, as an input statement does. Asking
// for an item after the last one gives an empty item and marks the reader short:
// a short file is reported, never read past its end.
class DelimitedReader {
public:
    struct Read {
        QString text;
        Item::Kind kind = Item::Kind::Text; // Flag for #TRUE#/#FALSE#, Number for a bare number
        bool quoted = false;
        bool flag = false; // the value of a Flag item
        // A quoted item whose closing quote comes before the end of its line (no writer
        // puts a line end into a text: one that runs on is a damaged file).
        bool closed = true;
    };

    explicit DelimitedReader(const QByteArray& bytes, const QString& fileName = {});

    bool atEnd() const;
    Read next();
    QString readText() { return next().text; }
    // #TRUE# / #FALSE#, or a number (non-zero is true); anything else is false.
    bool readFlag();
    // A whole number item (rounded ties to even); 0 when it is not a number.
    std::int64_t readWhole();
    // True once an item was asked for after the end of the file, or from the start for a
    // file found damaged (markDamaged): its loader then takes nothing more from it.
    bool isShort() const { return short_; }
    void markDamaged() { short_ = true; }
    const QString& fileName() const { return fileName_; }
    // Whether the next items are those of a layout, one letter per item: 'T' a text in
    // double quotes, closed on its line, without control characters (or a bare number,
    // which the text readers take as well); 'F' a check box or flag (#TRUE#, #FALSE# or
    // a number). Items after them are not looked at.
    bool holdsLayout(QStringView kinds);

private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipToSeparator();

    QString data_;
    qsizetype pos_ = 0;
    bool short_ = false;
    QString fileName_;
};
