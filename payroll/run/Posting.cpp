#include "Posting.h"

#include "DataFiles.h"
#include "Dates.h"
#include "Globals.h"
#include "Records.h"

#include <algorithm>
#include <array>

namespace {

const QString EmployeeFile = QStringLiteral("/Employees.txt");

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

} // namespace

void MakeYTDs(QDate date) {
    EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
    for (std::int32_t r = 1; r <= EmployeeCount; ++r) {
        LoadEmployee(r);
        const QString payRecords = QStringLiteral("/Employees/") + TrimmedField(CurrentEmployee.EmployeeNo) +
                                   QStringLiteral("/PayRecords.txt");
        const int count = RecordCount(payRecords, PayRecord::Length);
        // Never paid: the totals typed on the employee screen stay.
        if (count == 0) continue;
        const Totals totals = yearTotals(payRecords, count, date.year());
        for (size_t i = 0; i < totals.size(); ++i)
            CurrentEmployee.*(YearToDateFields[i].second) = totals[i];
        SaveEmployee(r);
    }
}

void MakeYTDs(double oleDate) {
    MakeYTDs(DateOfOle(oleDate));
}

void ClearYTDs() {
    const int count = RecordCount(EmployeeFile, EmployeeRecord::Length);
    for (std::int32_t r = 1; r <= count; ++r) {
        LoadEmployee(r);
        for (const auto& field : YearToDateFields)
            CurrentEmployee.*(field.second) = Money();
        SaveEmployee(r);
    }
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
