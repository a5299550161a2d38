#include "DataFiles.h"

#include "DataFileNames.h"
#include "Globals.h"
#include "Records.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <array>
#include <exception>
#include <filesystem>
#include <limits>
#include <system_error>
#include <utility>

namespace {

QString& folderSlot() {
    static QString folder;
    return folder;
}

QString withForwardSlashes(QStringView text) {
    QString s = text.toString();
    s.replace(u'\\', u'/');
    return s;
}

// "/Employees.txt", "\TempRegister.txt" and "Employees.txt" all name the same file.
QString normalisedName(QStringView name) {
    QString n = withForwardSlashes(name);
    if (!n.startsWith(u'/')) n.prepend(u'/');
    return n;
}

// A full folder path as the set copies use it, ending with one '/'; empty stays empty.
QString folderPath(const QString& folder) {
    QString f = withForwardSlashes(folder);
    if (!f.isEmpty() && !f.endsWith(u'/')) f += u'/';
    return f;
}

// The length divided by the record length, to the nearest whole number, ties to even.
std::int64_t roundedCount(std::int64_t length, std::int64_t recordLength) {
    if (recordLength <= 0 || length <= 0) return 0;
    std::int64_t count = length / recordLength;
    const std::int64_t twiceRest = 2 * (length % recordLength);
    if (twiceRest > recordLength || (twiceRest == recordLength && count % 2 != 0)) ++count;
    return count;
}

// Replaces target with a complete copy of source: the copy is written beside the
// target and renamed into place, so a failure leaves the old target as it was.
bool copyWhole(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) return false;
        if (out.write(chunk) != chunk.size()) return false;
    }
    return out.commit();
}

QString composeMessage(const QString& fileName, const QString& problem) {
    return QStringLiteral("There is a problem with the file %1\r\n%2").arg(fileName, problem);
}

QString problemText(const QString& what, const QString& detail) {
    return detail.isEmpty() ? what + u'.' : QStringLiteral("%1 (%2).").arg(what, detail);
}

void copySet(const std::array<const char*, 11>& names) {
    const QString source = folderPath(SourceFolder);
    const QString target = folderPath(TargetFolder);
    if (source.isEmpty() || target.isEmpty()) return;
    for (const char* entry : names) {
        const QString name = QLatin1String(entry) + QLatin1String(".txt");
        if (QFileInfo(source + name).isFile()) copyWhole(source + name, target + name);
    }
}

} // namespace

// ---- The program folder ------------------------------------------------------------

QString ProgramFolder() {
    QString& folder = folderSlot();
    if (folder.isEmpty()) {
        const QString named = qEnvironmentVariable("KESTROVA_FOLDER");
        if (!named.isEmpty())
            folder = QDir::cleanPath(QDir(withForwardSlashes(named)).absolutePath());
        else if (QCoreApplication::instance())
            folder = QCoreApplication::applicationDirPath();
        else
            folder = QDir::currentPath();
    }
    return folder;
}

void SetProgramFolder(const QString& folder) {
    folderSlot() = folder.isEmpty() ? QString() : QDir::cleanPath(withForwardSlashes(folder));
}

QString DataPath(QStringView relativeName) {
    return ProgramFolder() + normalisedName(relativeName);
}

FileError::FileError(const QString& fileName, const QString& problem)
    : std::runtime_error(composeMessage(fileName, problem).toStdString()), fileName_(fileName),
      message_(composeMessage(fileName, problem)) {}

QString ShownFileName(QStringView relativeName) {
    return normalisedName(relativeName).mid(1);
}

namespace {
FileErrorReporter& reporterSlot() {
    static FileErrorReporter reporter = nullptr;
    return reporter;
}

void reportUncaught(const FileError& error) {
    if (reporterSlot())
        reporterSlot()(error);
    else
        qWarning("%s", qUtf8Printable(error.userMessage()));
}
} // namespace

FileErrorReporter SetFileErrorReporter(FileErrorReporter reporter) {
    std::swap(reporterSlot(), reporter);
    return reporter;
}

// ---- Existence, counts ----------------------------------------------------------------

bool FileExists(QStringView name) {
    const QString relative = normalisedName(name);
    const QString live = ProgramFolder() + relative;
    if (QFileInfo(live).isFile()) return true;
    const QString backup = ProgramFolder() + QLatin1String("/Backup") + relative;
    if (!QFileInfo(backup).isFile()) return false;
    return copyWhole(backup, live);
}

std::int16_t RecordCount(QStringView name, std::int16_t recordLength) {
    if (!FileExists(name)) return 0;
    const QString path = DataPath(name);
    const std::int64_t count = roundedCount(QFileInfo(path).size(), recordLength);
    if (count > std::numeric_limits<std::int16_t>::max())
        throw FileError(path, QStringLiteral("It holds more records than the program can handle."));
    return static_cast<std::int16_t>(count);
}

