#pragma once

#include "MenuRoutines.h"
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

    std::array<QRadioButton*, RoutineCount> optProgramRoutine{};
    QPushButton* cmdStart = nullptr;
    // "Kestrova Sub-routines", "Select Routine Then Click    >", "Create/Manage a Payroll ",
    // "(or Practice Payrolls)", "Reports and Files".
    enum StartupLabel { Heading, SelectHint, PayrollSection, PracticeNote, ReportsSection, LabelCount };
    std::array<QLabel*, LabelCount> Label{};
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
