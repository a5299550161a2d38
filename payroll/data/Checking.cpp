#include "Checking.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "FileErrors.h"
#include "frmSetup.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const QString Personal = QStringLiteral("Personal Checking");
const QString Business = QStringLiteral("Business Checking");

void SelectDefaultBankOption(frmSetup& setup) {
    // Without a payroll checkbook a separate payroll account cannot be drawn on, so the
    // general account is the first-run choice. It only stands in for the built-in
    // default, never for a choice the user saved: the setup save writes the general
    // checkbook before the payroll one, and must not undo the option just saved.
    if (FileExists(PayrollCheckbookInfoFile)) return;
    if (FileExists(PayrollInfoFile) && setup.BankOption() >= 0) return;
    setup.SelectBankOption(1);
}

// The general checkbook's tab is shown only for an account: a file of nothing but the
// defaults (as an earlier first setup save wrote one) shows an empty tab otherwise.
void ShowAmbletonTab(frmSetup& setup, bool shown) {
    setup.tabInfo->setTabEnabled(frmSetup::AmbletonTab, shown);
    setup.tabInfo->setTabVisible(frmSetup::AmbletonTab, shown);
}

} // namespace

void ShowGeneralAccount() {
    frmSetup& setup = Form<frmSetup>();
    CheckbookInfo& account = GeneralAccount();
    setup.LblBank[GeneralBankLabel::BankName]->setText(account.Bank);
    setup.LblBank[GeneralBankLabel::AccountNumber]->setText(account.Account);
    setup.LblBank[GeneralBankLabel::Balance]->setText(account.Balance);
    setup.LblBank[GeneralBankLabel::NextCheck]->setText(account.NextCheck);
    setup.LblBank[GeneralBankLabel::BeginningBalance]->setText(account.Deposit);
    setup.lblOverdraft->setVisible(account.Overdraft == -1);
    if (account.AccountType == 1) {
        // A personal account has no business deposit slips: the box keeps its state.
        setup.LblAcctType->setText(Personal);
        account.DepositSlips = setup.ckDeposit->isChecked() ? -1 : 0;
    } else {
        setup.LblAcctType->setText(Business);
        setup.ckDeposit->setChecked(account.DepositSlips == -1);
    }
}

void ShowPayrollAccount() {
    frmSetup& setup = Form<frmSetup>();
    const CheckbookInfo account = PayrollAccount();
    setup.txtPayrollBank[PayrollBankBox::BankName]->setText(account.Bank);
    setup.txtPayrollBank[PayrollBankBox::AccountNumber]->setText(account.Account);
    setup.txtPayrollBank[PayrollBankBox::Balance]->setText(account.Balance);
    setup.txtPayrollBank[PayrollBankBox::NextCheck]->setText(account.NextCheck);
    setup.txtPayrollBank[PayrollBankBox::BeginningBalance]->setText(account.Deposit);
    setup.optOverdraft->setChecked(account.Overdraft != 0);
    PayrollAccount().Overdraft = account.Overdraft;
}

void LoadCheckbookInfo() {
    frmSetup& setup = Form<frmSetup>();
    SelectDefaultBankOption(setup);
    if (FileExists(CheckbookInfoFile)) {
        const CheckbookRead read = ReadCheckbookInfo();
        GeneralAccount() = read.Info;
        if (read.Short) ReportShortFile(CheckbookInfoFile);
        ShowAmbletonTab(setup, read.HoldsAccount);
    } else {
        GeneralAccount() = NewCheckbook();
        ShowAmbletonTab(setup, false);
    }
    ShowGeneralAccount();
}

void LoadPayrollCheckbookInfo() {
    const CheckbookRead read = ReadPayrollCheckbookInfo();
    if (read.Short) ReportShortFile(PayrollCheckbookInfoFile);
    PayrollAccount() = read.Info;
    ShowPayrollAccount();
}

void SaveCheckbookInfo() {
    WriteCheckbookInfo(GeneralAccount());
    LoadCheckbookInfo();
}

void SavePayrollCheckbookInfo() {
    WritePayrollCheckbookInfo(PayrollAccount());
}
