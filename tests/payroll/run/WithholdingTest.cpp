// Federal, Social Security, Medicare, state and local withholding on grids built here.
#include "PayEngine.h"
#include "PayrollTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace payrolltest;

namespace {

class WithholdingTest : public ProgramFolderTest {
protected:
    WithholdingTest() { state.ResetRows(3); }
    PayEngine engine() { return PayEngine(state, settings, ScriptedQuestions()); }
    QString cell(int row, int col) const { return g.cell(row, col); }
    static Money cents(std::int64_t c) { return Money::fromCents(c); }
    EmployeeRecord single(int frequency = 0) const {
        return Worker(1, QStringLiteral("Sue Single"), QStringLiteral("Hourly"), QStringLiteral("$12.50"),
                      frequency);
    }

    PayRun state;
    RunRows g{state};
    TaxSettings settings = ExampleSettings();
};

} // namespace

// ---- Federal income tax -----------------------------------------------------------------------

TEST_F(WithholdingTest, WorkedFederalExampleWithholds3442) {
    const EmployeeRecord e = single();
    const TaxableWage taxable = engine().ComputeTaxableWage(cents(50000), e, Decimal::fromInt(1));
    EXPECT_EQ(taxable.Federal, cents(42020));
    EXPECT_EQ(engine().FederalTax(1, taxable.Federal), Money::fromRaw(344240)); // 20.00 + 120.20 x 12 %
    g.put(1, e, QStringLiteral("40"));
    engine().ComputeFederalTax(1, 1, taxable.Federal);
    EXPECT_EQ(cell(1, PayCol::Federal), QStringLiteral("$34.42"));
    EXPECT_EQ(state.Totals.Federal, Money::fromRaw(344240));
}

TEST_F(WithholdingTest, WageAtABracketsUpperBoundFallsInThatBracket) {
    EXPECT_EQ(engine().FederalTax(1, cents(30000)), cents(2000));
    EXPECT_EQ(engine().FederalTax(1, cents(30001)), Money::fromRaw(200012)); // next bracket
}

TEST_F(WithholdingTest, NoFederalTaxBelowTheFirstBracket) {
    EXPECT_EQ(engine().FederalTax(1, cents(9999)), Money());
    EXPECT_EQ(engine().FederalTax(1, cents(10000)), Money()); // at the lower bound itself
    EXPECT_EQ(engine().FederalTax(1, cents(-5000)), Money());
    g.put(1, single(), QStringLiteral("40"));
    engine().ComputeFederalTax(1, 1, cents(-5000));
    EXPECT_EQ(cell(1, PayCol::Federal), QStringLiteral("$0.00"));
}

TEST_F(WithholdingTest, WageAboveTheSeventhBracketUsesItsBaseAndPercent) {
    EXPECT_EQ(engine().FederalTax(1, cents(1000000)), cents(251400 + 37000));
}

TEST_F(WithholdingTest, AllowancesAreTakenAsClaimedNoneIncluded) {
    // The married weekly percentage row of the 2018 tables, $79.80 an allowance.
    const char* const brackets[2][4] = {{"$222.00", "$588.00", "$0.00", "10.0%"},
                                        {"$588.00", "$1,688.00", "$36.60", "12.0%"}};
    for (std::size_t b = 0; b < 2; ++b) {
        settings.TaxTable[2][2 * b + 1] = QString::fromLatin1(brackets[b][0]);
        settings.TaxTable[2][2 * b + 2] = QString::fromLatin1(brackets[b][1]);
        settings.Percentage[2][2 * b + 1] = QString::fromLatin1(brackets[b][2]);
        settings.Percentage[2][2 * b + 2] = QString::fromLatin1(brackets[b][3]);
    }
    const std::pair<const char*, std::int64_t> cases[] = {{"0", 3804}, {"1", 2982}};
    for (const auto& [claimed, withheld] : cases) {
        EmployeeRecord e = single();
        e.MaritalStatus = 1;
        e.Dependents = QString::fromLatin1(claimed);
        const TaxableWage taxable = engine().ComputeTaxableWage(cents(60000), e, Decimal::fromInt(1));
        EXPECT_EQ(engine().FederalTax(FederalTableRow(e), taxable.Federal).roundedToCents(), cents(withheld))
            << claimed << " allowances";
    }
}

