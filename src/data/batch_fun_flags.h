#pragma once
// The batch channel editor's item flags: which of its twenty items Apply writes. They are kept
// between runs in "BatchFun.ini" in the program folder, which despite its name is a file of
// 20-byte records, not INI text: record 1 holds one byte per item in item order. A byte of 0 is
// off, any other byte on. The file is written in place and never shortened, so bytes after the
// record keep whatever another program version put there.

#include <QString>
#include <array>
#include <cstdint>

// The batch items; the value is the index into BatchFunFlags and of the item's check box.
enum BatchItem : int {
    BatchItemRxFreq = 0,
    BatchItemTxFreq = 1,
    BatchItemDecodeTone = 2,
    BatchItemEncodeTone = 3,
    BatchItemName = 4,
    BatchItemStep = 5,
    BatchItemSpacing = 6,
    BatchItemTxPower = 7,
    BatchItemOptSig = 8,
    BatchItemSquelchMode = 9,
    BatchItemDtmfPttId = 10,
    BatchItemFiveTonePttId = 11, // kept in the file, never offered nor applied
    BatchItemScrambler = 12,
    BatchItemBusyLock = 13,
    BatchItemTxInhibit = 14,
    BatchItemCompander = 15, // kept in the file, never offered, off at every start
    BatchItemScanSkip = 16,
    BatchItemReverse = 17,
    BatchItemTalkaround = 18,
    BatchItemCustomCtcss = 19,
};
constexpr int kBatchItemCount = 20;
using BatchFlagArray = std::array<uint8_t, kBatchItemCount>;

// The flags a new installation starts with: every item on but the 5-tone PTT ID and the compander.
BatchFlagArray DefaultBatchFunFlags();
// State().BatchFunFlags := the defaults; neither the file nor a window is touched.
void SetDefaultBatchFunFlags();

// "<program folder>/BatchFun.ini".
QString BatchFunFlagsPath();

// The start-up load. A missing file is created with the defaults. A file shorter than the
// record, or one that cannot be read, gives the defaults for the bytes it does not supply (the
// file is then left as it is until the editor's next change writes the record whole). The
// compander flag is always off afterwards; the file keeps its byte until the next write.
// Nothing is ever reported: the flags file is never a reason to stop.
void LoadBatchFunFlags();

// Writes State().BatchFunFlags as record 1; false on failure (the caller ignores it: the flags in
// memory keep their new values).
bool WriteBatchFunFlags();

// The check-box value for a flag byte: 1 for any nonzero byte, 0 for 0.
int IsItemFlagSet(uint8_t flag);
