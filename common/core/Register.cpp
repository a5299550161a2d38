#include "Register.h"

#include "DataFiles.h"
#include "Dates.h"
#include "SafeWrite.h"

#include <algorithm>

namespace {

const QString PaycheckCategory = QStringLiteral("Employee Paycheck");
const QString PrintedStatus = QStringLiteral("Printed");

// A check number as typed: digits only (blanks around allowed).
std::optional<int> WholeNumber(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 9) return std::nullopt;
    for (QChar c : digits)
        if (!c.isDigit() || c.unicode() > 127) return std::nullopt;
    return digits.toInt();
}

} // namespace

QString CheckNumberProblem(const QString& firstCheck, int checks) {
    const std::optional<int> first = WholeNumber(firstCheck);
    if (!first || *first < 1)
        return QStringLiteral("The 1st Check No must be a whole number from 1 to %1").arg(HighestCheckNo);
    // The account's next check number must fit as well.
    if (*first + checks > HighestCheckNo)
        return QStringLiteral("%1 checks starting with Check No %2 would pass Check No %3,\r\n"
                              "the highest number that can be kept")
            .arg(checks)
            .arg(*first)
            .arg(HighestCheckNo);
    return {};
}

std::optional<int> FirstCheckNumber(const QString& firstCheck, int checks) {
    if (!CheckNumberProblem(firstCheck, checks).isEmpty()) return std::nullopt;
    return WholeNumber(firstCheck);
}

int NextCheckNumber(const QString& shownNext, int firstCheck, int checks) {
    const int afterRun = firstCheck + checks;
    const std::optional<int> shown = WholeNumber(shownNext);
    if (shown && *shown <= HighestCheckNo) return std::max(*shown, afterRun);
    return afterRun;
}

RegisterEntry PaycheckEntry(int checkNo, QDate checkDate, const QString& payee, Money netPay) {
    RegisterEntry entry;
    entry.CheckNo = QString::number(checkNo);
    entry.CheckDate = ShortDateText(checkDate);
    entry.Payee = payee;
    entry.Amount = CurrencyText(netPay);
    entry.Category = PaycheckCategory;
    entry.Status = PrintedStatus;
    return entry;
}

void NumberChecks(std::vector<RegisterEntry>& entries, int firstCheck) {
    int checkNo = firstCheck;
    for (RegisterEntry& entry : entries)
        entry.CheckNo = QString::number(checkNo++);
}

void BuildRegisterRecords(const std::vector<RegisterEntry>& entries) {
    DeleteFileAndBackup(TempRegisterFile);
    // A working copy that only this posting reads back: it need not wait for the disk.
    const AppendBatch scratch;
    for (const RegisterEntry& entry : entries) {
        CurrentRegisterEntry = entry;
        WriteTempRegister(entry);
    }
}

void WriteTempRegister(const RegisterEntry& entry) {
    FileExists(TempRegisterFile);
    OpenRandomFile(TempRegisterFile, RegisterEntry::Length).add(entry);
}

int StagedEntryCount() {
    return RecordCount(TempRegisterFile, RegisterEntry::Length);
}

void AppendRegister(const QString& registerFile, int& appended) {
    // FileExists may bring a lost register back from Backup before it grows.
    FileExists(registerFile);
    const int count = StagedEntryCount();
    RandomFile staged = OpenRandomFile(TempRegisterFile, RegisterEntry::Length);
    RandomFile target = OpenRandomFile(registerFile, RegisterEntry::Length);
    // The entries reach the disk in one sync before any is counted as appended; a sync
    // that fails takes them all out again.
    const int before = appended;
    AppendTogether(
        [&] {
            for (int i = appended + 1; i <= count; ++i) {
                const std::optional<QByteArray> entry = staged.read(i);
                if (!entry) break;
                target.append(*entry);
                appended = i;
            }
        },
        [&](const QStringList& undone) {
            if (!undone.isEmpty()) appended = before;
        });
}

QString RegisterFileOf(int bankOption) {
    if (bankOption == 0) return PayrollRegisterFile;
    if (bankOption == 1) return GeneralRegisterFile;
    return {};
}

Money DebitedBalance(Money balance, Money runTotal) {
    const Money left = balance - runTotal;
    return left < Money() ? Money() : left;
}
