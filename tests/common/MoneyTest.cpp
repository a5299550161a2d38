#include "Money.h"

#include <gtest/gtest.h>

namespace {

Money dollars(const char* text) { return *ParseMoney(QString::fromLatin1(text)); }
Decimal number(const char* text) { return *ParseNumber(QString::fromLatin1(text)); }

TEST(MoneyArithmetic, SumsAndDifferencesAreExact) {
    Money total;
    for (int i = 0; i < 10; ++i) total += dollars("0.10");
    EXPECT_EQ(total, dollars("1.00"));
    EXPECT_EQ(dollars("1,139.50") - dollars("1,000.00"), dollars("139.50"));
}

TEST(MoneyArithmetic, ProductsRoundToFourDecimalsTiesToEven) {
    // 37.33 hours at $12.35 keeps its four decimals.
    EXPECT_EQ(dollars("12.35").times(number("37.33")).raw(), 4610255);
    // 1.0001 x 0.5 = 0.50005: a tie goes to the even last digit.
    EXPECT_EQ(dollars("1.0001").times(number("0.5")).raw(), 5000);
    EXPECT_EQ(dollars("1.0003").times(number("0.5")).raw(), 5002);
    EXPECT_EQ(dollars("-1.0003").times(number("0.5")).raw(), -5002);
    EXPECT_EQ(dollars("1000").mulDiv(5, 100), dollars("50"));
    EXPECT_EQ(dollars("0.0001").mulDiv(1, 2).raw(), 0);
    EXPECT_EQ(dollars("0.0003").mulDiv(1, 2).raw(), 2);
}

TEST(MoneyArithmetic, FloatRatesMultiplyTheirExactBinaryValue) {
    // 0.062f is slightly above 0.062; the product still rounds to $24.80.
    EXPECT_EQ(dollars("400").times(static_cast<double>(0.062f)), dollars("24.80"));
    EXPECT_EQ(dollars("1000").times(static_cast<double>(0.0145f)), dollars("14.50"));
    EXPECT_EQ(dollars("1000").times(0.0495), dollars("49.50"));
    EXPECT_EQ(Money::fromDouble(461.0255).raw(), 4610255);
}

TEST(MoneyArithmetic, RoundingToCentsTakesHalvesAwayFromZero) {
    EXPECT_EQ(dollars("461.0255").roundedToCents(), dollars("461.03"));
    EXPECT_EQ(dollars("0.125").roundedToCents(), dollars("0.13"));
    EXPECT_EQ(dollars("-0.125").roundedToCents(), dollars("-0.13"));
    EXPECT_EQ(dollars("34.424").roundedToCents(), dollars("34.42"));
}

TEST(CurrencyText, ShowsCentsWithSeparatorsAndParenthesesForNegatives) {
    EXPECT_EQ(CurrencyText(dollars("1234.56")), QStringLiteral("$1,234.56"));
    EXPECT_EQ(CurrencyText(Money()), QStringLiteral("$0.00"));
    EXPECT_EQ(CurrencyText(dollars("-1234.56")), QStringLiteral("($1,234.56)"));
    EXPECT_EQ(CurrencyText(dollars("461.0255")), QStringLiteral("$461.03"));
    EXPECT_EQ(CurrencyText(dollars("0.125")), QStringLiteral("$0.13"));
    EXPECT_EQ(CurrencyText(dollars("1234567.891")), QStringLiteral("$1,234,567.89"));
    EXPECT_EQ(CurrencyText(dollars("-0.004")), QStringLiteral("$0.00"));
    EXPECT_EQ(CurrencyText(dollars("100")), QStringLiteral("$100.00"));
}

TEST(ReadingNumbers, AcceptsTheCurrencyAndTypedForms) {
    EXPECT_EQ(dollars("$1,234.56"), Money::fromCents(123456));
    EXPECT_EQ(dollars("  ($1,234.56) "), Money::fromCents(-123456));
    EXPECT_EQ(dollars("-12"), Money::fromDollars(-12));
    EXPECT_EQ(dollars("-$5.50"), Money::fromCents(-550));
    EXPECT_EQ(dollars(".28"), Money::fromCents(28));
    EXPECT_EQ(dollars("12."), Money::fromDollars(12));
    EXPECT_EQ(dollars("1250"), Money::fromDollars(1250));
    // More than four decimals round to four, ties to even.
    EXPECT_EQ(dollars("0.00005").raw(), 0);
    EXPECT_EQ(dollars("0.00015").raw(), 2);
}

TEST(ReadingNumbers, RefusesEverythingElse) {
    for (const char* text : {"", "   ", "abc", "12a", "1.2.3", "$", "-", "()", "(12", "12)", "1e5", ",123",
                             "123,", "1,,234", "1.234,5", "None", "Table", "$ 12", "--1", "+5", "6.20%"}) {
        EXPECT_FALSE(IsNumeric(QString::fromLatin1(text))) << text;
    }
    EXPECT_EQ(MoneyOf(QStringLiteral("abc")), Money());
}

TEST(ReadingNumbers, LeadingNumberTakesTheLongestNumericPrefix) {
    EXPECT_EQ(LeadingNumber(QStringLiteral("10.0%")), number("10.0"));
    EXPECT_EQ(LeadingNumber(QStringLiteral("22.00% of excess")), number("22"));
    EXPECT_EQ(LeadingNumber(QStringLiteral("%10")), Decimal());
    EXPECT_EQ(LeadingNumber(QString()), Decimal());
}

TEST(ReadingNumbers, RateBoxesDropTheLastCharacterAndDivideByHundred) {
    EXPECT_EQ(*RateOf(QStringLiteral("6.20%")), number("0.062"));
    EXPECT_EQ(*RateOf(QStringLiteral("0.6%")), number("0.006"));
    // A rate without its percent sign loses its last digit, as the boxes are read.
    EXPECT_EQ(*RateOf(QStringLiteral("6.25")), number("0.062"));
    EXPECT_FALSE(RateOf(QString()).has_value());
    EXPECT_FALSE(RateOf(QStringLiteral("%")).has_value());
}

TEST(NumberFormats, PercentFormatsMultiplyByHundred) {
    EXPECT_EQ(PercentText2(0.062), QStringLiteral("6.20%"));
    EXPECT_EQ(PercentText2(QStringLiteral(".28")), QStringLiteral("28.00%"));
    EXPECT_EQ(PercentText2(QStringLiteral("6.20%")), QStringLiteral("6.20%"));
    EXPECT_EQ(PercentText2(QStringLiteral("0")), QStringLiteral("0.00%"));
    EXPECT_EQ(PercentText1(0.1), QStringLiteral("10.0%"));
    EXPECT_EQ(PercentText1(QStringLiteral(".125")), QStringLiteral("12.5%"));
    EXPECT_EQ(PercentText2(0.000125), QStringLiteral("0.01%"));
    EXPECT_EQ(PercentText2(QStringLiteral("abc")), QStringLiteral("abc"));
}

TEST(NumberFormats, OneDecimalAndPlainForms) {
    EXPECT_EQ(OneDecimalText(40), QStringLiteral("40.0"));
    EXPECT_EQ(OneDecimalText(1234.5), QStringLiteral("1,234.5"));
    EXPECT_EQ(OneDecimalText(-0.25), QStringLiteral("-0.3"));
    EXPECT_EQ(PlainNumberText(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(PlainNumberText(-12.0), QStringLiteral("-12"));
    EXPECT_EQ(PlainNumberText(1250.0), QStringLiteral("1250"));
    EXPECT_EQ(PlainNumberText(number("3.50")), QStringLiteral("3.5"));
}

TEST(WholeNumbers, RoundTiesToEvenAndRespectSixteenBits) {
    EXPECT_EQ(RoundToWhole(2.5), 2);
    EXPECT_EQ(RoundToWhole(3.5), 4);
    EXPECT_EQ(RoundToWhole(-2.5), -2);
    EXPECT_EQ(RoundToWhole(number("4.5")), 4);
    EXPECT_EQ(RoundToWhole(number("5.5")), 6);
    EXPECT_EQ(ToInt16(QStringLiteral("32767")), std::int16_t{32767});
    EXPECT_FALSE(ToInt16(QStringLiteral("32768")).has_value());
    EXPECT_FALSE(ToInt16(QStringLiteral("12a")).has_value());
    EXPECT_EQ(ToInt16(QStringLiteral("1001.5")), std::int16_t{1002});
}

TEST(Decimals, CompareByValueAndConvertToDouble) {
    EXPECT_EQ(number("1.50"), number("1.5"));
    EXPECT_LT(number("-0.5"), number("0.25"));
    EXPECT_DOUBLE_EQ(number("37.33").toDouble(), 37.33);
    EXPECT_EQ(DecimalOf(0.1), number("0.1"));
}

} // namespace
