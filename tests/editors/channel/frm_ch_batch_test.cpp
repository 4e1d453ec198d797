#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "ch_batch_fixture.h"
#include "common/captions.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "editors/editor_hooks.h"
#include "platform/prompt_script.h"

namespace chbatch {
namespace {

class FrmCHBatchTest : public BatchTest {
protected:
    QString flagsPath() const { return programDir->path(QStringLiteral("BatchFun.ini")); }
    bool shown(QWidget *control) const { return !control->isHidden(); }
};

const QByteArray kDefaults("\1\1\1\1\1\1\1\1\1\1\1\0\1\1\1\0\1\1\1\1", 20);

TEST_F(FrmCHBatchTest, FirstOpeningWithTheDefaultFlags)
{
    QFile::remove(flagsPath());
    LoadBatchFunFlags();
    QFile::remove(flagsPath()); // so that the window's own writes show
    Open();
    // Every item box that the load ticks writes the record.
    EXPECT_EQ(testenv::ReadAll(flagsPath()), kDefaults);

    auto *frame1 = w->findChild<QFrame *>(QStringLiteral("Frame1"));
    auto *frame2 = w->findChild<QFrame *>(QStringLiteral("Frame2"));
    EXPECT_TRUE(shown(frame1));
    EXPECT_FALSE(shown(frame2));
    EXPECT_EQ(button("CommandFun")->text(), GetLangText(4005));
    for (int i = 0; i < kBatchItemCount; ++i) {
        const bool offered = i != BatchItemFiveTonePttId && i != BatchItemCompander;
        EXPECT_EQ(shown(check("Check2", i)), offered) << i;
        EXPECT_EQ(CheckValue(check("Check2", i)), offered ? 1 : 0) << i;
    }
    // The inputs of the offered items show; the 5-tone PTT ID and the compander never do.
    EXPECT_TRUE(shown(text2(0)));
    EXPECT_TRUE(shown(combo(11)));
    EXPECT_TRUE(shown(text3()));
    EXPECT_FALSE(shown(combo(8)));
    EXPECT_FALSE(shown(check("Check1", 1)));
    EXPECT_FALSE(shown(combo(12)));
    EXPECT_FALSE(shown(combo(13)));
    // The scrambler is on but lies below the window's client area.
    EXPECT_TRUE(shown(combo(9)));
    EXPECT_GE(combo(9)->y(), w->height());

    // Enabling after the load.
    for (QWidget *off : std::initializer_list<QWidget *>{
             text1(0), text1(1), text2(2), text2(3), text2(4), option("Option4", 0), option("Option5", 1),
             text2(8), text2(9), option("Option7", 0), combo(1), text2(6), option("Option10", 0),
             check("Check3", 1), combo(11)})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    for (QWidget *on : std::initializer_list<QWidget *>{combo(0), text2(5), option("Option9", 0), text2(7),
                                                        check("Check3", 0), text2(0), text2(1)})
        EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();

    // Defaults of the inputs.
    EXPECT_EQ(text1(0)->text(), QStringLiteral("0"));
    EXPECT_EQ(text1(1)->text(), QStringLiteral("199"));
    EXPECT_EQ(text2(0)->text(), QStringLiteral("400.00000"));
    EXPECT_EQ(text2(2)->text(), QStringLiteral("0.00000"));
    EXPECT_EQ(text2(3)->text(), QStringLiteral("400.00000"));
    EXPECT_EQ(CheckValue(check("Check3", 2)), 1);
    EXPECT_TRUE(option("Option1", 0)->isChecked());
    EXPECT_TRUE(option("Option3", 0)->isChecked());
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10})
        EXPECT_EQ(combo(i)->ListIndex(), 0) << i;
    EXPECT_TRUE(script->calls.empty());
}

