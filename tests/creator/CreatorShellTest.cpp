#include "CreatorFixture.h"

#include "DataFiles.h"
#include "Globals.h"
#include "frmHistory.h"
#include "frmStartup.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using creator::frmHistory;
using creator::frmStartup;
namespace MenuOption = creator::MenuOption;

namespace {

const QStringList MenuOnly = {QStringLiteral("frmStartup")};

} // namespace

// ---- Start-up and end ------------------------------------------------------------------------------

TEST_F(CreatorTest, StartUpLoadsItsScreensHiddenShowsTheMenuAndTouchesNoFolder) {
    AlarmsOn = false;
    PromptsOn = false;
    creator::Main();
    EXPECT_TRUE(ended.empty());
    EXPECT_EQ(visibleScreens(), MenuOnly);
    EXPECT_TRUE(loadedScreens().contains(QStringLiteral("frmTables")));
    EXPECT_TRUE(AlarmsOn);
    EXPECT_TRUE(PromptsOn);
    frmStartup& menu = Form<frmStartup>();
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("Brindlemark Main Menu"));
    EXPECT_EQ(menu.settingsName(), QStringLiteral("Brindle"));
    EXPECT_EQ(Form<frmTables>().settingsName(), QStringLiteral("Payroll"));
    EXPECT_EQ(menu.lblVersion->text(), QStringLiteral("Version 1.0.0"));
    // No folders, no backup set, no year-to-date rebuild.
    for (const char* folder : {"Backup", "Employees", "Pictures"})
        EXPECT_FALSE(exists(QString::fromLatin1(folder))) << folder;
    EXPECT_EQ(dialogs->messages(), std::vector<QString>());

    creator::ExitProgram();
    EXPECT_EQ(ended, std::vector<int>{0});
    EXPECT_TRUE(ScreenRegistry::loaded().empty());
    EXPECT_FALSE(exists(QStringLiteral("Backup")));
}

TEST_F(CreatorTest, ASecondCopyIsRefusedAndEnds) {
    SingleInstance running(creator::ProductName);
    ASSERT_TRUE(running.acquire());
    creator::Main();
    EXPECT_EQ(ended, std::vector<int>{0});
    EXPECT_EQ(dialogs->messages(),
              std::vector<QString>{QStringLiteral("Brindlemark is already Running!\r\nLook for it on the Task Bar")});
    EXPECT_TRUE(ScreenRegistry::loaded().empty());
}

// ---- The menu ------------------------------------------------------------------------------------

TEST_F(CreatorTest, EachOptionShowsItsScreenAndTheScreenComesBackToTheMenu) {
    writeThreeEmployees();
    creator::Main();
    frmStartup& menu = Form<frmStartup>();
    EXPECT_EQ(menu.optMain[0]->text(), QStringLiteral("Enter a &Group Summary"));
    EXPECT_EQ(menu.optMain[1]->text(), QStringLiteral("Enter a &Weekly Summary"));
    EXPECT_EQ(menu.optMain[2]->text(), QStringLiteral("&View/Modify Tax Tables"));

    // GOTO with nothing chosen keeps the menu up.
    EXPECT_EQ(menu.SelectedOption(), -1);
    menu.cmdGoto->click();
    EXPECT_EQ(visibleScreens(), MenuOnly);

    menu.optMain[MenuOption::TaxTables]->setChecked(true);
    menu.cmdGoto->click();
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmTables")});
    Form<frmTables>().cmdTables[TablesButton::Menu]->click();
    EXPECT_EQ(visibleScreens(), MenuOnly);

    const QPointF centre = QRectF(menu.optMain[0]->rect()).center();
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, centre, menu.optMain[0]->mapToGlobal(centre),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(menu.optMain[0], &doubleClick);
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("frmHistory")});
    Form<frmHistory>().cmdHistory[creator::HistoryButton::Menu]->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(visibleScreens(), MenuOnly);
    EXPECT_FALSE(IsLoaded<frmHistory>());
}

TEST_F(CreatorTest, TheSummaryEntryWithoutEmployeesGoesBackToTheMenu) {
    creator::Main();
    creator::ShowOptionScreen(MenuOption::GroupSummary);
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("There are no Employees to Pay")});
    EXPECT_EQ(visibleScreens(), MenuOnly);
}

