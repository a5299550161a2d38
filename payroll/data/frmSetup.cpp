#include "frmSetup.h"

#include "Checking.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "MainMenu.h"
#include "Money.h"
#include "Settings.h"
#include "StateTaxes.h"
#include "Suppliers.h"
#include "WebPage.h"
#include "frmTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTabWidget>

#include <algorithm>

namespace {

const QString NoStatePlaceholder = QStringLiteral("Select your State");

} // namespace

// ---- Loading ------------------------------------------------------------------------------------

void frmSetup::Form_Load() {
    tabInfo->setTabEnabled(AmbletonTab, false);
    tabInfo->setTabVisible(AmbletonTab, false);
    ReportFileErrors([this] { LoadPayrollInfo(); });
    ReportFileErrors([this] { LoadPrompts(); });
    ReportFileErrors([this] { LoadMatching(); });
    ReportFileErrors(LoadCheckbookInfo);
    ReportFileErrors(LoadPayrollCheckbookInfo);
    // A transfer needs both accounts.
    fraTransfer->setVisible(tabInfo->isTabEnabled(AmbletonTab) && FileExists(PayrollCheckbookInfoFile));
}

void frmSetup::Form_Activate() {
    txtAmount->setText(CurrencyText(Money()));
    tabInfo->setCurrentIndex(BusinessTab);
    tabInfo_Click();
}

void frmSetup::LoadBusiness() {
    try {
        if (!ReadBusinessData()) return;
    } catch (const FileError& error) {
        ReportFileError(error);
        return;
    }
    txtName->setText(BusinessName);
    txtAddress->setText(BusinessAddress);
    txtCity->setText(BusinessCity);
    // A state the list does not hold (another program may have written it) is shown
    // in place of the list's prompt and kept by the next save.
    cboStates->setCurrentIndex(cboStates->findText(BusinessState));
    cboStates->setPlaceholderText(BusinessState.isEmpty() ? NoStatePlaceholder : BusinessState);
    txtPOBox->setText(BusinessAddress2);
    txtTel->setText(BusinessPhone);
    txtFax->setText(BusinessFax);
    txtZip->setText(BusinessZip);
    txtFein->setText(BusinessFein);
    SelectState();
}

void frmSetup::SelectState() {
    const QString state = cboStates->currentText();
    if (state.isEmpty()) return;
    // Only the entries the state arrays hold can be chosen.
    const int entries = std::min(cboStates->count(), StateCount);
    for (int p = 0; p < entries; ++p) {
        if (cboStates->itemText(p) != state) continue;
        StateIndex = static_cast<std::int16_t>(p + 1);
        const auto k = static_cast<std::size_t>(p + 1);
        frmTables& tables = Form<frmTables>();
        if (!StateTaxRate[k].isEmpty()) tables.TxtTables[TaxBox::StateRate]->setText(StateTaxRate[k]);
        if (!StateTaxMaximum[k].isEmpty()) tables.TxtTables[TaxBox::StateMaximum]->setText(StateTaxMaximum[k]);
        tables.ckState->setChecked(false);
        return;
    }
}

void frmSetup::LoadPayrollInfo() {
    const std::optional<BankOptionFlags> flags = ReadBankOptions();
    if (!flags) return SelectBankOption(0);
    // Setting the three options in turn leaves the last one set selected.
    int chosen = -1;
    for (int i = 0; i < BankChoice::Count; ++i)
        if ((*flags)[static_cast<std::size_t>(i)]) chosen = i;
    SelectBankOption(chosen);
}

void frmSetup::LoadPrompts() {
    ReadPrompts();
    ckPrompts->setChecked(PromptsOn);
    ckAlarms->setChecked(AlarmsOn);
}

