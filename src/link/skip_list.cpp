#include "link/skip_list.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "data/app_state.h"
#include "link/link_windows.h"

namespace {

constexpr int32_t kBlockSize = 16;

// The four tables whose unused entries are skipped, in the order both builders take them.
constexpr int kFmEntries = 100;
constexpr int32_t kFmBitmap = 0x0260;
constexpr int32_t kFmEntriesBase = 0x0610;
constexpr int kTwoToneEntryCount = 32;
constexpr int32_t kTwoToneBitmap = 0x0380;
constexpr int32_t kTwoToneBase = 0x0B00;
constexpr int kFiveToneRowCount = 100;
constexpr int32_t kFiveToneBitmap = 0x0390;
constexpr int32_t kFiveToneBase = 0x0D00;
constexpr int kChannelCount = 200;
constexpr int32_t kChannelBitmap = 0x0100;
constexpr int32_t kChannelBase = 0x2000;

// The read's first pass: the blocks 0x0010..0x0390, before the bitmaps are known.
constexpr int32_t kFirstPassBlocks = 0x0380 / kBlockSize + 1;
constexpr int32_t kBitmapsReadAt = 0x03A0;
constexpr int32_t kLastBlock = 0x3900;
constexpr int32_t kFirstWriteBlock = 0x0100;

bool BitmapBitSet(int32_t base, int index)
{
    return (State().MemoryImage[static_cast<size_t>(base + index / 8)] >> (index % 8)) & 1;
}

// Adds the ranges of all four kinds; notInUse(kind, entry) tells an entry not in use.
enum class Table { Fm, TwoTone, FiveTone, Channel };
void BuildSkipList(const std::function<bool(Table, int)> &notInUse)
{
    // FM-radio channels go by groups of four: a group is left out only when all four are unused.
    int run = 0;
    for (int i = 0; i < kFmEntries; ++i) {
        if (!notInUse(Table::Fm, i))
            run = 0;
        else if (i % 4 == 0)
            run = 1;
        else if (run > 0)
            ++run;
        if (run == 4) {
            AddSkipRange(kFmEntriesBase + 4 * (i - 3), 16);
            run = 0;
        }
    }
    for (int j = 0; j < kTwoToneEntryCount; ++j)
        if (notInUse(Table::TwoTone, j))
            AddSkipRange(kTwoToneBase + 16 * j, 16);
    for (int k = 0; k < kFiveToneRowCount; ++k)
        if (notInUse(Table::FiveTone, k))
            AddSkipRange(kFiveToneBase + 32 * k, 32);
    for (int i = 0; i < kChannelCount; ++i)
        if (notInUse(Table::Channel, i))
            AddSkipRange(kChannelBase + 32 * i, 32);
}

} // namespace

void AddSkipRange(int32_t start, int32_t length)
{
    AppState &st = State();
    if (st.SkipRangeCount > 0 && start == st.SkipRangeEnd[st.SkipRangeCount - 1] + 1) {
        st.SkipRangeEnd[st.SkipRangeCount - 1] = start + length - 1;
        return;
    }
    // The four tables give at most 357 ranges; a full list simply stops growing, which only
    // means that some unused blocks are transferred after all.
    if (st.SkipRangeCount >= kSkipRangeSlots)
        return;
    st.SkipRangeStart[st.SkipRangeCount] = start;
    st.SkipRangeEnd[st.SkipRangeCount] = start + length - 1;
    ++st.SkipRangeCount;
}

int32_t SkipUnusedRange(int32_t address)
{
    const AppState &st = State();
    for (int i = 0; i < st.SkipRangeCount; ++i)
        if (st.SkipRangeStart[i] <= address && address <= st.SkipRangeEnd[i])
            return st.SkipRangeEnd[i] + 1;
    return address;
}

int32_t CountBlocksToSend(int32_t from, int32_t to)
{
    const AppState &st = State();
    int32_t count = (to - from) / kBlockSize + 1;
    for (int i = 0; i < st.SkipRangeCount; ++i)
        count -= (st.SkipRangeEnd[i] - st.SkipRangeStart[i] + 1) / kBlockSize;
    return count;
}

void BuildReadSkipList()
{
    BuildSkipList([](Table table, int i) {
        switch (table) {
        case Table::Fm: return BitmapBitSet(kFmBitmap, i);
        case Table::TwoTone: return BitmapBitSet(kTwoToneBitmap, i);
        case Table::FiveTone: return BitmapBitSet(kFiveToneBitmap, i);
        case Table::Channel: return BitmapBitSet(kChannelBitmap, i);
        }
        return false;
    });
}

void BuildWriteSkipList()
{
    const AppState &st = State();
    // A channel is in use when one of the used slots holds its number; the slots' numbers are
    // checked before they index the table.
    std::array<bool, kChannelSlots> unused{};
    unused.fill(true);
    const int used = std::clamp<int>(st.RadioData.ChannelCount, 0, kChannelSlots);
    for (int slot = 0; slot < used; ++slot) {
        const int number = st.ChannelList[static_cast<size_t>(slot)].Number;
        if (number >= 1 && number <= kChannelSlots)
            unused[static_cast<size_t>(number - 1)] = false;
    }
    const SignallingRecord &sig = st.RadioData.SignallingRecord;
    BuildSkipList([&](Table table, int i) {
        switch (table) {
        case Table::Fm: return st.RadioData.FmChannelTable[static_cast<size_t>(i)].Used == 0;
        case Table::TwoTone: return sig.TwoToneBlock.Entries[static_cast<size_t>(i)].Empty != 0;
        case Table::FiveTone: return sig.FiveToneBlock.CodeRows[static_cast<size_t>(i)].Empty != 0;
        case Table::Channel: return unused[static_cast<size_t>(i)];
        }
        return false;
    });
}

void PrepareReadSkipList(bool atBitmaps)
{
    AppState &st = State();
    st.SkipRangeCount = 0;
    if (!atBitmaps) {
        st.ProgressCount = 0;
        st.ProgressTotal = static_cast<int16_t>(kFirstPassBlocks);
        return;
    }
    BuildReadSkipList();
    st.ProgressCount = 0;
    st.ProgressTotal = static_cast<int16_t>(CountBlocksToSend(kBitmapsReadAt, kLastBlock));
}

void PrepareWriteSkipList()
{
    AppState &st = State();
    st.ProgressCount = 0;
    st.SkipRangeCount = 0;
    BuildWriteSkipList();
    st.ProgressTotal = static_cast<int16_t>(CountBlocksToSend(kFirstWriteBlock, kLastBlock));
}

int ProgressPercent(int count, int total)
{
    // The default rounding mode rounds a half to the even neighbour.
    return static_cast<int>(std::nearbyint(static_cast<double>(count) * 100.0 / (total + 1)));
}

void StepProgress()
{
    AppState &st = State();
    ++st.ProgressCount;
    const int percent = ProgressPercent(st.ProgressCount, st.ProgressTotal);
    if (percent == st.LastPercent)
        return;
    st.LastPercent = static_cast<int16_t>(percent);
    ShowProgressValue(percent);
}
