#include "PayEngine.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Globals.h"
#include "Records.h"

#include <algorithm>

namespace {

const QString DailyTitle = QStringLiteral("Daily Employee");

} // namespace


// ---- The engine ----------------------------------------------------------------------------

PayEngine::PayEngine(PayRun& run, const TaxSettings& settings, PayQuestions questions, PayRules rules)
    : run_(run), settings_(settings), questions_(std::move(questions)), rules_(rules) {
    PrepareSettings();
}

void PayEngine::CalculatePayroll() {
    RandomFile employees = OpenRandomFile(EmployeeFile, EmployeeRecord::Length);
    const int rows = static_cast<int>(run_.Rows.size());
    for (LoopCounter = 1; LoopCounter < rows; ++LoopCounter) {
        const int row = LoopCounter;
        // A row not paid in this run keeps nothing of an earlier calculation.
        if (!Row(row).Marked) {
            ClearFigures(row);
            continue;
        }
        const QString number = Row(row).Number.trimmed();
        const auto recordNumber = ParseNumber(number);
        std::optional<EmployeeRecord> record;
        if (recordNumber && RoundToWhole(*recordNumber) > 1000)
            record =
                employees.get<EmployeeRecord>(static_cast<std::int32_t>(RoundToWhole(*recordNumber) - 1000));
        if (!record) {
            questions_.Tell(QStringLiteral("Employee No ") + number +
                                QStringLiteral(" is not in the Employee file") +
                                QStringLiteral("\r\nEmployee will not be paid"),
                            QString());
            MarkUnpaid(row);
            continue;
        }
        CurrentEmployee = *record;
        if (rules_.YearToDateGross) CurrentEmployee.YTDGross = rules_.YearToDateGross(CurrentEmployee);
        CalculateRow(row, CurrentEmployee);
    }
}

void PayEngine::CalculateRow(int row, const EmployeeRecord& e) {
    if (!ComputeGrossPay(row, e)) return;
    const Money gross = Row(row).Gross;
    // Nothing to pay: no check, no pay record, no deductions for this row.
    if (gross <= Money()) {
        run_.Totals.Gross -= gross;
        MarkUnpaid(row);
        Row(row).GrossShown = gross.roundedToCents(); // shows what the entries came to
        return;
    }
    const TaxableWage taxable = ComputeTaxableWage(gross, e, DaysOf(row));
    ComputeWithholdings(row, taxable, gross, e);
    Compute401k(row);
    ComputeNetPay(row);
    ComputeEmployerUnemployment(gross, e.YTDGross);
}

void PayEngine::ClearFigures(int row) {
    PayRow& r = Row(row);
    r.ClearFigures();
    r.Gross = Money();
    r.NetPay = Money();
}

void PayEngine::MarkUnpaid(int row) {
    Row(row).Marked = false;
    ClearFigures(row);
    run_.ClearManualTaxes(row);
}

// ---- Gross pay -------------------------------------------------------------------------------

std::optional<QString> PayEngine::AskEntry(int row, const QString& prompt, const QString& refusal) const {
    const QString fullPrompt = prompt + QStringLiteral("\r\nPeriod for ") + Row(row).Name;
    for (;;) {
        const std::optional<QString> answer = questions_.Ask(fullPrompt, DailyTitle);
        if (!answer) return std::nullopt;
        // Where a cancel has an answer of its own, an empty answer is one too.
        if (rules_.CancelledDaysPayOne && answer->trimmed().isEmpty()) return std::nullopt;
        const auto value = ParseNumber(*answer);
        if (value && !value->isNegative()) return answer->trimmed();
        questions_.Tell(refusal, DailyTitle);
    }
}

bool PayEngine::AskDays(int row) {
    QString& entry = Row(row).Entry;
    // Calculated before: the same days again, without asking.
    if (Row(row).Tax(PayCol::Federal) && !entry.isEmpty()) {
        run_.DaysWorked = entry;
        return true;
    }
    const auto days = AskEntry(row, QStringLiteral("Enter the Days Worked This Pay"),
                               QStringLiteral("Enter the Days Worked as a number\r\n(for example 3 or 2.5)"));
    if (!days && rules_.CancelledDaysPayOne) {
        questions_.Tell(QStringLiteral("You have cancelled the Days input\r\nDays have been set to one"), QString());
        entry = run_.DaysWorked = QStringLiteral("1");
        return true;
    }
    if (!days) {
        questions_.Tell(QStringLiteral("You have cancelled the Days input\r\nEmployee will not be paid"), QString());
        MarkUnpaid(row);
        return false;
    }
    entry = run_.DaysWorked = *days;
    return true;
}