TEST_F(FrmCHBatchTest, FlagsDecideWhatTheLoadWrites)
{
    // All off: no box changes, nothing is written, no input shows.
    OnlyItems({});
    QFile::remove(flagsPath());
    Open();
    EXPECT_FALSE(QFile::exists(flagsPath()));
    for (int i : {0, 2, 5, 7})
        EXPECT_FALSE(shown(text2(i))) << i;
    EXPECT_FALSE(shown(combo(2)));
    w.reset();

    // A byte of 2 counts as on; ticking its box stores 1. Item 11 keeps its byte.
    OnlyItems({});
    State().BatchFunFlags[BatchItemName] = 2;
    State().BatchFunFlags[BatchItemFiveTonePttId] = 1;
    Open();
    EXPECT_EQ(CheckValue(check("Check2", BatchItemName)), 1);
    EXPECT_EQ(State().BatchFunFlags[BatchItemName], 1);
    EXPECT_EQ(State().BatchFunFlags[BatchItemFiveTonePttId], 1);
    QByteArray expected(20, '\0');
    expected[BatchItemName] = 1;
    expected[BatchItemFiveTonePttId] = 1;
    EXPECT_EQ(testenv::ReadAll(flagsPath()), expected);
}

TEST_F(FrmCHBatchTest, PageAndItemChoiceSurviveClosing)
{
    SetDefaultBatchFunFlags();
    Open();
    button("CommandFun")->click();
    EXPECT_TRUE(State().ItemPageShown);
    EXPECT_EQ(button("CommandFun")->text(), GetLangText(4006));
    EXPECT_FALSE(shown(w->findChild<QFrame *>(QStringLiteral("Frame1"))));
    SetCheckValue(check("Check2", BatchItemName), 0);
    EXPECT_EQ(State().BatchFunFlags[BatchItemName], 0);
    EXPECT_FALSE(shown(text2(7)));
    EXPECT_EQ(testenv::ReadAll(flagsPath()).at(BatchItemName), '\0');
    button("CommandClose")->click();
    w.reset();

    Open();
    EXPECT_TRUE(shown(w->findChild<QFrame *>(QStringLiteral("Frame2"))));
    EXPECT_FALSE(shown(w->findChild<QFrame *>(QStringLiteral("Frame1"))));
    EXPECT_EQ(button("CommandFun")->text(), GetLangText(4006));
    EXPECT_EQ(CheckValue(check("Check2", BatchItemName)), 0);
    EXPECT_FALSE(shown(text2(7)));
    button("CommandFun")->click();
    EXPECT_FALSE(State().ItemPageShown);
    EXPECT_EQ(button("CommandFun")->text(), GetLangText(4005));
}

TEST_F(FrmCHBatchTest, SelectAllAndNoneLeaveTheHiddenItems)
{
    OnlyItems({BatchItemCompander});
    State().BatchFunFlags[BatchItemFiveTonePttId] = 1;
    Open();
    button("CommandSelAll")->click();
    BatchFlagArray all;
    all.fill(1);
    EXPECT_EQ(State().BatchFunFlags, all);
    button("CommandSelNone")->click();
    BatchFlagArray none{};
    none[BatchItemFiveTonePttId] = 1;
    none[BatchItemCompander] = 1;
    EXPECT_EQ(State().BatchFunFlags, none);
    EXPECT_EQ(testenv::ReadAll(flagsPath()),
              QByteArray(reinterpret_cast<const char *>(none.data()), 20));
}

TEST_F(FrmCHBatchTest, EnablingRules)
{
    SetDefaultBatchFunFlags();
    Open();
    option("Option1", 1)->setChecked(true);
    EXPECT_TRUE(text1(0)->isEnabled());
    option("Option3", 1)->setChecked(true);
    EXPECT_TRUE(text2(2)->isEnabled());
    EXPECT_TRUE(option("Option4", 1)->isEnabled());
    EXPECT_FALSE(text2(3)->isEnabled());
    option("Option3", 2)->setChecked(true);
    EXPECT_FALSE(text2(2)->isEnabled());
    EXPECT_TRUE(text2(3)->isEnabled());
    EXPECT_TRUE(option("Option5", 0)->isEnabled());
    option("Option6", 1)->setChecked(true);
    EXPECT_TRUE(text2(8)->isEnabled());
    EXPECT_TRUE(text2(7)->isEnabled());

    SetCheckValue(check("Check3", 0), 1);
    EXPECT_FALSE(combo(0)->isEnabled());
    EXPECT_FALSE(text2(5)->isEnabled());

    // Same-as-decode cleared while random is ticked: the encode inputs stay off.
    SetCheckValue(check("Check3", 2), 0);
    EXPECT_TRUE(check("Check3", 1)->isEnabled());
    EXPECT_TRUE(combo(1)->isEnabled());
    SetCheckValue(check("Check3", 1), 1);
    SetCheckValue(check("Check3", 2), 1);
    SetCheckValue(check("Check3", 2), 0);
    EXPECT_FALSE(combo(1)->isEnabled());
    EXPECT_FALSE(text2(6)->isEnabled());

    combo(11)->setEnabled(false);
    combo(5)->setListIndex(1);
    EXPECT_TRUE(combo(11)->isEnabled());
    combo(5)->setListIndex(0);
    EXPECT_FALSE(combo(11)->isEnabled());

    // Reverse and talkaround exclude each other.
    SetCheckValue(check("Check1", 4), 1);
    SetCheckValue(check("Check1", 3), 1);
    EXPECT_EQ(CheckValue(check("Check1", 4)), 0);
    SetCheckValue(check("Check1", 4), 1);
    EXPECT_EQ(CheckValue(check("Check1", 3)), 0);
    SetCheckValue(check("Check1", 4), 0);
    EXPECT_EQ(CheckValue(check("Check1", 3)), 0);
}

