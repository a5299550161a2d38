#pragma once

#include "Money.h"
#include "Records.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The undoing of payroll data without a window: a payroll made in error taken out of the
// summary and the pay histories, its paychecks voided in the check register with the
// amount credited back to the account, or every payroll record of the business removed.
// Each routine throws FileError when the file system fails.

// ---- The dated purge -----------------------------------------------------------------------

struct DatedPurge {
    std::int32_t runs = 0;      // summary records taken out
    std::int32_t paychecks = 0; // pay records taken out, all employees together
};
// Takes every record of the pay date out of SummaryRecords.txt (no file is left when every
// record goes) and out of the pay history of each employee of Employees.txt (an emptied
// or missing history is left as an empty PayRecords.txt); the other records stay in their
// order. Every update file is written before any live file is replaced, and each is
// replaced in one step, so a purge stopped part-way leaves every file whole, either still
// holding the date or rid of it: running it again for the same date finishes it. The
// employees' year-to-date totals are rebuilt first, without the date's pay records: an
// employee whose pay records all go gets zeros; one without any keeps his totals.
DatedPurge PurgeDatedPayroll(QDate payDate);

// ---- The complete purge --------------------------------------------------------------------

// Removes every payroll record of the business: year-to-date totals zeroed (the employee
// records stay), every file of the employees' folders and of their twins in Backup (the
// folders stay), the summary, the memo and the staged register, each with its backup
// copy. Each step only removes what is still there, so a purge stopped part-way is
// finished by running it again.
void PurgeAllPayroll();
// The checkbook file of the account whose register is purged with it.
QString CheckbookFileOf(const QString& registerFile);
// Removes the register and the checkbook file of its account, each with its backup copy.
void PurgeCheckRegister(const QString& registerFile);

// ---- Voiding the paychecks of a date --------------------------------------------------------

// A register entry listed for voiding, with its record number in the register.
struct ListedPaycheck {
    std::int32_t recordNumber = 0;
    RegisterEntry entry;
};
// The paychecks of the date in the register that are not void yet, in register order: a
// CheckDate that does not read as a date lists nothing. No register: none.
std::vector<ListedPaycheck> DatePaychecks(const QString& registerFile, QDate checkDate);

// What became of a credit to the account of a register for paychecks voided in it.
enum class CreditMade {
    Credited,
    AlreadyMade, // by a void that stopped before it could tell
    // The account's balance is neither the one it had when the checks were voided nor
    // that one with the credit: changed since, so whether it holds the credit cannot
    // be told. Nothing is written; the user is to check it.
    Unsure,
};
struct AccountCredit {
    bool payrollAccount = false; // else the general account
    Money amount;
    QString checkDate; // of the voided checks, as the register states it
    CreditMade made = CreditMade::Credited;
    QString balance; // the account's balance as it stands now
};

struct VoidedChecks {
    Money total; // the voided amounts, as the register states them
    int voided = 0;
    // The checks that were no longer in the register as listed (another program changed
    // it since): left alone and not credited.
    QStringList changed;
    // Why the account could not be credited once the checks were voided: the credit
    // stays owed (SettleOwedCredit). Empty when it was credited or nothing was owed.
    QString creditFailure;
    std::optional<AccountCredit> credit;
    // The credit an earlier void left owed, made first (SettleOwedCredit).
    std::optional<AccountCredit> earlier;
};
// Marks the chosen paychecks "Void" at their own record numbers, every other byte of each
// entry kept, all in one write of the register, and credits their sum to the account of
// the register, its file read afresh and whole. An account file that is missing or not
// whole, or a credit of an earlier void still owed that cannot be made, throws FileError
// before anything changes. The credit is kept owed in a file of the purge's own from
// before the register is written until the account is credited, so that a failure or a
// stop in between never loses it.
VoidedChecks VoidPaychecks(const QString& registerFile, const std::vector<ListedPaycheck>& chosen);
// Makes the credit that a stopped void left owed, exactly once: when its checks are void
// in the register and the account's balance is still the one it had, the account is
// credited; when the balance holds the credit already, nothing more is. A void whose
// register was never written owed nothing. Returns nothing when no credit was owed.
// Throws FileError (the credit then stays owed).
std::optional<AccountCredit> SettleOwedCredit();
