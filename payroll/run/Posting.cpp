#include "Posting.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "PayEngine.h"
#include "Records.h"
#include "SafeWrite.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

using Totals = std::array<Money, YearToDateFields.size()>;

constexpr int PayDateOffset = FieldOffsetOf(&PayRecord::PayDate);
constexpr std::array<int, YearToDateFields.size()> AmountOffsets = [] {
    std::array<int, YearToDateFields.size()> offsets{};
    for (size_t i = 0; i < offsets.size(); ++i)
        offsets[i] = FieldOffsetOf(YearToDateFields[i].first);
    return offsets;
}();
static_assert(PayDateOffset >= 0 &&
              std::ranges::none_of(AmountOffsets, [](int offset) { return offset < 0; }));

// Adds up the amounts of the first count pay records of the file that fall in the
// year. The file is read in one go and only the date and the amounts of each record
// are taken from its bytes; CurrentPayRecord ends holding the last record, as if
// each record had been read into it in turn.
Totals yearTotals(const QString& payRecords, int count, int year) {
    Totals totals{};
    QByteArray bytes = OpenRandomFile2(payRecords, PayRecord::Length).readAll();
    // The count is rounded: a last record that the end cuts short reads with zeros.
    const qsizetype needed = qsizetype{count} * PayRecord::Length;
    if (bytes.size() < needed) bytes.append(needed - bytes.size(), '\0');
    const QByteArrayView all(bytes);
    for (int n = 0; n < count; ++n) {
        const QByteArrayView record = all.sliced(qsizetype{n} * PayRecord::Length, PayRecord::Length);
        if (YearOfOle(StoredDate(record, PayDateOffset)) != year) continue;
        for (size_t i = 0; i < totals.size(); ++i)
            totals[i] += StoredMoney(record, AmountOffsets[i]);
    }
    CurrentPayRecord = PayRecord::decode(all.sliced(needed - PayRecord::Length, PayRecord::Length));
    return totals;
}

// Rebuilds the totals of the first EmployeeCount records of the employee file in memory.
void RebuildYTDs(RecordFileImage& employees, int year) {
    for (std::int32_t r = 1; r <= EmployeeCount; ++r) {
        CurrentEmployee = employees.get<EmployeeRecord>(r).value_or(EmployeeRecord{});
        const QString payRecords = PayRecordsFile(TrimmedField(CurrentEmployee.EmployeeNo));
        const int count = RecordCount(payRecords, PayRecord::Length);
        // Never paid: the totals typed on the employee screen stay.
        if (count == 0) continue;
        const Totals totals = yearTotals(payRecords, count, year);
        for (size_t i = 0; i < totals.size(); ++i)
            CurrentEmployee.*(YearToDateFields[i].second) = totals[i];
        employees.put(r, CurrentEmployee);
    }
}

} // namespace

void MakeYTDs(QDate date) {
    EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
    if (EmployeeCount == 0) return;
    RecordFileImage employees(EmployeeFile, EmployeeRecord::Length);
    RebuildYTDs(employees, date.year());
    employees.save();
}

void MakeYTDs(double oleDate) {
    MakeYTDs(DateOfOle(oleDate));
}

void ClearYTDs() {
    const int count = RecordCount(EmployeeFile, EmployeeRecord::Length);
    if (count == 0) return;
    RecordFileImage employees(EmployeeFile, EmployeeRecord::Length);
    for (std::int32_t r = 1; r <= count; ++r) {
        CurrentEmployee = employees.get<EmployeeRecord>(r).value_or(EmployeeRecord{});
        for (const auto& field : YearToDateFields)
            CurrentEmployee.*(field.second) = Money();
        employees.put(r, CurrentEmployee);
    }
    employees.save();
}

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

namespace {

// The employee record of a pay record: its number less 1000.
std::int32_t RecordOfEmployee(const PayRecord& pay) {
    bool ok = false;
    const int number = TrimmedField(pay.EmployeeNo).toInt(&ok);
    if (!ok || number <= 1000)
        throw FileError(DataPath(EmployeeFile),
                        QStringLiteral("The employee number \"%1\" of %2 names no employee record.")
                            .arg(TrimmedField(pay.EmployeeNo), TrimmedField(pay.EmployeeName)));
    return number - 1000;
}

Money Line(const std::array<QString, 15>& summary, int line) {
    return MoneyOf(summary[static_cast<std::size_t>(line)]);
}

} // namespace

SummaryRecord RunSummaryRecord(double checkDate, const std::array<QString, 15>& paymentSummary) {
    const auto& s = paymentSummary;
    SummaryRecord r;
    r.PayDate = checkDate;
    r.TotalWages = Line(s, 0);
    r.TotalFederal = Line(s, 1);
    r.TotalExtraFederal = Line(s, 2);
    r.TotalFica = Line(s, 3);
    r.TotalMedicare = Line(s, 4);
    r.TotalState = Line(s, 5);
    r.TotalLocal = Line(s, 6);
    r.TotalFuta = Line(s, 7);
    r.TotalSuta = Line(s, 12);
    r.TotalChildSupport = Line(s, 9);
    r.TotalSupportFees = Line(s, 10);
    r.Total401k = Line(s, 11);
    r.TotalInsurance = Line(s, 13);
    r.TotalMatch401k = Line(s, 14);
    return r;
}

void SaveSummaryRecord(double checkDate, const std::array<QString, 15>& paymentSummary) {
    CurrentSummary = RunSummaryRecord(checkDate, paymentSummary);
    const std::int32_t next = RecordCount(SummaryRecordsFile, SummaryRecord::Length) + 1;
    OpenRandomFile(SummaryRecordsFile, SummaryRecord::Length).put(next, CurrentSummary);
}

