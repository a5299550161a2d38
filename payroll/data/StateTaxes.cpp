#include "StateTaxes.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "Globals.h"
#include "frmEmployees.h"
#include "frmSetup.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

// ---- The state list ----------------------------------------------------------------------------

void ReportMissingStateList() {
    MsgBox(QStringLiteral("The State Tax file StateTaxes.txt was not found in the Program Folder or in its "
                          "Backup Folder.\r\nThe State lists stay empty until the file is put back."),
           MsgButtons::OK, QStringLiteral("Missing File"));
}

// Fills the arrays and the two lists; a short file stops at the last whole entry.
void ReadStateList(QComboBox& employees, QComboBox& setup) {
    if (!FileExists(StateTaxesFile)) return ReportMissingStateList();
    try {
        TextInput in = OpenInput(StateTaxesFile);
        for (int k = 1; k <= StateCount; ++k) {
            const QString name = in.readText();
            const QString rate = in.readText();
            const QString maximum = in.readText();
            if (in.isShort()) return ReportShortFile(StateTaxesFile);
            StateTaxRate[k] = rate;
            StateTaxMaximum[k] = maximum;
            employees.addItem(name);
            setup.addItem(name);
        }
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

} // namespace

void LoadStateTaxes() {
    QComboBox& employees = *Form<frmEmployees>().cboStates;
    QComboBox& setup = *Form<frmSetup>().cboStates;
    {
        // Filling the lists is no choice of the user's.
        const QSignalBlocker blockEmployees(&employees);
        const QSignalBlocker blockSetup(&setup);
        employees.clear();
        setup.clear();
        for (int k = 1; k <= StateCount; ++k) {
            StateTaxRate[k].clear();
            StateTaxMaximum[k].clear();
        }
        ReadStateList(employees, setup);
    }
    Form<frmSetup>().LoadBusiness();
}
