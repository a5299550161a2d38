#include "frmTables.h"

#include "FlexGrid.h"
#include "Globals.h"
#include "GridRoutines.h"
#include "Main.h"
#include "Suppliers.h"
#include "TestSupport.h"
#include "WebPage.h"
#include "frmStartup.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

void Press(QWidget* box, Qt::Key key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
}

void Type(QWidget* box, const QString& text) {
    for (QChar c : text)
        Press(box, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c));
}

void Focus(QWidget* box, QEvent::Type type) {
    QFocusEvent event(type, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &event);
}

class TablesEditTest : public ProgramFolderTest {
protected:
    TablesEditTest() {
        previousOpener_ = SetUrlOpener([this](const QString& address) { opened.push_back(address); });
    }
    ~TablesEditTest() override { SetUrlOpener(previousOpener_); }

    static frmTables& Tables() { return Form<frmTables>(); }
    static QLineEdit* Box(int i) { return Tables().TxtTables[static_cast<std::size_t>(i)]; }

    // A click on a cell as the grid reports it: the cell becomes current first.
    static void ClickPercentage(int row, int col) {
        frmTables& t = Tables();
        t.fgPercentage->setRow(row);
        t.fgPercentage->setCol(col);
        t.fgPercentage_Click(row, col);
    }
    static void SavePercent(int row, int col, const QString& entry) {
        ClickPercentage(row, col);
        Tables().txtChangePercent->setText(entry);
        Tables().cmdTables[TablesButton::SavePercentageChange]->click();
    }

    std::vector<QString> opened;

private:
    UrlOpener previousOpener_;
};

const QColor Green = VbColor(0xFF00);
const QColor White = VbColor(0xFFFFFF);

} // namespace

// ---- Keyboard ------------------------------------------------------------------------------------

TEST_F(TablesEditTest, EveryAltKeyOfTheScreenReachesOneThingOnly) {
    // The menus of the menu bar, every caption that leads to its box, every button and
    // frame, shown or not: a frame shown later must not take a letter already in use.
    frmTables& t = Tables();
    QStringList captions;
    for (const QAction* menu : t.menuBar()->actions())
        captions << menu->text();
    for (const QLabel* label : t.findChildren<QLabel*>())
        if (label->buddy()) captions << label->text();
    for (const QAbstractButton* button : t.findChildren<QAbstractButton*>())
        captions << button->text();
    for (const QGroupBox* frame : t.findChildren<QGroupBox*>())
        captions << frame->title();

    std::map<QChar, QStringList> byKey;
    for (const QString& caption : captions) {
        const qsizetype amp = caption.indexOf(u'&');
        if (amp >= 0 && amp + 1 < caption.size() && caption[amp + 1] != u'&')
            byKey[caption[amp + 1].toUpper()] << caption;
    }
    for (const auto& [key, owners] : byKey)
        EXPECT_EQ(owners.size(), 1) << "Alt+" << QString(key).toStdString() << ": "
                                    << owners.join(QStringLiteral(" / ")).toStdString();
    // The menus keep their letters; the captions that clashed with them moved.
    EXPECT_EQ(byKey[u'T'], QStringList{QStringLiteral("&Tables")});
    EXPECT_EQ(byKey[u'I'], QStringList{QStringLiteral("&Internet")});
}

// ---- Tax table ----------------------------------------------------------------------------------

TEST_F(TablesEditTest, TaxTableClickMarksTheCellAndTheFirstKeyStartsANewEntry) {
    frmTables& t = Tables();
    t.fgTaxTable->setTextMatrix(2, 3, QStringLiteral("$1,113.00"));
    t.fgTaxTable_Click(2, 3);
    EXPECT_EQ(t.txtChangeRate->text(), QStringLiteral("$1,113.00"));
    EXPECT_EQ(t.fgTaxTable->cellBackColor(2, 3), Green);
    Type(t.txtChangeRate, QStringLiteral("12"));
    EXPECT_EQ(t.txtChangeRate->text(), QStringLiteral("12"));
}

