#include "Annual.h"

#include "DataFiles.h"
#include "FileErrors.h"
#include "Screen.h"
#include "SingleInstance.h"
#include "frmMain.h"

void YearEndMain() {
    if (!CheckPrevInstance(YearEndProgramName)) {
        EndProcess(0);
        return;
    }
    SetFileErrorReporter(ReportFileError);
    SetRestoreNotice(TellRestoredFromBackup);
    ReportFileErrors([] { ShowScreen<yearend::frmMain>().TellUnfinishedYears(); });
}

void EndProgram() {
    // With no exit handler installed, the program's exit unloads every screen and ends.
    RunExitProgram();
}
