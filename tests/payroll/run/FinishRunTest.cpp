// The finish of a run from the "Print Payroll" button to the main menu: summary record,
// checks, posting, register and balance, reports.
#include "FinishTestSupport.h"
#include "Main.h"

#include "DataFiles.h"
#include "Dates.h"
#include "Screen.h"
#include "frmStartup.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>

#include <gtest/gtest.h>

using namespace finishtest;
using Kind = ScriptedDialogs::Kind;

namespace {

class FinishRunTest : public FinishTest {
protected:
    FinishRunTest() { WriteCompany(); }

    // The answers of a finish that goes through: the dialog, the checks, the reports.
    void AnswerAllYes() { dialogs->answerPrintDialog(true).answer(MsgAnswer::Yes).answer(MsgAnswer::Yes); }
    std::vector<QString> CheckNumbers(const QString& file) const {
        std::vector<QString> numbers;
        for (const RegisterEntry& e : Entries(file))
            numbers.push_back(TrimmedField(e.CheckNo));
        return numbers;
    }
    static std::vector<QString> Numbers(int first, int count) {
        std::vector<QString> numbers;
        for (int n = 0; n < count; ++n)
            numbers.push_back(QString::number(first + n));
        return numbers;
    }
};

} // namespace

TEST_F(FinishRunTest, ThreeEmployeesUnderThePayrollAccountFromFinishToMainMenu) {
    LinkScreens();
    // Bob was paid once already this year.
    PayRecord earlier = testrecords::Paycheck(QDate(2026, 5, 29), Cents(100000));
    testrecords::AppendPayRecords(QStringLiteral("1002"), {earlier});
    SetBank(0);
    OpenFinishPanel();
    AnswerAllYes();
    PrintPayroll();

    const std::vector<QString> expected{
        QStringLiteral(
            "Remove all Paper and Forms from the Printer\r\nInsert 3 checks starting with Check No 1001"),
        QStringLiteral(
            "Check your Printer\r\nWere the Checks Printed Correctly?\r\nThere may be a print delay"),
        QStringLiteral("Your Checking Account has been debited by $1,852.52"),
        QStringLiteral("Insert Blank Paper into the Printer"),
        QStringLiteral("The Report is on your Printer"),
        QStringLiteral("Were the Reports Printed Correctly?")};
    EXPECT_EQ(dialogs->messages(), expected);
    EXPECT_EQ(dialogs->unanswered, 0);
    ASSERT_EQ(printer->jobs.size(), 3u);
    EXPECT_EQ(printer->jobs[0].pages, 3);

    // One summary record of the run, dated with the check date, both shares of FICA and Medicare.
    ASSERT_EQ(SummaryCount(), 1);
    const SummaryRecord s =
        *OpenRandomFile(u"/SummaryRecords.txt", SummaryRecord::Length).get<SummaryRecord>(1);
    EXPECT_EQ(s.PayDate, OleDateOf(QDate(2026, 6, 15)));
    EXPECT_EQ(s.TotalWages, Cents(240013)); // $2,400.125 as the summary shows it
    EXPECT_EQ(s.TotalFederal, Cents(18000));
    EXPECT_EQ(s.TotalExtraFederal, Cents(500));
    EXPECT_EQ(s.TotalFica, Cents(29762));
    EXPECT_EQ(s.TotalMedicare, Cents(6960));
    EXPECT_EQ(s.TotalState, Cents(7200));
    EXPECT_EQ(s.TotalLocal, Cents(500));
    EXPECT_EQ(s.TotalChildSupport, Cents(2500));
    EXPECT_EQ(s.TotalSupportFees, Cents(200));
    EXPECT_EQ(s.Total401k, Cents(4000));
    EXPECT_EQ(s.TotalInsurance, Cents(3500));
    EXPECT_EQ(s.TotalMatch401k, Cents(2000));

    // One pay record per employee; the gross keeps its four decimals.
    const std::vector<PayRecord> ann = PayRecords(1001);
    ASSERT_EQ(ann.size(), 1u);
    EXPECT_EQ(ann[0].PayDate, OleDateOf(QDate(2026, 6, 15)));
    EXPECT_EQ(TrimmedField(ann[0].EmployeeName), QStringLiteral("Ann Able"));
    EXPECT_EQ(TrimmedField(ann[0].EmployeeNo), QStringLiteral("1001"));
    EXPECT_EQ(TrimmedField(ann[0].Hours), QStringLiteral("40"));
    EXPECT_EQ(ann[0].Gross, Cents(80000));
    EXPECT_EQ(ann[0].Fica, Cents(4960));
    EXPECT_EQ(ann[0].SupportFee, Cents(200));
    EXPECT_EQ(ann[0].Match401k, Cents(2000));
    EXPECT_EQ(PayRecords(1002).size(), 2u);
    ASSERT_EQ(PayRecords(1003).size(), 1u);
    EXPECT_EQ(PayRecords(1003)[0].Gross, Money::fromRaw(6001250));
    EXPECT_EQ(TrimmedField(PayRecords(1002)[1].Hours), QStringLiteral("N/A"));

    // Year-to-date totals rebuilt for the year of the check date.
    const EmployeeRecord a = testrecords::ReadEmployee(1);
    EXPECT_EQ(a.YTDGross, Cents(80000));
    EXPECT_EQ(a.YTDFederal, Cents(6000));
    EXPECT_EQ(a.YTD401k, Cents(4000));
    EXPECT_EQ(a.YTDChildSupport, Cents(2500));
    EXPECT_EQ(testrecords::ReadEmployee(2).YTDGross, Cents(200000));
    EXPECT_EQ(testrecords::ReadEmployee(2).YTDLocal, Cents(500) + earlier.LocalTax);
    EXPECT_EQ(testrecords::ReadEmployee(3).YTDGross, Money::fromRaw(6001250));

    // Checks 1001 to 1003 in grid order, the next check number and the balance.
    const std::vector<RegisterEntry> reg = Entries(PayrollRegisterFile);
    ASSERT_EQ(reg.size(), 3u);
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), Numbers(1001, 3));
    EXPECT_EQ(TrimmedField(reg[0].CheckDate), QStringLiteral("6/15/2026"));
    EXPECT_EQ(TrimmedField(reg[1].Payee), QStringLiteral("Bob Baker"));
    EXPECT_EQ(TrimmedField(reg[2].Amount), QStringLiteral("$481.22"));
    EXPECT_EQ(TrimmedField(reg[2].Category), QStringLiteral("Employee Paycheck"));
    EXPECT_EQ(TrimmedField(reg[2].Status), QStringLiteral("Printed"));
    EXPECT_EQ(Entries(TempRegisterFile).size(), 3u);
    EXPECT_FALSE(exists(QStringLiteral("CheckRegister.txt")));
    frmSetup& setup = Form<frmSetup>();
    EXPECT_EQ(setup.txtPayrollBank[PayrollBankBox::NextCheck]->text(), QStringLiteral("1004"));
    EXPECT_EQ(setup.txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$3,147.48"));
    EXPECT_TRUE(readFile(QStringLiteral("PayrollCheckbookInfo.txt")).contains("\"$3,147.48\",\"1004\""));
    EXPECT_EQ(f->RunTotal, RunTotal);

    // The run is over: the main menu is back.
    EXPECT_TRUE(f->isHidden());
    EXPECT_TRUE(Form<frmStartup>().isVisible());
    EXPECT_TRUE(f->fgEmployees->textMatrix(1, PayCol::Mark).isEmpty());
}

