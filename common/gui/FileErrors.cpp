#include "FileErrors.h"

#include "Dialogs.h"

void ReportFileError(const FileError& error) {
    MsgBox(error.userMessage(), MsgButtons::OK, QStringLiteral("File Error"));
}

void ReportShortFile(const QString& relativeName) {
    if (DamageTold(relativeName)) return;
    MsgBox(QStringLiteral("The file %1 is damaged: it ends before all of its information could be read.")
               .arg(ShownFileName(relativeName)),
           MsgButtons::OK, QStringLiteral("Damaged File"));
}

void TellRestoredFromBackup(QStringView name) {
    if (name.contains(QLatin1String("Invoice"))) AlarmBeep();
    MsgBox(QStringLiteral("The %1 was missing\r\na recent copy has been restored\r\nData may be missing from this "
                          "file\r\nThis is normal when Deleting old Invoices etc")
               .arg(name),
           MsgButtons::OK, QStringLiteral("File Restored from Backup Folder"));
}
