#pragma once
// The settings record: everything the radio holds except its channel table, as plain value types
// (copyable, comparable). Every field starts at zero, as both program-wide copies do at program
// start; SetDefaults() gives a block the values a new data set starts from, touching only the
// fields that have a default. Widths: "Integer" fields are int16_t, "Byte" fields uint8_t, a pair
// of bytes that forms one number is a uint16_t (its byte order is the codec's business), text
// fields are FixStr<N> of raw bytes.
//
// The data-file form (EncodeRadioDataFile / DecodeRadioDataFile) writes the fields in exactly the
// order they are declared here, so the order of the members is binding.

#include <QByteArray>
#include <array>
#include <cstdint>

#include "data/fix_str.h"

constexpr int kDtmfCodeMemories = 16;
constexpr int kTwoToneEntries = 32;
constexpr int kInfoCodes = 8;
constexpr int kFiveToneRows = 100;
constexpr int kUserTones = 16;
constexpr int kFmChannelEntries = 101; // 0..99 the channels "0".."99", 100 the FM VFO
constexpr int kCommBookEntries = 128;
constexpr int kRadioDataFileSize = 9742;
constexpr int kCommBookFileSize = 1664; // a ".cb" file: 128 entries of 13 bytes

// ---------------------------------------------------------------------------------------------
// DTMF

// One stored DTMF code; digits "0"-"9", "A"-"D", "E" for "*", "F" for "#".
struct DtmfCodeMemory {
    FixStr<24> Code;
    int16_t Length = 0; // number of digits, 0..24
    bool operator==(const DtmfCodeMemory &) const = default;
};

struct DtmfRemoteCode {
    FixStr<14> Code;
    int16_t Length = 0; // 0..14
    bool operator==(const DtmfRemoteCode &) const = default;
};

struct DtmfBlock {
    std::array<DtmfCodeMemory, kDtmfCodeMemories> CodeMemory{}; // M1..M16
    DtmfCodeMemory PttIdBegin;
    DtmfCodeMemory PttIdEnd;
    DtmfRemoteCode RemoteKill;
    DtmfRemoteCode RemoteStun;
    int16_t Ani = 0;      // default 0
    int16_t SendTime = 0; // default 1
    int16_t PttIdMode = 0; // default 3
    FixStr<3> OwnId;      // three digits, default "000"
    int16_t Separator = 0;       // 10..15 = "A".."F" (list index + 10), default 14 ("E")
    int16_t GroupCode = 0;       // 255 = off, else 10..15 (list index + 9), default 10
    int16_t DecodeResponse = 0;  // default 0
    int16_t FirstDigitDelay = 0; // default 20
    int16_t PreSendDelay = 0;    // list index + 1, default 20
    int16_t ResetTime = 0;       // default 0
    int16_t PostSendDelay = 0;   // list index + 1, default 20
    int16_t PauseTime = 0;       // 0 = off, else 5..75, default 10
    int16_t SideTone = 0;        // default 0
    bool operator==(const DtmfBlock &) const = default;
};

// ---------------------------------------------------------------------------------------------
// 2-tone. Tones are in 0.1 Hz. The record (and the data file) holds the decode tones and divisors
// and every entry's divisors and tones high byte first, the tone table ToneA..ToneD low byte first;
// the radio's memory holds each of them the other way round (image_tones.cpp swaps the bytes).

struct TwoToneGeneral {
    uint16_t DecodeTone1 = 0;    // default 3217
    uint16_t DecodeTone2 = 0;    // default 9281
    uint8_t DecodeFormat = 0;    // 0 "A-B" .. 11 "D-C", 12..14 "Long A".."Long C"; default 0
    uint16_t DecodeDivisor1 = 0; // 9,600,000 / (2 * f), default 14920
    uint16_t DecodeDivisor2 = 0; // default 5172
    uint8_t Time4 = 0;           // 0.1 s, 0..250, default 0
    uint8_t DecodeResponse = 0;  // default 0
    uint8_t SideTone = 0;        // default 0
    uint16_t ToneA = 0;          // default 3217
    uint16_t ToneB = 0;          // default 9281
    uint16_t ToneC = 0;          // default 6265
    uint16_t ToneD = 0;          // default 20438
    uint8_t Time1 = 0;           // 0.1 s, 5..100, default 5
    uint8_t Time2 = 0;           // default 5
    uint8_t Time3 = 0;           // default 10
    uint8_t Interval = 0;        // index of 0, 100, .., 2000; default 0
    bool operator==(const TwoToneGeneral &) const = default;
};

struct TwoToneEntry {
    int16_t Empty = 0;     // 1 = not in use
    uint16_t Divisor1 = 0; // high byte first in the record, low byte first in the radio
    uint16_t Divisor2 = 0;
    uint16_t Tone1 = 0;    // 0.1 Hz
    uint16_t Tone2 = 0;
    FixStr<7> Name;
    bool operator==(const TwoToneEntry &) const = default;
};

