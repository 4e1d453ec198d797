#include <QString>
#include <vector>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/channel_table.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/value_rules.h"

using testenv::AppTest;

namespace {

QString S(const char *text) { return QString::fromLatin1(text); }

ChannelRecord Channel(int number, const char *rx = "014600000")
{
    ChannelRecord c;
    c.Number = static_cast<int16_t>(number);
    c.Used = 1;
    c.RxFrequency.assign(rx);
    c.TxOffset.assign("000000000");
    c.Name.assign(QByteArray("CH") + QByteArray::number(number));
    c.CustomCtcss = 1511;
    c.Code.assign("00000");
    return c;
}

class ChannelTableTest : public AppTest {
protected:
    // Fills the first slots with these channel numbers.
    void Fill(const std::vector<int> &numbers)
    {
        int slot = 0;
        for (int n : numbers)
            State().ChannelList[slot++] = Channel(n);
        State().RadioData.ChannelCount = static_cast<int16_t>(numbers.size());
    }
    std::vector<int> Numbers() const
    {
        std::vector<int> v;
        for (int i = 0; i < State().RadioData.ChannelCount; ++i)
            v.push_back(State().ChannelList[i].Number);
        return v;
    }
    int Messages(const char *text) const
    {
        int n = 0;
        for (const PromptCall &c : script->messages()) {
            if (c.text == S(text) && c.style == vbOKOnly)
                ++n;
        }
        return n;
    }
    int BandWarnings() const
    {
        int n = 0;
        for (const PromptCall &c : script->messages()) {
            if (c.text == GetLangText(2001) && c.style == vbOKOnly + vbExclamation)
                ++n;
        }
        return n;
    }
    ChannelRecord &Slot(int i) { return State().ChannelList[i]; }
};

TEST_F(ChannelTableTest, ChannelNumberTexts)
{
    const struct {
        int number;
        const char *text;
    } cases[] = {{1, "0"},      {200, "199"},  {201, "PL1"},    {202, "PU1"},     {203, "PL2"},
                 {204, "PU2"},  {205, "VFO1"}, {206, "VFO2"},   {0, "Unknown"},   {207, "Unknown"},
                 {-1, "Unknown"}};
    for (const auto &c : cases)
        EXPECT_EQ(ChannelNumberToText(c.number), S(c.text)) << c.number;
}

TEST_F(ChannelTableTest, ChannelTextsToNumbers)
{
    const struct {
        QString text;
        int number;
    } cases[] = {
        {S("PU2"), 204},   {S("0"), 1},       {S("199"), 200},    {S("abc"), 1},   {S("PL1"), 201},
        {S("VFO2"), 206},  {S("VFO1  "), 205}, {S("pl1"), 1},     {S(" VFO1"), 1}, {S(""), 1},
        {S("2.5"), 3},     {S("3.5"), 5},     {S("99999"), 1},     {S("32766"), 32767},
        {QString::fromLatin1(QByteArray("PU1\0xx", 6)), 202},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChannelTextToNumber(c.text), c.number) << c.text.toStdString();
}

TEST_F(ChannelTableTest, LookupAndCounting)
{
    Fill({5, 201, 7, 206, 5});
    State().ChannelList[5] = Channel(9); // stale slot past the count
    EXPECT_EQ(FindChannelSlot(5), 0);
    EXPECT_EQ(FindChannelSlot(206), 3);
    EXPECT_EQ(FindChannelSlot(9), -1);
    EXPECT_TRUE(ChannelExists(7));
    EXPECT_FALSE(ChannelExists(9));
    EXPECT_EQ(CountNormalChannels(), 3);
    // A count from a damaged file is never read past the table.
    State().RadioData.ChannelCount = 300;
    EXPECT_EQ(UsedChannelSlots(), kChannelSlots);
    State().RadioData.ChannelCount = -4;
    EXPECT_EQ(UsedChannelSlots(), 0);
    EXPECT_FALSE(ChannelExists(5));
}

TEST_F(ChannelTableTest, DeleteRefusesWhileOnlyOneNormalChannelIsLeft)
{
    Fill({1, 201, 205});
    DeleteChannel(205);
    EXPECT_EQ(Messages("Must retain the one channels!"), 1);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 201, 205}));
}

