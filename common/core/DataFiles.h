#pragma once

#include "DelimitedFile.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>

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

private:
    QString fileName_;
    QString message_;
};
// The name of a data file as messages show it: "Employees/1001/PayRecords.txt".
QString ShownFileName(QStringView relativeName);
// Where a file error goes that no caller can catch (a TextOutput committing as it is
// destroyed). A program with windows installs one that tells the user (ReportFileError);
// until then such an error goes to the warning log. Returns the reporter it replaces.
using FileErrorReporter = void (*)(const FileError&);
FileErrorReporter SetFileErrorReporter(FileErrorReporter reporter);

// ---- Existence, counts ----------------------------------------------------------------
// True when the file exists; a missing file whose copy exists in Backup is first
// copied back silently.
bool FileExists(QStringView name);
// File length / record length, rounded to the nearest whole number (ties to even);
// 0 when FileExists finds nothing. Counts are 16-bit: a larger file throws FileError.
std::int16_t RecordCount(QStringView name, std::int16_t recordLength);

// ---- Sequential files -------------------------------------------------------------------
// A sequential input file, read whole when opened. Throws FileError when it cannot be read.
class TextInput : public DelimitedReader {
public:
    explicit TextInput(QStringView name);
};
TextInput OpenInput(QStringView name);

// A sequential output file. Nothing reaches the disk until close(): the new
// content is written beside the old file and renamed into place, so a failure
// never leaves a half-written file. Opening throws FileError when the file cannot
// be created (a missing folder); close() throws FileError on failure. A TextOutput
// destroyed without close() commits unless an exception is unwinding, and reports
// a failure of that commit to the user (a destructor cannot throw).
class TextOutput : public DelimitedWriter {
public:
    explicit TextOutput(QStringView name);
    TextOutput(TextOutput&& other) noexcept;
    TextOutput& operator=(TextOutput&&) = delete;
    ~TextOutput();
    void close();

private:
    QString path_;
    std::unique_ptr<QSaveFile> file_; // null once closed or moved from
    int exceptionsAtOpen_ = 0;
};
TextOutput OpenOutput(QStringView name);

// ---- Random (record) files ----------------------------------------------------------------
// A file of fixed-length records numbered from 1 (created when missing; opened
// read-only when it cannot be opened for writing, so that writes then fail loudly).
// A read of a record beyond the end gives nullopt; a record that the end of the file
// cuts short reads with zeros for its missing bytes. A write that fails throws
// FileError, and a failed append leaves no partial record behind.
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
    // The whole file in one read (sweeps decode the records from it in memory).
    QByteArray readAll();

    template <class R> std::optional<R> get(std::int32_t n) {
        auto bytes = read(n);
        if (!bytes) return std::nullopt;
        return R::decode(*bytes);
    }
    template <class R> void put(std::int32_t n, const R& record) { write(n, record.encode()); }

private:
    QString path_;
    int recordLength_;
    std::unique_ptr<QFile> file_;
};
RandomFile OpenRandomFile(QStringView name, int recordLength);
// A second random file open at the same time.
RandomFile OpenRandomFile2(QStringView name, int recordLength);

// ---- Files and folders ------------------------------------------------------------------------
void DeleteDataFile(QStringView name);
// Deletes "/Backup" & name, then name.
void DeleteFileAndBackup(QStringView name);
// Creates one folder level when nothing of that name exists.
void MakeFolder(QStringView relativeFolder);
// Gives the file the new name (replacing a file of that name), then deletes the old name.
void RenameDataFile(QStringView oldName, QStringView newName);
// Writes a whole file safely (temporary file, then rename). Throws FileError.
void WriteWholeFile(QStringView name, const QByteArray& bytes);

// ---- The folder tree and the backup sets --------------------------------------------------------
// Backup, Employees, Pictures, Backup/Employees, Backup/Pictures, and the folders
// of every employee in Employees.txt; sets EmployeeCount.
void MakeFolders();
// Both MyBusinessData.txt and PayrollInfo.txt exist (both are tested, so both are
// restored from Backup when they can be).
bool BusinessDataExists();
// The set copies copy from SourceFolder to TargetFolder, skip missing sources and
// ignore every error; a target is replaced only by a complete copy. The payroll set
// copy then turns the program folder's Backup/TaxVariables.txt into
// Backup/MasterTaxVariables.txt, which works only while no master exists.
void CopyPayrollFiles();
void CopyStandardFiles();
// The standard set from the program folder to its Backup folder.
void BackupOnExit();
