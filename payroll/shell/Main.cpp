#include "Main.h"

#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
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
#include <QFileInfo>
#include <QEventLoop>

namespace {

// A damaged file kept its backup copy: when that copy is good the user may put it back
// in its place; otherwise the user is told, once, before any loader reads the file.
void OfferRestore(const QString& name) {
    const QString damaged = QStringLiteral("The file %1 is damaged: it does not hold all of its information.").arg(name);
    if (!ReadsWhole(ProgramFolder() + QStringLiteral("/Backup/") + name)) {
        // An empty file reads as holding nothing, which is what it holds.
        if (QFileInfo(DataPath(u'/' + name)).size() == 0) return;
        MsgBox(damaged, MsgButtons::OK, QStringLiteral("Damaged File"));
        NoteDamageTold(u'/' + name);
        return;
    }
    const QString text = damaged + QStringLiteral("\r\nIts copy in the Backup folder was kept.\r\n\r\n"
                                                  "Restore %1 from the Backup folder?")
                                       .arg(name);
    if (MsgBox(text, MsgButtons::YesNo, QStringLiteral("Damaged File")) != MsgAnswer::Yes) {
        // Its loaders need not tell the user again.
        NoteDamageTold(u'/' + name);
        return;
    }
    ReportFileErrors([&name] { RestoreFromBackup(u'/' + name); });
}

void BackupPayrollFiles() {
    SourceFolder = ProgramFolder() + u'/';
    TargetFolder = ProgramFolder() + QStringLiteral("/Backup/");
    const SetCopyOutcome outcome = CopyPayrollFiles();
    for (const FileError& error : outcome.failed)
        ReportFileError(error);
    for (const QString& name : outcome.damaged)
        OfferRestore(name);
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
    StartupStep(RemoveLeftovers);
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
