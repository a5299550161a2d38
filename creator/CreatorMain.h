#pragma once

#include <QString>

namespace creator {

// The history creator's product name: its lock file and its title.
inline const QString ProductName = QStringLiteral("Brindlemark");
// Major, minor and revision, as the menu shows them.
inline const QString ProgramVersion = QStringLiteral("1.0.0");

// The creator's start-up: refuses a second copy in the same program folder; otherwise
// loads its menu, the tax-table screen (which reads the tax files) and the payroll
// creation screen without showing them, shows the menu and turns alarms and prompts on.
// It makes no folders, rebuilds no totals and backs nothing up.
void Main();
// Ties the shared screens to the creator: the way back to its menu, the restore notice
// of the data-file routines, file-error messages and its variant of the tax-table screen.
void LinkScreens();
// Shows the screen of a menu option (MenuOption).
void ShowOptionScreen(int option);
// The creator's orderly end: every screen unloaded, the last loaded first; no backup.
void ExitProgram();

} // namespace creator
