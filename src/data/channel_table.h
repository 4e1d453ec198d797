#pragma once
// The channel table: lookup, counting, adding, deleting, the channel grid's clipboard, storing one
// grid cell, reading one tone field, and re-pointing the references that other blocks hold into
// the channel table and the 2-tone and 5-tone lists.
//
// Everything works on State().ChannelList and State().RadioData.ChannelCount. The first
// ChannelCount slots are in use, in no order of numbers; a channel is found by its number, the
// first slot in slot order. Slots from ChannelCount on keep stale copies that nothing reads.

#include <QString>
#include <cstdint>

#include "data/channel_record.h"

// The special channels after the 200 normal ones, shown "PL1", "PU1", "PL2", "PU2", "VFO1", "VFO2".
enum SpecialChannel : int {
    SpecialPL1 = 201,
    SpecialPU1 = 202,
    SpecialPL2 = 203,
    SpecialPU2 = 204,
    SpecialVFO1 = 205,
    SpecialVFO2 = 206,
};
constexpr int kFirstSpecialChannel = SpecialPL1;
constexpr int kLastChannelNumber = SpecialVFO2;

// The channel grid's columns that SetChannelColumn stores (column 6 changes nothing).
enum FreColumn : int {
    ColRx = 1,
    ColTx = 2,
    ColName = 3,
    ColStep = 4,
    ColWN = 5,
    ColPower = 7,
    ColDecode = 8,
    ColEncode = 9,
    ColOptSig = 10,
    ColCustomCtcss = 11,
};

// Which part of a tone column: the CtcType, the CTCSS index, or the DCS code with its polarity as
// one value (polarity * 512 + code, the index into the 1,024-item DCS lists).
enum ToneField : int {
    ToneFieldType = 0,
    ToneFieldCtcss = 1,
    ToneFieldDcs = 2,
};

// The number of used slots, kept within the table (a count read from elsewhere is not trusted).
int UsedChannelSlots();
// Slot 0..ChannelCount-1 of the first used slot holding the number; -1 when none does.
int FindChannelSlot(int number);
bool ChannelExists(int number);
// Used slots whose number is below 201.
int CountNormalChannels();

// "0".."199" for 1..200, "PL1", "PU1", "PL2", "PU2", "VFO1", "VFO2" for 201..206, else "Unknown".
QString ChannelNumberToText(int number);
// The channel number of a channel text (cut with TrimFixStr): the special texts exactly, a number
// rounded half to even plus 1, anything else (a number outside the 16-bit range too) 1.
int ChannelTextToNumber(const QString &text);

// The number itself when a used slot (filtered by receive band when bandFilter > 0) holds it at or
// below 203, else the number of the last such slot, else 0.
int NearestChannelNumber(int number, int bandFilter);

// Re-points MemoryChannel1, MemoryChannel2, EmergencyChannel, PriorityChannel1 and
// PriorityChannel2 (each a channel number minus 1) at existing channels.
void RepairChannelIndexes();
// The option editor calls it after OK; nothing needs re-pointing there.
void RepairOptionRefs();
// Channels with 2-tone or 5-tone signalling re-pointed at an entry or row in use, then the channel
// grid redrawn.
void RepairSignalRefs();
// The alarm's 5-tone ID row (IdType 2) re-pointed at a row in use.
void RepairFiveToneRef();

int FirstUsedTwoToneEntry(int fallback);
int FirstUsedFiveToneRow(int fallback);
int TwoToneEntryOrFallback(int index, int fallback);
int FiveToneRowOrFallback(int index, int fallback);

// The channel grid's clipboard (grid 0 only; other grids do nothing here).
void CopyChannel(int grid, int number);
void CutChannel(int grid, int number);
void PasteChannel(int grid, int number);

// Removes the channel's slot; refused with "Must retain the one channels!" while at most one
// normal channel is left.
void DeleteChannel(int number);

// Appends channel `number` with the receive frequency text (band warning on). With all 206 slots
// in use nothing is stored.
void AddChannelWithFre(int number, const QString &rxText);

// Stores one grid cell into channel `number` and marks it used; "No Find Data!" when no slot holds
// it. For ColTx the value (a transmit frequency) comes back as the offset text, or "".
void SetChannelColumn(int number, QString &value, int column, int toneField);
// The same for a list index.
void SetChannelColumn(int number, int value, int column, int toneField);

// One tone field of the channel: "De_CTC_Type", "De_CTCSS", "De_CDCSS", "En_CTC_Type",
// "En_CTCSS", "En_CDCSS" (the DCS keys give polarity * 512 + code); 0 for another key or channel.
int GetToneField(int number, const QString &key);
