#include "PayEngine.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dialogs.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "Records.h"

#include <algorithm>
#include <charconv>

namespace {

const QString DailyTitle = QStringLiteral("Daily Employee");

} // namespace

// ---- Run totals and per-row state ------------------------------------------------------------

Money RunTotals::FundsRequired() const {
    // The employer's shares are what the both-shares totals hold beyond the employees'.
    return Gross + (FicaBoth - FicaEmployee) + (MedicareBoth - MedicareEmployee) + Futa + Suta + Match401k;
}

std::array<Money, 15> RunTotals::PaymentSummary() const {
    return {Gross,      Federal,       ExtraFederal, FicaBoth,        MedicareBoth,
            State,      Local,         Futa,         FundsRequired(), ChildSupport,
            SupportFee, Deduction401k, Suta,         Insurance,       Match401k};
}

void PayRunState::ResetRows(int count) {
    const auto size = static_cast<std::size_t>(std::max(count, 0) + 1);
    EmployeeGross.assign(size, Money());
    EmployeeNetPay.assign(size, Money());
    EmployeeYTDGross.assign(size, Money());
    EmployeePercent401k.assign(size, Decimal());
    EmployeeEntry.assign(size, QString());
    ManualTaxes.assign(size, {});
}

std::optional<Money>& PayRunState::ManualTax(int row, int col) {
    return ManualTaxes.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col - PayCol::FirstTax));
}

void PayRunState::ClearManualTaxes(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < ManualTaxes.size())
        ManualTaxes[static_cast<std::size_t>(row)] = {};
}

void PayRunState::ClearManualTaxes() {
    std::fill(ManualTaxes.begin(), ManualTaxes.end(), std::array<std::optional<Money>, 6>{});
}

std::vector<std::vector<QString>> GridTexts(const FlexGrid& grid) {
    std::vector<std::vector<QString>> texts(static_cast<std::size_t>(grid.rows()));
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            texts[static_cast<std::size_t>(r)].push_back(grid.textMatrix(r, c));
    return texts;
}

Decimal PercentOf401k(float stored) {
    char buffer[48];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, stored, std::chars_format::fixed);
    if (ec != std::errc()) return {};
    return ParseNumber(QString::fromLatin1(buffer, end - buffer)).value_or(Decimal{});
}

// ---- The engine ----------------------------------------------------------------------------

PayEngine::PayEngine(PayRunState& state, PayGrids grids, const TaxSettings& settings)
    : state_(state), grids_(grids), settings_(settings) {
    PrepareSettings();
}

QString PayEngine::Cell(int row, int col) const {
    return grids_.employees.textMatrix(row, col);
}

void PayEngine::SetCell(int row, int col, Money amount) {
    grids_.employees.setTextMatrix(row, col, CurrencyText(amount));
}

Money PayEngine::AuxAmount(int row, int col) const {
    return MoneyOf(grids_.aux.textMatrix(row, col));
}

void PayEngine::CalculatePayroll() {
    RandomFile employees = OpenRandomFile(EmployeeFile, EmployeeRecord::Length);
    FlexGrid& grid = grids_.employees;
    const int rows = std::min(grid.rows(), static_cast<int>(state_.EmployeeGross.size()));
    for (LoopCounter = 1; LoopCounter < rows; ++LoopCounter) {
        const int row = LoopCounter;
        // A row not paid in this run keeps nothing of an earlier calculation.
        if (Cell(row, PayCol::Mark).isEmpty()) {
            ClearFigures(row);
            continue;
        }
        const QString number = Cell(row, PayCol::Number).trimmed();
        const auto recordNumber = ParseNumber(number);
        std::optional<EmployeeRecord> record;
        if (recordNumber && RoundToWhole(*recordNumber) > 1000)
            record =
                employees.get<EmployeeRecord>(static_cast<std::int32_t>(RoundToWhole(*recordNumber) - 1000));
        if (!record) {
            MsgBox(QStringLiteral("Employee No ") + number + QStringLiteral(" is not in the Employee file") +
                   QStringLiteral("\r\nEmployee will not be paid"));
            MarkUnpaid(row);
            continue;
        }
        CurrentEmployee = *record;
        CalculateRow(row, CurrentEmployee);
    }
}

