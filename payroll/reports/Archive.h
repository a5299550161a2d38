#pragma once

#include "DataFiles.h"

#include <QString>
#include <QStringList>

#include <vector>

// The copy of the payroll file set on another disk, and the way back from it. No window:
// the screen asks where and shows what happened.

// Where the archive lies under a chosen root: root/Archive/Payroll.
QString ArchiveFolder(const QString& root);

// A place the user can archive to: a mounted volume of this machine.
struct ArchiveRoot {
    QString name;
    QString path;
    bool removable = false;
};
// The mounted volumes, removable ones first, each group by name.
std::vector<ArchiveRoot> ArchiveRoots();

struct ArchiveResult {
    enum class Kind {
        Done,
        FolderNotWritable, // folder names the folder that could not be made or written
        NoArchive,         // the archive folder holds none of the set
        NotCopied,         // outcome says why; every target was left as it was
    };
    Kind kind = Kind::Done;
    QString folder;
    SetCopyOutcome outcome;
    // The files of the set that the source does not hold: their targets stay as they were.
    QStringList absent;
};

// The payroll set of the program folder into root/Archive/Payroll, creating both folders.
// A root where the folders cannot be made or written changes nothing.
ArchiveResult ArchivePayrollFiles(const QString& root);
// The payroll set of root/Archive/Payroll into the program folder, all files or none.
// Files the archive lacks keep their live copies.
ArchiveResult ReinstallPayrollFiles(const QString& root);
// What the user is told of a reinstall, or of an archive that did not end as it should.
QString ArchiveReport(const ArchiveResult& result, bool reinstall);
