// The progress window and the password window.

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>

#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "link/frm_pass_word.h"
#include "link/frm_progress.h"
#include "link/link_windows.h"
#include "link/radio_link.h"
#include "link_fixture.h"
#include "platform/form_kit.h"

using namespace linktest;

namespace {

class ProgressWindowTest : public LinkTest {};

TEST_F(ProgressWindowTest, CaptionAndLabelFollowTheLanguageAndOperation)
{
    struct Case {
        int language;
        LinkOperation op;
        QString caption, label;
    };
    const Case cases[] = {
        {LangEnglish, OpReadRadio, "Read data from radio", "Completion percentage:"},
        {LangEnglish, OpWriteRadio, "Write data to radio", "Completion percentage:"},
        {LangChinese, OpReadRadio, QString::fromUtf8("从对讲机读取数据"), QString::fromUtf8("完成进度:")},
        {LangChinese, OpWriteRadio, QString::fromUtf8("向对讲机写入数据"), QString::fromUtf8("完成进度:")},
    };
    port.onWrite = nullptr;
    for (const Case &c : cases) {
        State().LanguageIndex = static_cast<int16_t>(c.language);
        State().CurOperation = c.op;
        FrmProgress w;
        EXPECT_EQ(w.objectName(), "FrmProgress");
        EXPECT_EQ(w.windowTitle(), c.caption);
        EXPECT_EQ(w.Label1->text(), c.label);
        EXPECT_EQ(w.Label2->text(), "0%");
        EXPECT_EQ(w.ProgressBar1->value(), 0);
        EXPECT_EQ(w.ProgressBar1->maximum(), 100);
        // The label ends 10 twips left of the percentage.
        EXPECT_EQ(w.Label1->geometry().right() + 1, w.Label2->x() - TwipsToPx(10));
        EXPECT_EQ(w.findChildren<QPushButton *>().size(), 0);
        StopLinkTimers();
    }
}

TEST_F(ProgressWindowTest, LoadingStartsTheExchangeOrTheFactoryPass)
{
    State().CurOperation = OpReadRadio;
    ASSERT_TRUE(OpenRadioPort(EngineSteps()));
    {
        FrmProgress w;
        EXPECT_EQ(port.writes, (QList<QByteArray>{"PROGRAM"}));
        EXPECT_EQ(State().CurLinkState, LsHandshake);
        EXPECT_TRUE(Link().WaitTimer.isActive());
    }
    StopLinkTimers();

    int factory = 0;
    Hooks().StartFactorySession = [&] { ++factory; };
    State().TestModeFlag = true;
    State().CurOperation = OpWriteRadio;
    port.writes.clear();
    { FrmProgress w; }
    EXPECT_EQ(factory, 1);
    EXPECT_TRUE(port.writes.isEmpty());

    // A factory read starts as any read; an idle engine starts nothing.
    State().CurOperation = OpReadRadio;
    { FrmProgress w; }
    EXPECT_EQ(factory, 1);
    EXPECT_EQ(port.writes.size(), 1);
    StopLinkTimers();
    State().CurOperation = OpIdle;
    port.writes.clear();
    { FrmProgress w; }
    EXPECT_TRUE(port.writes.isEmpty());
}

TEST_F(ProgressWindowTest, PercentagesReachOnlyAShownWindow)
{
    FrmProgress w;
    w.SetProgressValue(37);
    EXPECT_EQ(w.ProgressBar1->value(), 37);
    EXPECT_EQ(w.Label2->text(), "37%");
    ShowProgressValue(50); // hidden: untouched
    EXPECT_EQ(w.Label2->text(), "37%");
    w.show();
    ShowProgressValue(50);
    EXPECT_EQ(w.Label2->text(), "50%");
    UnloadProgressWindow();
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(ProgressWindowTest, TheWindowCannotBeClosedWhileTheEngineAsks)
{
    FrmProgress w;
    w.show();
    {
        const ModalGuard asking;
        w.close();
        EXPECT_FALSE(w.isHidden());
    }
    w.close();
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(w.result(), QDialog::Rejected);
}

class PasswordWindowTest : public testenv::AppTest {};

TEST_F(PasswordWindowTest, CaptionsComeFromTheLanguageFile)
{
    for (int language : {LangEnglish, LangChinese}) {
        SetLanguage(language);
        FrmPassWord w;
        EXPECT_EQ(w.objectName(), "FrmPassWord");
        EXPECT_EQ(w.windowTitle(), GetLangText(3100));
        EXPECT_FALSE(w.windowTitle().isEmpty());
        EXPECT_EQ(w.Label1->text(), GetLangText(3101));
        EXPECT_EQ(w.CommandOK->text(), GetLangText(101));
        EXPECT_EQ(w.CommandCancel->text(), GetLangText(102));
        EXPECT_EQ(w.Label1->geometry().right() + 1, w.Text1->x() - TwipsToPx(50));
    }
}

TEST_F(PasswordWindowTest, TheBoxTakesFourCharactersShownAsStars)
{
    FrmPassWord w;
    EXPECT_EQ(w.Text1->echoMode(), QLineEdit::Password);
    EXPECT_EQ(w.Text1->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, w.Text1), '*');
    w.Text1->setText("");
    EXPECT_EQ(w.Text1->EnterText("12345"), "1234");
    EXPECT_EQ(w.Text1->text(), "1234");
}

TEST_F(PasswordWindowTest, OkTakesTheCutEntryCancelKeepsTheOldOne)
{
    State().PasswordEntry = "old";
    State().PasswordEntered = true;
    {
        FrmPassWord w;
        EXPECT_FALSE(State().PasswordEntered); // every load starts unanswered
        EXPECT_EQ(w.Text1->text(), "old");
        w.Text1->setText("new");
        w.CommandCancel->click();
        EXPECT_EQ(w.result(), QDialog::Rejected);
    }
    EXPECT_EQ(State().PasswordEntry, "old");
    EXPECT_FALSE(State().PasswordEntered);
    {
        FrmPassWord w;
        w.Text1->setText(QString::fromLatin1("ab\0c ", 5));
        w.CommandOK->click();
        EXPECT_EQ(w.result(), QDialog::Accepted);
    }
    EXPECT_EQ(State().PasswordEntry, "ab");
    EXPECT_TRUE(State().PasswordEntered);
}

} // namespace
