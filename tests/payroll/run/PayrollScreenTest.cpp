// The pay-run screen: loading, activation, panels and the memo.
#include "Checkbook.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "Main.h"
#include "PayrollTestSupport.h"
#include "StoreSupport.h"
#include "TestSupport.h"
#include "frmPayroll.h"
#include "frmStartup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace payrolltest;
using testrecords::WriteEmployees;

namespace {

class PayrollScreenTest : public ProgramFolderTest {
protected:
    static EmployeeRecord hourly(int n, const QString& name) {
        return Worker(n, name, QStringLiteral("Hourly"), QStringLiteral("$18.50"));
    }
    static EmployeeRecord salaried(int n, const QString& name) {
        return Worker(n, name, QStringLiteral("Salary"), QStringLiteral("$1,000.00"));
    }
    static EmployeeRecord daily(int n, const QString& name) {
        return Worker(n, name, QStringLiteral("Daily"), QStringLiteral("$80.00"), 7);
    }
    frmPayroll& open() {
        frmPayroll& screen = ShowScreen<frmPayroll>();
        return screen;
    }
};

} // namespace

TEST_F(PayrollScreenTest, ThreeKindsOfEmployeeFillTheirGrids) {
    EmployeeRecord h = hourly(1, QStringLiteral("Ann Able"));
    h.ChildSupportPerPay = Money::fromCents(2500);
    h.InsurancePerPay = Money::fromCents(2000);
    h.Percent401k = 4.25f;
    h.YTDGross = Money::fromCents(123456);
    WriteEmployees({h, salaried(2, QStringLiteral("Bob Baker")), daily(3, QStringLiteral("Cal Cole"))});
    frmPayroll& f = open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Payroll Preparation"));
    EXPECT_EQ(f.fgEmployees->rows(), 4);
    EXPECT_EQ(f.fgHourly->rows(), 2);
    EXPECT_EQ(f.fgSalaried->rows(), 2);
    EXPECT_EQ(f.fgAux->rows(), 4);
    EXPECT_EQ(f.fgEmployees->textMatrix(1, PayCol::Hours), QStringLiteral("40"));
    EXPECT_EQ(f.fgEmployees->textMatrix(2, PayCol::Hours), QStringLiteral("N/A"));
    EXPECT_EQ(f.fgEmployees->textMatrix(3, PayCol::Hours), QStringLiteral("Day"));
    EXPECT_EQ(f.fgEmployees->textMatrix(1, PayCol::Mark), PayMark);
    EXPECT_TRUE(f.fgEmployees->textMatrix(2, PayCol::Mark).isEmpty());
    EXPECT_TRUE(f.fgEmployees->textMatrix(3, PayCol::Mark).isEmpty());
    EXPECT_EQ(f.fgEmployees->textMatrix(2, PayCol::Number), QStringLiteral("1002"));

    EXPECT_EQ(f.fgAux->textMatrix(1, AuxCol::Name), QStringLiteral("Ann Able"));
    EXPECT_EQ(f.fgAux->textMatrix(1, AuxCol::ChildSupport), QStringLiteral("$25.00"));
    EXPECT_EQ(f.fgAux->textMatrix(1, AuxCol::SupportFee), QStringLiteral("$0.00"));
    EXPECT_EQ(f.fgAux->textMatrix(1, AuxCol::Deduction401k), QStringLiteral("$0.00"));
    EXPECT_TRUE(f.fgAux->textMatrix(1, AuxCol::Match401k).isEmpty());
    EXPECT_EQ(f.fgAux->textMatrix(1, AuxCol::Insurance), QStringLiteral("$20.00"));
    EXPECT_EQ(f.Row(1).Percent401k, (Decimal{425, 2}));
    EXPECT_EQ(f.Row(1).YTDGross, Money::fromCents(123456));

    EXPECT_EQ(f.fgHourly->textMatrix(1, BonusCol::Name), QStringLiteral("Ann Able"));
    EXPECT_EQ(f.fgHourly->textMatrix(1, BonusCol::BasePay), QStringLiteral("$740.00"));
    EXPECT_EQ(f.fgHourly->textMatrix(1, BonusCol::Bonus), QStringLiteral("$0.00"));
    EXPECT_EQ(f.fgHourly->textMatrix(1, BonusCol::Row), QStringLiteral("1"));
    EXPECT_EQ(f.fgHourly->colWidth(BonusCol::Row), 0);
    EXPECT_EQ(f.fgSalaried->textMatrix(1, BonusCol::BasePay), QStringLiteral("$1,000.00"));
    EXPECT_EQ(f.fgSalaried->textMatrix(1, BonusCol::Row), QStringLiteral("2"));
    EXPECT_EQ(f.fgSalaried->colWidth(BonusCol::Row), 0);
    EXPECT_EQ(f.Row(1).BasePay, Money::fromDollars(740));
    EXPECT_EQ(f.Row(2).BasePay, Money::fromDollars(1000));
    EXPECT_TRUE(f.cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled());
    EXPECT_EQ(f.LastEntryRow, 1);
}

