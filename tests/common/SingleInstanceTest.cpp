#include "SingleInstance.h"
#include "TestSupport.h"

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
