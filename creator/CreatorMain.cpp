#include "CreatorMain.h"

#include "CreatorPayroll.h"
#include "DataFiles.h"
#include "FileErrors.h"
#include "Globals.h"
#include "MainMenu.h"
#include "Screen.h"
#include "SingleInstance.h"
#include "frmHistory.h"
#include "frmStartup.h"
#include "frmTables.h"

namespace creator {

void LinkScreens() {
    ShowMainMenu.set([] { ShowScreen<frmStartup>(); });
    SetExitProgramHandler(ExitProgram);
    SetFileErrorReporter(ReportFileError);
    // A file put back from Backup is told: its newest entries may be missing.
    SetRestoreNotice(TellRestoredFromBackup);
    SetTablesVariant(TablesVariant::Creator);
}

void Main() {
    if (!CheckPrevInstance(ProductName)) {
        EndProcess(0);
        return;
    }
    LinkScreens();
    // The creator keeps no Prompts.txt: a new user gets every beep and question.
    AlarmsOn = true;
    PromptsOn = true;
    ReportFileErrors([] { Form<frmStartup>(); });
    ReportFileErrors([] { Form<frmTables>(); });
    ReportFileErrors([] { LoadCreatorPayroll(); });
    ShowScreen<frmStartup>();
}

void ShowOptionScreen(int option) {
    switch (option) {
    case MenuOption::GroupSummary:
        ShowScreen<frmHistory>();
        break;
    case MenuOption::WeeklySummary:
        ShowCreatorPayroll();
        break;
    case MenuOption::TaxTables:
        ShowScreen<frmTables>();
        break;
    default:
        break;
    }
}

void ExitProgram() {
    // A screen's unload could ask for the exit again; the exit under way finishes the job.
    static bool exiting = false;
    if (exiting) return;
    exiting = true;
    UnloadAllScreens();
    exiting = false;
    EndProcess(0);
}

} // namespace creator
