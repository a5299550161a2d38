#include "PayRun.h"

#include "Globals.h"
#include "Records.h"

#include <charconv>

#include <algorithm>

Money RunTotals::FundsRequired() const {
    // The employer's shares are what the both-shares totals hold beyond the employees'.
    return Gross + (FicaBoth - FicaEmployee) + (MedicareBoth - MedicareEmployee) + Futa + Suta + Match401k;
}

std::array<Money, 15> RunTotals::PaymentSummary() const {
    return {Gross,      Federal,       ExtraFederal, FicaBoth,        MedicareBoth,
            State,      Local,         Futa,         FundsRequired(), ChildSupport,
            SupportFee, Deduction401k, Suta,         Insurance,       Match401k};
}

QString AmountText(const std::optional<Money>& amount) {
    return amount ? CurrencyText(*amount) : QString();
}

std::optional<Money>& PayRow::Tax(int col) {
    return Taxes.at(static_cast<std::size_t>(col - PayCol::FirstTax));
}

const std::optional<Money>& PayRow::Tax(int col) const {
    return Taxes.at(static_cast<std::size_t>(col - PayCol::FirstTax));
}

std::optional<Money>& PayRow::ManualTax(int col) {
    return ManualTaxes.at(static_cast<std::size_t>(col - PayCol::FirstTax));
}

Money PayRow::TaxAmount(int col) const {
    return Tax(col).value_or(Money());
}

QString PayRow::EmployeeText(int col) const {
    switch (col) {
    case PayCol::Mark:
        return Marked ? PayMark : QString();
    case PayCol::Name:
        return Name;
    case PayCol::Number:
        return Number;
    case PayCol::Hours:
        return Hours;
    case PayCol::Gross:
        return AmountText(GrossShown);
    case PayCol::Net:
        return AmountText(NetShown);
    default:
        return col >= PayCol::FirstTax && col <= PayCol::LastTax ? AmountText(Tax(col)) : QString();
    }
}

QString PayRow::AuxText(int col) const {
    switch (col) {
    case AuxCol::Name:
        return Name;
    case AuxCol::Number:
        return Number;
    case AuxCol::ChildSupport:
        return AmountText(ChildSupport);
    case AuxCol::SupportFee:
        return AmountText(SupportFee);
    case AuxCol::Deduction401k:
        return AmountText(Deduction401k);
    case AuxCol::Match401k:
        return AmountText(Match401k);
    case AuxCol::Insurance:
        return AmountText(Insurance);
    default:
        return {};
    }
}

void PayRow::ClearFigures() {
    Taxes = {};
    GrossShown.reset();
    NetShown.reset();
}

void PayRow::ComputeNet() {
    Money net = Gross;
    for (const auto& amount : {Insurance, Deduction401k, SupportFee, ChildSupport})
        net -= amount.value_or(Money());
    for (int c = PayCol::LastTax; c >= PayCol::FirstTax; --c)
        net -= TaxAmount(c);
    NetPay = net;
    NetShown = net.roundedToCents();
}

bool IsHoursEntry(const QString& hours) {
    // The Hours field is the text field just before the gross.
    constexpr int width = FieldOffsetOf(&PayRecord::Gross) - FieldOffsetOf(&PayRecord::Hours);
    static_assert(width == 7);
    return IsNumeric(hours) && hours.size() <= width;
}

void PayRun::ResetRows(int count) {
    Rows.assign(static_cast<std::size_t>(std::max(count, 0) + 1), PayRow{});
}

bool PayRun::AnyMarked() const {
    return MarkedCount() > 0;
}

int PayRun::MarkedCount() const {
    return static_cast<int>(std::count_if(Rows.begin() + (Rows.empty() ? 0 : 1), Rows.end(),
                                          [](const PayRow& r) { return r.Marked; }));
}

void PayRun::ClearManualTaxes(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < Rows.size()) {
        Rows[static_cast<std::size_t>(row)].ManualTaxes = {};
        Rows[static_cast<std::size_t>(row)].Manual401k.reset();
        Rows[static_cast<std::size_t>(row)].ManualGross.reset();
    }
}

void PayRun::ClearManualTaxes() {
    for (int row = 0; row < static_cast<int>(Rows.size()); ++row)
        ClearManualTaxes(row);
}

Decimal PercentOf401k(float stored) {
    char buffer[48];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, stored, std::chars_format::fixed);
    if (ec != std::errc()) return {};
    return ParseNumber(QString::fromLatin1(buffer, end - buffer)).value_or(Decimal{});
}

PayRow PayRowOf(const EmployeeRecord& e) {
    PayRow row;
    row.Name = TrimmedField(e.Name);
    row.Number = TrimmedField(e.EmployeeNo);
    row.ChildSupport = e.ChildSupportPerPay.roundedToCents();
    row.SupportFee = e.SupportFeePerPay.roundedToCents();
    row.Deduction401k = Money();
    row.Insurance = e.InsurancePerPay.roundedToCents();
    row.Percent401k = PercentOf401k(e.Percent401k);
    row.YTDGross = e.YTDGross;

    const QString status = TrimmedField(e.PayStatus);
    const Money rate = MoneyOf(TrimmedField(e.PayRate));
    const auto inBonusList = [&](BonusList list, Money base) {
        row.BonusIn = list;
        row.BasePay = row.BasePayShown = base;
    };
    if (status == u"Hourly") {
        row.Hours = QStringLiteral("40");
        inBonusList(BonusList::Hourly, rate.mulDiv(40, 1));
    } else if (status == u"Salary") {
        row.Hours = SalaryWord;
        inBonusList(BonusList::Salaried, rate);
    } else if (status == u"Daily") {
        row.Hours = DayWord;
    } else if (status == u"Flat Rate") {
        row.Hours = FlatWord;
        row.FlatPay = true;
    }
    return row;
}
