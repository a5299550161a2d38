// The two checkbook files on the setup screen, and the transfer between them.

#include "SetupSupport.h"

#include "Checking.h"
#include "Globals.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

class CheckingTest : public SetupTest {};

// ---- Loading --------------------------------------------------------------------------------------

TEST_F(CheckingTest, MissingFilesGiveEmptyAccountsZeroBalancesAndCheck101) {
    PayrollAccount().Overdraft = -1;
    frmSetup& s = setup();
    EXPECT_EQ(s.LblBank[GeneralBankLabel::BankName]->text(), QString());
    EXPECT_EQ(s.LblBank[GeneralBankLabel::AccountNumber]->text(), QString());
    EXPECT_EQ(s.LblBank[GeneralBankLabel::Balance]->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(s.LblBank[GeneralBankLabel::NextCheck]->text(), QStringLiteral("101"));
    EXPECT_EQ(s.LblBank[GeneralBankLabel::BeginningBalance]->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(s.LblAcctType->text(), QStringLiteral("Business Checking"));
    EXPECT_FALSE(s.ckDeposit->isChecked());
    EXPECT_TRUE(s.lblOverdraft->isHidden());
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::BankName]->text(), QString());
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::AccountNumber]->text(), QString());
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::NextCheck]->text(), QStringLiteral("101"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::BeginningBalance]->text(), QStringLiteral("$0.00"));
    EXPECT_FALSE(s.optOverdraft->isChecked());
    EXPECT_EQ(PayrollAccount().Overdraft, 0);
    EXPECT_EQ(s.BankOption(), 1);
}

TEST_F(CheckingTest, GeneralCheckbookFillsTheLabelsAndOpensTheAmbletonTab) {
    writeGeneralCheckbook("\"First Farmers Bank\",\"0012-7781\",\"$1,250.00\",\"2417\",\"500\",-1,0,-1\r\n");
    frmSetup& s = setup();
    EXPECT_TRUE(s.tabInfo->isTabEnabled(frmSetup::AmbletonTab));
    EXPECT_EQ(s.LblBank[GeneralBankLabel::BankName]->text(), QStringLiteral("First Farmers Bank"));
    EXPECT_EQ(s.LblBank[GeneralBankLabel::AccountNumber]->text(), QStringLiteral("0012-7781"));
    EXPECT_EQ(s.LblBank[GeneralBankLabel::Balance]->text(), QStringLiteral("$1,250.00"));
    EXPECT_EQ(s.LblBank[GeneralBankLabel::NextCheck]->text(), QStringLiteral("2417"));
    EXPECT_EQ(s.LblBank[GeneralBankLabel::BeginningBalance]->text(), QStringLiteral("$500.00"));
    EXPECT_FALSE(s.lblOverdraft->isHidden());
    EXPECT_EQ(s.LblAcctType->text(), QStringLiteral("Business Checking"));
    EXPECT_TRUE(s.ckDeposit->isChecked());
}

