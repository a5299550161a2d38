#include "frmTables.h"

#include "FlexGrid.h"
#include "TaxTables.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Lines of a one-item-per-line file, as the program writes them.
QByteArray Lines(const QStringList& items) {
    QByteArray bytes;
    for (const QString& item : items)
        bytes += item.toLatin1() + "\r\n";
    return bytes;
}

QStringList Quoted(const QStringList& texts) {
    QStringList items;
    for (const QString& t : texts)
        items << u'"' + t + u'"';
    return items;
}

const QStringList DefaultAllowances = {QStringLiteral("$79.80"),    QStringLiteral("$159.60"),
                                       QStringLiteral("$172.90"),   QStringLiteral("$345.80"),
                                       QStringLiteral("$1,037.50"), QStringLiteral("$2,075.00"),
                                       QStringLiteral("$4,150.00"), QStringLiteral("$16.00")};

class TablesTest : public ProgramFolderTest {
protected:
    static frmTables& Tables() { return Form<frmTables>(); }
    QString text(int box) { return Tables().TxtTables[static_cast<std::size_t>(box)]->text(); }

    void expectDamagedFileReported(const char* fileName) {
        ASSERT_EQ(dialogs->shown.size(), 1u);
        EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Damaged File"));
        EXPECT_TRUE(dialogs->shown[0].text.contains(QString::fromLatin1(fileName)))
            << dialogs->shown[0].text.toStdString();
    }
};

} // namespace

