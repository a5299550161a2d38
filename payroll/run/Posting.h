#pragma once

#include <QDate>
#include <QString>

// Year-to-date totals of the employee records and the memo file of a run.

// Rebuilds the eleven year-to-date totals of every employee in Employees.txt from
// the pay records dated in the calendar year of the date. An employee with no pay
// records (no file, or an empty one) keeps the totals it has; one with pay records
// but none in that year gets zeros.
void MakeYTDs(QDate date);
void MakeYTDs(double oleDate);
// Sets the eleven year-to-date totals of every employee record to zero.
void ClearYTDs();
// Writes the memo of the pay-run screen as it stands, followed by one line end
// ("/PayrollMemo.txt"). The backup copy goes too, so that it can never come back
// in place of the new memo. Throws FileError; the old memo stays when writing fails.
void SaveMemoText(const QString& fileName, const QString& text);
