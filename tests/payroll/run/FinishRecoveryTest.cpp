// The finish of a run after something went wrong: a posting that failed, a print or file
// error, a run changed after going back to the grids, a reprint after a failed posting.
#include "FinishTestSupport.h"

#include "DataFiles.h"
#include "Dates.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>

#include <gtest/gtest.h>

using namespace finishtest;
using Kind = ScriptedDialogs::Kind;

namespace {

const QString PostingTitle = QStringLiteral("Payroll Posting");
const QString NegativeWarning =
    QStringLiteral("This Payroll will create a Negative Account Balance\r\n"
                   "Add Funds Immediately if account does not\r\nuse Overdraft Protection");

class FinishRecoveryTest : public FinishTest {
protected:
    FinishRecoveryTest() { WriteCompany(); }

    void AnswerAllYes() { dialogs->answerPrintDialog(true).answer(MsgAnswer::Yes).answer(MsgAnswer::Yes); }
    // Print Payroll whose checks are confirmed, and whose posting fails; the retry is declined.
    void PrintAndDeclineTheRetry() {
        dialogs->answerPrintDialog(true).answer(MsgAnswer::Yes).answer(MsgAnswer::No);
        PrintPayroll();
        ASSERT_EQ(dialogs->shown.back().title, PostingTitle);
    }

    // Back on the grids: Cal is no longer paid and Bob's federal tax is $90.00 (net $798.50);
    // calculated again and finalized.
    void ChangeTheRun() {
        ASSERT_FALSE(f->fraHourly->isHidden());
        RowFigures bob = Figures[2];
        bob.taxes[0] = Cents(9000);
        bob.net = Cents(79850);
        RunTotals totals;
        Fill(1, Figures[1], totals);
        Fill(2, bob, totals);
        f->Row(3).Marked = false;
        f->ShowRow(3);
        f->Totals = totals;
        f->CalculationCurrent = true;
        f->cmdPayroll[PayrollButton::Finalize]->click();
        ASSERT_FALSE(f->fraDepositSummary->isHidden());
        dialogs->clear();
    }
    std::vector<QString> CheckNumbers(const QString& file) const {
        std::vector<QString> numbers;
        for (const RegisterEntry& e : Entries(file))
            numbers.push_back(TrimmedField(e.CheckNo));
        return numbers;
    }
    int Debits() {
        int debits = 0;
        for (const QString& text : dialogs->messages())
            debits += text.startsWith(QStringLiteral("Your Checking Account has been debited")) ? 1 : 0;
        return debits;
    }
    bool Button(int index) const { return f->cmdPrintDeposit[static_cast<std::size_t>(index)]->isEnabled(); }
};

} // namespace

// ---- Going back to the grids ----------------------------------------------------------------------

TEST_F(FinishRecoveryTest, PostingIsTakenFromTheRunAsItStandsWhileNothingOfItIsWritten) {
    SetBank(0);
    OpenFinishPanel();
    // Ann's pay records cannot be written, so the posting stops before writing anything.
    Block(QStringLiteral("Employees/1001/PayRecords.txt"));
    PrintAndDeclineTheRetry();
    EXPECT_TRUE(dialogs->shown.back().text.contains(QStringLiteral("Written:\r\n   nothing\r\n")));
    EXPECT_TRUE(Button(3));
    EXPECT_TRUE(Button(4));

    // Print Payroll again, but the dialog is cancelled: back to the grids to change the run.
    dialogs->clear();
    dialogs->answerPrintDialog(false);
    PrintPayroll();
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("The Payroll will not be Printed")});
    Unblock(QStringLiteral("Employees/1001/PayRecords.txt"));
    ChangeTheRun();
    AnswerAllYes();
    PrintPayroll();

    // The changed run is posted as its checks were printed: Ann and Bob, with Bob's new tax.
    EXPECT_EQ(CheckPages(static_cast<int>(printer->jobs.size()) - 2), 2);
    EXPECT_EQ(PayRecords(1001).size(), 1u);
    ASSERT_EQ(PayRecords(1002).size(), 1u);
    EXPECT_EQ(PayRecords(1002)[0].FederalTax, Cents(9000));
    EXPECT_TRUE(PayRecords(1003).empty());
    EXPECT_EQ(testrecords::ReadEmployee(3).YTDGross, Money());
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), (std::vector<QString>{"1001", "1002"}));
    EXPECT_EQ(TrimmedField(Entries(PayrollRegisterFile)[1].Amount), QStringLiteral("$798.50"));
    EXPECT_TRUE(WasShown(QStringLiteral("Your Checking Account has been debited by $1,361.30")));
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$3,638.70"));
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::NextCheck]->text(), QStringLiteral("1003"));
    EXPECT_TRUE(f->isHidden());
}

