#include "DataFiles.h"
#include "FileErrors.h"
#include "Globals.h"
#include "RecordSupport.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class DataFilesTest : public ProgramFolderTest {
protected:
    void startUpCopy() {
        MakeFolders();
        SourceFolder = dir.path() + u'\\';
        TargetFolder = dir.path() + QStringLiteral("\\Backup\\");
        CopyPayrollFiles();
    }
    // Content that reads whole as the set file of that name, told apart by its tag.
    static QByteArray whole(const QString& name, const QByteArray& tag) { return WholeSetFile(name, tag); }
};

} // namespace

// ---- Names and the program folder -------------------------------------------------------

TEST_F(DataFilesTest, BothSeparatorsNameTheSameFile) {
    EXPECT_EQ(DataPath(u"/Employees.txt"), path(QStringLiteral("Employees.txt")));
    EXPECT_EQ(DataPath(u"\\Employees\\1001\\PayRecords.txt"),
              path(QStringLiteral("Employees/1001/PayRecords.txt")));
    writeFile(QStringLiteral("TempRegister.txt"), "x");
    EXPECT_TRUE(FileExists(u"\\TempRegister.txt"));
}

TEST_F(DataFilesTest, ProgramFolderComesFromTheEnvironmentWhenSet) {
    const QString named = dir.path() + QStringLiteral("/elsewhere");
    qputenv("KESTROVA_FOLDER", named.toLocal8Bit() + "/");
    SetProgramFolder({});
    EXPECT_EQ(ProgramFolder(), named);
    qunsetenv("KESTROVA_FOLDER");
    SetProgramFolder(dir.path());
    EXPECT_EQ(ProgramFolder(), dir.path());
}

// ---- Existence and counts ---------------------------------------------------------------------

TEST_F(DataFilesTest, MissingFileIsRestoredSilentlyFromBackup) {
    writeFile(QStringLiteral("Backup/SummaryRecords.txt"), QByteArray(240, 'S'));
    EXPECT_TRUE(FileExists(u"/SummaryRecords.txt"));
    EXPECT_EQ(readFile(QStringLiteral("SummaryRecords.txt")), QByteArray(240, 'S'));
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(DataFilesTest, MissingFileWithoutBackupDoesNotExist) {
    EXPECT_FALSE(FileExists(u"/SummaryRecords.txt"));
    EXPECT_FALSE(exists(QStringLiteral("SummaryRecords.txt")));
    makeFolder(QStringLiteral("Folder.txt"));
    EXPECT_FALSE(FileExists(u"/Folder.txt"));
}

TEST_F(DataFilesTest, RecordCountRoundsLengthOverRecordLengthTiesToEven) {
    EXPECT_EQ(RecordCount(u"/PayRecords.txt", 151), 0);
    writeFile(QStringLiteral("PayRecords.txt"), QByteArray(302, 'x'));
    EXPECT_EQ(RecordCount(u"/PayRecords.txt", 151), 2);
    writeFile(QStringLiteral("PayRecords.txt"), QByteArray(226, 'x'));
    EXPECT_EQ(RecordCount(u"/PayRecords.txt", 151), 1);
    writeFile(QStringLiteral("PayRecords.txt"), QByteArray(227, 'x'));
    EXPECT_EQ(RecordCount(u"/PayRecords.txt", 151), 2);
    writeFile(QStringLiteral("PayRecords.txt"), QByteArray(5, 'x'));
    EXPECT_EQ(RecordCount(u"/PayRecords.txt", 2), 2);
    writeFile(QStringLiteral("PayRecords.txt"), QByteArray(7, 'x'));
    EXPECT_EQ(RecordCount(u"/PayRecords.txt", 2), 4);
}

TEST_F(DataFilesTest, RecordCountRestoresFromBackupAndStopsAt16Bits) {
    writeFile(QStringLiteral("Backup/SummaryRecords.txt"), QByteArray(360, 'x'));
    EXPECT_EQ(RecordCount(u"/SummaryRecords.txt", 120), 3);
    EXPECT_TRUE(exists(QStringLiteral("SummaryRecords.txt")));
    writeFile(QStringLiteral("Big.txt"), QByteArray(32768, 'x'));
    EXPECT_EQ(RecordCount(u"/Big.txt", 2), 16384);
    EXPECT_THROW(RecordCount(u"/Big.txt", 1), FileError);
}

// ---- Sequential files -----------------------------------------------------------------------------

TEST_F(DataFilesTest, OutputReachesTheFileOnCloseOrWhenItGoesOutOfScope) {
    {
        TextOutput out = OpenOutput(u"/Prompts.txt");
        out.write({Item::flag(true), Item::flag(false)});
        EXPECT_FALSE(exists(QStringLiteral("Prompts.txt")));
    }
    EXPECT_EQ(readFile(QStringLiteral("Prompts.txt")), QByteArray("#TRUE#,#FALSE#\r\n"));
    TextOutput out = OpenOutput(u"/Prompts.txt");
    out.write(Item::flag(false));
    out.close();
    EXPECT_EQ(readFile(QStringLiteral("Prompts.txt")), QByteArray("#FALSE#\r\n"));
}

TEST_F(DataFilesTest, OutputAbandonedByAnExceptionLeavesTheOldFile) {
    writeFile(QStringLiteral("Deductions.txt"), "old\r\n");
    try {
        TextOutput out = OpenOutput(u"/Deductions.txt");
        out.print(QStringLiteral("half"));
        throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(readFile(QStringLiteral("Deductions.txt")), QByteArray("old\r\n"));
}

TEST_F(DataFilesTest, FailingWriteRaisesFileErrorAndKeepsTheOldFile) {
    EXPECT_THROW(OpenOutput(u"/NoSuchFolder/Prompts.txt"), FileError);
    EXPECT_THROW(WriteWholeFile(u"/NoSuchFolder/Prompts.txt", "x"), FileError);
    // A name one short of the longest allowed leaves no room for the temporary copy.
    const QString longName = QStringLiteral("/") + QString(250, u'L') + QStringLiteral(".txt");
    writeFile(longName, "old");
    EXPECT_THROW(WriteWholeFile(longName, "new"), FileError);
    EXPECT_EQ(readFile(longName), QByteArray("old"));
}

TEST_F(DataFilesTest, FileErrorIsShownWithItsFileName) {
    try {
        OpenInput(u"/Missing.txt");
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.fileName(), path(QStringLiteral("Missing.txt")));
        ReportFileError(error);
    }
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("File Error"));
    EXPECT_TRUE(dialogs->shown[0].text.startsWith(QStringLiteral("There is a problem with the file ") +
                                                  path(QStringLiteral("Missing.txt")) +
                                                  QStringLiteral("\r\n")));
}