TEST_F(WithholdingTest, FederalRowFollowsPeriodAndStatus) {
    EmployeeRecord e = single(1);
    EXPECT_EQ(FederalTableRow(e), 3); // Single bi-weekly
    e.PayFrequency = 7;
    e.MaritalStatus = 1;
    EXPECT_EQ(FederalTableRow(e), 16); // Married daily
    e.PayFrequency = 8;
    EXPECT_EQ(FederalTableRow(e), 2); // Flat Rate uses Married-Weekly

    // The row's own brackets are the ones used.
    settings.Percentage[3][3] = QStringLiteral("$55.00");
    g.put(1, single(1), QStringLiteral("40"));
    engine().ComputeWithholdings(1, {cents(42020), cents(42020)}, cents(60000), single(1));
    EXPECT_EQ(cell(1, PayCol::Federal), QStringLiteral("$69.42"));
}

TEST_F(WithholdingTest, DailyAllowanceIsPerDayWorked) {
    EmployeeRecord e = single(7);
    e.Dependents = QStringLiteral("2");
    const TaxableWage taxable = engine().ComputeTaxableWage(cents(24000), e, Decimal::fromInt(3));
    EXPECT_EQ(taxable.Other, cents(24000 - 9600)); // 2 x $16.00 x 3 days
}

TEST_F(WithholdingTest, FlatRateTakesTheWeeklyAllowance) {
    EmployeeRecord e = single(8);
    e.Dependents = QStringLiteral("2");
    EXPECT_EQ(engine().ComputeTaxableWage(cents(50000), e, Decimal::fromInt(1)).Other, cents(50000 - 15960));
}

TEST_F(WithholdingTest, ExtraWithholdingHasItsOwnColumn) {
    EmployeeRecord e = single();
    e.ExtraWithholding = cents(1000);
    g.put(1, e, QStringLiteral("40"));
    engine().AddExtraWithholding(1, e);
    EXPECT_EQ(cell(1, PayCol::ExtraFederal), QStringLiteral("$10.00"));
    EXPECT_EQ(state.Totals.ExtraFederal, cents(1000));
    e.ExtraWithholding = Money();
    engine().AddExtraWithholding(1, e);
    EXPECT_EQ(cell(1, PayCol::ExtraFederal), QStringLiteral("$0.00"));
}

// ---- The nonresident add-on -------------------------------------------------------------------

TEST_F(WithholdingTest, NonresidentAddOnRaisesOnlyTheFederalWage) {
    settings.NonResident = {QStringLiteral("$226.90"),    QStringLiteral("$453.80"),
                            QStringLiteral("$491.70"),    QStringLiteral("$983.30"),
                            QStringLiteral("$2,950.00"),  QStringLiteral("$5,900.00"),
                            QStringLiteral("$11,800.00"), QStringLiteral("$45.40")};
    EmployeeRecord e = single();
    e.NonResident = -1;
    TaxableWage t = engine().ComputeTaxableWage(cents(50000), e, Decimal::fromInt(1));
    EXPECT_EQ(t.Federal, cents(50000 - 7980 + 22690));
    EXPECT_EQ(t.Other, cents(50000 - 7980));

    e.PayFrequency = 7; // daily: the daily amount for each day
    t = engine().ComputeTaxableWage(cents(24000), e, Decimal::fromInt(3));
    EXPECT_EQ(t.Federal - t.Other, cents(3 * 4540));

    e.PayFrequency = 8; // Flat Rate: the weekly amount, as the weekly table and allowance
    t = engine().ComputeTaxableWage(cents(50000), e, Decimal::fromInt(1));
    EXPECT_EQ(t.Federal - t.Other, cents(22690));

    settings.NonResident.clear(); // no table file: no add-on
    t = engine().ComputeTaxableWage(cents(50000), e, Decimal::fromInt(1));
    EXPECT_EQ(t.Federal, t.Other);
}

// ---- Social Security and Medicare -------------------------------------------------------------

TEST_F(WithholdingTest, SocialSecurityStopsAtTheWageBase) {
    g.put(1, single(), QStringLiteral("40"));
    engine().ComputeFicaMedicare(1, cents(100000), cents(12800000));
    EXPECT_EQ(cell(1, PayCol::Fica), QStringLiteral("$24.80")); // $400.00 left under the base
    EXPECT_EQ(state.Totals.FicaBoth, cents(4960));
    engine().ComputeFicaMedicare(1, cents(100000), cents(12840000));
    EXPECT_EQ(cell(1, PayCol::Fica), QStringLiteral("$0.00"));
    settings.Tables[6] = QStringLiteral("None");
    engine().ComputeFicaMedicare(1, cents(100000), cents(12840000));
    EXPECT_EQ(cell(1, PayCol::Fica), QStringLiteral("$62.00"));
}