TEST_F(FinishRunTest, CancelledPrintDialogWritesNothingAndReturnsToTheGrids) {
    SetBank(0);
    OpenFinishPanel();
    const QByteArray account = readFile(QStringLiteral("PayrollCheckbookInfo.txt"));
    dialogs->answerPrintDialog(false);
    PrintPayroll();
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("The Payroll will not be Printed")});
    EXPECT_EQ(dialogs->shown.back().title, QString());
    EXPECT_FALSE(f->fraHourly->isHidden());
    EXPECT_TRUE(f->fraDepositSummary->isHidden());
    EXPECT_TRUE(printer->jobs.empty());
    for (const char* file : {"SummaryRecords.txt", "TempRegister.txt", "PayrollCheckRegister.txt",
                             "Employees/1001/PayRecords.txt"})
        EXPECT_FALSE(exists(QString::fromUtf8(file))) << file;
    EXPECT_EQ(readFile(QStringLiteral("PayrollCheckbookInfo.txt")), account);

    // Finalized again, the finish writes the summary record then.
    f->cmdPayroll[PayrollButton::Finalize]->click();
    AnswerAllYes();
    PrintPayroll();
    EXPECT_EQ(SummaryCount(), 1);
    EXPECT_EQ(PayRecords(1001).size(), 1u);
}

