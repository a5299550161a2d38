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
