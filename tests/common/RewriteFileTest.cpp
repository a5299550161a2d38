#include "RewriteFile.h"

#include "DataFiles.h"
#include "FileErrors.h"
#include "TestSupport.h"

namespace {
// Records of four bytes; the first byte tells the "date".
const RecordRule KeepAllButB = [](QByteArrayView record) { return record.front() != 'B'; };

class RewriteFileTest : public ProgramFolderTest {
protected:
    RewriteCount rewrite(Emptied emptied, const LeavingRecords& leaving = {}) {
        return RewriteFile(u"/Live.txt", u"/Update.txt", 4, KeepAllButB, emptied, leaving);
    }
};

TEST_F(RewriteFileTest, KeepsTheOthersInOrderAndDropsTheBackupCopy) {
    struct Case {
        const char* label;
        QByteArray live;
        Emptied emptied;
        bool liveLeft;
        QByteArray after;
        QByteArray leaving;
    };
    const Case cases[] = {
        {"some stay", "A001B002A003B004C005", Emptied::RemoveFile, true, "A001A003C005", "B002B004"},
        {"none stays, removed", "B001B002", Emptied::RemoveFile, false, "", "B001B002"},
        {"none stays, kept empty", "B001B002", Emptied::KeepEmptyFile, true, "", "B001B002"},
        {"missing, kept empty", {}, Emptied::KeepEmptyFile, true, "", ""},
        {"short last record padded", QByteArray("A001A0", 6), Emptied::RemoveFile, true,
         QByteArray("A001A0\0\0", 8), ""},
        {"no record leaves", "A001C002", Emptied::RemoveFile, true, "A001C002", ""},
    };
    for (const Case& c : cases) {
        QFile::remove(path(QStringLiteral("Live.txt")));
        if (!c.live.isNull()) writeFile(QStringLiteral("Live.txt"), c.live);
        writeFile(QStringLiteral("Backup/Live.txt"), "Z999");
        writeFile(QStringLiteral("Update.txt"), "LEFTOVER");
        QByteArray left = "unset";
        if (c.live.isNull()) QFile::remove(path(QStringLiteral("Backup/Live.txt")));
        rewrite(c.emptied, [&](const QByteArray& records) { left = records; });
        EXPECT_EQ(exists(QStringLiteral("Live.txt")), c.liveLeft) << c.label;
        if (c.liveLeft) {
            EXPECT_EQ(readFile(QStringLiteral("Live.txt")), c.after) << c.label;
        }
        EXPECT_EQ(left, c.leaving) << c.label;
        EXPECT_FALSE(exists(QStringLiteral("Backup/Live.txt"))) << c.label;
        EXPECT_FALSE(exists(QStringLiteral("Update.txt"))) << c.label;
    }
}

TEST_F(RewriteFileTest, AFailureAtAnyStepLeavesTheLiveFileAndItsBackupAsTheyWere) {
    std::vector<WriteFault> faults = FaultsAtEveryStep(QStringLiteral("Update.txt"));
    faults.push_back(WriteFault{QStringLiteral("Live.txt"), WriteStep::Rename});
    for (const WriteFault& fault : faults) {
        writeFile(QStringLiteral("Live.txt"), "A001B002A003");
        writeFile(QStringLiteral("Backup/Live.txt"), "A001B002A003");
        InjectWriteFault(fault);
        EXPECT_THROW(rewrite(Emptied::RemoveFile), FileError) << Described(fault);
        InjectWriteFault(std::nullopt);
        EXPECT_EQ(readFile(QStringLiteral("Live.txt")), QByteArray("A001B002A003")) << Described(fault);
        EXPECT_EQ(readFile(QStringLiteral("Backup/Live.txt")), QByteArray("A001B002A003")) << Described(fault);
        // Run again, the rewrite ends as one that never failed.
        rewrite(Emptied::RemoveFile);
        EXPECT_EQ(readFile(QStringLiteral("Live.txt")), QByteArray("A001A003")) << Described(fault);
    }
    // The records that leave could not be kept elsewhere: nothing is replaced.
    writeFile(QStringLiteral("Live.txt"), "A001B002A003");
    EXPECT_THROW(rewrite(Emptied::RemoveFile, [](const QByteArray&) { throw FileError("x", "full"); }), FileError);
    EXPECT_EQ(readFile(QStringLiteral("Live.txt")), QByteArray("A001B002A003"));
    EXPECT_FALSE(exists(QStringLiteral("Update.txt")));
}

TEST_F(RewriteFileTest, FilesRewrittenTogetherAreReplacedOnlyOnceEveryUpdateFileIsWritten) {
    std::vector<WriteFault> faults = FaultsAtEveryStep(QStringLiteral("Update2.txt"));
    faults.push_back(WriteFault{QStringLiteral("Live2.txt"), WriteStep::Rename});
    for (const WriteFault& fault : faults) {
        for (const char* name : {"Live1.txt", "Live2.txt", "Backup/Live1.txt", "Backup/Live2.txt"})
            writeFile(QString::fromLatin1(name), "A001A002B003");
        InjectWriteFault(fault);
        std::vector<RewriteJob> jobs;
        for (const char* n : {"1", "2"})
            jobs.push_back({QStringLiteral("/Live%1.txt").arg(QLatin1String(n)),
                            QStringLiteral("/Update%1.txt").arg(QLatin1String(n)), 4, KeepAllButB,
                            Emptied::RemoveFile, {}});
        EXPECT_THROW(RewriteFiles(jobs), FileError) << Described(fault);
        InjectWriteFault(std::nullopt);
        // Only a failed replacement of the second leaves the first replaced, its backup dropped.
        const bool firstDone = fault.step == WriteStep::Rename && fault.fileName == u"Live2.txt";
        EXPECT_EQ(readFile(QStringLiteral("Live1.txt")), firstDone ? "A001A002" : "A001A002B003") << Described(fault);
        EXPECT_EQ(exists(QStringLiteral("Backup/Live1.txt")), !firstDone) << Described(fault);
        EXPECT_EQ(readFile(QStringLiteral("Live2.txt")), "A001A002B003") << Described(fault);
        EXPECT_EQ(readFile(QStringLiteral("Backup/Live2.txt")), "A001A002B003") << Described(fault);
        EXPECT_FALSE(exists(QStringLiteral("Update1.txt")) || exists(QStringLiteral("Update2.txt")));
    }
}

TEST_F(RewriteFileTest, ARestoreFromBackupIsToldThroughTheNotice) {
    writeFile(QStringLiteral("Backup/Employees.txt"), "A001");
    const RestoreNotice before = SetRestoreNotice(TellRestoredFromBackup);
    EXPECT_TRUE(FileExists(u"/Employees.txt"));
    SetRestoreNotice(before);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("The /Employees.txt was missing\r\na recent copy has been "
                                                     "restored\r\nData may be missing from this file\r\nThis is "
                                                     "normal when Deleting old Invoices etc"));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("File Restored from Backup Folder"));
}
} // namespace
