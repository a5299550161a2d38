// The figures of the payroll reports, gathered without a window.
#include "ReportData.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "EmployeeHistory.h"
#include "RecordSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using testrecords::AppendPayRecords;
using testrecords::Paycheck;

namespace {

Money Dollars(double d) {
    return Money::fromDouble(d);
}

// A run whose amount in column c (1..12) of the period grid is its day of the month × c
// dollars; additional federal withholding is $1.00 of the income tax column.
SummaryRecord RunOn(QDate date) {
    SummaryRecord s;
    s.PayDate = OleDateOf(date);
    const std::int64_t d = date.day();
    std::array<Money SummaryRecord::*, 13> fields{
        &SummaryRecord::TotalWages,        &SummaryRecord::TotalFederal, &SummaryRecord::TotalFica,
        &SummaryRecord::TotalMedicare,     &SummaryRecord::TotalFuta,    &SummaryRecord::TotalState,
        &SummaryRecord::TotalSuta,         &SummaryRecord::TotalLocal,   &SummaryRecord::TotalChildSupport,
        &SummaryRecord::Total401k,         &SummaryRecord::TotalMatch401k, &SummaryRecord::TotalInsurance,
        &SummaryRecord::TotalSupportFees};
    for (std::size_t c = 0; c < fields.size(); ++c)
        s.*fields[c] = Money::fromDollars(d * static_cast<std::int64_t>(c + 1));
    s.TotalFederal -= Money::fromDollars(1);
    s.TotalExtraFederal = Money::fromDollars(1);
    return s;
}

class ReportDataTest : public ProgramFolderTest {
protected:
    static void WriteRuns(const std::vector<QDate>& dates) {
        RandomFile file = OpenRandomFile(SummaryRecordsFile, SummaryRecord::Length);
        for (std::size_t i = 0; i < dates.size(); ++i)
            file.put(static_cast<std::int32_t>(i + 1), RunOn(dates[i]));
    }
};

TEST_F(ReportDataTest, BothEndsOfARangeAreListedAndTheTotalsAreTheColumnSums) {
    const QDate today = fixedToday(); // 15 June 2026
    WriteRuns({QDate(2025, 3, 31), QDate(2025, 4, 1), QDate(2025, 12, 31), QDate(2026, 1, 1), QDate(2026, 12, 31)});
    struct Case {
        const char* name;
        DateRange range;
        std::vector<QDate> listed;
    } cases[] = {
        {"1stQ last year ends on 31 March", QuarterRange(4, today), {QDate(2025, 3, 31)}},
        {"2ndQ last year starts on 1 April", QuarterRange(5, today), {QDate(2025, 4, 1)}},
        {"4thQ last year holds 31 December", QuarterRange(7, today), {QDate(2025, 12, 31)}},
        {"4thQ this year holds 31 December", QuarterRange(3, today), {QDate(2026, 12, 31)}},
        {"last year", LastYearRange(today), {QDate(2025, 3, 31), QDate(2025, 4, 1), QDate(2025, 12, 31)}},
        {"year to date", YearToDateRange(today), {QDate(2026, 1, 1)}},
        {"no run in the range", QuarterRange(2, today), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SummaryReport report = GatherSummaryReport(c.range.first, c.range.second);
        EXPECT_TRUE(report.anyRecords);
        ASSERT_EQ(report.rows.size(), c.listed.size());
        SummaryAmounts sums{};
        for (std::size_t i = 0; i < c.listed.size(); ++i) {
            EXPECT_EQ(DateOfOle(report.rows[i].PayDate), c.listed[i]);
            // The income tax cell holds the federal and the additional withholding.
            EXPECT_EQ(report.rows[i].Amounts[1], Money::fromDollars(2 * c.listed[i].day()));
            for (std::size_t col = 0; col < sums.size(); ++col)
                sums[col] += report.rows[i].Amounts[col];
        }
        EXPECT_EQ(report.totals, sums);
    }
}

TEST_F(ReportDataTest, NoSummaryFileIsNoRecordsAtAll) {
    EXPECT_FALSE(GatherSummaryReport(QDate(2026, 1, 1), QDate(2026, 12, 31)).anyRecords);
}

TEST_F(ReportDataTest, ReportOptionsPresetTheLastCompletedQuarter) {
    const std::pair<int, int> monthToItem[] = {{1, 7}, {3, 7}, {4, 0}, {6, 0}, {7, 1}, {9, 1}, {10, 2}, {12, 2}};
    for (const auto& [month, item] : monthToItem)
        EXPECT_EQ(LastQuarterItem(QDate(2026, month, 28)), item) << "month " << month;
}

TEST_F(ReportDataTest, SocialSecurityWagesStopAtTheMaximumUnlessThereIsNone) {
    struct Case {
        double gross;
        std::optional<Money> maximum;
        double expected;
    } cases[] = {
        {1000.00, Dollars(128400), 1000.00},
        {128400.00, Dollars(128400), 128400.00},
        {130000.00, Dollars(128400), 128400.00},
        {130000.00, std::nullopt, 130000.00},
    };
    std::vector<EmployeeRecord> employees;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EmployeeRecord e = testrecords::Employee(static_cast<int>(i) + 1);
        e.YTDGross = Dollars(cases[i].gross);
        e.YTDFederal = Dollars(100);
        e.YTDExtraFederal = Dollars(25);
        employees.push_back(e);
    }
    testrecords::WriteEmployees(employees);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto rows = GatherEmployeeYear(cases[i].maximum);
        ASSERT_EQ(rows.size(), std::size(cases));
        EXPECT_EQ(rows[i].FicaEarnings, Dollars(cases[i].expected)) << "case " << i;
        EXPECT_EQ(rows[i].Federal, Dollars(125));
    }
}

