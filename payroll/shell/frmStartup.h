#pragma once

#include "Screen.h"

#include <array>

class ClickablePicture;
class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

// The main menu: eight routines chosen by an option list. Each routine's screen returns
// here by showing the menu again.
class frmStartup : public Screen {
    Q_OBJECT

public:
    frmStartup();

    // Options 0 and 1 and 5 to 7 always; 2 and 4 when Employees.txt exists (2 is then
    // preselected, else 0); 3 when SummaryRecords.txt holds a record.
    void EnableRoutines();
    // The first selected option in index order, or -1.
    int SelectedRoutine() const;

    // Hides the menu and shows the selected routine's screen.
    void cmdStart_Click();
    void optProgramRoutine_DblClick(int index);
    void Image1_Click();
    void mnuShowSetup_Click();
    void mnuExit_Click();
    void mnuChecks_Click();
    void mnuDeposit_Click();
    void mnuEnvelopes_Click();
    void mnuW2_Click();
    void mnuAbout_Click();

    std::array<QRadioButton*, 8> optProgramRoutine{};
    QPushButton* cmdStart = nullptr;
    // 0 "Kestrova Sub-routines", 1 "Select Routine Then Click    >", 2 "Create/Manage a
    // Payroll ", 3 "(or Practice Payrolls)", 4 "Reports and Files".
    std::array<QLabel*, 5> Label{};
    ClickablePicture* Image1 = nullptr; // shows the setup screen

    QMenu* mnuFiles = nullptr;
    QAction* mnuShowSetup = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuOrderForms = nullptr;
    QMenu* mnuSupplier = nullptr;
    QAction* mnuChecks = nullptr;
    QAction* mnuDeposit = nullptr;
    QAction* mnuEnvelopes = nullptr;
    QAction* mnuW2 = nullptr;
    QAction* mnuAbout = nullptr;

protected:
    void Form_Activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFace();
    void layOut(QWidget* face);
    void buildMenus();
    void connectControls();

    QButtonGroup* routines_ = nullptr;
};
