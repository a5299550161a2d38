#pragma once

#include "DataFileNames.h"
#include "Money.h"
#include "Records.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>


// The check registers of the paychecks: a run's checks are staged in TempRegister.txt,
// then appended to the register of the bank option: PayrollCheckRegister.txt for the
// separate payroll account, CheckRegister.txt for the general account that the Ambleton
// checkbook program shares (it adds entries of its own and takes no lock: every append
// goes after the file's length at that moment, never at a count made before).

// Check numbers are stored and counted as 16-bit whole numbers.
inline constexpr int HighestCheckNo = 32767;

// Why a run of the given number of checks cannot be numbered from the first check
// number as typed (not a whole number from 1, or checks that would pass 32767, the
// next check number included); empty when it can.
QString CheckNumberProblem(const QString& firstCheck, int checks);
// The first check number as typed, when it is one the run can use.
std::optional<int> FirstCheckNumber(const QString& firstCheck, int checks);
// The account's next check number after checks first .. first + checks - 1: the number
// after the last check printed, never lower than the number the account shows already
// (a run printed on older stock leaves the account's sequence alone).
int NextCheckNumber(const QString& shownNext, int firstCheck, int checks);

// The register entry of one paycheck.
RegisterEntry PaycheckEntry(int checkNo, QDate checkDate, const QString& payee, Money netPay);

// The checks of a run and what they add up to.
struct RegisterRun {
    std::vector<RegisterEntry> entries;
    // The sum of the amounts as the entries state them (at cents).
    Money runTotal;
};
// Numbers the entries in their order from the first check (a reprint on other stock).
void NumberChecks(std::vector<RegisterEntry>& entries, int firstCheck);

// Empties the staging file, so that it holds this run's entries only, and stages every
// entry. Throws FileError.
void BuildRegisterRecords(const std::vector<RegisterEntry>& entries);
// Appends one entry to the staging file. Throws FileError.
void WriteTempRegister(const RegisterEntry& entry);
// Appends the staged entries after the first `appended` ones to the register file, at
// its length as it is now; `appended` counts every entry written, also when a FileError
// stops the copy half-way, so that a retry goes on with the next one.
void AppendRegister(const QString& registerFile, int& appended);
// The number of entries in the staging file.
int StagedEntryCount();

// The register of a bank option (0 payroll account, 1 general account); empty for the
// options that keep no register.
QString RegisterFileOf(int bankOption);
// The balance after the run is paid from it; an account is never left below zero.
Money DebitedBalance(Money balance, Money runTotal);
