#include "ShellFixture.h"

#include "DataFiles.h"
#include "ExitProgram.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "Main.h"
#include "Picture.h"
#include "RecordSupport.h"
#include "frmEmployees.h"
#include "frmPayroll.h"
#include "frmSetup.h"
#include "frmSplash.h"
#include "frmStartup.h"
#include "frmTables.h"
#include "PayRun.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>

using testrecords::Employee;
using testrecords::WriteEmployees;

namespace {

using StartupTest = ShellTest;

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

TEST_F(StartupTest, FirstStartInAnEmptyFolderBuildsTheTreeAndContinueWelcomesTheUser) {
    Main();
    for (const char* folder : {"Backup", "Employees", "Pictures", "Backup/Employees", "Backup/Pictures"})
        EXPECT_TRUE(QFileInfo(path(QString::fromLatin1(folder))).isDir()) << folder;
    EXPECT_EQ(FilesIn(path(QStringLiteral("Backup"))), QStringList());
    EXPECT_FALSE(exists(QStringLiteral("Employees.txt"))); // no totals to rebuild, none made up
    EXPECT_TRUE(ended.empty());
    // Only the splash is up; the other screens wait loaded and hidden.
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmSplash")});
    EXPECT_TRUE(IsLoaded<frmTables>() && IsLoaded<frmSetup>() && IsLoaded<frmStartup>() &&
                IsLoaded<frmPayroll>() && IsLoaded<frmEmployees>());

    frmSplash& splash = Form<frmSplash>();
    EXPECT_FALSE(splash.fraWelcome->isVisible());
    EXPECT_EQ(splash.cmdContinue->toolTip(), QStringLiteral("Starts the Program"));
    splash.cmdContinue->click();
    EXPECT_TRUE(splash.fraWelcome->isVisible());
    EXPECT_TRUE(IsLoaded<frmSplash>());
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmSplash")});
    QStringList lines;
    for (QLabel* label : splash.lblWelcome)
        lines.append(label->text());
    EXPECT_TRUE(lines.contains(
        QStringLiteral("If you see this screen after initial Setup, one of your files is missing.")));
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "An unsuccessful attempt was made to restore it from the Backup Folder. You need to recreate it.")));
}

TEST_F(StartupTest, ScreensLoadInStartUpOrder) {
    Main();
    const QStringList order = loadedScreens();
    auto at = [&order](const char* name) { return order.indexOf(QString::fromLatin1(name)); };
    ASSERT_GE(at("frmTables"), 0);
    EXPECT_EQ(at("frmTables"), 0); // the tax data are in place before anything reads them
    EXPECT_LT(at("frmTables"), at("frmSetup"));
    EXPECT_LT(at("frmSetup"), at("frmSplash"));
    EXPECT_LT(at("frmSplash"), at("frmStartup"));
    EXPECT_LT(at("frmStartup"), at("frmPayroll"));
    EXPECT_GE(at("frmEmployees"), 0);
}

TEST_F(StartupTest, WithBusinessDataContinueGoesToTheMenuAndTheSplashGoes) {
    writeBusinessData();
    WriteEmployees({Employee(1)});
    ASSERT_EQ(readFile(QStringLiteral("Employees.txt")).size(), EmployeeRecord::Length);
    Main();
    for (const char* folder :
         {"Employees/1001/W-4", "Pictures/1001", "Backup/Employees/1001", "Backup/Pictures/1001"})
        EXPECT_TRUE(QFileInfo(path(QString::fromLatin1(folder))).isDir()) << folder;
    EXPECT_EQ(readFile(QStringLiteral("Backup/MyBusinessData.txt")),
              readFile(QStringLiteral("MyBusinessData.txt")));
    EXPECT_TRUE(exists(QStringLiteral("Backup/PayrollInfo.txt")));

    Form<frmSplash>().cmdContinue->click();
    deleteUnloadedScreens();
    EXPECT_FALSE(IsLoaded<frmSplash>());
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmStartup")});
    EXPECT_EQ(ActiveScreen(), &Form<frmStartup>());
}

TEST_F(StartupTest, BusinessDataLeftOnlyInBackupIsRestoredAtContinue) {
    writeBusinessData();
    makeFolder(QStringLiteral("Backup"));
    ASSERT_TRUE(QFile::rename(path(QStringLiteral("MyBusinessData.txt")),
                              path(QStringLiteral("Backup/MyBusinessData.txt"))));
    Main();
    Form<frmSplash>().cmdContinue->click();
    EXPECT_TRUE(exists(QStringLiteral("MyBusinessData.txt")));
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmStartup")});
}

