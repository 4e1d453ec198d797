#include "data/channel_record.h"

#include "data/field_io.h"

ChannelRecord NewChannelRecord(int16_t number)
{
    ChannelRecord c;
    c.Number = number;
    c.RxFrequency.assign("FFFFFFFFF");
    c.TxOffset.assign("000000000");
    c.Name = FixStr<6>::Spaces();
    c.CustomCtcss = 1511;
    c.Code.assign("00000");
    return c;
}

namespace {

// The record's fields once, in file order; IO is a FieldWriter or a FieldReader.
template <class IO, class T>
void WalkChannel(IO &io, T &c)
{
    io.i16(c.Number);
    io.i16(c.Used);
    io.i16(c.ScanSkip);
    io.text(c.RxFrequency);
    io.text(c.TxOffset);
    io.text(c.Name);
    for (auto *v : {&c.StepIndex,         &c.TxInhibit,        &c.Reverse,          &c.Bandwidth,
                    &c.EncodeDcsInverted, &c.EncodeDcsBit8,    &c.SignalRelation,   &c.OffsetDir,
                    &c.Power,             &c.Talkaround,       &c.DecodeDcsInverted, &c.DecodeDcsBit8,
                    &c.Compander,         &c.EncodeToneType,   &c.DecodeToneType,   &c.Reserved1,
                    &c.EncodeCtcssIndex,  &c.DecodeCtcssIndex, &c.EncodeDcsCode,    &c.DecodeDcsCode,
                    &c.OptSig,            &c.TwoToneIndex,     &c.FiveToneIndex,    &c.Scrambler,
                    &c.DtmfPttId,         &c.FiveTonePttId,    &c.SquelchMode,      &c.CustomCtcss,
                    &c.PttIdFlag,         &c.Reserved3,        &c.Reserved4,        &c.Reserved5,
                    &c.DtmfMemoryIndex,   &c.ExtraDisplay,     &c.BusyLock,         &c.Reserved6,
                    &c.PttIdDecode})
        io.i16(*v);
    io.text(c.Code);
}

} // namespace

QByteArray EncodeChannelRecord(const ChannelRecord &c)
{
    return WriteFields(c, kChannelRecordSize, [](auto &io, auto &rec) { WalkChannel(io, rec); });
}

ChannelRecord DecodeChannelRecord(const QByteArray &data)
{
    return ReadFields<ChannelRecord>(data, [](auto &io, auto &rec) { WalkChannel(io, rec); });
}

bool DecodeChannelRecord(const QByteArray &data, ChannelRecord &c)
{
    if (data.size() != kChannelRecordSize)
        return false;
    c = DecodeChannelRecord(data);
    return true;
}