// Entries[i] is entry i + 1, the one a channel's TwoToneIndex i names.
using TwoToneEntries = std::array<TwoToneEntry, kTwoToneEntries>;

struct TwoToneBlock {
    TwoToneGeneral General;
    TwoToneEntries Entries{};
    bool operator==(const TwoToneBlock &) const = default;
};

// ---------------------------------------------------------------------------------------------
// 5-tone

struct InfoCodeRecord {
    uint8_t Function = 0;
    uint8_t Response = 0;
    uint8_t CodeLength = 0;
    FixStr<12> Code; // hex digits
    FixStr<7> Name;
    bool operator==(const InfoCodeRecord &) const = default;
};

struct FiveToneCodeRecord {
    int16_t Empty = 0;         // 1 = not in use
    uint8_t Reserved = 0;
    uint8_t StandardIndex = 0;
    uint8_t CodeLength = 0;    // 0..40
    uint8_t TonePeriod = 0;    // ms
    FixStr<40> Code;           // hex digits "0".."F"
    FixStr<7> Name;
    bool operator==(const FiveToneCodeRecord &) const = default;
};

struct UserToneStandard {
    std::array<int16_t, kUserTones> Tones{}; // tone of the digits "0".."F", 0.1 Hz
    bool operator==(const UserToneStandard &) const = default;
};

struct FiveToneBlock {
    uint8_t Reserved = 0;
    uint8_t OwnDecodeResponse = 0;
    uint8_t StandardIndex = 0;
    uint8_t OwnIdLength = 0;
    uint8_t TonePeriod = 0;       // ms, 30..100, default 70
    FixStr<6> OwnId;
    uint8_t Setting1 = 0;         // default 0
    uint8_t Setting2 = 0;         // list index + 1, default 20
    uint8_t Setting3 = 0;         // list index + 1, default 20
    uint8_t Setting4 = 0;         // 0 or 5..75, default 10
    int16_t FirstDigitDelay = 0;  // default 20
    int16_t PauseTime = 0;        // default 20
    int16_t PauseDigit = 0;       // 0 off, else 11, 12, 13 or 15; default 0
    int16_t DelayAfterPause = 0;  // default 20
    int16_t SideTone = 0;         // default 0
    int16_t SpecialSeparator = 0; // 0 none, else 10..15; default 13
    std::array<InfoCodeRecord, kInfoCodes> InfoCodes{}; // InfoCodes[i] is code i + 1
    FiveToneCodeRecord PttIdBegin;
    FiveToneCodeRecord PttIdEnd;
    // CodeRows[j] is row j + 1, the one a channel's FiveToneIndex j (or the alarm's IdEntry) names.
    std::array<FiveToneCodeRecord, kFiveToneRows> CodeRows{};
    UserToneStandard UserStandard;
    bool operator==(const FiveToneBlock &) const = default;
};

// ---------------------------------------------------------------------------------------------
// Options, scan, emergency alarm. Integers hold list indexes unless said otherwise; all default 0.

struct OptionBlock {
    int16_t DisplayMode = 0;
    int16_t DisplayStyle1 = 0;
    int16_t DisplayStyle2 = 0;
    int16_t FmDisplayMode = 0;
    int16_t MemoryChannel1 = 0;  // channel number minus 1
    int16_t MemoryChannel2 = 0;  // channel number minus 1
    int16_t FmMemoryChannel = 0; // FM-radio channel 0..99, or 100 for the FM VFO
    int16_t SquelchLevel1 = 0;
    int16_t SquelchLevel2 = 0;
    int16_t ScanTime = 0;
    int16_t FunctionKeyTime = 0;
    int16_t Backlight = 0;
    int16_t BacklightColour = 0;
    int16_t SubDisplayMode = 0;
    int16_t SqlKeyFunction = 0;
    int16_t TailElimination = 0;
    int16_t FullBand = 0;
    int16_t MainChannel = 0;
    int16_t Alarm = 0;
    int16_t VoicePrompt = 0;
    int16_t UnlabelledChoice = 0;
    int16_t Tot = 0;
    int16_t AutoPowerOff = 0;
    int16_t BusyLock = 0;
    int16_t PowerSave = 0;
    int16_t TbstFrequency = 0;
    int16_t VoxLevel = 0;
    int16_t VoxDelay = 0;
    int16_t TailEliminationMode = 0;
    int16_t FunctionOperation = 0;
    int16_t InternalFunctionOperation = 0;
    int16_t InitialiseKey = 0;
    FixStr<12> PowerOnPassword; // default empty (NUL, spaces)
    bool operator==(const OptionBlock &) const = default;
};