TEST_F(ChannelTableTest, DeleteMovesTheLaterSlotsDownAndLeavesAStaleCopy)
{
    Fill({1, 2, 3, 4, 5});
    DeleteChannel(3);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(Slot(4).Number, 5);
    EXPECT_EQ(Slot(3).Name, Slot(4).Name);
    DeleteChannel(77); // no such channel: nothing happens, nothing is said
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 4, 5}));
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST_F(ChannelTableTest, CopyPassesOverASlotThatIsNotMarkedUsed)
{
    Fill({3, 3, 4});
    Slot(0).Used = 0;
    Slot(1).Name.assign("SECOND");
    CopyChannel(0, 3);
    EXPECT_EQ(State().ChannelClipboard.Used, 1);
    EXPECT_EQ(State().ChannelClipboard.Name.toByteArray(), QByteArray("SECOND"));
}

TEST_F(ChannelTableTest, CopyOfAnAbsentChannelOnlyClearsTheUsedFlag)
{
    Fill({1, 2});
    CopyChannel(0, 1);
    CopyChannel(0, 99);
    EXPECT_EQ(State().ChannelClipboard.Used, 0);
    EXPECT_EQ(State().ChannelClipboard.Number, 1);
    EXPECT_EQ(State().ChannelClipboard.Name, Slot(0).Name);
}

TEST_F(ChannelTableTest, PasteOfAnEmptyCopyDeletesTheTarget)
{
    Fill({1, 2, 3});
    CopyChannel(0, 50);
    PasteChannel(0, 2);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 3}));
}

TEST_F(ChannelTableTest, PasteOverwritesAnExistingChannelOrAppends)
{
    Fill({1, 2, 201});
    Slot(0).Name.assign("SOURCE");
    CopyChannel(0, 1);
    PasteChannel(0, 201);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 201}));
    EXPECT_EQ(Slot(2).Name.toByteArray(), QByteArray("SOURCE"));
    EXPECT_EQ(Slot(2).Number, 201);
    PasteChannel(0, 150);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 201, 150}));
    EXPECT_EQ(Slot(3).Name.toByteArray(), QByteArray("SOURCE"));
}

TEST_F(ChannelTableTest, PasteIntoAFullTableStoresNothing)
{
    std::vector<int> all;
    for (int n = 1; n <= kChannelSlots; ++n)
        all.push_back(n);
    Fill(all);
    State().ChannelClipboard = Channel(5);
    State().RadioData.ChannelCount = kChannelSlots;
    // A number that no slot holds (possible only with a damaged table) finds no room.
    Slot(10).Number = 300;
    const auto before = State().ChannelList;
    PasteChannel(0, 11);
    EXPECT_EQ(State().RadioData.ChannelCount, kChannelSlots);
    EXPECT_TRUE(State().ChannelList == before);
    AddChannelWithFre(11, S("146"));
    EXPECT_EQ(State().RadioData.ChannelCount, kChannelSlots);
    EXPECT_TRUE(State().ChannelList == before);
}

TEST_F(ChannelTableTest, CutCopiesThenDeletes)
{
    Fill({1, 2, 3});
    Slot(1).Name.assign("MOVED");
    CutChannel(0, 2);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 3}));
    EXPECT_EQ(State().ChannelClipboard.Name.toByteArray(), QByteArray("MOVED "));
    PasteChannel(0, 40);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 3, 40}));
}

TEST_F(ChannelTableTest, ClipboardOperationsIgnoreOtherGrids)
{
    Fill({1, 2});
    CopyChannel(0, 1);
    CopyChannel(1, 2);
    CutChannel(2, 2);
    PasteChannel(1, 7);
    EXPECT_EQ(State().ChannelClipboard.Number, 1);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2}));
}

