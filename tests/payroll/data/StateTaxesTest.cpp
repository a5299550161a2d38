#include "StateTaxes.h"

#include "FlexGrid.h"
#include "Globals.h"
#include "TestSupport.h"
#include "frmEmployees.h"
#include "StateTaxTable.h"
#include "frmPayroll.h"
#include "frmSetup.h"
#include "frmTables.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

class StateTaxesTest : public ProgramFolderTest {
protected:
    static FlexGrid& Grid() { return *Form<frmPayroll>().fgStateTaxes; }
    static QAction& StateTableMenu() { return *Form<frmPayroll>().mnuStateTable; }
    static QLineEdit& Box(int i) { return *Form<frmTables>().TxtTables[static_cast<std::size_t>(i)]; }

    static QStringList Row(int row) {
        QStringList cells;
        for (int c = 0; c < Grid().cols(); ++c)
            cells << Grid().textMatrix(row, c);
        return cells;
    }
    // The first lines of a shipped file.
    QByteArray ShippedLines(const QString& fileName, int lines) {
        copyShipped(fileName);
        const QList<QByteArray> all = readFile(fileName).split('\n');
        QByteArray head;
        for (int i = 0; i < lines; ++i)
            head += all[i] + '\n';
        return head;
    }
    void expectReported(const char* title, const char* fileName) {
        ASSERT_EQ(dialogs->shown.size(), 1u);
        EXPECT_EQ(dialogs->shown[0].title, QString::fromLatin1(title));
        EXPECT_TRUE(dialogs->shown[0].text.contains(QString::fromLatin1(fileName)))
            << dialogs->shown[0].text.toStdString();
    }
    void writeBusiness() {
        writeFile(QStringLiteral("MyBusinessData.txt"),
                  "\"Acme Tools\",\"1 Main St\",\"\",\"Atlanta\",\"Georgia\","
                  "\"30301\",\"555-0100\",\"\",\"12-3456789\"\r\n");
    }
};

} // namespace

// ---- The state list ----------------------------------------------------------------------------------