TEST_F(FinishRunTest, ReprintFromANewFirstCheckPostsOnceWithTheNewNumbers) {
    SetBank(0);
    OpenFinishPanel();
    dialogs->answerPrintDialog(true)
        .answer(MsgAnswer::No)
        .answerInput(QStringLiteral("1010"))
        .answer(MsgAnswer::Yes)
        .answer(MsgAnswer::Yes);
    PrintPayroll();
    EXPECT_EQ(Shown(Kind::Input),
              std::vector<QString>{QStringLiteral("Enter the number of the 1st USABLE Check")});
    EXPECT_TRUE(WasShown(QStringLiteral(
        "Remove all Paper and Forms from the Printer\r\nInsert 3 checks starting with Check No 1010")));
    EXPECT_EQ(f->txt1stCheck->text(), QStringLiteral("1010"));
    EXPECT_EQ(CheckPages(1), 3);
    EXPECT_EQ(CheckPages(2), 3);
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), Numbers(1010, 3));
    // The spoilt checks 1001 to 1009 are behind the account's next number now.
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::NextCheck]->text(), QStringLiteral("1013"));
    EXPECT_EQ(PayRecords(1001).size(), 1u);
    EXPECT_EQ(SummaryCount(), 1);
}

TEST_F(FinishRunTest, TwoReprintsGiveOnePosting) {
    SetBank(0);
    OpenFinishPanel();
    dialogs->answerPrintDialog(true)
        .answer(MsgAnswer::No)
        .answerInput(QStringLiteral("1004"))
        .answer(MsgAnswer::No)
        .answerInput(QStringLiteral("1007"))
        .answer(MsgAnswer::Yes)
        .answer(MsgAnswer::Yes);
    PrintPayroll();
    EXPECT_EQ(printer->jobs.size(), 5u); // three check jobs, two reports
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), Numbers(1007, 3));
    for (int employee = 1001; employee <= 1003; ++employee)
        EXPECT_EQ(PayRecords(employee).size(), 1u) << employee;
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$3,147.48"));
    int debits = 0;
    for (const QString& text : dialogs->messages())
        debits += text.startsWith(QStringLiteral("Your Checking Account has been debited")) ? 1 : 0;
    EXPECT_EQ(debits, 1);
}

TEST_F(FinishRunTest, ReprintNumberThatIsNoCheckNumberIsAskedAgain) {
    SetBank(0);
    OpenFinishPanel();
    dialogs->answerPrintDialog(true)
        .answer(MsgAnswer::No)
        .answerInput(QStringLiteral("12.5"))
        .answerInput(QString())
        .answerInput(QStringLiteral("32766"))
        .answerInput(QStringLiteral("2001"))
        .answer(MsgAnswer::Yes)
        .answer(MsgAnswer::Yes);
    PrintPayroll();
    EXPECT_EQ(Shown(Kind::Input).size(), 4u);
    EXPECT_TRUE(WasShown(QStringLiteral("The 1st Check No must be a whole number from 1 to 32767")));
    EXPECT_TRUE(WasShown(QStringLiteral("3 checks starting with Check No 32766 would pass Check No 32767,\r\n"
                                        "the highest number that can be kept")));
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), Numbers(2001, 3));
}

