#include "Dates.h"

#include <QList>

#include <cmath>

namespace {
const QDate OleEpoch(1899, 12, 30);
std::optional<QDate> fixedToday;
} // namespace

double OleDateOf(QDate date) { return static_cast<double>(OleEpoch.daysTo(date)); }

QDate DateOfOle(double serial) {
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6) return {};
    // The whole part counts days in both directions; the fraction is only the time.
    return OleEpoch.addDays(static_cast<qint64>(std::trunc(serial)));
}

int YearOfOle(double serial) { return DateOfOle(serial).year(); }

QString ShortDateText(QDate date) {
    if (!date.isValid()) return {};
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

QString ShortDateText(double serial) { return ShortDateText(DateOfOle(serial)); }

std::optional<QDate> ParseShortDate(QStringView text) {
    const QList<QStringView> parts = text.trimmed().split(u'/');
    if (parts.size() != 3) return std::nullopt;
    int values[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (parts[i].isEmpty() || parts[i].size() > (i == 2 ? 4 : 2)) return std::nullopt;
        for (QChar c : parts[i])
            if (c < u'0' || c > u'9') return std::nullopt;
        values[i] = parts[i].toInt();
    }
    if (parts[2].size() != 4) return std::nullopt;
    const QDate date(values[2], values[0], values[1]);
    if (!date.isValid()) return std::nullopt;
    return date;
}

QDate Today() { return fixedToday ? *fixedToday : QDate::currentDate(); }

void SetTodayForTesting(std::optional<QDate> date) { fixedToday = date; }
