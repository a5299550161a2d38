#pragma once

#include <QString>

// The year-end program's start and end. Its file and printer routines are the shared
// ones; what differs is set here: a missing file put back from Backup is told to the
// user, and the program ends without copying anything to Backup.

// The program's name: its lock file and the title of untitled messages.
inline const QString YearEndProgramName = QStringLiteral("Quadrelle");

// Refuses a second copy in the same program folder (the process then ends), sets up
// how file errors and restores from Backup are told, and shows frmMain, telling each
// year whose offload or restore stopped part-way.
void YearEndMain();

// Unloads every screen, the last loaded first, and ends the program; no backup copy is
// made.
void EndProgram();