TEST_F(CheckingTest, AmbletonTabAndTransferShowOnlyForAGeneralAccount) {
    const struct {
        const char* line;
        bool account;
    } rows[] = {
        {"\"\",\"\",\"$0.00\",\"101\",\"$0.00\",0,0,0\r\n", false}, // the defaults alone
        {"\" \",\"\",\"\",\"\",\"\",0,0,0\r\n", false},
        {"\"First Farmers Bank\",\"\",\"$0.00\",\"101\",\"$0.00\",0,0,0\r\n", true},
        {"\"\",\"0012-7781\",\"$0.00\",\"101\",\"$0.00\",0,0,0\r\n", true},
        {"\"\",\"\",\"-$412.50\",\"104\",\"$0.00\",0,0,0\r\n", true}, // checks already drawn on it
        {"\"\",\"\",\"$0.00\",\"2417\",\"$0.00\",0,0,0\r\n", true},
    };
    writePayrollCheckbook();
    for (const auto& row : rows) {
        writeGeneralCheckbook(row.line);
        frmSetup& s = setup();
        EXPECT_EQ(s.tabInfo->isTabEnabled(frmSetup::AmbletonTab), row.account) << row.line;
        EXPECT_EQ(s.tabInfo->isTabVisible(frmSetup::AmbletonTab), row.account) << row.line;
        EXPECT_EQ(s.fraTransfer->isHidden(), !row.account) << row.line;
        s.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(CheckingTest, BalanceThatIsNoNumberShowsAsZero) {
    writeGeneralCheckbook("\"Bank\",\"1\",\"lots\",\"2417\",\"\",0,0,0\r\n");
    writePayrollCheckbook("\"Bank\",\"2\",\"n/a\",\"1001\",\"?\",#FALSE#\r\n");
    frmSetup& s = setup();
    EXPECT_EQ(s.LblBank[GeneralBankLabel::Balance]->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(s.LblBank[GeneralBankLabel::BeginningBalance]->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::BeginningBalance]->text(), QStringLiteral("$0.00"));
}

TEST_F(CheckingTest, PersonalCheckingKeepsTheDepositBoxAndIsSavedAsPersonalAgain) {
    writeGeneralCheckbook("\"First Farmers Bank\",\"0012-7781\",\"$80.00\",\"301\",\"$80.00\",0,1,-1\r\n");
    frmSetup& s = setup();
    EXPECT_EQ(s.LblAcctType->text(), QStringLiteral("Personal Checking"));
    EXPECT_FALSE(s.ckDeposit->isChecked());
    s.ckDeposit->setChecked(true);
    LoadCheckbookInfo();
    EXPECT_TRUE(s.ckDeposit->isChecked());
    SaveCheckbookInfo();
    EXPECT_EQ(readFile("CheckbookInfo.txt"),
              QByteArray("\"First Farmers Bank\",\"0012-7781\",\"$80.00\",\"301\",\"$80.00\",0,1,-1\r\n"));
    EXPECT_EQ(s.LblAcctType->text(), QStringLiteral("Personal Checking"));
}

TEST_F(CheckingTest, BusinessDepositSlipChoiceSurvivesSaveAndLoad) {
    writeGeneralCheckbook(
        "\"First Farmers Bank\",\"0012-7781\",\"$1,250.00\",\"2417\",\"$500.00\",-1,0,0\r\n");
    frmSetup& s = setup();
    s.ckDeposit->setChecked(true);
    SaveCheckbookInfo();
    EXPECT_EQ(
        readFile("CheckbookInfo.txt"),
        QByteArray("\"First Farmers Bank\",\"0012-7781\",\"$1,250.00\",\"2417\",\"$500.00\",-1,0,-1\r\n"));
    s.ckDeposit->setChecked(false);
    LoadCheckbookInfo();
    EXPECT_TRUE(s.ckDeposit->isChecked());
}

// ---- What Ambleton keeps after the eight items -------------------------------------------------------

TEST_F(CheckingTest, SaveKeepsWhatAmbletonStoresAfterTheEighthItemByteForByte) {
    // Two more items on the line (one of them with blanks around it), a second line
    // with bytes beyond ASCII, and a last line without its line end.
    const QByteArray rest = ",\"Reconciled 5/31/2026\",  3 \r\n\"Memo\",\"\x93Seed\x94 \xB1\"\r\nlast";
    writeGeneralCheckbook("\"First Farmers Bank\",\"0012-7781\",\"$1,250.00\",\"2417\",\"$500.00\",-1,0,-1" +
                          rest);
    frmSetup& s = setup();
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_EQ(s.LblBank[GeneralBankLabel::Balance]->text(), QStringLiteral("$1,250.00"));
    GeneralAccount().Balance = QStringLiteral("$1,000.00");
    s.ckDeposit->setChecked(false);
    SaveCheckbookInfo();
    EXPECT_EQ(readFile("CheckbookInfo.txt"),
              "\"First Farmers Bank\",\"0012-7781\",\"$1,000.00\",\"2417\",\"$500.00\",-1,0,0" + rest);
    // And again: the rest does not grow or move with each save.
    SaveCheckbookInfo();
    EXPECT_EQ(readFile("CheckbookInfo.txt"),
              "\"First Farmers Bank\",\"0012-7781\",\"$1,000.00\",\"2417\",\"$500.00\",-1,0,0" + rest);
}

TEST_F(CheckingTest, SaveKeepsFurtherLinesAfterAnEightItemLine) {
    const QByteArray more = "\r\n\"Second account\",\"77-1\"\r\n\r\n";
    writeGeneralCheckbook("\"Bank\",\"1\",\"$10.00\",\"301\",\"$10.00\",0,1,0" + more);
    setup();
    SaveCheckbookInfo();
    EXPECT_EQ(readFile("CheckbookInfo.txt"), "\"Bank\",\"1\",\"$10.00\",\"301\",\"$10.00\",0,1,0" + more);
}

TEST_F(CheckingTest, SaveKeepsWhatAmbletonStoredWhileThisProgramRan) {
    writeGeneralCheckbook("\"Bank\",\"1\",\"$10.00\",\"301\",\"$10.00\",0,0,0,\"old note\"\r\n");
    setup();
    writeGeneralCheckbook("\"Bank\",\"1\",\"$10.00\",\"301\",\"$10.00\",0,0,0,\"new note\",2\r\n");
    GeneralAccount().NextCheck = QStringLiteral("302");
    SaveCheckbookInfo();
    EXPECT_EQ(readFile("CheckbookInfo.txt"),
              QByteArray("\"Bank\",\"1\",\"$10.00\",\"302\",\"$10.00\",0,0,0,\"new note\",2\r\n"));
}

TEST_F(CheckingTest, TransferKeepsWhatAmbletonStoresAfterTheEighthItem) {
    writeGeneralCheckbook("\"Bank\",\"1\",\"$100.00\",\"301\",\"$10.00\",0,0,0,7,8\r\nnext\r\n");
    writePayrollCheckbook();
    frmSetup& s = setup();
    s.txtAmount->setText(QStringLiteral("40"));
    dialogs->answer(MsgAnswer::Yes);
    s.cmdTransfer->click();
    EXPECT_EQ(readFile("CheckbookInfo.txt"),
              QByteArray("\"Bank\",\"1\",\"$60.00\",\"301\",\"$10.00\",0,0,0,7,8\r\nnext\r\n"));
}

TEST_F(CheckingTest, PayrollCheckbookRoundTripsWithItsOverdraftOption) {
    frmSetup& s = setup();
    s.txtPayrollBank[PayrollBankBox::BankName]->setText(QStringLiteral("Macon Savings, Main Branch"));
    s.txtPayrollBank[PayrollBankBox::AccountNumber]->setText(QStringLiteral("88-301"));
    s.txtPayrollBank[PayrollBankBox::Balance]->setText(QStringLiteral("1000"));
    s.txtPayrollBank[PayrollBankBox::NextCheck]->setText(QStringLiteral("1001"));
    s.txtPayrollBank[PayrollBankBox::BeginningBalance]->setText(QStringLiteral("$250.00"));
    s.optOverdraft->click();
    EXPECT_EQ(PayrollAccount().Overdraft, -1);
    SavePayrollCheckbookInfo();
    EXPECT_EQ(readFile("PayrollCheckbookInfo.txt"),
              QByteArray(
                  "\"Macon Savings, Main Branch\",\"88-301\",\"$1,000.00\",\"1001\",\"$250.00\",#TRUE#\r\n"));

    s.optOverdraft->click(); // the lone option turns off again
    for (QLineEdit* box : s.txtPayrollBank)
        box->clear();
    LoadPayrollCheckbookInfo();
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::BankName]->text(), QStringLiteral("Macon Savings, Main Branch"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$1,000.00"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::NextCheck]->text(), QStringLiteral("1001"));
    EXPECT_TRUE(s.optOverdraft->isChecked());
    EXPECT_EQ(PayrollAccount().Overdraft, -1);
}

TEST_F(CheckingTest, ShortCheckbookFileIsReportedAsDamaged) {
    writePayrollCheckbook("\"Macon Savings\",\"88-301\",\"$300.00\"\r\n");
    frmSetup& s = setup();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Damaged File"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$300.00"));
}