TEST_F(DataFilesTest, ShortFileIsReportedAsDamaged) {
    writeFile(QStringLiteral("TaxVariables.txt"), "\"6.20%\"\r\n");
    TextInput in = OpenInput(u"/TaxVariables.txt");
    in.readText();
    in.readText();
    ASSERT_TRUE(in.isShort());
    ReportShortFile(in.fileName());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(
        dialogs->shown[0].text,
        QStringLiteral(
            "The file TaxVariables.txt is damaged: it ends before all of its information could be read."));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Damaged File"));
}

// ---- Random files -----------------------------------------------------------------------------------

TEST_F(DataFilesTest, RandomFileReadsRecordsAndNothingBeyondTheEnd) {
    writeFile(QStringLiteral("R.txt"), QByteArray("aaaabbbbcc"));
    RandomFile file = OpenRandomFile(u"/R.txt", 4);
    EXPECT_EQ(file.count(), 2);
    EXPECT_EQ(*file.read(2), QByteArray("bbbb"));
    // The record the end cuts short reads with zeros for what is missing.
    EXPECT_EQ(*file.read(3), QByteArray("cc\0\0", 4));
    EXPECT_FALSE(file.read(4).has_value());
    EXPECT_THROW(file.read(0), FileError);
}

TEST_F(DataFilesTest, RandomFileWritesInPlaceAndAppendsAfterAGap) {
    RandomFile file = OpenRandomFile2(u"/R.txt", 4);
    file.write(1, "abcd");
    file.write(3, "ef");
    file.write(1, "wxyz");
    EXPECT_EQ(readFile(QStringLiteral("R.txt")), QByteArray("wxyz\0\0\0\0ef\0\0", 12));
    EXPECT_THROW(file.write(1, "too long"), FileError);
    EXPECT_EQ(file.readAll(), QByteArray("wxyz\0\0\0\0ef\0\0", 12));
}

TEST_F(DataFilesTest, RandomFileInAMissingFolderFailsLoudly) {
    EXPECT_THROW(OpenRandomFile(u"/Employees/1001/PayRecords.txt", 151), FileError);
}

