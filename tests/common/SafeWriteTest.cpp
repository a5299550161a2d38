#include "SafeWrite.h"
#include "DataFiles.h"
#include "Globals.h"
#include "Records.h"
#include "TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace {

class SafeWriteTest : public ProgramFolderTest {
protected:
    unsigned mode(const QString& relativeName) const {
        struct stat info {};
        return ::stat(QFile::encodeName(path(relativeName)).constData(), &info) == 0 ? info.st_mode & 07777
                                                                                     : 0;
    }
    QStringList leftovers(const QString& folder) const {
        return QDir(path(folder)).entryList({QStringLiteral("*.partial-*")}, QDir::Files | QDir::Hidden);
    }
    // The write fails with a FileError that names the file and says the old file was kept.
    void expectRefused(const std::function<void()>& write, const QString& relativeName) const {
        try {
            write();
            ADD_FAILURE() << "reported as written";
        } catch (const FileError& error) {
            EXPECT_EQ(error.fileName(), path(relativeName));
            EXPECT_TRUE(error.userMessage().contains(QStringLiteral("the old file was kept")))
                << error.userMessage().toStdString();
        }
    }
    static QByteArray items(int count) { return "\"1\"" + QByteArray(",\"1\"").repeated(count - 1) + "\r\n"; }
};

} // namespace

TEST_F(SafeWriteTest, AWholeFileWriteThatFailsAtAnyStepKeepsTheOldFileAndNamesIt) {
    struct Writer {
        const char* label;
        QString target;
        std::function<void()> write;
    };
    makeFolder(QStringLiteral("Backup"));
    const Writer writers[] = {
        {"sequential output", QStringLiteral("Prompts.txt"),
         [] {
             TextOutput out = OpenOutput(u"/Prompts.txt");
             out.write({Item::flag(true), Item::flag(false)});
             out.close();
         }},
        {"whole file", QStringLiteral("Layout.txt"),
         [] { WriteWholeFile(u"/Layout.txt", "new layout\r\n"); }},
        {"restore from Backup", QStringLiteral("TaxTable.txt"), [] { RestoreFromBackup(u"/TaxTable.txt"); }},
        {"backup-set copy", QStringLiteral("Backup/Deductions.txt"),
         [this] {
             SourceFolder = dir.path() + u'/';
             TargetFolder = dir.path() + QStringLiteral("/Backup/");
             const SetCopyOutcome outcome = CopyPayrollFiles();
             if (!outcome.failed.empty()) throw outcome.failed.front();
         }},
        {"record in place", QStringLiteral("Summary.txt"),
         [] { OpenRandomFile(u"/Summary.txt", 4).write(1, "new!"); }},
    };
    writeFile(QStringLiteral("Backup/TaxTable.txt"), items(224));
    writeFile(QStringLiteral("Deductions.txt"), items(8));
    for (const Writer& writer : writers) {
        for (const WriteFault& fault : FaultsAtEveryStep(writer.target)) {
            SCOPED_TRACE(std::string(writer.label) + ": " + Described(fault));
            const QByteArray old = QByteArray("old ") + writer.label + "\r\n";
            writeFile(writer.target, old);
            InjectWriteFault(fault);
            expectRefused(writer.write, writer.target);
            EXPECT_EQ(readFile(writer.target), old);
            EXPECT_TRUE(leftovers({}).isEmpty() && leftovers(QStringLiteral("Backup")).isEmpty());
            InjectWriteFault(std::nullopt);
        }
        writer.write();
        EXPECT_NE(readFile(writer.target).left(4), QByteArray("old ")) << writer.label;
    }
}

TEST_F(SafeWriteTest, ANewFileThatCannotBeWrittenIsNotLeftBehindHalfWritten) {
    for (const WriteFault& fault : FaultsAtEveryStep(QStringLiteral("New.txt"))) {
        InjectWriteFault(fault);
        EXPECT_THROW(WriteWholeFile(u"/New.txt", "0123456789"), FileError) << Described(fault);
        EXPECT_FALSE(exists(QStringLiteral("New.txt"))) << Described(fault);
    }
    EXPECT_TRUE(leftovers({}).isEmpty());
}

TEST_F(SafeWriteTest, ARestoreThatFailsLeavesNoLiveFileAndTellsTheUser) {
    writeFile(QStringLiteral("Backup/SummaryRecords.txt"), QByteArray(240, 'S'));
    InjectWriteFault(WriteFault{QStringLiteral("SummaryRecords.txt"), WriteStep::Write, 5});
    EXPECT_FALSE(FileExists(u"/SummaryRecords.txt"));
    EXPECT_FALSE(exists(QStringLiteral("SummaryRecords.txt")));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_TRUE(dialogs->shown[0].text.contains(path(QStringLiteral("SummaryRecords.txt"))));
}

