#include "SingleInstance.h"

#include "DataFiles.h"
#include "Dialogs.h"

#include <QLockFile>

SingleInstance::SingleInstance(const QString& programName)
    : path_(DataPath(QStringLiteral("/") + programName + QStringLiteral(".lock"))) {
    lock_ = std::make_unique<QLockFile>(path_);
    // A lock is only stale when its process is gone, however long a copy runs.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    return lock_->isLocked() || lock_->tryLock(0);
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

} // namespace

void ReleaseProgramLock() {
    programLock().reset();
}

bool CheckPrevInstance(const QString& programName) {
    std::unique_ptr<SingleInstance>& instance = programLock();
    auto candidate = std::make_unique<SingleInstance>(programName);
    if (instance && instance->held() && instance->lockPath() == candidate->lockPath()) return true;
    instance = std::move(candidate);
    if (instance->acquire()) return true;
    instance.reset();
    MsgBox(ProgramTitle() + QStringLiteral(" is already Running!\r\nLook for it on the Task Bar"),
           MsgButtons::OK, ProgramTitle());
    return false;
}