TEST_F(TablesTest, FirstStartShowsZeroDefaultsAndWritesTheDefaultAllowances) {
    frmTables& t = Tables();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(text(i), QStringLiteral("0.00%")) << i;
    for (int i = 6; i < 11; ++i)
        EXPECT_EQ(text(i), QStringLiteral("$0.00")) << i;
    EXPECT_TRUE(t.txtEIN->text().isEmpty());
    EXPECT_FALSE(t.ckState->isChecked());
    EXPECT_FALSE(t.ckLocal->isChecked());
    for (int r = 1; r <= 16; ++r)
        for (int c = 1; c <= 14; ++c) {
            EXPECT_EQ(t.fgTaxTable->textMatrix(r, c), QStringLiteral("$0.00"));
            EXPECT_EQ(t.fgPercentage->textMatrix(r, c),
                      c % 2 == 0 ? QStringLiteral("0.0%") : QStringLiteral("$0.00"));
        }
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(t.txtAllowance[static_cast<std::size_t>(i)]->text(), DefaultAllowances[i]);

    EXPECT_EQ(readFile(QStringLiteral("Deductions.txt")), Lines(Quoted(DefaultAllowances)));
    // Only the allowances are written; the tax files wait for the user's save.
    EXPECT_FALSE(exists(QStringLiteral("TaxVariables.txt")));
    EXPECT_FALSE(exists(QStringLiteral("TaxTable.txt")));
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(TablesTest, GridsCarryTheirHeadingsAndSixteenRowLabels) {
    frmTables& t = Tables();
    for (FlexGrid* grid : {t.fgTaxTable, t.fgPercentage}) {
        EXPECT_EQ(grid->rows(), 17);
        EXPECT_EQ(grid->cols(), 15);
        EXPECT_EQ(grid->fixedCols(), 1);
    }
    EXPECT_EQ(t.fgTaxTable->textMatrix(0, 0), QStringLiteral("Status and Frequency"));
    EXPECT_EQ(t.fgTaxTable->textMatrix(0, 1), QStringLiteral("Over"));
    EXPECT_EQ(t.fgTaxTable->textMatrix(0, 14), QStringLiteral("Less Than"));
    EXPECT_EQ(t.fgPercentage->textMatrix(0, 0), QStringLiteral("Status and Freqency"));
    EXPECT_EQ(t.fgPercentage->textMatrix(0, 13), QStringLiteral("Amount"));
    EXPECT_EQ(t.fgPercentage->textMatrix(0, 14), QStringLiteral("%"));
    // Row 2 x period + status + 1.
    EXPECT_EQ(t.fgTaxTable->textMatrix(1, 0), QStringLiteral("Single-Weekly"));
    EXPECT_EQ(t.fgTaxTable->textMatrix(3, 0), QStringLiteral("Single-Bi-Weekly"));
    EXPECT_EQ(t.fgPercentage->textMatrix(12, 0), QStringLiteral("Married-SemiAnnual"));
    EXPECT_EQ(t.fgPercentage->textMatrix(16, 0), QStringLiteral("Married-Daily"));
}

TEST_F(TablesTest, ShippedFilesLoadIntoTheStore) {
    for (const char* f : {"TaxVariables.txt", "TaxTable.txt", "PercentageTable.txt", "Deductions.txt"})
        copyShipped(QString::fromLatin1(f));
    frmTables& t = Tables();
    EXPECT_EQ(text(0), QStringLiteral("6.20%"));
    EXPECT_EQ(text(1), QStringLiteral("1.45%"));
    EXPECT_EQ(text(6), QStringLiteral("$184,500.00"));
    EXPECT_EQ(text(7), QStringLiteral("Table")); // the word stays
    EXPECT_EQ(text(8), QStringLiteral("None"));
    EXPECT_EQ(text(10), QStringLiteral("$7,000.00"));
    EXPECT_EQ(t.fgTaxTable->textMatrix(1, 1), QStringLiteral("$144.00"));
    EXPECT_EQ(t.fgTaxTable->textMatrix(1, 14), QStringLiteral("$9,999,999.99"));
    EXPECT_EQ(t.fgPercentage->textMatrix(1, 2), QStringLiteral("10.0%"));
    EXPECT_EQ(t.fgPercentage->textMatrix(1, 3), QStringLiteral("$23.90"));
    EXPECT_EQ(t.txtAllowance[AllowanceBox::Weekly]->text(), QStringLiteral("$82.70"));
    EXPECT_EQ(t.txtAllowance[AllowanceBox::Daily]->text(), QStringLiteral("$16.50"));
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(TablesTest, TaxVariableItemsAreFormattedByKind) {
    writeFile(QStringLiteral("TaxVariables.txt"),
              Lines({QStringLiteral(".062"), QStringLiteral("\"1.45%\""), QStringLiteral("0"),
                     QStringLiteral("0.01"), QStringLiteral("\"0.60%\""), QStringLiteral("\"2.70%\""),
                     QStringLiteral("128400"), QStringLiteral("\"Table\""), QStringLiteral("\"None\""),
                     QStringLiteral("\"$7,000.00\""), QStringLiteral("9000.5"),
                     QStringLiteral("\"12-3456789\""), QStringLiteral("1"), QStringLiteral("0")}));
    frmTables& t = Tables();
    EXPECT_EQ(text(0), QStringLiteral("6.20%"));
    EXPECT_EQ(text(1), QStringLiteral("1.45%"));
    EXPECT_EQ(text(2), QStringLiteral("0.00%"));
    EXPECT_EQ(text(3), QStringLiteral("1.00%"));
    EXPECT_EQ(text(6), QStringLiteral("$128,400.00"));
    EXPECT_EQ(text(7), QStringLiteral("Table"));
    EXPECT_EQ(text(8), QStringLiteral("None"));
    EXPECT_EQ(text(10), QStringLiteral("$9,000.50"));
    EXPECT_EQ(t.txtEIN->text(), QStringLiteral("12-3456789"));
    EXPECT_TRUE(t.ckState->isChecked());
    EXPECT_FALSE(t.ckLocal->isChecked());
}

TEST_F(TablesTest, SavingAZeroMaximumWritesNoneAndShowsIt) {
    frmTables& t = Tables();
    t.TxtTables[TaxBox::SocialSecurityRate]->setText(QStringLiteral("6.20%"));
    t.TxtTables[TaxBox::StateMaximum]->setText(QStringLiteral("Table"));
    t.TxtTables[TaxBox::LocalMaximum]->setText(QStringLiteral("$1,000.00"));
    t.txtEIN->setText(QStringLiteral("12-3456789"));
    t.ckLocal->setChecked(true);
    t.SaveTaxVariables();

    EXPECT_EQ(text(6), QStringLiteral("None"));
    EXPECT_EQ(text(9), QStringLiteral("None"));
    EXPECT_EQ(readFile(QStringLiteral("TaxVariables.txt")),
              Lines(Quoted({QStringLiteral("6.20%"), QStringLiteral("0.00%"), QStringLiteral("0.00%"),
                            QStringLiteral("0.00%"), QStringLiteral("0.00%"), QStringLiteral("0.00%"),
                            QStringLiteral("None"), QStringLiteral("Table"), QStringLiteral("$1,000.00"),
                            QStringLiteral("None"), QStringLiteral("None"), QStringLiteral("12-3456789")})
                    << QStringLiteral("0") << QStringLiteral("1")));
}

TEST_F(TablesTest, TaxTableOfNumbersShowsEveryCellInCurrencyFormat) {
    QStringList items;
    for (int i = 0; i < 224; ++i)
        items << QString::number(1000 + i) + QStringLiteral(".5");
    writeFile(QStringLiteral("TaxTable.txt"), Lines(items));
    frmTables& t = Tables();
    for (int i = 0; i < 224; ++i) {
        const QString expected = QStringLiteral("$%1.50").arg(QString::number(1000 + i).insert(1, u','));
        ASSERT_EQ(t.fgTaxTable->textMatrix(i / 14 + 1, i % 14 + 1), expected) << i;
    }
}

TEST_F(TablesTest, PercentageTableShowsPercentColumnsWithOneDecimal) {
    QStringList items;
    for (int i = 0; i < 224; ++i)
        items << (i % 2 == 0 ? QStringLiteral("23.9") : QStringLiteral(".22"));
    items[1] = QStringLiteral("\"10.0%\""); // text stays as read
    writeFile(QStringLiteral("PercentageTable.txt"), Lines(items));
    frmTables& t = Tables();
    EXPECT_EQ(t.fgPercentage->textMatrix(1, 1), QStringLiteral("$23.90"));
    EXPECT_EQ(t.fgPercentage->textMatrix(1, 2), QStringLiteral("10.0%"));
    EXPECT_EQ(t.fgPercentage->textMatrix(1, 4), QStringLiteral("22.0%"));
    EXPECT_EQ(t.fgPercentage->textMatrix(16, 14), QStringLiteral("22.0%"));
    EXPECT_EQ(t.fgPercentage->textMatrix(16, 13), QStringLiteral("$23.90"));
}

TEST_F(TablesTest, TablesSaveAndLoadBackCellForCell) {
    copyShipped(QStringLiteral("TaxTable.txt"));
    copyShipped(QStringLiteral("PercentageTable.txt"));
    const QByteArray shippedTax = readFile(QStringLiteral("TaxTable.txt"));
    const QByteArray shippedPercent = readFile(QStringLiteral("PercentageTable.txt"));
    frmTables& t = Tables();
    t.SaveTaxTable();
    t.SavePercentageTable();
    EXPECT_EQ(readFile(QStringLiteral("TaxTable.txt")), shippedTax);
    EXPECT_EQ(readFile(QStringLiteral("PercentageTable.txt")), shippedPercent);
}

TEST_F(TablesTest, MissingTaxTableIsRestoredFromBackup) {
    makeFolder(QStringLiteral("Backup"));
    QStringList items;
    for (int i = 0; i < 224; ++i)
        items << QStringLiteral("\"$5.00\"");
    writeFile(QStringLiteral("Backup/TaxTable.txt"), Lines(items));
    frmTables& t = Tables();
    EXPECT_EQ(t.fgTaxTable->textMatrix(16, 14), QStringLiteral("$5.00"));
    EXPECT_TRUE(exists(QStringLiteral("TaxTable.txt")));
}

TEST_F(TablesTest, SaveReplacesTheLiveFileAndDropsTheOutdatedBackup) {
    makeFolder(QStringLiteral("Backup"));
    writeFile(QStringLiteral("Backup/Deductions.txt"), Lines(Quoted(DefaultAllowances)));
    writeFile(QStringLiteral("Deductions.txt"), Lines(Quoted(DefaultAllowances)));
    frmTables& t = Tables();
    t.txtAllowance[AllowanceBox::Weekly]->setText(QStringLiteral("$82.70"));
    t.SaveAllowanceTable();
    EXPECT_FALSE(exists(QStringLiteral("Backup/Deductions.txt")));
    EXPECT_TRUE(readFile(QStringLiteral("Deductions.txt")).startsWith("\"$82.70\"\r\n\"$159.60\""));
}

TEST_F(TablesTest, FailedSaveIsReportedAndKeepsTheBackupCopy) {
    frmTables& t = Tables();
    makeFolder(QStringLiteral("Backup"));
    writeFile(QStringLiteral("Backup/TaxTable.txt"), "\"$1.00\"\r\n");
    makeFolder(QStringLiteral("TaxTable.txt")); // nothing can be written in its place
    t.SaveTaxTable();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("File Error"));
    EXPECT_TRUE(exists(QStringLiteral("Backup/TaxTable.txt")));
}

TEST_F(TablesTest, SaveThatFailsAtAnyStepKeepsBothTablesAndTheirBackupsAndNamesTheFile) {
    frmTables& t = Tables();
    const QByteArray old = Lines(Quoted(QStringList(16 * 14, QStringLiteral("$1.00"))));
    const std::pair<QString, void (frmTables::*)()> saves[] = {
        {QStringLiteral("TaxTable.txt"), &frmTables::SaveTaxTable},
        {QStringLiteral("PercentageTable.txt"), &frmTables::SavePercentageTable}};
    for (const auto& [file, save] : saves) {
        for (const WriteFault& fault : FaultsAtEveryStep(file)) {
            SCOPED_TRACE(Described(fault));
            writeFile(file, old);
            writeFile(QStringLiteral("Backup/") + file, old);
            dialogs->clear();
            InjectWriteFault(fault);
            (t.*save)();
            EXPECT_EQ(readFile(file), old);
            EXPECT_EQ(readFile(QStringLiteral("Backup/") + file), old);
            ASSERT_EQ(dialogs->shown.size(), 1u);
            EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("File Error"));
            EXPECT_TRUE(dialogs->shown[0].text.contains(path(file)));
        }
    }
}

