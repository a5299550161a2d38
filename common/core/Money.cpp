#include "Money.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

__extension__ typedef __int128 i128; // exact products of money and factors

i128 pow10(int n) {
    i128 r = 1;
    for (int i = 0; i < n; ++i) r *= 10;
    return r;
}

// n / d rounded to the nearest whole number, ties to even; d > 0.
i128 divHalfEven(i128 n, i128 d) {
    i128 q = n / d;
    i128 r = n % d;
    if (r == 0) return q;
    const bool negative = n < 0;
    const i128 twice = (r < 0 ? -r : r) * 2;
    if (twice > d || (twice == d && (q % 2 != 0))) q += negative ? -1 : 1;
    return q;
}

// n / d rounded to the nearest whole number, halves away from zero; d > 0.
i128 divHalfAway(i128 n, i128 d) {
    i128 q = n / d;
    i128 r = n % d;
    if ((r < 0 ? -r : r) * 2 >= d) q += n < 0 ? -1 : 1;
    return q;
}

std::int64_t clampToInt64(i128 v) {
    if (v > std::numeric_limits<std::int64_t>::max()) return std::numeric_limits<std::int64_t>::max();
    if (v < std::numeric_limits<std::int64_t>::min()) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(v);
}

// value × 2^exponent for an integer value, rounded to a whole number, ties to even.
i128 scaleByPowerOfTwo(i128 value, int exponent) {
    if (exponent >= 0) {
        if (exponent > 60) exponent = 60; // beyond any amount the suite can hold
        return value << exponent;
    }
    if (exponent < -120) return 0;
    return divHalfEven(value, static_cast<i128>(1) << (-exponent));
}

// Splits a finite double into an integer mantissa and a power of two.
void splitDouble(double x, std::int64_t& mantissa, int& exponent) {
    int e = 0;
    const double frac = std::frexp(x, &e); // x = frac × 2^e, 0.5 <= |frac| < 1
    mantissa = static_cast<std::int64_t>(std::ldexp(frac, 53));
    exponent = e - 53;
}

i128 exactTimesDouble(i128 value, double factor) {
    if (!std::isfinite(factor) || factor == 0.0 || value == 0) return 0;
    std::int64_t m = 0;
    int e = 0;
    splitDouble(factor, m, e);
    return scaleByPowerOfTwo(value * m, e);
}

// Digits with thousands separators.
// |value| / 10^places written with the given number of decimals, the whole part in
// groups of three digits when asked, after the lead character if one is given; value
// already rounded. Written from the right into one buffer: reports format many thousand
// amounts at a time.
QString fixedText(i128 value, int places, bool grouped, char16_t lead = 0) {
    const bool negative = value < 0;
    if (negative) value = -value;
    // The decimals, up to 39 digits with their 12 group commas, the point, the sign and the lead.
    QVarLengthArray<char16_t, 64> buffer(std::max(places, 0) + 54);
    char16_t* const end = buffer.data() + buffer.size();
    char16_t* p = end;
    for (int i = 0; i < places; ++i) {
        *--p = static_cast<char16_t>(u'0' + static_cast<int>(value % 10));
        value /= 10;
    }
    if (places > 0) *--p = u'.';
    int digits = 0;
    do {
        if (grouped && digits > 0 && digits % 3 == 0) *--p = u',';
        *--p = static_cast<char16_t>(u'0' + static_cast<int>(value % 10));
        value /= 10;
        ++digits;
    } while (value > 0);
    if (negative) *--p = u'-';
    if (lead != 0) *--p = lead;
    return QString(reinterpret_cast<const QChar*>(p), end - p);
}

// A decimal rescaled to the given number of places, halves away from zero.
i128 rescaleHalfAway(const Decimal& d, int places) {
    if (d.scale <= places) return static_cast<i128>(d.mantissa) * pow10(places - d.scale);
    return divHalfAway(d.mantissa, pow10(d.scale - places));
}

