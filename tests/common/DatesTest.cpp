#include "Dates.h"
#include "Win1252.h"

#include <gtest/gtest.h>

namespace {

TEST(StoredDates, CountDaysFromThirtiethDecember1899) {
    EXPECT_EQ(OleDateOf(QDate(2026, 1, 1)), 46023.0);
    EXPECT_EQ(OleDateOf(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(DateOfOle(46023.0), QDate(2026, 1, 1));
    // The fraction is the time of day and does not change the date.
    EXPECT_EQ(DateOfOle(46023.75), QDate(2026, 1, 1));
    EXPECT_EQ(YearOfOle(OleDateOf(QDate(2025, 12, 31))), 2025);
    EXPECT_FALSE(DateOfOle(std::numeric_limits<double>::quiet_NaN()).isValid());
}

TEST(ShortDates, WriteWithoutLeadingZeros) {
    EXPECT_EQ(ShortDateText(QDate(2026, 1, 5)), QStringLiteral("1/5/2026"));
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 31)), QStringLiteral("12/31/2026"));
    EXPECT_EQ(ShortDateText(46023.0), QStringLiteral("1/1/2026"));
}

TEST(ShortDates, ReadBackAndRefuseImpossibleDates) {
    EXPECT_EQ(ParseShortDate(u"1/5/2026"), QDate(2026, 1, 5));
    EXPECT_EQ(ParseShortDate(u" 01/05/2026 "), QDate(2026, 1, 5));
    EXPECT_FALSE(ParseShortDate(u"2/30/2026").has_value());
    EXPECT_FALSE(ParseShortDate(u"1/5/26").has_value());
    EXPECT_FALSE(ParseShortDate(u"1-5-2026").has_value());
    EXPECT_FALSE(ParseShortDate(u"").has_value());
}

TEST(Today, CanBeFixedForTests) {
    SetTodayForTesting(QDate(2026, 6, 15));
    EXPECT_EQ(Today(), QDate(2026, 6, 15));
    SetTodayForTesting(std::nullopt);
    EXPECT_EQ(Today(), QDate::currentDate());
}

TEST(SingleByteText, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    EXPECT_EQ(ToWin1252(FromWin1252(all)), all);
    EXPECT_EQ(FromWin1252(QByteArray("\xB1\xAB\x80")), QString::fromUtf8("±«€"));
    EXPECT_EQ(ToWin1252(QString::fromUtf8("a\u4E2Db")), QByteArray("a?b"));
}

} // namespace
