#pragma once

#include "Hook.h"
#include "Screen.h"

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The bank options of the setup screen (optAccount), as BankOption() tells them: a
// separate payroll account, the general account shared with Ambleton, or another
// program (nothing posted here).
namespace BankChoice {
inline constexpr int SeparateAccount = 0, GeneralAccount = 1, OtherProgram = 2, Count = 3;
}
// The general checkbook's labels (LblBank); Unused4 and Unused6 hold nothing of the account.
namespace GeneralBankLabel {
inline constexpr int BankName = 0, AccountNumber = 1, Balance = 2, NextCheck = 3, Unused4 = 4,
                     BeginningBalance = 5, Unused6 = 6, Count = 7;
}
// The payroll checkbook's boxes (txtPayrollBank).
namespace PayrollBankBox {
inline constexpr int BankName = 0, AccountNumber = 1, Balance = 2, NextCheck = 3, BeginningBalance = 4, Count = 5;
}

// Called when the setup screen has saved the settings, the business state among them;
// the program registers what must follow (the pay run's state table).
inline Hook SetupSaved;

// The setup screen: the business identity, the bank option, the checkbooks, the 401k
// matching offer and the assistance flags. Loaded hidden at start-up, it stays loaded:
// the pay run and the purge read its controls. Its settings reach the files only
// through "Save Changes and Return to &Menu" and the transfer.
class frmSetup : public Screen {
    Q_OBJECT

public:
    enum Tab {
        BusinessTab,
        BankOptionTab,
        AmbletonTab,
        PayrollCheckbookTab,
        MatchingTab,
        AssistanceTab,
        TabCount
    };

    frmSetup();

    // Reads MyBusinessData.txt into the business globals and the boxes, then selects the
    // state. A missing file changes nothing; a file error is shown to the user.
    void LoadBusiness();
    // Takes the state list's entry whose text is the state box's text exactly: sets
    // StateIndex and puts the state's rate and maximum (when not empty) into the
    // tax-table screen, whose flat-rate box it clears. No matching entry: nothing changes.
    void SelectState();

    // The settings files into the controls and globals (missing files give the defaults).
    void LoadPayrollInfo();
    void LoadPrompts();
    void LoadMatching();
    // The controls and globals into the settings files.
    void SaveBusiness();
    void SavePayrollInfo();
    void SavePrompts();
    void SaveMatching();

    // The first selected bank option, or -1 when none is.
    int BankOption() const;
    // Selects exactly one bank option (-1: none).
    void SelectBankOption(int index);

    // Event handlers, public so that tests drive them as the user would.
    void cmdQuit_Click();
    void cmdTransfer_Click();
    void optAccount_Click(int index);
    void Image1_Click();
    // After every change of tab: tab 2 while disabled goes back to tab 0; tab 0 puts
    // the focus in the name box.
    void tabInfo_Click();
    // Shows a money box's text in currency form when the user leaves it (2 and 4).
    void txtPayrollBank_LostFocus(int index);
    void mnuChecks_Click();
    void mnuDeposit_Click();
    void mnuEnvelopes_Click();

    QTabWidget* tabInfo = nullptr;

    // Tab 0 "Business Info".
    QLineEdit* txtName = nullptr;
    QLineEdit* txtAddress = nullptr;
    QLineEdit* txtPOBox = nullptr;
    QLineEdit* txtCity = nullptr;
    QComboBox* cboStates = nullptr;
    QLineEdit* txtZip = nullptr;
    QLineEdit* txtTel = nullptr;
    QLineEdit* txtFax = nullptr;
    QLineEdit* txtFein = nullptr;

    // Tab 1 "Payroll Creation": the bank options (BankChoice).
    std::array<QRadioButton*, BankChoice::Count> optAccount{};
    QLabel* lblDebit = nullptr; // "Your Checkbook balance will be debited"
    QLabel* lblFunds = nullptr; // "Ensure ample funds are available in your Checking Account"

    // Tab 2 "Ambleton": the general checkbook (GeneralBankLabel).
    std::array<QLabel*, GeneralBankLabel::Count> LblBank{};
    QLabel* LblAcctType = nullptr;
    QLabel* lblOverdraft = nullptr;
    QCheckBox* ckDeposit = nullptr;
    QGroupBox* fraTransfer = nullptr;
    QLineEdit* txtAmount = nullptr;
    QPushButton* cmdTransfer = nullptr;

    // Tab 3 "Payroll Checkbook": the payroll checkbook (PayrollBankBox).
    std::array<QLineEdit*, PayrollBankBox::Count> txtPayrollBank{};
    QRadioButton* optOverdraft = nullptr;

    // Tab 4 "401 k Program".
    QCheckBox* ck401 = nullptr;
    QComboBox* cboMatching = nullptr;

    // Tab 5 "Program Assistance".
    QGroupBox* fraAssistance = nullptr;
    QCheckBox* ckPrompts = nullptr;
    QCheckBox* ckAlarms = nullptr;

    QPushButton* cmdQuit = nullptr;
    QLabel* Image1 = nullptr; // "Toggle Tab>": the next tab
    QLabel* lblToggle = nullptr;

    QMenu* mnuSupplier = nullptr;
    QAction* mnuChecks = nullptr;
    QAction* mnuDeposit = nullptr;
    QAction* mnuEnvelopes = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildBusinessTab();
    QWidget* buildBankOptionTab();
    QWidget* buildAmbletonTab();
    QWidget* buildPayrollCheckbookTab();
    QWidget* buildMatchingTab();
    QWidget* buildAssistanceTab();
    void buildMenus();
    void connectControls();
    void setUpMoneyBoxes();
    void showBankOptionLabels(int index);
};
