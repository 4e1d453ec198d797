// The skip list from the usage bitmaps and from the records, and the progress count.

#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "link/skip_list.h"

namespace {

class SkipListTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        testenv::AppTest::SetUp();
        auto &m = State().MemoryImage;
        m.fill(0);
        // Every usage bitmap says "not in use".
        for (int a = 0x0100; a <= 0x013F; ++a)
            m[a] = 0xFF;
        for (int a = 0x0260; a <= 0x026F; ++a)
            m[a] = 0xFF;
        for (int a = 0x0380; a <= 0x039F; ++a)
            m[a] = 0xFF;
    }
    static void ClearBit(int base, int index) { State().MemoryImage[base + index / 8] &= ~(1u << (index % 8)); }

    struct Range {
        int32_t start, end;
        bool operator==(const Range &) const = default;
    };
    static std::vector<Range> Ranges()
    {
        std::vector<Range> out;
        for (int i = 0; i < State().SkipRangeCount; ++i)
            out.push_back({State().SkipRangeStart[i], State().SkipRangeEnd[i]});
        return out;
    }
    static bool Has(const Range &r)
    {
        const auto all = Ranges();
        return std::find(all.begin(), all.end(), r) != all.end();
    }
};

TEST_F(SkipListTest, ChannelsElevenToTwentyUnusedGiveOneRangeAndTheWalkJumpsOverIt)
{
    for (int i = 0; i < 200; ++i)
        if (i < 10 || i > 19)
            ClearBit(0x0100, i);
    BuildReadSkipList();
    EXPECT_TRUE(Has({0x2140, 0x227F}));
    EXPECT_EQ(SkipUnusedRange(0x2130), 0x2130);
    EXPECT_EQ(SkipUnusedRange(0x2140), 0x2280);
    EXPECT_EQ(SkipUnusedRange(0x2270), 0x2280);
}

TEST_F(SkipListTest, AnFmGroupIsSkippedOnlyWhenAllFourEntriesAreUnused)
{
    for (int i = 0; i < 100; ++i)
        if (i == 3 || i >= 8)
            ClearBit(0x0260, i);
    for (int i = 0; i < 200; ++i)
        ClearBit(0x0100, i);
    std::fill(State().MemoryImage.begin() + 0x0380, State().MemoryImage.begin() + 0x03A0, 0);
    BuildReadSkipList();
    EXPECT_EQ(Ranges(), (std::vector<Range>{{0x0620, 0x062F}}));
}

TEST_F(SkipListTest, AnEmptyRadioSkipsEveryTableEntryInAddressOrderWithTouchingRangesMerged)
{
    BuildReadSkipList();
    // FM 0x0610..0x079F, 2-tone 0x0B00..0x0CFF, 5-tone 0x0D00..0x197F (touches the 2-tone range),
    // channels 0x2000..0x38FF.
    EXPECT_EQ(Ranges(), (std::vector<Range>{{0x0610, 0x079F}, {0x0B00, 0x197F}, {0x2000, 0x38FF}}));
    EXPECT_EQ(CountBlocksToSend(0x03A0, 0x3900), 855 - 25 - 32 - 100 * 2 - 200 * 2);
}

TEST_F(SkipListTest, ReadListStartsEmptyWithTheFirstPassThenTakesTheBitmaps)
{
    AddSkipRange(0x2000, 32);
    PrepareReadSkipList(false);
    EXPECT_EQ(State().SkipRangeCount, 0);
    EXPECT_EQ(State().ProgressTotal, 57);
    EXPECT_EQ(State().ProgressCount, 0);
    ClearBit(0x0100, 0); // channel 1 in use
    State().ProgressCount = 57;
    PrepareReadSkipList(true);
    EXPECT_EQ(State().ProgressCount, 0);
    EXPECT_EQ(State().ProgressTotal, 855 - 25 - 32 - 200 - 199 * 2);
    EXPECT_EQ(SkipUnusedRange(0x2000), 0x2000);
    EXPECT_EQ(SkipUnusedRange(0x2020), 0x3900);
}

