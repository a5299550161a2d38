#pragma once

// The lowest layer of every write to a data file: whole files replaced without ever
// leaving a half-written one, appends that reach the disk before anyone is told they
// are saved, and the private modes of what the programs create. QtCore only.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// Mode of the files and folders the programs create: pay data is the user's alone.
inline constexpr unsigned PrivateFileMode = 0600;
inline constexpr unsigned PrivateFolderMode = 0700;

// Whether the file at the path holds pay or employee data (the employees, their pay
// records, the summary, the check registers, and their update, backup and offload
// copies): such a file is made private whenever it is saved, whatever its mode was.
bool HoldsPayData(const QString& path);
// Makes an open file private when it holds pay data (an append saves it too).
void KeepPayDataPrivate(int handle, const QString& path);

// Replaces the file at the full path with the bytes. The new content goes into a
// temporary file beside it (created exclusively, every write checked, synced to the
// disk), which is then renamed over the file and the folder synced. When any step
// fails the temporary file is removed, the old file stays byte for byte and FileError
// says so. A replaced file keeps its mode, unless it holds pay data; a new one is private.
void ReplaceFile(const QString& path, const QByteArray& bytes);

// ReplaceFile in two halves, so that several files can be written before any of them is
// replaced: the constructor writes the temporary copy and, when synced, brings it to the
// disk (throwing FileError as ReplaceFile does); commit() renames it over the file. A
// copy never committed is removed.
class StagedFile {
public:
    StagedFile(const QString& path, const QByteArray& bytes, bool synced = true);
    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    ~StagedFile();
    void commit();

private:
    [[noreturn]] void fail(const QString& reason) const;

    QString path_;
    QString target_;
    QString temporary_;
    bool hadOld_ = false;
    bool synced_ = true;
};
// Replaces the file as ReplaceFile does, but without waiting for the disk: for a file that
// is renamed into place only once SyncFiles has brought it there.
void WriteUnsynced(const QString& path, const QByteArray& bytes);
// Brings the files or folders to the disk, several at a time, so that the file system
// commits them together. Throws FileError naming the first that failed.
void SyncFiles(const QStringList& paths);

// Gives the file at `from` the name `to` in one step, replacing a file of that name, and
// brings the folder's entry to the disk (unless the caller syncs the folder itself later,
// for many files at once): a reader sees the old file or the new one, never neither.
// Throws FileError naming `from`; a failure leaves both files as they were.
void MoveFileOver(const QString& from, const QString& to, bool syncNow = true);

// The name part that marks a temporary file of ReplaceFile: "Employees.txt.partial-Xy12Ab".
inline constexpr char TemporaryMark[] = ".partial-";
// Removes the temporary files that a write cut off by the end of the process left in
// the folder; only those untouched for ten minutes, so that a write of another
// program of the suite that is going on in the same folder is left alone.
void RemoveLeftoverTemporaries(const QString& folder);

// Appends made while an AppendBatch is alive wait for its commit() to reach the disk,
// so that a run of appends to many files is synced together. Appends outside a batch are
// synced one by one.
class AppendBatch {
public:
    AppendBatch();
    ~AppendBatch();
    AppendBatch(const AppendBatch&) = delete;
    AppendBatch& operator=(const AppendBatch&) = delete;

    // Brings every append of the batch to the disk. A file that cannot be synced is cut
    // back to its length before the batch, so that none of its appends stays; undone()
    // then names those files, and FileError names the first. A file that another program
    // appended to since is not cut: its records stay, and so do the batch's.
    void commit();
    const QStringList& undone() const { return undone_; }

    // Called by the record-file layer: an append to the file (its length before it, and
    // where the appended bytes end).
    static bool defer(const QString& path, std::int64_t lengthBefore, std::int64_t end);

    struct Pending {
        QString path;
        std::int64_t lengthBefore;
        std::int64_t end = 0;
        // No other program appended between the batch's appends to the file.
        bool alone = true;
    };

private:
    std::vector<Pending> pending_;
    QStringList undone_;
    AppendBatch* outer_;
};

// Runs the appends in a batch and commits it, also when they stop on an error; when the
// commit takes appends out again, undone(files) is called before the error goes on.
template <class Appends, class Undone> void AppendTogether(Appends&& appends, Undone&& undone) {
    AppendBatch batch;
    const auto commit = [&] {
        try {
            batch.commit();
        } catch (...) {
            undone(batch.undone());
            throw;
        }
    };
    try {
        appends();
    } catch (...) {
        commit();
        throw;
    }
    commit();
}

// Held while records are appended to a file or taken out again: every program of the
// suite takes it before it counts the records, so no two appends land at the same place.
class AppendLock {
public:
    explicit AppendLock(int handle);
    ~AppendLock();
    AppendLock(const AppendLock&) = delete;
    AppendLock& operator=(const AppendLock&) = delete;

private:
    int handle_;
};

// Syncs one open file to the disk; the reason when it fails.
std::optional<QString> SyncOpenFile(int handle, const QString& path);
// The file system's words for the last failed call.
QString SystemReason();

// ---- A write that fails on purpose (tests) -------------------------------------------------
enum class WriteStep { Open, Write, Flush, Sync, Rename };
// Every write to a file whose path ends with "/" + fileName fails at the step, as a full
// disk or a failing drive would: Write after afterBytes bytes, Flush when the temporary
// file is closed, Sync when it or an append is synced. nullopt ends it.
struct WriteFault {
    QString fileName;
    WriteStep step;
    std::int64_t afterBytes = 0;
};
void InjectWriteFault(std::optional<WriteFault> fault);
// The fault meant for this file at this step, if any.
bool WriteFaultAt(const QString& path, WriteStep step);
// The number of bytes a Write fault lets through to this file, if one is set for it.
std::optional<std::int64_t> WriteFaultLimit(const QString& path);
