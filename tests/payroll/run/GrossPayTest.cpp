// Gross pay and the calculation driver, on grids built here.
#include "PayEngine.h"
#include "PayrollTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace payrolltest;
using testrecords::WriteEmployees;

namespace {

class GrossPayTest : public ProgramFolderTest {
protected:
    GrossPayTest() { state.ResetRows(3); }
    PayEngine engine() { return PayEngine(state, settings, ScriptedQuestions()); }
    QString cell(int row, int col) const { return g.cell(row, col); }
    Money gross(int row) const { return state.Row(row).Gross; }
    Money net(int row) const { return state.Row(row).NetPay; }
    // The row as an earlier calculation left it: every amount cell filled, a typed state
    // tax, gross and net pay in the arrays.
    void calculatedBefore(int row) {
        for (int c = PayCol::FirstTax; c <= PayCol::Net; ++c)
            g.setCell(row, c, QStringLiteral("$12.00"));
        state.Row(row).ManualTax(PayCol::State) = Money::fromDollars(12);
        state.Row(row).Gross = Money::fromDollars(240);
        state.Row(row).NetPay = Money::fromDollars(200);
    }
    // Nothing of the earlier calculation is left but, perhaps, the gross cell.
    void expectNoFigures(int row) {
        for (int c = PayCol::FirstTax; c <= PayCol::LastTax; ++c)
            EXPECT_TRUE(cell(row, c).isEmpty()) << c;
        EXPECT_TRUE(cell(row, PayCol::Net).isEmpty());
        EXPECT_EQ(gross(row), Money());
        EXPECT_EQ(net(row), Money());
        EXPECT_FALSE(state.Row(row).ManualTax(PayCol::State).has_value());
    }
    int inputsAsked() {
        return static_cast<int>(
            std::count_if(dialogs->shown.begin(), dialogs->shown.end(),
                          [](const auto& s) { return s.kind == ScriptedDialogs::Kind::Input; }));
    }

    PayRun state;
    RunRows g{state};
    TaxSettings settings = ExampleSettings();
};

} // namespace

TEST_F(GrossPayTest, OvertimeStartsAboveFortyHours) {
    const EmployeeRecord e =
        Worker(1, QStringLiteral("Hal Hour"), QStringLiteral("Hourly"), QStringLiteral("$10.00"));
    g.put(1, e, QStringLiteral("40"));
    ASSERT_TRUE(engine().ComputeGrossPay(1, e));
    EXPECT_EQ(gross(1), Money::fromDollars(400));
    EXPECT_EQ(cell(1, PayCol::Gross), QStringLiteral("$400.00"));

    g.put(1, e, QStringLiteral("45"));
    ASSERT_TRUE(engine().ComputeGrossPay(1, e));
    EXPECT_EQ(gross(1), Money::fromDollars(475)); // $450.00 + 5 x $5.00
    EXPECT_EQ(state.Totals.Gross, Money::fromDollars(875));
}

TEST_F(GrossPayTest, GrossKeepsFourDecimalsAndShowsCents) {
    const EmployeeRecord e =
        Worker(1, QStringLiteral("Hal Hour"), QStringLiteral("Hourly"), QStringLiteral("$12.35"));
    g.put(1, e, QStringLiteral("37.33"));
    ASSERT_TRUE(engine().ComputeGrossPay(1, e));
    EXPECT_EQ(gross(1), Money::fromRaw(4610255));
    EXPECT_EQ(cell(1, PayCol::Gross), QStringLiteral("$461.03"));
}

TEST_F(GrossPayTest, PayRateIsTakenAtCents) {
    const EmployeeRecord e =
        Worker(1, QStringLiteral("Hal Hour"), QStringLiteral("Hourly"), QStringLiteral("10.005"));
    g.put(1, e, QStringLiteral("10"));
    ASSERT_TRUE(engine().ComputeGrossPay(1, e));
    EXPECT_EQ(gross(1), Money::fromCents(10010));
}

TEST_F(GrossPayTest, DailyPayAsksForTheDays) {
    const EmployeeRecord e =
        Worker(1, QStringLiteral("Dee Day"), QStringLiteral("Daily"), QStringLiteral("$80.00"), 7);
    g.put(1, e, DayWord);
    dialogs->answerInput(QStringLiteral("3"));
    ASSERT_TRUE(engine().ComputeGrossPay(1, e));
    EXPECT_EQ(gross(1), Money::fromDollars(240));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("Enter the Days Worked This Pay\r\nPeriod for Dee Day"));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Daily Employee"));
    EXPECT_EQ(state.DaysWorked, QStringLiteral("3"));
}