TEST_F(FrmCHBatchTest, ListsHoldTheirEntriesInStoredOrder)
{
    SetDefaultBatchFunFlags();
    auto &dtmf = State().RadioData.SignallingRecord.DtmfBlock;
    for (int m : {0, 2, 15})
        dtmf.CodeMemory[static_cast<std::size_t>(m)].Length = 3;
    auto &two = State().RadioData.SignallingRecord.TwoToneBlock.Entries;
    for (auto &e : two)
        e.Empty = 1;
    two[4].Empty = 0;
    auto &five = State().RadioData.SignallingRecord.FiveToneBlock.CodeRows;
    for (auto &r : five)
        r.Empty = 1;
    five[7].Empty = 0;
    five[99].Empty = 0;
    Open();

    for (int i : {0, 1}) {
        ComboBox *tones = combo(i);
        ASSERT_EQ(tones->ListCount(), kBatchToneCount);
        const std::vector<std::pair<int, QString>> entries{
            {0, GetLangText(4070)}, {1, "62.5"},   {51, "254.1"},  {52, GetLangText(4030)}, {53, "D000N"},
            {72, "D023N"},          {564, "D777N"}, {565, "D000I"}, {584, "D023I"},          {1076, "D777I"}};
        for (const auto &[index, text] : entries)
            EXPECT_EQ(tones->List(index), text) << index;
    }
    const auto items = [](ComboBox *c) {
        QStringList out;
        for (int i = 0; i < c->ListCount(); ++i)
            out << c->List(i);
        return out;
    };
    EXPECT_EQ(items(combo(2)), QStringList({"2.5K", "5K", "6.25K", "10K", "12.5K", "20K", "25K", "30K", "50K"}));
    // Spacing: 0 is 25 kHz and 1 is 12.5 kHz, as the channel table stores them.
    EXPECT_EQ(items(combo(3)), QStringList({"25KHz", "12.5KHz"}));
    EXPECT_EQ(items(combo(4)), QStringList({GetLangText(4072), GetLangText(4074)}));
    EXPECT_EQ(items(combo(5)), QStringList({GetLangText(4070), "DTMF"}));
    EXPECT_EQ(combo(6)->ListCount(), 5);
    EXPECT_EQ(combo(7)->ListCount(), 4);
    EXPECT_EQ(combo(8)->ListCount(), 4);
    EXPECT_EQ(items(combo(9)), QStringList({GetLangText(4071), GetLangText(4083)}));
    EXPECT_EQ(combo(10)->ListCount(), 3);
    EXPECT_EQ(items(combo(11)), QStringList({"M1", "M3", "M16"}));
    EXPECT_EQ(items(combo(12)), QStringList({"4"}));
    EXPECT_EQ(items(combo(13)), QStringList({"7", "99"}));
}