TEST_F(PayrollScreenTest, GridHeadingsFollowTheFormatTexts) {
    WriteEmployees({hourly(1, QStringLiteral("Ann Able"))});
    frmPayroll& f = open();
    EXPECT_EQ(f.fgEmployees->cols(), 12);
    EXPECT_EQ(f.fgEmployees->textMatrix(0, PayCol::Name),
              QStringLiteral("Employee                           "));
    EXPECT_EQ(f.fgEmployees->textMatrix(0, PayCol::State), QStringLiteral("  State Tax"));
    EXPECT_EQ(f.fgAux->textMatrix(0, AuxCol::SupportFee), QStringLiteral("Collection  Fee"));
    EXPECT_EQ(f.fgHourly->textMatrix(0, BonusCol::BasePay), QStringLiteral("Base Pay (40 hrs)"));
    EXPECT_EQ(f.fgSalaried->textMatrix(0, BonusCol::BasePay), QStringLiteral("Base Pay (Salary)"));
    EXPECT_EQ(f.lblKey->text(), PayMark + QStringLiteral("   = Pay Employee"));
    EXPECT_EQ(f.Label1[28]->text(), QStringLiteral("Total Payroll Funds Required"));
    EXPECT_EQ(f.cmdPayroll[PayrollButton::Finalize]->text(), QStringLiteral("Finalize/Print &Payroll"));
    EXPECT_EQ(f.cmdPrintDeposit[DepositButton::CancelPayroll]->text(), QStringLiteral("&Cance Payroll return to /Menu"));
}

TEST_F(PayrollScreenTest, OnlySalariedLeavesTheHourlyBonusGridWithItsHeading) {
    WriteEmployees({salaried(1, QStringLiteral("Bob")), salaried(2, QStringLiteral("Sal"))});
    frmPayroll& f = open();
    EXPECT_EQ(f.fgHourly->rows(), 1);
    EXPECT_EQ(f.fgSalaried->rows(), 3);
    f.cmdPayroll_Click(PayrollButton::Bonus);
    EXPECT_FALSE(f.ckBonus[BonusBox::AllHourly]->isEnabled());
    EXPECT_FALSE(f.ckBonus[BonusBox::SelectedHourly]->isEnabled());
    EXPECT_TRUE(f.ckBonus[BonusBox::AllSalaried]->isEnabled());
}

TEST_F(PayrollScreenTest, EmployeeOfNoKnownPayStatusIsInNoBonusGrid) {
    EmployeeRecord odd =
        Worker(2, QStringLiteral("Odd"), QStringLiteral("Piecework"), QStringLiteral("$5.00"));
    WriteEmployees({salaried(1, QStringLiteral("Bob")), odd});
    frmPayroll& f = open();
    EXPECT_TRUE(f.fgEmployees->textMatrix(2, PayCol::Hours).isEmpty());
    EXPECT_EQ(f.fgSalaried->rows(), 2);
    EXPECT_EQ(f.fgHourly->rows(), 2); // a blank row for the employee in neither grid
    EXPECT_TRUE(f.fgHourly->textMatrix(1, BonusCol::Name).isEmpty());
    f.cmdPayroll_Click(PayrollButton::PayHourly); // "Pay Hourly" marks him too
    EXPECT_EQ(f.fgEmployees->textMatrix(2, PayCol::Mark), PayMark);
}

TEST_F(PayrollScreenTest, NoEmployeeFileReturnsToTheMenu) {
    LinkScreens();
    frmPayroll& f = open();
    EXPECT_EQ(dialogs->messages().back(), QStringLiteral("There are no Employees to Pay"));
    EXPECT_TRUE(f.isHidden());
    EXPECT_TRUE(IsLoaded<frmStartup>());
    EXPECT_TRUE(Form<frmStartup>().isVisible());
}

