#pragma once
// TEMPORARY stand-in of the channel record, only so that the image codec compiles and is tested
// before the real records arrive; replaced by the records' own header on merge.

#include <QByteArray>
#include <cstdint>

struct ChannelRecord {
    int16_t Number = 0, Used = 0, ScanSkip = 0;
    QByteArray RxFrequency = "FFFFFFFFF", TxOffset = "000000000", Name = QByteArray(6, ' ');
    int16_t StepIndex = 0, TxInhibit = 0, Reverse = 0, Bandwidth = 0, EncodeDcsInverted = 0, EncodeDcsBit8 = 0,
            SignalRelation = 0, OffsetDir = 0, Power = 0, Talkaround = 0, DecodeDcsInverted = 0,
            DecodeDcsBit8 = 0, Compander = 0, EncodeToneType = 0, DecodeToneType = 0, Reserved1 = 0,
            EncodeCtcssIndex = 0, DecodeCtcssIndex = 0, EncodeDcsCode = 0, DecodeDcsCode = 0, OptSig = 0,
            TwoToneIndex = 0, FiveToneIndex = 0, Scrambler = 0, DtmfPttId = 0, FiveTonePttId = 0,
            SquelchMode = 0, CustomCtcss = 1511, Reserved2 = 0, Reserved3 = 0, Reserved4 = 0, Reserved5 = 0,
            DtmfMemoryIndex = 0, ExtraDisplay = 0, BusyLock = 0, Reserved6 = 0, PttIdDecode = 0;
    QByteArray Code = "00000";
};
