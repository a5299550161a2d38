#include "ReportData.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "PayEngine.h"
#include "Records.h"

#include <cmath>
#include <cstdint>
#include <map>

namespace {

constexpr int PayDateOffset = FieldOffsetOf(&PayRecord::PayDate);
constexpr int GrossOffset = FieldOffsetOf(&PayRecord::Gross);
static_assert(PayDateOffset >= 0 && GrossOffset >= 0);

// The day of a stored date, without its time of day.
double DayOf(double serial) {
    return std::floor(serial);
}

bool InRange(double serial, double first, double last) {
    const double day = DayOf(serial);
    return first <= day && day <= last;
}

// The records of a record file, read in one go; a last record that the end cuts short
// reads with zeros.
QByteArray AllRecords(const QString& name, int recordLength, int count) {
    QByteArray bytes = OpenRandomFile(name, recordLength).readAll();
    const qsizetype needed = qsizetype{count} * recordLength;
    if (bytes.size() < needed) bytes.append(needed - bytes.size(), '\0');
    return bytes;
}

template <class R> R RecordAt(const QByteArray& all, int n) {
    return R::decode(QByteArrayView(all).sliced(qsizetype{n} * R::Length, R::Length));
}

SummaryAmounts AmountsOf(const SummaryRecord& s) {
    Money federal = s.TotalFederal;
    AddStoredAmount(federal, s.TotalExtraFederal, SummaryRecordsFile);
    return {s.TotalWages,   federal,
            s.TotalFica,    s.TotalMedicare,
            s.TotalFuta,    s.TotalState,
            s.TotalSuta,    s.TotalLocal,
            s.TotalChildSupport, s.Total401k,
            s.TotalMatch401k, s.TotalInsurance};
}

// An employee's wages by calendar year: paid in the range, and paid in the range's
// first year before the range began.
struct YearWages {
    Money before;
    Money now;
};

std::map<int, YearWages> WagesByYear(const QString& payRecords, double first, double last) {
    std::map<int, YearWages> years;
    const int count = RecordCount(payRecords, PayRecord::Length);
    if (count == 0) return years;
    const QByteArray bytes = AllRecords(payRecords, PayRecord::Length, count);
    const QByteArrayView all(bytes);
    const int firstYear = YearOfOle(first);
    for (int n = 0; n < count; ++n) {
        const QByteArrayView record = all.sliced(qsizetype{n} * PayRecord::Length, PayRecord::Length);
        const double date = StoredDate(record, PayDateOffset);
        const double day = DayOf(date);
        if (day > last) continue;
        const int year = YearOfOle(date);
        if (day >= first)
            AddStoredAmount(years[year].now, StoredMoney(record, GrossOffset), payRecords);
        else if (year == firstYear)
            AddStoredAmount(years[year].before, StoredMoney(record, GrossOffset), payRecords);
    }
    return years;
}

Money TaxAt(Money wages, const Decimal& rate) {
    return wages.times(rate).roundedToCents();
}

} // namespace

// ---- Report dates ------------------------------------------------------------------------------

DateRange QuarterRange(int item, QDate today) {
    const int year = today.year() - (item >= 4 ? 1 : 0);
    const int quarter = item % 4;
    const QDate first(year, quarter * 3 + 1, 1);
    return {first, first.addMonths(3).addDays(-1)};
}

DateRange YearToDateRange(QDate today) {
    return {QDate(today.year(), 1, 1), today};
}

DateRange LastYearRange(QDate today) {
    const int year = today.year() - 1;
    return {QDate(year, 1, 1), QDate(year, 12, 31)};
}

int LastQuarterItem(QDate today) {
    const int quarter = (today.month() - 1) / 3; // 0..3, the quarter in progress
    return quarter == 0 ? 7 : quarter - 1;
}

// ---- The period grid ---------------------------------------------------------------------------

SummaryReport GatherSummaryReport(QDate start, QDate end) {
    SummaryReport report;
    const int count = RecordCount(SummaryRecordsFile, SummaryRecord::Length);
    if (count == 0) return report;
    report.anyRecords = true;
    const QByteArray all = AllRecords(SummaryRecordsFile, SummaryRecord::Length, count);
    const double first = OleDateOf(start);
    const double last = OleDateOf(end);
    for (int n = 0; n < count; ++n) {
        const auto summary = RecordAt<SummaryRecord>(all, n);
        if (!InRange(summary.PayDate, first, last)) continue;
        SummaryRow row{summary.PayDate, AmountsOf(summary)};
        for (int i = 0; i < SummaryAmountCount; ++i)
            AddStoredAmount(report.totals[static_cast<std::size_t>(i)], row.Amounts[static_cast<std::size_t>(i)],
                            SummaryRecordsFile);
        report.rows.push_back(row);
    }
    return report;
}

std::vector<int> FormColumns(int reportIndex) {
    switch (reportIndex) {
    case 1:
    case 2:
    case 4:
        return {5, 7};
    case 3:
    case 8:
        return {1, 2, 3, 4};
    case 5:
        return {6};
    case 6:
        return {8};
    case 7:
        return {9};
    default:
        return {};
    }
}

// ---- The unemployment detail -----------------------------------------------------------------

UnemploymentRates UnemploymentRatesOf(const QString& federalRate, const QString& stateRate,
                                      const QString& federalMaximum, const QString& stateMaximum) {
    return {RateFromText(federalRate).value_or(Decimal{}), RateFromText(stateRate).value_or(Decimal{}),
            MaximumOf(federalMaximum), MaximumOf(stateMaximum)};
}

UnemploymentFigures& UnemploymentFigures::operator+=(const UnemploymentFigures& o) {
    Wages += o.Wages;
    ApplicableState += o.ApplicableState;
    StateTax += o.StateTax;
    ApplicableFederal += o.ApplicableFederal;
    FederalTax += o.FederalTax;
    return *this;
}

Money TaxableUnderBase(Money paidBefore, Money paidNow, std::optional<Money> base) {
    return base ? WageUnderMaximum(paidBefore, paidNow, *base) : paidNow;
}

UnemploymentDetail GatherUnemploymentDetail(int employeeCount, QDate start, QDate end,
                                            const UnemploymentRates& rates) {
    UnemploymentDetail detail;
    const double first = OleDateOf(start);
    const double last = OleDateOf(end);
    detail.rows.reserve(static_cast<std::size_t>(std::max(employeeCount, 0)));
    for (int r = 1; r <= employeeCount; ++r) {
        UnemploymentFigures row;
        Money applicableState;
        Money applicableFederal;
        // Each calendar year of the range starts the wage bases afresh.
        for (const auto& [year, wages] : WagesByYear(PayRecordsFile(QString::number(1000 + r)), first, last)) {
            row.Wages += wages.now;
            applicableState += TaxableUnderBase(wages.before, wages.now, rates.StateMaximum);
            applicableFederal += TaxableUnderBase(wages.before, wages.now, rates.FederalMaximum);
        }
        row.Wages = row.Wages.roundedToCents();
        row.ApplicableState = applicableState.roundedToCents();
        row.ApplicableFederal = applicableFederal.roundedToCents();
        row.StateTax = TaxAt(row.ApplicableState, rates.State);
        row.FederalTax = TaxAt(row.ApplicableFederal, rates.Federal);
        detail.totals += row;
        detail.rows.push_back(row);
    }
    return detail;
}
