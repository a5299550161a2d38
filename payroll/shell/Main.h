#pragma once

#include <QString>

// The main program's product name: its lock file, its title and its About screen.
inline const QString ProductName = QStringLiteral("Kestrova");

// The start-up of the main program. Refuses a second copy in the same program folder
// (the process then ends before any file is touched); otherwise makes the folders,
// removes what cut-off writes left behind, rebuilds this year's totals, backs up the
// payroll files (a damaged one keeps its backup copy, which the user may restore),
// loads the tax data, the state lists and the screens, and leaves the splash screen
// showing. The program then runs on the events of the visible screen.
void Main();
// Joins the screens that do not know one another: every routine's way back to the main
// menu, and the pay run following the employee file and the setup. Main() does it first.
void LinkScreens();
