#pragma once
// One channel (filled in with its fields and the 109-byte channel-file form).

struct ChannelRecord {
};