TEST_F(DataFilesTest, RandomFileWriteThatFailsRaisesFileError) {
    if (!QFile::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full";
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path(QStringLiteral("Full.txt"))));
    RandomFile file = OpenRandomFile(u"/Full.txt", 4);
    EXPECT_THROW(file.write(1, "abcd"), FileError);
}

// ---- Files and folders --------------------------------------------------------------------------------

TEST_F(DataFilesTest, DeletingRemovesTheFileAndOptionallyItsBackup) {
    EXPECT_NO_THROW(DeleteDataFile(u"/Nothing.txt"));
    writeFile(QStringLiteral("PayrollMemo.txt"), "a");
    writeFile(QStringLiteral("Backup/PayrollMemo.txt"), "b");
    DeleteFileAndBackup(u"\\PayrollMemo.txt");
    EXPECT_FALSE(exists(QStringLiteral("PayrollMemo.txt")));
    EXPECT_FALSE(exists(QStringLiteral("Backup/PayrollMemo.txt")));
    EXPECT_FALSE(FileExists(u"/PayrollMemo.txt"));
}

TEST_F(DataFilesTest, MakeFolderMakesOneLevel) {
    MakeFolder(u"/Employees");
    MakeFolder(u"/Employees");
    EXPECT_TRUE(exists(QStringLiteral("Employees")));
    EXPECT_THROW(MakeFolder(u"/Pictures/1001"), FileError);
}

TEST_F(DataFilesTest, RenameReplacesTheTargetAndRemovesTheOldName) {
    writeFile(QStringLiteral("SummaryUpdate.txt"), "new");
    writeFile(QStringLiteral("SummaryRecords.txt"), "old");
    RenameDataFile(u"/SummaryUpdate.txt", u"\\SummaryRecords.txt");
    EXPECT_EQ(readFile(QStringLiteral("SummaryRecords.txt")), QByteArray("new"));
    EXPECT_FALSE(exists(QStringLiteral("SummaryUpdate.txt")));
    // A file renamed to its own name stays.
    RenameDataFile(u"/SummaryRecords.txt", u"/SummaryRecords.txt");
    EXPECT_EQ(readFile(QStringLiteral("SummaryRecords.txt")), QByteArray("new"));
    EXPECT_THROW(RenameDataFile(u"/Missing.txt", u"/Other.txt"), FileError);
}

// ---- The folder tree
// ---------------------------------------------------------------------------------------

