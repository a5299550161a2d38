#include "Archive.h"
#include "Globals.h"
#include "Records.h"
#include "TestSupport.h"
#include "frmArchive.h"
#include "frmTables.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <map>

namespace {

// A file of the set that reads whole, its bytes telling which copy it is.
QByteArray SetFile(const QString& name, char tag) {
    const QByteArray file = WholeSetFile(name, QByteArray(1, tag));
    if (name == QLatin1String("SummaryRecords.txt")) return file.repeated(2);
    if (name.endsWith(QLatin1String("Register.txt"))) return file.repeated(3);
    return file;
}

class ArchiveTest : public ProgramFolderTest {
protected:
    ArchiveTest() {
        for (const QString& name : PayrollFileSet())
            writeFile(name, SetFile(name, 'L'));
        writeFile(QStringLiteral("Employees.txt"), "live employees");
    }
    QString root() const { return path(QStringLiteral("Media")); }
    QString archived(const QString& name) const { return QStringLiteral("Media/Archive/Payroll/") + name; }
    void writeArchive(char tag, const QStringList& leaveOut = {}) const {
        for (const QString& name : PayrollFileSet())
            if (!leaveOut.contains(name)) writeFile(archived(name), SetFile(name, tag));
    }
    // Every file of the set in a folder, by name.
    std::map<QString, QByteArray> set(const QString& folder) const {
        std::map<QString, QByteArray> files;
        for (const QString& name : PayrollFileSet())
            files[name] = readFile(folder + name);
        return files;
    }
    // Anything a write left behind in the folder besides the files themselves.
    QStringList leftovers(const QString& folder) const {
        return QDir(path(folder)).entryList({QStringLiteral("*.partial-*")}, QDir::Files | QDir::Hidden);
    }
};

TEST_F(ArchiveTest, ArchiveToARootWithoutArchiveMakesBothFoldersAndCopiesExactlyTheSet) {
    makeFolder(QStringLiteral("Media"));
    QFile::remove(path(QStringLiteral("Deductions.txt")));
    const ArchiveResult result = ArchivePayrollFiles(root());
    EXPECT_EQ(result.kind, ArchiveResult::Kind::Done);
    QStringList expected = PayrollFileSet();
    expected.removeOne(QStringLiteral("Deductions.txt"));
    EXPECT_EQ(result.outcome.copied, expected);
    QStringList sorted = expected;
    sorted.sort();
    EXPECT_EQ(QDir(path(QStringLiteral("Media/Archive/Payroll"))).entryList(QDir::Files, QDir::Name), sorted);
    for (const QString& name : expected)
        EXPECT_EQ(readFile(archived(name)), SetFile(name, 'L')) << name.toStdString();
}

TEST_F(ArchiveTest, ARootThatCannotBeWrittenIsNamedAndNothingChanges) {
    struct Case {
        const char* label;
        const char* blocker; // a file standing where a folder must go
        QString named;
    };
    const Case cases[] = {
        {"no such root", nullptr, path(QStringLiteral("Media"))},
        {"Archive is a file", "Media/Archive", path(QStringLiteral("Media"))},
        {"Payroll is a file", "Media/Archive/Payroll", path(QStringLiteral("Media/Archive"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QDir(root()).removeRecursively();
        if (c.blocker) writeFile(QString::fromLatin1(c.blocker), "not a folder");
        const ArchiveResult result = ArchivePayrollFiles(root());
        EXPECT_EQ(result.kind, ArchiveResult::Kind::FolderNotWritable);
        EXPECT_EQ(ArchiveReport(result, false),
                  QStringLiteral("The folder %1 cannot be written to.\r\nNothing was archived.")
                      .arg(QDir::toNativeSeparators(c.named)));
        EXPECT_FALSE(QFileInfo(path(QStringLiteral("Media/Archive/Payroll"))).isDir());
        EXPECT_EQ(QFileInfo::exists(path(QStringLiteral("Media/Archive"))), c.blocker != nullptr);
    }
}

TEST_F(ArchiveTest, AReinstallFromAnArchiveWithoutTaxTableKeepsTheLiveOne) {
    writeArchive('A', {QStringLiteral("TaxTable.txt")});
    const ArchiveResult result = ReinstallPayrollFiles(root());
    EXPECT_EQ(result.kind, ArchiveResult::Kind::Done);
    for (const QString& name : PayrollFileSet())
        EXPECT_EQ(readFile(name), SetFile(name, name == QLatin1String("TaxTable.txt") ? 'L' : 'A'))
            << name.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("Employees.txt")), "live employees");
    EXPECT_EQ(result.absent, QStringList{QStringLiteral("TaxTable.txt")});
    EXPECT_TRUE(ArchiveReport(result, true)
                    .endsWith(QStringLiteral("\r\nNot in the archive, kept as they were: TaxTable.txt")));
}

TEST_F(ArchiveTest, AReinstallThatCannotFinishLeavesEveryLiveFileAsItWas) {
    const auto live = set(QStringLiteral("/"));
    // No archive at all; an archive with a damaged file; then a write failing at every
    // step of the first, a middle and the last file.
    ArchiveResult result = ReinstallPayrollFiles(root());
    EXPECT_EQ(result.kind, ArchiveResult::Kind::NoArchive);
    writeArchive('A');
    writeFile(archived(QStringLiteral("SummaryRecords.txt")), QByteArray(SummaryRecord::Length + 7, 'A'));
    result = ReinstallPayrollFiles(root());
    EXPECT_EQ(result.outcome.damaged, QStringList{QStringLiteral("SummaryRecords.txt")});
    EXPECT_EQ(set(QStringLiteral("/")), live);
    writeArchive('A');
    for (const char* name : {"MyBusinessData.txt", "PercentageTable.txt", "NonResidentTaxTable.txt"})
        for (const WriteFault& fault : FaultsAtEveryStep(QString::fromLatin1(name))) {
            SCOPED_TRACE(Described(fault));
            InjectWriteFault(fault);
            result = ReinstallPayrollFiles(root());
            EXPECT_EQ(result.kind, ArchiveResult::Kind::NotCopied);
            EXPECT_TRUE(result.outcome.copied.isEmpty());
            EXPECT_TRUE(
                ArchiveReport(result, true)
                    .endsWith(QStringLiteral("Nothing was restored: your payroll files are as they were.")));
            EXPECT_EQ(set(QStringLiteral("/")), live);
            EXPECT_TRUE(leftovers(QStringLiteral("/")).isEmpty());
        }
    InjectWriteFault(std::nullopt);
    EXPECT_EQ(ReinstallPayrollFiles(root()).outcome.copied, PayrollFileSet());
}

TEST_F(ArchiveTest, AnArchiveThatCannotFinishLeavesTheOldArchiveAsItWas) {
    writeArchive('A');
    const auto old = set(QStringLiteral("Media/Archive/Payroll/"));
    for (const WriteFault& fault : FaultsAtEveryStep(QStringLiteral("CheckRegister.txt"))) {
        SCOPED_TRACE(Described(fault));
        InjectWriteFault(fault);
        EXPECT_EQ(ArchivePayrollFiles(root()).kind, ArchiveResult::Kind::NotCopied);
        EXPECT_EQ(set(QStringLiteral("Media/Archive/Payroll/")), old);
        EXPECT_TRUE(leftovers(QStringLiteral("Media/Archive/Payroll")).isEmpty());
    }
}

// ---- The screen ----------------------------------------------------------------------------------

// A write to the medium cut off by the end of the process leaves a temporary copy there;
// the next archive or reinstall that works there removes it.
TEST_F(ArchiveTest, LeftoversOnTheMediumAreRemovedByTheNextRunThere) {
    for (const bool reinstall : {false, true}) {
        writeArchive('A');
        const QString leftover = archived(QStringLiteral("TaxTable.txt.partial-AbC123"));
        writeFile(leftover, "cut off");
        QFile file(path(leftover));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        file.close();
        const ArchiveResult result = reinstall ? ReinstallPayrollFiles(root()) : ArchivePayrollFiles(root());
        EXPECT_EQ(result.kind, ArchiveResult::Kind::Done) << reinstall;
        EXPECT_TRUE(leftovers(QStringLiteral("Media/Archive/Payroll")).isEmpty()) << reinstall;
    }
}

TEST_F(ArchiveTest, EachOptionWarnsAndItsOKChoosesTheButton) {
    struct Case {
        bool reinstall;
        MsgAnswer answer;
        bool archiveEnabled, reinstallEnabled, checked;
    };
    const Case cases[] = {
        {false, MsgAnswer::Cancel, false, false, false}, {false, MsgAnswer::OK, true, false, true},
        {true, MsgAnswer::Cancel, true, false, false},   {true, MsgAnswer::OK, false, true, true},
        {false, MsgAnswer::OK, true, false, true},
    };
    frmArchive& screen = ShowScreen<frmArchive>();
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Backup/ReStore"));
    for (const Case& c : cases) {
        dialogs->answer(c.answer);
        QRadioButton* option = c.reinstall ? screen.optReinstall : screen.optArchive;
        option->click();
        EXPECT_EQ(dialogs->shown.back().title,
                  c.reinstall ? QStringLiteral("Restore") : QStringLiteral("Archive Procedure"));
        EXPECT_EQ(dialogs->shown.back().text,
                  c.reinstall
                      ? QStringLiteral("Restores Common Payroll Files\r\nfrom Removable media Source\r\n"
                                       "(Latest Archived Disc)\r\n ALL Existing Files ARE REPLACED")
                      : QStringLiteral("Archiving creates a copy of your\r\nFiles on a removable drive\r\n"
                                       "such as a Writeable CD Disc\r\nYou should Archive occasionally"));
        EXPECT_EQ(option->isChecked(), c.checked);
        EXPECT_EQ(screen.cmdArchive->isEnabled(), c.archiveEnabled);
        EXPECT_EQ(screen.cmdReinstall->isEnabled(), c.reinstallEnabled);
    }
}

TEST_F(ArchiveTest, BackupToAPickedFolderEndsWithRemoveTheDisk) {
    makeFolder(QStringLiteral("Media"));
    frmArchive& screen = ShowScreen<frmArchive>();
    dialogs->answerFolder(root());
    screen.cmdFolder->click();
    EXPECT_EQ(screen.ArchiveDrive(), root());
    dialogs->answer(MsgAnswer::OK);
    screen.optArchive->click();
    dialogs->clear();
    screen.cmdArchive->click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("Remove the disk from the Drive"));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Routine Complete"));
    EXPECT_FALSE(IsLoaded<frmArchive>());
    EXPECT_EQ(set(QStringLiteral("Media/Archive/Payroll/")), set(QStringLiteral("/")));
}

TEST_F(ArchiveTest, ARestoreShowsTheRestoredTaxSettingsAtOnce) {
    // The tax-table screen holds the tax data while the program runs: after a restore
    // it must hold the restored data, or its next save would write the old back.
    for (const char* name : {"TaxVariables.txt", "TaxTable.txt", "PercentageTable.txt"})
        copyShipped(QString::fromLatin1(name));
    const QByteArray variables = readFile(QStringLiteral("TaxVariables.txt"));
    writeFile(archived(QStringLiteral("TaxVariables.txt")), QByteArray(variables).replace("6.20%", "6.40%"));
    const QLineEdit& socialSecurity = *Form<frmTables>().TxtTables[0];
    EXPECT_EQ(socialSecurity.text(), QStringLiteral("6.20%"));
    frmArchive& screen = ShowScreen<frmArchive>();
    screen.ChooseFolder(root());
    EXPECT_TRUE(screen.Reinstall());
    EXPECT_EQ(socialSecurity.text(), QStringLiteral("6.40%"));
}

} // namespace
