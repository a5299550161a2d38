#include "Purge.h"

#include "Checkbook.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Globals.h"
#include "PayFiles.h"
#include "RewriteFile.h"

#include <QDir>

#include <algorithm>
#include <utility>

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
    if (EmployeeCount > 0) MakeFolder(u"/Employees");
    for (std::int32_t n = 1; n <= EmployeeCount; ++n) {
        const QString number = EmployeeNumberOf(n);
        MakeFolder(QStringLiteral("/Employees/") + number);
        jobs.push_back({PayRecordsFile(number), EmployeeUpdateFile(number), PayRecord::Length,
                        OtherDays(payDate, PayDateOffset), Emptied::KeepEmptyFile, LeavingRecords()});
    }
    // The totals go first, as the pay histories will read without the date: the rebuild
    // keeps the totals of an employee without pay records, so an employee whose history a
    // purge stopped part-way had emptied would keep the purged pay for good. Once they are
    // saved, every later stop leaves them right for each history, purged or not yet.
    MakeYTDsWithout(Today(), payDate);
    // Every file is written before any is replaced, and the disk is waited for once.
    const std::vector<RewriteCount> counts = RewriteFiles(jobs);

    DatedPurge purged;
    purged.runs = counts.front().left;
    for (std::size_t i = 1; i < counts.size(); ++i)
        purged.paychecks += counts[i].left;
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

namespace {

// A credit owed, as its file keeps it: the register, the amount, the account's balance
// before the credit, the checks' date and count; then each voided check, by its record
// number and check number.
struct OwedCredit {
    QString registerFile;
    Money amount;
    Money before;
    QString checkDate;
    std::vector<std::pair<std::int32_t, QString>> checks;

    bool payrollAccount() const { return registerFile == PayrollRegisterFile; }
};

void WriteOwedCredit(const OwedCredit& owed) {
    TextOutput out = OpenOutput(OwedCreditFile);
    out.write({Item::text(owed.registerFile), Item::text(CurrencyText(owed.amount)),
               Item::text(CurrencyText(owed.before)), Item::text(owed.checkDate),
               Item::number(static_cast<int>(owed.checks.size()))});
    for (const auto& [recordNumber, checkNumber] : owed.checks)
        out.write({Item::number(recordNumber), Item::text(checkNumber)});
    out.close();
}

std::optional<OwedCredit> ReadOwedCredit() {
    if (!FileExists(OwedCreditFile)) return std::nullopt;
    TextInput in = OpenInput(OwedCreditFile);
    OwedCredit owed;
    owed.registerFile = in.readText();
    owed.amount = MoneyOf(in.readText());
    owed.before = MoneyOf(in.readText());
    owed.checkDate = in.readText();
    const std::int64_t count = in.readWhole();
    for (std::int64_t i = 0; i < count && !in.isShort(); ++i) {
        const auto recordNumber = static_cast<std::int32_t>(in.readWhole());
        owed.checks.emplace_back(recordNumber, in.readText());
    }
    if (in.isShort())
        throw FileError(DataPath(OwedCreditFile),
                        QStringLiteral("It ends before all its items: the credit it keeps for voided checks "
                                       "cannot be made."));
    return owed;
}

// Whether the void that owes the credit wrote the register: its checks are void there.
bool ChecksVoided(const OwedCredit& owed) {
    const RecordFileImage entries(owed.registerFile, RegisterEntry::Length);
    return std::ranges::all_of(owed.checks, [&entries](const auto& check) {
        const std::optional<RegisterEntry> entry = entries.get<RegisterEntry>(check.first);
        return entry && TrimmedField(entry->CheckNo) == check.second &&
               TrimmedField(entry->Status) == VoidStatus;
    });
}

// A leftover file of a credit made is harmless: the next settling finds the credit in the
// balance. Best effort, so that a credit made is never told as failed.
void DropOwedCredit() {
    try {
        DeleteDataFile(OwedCreditFile);
    } catch (const FileError&) {
    }
}

// Credits the account, read afresh and whole. Unless the credit is surely not made yet
// (this void, before it tried), the balance tells: still the one before the void, or
// already holding the credit; any other was changed since and is left to the user.
AccountCredit Credit(const OwedCredit& owed, bool surelyOwed) {
    const bool payroll = owed.payrollAccount();
    AccountCredit credit{payroll, owed.amount, owed.checkDate, CreditMade::Credited, {}};
    CheckbookInfo account = ReadWholeAccount(payroll);
    const Money balance = MoneyOf(account.Balance);
    if (surelyOwed || balance == owed.before) {
        account.Balance = CurrencyText(balance + owed.amount);
        if (payroll)
            WritePayrollCheckbookInfo(account);
        else
            WriteCheckbookInfo(account);
    } else {
        credit.made = balance == owed.before + owed.amount ? CreditMade::AlreadyMade : CreditMade::Unsure;
    }
    (payroll ? PayrollAccount() : GeneralAccount()) = account;
    credit.balance = account.Balance;
    DropOwedCredit();
    return credit;
}

} // namespace

std::optional<AccountCredit> SettleOwedCredit() {
    const std::optional<OwedCredit> owed = ReadOwedCredit();
    if (!owed) return std::nullopt;
    if (!ChecksVoided(*owed)) {
        DeleteDataFile(OwedCreditFile);
        return std::nullopt;
    }
    return Credit(*owed, false);
}

VoidedChecks VoidPaychecks(const QString& registerFile, const std::vector<ListedPaycheck>& chosen) {
    VoidedChecks voided;
    // One credit is kept owed at a time.
    voided.earlier = SettleOwedCredit();
    if (chosen.empty()) return voided;
    RecordFileImage entries(registerFile, RegisterEntry::Length);
    OwedCredit owed{registerFile, {}, {}, {}, {}};
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
        owed.checks.emplace_back(check.recordNumber, TrimmedField(entry->CheckNo));
        if (owed.checkDate.isEmpty()) owed.checkDate = TrimmedField(entry->CheckDate);
    }
    if (voided.total == Money()) {
        entries.save();
        return voided;
    }
    // The account is read whole before anything changes, and the credit is owed from
    // before the register is written until the account holds it.
    owed.amount = voided.total;
    owed.before = MoneyOf(ReadWholeAccount(owed.payrollAccount()).Balance);
    WriteOwedCredit(owed);
    try {
        entries.save();
    } catch (const FileError&) {
        DropOwedCredit(); // left behind, it would owe nothing: the checks are not void
        throw;
    }
    try {
        voided.credit = Credit(owed, true);
    } catch (const FileError& error) {
        voided.creditFailure = error.userMessage();
    }
    return voided;
}
