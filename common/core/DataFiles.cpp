#include "DataFiles.h"

#include "DataFileNames.h"
#include "Dates.h"
#include "Globals.h"
#include "Records.h"
#include "SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <exception>
#include <filesystem>
#include <limits>
#include <system_error>
#include <utility>

#include <sys/stat.h>

namespace {

constexpr QFileDevice::Permissions PrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions PrivateFolder = PrivateFile | QFileDevice::ExeOwner;

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

QByteArray readWholeFile(const QString& path);

// Replaces target with a complete copy of source; a failure leaves the old target as
// it was. Throws FileError.
void copyWhole(const QString& source, const QString& target) {
    ReplaceFile(target, readWholeFile(source));
}

QString composeMessage(const QString& fileName, const QString& problem) {
    return QStringLiteral("There is a problem with the file %1\r\n%2").arg(fileName, problem);
}

QString problemText(const QString& what, const QString& detail) {
    return detail.isEmpty() ? what + u'.' : QStringLiteral("%1 (%2).").arg(what, detail);
}

// A record of the summary: a power cut can leave zeros or junk where it was, and no
// payroll is dated outside these years.
bool plausibleSummary(QByteArrayView record) {
    const double date = StoredDate(record, 0);
    return date >= OleDateOf(QDate(1900, 1, 1)) && date < OleDateOf(QDate(2200, 1, 1));
}

// A register entry holds texts only (blank-padded) and its check date as date text.
bool plausibleEntry(QByteArrayView record) {
    if (std::ranges::any_of(record, [](char c) { return static_cast<unsigned char>(c) < 0x20; })) return false;
    return ParseShortDate(RegisterEntry::decode(record).CheckDate.trimmed()).has_value();
}

// What a file of the sets must hold to read whole: whole records of a length, each one
// plausible, or the items its loader reads, each of its kind ("T12F2": twelve texts,
// then two check boxes; see DelimitedReader::holdsLayout). Files the sets do not know
// always read whole.
struct WholeRule {
    const char* name;
    int recordLength;
    bool (*plausible)(QByteArrayView record);
    const char* layout;
};
constexpr WholeRule WholeRules[] = {
    {"MyBusinessData.txt", 0, nullptr, "T9"},
    {"Deductions.txt", 0, nullptr, "T8"},
    {"PayrollInfo.txt", 0, nullptr, "F3"},
    {"TaxTable.txt", 0, nullptr, "T224"},
    {"TaxVariables.txt", 0, nullptr, "T12F2"},
    {"PercentageTable.txt", 0, nullptr, "T224"},
    {"SummaryRecords.txt", SummaryRecord::Length, plausibleSummary, nullptr},
    {"PayrollCheckRegister.txt", RegisterEntry::Length, plausibleEntry, nullptr},
    {"CheckRegister.txt", RegisterEntry::Length, plausibleEntry, nullptr},
    {"StateTaxes.txt", 0, nullptr, "T153"},
    {"NonResidentTaxTable.txt", 0, nullptr, "T8"},
    // Not of the sets, but a copy of one of their files that the tax settings load.
    {"MasterTaxVariables.txt", 0, nullptr, "T12F2"},
};
static_assert(3 * StateCount == 153, "StateTaxes.txt holds three items per state");

// "T12F2" written out: "TTTTTTTTTTTTFF".
QString layoutKinds(const char* layout) {
    QString kinds;
    for (const char* at = layout; *at;) {
        const char kind = *at++;
        int times = 0;
        while (*at >= '0' && *at <= '9')
            times = times * 10 + (*at++ - '0');
        kinds += QString(times, QLatin1Char(kind));
    }
    return kinds;
}

bool recordsPlausible(const QString& path, const WholeRule& rule) {
    const QByteArray bytes = readWholeFile(path);
    for (qsizetype at = 0; at + rule.recordLength <= bytes.size(); at += rule.recordLength)
        if (!rule.plausible(QByteArrayView(bytes).sliced(at, rule.recordLength))) return false;
    return true;
}

SetCopyOutcome copyEachFile(const QString& source, const QString& target, const QStringList& names) {
    SetCopyOutcome outcome;
    for (const QString& name : names) {
        if (!QFileInfo(source + name).isFile()) continue;
        // A damaged file never takes the place of the copy that could repair it.
        if (!ReadsWhole(source + name)) {
            outcome.damaged << name;
            continue;
        }
        try {
            copyWhole(source + name, target + name);
            outcome.copied << name;
        } catch (const FileError& error) {
            outcome.failed.push_back(error);
        }
    }
    return outcome;
}

// Puts back the targets replaced so far, last first; what cannot be put back stays in
// copied and its failure is added.
void takeBack(const QString& target, const std::vector<std::optional<QByteArray>>& before,
              SetCopyOutcome& outcome) {
    for (qsizetype i = outcome.copied.size() - 1; i >= 0; --i) {
        const QString path = target + outcome.copied[i];
        try {
            if (before[static_cast<std::size_t>(i)])
                ReplaceFile(path, *before[static_cast<std::size_t>(i)]);
            else if (!QFile::remove(path))
                throw FileError(path, problemText(QStringLiteral("It could not be removed"), SystemReason()));
            outcome.copied.removeAt(i);
        } catch (const FileError& error) {
            outcome.failed.push_back(error);
        }
    }
}

// Every source is read and checked before any target is touched, every new copy is
// written whole before the first one is renamed into place, and a rename that fails
// puts back the targets already replaced: the target folder ends with all of the set's
// present sources or with none of them.
SetCopyOutcome copyTogether(const QString& source, const QString& target, const QStringList& names) {
    SetCopyOutcome outcome;
    std::vector<std::pair<QString, QByteArray>> sources;
    for (const QString& name : names) {
        if (!QFileInfo(source + name).isFile()) continue;
        try {
            if (!ReadsWhole(source + name))
                outcome.damaged << name;
            else
                sources.emplace_back(name, readWholeFile(source + name));
        } catch (const FileError& error) {
            outcome.failed.push_back(error);
        }
    }
    if (!outcome.damaged.isEmpty() || !outcome.failed.empty()) return outcome;
    std::vector<std::optional<QByteArray>> before;
    std::vector<StagedFile> staged;
    try {
        for (const auto& [name, bytes] : sources) {
            const QString path = target + name;
            before.push_back(QFileInfo(path).isFile() ? std::optional(readWholeFile(path)) : std::nullopt);
            staged.emplace_back(path, bytes);
        }
        for (std::size_t i = 0; i < staged.size(); ++i) {
            staged[i].commit();
            outcome.copied << sources[i].first;
        }
    } catch (const FileError& error) {
        outcome.failed.push_back(error);
        takeBack(target, before, outcome);
    }
    return outcome;
}

QStringList setNames(std::initializer_list<const char*> entries) {
    QStringList names;
    for (const char* entry : entries)
        names << QLatin1String(entry) + QLatin1String(".txt");
    return names;
}

SetCopyOutcome copySet(const QStringList& names, SetCopy mode) {
    const QString source = folderPath(SourceFolder);
    const QString target = folderPath(TargetFolder);
    if (source.isEmpty() || target.isEmpty()) return {};
    return mode == SetCopy::Together ? copyTogether(source, target, names) : copyEachFile(source, target, names);
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
    : std::runtime_error(composeMessage(fileName, problem).toStdString()), fileName_(fileName), problem_(problem),
      message_(composeMessage(fileName, problem)) {}

QString ShownFileName(QStringView relativeName) {
    return normalisedName(relativeName).mid(1);
}

namespace {
// The damaged files the user has been told about in this run, by full path.
QStringList& toldDamaged() {
    static QStringList told;
    return told;
}

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

void NoteDamageTold(QStringView name) {
    toldDamaged() << DataPath(name);
}

bool DamageTold(QStringView name) {
    return toldDamaged().contains(DataPath(name));
}

// ---- Existence, counts ----------------------------------------------------------------

namespace {
RestoreNotice& restoreNoticeSlot() {
    static RestoreNotice notice = nullptr;
    return notice;
}
} // namespace

RestoreNotice SetRestoreNotice(RestoreNotice notice) {
    std::swap(restoreNoticeSlot(), notice);
    return notice;
}

bool FileExistsOrThrow(QStringView name) {
    const QString relative = normalisedName(name);
    const QString live = ProgramFolder() + relative;
    if (QFileInfo(live).isFile()) return true;
    const QString backup = ProgramFolder() + QLatin1String("/Backup") + relative;
    if (!QFileInfo(backup).isFile()) return false;
    try {
        copyWhole(backup, live);
    } catch (const FileError& error) {
        QString why = error.problem();
        if (!why.isEmpty()) why[0] = why[0].toLower();
        throw FileError(live, QStringLiteral("It is missing, and its copy in the Backup folder could not be put "
                                             "back: %1")
                                  .arg(why));
    }
    if (restoreNoticeSlot()) restoreNoticeSlot()(name);
    return true;
}

bool FileExists(QStringView name) {
    try {
        return FileExistsOrThrow(name);
    } catch (const FileError& error) {
        reportUncaught(error);
        return false;
    }
}

namespace {
const WholeRule* wholeRuleOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const auto rule = std::ranges::find_if(WholeRules, [&name](const WholeRule& r) {
        return name.compare(QLatin1String(r.name), Qt::CaseInsensitive) == 0;
    });
    return rule == std::end(WholeRules) ? nullptr : rule;
}
} // namespace

bool ReadsWhole(const QString& path) {
    const WholeRule* rule = wholeRuleOf(path);
    if (!rule) return true;
    const std::int64_t size = QFileInfo(path).size();
    // No writer of the sets leaves an empty file behind: it is what a failed write left.
    if (size == 0) return false;
    try {
        if (rule->recordLength > 0)
            return size % rule->recordLength == 0 &&
                   size / rule->recordLength <= std::numeric_limits<std::int16_t>::max() &&
                   recordsPlausible(path, *rule);
        DelimitedReader in(readWholeFile(path));
        return in.holdsLayout(layoutKinds(rule->layout));
    } catch (const FileError&) {
        return false;
    }
}

void RestoreFromBackup(QStringView name) {
    const QString relative = normalisedName(name);
    copyWhole(ProgramFolder() + QLatin1String("/Backup") + relative, ProgramFolder() + relative);
}

std::int16_t RecordCount(QStringView name, std::int16_t recordLength) {
    if (!FileExistsOrThrow(name)) return 0;
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

TextInput::TextInput(QStringView name) : DelimitedReader(readWholeFile(DataPath(name)), name.toString()) {
    // An item of a set file that is not of its kind (a quote left open, junk in place of
    // the text) would load the items after it shifted: the file reads as short, so its
    // loader takes nothing more from it and tells the user it is damaged.
    const WholeRule* rule = wholeRuleOf(DataPath(name));
    if (!rule || !rule->layout) return;
    DelimitedReader probe = *this;
    if (!probe.holdsLayout(layoutKinds(rule->layout)) && !probe.isShort()) markDamaged();
}

TextInput OpenInput(QStringView name) {
    return TextInput(name);
}

TextOutput::TextOutput(QStringView name)
    : path_(DataPath(name)), open_(true), exceptionsAtOpen_(std::uncaught_exceptions()) {
    // Nothing is written before close(); a folder that cannot take the file fails now.
    const QFileInfo folder(QFileInfo(path_).absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        throw FileError(path_, problemText(QStringLiteral("It could not be created"),
                                           folder.isDir() ? QStringLiteral("the folder cannot be written to")
                                                          : QStringLiteral("the folder does not exist")));
}

TextOutput::TextOutput(TextOutput&& other) noexcept
    : DelimitedWriter(std::move(other)), path_(std::move(other.path_)),
      open_(std::exchange(other.open_, false)), exceptionsAtOpen_(other.exceptionsAtOpen_) {}

TextOutput::~TextOutput() {
    if (!open_ || std::uncaught_exceptions() > exceptionsAtOpen_) return;
    try {
        close();
    } catch (const FileError& error) {
        reportUncaught(error);
    }
}

void TextOutput::close() {
    if (!std::exchange(open_, false)) return;
    ReplaceFile(path_, bytes());
}

TextOutput OpenOutput(QStringView name) {
    return TextOutput(name);
}

void WriteWholeFile(QStringView name, const QByteArray& bytes) {
    ReplaceFile(DataPath(name), bytes);
}

// ---- Random (record) files ----------------------------------------------------------------

namespace {

void checkNumber(const QString& path, std::int32_t recordNumber) {
    if (recordNumber < 1)
        throw FileError(path, QStringLiteral("Record %1 does not exist.").arg(recordNumber));
}

void checkRecord(const QString& path, const QByteArray& record, int recordLength) {
    if (record.size() > recordLength)
        throw FileError(path,
                        QStringLiteral("A record longer than %1 bytes cannot be written.").arg(recordLength));
}

QByteArray padded(QByteArray record, int recordLength) {
    if (record.size() < recordLength) record.append(recordLength - record.size(), '\0');
    return record;
}

// Puts a whole record into the bytes of a file at its offset; a gap before it reads as zeros.
void placeRecord(QByteArray& all, std::int64_t offset, const QByteArray& record) {
    if (all.size() < offset + record.size()) all.resize(offset + record.size(), '\0');
    all.replace(offset, record.size(), record);
}

} // namespace

namespace {

// Whether the open file is still the one of that name: a rewrite renames a new copy in
// under the name, and what is appended after that belongs in the new copy.
bool NamesFile(int handle, const QString& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(handle, &open) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// The append lock of the file of that name, held from before a rewrite reads what other
// programs may have appended until its new copy is renamed in: no append falls between.
class RewriteLock {
public:
    explicit RewriteLock(const QString& path) : file_(path) {
        while (file_.open(QIODevice::ReadOnly)) {
            lock_.emplace(file_.handle());
            if (NamesFile(file_.handle(), path)) return;
            lock_.reset();
            file_.close();
        }
    }
    // What the file holds from the offset on (nothing when it is shorter, or missing).
    QByteArray bytesFrom(std::int64_t offset) {
        if (!lock_ || file_.size() <= offset) return {};
        QByteArray bytes;
        if (file_.seek(offset)) bytes = file_.readAll();
        if (file_.error() != QFileDevice::NoError)
            throw FileError(file_.fileName(),
                            problemText(QStringLiteral("It could not be read"), file_.errorString()));
        return bytes;
    }

private:
    QFile file_;
    std::optional<AppendLock> lock_; // released before the file closes
};

} // namespace

RandomFile::RandomFile(QStringView name, int recordLength)
    : path_(DataPath(name)), recordLength_(recordLength), file_(std::make_unique<QFile>(path_)) {
    if (recordLength_ <= 0) throw FileError(path_, QStringLiteral("The record length is not valid."));
    if (file_->open(QIODevice::ReadWrite | QIODevice::Unbuffered, PrivateFile)) return;
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
    checkNumber(path_, recordNumber);
    const std::int64_t offset = std::int64_t{recordNumber - 1} * recordLength_;
    if (offset >= length()) return std::nullopt;
    if (!file_->seek(offset))
        throw FileError(path_, problemText(QStringLiteral("It could not be read"), file_->errorString()));
    QByteArray bytes = file_->read(recordLength_);
    if (file_->error() != QFileDevice::NoError)
        throw FileError(path_, problemText(QStringLiteral("It could not be read"), file_->errorString()));
    // A record cut short by the end of the file reads with zeros for its missing bytes.
    return padded(std::move(bytes), recordLength_);
}

void RandomFile::write(std::int32_t recordNumber, const QByteArray& record) {
    checkNumber(path_, recordNumber);
    checkRecord(path_, record, recordLength_);
    if (!file_->isWritable())
        throw FileError(path_, QStringLiteral("It could not be written: it can only be read."));
    const QByteArray bytes = padded(record, recordLength_);
    const std::int64_t offset = std::int64_t{recordNumber - 1} * recordLength_;
    if (offset < length())
        replaceRecord(offset, bytes);
    else
        appendAt(recordNumber, offset, bytes);
}

std::int32_t RandomFile::append(const QByteArray& record) {
    checkRecord(path_, record, recordLength_);
    if (!file_->isWritable())
        throw FileError(path_, QStringLiteral("It could not be written: it can only be read."));
    std::optional<AppendLock> lock(std::in_place, file_->handle());
    while (!NamesFile(file_->handle(), path_)) {
        // Another program rewrote the file since it was opened: the append goes into the new copy.
        lock.reset();
        file_->close();
        if (!file_->open(QIODevice::ReadWrite | QIODevice::Unbuffered, PrivateFile))
            throw FileError(path_,
                            problemText(QStringLiteral("It could not be opened"), file_->errorString()));
        lock.emplace(file_->handle());
    }
    const std::int64_t count = roundedCount(length(), recordLength_);
    if (count >= std::numeric_limits<std::int16_t>::max())
        throw FileError(path_, QStringLiteral("It holds more records than the program can handle."));
    const auto recordNumber = static_cast<std::int32_t>(count + 1);
    appendAt(recordNumber, count * recordLength_, padded(record, recordLength_));
    return recordNumber;
}

// A record rewritten in place could be torn by a write cut part-way: the whole file is
// written anew with the record changed, so the record changes whole or not at all.
void RandomFile::replaceRecord(std::int64_t offset, const QByteArray& bytes) {
    RewriteLock lock(path_);
    QByteArray all = lock.bytesFrom(0);
    if (all.isEmpty()) all = readAll();
    placeRecord(all, offset, bytes);
    file_->close();
    const auto reopen = [this] { file_->open(QIODevice::ReadWrite | QIODevice::Unbuffered); };
    try {
        ReplaceFile(path_, all);
    } catch (const FileError&) {
        reopen();
        throw;
    }
    reopen();
}

void RandomFile::appendAt(std::int32_t recordNumber, std::int64_t offset, const QByteArray& bytes) {
    const std::int64_t oldLength = length();
    const std::int64_t room = WriteFaultLimit(path_).value_or(bytes.size());
    bool written = file_->seek(offset) &&
                   file_->write(bytes.left(room)) == std::min<qsizetype>(room, bytes.size()) &&
                   file_->flush() && room >= bytes.size();
    QString why = room < bytes.size() ? QStringLiteral("No space left on device") : file_->errorString();
    if (written && !AppendBatch::defer(path_, oldLength, offset + bytes.size())) {
        if (const auto failed = SyncOpenFile(file_->handle(), path_)) {
            written = false;
            why = *failed;
        }
    }
    if (written) {
        KeepPayDataPrivate(file_->handle(), path_);
        return;
    }
    // A failed append must not leave a partial record that later counts as one.
    file_->resize(oldLength);
    throw FileError(path_,
                    problemText(QStringLiteral("Record %1 could not be written").arg(recordNumber), why));
}

QByteArray RandomFile::readAll() {
    QByteArray bytes;
    readAll(bytes);
    return bytes;
}

void RandomFile::readAll(QByteArray& bytes) {
    bytes.resize(0);
    if (!file_->seek(0))
        throw FileError(path_, problemText(QStringLiteral("It could not be read"), file_->errorString()));
    bytes.resize(file_->size());
    const qint64 read = file_->read(bytes.data(), bytes.size());
    if (read < 0 || file_->error() != QFileDevice::NoError)
        throw FileError(path_, problemText(QStringLiteral("It could not be read"), file_->errorString()));
    bytes.resize(read);
}

RandomFile OpenRandomFile(QStringView name, int recordLength) {
    return RandomFile(name, recordLength);
}

RandomFile OpenRandomFile2(QStringView name, int recordLength) {
    return RandomFile(name, recordLength);
}

RecordFileImage::RecordFileImage(QStringView name, int recordLength)
    : path_(DataPath(name)), recordLength_(recordLength) {
    if (recordLength_ <= 0) throw FileError(path_, QStringLiteral("The record length is not valid."));
    if (FileExistsOrThrow(name)) bytes_ = readWholeFile(path_);
    readLength_ = bytes_.size();
}

std::int32_t RecordFileImage::count() const {
    return static_cast<std::int32_t>(std::min<std::int64_t>(roundedCount(bytes_.size(), recordLength_),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::optional<QByteArray> RecordFileImage::read(std::int32_t recordNumber) const {
    checkNumber(path_, recordNumber);
    const std::int64_t offset = std::int64_t{recordNumber - 1} * recordLength_;
    if (offset >= bytes_.size()) return std::nullopt;
    return padded(bytes_.mid(offset, recordLength_), recordLength_);
}

void RecordFileImage::write(std::int32_t recordNumber, const QByteArray& record) {
    checkNumber(path_, recordNumber);
    checkRecord(path_, record, recordLength_);
    const std::int64_t offset = std::int64_t{recordNumber - 1} * recordLength_;
    const QByteArray bytes = padded(record, recordLength_);
    // A record written as it stands changes nothing: an unchanged file is not written.
    if (offset + recordLength_ <= bytes_.size() &&
        QByteArrayView(bytes_).sliced(offset, recordLength_) == bytes)
        return;
    placeRecord(bytes_, offset, bytes);
    changed_ = true;
}

void RecordFileImage::save() {
    if (!changed_) return;
    // Records other programs appended since the file was read follow this program's own.
    RewriteLock lock(path_);
    const QByteArray appended = lock.bytesFrom(readLength_);
    ReplaceFile(path_, bytes_ + appended);
    bytes_ += appended;
    readLength_ = bytes_.size();
    changed_ = false;
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
    // Another program of the suite may make the same folder at the same moment.
    if (!QDir().mkdir(path, PrivateFolder) && !QFileInfo(path).isDir())
        throw FileError(path, QStringLiteral("The folder could not be created."));
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

const QStringList& PayrollFileSet() {
    static const QStringList names =
        setNames({"MyBusinessData", "Deductions", "PayrollInfo", "TaxTable", "TaxVariables", "PercentageTable",
                  "SummaryRecords", "PayrollCheckRegister", "CheckRegister", "StateTaxes", "NonResidentTaxTable"});
    return names;
}

SetCopyOutcome CopyPayrollFiles(SetCopy mode) {
    SetCopyOutcome outcome = copySet(PayrollFileSet(), mode);
    // The first backup of the tax variables becomes the master copy; once a master
    // exists the move fails and the master is never touched again.
    const QString backup = ProgramFolder() + QLatin1String("/Backup/");
    const QString master = backup + QLatin1String("MasterTaxVariables.txt");
    if (!QFileInfo::exists(master)) QFile::rename(backup + QLatin1String("TaxVariables.txt"), master);
    return outcome;
}

SetCopyOutcome CopyStandardFiles() {
    static const QStringList names =
        setNames({"CompanyLogo", "CustomerData", "AuxHeadings", "LogoSettings", "Phone", "MyBusinessData",
                  "PrintColors", "SoldItems", "MyWebSite", "TaxRecords", "SpeedNumbers"});
    return copySet(names, SetCopy::EachFile);
}

void BackupOnExit() {
    SourceFolder = ProgramFolder() + u'/';
    TargetFolder = ProgramFolder() + QLatin1String("/Backup/");
    for (const FileError& error : CopyStandardFiles().failed)
        reportUncaught(error);
}

void RemoveLeftovers() {
    const QString folder = ProgramFolder();
    RemoveLeftoverTemporaries(folder);
    RemoveLeftoverTemporaries(folder + QLatin1String("/Backup"));
    const QDir employees(folder + QLatin1String("/Employees"));
    for (const QString& number : employees.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        RemoveLeftoverTemporaries(employees.filePath(number));
}