// Taxable unemployment wages of a range: the part of the range's wages under the
// yearly base, given what the employee was paid earlier in the same year.
TEST_F(ReportDataTest, UnemploymentWagesCountUpToTheBaseAcrossTheYear) {
    const UnemploymentRates rates = UnemploymentRatesOf(QStringLiteral("0.60%"), QStringLiteral("2.70%"),
                                                        QStringLiteral("$7,000.00"), QStringLiteral("None"));
    struct Case {
        const char* name;
        double firstQuarter;
        double secondQuarter;
        double taxableFirst;
        double taxableSecond;
    } cases[] = {
        {"crossing in the second quarter", 6000.00, 3000.00, 6000.00, 1000.00},
        {"the base reached exactly in the first", 7000.00, 3000.00, 7000.00, 0.00},
        {"one cent under the base", 6999.99, 3000.00, 6999.99, 0.01},
        {"over the base in one quarter", 9000.00, 3000.00, 7000.00, 0.00},
    };
    const int n = static_cast<int>(std::size(cases));
    for (int r = 1; r <= n; ++r) {
        const Case& c = cases[r - 1];
        // The first quarter's pay in two checks, one on each end of the quarter.
        AppendPayRecords(QString::number(1000 + r),
                         {Paycheck(QDate(2025, 12, 31), Dollars(5000)), Paycheck(QDate(2026, 1, 1), Dollars(1000)),
                          Paycheck(QDate(2026, 3, 31), Dollars(c.firstQuarter - 1000)),
                          Paycheck(QDate(2026, 4, 1), Dollars(c.secondQuarter))});
    }
    const QDate today = fixedToday();
    const auto first = QuarterRange(0, today);
    const auto second = QuarterRange(1, today);
    const UnemploymentDetail q1 = GatherUnemploymentDetail(n, first.first, first.second, rates);
    const UnemploymentDetail q2 = GatherUnemploymentDetail(n, second.first, second.second, rates);
    const UnemploymentDetail half = GatherUnemploymentDetail(n, first.first, second.second, rates);
    for (int i = 0; i < n; ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        const auto row = static_cast<std::size_t>(i);
        EXPECT_EQ(q1.rows[row].Wages, Dollars(c.firstQuarter));
        EXPECT_EQ(q1.rows[row].ApplicableFederal, Dollars(c.taxableFirst));
        EXPECT_EQ(q2.rows[row].ApplicableFederal, Dollars(c.taxableSecond));
        // Whole quarters add up to the half year.
        EXPECT_EQ(q1.rows[row].ApplicableFederal + q2.rows[row].ApplicableFederal, half.rows[row].ApplicableFederal);
        EXPECT_EQ(q2.rows[row].FederalTax, Dollars(c.taxableSecond).times(0.006).roundedToCents());
        // No state base: every dollar is taxable.
        EXPECT_EQ(q2.rows[row].ApplicableState, Dollars(c.secondQuarter));
    }
}