TEST(BatchToneParse, EntriesGiveTheirToneFields)
{
    const QStringList texts = BatchToneTexts(QStringLiteral("None"), QStringLiteral("Custom"));
    ASSERT_EQ(texts.size(), kBatchToneCount);
    struct Case {
        int index;
        int16_t type, ctcss, dcs, inverted;
    };
    // Start from 9s: the fields an entry does not concern keep them.
    const std::vector<Case> cases{
        {0, CtcOff, 9, 9, 9},     {1, CtcCtcss, 0, 9, 9},   {51, CtcCtcss, 50, 9, 9},
        {52, CtcCtcss, 51, 9, 9}, {72, CtcDcs, 9, 19, 0},   {1076, CtcDcs, 9, 511, 1},
        {565, CtcDcs, 9, 0, 1},
    };
    for (const Case &c : cases) {
        int16_t type = 9, ctcss = 9, dcs = 9, inverted = 9;
        ParseToneText(texts[c.index], c.index, QStringLiteral("Custom"), {type, ctcss, dcs, inverted});
        EXPECT_EQ(type, c.type) << c.index;
        EXPECT_EQ(ctcss, c.ctcss) << c.index;
        EXPECT_EQ(dcs, c.dcs) << c.index;
        EXPECT_EQ(inverted, c.inverted) << c.index;
    }
    for (const char *bad : {"D08AN", "D023X", "X023N", "D023", "D088N", "junk"}) {
        int16_t type = 2, ctcss = 9, dcs = 9, inverted = 9;
        ParseToneText(QString::fromLatin1(bad), 600, QStringLiteral("Custom"), {type, ctcss, dcs, inverted});
        EXPECT_EQ(type, CtcOff) << bad;
        EXPECT_EQ(dcs, 9) << bad;
    }

    EXPECT_EQ(ParseNumberStripped(QStringLiteral("M16"), 1, QStringLiteral("M")), 16);
    EXPECT_EQ(ParseNumberStripped(QString(), 1, QStringLiteral("M")), 1);
    EXPECT_EQ(ParseNumberStripped(QString(), 0, QString()), 0);
    EXPECT_EQ(ParseNumberStripped(QStringLiteral("x"), 5, QString()), 5);
    EXPECT_EQ(ParseNumberStripped(QStringLiteral("99999"), 3, QString()), 3);
}