// ---- Sequential files -------------------------------------------------------------------

namespace {
QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            path, problemText(QStringLiteral("It could not be opened for reading"), file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, problemText(QStringLiteral("It could not be read"), file.errorString()));
    return bytes;
}
} // namespace

TextInput::TextInput(QStringView name) : DelimitedReader(readWholeFile(DataPath(name)), name.toString()) {}

TextInput OpenInput(QStringView name) {
    return TextInput(name);
}

TextOutput::TextOutput(QStringView name)
    : path_(DataPath(name)), file_(std::make_unique<QSaveFile>(path_)),
      exceptionsAtOpen_(std::uncaught_exceptions()) {
    if (!file_->open(QIODevice::WriteOnly))
        throw FileError(path_, problemText(QStringLiteral("It could not be created"), file_->errorString()));
}

TextOutput::TextOutput(TextOutput&& other) noexcept
    : DelimitedWriter(std::move(other)), path_(std::move(other.path_)), file_(std::move(other.file_)),
      exceptionsAtOpen_(other.exceptionsAtOpen_) {}

TextOutput::~TextOutput() {
    if (!file_) return;
    if (std::uncaught_exceptions() > exceptionsAtOpen_) {
        file_->cancelWriting();
        return;
    }
    try {
        close();
    } catch (const FileError& error) {
        reportUncaught(error);
    }
}

void TextOutput::close() {
    if (!file_) return;
    const std::unique_ptr<QSaveFile> file = std::move(file_);
    const bool written = file->write(bytes()) == bytes().size();
    if (!written || !file->commit())
        throw FileError(path_, problemText(QStringLiteral("It could not be written; the old file was kept"),
                                           file->errorString()));
}

TextOutput OpenOutput(QStringView name) {
    return TextOutput(name);
}

