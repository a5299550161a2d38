#pragma once

#include "Records.h"

#include <QDate>
#include <QString>

#include <array>
#include <vector>

// The files of the pay that the programs share: the pay records, the summary records
// and the year-to-date totals kept in the employee records.

// Rebuilds the eleven year-to-date totals of every employee in Employees.txt from
// the pay records dated in the calendar year of the date. An employee with no pay
// records (no file, or an empty one) keeps the totals it has; one with pay records
// but none in that year gets zeros.
void MakeYTDs(QDate date);
void MakeYTDs(double oleDate);
// MakeYTDs as the pay histories will read once the pay records of the day left out are
// gone: an employee all of whose pay records are of that day gets zeros.
void MakeYTDsWithout(QDate date, QDate leftOut);
// The gross of the employee's pay records dated in the calendar year of the date on an
// earlier day: the year's wages that a pay of that date follows. Throws FileError.
Money YearGrossBefore(const QString& employeeNo, double date);
// Sets the eleven year-to-date totals of every employee record to zero.
void ClearYTDs();

// ---- The run's records -------------------------------------------------------------------

// The fifteen lines of a run's payment summary, in the order it shows them.
namespace PaymentLine {
inline constexpr int Wages = 0, Federal = 1, ExtraFederal = 2, Fica = 3, Medicare = 4, State = 5, Local = 6,
                     Futa = 7, FundsRequired = 8, ChildSupport = 9, SupportFees = 10, Deductions401k = 11,
                     Suta = 12, Insurance = 13, Match401k = 14;
}

// The run's summary record: the check date and the fourteen stored lines of the payment
// summary (its fifteen amounts as shown; line 8, the funds required, is not stored).
SummaryRecord RunSummaryRecord(double checkDate, const std::array<QString, 15>& paymentSummary);
// Appends the run's summary record to SummaryRecords.txt. Throws FileError.
void SaveSummaryRecord(double checkDate, const std::array<QString, 15>& paymentSummary);
// Appends a summary record as it stands (it becomes CurrentSummary). Throws FileError.
void AppendSummaryRecord(const SummaryRecord& summary);

// Appends each pay record to its employee's PayRecords.txt (making the employee's folder
// when it is missing). Records whose flag in `written` is set are skipped; each record
// written gets its flag, so that after a FileError a retry writes only the rest.
void SavePayRecords(const std::vector<PayRecord>& payRecords, std::vector<bool>& written);
// Adds each pay record's eleven amounts to its employee's year-to-date totals in
// Employees.txt (record = employee number - 1000), flagging each as in SavePayRecords.
// Throws FileError.
void AddToYTDs(const std::vector<PayRecord>& payRecords, std::vector<bool>& added);
// AddToYTDs and then MakeYTDs for the year of the date, as one write of Employees.txt,
// so that the file and the flags never part.
void AddToYTDsAndRebuild(const std::vector<PayRecord>& payRecords, std::vector<bool>& added, QDate date);
