#include "ShellFixture.h"

#include "DataFiles.h"
#include "ExitProgram.h"
#include "Main.h"
#include "RecordSupport.h"
#include "frmAbout.h"
#include "frmPayroll.h"
#include "frmSplash.h"
#include "frmStartup.h"

#include <QAction>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using testrecords::Employee;
using testrecords::WriteEmployees;

namespace {

using ExitTest = ShellTest;

} // namespace

TEST_F(ExitTest, ClosingAWorkScreenUnloadsEveryScreenLastLoadedFirstThenBacksUpTheBusinessData) {
    writeBusinessData();
    WriteEmployees({Employee(1)});
    Main();
    Form<frmSplash>().cmdContinue->click();
    deleteUnloadedScreens();
    Form<frmStartup>().cmdStart->click(); // "&Create  a Payroll"
    ASSERT_EQ(visibleScreens(), QStringList{QStringLiteral("frmPayroll")});
    // Changed during the run (the setup screen saves it).
    const QByteArray changed =
        "\"Harlan Feed & Supply\",\"14 Mill Road\",\" \",\"Macon\",\"Georgia\",\"31201\","
        "\"478-555-0142\",\" \",\"58-1234567\"\r\n";
    writeFile(QStringLiteral("MyBusinessData.txt"), changed);

    QStringList destroyed;
    const QStringList loadOrder = loadedScreens();
    for (Screen* screen : ScreenRegistry::loaded()) {
        const QString name = screen->objectName();
        QObject::connect(screen, &QObject::destroyed, [&destroyed, name] { destroyed.append(name); });
    }
    int screensAtEnd = -1;
    QByteArray backupAtEnd;
    SetEndProcessHandler([&](int code) {
        ended.push_back(code);
        screensAtEnd = int(ScreenRegistry::loaded().size());
        backupAtEnd = readFile(QStringLiteral("Backup/MyBusinessData.txt"));
    });

    closeBox(Form<frmPayroll>());
    deleteUnloadedScreens();
    QStringList lastLoadedFirst = loadOrder;
    std::reverse(lastLoadedFirst.begin(), lastLoadedFirst.end());
    EXPECT_EQ(destroyed, lastLoadedFirst);
    EXPECT_EQ(ended, std::vector<int>{0});
    EXPECT_EQ(screensAtEnd, 0);
    EXPECT_EQ(backupAtEnd, changed);
}

TEST_F(ExitTest, EveryMainScreensCloseBoxAndTheExitMenuEndTheProgramThroughTheOrderlyExit) {
    writeBusinessData();
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"splash close box", [] { closeBox(Form<frmSplash>()); }},
        {"menu close box",
         [] {
             Form<frmSplash>().cmdContinue->click();
             closeBox(Form<frmStartup>());
         }},
        {"About close box",
         [] {
             Form<frmSplash>().cmdContinue->click();
             Form<frmStartup>().mnuAbout->trigger();
             closeBox(Form<frmAbout>());
         }},
        {"Exit menu",
         [] {
             Form<frmSplash>().cmdContinue->click();
             Form<frmStartup>().mnuExit->trigger();
         }},
    };
    for (const auto& [way, endTheProgram] : ways) {
        Main();
        ended.clear();
        DeleteDataFile(u"/Backup/MyBusinessData.txt");
        endTheProgram();
        EXPECT_EQ(ended, std::vector<int>{0}) << way;
        EXPECT_TRUE(ScreenRegistry::loaded().empty()) << way;
        EXPECT_TRUE(exists(QStringLiteral("Backup/MyBusinessData.txt"))) << way;
        deleteUnloadedScreens();
    }
}