// ---- The bank option the loaders leave ------------------------------------------------------------

TEST_F(CheckingTest, StoredSeparateAccountIsKeptWhenItsCheckbookExists) {
    writeFile("PayrollInfo.txt", "#TRUE#,#FALSE#,#FALSE#\r\n");
    writePayrollCheckbook();
    frmSetup& s = setup(); // no general checkbook file
    EXPECT_EQ(s.BankOption(), 0);
    LoadPayrollCheckbookInfo();
    LoadCheckbookInfo();
    EXPECT_EQ(s.BankOption(), 0);
}

TEST_F(CheckingTest, StoredChoiceIsKeptWhenThePayrollCheckbookIsMissing) {
    writeFile("PayrollInfo.txt", "#FALSE#,#FALSE#,#TRUE#\r\n");
    EXPECT_EQ(setup().BankOption(), 2);
}

TEST_F(CheckingTest, NoOptionStoredAndNoPayrollCheckbookSelectsTheGeneralAccount) {
    writeFile("PayrollInfo.txt", "#FALSE#,#FALSE#,#FALSE#\r\n");
    frmSetup& s = setup();
    EXPECT_EQ(s.BankOption(), 1);
    EXPECT_FALSE(s.optAccount[BankChoice::SeparateAccount]->isChecked());
    EXPECT_FALSE(s.optAccount[BankChoice::OtherProgram]->isChecked());
}

// ---- Transfer ---------------------------------------------------------------------------------------

class TransferTest : public SetupTest {
protected:
    TransferTest() {
        writeGeneralCheckbook(); // $1,250.00
        writePayrollCheckbook(); // $300.00
    }
};

TEST_F(TransferTest, TransferFrameShowsOnlyWithBothCheckbooks) {
    EXPECT_FALSE(setup().fraTransfer->isHidden());
}