TEST_F(ReportDataTest, DetailTotalsAreTheSumsOfTheShownCents) {
    const UnemploymentRates rates = UnemploymentRatesOf(QStringLiteral("0.60%"), QStringLiteral("2.70%"),
                                                        QStringLiteral("$7,000.00"), QStringLiteral("$9,000.00"));
    // 0.6% of $100.75 is $0.6045 (shown $0.60); 2.7% of it is $2.72025 (shown $2.72).
    for (int r = 1; r <= 3; ++r)
        AppendPayRecords(QString::number(1000 + r), {Paycheck(QDate(2026, 2, 1), Dollars(100.75))});
    const UnemploymentDetail detail = GatherUnemploymentDetail(4, QDate(2026, 1, 1), QDate(2026, 3, 31), rates);
    ASSERT_EQ(detail.rows.size(), 4u);
    EXPECT_EQ(detail.rows[3].Wages, Money()); // no pay history
    UnemploymentFigures sums;
    for (const UnemploymentFigures& row : detail.rows)
        sums += row;
    EXPECT_EQ(detail.totals.FederalTax, Dollars(1.80));
    EXPECT_EQ(detail.totals.StateTax, Dollars(8.16));
    EXPECT_EQ(detail.totals.Wages, sums.Wages);
    EXPECT_EQ(detail.totals.ApplicableState, sums.ApplicableState);
}

} // namespace

TEST_F(ReportDataTest, AmountsTooLargeToAddUpReportTheirFileAsDamaged) {
    const Money huge = Money::fromRaw(std::numeric_limits<std::int64_t>::max() - 10);
    const QDate day(2026, 6, 1);
    const DateRange year{QDate(2026, 1, 1), QDate(2026, 12, 31)};
    struct Case {
        const char* name;
        std::function<void()> write;
        std::function<void()> gather;
        QString file;
    };
    const Case cases[] = {
        {"two runs' wages", [&] {
             SummaryRecord run = RunOn(day);
             run.TotalWages = huge;
             OpenRandomFile(SummaryRecordsFile, SummaryRecord::Length).add(run);
             OpenRandomFile(SummaryRecordsFile, SummaryRecord::Length).add(run);
         },
         [&] { static_cast<void>(GatherSummaryReport(year.first, year.second)); }, SummaryRecordsFile},
        {"one run's income tax and its additional part", [&] {
             SummaryRecord run = RunOn(day);
             run.TotalExtraFederal = huge;
             OpenRandomFile(SummaryRecordsFile, SummaryRecord::Length).add(run);
         },
         [&] { static_cast<void>(GatherSummaryReport(year.first, year.second)); }, SummaryRecordsFile},
        {"an employee's paychecks", [&] { AppendPayRecords(QStringLiteral("1001"), {Paycheck(day, huge), Paycheck(day, huge)}); },
         [&] { static_cast<void>(GatherPayHistory(1, year.first, year.second)); }, PayRecordsFile(QStringLiteral("1001"))},
        {"an employee's wages of the year", [&] { AppendPayRecords(QStringLiteral("1001"), {Paycheck(day, huge), Paycheck(day, huge)}); },
         [&] { static_cast<void>(GatherUnemploymentDetail(1, year.first, year.second, UnemploymentRates{})); },
         PayRecordsFile(QStringLiteral("1001"))},
    };
    for (const Case& c : cases) {
        DeleteDataFile(SummaryRecordsFile);
        DeleteDataFile(PayRecordsFile(QStringLiteral("1001")));
        c.write();
        try {
            c.gather();
            ADD_FAILURE() << c.name << ": added up";
        } catch (const FileError& error) {
            EXPECT_EQ(error.fileName(), DataPath(c.file)) << c.name;
            EXPECT_TRUE(error.userMessage().contains(QStringLiteral("damaged"))) << c.name;
        }
    }
}
