#pragma once

#include <QString>

// The label program's name: its lock file, its title, its window layouts.
inline const QString TessalyName = QStringLiteral("Tessaly");

// The start of the label program: refuses a second copy in the same program folder,
// then shows its one screen. The program then runs on that screen's events.
void StartTessaly();
// The end of the label program: unloads every screen, the last loaded first, and ends
// the process. Nothing is copied to Backup: this program changes no data file.
void EndProgram();
