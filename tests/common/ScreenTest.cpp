#include "Screen.h"
#include "FlexGrid.h"
#include "GridRoutines.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QPointer>
#include <QScreen>
#include <QTableView>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Log;

// A screen that writes its events to the log under its letter.
class LoggingScreen : public Screen {
public:
    LoggingScreen(const char* letter, const QString& name)
        : Screen(name, QStringLiteral("Payroll")), letter_(letter) {}
    bool cancelUnload = false;

protected:
    void note(const std::string& what) { Log.push_back(letter_ + std::string(" ") + what); }
    void Form_Load() override { note("load"); }
    void Form_Activate() override { note("activate"); }
    void Form_Deactivate() override { note("deactivate"); }
    void Form_QueryUnload(UnloadMode mode, bool& cancel) override {
        note(mode == UnloadMode::UserClose ? "query user" : "query code");
        cancel = cancelUnload;
        if (!cancel) Screen::Form_QueryUnload(mode, cancel);
    }
    void Form_Unload() override { note("unload"); }

private:
    const char* letter_;
};

class ScreenA : public LoggingScreen {
public:
    ScreenA() : LoggingScreen("A", QStringLiteral("frmA")) {
        grid = new FlexGrid(this);
        setCentralWidget(grid);
    }
    FlexGrid* grid;
    QRect geometryAtLoad;

protected:
    void Form_Load() override {
        geometryAtLoad = geometry();
        LoggingScreen::Form_Load();
    }
    void Form_Activate() override {
        LoggingScreen::Form_Activate();
        HookGridWheel(this, grid);
    }
};

class ScreenB : public LoggingScreen {
public:
    ScreenB() : LoggingScreen("B", QStringLiteral("frmB")) {}
};

class ScreenC : public LoggingScreen {
public:
    ScreenC() : LoggingScreen("C", QStringLiteral("frmC")) {}
};

// Its load loads another screen, as a start-up screen does.
class ScreenD : public LoggingScreen {
public:
    ScreenD() : LoggingScreen("D", QStringLiteral("frmD")) {}

protected:
    void Form_Load() override {
        LoggingScreen::Form_Load();
        Form<ScreenB>();
        EXPECT_EQ(&Form<ScreenD>(), this); // the screen finds itself during its load
    }
};

class ScreenTest : public ProgramFolderTest {
protected:
    ScreenTest() {
        Log.clear();
        previousEnd_ = SetEndProcessHandler([this](int code) { ended.push_back(code); });
    }
    ~ScreenTest() override {
        UnloadAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetExitProgramHandler({});
        SetEndProcessHandler(previousEnd_);
    }
    static void closeBox(Screen& screen) {
        QCloseEvent close;
        QCoreApplication::sendEvent(&screen, &close);
    }

    std::vector<int> ended;

private:
    std::function<void(int)> previousEnd_;
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(ScreenTest, ScreenIsCreatedOnceOnFirstUse) {
    EXPECT_FALSE(IsLoaded<ScreenA>());
    ScreenA& a = Form<ScreenA>();
    EXPECT_TRUE(IsLoaded<ScreenA>());
    EXPECT_EQ(&Form<ScreenA>(), &a);
    EXPECT_EQ(a.objectName(), QStringLiteral("frmA"));
    EXPECT_EQ(a.settingsName(), QStringLiteral("Payroll"));
    EXPECT_FALSE(a.isVisible()); // loading does not show
    EXPECT_EQ(Log, Lines{"A load"});
}

TEST_F(ScreenTest, LoadFindsTheSavedLayoutInPlace) {
    {
        ScreenA& a = Form<ScreenA>();
        a.setGeometry(QRect(60, 70, 420, 310));
        ShowScreen<ScreenA>();
        a.Unload(); // saves the layout
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Form<ScreenA>().geometryAtLoad, QRect(60, 70, 420, 310));
}

TEST_F(ScreenTest, WindowGrowsToShowItsGridWholeButNeverBeyondTheScreen) {
    ScreenA& a = Form<ScreenA>();
    a.resize(200, 150);
    a.grid->setFormatString(QStringLiteral("<A|<B"));
    a.grid->setTextMatrix(1, 0, QString(40, u'x'));
    ShowScreen<ScreenA>();
    QApplication::processEvents();
    EXPECT_GE(a.grid->view()->viewport()->width(), a.grid->view()->horizontalHeader()->length());
    // A grid, and a least size, larger than the screen: the window stops at its edges.
    const QRect area = a.screen()->availableGeometry();
    a.grid->setTextMatrix(1, 1, QString(1000, u'x'));
    a.grid->setMinimumSize(area.size() * 2);
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    EXPECT_TRUE(area.contains(a.frameGeometry()));
    EXPECT_LE(a.minimumWidth(), area.width());
    EXPECT_LE(a.minimumHeight(), area.height());
}

TEST_F(ScreenTest, ActivationIsExplicitAndDeactivatesThePreviousScreen) {
    ShowScreen<ScreenA>();
    ShowScreen<ScreenA>(); // already the active screen: no second activation
    // A message box coming and going makes the window active again in Qt's eyes.
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&Form<ScreenA>(), &activate);
    ShowScreen<ScreenB>();
    EXPECT_EQ(ActiveScreen(), &Form<ScreenB>());
    EXPECT_EQ(Log, (Lines{"A load", "A activate", "B load", "A deactivate", "B activate"}));
}

