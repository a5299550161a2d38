#include "PayFiles.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Globals.h"
#include "SafeWrite.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
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
// year on a day before beforeDay, but for those of the day left out (when it is not
// null). The file is read in one go and only the date and the amounts of each record
// are taken from its bytes; CurrentPayRecord ends holding the last record, as if each
// record had been read into it in turn.
Totals yearTotals(const QString& payRecords, int count, int year, QDate leftOut = {},
                  double beforeDay = std::numeric_limits<double>::infinity()) {
    Totals totals{};
    QByteArray bytes = OpenRandomFile2(payRecords, PayRecord::Length).readAll();
    // The count is rounded: a last record that the end cuts short reads with zeros.
    const qsizetype needed = qsizetype{count} * PayRecord::Length;
    if (bytes.size() < needed) bytes.append(needed - bytes.size(), '\0');
    const QByteArrayView all(bytes);
    for (int n = 0; n < count; ++n) {
        const QByteArrayView record = all.sliced(qsizetype{n} * PayRecord::Length, PayRecord::Length);
        const double payDate = StoredDate(record, PayDateOffset);
        if (YearOfOle(payDate) != year || std::floor(payDate) >= beforeDay ||
            (!leftOut.isNull() && DateOfOle(payDate) == leftOut))
            continue;
        for (size_t i = 0; i < totals.size(); ++i)
            totals[i] += StoredMoney(record, AmountOffsets[i]);
    }
    CurrentPayRecord = PayRecord::decode(all.sliced(needed - PayRecord::Length, PayRecord::Length));
    return totals;
}

// Rebuilds the totals of the first EmployeeCount records of the employee file in memory.
void RebuildYTDs(RecordFileImage& employees, int year, QDate leftOut = {}) {
    for (std::int32_t r = 1; r <= EmployeeCount; ++r) {
        CurrentEmployee = employees.get<EmployeeRecord>(r).value_or(EmployeeRecord{});
        const QString payRecords = PayRecordsFile(TrimmedField(CurrentEmployee.EmployeeNo));
        const int count = RecordCount(payRecords, PayRecord::Length);
        // Never paid: the totals typed on the employee screen stay.
        if (count == 0) continue;
        const Totals totals = yearTotals(payRecords, count, year, leftOut);
        for (size_t i = 0; i < totals.size(); ++i)
            CurrentEmployee.*(YearToDateFields[i].second) = totals[i];
        employees.put(r, CurrentEmployee);
    }
}

} // namespace

void MakeYTDs(QDate date) {
    MakeYTDsWithout(date, QDate());
}

void MakeYTDsWithout(QDate date, QDate leftOut) {
    EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
    if (EmployeeCount == 0) return;
    RecordFileImage employees(EmployeeFile, EmployeeRecord::Length);
    RebuildYTDs(employees, date.year(), leftOut);
    employees.save();
}

void MakeYTDs(double oleDate) {
    MakeYTDs(DateOfOle(oleDate));
}

Money YearGrossBefore(const QString& employeeNo, double date) {
    const QString payRecords = PayRecordsFile(employeeNo);
    const int count = RecordCount(payRecords, PayRecord::Length);
    if (count == 0) return Money();
    static_assert(YearToDateFields[0].first == &PayRecord::Gross);
    return yearTotals(payRecords, count, YearOfOle(date), {}, std::floor(date))[0];
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
    r.TotalWages = Line(s, PaymentLine::Wages);
    r.TotalFederal = Line(s, PaymentLine::Federal);
    r.TotalExtraFederal = Line(s, PaymentLine::ExtraFederal);
    r.TotalFica = Line(s, PaymentLine::Fica);
    r.TotalMedicare = Line(s, PaymentLine::Medicare);
    r.TotalState = Line(s, PaymentLine::State);
    r.TotalLocal = Line(s, PaymentLine::Local);
    r.TotalFuta = Line(s, PaymentLine::Futa);
    r.TotalSuta = Line(s, PaymentLine::Suta);
    r.TotalChildSupport = Line(s, PaymentLine::ChildSupport);
    r.TotalSupportFees = Line(s, PaymentLine::SupportFees);
    r.Total401k = Line(s, PaymentLine::Deductions401k);
    r.TotalInsurance = Line(s, PaymentLine::Insurance);
    r.TotalMatch401k = Line(s, PaymentLine::Match401k);
    return r;
}

void SaveSummaryRecord(double checkDate, const std::array<QString, 15>& paymentSummary) {
    AppendSummaryRecord(RunSummaryRecord(checkDate, paymentSummary));
}

void AppendSummaryRecord(const SummaryRecord& summary) {
    CurrentSummary = summary;
    // A lost file comes back from Backup before it grows.
    FileExists(SummaryRecordsFile);
    OpenRandomFile(SummaryRecordsFile, SummaryRecord::Length).add(CurrentSummary);
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
                FileExists(file);
                OpenRandomFile(file, PayRecord::Length).add(CurrentPayRecord);
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

void AddToYTDsAndRebuild(const std::vector<PayRecord>& payRecords, std::vector<bool>& added, QDate date) {
    EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
    RecordFileImage employees(EmployeeFile, EmployeeRecord::Length);
    std::vector<bool> adding = added;
    AddPayToTotals(employees, payRecords, adding);
    RebuildYTDs(employees, date.year());
    employees.save();
    added = std::move(adding);
}