TEST_F(TablesEditTest, TaxTableEntryOfANumberIsSavedInCurrencyFormat) {
    frmTables& t = Tables();
    t.fgTaxTable_Click(4, 5);
    t.txtChangeRate->setText(QStringLiteral("1250"));
    t.cmdTables[TablesButton::SaveTaxTableChange]->click();
    EXPECT_EQ(t.fgTaxTable->textMatrix(4, 5), QStringLiteral("$1,250.00"));
    EXPECT_EQ(t.fgTaxTable->cellBackColor(4, 5), White);
    EXPECT_EQ(dialogs->beeps, 0);
}

TEST_F(TablesEditTest, TaxTableEntryThatIsNoNumberBeepsAndIsCleared) {
    frmTables& t = Tables();
    t.fgTaxTable_Click(4, 5);
    t.txtChangeRate->setText(QStringLiteral("abc"));
    t.cmdTables[TablesButton::SaveTaxTableChange]->click();
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_TRUE(t.txtChangeRate->text().isEmpty());
    EXPECT_EQ(t.fgTaxTable->textMatrix(4, 5), QStringLiteral("$0.00"));
    EXPECT_EQ(t.fgTaxTable->cellBackColor(4, 5), Green);

    AlarmsOn = false;
    t.txtChangeRate->setText(QStringLiteral("abc"));
    t.cmdTables[TablesButton::SaveTaxTableChange]->click();
    EXPECT_EQ(dialogs->beeps, 1);
}

TEST_F(TablesEditTest, ClickingAnotherTaxCellUnmarksTheFirst) {
    frmTables& t = Tables();
    t.fgTaxTable_Click(1, 1);
    t.fgTaxTable_Click(1, 2);
    EXPECT_EQ(t.fgTaxTable->cellBackColor(1, 1), White);
    EXPECT_EQ(t.fgTaxTable->cellBackColor(1, 2), Green);
}

// ---- Percentage table -----------------------------------------------------------------------------

TEST_F(TablesEditTest, PercentTypedAsADecimalFractionIsAccepted) {
    frmTables& t = Tables();
    ClickPercentage(3, 4);
    EXPECT_TRUE(t.cmdTables[TablesButton::SavePercentageChange]->isEnabled());
    EXPECT_EQ(t.fgPercentage->cellBackColor(3, 4), Green);
    t.txtChangePercent->setText(QStringLiteral(".22"));
    t.cmdTables[TablesButton::SavePercentageChange]->click();
    EXPECT_EQ(t.fgPercentage->textMatrix(3, 4), QStringLiteral("22.00%"));
    EXPECT_EQ(t.fgPercentage->cellBackColor(3, 4), White);
    EXPECT_FALSE(t.cmdTables[TablesButton::SavePercentageChange]->isEnabled());
    EXPECT_TRUE(t.cmdTables[TablesButton::SavePercentageTable]->isEnabled());
    EXPECT_TRUE(t.lblExample->isHidden());
    EXPECT_TRUE(t.fraHelp->isHidden());
    // Only one cell in single mode.
    EXPECT_EQ(t.fgPercentage->textMatrix(4, 4), QStringLiteral("0.0%"));
}

TEST_F(TablesEditTest, PercentTypedOtherwiseIsRefusedWithTheHelpFrame) {
    frmTables& t = Tables();
    for (const QString& entry : {QStringLiteral("22"), QStringLiteral("0.22"), QStringLiteral(".x")}) {
        t.fraHelp->hide();
        SavePercent(3, 4, entry);
        EXPECT_FALSE(t.fraHelp->isHidden()) << entry.toStdString();
        EXPECT_TRUE(t.txtChangePercent->text().isEmpty());
        EXPECT_EQ(t.fgPercentage->textMatrix(3, 4), QStringLiteral("0.0%"));
        EXPECT_TRUE(t.cmdTables[TablesButton::SavePercentageChange]->isEnabled());
        EXPECT_FALSE(t.lblExample->isHidden());
    }
    EXPECT_EQ(dialogs->beeps, 3);
}

