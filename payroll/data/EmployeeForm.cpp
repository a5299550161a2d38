#include "EmployeeForm.h"

#include "Dates.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace {

// The identity and contact boxes, each with its field and the field's width.
struct TextBox {
    int box;
    QString EmployeeRecord::*field;
    int width;
};
const std::array<TextBox, 11> TextBoxes{{
    {EmployeeBox::Name, &EmployeeRecord::Name, 30},
    {EmployeeBox::Address, &EmployeeRecord::Address, 35},
    {EmployeeBox::Address2, &EmployeeRecord::Address2, 25},
    {EmployeeBox::City, &EmployeeRecord::City, 20},
    {EmployeeBox::Zip, &EmployeeRecord::Zip, 10},
    {EmployeeBox::HomePhone, &EmployeeRecord::HomePhone, 13},
    {EmployeeBox::CellPhone, &EmployeeRecord::CellPhone, 13},
    {EmployeeBox::EmergencyContact, &EmployeeRecord::EmergencyContact, 30},
    {EmployeeBox::EmergencyPhone, &EmployeeRecord::EmergencyPhone, 13},
    {EmployeeBox::EmployeeNo, &EmployeeRecord::EmployeeNo, 10},
    {EmployeeBox::SSN, &EmployeeRecord::SSN, 11},
}};

struct PostalCode {
    const char* name;
    const char* code;
};
// clang-format off
const PostalCode PostalCodes[] = {
    {"Alabama", "AL"}, {"Alaska", "AK"}, {"Arizona", "AZ"}, {"Arkansas", "AR"}, {"California", "CA"},
    {"Colorado", "CO"}, {"Connecticut", "CT"}, {"Delaware", "DE"}, {"Florida", "FL"}, {"Georgia", "GA"},
    {"Hawaii", "HI"}, {"Idaho", "ID"}, {"Illinois", "IL"}, {"Indiana", "IN"}, {"Iowa", "IA"},
    {"Kansas", "KS"}, {"Kentucky", "KY"}, {"Louisiana", "LA"}, {"Maine", "ME"}, {"Maryland", "MD"},
    {"Massachusetts", "MA"}, {"Michigan", "MI"}, {"Minnesota", "MN"}, {"Mississippi", "MS"},
    {"Missouri", "MO"}, {"Montana", "MT"}, {"Nebraska", "NE"}, {"Nevada", "NV"}, {"New Hampshire", "NH"},
    {"New Jersey", "NJ"}, {"New Mexico", "NM"}, {"New York", "NY"}, {"North Carolina", "NC"},
    {"North Dakota", "ND"}, {"Ohio", "OH"}, {"Oklahoma", "OK"}, {"Oregon", "OR"}, {"Pennsylvania", "PA"},
    {"Rhode Island", "RI"}, {"South Carolina", "SC"}, {"South Dakota", "SD"}, {"Tennessee", "TN"},
    {"Texas", "TX"}, {"Utah", "UT"}, {"Vermont", "VT"}, {"Virginia", "VA"}, {"Washington", "WA"},
    {"West Virginia", "WV"}, {"Wisconsin", "WI"}, {"Wyoming", "WY"}, {"District of Columbia", "DC"},
};
// clang-format on

// A money box's amount; empty or not a number is zero.
Money AmountOf(const QString& text) {
    return MoneyOf(text);
}

float PercentOf(const QString& text) {
    const std::optional<Decimal> number = ParseNumber(text);
    if (!number) return 0.0f;
    // Straight from the decimal digits to the nearest float, so "4.25" is exactly the float the user meant.
    const std::string digits = PlainNumberText(*number).toStdString();
    float value = 0.0f;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return result.ec == std::errc() ? value : 0.0f;
}

} // namespace

bool IsYearToDateBox(int index) {
    return std::any_of(YearToDateBoxes.begin(), YearToDateBoxes.end(),
                       [index](const auto& pair) { return pair.first == index; });
}

