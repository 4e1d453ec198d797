// Transfers that the radio's identity or password stops or holds up: the messages, their order,
// what is sent and what is left unchanged.

#include <QLineEdit>
#include <QPushButton>

#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "link/frames.h"
#include "link/frm_pass_word.h"
#include "link/link_commands.h"
#include "link/radio_link.h"
#include "link_fixture.h"
#include "platform/form_kit.h"

using namespace linktest;

namespace {

QString Msg(const BilingualText &t) { return InCurrentLanguage(t); }

class TransferChecksTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        State().CurFileName = "/data/mine.dat";
        State().FileUntitled = false;
    }
    void Read()
    {
        script->answer(vbOK);
        RunProgressWindow();
        ReadRadioCommand();
    }
    void Write()
    {
        script->answer(vbOK);
        RunProgressWindow();
        WriteRadioCommand();
    }
    // The password window answers: text typed, then OK (true) or Cancel.
    void AnswerPassword(const QString &typed, bool ok)
    {
        script->onModal([typed, ok](QDialog *d) {
            auto *w = qobject_cast<FrmPassWord *>(d);
            w->Text1->setText(typed);
            (ok ? w->CommandOK : w->CommandCancel)->click();
            return d->result();
        });
    }
};

TEST_F(TransferChecksTest, ARadioOfAnotherModelIsNotReadAndNothingChanges)
{
    radio.identity.model = "K58TXB";
    const RadioDataRecord before = State().RadioData;
    Read();
    EXPECT_EQ(Frames(), (QStringList{"PROGRAM", "IDENTIFY"}));
    const QStringList m = Messages();
    ASSERT_EQ(m.size(), 3);
    EXPECT_EQ(m[1], Msg(MessageTable().MsgModelWrong) + "\r\nPC is TORVA-6Y\r\nRadio is K58TX");
    EXPECT_EQ(m[2], GetLangText(2006));
    EXPECT_EQ(State().RadioData, before);
    EXPECT_EQ(State().CurFileName, "/data/mine.dat");
    EXPECT_EQ(State().CurModelCode, "TORVA6Y");
    EXPECT_EQ(State().RadioModelCode, "K58TXB"); // stored whatever the checks decide
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(State().CurOperation, OpIdle);
}

TEST_F(TransferChecksTest, AWriteStopsOnBandKillAndStun)
{
    struct Case {
        int band;
        bool killed, stunned;
        QString message;
    };
    const Case cases[] = {
        {3, false, false, Msg(MessageTable().MsgBandWrong)},
        {0, true, false, Msg(MessageTable().MsgRadioKilled)},
        {0, false, true, Msg(MessageTable().MsgRadioStunned)},
        {0, true, true, Msg(MessageTable().MsgRadioKilled)},
    };
    for (const Case &c : cases) {
        radio.identity.band = static_cast<uint8_t>(c.band);
        radio.identity.killed = c.killed;
        radio.identity.stunned = c.stunned;
        radio.clearLog();
        script->clear();
        const QByteArray before = radio.memory;
        Write();
        EXPECT_EQ(Frames(), (QStringList{"PROGRAM", "IDENTIFY"}));
        EXPECT_EQ(Messages(), (QStringList{Msg(MessageTable().MsgWriteConfirm), c.message, GetLangText(2007)}));
        EXPECT_EQ(radio.memory, before);
    }
}

TEST_F(TransferChecksTest, AKilledRadioOfAnotherBandCanStillBeRead)
{
    radio.identity.band = 3;
    radio.identity.killed = true;
    radio.identity.stunned = true;
    Read();
    EXPECT_EQ(Messages().last(), GetLangText(2004));
    EXPECT_EQ(State().CurBandPlanIndex, 3); // the radio's band plan is taken over
}

TEST_F(TransferChecksTest, AnotherModelAndBandOnAWriteShowModelBandAndFailure)
{
    radio.identity.model = "K58TXB";
    radio.identity.band = 2;
    Write();
    const QStringList m = Messages();
    ASSERT_EQ(m.size(), 4);
    EXPECT_TRUE(m[1].startsWith(Msg(MessageTable().MsgModelWrong)));
    EXPECT_EQ(m[2], Msg(MessageTable().MsgBandWrong));
    EXPECT_EQ(m[3], GetLangText(2007));
}

