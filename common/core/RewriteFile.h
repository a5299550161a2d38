#pragma once

// The rewrite of a record file through an update file: the records a rule keeps go to
// the update file, numbered from 1 in their order, which then takes the live file's
// place. The purge drops the records that leave; the year-end offload keeps them in its
// own files. QtCore only.

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

// What becomes of a live file that no record stays in.
enum class Emptied {
    RemoveFile,    // no file is left (the payroll summary)
    KeepEmptyFile, // an empty file is left (a pay history)
};

struct RewriteCount {
    std::int32_t kept = 0;
    std::int32_t left = 0;
};

// True for a record that stays in the live file.
using RecordRule = std::function<bool(QByteArrayView record)>;
// Given the records that leave, whole and in their order, once the update file is
// complete and before the live file is replaced. A caller that keeps them elsewhere
// writes them here; an exception stops the rewrite with the live file as it was.
using LeavingRecords = std::function<void(const QByteArray& records)>;

// Rewrites the live file (relative names, as the data-file routines take them). A live
// file that is missing reads as empty (after the usual restore from Backup); a last
// record that the end of the file cuts short reads with zeros for its missing bytes.
// The live file is replaced in one step by renaming the complete update file over it,
// and only then is its copy in Backup dropped, so that at every moment the live file is
// either the old one or the new one. A leftover update file is never reused. Throws
// FileError; the live file then stays as it was.
RewriteCount RewriteFile(QStringView liveName, QStringView updateName, int recordLength, const RecordRule& stays,
                         Emptied emptied, const LeavingRecords& leaving = {});

// One file of a rewrite of many files together.
struct RewriteJob {
    QString liveName;
    QString updateName;
    int recordLength = 0;
    RecordRule stays;
    Emptied emptied = Emptied::KeepEmptyFile;
    LeavingRecords leaving;
};
// Rewrites the files as RewriteFile does, each one whole, with the disk waited for once for
// all of them: every update file is written, then all are brought to the disk together,
// then the records that leave are handed over, then each live file is replaced, then the
// folders are brought to the disk together and only then are the backup copies dropped. A
// failure before the first replacement leaves every live file as it was; one after it
// leaves each live file either as it was or rewritten. Throws FileError.
std::vector<RewriteCount> RewriteFiles(const std::vector<RewriteJob>& jobs);
