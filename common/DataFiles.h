#pragma once

#include "DelimitedFile.h"

#include <QFile>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <stdexcept>

// ---- The program folder ------------------------------------------------------------
// The folder named by KESTROVA_FOLDER when set, else the folder of the executable;
// without a trailing separator.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);
// Full path of a relative data-file name ("/Employees.txt", "\TempRegister.txt",
// "/Employees/1001/PayRecords.txt"): both separators mean the same.
QString DataPath(QStringView relativeName);

// A failure of the file system outside the two set copies. Its text says which
// file and what went wrong, in words for the user; screens show it (ReportFileError).
class FileError : public std::runtime_error {
public:
    FileError(const QString& fileName, const QString& problem);
    const QString& fileName() const { return fileName_; }
    const QString& userMessage() const { return message_; }

private:
    QString fileName_;
    QString message_;
};
// Shows a file error to the user ("File Error").
void ReportFileError(const FileError& error);
// Shows that a delimited file ended before all its items were read.
void ReportShortFile(const QString& relativeName);

// ---- Existence, counts ----------------------------------------------------------------
// True when the file exists; a missing file whose copy exists in Backup is first
// copied back silently.
bool FileExists(QStringView name);
// File length / record length, rounded to the nearest whole number (ties to even);
// 0 when FileExists finds nothing. Counts are 16-bit.
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
// never leaves a half-written file. close() throws FileError on failure; a
// TextOutput destroyed without close() commits unless an exception is unwinding.
class TextOutput : public DelimitedWriter {
public:
    explicit TextOutput(QStringView name);
    TextOutput(TextOutput&&) = default;
    ~TextOutput();
    void close();

private:
    QString path_;
    bool closed_ = false;
};
TextOutput OpenOutput(QStringView name);

// ---- Random (record) files ----------------------------------------------------------------
// A file of fixed-length records numbered from 1 (created when missing). Reads of
// a record beyond the end give nullopt; a write that fails throws FileError.
class RandomFile {
public:
    RandomFile(QStringView name, int recordLength);
    RandomFile(RandomFile&&) = default;
    int recordLength() const { return recordLength_; }
    std::int64_t length() const;
    std::int32_t count() const; // whole records in the file
    std::optional<QByteArray> read(std::int32_t recordNumber);
    void write(std::int32_t recordNumber, const QByteArray& record);

    template <class R> std::optional<R> get(std::int32_t n) {
        auto bytes = read(n);
        if (!bytes) return std::nullopt;
        return R::decode(*bytes);
    }
    template <class R> void put(std::int32_t n, const R& record) { write(n, record.encode()); }

private:
    QString name_;
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
void MakeFolders();
bool BusinessDataExists();
void CopyPayrollFiles();
void CopyStandardFiles();
void BackupOnExit();