TEST_F(StateTaxesTest, ShippedListFillsBothListsAndTheArraysThenLoadsTheBusiness) {
    copyShipped(QStringLiteral("StateTaxes.txt"));
    writeBusiness();
    LoadStateTaxes();
    LoadStateTaxes(); // a second load replaces, never appends
    for (QComboBox* list : {Form<frmEmployees>().cboStates, Form<frmSetup>().cboStates}) {
        ASSERT_EQ(list->count(), 51);
        EXPECT_EQ(list->itemText(0), QStringLiteral("Alabama"));
        EXPECT_EQ(list->itemText(50), QStringLiteral("District of Columbia"));
    }
    EXPECT_EQ(StateTaxRate[1], QStringLiteral("5.00%"));
    EXPECT_EQ(StateTaxMaximum[1], QStringLiteral("Table"));
    EXPECT_EQ(StateTaxRate[13], QStringLiteral("4.95%"));
    EXPECT_EQ(StateTaxMaximum[13], QStringLiteral("None"));
    EXPECT_EQ(StateTaxRate[51], QStringLiteral("6.50%"));
    EXPECT_TRUE(StateTaxRate[0].isEmpty());
    // LoadBusiness ran after the lists were filled: it found the business's state.
    EXPECT_EQ(BusinessName, QStringLiteral("Acme Tools"));
    EXPECT_EQ(StateIndex, 10);
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(StateTaxesTest, ShortStateListIsReportedByNameAndKeepsTheWholeEntries) {
    writeFile(QStringLiteral("StateTaxes.txt"), ShippedLines(QStringLiteral("StateTaxes.txt"), 31));
    writeBusiness();
    LoadStateTaxes();
    expectReported("Damaged File", "StateTaxes.txt");
    EXPECT_EQ(Form<frmSetup>().cboStates->count(), 10);
    EXPECT_EQ(Form<frmEmployees>().cboStates->count(), 10);
    EXPECT_EQ(StateTaxRate[10], QStringLiteral("5.19%"));
    EXPECT_TRUE(StateTaxRate[11].isEmpty());
    EXPECT_EQ(BusinessName, QStringLiteral("Acme Tools"));
}

TEST_F(StateTaxesTest, MissingStateListIsReportedByNameAndStartUpGoesOn) {
    writeBusiness();
    LoadStateTaxes();
    expectReported("Missing File", "StateTaxes.txt");
    EXPECT_EQ(Form<frmSetup>().cboStates->count(), 0);
    EXPECT_EQ(BusinessName, QStringLiteral("Acme Tools"));
}

// ---- The bracket table ---------------------------------------------------------------------------------

TEST_F(StateTaxesTest, ThreeBracketsFillSixColumnsAfterTheStatus) {
    copyShipped(QStringLiteral("StateTaxTables.txt"));
    StateIndex = 1;
    LoadStateTaxTable();
    EXPECT_TRUE(StateTableMenu().isEnabled());
    EXPECT_EQ(StateBracketCount, 3);
    EXPECT_EQ(Row(1).mid(0, 7),
              QStringList({"Single", "2.00%", "$0.00", "4.00%", "$500.00", "5.00%", "$3,000.00"}));
    EXPECT_EQ(Row(2).mid(0, 7),
              QStringList({"Married", "2.00%", "$0.00", "4.00%", "$1,000.00", "5.00%", "$6,000.00"}));
    EXPECT_EQ(Row(0).mid(0, 3), QStringList({"Status   ", "Rate      ", "on Amount Greater Than"}));
    ASSERT_EQ(Grid().cols(), 8);
    EXPECT_EQ(Grid().colWidth(7), 0);
    EXPECT_GT(Grid().colWidth(6), 0);
    EXPECT_EQ(Grid().fixedCols(), 1);
}

TEST_F(StateTaxesTest, StateWithoutBracketsShowsTheStatusColumnOnly) {
    copyShipped(QStringLiteral("StateTaxTables.txt"));
    StateIndex = 1;
    LoadStateTaxTable();
    StateIndex = 2; // Alaska: no brackets
    LoadStateTaxTable();
    EXPECT_EQ(StateBracketCount, 0);
    ASSERT_EQ(Grid().cols(), 2);
    EXPECT_EQ(Grid().textMatrix(0, 0), QStringLiteral("Status   "));
    EXPECT_EQ(Grid().colWidth(1), 0);
    EXPECT_EQ(Grid().textMatrix(2, 0), QStringLiteral("Married"));
}

TEST_F(StateTaxesTest, LastStateIsFoundPastEveryOtherBlock) {
    copyShipped(QStringLiteral("StateTaxTables.txt"));
    StateIndex = 51; // District of Columbia, 7 brackets
    LoadStateTaxTable();
    EXPECT_EQ(StateBracketCount, 7);
    EXPECT_EQ(Grid().cols(), 16);
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(StateTaxesTest, FlatRateStatesDisableTheMenuAndKeepTheGrid) {
    copyShipped(QStringLiteral("StateTaxTables.txt"));
    StateIndex = 1;
    LoadStateTaxTable();
    for (std::int16_t flat : {13, 14, 22}) {
        StateIndex = flat;
        LoadStateTaxTable();
        EXPECT_FALSE(StateTableMenu().isEnabled()) << flat;
        EXPECT_EQ(Grid().textMatrix(1, 4), QStringLiteral("$500.00"));
        EXPECT_EQ(StateBracketCount, 3);
    }
    StateIndex = 3;
    LoadStateTaxTable();
    EXPECT_TRUE(StateTableMenu().isEnabled());
}

TEST_F(StateTaxesTest, NoStateChosenShowsNoBrackets) {
    copyShipped(QStringLiteral("StateTaxTables.txt"));
    StateIndex = 0;
    LoadStateTaxTable();
    EXPECT_EQ(Grid().cols(), 2);
    EXPECT_EQ(StateBracketCount, 0);
}

TEST_F(StateTaxesTest, MissingBracketFileFallsBackToTheMarginalRate) {
    copyShipped(QStringLiteral("StateTaxesMarginal.txt"));
    Box(TaxBox::StateMaximum).setText(QStringLiteral("Table"));
    StateIndex = 10;
    LoadStateTaxTable();
    EXPECT_EQ(Box(TaxBox::StateRate).text(), QStringLiteral("5.19%"));
    EXPECT_EQ(Box(TaxBox::StateMaximum).text(), QStringLiteral("None"));
    EXPECT_TRUE(Form<frmTables>().ckState->isChecked());
    EXPECT_TRUE(StateTableMenu().isEnabled());
}

TEST_F(StateTaxesTest, BracketFileInBackupIsRestoredBeforeAnyFallback) {
    copyShipped(QStringLiteral("StateTaxTables.txt"));
    copyShipped(QStringLiteral("StateTaxesMarginal.txt"));
    makeFolder(QStringLiteral("Backup"));
    writeFile(QStringLiteral("Backup/StateTaxTables.txt"), readFile(QStringLiteral("StateTaxTables.txt")));
    QFile::remove(path(QStringLiteral("StateTaxTables.txt")));
    Box(TaxBox::StateRate).setText(QStringLiteral("0.00%"));
    StateIndex = 1;
    LoadStateTaxTable();
    EXPECT_TRUE(exists(QStringLiteral("StateTaxTables.txt")));
    EXPECT_EQ(StateBracketCount, 3);
    EXPECT_EQ(Box(TaxBox::StateRate).text(), QStringLiteral("0.00%"));
    EXPECT_FALSE(Form<frmTables>().ckState->isChecked());
}

TEST_F(StateTaxesTest, WithNeitherStateFileNothingChangesAndTheUserIsTold) {
    Box(TaxBox::StateRate).setText(QStringLiteral("3.00%"));
    Box(TaxBox::StateMaximum).setText(QStringLiteral("Table"));
    StateIndex = 10;
    LoadStateTaxTable();
    EXPECT_EQ(Box(TaxBox::StateRate).text(), QStringLiteral("3.00%"));
    EXPECT_EQ(Box(TaxBox::StateMaximum).text(), QStringLiteral("Table"));
    EXPECT_FALSE(Form<frmTables>().ckState->isChecked());
    expectReported("Missing File", "StateTaxesMarginal.txt");
    EXPECT_TRUE(dialogs->shown[0].text.contains(QStringLiteral("StateTaxTables.txt")));
}

TEST_F(StateTaxesTest, BracketFileEndingInsideTheStatesBlockKeepsItsWholeBrackets) {
    // Alabama's name, count and two of its three brackets, then one item more.
    writeFile(QStringLiteral("StateTaxTables.txt"), ShippedLines(QStringLiteral("StateTaxTables.txt"), 11));
    StateIndex = 1;
    LoadStateTaxTable();
    expectReported("Damaged File", "StateTaxTables.txt");
    EXPECT_EQ(StateBracketCount, 2);
    EXPECT_EQ(Grid().cols(), 6);
    EXPECT_EQ(Grid().textMatrix(2, 4), QStringLiteral("$1,000.00"));
}

TEST_F(StateTaxesTest, BracketFileEndingBeforeTheStateLeavesTheGridAsItWas) {
    copyShipped(QStringLiteral("StateTaxTables.txt"));
    StateIndex = 1;
    LoadStateTaxTable();
    writeFile(QStringLiteral("StateTaxTables.txt"), ShippedLines(QStringLiteral("StateTaxTables.txt"), 16));
    StateIndex = 5;
    LoadStateTaxTable();
    expectReported("Damaged File", "StateTaxTables.txt");
    EXPECT_EQ(StateBracketCount, 3);
    EXPECT_EQ(Grid().textMatrix(1, 6), QStringLiteral("$3,000.00"));
}

TEST_F(StateTaxesTest, ShortMarginalFileIsReportedAndGivesNoOtherStatesRate) {
    writeFile(QStringLiteral("StateTaxesMarginal.txt"),
              ShippedLines(QStringLiteral("StateTaxesMarginal.txt"), 6));
    Box(TaxBox::StateRate).setText(QStringLiteral("3.00%"));
    StateIndex = 10;
    LoadStateMarginalTax();
    expectReported("Damaged File", "StateTaxesMarginal.txt");
    EXPECT_EQ(Box(TaxBox::StateRate).text(), QStringLiteral("3.00%"));
    EXPECT_FALSE(Form<frmTables>().ckState->isChecked());
}