TEST_F(ChannelTableTest, TransmitColumnStoresDirectionAndOffset)
{
    const struct {
        const char *rx;
        const char *value;
        int dir;
        const char *offset;
        const char *back;
        int warnings;
    } cases[] = {
        {"014600000", "141", OffsetMinus, "000500000", "5.00000", 0},
        {"014600000", "151.0125", OffsetPlus, "000501250", "5.01250", 0},
        {"014600000", "146", OffsetNone, "000000000", "0.00000", 0},
        {"014600000", "500", OffsetMinus, "001000000", "10.00000", 1}, // TX becomes 136
        {"043850000", "", OffsetMinus, "003850000", "38.50000", 1},    // TX becomes 400
        {"FFFFFFFFF", "141", 2, "000000000", "", 0},                  // no RX: direction kept
    };
    for (const auto &c : cases) {
        script->clear();
        Fill({1, 2});
        Slot(1).RxFrequency.assign(c.rx);
        Slot(1).OffsetDir = 2;
        QString value = S(c.value);
        SetChannelColumn(2, value, ColTx, ToneFieldType);
        EXPECT_EQ(Slot(1).OffsetDir, c.dir) << c.value;
        EXPECT_EQ(Slot(1).TxOffset.toByteArray(), QByteArray(c.offset)) << c.value;
        EXPECT_EQ(value, S(c.back)) << c.value;
        EXPECT_EQ(BandWarnings(), c.warnings) << c.value;
    }
}

TEST_F(ChannelTableTest, ReceiveColumnIsNormalised)
{
    Fill({1});
    QString value = S("438.501");
    SetChannelColumn(1, value, ColRx, ToneFieldType);
    EXPECT_EQ(Slot(0).RxFrequency.toByteArray(), QByteArray("043850000"));
    value = S("500");
    SetChannelColumn(1, value, ColRx, ToneFieldType);
    EXPECT_EQ(Slot(0).RxFrequency.toByteArray(), QByteArray("013600000"));
    EXPECT_EQ(BandWarnings(), 1);
}

TEST_F(ChannelTableTest, SignalRelationColumnOnlyMarksTheChannelUsed)
{
    Fill({1, 2});
    Slot(1).Used = 0;
    ChannelRecord expected = Slot(1);
    expected.Used = 1;
    QString value = S("1");
    SetChannelColumn(2, value, 6, ToneFieldType);
    EXPECT_TRUE(Slot(1) == expected);
}

TEST_F(ChannelTableTest, StoringIntoAnAbsentChannelIsReported)
{
    Fill({1});
    const auto before = State().ChannelList;
    QString value = S("3");
    SetChannelColumn(9, value, ColStep, ToneFieldType);
    EXPECT_EQ(Messages("No Find Data!"), 1);
    EXPECT_TRUE(State().ChannelList == before);
}

TEST_F(ChannelTableTest, NameAndWholeNumberColumns)
{
    Fill({1});
    QString value = S("  ABCDEFGH");
    SetChannelColumn(1, value, ColName, ToneFieldType);
    EXPECT_EQ(Slot(0).Name.toByteArray(), QByteArray("  ABCD"));
    value = QString::fromLatin1(QByteArray("AB\0CD", 5));
    SetChannelColumn(1, value, ColName, ToneFieldType);
    EXPECT_EQ(Slot(0).Name.toByteArray(), QByteArray("AB    "));

    SetChannelColumn(1, 4, ColStep, ToneFieldType);
    SetChannelColumn(1, 1, ColWN, ToneFieldType);
    SetChannelColumn(1, 1, ColPower, ToneFieldType);
    SetChannelColumn(1, 2, ColOptSig, ToneFieldType);
    value = S("1234");
    SetChannelColumn(1, value, ColCustomCtcss, ToneFieldType);
    EXPECT_EQ(Slot(0).StepIndex, 4);
    EXPECT_EQ(Slot(0).Bandwidth, 1);
    EXPECT_EQ(Slot(0).Power, 1);
    EXPECT_EQ(Slot(0).OptSig, 2);
    EXPECT_EQ(Slot(0).CustomCtcss, 1234);
    value = S("x"); // not a number: the field keeps its value
    SetChannelColumn(1, value, ColStep, ToneFieldType);
    EXPECT_EQ(Slot(0).StepIndex, 4);
}

