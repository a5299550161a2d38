#include "YearOffload.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Records.h"
#include "RewriteFile.h"
#include "SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace yearend {
namespace {

static_assert(FieldOffsetOf(&PayRecord::PayDate) == 0 && FieldOffsetOf(&SummaryRecord::PayDate) == 0,
              "both records start with their pay date");

const QString SummaryUpdateFile = QStringLiteral("/SummaryUpdate.txt");
const QString EmployeeUpdateFile = QStringLiteral("/EmployeeUpdate.txt");

QString EmployeeNumber(std::int32_t record) {
    return QString::number(1000 + record);
}

QString EmployeeFolder(std::int32_t record) {
    return QStringLiteral("/Employees/") + EmployeeNumber(record);
}

bool Exists(const QString& name) {
    return QFileInfo::exists(DataPath(name));
}

// The whole records of a record file as its record count counts them (a last record
// that the end cuts short reads with zeros); empty when the file is missing.
QByteArray WholeRecords(const QString& name, int recordLength) {
    if (!Exists(name)) return {};
    RandomFile file = OpenRandomFile(name, recordLength);
    QByteArray bytes = file.readAll();
    const qsizetype wanted = qsizetype{file.count()} * recordLength;
    if (bytes.size() > wanted) bytes.truncate(wanted);
    if (bytes.size() < wanted) bytes.append(wanted - bytes.size(), '\0');
    return bytes;
}

// The records stay live unless the calendar year of their pay date is the year's.
RecordRule OtherYears(const QString& year) {
    const int chosen = year.toInt();
    return [chosen](QByteArrayView record) { return YearOfOle(StoredDate(record, 0)) != chosen; };
}

// Moves the year's records of one live file to its offload file. After an interruption
// the offload file may already hold what an earlier run wrote: when the live file was
// not replaced yet, the records leaving now start with exactly those and replace them;
// otherwise they are newer records and follow them.
void OffloadFile(const QString& live, const QString& update, const QString& offload, int recordLength,
                 Emptied emptied, const RecordRule& stays) {
    const QByteArray before = WholeRecords(offload, recordLength);
    RewriteFile(live, update, recordLength, stays, emptied, [&](const QByteArray& leaving) {
        WriteWholeFile(offload, leaving.startsWith(before) ? leaving : before + leaving);
    });
}

// Whether the live records hold the run of records whole, starting at a record boundary.
bool HoldsRun(const QByteArray& live, const QByteArray& run, int recordLength) {
    const QByteArrayView all(live);
    const QByteArrayView first(run.constData(), recordLength);
    for (qsizetype at = 0; at + run.size() <= all.size(); at += recordLength)
        if (all.sliced(at, recordLength) == first && all.sliced(at, run.size()) == QByteArrayView(run)) return true;
    return false;
}

// Runs the work for employees 1 to count on a few threads at once, so that the syncs
// of different employees' files overlap instead of queueing; each employee's own steps
// keep their order. The workers never ask or tell the user anything: they keep their
// failures, and the first is thrown here once every employee has had its turn (each
// one's files are left whole, so a rerun goes on from there), for the screen to tell.
// The work touches only that employee's files: whatever may tell the user something (a
// file put back from Backup) is done before, on this thread (LiveFilesThere).
template <class Work> void ForEachEmployee(std::int32_t count, const Work& work) {
    std::atomic<std::int32_t> next{1};
    std::mutex guard;
    std::exception_ptr first;
    const auto run = [&] {
        for (std::int32_t i = next++; i <= count; i = next++) {
            try {
                work(i);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(guard);
                if (!first) first = std::current_exception();
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (std::int32_t k = 1; k < std::min<std::int32_t>(count, 8); ++k)
            helpers.emplace_back(run);
        run();
    }
    if (first) std::rethrow_exception(first);
}

// Appends the offload file's records after the live ones, then deletes it. A rerun
// after an interruption between the two finds the records already in the live file
// and only deletes the offload file.
void RestoreFile(const QString& live, const QString& offload, int recordLength) {
    if (!Exists(offload)) return;
    const QByteArray records = WholeRecords(offload, recordLength);
    if (!records.isEmpty()) {
        const QByteArray current =
            RecordCount(live, static_cast<std::int16_t>(recordLength)) > 0 ? WholeRecords(live, recordLength)
                                                                            : QByteArray();
        if (!HoldsRun(current, records, recordLength)) WriteWholeFile(live, current + records);
    }
    DeleteDataFile(offload);
}

// A write cut off by the end of the process leaves its temporary file beside its target.
bool Temporary(const QString& fileName) {
    return fileName.contains(QLatin1String(TemporaryMark));
}

// Only this program writes into the year folders, one copy at a time: every temporary
// file in one is a leftover.
void RemoveTemporaries(const QString& name) {
    const QDir folder(DataPath(name));
    for (const QString& file : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (Temporary(file)) QFile::remove(folder.filePath(file));
}

void RemoveFolder(const QString& name) {
    if (!Exists(name)) return;
    RemoveTemporaries(name);
    if (!QDir().rmdir(DataPath(name))) throw FileError(DataPath(name), QStringLiteral("The folder could not be removed."));
}

// Every live file the work reads is there, or put back from Backup, before anything
// changes: one that cannot be put back stops it with every file as it was. The pay
// histories of the employees for whom `wanted` is true.
template <class Wanted> void LiveFilesThere(std::int32_t employeeCount, const Wanted& wanted) {
    FileExistsOrThrow(SummaryRecordsFile);
    for (std::int32_t i = 1; i <= employeeCount; ++i) {
        if (!wanted(i)) continue;
        MakeFolder(u"/Employees");
        MakeFolder(EmployeeFolder(i));
        FileExistsOrThrow(PayRecordsFile(EmployeeNumber(i)));
    }
}

// The folder of the year's files as it stands: being restored, or offloaded.
QString CurrentFolder(const QString& year) {
    return Exists(RestoringFolder(year)) ? RestoringFolder(year) : YearFolder(year);
}

} // namespace

QString YearFolder(const QString& year) {
    return QStringLiteral("/Backup/PayrollRecords ") + year;
}
QString OffloadingFolder(const QString& year) {
    return YearFolder(year) + QStringLiteral(".offloading");
}
QString RestoringFolder(const QString& year) {
    return YearFolder(year) + QStringLiteral(".restoring");
}
QString SummaryOffloadName(const QString& year) {
    return QStringLiteral("SummaryOffload ") + year + QStringLiteral(".txt");
}
QString PayOffloadName(const QString& year) {
    return QStringLiteral("PayrollRecords ") + year + QStringLiteral(".txt");
}

bool YearOffloaded(const QString& year) {
    return Exists(YearFolder(year)) || Exists(RestoringFolder(year));
}

QString UnfinishedAction(const QString& year) {
    // A restore finishes an unfinished offload of its year first: the offload is what is
    // left to do.
    if (Exists(OffloadingFolder(year))) return QStringLiteral("Offload");
    if (Exists(RestoringFolder(year))) return QStringLiteral("Restore");
    return {};
}

QStringList UnfinishedYears() {
    static const QRegularExpression work(QStringLiteral("^PayrollRecords (\\d+)\\.(offloading|restoring)$"));
    QStringList years;
    for (const QString& name : QDir(DataPath(u"/Backup")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QRegularExpressionMatch match = work.match(name);
        if (match.hasMatch() && !years.contains(match.captured(1))) years << match.captured(1);
    }
    return years;
}

void OffloadYear(const QString& year, std::int32_t employeeCount) {
    LiveFilesThere(employeeCount, [](std::int32_t) { return true; });
    const QString work = OffloadingFolder(year);
    const RecordRule stays = OtherYears(year);
    MakeFolder(u"/Backup");
    MakeFolder(work);
    RemoveTemporaries(work);
    for (std::int32_t i = 1; i <= employeeCount; ++i) {
        MakeFolder(QString(work + u'/' + EmployeeNumber(i)));
        RemoveTemporaries(work + u'/' + EmployeeNumber(i));
    }

    OffloadFile(SummaryRecordsFile, SummaryUpdateFile, work + u'/' + SummaryOffloadName(year), SummaryRecord::Length,
                Emptied::RemoveFile, stays);
    DeleteFileAndBackup(EmployeeUpdateFile);
    ForEachEmployee(employeeCount, [&](std::int32_t i) {
        OffloadFile(PayRecordsFile(EmployeeNumber(i)), EmployeeFolder(i) + EmployeeUpdateFile,
                    work + u'/' + EmployeeNumber(i) + u'/' + PayOffloadName(year), PayRecord::Length,
                    Emptied::KeepEmptyFile, stays);
    });
    // Only now is the year offloaded.
    MoveFileOver(DataPath(work), DataPath(YearFolder(year)));
}

RestoreCheck CheckRestore(const QString& year, std::int32_t employeeCount) {
    RestoreCheck check;
    const QString folder = CurrentFolder(year);
    const QDir dir(DataPath(folder));
    if (!dir.exists()) return check;
    const auto holdsRecords = [](const QString& name, int recordLength) {
        return RecordCount(name, static_cast<std::int16_t>(recordLength)) > 0;
    };
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo& entry : dir.entryInfoList(all, QDir::Name)) {
        const QString name = entry.fileName();
        if (entry.isFile() && Temporary(name)) continue;
        if (entry.isFile() && name == SummaryOffloadName(year)) {
            check.anyRecords = check.anyRecords || holdsRecords(folder + u'/' + name, SummaryRecord::Length);
            continue;
        }
        bool number = false;
        const int employee = name.toInt(&number) - 1000;
        if (!entry.isDir() || !number || name != QString::number(employee + 1000) || employee < 1 ||
            employee > employeeCount) {
            check.strangers << name;
            continue;
        }
        for (const QFileInfo& inner : QDir(entry.filePath()).entryInfoList(all, QDir::Name)) {
            if (inner.isFile() && Temporary(inner.fileName())) continue;
            if (inner.isFile() && inner.fileName() == PayOffloadName(year))
                check.anyRecords = check.anyRecords ||
                                   holdsRecords(folder + u'/' + name + u'/' + inner.fileName(), PayRecord::Length);
            else
                check.strangers << name + u'/' + inner.fileName();
        }
    }
    return check;
}

void RestoreYear(const QString& year, std::int32_t employeeCount) {
    const QString work = RestoringFolder(year);
    const QString current = CurrentFolder(year);
    LiveFilesThere(employeeCount, [&](std::int32_t i) {
        return Exists(current + u'/' + EmployeeNumber(i) + u'/' + PayOffloadName(year));
    });
    if (!Exists(work)) MoveFileOver(DataPath(YearFolder(year)), DataPath(work));
    RestoreFile(SummaryRecordsFile, work + u'/' + SummaryOffloadName(year), SummaryRecord::Length);
    const auto folderOf = [&](std::int32_t i) { return work + u'/' + EmployeeNumber(i); };
    ForEachEmployee(employeeCount, [&](std::int32_t i) {
        if (!Exists(folderOf(i))) return;
        RestoreFile(PayRecordsFile(EmployeeNumber(i)), folderOf(i) + u'/' + PayOffloadName(year), PayRecord::Length);
        RemoveFolder(folderOf(i));
    });
    RemoveFolder(work);
}

} // namespace yearend
