#include "SafeWrite.h"

#include "DataFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::optional<WriteFault>& faultSlot() {
    static std::optional<WriteFault> fault;
    return fault;
}

QString reasonOf(int error) {
    return qt_error_string(error);
}

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

QString temporaryName(const QString& path) {
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = path + QLatin1String(TemporaryMark);
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int{sizeof Letters - 1})]);
    return name;
}

// Writes every byte, going on after a short write; false with errno set on failure.
bool writeAll(int handle, const char* data, std::int64_t size) {
    while (size > 0) {
        const ssize_t written = ::write(handle, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// The temporary copy, created exclusively beside the target with the target's mode.
class Temporary {
public:
    explicit Temporary(const QString& path, unsigned mode) {
        for (int attempt = 0; attempt < 100 && handle_ < 0; ++attempt) {
            name_ = temporaryName(path);
            handle_ =
                ::open(encoded(name_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, PrivateFileMode);
            if (handle_ < 0 && errno != EEXIST) break;
        }
        // The creation mode is cut by the umask; a replaced file's own mode is put back.
        if (handle_ >= 0 && mode != PrivateFileMode && ::fchmod(handle_, mode) != 0) discard();
    }
    ~Temporary() { discard(); }
    int handle() const { return handle_; }
    const QString& name() const { return name_; }
    // Closes the copy; false when the close reports a failed write.
    bool close() {
        const int handle = std::exchange(handle_, -1);
        return ::close(handle) == 0;
    }
    void renamed() { name_.clear(); }
    void discard() {
        const int error = errno;
        if (handle_ >= 0) ::close(std::exchange(handle_, -1));
        if (!name_.isEmpty()) ::unlink(encoded(std::exchange(name_, QString())).constData());
        errno = error;
    }

private:
    QString name_;
    int handle_ = -1;
};

// The folder's entry of a renamed file reaches the disk. Best effort: the file's own
// content is synced already, and the rename cannot be taken back once done.
void syncFolder(const QString& path) {
    const int folder =
        ::open(encoded(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return;
    static_cast<void>(::fsync(folder));
    ::close(folder);
}

// A data file kept elsewhere through a link is replaced where it lies; the link stays.
QString whereItLies(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
}

} // namespace

bool HoldsPayData(const QString& path) {
    static const QStringList names{QStringLiteral("Employees.txt"),        QStringLiteral("PayRecords.txt"),
                                   QStringLiteral("EmployeeUpdate.txt"),   QStringLiteral("SummaryRecords.txt"),
                                   QStringLiteral("SummaryUpdate.txt"),    QStringLiteral("PayrollCheckRegister.txt"),
                                   QStringLiteral("CheckRegister.txt"),    QStringLiteral("TempRegister.txt")};
    const QString name = QFileInfo(path).fileName();
    return names.contains(name, Qt::CaseInsensitive) ||
           name.startsWith(QLatin1String("PayrollRecords "), Qt::CaseInsensitive) ||
           name.startsWith(QLatin1String("SummaryOffload "), Qt::CaseInsensitive);
}

void KeepPayDataPrivate(int handle, const QString& path) {
    struct stat info {};
    if (!HoldsPayData(path) || ::fstat(handle, &info) != 0 || (info.st_mode & 077) == 0) return;
    static_cast<void>(::fchmod(handle, info.st_mode & 0700));
}

QString SystemReason() {
    return reasonOf(errno);
}

void InjectWriteFault(std::optional<WriteFault> fault) {
    faultSlot() = std::move(fault);
}

bool WriteFaultAt(const QString& path, WriteStep step) {
    const std::optional<WriteFault>& fault = faultSlot();
    return fault && fault->step == step && path.endsWith(u'/' + fault->fileName);
}

std::optional<std::int64_t> WriteFaultLimit(const QString& path) {
    if (!WriteFaultAt(path, WriteStep::Write)) return std::nullopt;
    return faultSlot()->afterBytes;
}

std::optional<QString> SyncOpenFile(int handle, const QString& path) {
    if (WriteFaultAt(path, WriteStep::Sync)) return reasonOf(EIO);
    if (::fsync(handle) != 0) return SystemReason();
    return std::nullopt;
}

StagedFile::StagedFile(const QString& path, const QByteArray& bytes, bool synced)
    : path_(path), target_(whereItLies(path)), synced_(synced) {
    struct stat old {};
    hadOld_ = ::stat(encoded(target_).constData(), &old) == 0;
    if (WriteFaultAt(path, WriteStep::Open)) fail(reasonOf(ENOSPC));
    Temporary copy(target_, hadOld_ && !HoldsPayData(target_) ? old.st_mode & 07777 : PrivateFileMode);
    if (copy.handle() < 0) fail(SystemReason());

    const std::optional<std::int64_t> limit = WriteFaultLimit(path);
    const std::int64_t size = limit ? std::min<std::int64_t>(*limit, bytes.size()) : bytes.size();
    if (!writeAll(copy.handle(), bytes.constData(), size)) fail(SystemReason());
    if (size < bytes.size()) fail(reasonOf(ENOSPC));
    if (synced_) {
        if (const auto failed = SyncOpenFile(copy.handle(), path)) fail(*failed);
    }
    if (WriteFaultAt(path, WriteStep::Flush)) fail(reasonOf(EIO));
    if (!copy.close()) fail(SystemReason());
    temporary_ = copy.name();
    copy.renamed();
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : path_(std::move(other.path_)), target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, QString())), hadOld_(other.hadOld_), synced_(other.synced_) {}

StagedFile::~StagedFile() {
    if (!temporary_.isEmpty()) ::unlink(encoded(temporary_).constData());
}

void StagedFile::fail(const QString& reason) const {
    throw FileError(path_, hadOld_ ? QStringLiteral("It could not be written; the old file was kept (%1).").arg(reason)
                                   : QStringLiteral("It could not be written (%1).").arg(reason));
}

void StagedFile::commit() {
    if (temporary_.isEmpty()) return;
    if (WriteFaultAt(path_, WriteStep::Rename)) fail(reasonOf(EIO));
    if (::rename(encoded(temporary_).constData(), encoded(target_).constData()) != 0) fail(SystemReason());
    temporary_.clear();
    if (synced_) syncFolder(target_);
}

void ReplaceFile(const QString& path, const QByteArray& bytes) {
    StagedFile(path, bytes).commit();
}

void WriteUnsynced(const QString& path, const QByteArray& bytes) {
    StagedFile(path, bytes, false).commit();
}

void MoveFileOver(const QString& from, const QString& to, bool syncNow) {
    const QString target = whereItLies(to);
    const auto fail = [&](const QString& reason) {
        throw FileError(from, QStringLiteral("It could not be renamed to %1 (%2).").arg(to, reason));
    };
    if (WriteFaultAt(to, WriteStep::Rename)) fail(reasonOf(EIO));
    if (::rename(encoded(from).constData(), encoded(target).constData()) != 0) fail(SystemReason());
    if (syncNow) syncFolder(target);
}

void RemoveLeftoverTemporaries(const QString& folder) {
    static const QRegularExpression leftover(QStringLiteral("\\.partial-[A-Za-z0-9]{6}$"));
    const QDateTime settled = QDateTime::currentDateTime().addSecs(-600);
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& file : files)
        if (leftover.match(file.fileName()).hasMatch() && file.lastModified() < settled)
            QFile::remove(file.filePath());
}

// ---- Batches of appends ----------------------------------------------------------------------

namespace {
AppendBatch*& currentBatch() {
    static AppendBatch* batch = nullptr;
    return batch;
}

// Syncs every file, several at a time, so that the file system commits them together
// rather than one after another; the reason for each one that failed.
std::vector<std::optional<QString>> syncAll(const std::vector<AppendBatch::Pending>& files) {
    std::vector<std::optional<QString>> reasons(files.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < files.size(); i = next++) {
            const int handle = ::open(encoded(files[i].path).constData(), O_RDONLY | O_CLOEXEC);
            reasons[i] = handle < 0 ? SystemReason() : SyncOpenFile(handle, files[i].path);
            if (handle >= 0) ::close(handle);
        }
    };
    {
        std::vector<std::jthread> helpers;
        const std::size_t count = std::min<std::size_t>(files.size(), 8);
        for (std::size_t k = 1; k < count; ++k)
            helpers.emplace_back(work);
        work();
    }
    return reasons;
}

} // namespace

void SyncFiles(const QStringList& paths) {
    std::vector<AppendBatch::Pending> files;
    for (const QString& path : paths)
        files.push_back({path, 0});
    const std::vector<std::optional<QString>> reasons = syncAll(files);
    for (std::size_t i = 0; i < files.size(); ++i)
        if (reasons[i])
            throw FileError(files[i].path, QStringLiteral("It could not be saved to the disk (%1).").arg(*reasons[i]));
}

AppendBatch::AppendBatch() : outer_(currentBatch()) {
    currentBatch() = this;
}

AppendBatch::~AppendBatch() {
    currentBatch() = outer_;
}

bool AppendBatch::defer(const QString& path, std::int64_t lengthBefore, std::int64_t end) {
    AppendBatch* batch = currentBatch();
    if (!batch) return false;
    for (Pending& pending : batch->pending_) {
        if (pending.path != path) continue;
        if (lengthBefore != pending.end) pending.alone = false;
        pending.end = end;
        return true;
    }
    batch->pending_.push_back({path, lengthBefore, end, true});
    return true;
}

namespace {
// Cuts the file back to its length before the batch, unless another program has appended
// to it since (the lock is the one appends take): its records are not the batch's to remove.
bool takeOut(const AppendBatch::Pending& file) {
    if (!file.alone) return false;
    const int handle = ::open(encoded(file.path).constData(), O_RDWR | O_CLOEXEC);
    if (handle < 0) return false;
    bool cut = false;
    {
        const AppendLock lock(handle);
        struct stat info {};
        cut = ::fstat(handle, &info) == 0 && info.st_size == file.end && ::ftruncate(handle, file.lengthBefore) == 0;
        if (cut) static_cast<void>(::fsync(handle));
    }
    ::close(handle);
    return cut;
}
} // namespace

AppendLock::AppendLock(int handle) : handle_(handle) {
    while (::flock(handle_, LOCK_EX) != 0 && errno == EINTR) {
    }
}

AppendLock::~AppendLock() {
    ::flock(handle_, LOCK_UN);
}

void AppendBatch::commit() {
    undone_.clear();
    std::vector<Pending> pending = std::exchange(pending_, {});
    const std::vector<std::optional<QString>> reasons = syncAll(pending);
    std::optional<FileError> first;
    for (std::size_t i = 0; i < pending.size(); ++i) {
        const Pending& file = pending[i];
        const std::optional<QString>& failed = reasons[i];
        if (!failed) continue;
        // What may not be on the disk is taken out, so that what the file holds is what
        // the user is told was written.
        const bool takenOut = takeOut(file);
        if (takenOut) undone_ << file.path;
        if (!first)
            first = FileError(file.path,
                              (takenOut ? QStringLiteral("The new records could not be saved to the disk and were "
                                                         "taken out again (%1).")
                                        : QStringLiteral("The new records may not have reached the disk (%1)."))
                                  .arg(*failed));
    }
    if (first) throw *first;
}