TEST_F(TablesEditTest, AmountColumnsTakeNumbersOnly) {
    frmTables& t = Tables();
    SavePercent(5, 3, QStringLiteral("23.9"));
    EXPECT_EQ(t.fgPercentage->textMatrix(5, 3), QStringLiteral("$23.90"));
    SavePercent(5, 3, QStringLiteral("abc"));
    EXPECT_EQ(t.fgPercentage->textMatrix(5, 3), QStringLiteral("$23.90"));
    EXPECT_EQ(dialogs->beeps, 1);
}

TEST_F(TablesEditTest, ColumnModeFillsAllSixteenRows) {
    frmTables& t = Tables();
    t.cmdTables[TablesButton::SelectColumn]->click();
    EXPECT_EQ(t.fgPercentage->selectionMode(), FlexGrid::SelectionByColumn);
    SavePercent(7, 6, QStringLiteral(".3"));
    for (int r = 1; r <= 16; ++r)
        EXPECT_EQ(t.fgPercentage->textMatrix(r, 6), QStringLiteral("30.00%")) << r;
    EXPECT_EQ(t.fgPercentage->textMatrix(7, 8), QStringLiteral("0.0%"));

    t.cmdTables[TablesButton::SelectSingle]->click();
    EXPECT_EQ(t.fgPercentage->selectionMode(), FlexGrid::SelectionFree);
    SavePercent(2, 6, QStringLiteral(".25"));
    EXPECT_EQ(t.fgPercentage->textMatrix(2, 6), QStringLiteral("25.00%"));
    EXPECT_EQ(t.fgPercentage->textMatrix(3, 6), QStringLiteral("30.00%"));
}

TEST_F(TablesEditTest, LeavingAPercentageCellTurnsItWhite) {
    frmTables& t = Tables();
    ClickPercentage(2, 2);
    ClickPercentage(2, 3);
    EXPECT_EQ(t.fgPercentage->cellBackColor(2, 2), White);
    EXPECT_EQ(t.fgPercentage->cellBackColor(2, 3), Green);
}

TEST_F(TablesEditTest, SavePercentageTableWritesTheFileAndClosesTheFrame) {
    frmTables& t = Tables();
    t.mnuPercentage->trigger();
    SavePercent(1, 2, QStringLiteral(".1"));
    t.cmdTables[TablesButton::SavePercentageTable]->click();
    EXPECT_TRUE(t.fraPercentage->isHidden());
    EXPECT_FALSE(t.fraTaxTable->isHidden());
    EXPECT_TRUE(
        readFile(QStringLiteral("PercentageTable.txt")).startsWith("\"$0.00\"\r\n\"10.00%\"\r\n\"$0.00\""));
}

// ---- Screen life and frames ---------------------------------------------------------------------------

TEST_F(TablesEditTest, ActivationPreparesTheEntryAndHooksTheVisibleGrid) {
    LinkScreens();
    frmTables& t = Tables();
    t.cmdTables[TablesButton::SavePercentageChange]->setEnabled(true);
    t.txtChangePercent->setText(QStringLiteral(".5"));
    t.Show();
    EXPECT_FALSE(t.cmdTables[TablesButton::SavePercentageChange]->isEnabled());
    EXPECT_TRUE(t.txtChangePercent->text().isEmpty());
    EXPECT_EQ(HookedScreen(), &t);
    EXPECT_EQ(HookedGrid(), t.fgTaxTable);

    t.mnuPercentage->trigger();
    EXPECT_FALSE(t.fraPercentage->isHidden());
    EXPECT_TRUE(t.fraTaxTable->isHidden());
    EXPECT_EQ(HookedGrid(), t.fgPercentage);
    t.cmdTables[TablesButton::ClosePercentage]->click();
    EXPECT_TRUE(t.fraPercentage->isHidden());
    EXPECT_EQ(HookedGrid(), t.fgTaxTable);

    // Menu: the main menu comes back and the hook goes with this screen.
    t.cmdTables[TablesButton::Menu]->click();
    EXPECT_TRUE(t.isHidden());
    EXPECT_TRUE(Form<frmStartup>().isActiveScreen());
    EXPECT_NE(HookedScreen(), &t);
}