TEST_F(FinishRunTest, CancelledReprintNumberGoesOnWithThePagesPrinted) {
    SetBank(0);
    OpenFinishPanel();
    dialogs->answerPrintDialog(true).answer(MsgAnswer::No).answerInput(std::nullopt).answer(MsgAnswer::Yes);
    PrintPayroll();
    EXPECT_EQ(CheckPages(1), 3);
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), Numbers(1001, 3));
    EXPECT_EQ(PayRecords(1003).size(), 1u);
    EXPECT_TRUE(f->isHidden());
}

TEST_F(FinishRunTest, GeneralAccountTwiceInARowAppendsEachRunOnceAfterAmbletonsEntries) {
    SetBank(1, QStringLiteral("$9,000.00"), QStringLiteral("2001"));
    // Ambleton wrote a check of its own.
    OpenRandomFile(GeneralRegisterFile, RegisterEntry::Length)
        .put(1, PaycheckEntry(2000, QDate(2026, 6, 1), QStringLiteral("Power Company"), Cents(12000)));
    OpenFinishPanel();
    AnswerAllYes();
    PrintPayroll();
    EXPECT_EQ(Form<frmSetup>().LblBank[GeneralBankLabel::NextCheck]->text(), QStringLiteral("2004"));

    OpenFinishPanel(2, QDate(2026, 6, 19), QDate(2026, 6, 22));
    EXPECT_EQ(f->txt1stCheck->text(), QStringLiteral("2004"));
    AnswerAllYes();
    PrintPayroll();
    EXPECT_EQ(CheckNumbers(GeneralRegisterFile),
              (std::vector<QString>{"2000", "2001", "2002", "2003", "2004", "2005"}));
    EXPECT_EQ(TrimmedField(Entries(GeneralRegisterFile)[4].CheckDate), QStringLiteral("6/22/2026"));
    EXPECT_EQ(Entries(TempRegisterFile).size(), 2u); // the staging file holds the last run only
    EXPECT_FALSE(exists(QStringLiteral("PayrollCheckRegister.txt")));
    EXPECT_EQ(Form<frmSetup>().LblBank[GeneralBankLabel::NextCheck]->text(), QStringLiteral("2006"));
    // $9,000.00 - $1,852.52 - ($562.80 + $808.50)
    EXPECT_EQ(Form<frmSetup>().LblBank[GeneralBankLabel::Balance]->text(), QStringLiteral("$5,776.18"));
    EXPECT_TRUE(readFile(QStringLiteral("CheckbookInfo.txt")).contains("\"$5,776.18\",\"2006\""));
    EXPECT_EQ(SummaryCount(), 2);
    EXPECT_EQ(PayRecords(1001).size(), 2u);
    EXPECT_EQ(PayRecords(1003).size(), 1u);
}

TEST_F(FinishRunTest, GeneralAccountIsDebitedAsAmbletonLeftIt) {
    SetBank(1, QStringLiteral("$9,000.00"), QStringLiteral("2001"));
    OpenFinishPanel();
    // Ambleton paid a bill and wrote checks 2001 and 2002 after the setup screen was loaded.
    writeFile(QStringLiteral("CheckbookInfo.txt"),
              "\"Main Street Bank\",\"777-2\",\"$8,000.00\",\"2003\",\"$500.00\",0,0,0\r\n");
    f->txt1stCheck->setText(QStringLiteral("2003"));
    AnswerAllYes();
    PrintPayroll();
    EXPECT_TRUE(readFile(QStringLiteral("CheckbookInfo.txt")).contains("\"$6,147.48\",\"2006\""));
}

