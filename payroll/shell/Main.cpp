#include "Main.h"

#include "DataFiles.h"
#include "Dates.h"
#include "ExitProgram.h"
#include "FileErrors.h"
#include "Globals.h"
#include "MainMenu.h"
#include "Posting.h"
#include "Screen.h"
#include "SingleInstance.h"
#include "StateTaxTable.h"
#include "StateTaxes.h"
#include "frmEmployees.h"
#include "frmPayroll.h"
#include "frmSetup.h"
#include "frmSplash.h"
#include "frmStartup.h"
#include "frmTables.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

void BackupPayrollFiles() {
    SourceFolder = ProgramFolder() + u'/';
    TargetFolder = ProgramFolder() + QStringLiteral("/Backup/");
    CopyPayrollFiles();
}

} // namespace

void LinkScreens() {
    ShowMainMenu.set([] { ShowScreen<frmStartup>(); });
    EmployeesChanged.set([] { Form<frmPayroll>().LoadEmployees(); });
    SetupSaved.set(LoadStateTaxTable);
}

void Main() {
    if (!CheckPrevInstance(ProductName)) {
        EndProcess(0);
        return;
    }
    SetExitProgramHandler(ExitProgram);
    LinkScreens();
    SetFileErrorReporter(ReportFileError);
    // A file-system failure in one start-up step is told to the user and the start-up
    // goes on: the screens still load what they can, and the user can see what is wrong.
    const auto StartupStep = [](auto step) { ReportFileErrors(step); };

    StartupStep([] { MakeFolders(); });
    StartupStep([] { MakeYTDs(Today()); });
    StartupStep(BackupPayrollFiles);
    // From here on the tax-table screen holds the tax data of the whole run.
    StartupStep([] { Form<frmTables>(); });
    StartupStep(LoadStateTaxes);
    StartupStep([] { Form<frmSetup>(); });

    // The splash is up while the remaining screens load.
    StartupStep([] { ShowScreen<frmSplash>(); });
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // Closed with its close box meanwhile: the program is ending.
    if (!IsLoaded<frmSplash>()) return;

    StartupStep([] { Form<frmStartup>(); });
    StartupStep([] { Form<frmPayroll>(); });
    StartupStep([] { Form<frmEmployees>(); });
    StartupStep(LoadStateTaxTable);
}