TEST_F(SafeWriteTest, ARecordWriteLandsWholeOrLeavesTheFileAsItWas) {
    struct Case {
        const char* label;
        std::int32_t record;
        WriteStep step;
        std::int64_t afterBytes;
    };
    const Case cases[] = {
        {"in place, cut short", 1, WriteStep::Write, 6}, {"in place, sync", 2, WriteStep::Sync, 0},
        {"in place, rename", 2, WriteStep::Rename, 0},   {"append, cut short", 3, WriteStep::Write, 3},
        {"append, sync", 3, WriteStep::Sync, 0},
    };
    for (const Case& c : cases) {
        writeFile(QStringLiteral("R.txt"), "aaaabbbb");
        InjectWriteFault(WriteFault{QStringLiteral("R.txt"), c.step, c.afterBytes});
        RandomFile file = OpenRandomFile(u"/R.txt", 4);
        EXPECT_THROW(file.write(c.record, "cccc"), FileError) << c.label;
        EXPECT_EQ(readFile(QStringLiteral("R.txt")), QByteArray("aaaabbbb")) << c.label;
        // The open file still reads what is on file.
        EXPECT_EQ(*file.read(2), QByteArray("bbbb")) << c.label;
    }
}

TEST_F(SafeWriteTest, ABatchWhoseSyncFailsTakesItsAppendsOutAgain) {
    writeFile(QStringLiteral("A.txt"), "aaaa");
    writeFile(QStringLiteral("B.txt"), "bbbb");
    InjectWriteFault(WriteFault{QStringLiteral("B.txt"), WriteStep::Sync});
    AppendBatch batch;
    OpenRandomFile(u"/A.txt", 4).write(2, "cccc");
    OpenRandomFile(u"/B.txt", 4).write(2, "dddd");
    OpenRandomFile(u"/B.txt", 4).write(3, "eeee");
    EXPECT_THROW(batch.commit(), FileError);
    EXPECT_EQ(batch.undone(), QStringList{path(QStringLiteral("B.txt"))});
    EXPECT_EQ(readFile(QStringLiteral("A.txt")), QByteArray("aaaacccc"));
    EXPECT_EQ(readFile(QStringLiteral("B.txt")), QByteArray("bbbb"));
}

TEST_F(SafeWriteTest, ABatchWhoseSyncFailsLeavesWhatAnotherProgramAppendedSince) {
    writeFile(QStringLiteral("B.txt"), "bbbb");
    InjectWriteFault(WriteFault{QStringLiteral("B.txt"), WriteStep::Sync});
    AppendBatch batch;
    OpenRandomFile(u"/B.txt", 4).append("dddd");
    QFile other(path(QStringLiteral("B.txt")));
    ASSERT_TRUE(other.open(QIODevice::Append));
    ASSERT_EQ(other.write("zzzz"), 4);
    other.close();
    EXPECT_THROW(batch.commit(), FileError);
    EXPECT_TRUE(batch.undone().isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("B.txt")), QByteArray("bbbbddddzzzz"));
}

TEST_F(SafeWriteTest, WhatTheProgramsCreateIsPrivateAndAReplacedFileKeepsItsModeAndPlace) {
    MakeFolders();
    WriteWholeFile(u"/New.txt", "x");
    TextOutput(u"/Out.txt").close();
    OpenRandomFile(u"/Backup/R.txt", 4);
    for (const char* folder : {"Backup", "Employees", "Pictures", "Backup/Employees"})
        EXPECT_EQ(mode(QLatin1String(folder)), 0700u) << folder;
    for (const char* file : {"New.txt", "Out.txt", "Backup/R.txt"})
        EXPECT_EQ(mode(QLatin1String(file)), 0600u) << file;
    writeFile(QStringLiteral("Shared.txt"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path(QStringLiteral("Shared.txt"))).constData(), 0640), 0);
    WriteWholeFile(u"/Shared.txt", "new");
    OpenRandomFile(u"/Shared.txt", 3).write(1, "rec");
    EXPECT_EQ(mode(QStringLiteral("Shared.txt")), 0640u);
    // A file kept elsewhere through a link is replaced there.
    writeFile(QStringLiteral("Elsewhere/Real.txt"), "old");
    ASSERT_TRUE(QFile::link(path(QStringLiteral("Elsewhere/Real.txt")), path(QStringLiteral("Linked.txt"))));
    WriteWholeFile(u"/Linked.txt", "new");
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("Linked.txt"))).isSymLink());
    EXPECT_EQ(readFile(QStringLiteral("Elsewhere/Real.txt")), QByteArray("new"));
}

