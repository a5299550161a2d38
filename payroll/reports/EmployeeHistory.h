#pragma once

#include "Records.h"

#include <QDate>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// One employee's paychecks within a date range and what they add up to: the figures
// of the employee pay-history report, gathered without any window.
struct EmployeePayHistory {
    // The paychecks dated within the range, in the order they were posted.
    std::vector<PayRecord> Paychecks;
    // The eleven amounts that the year-to-date totals add up, summed over the
    // paychecks at the cents the report shows for each (so every column adds up to its
    // total); the employer's 401k match is not totalled and stays zero.
    PayRecord Totals;
    // The hours of the paychecks whose hours are a number ("N/A" and pay-type words
    // count nothing).
    double Hours = 0;
};

// The paychecks of employee 1000 + recordNumber dated from start to end, both days
// included (a time of day on a stored date does not move it out of its day).
// nullopt when the employee has no pay history: no file, or a file without a record.
// Throws FileError when the history cannot be read.
std::optional<EmployeePayHistory> GatherPayHistory(std::int32_t recordNumber, QDate start, QDate end);
// How many paychecks GatherPayHistory would gather, without decoding them.
std::optional<int> CountPaychecks(std::int32_t recordNumber, QDate start, QDate end);

// The report's sixteen cells of one paycheck: date, number, name, gross, hours, then
// federal tax, Social Security, Medicare, state, local, additional federal, child
// support, support fee, insurance, 401k and the employer's match.
QStringList PaycheckCells(const PayRecord& paycheck);
// The "TOTALS" line of one employee in the same columns; the match column stays empty.
QStringList TotalsCells(const EmployeePayHistory& history);
// The hours as the report shows them: a number with one decimal; any other word as it stands.
QString HoursText(const QString& storedHours);
