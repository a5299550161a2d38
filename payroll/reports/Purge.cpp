#include "Purge.h"

#include "Checkbook.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Globals.h"
#include "PayFiles.h"
#include "RewriteFile.h"

#include <QDir>

#include <map>

namespace {

constexpr int SummaryDateOffset = FieldOffsetOf(&SummaryRecord::PayDate);
constexpr int PayDateOffset = FieldOffsetOf(&PayRecord::PayDate);
static_assert(SummaryDateOffset == 0 && PayDateOffset == 0);

const QString PaycheckCategory = QStringLiteral("Employee Paycheck");
const QString VoidStatus = QStringLiteral("Void");

// The records of any other day stay; a time of day stored with a date does not matter.
RecordRule OtherDays(QDate payDate, int dateOffset) {
    return [payDate, dateOffset](QByteArrayView record) {
        return DateOfOle(StoredDate(record, dateOffset)) != payDate;
    };
}

QString EmployeeNumberOf(std::int32_t recordNumber) {
    return QString::number(1000 + recordNumber);
}

// Takes the amounts of the paychecks that left out of their employees' totals, for those
// dated in the year the totals are kept for. The rebuild that follows recomputes the
// totals of every employee still holding pay records; an employee whose history the purge
// emptied keeps what the rebuild cannot see: the totals before the purged paychecks.
void TakeOutOfYTDs(const std::map<std::int32_t, QByteArray>& leftByEmployee, int year) {
    bool anyInYear = false;
    RecordFileImage employees(EmployeeFile, EmployeeRecord::Length);
    for (const auto& [recordNumber, records] : leftByEmployee) {
        std::optional<EmployeeRecord> employee = employees.get<EmployeeRecord>(recordNumber);
        if (!employee) continue;
        for (qsizetype at = 0; at + PayRecord::Length <= records.size(); at += PayRecord::Length) {
            const PayRecord paycheck = PayRecord::decode(QByteArrayView(records).sliced(at, PayRecord::Length));
            if (YearOfOle(paycheck.PayDate) != year) continue;
            for (const auto& [amount, total] : YearToDateFields)
                (*employee).*total -= paycheck.*amount;
            anyInYear = true;
        }
        employees.put(recordNumber, *employee);
    }
    if (anyInYear) employees.save();
}

void DeleteFilesIn(const QString& relativeFolder) {
    const QDir folder(DataPath(relativeFolder));
    for (const QString& file : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        DeleteDataFile(relativeFolder + u'/' + file);
}

} // namespace

// ---- The dated purge -----------------------------------------------------------------------

DatedPurge PurgeDatedPayroll(QDate payDate) {
    DeleteFileAndBackup(u"/EmployeeUpdate.txt");
    std::vector<RewriteJob> jobs;
    jobs.push_back({SummaryRecordsFile, SummaryUpdateFile, SummaryRecord::Length,
                    OtherDays(payDate, SummaryDateOffset), Emptied::RemoveFile, {}});

    EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
    std::map<std::int32_t, QByteArray> leftByEmployee;
    if (EmployeeCount > 0) MakeFolder(u"/Employees");
    for (std::int32_t n = 1; n <= EmployeeCount; ++n) {
        const QString number = EmployeeNumberOf(n);
        MakeFolder(QStringLiteral("/Employees/") + number);
        jobs.push_back({PayRecordsFile(number), EmployeeUpdateFile(number), PayRecord::Length,
                        OtherDays(payDate, PayDateOffset), Emptied::KeepEmptyFile,
                        [&leftByEmployee, n](const QByteArray& left) {
                            if (!left.isEmpty()) leftByEmployee[n] = left;
                        }});
    }
    // Every file is written before any is replaced, and the disk is waited for once.
    const std::vector<RewriteCount> counts = RewriteFiles(jobs);

    DatedPurge purged;
    purged.runs = counts.front().left;
    for (std::size_t i = 1; i < counts.size(); ++i)
        purged.paychecks += counts[i].left;
    TakeOutOfYTDs(leftByEmployee, Today().year());
    MakeYTDs(Today());
    return purged;
}

// ---- The complete purge --------------------------------------------------------------------

// The order matters when a step fails: the totals go first, while the pay records are still
// there (were the pay histories to go first and the clearing fail, the old totals would stay
// for good: the rebuild keeps the totals of an employee without pay records); the summary goes last,
// so that the main menu keeps offering the reports, and the user keeps seeing that the
// purge is not done, until every pay history is gone. Each backup copy goes before its
// live file, so that no record the purge removed can come back from Backup.
void PurgeAllPayroll() {
    ClearYTDs();
    EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
    for (std::int32_t n = 1; n <= EmployeeCount; ++n) {
        const QString number = EmployeeNumberOf(n);
        DeleteFilesIn(QStringLiteral("/Backup/Employees/") + number);
        DeleteFilesIn(QStringLiteral("/Employees/") + number);
    }
    DeleteFileAndBackup(SummaryRecordsFile);
    DeleteFileAndBackup(PayrollMemoFile);
    DeleteFileAndBackup(TempRegisterFile);
}

QString CheckbookFileOf(const QString& registerFile) {
    return registerFile == PayrollRegisterFile ? PayrollCheckbookInfoFile : CheckbookInfoFile;
}

void PurgeCheckRegister(const QString& registerFile) {
    DeleteFileAndBackup(registerFile);
    DeleteFileAndBackup(CheckbookFileOf(registerFile));
}

// ---- Voiding the paychecks of a date --------------------------------------------------------

namespace {

bool SameCheck(const RegisterEntry& a, const RegisterEntry& b) {
    return TrimmedField(a.CheckNo) == TrimmedField(b.CheckNo) &&
           TrimmedField(a.CheckDate) == TrimmedField(b.CheckDate) &&
           TrimmedField(a.Payee) == TrimmedField(b.Payee) && TrimmedField(a.Amount) == TrimmedField(b.Amount) &&
           TrimmedField(a.Category) == TrimmedField(b.Category);
}

} // namespace

std::vector<ListedPaycheck> DatePaychecks(const QString& registerFile, QDate checkDate) {
    std::vector<ListedPaycheck> listed;
    const std::int32_t count = RecordCount(registerFile, RegisterEntry::Length);
    if (count == 0) return listed;
    const RecordFileImage entries(registerFile, RegisterEntry::Length);
    for (std::int32_t n = 1; n <= count; ++n) {
        const RegisterEntry entry = entries.get<RegisterEntry>(n).value_or(RegisterEntry{});
        if (ParseShortDate(TrimmedField(entry.CheckDate)) != checkDate) continue;
        if (TrimmedField(entry.Category) != PaycheckCategory || TrimmedField(entry.Status) == VoidStatus) continue;
        listed.push_back({n, entry});
    }
    return listed;
}

VoidedChecks VoidPaychecks(const QString& registerFile, const std::vector<ListedPaycheck>& chosen) {
    VoidedChecks voided;
    if (chosen.empty()) return voided;
    RecordFileImage entries(registerFile, RegisterEntry::Length);
    for (const ListedPaycheck& check : chosen) {
        std::optional<RegisterEntry> entry = entries.get<RegisterEntry>(check.recordNumber);
        if (!entry || !SameCheck(*entry, check.entry) || TrimmedField(entry->Status) == VoidStatus) {
            voided.changed.append(TrimmedField(check.entry.CheckNo));
            continue;
        }
        entry->Status = VoidStatus;
        entries.put(check.recordNumber, *entry);
        voided.total += MoneyOf(TrimmedField(entry->Amount));
        ++voided.voided;
    }
    entries.save();
    return voided;
}

void CreditAccount(bool payrollAccount, Money amount) {
    if (payrollAccount) {
        // Kept by this program alone: the figures the setup screen shows are the account's.
        CheckbookInfo account = PayrollAccount();
        account.Balance = CurrencyText(MoneyOf(account.Balance) + amount);
        WritePayrollCheckbookInfo(account);
        PayrollAccount() = account;
        return;
    }
    // Shared with Ambleton, which may have written checks since the setup screen read it.
    CheckbookInfo account = FileExists(CheckbookInfoFile) ? ReadCheckbookInfo().Info : GeneralAccount();
    account.Balance = CurrencyText(MoneyOf(account.Balance) + amount);
    WriteCheckbookInfo(account);
    GeneralAccount() = account;
}