TEST_F(SkipListTest, WriteListComesFromTheRecords)
{
    AppState &st = State();
    // Channels numbered 1 and 200 in use, plus slots whose numbers cannot be channels.
    st.RadioData.ChannelCount = 4;
    st.ChannelList[0].Number = 200;
    st.ChannelList[1].Number = 1;
    st.ChannelList[2].Number = 0;
    st.ChannelList[3].Number = 999;
    st.ChannelList[4].Number = 5; // beyond ChannelCount: not in use
    for (auto &fm : st.RadioData.FmChannelTable)
        fm.Used = 1;
    st.RadioData.FmChannelTable[4].Used = 0;
    st.RadioData.FmChannelTable[5].Used = 0;
    st.RadioData.FmChannelTable[6].Used = 0;
    st.RadioData.FmChannelTable[7].Used = 0;
    for (auto &e : st.RadioData.SignallingRecord.TwoToneBlock.Entries)
        e.Empty = 0;
    st.RadioData.SignallingRecord.TwoToneBlock.Entries[31].Empty = 1;
    for (auto &r : st.RadioData.SignallingRecord.FiveToneBlock.CodeRows)
        r.Empty = 0;
    st.RadioData.SignallingRecord.FiveToneBlock.CodeRows[0].Empty = 1;
    PrepareWriteSkipList();
    EXPECT_EQ(Ranges(), (std::vector<Range>{{0x0620, 0x062F}, {0x0CF0, 0x0D1F}, {0x2020, 0x38DF}}));
    EXPECT_EQ(State().ProgressTotal, 897 - 1 - 3 - 198 * 2);
    EXPECT_EQ(State().ProgressCount, 0);
}

TEST_F(SkipListTest, AWriteWithNothingSkippedCountsEveryBlock)
{
    AppState &st = State();
    st.RadioData.ChannelCount = 200;
    for (int i = 0; i < 200; ++i)
        st.ChannelList[i].Number = static_cast<int16_t>(i + 1);
    for (auto &fm : st.RadioData.FmChannelTable)
        fm.Used = 1;
    PrepareWriteSkipList();
    EXPECT_EQ(st.SkipRangeCount, 0);
    EXPECT_EQ(st.ProgressTotal, 897);
}

TEST_F(SkipListTest, ARangeThatDoesNotTouchTheLastStartsANewOne)
{
    AddSkipRange(0x1000, 16);
    AddSkipRange(0x1010, 16); // touches: merged
    AddSkipRange(0x1030, 32); // a gap of one block
    EXPECT_EQ(Ranges(), (std::vector<Range>{{0x1000, 0x101F}, {0x1030, 0x104F}}));
    EXPECT_EQ(SkipUnusedRange(0x1020), 0x1020);
    EXPECT_EQ(SkipUnusedRange(0x1040), 0x1050);
    EXPECT_EQ(CountBlocksToSend(0x1000, 0x1050), 6 - 2 - 2);
}

TEST_F(SkipListTest, AFullListStopsGrowingInsteadOfWritingPastItsEnd)
{
    for (int i = 0; i < kSkipRangeSlots + 20; ++i)
        AddSkipRange(i * 64, 16);
    EXPECT_EQ(State().SkipRangeCount, kSkipRangeSlots);
    EXPECT_EQ(State().SkipRangeEnd[kSkipRangeSlots - 1], (kSkipRangeSlots - 1) * 64 + 15);
}

TEST(ProgressPercentTest, RoundsHalfToEvenOverTheTotalPlusOne)
{
    struct Case {
        int count, total, percent;
    };
    const Case cases[] = {
        {1, 897, 0},    // 100 / 898
        {898, 897, 100}, // the write's step after its last block
        {57, 57, 98},   // 5700 / 58 = 98.3
        {855, 855, 100}, // 99.88
        {100, 100, 99},  // 99.01
        {1, 7, 12},     // 12.5 -> 12
        {3, 7, 38},     // 37.5 -> 38
        {0, 57, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ProgressPercent(c.count, c.total), c.percent) << c.count << "/" << c.total;
}

TEST_F(SkipListTest, StepProgressCountsAndRemembersTheLastPercent)
{
    State().ProgressTotal = 57;
    State().ProgressCount = 56;
    State().LastPercent = 0;
    StepProgress();
    EXPECT_EQ(State().ProgressCount, 57);
    EXPECT_EQ(State().LastPercent, 98);
}

} // namespace
