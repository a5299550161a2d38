#pragma once

#include "EmployeeForm.h"
#include "Hook.h"
#include "Records.h"
#include "Screen.h"

#include <array>
#include <cstdint>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

// The command buttons of the employee screen (cmdEmployee), by what they do.
namespace EmployeeButton {
inline constexpr int Menu = 0, Load = 1, Save = 2, CancelAdd = 3, TogglePersonal = 4, CreateNew = 5, Count = 6;
}

// Called when the user leaves the employee screen, whose work may have changed the
// employee file; the program registers what must follow (the pay run's list).
inline Hook EmployeesChanged;

// The employee screen: creates employees and edits their master records.
class frmEmployees : public Screen {
    Q_OBJECT

public:
    frmEmployees();

    // ---- Controls ----
    QGroupBox* fraEmployees = nullptr;
    QGroupBox* fraEmployee = nullptr;
    QGroupBox* fraPersonal = nullptr;
    QGroupBox* fraTaxes = nullptr;
    QGroupBox* fraHide = nullptr;

    QListWidget* lstEmployees = nullptr;
    // Boxes 0 to 29; box 4 does not exist.
    std::array<QLineEdit*, EmployeeBoxCount> txtEmployee{};
    QComboBox* cboStates = nullptr;
    QComboBox* cboStatus = nullptr;
    QComboBox* cboDependents = nullptr;
    QComboBox* cboPayStatus = nullptr;
    QComboBox* cboFrequency = nullptr;
    QCheckBox* ckNonResident = nullptr;
    QDateEdit* DTStart = nullptr;
    QDateEdit* dtEffective = nullptr;
    QLineEdit* txtTermination = nullptr;
    std::array<QPushButton*, EmployeeButton::Count> cmdEmployee{};
    // The spinner: its up arrow selects the previous employee, its down arrow the next.
    QWidget* UpDown1 = nullptr;
    QToolButton* UpDown1Up = nullptr;
    QToolButton* UpDown1Down = nullptr;
    QLabel* picEmployee = nullptr;
    QLabel* lblNoPicture = nullptr;
    QLabel* lblNoEmployees = nullptr;
    // The pictures that draw the privacy shade (beside the list) and lift it (on the shade).
    QLabel* imgShade = nullptr;
    QLabel* imgHide = nullptr;

    QAction* mnuAdd = nullptr;
    QAction* mnuW4 = nullptr;
    QAction* mnuShade = nullptr;
    QAction* mnuPersonal = nullptr;
    QAction* mnuTaxes = nullptr;
    QAction* mnuRestore = nullptr;

    // ---- Handlers (public so that tests drive them as the user would) ----
    void cmdEmployee_Click(int index);
    void lstEmployees_Click();
    void UpDown1_UpClick();
    void UpDown1_DownClick();
    void mnuAdd_Click();
    void mnuW4_Click();
    void mnuShade_Click();
    void mnuPersonal_Click();
    void mnuTaxes_Click();
    void mnuRestore_Click();
    void cboFrequency_Click();
    void cboPayStatus_Click();
    void txtEmployee_GotFocus(int index);
    void txtEmployee_LostFocus(int index);

    // ---- Routines ----
    // The list alone: rebuilds the list from Employees.txt (run on every activation and after a save).
    void ShowEmployees();
    void LoadSelectedEmployee();
    void EmployeeToForm();
    // Fills CurrentEmployee from the controls and writes it; false when the save was refused.
    bool FormToEmployee();
    void SaveEmployeeRecord(std::int32_t recordNumber);
    void ClearEmployeeForm();
    void ResetEmployeeCombos();
    void NextEmployeeNumber();
    EmployeeFormValues ReadForm() const;
    void ShowForm(const EmployeeFormValues& form);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (EmployeeScreenLayout.cpp).
    void buildControls();
    QWidget* buildListSide();
    QWidget* buildEditSide();
    QGroupBox* buildEmployeeFrame();
    QGroupBox* buildPersonalFrame();
    QGroupBox* buildTaxesFrame();
    QGroupBox* buildHideFrame();
    QLineEdit* newBox(int index);
    void buildMenus();
    void setTabOrders();
    void connectControls();

    void selectAndLoad(int row);
    void startAddNew();
    void saveEmployee();
    // A new employee needs the four choices the pay run works from: false, after saying
    // which are missing, when one is not made.
    bool hasPayRunChoices(const EmployeeFormValues& form);
    void leaveScreen();
    void showEditFrame();
    void setTaxesVisible(bool visible);
    void showPhoto();
    void updatePayRateEnabled();
    void askClearPercentage();
    void colourBox(int index, quint32 bbggrr);
    bool keyDown(int index, const QKeyEvent& key);
    int boxIndexOf(const QObject* object) const;

    // "Restore Previous Value": the amount a money box held when it got the focus, and which box.
    Money rememberedAmount_;
    int rememberedBox_ = -1;
    // The record being edited (0 for a new employee or none), the record it was loaded
    // as, and what the form showed right after loading it.
    std::int32_t loadedRecord_ = 0;
    EmployeeRecord base_;
    std::optional<EmployeeFormValues> shown_;
    bool loading_ = false;
    bool refocusing_ = false;
};