TEST_F(TablesEditTest, MenusShowAndHideTheAllowanceAndHelpFrames) {
    frmTables& t = Tables();
    EXPECT_TRUE(t.fraAllowance->isHidden());
    t.mnuAllowance->trigger();
    EXPECT_FALSE(t.fraAllowance->isHidden());
    t.mnuAllowance->trigger();
    EXPECT_TRUE(t.fraAllowance->isHidden());
    t.mnuAllowance->trigger();
    t.cmdTables[TablesButton::CloseAllowances]->click();
    EXPECT_TRUE(t.fraAllowance->isHidden());

    t.mnuHelp->trigger();
    EXPECT_FALSE(t.fraHelp->isHidden());
    t.cmdTables[TablesButton::CloseHelp]->click();
    EXPECT_TRUE(t.fraHelp->isHidden());
}

// ---- Allowances and reloads ------------------------------------------------------------------------------

TEST_F(TablesEditTest, AllowanceClearThenReloadBringsBackTheSavedAmounts) {
    copyShipped(QStringLiteral("Deductions.txt"));
    frmTables& t = Tables();
    t.cmdTables[TablesButton::ClearAllowances]->click();
    for (QLineEdit* box : t.txtAllowance)
        EXPECT_EQ(box->text(), QStringLiteral("$0.00"));
    t.cmdTables[TablesButton::ReloadAllowances]->click();
    EXPECT_EQ(t.txtAllowance[AllowanceBox::Weekly]->text(), QStringLiteral("$82.70"));
    EXPECT_EQ(t.txtAllowance[AllowanceBox::Annually]->text(), QStringLiteral("$4,300.00"));
}

TEST_F(TablesEditTest, AllowanceBoxesTakeAmountsOnly) {
    frmTables& t = Tables();
    QLineEdit* box = t.txtAllowance[AllowanceBox::Monthly];
    t.cmdTables[TablesButton::ClearAllowances]->click();
    Focus(box, QEvent::FocusIn);
    Type(box, QStringLiteral("3x58.3"));
    EXPECT_EQ(box->text(), QStringLiteral("358.3"));
    Focus(box, QEvent::FocusOut);
    EXPECT_EQ(box->text(), QStringLiteral("$358.30"));
}

TEST_F(TablesEditTest, ReloadTablesReloadsTheVariablesAndKeepsGridEdits) {
    copyShipped(QStringLiteral("TaxVariables.txt"));
    frmTables& t = Tables();
    Box(TaxBox::SocialSecurityRate)->setText(QStringLiteral("9.99%"));
    t.fgTaxTable->setTextMatrix(1, 1, QStringLiteral("$1.00"));
    t.fgPercentage->setTextMatrix(1, 2, QStringLiteral("50.00%"));
    t.cmdTables[TablesButton::ReloadTables]->click();
    EXPECT_EQ(Box(TaxBox::SocialSecurityRate)->text(), QStringLiteral("6.20%"));
    EXPECT_EQ(t.fgTaxTable->textMatrix(1, 1), QStringLiteral("$1.00"));
    EXPECT_EQ(t.fgPercentage->textMatrix(1, 2), QStringLiteral("50.00%"));
}

