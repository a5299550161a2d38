#pragma once

#include <cstdint>

// The two checkbooks shown on the setup screen: the payroll account
// (PayrollCheckbookInfo.txt, the boxes txtPayrollBank) and the general account shared
// with the Ambleton checkbook program (CheckbookInfo.txt, the labels LblBank). Every
// change of a balance or check number is made on those controls and saved from them
// with these routines. Each throws FileError when the file system fails (callers show
// it with ReportFileError); a save replaces the file in one step, so a failed save
// keeps the old file.

// The payroll account's overdraft option (-1 on, 0 off), kept between load and save;
// it follows the option box optOverdraft.
inline std::int16_t OverdraftFlag = 0;

// Reads CheckbookInfo.txt into the general-account labels and shows the screen's
// "Ambleton" tab when the file holds an account (anything but a blank name and number,
// zero balances and next check "101"); without the file: no name or number, zero
// balances and next check "101", and no tab. When there is no payroll checkbook yet and
// the bank option is still the built-in default (none stored, or none set), it selects
// option 1.
void LoadCheckbookInfo();
// Reads PayrollCheckbookInfo.txt into the payroll-account boxes; without the file: no
// name or number, zero balances, next check "101", no overdraft protection. It never
// changes the bank option.
void LoadPayrollCheckbookInfo();
// Writes CheckbookInfo.txt from the labels, then loads it again.
void SaveCheckbookInfo();
// Writes PayrollCheckbookInfo.txt from the boxes and OverdraftFlag.
void SavePayrollCheckbookInfo();
