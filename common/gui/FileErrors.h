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
// Shows that a delimited file ended before all its items were read, titled "Damaged File";
// once the user has been told that the file is damaged (NoteDamageTold), it is not shown.
void ReportShortFile(const QString& relativeName);