TEST_F(FinishRunTest, PaySlipsOnlyRemindToFundThePayroll) {
    Form<frmSetup>().SelectBankOption(2);
    OpenFinishPanel();
    EXPECT_TRUE(f->txt1stCheck->text().isEmpty());
    dialogs->answerPrintDialog(true).answer(MsgAnswer::No).answer(MsgAnswer::Yes);
    PrintPayroll();
    EXPECT_EQ(
        dialogs->messages()[0],
        QStringLiteral("Remove all Paper and Forms from the Printer\r\nInsert 3 Sheets of Blank Paper"));
    EXPECT_EQ(
        dialogs->messages()[1],
        QStringLiteral(
            "Check your Printer\r\nWere the Pay Slips Printed Correctly?\r\nThere may be a print delay"));
    // "No" offers no reprint for pay slips.
    EXPECT_TRUE(Shown(Kind::Input).empty());
    EXPECT_EQ(dialogs->messages()[2], QStringLiteral("Ensure that your General Account has ") +
                                          f->lblPayment[PaymentLine::FundsRequired]->text() +
                                          QStringLiteral("\r\nin order to fund this Payroll"));
    EXPECT_EQ(dialogs->shown[3].title, QStringLiteral("Verify Funds"));
    EXPECT_EQ(CheckPages(1), 3);
    EXPECT_TRUE(printer->textsEqual(QStringLiteral("(File Copy)")).empty());
    for (const char* file : {"TempRegister.txt", "PayrollCheckRegister.txt", "CheckRegister.txt",
                             "PayrollCheckbookInfo.txt", "CheckbookInfo.txt"})
        EXPECT_FALSE(exists(QString::fromUtf8(file))) << file;
    EXPECT_EQ(PayRecords(1002).size(), 1u);
}

TEST_F(FinishRunTest, BalanceNeverGoesBelowZeroAndReachingZeroWarns) {
    SetBank(0, QStringLiteral("$100.00"));
    OpenFinishPanel(1);
    f->Row(1).NetPay = Cents(25000);
    AnswerAllYes();
    PrintPayroll();
    const std::vector<QString> texts = dialogs->messages();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[2], QStringLiteral("Your Checking Account has been debited by $250.00"));
    EXPECT_EQ(texts[3],
              QStringLiteral("This Payroll will create a Negative Account Balance\r\n"
                             "Add Funds Immediately if account does not\r\nuse Overdraft Protection"));
    EXPECT_EQ(dialogs->shown[4].title, QStringLiteral("Update Bank Balance"));
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$0.00"));
    EXPECT_TRUE(readFile(QStringLiteral("PayrollCheckbookInfo.txt")).contains("\"$0.00\",\"1002\""));
}

TEST_F(FinishRunTest, RunThatLandsExactlyOnZeroWarnsToo) {
    SetBank(0, QStringLiteral("$562.80"));
    OpenFinishPanel(1);
    AnswerAllYes();
    PrintPayroll();
    EXPECT_TRUE(
        WasShown(QStringLiteral("This Payroll will create a Negative Account Balance\r\n"
                                "Add Funds Immediately if account does not\r\nuse Overdraft Protection")));
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$0.00"));
}

TEST_F(FinishRunTest, FirstCheckNumbersBeyondSixteenBitsAreRefusedBeforeAnythingPrints) {
    SetBank(0);
    OpenFinishPanel();
    for (const char* first : {"10a", "1001.5", "", "0", "32765"}) {
        dialogs->clear();
        f->txt1stCheck->setText(QString::fromUtf8(first));
        PrintPayroll();
        ASSERT_EQ(dialogs->shown.size(), 1u) << first; // no print dialog
        EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("1st Check No")) << first;
    }
    EXPECT_TRUE(printer->jobs.empty());
    EXPECT_FALSE(exists(QStringLiteral("SummaryRecords.txt")));
    EXPECT_TRUE(f->cmdPrintDeposit[DepositButton::Recreate]->isEnabled());
    // 32764 to 32766, and 32767 for the next run: the largest run that fits.
    f->txt1stCheck->setText(QStringLiteral("32764"));
    AnswerAllYes();
    PrintPayroll();
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), Numbers(32764, 3));
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::NextCheck]->text(), QStringLiteral("32767"));
}

TEST_F(FinishRunTest, NegativeNetPayIsRefusedBeforeAnythingPrints) {
    SetBank(0);
    OpenFinishPanel();
    f->Row(2).NetPay = -Cents(500);
    PrintPayroll();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Negative Net Pay"));
    EXPECT_TRUE(dialogs->shown[0].text.contains(QStringLiteral("Bob Baker ($5.00)")));
    EXPECT_TRUE(printer->jobs.empty());
    EXPECT_FALSE(exists(QStringLiteral("SummaryRecords.txt")));
}

