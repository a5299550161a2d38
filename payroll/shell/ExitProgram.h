#pragma once

// The orderly end of the main program, from the Exit menu and every main screen's
// close box: unloads every screen (the last loaded first), copies the standard file
// set to Backup, then ends the process.
void ExitProgram();
