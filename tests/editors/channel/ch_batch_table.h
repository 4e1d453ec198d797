#pragma once
// A small channel table for the batch editor's tests and benchmark.

#include <initializer_list>

#include "data/app_state.h"
#include "data/channel_record.h"

namespace chbatch {

// Channels with these numbers, in this slot order, each used, at 430 MHz with TX = RX.
inline void SetTable(std::initializer_list<int> numbers)
{
    AppState &s = State();
    int slot = 0;
    for (int n : numbers) {
        ChannelRecord c = NewChannelRecord(static_cast<int16_t>(n));
        c.Used = 1;
        c.RxFrequency.assign("043000000");
        c.TxOffset.assign("000000000");
        s.ChannelList[static_cast<std::size_t>(slot++)] = c;
    }
    s.RadioData.ChannelCount = static_cast<int16_t>(slot);
}

} // namespace chbatch