TEST_F(WithholdingTest, MedicareCountsBothShares) {
    g.put(1, single(), QStringLiteral("40"));
    engine().ComputeFicaMedicare(1, cents(100000), Money());
    EXPECT_EQ(cell(1, PayCol::Medicare), QStringLiteral("$14.50"));
    EXPECT_EQ(state.Totals.MedicareEmployee, cents(1450));
    EXPECT_EQ(state.Totals.MedicareBoth, cents(2900));
    EXPECT_EQ(state.Totals.FicaEmployee, cents(6200));
    EXPECT_EQ(state.Totals.FicaBoth, cents(12400));
}

TEST_F(WithholdingTest, AdditionalMedicareIsWithheldOnWagesAbove200000) {
    settings.Tables[6] = QStringLiteral("None");
    g.put(1, single(), QStringLiteral("40"));
    // $500.00 of this pay lies above $200,000: 0.9 % of it, with no employer share.
    engine().ComputeFicaMedicare(1, cents(100000), cents(19950000));
    EXPECT_EQ(cell(1, PayCol::Medicare), QStringLiteral("$19.00"));
    EXPECT_EQ(state.Totals.MedicareBoth, cents(2900 + 450));
    state.Totals = RunTotals{};
    engine().ComputeFicaMedicare(1, cents(100000), cents(25000000));
    EXPECT_EQ(cell(1, PayCol::Medicare), QStringLiteral("$23.50"));
    EXPECT_EQ(state.Totals.MedicareEmployee, cents(2350));
    EXPECT_EQ(state.Totals.MedicareBoth, cents(3800));
    EXPECT_EQ(state.Totals.FundsRequired() - state.Totals.Gross, cents(6200 + 1450));
}

// ---- State and local tax ----------------------------------------------------------------------

TEST_F(WithholdingTest, FlatRateStatesUseTheirOwnRate) {
    settings.Tables[7] = QStringLiteral("Table");
    settings.StateIndex = 13;
    EXPECT_EQ(engine().StateTax(cents(90000), cents(100000), Money(), single()), cents(4950));
    settings.StateIndex = 14;
    EXPECT_EQ(engine().StateTax(cents(90000), cents(100000), Money(), single()), cents(3230));
    settings.StateIndex = 22;
    EXPECT_EQ(engine().StateTax(cents(90000), cents(100000), Money(), single()), cents(4250));
}

TEST_F(WithholdingTest, StateTableRateIsChosenByTheAnnualWage) {
    settings.Tables[7] = QStringLiteral("Table");
    settings.StateTable = {{},
                           {QStringLiteral("Single"), QStringLiteral("2.00%"), QStringLiteral("$0.00"),
                            QStringLiteral("4.00%"), QStringLiteral("$10,000.00"), QStringLiteral("6.00%"),
                            QStringLiteral("$50,000.00"), QString()}};
    // Semimonthly $2,000.00 is $48,000.00 a year: the 4 % bracket, applied to the gross.
    EXPECT_EQ(engine().StateTax(cents(200000), cents(250000), Money(), single(2)), cents(10000));
    EXPECT_EQ(engine().StateTax(cents(-100), cents(10000), Money(), single(2)), Money());
    EmployeeRecord married = single(2);
    married.MaritalStatus = 1; // no Married row in this table
    EXPECT_EQ(engine().StateTax(cents(200000), cents(250000), Money(), married), Money());
}

TEST_F(WithholdingTest, StateRateNeedsTheFlatBoxOrAMaximum) {
    EXPECT_EQ(engine().StateTax(cents(90000), cents(100000), Money(), single()),
              Money()); // "None", unchecked
    settings.StateFlat = true;
    EXPECT_EQ(engine().StateTax(cents(90000), cents(100000), Money(), single()), cents(3000));
    settings.StateFlat = false;
    settings.Tables[7] = QStringLiteral("$10,000.00");
    EXPECT_EQ(engine().StateTax(cents(90000), cents(100000), cents(950000), single()), cents(1500));
}

