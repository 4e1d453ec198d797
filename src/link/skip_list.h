#pragma once
// The blocks a transfer leaves out and the counting of its progress.
//
// Most of the radio's memory holds tables (channels, FM-radio channels, 2-tone entries, 5-tone code
// rows) of which only a part is in use. The skip list names the address ranges of entries not in
// use: a read learns them from the usage bitmaps it has just received, a write from the records.
// Ranges are kept in ascending address order and touching ranges are merged.

#include <cstdint>

// Empties the list and starts a progress pass of a read: before the transfer (atBitmaps false)
// over the 57 blocks 0x0010..0x0390; when the walk reaches 0x03A0 (true) over the blocks from
// 0x03A0 to 0x3900 that the usage bitmaps just read into MemoryImage leave in.
void PrepareReadSkipList(bool atBitmaps);
// Empties the list, builds it from the records and starts the write's progress pass.
void PrepareWriteSkipList();

// Add the ranges of the entries not in use, by kind in address order.
void BuildReadSkipList();
void BuildWriteSkipList();

// Adds length bytes from start, lengthening the last range when the new one touches it.
void AddSkipRange(int32_t start, int32_t length);
// The first address at or after address that lies in no range.
int32_t SkipUnusedRange(int32_t address);
// The 16-byte blocks from..to (both included) less those in the ranges.
int32_t CountBlocksToSend(int32_t from, int32_t to);

// Counts one block and shows the new percentage when it changed.
void StepProgress();
// ProgressCount x 100 / (ProgressTotal + 1), rounded half to even.
int ProgressPercent(int count, int total);