TEST_F(GrossPayTest, CancelledDaysLeaveTheRowUnmarkedWithNoFigures) {
    const EmployeeRecord e =
        Worker(1, QStringLiteral("Dee Day"), QStringLiteral("Daily"), QStringLiteral("$80.00"), 7);
    g.put(1, e, DayWord);
    calculatedBefore(1);
    dialogs->answerInput(std::nullopt);
    EXPECT_FALSE(engine().ComputeGrossPay(1, e));
    EXPECT_TRUE(cell(1, PayCol::Mark).isEmpty());
    expectNoFigures(1);
    EXPECT_TRUE(cell(1, PayCol::Gross).isEmpty());
    EXPECT_EQ(state.Totals.Gross, Money());
    EXPECT_EQ(dialogs->messages().back(),
              QStringLiteral("You have cancelled the Days input\r\nEmployee will not be paid"));
}

TEST_F(GrossPayTest, EmptyOrWordyDaysAreAskedAgainNeverTakenAsZero) {
    const EmployeeRecord e =
        Worker(1, QStringLiteral("Dee Day"), QStringLiteral("Daily"), QStringLiteral("$80.00"), 7);
    g.put(1, e, DayWord);
    dialogs->answerInput(QString()).answerInput(QStringLiteral("three")).answerInput(QStringLiteral("-1"));
    dialogs->answerInput(QStringLiteral("2.5"));
    ASSERT_TRUE(engine().ComputeGrossPay(1, e));
    EXPECT_EQ(gross(1), Money::fromDollars(200));
    EXPECT_EQ(inputsAsked(), 4);
    const auto messages = dialogs->messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], QStringLiteral("Enter the Days Worked as a number\r\n(for example 3 or 2.5)"));
}

TEST_F(GrossPayTest, CancelledFlatAmountShowsZeroGrossAndNoOtherFigures) {
    const EmployeeRecord e =
        Worker(1, QStringLiteral("Flo Flat"), QStringLiteral("Flat Rate"), QStringLiteral("$0.00"), 8);
    g.put(1, e, FlatWord);
    calculatedBefore(1);
    dialogs->answerInput(QStringLiteral("lots")).answerInput(std::nullopt);
    EXPECT_FALSE(engine().ComputeGrossPay(1, e));
    EXPECT_EQ(cell(1, PayCol::Gross), QStringLiteral("$0.00"));
    EXPECT_TRUE(cell(1, PayCol::Mark).isEmpty());
    expectNoFigures(1);
    EXPECT_EQ(state.Totals.Gross, Money());
    const auto messages = dialogs->messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], QStringLiteral("Enter the Flat Pay Amount as an amount\r\n(for example 250.00)"));
    EXPECT_EQ(messages[1],
              QStringLiteral("You have cancelled the flatpay  amount input\r\nEmployee will not be paid"));
    EXPECT_EQ(dialogs->shown[0].text,
              QStringLiteral("Enter the Flat Pay Amount for this Pay\r\nPeriod for Flo Flat"));
}

TEST_F(GrossPayTest, FlatAmountIsReadAtCents) {
    const EmployeeRecord e =
        Worker(1, QStringLiteral("Flo Flat"), QStringLiteral("Flat Rate"), QStringLiteral("$0.00"), 8);
    g.put(1, e, FlatWord);
    dialogs->answerInput(QStringLiteral("1,250.005"));
    ASSERT_TRUE(engine().ComputeGrossPay(1, e));
    EXPECT_EQ(gross(1), Money::fromCents(125001));
}

TEST_F(GrossPayTest, EachSalariedEmployeeGetsHisOwnBonusRow) {
    // Two employees of the same name: the bonus follows the row, not the name.
    const EmployeeRecord a =
        Worker(1, QStringLiteral("Sam Same"), QStringLiteral("Salary"), QStringLiteral("$1,000.00"));
    const EmployeeRecord b =
        Worker(2, QStringLiteral("Sam Same"), QStringLiteral("Salary"), QStringLiteral("$900.00"));
    g.put(1, a, SalaryWord);
    g.put(2, b, SalaryWord);
    g.setBonus(1, BonusList::Salaried, Money::fromDollars(100));
    g.setBonus(2, BonusList::Salaried, Money::fromDollars(50));
    PayEngine run = engine();
    ASSERT_TRUE(run.ComputeGrossPay(1, a));
    ASSERT_TRUE(run.ComputeGrossPay(2, b));
    EXPECT_EQ(gross(1), Money::fromDollars(1100));
    EXPECT_EQ(gross(2), Money::fromDollars(950));
}

TEST_F(GrossPayTest, HourlyBonusIsAddedBeforeOvertime) {
    const EmployeeRecord e =
        Worker(1, QStringLiteral("Hal Hour"), QStringLiteral("Hourly"), QStringLiteral("$10.00"));
    g.put(1, e, QStringLiteral("42"));
    g.setBonus(1, BonusList::Hourly, Money::fromDollars(25));
    ASSERT_TRUE(engine().ComputeGrossPay(1, e));
    EXPECT_EQ(gross(1), Money::fromDollars(420 + 25 + 10));
}

// ---- The driver over Employees.txt ------------------------------------------------------------------