void PayEngine::CalculateRow(int row, const EmployeeRecord& e) {
    if (!ComputeGrossPay(row, e)) return;
    const Money gross = state_.EmployeeGross[static_cast<std::size_t>(row)];
    // Nothing to pay: no check, no pay record, no deductions for this row.
    if (gross <= Money()) {
        state_.Totals.Gross -= gross;
        MarkUnpaid(row);
        SetCell(row, PayCol::Gross, gross); // shows what the entries came to
        return;
    }
    const TaxableWage taxable = ComputeTaxableWage(gross, e, DaysOf(row));
    ComputeWithholdings(row, taxable, gross, e);
    Compute401k(row);
    ComputeNetPay(row);
    ComputeEmployerUnemployment(gross, e.YTDGross);
}

void PayEngine::ClearFigures(int row) {
    for (int c = PayCol::FirstTax; c <= PayCol::Net; ++c)
        grids_.employees.setTextMatrix(row, c, QString());
    state_.EmployeeGross[static_cast<std::size_t>(row)] = Money();
    state_.EmployeeNetPay[static_cast<std::size_t>(row)] = Money();
}

void PayEngine::MarkUnpaid(int row) {
    grids_.employees.setTextMatrix(row, PayCol::Mark, QString());
    ClearFigures(row);
    state_.ClearManualTaxes(row);
}

// ---- Gross pay -------------------------------------------------------------------------------

std::optional<QString> PayEngine::AskEntry(int row, const QString& prompt, const QString& refusal) const {
    const QString fullPrompt = prompt + QStringLiteral("\r\nPeriod for ") + Cell(row, PayCol::Name);
    for (;;) {
        const std::optional<QString> answer = InputBox(fullPrompt, DailyTitle);
        if (!answer) return std::nullopt;
        const auto value = ParseNumber(*answer);
        if (value && !value->isNegative()) return answer->trimmed();
        MsgBox(refusal, MsgButtons::OK, DailyTitle);
    }
}

bool PayEngine::AskDays(int row) {
    QString& entry = state_.EmployeeEntry[static_cast<std::size_t>(row)];
    // Calculated before: the same days again, without asking.
    if (!Cell(row, PayCol::Federal).isEmpty() && !entry.isEmpty()) {
        state_.DaysWorked = entry;
        return true;
    }
    const auto days = AskEntry(row, QStringLiteral("Enter the Days Worked This Pay"),
                               QStringLiteral("Enter the Days Worked as a number\r\n(for example 3 or 2.5)"));
    if (!days) {
        MsgBox(QStringLiteral("You have cancelled the Days input\r\nEmployee will not be paid"));
        MarkUnpaid(row);
        return false;
    }
    entry = state_.DaysWorked = *days;
    return true;
}

std::optional<Money> PayEngine::FlatGross(int row) {
    QString& entry = state_.EmployeeEntry[static_cast<std::size_t>(row)];
    if (!Cell(row, PayCol::Federal).isEmpty() && !entry.isEmpty()) return MoneyOf(entry).roundedToCents();
    const auto amount =
        AskEntry(row, QStringLiteral("Enter the Flat Pay Amount for this Pay"),
                 QStringLiteral("Enter the Flat Pay Amount as an amount\r\n(for example 250.00)"));
    if (!amount) {
        MsgBox(QStringLiteral("You have cancelled the flatpay  amount input\r\nEmployee will not be paid"));
        MarkUnpaid(row);
        SetCell(row, PayCol::Gross, Money());
        return std::nullopt;
    }
    entry = *amount;
    return MoneyOf(entry).roundedToCents();
}

