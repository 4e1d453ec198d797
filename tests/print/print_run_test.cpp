// Whole runs: odd stored values do not end the print-out, a run leaves the data as it found them,
// and the Chinese document carries its Chinese text.

#include <QApplication>
#include <QProcess>
#include <QTabWidget>
#include <array>
#include <vector>
#include <gtest/gtest.h>

#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/lang_text.h"
#include "editors/channel/frm_ch_edit.h"
#include "editors/tones/frm_2tone.h"
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
    // Checks rows of four cells at 10, 35, 55 and 75 % on page: each row is found by its text at
    // 10 %, holds the other three texts at their places, and stands below the row before it.
    static void ExpectFourColumnRows(int page, const std::vector<std::array<QString, 4>> &rows)
    {
        const double columns[4] = {10, 35, 55, 75};
        double above = -1;
        for (const auto &row : rows) {
            SCOPED_TRACE(row[0].toStdString());
            const PrintedText *anchor = nullptr;
            for (const PrintedText &t : LastPrintRecord())
                if (t.page == page && t.text == row[0] && std::abs(t.xPercent() - 10) < 0.01 && t.y > above) {
                    anchor = &t;
                    break;
                }
            ASSERT_NE(anchor, nullptr);
            for (int k = 1; k < 4; ++k) {
                QString printed;
                for (const PrintedText &t : LastPrintRecord())
                    if (t.page == page && t.y == anchor->y && std::abs(t.xPercent() - columns[k]) < 0.01)
                        printed = t.text;
                EXPECT_EQ(printed, row[std::size_t(k)]) << "at " << columns[k] << " %";
            }
            above = anchor->y;
        }
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

TEST_F(PrintRunTest, ToneSectionsPrintTheirWindowsRowsInOrder)
{
    State().RadioData.SignallingRecord.TwoToneBlock.General.SideTone = 1;
    State().RadioData.SignallingRecord.FiveToneBlock.SideTone = 1;
    Run({5, 6});
    ASSERT_EQ(State().PrintDone, 1);
    {
        Frm2Tone w;
        const auto label = [&w](const char *name, int i) { return CaptionOf(&w, QString::fromLatin1(name), i); };
        const auto text = [&w](const char *name, int i) { return TextOf(&w, QString::fromLatin1(name), i); };
        const auto *tab = w.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
        ASSERT_NE(tab, nullptr);
        // The decode page's heading comes before the timing page's.
        const PrintedText *decode = FindAt(tab->tabText(1), 5);
        const PrintedText *timing = FindAt(tab->tabText(0), 5);
        ASSERT_NE(decode, nullptr);
        ASSERT_NE(timing, nullptr);
        EXPECT_LT(decode->y, timing->y);
        ExpectFourColumnRows(1, {
                                    {label("Label2", 0), text("Combo2", 0), label("Label2", 1), text("Combo2", 1)},
                                    {label("Label3", 0), text("Text2", 0), label("Label3", 1), text("Text2", 1)},
                                    {label("Label3", 2), text("Text2", 2), label("Label3", 3), text("Text2", 3)},
                                    {label("Label1", 0), text("Combo1", 0), label("Label1", 1), text("Combo1", 1)},
                                    {label("Label1", 2), text("Combo1", 2), label("Label1", 3), text("Combo1", 3)},
                                    {label("Label1", 4), text("Combo1", 4), label("Check1", -1), "ON"},
                                });
    }
    {
        Frm5Tone w;
        const auto label = [&w](const char *name, int i) { return CaptionOf(&w, QString::fromLatin1(name), i); };
        const auto text = [&w](const char *name, int i) { return TextOf(&w, QString::fromLatin1(name), i); };
        EXPECT_NE(FindAt(w.windowTitle(), 5), nullptr);
        ExpectFourColumnRows(2, {
                                    {label("Label1", 0), text("Text2", -1), label("Label1", 1), text("Combo1", 1)},
                                    {label("Label1", 2), text("Combo1", 2), label("Label1", 3), text("Combo1", 3)},
                                    {label("Label1", 4), text("Combo1", 4), label("Label1", 5), text("Combo1", 5)},
                                    {label("Label1", 6), text("Combo1", 6), label("Label1", 7), text("Combo1", 7)},
                                    {label("Label1", 8), text("Combo1", 8), label("Label1", 9), text("Combo1", 9)},
                                    {label("Check1", -1), "ON", "", ""},
                                    {label("Label3", -1), "", "", ""},
                                });
    }
    // Each page header carries the date and the time, four spaces apart, bold, from 75 %.
    for (int page = 1; page <= 2; ++page) {
        int dateLines = 0;
        for (const PrintedText &t : LastPrintRecord())
            dateLines += t.page == page && std::abs(t.xPercent() - 75) < 0.01 && t.bold && t.fontSize == 10 &&
                         t.text.count(QStringLiteral("    ")) == 1;
        EXPECT_EQ(dateLines, 1) << page;
    }
}

TEST_F(PrintRunTest, AFailedRunLeavesNothingBehindAndTheNextStartsAtPageOne)
{
    const int windowsBefore = int(QApplication::topLevelWidgets().size());
    State().PrintItemFlags.fill(1);
    const QString unwritable = PdfPath() + QStringLiteral(".missing/out.pdf"); // its folder does not exist
    script->answerPrintToFile(unwritable);
    CommonDialogState dialog;
    PrintSelected(dialog, nullptr);
    EXPECT_EQ(State().PrintDone, 0);
    EXPECT_TRUE(LastPrintRecord().isEmpty());
    EXPECT_FALSE(QFile::exists(unwritable));
    EXPECT_TRUE(script->messages().isEmpty());

    Run({3, 9});
    ASSERT_EQ(State().PrintDone, 1);
    EXPECT_NE(Find(QStringLiteral("- 1 -"), 1), nullptr);
    EXPECT_EQ(LastPage(), 2);
    EXPECT_EQ(PdfPages(), 2);
    // The windows the sections loaded hidden are gone.
    EXPECT_EQ(int(QApplication::topLevelWidgets().size()), windowsBefore);
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
