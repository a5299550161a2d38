// The setup screen: its settings files, the state choice, the bank options, saving,
// navigation, the money boxes and the supplier menus.

#include "Main.h"
#include "SetupSupport.h"

#include <QMouseEvent>

#include "Checking.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "StateTaxes.h"
#include "Suppliers.h"
#include "frmStartup.h"
#include "frmTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

int SelectedOptions(const frmSetup& s) {
    int set = 0;
    for (const QRadioButton* option : s.optAccount)
        set += option->isChecked() ? 1 : 0;
    return set;
}

} // namespace

// ---- First run --------------------------------------------------------------------------------

TEST_F(SetupTest, FirstRunHasPromptsAndAlarmsOnNoMatchingAndBlankIdentityBoxes) {
    PromptsOn = AlarmsOn = false;
    frmSetup& s = setup();
    EXPECT_TRUE(PromptsOn);
    EXPECT_TRUE(AlarmsOn);
    EXPECT_TRUE(s.ckPrompts->isChecked());
    EXPECT_TRUE(s.ckAlarms->isChecked());
    EXPECT_FALSE(s.ck401->isChecked());
    EXPECT_FALSE(Offer401kMatch);
    EXPECT_EQ(MatchPercent, QString());
    EXPECT_EQ(s.cboMatching->currentIndex(), -1);
    for (QLineEdit* box : {s.txtName, s.txtAddress, s.txtPOBox, s.txtCity, s.txtZip, s.txtFax})
        EXPECT_EQ(box->text(), QStringLiteral(" ")) << box->objectName().toStdString();
    EXPECT_EQ(s.txtTel->text(), QString());
    EXPECT_EQ(s.txtFein->text(), QString());
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Payroll Setup Screen"));
    EXPECT_FALSE(s.tabInfo->isTabEnabled(frmSetup::AmbletonTab));
    EXPECT_TRUE(s.fraTransfer->isHidden());
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(SetupTest, FirstRunBankOptionIsZeroUntilTheCheckbookLoadersSelectOne) {
    frmSetup& s = setup();
    s.LoadPayrollInfo();
    EXPECT_EQ(s.BankOption(), 0);
    LoadCheckbookInfo();
    EXPECT_EQ(s.BankOption(), 1);
    EXPECT_EQ(SelectedOptions(s), 1);
}

TEST_F(SetupTest, FirstRunSaveWritesASingleBlankForEachUntouchedBox) {
    setup().cmdQuit_Click();
    EXPECT_EQ(readFile("MyBusinessData.txt"),
              QByteArray("\" \",\" \",\" \",\" \",\"\",\" \",\"\",\" \",\"\"\r\n"));
    EXPECT_EQ(readFile("PayrollInfo.txt"), QByteArray("#FALSE#,#TRUE#,#FALSE#\r\n"));
    EXPECT_EQ(readFile("Prompts.txt"), QByteArray("#TRUE#,#TRUE#\r\n"));
    EXPECT_EQ(readFile("MatchingInfo.txt"), QByteArray("#FALSE#,\"\"\r\n"));
}

// ---- Settings files ------------------------------------------------------------------------------

TEST_F(SetupTest, NamesWithCommasAreWrittenInQuotesAndReadBackWhole) {
    frmSetup& s = setup();
    s.txtName->setText(QStringLiteral("Harlan, Feed & Seed, Inc."));
    s.txtAddress->setText(QStringLiteral("14 Mill Road, Unit 2"));
    s.txtPOBox->setText(QStringLiteral("PO Box 7"));
    s.txtCity->setText(QStringLiteral("Macon"));
    s.txtZip->setText(QStringLiteral("31201-4410"));
    s.txtTel->setText(QStringLiteral("478-555-0142"));
    s.txtFax->setText(QStringLiteral("orders@harlan.example, fax 478-555-0143"));
    s.txtFein->setText(QStringLiteral("58-1234567"));
    s.SaveBusiness();
    EXPECT_EQ(readFile("MyBusinessData.txt"),
              QByteArray("\"Harlan, Feed & Seed, Inc.\",\"14 Mill Road, Unit 2\",\"PO Box 7\",\"Macon\",\"\","
                         "\"31201-4410\",\"478-555-0142\",\"orders@harlan.example, fax 478-555-0143\","
                         "\"58-1234567\"\r\n"));

    ResetGlobals();
    s.txtName->clear();
    s.txtAddress->clear();
    s.LoadBusiness();
    EXPECT_EQ(BusinessName, QStringLiteral("Harlan, Feed & Seed, Inc."));
    EXPECT_EQ(BusinessAddress, QStringLiteral("14 Mill Road, Unit 2"));
    EXPECT_EQ(BusinessFax, QStringLiteral("orders@harlan.example, fax 478-555-0143"));
    EXPECT_EQ(BusinessFein, QStringLiteral("58-1234567"));
    EXPECT_EQ(s.txtName->text(), QStringLiteral("Harlan, Feed & Seed, Inc."));
    EXPECT_EQ(s.txtAddress->text(), QStringLiteral("14 Mill Road, Unit 2"));
    EXPECT_EQ(s.txtZip->text(), QStringLiteral("31201-4410"));
}

TEST_F(SetupTest, FlagFilesRoundTripAsTrueAndFalseWords) {
    frmSetup& s = setup();
    s.optAccount[BankChoice::OtherProgram]->click();
    s.ckPrompts->setChecked(false);
    s.ckAlarms->setChecked(true);
    s.ck401->click();
    s.cboMatching->setCurrentIndex(s.cboMatching->findText(QStringLiteral("2.5")));
    s.SavePayrollInfo();
    s.SavePrompts();
    s.SaveMatching();
    EXPECT_EQ(readFile("PayrollInfo.txt"), QByteArray("#FALSE#,#FALSE#,#TRUE#\r\n"));
    EXPECT_EQ(readFile("Prompts.txt"), QByteArray("#FALSE#,#TRUE#\r\n"));
    EXPECT_EQ(readFile("MatchingInfo.txt"), QByteArray("#TRUE#,\"2.5\"\r\n"));
    EXPECT_FALSE(PromptsOn);

    s.Unload();
    ResetGlobals();
    frmSetup& again = setup();
    EXPECT_EQ(again.BankOption(), 2);
    EXPECT_FALSE(again.ckPrompts->isChecked());
    EXPECT_TRUE(again.ckAlarms->isChecked());
    EXPECT_FALSE(PromptsOn);
    EXPECT_TRUE(AlarmsOn);
    EXPECT_TRUE(again.ck401->isChecked());
    EXPECT_TRUE(Offer401kMatch);
    EXPECT_EQ(again.cboMatching->currentText(), QStringLiteral("2.5"));
    EXPECT_EQ(MatchPercent, QStringLiteral("2.5"));
}

TEST_F(SetupTest, MatchingListHoldsTheTenEntriesWhateverTheFileHolds) {
    writeFile("MatchingInfo.txt", "#TRUE#,\"7\",\"1\",\"9\"\r\n");
    frmSetup& s = setup();
    s.LoadMatching();
    QStringList entries;
    for (int i = 0; i < s.cboMatching->count(); ++i)
        entries << s.cboMatching->itemText(i);
    EXPECT_EQ(entries, QStringList({"1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "5", "5.5"}));
    EXPECT_EQ(s.cboMatching->currentText(), QStringLiteral("7"));
    // A stored percent that is no entry is kept as it was and saved back unchanged.
    EXPECT_EQ(MatchPercent, QStringLiteral("7"));
    s.SaveMatching();
    EXPECT_EQ(readFile("MatchingInfo.txt"), QByteArray("#TRUE#,\"7\"\r\n"));
}

TEST_F(SetupTest, StoredMatchingTextIsShownAsTheListsText) {
    writeFile("MatchingInfo.txt", "#TRUE#,\"7\"\r\n");
    frmSetup& s = setup();
    // The pay run reads the list's text: it must be what the file holds.
    EXPECT_EQ(s.cboMatching->currentText(), QStringLiteral("7"));
    EXPECT_EQ(s.cboMatching->count(), 10);
    // The text cannot be typed over, and Enter adds nothing to the list.
    type(s.cboMatching->lineEdit(), Qt::Key_9, QStringLiteral("9"));
    type(s.cboMatching->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(s.cboMatching->currentText(), QStringLiteral("7"));
    EXPECT_EQ(s.cboMatching->count(), 10);
    EXPECT_EQ(MatchPercent, QStringLiteral("7"));

    // Picking an entry replaces it, in the list and in the live setting.
    s.cboMatching->setCurrentIndex(s.cboMatching->findText(QStringLiteral("4.5")));
    EXPECT_EQ(s.cboMatching->currentText(), QStringLiteral("4.5"));
    EXPECT_EQ(MatchPercent, QStringLiteral("4.5"));

    // Loading again without the file shows no percent, not the one shown before.
    writeFile("MatchingInfo.txt", "#TRUE#,\"7\"\r\n");
    s.LoadMatching();
    EXPECT_EQ(s.cboMatching->currentText(), QStringLiteral("7"));
    ASSERT_TRUE(QFile::remove(path("MatchingInfo.txt")));
    s.LoadMatching();
    EXPECT_EQ(s.cboMatching->currentText(), QString());
    EXPECT_EQ(s.cboMatching->currentIndex(), -1);
    EXPECT_EQ(MatchPercent, QString());
}

TEST_F(SetupTest, DamagedSettingsFileIsReportedAndWhatItHeldIsKept) {
    writeFile("MyBusinessData.txt", "\"Harlan Feed\",\"14 Mill Road\"\r\n");
    setup().LoadBusiness();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Damaged File"));
    EXPECT_EQ(setup().txtName->text(), QStringLiteral("Harlan Feed"));
    EXPECT_EQ(setup().txtCity->text(), QString());
}

// ---- State choice ----------------------------------------------------------------------------------

class SetupStateTest : public SetupTest {
protected:
    SetupStateTest() {
        copyShipped("StateTaxes.txt");
        LoadStateTaxes();
    }
};

TEST_F(SetupStateTest, StateListLoaderLoadsTheBusinessAndSelectsItsState) {
    writeFile("MyBusinessData.txt", "\"Harlan Feed\",\"14 Mill Road\",\" "
                                    "\",\"Phoenix\",\"Arizona\",\"85001\",\"602-555-0100\",\" \",\"\"\r\n");
    LoadStateTaxes();
    frmSetup& s = setup();
    ASSERT_EQ(s.cboStates->count(), 51);
    EXPECT_EQ(s.cboStates->currentText(), QStringLiteral("Arizona"));
    EXPECT_EQ(StateIndex, 3);
    EXPECT_EQ(s.txtCity->text(), QStringLiteral("Phoenix"));
    EXPECT_EQ(Form<frmTables>().TxtTables[TaxBox::StateRate]->text(), QStringLiteral("2.50%"));
    EXPECT_EQ(Form<frmTables>().TxtTables[TaxBox::StateMaximum]->text(), QStringLiteral("Table"));
}

TEST_F(SetupStateTest, FilledStateListChoosesNoStateTheUserNeverPicked) {
    EXPECT_EQ(setup().cboStates->currentIndex(), -1);
    setup().SaveBusiness();
    EXPECT_EQ(BusinessState, QString());
}

TEST_F(SetupStateTest, EmptyRateOrMaximumLeavesThatTaxBoxButSetsStateAndClearsFlatRate) {
    frmTables& tables = Form<frmTables>();
    tables.TxtTables[TaxBox::StateRate]->setText(QStringLiteral("9.99%"));
    tables.TxtTables[TaxBox::StateMaximum]->setText(QStringLiteral("$1,000.00"));
    tables.ckState->setChecked(true);
    StateTaxRate[4].clear(); // Arkansas

    frmSetup& s = setup();
    s.cboStates->setCurrentIndex(3);
    Q_EMIT s.cboStates->activated(3);
    EXPECT_EQ(StateIndex, 4);
    EXPECT_EQ(tables.TxtTables[TaxBox::StateRate]->text(), QStringLiteral("9.99%"));
    EXPECT_EQ(tables.TxtTables[TaxBox::StateMaximum]->text(), StateTaxMaximum[4]);
    EXPECT_FALSE(tables.ckState->isChecked());

    StateTaxMaximum[2].clear(); // Alaska
    s.cboStates->setCurrentIndex(1);
    s.SelectState();
    EXPECT_EQ(StateIndex, 2);
    EXPECT_EQ(tables.TxtTables[TaxBox::StateRate]->text(), QStringLiteral("0.00%"));
    EXPECT_EQ(tables.TxtTables[TaxBox::StateMaximum]->text(), StateTaxMaximum[4]);
}

TEST_F(SetupStateTest, StoredStateMatchingNoEntryChangesNothingAndIsKeptBySave) {
    frmTables& tables = Form<frmTables>();
    tables.TxtTables[TaxBox::StateRate]->setText(QStringLiteral("3.00%"));
    tables.ckState->setChecked(true);
    StateIndex = 7;
    writeFile("MyBusinessData.txt",
              "\"Harlan Feed\",\" \",\" \",\" \",\"Atlantis\",\" \",\"\",\" \",\"\"\r\n");
    frmSetup& s = setup();
    s.LoadBusiness();
    EXPECT_EQ(StateIndex, 7);
    EXPECT_EQ(tables.TxtTables[TaxBox::StateRate]->text(), QStringLiteral("3.00%"));
    EXPECT_TRUE(tables.ckState->isChecked());
    EXPECT_EQ(s.cboStates->currentIndex(), -1);
    EXPECT_EQ(s.cboStates->placeholderText(), QStringLiteral("Atlantis"));
    s.SaveBusiness();
    EXPECT_EQ(BusinessState, QStringLiteral("Atlantis"));
}

// ---- Saving --------------------------------------------------------------------------------------

TEST_F(SetupStateTest, SaveWritesEveryFileReloadsTheStateTableAndReturnsToTheMenu) {
    LinkScreens();
    copyShipped("StateTaxesMarginal.txt"); // without bracket tables: the state's flat rate
    frmSetup& s = setup();
    s.Show();
    s.cboStates->setCurrentIndex(2); // Arizona
    s.SelectState();
    s.optAccount[BankChoice::SeparateAccount]->click();
    s.txtPayrollBank[PayrollBankBox::BankName]->setText(QStringLiteral("Macon Savings"));
    s.cmdQuit->click();

    for (const char* file : {"MyBusinessData.txt", "PayrollInfo.txt", "PayrollCheckbookInfo.txt",
                             "Prompts.txt", "MatchingInfo.txt"})
        EXPECT_TRUE(exists(file)) << file;
    // The general checkbook is Ambleton's: a save here does not make up an empty one.
    EXPECT_FALSE(exists("CheckbookInfo.txt"));
    EXPECT_EQ(readFile("PayrollInfo.txt"), QByteArray("#TRUE#,#FALSE#,#FALSE#\r\n"));
    EXPECT_TRUE(readFile("PayrollCheckbookInfo.txt").startsWith("\"Macon Savings\""));
    // Writing the general checkbook before the payroll one does not undo the option saved.
    EXPECT_EQ(s.BankOption(), 0);
    EXPECT_EQ(Form<frmTables>().TxtTables[TaxBox::StateMaximum]->text(), QStringLiteral("None"));
    EXPECT_TRUE(Form<frmTables>().ckState->isChecked());
    EXPECT_TRUE(s.isHidden());
    EXPECT_EQ(ActiveScreen(), &Form<frmStartup>());
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(SetupTest, NoBankOptionRefusesToSaveAndShowsTheBankTab) {
    writeFile("PayrollInfo.txt", "#FALSE#,#FALSE#,#FALSE#\r\n");
    writePayrollCheckbook();
    frmSetup& s = setup();
    s.Show();
    ASSERT_EQ(s.BankOption(), -1);
    s.cmdQuit_Click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("Select a Bank Option"));
    EXPECT_EQ(dialogs->shown[0].title, QString());
    EXPECT_EQ(s.tabInfo->currentIndex(), frmSetup::BankOptionTab);
    EXPECT_FALSE(exists("MyBusinessData.txt"));
    EXPECT_EQ(readFile("PayrollInfo.txt"), QByteArray("#FALSE#,#FALSE#,#FALSE#\r\n"));
    EXPECT_FALSE(s.isHidden());
}

TEST_F(SetupTest, SaveThatCannotWriteAFileReportsItAndStays) {
    makeFolder("Prompts.txt"); // a folder where the file belongs: the write fails
    frmSetup& s = setup();
    s.Show();
    s.cmdQuit_Click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("File Error"));
    EXPECT_FALSE(s.isHidden());
    EXPECT_TRUE(exists("MyBusinessData.txt"));
}

TEST_F(SetupTest, SaveThatFailsAtAnyStepKeepsTheBusinessFileNamesItAndStays) {
    const QByteArray old = "\"Old Name\",\" \",\" \",\" \",\" \",\" \",\" \",\" \",\" \"\r\n";
    frmSetup& s = setup();
    s.Show();
    s.txtName->setText(QStringLiteral("New Name"));
    for (const WriteFault& fault : FaultsAtEveryStep(QStringLiteral("MyBusinessData.txt"))) {
        SCOPED_TRACE(Described(fault));
        writeFile("MyBusinessData.txt", old);
        dialogs->clear();
        InjectWriteFault(fault);
        s.cmdQuit_Click();
        EXPECT_EQ(readFile("MyBusinessData.txt"), old);
        ASSERT_EQ(dialogs->shown.size(), 1u);
        EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("File Error"));
        EXPECT_TRUE(dialogs->shown[0].text.contains(path("MyBusinessData.txt")));
        EXPECT_FALSE(s.isHidden());
    }
}

TEST_F(SetupTest, BankOptionSaveDeletesOnlyTheBackupCopy) {
    writeFile("Backup/PayrollInfo.txt", "#TRUE#,#FALSE#,#FALSE#\r\n");
    writeFile("PayrollInfo.txt", "#TRUE#,#FALSE#,#FALSE#\r\n");
    frmSetup& s = setup();
    s.optAccount[BankChoice::OtherProgram]->click();
    s.SavePayrollInfo();
    EXPECT_FALSE(exists("Backup/PayrollInfo.txt"));
    EXPECT_EQ(readFile("PayrollInfo.txt"), QByteArray("#FALSE#,#FALSE#,#TRUE#\r\n"));
}

// ---- Bank options ----------------------------------------------------------------------------------

TEST_F(SetupTest, BankOptionLabelsFollowTheChoice) {
    frmSetup& s = setup();
    s.optAccount[BankChoice::GeneralAccount]->click();
    EXPECT_FALSE(s.lblDebit->isHidden());
    EXPECT_TRUE(s.lblFunds->isHidden());
    EXPECT_EQ(s.lblDebit->palette().color(QPalette::WindowText), VbColor(16576));
    s.optAccount[BankChoice::OtherProgram]->click();
    EXPECT_TRUE(s.lblDebit->isHidden());
    EXPECT_FALSE(s.lblFunds->isHidden());
    EXPECT_EQ(SelectedOptions(s), 1);
}

TEST_F(SetupTest, SeparatePayrollAccountWithoutItsFileGuessesTheBankAndOpensItsTab) {
    writeGeneralCheckbook();
    frmSetup& s = setup();
    s.optAccount[BankChoice::SeparateAccount]->click();
    EXPECT_FALSE(s.lblDebit->isHidden());
    EXPECT_TRUE(s.lblFunds->isHidden());
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::BankName]->text(), QStringLiteral("First Farmers Bank"));
    EXPECT_EQ(s.tabInfo->currentIndex(), frmSetup::PayrollCheckbookTab);
}

TEST_F(SetupTest, SeparatePayrollAccountWithItsFileKeepsItsName) {
    writeGeneralCheckbook();
    writePayrollCheckbook();
    frmSetup& s = setup();
    s.optAccount[BankChoice::SeparateAccount]->click();
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::BankName]->text(), QStringLiteral("Macon Savings"));
    EXPECT_EQ(s.tabInfo->currentIndex(), frmSetup::BusinessTab);
}