TEST_F(TablesEditTest, LoadDefaultTableReadsTheMasterCopy) {
    frmTables& t = Tables();
    makeFolder(QStringLiteral("Backup"));
    copyShipped(QStringLiteral("TaxVariables.txt"));
    writeFile(QStringLiteral("Backup/MasterTaxVariables.txt"), readFile(QStringLiteral("TaxVariables.txt")));
    t.cmdTables[TablesButton::LoadDefaultTable]->click();
    EXPECT_EQ(Box(TaxBox::SocialSecurityRate)->text(), QStringLiteral("6.20%"));
    EXPECT_EQ(Box(TaxBox::SocialSecurityMaximum)->text(), QStringLiteral("$184,500.00"));
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(TablesEditTest, LoadDefaultTableWithoutTheMasterCopyChangesNothing) {
    frmTables& t = Tables();
    Box(TaxBox::SocialSecurityRate)->setText(QStringLiteral("6.20%"));
    Box(TaxBox::SocialSecurityMaximum)->setText(QStringLiteral("$100.00"));
    t.cmdTables[TablesButton::LoadDefaultTable]->click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Load Default Table"));
    EXPECT_EQ(dialogs->shown[0].text,
              QStringLiteral("The Default Tax Table (Backup\\MasterTaxVariables.txt) was not "
                             "found.\r\nThe Tax Settings were not changed."));
    EXPECT_EQ(Box(TaxBox::SocialSecurityRate)->text(), QStringLiteral("6.20%"));
    EXPECT_EQ(Box(TaxBox::SocialSecurityMaximum)->text(), QStringLiteral("$100.00"));
}

// ---- Tax-variable boxes -------------------------------------------------------------------------------

TEST_F(TablesEditTest, TickingTheFlatStateRateShowsNoStateMaximum) {
    frmTables& t = Tables();
    Box(TaxBox::StateMaximum)->setText(QStringLiteral("Table"));
    t.ckState->click();
    EXPECT_EQ(Box(TaxBox::StateMaximum)->text(), QStringLiteral("None"));
    Box(TaxBox::StateMaximum)->setText(QStringLiteral("$9,000.00"));
    t.ckState->click(); // unticking changes nothing
    EXPECT_EQ(Box(TaxBox::StateMaximum)->text(), QStringLiteral("$9,000.00"));
}

TEST_F(TablesEditTest, RateBoxesAreEnteredEmptyAndLeftAsPercents) {
    Tables();
    QLineEdit* rate = Box(TaxBox::SocialSecurityRate);
    Focus(rate, QEvent::FocusIn);
    EXPECT_TRUE(rate->text().isEmpty()); // "0.00%" makes way for the entry
    Type(rate, QStringLiteral("6.2"));
    Focus(rate, QEvent::FocusOut);
    EXPECT_EQ(rate->text(), QStringLiteral("6.20%"));

    // The first key in a box that shows a percent starts a new entry; Tab does not.
    Focus(rate, QEvent::FocusIn);
    Press(rate, Qt::Key_Tab);
    EXPECT_EQ(rate->text(), QStringLiteral("6.20%"));
    Type(rate, QStringLiteral("7.65"));
    EXPECT_EQ(rate->text(), QStringLiteral("7.65"));
    Focus(rate, QEvent::FocusOut);
    EXPECT_EQ(rate->text(), QStringLiteral("7.65%"));
}

TEST_F(TablesEditTest, RateBoxNeverKeepsTextThePayRunCannotRead) {
    Tables();
    QLineEdit* rate = Box(TaxBox::LocalRate);
    Focus(rate, QEvent::FocusIn);
    Focus(rate, QEvent::FocusOut);
    EXPECT_EQ(rate->text(), QStringLiteral("0.00%"));

    rate->setText(QStringLiteral("1.50%"));
    Focus(rate, QEvent::FocusIn);
    rate->setText(QStringLiteral("abc"));
    Focus(rate, QEvent::FocusOut);
    EXPECT_EQ(rate->text(), QStringLiteral("1.50%"));

    Focus(rate, QEvent::FocusIn);
    rate->setText(QStringLiteral("2.5%"));
    Focus(rate, QEvent::FocusOut);
    EXPECT_EQ(rate->text(), QStringLiteral("2.50%"));
}

TEST_F(TablesEditTest, AmountBoxesShowNoneForNoMaximum) {
    Tables();
    QLineEdit* maximum = Box(TaxBox::LocalMaximum);
    Focus(maximum, QEvent::FocusIn);
    EXPECT_EQ(maximum->text(), QStringLiteral("None"));
    Focus(maximum, QEvent::FocusOut);
    EXPECT_EQ(maximum->text(), QStringLiteral("None"));

    Focus(maximum, QEvent::FocusIn);
    Type(maximum, QStringLiteral("1234.5"));
    EXPECT_EQ(maximum->text(), QStringLiteral("1234.5"));
    Focus(maximum, QEvent::FocusOut);
    EXPECT_EQ(maximum->text(), QStringLiteral("$1,234.50"));

    Focus(maximum, QEvent::FocusIn);
    maximum->clear();
    Focus(maximum, QEvent::FocusOut);
    EXPECT_EQ(maximum->text(), QStringLiteral("None"));
}

TEST_F(TablesEditTest, StateMaximumKeepsTheBracketTableWhenPassedThrough) {
    Tables();
    QLineEdit* state = Box(TaxBox::StateMaximum);
    state->setText(QStringLiteral("Table"));
    Focus(state, QEvent::FocusIn);
    Press(state, Qt::Key_Tab);
    Focus(state, QEvent::FocusOut);
    EXPECT_EQ(state->text(), QStringLiteral("Table"));
}

// ---- Web menus ---------------------------------------------------------------------------------------

TEST_F(TablesEditTest, ObtainEinOpensTheIrsPageOnYesOnly) {
    frmTables& t = Tables();
    dialogs->answer(MsgAnswer::No);
    t.mnuEIN->trigger();
    EXPECT_TRUE(opened.empty());
    dialogs->answer(MsgAnswer::Yes);
    t.mnuEIN->trigger();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], Pages::IrsEin);
    EXPECT_EQ(dialogs->shown.back().text, QStringLiteral("Click YES to connect to the IRS to obtain an EIN"));
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Obtain an EIN"));
    EXPECT_EQ(dialogs->shown.back().buttons, MsgButtons::YesNo);
}

