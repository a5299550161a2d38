#pragma once

#include "DelimitedFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

// ---- The program folder ------------------------------------------------------------
// The folder named by KESTROVA_FOLDER when set, else the folder of the executable;
// without a trailing separator.
QString ProgramFolder();
// Puts the program folder elsewhere (tests); an empty text goes back to the default.
void SetProgramFolder(const QString& folder);
// Full path of a relative data-file name ("/Employees.txt", "\TempRegister.txt",
// "/Employees/1001/PayRecords.txt"): both separators mean the same.
QString DataPath(QStringView relativeName);

// A failure of the file system outside the two set copies. Its text says which
// file and what went wrong, in words for the user; screens show it (ReportFileError in the GUI library).
class FileError : public std::runtime_error {
public:
    FileError(const QString& fileName, const QString& problem);
    const QString& fileName() const { return fileName_; }
    const QString& userMessage() const { return message_; }
    // What went wrong, without the file's name.
    const QString& problem() const { return problem_; }

private:
    QString fileName_;
    QString problem_;
    QString message_;
};
// The name of a data file as messages show it: "Employees/1001/PayRecords.txt".
QString ShownFileName(QStringView relativeName);
// Where a file error goes that a routine here reports itself instead of throwing (a
// TextOutput committing as it is destroyed, a backup copy that cannot be put back or
// made). A program with windows installs one that tells the user (ReportFileError);
// until then such an error goes to the warning log. Returns the reporter it replaces.
using FileErrorReporter = void (*)(const FileError&);
FileErrorReporter SetFileErrorReporter(FileErrorReporter reporter);
// The damaged files the user has been told about in this run: their loaders do not
// tell it again (ReportShortFile).
void NoteDamageTold(QStringView name);
bool DamageTold(QStringView name);

// ---- Existence, counts ----------------------------------------------------------------
// True when the file exists; a missing file whose copy exists in Backup is first
// copied back silently. A copy back that fails is reported (SetFileErrorReporter) and
// gives false.
bool FileExists(QStringView name);
// FileExists for a routine that goes on to change, move, count or add up the file's
// records: a missing file whose copy in Backup cannot be put back is not taken as missing
// (its records are in Backup) but throws FileError naming it and why, before the caller
// has changed anything.
bool FileExistsOrThrow(QStringView name);
// Told by FileExists when it has put a missing file back from Backup, with the name as
// passed. Kestrova restores silently; the other programs tell the user. Returns the
// notice it replaces.
using RestoreNotice = void (*)(QStringView name);
RestoreNotice SetRestoreNotice(RestoreNotice notice);
// Whether a file of the sets reads whole (by its name): a record file holds whole
// records, no more than a count can hold; a table or settings file holds every item
// its loader reads. An empty one does not. Files the sets do not know always do.
// Each record must be plausible too (not zeros, a date where a date belongs), and each
// item of its kind (see DelimitedReader::holdsLayout): what a power cut or a stray
// write leaves behind is damaged, not whole.
bool ReadsWhole(const QString& path);
// Replaces the live file with its copy in Backup. Throws FileError; the live file
// stays as it was when the copy fails.
void RestoreFromBackup(QStringView name);
// File length / record length, rounded to the nearest whole number (ties to even);
// 0 when FileExistsOrThrow finds nothing. Counts are 16-bit: a larger file throws FileError.
std::int16_t RecordCount(QStringView name, std::int16_t recordLength);

// ---- Sequential files -------------------------------------------------------------------
// A sequential input file, read whole when opened. Throws FileError when it cannot be read.
class TextInput : public DelimitedReader {
public:
    explicit TextInput(QStringView name);
};
TextInput OpenInput(QStringView name);

// A sequential output file. Nothing reaches the disk until close(): the new
// content is written whole beside the old file, synced and renamed into place, so a
// failure never leaves a half-written file. Opening throws FileError when the folder
// cannot take the file; close() throws FileError on failure. A TextOutput destroyed
// without close() commits unless an exception is unwinding, and reports a failure of
// that commit to the user (a destructor cannot throw).
class TextOutput : public DelimitedWriter {
public:
    explicit TextOutput(QStringView name);
    TextOutput(TextOutput&& other) noexcept;
    TextOutput& operator=(TextOutput&&) = delete;
    ~TextOutput();
    void close();

private:
    QString path_;
    bool open_ = false; // false once closed or moved from
    int exceptionsAtOpen_ = 0;
};
TextOutput OpenOutput(QStringView name);