TEST_F(StartupTest, SecondCopyIsRefusedBeforeAnyFileIsTouched) {
    SingleInstance running(ProductName);
    ASSERT_TRUE(running.acquire());
    Main();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              QStringLiteral("Kestrova is already Running!\r\nLook for it on the Task Bar"));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Kestrova"));
    EXPECT_EQ(dialogs->shown[0].buttons, MsgButtons::OK);
    EXPECT_EQ(ended, std::vector<int>{0});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("Kestrova.lock")});
    EXPECT_TRUE(ScreenRegistry::loaded().empty());
}

TEST_F(StartupTest, FolderThatCannotHoldTheLockEndsTheStartWithoutClaimingASecondCopy) {
    makeFolder(QStringLiteral("Kestrova.lock"));
    Main();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_TRUE(
        dialogs->shown[0].text.startsWith(QStringLiteral("Kestrova cannot write to its program folder\r\n") +
                                          dir.path() + QStringLiteral("\r\n")));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Kestrova"));
    EXPECT_EQ(ended, std::vector<int>{0});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("Kestrova.lock")});
    EXPECT_TRUE(ScreenRegistry::loaded().empty());
}

TEST_F(StartupTest, FirstBackupOfTheTaxVariablesBecomesTheMasterAndStaysIt) {
    copyShipped(QStringLiteral("TaxVariables.txt"));
    const QByteArray shipped = readFile(QStringLiteral("TaxVariables.txt"));
    Main();
    EXPECT_EQ(readFile(QStringLiteral("Backup/MasterTaxVariables.txt")), shipped);
    EXPECT_FALSE(exists(QStringLiteral("Backup/TaxVariables.txt")));
    ExitProgram();
    deleteUnloadedScreens();

    QByteArray edited = shipped;
    edited.replace("\"6.20%\"", "\"6.30%\"");
    ASSERT_NE(edited, shipped);
    writeFile(QStringLiteral("TaxVariables.txt"), edited);
    Main();
    EXPECT_EQ(readFile(QStringLiteral("Backup/MasterTaxVariables.txt")), shipped);
    EXPECT_EQ(readFile(QStringLiteral("Backup/TaxVariables.txt")), edited);
}

TEST_F(StartupTest, AFolderThatCannotBeMadeIsReportedAndStartUpGoesOn) {
    WriteEmployees({Employee(1)});
    writeFile(QStringLiteral("Employees"), "a file where the folder belongs");
    Main();
    const auto fileError = std::find_if(dialogs->shown.begin(), dialogs->shown.end(), [](const auto& shown) {
        return shown.title == QStringLiteral("File Error");
    });
    EXPECT_NE(fileError, dialogs->shown.end());
    EXPECT_TRUE(exists(QStringLiteral("Backup/Pictures")));
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmSplash")});
    EXPECT_TRUE(IsLoaded<frmEmployees>());
    EXPECT_TRUE(ended.empty());
}