bool IsRememberedMoneyBox(int index) {
    return index == EmployeeBox::ExtraWithholding || index == EmployeeBox::PayRate ||
           index == EmployeeBox::ChildSupport || index == EmployeeBox::SupportFee ||
           index == EmployeeBox::Insurance;
}

bool IsKeyFilteredBox(int index) {
    return IsRememberedMoneyBox(index) || index == EmployeeBox::Percent401k;
}

int TypingLimit(int index) {
    switch (index) {
    case EmployeeBox::Name:
    case EmployeeBox::EmergencyContact:
        return 30;
    case EmployeeBox::Address:
        return 35;
    case EmployeeBox::Address2:
        return 25;
    case EmployeeBox::City:
        return 20;
    case EmployeeBox::Zip:
        return 10;
    case EmployeeBox::HomePhone:
    case EmployeeBox::CellPhone:
    case EmployeeBox::EmergencyPhone:
        return 12;
    default:
        return IsKeyFilteredBox(index) ? 10 : 0;
    }
}

QStringList DependentsEntries() {
    QStringList entries;
    for (int n = 0; n <= 10; ++n)
        entries << QString::number(n);
    return entries;
}

QStringList FrequencyEntries() {
    return {QStringLiteral("Weekly"),   QStringLiteral("Bi-Weekly"), QStringLiteral("SemiMonthly"),
            QStringLiteral("Monthly"),  QStringLiteral("Quarterly"), QStringLiteral("SemiAnnual"),
            QStringLiteral("Annually"), QStringLiteral("Daily"),     QStringLiteral("Flat Rate")};
}

QStringList PayStatusEntries() {
    return {QStringLiteral("Hourly"), QStringLiteral("Salary"), QStringLiteral("Daily"),
            QStringLiteral("Flat Rate")};
}

QStringList MaritalStatusEntries() {
    return {QStringLiteral("Single"), QStringLiteral("Married")};
}

EmployeeFormValues FormValuesOf(const EmployeeRecord& record, const QStringList& stateNames) {
    EmployeeFormValues form;
    for (const TextBox& t : TextBoxes)
        form.boxes[t.box] = TrimmedField(record.*(t.field));
    form.boxes[EmployeeBox::PayRate] = TrimmedField(record.PayRate);
    for (const auto& [box, field] : PerPayMoneyBoxes)
        form.boxes[box] = CurrencyText(record.*field);
    for (const auto& [box, field] : YearToDateBoxes)
        form.boxes[box] = CurrencyText(record.*field);
    form.boxes[EmployeeBox::Label401k] = DeductionLabel401k;
    form.boxes[EmployeeBox::Percent401k] = PercentBoxText(record.Percent401k);
    form.state = StateEntryOf(TrimmedField(record.State), stateNames);
    if (form.state >= 0) form.stateText = stateNames.at(form.state);
    form.nonResident = record.NonResident != 0;
    form.start = DateOfOle(record.StartDate);
    form.effective = DateOfOle(record.RateEffectiveDate);
    form.termination = TrimmedField(record.TerminationDate);
    form.maritalStatus = record.MaritalStatus == 0 || record.MaritalStatus == 1 ? record.MaritalStatus : -1;
    form.dependents = TrimmedField(record.Dependents);
    form.payStatus = TrimmedField(record.PayStatus);
    form.payFrequency =
        record.PayFrequency >= 0 && record.PayFrequency <= FlatRateFrequency ? record.PayFrequency : -1;
    return form;
}

