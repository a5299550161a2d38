#pragma once

#include "PayFiles.h"
#include "Records.h"
#include "Register.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

struct PayRow;
struct PayRun;

// The posting of a run: its pay records and checks taken from the run, and how far the
// writing got; the memo file of a run.

// Writes the memo of the pay-run screen as it stands, followed by one line end
// ("/PayrollMemo.txt"). The backup copy goes too, so that it can never come back
// in place of the new memo. Throws FileError; the old memo stays when writing fails.
void SaveMemoText(const QString& fileName, const QString& text);

// ---- The run's records -------------------------------------------------------------------

// The pay record of one row of a run: name, number and hours, the six taxes, the
// deductions and the match as the row shows them, its gross pay as calculated.
PayRecord PayRecordOfRow(const PayRow& row, double checkDate);
// The pay records of the paid (marked) rows, in row order.
std::vector<PayRecord> PayRecordsOfRun(const PayRun& run, double checkDate);
// One register entry per paid (marked) row of the run, in row order, numbered from the
// first check.
RegisterRun RegisterEntriesOfRun(const PayRun& run, int firstCheck, QDate checkDate);

// ---- One run's posting ------------------------------------------------------------------------

// Everything a run writes after its checks are printed, taken once from the pay-run
// screen, and how far the writing got. A retry after a failure goes on from there, so
// that nothing is written twice and a retry writes the same figures as the first try.
struct RunPosting {
    std::vector<PayRecord> payRecords;
    QDate checkDate; // chooses the year of the year-to-date rebuild
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
