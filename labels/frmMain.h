#pragma once

#include "LabelSheet.h"
#include "Printer.h"
#include "Recipients.h"
#include "Screen.h"

#include <array>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace labels {

// The label program's one screen: who gets labels (employees, customers, vendors,
// statement names, the business, free text), in which style and how many, and the
// printing of the sheets.
class frmMain : public Screen {
    Q_OBJECT

public:
    frmMain();

    enum Tab { InstructionsTab, PrintSetupTab, BusinessTab, CustomerTab, VendorTab, StatementTab, GeneralTab, EmployeeTab, TabCount };
    // The copies lists, by the tab whose entries they multiply.
    enum Copies { VendorCopies, EmployeeCopies, CustomerCopies, GeneralCopies };
    static constexpr int ButtonCount = 19;
    static constexpr int SearchOptionCount = 5;

    void Command1_Click(int index);
    void ckMailingSet_Click();
    void ckReturnLabel_Click();
    void cmdGeneral_Click();
    void optSearch_Click();
    void optStyle_Click(int index);
    void mnuLabels_Click();
    void cmdLabel_Click();
    void txtPrintLabel_Click(int index);
    void ckReturn_Click();
    void cmdContinue_Click();

    void ShowRecipients();
    void ClearGeneralLines();
    void ClearAllSelections();
    PrintOutcome PrintBusinessLabelSheet();
    PrintOutcome PrintLabelRun();

    int StartPosition() const { return startPosition_; }
    // The number chosen in a copies list.
    int CopiesOf(Copies list) const;
    // What a run would print now.
    LabelRunRequest RunRequest() const;
    AddressStyle Style() const;
    const std::vector<CustomerEntry>& Customers() const { return customers_; }

    QTabWidget* SSTab1 = nullptr;
    std::array<QPushButton*, ButtonCount> Command1{};
    std::array<QListWidget*, 4> lstLabelsNeeded{};
    QListWidget* lstEmployees = nullptr;
    QListWidget* lstAccounts = nullptr;
    QListWidget* lstVendors = nullptr;
    QListWidget* lstStatementNames = nullptr;
    QListWidget* lstRecipients = nullptr;
    QListWidget* lstServices = nullptr;
    QListWidget* lstFrequency = nullptr;
    QListWidget* lstMonth = nullptr;
    std::array<QLineEdit*, 6> txtGeneral{};
    QPushButton* cmdGeneral = nullptr;
    QGroupBox* fraSearch = nullptr;
    QGroupBox* fraRecipients = nullptr;
    QGroupBox* fraBilling = nullptr;
    QGroupBox* fraServices = nullptr;
    QLineEdit* txtSearchfor = nullptr;
    std::array<QRadioButton*, SearchOptionCount> optSearch{};
    QCheckBox* ckReset = nullptr;
    QCheckBox* ckMailingSet = nullptr;
    QCheckBox* ckReturnLabel = nullptr;
    QCheckBox* ck2ndAddress = nullptr;
    QCheckBox* ckDeleteStatementList = nullptr;
    // Business sender boxes and their captions (name, address, PO box, city, state, zip).
    QLineEdit* txtName = nullptr;
    QLineEdit* txtAddress = nullptr;
    QLineEdit* txtPOBox = nullptr;
    QLineEdit* txtCity = nullptr;
    QLineEdit* txtSt = nullptr;
    QLineEdit* txtZip = nullptr;
    std::array<QLabel*, 6> lblAddress{};
    // Print Setup tab.
    QGroupBox* Frame1 = nullptr;
    std::array<QLineEdit*, LabelsPerSheet> txtPrintLabel{};
    std::array<QRadioButton*, 2> optStyle{};
    QCheckBox* ckReturn = nullptr;
    QCheckBox* ckClear = nullptr;
    QLabel* lblFullSheet = nullptr; // "Insert a Full sheet of"
    QPushButton* cmdContinue = nullptr;
    QPushButton* cmdLabel = nullptr;
    QAction* mnuLabels = nullptr;

protected:
    void Form_Load() override;

private:
    // Building the face (frmMainFace.cpp).
    void buildFace();
    QWidget* instructionsPage();
    QWidget* printSetupPage();
    QWidget* businessPage();
    QWidget* customerPage();
    QGroupBox* searchFrame();
    QGroupBox* recipientsFrame();
    QWidget* vendorPage();
    QWidget* statementPage();
    QWidget* generalPage();
    QWidget* employeePage();
    QWidget* sourcePage(QListWidget* list, int copies, std::initializer_list<int> buttons, QWidget* extra = nullptr);
    void connectControls();

    // Loading (frmMain.cpp).
    void LoadEmployeeList();
    void LoadCustomerList();
    void LoadStatementNames();
    void CheckContractFiles();
    void LoadFrequencyLists();
    void LoadBusinessData();
    void LimitStateBox(bool international);
    void LoadVendorList();

    void criteriaSearch();
    void contractServiceSearch();
    void billingCycleSearch();
    // Deselects every customer unless results are to accumulate (ckReset unticked).
    void startSearch();
    void deleteSelectedRecipient();
    void clearAllRecipients();
    void loadStatementSelection();

    std::vector<CustomerEntry> customers_;
    std::vector<NamedAddress> employees_;
    std::vector<NamedAddress> vendors_;
    LabelLines business_{};
    int startPosition_ = 0;
};

} // namespace labels