TEST_F(ScreenTest, HidingTheActiveScreenSavesItsLayoutAndReleasesTheWheel) {
    ScreenA& a = ShowScreen<ScreenA>();
    EXPECT_EQ(HookedScreen(), &a);
    a.Hide();
    EXPECT_EQ(HookedScreen(), nullptr);
    EXPECT_EQ(ActiveScreen(), nullptr);
    EXPECT_TRUE(readFile(QStringLiteral("Layout.txt")).contains("\"Payroll\",\"frmA\""));
    EXPECT_EQ(Log, (Lines{"A load", "A activate", "A deactivate"}));
    // Shown again, it is activated again.
    a.Show();
    EXPECT_EQ(Log.back(), "A activate");
}

TEST_F(ScreenTest, UnloadAllGoesFromTheLastLoadedToTheFirst) {
    QPointer<ScreenA> a = &Form<ScreenA>();
    Form<ScreenC>();
    Form<ScreenB>();
    HookGridWheel(a, a->grid);
    Log.clear();
    UnloadAllScreens();
    EXPECT_EQ(Log,
              (Lines{"B query code", "B unload", "C query code", "C unload", "A query code", "A unload"}));
    EXPECT_EQ(HookedScreen(), nullptr);
    EXPECT_FALSE(IsLoaded<ScreenA>());
    EXPECT_FALSE(IsLoaded<ScreenB>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(a.isNull());
}

TEST_F(ScreenTest, ScreensLoadedDuringALoadComeAfterIt) {
    Form<ScreenD>();
    EXPECT_TRUE(IsLoaded<ScreenB>());
    Log.clear();
    UnloadAllScreens();
    EXPECT_EQ(Log, (Lines{"B query code", "B unload", "D query code", "D unload"}));
}

TEST_F(ScreenTest, UnloadByTheProgramDoesNotEndIt) {
    int exits = 0;
    SetExitProgramHandler([&exits] { ++exits; });
    ShowScreen<ScreenB>().Unload();
    EXPECT_FALSE(IsLoaded<ScreenB>());
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(ended.empty());
    // Used again, it is a new screen that loads again.
    Form<ScreenB>();
    EXPECT_EQ(Log.back(), "B load");
}

TEST_F(ScreenTest, CloseBoxRunsTheProgramsOrderlyExit) {
    std::vector<std::string> exitSteps;
    SetExitProgramHandler([&] {
        exitSteps.push_back("exit");
        UnloadAllScreens();
        exitSteps.push_back("backup");
        EndProcess(0);
    });
    Form<ScreenA>();
    ScreenB& b = ShowScreen<ScreenB>();
    Form<ScreenC>();
    Log.clear();
    closeBox(b);
    EXPECT_EQ(exitSteps, (Lines{"exit", "backup"}));
    EXPECT_EQ(ended, std::vector<int>{0});
    // The closed screen takes its own turn in the last-loaded-first order.
    EXPECT_EQ(Log,
              (Lines{"B query user", "C query code", "C unload", "B unload", "A query code", "A unload"}));
    EXPECT_TRUE(ScreenRegistry::loaded().empty());
}

TEST_F(ScreenTest, CloseBoxWithoutAnExitHandlerUnloadsAllAndEnds) {
    Form<ScreenA>();
    closeBox(ShowScreen<ScreenB>());
    EXPECT_TRUE(ScreenRegistry::loaded().empty());
    EXPECT_EQ(ended, std::vector<int>{0});
}

TEST_F(ScreenTest, CancelledUnloadKeepsTheScreen) {
    ScreenC& c = ShowScreen<ScreenC>();
    c.cancelUnload = true;
    closeBox(c);
    EXPECT_TRUE(IsLoaded<ScreenC>());
    EXPECT_TRUE(c.isVisible());
    EXPECT_TRUE(ended.empty());
    c.cancelUnload = false;
}
