#pragma once

#include "EmployeeYear.h"
#include "Money.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

// The figures of the payroll reports, gathered from the data files without a window:
// the screens only show and print them.

// ---- Report dates ------------------------------------------------------------------------------
using DateRange = std::pair<QDate, QDate>; // first and last day, both inclusive

// Quarter preset k of the list: 0-3 the quarters of today's year, 4-7 of last year.
DateRange QuarterRange(int item, QDate today);
// 1 January of today's year to today.
DateRange YearToDateRange(QDate today);
// 1 January to 31 December of last year.
DateRange LastYearRange(QDate today);
// The preset of the last completed quarter in today's month.
int LastQuarterItem(QDate today);

// ---- The period grid ---------------------------------------------------------------------------
// The twelve money columns of the period grid, in column order (1..12).
inline constexpr int SummaryAmountCount = 12;
using SummaryAmounts = std::array<Money, SummaryAmountCount>;

struct SummaryRow {
    double PayDate = 0;
    SummaryAmounts Amounts{};
};

struct SummaryReport {
    bool anyRecords = false; // false: the summary file holds no record at all
    std::vector<SummaryRow> rows;
    SummaryAmounts totals{};
};

// The runs of SummaryRecords.txt dated from start to end (inclusive), in file order,
// and their totals. The income tax column holds the federal plus the additional
// federal withholding. Throws FileError.
SummaryReport GatherSummaryReport(QDate start, QDate end);

// The period-grid columns (1..12) that the tax form of a report option needs.
std::vector<int> FormColumns(int reportIndex);

// ---- The unemployment detail -----------------------------------------------------------------
struct UnemploymentRates {
    Decimal Federal; // as fractions (0.006)
    Decimal State;
    std::optional<Money> FederalMaximum; // nullopt: no maximum
    std::optional<Money> StateMaximum;
};

// The tax-table texts of the four items ("0.60%", "$7,000.00" or "None"). An
// unreadable rate counts as 0, an unreadable maximum as none.
UnemploymentRates UnemploymentRatesOf(const QString& federalRate, const QString& stateRate,
                                      const QString& federalMaximum, const QString& stateMaximum);

// Whole cents, as the cells show them; the totals are the sums of those cents.
struct UnemploymentFigures {
    Money Wages;
    Money ApplicableState;
    Money StateTax;
    Money ApplicableFederal;
    Money FederalTax;
    UnemploymentFigures& operator+=(const UnemploymentFigures& o);
};

struct UnemploymentDetail {
    std::vector<UnemploymentFigures> rows; // one per employee record, in record order
    UnemploymentFigures totals;
};

// The part of wages paid now that falls under a yearly wage base, given what was paid
// earlier in the year; no base taxes it all.
Money TaxableUnderBase(Money paidBefore, Money paidNow, std::optional<Money> base);

// The wages each of the first count employees was paid from start to end (inclusive),
// and the part of them under each unemployment wage base given the wages paid
// earlier in the same calendar year. Throws FileError.
UnemploymentDetail GatherUnemploymentDetail(int employeeCount, QDate start, QDate end,
                                            const UnemploymentRates& rates);
