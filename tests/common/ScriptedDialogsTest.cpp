#include "Dialogs.h"
#include "TestSupport.h"

#include <QCoreApplication>

#include <gtest/gtest-spi.h>

#include <thread>

namespace {

// A test body of its own, so that the end of its program folder can be watched.
struct Case : ProgramFolderTest {
    void TestBody() override {}
    using ProgramFolderTest::dialogs;
};

TEST(ScriptedDialogsCheck, UnansweredQuestionOrUnusedAnswerFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            Case c;
            MsgBox(QStringLiteral("Delete it?"), MsgButtons::YesNo);
        },
        "1 question(s) without a scripted answer, 0 scripted answer(s) left unused; shown:\n  message \"Delete it?\"");
    EXPECT_NONFATAL_FAILURE(
        {
            Case c;
            c.dialogs->answerInput(QStringLiteral("40"));
        },
        "0 question(s) without a scripted answer, 1 scripted answer(s) left unused");
}

// A worker never waits for an answer: its message waits for the screen thread instead.
TEST(ScriptedDialogsCheck, AMessageAskedByAWorkerIsShownByTheScreenThreadLater) {
    Case c;
    MsgAnswer answers[2]{};
    std::thread([&answers] {
        answers[0] = MsgBox(QStringLiteral("Stopped"));
        answers[1] = MsgBox(QStringLiteral("Go on?"), MsgButtons::YesNo);
    }).join();
    EXPECT_EQ(answers[0], MsgAnswer::OK);
    EXPECT_EQ(answers[1], MsgAnswer::No);
    EXPECT_TRUE(c.dialogs->shown.empty());
    c.dialogs->answer(MsgAnswer::No);
    QCoreApplication::processEvents();
    EXPECT_EQ(c.dialogs->messages(), (std::vector<QString>{QStringLiteral("Stopped"), QStringLiteral("Go on?")}));
}

} // namespace