void WriteWholeFile(QStringView name, const QByteArray& bytes) {
    const QString path = DataPath(name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(path, problemText(QStringLiteral("It could not be created"), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(path, problemText(QStringLiteral("It could not be written; the old file was kept"),
                                          file.errorString()));
}

// ---- Random (record) files ----------------------------------------------------------------

RandomFile::RandomFile(QStringView name, int recordLength)
    : path_(DataPath(name)), recordLength_(recordLength), file_(std::make_unique<QFile>(path_)) {
    if (recordLength_ <= 0) throw FileError(path_, QStringLiteral("The record length is not valid."));
    if (file_->open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return;
    const QString why = file_->errorString();
    if (QFileInfo(path_).isFile() && file_->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return;
    throw FileError(path_, problemText(QStringLiteral("It could not be opened"), why));
}

std::int64_t RandomFile::length() const {
    return file_->size();
}

std::int32_t RandomFile::count() const {
    return static_cast<std::int32_t>(std::min<std::int64_t>(roundedCount(length(), recordLength_),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::optional<QByteArray> RandomFile::read(std::int32_t recordNumber) {
    if (recordNumber < 1)
        throw FileError(path_, QStringLiteral("Record %1 does not exist.").arg(recordNumber));
    const std::int64_t offset = std::int64_t{recordNumber - 1} * recordLength_;
    if (offset >= length()) return std::nullopt;
    if (!file_->seek(offset))
        throw FileError(path_, problemText(QStringLiteral("It could not be read"), file_->errorString()));
    QByteArray bytes = file_->read(recordLength_);
    if (file_->error() != QFileDevice::NoError)
        throw FileError(path_, problemText(QStringLiteral("It could not be read"), file_->errorString()));
    // A record cut short by the end of the file reads with zeros for its missing bytes.
    if (bytes.size() < recordLength_) bytes.append(recordLength_ - bytes.size(), '\0');
    return bytes;
}

void RandomFile::write(std::int32_t recordNumber, const QByteArray& record) {
    if (recordNumber < 1)
        throw FileError(path_, QStringLiteral("Record %1 does not exist.").arg(recordNumber));
    if (record.size() > recordLength_)
        throw FileError(
            path_, QStringLiteral("A record longer than %1 bytes cannot be written.").arg(recordLength_));
    if (!file_->isWritable())
        throw FileError(path_, QStringLiteral("It could not be written: it can only be read."));
    QByteArray bytes = record;
    if (bytes.size() < recordLength_) bytes.append(recordLength_ - bytes.size(), '\0');
    const std::int64_t oldLength = length();
    const std::int64_t offset = std::int64_t{recordNumber - 1} * recordLength_;
    if (file_->seek(offset) && file_->write(bytes) == bytes.size() && file_->flush()) return;
    const QString why = file_->errorString();
    // A failed append must not leave a partial record that later counts as one.
    if (offset >= oldLength) file_->resize(oldLength);
    throw FileError(path_,
                    problemText(QStringLiteral("Record %1 could not be written").arg(recordNumber), why));
}

QByteArray RandomFile::readAll() {
    if (!file_->seek(0))
        throw FileError(path_, problemText(QStringLiteral("It could not be read"), file_->errorString()));
    QByteArray bytes = file_->readAll();
    if (file_->error() != QFileDevice::NoError)
        throw FileError(path_, problemText(QStringLiteral("It could not be read"), file_->errorString()));
    return bytes;
}

RandomFile OpenRandomFile(QStringView name, int recordLength) {
    return RandomFile(name, recordLength);
}

RandomFile OpenRandomFile2(QStringView name, int recordLength) {
    return RandomFile(name, recordLength);
}

// ---- Files and folders ------------------------------------------------------------------------

void DeleteDataFile(QStringView name) {
    const QString path = DataPath(name);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return;
    QFile file(path);
    if (!file.remove())
        throw FileError(path, problemText(QStringLiteral("It could not be deleted"), file.errorString()));
}

void DeleteFileAndBackup(QStringView name) {
    DeleteDataFile(QString(QLatin1String("/Backup") + normalisedName(name)));
    DeleteDataFile(name);
}

void MakeFolder(QStringView relativeFolder) {
    const QString path = DataPath(relativeFolder);
    if (QFileInfo::exists(path)) return;
    if (!QDir().mkdir(path)) throw FileError(path, QStringLiteral("The folder could not be created."));
}

void RenameDataFile(QStringView oldName, QStringView newName) {
    const QString oldPath = DataPath(oldName);
    const QString newPath = DataPath(newName);
    // Renaming a file to its own name must not end by deleting it.
    if (oldPath == newPath) return;
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(oldPath).toStdString()),
                            std::filesystem::path(QFile::encodeName(newPath).toStdString()), error);
    if (error)
        throw FileError(oldPath, problemText(QStringLiteral("It could not be renamed to %1").arg(newPath),
                                             QString::fromStdString(error.message())));
    DeleteDataFile(oldName);
}

// ---- The folder tree and the backup sets --------------------------------------------------------

namespace {
void makeEmployeeFolders(const QString& number) {
    for (const QString& folder :
         {QStringLiteral("/Employees/") + number, QStringLiteral("/Pictures/") + number,
          QStringLiteral("/Employees/") + number + QStringLiteral("/W-4"),
          QStringLiteral("/Backup/Employees/") + number, QStringLiteral("/Backup/Pictures/") + number})
        MakeFolder(folder);
}
} // namespace

void MakeFolders() {
    for (const char16_t* folder :
         {u"/Backup", u"/Employees", u"/Pictures", u"/Backup/Employees", u"/Backup/Pictures"})
        MakeFolder(folder);
    if (!FileExists(EmployeeFile)) return;
    EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
    if (EmployeeCount < 1) return;
    RandomFile employees = OpenRandomFile(EmployeeFile, EmployeeRecord::Length);
    for (LoopCounter = 1; LoopCounter <= EmployeeCount; ++LoopCounter) {
        const auto record = employees.get<EmployeeRecord>(LoopCounter);
        if (!record) break;
        CurrentEmployee = *record;
        // A record whose number is not a number has no folders to make.
        const auto number = ToInt16(CurrentEmployee.EmployeeNo.trimmed());
        if (number) makeEmployeeFolders(QString::number(*number));
    }
}

bool BusinessDataExists() {
    const bool business = FileExists(BusinessDataFile);
    const bool payrollInfo = FileExists(PayrollInfoFile);
    return business && payrollInfo;
}

void CopyPayrollFiles() {
    copySet({"MyBusinessData", "Deductions", "PayrollInfo", "TaxTable", "TaxVariables", "PercentageTable",
             "SummaryRecords", "PayrollCheckRegister", "CheckRegister", "StateTaxes", "NonResidentTaxTable"});
    // The first backup of the tax variables becomes the master copy; once a master
    // exists the move fails and the master is never touched again.
    const QString backup = ProgramFolder() + QLatin1String("/Backup/");
    const QString master = backup + QLatin1String("MasterTaxVariables.txt");
    if (!QFileInfo::exists(master)) QFile::rename(backup + QLatin1String("TaxVariables.txt"), master);
}

void CopyStandardFiles() {
    copySet({"CompanyLogo", "CustomerData", "AuxHeadings", "LogoSettings", "Phone", "MyBusinessData",
             "PrintColors", "SoldItems", "MyWebSite", "TaxRecords", "SpeedNumbers"});
}

void BackupOnExit() {
    SourceFolder = ProgramFolder() + u'/';
    TargetFolder = ProgramFolder() + QLatin1String("/Backup/");
    CopyStandardFiles();
}