TEST_F(FinishRunTest, FailedPostingTellsWhatWasWrittenAndALaterFinishWritesOnlyTheRest) {
    SetBank(0);
    OpenFinishPanel();
    // Cal's pay-record file cannot be opened: a folder stands in its place.
    Block(QStringLiteral("Employees/1003/PayRecords.txt"));
    dialogs->answerPrintDialog(true).answer(MsgAnswer::Yes).answer(MsgAnswer::No);
    PrintPayroll();
    const ScriptedDialogs::Shown& report = dialogs->shown.back();
    EXPECT_EQ(report.title, QStringLiteral("Payroll Posting"));
    EXPECT_TRUE(report.text.startsWith(QStringLiteral("The Payroll could not be completely posted:\r\n")));
    EXPECT_TRUE(report.text.contains(
        QStringLiteral("Written:\r\n   the pay records of Ann Able, Bob Baker\r\n\r\n")));
    EXPECT_TRUE(report.text.contains(
        QStringLiteral("Not written:\r\n   the pay records of Cal Cole\r\n"
                       "   this pay in the year-to-date totals of Ann Able, Bob Baker, Cal Cole\r\n"
                       "   the rebuild of the year-to-date totals for 2026\r\n"
                       "   checks 1001 to 1003 in PayrollCheckRegister.txt\r\n"
                       "   the new balance and next check number of the payroll checking account")));
    EXPECT_FALSE(WasShown(QStringLiteral("Insert Blank Paper into the Printer")));
    EXPECT_FALSE(f->fraDepositSummary->isHidden());
    EXPECT_FALSE(f->cmdPrintDeposit[DepositButton::Recreate]->isEnabled());
    EXPECT_TRUE(f->cmdPrintDeposit[DepositButton::CancelPayroll]->isEnabled());
    EXPECT_EQ(PayRecords(1001).size(), 1u);

    // Put right, the next "Print Payroll" prints again and writes what is missing, once.
    ASSERT_TRUE(QDir(path(QStringLiteral("Employees/1003/PayRecords.txt"))).removeRecursively());
    dialogs->clear();
    AnswerAllYes();
    PrintPayroll();
    EXPECT_EQ(dialogs->unanswered, 0);
    for (int employee = 1001; employee <= 1003; ++employee)
        EXPECT_EQ(PayRecords(employee).size(), 1u) << employee;
    EXPECT_EQ(testrecords::ReadEmployee(1).YTDGross, Cents(80000));
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), Numbers(1001, 3));
    EXPECT_EQ(SummaryCount(), 1);
    EXPECT_TRUE(f->isHidden());
}

TEST_F(FinishRunTest, AccountThatCannotBeSavedIsDebitedOnceWhenTheRestIsWritten) {
    SetBank(0);
    OpenFinishPanel();
    const QByteArray account = readFile(QStringLiteral("PayrollCheckbookInfo.txt"));
    // The account file cannot be replaced: a folder stands in its place.
    Block(QStringLiteral("PayrollCheckbookInfo.txt"));
    dialogs->answerPrintDialog(true).answer(MsgAnswer::Yes).answer(MsgAnswer::No);
    PrintPayroll();
    const QString report = dialogs->shown.back().text;
    EXPECT_TRUE(report.contains(QStringLiteral(
        "Written:\r\n   the pay records of all 3 employees\r\n   the year-to-date totals, rebuilt for "
        "2026\r\n"
        "   checks 1001 to 1003 in PayrollCheckRegister.txt\r\n\r\n"
        "Not written:\r\n   the new balance and next check number of the payroll checking account")))
        << report.toStdString();
    EXPECT_FALSE(WasShown(QStringLiteral("Your Checking Account has been debited by $1,852.52")));

    ASSERT_TRUE(QDir(path(QStringLiteral("PayrollCheckbookInfo.txt"))).removeRecursively());
    writeFile(QStringLiteral("PayrollCheckbookInfo.txt"), account);
    dialogs->clear();
    AnswerAllYes();
    PrintPayroll();
    EXPECT_TRUE(WasShown(QStringLiteral("Your Checking Account has been debited by $1,852.52")));
    EXPECT_TRUE(readFile(QStringLiteral("PayrollCheckbookInfo.txt")).contains("\"$3,147.48\",\"1004\""));
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), Numbers(1001, 3));
    EXPECT_EQ(PayRecords(1001).size(), 1u);
}