EmployeeRecord RecordOf(const EmployeeFormValues& form, const EmployeeRecord& base,
                        const std::optional<EmployeeFormValues>& shown) {
    EmployeeRecord r = base;
    const auto unchanged = [&](auto member) { return shown && (*shown).*member == form.*member; };
    const auto boxUnchanged = [&](int box) { return shown && shown->boxes[box] == form.boxes[box]; };

    for (const TextBox& t : TextBoxes)
        if (!boxUnchanged(t.box)) r.*(t.field) = form.boxes[t.box].trimmed().left(t.width);
    if (!unchanged(&EmployeeFormValues::state))
        r.State = form.state >= 0 ? StateCodeOf(form.stateText) : QString();
    if (!unchanged(&EmployeeFormValues::nonResident)) r.NonResident = form.nonResident ? -1 : 0;
    if (!unchanged(&EmployeeFormValues::start)) r.StartDate = OleDateOf(form.start);
    if (!unchanged(&EmployeeFormValues::termination)) r.TerminationDate = TerminationText(form.termination);
    if (!unchanged(&EmployeeFormValues::effective)) r.RateEffectiveDate = OleDateOf(form.effective);
    if (!unchanged(&EmployeeFormValues::maritalStatus)) r.MaritalStatus = form.maritalStatus;
    if (!unchanged(&EmployeeFormValues::dependents)) r.Dependents = form.dependents;
    for (const auto& [box, field] : PerPayMoneyBoxes)
        if (!boxUnchanged(box)) r.*field = AmountOf(form.boxes[box]);
    r.DeductionLabel401k = DeductionLabel401k;
    if (!boxUnchanged(EmployeeBox::Percent401k))
        r.Percent401k = PercentOf(form.boxes[EmployeeBox::Percent401k]);
    if (!unchanged(&EmployeeFormValues::payStatus)) r.PayStatus = form.payStatus;
    if (!boxUnchanged(EmployeeBox::PayRate))
        r.PayRate = PayRateToStore(form.boxes[EmployeeBox::PayRate]).value_or(r.PayRate);
    if (!unchanged(&EmployeeFormValues::payFrequency)) r.PayFrequency = form.payFrequency;
    return r;
}

std::optional<QString> PayRateToStore(const QString& boxText) {
    const QString trimmed = boxText.trimmed();
    const std::optional<Money> amount = ParseMoney(trimmed);
    if (!amount) return CurrencyText(Money());
    if (trimmed.size() <= PayRateWidth) return trimmed;
    // Cutting "$123,456.78" to the field would lose the cents: the digits alone fit.
    const QString plain = PlainNumberText(Decimal{amount->raw(), 4});
    if (plain.size() > PayRateWidth) return std::nullopt;
    return plain;
}

QString StateCodeOf(const QString& listText) {
    const QString name = listText.trimmed();
    for (const PostalCode& p : PostalCodes)
        if (name.compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0) return QLatin1String(p.code);
    return name.left(2);
}

int StateEntryOf(const QString& storedState, const QStringList& stateNames) {
    const QString stored = storedState.trimmed();
    if (stored.isEmpty()) return -1;
    for (int i = 0; i < stateNames.size(); ++i)
        if (StateCodeOf(stateNames.at(i)) == stored) return i;
    for (int i = 0; i < stateNames.size(); ++i)
        if (stateNames.at(i).trimmed().startsWith(stored)) return i;
    return -1;
}

QString PercentBoxText(float percent) {
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, percent, std::chars_format::fixed);
    return QString::fromLatin1(digits, result.ptr - digits);
}

QString TerminationText(const QString& maskedText) {
    const bool anyDigit =
        std::any_of(maskedText.begin(), maskedText.end(), [](QChar c) { return c.isDigit(); });
    return anyDigit ? maskedText.trimmed() : QString();
}

std::optional<std::int32_t> RecordToSave(const QString& employeeNoText, std::int32_t recordCount,
                                         std::int32_t loadedRecord) {
    const QString text = employeeNoText.trimmed();
    if (text.isEmpty() || text.size() > 9) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const std::int32_t record = text.toInt() - 1000;
    if (loadedRecord > 0) {
        if (record < 1 || record > recordCount) return std::nullopt;
    } else if (record != recordCount + 1) {
        return std::nullopt;
    }
    return record;
}

QString NextEmployeeNumberText(std::int32_t recordCount) {
    return QString::number(recordCount + 1001);
}
