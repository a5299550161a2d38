#pragma once

#include <QString>

#include <memory>

class QLockFile;

// One copy of a program per program folder: the copy that runs holds the lock file
// "<program>.lock" in the program folder. A lock left behind by a copy that crashed
// (its process is gone) does not block a new start.
class SingleInstance {
public:
    enum class Outcome {
        Held,          // this copy holds the lock
        HeldElsewhere, // another running copy holds it
        NotCreatable   // the lock file cannot be made: the program folder cannot be written
    };

    explicit SingleInstance(const QString& programName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Outcome tryAcquire();
    // True when this copy now holds the lock (or held it already).
    bool acquire() { return tryAcquire() == Outcome::Held; }
    bool held() const;
    QString lockPath() const;

private:
    Outcome lockWithoutOwner();

    std::unique_ptr<QLockFile> lock_;
    QString path_;
};

// The start-up check of a program: when another copy runs in this program folder,
// shows the program title & " is already Running!" & CR LF & "Look for it on the
// Task Bar" (OK, titled with the program title) and returns false; the program then
// ends at once. When the lock file cannot be made at all, tells the user that the
// program folder (named) cannot be written and returns false as well: a program that
// cannot write its folder cannot work. Otherwise the lock is held until the process ends.
bool CheckPrevInstance(const QString& programName);
// Gives up the lock CheckPrevInstance holds (tests; a program keeps it to its end).
void ReleaseProgramLock();
