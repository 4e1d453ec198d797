#include <QTest>
#include <gtest/gtest.h>
#include <random>

#include "ch_batch_fixture.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/radio_data.h"
#include "platform/prompt_script.h"

namespace chbatch {
namespace {

class CHBatchApplyTest : public BatchTest {};

QByteArray Stored(const FixStr<9> &field) { return field.toByteArray(); }

TEST_F(CHBatchApplyTest, RxItemCreatesMissingChannelsInOrderOnTheRaster)
{
    SetTable({1, 201, 202, 203, 204, 205, 206});
    State().ChannelList[0].Name.assign("KEEP");
    OnlyItems({BatchItemRxFreq});
    int redraws = 0;
    Hooks().ReShowListByData = [&] { ++redraws; };
    Open();
    Range(0, 9);
    text2(0)->setText(QStringLiteral("400"));
    text2(1)->setText(QStringLiteral("6.25"));
    Apply();

    EXPECT_EQ(Numbers(), (std::vector<int>{1, 201, 202, 203, 204, 205, 206, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(Stored(Channel(1).RxFrequency), QByteArray("040000000"));
    EXPECT_EQ(Channel(1).Name.toByteArray(), QByteArray("KEEP  "));
    // Created channels keep all five decimals, as modified ones do: 400.00625, not 400.0063.
    EXPECT_EQ(Stored(Channel(2).RxFrequency), QByteArray("040000625"));
    EXPECT_EQ(Stored(Channel(10).RxFrequency), QByteArray("040005625"));
    const ChannelRecord &made = Channel(5);
    EXPECT_EQ(made.Used, 1);
    EXPECT_EQ(made.ScanSkip, 1);
    EXPECT_EQ(Stored(made.TxOffset), QByteArray("000000000"));
    EXPECT_EQ(made.DecodeCtcssIndex, 20);
    EXPECT_EQ(made.EncodeCtcssIndex, 20);
    EXPECT_EQ(made.CustomCtcss, 1511);
    EXPECT_EQ(made.Code.toByteArray(), QByteArray("00000"));
    // The box shows what its leave check made of it.
    EXPECT_EQ(text2(0)->text(), QStringLiteral("400.00000"));
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(script->calls.empty());
}

TEST_F(CHBatchApplyTest, ProgressionsCountFromTheFirstChannelOfTheRange)
{
    // A range given backwards is walked upwards; k counts from its lower end.
    SetTable({4, 5, 6});
    OnlyItems({BatchItemRxFreq});
    Open();
    Range(5, 3);
    text2(0)->setText(QStringLiteral("400"));
    text2(1)->setText(QStringLiteral("12.5"));
    Apply();
    EXPECT_EQ(Stored(Channel(4).RxFrequency), QByteArray("040000000"));
    EXPECT_EQ(Stored(Channel(5).RxFrequency), QByteArray("040001250"));
    EXPECT_EQ(Stored(Channel(6).RxFrequency), QByteArray("040002500"));

    // Beyond the band the normaliser's substitute stands in, without a message.
    SetTable({1});
    Range(0, 11);
    text2(0)->setText(QStringLiteral("470"));
    text2(1)->setText(QStringLiteral("1000"));
    Apply();
    EXPECT_EQ(Stored(Channel(11).RxFrequency), QByteArray("048000000"));
    EXPECT_EQ(Stored(Channel(12).RxFrequency), QByteArray("013600000"));
    EXPECT_TRUE(script->calls.empty());
}

TEST_F(CHBatchApplyTest, WithoutTheRxItemMissingChannelsAreSkippedButCounted)
{
    SetTable({1, 3});
    OnlyItems({BatchItemName, BatchItemTxPower});
    Open();
    Range(0, 2);
    option("Option6", 1)->setChecked(true);
    text2(7)->setText(QStringLiteral("CH"));
    text2(8)->setText(QStringLiteral("01"));
    text2(9)->setText(QStringLiteral("1"));
    combo(4)->setListIndex(1);
    Apply();
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 3}));
    EXPECT_EQ(Channel(1).Name.toByteArray(), QByteArray("CH01  "));
    EXPECT_EQ(Channel(3).Name.toByteArray(), QByteArray("CH03  "));
    EXPECT_EQ(Channel(3).Power, 1);
}

TEST_F(CHBatchApplyTest, NamesWithCountersUpAndDown)
{
    struct Case {
        bool numbered;
        QString text, start, step;
        bool up;
        std::vector<QByteArray> names;
    };
    const std::vector<Case> cases{
        {true, "CH", "98", "1", true, {"CH98  ", "CH99  ", "CH00  ", "CH01  "}},
        {true, "CH", "05", "3", false, {"CH05  ", "CH02  ", "CH99  ", "CH96  "}},
        {true, "ABCDEF", "001", "1", true, {"ABC001", "ABC002", "ABC003", "ABC004"}},
        {true, "ABC", "000000", "2", true, {"000000", "000002", "000004", "000006"}},
        {false, "", "0", "0", true, {"      ", "      ", "      ", "      "}},
        {false, "NAME", "0", "0", true, {"NAME  ", "NAME  ", "NAME  ", "NAME  "}},
    };
    SetTable({1, 2, 3, 4});
    OnlyItems({BatchItemName});
    Open();
    Range(0, 3);
    for (const Case &c : cases) {
        option("Option6", c.numbered ? 1 : 0)->setChecked(true);
        option("Option7", c.up ? 0 : 1)->setChecked(true);
        text2(7)->setText(c.text);
        text2(8)->setText(c.start);
        text2(9)->setText(c.step);
        Apply();
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(Channel(n).Name.toByteArray(), c.names[static_cast<std::size_t>(n - 1)])
                << c.text.toStdString() << " " << c.start.toStdString() << " channel " << n;
    }
}

TEST_F(CHBatchApplyTest, TonesStepThroughTheListAndWrapAround)
{
    SetTable({1, 2, 3});
    OnlyItems({BatchItemDecodeTone, BatchItemEncodeTone});
    Open();
    Range(0, 2);
    combo(0)->setListIndex(1070); // D771I
    text2(5)->setText(QStringLiteral("10"));
    SetCheckValue(check("Check3", 2), 0);
    combo(1)->setListIndex(0);
    text2(6)->setText(QStringLiteral("1"));
    option("Option10", 1)->setChecked(true);
    Apply();

    const ChannelRecord &c1 = Channel(1);
    EXPECT_EQ(c1.DecodeToneType, CtcDcs);
    EXPECT_EQ(c1.DecodeDcsCode, 505);
    EXPECT_EQ(c1.DecodeDcsInverted, 1);
    EXPECT_EQ(c1.EncodeToneType, CtcOff);
    const ChannelRecord &c2 = Channel(2); // entries 3 and 1076
    EXPECT_EQ(c2.DecodeToneType, CtcCtcss);
    EXPECT_EQ(c2.DecodeCtcssIndex, 2);
    EXPECT_EQ(c2.EncodeToneType, CtcDcs);
    EXPECT_EQ(c2.EncodeDcsCode, 511);
    EXPECT_EQ(c2.EncodeDcsInverted, 1);
    const ChannelRecord &c3 = Channel(3); // entries 13 and 1075
    EXPECT_EQ(c3.DecodeCtcssIndex, 12);
    EXPECT_EQ(c3.EncodeDcsCode, 510);

    // Same as decode, with the decode item off: each channel's own decode tone is copied.
    OnlyItems({BatchItemEncodeTone});
    State().ChannelList[0].DecodeToneType = CtcDcs;
    State().ChannelList[0].DecodeDcsCode = 19;
    State().ChannelList[0].DecodeDcsInverted = 0;
    State().ChannelList[0].DecodeCtcssIndex = 33;
    SetCheckValue(check("Check3", 2), 1);
    Apply();
    EXPECT_EQ(Channel(1).EncodeToneType, CtcDcs);
    EXPECT_EQ(Channel(1).EncodeDcsCode, 19);
    EXPECT_EQ(Channel(1).EncodeDcsInverted, 0);
    EXPECT_EQ(Channel(1).EncodeCtcssIndex, 33);
    EXPECT_EQ(Channel(2).EncodeToneType, CtcCtcss);
    EXPECT_EQ(Channel(2).EncodeCtcssIndex, 2);
}

TEST_F(CHBatchApplyTest, RandomTonesFollowTheSeed)
{
    SetTable({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    OnlyItems({BatchItemDecodeTone, BatchItemEncodeTone});
    Open();
    Range(0, 9);
    SetCheckValue(check("Check3", 0), 1);
    SetCheckValue(check("Check3", 2), 0);
    SetCheckValue(check("Check3", 1), 1);
    w->SetRandomSeed(1234);
    Apply();

    // One draw per channel and tone item, decode first: entry = v * 1077 / 2^32.
    const QStringList texts = BatchToneTexts(GetLangText(4070), GetLangText(4030));
    std::mt19937 generator(1234);
    const auto draw = [&] { return static_cast<int>((static_cast<uint64_t>(generator()) * kBatchToneCount) >> 32); };
    std::vector<ChannelRecord> expected;
    for (int n = 1; n <= 10; ++n) {
        ChannelRecord c = NewChannelRecord(static_cast<int16_t>(n));
        const int d = draw();
        ParseToneText(texts[d], d, GetLangText(4030), {c.DecodeToneType, c.DecodeCtcssIndex, c.DecodeDcsCode, c.DecodeDcsInverted});
        const int e = draw();
        ParseToneText(texts[e], e, GetLangText(4030), {c.EncodeToneType, c.EncodeCtcssIndex, c.EncodeDcsCode, c.EncodeDcsInverted});
        expected.push_back(c);
    }
    const auto tones = [](const ChannelRecord &c) {
        return std::vector<int>{c.DecodeToneType, c.DecodeCtcssIndex, c.DecodeDcsCode, c.DecodeDcsInverted,
                                c.EncodeToneType, c.EncodeCtcssIndex, c.EncodeDcsCode, c.EncodeDcsInverted};
    };
    std::vector<std::vector<int>> first;
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(tones(Channel(n)), tones(expected[static_cast<std::size_t>(n - 1)])) << "channel " << n;
        first.push_back(tones(Channel(n)));
    }
    // Every Apply starts from the seed again.
    Apply();
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(tones(Channel(n)), first[static_cast<std::size_t>(n - 1)]);
}

TEST_F(CHBatchApplyTest, ClearingOutsideTheRangeRefusesTheLastNormalChannelOnce)
{
    SetTable({1, 2, 201, 202, 203, 204, 205, 206});
    OnlyItems({});
    Open();
    Range(9, 18);
    SetCheckValue(w->findChild<QCheckBox *>(QStringLiteral("Check4")), 1);
    script->answer(vbOK);
    Apply();
    EXPECT_EQ(Numbers(), (std::vector<int>{2, 201, 202, 203, 204, 205, 206}));
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages().front().text, QStringLiteral("Must retain the one channels!"));

    // With the RX item the range is filled after the clearing, which refuses the last normal
    // channel outside again.
    OnlyItems({BatchItemRxFreq});
    script->clear();
    script->answer(vbOK);
    Apply();
    EXPECT_EQ(script->messages().size(), 1);
    EXPECT_EQ(Numbers(), (std::vector<int>{2, 201, 202, 203, 204, 205, 206, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(script->unscriptedCount(), 0);
}

TEST_F(CHBatchApplyTest, TransmitModes)
{
    SetTable({1, 2, 3});
    ChannelRecord &noRx = State().ChannelList[2];
    noRx.RxFrequency.assign("FFFFFFFFF");
    noRx.OffsetDir = OffsetPlus;
    noRx.TxOffset.assign("000100000");
    const ChannelRecord noRxBefore = noRx;
    OnlyItems({BatchItemTxFreq});
    Open();
    Range(0, 2);

    // Fixed offset: the direction is taken from the plus/minus pair.
    option("Option3", 1)->setChecked(true);
    text2(2)->setText(QStringLiteral("5"));
    option("Option4", 1)->setChecked(true);
    Apply();
    EXPECT_EQ(text2(2)->text(), QStringLiteral("5.00000"));
    for (int n : {1, 2}) {
        EXPECT_EQ(Channel(n).OffsetDir, OffsetMinus);
        EXPECT_EQ(Stored(Channel(n).TxOffset), QByteArray("000500000"));
    }
    // No receive frequency to count from: the channel is left alone.
    EXPECT_EQ(Channel(3), noRxBefore);

    // Own start and step.
    option("Option3", 2)->setChecked(true);
    text2(3)->setText(QStringLiteral("440"));
    text2(4)->setText(QStringLiteral("25"));
    Apply();
    EXPECT_EQ(Channel(1).OffsetDir, OffsetPlus);
    EXPECT_EQ(Stored(Channel(1).TxOffset), QByteArray("001000000"));
    EXPECT_EQ(Stored(Channel(2).TxOffset), QByteArray("001002500"));
    EXPECT_EQ(Channel(3), noRxBefore);

    // TX start equal to RX.
    text2(3)->setText(QStringLiteral("430"));
    text2(4)->setText(QStringLiteral("0"));
    Apply();
    EXPECT_EQ(Channel(2).OffsetDir, OffsetNone);
    EXPECT_EQ(Stored(Channel(2).TxOffset), QByteArray("000000000"));

    // TX equal to RX needs no receive frequency.
    State().ChannelList[0].OffsetDir = OffsetPlus;
    option("Option3", 0)->setChecked(true);
    Apply();
    for (int n : {1, 3}) {
        EXPECT_EQ(Channel(n).OffsetDir, OffsetNone);
        EXPECT_EQ(Stored(Channel(n).TxOffset), QByteArray("000000000"));
    }
    EXPECT_TRUE(script->calls.empty());
}

TEST_F(CHBatchApplyTest, ReverseTalkaroundAndSquelchRule)
{
    SetTable({1, 2, 3});
    auto &list = State().ChannelList;
    list[0].Talkaround = 1;
    list[1].EncodeToneType = CtcCtcss; // decode off
    list[2].EncodeToneType = CtcCtcss;
    list[2].Reverse = 1;
    Open();

    OnlyItems({BatchItemReverse});
    Range(0, 0);
    SetCheckValue(check("Check1", 3), 1);
    Apply();
    EXPECT_EQ(Channel(1).Reverse, 1);
    EXPECT_EQ(Channel(1).Talkaround, 0);

    // Mode 1 needs a tone: the decode tone, or the encode tone on a reversed channel.
    OnlyItems({BatchItemSquelchMode});
    Range(1, 2);
    combo(6)->setListIndex(1);
    Apply();
    EXPECT_EQ(Channel(2).SquelchMode, 0);
    EXPECT_EQ(Channel(3).SquelchMode, 1);

    // Mode 3 needs the signalling too; the signalling item comes first in the same pass.
    combo(6)->setListIndex(3);
    Apply();
    EXPECT_EQ(Channel(3).SquelchMode, 0);
    OnlyItems({BatchItemSquelchMode, BatchItemOptSig});
    combo(5)->setListIndex(1);
    Apply();
    EXPECT_EQ(Channel(3).OptSig, OptSigDtmf);
    EXPECT_EQ(Channel(3).SquelchMode, 3);
    EXPECT_EQ(Channel(2).SquelchMode, 0);

    OnlyItems({BatchItemTalkaround});
    Range(2, 2);
    SetCheckValue(check("Check1", 4), 1);
    Apply();
    EXPECT_EQ(Channel(3).Talkaround, 1);
    EXPECT_EQ(Channel(3).Reverse, 0);
}

TEST_F(CHBatchApplyTest, EveryItemOverTheWholeTableLeavesTheSpecialChannels)
{
    AppState &s = State();
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        ChannelRecord c = NewChannelRecord(static_cast<int16_t>(slot + 1));
        c.Used = 1;
        c.RxFrequency.assign("043000000");
        c.TxOffset.assign("000000000");
        c.FiveTonePttId = 2;
        s.ChannelList[static_cast<std::size_t>(slot)] = c;
    }
    s.RadioData.ChannelCount = kChannelSlots;
    const std::array<ChannelRecord, kChannelSlots> before = s.ChannelList;
    s.RadioData.SignallingRecord.DtmfBlock.CodeMemory[2].Length = 4;
    s.BatchFunFlags.fill(1);
    Open();
    s.BatchFunFlags[BatchItemCompander] = 1;
    s.BatchFunFlags[BatchItemFiveTonePttId] = 1;
    combo(2)->setListIndex(4);
    combo(3)->setListIndex(1);
    combo(4)->setListIndex(1);
    combo(5)->setListIndex(1);
    combo(7)->setListIndex(2);
    combo(10)->setListIndex(2);
    for (int j = 0; j < 5; ++j)
        SetCheckValue(check("Check1", j), 1); // talkaround wins over reverse
    text3()->setText(QStringLiteral("88.5"));
    Apply();

    for (int slot = 0; slot < kChannelSlots; ++slot) {
        const ChannelRecord &c = s.ChannelList[static_cast<std::size_t>(slot)];
        if (c.Number > 200) {
            EXPECT_EQ(c, before[static_cast<std::size_t>(slot)]) << c.Number;
            continue;
        }
        ASSERT_EQ(c.Number, slot + 1);
        EXPECT_EQ(c.StepIndex, 4);
        EXPECT_EQ(c.Bandwidth, 1);
        EXPECT_EQ(c.Power, 1);
        EXPECT_EQ(c.OptSig, OptSigDtmf);
        EXPECT_EQ(c.DtmfMemoryIndex, 2); // "M3"
        EXPECT_EQ(c.DtmfPttId, 2);
        EXPECT_EQ(c.FiveTonePttId, 0);
        EXPECT_EQ(c.Scrambler, 0);
        EXPECT_EQ(c.BusyLock, 2);
        EXPECT_EQ(c.TxInhibit, 1);
        EXPECT_EQ(c.Compander, 1);
        EXPECT_EQ(c.ScanSkip, 1);
        EXPECT_EQ(c.Reverse, 0);
        EXPECT_EQ(c.Talkaround, 1);
        EXPECT_EQ(c.CustomCtcss, 885);
    }
    EXPECT_EQ(s.RadioData.ChannelCount, kChannelSlots);

    // A custom tone out of range is stored as 151.1 Hz, and the box says so.
    text3()->setText(QStringLiteral("300"));
    Apply();
    EXPECT_EQ(Channel(7).CustomCtcss, 1511);
    EXPECT_EQ(text3()->text(), QStringLiteral("151.1"));
}

TEST_F(CHBatchApplyTest, SignallingWithNoCodeInUseStoresTheFirstIndexes)
{
    SetTable({1});
    auto &sig = State().RadioData.SignallingRecord;
    for (auto &e : sig.TwoToneBlock.Entries)
        e.Empty = 1;
    for (auto &r : sig.FiveToneBlock.CodeRows)
        r.Empty = 1;
    sig.FiveToneBlock.CodeRows[6].Empty = 0;
    State().ChannelList[0].DtmfMemoryIndex = 9;
    State().ChannelList[0].TwoToneIndex = 9;
    OnlyItems({BatchItemOptSig});
    Open();
    Range(0, 0);
    Apply();
    EXPECT_EQ(Channel(1).OptSig, OptSigOff);
    EXPECT_EQ(Channel(1).DtmfMemoryIndex, 0);
    EXPECT_EQ(Channel(1).TwoToneIndex, 0);
    EXPECT_EQ(Channel(1).FiveToneIndex, 6);
}

TEST_F(CHBatchApplyTest, AFullTableTakesNoFurtherChannel)
{
    // A table from a damaged file: every slot in use, numbers 101..200 missing.
    AppState &s = State();
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        const int n = slot < 100 ? slot + 1 : (slot < 106 ? 201 + slot - 100 : 300);
        ChannelRecord c = NewChannelRecord(static_cast<int16_t>(n));
        c.Used = 1;
        s.ChannelList[static_cast<std::size_t>(slot)] = c;
    }
    s.RadioData.ChannelCount = kChannelSlots;
    OnlyItems({BatchItemRxFreq, BatchItemName});
    Open();
    text2(7)->setText(QStringLiteral("X"));
    Apply();
    EXPECT_EQ(s.RadioData.ChannelCount, kChannelSlots);
    EXPECT_EQ(Stored(Channel(100).RxFrequency), QByteArray("040000000"));
    EXPECT_EQ(Channel(100).Name.toByteArray(), QByteArray("X     "));
    EXPECT_FALSE(ChannelExists(101));
    EXPECT_EQ(s.ChannelList[150].Number, 300);
}

} // namespace
} // namespace chbatch