PayRecord PayRecordOfRow(const FlexGrid& employees, const FlexGrid& aux, int row, Money gross,
                         double checkDate) {
    const auto cell = [&](int col) { return MoneyOf(employees.textMatrix(row, col)); };
    const auto auxCell = [&](int col) { return MoneyOf(aux.textMatrix(row, col)); };
    PayRecord p;
    p.PayDate = checkDate;
    p.EmployeeName = employees.textMatrix(row, PayCol::Name);
    p.EmployeeNo = employees.textMatrix(row, PayCol::Number).trimmed();
    p.Hours = employees.textMatrix(row, PayCol::Hours);
    p.Gross = gross;
    p.FederalTax = cell(PayCol::Federal);
    p.ExtraFederal = cell(PayCol::ExtraFederal);
    p.Fica = cell(PayCol::Fica);
    p.Medicare = cell(PayCol::Medicare);
    p.StateTax = cell(PayCol::State);
    p.LocalTax = cell(PayCol::Local);
    p.ChildSupport = auxCell(AuxCol::ChildSupport);
    p.SupportFee = auxCell(AuxCol::SupportFee);
    p.Deduction401k = auxCell(AuxCol::Deduction401k);
    p.Match401k = auxCell(AuxCol::Match401k);
    p.Insurance = auxCell(AuxCol::Insurance);
    return p;
}

std::vector<PayRecord> PayRecordsOfRun(const FlexGrid& employees, const FlexGrid& aux,
                                       const std::vector<Money>& gross, double checkDate) {
    std::vector<PayRecord> records;
    for (int row = 1; row < employees.rows(); ++row) {
        if (employees.textMatrix(row, PayCol::Mark).isEmpty()) continue;
        const std::size_t r = static_cast<std::size_t>(row);
        records.push_back(
            PayRecordOfRow(employees, aux, row, r < gross.size() ? gross[r] : Money(), checkDate));
    }
    return records;
}

void SavePayRecords(const std::vector<PayRecord>& payRecords, std::vector<bool>& written) {
    written.resize(payRecords.size(), false);
    // The records reach the disk together, in one sync, before any is counted as written.
    std::vector<QString> files(payRecords.size());
    AppendTogether(
        [&] {
            for (std::size_t i = 0; i < payRecords.size(); ++i) {
                if (written[i]) continue;
                CurrentPayRecord = payRecords[i];
                const QString number = TrimmedField(CurrentPayRecord.EmployeeNo);
                // A row without a valid employee number writes nothing.
                static_cast<void>(RecordOfEmployee(CurrentPayRecord));
                // The folder is made at start-up and when the employee is saved; one lost
                // since must not stop the posting half-way.
                MakeFolder(u"/Employees");
                MakeFolder(QStringLiteral("/Employees/") + number);
                const QString file = PayRecordsFile(number);
                const std::int32_t next = RecordCount(file, PayRecord::Length) + 1;
                OpenRandomFile(file, PayRecord::Length).put(next, CurrentPayRecord);
                files[i] = DataPath(file);
                written[i] = true;
            }
        },
        [&](const QStringList& undone) {
            for (std::size_t i = 0; i < files.size(); ++i)
                if (!files[i].isEmpty() && undone.contains(files[i])) written[i] = false;
        });
}

namespace {

// Adds the pay records not yet added to their employees' totals in memory, flagging each.
void AddPayToTotals(RecordFileImage& employees, const std::vector<PayRecord>& payRecords,
                    std::vector<bool>& added) {
    added.resize(payRecords.size(), false);
    for (std::size_t i = 0; i < payRecords.size(); ++i) {
        if (added[i]) continue;
        const PayRecord& pay = payRecords[i];
        const std::int32_t record = RecordOfEmployee(pay);
        const std::optional<EmployeeRecord> stored = employees.get<EmployeeRecord>(record);
        if (!stored)
            throw FileError(
                DataPath(EmployeeFile),
                QStringLiteral("The record of employee %1 is missing.").arg(TrimmedField(pay.EmployeeNo)));
        CurrentEmployee = *stored;
        for (const auto& [amount, total] : YearToDateFields)
            CurrentEmployee.*total += pay.*amount;
        employees.put(record, CurrentEmployee);
        added[i] = true;
    }
}

} // namespace

void AddToYTDs(const std::vector<PayRecord>& payRecords, std::vector<bool>& added) {
    RecordFileImage employees(EmployeeFile, EmployeeRecord::Length);
    // The flags change only once the file holds what they say.
    std::vector<bool> adding = added;
    AddPayToTotals(employees, payRecords, adding);
    employees.save();
    added = std::move(adding);
}

// ---- One run's posting -------------------------------------------------------------------------

// The additions and the rebuild of the totals are one write of the employee file, so
// that the file and the flags never part.
void RunPosting::PostPayRecordsAndTotals() {
    SavePayRecords(payRecords, payRecordWritten);
    if (totalsRebuilt) return;
    EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
    RecordFileImage employees(EmployeeFile, EmployeeRecord::Length);
    std::vector<bool> adding = totalsAdded;
    AddPayToTotals(employees, payRecords, adding);
    RebuildYTDs(employees, periodEnding.year());
    employees.save();
    totalsAdded = std::move(adding);
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
        lines << QStringLiteral("the year-to-date totals, rebuilt for %1").arg(periodEnding.year());
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
        lines << QStringLiteral("the rebuild of the year-to-date totals for %1").arg(periodEnding.year());
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
