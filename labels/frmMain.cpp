#include "frmMain.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "Printer.h"
#include "SiblingRecords.h"
#include "Suppliers.h"
#include "Tessaly.h"
#include "WebPage.h"

#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace labels {

namespace {

// Lists hold thousands of entries: a selection changes in one step of the list's selection
// model, never entry by entry (each step costs time in proportion to what is selected).
void SelectAll(QListWidget* list, bool selected) {
    if (selected)
        list->selectAll();
    else
        list->clearSelection();
}

bool AnySelected(const QListWidget* list) {
    return list->selectionModel()->hasSelection();
}

// One flag an entry: whether it is selected.
std::vector<bool> SelectionFlags(const QListWidget* list) {
    std::vector<bool> flags(size_t(list->count()), false);
    for (const QItemSelectionRange& range : list->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            flags[size_t(row)] = true;
    return flags;
}

// Adds the entries (indexes of the list) to its selection.
void SelectRows(QListWidget* list, const std::vector<int>& rows) {
    if (rows.empty()) return;
    std::vector<bool> flags = SelectionFlags(list);
    for (int row : rows)
        flags[size_t(row)] = true;
    // The whole selection as runs of neighbouring entries, set anew: adding to scattered
    // ranges costs the model time in proportion to the ranges it already holds.
    QItemSelection selection;
    for (size_t row = 0; row < flags.size(); ++row) {
        if (!flags[row]) continue;
        const size_t first = row;
        while (row + 1 < flags.size() && flags[row + 1])
            ++row;
        selection.append(QItemSelectionRange(list->model()->index(int(first), 0), list->model()->index(int(row), 0)));
    }
    list->clearSelection();
    list->selectionModel()->select(selection, QItemSelectionModel::Select);
}

template <class T> std::vector<T> SelectedOf(const QListWidget* list, const std::vector<T>& entries) {
    std::vector<T> chosen;
    const std::vector<bool> flags = SelectionFlags(list);
    for (size_t i = 0; i < flags.size() && i < entries.size(); ++i)
        if (flags[i]) chosen.push_back(entries[i]);
    return chosen;
}

std::vector<LabelLines> SelectedLabels(const QListWidget* list, const std::vector<NamedAddress>& entries) {
    std::vector<LabelLines> labels;
    for (const NamedAddress& entry : SelectedOf(list, entries))
        labels.push_back(entry.label());
    return labels;
}

void FillList(QListWidget* list, const QStringList& texts) {
    list->clear();
    list->addItems(texts);
}

QStringList Names(const std::vector<NamedAddress>& entries) {
    QStringList names;
    for (const NamedAddress& entry : entries)
        names.append(entry.name);
    return names;
}

} // namespace

// ---- Load ------------------------------------------------------------------------------------

void frmMain::Form_Load() {
    for (int tab = BusinessTab; tab < TabCount; ++tab)
        SSTab1->setTabEnabled(tab, false);
    SSTab1->setTabEnabled(GeneralTab, true);
    for (QListWidget* copies : lstLabelsNeeded) {
        copies->clear();
        for (int n = 0; n <= 10; ++n)
            copies->addItem(QString::number(n));
        copies->setCurrentRow(1);
    }
    ClearGeneralLines();
    Command1[12]->setVisible(FileExists(ContractInfoFile) && FileExists(CycleInfoFile));
    if (FileExists(CustomerDataFile)) LoadCustomerList();
    if (FileExists(StatementFile)) LoadStatementNames();
    if (FileExists(EmployeeFile)) LoadEmployeeList();
    CheckContractFiles();
    LoadBusinessData();
    LoadVendorList();
    SSTab1->setCurrentIndex(InstructionsTab);
}

void frmMain::LoadEmployeeList() {
    lstEmployees->clear();
    const auto employees = ReadEmployeeAddresses();
    if (!employees) return;
    SSTab1->setTabEnabled(EmployeeTab, true);
    employees_ = *employees;
    FillList(lstEmployees, Names(employees_));
}

void frmMain::LoadCustomerList() {
    lstAccounts->clear();
    auto customers = ReadCustomers();
    if (!customers) return;
    SSTab1->setTabEnabled(CustomerTab, true);
    customers_ = std::move(*customers);
    QStringList names;
    for (const CustomerEntry& customer : customers_)
        names.append(customer.displayName);
    FillList(lstAccounts, names);
}

void frmMain::LoadStatementNames() {
    lstStatementNames->clear();
    const auto names = ReadStatementNames();
    if (!names) return;
    SSTab1->setTabEnabled(StatementTab, true);
    FillList(lstStatementNames, *names);
    Command1_Click(0);
}

void frmMain::CheckContractFiles() {
    const bool contracts = FileExists(ContractInfoFile);
    fraServices->setVisible(contracts);
    ck2ndAddress->setVisible(contracts);
    if (contracts) {
        FillList(lstServices, ReadServiceNames().value_or(QStringList()));
        LoadFrequencyLists();
        AddContractAddresses(customers_);
    }
    AddCycles(customers_);
}

void frmMain::LoadFrequencyLists() {
    FillList(lstFrequency, {QStringLiteral("Monthly"), QStringLiteral("Quarterly"), QStringLiteral("Semi-Annually"),
                            QStringLiteral("Annually"), QStringLiteral("All")});
    lstFrequency->setCurrentRow(0);
    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months.append(QLocale().standaloneMonthName(m));
    FillList(lstMonth, months);
    lstMonth->setCurrentRow(Today().month() - 1);
}

void frmMain::LoadBusinessData() {
    // A damaged business file would print its junk as every label's sender.
    if (FileExists(BusinessDataFile) && !ReadsWhole(DataPath(BusinessDataFile))) {
        ReportShortFile(BusinessDataFile);
        return;
    }
    if (!ReadSenderData()) return;
    SSTab1->setTabEnabled(BusinessTab, true);
    business_ = SenderLabel();
    LimitStateBox(optStyle[1]->isChecked());
    const std::array<QLineEdit*, 6> boxes = {txtName, txtAddress, txtPOBox, txtCity, txtSt, txtZip};
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(business_[i]);
}

// The state box takes two characters in the USA style, but shows the state as stored
// (and as the labels print it) when that is longer: the box never cuts it.
void frmMain::LimitStateBox(bool international) {
    const QString& stored = business_[4];
    txtSt->setMaxLength(international ? 32767 : std::max(2, int(stored.size())));
    txtSt->setMinimumWidth(international ? txtCity->minimumWidth() : 0);
    const QFontMetrics metrics = txtSt->fontMetrics();
    txtSt->setMaximumWidth(international
                               ? QWIDGETSIZE_MAX
                               : std::max(metrics.horizontalAdvance(u'W') * 4,
                                          metrics.horizontalAdvance(stored + QStringLiteral("WW"))));
}

void frmMain::LoadVendorList() {
    lstVendors->clear();
    const auto vendors = ReadVendorAddresses();
    if (!vendors) return;
    SSTab1->setTabEnabled(VendorTab, true);
    vendors_ = *vendors;
    FillList(lstVendors, Names(vendors_));
}

// ---- Buttons -----------------------------------------------------------------------------------

void frmMain::Command1_Click(int index) {
    switch (index) {
    case 0: SelectAll(lstStatementNames, true); break;
    case 1: SelectAll(lstStatementNames, false); break;
    case 2:
        fraSearch->show();
        txtSearchfor->setFocus();
        fraRecipients->hide();
        break;
    case 3:
    case 4:
        SelectAll(lstAccounts, index == 3);
        fraRecipients->hide();
        break;
    case 5: fraSearch->hide(); break;
    case 6: criteriaSearch(); break;
    case 7:
    case 8: SelectAll(lstVendors, index == 7); break;
    case 9:
        // Hidden, not merely out of sight on another tab.
        fraRecipients->setHidden(!fraRecipients->isHidden());
        if (!fraRecipients->isHidden()) ShowRecipients();
        break;
    case 10: contractServiceSearch(); break;
    case 11: clearAllRecipients(); break;
    case 12:
        fraBilling->setHidden(!fraBilling->isHidden());
        fraServices->setHidden(!fraBilling->isHidden());
        break;
    case 13: deleteSelectedRecipient(); break;
    case 14: billingCycleSearch(); break;
    case 15: loadStatementSelection(); break;
    case 16: fraRecipients->hide(); break;
    case 17:
    case 18: SelectAll(lstEmployees, index == 18); break;
    default: break;
    }
}

void frmMain::ShowRecipients() {
    QStringList recipients;
    const std::vector<bool> flags = SelectionFlags(lstAccounts);
    for (size_t i = 0; i < flags.size(); ++i)
        if (flags[i]) recipients.append(lstAccounts->item(int(i))->text());
    FillList(lstRecipients, recipients);
}

void frmMain::startSearch() {
    if (ckReset->isChecked()) SelectAll(lstAccounts, false);
}

void frmMain::criteriaSearch() {
    if (txtSearchfor->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Enter some search Criteria"));
        txtSearchfor->setFocus();
        return;
    }
    startSearch();
    SearchField field = SearchField::ContractService;
    for (int k = 0; k < SearchOptionCount; ++k)
        if (optSearch[size_t(k)]->isChecked()) {
            field = static_cast<SearchField>(k);
            break;
        }
    std::vector<int> found;
    for (size_t i = 0; i < customers_.size(); ++i)
        if (SearchMatches(customers_[i], field, txtSearchfor->text())) found.push_back(int(i));
    SelectRows(lstAccounts, found);
    fraSearch->hide();
}

void frmMain::contractServiceSearch() {
    startSearch();
    const QListWidgetItem* service = lstServices->currentItem();
    if (service == nullptr || !service->isSelected()) {
        MsgBox(QStringLiteral("Enter some search Criteria"));
        return;
    }
    for (QRadioButton* option : optSearch) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    std::vector<int> found;
    for (size_t i = 0; i < customers_.size(); ++i)
        if (SearchMatches(customers_[i], SearchField::ContractService, service->text())) found.push_back(int(i));
    SelectRows(lstAccounts, found);
    fraSearch->hide();
}

void frmMain::billingCycleSearch() {
    startSearch();
    const int frequency = lstFrequency->currentRow();
    const int month = lstMonth->currentRow();
    // Read now: the billing program may have changed the cycles since the screen loaded.
    const std::vector<CycleRecord> cycles = ReadCycles().value_or(std::vector<CycleRecord>());
    std::vector<int> found;
    for (size_t n = 0; n < cycles.size() && int(n) < lstAccounts->count(); ++n)
        if (BillingCycleMatches(cycles[n], frequency, month)) found.push_back(int(n));
    SelectRows(lstAccounts, found);
    fraSearch->hide();
}

void frmMain::clearAllRecipients() {
    if (MsgBox(QStringLiteral("This will remove ALL Recipients\r\nfrom the Mailing List"), MsgButtons::YesNo,
               QStringLiteral("Delete ALL")) != MsgAnswer::Yes)
        return;
    SelectAll(lstAccounts, false);
    ShowRecipients();
}

void frmMain::deleteSelectedRecipient() {
    if (MsgBox(QStringLiteral("This will remove the current Recipient\r\nfrom the Mailing List"), MsgButtons::YesNo,
               QStringLiteral("Delete Recipient")) != MsgAnswer::Yes)
        return;
    const QListWidgetItem* chosen = lstRecipients->currentItem();
    if (chosen != nullptr) {
        for (int i = 0; i < lstAccounts->count(); ++i)
            if (lstAccounts->item(i)->text() == chosen->text()) lstAccounts->item(i)->setSelected(false);
    }
    ShowRecipients();
}

void frmMain::loadStatementSelection() {
    QStringList names;
    for (const QListWidgetItem* item : lstStatementNames->selectedItems())
        names.append(item->text());
    const std::vector<int> matches = StatementMatches(customers_, names);
    SelectRows(lstAccounts, matches);
    // An open recipient list shows the customers just added.
    if (!fraRecipients->isHidden()) ShowRecipients();
    if (ckDeleteStatementList->isChecked()) ReportFileErrors([] { DeleteDataFile(StatementFile); });
    if (!matches.empty()) SSTab1->setCurrentIndex(CustomerTab);
}

// ---- Other controls ------------------------------------------------------------------------------

void frmMain::ckMailingSet_Click() {
    if (!ckMailingSet->isChecked()) ckReturnLabel->setChecked(false);
}

void frmMain::ckReturnLabel_Click() {
    if (ckReturnLabel->isChecked()) ckMailingSet->setChecked(true);
}

void frmMain::cmdGeneral_Click() {
    lstLabelsNeeded[GeneralCopies]->setCurrentRow(0);
    txtGeneral[0]->setFocus();
}

void frmMain::optSearch_Click() {
    txtSearchfor->clear();
    txtSearchfor->setFocus();
}

void frmMain::optStyle_Click(int index) {
    const bool international = index == 1;
    lblAddress[3]->setText(international ? QStringLiteral("Address 3") : QStringLiteral("City"));
    lblAddress[4]->setText(international ? QStringLiteral("Address 4") : QStringLiteral("State"));
    if (international) txtZip->clear();
    txtZip->setVisible(!international);
    lblAddress[5]->setVisible(!international);
    LimitStateBox(international);
    txtSt->setText(business_[4]);
}

void frmMain::mnuLabels_Click() {
    if (MsgBox(QStringLiteral("30 to a Page Mailing Labels\r\nClick Yes to connect to a Supplier"), MsgButtons::YesNo,
               QStringLiteral("Order Paper")) == MsgAnswer::Yes)
        ConnecttoInternet(Pages::AddressLabels);
}

void frmMain::cmdLabel_Click() {
    EndProgram();
}

void frmMain::ClearGeneralLines() {
    for (QLineEdit* line : txtGeneral)
        line->clear();
}

void frmMain::txtPrintLabel_Click(int index) {
    for (size_t i = 0; i < txtPrintLabel.size(); ++i)
        txtPrintLabel[i]->setStyleSheet(int(i) == index ? QStringLiteral("background-color: #00ff00;")
                                                        : QStringLiteral("background-color: #ffffff;"));
    startPosition_ = index;
}

void frmMain::ckReturn_Click() {
    lblFullSheet->setVisible(ckReturn->isChecked());
}

// ---- Printing ------------------------------------------------------------------------------------

int frmMain::CopiesOf(Copies list) const {
    const int row = lstLabelsNeeded[list]->currentRow();
    return row < 0 ? 0 : row;
}

AddressStyle frmMain::Style() const {
    return optStyle[0]->isChecked() ? AddressStyle::USA : AddressStyle::International;
}

LabelRunRequest frmMain::RunRequest() const {
    LabelRunRequest r;
    r.start = startPosition_;
    r.customers = SelectedOf(lstAccounts, customers_);
    r.employees = SelectedLabels(lstEmployees, employees_);
    r.vendors = SelectedLabels(lstVendors, vendors_);
    for (size_t i = 0; i < txtGeneral.size(); ++i)
        r.general[i] = txtGeneral[i]->text();
    r.business = business_;
    r.customerCopies = CopiesOf(CustomerCopies);
    r.employeeCopies = CopiesOf(EmployeeCopies);
    r.vendorCopies = CopiesOf(VendorCopies);
    r.generalCopies = CopiesOf(GeneralCopies);
    r.mailingSet = ckMailingSet->isChecked();
    r.returnLabel = ckReturnLabel->isChecked();
    r.secondAddress = !ck2ndAddress->isHidden() && ck2ndAddress->isChecked();
    return r;
}

PrintOutcome frmMain::PrintBusinessLabelSheet() {
    const PrintOutcome outcome = RunPrintJob([this] { PrintLabelJobs(PlanBusinessSheet(business_), Style()); });
    if (outcome == PrintOutcome::Printed) ckReturn->setChecked(false);
    return outcome;
}

PrintOutcome frmMain::PrintLabelRun() {
    const LabelRunRequest request = RunRequest();
    return RunPrintJob([&] { PrintLabelJobs(PlanLabelRun(request), Style()); });
}

void frmMain::cmdContinue_Click() {
    // A cancelled or failed business sheet ends the print: nothing more is printed.
    if (ckReturn->isChecked() && PrintBusinessLabelSheet() != PrintOutcome::Printed) return;
    if (LabelsNeeded(RunRequest()) > LabelsPerSheet - startPosition_)
        MsgBox(QStringLiteral("Additional Blank Label Forms are needed"), MsgButtons::OK,
               QStringLiteral("Add More Labels"));
    // Selections stay when nothing printed, so the user can try again.
    if (PrintLabelRun() == PrintOutcome::Printed && ckClear->isChecked()) ClearAllSelections();
}

void frmMain::ClearAllSelections() {
    ckReturn->setChecked(false);
    if (AnySelected(lstVendors)) SelectAll(lstVendors, false);
    if (AnySelected(lstAccounts)) SelectAll(lstAccounts, false);
    ClearGeneralLines();
}

} // namespace labels