std::optional<Money> PayEngine::FlatGross(int row) {
    QString& entry = Row(row).Entry;
    if (Row(row).Tax(PayCol::Federal) && !entry.isEmpty()) return MoneyOf(entry).roundedToCents();
    const auto amount =
        AskEntry(row, QStringLiteral("Enter the Flat Pay Amount for this Pay"),
                 QStringLiteral("Enter the Flat Pay Amount as an amount\r\n(for example 250.00)"));
    if (!amount) {
        questions_.Tell(QStringLiteral("You have cancelled the flatpay  amount input\r\nEmployee will not be paid"),
                        QString());
        MarkUnpaid(row);
        Row(row).GrossShown = Money();
        return std::nullopt;
    }
    entry = *amount;
    return MoneyOf(entry).roundedToCents();
}

Money PayEngine::Bonus(int row) const {
    const PayRow& r = Row(row);
    const BonusList list = r.Hours == SalaryWord ? BonusList::Salaried : BonusList::Hourly;
    return r.BonusIn == list ? r.Bonus : Money();
}

Decimal PayEngine::DaysOf(int row) const {
    if (Row(row).Hours != DayWord) return Decimal::fromInt(1);
    return ParseNumber(Row(row).Entry).value_or(Decimal{});
}

bool PayEngine::ComputeGrossPay(int row, const EmployeeRecord& e) {
    const QString kind = Row(row).Hours;
    // The rate as its currency text shows it: at cents.
    const Money rate = MoneyOf(TrimmedField(e.PayRate)).roundedToCents();
    Money gross;
    if (kind == SalaryWord) {
        gross = rate + Bonus(row);
    } else if (kind == DayWord) {
        if (!AskDays(row)) return false;
        gross = rate.times(DaysOf(row));
    } else if (kind == FlatWord || Row(row).FlatPay) {
        const auto flat = FlatGross(row);
        if (!flat) return false;
        gross = *flat;
    } else {
        const Decimal hours = ParseNumber(kind).value_or(Decimal{});
        gross = rate.times(hours) + Bonus(row);
        // Every hour is paid at the rate; each hour above forty earns another half rate.
        if (hours > Decimal::fromInt(40)) {
            const auto overtime = static_cast<float>(hours.toDouble() - 40.0);
            gross += rate.times(static_cast<double>(overtime) / 2.0);
        }
    }
    if (Row(row).ManualGross) gross = *Row(row).ManualGross;
    Row(row).Gross = gross;
    Row(row).GrossShown = gross.roundedToCents();
    run_.Totals.Gross += gross;
    return true;
}

// ---- Deductions and net pay -------------------------------------------------------------------

void PayEngine::Compute401k(int row) {
    PayRow& r = Row(row);
    Decimal percent = r.Percent401k;
    percent.scale += 2;
    const Money deduction = r.Manual401k ? *r.Manual401k : r.Gross.times(percent).roundedToCents();
    r.Deduction401k = deduction;
    if (!settings_.Match401k) return;
    Decimal match = matchPercent_;
    match.scale += 2;
    const Money cap = r.Gross.times(match).roundedToCents();
    r.Match401k = std::min(cap, deduction);
}

void PayEngine::ComputeNetPay(int row) {
    Row(row).ComputeNet();
}

void PayEngine::TotalDeductions() {
    RunTotals& t = run_.Totals;
    const int rows = static_cast<int>(run_.Rows.size());
    for (int row = 1; row < rows; ++row) {
        if (!Row(row).Marked) continue;
        Compute401k(row);
        const PayRow& r = Row(row);
        t.ChildSupport += r.ChildSupport.value_or(Money());
        t.SupportFee += r.SupportFee.value_or(Money());
        t.Deduction401k += r.Deduction401k.value_or(Money());
        t.Match401k += r.Match401k.value_or(Money());
        t.Insurance += r.Insurance.value_or(Money());
    }
}