Money PayEngine::Bonus(const FlexGrid& bonusGrid, int row) const {
    const QString rowText = QString::number(row);
    for (int r = 1; r < bonusGrid.rows(); ++r)
        if (bonusGrid.textMatrix(r, BonusCol::Row) == rowText)
            return MoneyOf(bonusGrid.textMatrix(r, BonusCol::Bonus));
    return Money();
}

Decimal PayEngine::DaysOf(int row) const {
    if (Cell(row, PayCol::Hours) != DayWord) return Decimal::fromInt(1);
    return ParseNumber(state_.EmployeeEntry[static_cast<std::size_t>(row)]).value_or(Decimal{});
}

bool PayEngine::ComputeGrossPay(int row, const EmployeeRecord& e) {
    const QString kind = Cell(row, PayCol::Hours);
    // The rate as its currency text shows it: at cents.
    const Money rate = MoneyOf(TrimmedField(e.PayRate)).roundedToCents();
    Money gross;
    if (kind == SalaryWord) {
        gross = rate + Bonus(grids_.salaried, row);
    } else if (kind == DayWord) {
        if (!AskDays(row)) return false;
        gross = rate.times(DaysOf(row));
    } else if (kind == FlatWord) {
        const auto flat = FlatGross(row);
        if (!flat) return false;
        gross = *flat;
    } else {
        const Decimal hours = ParseNumber(kind).value_or(Decimal{});
        gross = rate.times(hours) + Bonus(grids_.hourly, row);
        // Every hour is paid at the rate; each hour above forty earns another half rate.
        if (hours > Decimal::fromInt(40)) {
            const auto overtime = static_cast<float>(hours.toDouble() - 40.0);
            gross += rate.times(static_cast<double>(overtime) / 2.0);
        }
    }
    state_.EmployeeGross[static_cast<std::size_t>(row)] = gross;
    SetCell(row, PayCol::Gross, gross);
    state_.Totals.Gross += gross;
    return true;
}

// ---- Deductions and net pay -------------------------------------------------------------------

void PayEngine::Compute401k(int row) {
    const Money gross = state_.EmployeeGross[static_cast<std::size_t>(row)];
    Decimal percent = state_.EmployeePercent401k[static_cast<std::size_t>(row)];
    percent.scale += 2;
    const Money deduction = gross.times(percent);
    grids_.aux.setTextMatrix(row, AuxCol::Deduction401k, CurrencyText(deduction));
    if (!settings_.Match401k) return;
    Decimal match = matchPercent_;
    match.scale += 2;
    const Money cap = gross.times(match).roundedToCents();
    grids_.aux.setTextMatrix(row, AuxCol::Match401k, CurrencyText(std::min(cap, deduction.roundedToCents())));
}

void PayEngine::ComputeNetPay(int row) {
    Money net = state_.EmployeeGross[static_cast<std::size_t>(row)];
    for (int c : {AuxCol::Insurance, AuxCol::Deduction401k, AuxCol::SupportFee, AuxCol::ChildSupport})
        net -= AuxAmount(row, c);
    for (int c = PayCol::LastTax; c >= PayCol::FirstTax; --c)
        net -= MoneyOf(Cell(row, c));
    state_.EmployeeNetPay[static_cast<std::size_t>(row)] = net;
    SetCell(row, PayCol::Net, net);
}

void PayEngine::TotalDeductions() {
    RunTotals& t = state_.Totals;
    const int rows = std::min(grids_.employees.rows(), static_cast<int>(state_.EmployeeGross.size()));
    for (int row = 1; row < rows; ++row) {
        if (Cell(row, PayCol::Mark).isEmpty()) continue;
        Compute401k(row);
        t.ChildSupport += AuxAmount(row, AuxCol::ChildSupport);
        t.SupportFee += AuxAmount(row, AuxCol::SupportFee);
        t.Deduction401k += AuxAmount(row, AuxCol::Deduction401k);
        t.Match401k += AuxAmount(row, AuxCol::Match401k);
        t.Insurance += AuxAmount(row, AuxCol::Insurance);
    }
}
