#include "frmEmployees.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "Globals.h"
#include "MainMenu.h"
#include "Suppliers.h"
#include "WebPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

namespace {

const QString SaveTitle = QStringLiteral("Save Employee");

QString ZeroText() {
    return CurrencyText(Money());
}

QStringList EntriesOf(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

} // namespace

frmEmployees::frmEmployees() : Screen(QStringLiteral("frmEmployees"), QStringLiteral("Payroll")) {
    buildControls();
    connectControls();
}

void frmEmployees::Form_Load() {
    ClearEmployeeForm();
    ResetEmployeeCombos();
    fraEmployee->hide();
    for (int i : {EmployeeButton::Load, EmployeeButton::Save, EmployeeButton::CancelAdd})
        cmdEmployee[i]->setEnabled(false);
}

void frmEmployees::Form_Activate() {
    ShowEmployees();
}

// ---- The list ------------------------------------------------------------------------------

void frmEmployees::ShowEmployees() {
    lstEmployees->clear();
    fraEmployee->hide();
    ResetEmployeeCombos();
    loadedRecord_ = 0;
    shown_.reset();
    cmdEmployee[EmployeeButton::Load]->setEnabled(false);
    try {
        EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
        if (EmployeeCount < 1) {
            lblNoEmployees->show();
            MsgBox(QStringLiteral("Create your 1st Employee Now"), MsgButtons::OK, QString());
            startAddNew();
            return;
        }
        lblNoEmployees->hide();
        RandomFile file = OpenRandomFile(EmployeeFile, EmployeeRecord::Length);
        for (std::int32_t n = 1; n <= EmployeeCount; ++n) {
            const auto record = file.get<EmployeeRecord>(n);
            if (!record) break;
            // The stored field as it is, blanks and all, so the names line up.
            QString name = record->Name;
            name.replace(QChar(0), u' ');
            lstEmployees->addItem(name);
        }
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    lstEmployees->setCurrentRow(-1);
    lstEmployees->clearSelection();
    fraHide->hide();
    fraTaxes->hide();
    fraPersonal->hide();
}

void frmEmployees::lstEmployees_Click() {
    if (lstEmployees->selectedItems().isEmpty()) return;
    cmdEmployee[EmployeeButton::Load]->setEnabled(true);
    cmdEmployee[EmployeeButton::Save]->setEnabled(false);
    cmdEmployee[EmployeeButton::CancelAdd]->setEnabled(false);
}

void frmEmployees::UpDown1_DownClick() {
    const int row = lstEmployees->selectedItems().isEmpty() ? -1 : lstEmployees->currentRow();
    if (row + 1 >= lstEmployees->count()) return;
    selectAndLoad(row + 1);
}

void frmEmployees::UpDown1_UpClick() {
    if (lstEmployees->selectedItems().isEmpty()) return;
    const int row = lstEmployees->currentRow();
    if (row <= 0) return;
    selectAndLoad(row - 1);
}

void frmEmployees::selectAndLoad(int row) {
    lstEmployees->setCurrentRow(row);
    lstEmployees_Click();
    cmdEmployee_Click(EmployeeButton::Load);
}

// ---- Buttons and menus ---------------------------------------------------------------------

void frmEmployees::cmdEmployee_Click(int index) {
    switch (index) {
    case EmployeeButton::Menu:
        return leaveScreen();
    case EmployeeButton::Load:
        if (lstEmployees->selectedItems().isEmpty()) return;
        showEditFrame();
        LoadSelectedEmployee();
        fraHide->hide();
        fraPersonal->hide();
        cmdEmployee[EmployeeButton::Load]->setEnabled(false);
        cmdEmployee[EmployeeButton::Save]->setEnabled(true);
        return;
    case EmployeeButton::Save:
        return saveEmployee();
    case EmployeeButton::CancelAdd:
        ClearEmployeeForm();
        loadedRecord_ = 0;
        base_ = EmployeeRecord{};
        shown_.reset();
        cmdEmployee[EmployeeButton::Save]->setEnabled(false);
        cmdEmployee[EmployeeButton::CancelAdd]->setEnabled(false);
        return;
    case EmployeeButton::TogglePersonal:
        return mnuPersonal_Click();
    case EmployeeButton::CreateNew:
        return mnuAdd_Click();
    default:
        return;
    }
}

void frmEmployees::leaveScreen() {
    Hide();
    EmployeesChanged();
    ShowMainMenu();
}

void frmEmployees::mnuAdd_Click() {
    startAddNew();
}

void frmEmployees::startAddNew() {
    fraHide->hide();
    fraPersonal->hide();
    fraTaxes->hide();
    fraEmployee->show();
    ClearEmployeeForm();
    ResetEmployeeCombos();
    // A new employee starts from a blank record: nothing of the last one loaded, and
    // all eleven year-to-date totals at zero.
    loadedRecord_ = 0;
    base_ = EmployeeRecord{};
    CurrentEmployee = EmployeeRecord{};
    shown_.reset();
    // Nothing to save or cancel until a name is typed.
    cmdEmployee[EmployeeButton::Save]->setEnabled(false);
    cmdEmployee[EmployeeButton::CancelAdd]->setEnabled(false);
    QLineEdit* name = txtEmployee[EmployeeBox::Name];
    name->setFocus();
    colourBox(EmployeeBox::Name, 65535);
    NextEmployeeNumber();
}

void frmEmployees::mnuW4_Click() {
    ConnecttoInternet(Pages::IrsW4);
}

void frmEmployees::mnuPersonal_Click() {
    const bool show = fraPersonal->isHidden();
    fraPersonal->setVisible(show);
    if (!show) return;
    fraHide->hide();
    setTaxesVisible(false);
    cboStatus->setFocus();
}

void frmEmployees::mnuShade_Click() {
    const bool show = fraHide->isHidden();
    fraHide->setVisible(show);
    if (!show) return;
    fraPersonal->hide();
    setTaxesVisible(false);
    fraHide->raise();
}

void frmEmployees::mnuTaxes_Click() {
    setTaxesVisible(fraTaxes->isHidden());
}

void frmEmployees::setTaxesVisible(bool visible) {
    if (visible) {
        fraTaxes->show();
        fraHide->hide();
        fraPersonal->hide();
        fraEmployee->hide();
    } else if (!fraTaxes->isHidden()) {
        // The totals stand where the employee's frame stands: closing them brings it back.
        fraTaxes->hide();
        fraEmployee->show();
    }
}

void frmEmployees::showEditFrame() {
    // An employee loaded while the totals are open shows in the totals; the edit
    // frame comes back when they close.
    if (fraTaxes->isHidden()) fraEmployee->show();
}

// ---- Loading -------------------------------------------------------------------------------

void frmEmployees::LoadSelectedEmployee() {
    const std::int32_t record = lstEmployees->currentRow() + 1;
    try {
        if (!LoadEmployee(record)) {
            ClearEmployeeForm();
            return;
        }
    } catch (const FileError& error) {
        ReportFileError(error);
        return;
    }
    loadedRecord_ = record;
    ClearEmployeeForm();
    EmployeeToForm();
}

void frmEmployees::EmployeeToForm() {
    base_ = CurrentEmployee;
    loading_ = true;
    ShowForm(FormValuesOf(CurrentEmployee, EntriesOf(cboStates)));
    loading_ = false;
    updatePayRateEnabled();
    shown_ = ReadForm();
    showPhoto();
}

void frmEmployees::ShowForm(const EmployeeFormValues& form) {
    for (int i = 0; i < EmployeeBoxCount; ++i)
        if (txtEmployee[i] != nullptr) txtEmployee[i]->setText(form.boxes[i]);
    cboStates->setCurrentIndex(form.state < cboStates->count() ? form.state : -1);
    ckNonResident->setChecked(form.nonResident);
    DTStart->setDate(form.start);
    txtTermination->setText(form.termination);
    dtEffective->setDate(form.effective);
    cboStatus->setCurrentIndex(form.maritalStatus);
    cboDependents->setCurrentIndex(cboDependents->findText(form.dependents));
    cboPayStatus->setCurrentIndex(cboPayStatus->findText(form.payStatus));
    cboFrequency->setCurrentIndex(form.payFrequency);
}

EmployeeFormValues frmEmployees::ReadForm() const {
    EmployeeFormValues form;
    for (int i = 0; i < EmployeeBoxCount; ++i)
        if (txtEmployee[i] != nullptr) form.boxes[i] = txtEmployee[i]->text();
    form.state = cboStates->currentIndex();
    form.stateText = form.state >= 0 ? cboStates->currentText() : QString();
    form.nonResident = ckNonResident->isChecked();
    form.start = DTStart->date();
    form.effective = dtEffective->date();
    form.termination = txtTermination->text();
    form.maritalStatus = cboStatus->currentIndex();
    form.dependents = cboDependents->currentIndex() >= 0 ? cboDependents->currentText() : QString();
    form.payStatus = cboPayStatus->currentIndex() >= 0 ? cboPayStatus->currentText() : QString();
    form.payFrequency = cboFrequency->currentIndex();
    return form;
}

void frmEmployees::showPhoto() {
    const QString number = TrimmedField(base_.EmployeeNo);
    // Only a number names a folder of Pictures; anything else finds no photo.
    const bool digits = !number.isEmpty() && std::all_of(number.begin(), number.end(),
                                                         [](QChar c) { return c >= u'0' && c <= u'9'; });
    const QString name = PictureFile(number);
    QPixmap photo;
    if (digits && FileExists(name)) photo.load(DataPath(name));
    if (photo.isNull()) {
        picEmployee->clear();
        picEmployee->hide();
        lblNoPicture->show();
        return;
    }
    picEmployee->setPixmap(photo.scaled(picEmployee->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    lblNoPicture->hide();
    picEmployee->show();
}

void frmEmployees::ClearEmployeeForm() {
    for (int i = 0; i < EmployeeBoxCount; ++i) {
        if (txtEmployee[i] == nullptr || i == EmployeeBox::Label401k) continue;
        txtEmployee[i]->setText(i <= EmployeeBox::SSN ? QString() : ZeroText());
    }
    // Neither a termination date nor the nonresident flag may carry over to the next employee.
    txtTermination->clear();
    ckNonResident->setChecked(false);
    picEmployee->clear();
    picEmployee->hide();
    lblNoPicture->show();
}

void frmEmployees::ResetEmployeeCombos() {
    // No list offers a choice the user did not make: a state or status saved unseen would
    // be wrong for every employee who does not happen to match it.
    for (QComboBox* list : {cboStates, cboStatus, cboDependents, cboPayStatus, cboFrequency})
        list->setCurrentIndex(-1);
    DTStart->setDate(Today());
    dtEffective->setDate(Today());
}

void frmEmployees::NextEmployeeNumber() {
    try {
        txtEmployee[EmployeeBox::EmployeeNo]->setText(
            NextEmployeeNumberText(RecordCount(EmployeeFile, EmployeeRecord::Length)));
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

// ---- Saving ----------------------------------------------------------------------------------

void frmEmployees::saveEmployee() {
    try {
        if (!FormToEmployee()) return;
        MakeFolders();
    } catch (const FileError& error) {
        ReportFileError(error);
        return;
    }
    cmdEmployee[EmployeeButton::Save]->setEnabled(false);
    ShowEmployees();
}

bool frmEmployees::FormToEmployee() {
    const std::int32_t count = RecordCount(EmployeeFile, EmployeeRecord::Length);
    const auto record = RecordToSave(txtEmployee[EmployeeBox::EmployeeNo]->text(), count, loadedRecord_);
    if (!record) {
        MsgBox(QStringLiteral("This Employee has no valid Employee No. and cannot be saved.\r\n"
                              "Click Create New Employee, or Load an Employee for Editing, first."),
               MsgButtons::OK, SaveTitle);
        return false;
    }
    const EmployeeFormValues form = ReadForm();
    // A loaded record saves what it holds, even a pay status the lists do not offer.
    if (loadedRecord_ == 0 && !hasPayRunChoices(form)) return false;
    if (!PayRateToStore(form.boxes[EmployeeBox::PayRate])) {
        MsgBox(QStringLiteral("The Pay Rate is too large to be saved.\r\n"
                              "A Pay Rate holds at most 10 characters, such as 1234567.89."),
               MsgButtons::OK, SaveTitle);
        return false;
    }
    CurrentEmployee = RecordOf(form, base_, shown_);
    SaveEmployeeRecord(*record);
    return true;
}

bool frmEmployees::hasPayRunChoices(const EmployeeFormValues& form) {
    QStringList missing;
    if (form.maritalStatus < 0) missing << QStringLiteral("Marital Status");
    if (form.dependents.isEmpty()) missing << QStringLiteral("Dependents");
    if (form.payStatus.isEmpty()) missing << QStringLiteral("Pay Status");
    if (form.payFrequency < 0) missing << QStringLiteral("Pay Frequency");
    if (missing.isEmpty()) return true;
    // Marital status and dependents are chosen in the personal frame: put it in view.
    if ((form.maritalStatus < 0 || form.dependents.isEmpty()) && fraPersonal->isHidden()) mnuPersonal_Click();
    const QString last = missing.takeLast();
    const QString names =
        missing.isEmpty() ? last : missing.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    MsgBox(QStringLiteral("Please choose the ") + names + QStringLiteral(" before saving."), MsgButtons::OK,
           SaveTitle);
    return false;
}

void frmEmployees::SaveEmployeeRecord(std::int32_t recordNumber) {
    SaveEmployee(recordNumber);
}
