#include "ShellFixture.h"

#include "Main.h"
#include "Picture.h"
#include "RecordSupport.h"
#include "Suppliers.h"
#include "frmAbout.h"
#include "frmEmployees.h"
#include "frmNewEmployee.h"
#include "frmPayroll.h"
#include "frmPurge.h"
#include "frmReports.h"
#include "frmSetup.h"
#include "frmSplash.h"
#include "frmStartup.h"
#include "frmTables.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using testrecords::Employee;
using testrecords::WriteEmployees;

namespace {

class MainMenuTest : public ShellTest {
protected:
    // Starts the program and goes on from the splash to the main menu.
    // Starts the program on a folder with the shipped tables and goes on from the splash
    // to the main menu.
    frmStartup& startAtTheMenu() {
        writeBusinessData();
        for (const char* file :
             {"StateTaxes.txt", "StateTaxTables.txt", "StateTaxesMarginal.txt", "TaxTable.txt",
              "PercentageTable.txt", "TaxVariables.txt", "Deductions.txt", "NonResidentTaxTable.txt"})
            copyShipped(QString::fromLatin1(file));
        Main();
        Form<frmSplash>().cmdContinue->click();
        deleteUnloadedScreens();
        frmStartup& menu = Form<frmStartup>();
        EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmStartup")});
        EXPECT_EQ(dialogs->messages(), std::vector<QString>()); // a start on a sound folder is silent
        return menu;
    }
    static std::vector<bool> enabled(const frmStartup& menu) {
        std::vector<bool> states;
        for (QRadioButton* option : menu.optProgramRoutine)
            states.push_back(option->isEnabled());
        return states;
    }
    static void doubleClick(QWidget* widget) {
        const QPointF centre = QRectF(widget->rect()).center();
        QMouseEvent event(QEvent::MouseButtonDblClick, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
};


} // namespace

// ---- Which routines are open --------------------------------------------------------------------

TEST_F(MainMenuTest, WithEmployeesAndOnePayrollRunEveryRoutineIsOpenAndCreateAPayrollIsPreselected) {
    WriteEmployees({Employee(1)});
    writeSummaryRecords(1);
    frmStartup& menu = startAtTheMenu();
    EXPECT_EQ(enabled(menu), std::vector<bool>(8, true));
    EXPECT_TRUE(menu.optProgramRoutine[Routine::CreatePayroll]->isChecked());
    EXPECT_EQ(menu.optProgramRoutine[Routine::CreatePayroll]->text(), QStringLiteral("&Create  a Payroll"));
    EXPECT_EQ(menu.SelectedRoutine(), Routine::CreatePayroll);
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("Kestrova Main Menu"));
}

TEST_F(MainMenuTest, AnEmptySummaryFileKeepsThePayrollReportsClosed) {
    writeSummaryRecords(0);
    ASSERT_TRUE(exists(QStringLiteral("SummaryRecords.txt")));
    frmStartup& menu = startAtTheMenu();
    EXPECT_EQ(enabled(menu), (std::vector<bool>{true, true, false, false, false, true, true, true}));
    EXPECT_TRUE(menu.optProgramRoutine[Routine::EmployeeRecords]->isChecked());
}

TEST_F(MainMenuTest, RoutinesAreCheckedAgainEachTimeTheMenuReturns) {
    frmStartup& menu = startAtTheMenu();
    EXPECT_FALSE(menu.optProgramRoutine[Routine::CreatePayroll]->isEnabled());
    menu.optProgramRoutine[Routine::TaxFiles]->setChecked(true);
    menu.cmdStart->click();
    // Meanwhile the first employee is saved and a payroll posted.
    WriteEmployees({Employee(1)});
    writeSummaryRecords(1);
    Form<frmTables>().Hide();
    ShowScreen<frmStartup>();
    EXPECT_EQ(enabled(menu), std::vector<bool>(8, true));
    EXPECT_TRUE(menu.optProgramRoutine[Routine::CreatePayroll]->isChecked());
}

// ---- Starting a routine -------------------------------------------------------------------------

TEST_F(MainMenuTest, CreateAPayrollShowsThePayRunAndHidesTheMenu) {
    WriteEmployees({Employee(1)});
    frmStartup& menu = startAtTheMenu();
    EXPECT_EQ(menu.cmdStart->text(), QStringLiteral("&Goto"));
    EXPECT_EQ(menu.cmdStart->toolTip(), QStringLiteral("Starts the Selected Routine"));
    menu.cmdStart->click();
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmPayroll")});
    EXPECT_EQ(ActiveScreen(), &Form<frmPayroll>());
}

TEST_F(MainMenuTest, EachRoutineInThisVersionShowsItsScreen) {
    const std::vector<std::pair<int, QString>> routines = {
        {Routine::EmployeeRecords, QStringLiteral("frmEmployees")},
        {Routine::BackupRestore, QStringLiteral("frmArchive")},
        {Routine::EmployeeReports, QStringLiteral("frmEmpReports")},
        {Routine::TaxFiles, QStringLiteral("frmTables")},
        {Routine::NewEmployeeWorksheet, QStringLiteral("frmNewEmployee")},
        {Routine::DeletePayroll, QStringLiteral("frmPurge")}};
    WriteEmployees({Employee(1)});
    frmStartup& menu = startAtTheMenu();
    for (const auto& [routine, screen] : routines) {
        menu.optProgramRoutine[std::size_t(routine)]->setChecked(true);
        menu.cmdStart->click();
        EXPECT_EQ(visibleScreens(), QStringList{screen}) << routine;
        ActiveScreen()->Hide();
        ShowScreen<frmStartup>();
    }
}

TEST_F(MainMenuTest, PayrollReportsOpenFromTheMenuAndReturnToIt) {
    WriteEmployees({Employee(1)});
    writeSummaryRecords(1);
    frmStartup& menu = startAtTheMenu();
    menu.optProgramRoutine[Routine::PayrollReports]->setChecked(true);
    menu.cmdStart->click();
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmReports")});
    Form<frmReports>().cmdReports[0]->click();
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmStartup")});
}

TEST_F(MainMenuTest, PurgingTheOnlyPayrollRunClosesThePayrollReports) {
    WriteEmployees({Employee(1)});
    writeSummaryRecords(1);
    frmStartup& menu = startAtTheMenu();
    EXPECT_TRUE(menu.optProgramRoutine[Routine::PayrollReports]->isEnabled());
    menu.optProgramRoutine[Routine::DeletePayroll]->setChecked(true);
    menu.cmdStart->click();
    ASSERT_EQ(visibleScreens(), QStringList{QStringLiteral("frmPurge")});
    frmPurge& purge = Form<frmPurge>();
    EXPECT_EQ(purge.DTPicker1->date(), fixedToday());
    purge.DTPicker1->setDate(QDate(2026, 6, 12));
    dialogs->answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
    purge.cmdPurge[PurgeButton::PurgeDated]->click();
    // No check of that date in the register: straight back to the menu.
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmStartup")});
    EXPECT_FALSE(exists(QStringLiteral("SummaryRecords.txt")));
    EXPECT_FALSE(menu.optProgramRoutine[Routine::PayrollReports]->isEnabled());
}

TEST_F(MainMenuTest, DoubleClickOnAnOptionStartsItsRoutine) {
    frmStartup& menu = startAtTheMenu();
    doubleClick(menu.optProgramRoutine[Routine::TaxFiles]);
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmTables")});
}

TEST_F(MainMenuTest, DoubleClickOnAClosedOptionStartsNothing) {
    frmStartup& menu = startAtTheMenu(); // no employees: creating a payroll is closed
    menu.optProgramRoutine_DblClick(Routine::CreatePayroll);
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmStartup")});
    EXPECT_TRUE(menu.optProgramRoutine[Routine::EmployeeRecords]->isChecked());
}

// ---- Setup, About and the order menus -----------------------------------------------------------

TEST_F(MainMenuTest, ShowSetupAndThePictureOpenTheSetupScreen) {
    frmStartup& menu = startAtTheMenu();
    EXPECT_EQ(menu.Image1->toolTip(), QStringLiteral("Click to Show Setup Screen"));
    menu.mnuShowSetup->trigger();
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmSetup")});
    Form<frmSetup>().Hide();
    ShowScreen<frmStartup>();
    menu.Image1->click();
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmSetup")});
}

TEST_F(MainMenuTest, AboutShowsTheMakerAndReturnsToTheMenu) {
    frmStartup& menu = startAtTheMenu();
    menu.mnuAbout->trigger();
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmAbout")});
    frmAbout& about = Form<frmAbout>();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Kestrova by QUILLMOORE"));
    EXPECT_EQ(about.lblTitle->text(), QStringLiteral("Kestrova"));
    about.cmdVisit->click();
    EXPECT_EQ(opened, QStringList{Pages::MakerSite});
    about.cmdOK->click();
    deleteUnloadedScreens();
    EXPECT_FALSE(IsLoaded<frmAbout>());
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmStartup")});
    EXPECT_TRUE(ended.empty());
}

TEST_F(MainMenuTest, OrderingChecksTellsWhatToHaveReadyAndOpensThePageOnlyOnOK) {
    frmStartup& menu = startAtTheMenu();
    EXPECT_EQ(menu.mnuSupplier->title(), Pages::SupplierName);
    dialogs->answer(MsgAnswer::Cancel);
    menu.mnuChecks->trigger();
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    const auto& message = dialogs->shown[0];
    EXPECT_EQ(message.buttons, MsgButtons::OKCancel);
    const QStringList lines = message.text.split(QStringLiteral("\r\n"));
    for (const char* line :
         {"Checks - DLM102-1", "Deposit Slips - 80200", "091500 (Double Window) or 09508 (Single Window)"})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line;
    EXPECT_TRUE(message.text.contains(Pages::SupplierName));
    EXPECT_TRUE(message.text.contains(QStringLiteral("Routing Number")));
    EXPECT_TRUE(lines.contains(QStringLiteral("You can order from ") + Pages::SupplierName +
                               QStringLiteral(" via the Internet or by telephone")));

    dialogs->answer(MsgAnswer::OK);
    menu.mnuChecks->trigger();
    EXPECT_EQ(opened, QStringList{Pages::LaserChecks});
}

TEST_F(MainMenuTest, DepositSlipsEnvelopesAndW2FormsOpenTheirPages) {
    frmStartup& menu = startAtTheMenu();
    menu.mnuDeposit->trigger();
    menu.mnuEnvelopes->trigger();
    menu.mnuW2->trigger();
    EXPECT_EQ(dialogs->messages(), (std::vector<QString>{QStringLiteral("Deposit Tickets are # 80200"),
                                                         QStringLiteral("Deposit Envelopes are # 91500")}));
    EXPECT_EQ(opened, (QStringList{Pages::DepositTickets, Pages::Envelopes, Pages::W2Forms}));
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmStartup")});
}
