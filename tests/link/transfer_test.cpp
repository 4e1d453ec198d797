// Whole transfers against the simulated radio: read, write and information read, with the frame
// sequence the radio sees, what arrives in the memory image and the radio, and the commands'
// questions in their order.

#include <QLabel>
#include <QProgressBar>

#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "link/frm_progress.h"
#include "link/link_commands.h"
#include "link/radio_link.h"
#include "link_fixture.h"

using namespace linktest;

namespace {

QString Hex4(int a) { return QStringLiteral("%1").arg(a, 4, 16, QLatin1Char('0')).toUpper(); }

class TransferTest : public LinkTest {
protected:
    // The progress window runs its own loop; the bar's values are recorded.
    void RunProgressWindowRecording()
    {
        script->onModal([this](QDialog *d) {
            auto *w = qobject_cast<FrmProgress *>(d);
            caption = w->windowTitle();
            label = w->Label1->text();
            QObject::connect(w->ProgressBar1, &QProgressBar::valueChanged, w, [this](int v) { percents << v; });
            return ExecBounded(d);
        });
    }
    QString caption, label;
    QList<int> percents;
};

TEST_F(TransferTest, ReadRequestsTheUsedBlocksAndKeepsTheirBytes)
{
    FillRadioPattern();
    for (int n : {1, 2, 50, 200})
        UseChannel(n);
    for (int i = 0; i < 6; ++i)
        UseEntry(0x0260, i); // FM-radio entries 0..5: groups 0-3 and 4-7
    UseEntry(0x0380, 0);     // 2-tone entry 1
    UseEntry(0x0390, 3);     // 5-tone row 4
    int redraws = 0;
    Hooks().ReShowListByData = [&] { ++redraws; };
    Hooks().ReShowRadioListByData = [&] { redraws += 10; };
    State().FileUntitled = false;
    State().CurFileName = "/tmp/some.dat";
    const RadioDataRecord before = State().RadioData;
    // The image as the blocks arrived, before the records are unpacked from it.
    std::array<uint8_t, kMemoryImageSize> arrived{};
    QObject::connect(&radio, &radiosim::Radio::sessionEnded, [&] { arrived = State().MemoryImage; });

    script->answer(vbOK); // confirmation
    RunProgressWindowRecording();
    ReadRadioCommand();

    const QStringList expected = QStringList{"PROGRAM", "IDENTIFY", "READ 0040"} + ExpectedReadWalk() + QStringList{"END"};
    EXPECT_EQ(Frames(), expected);
    // Channel 2 is at 0x2020, channel 50 at 0x2620: the 47 channels between are not requested.
    const QStringList frames = Frames();
    EXPECT_EQ(frames[frames.indexOf("READ 2030") + 1], "READ 2620");
    EXPECT_FALSE(frames.contains("READ 0B10"));
    EXPECT_TRUE(frames.contains("READ 0D60"));
    for (const QString &f : frames) {
        if (!f.startsWith("READ"))
            continue;
        const int a = f.mid(5).toInt(nullptr, 16);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(arrived.data()) + a, 16), radio.memory.mid(a, 16)) << f.toStdString();
    }
    EXPECT_EQ(Messages(), (QStringList{InCurrentLanguage(MessageTable().MsgReadConfirm), GetLangText(2004)}));
    EXPECT_EQ(script->messages()[0].style, vbOKCancel + vbQuestion);
    EXPECT_EQ(State().CurFileName, "new.dat");
    EXPECT_TRUE(State().FileUntitled);
    EXPECT_NE(State().RadioData, before);
    EXPECT_EQ(State().SavedRadioData, State().RadioData);
    EXPECT_EQ(State().SavedChannelList, State().ChannelList);
    EXPECT_EQ(redraws, 11);
    EXPECT_EQ(State().CurOperation, OpIdle);
    EXPECT_EQ(State().CurLinkState, LsIdle);
    EXPECT_FALSE(port.isOpen());

    EXPECT_EQ(caption, "Read data from radio");
    EXPECT_EQ(label, "Completion percentage:");
    // Two passes: 0 at the handshake, up to 98 over the first 57 blocks, then from 0 again.
    ASSERT_FALSE(percents.isEmpty());
    EXPECT_EQ(percents.first(), 2); // the bar starts at 0; the first step shows 100 / 58
    const int top = static_cast<int>(percents.indexOf(98));
    ASSERT_GE(top, 0);
    EXPECT_EQ(percents[top + 1], 0);
    const int secondPass = static_cast<int>(ExpectedReadWalk().size()) - 57;
    EXPECT_EQ(percents.last(), qRound(secondPass * 100.0 / (secondPass + 1)));
}

