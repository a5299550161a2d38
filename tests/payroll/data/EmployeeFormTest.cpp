#include "EmployeeForm.h"
#include "RecordSupport.h"

#include <gtest/gtest.h>

namespace {

const QStringList States{QStringLiteral("Alabama"), QStringLiteral("Alaska"),   QStringLiteral("Nebraska"),
                         QStringLiteral("Nevada"),  QStringLiteral("New York"), QStringLiteral("Illinois")};

EmployeeRecord Stored() {
    EmployeeRecord e = testrecords::Employee(1);
    e.InsurancePerPay = Money::fromCents(2500);
    e.YTDGross = Money::fromRaw(4610255); // four decimals, as the pay run keeps gross pay
    e.YTDInsurance = Money::fromCents(12345);
    e.Percent401k = 3.3f;
    e.TerminationDate = QStringLiteral("12/31/2025");
    return e;
}

TEST(EmployeeForm, EveryFieldShownReadsBackAsStored) {
    const EmployeeRecord stored = Stored();
    const EmployeeFormValues form = FormValuesOf(stored, States);
    EXPECT_EQ(form.boxes[EmployeeBox::YTDGross], QStringLiteral("$461.03"));
    EXPECT_EQ(form.boxes[EmployeeBox::Percent401k], QStringLiteral("3.3"));
    EXPECT_EQ(form.stateText, QStringLiteral("Illinois"));
    // Taken from the values alone, as for a new employee, and kept where left unchanged.
    EXPECT_EQ(RecordOf(form, stored, std::nullopt).encode(), stored.encode());
    EXPECT_EQ(RecordOf(form, stored, form).encode(), stored.encode());
}

TEST(EmployeeForm, AnAmountLeftUnchangedKeepsItsStoredFraction) {
    EmployeeRecord stored = Stored();
    stored.ChildSupportPerPay = Money::fromRaw(123456); // $12.3456 shows $12.35
    const EmployeeFormValues form = FormValuesOf(stored, States);
    EXPECT_EQ(RecordOf(form, stored, form).ChildSupportPerPay, Money::fromRaw(123456));
    EXPECT_EQ(RecordOf(form, stored, std::nullopt).ChildSupportPerPay, Money::fromCents(1235));
}

TEST(EmployeeForm, YearToDateTotalsAlwaysComeFromTheLoadedRecord) {
    const EmployeeRecord stored = Stored();
    EmployeeFormValues form = FormValuesOf(stored, States);
    form.boxes[EmployeeBox::YTDGross] = QStringLiteral("$1.00");
    form.boxes[EmployeeBox::YTDInsurance] = QStringLiteral("$0.00");
    const EmployeeRecord saved = RecordOf(form, stored, std::nullopt);
    for (const auto& [box, field] : YearToDateBoxes)
        EXPECT_EQ(saved.*field, stored.*field) << box;
}

TEST(EmployeeForm, NewEmployeeTakesEveryValueFromTheForm) {
    EmployeeFormValues form;
    form.boxes[EmployeeBox::Name] = QStringLiteral("  Lee Park  ");
    form.boxes[EmployeeBox::EmployeeNo] = QStringLiteral("1003");
    form.boxes[EmployeeBox::SSN] = QStringLiteral("123-45-6789-000");
    form.boxes[EmployeeBox::Insurance] = QStringLiteral("12.5");
    form.boxes[EmployeeBox::Percent401k] = QStringLiteral("4.25");
    form.boxes[EmployeeBox::PayRate] = QStringLiteral("$18.50");
    form.state = 4;
    form.stateText = QStringLiteral("New York");
    form.start = QDate(2026, 1, 1);
    form.effective = QDate(2026, 6, 15);
    form.maritalStatus = 1;
    form.dependents = QStringLiteral("2");
    form.payStatus = QStringLiteral("Salary");
    form.payFrequency = 3;
    const EmployeeRecord r = RecordOf(form, EmployeeRecord{}, std::nullopt);
    EXPECT_EQ(r.Name, QStringLiteral("Lee Park"));
    EXPECT_EQ(r.SSN, QStringLiteral("123-45-6789"));
    EXPECT_EQ(r.State, QStringLiteral("NY"));
    EXPECT_EQ(r.InsurancePerPay, Money::fromCents(1250));
    EXPECT_EQ(r.Percent401k, 4.25f);
    EXPECT_EQ(r.StartDate, 46023.0);
    EXPECT_EQ(r.DeductionLabel401k, QStringLiteral("401k Contribution"));
    EXPECT_EQ(r.MaritalStatus, 1);
    EXPECT_EQ(r.PayFrequency, 3);
    EXPECT_EQ(r.TerminationDate, QString());
}

TEST(EmployeeForm, EmptyOrNonNumericAmountsSaveAsZero) {
    EmployeeFormValues form = FormValuesOf(Stored(), States);
    form.boxes[EmployeeBox::PayRate] = QString();
    form.boxes[EmployeeBox::Percent401k] = QString();
    form.boxes[EmployeeBox::Insurance] = QStringLiteral("abc");
    form.boxes[EmployeeBox::ExtraWithholding] = QString();
    const EmployeeRecord r = RecordOf(form, Stored(), std::nullopt);
    EXPECT_EQ(r.PayRate, QStringLiteral("$0.00"));
    EXPECT_EQ(r.Percent401k, 0.0f);
    EXPECT_EQ(r.InsurancePerPay, Money());
    EXPECT_EQ(r.ExtraWithholding, Money());
}

TEST(EmployeeForm, PayRateTooLongForItsFieldIsStoredAsItsPlainNumber) {
    EXPECT_EQ(PayRateToStore(QStringLiteral(" $18.50 ")), QStringLiteral("$18.50"));
    EXPECT_EQ(PayRateToStore(QStringLiteral("$99,999.99")), QStringLiteral("$99,999.99"));
    EXPECT_EQ(PayRateToStore(QStringLiteral("$123,456.78")), QStringLiteral("123456.78"));
    EXPECT_EQ(PayRateToStore(QStringLiteral("$1,234,567.80")), QStringLiteral("1234567.8"));
    EXPECT_EQ(PayRateToStore(QStringLiteral("$9,999,999,999.00")), QStringLiteral("9999999999"));
    EXPECT_EQ(PayRateToStore(QString()), QStringLiteral("$0.00"));
    EXPECT_EQ(PayRateToStore(QStringLiteral("n/a")), QStringLiteral("$0.00"));

    EmployeeFormValues form = FormValuesOf(Stored(), States);
    form.boxes[EmployeeBox::PayRate] = QStringLiteral("$123,456.78");
    const EmployeeRecord saved = EmployeeRecord::decode(RecordOf(form, Stored(), std::nullopt).encode());
    EXPECT_EQ(MoneyOf(saved.PayRate.trimmed()), Money::fromCents(12345678));
    // Shown again and left alone, it stays as stored.
    const EmployeeFormValues shown = FormValuesOf(saved, States);
    EXPECT_EQ(RecordOf(shown, saved, shown).encode(), saved.encode());
}

TEST(EmployeeForm, PayRateThatFitsNotEvenAsPlainDigitsIsNotStored) {
    EXPECT_EQ(PayRateToStore(QStringLiteral("$12,345,678.91")), std::nullopt);
    EXPECT_EQ(PayRateToStore(QStringLiteral("$10,000,000,000.00")), std::nullopt);
    EmployeeFormValues form = FormValuesOf(Stored(), States);
    form.boxes[EmployeeBox::PayRate] = QStringLiteral("$12,345,678.91");
    EXPECT_EQ(RecordOf(form, Stored(), std::nullopt).PayRate, Stored().PayRate);
}

TEST(EmployeeForm, StateIsStoredAsItsPostalCodeAndShownFromIt) {
    EXPECT_EQ(StateCodeOf(QStringLiteral("New York ")), QStringLiteral("NY"));
    EXPECT_EQ(StateCodeOf(QStringLiteral("Nevada")), QStringLiteral("NV"));
    EXPECT_EQ(StateCodeOf(QStringLiteral("District of Columbia")), QStringLiteral("DC"));
    EXPECT_EQ(StateCodeOf(QStringLiteral("Ontario")), QStringLiteral("On"));
    EXPECT_EQ(StateEntryOf(QStringLiteral("NY"), States), 4);
    EXPECT_EQ(StateEntryOf(QStringLiteral("IL"), States), 5);
    // Older records kept a name's first two characters.
    EXPECT_EQ(StateEntryOf(QStringLiteral("Ne"), States), 2);
    EXPECT_EQ(StateEntryOf(QStringLiteral("ZZ"), States), -1);
    EXPECT_EQ(StateEntryOf(QString(), States), -1);
}

TEST(EmployeeForm, OlderStateTextIsKeptUntilAnotherStateIsChosen) {
    EmployeeRecord stored = Stored();
    stored.State = QStringLiteral("Ne");
    EmployeeFormValues form = FormValuesOf(stored, States);
    EXPECT_EQ(form.stateText, QStringLiteral("Nebraska"));
    EXPECT_EQ(RecordOf(form, stored, form).State, QStringLiteral("Ne"));
    const EmployeeFormValues shown = form;
    form.state = 4;
    form.stateText = QStringLiteral("New York");
    EXPECT_EQ(RecordOf(form, stored, shown).State, QStringLiteral("NY"));
}

TEST(EmployeeForm, PercentShowsTheFloatsShortestDecimalForm) {
    EXPECT_EQ(PercentBoxText(3.5f), QStringLiteral("3.5"));
    EXPECT_EQ(PercentBoxText(3.3f), QStringLiteral("3.3"));
    EXPECT_EQ(PercentBoxText(0.0f), QStringLiteral("0"));
    EXPECT_EQ(PercentBoxText(0.00001f), QStringLiteral("0.00001"));
}

TEST(EmployeeForm, EmptyTerminationMaskSavesBlank) {
    EXPECT_EQ(TerminationText(QStringLiteral("//")), QString());
    EXPECT_EQ(TerminationText(QStringLiteral("  /  /    ")), QString());
    EXPECT_EQ(TerminationText(QStringLiteral("12/31/2026")), QStringLiteral("12/31/2026"));
}

TEST(EmployeeForm, SaveNeedsTheNumberOfTheLoadedRecordOrTheNextFreeOne) {
    // A new employee is appended at count + 1.
    EXPECT_EQ(RecordToSave(QStringLiteral("1001"), 0, 0), 1);
    EXPECT_EQ(RecordToSave(QStringLiteral(" 1004 "), 3, 0), 4);
    EXPECT_EQ(RecordToSave(QStringLiteral("1003"), 3, 0), std::nullopt);
    // A loaded one is written in place.
    EXPECT_EQ(RecordToSave(QStringLiteral("1002"), 3, 2), 2);
    EXPECT_EQ(RecordToSave(QStringLiteral("1004"), 3, 2), std::nullopt);
    for (const char* text : {"", "1000", "999", "-1001", "1001.5", "10O1", "abc", "99999999999"})
        EXPECT_EQ(RecordToSave(QString::fromLatin1(text), 3, 1), std::nullopt) << text;
    EXPECT_EQ(NextEmployeeNumberText(0), QStringLiteral("1001"));
    EXPECT_EQ(NextEmployeeNumberText(9), QStringLiteral("1010"));
}

} // namespace