TEST_F(TablesTest, ShortTaxVariablesAreReportedAndTheRestStaysAtZero) {
    writeFile(QStringLiteral("TaxVariables.txt"),
              Lines(Quoted({QStringLiteral("6.20%"), QStringLiteral("1.45%"), QStringLiteral("3.00%"),
                            QStringLiteral("1.00%"), QStringLiteral("0.60%"), QStringLiteral("2.70%"),
                            QStringLiteral("$184,500.00")})));
    frmTables& t = Tables();
    expectDamagedFileReported("TaxVariables.txt");
    EXPECT_EQ(text(2), QStringLiteral("3.00%"));
    EXPECT_EQ(text(6), QStringLiteral("$184,500.00"));
    EXPECT_EQ(text(7), QStringLiteral("$0.00"));
    EXPECT_EQ(text(10), QStringLiteral("$0.00"));
    EXPECT_TRUE(t.txtEIN->text().isEmpty());
    EXPECT_FALSE(t.ckState->isChecked());
}

TEST_F(TablesTest, ShortTaxTableIsReportedAndKeepsWhatWasRead) {
    writeFile(QStringLiteral("TaxTable.txt"), Lines(QStringList(20, QStringLiteral("\"$9.00\""))));
    frmTables& t = Tables();
    expectDamagedFileReported("TaxTable.txt");
    EXPECT_EQ(t.fgTaxTable->textMatrix(2, 6), QStringLiteral("$9.00")); // item 20
    EXPECT_EQ(t.fgTaxTable->textMatrix(2, 7), QStringLiteral("$0.00"));
    EXPECT_EQ(t.fgTaxTable->textMatrix(16, 14), QStringLiteral("$0.00"));
}

