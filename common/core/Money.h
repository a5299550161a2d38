#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

// A decimal number read from text, held exactly: value = mantissa / 10^scale.
// Hours, days and typed percents are read into this so that products with money
// round exactly as the decimal figures say, not as their binary approximations.
struct Decimal {
    std::int64_t mantissa = 0;
    int scale = 0; // 0..18

    double toDouble() const;
    bool isZero() const { return mantissa == 0; }
    bool isNegative() const { return mantissa < 0; }
    static Decimal fromInt(std::int64_t v) { return {v, 0}; }
    friend bool operator==(const Decimal& a, const Decimal& b);
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
};

// Money: a signed count of ten-thousandths of a dollar. Sums and differences are
// exact; products and quotients that become money round to four decimals, ties to
// even. Display and "read back from text" round to cents, halves away from zero.
class Money {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t tenThousandths) {
        Money m;
        m.raw_ = tenThousandths;
        return m;
    }
    static constexpr Money fromCents(std::int64_t cents) { return fromRaw(cents * 100); }
    static constexpr Money fromDollars(std::int64_t dollars) { return fromRaw(dollars * Scale); }
    // Nearest four-decimal amount to the exact binary value, ties to even.
    static Money fromDouble(double amount);
    static Money fromDecimal(const Decimal& d);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / Scale; }
    bool isZero() const { return raw_ == 0; }

    // this × factor, rounded to four decimals, ties to even. The product is formed
    // exactly (the double's binary value, the decimal's digits) before rounding.
    Money times(double factor) const;
    Money times(const Decimal& factor) const;
    // this × numerator / denominator, exactly, rounded to four decimals ties to even.
    Money mulDiv(std::int64_t numerator, std::int64_t denominator) const;
    // Rounded to whole cents, halves away from zero: what a value read back from its
    // currency text holds.
    Money roundedToCents() const;

    constexpr Money operator+(Money o) const { return fromRaw(raw_ + o.raw_); }
    constexpr Money operator-(Money o) const { return fromRaw(raw_ - o.raw_); }
    constexpr Money operator-() const { return fromRaw(-raw_); }
    constexpr Money& operator+=(Money o) {
        raw_ += o.raw_;
        return *this;
    }
    constexpr Money& operator-=(Money o) {
        raw_ -= o.raw_;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

private:
    std::int64_t raw_ = 0;
};

// ---- Reading numbers from text ------------------------------------------------
// Blanks around, a leading '-' or enclosing parentheses, an optional '$', digits
// with optional ',' group separators, one optional '.' with digits. Anything else,
// and the empty text, is not a number.
std::optional<Decimal> ParseNumber(QStringView text);
bool IsNumeric(QStringView text);
// The money value of a text; nullopt when the text is not a number. More than four
// decimals round to four, ties to even.
std::optional<Money> ParseMoney(QStringView text);
// The money value of a text, zero when it is not a number.
Money MoneyOf(QStringView text);
// A wage-maximum item that says "None": no maximum.
bool IsNoMaximum(const QString& text);
// A wage maximum: nullopt for "None" or a text that is not a number.
std::optional<Money> MaximumOf(const QString& text);
// The longest leading part of the text that reads as a number ("10.0%" gives 10.0);
// zero when the text starts with no number.
Decimal LeadingNumber(QStringView text);
// The value of a rate box: drop the last character, read the rest, divide by 100
// (exactly: "6.20%" gives 0.0620). nullopt when the rest is not a number.
std::optional<Decimal> RateOf(QStringView percentText);
// The decimal digits of a double, shortest form that reads back to the same double.
Decimal DecimalOf(double x);

// ---- Text out -------------------------------------------------------------------
// "$1,234.56", "$0.00", "($1,234.56)"; rounded to cents, halves away from zero.
QString CurrencyText(Money m);
// Format "0.00%" / "0.0%": x × 100 with two / one decimals and '%'. Applied to a
// text that is not a number, the text comes back unchanged.
QString PercentText2(double x);
QString PercentText1(double x);
QString PercentText2(QStringView text);
QString PercentText1(QStringView text);
// Format "##,##0.0": one decimal with thousands separators.
QString OneDecimalText(double x);
// Plain decimal form of a number as a write statement puts it ("0.5", "-12", "1250").
QString PlainNumberText(double x);
QString PlainNumberText(const Decimal& d);

// ---- Whole numbers ----------------------------------------------------------------
// Nearest whole number, ties to even (2.5 gives 2, 3.5 gives 4).
std::int64_t RoundToWhole(double x);
std::int64_t RoundToWhole(const Decimal& d);
// Whole numbers that must fit the 16-bit fields and counters of the stored data:
// nullopt when the text is not a number or the rounded value lies outside -32768..32767.
std::optional<std::int16_t> ToInt16(QStringView text);