TEST_F(TransferChecksTest, ARightPasswordRestartsTheExchangeBeforeAnyBlock)
{
    radio.setPassword("12AB");
    script->answer(vbOK);
    RunProgressWindow();
    AnswerPassword("12AB", true);
    ReadRadioCommand();
    const QStringList frames = Frames();
    EXPECT_EQ(frames.mid(0, 8), (QStringList{"PROGRAM", "IDENTIFY", "READ 0040", "END", "PROGRAM", "IDENTIFY",
                                             "READ 0040", "READ 0010"}));
    EXPECT_EQ(State().PasswordEntry, "12AB");
    EXPECT_EQ(Messages().last(), GetLangText(2004));
    // No message says anything about the password.
    EXPECT_EQ(Messages().size(), 2);
}

TEST_F(TransferChecksTest, AWrongOrCancelledPasswordEndsTheTransfer)
{
    radio.setPassword("12AB");
    State().PasswordEntry = "old";
    script->answer(vbOK);
    RunProgressWindow();
    AnswerPassword("12ab", true); // case matters
    ReadRadioCommand();
    EXPECT_EQ(Frames(), (QStringList{"PROGRAM", "IDENTIFY", "READ 0040"}));
    EXPECT_EQ(Messages(), (QStringList{Msg(MessageTable().MsgReadConfirm), GetLangText(2006)}));
    EXPECT_EQ(State().PasswordEntry, "12ab");

    // The next time the window shows the entry typed last; Cancel keeps it.
    script->clear();
    QString shown;
    script->answer(vbOK);
    script->answer(vbOK);
    RunProgressWindow();
    script->onModal([&shown](QDialog *d) {
        auto *w = qobject_cast<FrmPassWord *>(d);
        shown = w->Text1->text();
        w->Text1->setText("zzzz");
        w->CommandCancel->click();
        return d->result();
    });
    WriteRadioCommand();
    EXPECT_EQ(shown, "12ab");
    EXPECT_EQ(State().PasswordEntry, "12ab");
    EXPECT_EQ(Messages().last(), GetLangText(2007));
}

TEST_F(TransferChecksTest, APasswordTypedInAdvanceAvoidsTheQuestion)
{
    radio.setPassword("77");
    AnswerPassword("77", true);
    RadioPasswordCommand();
    EXPECT_EQ(State().PasswordEntry, "77");
    Read();
    EXPECT_EQ(Frames().mid(0, 4), (QStringList{"PROGRAM", "IDENTIFY", "READ 0040", "READ 0010"}));
    EXPECT_EQ(Messages().last(), GetLangText(2004));
}

TEST_F(TransferChecksTest, TheInformationReadAsksForThePasswordToo)
{
    radio.setPassword("9");
    int shown = 0;
    Hooks().ShowFrmEMG = [&] { ++shown; };
    AnswerPassword("9", true);
    ReadRMGDataFromRadio();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Frames().mid(0, 8), (QStringList{"PROGRAM", "IDENTIFY", "READ 0040", "END", "PROGRAM", "IDENTIFY",
                                               "READ 0040", "READ 0010"}));
    ASSERT_EQ(script->calls.size(), 1);
    EXPECT_EQ(script->calls[0].title, "FrmPassWord");
}

TEST_F(TransferChecksTest, RepliesThatComeWhileThePasswordWindowIsOpenAreDropped)
{
    radio.setPassword("1");
    script->answer(vbOK);
    RunProgressWindow();
    script->onModal([this](QDialog *d) {
        // The password block once more, late: it must not open a second password window.
        port.feed(DataFrame(0x0040, radio.memory.mid(0x40, 16)));
        EXPECT_EQ(State().CurLinkState, LsPassword);
        EXPECT_FALSE(Link().WaitTimer.isActive());
        auto *w = qobject_cast<FrmPassWord *>(d);
        w->Text1->setText("1");
        w->CommandOK->click();
        return d->result();
    });
    ReadRadioCommand();
    EXPECT_EQ(Messages().last(), GetLangText(2004));
    int modals = 0;
    for (const PromptCall &c : script->calls)
        modals += c.kind == "Modal";
    EXPECT_EQ(modals, 2);
}

} // namespace