// ---- The creator's data-file routines ----------------------------------------------------------------

TEST_F(CreatorTest, AnEmployeeFileOnlyInBackupIsRestoredWithTheFourLineMessage) {
    writeThreeEmployees();
    makeFolder(QStringLiteral("Backup"));
    ASSERT_TRUE(QFile::rename(path(QStringLiteral("Employees.txt")), path(QStringLiteral("Backup/Employees.txt"))));
    creator::Main();
    creator::ShowOptionScreen(MenuOption::GroupSummary);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("The /Employees.txt was missing\r\n"
                                                     "a recent copy has been restored\r\n"
                                                     "Data may be missing from this file\r\n"
                                                     "This is normal when Deleting old Invoices etc"));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("File Restored from Backup Folder"));
    EXPECT_EQ(readFile(QStringLiteral("Employees.txt")), readFile(QStringLiteral("Backup/Employees.txt")));
    EXPECT_EQ(Form<frmHistory>().sheet().employees(), 3);
}

TEST_F(CreatorTest, RecordCountsRoundToTheNearestWholeRecordHalvesToEven) {
    struct Case {
        int bytes;
        std::int16_t length;
        std::int16_t records;
    };
    const Case cases[] = {{302, 151, 2}, {3, 2, 2}, {5, 2, 2}, {7, 2, 4}, {0, 151, 0}};
    for (const Case& c : cases) {
        writeFile(QStringLiteral("Count.txt"), QByteArray(c.bytes, 'x'));
        EXPECT_EQ(RecordCount(u"/Count.txt", c.length), c.records) << c.bytes << " bytes at " << c.length;
    }
    EXPECT_EQ(RecordCount(u"/Missing.txt", 151), 0);
}

// ---- The tax-table screen as the creator carries it ------------------------------------------------------

TEST_F(CreatorTest, TheTaxTableScreenHasTheEditingCommandsOnly) {
    creator::Main();
    frmTables& t = Form<frmTables>();
    for (int i = 0; i < TablesButton::Count; ++i)
        EXPECT_EQ(t.cmdTables[static_cast<std::size_t>(i)] != nullptr, i <= TablesButton::SelectColumn) << i;
    EXPECT_EQ(t.cmdTables[TablesButton::SavePercentageChange]->text(), QStringLiteral("Save Entry"));
    EXPECT_EQ(t.mnuStateUTGuide, nullptr);
    EXPECT_TRUE(t.findChildren<QAction*>(QStringLiteral("mnuStateUTGuide")).isEmpty());
    // The state box keeps its maximum when ticked.
    const QString maximum = QStringLiteral("$5,000.00");
    t.TxtTables[TaxBox::StateMaximum]->setText(maximum);
    t.ckState->setChecked(false);
    t.ckState->click();
    EXPECT_EQ(t.TxtTables[TaxBox::StateMaximum]->text(), maximum);

    t.mnuEIN->trigger();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("EIN Telephone"));
    EXPECT_TRUE(dialogs->shown[0].text.contains(QStringLiteral("800-829-4933")));
}

TEST_F(CreatorTest, SavingATaxTableReplacesItAndThenDropsItsBackupCopy) {
    creator::Main();
    writeFile(QStringLiteral("Backup/TaxTable.txt"), "old copy");
    Form<frmTables>().cmdTables[TablesButton::SaveTaxTable]->click();
    EXPECT_FALSE(exists(QStringLiteral("Backup/TaxTable.txt")));
    EXPECT_FALSE(readFile(QStringLiteral("TaxTable.txt")).isEmpty());
    // A save that fails keeps the live file and the backup copy.
    const QByteArray live = readFile(QStringLiteral("TaxTable.txt"));
    writeFile(QStringLiteral("Backup/TaxTable.txt"), "old copy");
    InjectWriteFault(WriteFault{QStringLiteral("TaxTable.txt"), WriteStep::Rename});
    Form<frmTables>().cmdTables[TablesButton::SaveTaxTable]->click();
    EXPECT_EQ(readFile(QStringLiteral("TaxTable.txt")), live);
    EXPECT_EQ(readFile(QStringLiteral("Backup/TaxTable.txt")), QByteArray("old copy"));
    EXPECT_EQ(dialogs->messages().size(), 1u);
}