void frmSetup::LoadMatching() {
    {
        const QSignalBlocker quiet(cboMatching);
        cboMatching->clear();
        for (int n = 1; n <= 5; ++n) {
            cboMatching->addItem(QString::number(n));
            cboMatching->addItem(QString::number(n) + QStringLiteral(".5"));
        }
        cboMatching->setCurrentIndex(-1);
    }
    ck401->setChecked(false);
    ReadMatching();
    ck401->setChecked(Offer401kMatch);
    const int entry = cboMatching->findText(MatchPercent);
    if (entry >= 0)
        cboMatching->setCurrentIndex(entry);
    else
        cboMatching->setCurrentText(MatchPercent);
}

// ---- Saving -------------------------------------------------------------------------------------

void frmSetup::SaveBusiness() {
    // Every printed heading uses these: a blank typed before or after a name would
    // misalign them. A box of blanks alone keeps the single blank of an untouched box,
    // which the programs sharing the file expect.
    const auto stored = [](const QLineEdit* box) {
        const QString text = box->text().trimmed();
        return text.isEmpty() && !box->text().isEmpty() ? QStringLiteral(" ") : text;
    };
    BusinessName = stored(txtName);
    BusinessAddress = stored(txtAddress);
    BusinessAddress2 = stored(txtPOBox);
    BusinessCity = stored(txtCity);
    if (cboStates->currentIndex() >= 0) BusinessState = cboStates->currentText();
    BusinessZip = stored(txtZip);
    BusinessPhone = stored(txtTel);
    BusinessFax = stored(txtFax);
    BusinessFein = stored(txtFein);
    WriteBusinessData();
}

void frmSetup::SavePayrollInfo() {
    WriteBankOptions({optAccount[BankChoice::SeparateAccount]->isChecked(), optAccount[BankChoice::GeneralAccount]->isChecked(), optAccount[BankChoice::OtherProgram]->isChecked()});
}

void frmSetup::SavePrompts() {
    AlarmsOn = ckAlarms->isChecked();
    PromptsOn = ckPrompts->isChecked();
    WritePrompts();
}

void frmSetup::SaveMatching() {
    WriteMatching();
}

void frmSetup::cmdQuit_Click() {
    if (BankOption() < 0) {
        MsgBox(QStringLiteral("Select a Bank Option"));
        tabInfo->setCurrentIndex(BankOptionTab);
        return;
    }
    try {
        SaveBusiness();
        SavePayrollInfo();
        // The general checkbook belongs to Ambleton: this screen only keeps one it has.
        if (FileExists(CheckbookInfoFile)) SaveCheckbookInfo();
        SavePayrollCheckbookInfo();
        SavePrompts();
        SaveMatching();
        SetupSaved();
    } catch (const FileError& error) {
        ReportFileError(error);
        return;
    }
    Hide();
    ShowMainMenu();
}

// ---- Bank options -------------------------------------------------------------------------------

int frmSetup::BankOption() const {
    for (int i = 0; i < BankChoice::Count; ++i)
        if (optAccount[static_cast<std::size_t>(i)]->isChecked()) return i;
    return -1;
}

void frmSetup::SelectBankOption(int index) {
    // Exclusive options cannot all be cleared, so exclusiveness is lifted while they are set.
    for (int i = 0; i < BankChoice::Count; ++i) {
        QRadioButton* option = optAccount[static_cast<std::size_t>(i)];
        option->setAutoExclusive(false);
        option->setChecked(i == index);
        option->setAutoExclusive(true);
    }
}

void frmSetup::optAccount_Click(int index) {
    if (index < 0 || index >= BankChoice::Count) return;
    SelectBankOption(index);
    showBankOptionLabels(index);
    if (index == BankChoice::SeparateAccount && !FileExists(PayrollCheckbookInfoFile)) {
        // A first guess at the payroll account's bank; the user completes the account.
        txtPayrollBank[PayrollBankBox::BankName]->setText(GeneralAccount().Bank);
        tabInfo->setCurrentIndex(PayrollCheckbookTab);
    }
}

