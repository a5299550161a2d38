#include "HistorySheet.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "PayEngine.h"
#include "PayFiles.h"
#include "SafeWrite.h"
#include "SessionWages.h"
#include "TaxTables.h"

#include <QStringList>

namespace creator {

namespace {

constexpr std::size_t Col(int c) {
    return static_cast<std::size_t>(c);
}

// The part of a gross under a yearly wage base: the whole gross when the box sets none.
Money UnderBase(const QString& maximumText, Money ytd, Money gross) {
    if (IsNoMaximum(maximumText)) return gross;
    const auto maximum = ParseMoney(maximumText);
    return maximum ? WageUnderMaximum(ytd, gross, *maximum) : gross;
}

} // namespace

Money CellAmount(const QString& text) {
    return ParseMoney(text).value_or(Money());
}

QString ZeroText() {
    return CurrencyText(Money());
}

void HistorySheet::Load() {
    const std::int32_t count = RecordCount(EmployeeFile, EmployeeRecord::Length);
    main.assign(static_cast<std::size_t>(count) + 2, MainRow{});
    aux.assign(static_cast<std::size_t>(count) + 2, AuxRow{});
    if (count > 0) {
        RandomFile file = OpenRandomFile(EmployeeFile, EmployeeRecord::Length);
        for (std::int32_t n = 1; n <= count; ++n) {
            const EmployeeRecord e = file.get<EmployeeRecord>(n).value_or(EmployeeRecord{});
            const auto row = static_cast<std::size_t>(n);
            main[row][Col(HistoryCol::Name)] = aux[row][Col(AuxCol::Name)] = TrimmedField(e.Name);
            main[row][Col(HistoryCol::EmpNo)] = aux[row][Col(AuxCol::EmpNo)] = TrimmedField(e.EmployeeNo);
        }
    }
    const auto totals = static_cast<std::size_t>(totalsRow());
    main[totals][Col(HistoryCol::Name)] = aux[totals][Col(AuxCol::Name)] = QStringLiteral("Totals");
    Clear();
}

void HistorySheet::Clear() {
    for (std::size_t r = 1; r < main.size(); ++r) {
        for (int c = HistoryCol::Federal; c <= HistoryCol::Gross; ++c)
            main[r][Col(c)] = ZeroText();
        main[r][Col(HistoryCol::Hours)] = QStringLiteral("0");
        for (int c = AuxCol::ChildSupport; c <= AuxCol::Insurance; ++c)
            aux[r][Col(c)] = ZeroText();
    }
    written_.clear();
    summaryWritten_ = false;
}

bool HistorySheet::HasEntries() const {
    for (int r = 1; r <= employees(); ++r) {
        const auto row = static_cast<std::size_t>(r);
        for (int c = HistoryCol::Federal; c <= HistoryCol::Gross; ++c)
            if (!CellAmount(main[row][Col(c)]).isZero()) return true;
        for (int c = AuxCol::ChildSupport; c <= AuxCol::Insurance; ++c)
            if (!CellAmount(aux[row][Col(c)]).isZero()) return true;
    }
    return false;
}

void HistorySheet::Calculate(const std::array<QString, 11>& taxVariables, double date) {
    const auto totals = static_cast<std::size_t>(totalsRow());
    for (int c = HistoryCol::Federal; c <= HistoryCol::Gross; ++c) {
        Money sum;
        for (int r = 1; r <= employees(); ++r)
            sum += CellAmount(main[static_cast<std::size_t>(r)][Col(c)]);
        // The employee's share and the employer's.
        if (c == HistoryCol::Fica || c == HistoryCol::Medicare) sum += sum;
        main[totals][Col(c)] =
            c == HistoryCol::Hours ? PlainNumberText(Decimal{sum.raw(), 4}) : CurrencyText(sum);
    }
    for (int c = AuxCol::ChildSupport; c <= AuxCol::Insurance; ++c) {
        Money sum;
        for (int r = 1; r <= employees(); ++r)
            sum += CellAmount(aux[static_cast<std::size_t>(r)][Col(c)]);
        aux[totals][Col(c)] = CurrencyText(sum);
    }
    ComputeUnemploymentTaxes(taxVariables, date);
}

void HistorySheet::ComputeUnemploymentTaxes(const std::array<QString, 11>& taxVariables, double date) {
    Futa = Money();
    Suta = Money();
    const Decimal futaRate = RateFromText(taxVariables[TaxBox::FutaRate]).value_or(Decimal{});
    const Decimal sutaRate = RateFromText(taxVariables[TaxBox::StateUnemploymentRate]).value_or(Decimal{});
    for (int r = 1; r <= employees(); ++r) {
        const MainRow& m = main[static_cast<std::size_t>(r)];
        const Money gross = CellAmount(m[Col(HistoryCol::Gross)]);
        if (gross.isZero()) continue;
        const Money ytd = YearToDateGross(m[Col(HistoryCol::EmpNo)], date);
        Futa += UnderBase(taxVariables[TaxBox::FutaMaximum], ytd, gross).times(futaRate);
        Suta += UnderBase(taxVariables[TaxBox::StateUnemploymentMaximum], ytd, gross).times(sutaRate);
    }
}

std::vector<PayRecord> HistorySheet::PayRecords(double date) const {
    std::vector<PayRecord> records;
    for (int r = 1; r <= employees(); ++r) {
        const MainRow& m = main[static_cast<std::size_t>(r)];
        const AuxRow& a = aux[static_cast<std::size_t>(r)];
        const Money gross = CellAmount(m[Col(HistoryCol::Gross)]);
        if (gross.isZero()) continue;
        PayRecord p;
        p.PayDate = date;
        p.EmployeeName = m[Col(HistoryCol::Name)];
        p.EmployeeNo = m[Col(HistoryCol::EmpNo)];
        p.Hours = m[Col(HistoryCol::Hours)];
        p.Gross = gross;
        p.FederalTax = CellAmount(m[Col(HistoryCol::Federal)]);
        p.ExtraFederal = CellAmount(m[Col(HistoryCol::ExtraFederal)]);
        p.Fica = CellAmount(m[Col(HistoryCol::Fica)]);
        p.Medicare = CellAmount(m[Col(HistoryCol::Medicare)]);
        p.StateTax = CellAmount(m[Col(HistoryCol::State)]);
        p.LocalTax = CellAmount(m[Col(HistoryCol::Local)]);
        p.ChildSupport = CellAmount(a[Col(AuxCol::ChildSupport)]);
        p.SupportFee = CellAmount(a[Col(AuxCol::SupportFee)]);
        p.Deduction401k = CellAmount(a[Col(AuxCol::Deduction401k)]);
        p.Insurance = CellAmount(a[Col(AuxCol::Insurance)]);
        records.push_back(p);
    }
    return records;
}

SummaryRecord HistorySheet::Summary(double date) const {
    const MainRow& m = main[static_cast<std::size_t>(totalsRow())];
    const AuxRow& a = aux[static_cast<std::size_t>(totalsRow())];
    // Each total as the Totals row shows it, at cents.
    const auto shown = [](const QString& text) { return CellAmount(CurrencyText(CellAmount(text))); };
    SummaryRecord s;
    s.PayDate = date;
    s.TotalWages = shown(m[Col(HistoryCol::Gross)]);
    s.TotalFederal = shown(m[Col(HistoryCol::Federal)]);
    s.TotalExtraFederal = shown(m[Col(HistoryCol::ExtraFederal)]);
    s.TotalFica = shown(m[Col(HistoryCol::Fica)]);
    s.TotalMedicare = shown(m[Col(HistoryCol::Medicare)]);
    s.TotalState = shown(m[Col(HistoryCol::State)]);
    s.TotalLocal = shown(m[Col(HistoryCol::Local)]);
    s.TotalFuta = Futa;
    s.TotalSuta = Suta;
    s.TotalChildSupport = shown(a[Col(AuxCol::ChildSupport)]);
    s.TotalSupportFees = shown(a[Col(AuxCol::SupportFee)]);
    s.Total401k = shown(a[Col(AuxCol::Deduction401k)]);
    s.TotalInsurance = shown(a[Col(AuxCol::Insurance)]);
    return s;
}

void HistorySheet::Save(double date) {
    const std::vector<PayRecord> records = PayRecords(date);
    const SummaryRecord summary = Summary(date);
    AppendTogether(
        [&] {
            SavePayRecords(records, written_);
            if (summaryWritten_) return;
            AppendSummaryRecord(summary);
            summaryWritten_ = true;
        },
        [&](const QStringList& undone) {
            if (undone.contains(DataPath(SummaryRecordsFile))) summaryWritten_ = false;
        });
    NoteSavedPayRecords(records);
}

} // namespace creator