TEST_F(WithholdingTest, TypedLocalTaxStandsWhateverTheFlags) {
    settings.Tables[3] = QStringLiteral("1.00%"); // a rate that would tax every wage below
    g.put(1, single(), QStringLiteral("40"));
    g.put(2, single(), QStringLiteral("40"));
    state.Row(1).ManualTax(PayCol::Local) = cents(500);
    for (const bool flat : {false, true}) {
        for (const char* maximum : {"None", "$1,000.00"}) {
            settings.LocalFlat = flat;
            settings.Tables[8] = QString::fromUtf8(maximum);
            state.Totals = RunTotals{};
            PayEngine run = engine();
            run.ComputeLocalTax(1, cents(90000), cents(100000), Money());
            EXPECT_EQ(cell(1, PayCol::Local), QStringLiteral("$5.00")) << flat << maximum;
            // A typed tax belongs to its row only.
            run.ComputeLocalTax(2, cents(90000), cents(100000), Money());
            const Money computed = run.LocalTax(cents(90000), cents(100000), Money());
            EXPECT_EQ(cell(2, PayCol::Local), CurrencyText(computed)) << flat << maximum;
            EXPECT_EQ(state.Totals.Local, cents(500) + computed) << flat << maximum;
        }
    }
    // With the flat box ticked and a maximum the rate did apply to the untyped row.
    EXPECT_EQ(cell(2, PayCol::Local), QStringLiteral("$10.00"));
}

TEST_F(WithholdingTest, TypedZeroTaxStandsThroughTheRecalculation) {
    settings.Tables[3] = QStringLiteral("1.00%");
    settings.Tables[8] = QStringLiteral("$1,000.00");
    settings.LocalFlat = true;
    settings.StateFlat = true;
    const EmployeeRecord a = Worker(1, QStringLiteral("Al"), QStringLiteral("Hourly"), QStringLiteral("$10.00"));
    const EmployeeRecord b = Worker(2, QStringLiteral("Bo"), QStringLiteral("Hourly"), QStringLiteral("$10.00"));
    testrecords::WriteEmployees({a, b});
    g.put(1, a, QStringLiteral("40"));
    g.put(2, b, QStringLiteral("40"));
    state.Row(1).ManualTax(PayCol::Local) = Money(); // typed $0.00: no local tax for this row
    for (int pass = 1; pass <= 2; ++pass) {
        state.Totals = RunTotals{};
        engine().CalculatePayroll();
        EXPECT_EQ(cell(1, PayCol::Local), QStringLiteral("$0.00")) << pass;
        EXPECT_EQ(cell(1, PayCol::State), QStringLiteral("$12.00")) << pass; // its other cells are figured
        EXPECT_EQ(cell(2, PayCol::Local), QStringLiteral("$4.00")) << pass;  // the other row is taxed
        EXPECT_EQ(state.Totals.Local, cents(400)) << pass;
        EXPECT_EQ(state.Row(1).NetPay - state.Row(2).NetPay, cents(400)) << pass;
    }
}

TEST_F(WithholdingTest, LocalTaxIsNeverNegative) {
    settings.Tables[3] = QStringLiteral("1.00%");
    settings.LocalFlat = true;
    EXPECT_EQ(engine().LocalTax(cents(90000), cents(100000), Money()), cents(900));
    EXPECT_EQ(engine().LocalTax(cents(-3000), cents(5000), Money()), Money());
    settings.Tables[8] = QStringLiteral("$1,000.00");
    EXPECT_EQ(engine().LocalTax(cents(90000), cents(100000), cents(50000)), cents(500));
}

// ---- Unreadable settings -----------------------------------------------------------------------

TEST_F(WithholdingTest, UnreadableRatesAndMaximaAreNamed) {
    EXPECT_TRUE(engine().SettingsProblem().isEmpty());
    settings.Tables[0] = QString();
    EXPECT_EQ(engine().SettingsProblem(),
              QStringLiteral("The Social Security Rate on the Tax Tables screen is not a number"));
    settings.Tables[0] = QStringLiteral("6.2"); // no percent sign: read whole
    EXPECT_TRUE(engine().SettingsProblem().isEmpty());
    settings.Tables[9] = QStringLiteral("seven thousand");
    EXPECT_EQ(engine().SettingsProblem(), QStringLiteral("The Federal Unemployment Wage Maximum on the Tax "
                                                         "Tables screen must be an amount or the word None"));
    settings.Tables[9] = QStringLiteral("None");
    settings.Tables[2] = QStringLiteral("n/a"); // not used: no flat box, no maximum
    EXPECT_TRUE(engine().SettingsProblem().isEmpty());
    settings.StateFlat = true;
    EXPECT_EQ(engine().SettingsProblem(),
              QStringLiteral("The State Tax Rate on the Tax Tables screen is not a number"));
}

TEST_F(WithholdingTest, RateTextWithoutPercentSignKeepsItsLastDigit) {
    EXPECT_EQ(RateFromText(QStringLiteral("6.20%")), (Decimal{620, 4}));
    EXPECT_EQ(RateFromText(QStringLiteral("5")), (Decimal{5, 2}));
    EXPECT_FALSE(RateFromText(QStringLiteral("%")).has_value());
}