TEST_F(TransferTest, AFullRadioIsReadIn912RequestsAndEndsAfter3900)
{
    for (int i = 0x0100; i <= 0x013F; ++i)
        radio.memory[i] = 0;
    for (int i = 0x0260; i <= 0x026F; ++i)
        radio.memory[i] = 0;
    for (int i = 0x0380; i <= 0x039F; ++i)
        radio.memory[i] = 0;
    script->answer(vbOK);
    RunProgressWindow();
    ReadRadioCommand();
    const QStringList frames = Frames();
    EXPECT_EQ(frames.filter("READ").size(), 912 + 1); // the password block comes twice
    ASSERT_GE(frames.size(), 2);
    EXPECT_EQ(frames[frames.size() - 2], "READ 3900");
    EXPECT_EQ(frames.last(), "END");
    EXPECT_EQ(Messages().last(), GetLangText(2004));
}

TEST_F(TransferTest, WriteSendsTheUsedBlocksFrom0100To3900)
{
    AppState &st = State();
    st.RadioData.ChannelCount = 2;
    st.ChannelList[0].Number = 3;
    st.ChannelList[1].Number = 200;
    const QByteArray before = radio.memory;

    script->answer(vbOK);
    RunProgressWindowRecording();
    WriteRadioCommand();

    const QStringList frames = Frames();
    ASSERT_GE(frames.size(), 5);
    EXPECT_EQ(frames.mid(0, 4), (QStringList{"PROGRAM", "IDENTIFY", "READ 0040", "WRITE 0100"}));
    EXPECT_EQ(frames.last(), "END");
    EXPECT_EQ(frames[frames.size() - 2], "WRITE 3900");
    EXPECT_TRUE(frames.contains("WRITE 38F0"));  // channel 200's second block
    EXPECT_TRUE(frames.contains("WRITE 2040"));  // channel 3
    EXPECT_FALSE(frames.contains("WRITE 2000")); // channel 1 is not in use
    // Everything written arrived; nothing below 0x0100 was touched.
    for (const QString &f : frames.filter("WRITE")) {
        const int a = f.mid(6).toInt(nullptr, 16);
        EXPECT_EQ(radio.memory.mid(a, 16), QByteArray(reinterpret_cast<const char *>(st.MemoryImage.data()) + a, 16));
    }
    EXPECT_EQ(radio.memory.left(0x0100), before.left(0x0100));
    EXPECT_EQ(frames.filter("WRITE").size(), st.ProgressTotal);
    EXPECT_EQ(Messages(), (QStringList{InCurrentLanguage(MessageTable().MsgWriteConfirm), GetLangText(2005)}));
    EXPECT_EQ(caption, "Write data to radio");
    EXPECT_EQ(percents.last(), 100);
    EXPECT_EQ(st.CurOperation, OpIdle);
}

