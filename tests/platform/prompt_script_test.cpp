#include <QDialog>

#include "common/test_env.h"
#include "platform/prompt.h"

using testenv::AppTest;

class PromptScriptTest : public AppTest {};

TEST_F(PromptScriptTest, UnscriptedCallsGetTheSafestAnswerAndAreRecorded)
{
    const struct { int style; int expected; } cases[] = {
        {vbOKOnly, vbOK},       {vbOKCancel + vbQuestion, vbCancel}, {vbYesNoCancel, vbCancel},
        {vbYesNo, vbNo},        {vbRetryCancel, vbCancel},           {vbAbortRetryIgnore, vbAbort},
    };
    for (const auto &c : cases)
        EXPECT_EQ(prompt().MsgBox(QStringLiteral("q"), c.style), c.expected) << c.style;
    EXPECT_EQ(script->unscriptedCount(), 6);
    EXPECT_EQ(script->calls.front().title, QStringLiteral("TORVA_6Y"));
    QDialog d;
    EXPECT_EQ(prompt().ShowModal(&d), QDialog::Rejected);
}

TEST_F(PromptScriptTest, ScriptedAnswersComeInOrder)
{
    script->answer(vbYes);
    script->answer(vbRetry);
    script->answerFile(QStringLiteral("/tmp/a.dat"));
    EXPECT_EQ(prompt().MsgBox(QStringLiteral("a"), vbYesNo, QStringLiteral("T")), vbYes);
    EXPECT_EQ(prompt().MsgBox(QStringLiteral("b"), vbRetryCancel), vbRetry);
    EXPECT_EQ(prompt().GetOpenFileName(nullptr, QString(), QString(), QString()), QStringLiteral("/tmp/a.dat"));
    ASSERT_EQ(script->messages().size(), 2);
    EXPECT_EQ(script->messages()[0].title, QStringLiteral("T"));
    EXPECT_EQ(script->unscriptedCount(), 0);
}