TEST_F(TablesEditTest, StateUnemploymentGuideOpensTheAgenciesPage) {
    EXPECT_EQ(Tables().mnuStateUTGuide->text(), QStringLiteral("State Unemployment Guide"));
    Tables().mnuStateUTGuide->trigger();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], Pages::StateUnemploymentAgencies);
}

TEST_F(TablesEditTest, LoadNewTablesOpensTheMakersPageAndEndsTheProgram) {
    int exits = 0;
    SetExitProgramHandler([&exits] { ++exits; });
    frmTables& t = Tables();
    dialogs->answer(MsgAnswer::Cancel);
    t.mnuTables->trigger();
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(exits, 0);

    dialogs->answer(MsgAnswer::OK);
    t.mnuTables->trigger();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], Pages::MakerTables);
    EXPECT_EQ(exits, 1);
    const auto& shown = dialogs->shown.back();
    EXPECT_EQ(shown.title, QStringLiteral("Load New Tables"));
    EXPECT_EQ(shown.buttons, MsgButtons::OKCancel);
    const QStringList lines = shown.text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].contains(QStringLiteral("PayrollTables.exe")));
    EXPECT_EQ(lines[2], QStringLiteral("The File is self-extracting"));
}

TEST_F(TablesEditTest, LeavingTheScreenFinishesTheBoxBeingEdited) {
    frmTables& t = Tables();
    t.Show();
    QLineEdit* rate = Box(TaxBox::StateUnemploymentRate);
    rate->setFocus();
    Focus(rate, QEvent::FocusIn);
    ASSERT_TRUE(rate->text().isEmpty());
    Type(rate, QStringLiteral("2.7"));
    t.cmdTables[TablesButton::Menu]->click(); // by its shortcut: the focus stays in the box
    EXPECT_EQ(rate->text(), QStringLiteral("2.70%"));
}