TEST_F(FinishRecoveryTest, SummaryRecordOfTheVisitIsNotRewrittenWhenTheRunIsCalculatedAgain) {
    SetBank(0);
    OpenFinishPanel();
    // The summary record is written, then the printer fails before any check prints.
    printer->failToStart = true;
    dialogs->answerPrintDialog(true);
    PrintPayroll();
    ASSERT_EQ(SummaryCount(), 1);
    ASSERT_TRUE(Button(3));
    f->cmdPrintDeposit[DepositButton::Recreate]->click();
    ChangeTheRun();
    AnswerAllYes();
    PrintPayroll();

    ASSERT_EQ(SummaryCount(), 1);
    const SummaryRecord s =
        *OpenRandomFile(u"/SummaryRecords.txt", SummaryRecord::Length).get<SummaryRecord>(1);
    EXPECT_EQ(s.TotalWages, Cents(240013)); // the three employees of the first Print Payroll
    EXPECT_EQ(s.TotalFederal, Cents(18000));
    // The pay records and the register follow the run as printed.
    EXPECT_TRUE(PayRecords(1003).empty());
    EXPECT_EQ(PayRecords(1002)[0].FederalTax, Cents(9000));
    EXPECT_EQ(Entries(PayrollRegisterFile).size(), 2u);
}

TEST_F(FinishRecoveryTest, PartlyPostedRunKeepsTheGridsClosedAndWritesTheRestAsFirstTaken) {
    SetBank(0);
    OpenFinishPanel();
    // Cal's pay records cannot be written: Ann's and Bob's are.
    Block(QStringLiteral("Employees/1003/PayRecords.txt"));
    PrintAndDeclineTheRetry();
    EXPECT_FALSE(Button(3));
    EXPECT_TRUE(Button(4));

    // Neither "Cancel / Recreate" nor a cancelled print dialog reopens the grids.
    f->cmdPrintDeposit_Click(DepositButton::Recreate);
    EXPECT_FALSE(f->fraDepositSummary->isHidden());
    EXPECT_TRUE(f->fraHourly->isHidden());
    dialogs->clear();
    dialogs->answerPrintDialog(false);
    PrintPayroll();
    EXPECT_FALSE(f->fraDepositSummary->isHidden());
    EXPECT_TRUE(f->fraHourly->isHidden());
    EXPECT_FALSE(Button(3));
    EXPECT_TRUE(Button(4));

    // Figures changed on the screen since do not reach the rest of the posting.
    f->Row(3).Tax(PayCol::Federal) = Cents(99900);
    f->Row(3).Gross = Cents(100);
    Unblock(QStringLiteral("Employees/1003/PayRecords.txt"));
    dialogs->clear();
    AnswerAllYes();
    PrintPayroll();
    ASSERT_EQ(PayRecords(1003).size(), 1u);
    EXPECT_EQ(PayRecords(1003)[0].FederalTax, Cents(4000));
    EXPECT_EQ(PayRecords(1003)[0].Gross, Money::fromRaw(6001250));
    EXPECT_EQ(PayRecords(1001).size(), 1u);
    EXPECT_TRUE(WasShown(QStringLiteral("Your Checking Account has been debited by $1,852.52")));
    EXPECT_TRUE(f->isHidden());
}