TEST_F(StartupTest, ADamagedPayrollFileKeepsItsGoodBackupCopyWhichTheUserMayRestore) {
    struct Case {
        const char* file;
        QByteArray good; // empty: no good copy in Backup
        QByteArray damaged;
        MsgAnswer answer;
    };
    writeBusinessData();
    copyShipped(QStringLiteral("TaxTable.txt"));
    copyShipped(QStringLiteral("PercentageTable.txt"));
    copyShipped(QStringLiteral("Deductions.txt"));
    const QByteArray taxTable = readFile(QStringLiteral("TaxTable.txt"));
    const QByteArray percentages = readFile(QStringLiteral("PercentageTable.txt"));
    const QByteArray summary = WholeSetFile(QStringLiteral("SummaryRecords"), "s").repeated(2);
    const QByteArray entries = WholeSetFile(QStringLiteral("PayrollCheckRegister"), "r").repeated(2);
    // A quote left open on the first line: every bracket would load one cell further on.
    QByteArray openQuote = taxTable;
    openQuote.remove(openQuote.indexOf("\"\r\n"), 1);
    // In the order of the payroll set, which is the order of the questions.
    const Case cases[] = {
        {"MyBusinessData.txt", readFile(QStringLiteral("MyBusinessData.txt")), "\xff\xfe\x01 garbage",
         MsgAnswer::Yes},
        {"Deductions.txt", readFile(QStringLiteral("Deductions.txt")), "\x8f\x13\xa0\x9b\x01\x7f", MsgAnswer::No},
        {"PayrollInfo.txt", readFile(QStringLiteral("PayrollInfo.txt")), "\xc3\x28\xa0,\x05", MsgAnswer::Yes},
        {"TaxTable.txt", taxTable, openQuote, MsgAnswer::No},
        {"PercentageTable.txt", percentages, percentages.left(percentages.size() / 2), MsgAnswer::No},
        // What a power cut can leave: zeros of the right size.
        {"SummaryRecords.txt", summary, QByteArray(summary.size(), '\0'), MsgAnswer::No},
        {"PayrollCheckRegister.txt", entries, QByteArray(entries.size(), '\0'), MsgAnswer::Yes},
        {"CheckRegister.txt", {}, QByteArray(entries.size(), '\0'), MsgAnswer::OK},
    };
    for (const Case& c : cases) {
        writeFile(QLatin1String(c.file), c.damaged);
        if (c.good.isEmpty()) continue; // told, with nothing to ask
        writeFile(QStringLiteral("Backup/") + QLatin1String(c.file), c.good);
        dialogs->answer(c.answer);
    }
    Main();
    QStringList asked;
    for (const auto& shown : dialogs->shown)
        if (shown.title == QStringLiteral("Damaged File")) asked << shown.text;
    // Told once: the loaders of a file the user chose to keep say nothing more.
    ASSERT_EQ(asked.size(), std::ssize(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const QString name = QLatin1String(c.file);
        const QString damaged = QStringLiteral("The file %1 is damaged: it does not hold all of its information.").arg(name);
        EXPECT_EQ(asked[static_cast<qsizetype>(i)],
                  c.good.isEmpty() ? damaged
                                   : damaged + QStringLiteral("\r\nIts copy in the Backup folder was kept.\r\n\r\n"
                                                              "Restore %1 from the Backup folder?")
                                                   .arg(name));
        // A damaged file never replaces the backup copy.
        EXPECT_EQ(readFile(QStringLiteral("Backup/") + name), c.good) << c.file;
        EXPECT_EQ(readFile(name), c.answer == MsgAnswer::Yes ? c.good : c.damaged) << c.file;
    }
    // The damaged tax table kept by the user is not loaded one cell off.
    EXPECT_EQ(Form<frmTables>().fgTaxTable->textMatrix(1, 1), QStringLiteral("$0.00"));
}

// Needs the state loaders: the state list fills both screens' choices, the business
// state is selected, then its bracket table reaches the pay-run screen.
TEST_F(StartupTest, StateListsAndTheBusinessStatesTableAreLoaded) {
    writeBusinessData();
    for (const char* file : {"StateTaxes.txt", "StateTaxTables.txt", "StateTaxesMarginal.txt"})
        copyShipped(QString::fromLatin1(file));
    Main();
    EXPECT_EQ(Form<frmSetup>().cboStates->count(), StateCount);
    EXPECT_EQ(Form<frmEmployees>().cboStates->count(), StateCount);
    EXPECT_EQ(StateIndex, 10); // Georgia
    EXPECT_TRUE(Form<frmPayroll>().mnuStateTable->isEnabled());
    EXPECT_EQ(Form<frmPayroll>().fgStateTaxes->textMatrix(1, 0), QStringLiteral("Single"));
    EXPECT_EQ(Form<frmPayroll>().fgStateTaxes->textMatrix(2, 0), QStringLiteral("Married"));
}

// ---- The splash screen's logos ----------------------------------------------------------------

TEST_F(StartupTest, ALogoOpensTheSetupAndTheWelcomeLogoHidesItsFrameFirst) {
    Main();
    frmSplash& splash = Form<frmSplash>();
    EXPECT_EQ(splash.imgLogo[frmSplash::WelcomeLogo]->toolTip(), QStringLiteral("Yes me, I'm the LOGO"));
    splash.cmdContinue->click();
    ASSERT_TRUE(splash.fraWelcome->isVisible());
    splash.imgLogo[frmSplash::WelcomeLogo]->click();
    EXPECT_TRUE(splash.fraWelcome->isHidden());
    deleteUnloadedScreens();
    EXPECT_FALSE(IsLoaded<frmSplash>());
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmSetup")});
    EXPECT_TRUE(ended.empty());

    // The splash's own logo does the same.
    ExitProgram();
    deleteUnloadedScreens();
    Main();
    Form<frmSplash>().imgLogo[frmSplash::FaceLogo]->click();
    deleteUnloadedScreens();
    EXPECT_FALSE(IsLoaded<frmSplash>());
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmSetup")});
}

// A new owner on the keyboard alone: from the welcome screen through the setup, the first
// employee and into the first pay run, where the employee is marked and given 32 hours.
TEST_F(StartupTest, TheKeyboardAloneTakesANewOwnerFromTheWelcomeScreenToTheFirstPayRun) {
    for (const char* file : {"StateTaxes.txt", "StateTaxTables.txt", "TaxVariables.txt", "TaxTable.txt",
                             "PercentageTable.txt", "NonResidentTaxTable.txt"})
        copyShipped(QString::fromLatin1(file));
    Main();
    const auto type = [](QWidget* window, const QString& text) {
        for (QChar c : text)
            PressKeyIn(window, 0, QString(c));
    };
    frmSplash& splash = Form<frmSplash>();
    ASSERT_TRUE(ActivateWindow(&splash));
    ASSERT_TRUE(TabTo(&splash, splash.cmdContinue));
    PressKeyIn(&splash, Qt::Key_Return);
    ASSERT_TRUE(splash.fraWelcome->isVisible());
    ASSERT_TRUE(TabTo(&splash, splash.imgLogo[frmSplash::WelcomeLogo]));
    PressKeyIn(&splash, Qt::Key_Space);
    deleteUnloadedScreens();
    ASSERT_EQ(visibleScreens(), QStringList{QStringLiteral("frmSetup")});

    // The setup keeps what it shows and hands over to the main menu.
    frmSetup& setup = Form<frmSetup>();
    ASSERT_TRUE(ActivateWindow(&setup));
    ASSERT_TRUE(TabTo(&setup, setup.cmdQuit));
    PressKeyIn(&setup, Qt::Key_Return);
    ASSERT_EQ(visibleScreens(), QStringList{QStringLiteral("frmStartup")});

    frmStartup& menu = Form<frmStartup>();
    ASSERT_TRUE(ActivateWindow(&menu));
    ASSERT_TRUE(TabTo(&menu, menu.cmdStart));
    PressKeyIn(&menu, Qt::Key_Return);
    frmEmployees& employees = Form<frmEmployees>();
    ASSERT_EQ(visibleScreens(), QStringList{QStringLiteral("frmEmployees")});
    ASSERT_TRUE(ActivateWindow(&employees));
    ASSERT_EQ(employees.focusWidget(), employees.txtEmployee[EmployeeBox::Name]);
    type(&employees, QStringLiteral("Ada Brook"));
    const auto choose = [&employees](std::initializer_list<QComboBox*> lists) {
        for (QComboBox* list : lists) {
            ASSERT_TRUE(TabTo(&employees, list)) << list->objectName().toStdString();
            PressKeyIn(&employees, Qt::Key_Down);
        }
    };
    choose({employees.cboPayStatus, employees.cboFrequency});
    ASSERT_TRUE(TabTo(&employees, employees.txtEmployee[EmployeeBox::PayRate]));
    type(&employees, QStringLiteral("15"));
    ASSERT_TRUE(TabTo(&employees, employees.cmdEmployee[EmployeeButton::TogglePersonal]));
    PressKeyIn(&employees, Qt::Key_Return);
    // Passing the 401k percent asks whether to clear it.
    dialogs->answer(MsgAnswer::No);
    choose({employees.cboStatus, employees.cboDependents});
    ASSERT_TRUE(TabTo(&employees, employees.cmdEmployee[EmployeeButton::Save]));
    PressKeyIn(&employees, Qt::Key_Return);
    const EmployeeRecord saved = testrecords::ReadEmployee(1);
    EXPECT_EQ(saved.Name.trimmed(), QStringLiteral("Ada Brook"));
    EXPECT_EQ(saved.PayStatus.trimmed(), QStringLiteral("Hourly"));
    EXPECT_EQ(saved.PayRate.trimmed(), QStringLiteral("$15.00"));
    ASSERT_TRUE(TabTo(&employees, employees.cmdEmployee[EmployeeButton::Menu]));
    PressKeyIn(&employees, Qt::Key_Return);

    // The menu now offers the pay run first.
    ASSERT_TRUE(ActivateWindow(&menu));
    ASSERT_TRUE(TabTo(&menu, menu.cmdStart));
    PressKeyIn(&menu, Qt::Key_Return);
    frmPayroll& run = Form<frmPayroll>();
    ASSERT_EQ(visibleScreens(), QStringList{QStringLiteral("frmPayroll")});
    ASSERT_TRUE(ActivateWindow(&run));
    ASSERT_TRUE(TabTo(&run, run.fgEmployees->view()));
    ASSERT_EQ(run.fgEmployees->textMatrix(1, PayCol::Mark), PayMark);
    PressKeyIn(&run, Qt::Key_Space);
    EXPECT_EQ(run.fgEmployees->textMatrix(1, PayCol::Mark), QString());
    PressKeyIn(&run, Qt::Key_Space);
    EXPECT_EQ(run.fgEmployees->textMatrix(1, PayCol::Mark), PayMark);
    for (int col = PayCol::Mark; col < PayCol::Hours; ++col)
        PressKeyIn(&run, Qt::Key_Right);
    ASSERT_EQ(run.fgEmployees->col(), PayCol::Hours);
    type(&run, QStringLiteral("32"));
    EXPECT_EQ(run.txtHours->text(), QStringLiteral("32"));
    PressKeyIn(&run, Qt::Key_Return);
    EXPECT_EQ(run.fgEmployees->textMatrix(1, PayCol::Hours), QStringLiteral("32"));
    EXPECT_TRUE(ended.empty());
}
