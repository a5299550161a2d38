#include "RewriteFile.h"

#include "DataFiles.h"
#include "SafeWrite.h"

#include <QFileInfo>
#include <QStringList>

namespace {
QString backupName(QStringView name) {
    QString relative = name.toString();
    relative.replace(u'\\', u'/');
    return QStringLiteral("/Backup") + relative;
}

// What a job's update file holds and what leaves, once it is written.
struct Split {
    RewriteCount count;
    QByteArray left;
};

Split WriteUpdateFile(const RewriteJob& job) {
    const RecordFileImage live(job.liveName, job.recordLength);
    const qsizetype length = job.recordLength;
    QByteArray records = live.bytes();
    // A last record that the end of the file cuts short reads with zeros.
    const qsizetype whole = qsizetype{live.count()} * length;
    if (records.size() < whole) records.append(whole - records.size(), '\0');
    QByteArray kept;
    kept.reserve(whole);
    Split split;
    for (qsizetype at = 0; at < whole; at += length) {
        const QByteArrayView record = QByteArrayView(records).sliced(at, length);
        if (job.stays(record)) {
            kept += record;
            ++split.count.kept;
        } else {
            split.left += record;
            ++split.count.left;
        }
    }
    WriteUnsynced(DataPath(job.updateName), kept);
    return split;
}

// Leftover update files are harmless (the next rewrite writes them anew): best effort.
void DropUpdateFiles(const std::vector<RewriteJob>& jobs) {
    for (const RewriteJob& job : jobs) {
        try {
            DeleteDataFile(job.updateName);
        } catch (const FileError&) {
        }
    }
}

} // namespace

std::vector<RewriteCount> RewriteFiles(const std::vector<RewriteJob>& jobs) {
    std::vector<Split> splits;
    splits.reserve(jobs.size());
    QStringList updates;
    try {
        for (const RewriteJob& job : jobs) {
            splits.push_back(WriteUpdateFile(job));
            updates << DataPath(job.updateName);
        }
        SyncFiles(updates);
        for (std::size_t i = 0; i < jobs.size(); ++i)
            if (jobs[i].leaving) jobs[i].leaving(splits[i].left);
    } catch (...) {
        DropUpdateFiles(jobs);
        throw;
    }

    // The live files replaced so far reach the disk before their backup copies go, also
    // when a later replacement fails.
    QStringList folders;
    std::size_t replaced = 0;
    const auto settle = [&] {
        SyncFiles(folders);
        for (std::size_t i = 0; i < replaced; ++i)
            if (splits[i].count.kept != 0 || jobs[i].emptied != Emptied::RemoveFile)
                DeleteDataFile(backupName(jobs[i].liveName));
    };
    try {
        for (; replaced < jobs.size(); ++replaced) {
            const RewriteJob& job = jobs[replaced];
            if (splits[replaced].count.kept == 0 && job.emptied == Emptied::RemoveFile) {
                // The backup copy goes first: were the live file to go first and the process
                // end in between, the next existence test would bring back every record.
                DeleteDataFile(backupName(job.liveName));
                DeleteDataFile(job.liveName);
                DeleteDataFile(job.updateName);
                continue;
            }
            const QString live = DataPath(job.liveName);
            MoveFileOver(DataPath(job.updateName), live, false);
            const QString folder = QFileInfo(live).absolutePath();
            if (!folders.contains(folder)) folders << folder;
        }
    } catch (...) {
        try {
            settle();
        } catch (const FileError&) {
            // The first failure is the one to tell.
        }
        DropUpdateFiles(jobs);
        throw;
    }
    settle();

    std::vector<RewriteCount> counts;
    for (const Split& split : splits)
        counts.push_back(split.count);
    return counts;
}

RewriteCount RewriteFile(QStringView liveName, QStringView updateName, int recordLength, const RecordRule& stays,
                         Emptied emptied, const LeavingRecords& leaving) {
    return RewriteFiles({{liveName.toString(), updateName.toString(), recordLength, stays, emptied, leaving}})
        .front();
}
