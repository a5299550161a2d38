#include "DataFiles.h"
#include "EmployeeHistory.h"
#include "PayFiles.h"
#include "Purge.h"
#include "RecordSupport.h"
#include "ReportData.h"
#include "RewriteFile.h"
#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>

#include <functional>
#include <map>

namespace {

// A live file that is missing and whose copy in Backup cannot be put back is never read
// as empty: every routine that rewrites, purges, reports or rebuilds totals from it stops
// with the file named, and no live or backup file changes.
class UnreadableFileTest : public ProgramFolderTest {
protected:
    std::map<QString, QByteArray> files() const {
        std::map<QString, QByteArray> all;
        QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString name = QDir(dir.path()).relativeFilePath(it.next());
            all[name] = readFile(name);
        }
        return all;
    }
};

TEST_F(UnreadableFileTest, AFileThatCannotBePutBackFromBackupStopsTheWorkAndChangesNothing) {
    struct Case {
        const char* label;
        const char* missing; // relative to the program folder; its copy stays in Backup
        std::function<void()> work;
    };
    const QDate day(2026, 3, 6);
    const Case cases[] = {
        {"rewrite", "SummaryRecords.txt",
         [] {
             RewriteFile(u"/SummaryRecords.txt", u"/SummaryUpdate.txt", SummaryRecord::Length,
                         [](QByteArrayView) { return false; }, Emptied::RemoveFile);
         }},
        {"dated purge of the summary", "SummaryRecords.txt", [day] { PurgeDatedPayroll(day); }},
        {"dated purge of a pay history", "Employees/1001/PayRecords.txt", [day] { PurgeDatedPayroll(day); }},
        {"summary report", "SummaryRecords.txt", [] { GatherSummaryReport(QDate(2026, 1, 1), QDate(2026, 12, 31)); }},
        {"pay-history report", "Employees/1001/PayRecords.txt",
         [] { GatherPayHistory(1, QDate(2026, 1, 1), QDate(2026, 12, 31)); }},
        {"year-to-date rebuild", "Employees/1001/PayRecords.txt", [day] { MakeYTDs(day); }},
    };
    for (const Case& c : cases) {
        QDir(dir.path()).removeRecursively();
        for (const char* folder : {"", "/Backup", "/Backup/Employees", "/Backup/Employees/1001", "/Employees",
                                   "/Employees/1001", "/Employees/1002"})
            QDir().mkpath(dir.path() + QLatin1String(folder));
        testrecords::WriteEmployees({testrecords::Employee(1), testrecords::Employee(2)});
        testrecords::AppendPayRecords(QStringLiteral("1001"), {testrecords::Paycheck(day, Money::fromCents(61200))});
        testrecords::AppendPayRecords(QStringLiteral("1002"), {testrecords::Paycheck(day, Money::fromCents(50000))});
        {
            RandomFile summary = OpenRandomFile(u"/SummaryRecords.txt", SummaryRecord::Length);
            SummaryRecord run;
            run.PayDate = OleDateOf(day);
            summary.put(1, run);
        }
        const QString missing = QString::fromLatin1(c.missing);
        ASSERT_TRUE(QDir(dir.path()).rename(missing, QStringLiteral("Backup/") + missing)) << c.label;
        const auto before = files();
        InjectWriteFault(WriteFault{missing.section(u'/', -2), WriteStep::Open});
        try {
            c.work();
            ADD_FAILURE() << c.label << " went on as if the file were empty";
        } catch (const FileError& error) {
            EXPECT_TRUE(error.userMessage().contains(missing)) << c.label;
        }
        InjectWriteFault(std::nullopt);
        EXPECT_EQ(files(), before) << c.label;
    }
}

} // namespace