TEST_F(PayrollScreenTest, RunOfMoreThan255EmployeesIsRefused) {
    std::vector<EmployeeRecord> many;
    for (int n = 1; n <= 256; ++n)
        many.push_back(hourly(n, QStringLiteral("Worker %1").arg(n)));
    WriteEmployees(many);
    frmPayroll& f = open();
    ASSERT_FALSE(dialogs->shown.empty());
    EXPECT_EQ(dialogs->shown.front().text,
              QStringLiteral("A payroll can list at most 255 employees.\r\nThe Employee file holds 256."));
    EXPECT_EQ(dialogs->shown.front().title, QStringLiteral("Too Many Employees"));
    EXPECT_EQ(f.fgEmployees->rows(), 1);
    EXPECT_FALSE(f.cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled());
    EXPECT_TRUE(f.isHidden());
}

TEST_F(PayrollScreenTest, EveryVisitStartsANewRunDatedToday) {
    WriteEmployees({hourly(1, QStringLiteral("Ann")), hourly(2, QStringLiteral("Bo"))});
    frmPayroll& f = open();
    EXPECT_EQ(f.DTPicker1->date(), fixedToday());
    EXPECT_EQ(f.DTPicker2->date(), fixedToday());
    EXPECT_TRUE(f.Timer1->isActive()); // setting the dates is no change by the user
    f.Row(2).Marked = true;
    f.ShowRow(2);
    f.SummarySaved = f.RunPosted = true;
    f.DTPicker2->setDate(QDate(2026, 6, 1));
    f.Hide();
    f.Show();
    EXPECT_TRUE(f.fgEmployees->textMatrix(2, PayCol::Mark).isEmpty());
    EXPECT_FALSE(f.SummarySaved);
    EXPECT_FALSE(f.RunPosted);
    EXPECT_EQ(f.DTPicker2->date(), fixedToday());
}

TEST_F(PayrollScreenTest, DatePromptBlinksUntilThePayPeriodDateIsPicked) {
    WriteEmployees({hourly(1, QStringLiteral("Ann"))});
    frmPayroll& f = open();
    EXPECT_EQ(f.Timer1->interval(), 500);
    f.Timer1_Timer();
    EXPECT_TRUE(f.lblHelp[HelpLabel::PeriodDate]->isHidden());
    EXPECT_TRUE(f.imgArrow->isHidden());
    f.Timer1_Timer();
    EXPECT_FALSE(f.lblHelp[HelpLabel::PeriodDate]->isHidden());
    f.Timer1_Timer();
    f.DTPicker1->setDate(QDate(2026, 6, 12));
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_FALSE(f.lblHelp[HelpLabel::PeriodDate]->isHidden());
    EXPECT_EQ(f.lblHelp[HelpLabel::PeriodDate]->text(), QStringLiteral("Pay Ending Date is "));
    EXPECT_TRUE(f.imgArrow->isHidden());
}

TEST_F(PayrollScreenTest, FirstCheckNumberFollowsTheBankOption) {
    WriteEmployees({hourly(1, QStringLiteral("Ann"))});
    frmSetup& setup = Form<frmSetup>();
    setup.txtPayrollBank[PayrollBankBox::NextCheck]->setText(QStringLiteral("2041"));
    GeneralAccount().NextCheck = QStringLiteral("5310");
    setup.optAccount[BankChoice::SeparateAccount]->setChecked(true);
    frmPayroll& f = open();
    EXPECT_EQ(f.txt1stCheck->text(), QStringLiteral("2041"));
    f.Hide();
    setup.optAccount[BankChoice::GeneralAccount]->setChecked(true);
    f.Show();
    EXPECT_EQ(f.txt1stCheck->text(), QStringLiteral("5310"));
    f.Hide();
    setup.optAccount[BankChoice::OtherProgram]->setChecked(true);
    f.Show();
    EXPECT_TRUE(f.fra1stCheck->isHidden());
    EXPECT_TRUE(f.linCheck[0]->isHidden());
    EXPECT_TRUE(f.txt1stCheck->text().isEmpty());
}

TEST_F(PayrollScreenTest, DepositPanelRemindsOfTheBalanceOnlyForOutsideAccounts) {
    WriteEmployees({hourly(1, QStringLiteral("Ann"))});
    frmSetup& setup = Form<frmSetup>();
    setup.optAccount[BankChoice::OtherProgram]->setChecked(true);
    frmPayroll& f = open();
    f.SetDepositPanels(false);
    EXPECT_TRUE(f.fraHourly->isHidden());
    EXPECT_FALSE(f.fraDepositSummary->isHidden());
    EXPECT_FALSE(f.lblDeposit[DepositLabel::BalanceNeeded]->isHidden());
    EXPECT_FALSE(f.imgPointer->isHidden());
    setup.optAccount[BankChoice::SeparateAccount]->setChecked(true);
    f.SetDepositPanels(false);
    EXPECT_TRUE(f.lblDeposit[DepositLabel::GeneralAccount]->isHidden());
    EXPECT_TRUE(f.imgPointer->isHidden());
    f.cmdPrintDeposit[DepositButton::Recreate]->click();
    EXPECT_FALSE(f.fraHourly->isHidden());
    EXPECT_TRUE(f.fraDepositSummary->isHidden());
    f.cmdPrintDeposit[DepositButton::CancelPayroll]->click();
    EXPECT_TRUE(f.isHidden());
}