// ---- Reprints after a failed posting --------------------------------------------------------------

TEST_F(FinishRecoveryTest, ChecksNotYetInTheRegisterFollowTheNumbersPrintedLast) {
    SetBank(0);
    OpenFinishPanel();
    // The register cannot be opened: the pay records are written, the bank side is not.
    Block(QStringLiteral("PayrollCheckRegister.txt"));
    PrintAndDeclineTheRetry();
    EXPECT_TRUE(dialogs->shown.back().text.contains(
        QStringLiteral("Not written:\r\n   checks 1001 to 1003 in PayrollCheckRegister.txt\r\n")));
    Unblock(QStringLiteral("PayrollCheckRegister.txt"));

    // Print Payroll again; checks 1001 to 1003 were spoilt, the pages go again from 1010.
    dialogs->clear();
    dialogs->answerPrintDialog(true)
        .answer(MsgAnswer::No)
        .answerInput(QStringLiteral("1010"))
        .answer(MsgAnswer::Yes)
        .answer(MsgAnswer::Yes);
    PrintPayroll();
    EXPECT_EQ(dialogs->unanswered, 0);
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), (std::vector<QString>{"1010", "1011", "1012"}));
    EXPECT_EQ(CheckNumbers(TempRegisterFile), (std::vector<QString>{"1010", "1011", "1012"}));
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::NextCheck]->text(), QStringLiteral("1013"));
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$3,147.48"));
    EXPECT_EQ(Debits(), 1);
    for (int employee = 1001; employee <= 1003; ++employee)
        EXPECT_EQ(PayRecords(employee).size(), 1u) << employee;
    EXPECT_TRUE(f->isHidden());
}

TEST_F(FinishRecoveryTest, ChecksAlreadyInTheRegisterKeepTheirNumbersOnAReprint) {
    SetBank(0);
    OpenFinishPanel();
    const QByteArray account = readFile(QStringLiteral("PayrollCheckbookInfo.txt"));
    // The register takes checks 1001 to 1003, then the account file cannot be replaced.
    Block(QStringLiteral("PayrollCheckbookInfo.txt"));
    PrintAndDeclineTheRetry();
    Unblock(QStringLiteral("PayrollCheckbookInfo.txt"));
    writeFile(QStringLiteral("PayrollCheckbookInfo.txt"), account);

    // A new first check typed on the panel, then "No" to the checks: no new numbering.
    f->txt1stCheck->setText(QStringLiteral("2000"));
    dialogs->clear();
    dialogs->answerPrintDialog(true).answer(MsgAnswer::No).answer(MsgAnswer::Yes);
    PrintPayroll();
    EXPECT_EQ(f->txt1stCheck->text(), QStringLiteral("1001"));
    EXPECT_EQ(dialogs->messages()[0], QStringLiteral("Remove all Paper and Forms from the Printer\r\n"
                                                     "Insert 3 checks starting with Check No 1001"));
    EXPECT_TRUE(Shown(Kind::Input).empty());
    EXPECT_EQ(dialogs->messages()[2],
              QStringLiteral("Checks 1001 to 1003 of this Payroll are already in the Check Register,\r\n"
                             "so they cannot be printed again from a new number"));
    EXPECT_EQ(dialogs->shown[3].title, QStringLiteral("1st Check No"));
    EXPECT_EQ(dialogs->unanswered, 0);
    EXPECT_EQ(CheckNumbers(PayrollRegisterFile), (std::vector<QString>{"1001", "1002", "1003"}));
    EXPECT_TRUE(readFile(QStringLiteral("PayrollCheckbookInfo.txt")).contains("\"$3,147.48\",\"1004\""));
}

