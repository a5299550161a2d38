#include "EmployeeHistory.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Money.h"

#include <QByteArrayView>

#include <algorithm>
#include <cmath>

namespace {

constexpr int DateOffset = FieldOffsetOf(&PayRecord::PayDate);

// The amounts of the report's columns 5 to 14, in column order.
constexpr std::array<Money PayRecord::*, 10> DeductionColumns{
    &PayRecord::FederalTax, &PayRecord::Fica,         &PayRecord::Medicare,     &PayRecord::StateTax,
    &PayRecord::LocalTax,   &PayRecord::ExtraFederal, &PayRecord::ChildSupport, &PayRecord::SupportFee,
    &PayRecord::Insurance,  &PayRecord::Deduction401k};

QStringList RowCells(const QString& date, const QString& number, const QString& name,
                     const PayRecord& amounts, const QString& hours) {
    QStringList cells{date, number, name, CurrencyText(amounts.Gross), hours};
    for (Money PayRecord::*column : DeductionColumns)
        cells << CurrencyText(amounts.*column);
    return cells;
}

// The pay history file of employee 1000 + recordNumber.
QString HistoryFile(std::int32_t recordNumber) {
    return PayRecordsFile(QString::number(1000 + recordNumber));
}

// The records of employee 1000 + recordNumber's pay history dated from start to end, as
// views into a buffer that the next call reuses; nullopt when there is no history.
std::optional<std::vector<QByteArrayView>> DatedRecords(std::int32_t recordNumber, QDate start, QDate end) {
    const QString file = HistoryFile(recordNumber);
    const std::int16_t count = RecordCount(file, PayRecord::Length);
    if (count < 1) return std::nullopt;
    // A report reads the histories of hundreds of employees in a row: one buffer serves
    // them all, so that the first report of a run does not pay for fresh memory for each.
    thread_local QByteArray bytes;
    thread_local QByteArray shortRecord;
    OpenRandomFile(file, PayRecord::Length).readAll(bytes);
    // Stored dates are whole days from this one, so the range compares as day numbers.
    const double first = OleDateOf(start);
    const double last = OleDateOf(end);
    std::vector<QByteArrayView> dated;
    for (qsizetype at = 0; at < qsizetype{count} * PayRecord::Length; at += PayRecord::Length) {
        QByteArrayView record = QByteArrayView(bytes).sliced(std::min(at, bytes.size()));
        if (record.size() >= PayRecord::Length) {
            record = record.first(PayRecord::Length);
        } else {
            // A last record that the end of the file cuts short reads with zeros.
            shortRecord = record.toByteArray();
            shortRecord.append(PayRecord::Length - shortRecord.size(), '\0');
            record = shortRecord;
        }
        const double day = std::floor(StoredDate(record, DateOffset));
        if (day >= first && day <= last) dated.push_back(record);
    }
    return dated;
}

} // namespace

std::optional<EmployeePayHistory> GatherPayHistory(std::int32_t recordNumber, QDate start, QDate end) {
    const std::optional<std::vector<QByteArrayView>> dated = DatedRecords(recordNumber, start, end);
    if (!dated) return std::nullopt;
    const QString file = HistoryFile(recordNumber);
    EmployeePayHistory history;
    history.Paychecks.reserve(dated->size());
    for (const QByteArrayView record : *dated) {
        PayRecord paycheck = PayRecord::decode(record);
        // The cents each row shows, so that a printed column adds up to its total.
        for (const auto& [amount, total] : YearToDateFields)
            AddStoredAmount(history.Totals.*amount, (paycheck.*amount).roundedToCents(), file);
        if (const std::optional<Decimal> hours = ParseNumber(TrimmedField(paycheck.Hours)))
            history.Hours += hours->toDouble();
        history.Paychecks.push_back(std::move(paycheck));
    }
    return history;
}

std::optional<int> CountPaychecks(std::int32_t recordNumber, QDate start, QDate end) {
    const std::optional<std::vector<QByteArrayView>> dated = DatedRecords(recordNumber, start, end);
    if (!dated) return std::nullopt;
    return static_cast<int>(dated->size());
}

QString HoursText(const QString& storedHours) {
    const QString hours = TrimmedField(storedHours);
    const std::optional<Decimal> value = ParseNumber(hours);
    return value ? OneDecimalText(value->toDouble()) : hours;
}

QStringList PaycheckCells(const PayRecord& paycheck) {
    QStringList cells = RowCells(ShortDateText(paycheck.PayDate), TrimmedField(paycheck.EmployeeNo),
                                 TrimmedField(paycheck.EmployeeName), paycheck, HoursText(paycheck.Hours));
    cells << CurrencyText(paycheck.Match401k);
    return cells;
}

QStringList TotalsCells(const EmployeePayHistory& history) {
    QStringList cells =
        RowCells({}, {}, QStringLiteral("TOTALS"), history.Totals, OneDecimalText(history.Hours));
    cells << QString();
    return cells;
}
