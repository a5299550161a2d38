#include "SingleInstance.h"
#include "DataFiles.h"
#include "TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

class SingleInstanceTest : public ProgramFolderTest {
protected:
    ~SingleInstanceTest() override { ReleaseProgramLock(); }
};

} // namespace

TEST_F(SingleInstanceTest, SecondCopyInTheSameFolderIsRefused) {
    SingleInstance first(QStringLiteral("Kestrova"));
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(exists(QStringLiteral("Kestrova.lock")));
    EXPECT_TRUE(first.acquire()); // holding it already

    SingleInstance second(QStringLiteral("Kestrova"));
    EXPECT_FALSE(second.acquire());
    // Another program of the suite runs beside it.
    SingleInstance other(QStringLiteral("Brindlemark"));
    EXPECT_TRUE(other.acquire());
}

TEST_F(SingleInstanceTest, LockIsFreeAgainWhenTheCopyEnds) {
    {
        SingleInstance first(QStringLiteral("Kestrova"));
        ASSERT_TRUE(first.acquire());
    }
    EXPECT_FALSE(exists(QStringLiteral("Kestrova.lock")));
    SingleInstance next(QStringLiteral("Kestrova"));
    EXPECT_TRUE(next.acquire());
}

TEST_F(SingleInstanceTest, StaleLockAfterACrashDoesNotBlockANewStart) {
    // The lock of a copy whose process is gone (no process has this number).
    writeFile(QStringLiteral("Kestrova.lock"), "2147483646\nKestrova\n\n");
    SingleInstance next(QStringLiteral("Kestrova"));
    EXPECT_TRUE(next.acquire());
    EXPECT_TRUE(next.held());
}

TEST_F(SingleInstanceTest, CheckPrevInstanceTellsTheUserAndRefuses) {
    SingleInstance running(QStringLiteral("Kestrova"));
    ASSERT_TRUE(running.acquire());
    EXPECT_FALSE(CheckPrevInstance(QStringLiteral("Kestrova")));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              QStringLiteral("Kestrova is already Running!\r\nLook for it on the Task Bar"));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Kestrova"));
}

TEST_F(SingleInstanceTest, CheckPrevInstanceHoldsTheLockForTheRun) {
    EXPECT_TRUE(CheckPrevInstance(QStringLiteral("Kestrova")));
    EXPECT_TRUE(CheckPrevInstance(QStringLiteral("Kestrova")));
    EXPECT_TRUE(dialogs->shown.empty());
    SingleInstance second(QStringLiteral("Kestrova"));
    EXPECT_FALSE(second.acquire());
}

TEST_F(SingleInstanceTest, LockFileNamingNoOwnerDoesNotBlockANewStart) {
    // A copy that ended between making its lock file and writing its name into it.
    writeFile(QStringLiteral("Kestrova.lock"), "");
    SingleInstance next(QStringLiteral("Kestrova"));
    EXPECT_EQ(next.tryAcquire(), SingleInstance::Outcome::Held);
}

// ---- Only a running copy is "already Running" ------------------------------------------------------

TEST_F(SingleInstanceTest, OnlyALockHeldByARunningCopyIsAlreadyRunning) {
    SingleInstance running(QStringLiteral("Kestrova"));
    ASSERT_EQ(running.tryAcquire(), SingleInstance::Outcome::Held);
    SingleInstance second(QStringLiteral("Kestrova"));
    EXPECT_EQ(second.tryAcquire(), SingleInstance::Outcome::HeldElsewhere);
    EXPECT_FALSE(second.held());
}

TEST_F(SingleInstanceTest, LockThatCannotBeMadeIsAnUnwritableFolderNotASecondCopy) {
    // A folder standing at the lock file's name: no copy runs, but no lock can be made.
    makeFolder(QStringLiteral("Kestrova.lock"));
    SingleInstance blocked(QStringLiteral("Kestrova"));
    EXPECT_EQ(blocked.tryAcquire(), SingleInstance::Outcome::NotCreatable);
    EXPECT_FALSE(blocked.acquire());

    EXPECT_FALSE(CheckPrevInstance(QStringLiteral("Kestrova")));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("Kestrova cannot write to its program folder\r\n") +
                                          dir.path() +
                                          QStringLiteral("\r\nCheck that the folder exists and that you may "
                                                         "change files in it, then start Kestrova again."));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Kestrova"));
    EXPECT_EQ(dialogs->shown[0].buttons, MsgButtons::OK);
    EXPECT_FALSE(dialogs->shown[0].text.contains(QStringLiteral("already Running")));
    // Nothing of the lock is held or left behind.
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("Kestrova.lock"))).isDir());
}

TEST_F(SingleInstanceTest, MissingProgramFolderIsAnUnwritableFolderNotASecondCopy) {
    const QString missing = path(QStringLiteral("gone"));
    SetProgramFolder(missing);
    SingleInstance blocked(QStringLiteral("Kestrova"));
    EXPECT_EQ(blocked.tryAcquire(), SingleInstance::Outcome::NotCreatable);
    EXPECT_FALSE(CheckPrevInstance(QStringLiteral("Kestrova")));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_TRUE(
        dialogs->shown[0].text.startsWith(QStringLiteral("Kestrova cannot write to its program folder\r\n") +
                                          missing + QStringLiteral("\r\n")));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(SingleInstanceTest, StaleLockThatCannotBeRemovedIsAnUnwritableFolderNotASecondCopy) {
    // Each program's lock left by a crash, in a folder where it cannot be removed (what a
    // read-only folder or a full disk does: here the name its removal needs is taken).
    for (const char* program : {"Kestrova", "Brindlemark", "Quadrelle", "Tessaly"}) {
        const QString lock = QLatin1String(program) + QStringLiteral(".lock");
        writeFile(lock, "2147483646\n" + QByteArray(program) + "\n\n");
        makeFolder(lock + QStringLiteral(".rmlock"));
        SingleInstance next{QString::fromLatin1(program)};
        EXPECT_EQ(next.tryAcquire(), SingleInstance::Outcome::NotCreatable) << program;
    }
    EXPECT_FALSE(CheckPrevInstance(QStringLiteral("Kestrova")));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_TRUE(dialogs->shown[0].text.startsWith(QStringLiteral("Kestrova cannot write to its program folder")));
}
