#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "common/captions.h"
#include "platform/form_kit.h"
#include "print/frm_print_list.h"
#include "print/print_hooks.h"
#include "print/print_sections.h"
#include "print_fixture.h"

namespace {

using printtest::PrintTest;

TEST_F(PrintTest, TextsInBothLanguages)
{
    const PrintTextRecord &t = PrintTexts();
    EXPECT_EQ(t.PrtItemText[0][1], "Channel Infomation");
    EXPECT_EQ(t.PrtItemText[2][1], "Radio Channel Infomation");
    EXPECT_EQ(t.PrtItemText[8][2], QString::fromUtf8("嵌入信息"));
    EXPECT_EQ(t.PrtSelectPrompt[1], "Please select printing items.");
    SetLanguage(LangChinese);
    EXPECT_EQ(PrtOnOff(0), QString::fromUtf8("关"));
    EXPECT_EQ(PrtOnOff(1), QString::fromUtf8("开"));
    SetLanguage(LangEnglish);
    EXPECT_EQ(PrtOnOff(0), "OFF");
    EXPECT_EQ(PrtOnOff(1), "ON");
    // An odd stored value prints an empty cell; the run goes on.
    EXPECT_EQ(PrtOnOff(2), "");
    EXPECT_EQ(PrtOnOff(-1), "");
}

TEST_F(PrintTest, PageFrameOnEveryPage)
{
    State().CurFileName = QStringLiteral("new.dat");
    Run({5, 7}); // 2-tone, then the communication book
    ASSERT_EQ(State().PrintDone, 1);
    ASSERT_EQ(LastPage(), 2);
    EXPECT_EQ(PdfPages(), 2); // no empty page after the last section
    for (int page = 1; page <= 2; ++page) {
        const PrintedText *title = Find(QStringLiteral("TORVA_6Y Radio Programming Information"), page);
        ASSERT_NE(title, nullptr) << page;
        EXPECT_EQ(title->fontSize, 25);
        EXPECT_TRUE(title->bold);
        EXPECT_NEAR(title->yPercent(), 2, 0.01);
        EXPECT_GT(title->xPercent(), 0); // centred by its width
        EXPECT_LT(title->xPercent(), 25);
        const PrintedText *model = Find(QStringLiteral("Model Type"), page);
        ASSERT_NE(model, nullptr);
        EXPECT_NEAR(model->xPercent(), 8, 0.01);
        const PrintedText *modelValue = Find(QStringLiteral("TORVA-6Y"), page);
        ASSERT_NE(modelValue, nullptr);
        EXPECT_NEAR(modelValue->xPercent(), 25, 0.01);
        EXPECT_EQ(modelValue->y, model->y); // one row
        EXPECT_TRUE(model->bold);
        EXPECT_NE(Find(QStringLiteral("new.dat"), page), nullptr);
        EXPECT_NE(Find(State().CurBandPlanText, page), nullptr);
        const PrintedText *footer = Find(QStringLiteral("- %1 -").arg(page), page);
        ASSERT_NE(footer, nullptr) << page;
        EXPECT_NEAR(footer->yPercent(), 97, 0.01);
        EXPECT_EQ(footer->fontSize, 10);
        EXPECT_FALSE(footer->bold);
    }
    // The sections in their order: the 2-tone page first.
    EXPECT_NE(Find(GetOptionText(60051), 1), nullptr);
    EXPECT_NE(Find(QStringLiteral("Communication Book"), 2), nullptr);
}

TEST_F(PrintTest, CancelledDialogPrintsNothing)
{
    State().PrintItemFlags.fill(1);
    script->answerPrint(false);
    CommonDialogState dialog;
    PrintSelected(dialog, nullptr);
    EXPECT_EQ(State().PrintDone, 0);
    EXPECT_TRUE(LastPrintRecord().isEmpty());
    EXPECT_FALSE(QFile::exists(PdfPath()));
}

TEST_F(PrintTest, CommBookPrintsEveryEntryByItsIndex)
{
    CommBook &book = State().RadioData.CommBook;
    book[5].Number = 99;
    book[5].CallId = FixStr<5>::fromBytes("12   ");
    book[5].Name = FixStr<6>::fromBytes(QByteArray("AB\0CD ", 6));
    book[127].CallId = FixStr<5>::fromBytes("777");
    Run({7});
    ASSERT_EQ(State().PrintDone, 1);
    const PrintedText *index5 = nullptr;
    for (const PrintedText &t : LastPrintRecord())
        if (t.text == "5" && std::abs(t.xPercent() - 10) < 0.01)
            index5 = &t;
    ASSERT_NE(index5, nullptr);
    const PrintedText *call = Find(QStringLiteral("12"));
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->y, index5->y);
    EXPECT_NEAR(call->xPercent(), 18, 0.01);
    const PrintedText *name = Find(QStringLiteral("AB"));
    ASSERT_NE(name, nullptr);
    EXPECT_NEAR(name->xPercent(), 28, 0.01);
    // Entry 127 closes the right group on row 27; the last row ends with entry 99.
    const PrintedText *last = Find(QStringLiteral("777"));
    ASSERT_NE(last, nullptr);
    EXPECT_NEAR(last->xPercent(), 74, 0.01);
    const PrintedText *row27 = Find(QStringLiteral("27"));
    ASSERT_NE(row27, nullptr);
    EXPECT_EQ(row27->y, last->y);
    int indexes = 0;
    for (const PrintedText &t : LastPrintRecord())
        for (double left : {10.0, 38.0, 66.0})
            if (std::abs(t.xPercent() - left) < 0.01 && t.text != GetLangText(3007))
                ++indexes;
    EXPECT_EQ(indexes, 128);
}