TEST_F(FrmCHBatchTest, RangeBoxesHoldAWholeNumberFrom0To199)
{
    SetDefaultBatchFunFlags();
    Open();
    option("Option1", 1)->setChecked(true);
    TextBox *box = text1(0);
    box->selectAll();
    box->EnterText(QStringLiteral("250"));
    EXPECT_EQ(box->text(), QStringLiteral("199"));
    box->selectAll();
    box->EnterText(QStringLiteral("007"));
    EXPECT_EQ(box->text(), QStringLiteral("7"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("0"));
    box->selectAll();
    EXPECT_EQ(box->EnterText(QStringLiteral("a-1.5")), QStringLiteral("15"));
    EXPECT_EQ(box->text(), QStringLiteral("15"));
}

TEST_F(FrmCHBatchTest, LeaveChecksPutValuesOnTheRaster)
{
    SetDefaultBatchFunFlags();
    Open();
    struct Case {
        int box;
        QString typed;
        QString after;
    };
    State().RxBandLow = {136.0, 400.0};
    State().RxBandHigh = {174.0, 480.0};
    State().TxBandLow = {136.0, 400.0};
    State().TxBandHigh = {174.0, 480.0};
    const std::vector<Case> cases{
        {1, "7", "5"},           {1, "6.25", "6.25"},   {1, "12.5", "12.5"},       {1, "3.3", "2.5"},
        {1, "", "0"},            {4, ".", "0"},         {2, "5", "5.00000"},       {2, "0.0012", "0.00000"},
        {2, "10.00625", "10.00625"}, {0, "145.0021", "145.00000"}, {0, "145.00625", "145.00625"},
        {0, "", "136.00000"},    {0, "500", "136.00000"}, {3, "145.0049", "145.00250"},
        {5, "", "0"},            {6, "7", "7"},         {8, "", "0"},
    };
    for (const Case &c : cases) {
        text2(c.box)->setText(c.typed);
        w->Text2_LostFocus(c.box);
        EXPECT_EQ(text2(c.box)->text(), c.after) << c.box << " " << c.typed.toStdString();
    }
    // No band warning from the leave checks.
    EXPECT_TRUE(script->calls.empty());

    // A step above 1000 kHz is cut while typing.
    text2(1)->setText(QString());
    text2(1)->EnterText(QStringLiteral("2000"));
    EXPECT_EQ(text2(1)->text(), QStringLiteral("1000"));

    // The counter step never has more digits than the counter.
    text2(8)->setText(QStringLiteral("01"));
    text2(9)->setText(QStringLiteral("100"));
    w->Text2_LostFocus(9);
    EXPECT_EQ(text2(9)->text(), QStringLiteral("10"));

    // Enter checks the box before the focus moves.
    option("Option3", 1)->setChecked(true);
    text2(2)->setText(QStringLiteral("0.0037"));
    QTest::keyClick(text2(2), Qt::Key_Return);
    EXPECT_EQ(text2(2)->text(), QStringLiteral("0.00250"));

    for (const auto &[typed, after] : std::vector<std::pair<QString, QString>>{
             {"300", "151.1"}, {"", "151.1"}, {"88.5", "88.5"}, {"67", "67.0"}}) {
        text3()->setText(typed);
        w->Text3_LostFocus();
        EXPECT_EQ(text3()->text(), after) << typed.toStdString();
    }
}

TEST_F(FrmCHBatchTest, StepRoutines)
{
    EXPECT_EQ(FrmCHBatch::StepData(QStringLiteral("7")), QStringLiteral("5"));
    EXPECT_EQ(FrmCHBatch::StepData(QStringLiteral("1000")), QStringLiteral("1000"));
    EXPECT_EQ(FrmCHBatch::StepData(QStringLiteral("abc")), QStringLiteral("0"));
    EXPECT_EQ(FrmCHBatch::StepDataFree(QStringLiteral("1.2345")), QStringLiteral("1.23250"));
    EXPECT_EQ(FrmCHBatch::DefaultData(QStringLiteral("12"), QStringLiteral("0")), QStringLiteral("12"));
    EXPECT_EQ(FrmCHBatch::DefaultData(QStringLiteral("1x"), QStringLiteral("0")), QStringLiteral("0"));
    // Counted from the lower limit of the band that holds the value (UHF 400..480, VHF 136..174).
    EXPECT_DOUBLE_EQ(FrmCHBatch::StepDataFre(400.0037, 1), 400.0025);
    EXPECT_DOUBLE_EQ(FrmCHBatch::StepDataFre(136.00625, 0), 136.00625);
    EXPECT_DOUBLE_EQ(FrmCHBatch::StepDataFre(145.0049, 1), 145.0025);
}

TEST_F(FrmCHBatchTest, EntryBoxesTakeOnlyTheirCharacters)
{
    SetDefaultBatchFunFlags();
    Open();
    text2(7)->setText(QString());
    EXPECT_EQ(text2(7)->EnterText(QStringLiteral("a b-C9\u00e9xyz")), QStringLiteral("abC9xy"));
    text2(0)->setText(QString());
    EXPECT_EQ(text2(0)->EnterText(QStringLiteral("4a3,0.5")), QStringLiteral("430.5"));
    text2(5)->setText(QString());
    EXPECT_EQ(text2(5)->EnterText(QStringLiteral("1.23")), QStringLiteral("12"));
    text3()->setText(QString());
    EXPECT_EQ(text3()->EnterText(QStringLiteral("88.5Hz")), QStringLiteral("88.5"));
}

TEST_F(FrmCHBatchTest, CaptionsInBothLanguages)
{
    SetDefaultBatchFunFlags();
    for (bool itemPage : {false, true}) {
        State().ItemPageShown = itemPage;
        testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<FrmCHBatch>(); });
    }
}

TEST_F(FrmCHBatchTest, OpenedThroughItsHookAndLoadedAtStartUp)
{
    RegisterEditorHooks();
    QFile::remove(flagsPath());
    CallHook(Hooks().LoadBatchFunFlags);
    EXPECT_EQ(testenv::ReadAll(flagsPath()), kDefaults);
    QString opened;
    script->onModal([&](QDialog *d) {
        opened = d->objectName();
        return int(QDialog::Rejected);
    });
    CallHook(Hooks().ShowFrmCHBatch);
    EXPECT_EQ(opened, QStringLiteral("FrmCHBatch"));
    EXPECT_EQ(script->unscriptedCount(), 0);
}

} // namespace
} // namespace chbatch