// ---- Showing and navigation ------------------------------------------------------------------------

TEST_F(SetupTest, EachShowStartsOnTheBusinessTabWithZeroToTransfer) {
    frmSetup& s = setup();
    s.Show();
    s.txtAmount->setText(QStringLiteral("25"));
    s.tabInfo->setCurrentIndex(frmSetup::MatchingTab);
    s.Hide();
    s.Show();
    EXPECT_EQ(s.txtAmount->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(s.tabInfo->currentIndex(), frmSetup::BusinessTab);
    EXPECT_EQ(s.focusWidget(), s.txtName);
}

TEST_F(SetupTest, ToggleTabWalksTheTabsPassingTheDisabledOneAndWrapsToTheName) {
    frmSetup& s = setup();
    s.Show();
    s.Image1_Click();
    EXPECT_EQ(s.tabInfo->currentIndex(), frmSetup::BankOptionTab);
    s.Image1_Click();
    EXPECT_EQ(s.tabInfo->currentIndex(), frmSetup::PayrollCheckbookTab);
    s.Image1_Click();
    s.Image1_Click();
    EXPECT_EQ(s.tabInfo->currentIndex(), frmSetup::AssistanceTab);
    s.txtFein->setFocus();
    s.Image1_Click();
    EXPECT_EQ(s.tabInfo->currentIndex(), frmSetup::BusinessTab);
    EXPECT_EQ(s.focusWidget(), s.txtName);
}

TEST_F(SetupTest, BusinessTextIsStoredWithoutTheBlanksAroundIt) {
    frmSetup& s = setup();
    s.txtName->setText(QStringLiteral(" Buckeye Bakery LLC "));
    s.txtCity->setText(QStringLiteral("   "));
    s.txtTel->setText(QStringLiteral(" 555-0100"));
    s.cmdQuit_Click();
    EXPECT_EQ(BusinessName, QStringLiteral("Buckeye Bakery LLC"));
    EXPECT_EQ(
        QString::fromLatin1(readFile("MyBusinessData.txt")),
        QStringLiteral("\"Buckeye Bakery LLC\",\" \",\" \",\" \",\"\",\" \",\"555-0100\",\" \",\"\"\r\n"));
}

TEST_F(SetupTest, TypingIntoThePresetCheckNumberReplacesIt) {
    frmSetup& s = setup();
    s.Show();
    QLineEdit* box = s.txtPayrollBank[PayrollBankBox::NextCheck];
    ASSERT_EQ(box->text(), QStringLiteral("101"));
    // A click gives the focus and puts the cursor where it landed.
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(box, &in);
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(box->width() - 4, 4), box->mapToGlobal(QPointF(0, 0)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &click);
    QCoreApplication::processEvents();
    for (QChar digit : QStringLiteral("1001"))
        type(box, Qt::Key(digit.unicode()), QString(digit));
    EXPECT_EQ(box->text(), QStringLiteral("1001"));
}

TEST_F(SetupTest, AmbletonTabIsReachedWhenItsCheckbookExistsAndRefusedOtherwise) {
    frmSetup& s = setup();
    s.tabInfo->setCurrentIndex(frmSetup::AmbletonTab);
    EXPECT_NE(s.tabInfo->currentIndex(), frmSetup::AmbletonTab);
    s.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    writeGeneralCheckbook();
    frmSetup& again = setup();
    again.Image1_Click();
    again.Image1_Click();
    EXPECT_EQ(again.tabInfo->currentIndex(), frmSetup::AmbletonTab);
    EXPECT_TRUE(again.fraTransfer->isHidden()); // no payroll checkbook yet
}

// ---- Money boxes -----------------------------------------------------------------------------------

TEST_F(SetupTest, MoneyBoxShowingZeroIsEmptiedByAKeyAndTakesOnlyMoneyKeys) {
    frmSetup& s = setup();
    QLineEdit* balance = s.txtPayrollBank[PayrollBankBox::Balance];
    ASSERT_EQ(balance->text(), QStringLiteral("$0.00"));
    type(balance, Qt::Key_Tab);
    EXPECT_EQ(balance->text(), QStringLiteral("$0.00"));
    type(balance, Qt::Key_5, QStringLiteral("5"));
    type(balance, Qt::Key_X, QStringLiteral("x"));
    type(balance, Qt::Key_Period, QStringLiteral("."));
    type(balance, Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(balance->text(), QStringLiteral("5.2"));
    leave(balance);
    EXPECT_EQ(balance->text(), QStringLiteral("$5.20"));

    type(s.txtPayrollBank[PayrollBankBox::NextCheck], Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::NextCheck]->text(), QStringLiteral("101"));
    type(s.txtPayrollBank[PayrollBankBox::BankName], Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::BankName]->text(), QStringLiteral("a"));
}

