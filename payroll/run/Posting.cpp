#include "Posting.h"

#include "DataFiles.h"
#include "Dates.h"
#include "Globals.h"
#include "PayRun.h"
#include "Records.h"

#include <algorithm>
#include <array>
#include <optional>

void SaveMemoText(const QString& fileName, const QString& text) {
    QString backupName = fileName;
    backupName.replace(u'\\', u'/');
    if (!backupName.startsWith(u'/')) backupName.prepend(u'/');
    DeleteDataFile(QStringLiteral("/Backup") + backupName);
    TextOutput memo = OpenOutput(fileName);
    memo.print(text);
    memo.close();
}

// ---- The run's records -----------------------------------------------------------------------

PayRecord PayRecordOfRow(const PayRow& row, double checkDate) {
    const auto amount = [](const std::optional<Money>& shown) { return shown.value_or(Money()); };
    PayRecord p;
    p.PayDate = checkDate;
    p.EmployeeName = row.Name;
    p.EmployeeNo = row.Number.trimmed();
    p.Hours = row.Hours;
    p.Gross = row.Gross;
    p.FederalTax = row.TaxAmount(PayCol::Federal);
    p.ExtraFederal = row.TaxAmount(PayCol::ExtraFederal);
    p.Fica = row.TaxAmount(PayCol::Fica);
    p.Medicare = row.TaxAmount(PayCol::Medicare);
    p.StateTax = row.TaxAmount(PayCol::State);
    p.LocalTax = row.TaxAmount(PayCol::Local);
    p.ChildSupport = amount(row.ChildSupport);
    p.SupportFee = amount(row.SupportFee);
    p.Deduction401k = amount(row.Deduction401k);
    p.Match401k = amount(row.Match401k);
    p.Insurance = amount(row.Insurance);
    return p;
}

std::vector<PayRecord> PayRecordsOfRun(const PayRun& run, double checkDate) {
    std::vector<PayRecord> records;
    for (int n = 1; n <= run.RowCount(); ++n)
        if (run.Row(n).Marked) records.push_back(PayRecordOfRow(run.Row(n), checkDate));
    return records;
}

RegisterRun RegisterEntriesOfRun(const PayRun& payRun, int firstCheck, QDate checkDate) {
    RegisterRun run;
    int n = 0;
    for (int row = 1; row <= payRun.RowCount(); ++row) {
        const PayRow& r = payRun.Row(row);
        if (!r.Marked) continue;
        RegisterEntry entry = PaycheckEntry(firstCheck + n, checkDate, r.Name, r.NetPay);
        ++n;
        // The register states the amount at cents; the total is of what it states.
        run.runTotal += MoneyOf(entry.Amount);
        run.entries.push_back(std::move(entry));
    }
    return run;
}


// ---- One run's posting -------------------------------------------------------------------------

void RunPosting::PostPayRecordsAndTotals() {
    SavePayRecords(payRecords, payRecordWritten);
    if (totalsRebuilt) return;
    AddToYTDsAndRebuild(payRecords, totalsAdded, checkDate);
    totalsRebuilt = true;
}

void RunPosting::NumberChecksFrom(const QString& typedFirstCheck) {
    if ((bankOption != 0 && bankOption != 1) || checkNumbersFixed()) return;
    const std::optional<int> first =
        FirstCheckNumber(typedFirstCheck, static_cast<int>(checks.entries.size()));
    firstCheck = first.value_or(0);
    if (first) NumberChecks(checks.entries, *first);
    registerStaged = false;
}

bool RunPosting::payRecordsDone() const {
    return totalsRebuilt;
}

namespace {

int CountSet(const std::vector<bool>& flags) {
    return static_cast<int>(std::ranges::count(flags, true));
}

// The names of the records whose flag is as given.
QString NamesWhere(const std::vector<PayRecord>& records, const std::vector<bool>& flags, bool set) {
    QStringList names;
    for (std::size_t i = 0; i < records.size(); ++i)
        if ((i < flags.size() && flags[i]) == set) names << TrimmedField(records[i].EmployeeName);
    return names.join(QStringLiteral(", "));
}

QString Checks(int first, int count) {
    if (count == 1) return QStringLiteral("check %1").arg(first);
    return QStringLiteral("checks %1 to %2").arg(first).arg(first + count - 1);
}

QString AccountName(int bankOption) {
    return bankOption == 0 ? QStringLiteral("the payroll checking account")
                           : QStringLiteral("the general checking account");
}

} // namespace

bool RunPosting::anythingWritten() const {
    return CountSet(payRecordWritten) > 0 || registerAppended > 0 || accountSaved;
}

QStringList RunPosting::written() const {
    QStringList lines;
    const int total = static_cast<int>(payRecords.size());
    const int pays = CountSet(payRecordWritten);
    if (pays == total && total > 0)
        lines << QStringLiteral("the pay records of all %1 employees").arg(total);
    else if (pays > 0)
        lines << QStringLiteral("the pay records of %1").arg(NamesWhere(payRecords, payRecordWritten, true));
    const int totals = CountSet(totalsAdded);
    if (totalsRebuilt)
        lines << QStringLiteral("the year-to-date totals, rebuilt for %1").arg(checkDate.year());
    else if (totals > 0)
        lines << QStringLiteral("this pay in the year-to-date totals of %1")
                     .arg(NamesWhere(payRecords, totalsAdded, true));
    if (registerAppended > 0)
        lines << QStringLiteral("%1 in %2")
                     .arg(Checks(firstCheck, registerAppended), RegisterFileOf(bankOption).mid(1));
    if (accountSaved)
        lines << QStringLiteral("the new balance and next check number of %1").arg(AccountName(bankOption));
    return lines;
}

QStringList RunPosting::missing() const {
    QStringList lines;
    const int total = static_cast<int>(payRecords.size());
    if (CountSet(payRecordWritten) < total)
        lines << QStringLiteral("the pay records of %1").arg(NamesWhere(payRecords, payRecordWritten, false));
    if (CountSet(totalsAdded) < total)
        lines << QStringLiteral("this pay in the year-to-date totals of %1")
                     .arg(NamesWhere(payRecords, totalsAdded, false));
    if (!totalsRebuilt)
        lines << QStringLiteral("the rebuild of the year-to-date totals for %1").arg(checkDate.year());
    if (bankOption == 0 || bankOption == 1) {
        const int count = static_cast<int>(checks.entries.size());
        if (registerAppended < count)
            lines << QStringLiteral("%1 in %2")
                         .arg(Checks(firstCheck + registerAppended, count - registerAppended),
                              RegisterFileOf(bankOption).mid(1));
        if (!accountSaved)
            lines
                << QStringLiteral("the new balance and next check number of %1").arg(AccountName(bankOption));
    }
    return lines;
}

QString PostingFailureText(const RunPosting& posting, const QString& problem) {
    const auto list = [](const QStringList& lines) {
        if (lines.isEmpty()) return QStringLiteral("   nothing");
        return QStringLiteral("   ") + lines.join(QStringLiteral("\r\n   "));
    };
    return QStringLiteral("The Payroll could not be completely posted:\r\n") + problem +
           QStringLiteral("\r\n\r\nWritten:\r\n") + list(posting.written()) +
           QStringLiteral("\r\n\r\nNot written:\r\n") + list(posting.missing());
}