TEST_F(ChannelTableTest, ToneColumnsAndToneFields)
{
    Fill({1, 2});
    SetChannelColumn(2, 2, ColEncode, ToneFieldType);
    SetChannelColumn(2, 531, ColEncode, ToneFieldDcs);
    SetChannelColumn(2, 1, ColDecode, ToneFieldType);
    SetChannelColumn(2, 33, ColDecode, ToneFieldCtcss);
    SetChannelColumn(2, 19, ColDecode, ToneFieldDcs);
    SetChannelColumn(2, 7, ColDecode, 3); // another tone field changes nothing
    const ChannelRecord &c = Slot(1);
    EXPECT_EQ(c.EncodeToneType, 2);
    EXPECT_EQ(c.EncodeDcsCode, 19);
    EXPECT_EQ(c.EncodeDcsInverted, 1);
    EXPECT_EQ(c.DecodeToneType, 1);
    EXPECT_EQ(c.DecodeCtcssIndex, 33);
    EXPECT_EQ(c.DecodeDcsCode, 19);
    EXPECT_EQ(c.DecodeDcsInverted, 0);

    const struct {
        int number;
        const char *key;
        int value;
    } cases[] = {
        {2, "En_CDCSS", 531}, {2, "En_CTC_Type", 2}, {2, "De_CTC_Type", 1}, {2, "De_CTCSS", 33},
        {2, "De_CDCSS", 19},  {2, "En_CTCSS", 0},    {2, "de_ctcss", 0},    {3, "De_CTCSS", 0},
    };
    for (const auto &k : cases)
        EXPECT_EQ(GetToneField(k.number, S(k.key)), k.value) << k.key;
}

TEST_F(ChannelTableTest, NearestChannelNeverGoesAbove203)
{
    Fill({5, 204, 10, 201, 206});
    EXPECT_EQ(NearestChannelNumber(10, 0), 10);
    EXPECT_EQ(NearestChannelNumber(204, 0), 201);
    EXPECT_EQ(NearestChannelNumber(206, 0), 201);
    EXPECT_EQ(NearestChannelNumber(7, 0), 201);
    Fill({205});
    EXPECT_EQ(NearestChannelNumber(205, 0), 0);
    Fill({});
    EXPECT_EQ(NearestChannelNumber(1, 0), 0);
}

TEST_F(ChannelTableTest, NearestChannelFiltersByBand)
{
    Fill({1, 2, 3});
    Slot(0).RxFrequency.assign("044000000");
    Slot(1).RxFrequency.assign("015500000");
    Slot(2).RxFrequency.assign("044500000");
    EXPECT_EQ(NearestChannelNumber(2, BandUhf), 3);
    EXPECT_EQ(NearestChannelNumber(2, BandVhf), 2);
    EXPECT_EQ(NearestChannelNumber(3, BandVhf), 2);
}

TEST_F(ChannelTableTest, RepairChannelIndexesRepointsMissingChannels)
{
    Fill({1, 2, 3, 201, 205});
    auto &sig = State().RadioData.SignallingRecord;
    sig.OptionBlock.MemoryChannel1 = 4;   // channel 5: deleted
    sig.OptionBlock.MemoryChannel2 = 1;   // channel 2: present
    sig.AlertBlock.EmergencyChannel = 3;  // channel 4: deleted
    sig.ScanBlock.PriorityChannel1 = 204; // "VFO1": above the bound
    sig.ScanBlock.PriorityChannel2 = 200; // "PL1": present
    sig.ScanBlock.Reserved1 = 77;
    RepairChannelIndexes();
    EXPECT_EQ(sig.OptionBlock.MemoryChannel1, 200);
    EXPECT_EQ(sig.OptionBlock.MemoryChannel2, 1);
    EXPECT_EQ(sig.AlertBlock.EmergencyChannel, 200);
    EXPECT_EQ(sig.ScanBlock.PriorityChannel1, 200);
    EXPECT_EQ(sig.ScanBlock.PriorityChannel2, 200);
    EXPECT_EQ(sig.ScanBlock.Reserved1, 77);

    Fill({205, 206});
    sig.OptionBlock.MemoryChannel1 = 9;
    RepairChannelIndexes();
    EXPECT_EQ(sig.OptionBlock.MemoryChannel1, 0);
}