TEST_F(TransferTest, TransferOfTheWholeBalanceLeavesTheGeneralAccountAtZero) {
    frmSetup& s = setup();
    s.txtAmount->setText(QStringLiteral("1250"));
    dialogs->answer(MsgAnswer::Yes);
    s.cmdTransfer->click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              QStringLiteral("Click YES to Transfer $1,250.00 to Your Payrool Checking Account"));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Add Funds to Payroll Checking"));
    EXPECT_EQ(dialogs->shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(s.LblBank[GeneralBankLabel::Balance]->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$1,550.00"));
    EXPECT_EQ(readFile("CheckbookInfo.txt"),
              QByteArray("\"First Farmers Bank\",\"0012-7781\",\"$0.00\",\"2417\",\"$500.00\",0,0,0\r\n"));
    EXPECT_EQ(readFile("PayrollCheckbookInfo.txt"),
              QByteArray("\"Macon Savings\",\"88-301\",\"$1,550.00\",\"1001\",\"$300.00\",#FALSE#\r\n"));
}

TEST_F(TransferTest, TransferAboveTheBalanceIsRefusedAndChangesNothing) {
    frmSetup& s = setup();
    s.txtAmount->setText(QStringLiteral("1250.01"));
    s.cmdTransfer_Click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              QStringLiteral("Amount exceeds current Balance\r\nTransfer cannot be maid"));
    EXPECT_EQ(dialogs->shown[0].title, QString());
    EXPECT_EQ(dialogs->shown[0].buttons, MsgButtons::OK);
    EXPECT_EQ(s.LblBank[GeneralBankLabel::Balance]->text(), QStringLiteral("$1,250.00"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$300.00"));
    EXPECT_TRUE(readFile("CheckbookInfo.txt").contains("\"$1,250.00\""));
}

TEST_F(TransferTest, AmountShowingZeroIsEmptiedByTheFirstKey) {
    frmSetup& s = setup();
    s.Show();
    ASSERT_EQ(s.txtAmount->text(), QStringLiteral("$0.00"));
    type(s.txtAmount, Qt::Key_Tab);
    EXPECT_EQ(s.txtAmount->text(), QStringLiteral("$0.00"));
    type(s.txtAmount, Qt::Key_7, QStringLiteral("7"));
    type(s.txtAmount, Qt::Key_Minus, QStringLiteral("-"));
    EXPECT_EQ(s.txtAmount->text(), QStringLiteral("7"));
}

TEST_F(TransferTest, AnsweringNoChangesNothing) {
    frmSetup& s = setup();
    s.txtAmount->setText(QStringLiteral("100"));
    dialogs->answer(MsgAnswer::No);
    s.cmdTransfer_Click();
    EXPECT_EQ(s.LblBank[GeneralBankLabel::Balance]->text(), QStringLiteral("$1,250.00"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$300.00"));
}

TEST_F(TransferTest, EmptyOrNonNumericAmountIsRefusedWithAMessage) {
    frmSetup& s = setup();
    for (const QString& amount :
         {QString(), QStringLiteral("abc"), QStringLiteral("$0.00"), QStringLiteral("-20")}) {
        dialogs->clear();
        s.txtAmount->setText(amount);
        s.cmdTransfer_Click();
        ASSERT_EQ(dialogs->messages(),
                  std::vector<QString>{QStringLiteral("Enter the amount to Transfer from Ambleton")})
            << amount.toStdString();
        EXPECT_EQ(dialogs->beeps, 1);
    }
    EXPECT_EQ(s.LblBank[GeneralBankLabel::Balance]->text(), QStringLiteral("$1,250.00"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$300.00"));

    PromptsOn = false;
    dialogs->clear();
    s.cmdTransfer_Click();
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_EQ(dialogs->beeps, 1);
}

TEST_F(CheckingTest, AccountsAreReadAndWrittenWithoutTheScreen) {
    writeGeneralCheckbook("\"Bank\",\"1\",\"12\",\"301\",\"$10.00\",-1,1,-1,\"note\"\r\n");
    CheckbookRead general = ReadCheckbookInfo();
    EXPECT_FALSE(general.Short);
    EXPECT_EQ(general.Info.Balance, QStringLiteral("$12.00"));
    EXPECT_EQ(general.Info.AccountType, 1);
    general.Info.NextCheck = QStringLiteral("305");
    WriteCheckbookInfo(general.Info);
    EXPECT_EQ(readFile("CheckbookInfo.txt"), "\"Bank\",\"1\",\"$12.00\",\"305\",\"$10.00\",-1,1,-1,\"note\"\r\n");

    CheckbookInfo payroll = NewCheckbook();
    payroll.Balance = QStringLiteral("$3.50");
    payroll.Overdraft = -1;
    WritePayrollCheckbookInfo(payroll);
    const CheckbookRead read = ReadPayrollCheckbookInfo();
    EXPECT_EQ(read.Info.Balance, QStringLiteral("$3.50"));
    EXPECT_EQ(read.Info.NextCheck, QStringLiteral("101"));
    EXPECT_EQ(read.Info.Overdraft, -1);
}