TEST_F(SetupTest, EmptyOrNonNumericBalanceBoxShowsZeroOnLeaving) {
    frmSetup& s = setup();
    s.txtPayrollBank[PayrollBankBox::BeginningBalance]->clear();
    leave(s.txtPayrollBank[PayrollBankBox::BeginningBalance]);
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::BeginningBalance]->text(), QStringLiteral("$0.00"));
    s.txtPayrollBank[PayrollBankBox::Balance]->setText(QStringLiteral("ten dollars"));
    s.txtPayrollBank_LostFocus(2);
    EXPECT_EQ(s.txtPayrollBank[PayrollBankBox::Balance]->text(), QStringLiteral("$0.00"));
}

// ---- Supplier menus -------------------------------------------------------------------------------

TEST_F(SetupTest, OrderChecksNamesTheItemsAndConnectsOnlyOnOK) {
    frmSetup& s = setup();
    dialogs->answer(MsgAnswer::Cancel);
    s.mnuChecks->trigger();
    EXPECT_TRUE(opened.isEmpty());
    dialogs->answer(MsgAnswer::OK);
    s.mnuChecks->trigger();
    EXPECT_EQ(opened, QStringList{Pages::LaserChecks});
    const QStringList lines = dialogs->shown.at(1).text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], QStringLiteral("You will need to know your Bank's Routing Number and your"));
    EXPECT_EQ(lines[3], QStringLiteral("You can order from ") + Pages::SupplierName +
                            QStringLiteral(" via the Internet or by telephone"));
    EXPECT_EQ(lines[6], QStringLiteral("Checks - DLM102-1"));
    EXPECT_EQ(lines[9], QStringLiteral("091500 (Double Window) or 09508 (Single Window)"));
    EXPECT_EQ(dialogs->shown.at(1).buttons, MsgButtons::OKCancel);
}

TEST_F(SetupTest, DepositTicketsAndEnvelopesNameTheirNumbersThenConnect) {
    frmSetup& s = setup();
    s.mnuDeposit->trigger();
    s.mnuEnvelopes->trigger();
    EXPECT_EQ(dialogs->messages(), std::vector<QString>({QStringLiteral("Deposit Tickets are # 80200"),
                                                         QStringLiteral("Deposit Envelopes are # 91500")}));
    EXPECT_EQ(opened, QStringList({Pages::DepositTickets, Pages::Envelopes}));
}