TEST_F(DataFilesTest, EmptyEmployeeFileGivesOnlyTheTopLevelFolders) {
    writeFile(QStringLiteral("Employees.txt"), QByteArray());
    MakeFolders();
    const QStringList top = QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(top, (QStringList{QStringLiteral("Backup"), QStringLiteral("Employees"),
                                QStringLiteral("Pictures")}));
    EXPECT_EQ(QDir(path(QStringLiteral("Backup"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("Employees"), QStringLiteral("Pictures")}));
    EXPECT_TRUE(QDir(path(QStringLiteral("Employees"))).isEmpty());
    EXPECT_EQ(EmployeeCount, 0);
}

TEST_F(DataFilesTest, EveryEmployeeGetsItsFolders) {
    EmployeeRecord unnumbered = testrecords::Employee(3);
    unnumbered.EmployeeNo = QStringLiteral("   ");
    testrecords::WriteEmployees({testrecords::Employee(1), testrecords::Employee(2), unnumbered});
    MakeFolders();
    EXPECT_EQ(EmployeeCount, 3);
    for (const char* number : {"1001", "1002"}) {
        const QString n = QLatin1String(number);
        for (const QString& folder :
             {QStringLiteral("Employees/") + n, QStringLiteral("Employees/") + n + QStringLiteral("/W-4"),
              QStringLiteral("Pictures/") + n, QStringLiteral("Backup/Employees/") + n,
              QStringLiteral("Backup/Pictures/") + n})
            EXPECT_TRUE(exists(folder)) << folder.toStdString();
    }
    EXPECT_EQ(QDir(path(QStringLiteral("Employees"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 2);
}

TEST_F(DataFilesTest, BusinessDataExistsTestsBothFiles) {
    writeFile(QStringLiteral("Backup/PayrollInfo.txt"), "0\r\n");
    EXPECT_FALSE(BusinessDataExists());
    EXPECT_TRUE(exists(QStringLiteral("PayrollInfo.txt")));
    writeFile(QStringLiteral("MyBusinessData.txt"), "\"Acme\"\r\n");
    EXPECT_TRUE(BusinessDataExists());
    EXPECT_TRUE(dialogs->shown.empty());
}

// ---- The set copies --------------------------------------------------------------------------------------

TEST_F(DataFilesTest, FirstStartMakesTheMasterTaxVariablesAndLaterStartsKeepIt) {
    const QString name = QStringLiteral("TaxVariables.txt");
    writeFile(name, whole(name, "first"));
    startUpCopy();
    EXPECT_EQ(readFile(QStringLiteral("Backup/MasterTaxVariables.txt")), whole(name, "first"));
    EXPECT_FALSE(exists(QStringLiteral("Backup/TaxVariables.txt")));

    writeFile(name, whole(name, "second"));
    startUpCopy();
    EXPECT_EQ(readFile(QStringLiteral("Backup/MasterTaxVariables.txt")), whole(name, "first"));
    EXPECT_EQ(readFile(QStringLiteral("Backup/TaxVariables.txt")), whole(name, "second"));
}

TEST_F(DataFilesTest, PayrollSetCopiesItsElevenFilesOnly) {
    const QStringList set{QStringLiteral("MyBusinessData"),       QStringLiteral("Deductions"),
                          QStringLiteral("PayrollInfo"),          QStringLiteral("TaxTable"),
                          QStringLiteral("PercentageTable"),      QStringLiteral("SummaryRecords"),
                          QStringLiteral("PayrollCheckRegister"), QStringLiteral("CheckRegister"),
                          QStringLiteral("StateTaxes"),           QStringLiteral("NonResidentTaxTable")};
    for (const QString& name : set)
        writeFile(name + QStringLiteral(".txt"), whole(name, name.toLatin1()));
    for (const char* other : {"Employees.txt", "Prompts.txt", "PayrollMemo.txt", "StateTaxTables.txt"})
        writeFile(QLatin1String(other), "x");
    startUpCopy();
    for (const QString& name : set)
        EXPECT_EQ(readFile(QStringLiteral("Backup/") + name + QStringLiteral(".txt")),
                  whole(name, name.toLatin1()));
    for (const char* other : {"Employees.txt", "Prompts.txt", "PayrollMemo.txt", "StateTaxTables.txt"})
        EXPECT_FALSE(exists(QStringLiteral("Backup/") + QLatin1String(other))) << other;
}

TEST_F(DataFilesTest, SetCopyWithMissingSourceKeepsTheOldTarget) {
    writeFile(QStringLiteral("Backup/SummaryRecords.txt"), "old backup");
    writeFile(QStringLiteral("Deductions.txt"), whole(QStringLiteral("Deductions"), "new"));
    writeFile(QStringLiteral("Backup/Deductions.txt"),
              whole(QStringLiteral("Deductions"), "older and longer"));
    startUpCopy();
    EXPECT_EQ(readFile(QStringLiteral("Backup/SummaryRecords.txt")), QByteArray("old backup"));
    EXPECT_EQ(readFile(QStringLiteral("Backup/Deductions.txt")), whole(QStringLiteral("Deductions"), "new"));
}

TEST_F(DataFilesTest, SetCopyIgnoresErrorsAndMastersOnlyTheProgramFoldersBackup) {
    writeFile(QStringLiteral("TaxVariables.txt"), "tax");
    writeFile(QStringLiteral("Backup/TaxVariables.txt"), "backup tax");
    // An archive to a drive that is not there copies nothing and says nothing.
    SourceFolder = dir.path() + u'/';
    TargetFolder = dir.path() + QStringLiteral("/NoDrive/Archive/");
    EXPECT_NO_THROW(CopyPayrollFiles());
    EXPECT_EQ(readFile(QStringLiteral("Backup/MasterTaxVariables.txt")), QByteArray("backup tax"));
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(DataFilesTest, BackupOnExitCopiesTheStandardSet) {
    makeFolder(QStringLiteral("Backup"));
    const QByteArray business = whole(QStringLiteral("MyBusinessData"), "Acme");
    writeFile(QStringLiteral("MyBusinessData.txt"), business);
    writeFile(QStringLiteral("CustomerData.txt"), "c");
    writeFile(QStringLiteral("TaxTable.txt"), "t");
    BackupOnExit();
    EXPECT_EQ(readFile(QStringLiteral("Backup/MyBusinessData.txt")), business);
    EXPECT_EQ(readFile(QStringLiteral("Backup/CustomerData.txt")), QByteArray("c"));
    EXPECT_FALSE(exists(QStringLiteral("Backup/TaxTable.txt")));
    EXPECT_EQ(TargetFolder, dir.path() + QStringLiteral("/Backup/"));
}
