#pragma once

#include "Records.h"
#include "Register.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

struct PayRow;
struct PayRun;

// The posting of a run (summary record, pay records, year-to-date totals), the
// year-to-date rebuild and the memo file of a run.

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

// ---- The run's records -------------------------------------------------------------------

// The run's summary record: the check date and the fourteen stored lines of the payment
// summary (its fifteen amounts as shown; line 8, the funds required, is not stored).
SummaryRecord RunSummaryRecord(double checkDate, const std::array<QString, 15>& paymentSummary);
// Appends the run's summary record to SummaryRecords.txt. Throws FileError.
void SaveSummaryRecord(double checkDate, const std::array<QString, 15>& paymentSummary);

// The pay record of one row of a run: name, number and hours, the six taxes, the
// deductions and the match as the row shows them, its gross pay as calculated.
PayRecord PayRecordOfRow(const PayRow& row, double checkDate);
// The pay records of the paid (marked) rows, in row order.
std::vector<PayRecord> PayRecordsOfRun(const PayRun& run, double checkDate);

// Appends each pay record to its employee's PayRecords.txt (making the employee's folder
// when it is missing). Records whose flag in `written` is set are skipped; each record
// written gets its flag, so that after a FileError a retry writes only the rest.
void SavePayRecords(const std::vector<PayRecord>& payRecords, std::vector<bool>& written);
// Adds each pay record's eleven amounts to its employee's year-to-date totals in
// Employees.txt (record = employee number - 1000), flagging each as in SavePayRecords.
// Throws FileError.
void AddToYTDs(const std::vector<PayRecord>& payRecords, std::vector<bool>& added);

// ---- One run's posting ------------------------------------------------------------------------

// Everything a run writes after its checks are printed, taken once from the pay-run
// screen, and how far the writing got. A retry after a failure goes on from there, so
// that nothing is written twice and a retry writes the same figures as the first try.
struct RunPosting {
    std::vector<PayRecord> payRecords;
    QDate periodEnding; // chooses the year of the year-to-date rebuild
    // The bank side: -1 none, 0 payroll account, 1 general account, 2 another program.
    int bankOption = -1;
    RegisterRun checks;
    int firstCheck = 0;  // 0: the first check number as typed cannot number the run
    Money fundsRequired; // "Total Payroll Funds Required"

    std::vector<bool> payRecordWritten;
    std::vector<bool> totalsAdded;
    bool totalsRebuilt = false;
    bool registerStaged = false;
    int registerAppended = 0;
    bool accountSaved = false;
    bool bankDone = false;

    // The pay-record side: pay records, year-to-date additions, then the rebuild.
    // Throws FileError.
    void PostPayRecordsAndTotals();
    bool payRecordsDone() const;
    bool anythingWritten() const;
    bool complete() const { return payRecordsDone() && bankDone; }
    // The checks' numbers are on file once the register holds one of them or the account
    // has counted them; until then they follow the pages printed last.
    bool checkNumbersFixed() const { return registerAppended > 0 || accountSaved; }
    // Numbers the checks (bank options 0 and 1) from the first check number as typed, unless
    // they are on file already; they are staged again before the register is written.
    void NumberChecksFrom(const QString& typedFirstCheck);
    // What of the run is on file and what is not, one item a line, in words for the user.
    QStringList written() const;
    QStringList missing() const;
};

// The message that tells the user exactly how far a failed posting got.
QString PostingFailureText(const RunPosting& posting, const QString& problem);
