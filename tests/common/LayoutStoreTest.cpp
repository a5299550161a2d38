#include "LayoutStore.h"
#include "TestSupport.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

class LayoutStoreTest : public ProgramFolderTest {
protected:
    static std::unique_ptr<QWidget> window(const QString& name) {
        auto w = std::make_unique<QWidget>();
        w->setObjectName(name);
        return w;
    }
    static void place(QWidget& w, const QRect& geometry) {
        w.setGeometry(geometry);
        w.show();
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(LayoutStoreTest, ScreenComesBackWhereItWasSaved) {
    auto saved = window(QStringLiteral("frmStartup"));
    place(*saved, QRect(100, 120, 500, 300));
    LayoutStore::save(QStringLiteral("Payroll"), *saved);
    EXPECT_TRUE(exists(QStringLiteral("Layout.txt")));

    auto restored = window(QStringLiteral("frmStartup"));
    LayoutStore::restore(QStringLiteral("Payroll"), *restored);
    EXPECT_EQ(restored->geometry(), QRect(100, 120, 500, 300));
}

TEST_F(LayoutStoreTest, ScreensSharingASettingsNameKeepTheirOwnLayouts) {
    auto menu = window(QStringLiteral("frmStartup"));
    auto tables = window(QStringLiteral("frmTables"));
    place(*menu, QRect(10, 20, 300, 200));
    place(*tables, QRect(50, 60, 700, 500));
    LayoutStore::save(QStringLiteral("Payroll"), *menu);
    LayoutStore::save(QStringLiteral("Payroll"), *tables);
    LayoutStore::save(QStringLiteral("Brindle"), *menu);
    // Saving again replaces the screen's line rather than adding one.
    place(*menu, QRect(30, 40, 320, 220));
    LayoutStore::save(QStringLiteral("Payroll"), *menu);
    EXPECT_EQ(readFile(QStringLiteral("Layout.txt")).count('\n'), 3);

    auto menuAgain = window(QStringLiteral("frmStartup"));
    auto tablesAgain = window(QStringLiteral("frmTables"));
    auto creatorMenu = window(QStringLiteral("frmStartup"));
    LayoutStore::restore(QStringLiteral("Payroll"), *menuAgain);
    LayoutStore::restore(QStringLiteral("Payroll"), *tablesAgain);
    LayoutStore::restore(QStringLiteral("Brindle"), *creatorMenu);
    EXPECT_EQ(menuAgain->geometry(), QRect(30, 40, 320, 220));
    EXPECT_EQ(tablesAgain->geometry(), QRect(50, 60, 700, 500));
    EXPECT_EQ(creatorMenu->geometry(), QRect(10, 20, 300, 200));
}

TEST_F(LayoutStoreTest, NothingStoredLeavesTheScreenAsItIs) {
    auto w = window(QStringLiteral("frmAbout"));
    w->setGeometry(QRect(40, 50, 260, 180));
    LayoutStore::restore(QStringLiteral("About"), *w);
    EXPECT_EQ(w->geometry(), QRect(40, 50, 260, 180));
}

TEST_F(LayoutStoreTest, PlaceOffEveryMonitorIsBroughtBack) {
    writeFile(QStringLiteral("Layout.txt"), "\"Payroll\",\"frmPayroll\",-9000,-9000,400,300,#FALSE#\r\n"
                                            "\"Payroll\",\"frmTables\",20,30,90000,90000,#FALSE#\r\n");
    const QRect monitor = QGuiApplication::primaryScreen()->availableGeometry();
    auto lost = window(QStringLiteral("frmPayroll"));
    LayoutStore::restore(QStringLiteral("Payroll"), *lost);
    EXPECT_TRUE(monitor.contains(lost->geometry().topLeft()));
    EXPECT_EQ(lost->geometry().size(), QSize(400, 300));
    // A window saved larger than the monitor shrinks to it and stays whole in view.
    auto large = window(QStringLiteral("frmTables"));
    LayoutStore::restore(QStringLiteral("Payroll"), *large);
    EXPECT_EQ(large->geometry().size(), monitor.size());
    EXPECT_TRUE(monitor.contains(large->geometry()));
}

TEST_F(LayoutStoreTest, DamagedLastLineIsIgnored) {
    writeFile(QStringLiteral("Layout.txt"), "\"Payroll\",\"frmReports\",70,80,450,350,#FALSE#\r\n"
                                            "\"Payroll\",\"frmPurge\",5");
    auto reports = window(QStringLiteral("frmReports"));
    auto purge = window(QStringLiteral("frmPurge"));
    purge->setGeometry(QRect(1, 2, 300, 200));
    LayoutStore::restore(QStringLiteral("Payroll"), *reports);
    LayoutStore::restore(QStringLiteral("Payroll"), *purge);
    EXPECT_EQ(reports->geometry(), QRect(70, 80, 450, 350));
    EXPECT_EQ(purge->geometry(), QRect(1, 2, 300, 200));
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(LayoutStoreTest, LayoutThatCannotBeWrittenDoesNotInterruptTheUser) {
    makeFolder(QStringLiteral("Layout.txt")); // a folder in the way of the file
    auto w = window(QStringLiteral("frmStartup"));
    place(*w, QRect(100, 120, 500, 300));
    EXPECT_NO_THROW(LayoutStore::save(QStringLiteral("Payroll"), *w));
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(LayoutStoreTest, LayoutGrownHugeIsReadOnlyAsFarAsALayoutGoesAndShrinksOnSave) {
    writeFile(QStringLiteral("Layout.txt"), "\"Payroll\",\"frmReports\",70,80,450,350,#FALSE#\r\n" +
                                                QByteArray("\"Junk\",\"frmJunk\",1,2,3,4,#FALSE#\r\n").repeated(300000));
    auto reports = window(QStringLiteral("frmReports"));
    LayoutStore::restore(QStringLiteral("Payroll"), *reports);
    EXPECT_EQ(reports->geometry(), QRect(70, 80, 450, 350));
    LayoutStore::save(QStringLiteral("Payroll"), *reports);
    EXPECT_LT(readFile(QStringLiteral("Layout.txt")).size(), 1024);
    EXPECT_TRUE(readFile(QStringLiteral("Layout.txt")).startsWith("\"Payroll\",\"frmReports\""));
}