TEST_F(TablesTest, ShortPercentageTableLeavesPercentDefaultsInEvenColumns) {
    writeFile(QStringLiteral("PercentageTable.txt"), Lines({QStringLiteral("\"$1.00\"")}));
    frmTables& t = Tables();
    expectDamagedFileReported("PercentageTable.txt");
    EXPECT_EQ(t.fgPercentage->textMatrix(1, 1), QStringLiteral("$1.00"));
    EXPECT_EQ(t.fgPercentage->textMatrix(1, 2), QStringLiteral("0.0%"));
}

TEST_F(TablesTest, ShortAllowanceFileIsReportedNotRewritten) {
    const QByteArray three =
        Lines(Quoted({QStringLiteral("$82.70"), QStringLiteral("$165.40"), QStringLiteral("179.2")}));
    writeFile(QStringLiteral("Deductions.txt"), three);
    frmTables& t = Tables();
    expectDamagedFileReported("Deductions.txt");
    EXPECT_EQ(t.txtAllowance[AllowanceBox::Semimonthly]->text(), QStringLiteral("$179.20"));
    EXPECT_EQ(t.txtAllowance[AllowanceBox::Monthly]->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(readFile(QStringLiteral("Deductions.txt")), three);
}

// ---- The settings without the screen -------------------------------------------------------

TEST_F(TablesTest, SettingsLoadAndSaveWithoutTheScreenAndFollowItsEdits) {
    writeFile(QStringLiteral("TaxVariables.txt"),
              Lines(Quoted({QStringLiteral("6.20%"), QStringLiteral("1.45%"), QStringLiteral("3.00%"),
                            QStringLiteral("1.00%"), QStringLiteral("0.60%"), QStringLiteral("2.70%"),
                            QStringLiteral("$128,400.00"), QStringLiteral("Table"), QStringLiteral("$0.00"),
                            QStringLiteral("$7,000.00"), QStringLiteral("$7,000.00"),
                            QStringLiteral("12-3456789")})
                    << QStringLiteral("1") << QStringLiteral("0")));
    TaxTables settings;
    settings.Load();
    EXPECT_EQ(settings.Variables[0], QStringLiteral("6.20%"));
    EXPECT_EQ(settings.Variables[7], QStringLiteral("Table"));
    EXPECT_EQ(settings.EIN, QStringLiteral("12-3456789"));
    EXPECT_TRUE(settings.StateFlat);
    EXPECT_EQ(settings.AllowanceAmounts()[8], Money::fromDollars(16));
    EXPECT_TRUE(exists(QStringLiteral("Deductions.txt")));
    settings.TaxTable[3][5] = QStringLiteral("$12.00");
    settings.SaveTaxVariables();
    settings.SaveTaxTable();
    TaxTables again;
    again.Load();
    EXPECT_EQ(again.Variables[8], QStringLiteral("None")); // a zero maximum is saved as none
    EXPECT_EQ(again.TaxTable[3][5], QStringLiteral("$12.00"));

    // The screen shows the program's settings and writes its edits into them.
    frmTables& t = Tables();
    EXPECT_EQ(t.fgTaxTable->textMatrix(3, 5), QStringLiteral("$12.00"));
    t.TxtTables[2]->setText(QStringLiteral("4.00%"));
    t.ckLocal->setChecked(true);
    t.fgPercentage->setTextMatrix(16, 14, QStringLiteral("37.0%"));
    t.txtAllowance[0]->setText(QStringLiteral("$80.00"));
    EXPECT_EQ(TheTaxTables().Variables[2], QStringLiteral("4.00%"));
    EXPECT_TRUE(TheTaxTables().LocalFlat);
    EXPECT_EQ(TheTaxTables().Percentage[16][14], QStringLiteral("37.0%"));
    EXPECT_EQ(TheTaxTables().AllowanceAmounts()[1], Money::fromDollars(80));
}