struct ScanBlock {
    uint8_t ScanMode = 0;
    uint8_t PriorityChannel = 0;
    uint8_t ReturnChannel = 0;
    uint8_t ScanBackTimeA = 0; // default 5
    uint8_t ScanBackTimeB = 0; // default 5
    uint8_t RxResumeDelay = 0;
    uint8_t TxResumeDelay = 0;
    uint8_t ScanType = 0;
    uint8_t EntryTone = 0;
    uint8_t WaitTime = 0;      // list index + 2
    uint8_t Reserved1 = 0;     // carried unchanged; no editor sets it
    uint8_t PriorityChannel1 = 0; // channel number minus 1
    uint8_t Reserved2 = 0;     // carried unchanged; no editor sets it
    uint8_t PriorityChannel2 = 0; // channel number minus 1
    bool operator==(const ScanBlock &) const = default;
};

struct AlertBlock {
    uint8_t AlarmMode = 0;
    uint8_t IdType = 0;           // 2 = a 5-tone code row
    uint8_t IdEntry = 0;          // with IdType 2: row index 0..99
    uint8_t AlarmTime = 0;        // list index + 1
    uint8_t TxTime = 0;           // list index + 1
    uint8_t RxTime = 0;           // list index + 1
    uint8_t ChannelChoice = 0;
    uint8_t EmergencyChannel = 0; // channel number minus 1
    uint8_t Cycles = 0;
    uint8_t AutoDetect = 0;
    uint8_t PreAlertTime = 0;     // seconds, default 1
    uint8_t LoneWorkerTime = 0;   // seconds, default 5
    bool operator==(const AlertBlock &) const = default;
};

// The six settings blocks, in this order.
struct SignallingRecord {
    ::DtmfBlock DtmfBlock;
    ::TwoToneBlock TwoToneBlock;
    ::FiveToneBlock FiveToneBlock;
    ::OptionBlock OptionBlock;
    ::ScanBlock ScanBlock;
    ::AlertBlock AlertBlock;
    bool operator==(const SignallingRecord &) const = default;
};

// ---------------------------------------------------------------------------------------------
// FM broadcast radio and communication book

struct FmChannelEntry {
    int16_t Number = 0;   // entry index + 1
    int16_t Used = 0;     // 1 = in use
    FixStr<8> Frequency;  // 100 Hz units as 8 decimal digits ("01080000" = 108.0 MHz); "FFFFFFFF" none
    bool operator==(const FmChannelEntry &) const = default;
};

using FmChannelTable = std::array<FmChannelEntry, kFmChannelEntries>;

struct BookEntry {
    int16_t Number = 0; // the entry's position 0..127
    FixStr<5> CallId;   // digits; blank = free entry
    FixStr<6> Name;
    bool operator==(const BookEntry &) const = default;
};

using CommBook = std::array<BookEntry, kCommBookEntries>;

// ---------------------------------------------------------------------------------------------

struct RadioDataRecord {
    int16_t BandPlanIndex = 0; // 0..7
    ::SignallingRecord SignallingRecord;
    int16_t ChannelCount = 0; // used slots at the front of the channel table, 0..206
    ::FmChannelTable FmChannelTable{};
    ::CommBook CommBook{};
    uint8_t FiveToneDecodeTime = 0; // default 2
    uint8_t Pf1KeyFunction = 0;     // 0 "Off", 1 "VOLT", 2 "CALL", 3 "ALARM", 4 "SUBPTT", 5 "LAMP"
    uint8_t FmRadioEnable = 0;
    FixStr<16> ModelName;
    FixStr<4> FileVersion;          // "V101"
    uint8_t Pf2KeyFunction = 0;     // same list as Pf1KeyFunction
    bool operator==(const RadioDataRecord &) const = default;
};

// Defaults of a new data set. Each touches only the fields that have a default: names of the
// 2-tone entries, the 5-tone rows and the decode codes, and the two 5-tone PTT-ID records, keep
// what they held.
void SetDefaults(DtmfBlock &b);
void SetDefaults(TwoToneGeneral &g);
void SetDefaults(TwoToneEntries &entries); // entry 1 in use (321.7 and 928.1 Hz), the rest empty
void SetDefaults(FiveToneBlock &b);
void SetDefaults(OptionBlock &b);
void SetDefaults(ScanBlock &b);
void SetDefaults(AlertBlock &b);
void SetDefaults(FmChannelTable &t);
void SetDefaults(CommBook &book);

// The data-file form: exactly kRadioDataFileSize bytes, every field in declaration order, Integers
// little-endian, texts byte for byte.
QByteArray EncodeRadioDataFile(const RadioDataRecord &r);
// False (and r untouched) unless data is exactly kRadioDataFileSize bytes.
bool DecodeRadioDataFile(const QByteArray &data, RadioDataRecord &r);

// The book file (".cb"): exactly kCommBookFileSize bytes, the 128 entries in index order, each its
// number (16-bit little-endian) then the call ID and the name byte for byte, as in the data file.
QByteArray EncodeCommBookFile(const CommBook &book);
// False (and book untouched) unless data is exactly kCommBookFileSize bytes. The entries are taken
// as the file holds them, numbers included.
bool DecodeCommBookFile(const QByteArray &data, CommBook &book);
