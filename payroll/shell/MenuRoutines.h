#pragma once

// The routines of the main menu, by option index: 0 employee records, 1 backup or
// restore, 2 create a payroll, 3 payroll reports, 4 employee reports, 5 tax files,
// 6 new-employee worksheet, 7 delete a payroll.
inline constexpr int RoutineCount = 8;

using ShowRoutine = void (*)();
// How the routine's screen is shown; null while the routine's screen is not part of
// this version.
ShowRoutine RoutineScreen(int routine);
