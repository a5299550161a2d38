#include "Dialogs.h"
#include "TestSupport.h"

#include <gtest/gtest-spi.h>

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

} // namespace
