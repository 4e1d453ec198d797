#pragma once
// TEMPORARY stand-in of the settings record, only so that the image codec compiles and is tested
// before the real records arrive; replaced by the records' own header on merge.

#include <QByteArray>
#include <array>
#include <cstdint>

struct DtmfCodeMemory { QByteArray Code = QByteArray(24, ' '); int16_t Length = 0; };
struct DtmfRemoteCode { QByteArray Code = QByteArray(14, ' '); int16_t Length = 0; };
struct DtmfBlock {
    std::array<DtmfCodeMemory, 16> CodeMemory{};
    DtmfCodeMemory PttIdBegin, PttIdEnd;
    DtmfRemoteCode RemoteKill, RemoteStun;
    int16_t Ani = 0, SendTime = 1, PttIdMode = 3;
    QByteArray OwnId = "000";
    int16_t Separator = 14, GroupCode = 10, DecodeResponse = 0, FirstDigitDelay = 20, PreSendDelay = 20,
            ResetTime = 0, PostSendDelay = 20, PauseTime = 10, SideTone = 0;
};
struct TwoToneGeneral {
    uint16_t DecodeTone1 = 0, DecodeTone2 = 0;
    uint8_t DecodeFormat = 0;
    uint16_t DecodeDivisor1 = 0, DecodeDivisor2 = 0;
    uint8_t Time4 = 0, DecodeResponse = 0, SideTone = 0;
    uint16_t ToneA = 0, ToneB = 0, ToneC = 0, ToneD = 0;
    uint8_t Time1 = 0, Time2 = 0, Time3 = 0, Interval = 0;
};
struct TwoToneEntry {
    int16_t Empty = 1;
    uint16_t Divisor1 = 0, Divisor2 = 0, Tone1 = 0, Tone2 = 0;
    QByteArray Name = QByteArray(7, ' ');
};
struct TwoToneBlock { TwoToneGeneral General; std::array<TwoToneEntry, 32> Entries{}; };
struct InfoCodeRecord {
    uint8_t Function = 0, Response = 0, CodeLength = 0;
    QByteArray Code = QByteArray(12, ' ');
    QByteArray Name = QByteArray(7, ' ');
};
struct FiveToneCodeRecord {
    int16_t Empty = 1;
    uint8_t Reserved = 0, StandardIndex = 0, CodeLength = 0, TonePeriod = 70;
    QByteArray Code = QByteArray(40, ' ');
    QByteArray Name = QByteArray(7, ' ');
};
struct UserToneStandard { std::array<int16_t, 16> Tones{}; };
struct FiveToneBlock {
    uint8_t Reserved = 0, OwnDecodeResponse = 0, StandardIndex = 0, OwnIdLength = 0, TonePeriod = 70;
    QByteArray OwnId = QByteArray(6, ' ');
    uint8_t Setting1 = 0, Setting2 = 20, Setting3 = 20, Setting4 = 10;
    int16_t FirstDigitDelay = 20, PauseTime = 20, PauseDigit = 0, DelayAfterPause = 20, SideTone = 0,
            SpecialSeparator = 13;
    std::array<InfoCodeRecord, 8> InfoCodes{};
    FiveToneCodeRecord PttIdBegin, PttIdEnd;
    std::array<FiveToneCodeRecord, 100> CodeRows{};
    UserToneStandard UserStandard;
};
struct OptionBlock {
    int16_t DisplayMode = 0, DisplayStyle1 = 0, DisplayStyle2 = 0, FmDisplayMode = 0, MemoryChannel1 = 0,
            MemoryChannel2 = 0, FmMemoryChannel = 0, SquelchLevel1 = 0, SquelchLevel2 = 0, ScanTime = 0,
            FunctionKeyTime = 0, Backlight = 0, BacklightColour = 0, SubDisplayMode = 0, SqlKeyFunction = 0,
            TailElimination = 0, FullBand = 0, MainChannel = 0, Alarm = 0, VoicePrompt = 0,
            UnlabelledChoice = 0, Tot = 0, AutoPowerOff = 0, BusyLock = 0, PowerSave = 0, TbstFrequency = 0,
            VoxLevel = 0, VoxDelay = 0, TailEliminationMode = 0, FunctionOperation = 0,
            InternalFunctionOperation = 0, InitialiseKey = 0;
    QByteArray PowerOnPassword = QByteArray(12, ' ');
};
struct ScanBlock {
    uint8_t ScanMode = 0, PriorityChannel = 0, ReturnChannel = 0, ScanBackTimeA = 5, ScanBackTimeB = 5,
            RxResumeDelay = 0, TxResumeDelay = 0, ScanType = 0, EntryTone = 0, WaitTime = 0, Reserved1 = 0,
            PriorityChannel1 = 0, Reserved2 = 0, PriorityChannel2 = 0;
};
struct AlertBlock {
    uint8_t AlarmMode = 0, IdType = 0, IdEntry = 0, AlarmTime = 0, TxTime = 0, RxTime = 0, ChannelChoice = 0,
            EmergencyChannel = 0, Cycles = 0, AutoDetect = 0, PreAlertTime = 1, LoneWorkerTime = 5;
};
struct SignallingRecord {
    DtmfBlock Dtmf;
    TwoToneBlock TwoTone;
    FiveToneBlock FiveTone;
    OptionBlock Option;
    ScanBlock Scan;
    AlertBlock Alert;
};
struct FmChannelEntry { int16_t Number = 0, Used = 0; QByteArray Frequency = "00000000"; };
struct BookEntry { int16_t Number = 0; QByteArray CallId = QByteArray(5, ' '); QByteArray Name = QByteArray(6, ' '); };
struct RadioDataRecord {
    int16_t BandPlanIndex = 0;
    SignallingRecord Signalling;
    int16_t ChannelCount = 0;
    std::array<FmChannelEntry, 101> FmChannelTable{};
    std::array<BookEntry, 128> CommBook{};
    uint8_t FiveToneDecodeTime = 2, Pf1KeyFunction = 0, FmRadioEnable = 0;
    QByteArray ModelName = QByteArray(16, ' ');
    QByteArray FileVersion = "V101";
    uint8_t Pf2KeyFunction = 0;
};
