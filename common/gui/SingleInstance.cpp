#include "SingleInstance.h"

#include "DataFiles.h"
#include "Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Whether a running copy holds the lock file: it keeps the file locked by the system for
// as long as it runs, and the system lets go of that lock when its process ends.
bool OwnerRunning(const QString& lockPath) {
    const int handle = ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_CLOEXEC);
    if (handle < 0) return true;
    const bool held = ::flock(handle, LOCK_SH | LOCK_NB) != 0;
    ::close(handle);
    return held;
}

} // namespace

SingleInstance::SingleInstance(const QString& programName)
    : path_(DataPath(QStringLiteral("/") + programName + QStringLiteral(".lock"))) {
    lock_ = std::make_unique<QLockFile>(path_);
    // A lock is only stale when its process is gone, however long a copy runs.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::tryAcquire() {
    if (lock_->isLocked() || lock_->tryLock(0)) return Outcome::Held;
    if (lock_->error() != QLockFile::LockFailedError) return Outcome::NotCreatable;
    // The lock file reports anything standing at its name as a lock: a folder of that
    // name is no lock of another copy, and it keeps this one from ever making its own.
    if (!QFileInfo(path_).isFile()) return Outcome::NotCreatable;
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_->getLockInfo(&pid, &host, &application))
        // A stale lock would have been removed above; one that stays although its copy is
        // gone is a folder where nothing can be removed or made (read-only, full).
        return OwnerRunning(path_) ? Outcome::HeldElsewhere : Outcome::NotCreatable;
    return lockWithoutOwner();
}

// A lock file that names no owner: a copy that ended between making the file and
// writing its name into it, or one doing that at this moment. A running copy keeps its
// lock file locked by the system as well, so the file is removed only when no process
// holds it; then this copy takes the lock.
SingleInstance::Outcome SingleInstance::lockWithoutOwner() {
    if (!lock_->removeStaleLockFile()) return Outcome::HeldElsewhere;
    if (lock_->tryLock(0)) return Outcome::Held;
    return lock_->error() == QLockFile::LockFailedError ? Outcome::HeldElsewhere : Outcome::NotCreatable;
}

bool SingleInstance::held() const {
    return lock_->isLocked();
}

QString SingleInstance::lockPath() const {
    return path_;
}

namespace {

// Held for the whole run of the process.
std::unique_ptr<SingleInstance>& programLock() {
    static std::unique_ptr<SingleInstance> lock;
    return lock;
}

void ShowAlreadyRunning() {
    MsgBox(ProgramTitle() + QStringLiteral(" is already Running!\r\nLook for it on the Task Bar"),
           MsgButtons::OK, ProgramTitle());
}

void ShowFolderNotWritable() {
    MsgBox(ProgramTitle() + QStringLiteral(" cannot write to its program folder\r\n") +
               QDir::toNativeSeparators(ProgramFolder()) +
               QStringLiteral("\r\nCheck that the folder exists and that you may change files in it, "
                              "then start ") +
               ProgramTitle() + QStringLiteral(" again."),
           MsgButtons::OK, ProgramTitle());
}

} // namespace

void ReleaseProgramLock() {
    programLock().reset();
}

bool CheckPrevInstance(const QString& programName) {
    std::unique_ptr<SingleInstance>& instance = programLock();
    auto candidate = std::make_unique<SingleInstance>(programName);
    if (instance && instance->held() && instance->lockPath() == candidate->lockPath()) return true;
    instance = std::move(candidate);
    const SingleInstance::Outcome outcome = instance->tryAcquire();
    if (outcome == SingleInstance::Outcome::Held) return true;
    instance.reset();
    if (outcome == SingleInstance::Outcome::HeldElsewhere)
        ShowAlreadyRunning();
    else
        ShowFolderNotWritable();
    return false;
}