TEST_F(SafeWriteTest, PayDataIsSavedPrivateWhateverModeTheOldFileHad) {
    const char* const payData[] = {"Employees.txt", "Employees/1001/PayRecords.txt", "SummaryRecords.txt",
                                   "Backup/CheckRegister.txt", "PayrollCheckRegister.txt",
                                   "Backup/PayrollRecords 2025/1001/PayrollRecords 2025.txt",
                                   "Backup/PayrollRecords 2025/SummaryOffload 2025.txt"};
    for (const char* file : payData) {
        for (const bool append : {false, true}) {
            writeFile(QLatin1String(file), "rec");
            ASSERT_EQ(::chmod(QFile::encodeName(path(QLatin1String(file))).constData(), 0644), 0);
            if (append)
                OpenRandomFile(QString::fromLatin1(file), 3).append("new");
            else
                WriteWholeFile(QString::fromLatin1(file), "new");
            EXPECT_EQ(mode(QLatin1String(file)), 0600u) << file << (append ? " appended" : " replaced");
        }
    }
}

TEST_F(SafeWriteTest, StartUpRemovesOnlySettledLeftoversOfCutOffWrites) {
    const QStringList stale{QStringLiteral("Employees.txt.partial-Ab12Cd"),
                            QStringLiteral("Backup/TaxTable.txt.partial-000000"),
                            QStringLiteral("Employees/1001/PayRecords.txt.partial-zzzzzz")};
    const QStringList kept{QStringLiteral("Fresh.txt.partial-Ab12Cd"), QStringLiteral("Notes.txt.backup"),
                           QStringLiteral("Employees.txt")};
    for (const QString& name : stale + kept)
        writeFile(name, "x");
    for (const QString& name : stale) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    RemoveLeftovers();
    for (const QString& name : stale)
        EXPECT_FALSE(exists(name)) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(exists(name)) << name.toStdString();
}

TEST_F(SafeWriteTest, ASetFileReadsWholeOnlyWithWholeRecordsOrAllItsItems) {
    struct Case {
        const char* name;
        QByteArray bytes;
        bool whole;
    };
    const QByteArray summary = WholeSetFile(QStringLiteral("SummaryRecords"), "s");
    const QByteArray entry = WholeSetFile(QStringLiteral("CheckRegister"), "e");
    RegisterEntry undated = RegisterEntry::decode(entry);
    undated.CheckDate = QStringLiteral("13/45/20x6");
    const Case cases[] = {
        {"SummaryRecords.txt", summary.repeated(2), true},
        {"SummaryRecords.txt", summary.repeated(2).chopped(1), false},
        {"SummaryRecords.txt", {}, false},
        {"PayrollCheckRegister.txt", entry.repeated(3), true},
        {"CheckRegister.txt", entry.repeated(3) + 'x', false},
        {"SummaryRecords.txt", summary.repeated(32768), false},
        // What a power cut leaves: zeros of the right size; junk in place of a date.
        {"SummaryRecords.txt", summary + QByteArray(SummaryRecord::Length, '\0'), false},
        {"SummaryRecords.txt", QByteArray(SummaryRecord::Length, 'x'), false},
        {"PayrollCheckRegister.txt", QByteArray(RegisterEntry::Length * 2, '\0'), false},
        {"CheckRegister.txt", entry + undated.encode(), false},
        {"TaxTable.txt", items(224), true},
        {"PercentageTable.txt", items(223), false},
        // A quote left open runs into the next line or the next item: every cell after it
        // would shift.
        {"TaxTable.txt", "\"$1.00\r\n" + items(224), false},
        {"TaxTable.txt", items(100) + "\"$1.00" + items(124), false},
        {"MyBusinessData.txt", "\"A\",\"B\",\"C\",\"D\",\"E\",\"F\",\"G\",\"H\",\"I\"\r\n", true},
        {"MyBusinessData.txt", "\xff\xfe garbage", false},
        {"MyBusinessData.txt", "\"A\",\"B\",\"C\x01\x02\",\"D\",\"E\",\"F\",\"G\",\"H\",\"I\"\r\n", false},
        {"MyBusinessData.txt", "\"A\",\"B\",\"C\",\"D\",\"E\",\"F\",\"G\",\"H\",\"I\r\n", false},
        {"PayrollInfo.txt", "#TRUE#,#FALSE#,#FALSE#\r\n", true},
        {"PayrollInfo.txt", "#TRUE#,\x9c\x07,#FALSE#\r\n", false},
        {"PayrollInfo.txt", {}, false},
        {"Deductions.txt", items(7), false},
        {"Deductions.txt", "\xb3\x11" + items(8), false},
        {"TaxVariables.txt", items(14), true},
        {"TaxVariables.txt", items(12) + "\"x\"\r\n0\r\n", false},
        {"MasterTaxVariables.txt", "\"6.20%\r\n" + items(14), false},
        {"StateTaxes.txt", items(3 * StateCount - 1), false},
        {"NonResidentTaxTable.txt", items(8), true},
        {"Notes.txt", {}, true},
    };
    for (const Case& c : cases) {
        writeFile(QLatin1String(c.name), c.bytes);
        EXPECT_EQ(ReadsWhole(path(QLatin1String(c.name))), c.whole) << c.name << " of " << c.bytes.size();
    }
}
