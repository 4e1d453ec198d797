// Whole runs: odd stored values do not end the print-out, a run leaves the data as it found them,
// and the Chinese document carries its Chinese text.

#include <QProcess>
#include <gtest/gtest.h>

#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/lang_text.h"
#include "editors/channel/frm_ch_edit.h"
#include "editors/tones/frm_5tone.h"
#include "print_fixture.h"

namespace {

using printtest::PrintTest;

class PrintRunTest : public PrintTest {
protected:
    // The text printed at percent on the row of the label's first appearance; empty when none.
    static QString ValueAt(const QString &label, double percent)
    {
        const PrintedText *l = Find(label);
        if (!l)
            return QStringLiteral("<no label>");
        for (const PrintedText &t : LastPrintRecord())
            if (t.page == l->page && t.y == l->y && std::abs(t.xPercent() - percent) < 0.01)
                return t.text;
        return QString();
    }
};

TEST_F(PrintRunTest, OddOnOffValuesPrintEmptyAndTheRunGoesOn)
{
    // A grey value (2) in a channel, in an option check box and in the 5-tone side tone.
    AppState &st = State();
    st.RadioData.ChannelCount = 1;
    ChannelRecord &c = st.ChannelList[0];
    c = NewChannelRecord(1);
    c.Used = 1;
    c.RxFrequency = FixStr<9>::fromBytes("045000000");
    c.TxInhibit = 2;
    st.RadioData.SignallingRecord.OptionBlock.InternalFunctionOperation = 2;
    st.RadioData.SignallingRecord.FiveToneBlock.SideTone = 2;
    QString channelCheck, fiveToneCheck;
    {
        FrmCHEdit edit;
        channelCheck = CaptionOf(&edit, QStringLiteral("Check1"));
        Frm5Tone five;
        fiveToneCheck = CaptionOf(&five, QStringLiteral("Check1"));
    }
    Run({0, 3, 6, 9});
    ASSERT_EQ(st.PrintDone, 1);
    EXPECT_EQ(ValueAt(channelCheck, 30), "");
    EXPECT_EQ(ValueAt(GetLangText(1731), 55), "");
    EXPECT_EQ(ValueAt(fiveToneCheck, 35), "");
    // Every section after them was printed, the alarm page last.
    EXPECT_EQ(LastPage(), 4);
    EXPECT_NE(Find(GetLangText(2600), 4), nullptr);
    EXPECT_NE(Find(QStringLiteral("- 4 -"), 4), nullptr);
    EXPECT_EQ(PdfPages(), 4);
    // The stored values stay as they were.
    EXPECT_EQ(st.ChannelList[0].TxInhibit, 2);
    EXPECT_EQ(st.RadioData.SignallingRecord.OptionBlock.InternalFunctionOperation, 2);
    EXPECT_EQ(st.RadioData.SignallingRecord.FiveToneBlock.SideTone, 2);
}

TEST_F(PrintRunTest, EverySectionLeavesTheDataAsItFoundThem)
{
    AppState &st = State();
    st.RadioData.ChannelCount = 1;
    st.ChannelList[0] = NewChannelRecord(3);
    st.ChannelList[0].Used = 1;
    const RadioDataRecord data = st.RadioData;
    const auto channels = st.ChannelList;
    Run({0, 3, 4, 5, 6, 7, 8, 9});
    ASSERT_EQ(st.PrintDone, 1);
    EXPECT_TRUE(st.RadioData == data);
    EXPECT_TRUE(st.ChannelList == channels);
}

TEST_F(PrintRunTest, ChineseDocumentCarriesItsChineseText)
{
    SetLanguage(LangChinese);
    Run({7, 8});
    ASSERT_EQ(State().PrintDone, 1);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {PdfPath()});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), PdfPath(), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    for (const char *expected : {"TORVA_6Y 对讲机编程信息", "通信簿", "嵌入信息", "机型类型"})
        EXPECT_TRUE(out.contains(QString::fromUtf8(expected))) << expected;
}

} // namespace
