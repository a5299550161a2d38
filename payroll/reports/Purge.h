#pragma once

#include "Money.h"
#include "Records.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
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
// employees' year-to-date totals are brought up to date afterwards.
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

struct VoidedChecks {
    Money total; // the voided amounts, as the register states them
    int voided = 0;
    // The checks that were no longer in the register as listed (another program changed
    // it since): left alone and not credited.
    QStringList changed;
};
// Marks the chosen paychecks "Void" at their own record numbers, every other byte of each
// entry kept, all in one write of the register.
VoidedChecks VoidPaychecks(const QString& registerFile, const std::vector<ListedPaycheck>& chosen);
// Adds the amount to the balance of the account (the payroll account when payrollAccount,
// else the general account as its file holds it now) and saves the account's file.
void CreditAccount(bool payrollAccount, Money amount);