TEST_F(FinishRunTest, PrintErrorKeepsTheSummaryRecordAndPostsNothing) {
    SetBank(0);
    OpenFinishPanel();
    printer->failToStart = true;
    dialogs->answerPrintDialog(true);
    PrintPayroll();
    EXPECT_EQ(dialogs->messages().back(), QStringLiteral("A Print Error has occurred"));
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Print Error"));
    EXPECT_EQ(SummaryCount(), 1);
    EXPECT_FALSE(exists(QStringLiteral("Employees/1001/PayRecords.txt")));
    EXPECT_FALSE(exists(QStringLiteral("PayrollCheckRegister.txt")));
    EXPECT_FALSE(f->fraDepositSummary->isHidden());
    // Nothing is posted: the user may go back to the grids or leave the run.
    EXPECT_TRUE(f->cmdPrintDeposit[DepositButton::Recreate]->isEnabled());
    EXPECT_TRUE(f->cmdPrintDeposit[DepositButton::CancelPayroll]->isEnabled());
}

TEST_F(FinishRunTest, SecondPrintPayrollOfAVisitPrintsAgainAndWritesNothingTwice) {
    SetBank(0);
    OpenFinishPanel();
    dialogs->answerPrintDialog(true).answer(MsgAnswer::Yes).answer(MsgAnswer::No).answer(MsgAnswer::No);
    PrintPayroll();
    EXPECT_EQ(dialogs->messages().back(), QStringLiteral("Would you like to Reprint the Reports?"));
    EXPECT_FALSE(f->fraDepositSummary->isHidden());
    EXPECT_FALSE(f->cmdPrintDeposit[DepositButton::Recreate]->isEnabled());
    EXPECT_FALSE(f->cmdPrintDeposit[DepositButton::CancelPayroll]->isEnabled());

    AnswerAllYes();
    PrintPayroll();
    EXPECT_EQ(printer->jobs.size(), 6u);
    EXPECT_EQ(SummaryCount(), 1);
    EXPECT_EQ(PayRecords(1002).size(), 1u);
    EXPECT_EQ(Entries(PayrollRegisterFile).size(), 3u);
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::NextCheck]->text(), QStringLiteral("1004"));
    EXPECT_TRUE(f->isHidden());
}

TEST_F(FinishRunTest, ReportsReprintedOnceOnRequest) {
    SetBank(0);
    OpenFinishPanel();
    dialogs->answerPrintDialog(true).answer(MsgAnswer::Yes).answer(MsgAnswer::No).answer(MsgAnswer::Yes);
    PrintPayroll();
    ASSERT_EQ(printer->jobs.size(), 5u);
    EXPECT_EQ(printer->jobs[3].orientation, PageOrientation::Portrait);
    EXPECT_EQ(printer->jobs[4].orientation, PageOrientation::Landscape);
    EXPECT_EQ(dialogs->unanswered, 0);
    EXPECT_FALSE(f->fraDepositSummary->isHidden());
}

TEST_F(FinishRunTest, CancellingTheDialogOfAPostedRunKeepsItOffTheGrids) {
    SetBank(0);
    OpenFinishPanel();
    dialogs->answerPrintDialog(true).answer(MsgAnswer::Yes).answer(MsgAnswer::No).answer(MsgAnswer::No);
    PrintPayroll();
    dialogs->clear();
    dialogs->answerPrintDialog(false);
    PrintPayroll();
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("The Payroll will not be Printed")});
    EXPECT_FALSE(f->fraDepositSummary->isHidden());
    EXPECT_TRUE(f->cmdPrintDeposit[DepositButton::CancelPayroll]->isEnabled());
    f->cmdPrintDeposit[DepositButton::CancelPayroll]->click();
    EXPECT_TRUE(f->isHidden());
}

