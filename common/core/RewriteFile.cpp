#include "RewriteFile.h"

#include "DataFiles.h"
#include "SafeWrite.h"

#include <QString>

namespace {
QString backupName(QStringView name) {
    QString relative = name.toString();
    relative.replace(u'\\', u'/');
    return QStringLiteral("/Backup") + relative;
}
} // namespace

RewriteCount RewriteFile(QStringView liveName, QStringView updateName, int recordLength, const RecordRule& stays,
                         Emptied emptied, const LeavingRecords& leaving) {
    const RecordFileImage live(liveName, recordLength);
    QByteArray kept;
    QByteArray left;
    RewriteCount count;
    for (std::int32_t n = 1; n <= live.count(); ++n) {
        const QByteArray record = *live.read(n);
        if (stays(record)) {
            kept += record;
            ++count.kept;
        } else {
            left += record;
            ++count.left;
        }
    }

    WriteWholeFile(updateName, kept);
    try {
        if (leaving) leaving(left);
    } catch (...) {
        try {
            DeleteDataFile(updateName);
        } catch (const FileError&) {
            // The leftover update file is harmless: the next rewrite writes it anew.
        }
        throw;
    }

    if (count.kept == 0 && emptied == Emptied::RemoveFile) {
        // The backup copy goes first: were the live file to go first and the process end
        // in between, the next existence test would bring back every record from Backup.
        DeleteDataFile(backupName(liveName));
        DeleteDataFile(liveName);
        DeleteDataFile(updateName);
        return count;
    }
    MoveFileOver(DataPath(updateName), DataPath(liveName));
    DeleteDataFile(backupName(liveName));
    return count;
}
