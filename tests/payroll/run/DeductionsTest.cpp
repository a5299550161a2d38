// 401k, net pay, employer unemployment taxes and the run's totals.
#include "PayEngine.h"
#include "PayrollTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace payrolltest;

namespace {

class DeductionsTest : public ProgramFolderTest {
protected:
    DeductionsTest() {
        state.ResetRows(3);
        for (int row : {1, 2, 3})
            g.put(
                row,
                Worker(row, QStringLiteral("Worker"), QStringLiteral("Salary"), QStringLiteral("$1,000.00")),
                SalaryWord);
    }
    PayEngine engine() { return PayEngine(state, settings, ScriptedQuestions()); }
    QString aux(int row, int col) const { return g.auxCell(row, col); }
    static Money cents(std::int64_t c) { return Money::fromCents(c); }
    void grossOf(int row, Money gross, int percent) {
        state.Row(row).Gross = gross;
        state.Row(row).Percent401k = Decimal::fromInt(percent);
    }

    PayRun state;
    RunRows g{state};
    TaxSettings settings = ExampleSettings();
};

} // namespace

TEST_F(DeductionsTest, MatchIsTheSmallerOfDeductionAndMatchingPercent) {
    grossOf(1, cents(100000), 5);
    settings.Match401k = true;
    settings.MatchingPercent = QStringLiteral("3");
    engine().Compute401k(1);
    EXPECT_EQ(aux(1, AuxCol::Deduction401k), QStringLiteral("$50.00"));
    EXPECT_EQ(aux(1, AuxCol::Match401k), QStringLiteral("$30.00"));
    settings.MatchingPercent = QStringLiteral("6");
    engine().Compute401k(1);
    EXPECT_EQ(aux(1, AuxCol::Match401k), QStringLiteral("$50.00"));
    settings.MatchingPercent = QStringLiteral("4.5");
    engine().Compute401k(1);
    EXPECT_EQ(aux(1, AuxCol::Match401k), QStringLiteral("$45.00"));
}

TEST_F(DeductionsTest, WithoutMatchingTheMatchColumnKeepsItsValue) {
    grossOf(1, cents(100000), 5);
    g.setAux(1, AuxCol::Match401k, QStringLiteral("$12.34"));
    engine().Compute401k(1);
    EXPECT_EQ(aux(1, AuxCol::Match401k), QStringLiteral("$12.34"));
    EXPECT_EQ(aux(1, AuxCol::Deduction401k), QStringLiteral("$50.00"));
}

TEST_F(DeductionsTest, ContributionPercentIsTakenAsElected) {
    // 3.5 % stays 3.5 %: it is not rounded to a whole percent.
    EXPECT_EQ(PercentOf401k(3.5f), (Decimal{35, 1}));
    EXPECT_EQ(PercentOf401k(4.25f), (Decimal{425, 2}));
    state.Row(1).Gross = cents(100000);
    state.Row(1).Percent401k = PercentOf401k(3.5f);
    engine().Compute401k(1);
    EXPECT_EQ(aux(1, AuxCol::Deduction401k), QStringLiteral("$35.00"));
}

TEST_F(DeductionsTest, WorkedNetPayIs70650) {
    grossOf(1, cents(100000), 5);
    const char* taxes[6] = {"$80.00", "$10.00", "$62.00", "$14.50", "$30.00", "$0.00"};
    for (int c = 0; c < 6; ++c)
        g.setCell(1, PayCol::Federal + c, QString::fromUtf8(taxes[c]));
    g.setAux(1, AuxCol::ChildSupport, QStringLiteral("$25.00"));
    g.setAux(1, AuxCol::SupportFee, QStringLiteral("$2.00"));
    g.setAux(1, AuxCol::Insurance, QStringLiteral("$20.00"));
    g.setAux(1, AuxCol::Match401k, QStringLiteral("$30.00")); // paid by the employer, not deducted
    PayEngine run = engine();
    run.Compute401k(1);
    run.ComputeNetPay(1);
    EXPECT_EQ(state.Row(1).NetPay, cents(70650));
    EXPECT_EQ(g.cell(1, PayCol::Net), QStringLiteral("$706.50"));
}