TEST_F(TransferTest, InformationReadReadsTheFifteenInformationBlocksWithoutProgress)
{
    FillRadioPattern();
    LinkOperation opWhenShown = OpIdle;
    int shown = 0;
    Hooks().ShowFrmEMG = [&] {
        ++shown;
        opWhenShown = State().CurOperation;
        EXPECT_FALSE(port.isOpen());
    };
    ReadRMGDataFromRadio();
    EXPECT_EQ(State().CurOperation, OpReadInfo); // the command returns at once
    ASSERT_TRUE(WaitIdle());
    QStringList expected{"PROGRAM", "IDENTIFY", "READ 0040"};
    for (int a = 0x0010; a <= 0x00F0; a += 16)
        expected << "READ " + Hex4(a);
    expected << "END";
    EXPECT_EQ(Frames(), expected);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(opWhenShown, OpReadInfo);
    EXPECT_TRUE(script->messages().isEmpty());
    for (const PromptCall &c : script->calls)
        EXPECT_NE(c.kind, "Modal");
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(State().MemoryImage.data()) + 0x10, 0xF0), radio.memory.mid(0x10, 0xF0));
}

TEST_F(TransferTest, APortThatCannotBeOpenedIsReportedBeforeAnyQuestion)
{
    port.openFailure = PortOpenError::Busy;
    for (auto command : {ReadRadioCommand, WriteRadioCommand, ReadRMGDataFromRadio}) {
        script->clear();
        command();
        ASSERT_EQ(script->messages().size(), 1);
        EXPECT_TRUE(script->messages()[0].text.startsWith(GetLangText(2002)));
        EXPECT_EQ(State().CurOperation, OpIdle);
    }
    EXPECT_TRUE(port.writes.isEmpty());
}

TEST_F(TransferTest, CancelAtTheConfirmationClosesThePortAndSendsNothing)
{
    for (auto command : {ReadRadioCommand, WriteRadioCommand}) {
        script->clear();
        script->answer(vbCancel);
        command();
        EXPECT_EQ(script->messages().size(), 1);
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(State().CurOperation, OpIdle);
    }
    EXPECT_EQ(port.opens.size(), 2);
    EXPECT_TRUE(port.writes.isEmpty());
}

TEST_F(TransferTest, UnsavedChangesAreOfferedForSavingButNoAnswerStopsTheRead)
{
    State().RadioData.Pf1KeyFunction = 3; // differs from the saved copy
    int saves = 0;
    Hooks().mnuFileSave_Click = [&] { ++saves; };
    const QString question = GetMsgText(9001, kLangTextLongBuffer);

    script->answer(vbCancel); // save question
    script->answer(vbCancel); // confirmation: the port was opened before it
    ReadRadioCommand();
    ASSERT_EQ(script->messages().size(), 2);
    EXPECT_EQ(script->messages()[0].text, question);
    EXPECT_EQ(script->messages()[0].style, vbYesNoCancel + vbExclamation);
    EXPECT_EQ(script->messages()[1].text, InCurrentLanguage(MessageTable().MsgReadConfirm));
    EXPECT_EQ(port.opens.size(), 1);
    EXPECT_EQ(saves, 0);

    script->clear();
    script->answer(vbYes);
    script->answer(vbCancel);
    ReadRadioCommand();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(script->messages().size(), 2);

    // A write asks nothing about unsaved changes.
    script->clear();
    script->answer(vbCancel);
    WriteRadioCommand();
    EXPECT_EQ(Messages(), (QStringList{InCurrentLanguage(MessageTable().MsgWriteConfirm)}));
}

TEST_F(TransferTest, ClosingTheProgressWindowEndsTheTransferAsFailed)
{
    radio.faults.delayMs = 100000; // the radio never answers in time
    script->answer(vbOK);
    script->onModal([](QDialog *d) {
        QTimer::singleShot(100, d, &QDialog::reject); // the user closes the window
        return ExecBounded(d);
    });
    const RadioDataRecord before = State().RadioData;
    ReadRadioCommand();
    EXPECT_EQ(Messages().last(), GetLangText(2006));
    EXPECT_EQ(State().CurOperation, OpIdle);
    EXPECT_FALSE(Link().WaitTimer.isActive());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(State().RadioData, before);
}

} // namespace
