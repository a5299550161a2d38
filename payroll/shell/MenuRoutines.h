#pragma once

// The routines of the main menu, by option index.
namespace Routine {
inline constexpr int EmployeeRecords = 0, BackupRestore = 1, CreatePayroll = 2, PayrollReports = 3,
                     EmployeeReports = 4, TaxFiles = 5, NewEmployeeWorksheet = 6, DeletePayroll = 7;
}
inline constexpr int RoutineCount = 8;

using ShowRoutine = void (*)();
// How the routine's screen is shown; null while the routine's screen is not part of
// this version.
ShowRoutine RoutineScreen(int routine);