TEST_F(PrintTest, TwoToneEntriesTwoToALine)
{
    TwoToneEntries &e = State().RadioData.SignallingRecord.TwoToneBlock.Entries;
    e[0].Name = FixStr<7>::fromBytes("ZERO");
    e[5] = {0, 600, 0, 10000, 0, FixStr<7>::fromBytes("SIX")};
    e[7] = {0, 600, 1865, 10000, 3217, FixStr<7>::fromBytes("EIGHT")};
    e[9] = {0, 0, 1865, 10000, 3217, FixStr<7>::fromBytes("HIDDEN")};
    Run({5});
    ASSERT_EQ(State().PrintDone, 1);
    const PrintedText *first = Find(QStringLiteral("ZERO")); // entry 0, left half
    const PrintedText *six = Find(QStringLiteral("SIX"));
    const PrintedText *eight = Find(QStringLiteral("EIGHT"));
    ASSERT_TRUE(first && six && eight);
    EXPECT_NEAR(first->xPercent(), 27, 0.01);
    EXPECT_NEAR(six->xPercent(), 72, 0.01); // entry 5 fills the right half of the first line
    EXPECT_EQ(six->y, first->y);
    EXPECT_NEAR(eight->xPercent(), 27, 0.01);
    EXPECT_GT(eight->y, six->y);
    EXPECT_EQ(Find(QStringLiteral("HIDDEN")), nullptr);
    EXPECT_NE(Find(QStringLiteral("OFF")), nullptr); // the side tone
}

class FrmPrintListTest : public PrintTest {
protected:
    static QCheckBox *Check(FrmPrintList &w, int i) { return FindArrayElement<QCheckBox>(&w, QStringLiteral("Check1"), i); }
    static void Click(FrmPrintList &w, const char *name) { w.findChild<QPushButton *>(QString::fromLatin1(name))->click(); }
};

TEST_F(FrmPrintListTest, NothingTickedAsksAndStaysOpen)
{
    FrmPrintList w;
    Click(w, "Command1");
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, "Please select printing items.");
    EXPECT_EQ(script->messages()[0].style, vbOKOnly + vbExclamation);
    EXPECT_EQ(w.result(), 0);
    EXPECT_EQ(script->calls.size(), 1);
}

TEST_F(FrmPrintListTest, OnlyHiddenItemsTickedCountsAsNothingTicked)
{
    // Items 1 and 2 print no section: ticked alone they would start an empty run.
    FrmPrintList w;
    SetCheckValue(Check(w, 1), 1);
    SetCheckValue(Check(w, 2), 1);
    Click(w, "Command1");
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, "Please select printing items.");
    EXPECT_EQ(w.result(), 0);
    EXPECT_EQ(script->calls.size(), 1); // no print dialog
}

TEST_F(FrmPrintListTest, SelectAllSetsTheHiddenItemsToo)
{
    FrmPrintList w;
    EXPECT_TRUE(Check(w, 1)->isHidden());
    EXPECT_TRUE(Check(w, 2)->isHidden());
    Click(w, "CommandSelAll");
    script->answerPrintToFile(PdfPath());
    Click(w, "Command1");
    for (int i = 0; i < kPrintItems; ++i)
        EXPECT_EQ(State().PrintItemFlags[std::size_t(i)], 1) << i;
    EXPECT_EQ(State().PrintDone, 1);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    Click(w, "CommandClrAll");
    EXPECT_EQ(CheckValue(Check(w, 1)), 0);
}

TEST_F(FrmPrintListTest, AfterSetTheRunShowsTheSetupDialogAndItsCancelKeepsTheWindowOpen)
{
    FrmPrintList w;
    SetCheckValue(Check(w, 9), 1);
    script->answerPrint(true);
    Click(w, "CommandSet");
    script->answerPrint(false);
    Click(w, "Command1");
    ASSERT_EQ(script->calls.size(), 2);
    EXPECT_EQ(script->calls[0].kind, "PrintSetup");
    EXPECT_EQ(script->calls[1].kind, "PrintSetup");
    EXPECT_EQ(State().PrintDone, 0);
    EXPECT_EQ(w.result(), 0);
    EXPECT_EQ(CheckValue(Check(w, 9)), 1);
}

TEST_F(FrmPrintListTest, CaptionsAndHooks)
{
    SetLanguage(LangChinese);
    {
        FrmPrintList w;
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8("打印列表"));
        EXPECT_EQ(w.findChild<QPushButton *>(QStringLiteral("Command1"))->text(), QString::fromUtf8("确定(&O)"));
        EXPECT_EQ(w.findChild<QPushButton *>(QStringLiteral("CommandSet"))->text(), QString::fromUtf8("设置(&S)"));
        EXPECT_EQ(Check(w, 9)->text(), GetLangText(2600));
        EXPECT_EQ(Check(w, 4)->text(), "DTMF");
    }
    SetLanguage(LangEnglish);
    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<FrmPrintList>(); });

    ResetHooks();
    RegisterPrintHooks();
    int shown = 0;
    script->onModal([&](QDialog *d) {
        shown += d->objectName() == "FrmPrintList";
        return QDialog::Rejected;
    });
    CallHook(Hooks().ShowFrmPrintList);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(bool(Hooks().InitPrintLanguage));
}

} // namespace
