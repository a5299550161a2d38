#include "Controls.h"
#include "FlexGrid.h"
#include "GridRoutines.h"
#include "Screen.h"
#include "TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// One of each control that answers a click, each writing what it did to the log.
class KeyScreen : public Screen {
public:
    KeyScreen() : Screen(QStringLiteral("frmKeys"), QStringLiteral("Payroll")) {
        auto* face = new QWidget(this);
        setCentralWidget(face);
        auto* column = new QVBoxLayout(face);
        picture = new QLabel(QStringLiteral("logo"), face);
        AnswerClick(picture, [this] { log << QStringLiteral("picture"); });
        button = new QPushButton(QStringLiteral("Go"), face);
        connect(button, &QPushButton::clicked, this, [this] { log << QStringLiteral("button"); });
        list = new QListWidget(face);
        list->addItems({QStringLiteral("1stQ"), QStringLiteral("2ndQ"), QStringLiteral("3rdQ")});
        AnswerChoice(list, [this](int row) { log << QStringLiteral("choice %1").arg(row); });
        grid = new FlexGrid(face);
        grid->setFormatString(QStringLiteral("^Pay|<Employee|>Hours"));
        grid->setRows(3);
        grid->setTextMatrix(1, 2, QStringLiteral("40"));
        // As a screen's grid: the mark column toggles, the hours column opens the entry box.
        connect(grid, &FlexGrid::clicked, this, [this](int row, int col) {
            log << QStringLiteral("cell %1,%2").arg(row).arg(col);
            if (col == 2) entry->setFocus();
        });
        entry = new QLineEdit(face);
        new DecimalKeyFilter(entry);
        for (QWidget* w : {static_cast<QWidget*>(picture), static_cast<QWidget*>(button),
                           static_cast<QWidget*>(list), static_cast<QWidget*>(grid), static_cast<QWidget*>(entry)})
            column->addWidget(w);
    }
    QStringList log;
    QLabel* picture;
    QPushButton* button;
    QListWidget* list;
    FlexGrid* grid;
    QLineEdit* entry;
};

class KeyRulesTest : public ProgramFolderTest {
protected:
    ~KeyRulesTest() override {
        UnloadAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

enum class On { Picture, Button, List, Grid, Entry };

QWidget* Control(KeyScreen& s, On on) {
    switch (on) {
    case On::Picture: return s.picture;
    case On::Button: return s.button;
    case On::List: return s.list;
    case On::Grid: return s.grid->view();
    case On::Entry: return s.entry;
    }
    return nullptr;
}

struct KeyCase {
    const char* rule;
    On target;
    int key;
    const char* text;
    std::function<void(KeyScreen&)> before;
    QStringList log;
    const char* entryText;
};

} // namespace

TEST_F(KeyRulesTest, EveryClickAlsoAnswersTheKeyboard) {
    const auto noSetup = [](KeyScreen&) {};
    const auto onHours = [](KeyScreen& s) { s.grid->setCol(2); };
    const auto amountShown = [](KeyScreen& s) {
        s.entry->setText(QStringLiteral("$25.00"));
        s.entry->selectAll();
    };
    const std::vector<KeyCase> cases = {
        {"Space on a picture clicks it", On::Picture, Qt::Key_Space, " ", noSetup,
         {QStringLiteral("picture")}, ""},
        {"Enter on a picture clicks it", On::Picture, Qt::Key_Return, "\r", noSetup,
         {QStringLiteral("picture")}, ""},
        {"a letter on a picture does nothing", On::Picture, Qt::Key_A, "a", noSetup, {}, ""},
        {"Enter on a button presses it", On::Button, Qt::Key_Return, "\r", noSetup,
         {QStringLiteral("button")}, ""},
        {"keypad Enter on a button presses it", On::Button, Qt::Key_Enter, "\r",
         noSetup, {QStringLiteral("button")}, ""},
        {"Escape leaves a screen open", On::Button, Qt::Key_Escape, "", noSetup, {}, ""},
        {"the arrow keys choose in a list", On::List, Qt::Key_Down, "",
         [](KeyScreen& s) { s.list->setCurrentRow(0); s.log.clear(); }, {QStringLiteral("choice 1")}, ""},
        {"Space on a cell clicks it", On::Grid, Qt::Key_Space, " ", noSetup,
         {QStringLiteral("cell 1,0")}, ""},
        {"Enter on a cell clicks it", On::Grid, Qt::Key_Return, "\r", onHours,
         {QStringLiteral("cell 1,2")}, ""},
        {"a figure typed into a cell goes to its entry box", On::Grid, Qt::Key_3, "3",
         onHours, {QStringLiteral("cell 1,2")}, "3"},
        {"the arrow keys only move between cells", On::Grid, Qt::Key_Right, "", noSetup, {}, ""},
        {"a figure typed over a selected amount replaces it", On::Entry, Qt::Key_7, "7",
         amountShown, {}, "7"},
    };
    for (const KeyCase& c : cases) {
        KeyScreen screen;
        screen.Show();
        ASSERT_TRUE(ActivateWindow(&screen));
        QWidget* focused = Control(screen, c.target);
        focused->setFocus(Qt::TabFocusReason);
        c.before(screen);
        PressKey(focused, c.key, QString::fromLatin1(c.text));
        EXPECT_EQ(screen.log, c.log) << c.rule;
        EXPECT_EQ(screen.entry->text(), QString::fromLatin1(c.entryText)) << c.rule;
        EXPECT_TRUE(screen.isVisible()) << c.rule;
    }
}

TEST_F(KeyRulesTest, TabReachesEveryControlThatAnswersAClick) {
    KeyScreen screen;
    screen.Show();
    ASSERT_TRUE(ActivateWindow(&screen));
    for (QWidget* control : {static_cast<QWidget*>(screen.picture), static_cast<QWidget*>(screen.button),
                             static_cast<QWidget*>(screen.list), static_cast<QWidget*>(screen.grid->view())})
        EXPECT_TRUE(TabTo(&screen, control)) << control->metaObject()->className();
    // Moving through the list does not choose: only a highlighted item is a choice.
    EXPECT_EQ(screen.log, QStringList());
}