// ---- Random (record) files ----------------------------------------------------------------
// A file of fixed-length records numbered from 1 (created when missing; opened
// read-only when it cannot be opened for writing, so that writes then fail loudly).
// A read of a record beyond the end gives nullopt; a record that the end of the file
// cuts short reads with zeros for its missing bytes. A write that fails throws
// FileError. A record written in place lands whole or leaves the old record (the file
// is written anew); an append reaches the disk before write() returns (or before the
// commit of an AppendBatch), and a failed append leaves no partial record behind.
class RandomFile {
public:
    RandomFile(QStringView name, int recordLength);
    RandomFile(RandomFile&&) = default;
    int recordLength() const { return recordLength_; }
    std::int64_t length() const;
    // The records in the file, counted as RecordCount counts them.
    std::int32_t count() const;
    std::optional<QByteArray> read(std::int32_t recordNumber);
    void write(std::int32_t recordNumber, const QByteArray& record);
    // Appends the record after the records the file holds at this moment (counted as
    // RecordCount counts them), while no other program of the suite appends to it, so
    // that records another program appended since this one last counted stay as they
    // are. Returns the record's number. More than a 16-bit count throws FileError.
    std::int32_t append(const QByteArray& record);
    // The whole file in one read (sweeps decode the records from it in memory).
    QByteArray readAll();
    // The same into a buffer the caller keeps: reading many files in a row into one
    // buffer spares the system handing over (and taking back) fresh memory for each.
    void readAll(QByteArray& bytes);

    template <class R> std::optional<R> get(std::int32_t n) {
        auto bytes = read(n);
        if (!bytes) return std::nullopt;
        return R::decode(*bytes);
    }
    template <class R> void put(std::int32_t n, const R& record) { write(n, record.encode()); }
    template <class R> std::int32_t add(const R& record) { return append(record.encode()); }

private:
    void replaceRecord(std::int64_t offset, const QByteArray& bytes);
    void appendAt(std::int32_t recordNumber, std::int64_t offset, const QByteArray& bytes);

    QString path_;
    int recordLength_;
    std::unique_ptr<QFile> file_;
};
RandomFile OpenRandomFile(QStringView name, int recordLength);

// A record file read whole, changed in memory and written back whole by save(), so that
// every record changed lands together or none does. A missing file reads as empty; one
// that cannot be put back from Backup, or read whole, throws FileError (FileExistsOrThrow).
// Records are numbered, read and written as in RandomFile.
class RecordFileImage {
public:
    RecordFileImage(QStringView name, int recordLength);
    std::int32_t count() const;
    std::optional<QByteArray> read(std::int32_t recordNumber) const;
    // The file as read and changed since (sweeps take their records from it in memory).
    const QByteArray& bytes() const { return bytes_; }
    void write(std::int32_t recordNumber, const QByteArray& record);
    // Writes the file when a record was written since it was read. Throws FileError; the
    // file then stays as it was.
    void save();

    template <class R> std::optional<R> get(std::int32_t n) const {
        auto bytes = read(n);
        if (!bytes) return std::nullopt;
        return R::decode(*bytes);
    }
    template <class R> void put(std::int32_t n, const R& record) { write(n, record.encode()); }

private:
    QString path_;
    int recordLength_;
    QByteArray bytes_;
    std::int64_t readLength_ = 0; // the file's length when read
    bool changed_ = false;
};
// A second random file open at the same time.
RandomFile OpenRandomFile2(QStringView name, int recordLength);

// ---- Files and folders ------------------------------------------------------------------------
void DeleteDataFile(QStringView name);
// Deletes "/Backup" & name, then name.
void DeleteFileAndBackup(QStringView name);
// Creates one folder level, private to the user, when nothing of that name exists.
void MakeFolder(QStringView relativeFolder);
// Gives the file the new name (replacing a file of that name), then deletes the old name.
void RenameDataFile(QStringView oldName, QStringView newName);
// Writes a whole file safely (temporary file, synced, then renamed). Throws FileError.
void WriteWholeFile(QStringView name, const QByteArray& bytes);

// ---- The folder tree and the backup sets --------------------------------------------------------
// Backup, Employees, Pictures, Backup/Employees, Backup/Pictures, and the folders
// of every employee in Employees.txt; sets EmployeeCount.
void MakeFolders();
// Both MyBusinessData.txt and PayrollInfo.txt exist (both are tested, so both are
// restored from Backup when they can be).
bool BusinessDataExists();
// How a set copy takes the set: file by file (a failed copy keeps its old target and the
// others go on), or as one: every present source is read and checked first, and a
// damaged or unreadable source or a failed write leaves every target as it was.
enum class SetCopy { EachFile, Together };
// What a set copy did: the files it replaced; the files whose source does not read whole
// (ReadsWhole), so that the target's copy was kept ("TaxTable.txt"); the copies that
// failed (their old target kept).
struct SetCopyOutcome {
    QStringList copied;
    QStringList damaged;
    std::vector<FileError> failed;
};
// The set copies copy from SourceFolder to TargetFolder, skip missing sources and
// sources that do not read whole; a target is replaced only by a complete copy. The
// payroll set copy then turns the program folder's Backup/TaxVariables.txt into
// Backup/MasterTaxVariables.txt, which works only while no master exists.
SetCopyOutcome CopyPayrollFiles(SetCopy mode = SetCopy::EachFile);
// The names of the payroll set, in the order the copy takes them ("MyBusinessData.txt" ...).
const QStringList& PayrollFileSet();
SetCopyOutcome CopyStandardFiles();
// The standard set from the program folder to its Backup folder; a failed copy is shown.
void BackupOnExit();
// Removes what writes cut off by the end of the process left in the program folder,
// its Backup folder and the employees' folders.
void RemoveLeftovers();