TEST_F(FinishRunTest, ProofReportWritesNothing) {
    SetBank(0);
    OpenFinishPanel();
    dialogs->answerPrintDialog(true);
    f->cmdPrintDeposit[DepositButton::ProofReport]->click();
    ASSERT_EQ(printer->jobs.size(), 1u);
    EXPECT_EQ(printer->jobs[0].orientation, PageOrientation::Landscape);
    EXPECT_NE(printer->find(QStringLiteral("Employee Deduction Proof Report")), nullptr);
    EXPECT_FALSE(exists(QStringLiteral("SummaryRecords.txt")));
    EXPECT_FALSE(exists(QStringLiteral("Employees/1001/PayRecords.txt")));
}

// ---- Posting when a file cannot be written ---------------------------------------------------

namespace {

struct PostingFault {
    WriteFault fault;
    const char* notWritten; // the first line the report lists as not written
};

std::vector<PostingFault> PostingFaults() {
    std::vector<PostingFault> cases;
    const auto add = [&cases](const char* notWritten, const std::vector<WriteFault>& faults) {
        for (const WriteFault& fault : faults)
            cases.push_back({fault, notWritten});
    };
    const QString employees = QStringLiteral("Employees.txt");
    const QString account = QStringLiteral("PayrollCheckbookInfo.txt");
    const QString payRecords = QStringLiteral("1002/PayRecords.txt");
    const QString register_ = QStringLiteral("PayrollCheckRegister.txt");
    add("this pay in the year-to-date totals of Ann Able, Bob Baker, Cal Cole", FaultsAtEveryStep(employees));
    add("the new balance and next check number of the payroll checking account", FaultsAtEveryStep(account));
    add("the pay records of Bob Baker", {{payRecords, WriteStep::Write, 5}, {payRecords, WriteStep::Sync}});
    add("checks 1001 to 1003 in PayrollCheckRegister.txt",
        {{register_, WriteStep::Write, 5}, {register_, WriteStep::Sync}});
    return cases;
}

class PostingFaultTest : public FinishRunTest, public ::testing::WithParamInterface<PostingFault> {};

} // namespace

TEST_P(PostingFaultTest, FileThatCannotBeWrittenKeepsWhatItHeldAndIsReportedAsNotWritten) {
    const WriteFault& fault = GetParam().fault;
    SetBank(0);
    OpenFinishPanel();
    const QString file =
        fault.fileName.contains(u'/') ? QStringLiteral("Employees/") + fault.fileName : fault.fileName;
    const QByteArray before = readFile(file);
    InjectWriteFault(fault);
    dialogs->answerPrintDialog(true).answer(MsgAnswer::Yes).answer(MsgAnswer::No);
    PrintPayroll();
    EXPECT_EQ(readFile(file), before);
    const ScriptedDialogs::Shown& report = dialogs->shown.back();
    EXPECT_EQ(report.title, QStringLiteral("Payroll Posting"));
    EXPECT_TRUE(report.text.contains(path(file))) << report.text.toStdString();
    EXPECT_TRUE(
        report.text.contains(QStringLiteral("Not written:\r\n   ") + QLatin1String(GetParam().notWritten)))
        << report.text.toStdString();
    EXPECT_FALSE(WasShown(QStringLiteral("Your Checking Account has been debited by $1,852.52")));

    // Put right, the rest is written once.
    InjectWriteFault(std::nullopt);
    dialogs->clear();
    AnswerAllYes();
    PrintPayroll();
    EXPECT_TRUE(WasShown(QStringLiteral("Your Checking Account has been debited by $1,852.52")));
    for (int employee = 1001; employee <= 1003; ++employee)
        EXPECT_EQ(PayRecords(employee).size(), 1u) << employee;
    EXPECT_EQ(testrecords::ReadEmployee(1).YTDGross, Cents(80000));
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), Numbers(1001, 3));
    EXPECT_TRUE(readFile(QStringLiteral("PayrollCheckbookInfo.txt")).contains("\"$3,147.48\",\"1004\""));
}

INSTANTIATE_TEST_SUITE_P(EveryStep, PostingFaultTest, ::testing::ValuesIn(PostingFaults()),
                         [](const ::testing::TestParamInfo<PostingFault>& param) {
                             return "Case" + std::to_string(param.index);
                         });