// An account file cut short keeps what it holds: the debit waits until it is whole.
TEST_F(FinishRecoveryTest, AnAccountFileCutShortIsNotDebited) {
    for (const auto& [bank, file] : {std::pair{0, QStringLiteral("PayrollCheckbookInfo.txt")},
                                     std::pair{1, QStringLiteral("CheckbookInfo.txt")}}) {
        SCOPED_TRACE(file.toStdString());
        SetBank(bank, QStringLiteral("$9,000.00"), QStringLiteral("2001"));
        OpenFinishPanel();
        const QByteArray cut = "\"Main Street Bank\",\"777-2\"\r\n";
        writeFile(file, cut);
        PrintAndDeclineTheRetry();
        EXPECT_TRUE(dialogs->shown.back().text.contains(file));
        EXPECT_EQ(readFile(file), cut);
        EXPECT_EQ(Debits(), 0);
        dialogs->clear();
    }
}

// ---- Errors in the finish -------------------------------------------------------------------------

TEST_F(FinishRecoveryTest, FileErrorBeforeThePostingLetsTheUserLeaveOrGoBack) {
    SetBank(0);
    OpenFinishPanel();
    Block(QStringLiteral("SummaryRecords.txt"));
    dialogs->answerPrintDialog(true);
    PrintPayroll();
    EXPECT_TRUE(printer->jobs.empty());
    EXPECT_FALSE(exists(QStringLiteral("Employees/1001/PayRecords.txt")));
    EXPECT_FALSE(f->fraDepositSummary->isHidden());
    EXPECT_TRUE(Button(3));
    EXPECT_TRUE(Button(4));
    f->cmdPrintDeposit[DepositButton::CancelPayroll]->click();
    EXPECT_TRUE(f->isHidden());
}

TEST_F(FinishRecoveryTest, PrintErrorAfterPartOfThePostingLetsTheUserLeaveButNotGoBack) {
    SetBank(0);
    OpenFinishPanel();
    Block(QStringLiteral("Employees/1003/PayRecords.txt"));
    PrintAndDeclineTheRetry();
    dialogs->clear();
    printer->failToStart = true;
    dialogs->answerPrintDialog(true);
    PrintPayroll();
    EXPECT_EQ(dialogs->messages().back(), QStringLiteral("A Print Error has occurred"));
    EXPECT_FALSE(Button(3));
    EXPECT_TRUE(Button(4));
}

// ---- The account debited ------------------------------------------------------------------------------

TEST_F(FinishRecoveryTest, PayrollAccountIsDebitedFromTheFiguresOnTheSetupScreen) {
    SetBank(0);
    // The setup screen shows $5,000.00 and check 1001; the account's file has gone.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("PayrollCheckbookInfo.txt"))));
    OpenFinishPanel();
    AnswerAllYes();
    PrintPayroll();
    EXPECT_TRUE(WasShown(QStringLiteral("Your Checking Account has been debited by $1,852.52")));
    EXPECT_FALSE(WasShown(NegativeWarning));
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$3,147.48"));
    EXPECT_EQ(Form<frmSetup>().txtPayrollBank[PayrollBankBox::NextCheck]->text(), QStringLiteral("1004"));
    EXPECT_TRUE(readFile(QStringLiteral("PayrollCheckbookInfo.txt")).contains("\"$3,147.48\",\"1004\""));
}

TEST_F(FinishRecoveryTest, GeneralAccountWithoutItsFileIsDebitedFromTheSetupScreenNotFromBackup) {
    SetBank(1, QStringLiteral("$9,000.00"), QStringLiteral("2001"));
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("CheckbookInfo.txt"))));
    // An old copy in Backup must not stand in for the figures shown.
    writeFile(QStringLiteral("Backup/CheckbookInfo.txt"),
              "\"Main Street Bank\",\"777-2\",\"$100.00\",\"1500\",\"$500.00\",0,0,0\r\n");
    OpenFinishPanel();
    AnswerAllYes();
    PrintPayroll();
    EXPECT_FALSE(WasShown(NegativeWarning));
    EXPECT_EQ(Form<frmSetup>().LblBank[GeneralBankLabel::Balance]->text(), QStringLiteral("$7,147.48"));
    EXPECT_TRUE(readFile(QStringLiteral("CheckbookInfo.txt")).contains("\"$7,147.48\",\"2004\""));
}
