#include "Tessaly.h"

#include "DataFiles.h"
#include "FileErrors.h"
#include "Screen.h"
#include "SingleInstance.h"
#include "frmMain.h"

void StartTessaly() {
    if (!CheckPrevInstance(TessalyName)) {
        EndProcess(0);
        return;
    }
    SetExitProgramHandler(EndProgram);
    SetFileErrorReporter(ReportFileError);
    ShowScreen<labels::frmMain>();
}

void EndProgram() {
    // An unload that asks for the end again joins the end under way.
    static bool ending = false;
    if (ending) return;
    ending = true;
    UnloadAllScreens();
    ending = false;
    EndProcess(0);
}