TEST_F(ChannelTableTest, RepairSignalRefsRepointsAtEntriesInUseAndRedraws)
{
    auto &sig = State().RadioData.SignallingRecord;
    for (auto &e : sig.TwoToneBlock.Entries)
        e.Empty = 1;
    for (auto &r : sig.FiveToneBlock.CodeRows)
        r.Empty = 1;
    sig.TwoToneBlock.Entries[3].Empty = 0;
    sig.TwoToneBlock.Entries[9].Empty = 0;
    int redraws = 0;
    Hooks().ReShowListByData = [&] { ++redraws; };

    Fill({1, 2, 3, 4, 5});
    Slot(0).OptSig = OptSig2Tone;
    Slot(0).TwoToneIndex = 0;  // empty entry
    Slot(1).OptSig = OptSig2Tone;
    Slot(1).TwoToneIndex = 9;  // in use
    Slot(2).OptSig = OptSigDtmf;
    Slot(2).TwoToneIndex = 0;  // not 2-tone: untouched
    Slot(3).OptSig = OptSig5Tone;
    Slot(3).FiveToneIndex = 42; // every row empty
    Slot(4).OptSig = OptSig2Tone;
    Slot(4).TwoToneIndex = 40; // outside the list
    RepairSignalRefs();
    EXPECT_EQ(Slot(0).TwoToneIndex, 3);
    EXPECT_EQ(Slot(1).TwoToneIndex, 9);
    EXPECT_EQ(Slot(2).TwoToneIndex, 0);
    EXPECT_EQ(Slot(3).FiveToneIndex, 0);
    EXPECT_EQ(Slot(4).TwoToneIndex, 3);
    EXPECT_EQ(redraws, 1);

    EXPECT_EQ(FirstUsedTwoToneEntry(-1), 3);
    EXPECT_EQ(FirstUsedFiveToneRow(-1), -1);
    EXPECT_EQ(TwoToneEntryOrFallback(9, 5), 9);
    EXPECT_EQ(TwoToneEntryOrFallback(8, 5), 5);
}

TEST_F(ChannelTableTest, RepairFiveToneRefOnlyForAFiveToneId)
{
    auto &sig = State().RadioData.SignallingRecord;
    for (auto &r : sig.FiveToneBlock.CodeRows)
        r.Empty = 1;
    sig.FiveToneBlock.CodeRows[7].Empty = 0;
    sig.AlertBlock.IdType = 1;
    sig.AlertBlock.IdEntry = 3;
    RepairFiveToneRef();
    EXPECT_EQ(sig.AlertBlock.IdEntry, 3);
    sig.AlertBlock.IdType = 2;
    RepairFiveToneRef();
    EXPECT_EQ(sig.AlertBlock.IdEntry, 7);
    sig.AlertBlock.IdEntry = 150; // outside the list
    RepairFiveToneRef();
    EXPECT_EQ(sig.AlertBlock.IdEntry, 7);
}

TEST_F(ChannelTableTest, AddChannelWithFrequencyReusesTheNextSlot)
{
    Fill({1, 2});
    ChannelRecord stale = Channel(9);
    stale.Reserved1 = 11;
    stale.Reserved4 = 44;
    stale.Reserved5 = 55;
    stale.Reserved6 = 66;
    stale.SignalRelation = 1;
    stale.EncodeDcsBit8 = 1;
    stale.ScanSkip = 1;
    stale.EncodeCtcssIndex = 20;
    Slot(2) = stale;
    AddChannelWithFre(30, S("438.501"));
    ASSERT_EQ(Numbers(), (std::vector<int>{1, 2, 30}));
    const ChannelRecord &c = Slot(2);
    EXPECT_EQ(c.Used, 1);
    EXPECT_EQ(c.RxFrequency.toByteArray(), QByteArray("043850000"));
    EXPECT_EQ(c.TxOffset.toByteArray(), QByteArray("000000000"));
    EXPECT_EQ(c.Reserved1, 11);
    EXPECT_EQ(c.Reserved4, 44);
    EXPECT_EQ(c.Reserved5, 0);
    EXPECT_EQ(c.Reserved6, 66);
    EXPECT_EQ(c.SignalRelation, 1);
    EXPECT_EQ(c.EncodeDcsBit8, 1);
    EXPECT_EQ(c.ScanSkip, 0);
    EXPECT_EQ(c.EncodeCtcssIndex, 0);
    EXPECT_EQ(c.CustomCtcss, 1511);
    EXPECT_EQ(c.Code.toByteArray(), QByteArray("00000"));
    EXPECT_EQ(BandWarnings(), 0);

    AddChannelWithFre(31, S("500"));
    EXPECT_EQ(Slot(3).RxFrequency.toByteArray(), QByteArray("013600000"));
    EXPECT_EQ(BandWarnings(), 1);
}

} // namespace