QString percentText(const Decimal& d, int places) {
    // × 100 moves the point two places right.
    Decimal hundredfold{d.mantissa, d.scale - 2};
    if (hundredfold.scale < 0) {
        hundredfold.mantissa = clampToInt64(static_cast<i128>(d.mantissa) * pow10(-hundredfold.scale));
        hundredfold.scale = 0;
    }
    return fixedText(rescaleHalfAway(hundredfold, places), places, false) + u'%';
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

double Decimal::toDouble() const {
    const std::string text = std::to_string(mantissa) + "e-" + std::to_string(scale);
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

bool operator==(const Decimal& a, const Decimal& b) { return (a <=> b) == 0; }

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    const int scale = std::max(a.scale, b.scale);
    const i128 x = static_cast<i128>(a.mantissa) * pow10(scale - a.scale);
    const i128 y = static_cast<i128>(b.mantissa) * pow10(scale - b.scale);
    if (x < y) return std::strong_ordering::less;
    if (x > y) return std::strong_ordering::greater;
    return std::strong_ordering::equal;
}

Money Money::fromDouble(double amount) {
    return fromRaw(clampToInt64(exactTimesDouble(Scale, amount)));
}

Money Money::fromDecimal(const Decimal& d) {
    if (d.scale <= 4) return fromRaw(clampToInt64(static_cast<i128>(d.mantissa) * pow10(4 - d.scale)));
    return fromRaw(clampToInt64(divHalfEven(d.mantissa, pow10(d.scale - 4))));
}

Money Money::times(double factor) const { return fromRaw(clampToInt64(exactTimesDouble(raw_, factor))); }

Money Money::times(const Decimal& factor) const {
    return fromRaw(clampToInt64(divHalfEven(static_cast<i128>(raw_) * factor.mantissa, pow10(factor.scale))));
}

Money Money::mulDiv(std::int64_t numerator, std::int64_t denominator) const {
    if (denominator == 0) return Money();
    i128 n = static_cast<i128>(raw_) * numerator;
    i128 d = denominator;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    return fromRaw(clampToInt64(divHalfEven(n, d)));
}

Money Money::roundedToCents() const { return fromRaw(clampToInt64(divHalfAway(raw_, 100) * 100)); }

std::optional<Decimal> ParseNumber(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    if (begin == end) return std::nullopt;
    bool negative = false;
    if (text[begin] == u'(') {
        if (text[end - 1] != u')') return std::nullopt;
        negative = true;
        ++begin;
        --end;
    } else if (text[begin] == u'-') {
        negative = true;
        ++begin;
    }
    if (begin < end && text[begin] == u'$') ++begin;
    i128 mantissa = 0;
    int scale = 0;
    int digits = 0;
    bool point = false;
    bool previousDigit = false;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            mantissa = mantissa * 10 + (c.unicode() - u'0');
            if (mantissa != 0 || point) ++digits;
            if (point) ++scale;
            if (digits > 18 || scale > 18) return std::nullopt;
            previousDigit = true;
        } else if (c == u',') {
            // A group separator stands between digits of the whole part.
            if (point || !previousDigit || i + 1 >= end || !text[i + 1].isDigit()) return std::nullopt;
            previousDigit = false;
        } else if (c == u'.') {
            if (point) return std::nullopt;
            point = true;
            previousDigit = false;
        } else {
            return std::nullopt;
        }
    }
    const bool anyDigit = std::any_of(text.begin() + begin, text.begin() + end,
                                      [](QChar c) { return c.isDigit() && c.unicode() < 128; });
    if (!anyDigit) return std::nullopt;
    Decimal d{static_cast<std::int64_t>(negative ? -mantissa : mantissa), scale};
    return d;
}

bool IsNumeric(QStringView text) { return ParseNumber(text).has_value(); }

bool IsNoMaximum(const QString& text) {
    return text.trimmed().compare(u"None", Qt::CaseInsensitive) == 0;
}

std::optional<Money> MaximumOf(const QString& text) {
    if (IsNoMaximum(text)) return std::nullopt;
    return ParseMoney(text);
}

std::optional<Money> ParseMoney(QStringView text) {
    const auto d = ParseNumber(text);
    if (!d) return std::nullopt;
    return Money::fromDecimal(*d);
}

Money MoneyOf(QStringView text) { return ParseMoney(text).value_or(Money()); }

Decimal LeadingNumber(QStringView text) {
    for (qsizetype len = text.size(); len > 0; --len) {
        if (auto d = ParseNumber(text.first(len))) return *d;
    }
    return {};
}

std::optional<Decimal> RateOf(QStringView percentText) {
    if (percentText.isEmpty()) return std::nullopt;
    auto d = ParseNumber(percentText.chopped(1));
    if (!d) return std::nullopt;
    if (d->scale > 16) {
        d->mantissa = clampToInt64(divHalfEven(d->mantissa, pow10(d->scale - 16)));
        d->scale = 16;
    }
    d->scale += 2;
    return d;
}

Decimal DecimalOf(double x) {
    if (!std::isfinite(x)) return {};
    char buffer[64];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
    if (ec != std::errc()) return {};
    // Keep at most 18 significant digits; the shortest form of a double has 17.
    const auto d = ParseNumber(QString::fromLatin1(buffer, ptr - buffer));
    if (d) return *d;
    return {RoundToWhole(x), 0};
}

QString CurrencyText(Money m) {
    const i128 cents = divHalfAway(m.raw(), 100);
    const QString body = fixedText(cents < 0 ? -cents : cents, 2, true, u'$');
    return cents < 0 ? u'(' + body + u')' : body;
}

QString PercentText2(double x) { return percentText(DecimalOf(x), 2); }
QString PercentText1(double x) { return percentText(DecimalOf(x), 1); }

QString PercentText2(QStringView text) {
    const auto d = ParseNumber(text);
    return d ? percentText(*d, 2) : text.toString();
}

QString PercentText1(QStringView text) {
    const auto d = ParseNumber(text);
    return d ? percentText(*d, 1) : text.toString();
}

QString OneDecimalText(double x) {
    const i128 tenths = rescaleHalfAway(DecimalOf(x), 1);
    const QString body = fixedText(tenths < 0 ? -tenths : tenths, 1, true);
    return tenths < 0 ? u'-' + body : body;
}

QString PlainNumberText(const Decimal& d) {
    i128 mantissa = d.mantissa;
    int scale = d.scale;
    while (scale > 0 && mantissa % 10 == 0) {
        mantissa /= 10;
        --scale;
    }
    return fixedText(mantissa, scale, false);
}

QString PlainNumberText(double x) { return PlainNumberText(DecimalOf(x)); }

std::int64_t RoundToWhole(double x) {
    if (!std::isfinite(x)) return 0;
    return static_cast<std::int64_t>(std::nearbyint(x));
}

std::int64_t RoundToWhole(const Decimal& d) {
    return clampToInt64(divHalfEven(d.mantissa, pow10(d.scale)));
}

std::optional<std::int16_t> ToInt16(QStringView text) {
    const auto d = ParseNumber(text);
    if (!d) return std::nullopt;
    const std::int64_t v = RoundToWhole(*d);
    if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(v);
}
