#pragma once

#include "DataFiles.h"

#include <QString>

// Shows a file error to the user, titled "File Error".
void ReportFileError(const FileError& error);
// Runs one step of a screen's work; a file error is shown to the user and ends the
// step. Returns false when the step ended that way.
template <class Step> bool ReportFileErrors(Step&& step) {
    try {
        step();
        return true;
    } catch (const FileError& error) {
        ReportFileError(error);
        return false;
    }
}
// Shows that a delimited file ended before all its items were read, titled "Damaged File",
// unless the user has already been told in this run that the file is damaged.
void ReportShortFile(const QString& relativeName);
// Tells the user that a missing file was put back from the Backup folder (the notice of
// the programs that do not restore silently: SetRestoreNotice). Beeps first for an
// invoice file.
void TellRestoredFromBackup(QStringView name);