void frmSetup::showBankOptionLabels(int index) {
    if (index == BankChoice::GeneralAccount) {
        QPalette palette = lblDebit->palette();
        palette.setColor(QPalette::WindowText, VbColor(16576));
        lblDebit->setPalette(palette);
    }
    lblDebit->setVisible(index != BankChoice::OtherProgram);
    lblFunds->setVisible(index == BankChoice::OtherProgram);
}

// ---- Transfer -----------------------------------------------------------------------------------

void frmSetup::cmdTransfer_Click() {
    const Money amount = ParseMoney(txtAmount->text()).value_or(Money()).roundedToCents();
    if (amount <= Money()) {
        AlarmBeep();
        if (PromptsOn)
            MsgBox(QStringLiteral("Enter the amount to Transfer from Ambleton"), MsgButtons::OK,
                   QStringLiteral("Add Funds to Payroll Checking"));
        return;
    }
    const Money general = MoneyOf(GeneralAccount().Balance);
    if (amount > general) {
        MsgBox(QStringLiteral("Amount exceeds current Balance\r\nTransfer cannot be maid"));
        return;
    }
    const QString question = QStringLiteral("Click YES to Transfer ") + CurrencyText(amount) +
                             QStringLiteral(" to Your Payrool Checking Account");
    if (MsgBox(question, MsgButtons::YesNo, QStringLiteral("Add Funds to Payroll Checking")) !=
        MsgAnswer::Yes)
        return;
    txtPayrollBank[PayrollBankBox::Balance]->setText(
        CurrencyText(amount + MoneyOf(txtPayrollBank[PayrollBankBox::Balance]->text())));
    GeneralAccount().Balance = CurrencyText(general - amount);
    ShowGeneralAccount();
    try {
        SavePayrollCheckbookInfo();
        SaveCheckbookInfo();
        LoadPayrollCheckbookInfo();
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

// ---- Navigation and boxes -----------------------------------------------------------------------

void frmSetup::Image1_Click() {
    int next = tabInfo->currentIndex() + 1;
    // A disabled tab is passed over, so that the tabs behind it are reached too.
    while (next < TabCount && !tabInfo->isTabEnabled(next))
        ++next;
    if (next >= TabCount) next = BusinessTab;
    tabInfo->setCurrentIndex(next);
    tabInfo_Click();
}

void frmSetup::tabInfo_Click() {
    if (tabInfo->currentIndex() == AmbletonTab && !tabInfo->isTabEnabled(AmbletonTab))
        tabInfo->setCurrentIndex(BusinessTab);
    if (tabInfo->currentIndex() == BusinessTab) txtName->setFocus();
}

void frmSetup::txtPayrollBank_LostFocus(int index) {
    if (index != PayrollBankBox::Balance && index != PayrollBankBox::BeginningBalance) return;
    QLineEdit* box = txtPayrollBank[static_cast<std::size_t>(index)];
    // An empty box, or one holding no number, shows zero.
    box->setText(CurrencyText(ParseMoney(box->text()).value_or(Money())));
}

bool frmSetup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == txtPayrollBank[PayrollBankBox::Balance]) txtPayrollBank_LostFocus(2);
        if (watched == txtPayrollBank[PayrollBankBox::BeginningBalance]) txtPayrollBank_LostFocus(4);
    }
    return Screen::eventFilter(watched, event);
}

// ---- Supplier menus -----------------------------------------------------------------------------

void frmSetup::mnuChecks_Click() {
    if (MsgBox(Pages::OrderChecksMessage(), MsgButtons::OKCancel) != MsgAnswer::OK) return;
    ConnecttoInternet(Pages::LaserChecks);
}

void frmSetup::mnuDeposit_Click() {
    MsgBox(QStringLiteral("Deposit Tickets are # 80200"));
    ConnecttoInternet(Pages::DepositTickets);
}

void frmSetup::mnuEnvelopes_Click() {
    MsgBox(QStringLiteral("Deposit Envelopes are # 91500"));
    ConnecttoInternet(Pages::Envelopes);
}
