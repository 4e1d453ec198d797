#pragma once
// One memory channel, as a plain value type, and its 109-byte channel-file form. Every field
// starts at zero (the channel table's slots do at program start); NewChannelRecord gives the blank
// record a new channel starts from. The members are in file order, which is binding.

#include <QByteArray>
#include <cstdint>

#include "data/fix_str.h"

constexpr int kChannelRecordSize = 109;

// Optional signalling of a channel (ChannelRecord.OptSig).
enum OptSigKind : int16_t {
    OptSigOff = 0,
    OptSigDtmf = 1,  // memory in DtmfMemoryIndex
    OptSig2Tone = 2, // entry in TwoToneIndex
    OptSig5Tone = 3, // row in FiveToneIndex
};

// Kind of a receive or transmit tone (ChannelRecord.EncodeToneType, DecodeToneType).
enum CtcType : int16_t {
    CtcOff = 0,
    CtcCtcss = 1,
    CtcDcs = 2,
};

// Direction of the transmit offset (ChannelRecord.OffsetDir).
enum OffsetDir : int16_t {
    OffsetNone = 0,  // transmit = receive
    OffsetMinus = 1, // transmit = receive - offset
    OffsetPlus = 2,  // transmit = receive + offset
};

struct ChannelRecord {
    int16_t Number = 0;   // 1..200 normal channels, 201..206 special channels
    int16_t Used = 0;     // 1 = in use
    int16_t ScanSkip = 0; // 1 = skipped by scanning
    FixStr<9> RxFrequency; // 10 Hz units, nine digits; "FFFFFFFFF" = no frequency
    FixStr<9> TxOffset;    // |transmit - receive| in 10 Hz units, nine digits; sign in OffsetDir
    FixStr<6> Name;
    int16_t StepIndex = 0;
    int16_t TxInhibit = 0;
    int16_t Reverse = 0;
    int16_t Bandwidth = 0; // 0 = 25 kHz, 1 = 12.5 kHz
    int16_t EncodeDcsInverted = 0;
    int16_t EncodeDcsBit8 = 0; // bit 8 of EncodeDcsCode as last exchanged with the radio
    int16_t SignalRelation = 0; // shown only; no editor stores it, never sent to the radio
    int16_t OffsetDir = 0;      // ::OffsetDir
    int16_t Power = 0;
    int16_t Talkaround = 0;
    int16_t DecodeDcsInverted = 0;
    int16_t DecodeDcsBit8 = 0;
    int16_t Compander = 0;
    int16_t EncodeToneType = 0; // CtcType
    int16_t DecodeToneType = 0; // CtcType
    int16_t Reserved1 = 0;
    int16_t EncodeCtcssIndex = 0; // 0..50 standard tones, 51 = CustomCtcss
    int16_t DecodeCtcssIndex = 0;
    int16_t EncodeDcsCode = 0; // 0..511, the value of the three octal digits
    int16_t DecodeDcsCode = 0;
    int16_t OptSig = 0;        // OptSigKind
    int16_t TwoToneIndex = 0;  // 0..31
    int16_t FiveToneIndex = 0; // 0..99
    int16_t Scrambler = 0;
    int16_t DtmfPttId = 0;
    int16_t FiveTonePttId = 0;
    int16_t SquelchMode = 0; // 0..4
    int16_t CustomCtcss = 0; // 0.1 Hz
    int16_t PttIdFlag = 0; // PTT-ID on; set by the single-channel dialog only when it appends
    int16_t Reserved3 = 0;
    int16_t Reserved4 = 0;
    int16_t Reserved5 = 0;
    int16_t DtmfMemoryIndex = 0; // 0..15 = M1..M16
    int16_t ExtraDisplay = 0;
    int16_t BusyLock = 0; // 0..2
    int16_t Reserved6 = 0;
    int16_t PttIdDecode = 0;
    FixStr<5> Code;
    bool operator==(const ChannelRecord &) const = default;
};

// The blank record of channel number: not in use, no receive frequency, zero offset, name of six
// spaces, custom tone 151.1 Hz, code "00000", every other field 0.
ChannelRecord NewChannelRecord(int16_t number);

// The channel-file form: exactly kChannelRecordSize bytes, Integers little-endian.
QByteArray EncodeChannelRecord(const ChannelRecord &c);
// Reads the first kChannelRecordSize bytes; bytes missing from a short array read as 0.
ChannelRecord DecodeChannelRecord(const QByteArray &data);
// False (and c untouched) unless data is exactly kChannelRecordSize bytes.
bool DecodeChannelRecord(const QByteArray &data, ChannelRecord &c);