TEST_F(DeductionsTest, NetPayReadsTheCellsAtCents) {
    state.Row(1).Gross = Money::fromRaw(4610255);
    g.setCell(1, PayCol::Federal, QStringLiteral("$10.00"));
    engine().ComputeNetPay(1);
    EXPECT_EQ(state.Row(1).NetPay, Money::fromRaw(4510255));
}

TEST_F(DeductionsTest, UnemploymentTaxCountsThePayUpToTheWageBase) {
    struct Case {
        std::int64_t gross, ytd, taxable; // cents
    } cases[] = {
        {40000, 650000, 40000},   // under the base
        {50000, 650000, 50000},   // reaching it exactly
        {300000, 600000, 100000}, // $6,000.00 paid before, $3,000.00 now: $1,000.00 is taxed
        {100000, 700000, 0},      // the base paid already
    };
    for (const Case& c : cases) {
        state.Totals = RunTotals{};
        engine().ComputeEmployerUnemployment(cents(c.gross), cents(c.ytd));
        EXPECT_EQ(state.Totals.Futa, cents(c.taxable).times(0.006)) << c.gross << " after " << c.ytd;
        EXPECT_EQ(state.Totals.Suta, cents(c.taxable).times(0.027)) << c.gross << " after " << c.ytd;
    }
}

TEST_F(DeductionsTest, NoneMeansNoUnemploymentWageMaximum) {
    settings.Tables[9] = QStringLiteral("None");
    settings.Tables[10] = QStringLiteral("None");
    engine().ComputeEmployerUnemployment(cents(100000), cents(5000000));
    EXPECT_EQ(state.Totals.Futa, cents(600));
    EXPECT_EQ(state.Totals.Suta, cents(2700));
}

TEST_F(DeductionsTest, FundsRequiredAddTheEmployersCosts) {
    RunTotals t;
    t.Gross = cents(100000);
    t.FicaEmployee = cents(6200);
    t.FicaBoth = cents(12400);
    t.MedicareEmployee = cents(1450);
    t.MedicareBoth = cents(2900);
    t.Futa = cents(600);
    t.Suta = cents(2700);
    t.Match401k = cents(3000);
    t.ChildSupport = cents(2500);
    EXPECT_EQ(t.FundsRequired(), cents(113950));
    const auto summary = t.PaymentSummary();
    EXPECT_EQ(summary[3], cents(12400));
    EXPECT_EQ(summary[8], cents(113950));
    EXPECT_EQ(summary[9], cents(2500));
    EXPECT_EQ(summary[12], cents(2700));
    EXPECT_EQ(summary[14], cents(3000));
}

TEST_F(DeductionsTest, DeductionTotalsCountMarkedRowsOnly) {
    settings.Match401k = true;
    settings.MatchingPercent = QStringLiteral("2");
    for (int row : {1, 2, 3}) {
        grossOf(row, cents(100000), 3);
        g.setAux(row, AuxCol::ChildSupport, QStringLiteral("$25.00"));
        g.setAux(row, AuxCol::SupportFee, QStringLiteral("$1.50"));
        g.setAux(row, AuxCol::Insurance, QStringLiteral("$40.00"));
    }
    g.setCell(2, PayCol::Mark, QString());
    engine().TotalDeductions();
    const RunTotals& t = state.Totals;
    EXPECT_EQ(t.ChildSupport, cents(5000));
    EXPECT_EQ(t.SupportFee, cents(300));
    EXPECT_EQ(t.Deduction401k, cents(6000));
    EXPECT_EQ(t.Match401k, cents(4000));
    EXPECT_EQ(t.Insurance, cents(8000));
}

TEST_F(DeductionsTest, WageUnderMaximumTakesThePartUpToIt) {
    EXPECT_EQ(WageUnderMaximum(cents(12800000), cents(100000), cents(12840000)), cents(40000));
    EXPECT_EQ(WageUnderMaximum(cents(12840000), cents(100000), cents(12840000)), Money());
    EXPECT_EQ(WageUnderMaximum(Money(), cents(100000), cents(12840000)), cents(100000));
}
