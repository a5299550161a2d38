#include "ExitProgram.h"

#include "DataFiles.h"
#include "Screen.h"

void ExitProgram() {
    // A screen's unload could ask for the exit again; the exit under way finishes the job.
    static bool exiting = false;
    if (exiting) return;
    exiting = true;
    UnloadAllScreens();
    BackupOnExit();
    exiting = false;
    EndProcess(0);
}
