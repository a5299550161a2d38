#pragma once

#include "Checkbook.h"

// The setup screen shows the two checkbooks (GeneralAccount, PayrollAccount): the
// payroll account in the boxes txtPayrollBank, which write every change into it, the
// general account in the labels LblBank. These routines load and save the accounts and
// show them there. Each throws FileError when the file system fails (callers show it
// with ReportFileError); a save replaces the file in one step, so a failed save keeps
// the old file.

// Reads CheckbookInfo.txt into the general account and shows the screen's "Ambleton"
// tab when the file holds an account (anything but a blank name and number, zero
// balances and next check "101"); without the file: a new checkbook, and no tab. When
// there is no payroll checkbook yet and the bank option is still the built-in default
// (none stored, or none set), it selects option 1.
void LoadCheckbookInfo();
// Reads PayrollCheckbookInfo.txt into the payroll account; without the file: a new
// checkbook without overdraft protection. It never changes the bank option.
void LoadPayrollCheckbookInfo();
// Writes CheckbookInfo.txt from the general account, then loads it again.
void SaveCheckbookInfo();
// Writes PayrollCheckbookInfo.txt from the payroll account.
void SavePayrollCheckbookInfo();
// The setup screen shows each account as it stands.
void ShowGeneralAccount();
void ShowPayrollAccount();