TEST_F(GrossPayTest, RepeatedCalculationPaysFlatAndDailyRowsAgainWithoutAsking) {
    const EmployeeRecord flat =
        Worker(1, QStringLiteral("Flo Flat"), QStringLiteral("Flat Rate"), QStringLiteral("$0.00"), 8);
    const EmployeeRecord daily =
        Worker(2, QStringLiteral("Dee Day"), QStringLiteral("Daily"), QStringLiteral("$80.00"), 7);
    WriteEmployees({flat, daily});
    g.put(1, flat, FlatWord);
    g.put(2, daily, DayWord);
    dialogs->answerInput(QStringLiteral("500")).answerInput(QStringLiteral("3"));
    engine().CalculatePayroll();
    const RunTotals first = state.Totals;
    EXPECT_EQ(first.Gross, Money::fromDollars(740));
    EXPECT_FALSE(cell(1, PayCol::Federal).isEmpty());

    // The wizard zeroes the totals before every calculation; nothing is asked again and
    // both rows count in full, so the totals agree with what the rows will post.
    state.Totals = RunTotals{};
    engine().CalculatePayroll();
    EXPECT_EQ(inputsAsked(), 2);
    EXPECT_EQ(state.Totals.Gross, first.Gross);
    EXPECT_EQ(state.Totals.Federal, first.Federal);
    EXPECT_EQ(state.Totals.FicaBoth, first.FicaBoth);
    EXPECT_EQ(state.Totals.Futa, first.Futa);
    EXPECT_EQ(gross(2), Money::fromDollars(240));
}

TEST_F(GrossPayTest, ClearedAmountsAskForTheDaysAgain) {
    const EmployeeRecord daily =
        Worker(1, QStringLiteral("Dee Day"), QStringLiteral("Daily"), QStringLiteral("$80.00"), 7);
    WriteEmployees({daily});
    g.put(1, daily, DayWord);
    dialogs->answerInput(QStringLiteral("3")).answerInput(QStringLiteral("4"));
    engine().CalculatePayroll();
    g.setCell(1, PayCol::Federal, QString());
    engine().CalculatePayroll();
    EXPECT_EQ(inputsAsked(), 2);
    EXPECT_EQ(gross(1), Money::fromDollars(320));
}

TEST_F(GrossPayTest, RowWithNothingToPayIsUnmarked) {
    const EmployeeRecord e =
        Worker(1, QStringLiteral("Hal Hour"), QStringLiteral("Hourly"), QStringLiteral("$10.00"));
    WriteEmployees({e});
    g.put(1, e, QStringLiteral("0"));
    g.setCell(1, PayCol::Net, QStringLiteral("$99.00")); // from an earlier calculation
    engine().CalculatePayroll();
    EXPECT_TRUE(cell(1, PayCol::Mark).isEmpty());
    EXPECT_EQ(cell(1, PayCol::Gross), QStringLiteral("$0.00"));
    EXPECT_TRUE(cell(1, PayCol::Net).isEmpty());
    EXPECT_TRUE(cell(1, PayCol::Federal).isEmpty());
}

TEST_F(GrossPayTest, UnmarkedRowsAreSkippedAndLoseTheirEarlierFigures) {
    const EmployeeRecord a =
        Worker(1, QStringLiteral("Al"), QStringLiteral("Hourly"), QStringLiteral("$10.00"));
    const EmployeeRecord b =
        Worker(2, QStringLiteral("Bo"), QStringLiteral("Hourly"), QStringLiteral("$20.00"));
    const EmployeeRecord c =
        Worker(3, QStringLiteral("Cy"), QStringLiteral("Hourly"), QStringLiteral("$30.00"));
    WriteEmployees({a, b, c});
    g.put(1, a, QStringLiteral("10"));
    g.put(2, b, QStringLiteral("10"));
    g.put(3, c, QStringLiteral("10"));
    g.setCell(2, PayCol::Mark, QString());
    calculatedBefore(2); // an earlier calculation paid Bo
    state.ClearManualTaxes(2); // as unmarking does
    engine().CalculatePayroll();
    EXPECT_EQ(state.Totals.Gross, Money::fromDollars(400));
    EXPECT_TRUE(cell(2, PayCol::Gross).isEmpty());
    expectNoFigures(2);
    EXPECT_EQ(TrimmedField(CurrentEmployee.Name), QStringLiteral("Cy"));
}

TEST_F(GrossPayTest, RowWithoutARecordIsNotPaid) {
    const EmployeeRecord a =
        Worker(1, QStringLiteral("Al"), QStringLiteral("Hourly"), QStringLiteral("$10.00"));
    WriteEmployees({a});
    EmployeeRecord ghost =
        Worker(3, QStringLiteral("Ghost"), QStringLiteral("Hourly"), QStringLiteral("$10.00"));
    g.put(1, ghost, QStringLiteral("10"));
    engine().CalculatePayroll();
    EXPECT_TRUE(cell(1, PayCol::Mark).isEmpty());
    EXPECT_EQ(dialogs->messages().back(),
              QStringLiteral("Employee No 1003 is not in the Employee file\r\nEmployee will not be paid"));
}