TEST_F(PayrollScreenTest, SavedMemoLineWithACommaComesBackAsTwoLines) {
    writeFile(QStringLiteral("/PayrollMemo.txt"), "Paydays move to Friday,  starting in July\r\n");
    WriteEmployees({hourly(1, QStringLiteral("Ann"))});
    frmPayroll& f = open();
    EXPECT_EQ(f.txtMemo->toPlainText(), QStringLiteral("Paydays move to Friday\nstarting in July\n"));
}

TEST_F(PayrollScreenTest, MemoButtonsClearLoadSaveAndHide) {
    WriteEmployees({hourly(1, QStringLiteral("Ann"))});
    frmPayroll& f = open();
    f.mnuMemo_Click();
    EXPECT_FALSE(f.fraMemo->isHidden());
    f.cmdMemo_Click(MemoButton::Save); // nothing to save
    EXPECT_FALSE(exists(QStringLiteral("/PayrollMemo.txt")));
    f.txtMemo->setPlainText(QStringLiteral("Holiday on Monday\nBring your badge\n"));
    f.cmdMemo_Click(MemoButton::Save);
    EXPECT_EQ(readFile(QStringLiteral("/PayrollMemo.txt")),
              QByteArray("Holiday on Monday\r\nBring your badge\r\n"));
    f.cmdMemo_Click(MemoButton::Clear);
    EXPECT_TRUE(f.txtMemo->toPlainText().isEmpty());
    f.cmdMemo_Click(MemoButton::Load);
    EXPECT_EQ(f.txtMemo->toPlainText(), QStringLiteral("Holiday on Monday\nBring your badge\n"));
    f.cmdMemo_Click(MemoButton::Save); // saving what was loaded gives the same file
    EXPECT_EQ(readFile(QStringLiteral("/PayrollMemo.txt")),
              QByteArray("Holiday on Monday\r\nBring your badge\r\n"));
    f.cmdMemo_Click(MemoButton::Hide);
    EXPECT_TRUE(f.fraMemo->isHidden());
}

TEST_F(PayrollScreenTest, NonresidentListHoldsTheEightAmountsInFileOrder) {
    copyShipped(QStringLiteral("NonResidentTaxTable.txt"));
    WriteEmployees({hourly(1, QStringLiteral("Ann"))});
    frmPayroll& f = open();
    ASSERT_EQ(f.cboNonResident->count(), 8);
    EXPECT_EQ(f.cboNonResident->itemText(0), QStringLiteral("$226.90"));
    EXPECT_EQ(f.cboNonResident->itemText(7), QStringLiteral("$45.40"));
}

TEST_F(PayrollScreenTest, ShortNonresidentTableIsReported) {
    writeFile(QStringLiteral("/NonResidentTaxTable.txt"), "\"$226.90\"\r\n\"$453.80\"\r\n");
    Form<frmPayroll>();
    EXPECT_EQ(Form<frmPayroll>().cboNonResident->count(), 2);
    ASSERT_FALSE(dialogs->shown.empty());
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Damaged File"));
}

TEST_F(PayrollScreenTest, MissingNonresidentTableLeavesTheListEmpty) {
    WriteEmployees({hourly(1, QStringLiteral("Ann"))});
    EXPECT_EQ(open().cboNonResident->count(), 0);
}

TEST_F(PayrollScreenTest, AllowancesAreTakenFromTheTaxTables) {
    TaxSettings s = ExampleSettings();
    FillStore(s);
    frmPayroll& f = Form<frmPayroll>();
    EXPECT_EQ(f.Allowance[1], Money::fromCents(7980));
    EXPECT_EQ(f.Allowance[8], Money::fromCents(1600));
    // Edited on the tax-table screen later: the next calculation takes the new amount.
    Form<frmTables>().txtAllowance[AllowanceBox::Weekly]->setText(QStringLiteral("$82.70"));
    WriteEmployees({hourly(1, QStringLiteral("Ann"))});
    open();
    f.cmdPayroll_Click(PayrollButton::CalculateTaxes);
    EXPECT_EQ(f.Allowance[1], Money::fromCents(8270));
}
