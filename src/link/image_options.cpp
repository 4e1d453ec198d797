// Option, scan and emergency-alarm settings in the radio's memory.

#include <array>
#include <utility>

#include "data/app_state.h"
#include "data/value_rules.h"
#include "link/image_codec.h"
#include "link/image_records.h"
#include "link/memory_image.h"

using namespace image;

namespace {
constexpr int kPasswordAddr = 0x03E0;
constexpr int kPasswordLength = 12;
constexpr int kScanAddr = 0x03B0;

// The option settings that take one whole byte each, with their addresses.
const std::array<std::pair<int, int16_t OptionBlock::*>, 22> kOptionBytes{{
    {0x0220, &OptionBlock::DisplayMode},
    {0x0221, &OptionBlock::DisplayStyle1},
    {0x0222, &OptionBlock::DisplayStyle2},
    {0x0223, &OptionBlock::FmDisplayMode},
    {0x0224, &OptionBlock::MemoryChannel1},
    {0x0225, &OptionBlock::MemoryChannel2},
    {0x0226, &OptionBlock::FmMemoryChannel},
    {0x0227, &OptionBlock::SquelchLevel1},
    {0x0228, &OptionBlock::SquelchLevel2},
    {0x0229, &OptionBlock::ScanTime},
    {0x022A, &OptionBlock::FunctionKeyTime},
    {0x022B, &OptionBlock::Backlight},
    {0x022C, &OptionBlock::BacklightColour},
    {0x022D, &OptionBlock::SubDisplayMode},
    {0x0232, &OptionBlock::Tot},
    {0x0234, &OptionBlock::AutoPowerOff},
    {0x0235, &OptionBlock::BusyLock},
    {0x0237, &OptionBlock::PowerSave},
    {0x0238, &OptionBlock::TbstFrequency},
    {0x0239, &OptionBlock::VoxLevel},
    {0x023A, &OptionBlock::VoxDelay},
    {0x023B, &OptionBlock::TailEliminationMode},
}};

// The scan settings, byte k at 0x03B0 + k.
std::array<uint8_t *, 14> ScanBytes(ScanBlock &b)
{
    return {&b.ScanMode,     &b.PriorityChannel, &b.ReturnChannel,    &b.ScanBackTimeA, &b.ScanBackTimeB,
            &b.RxResumeDelay, &b.TxResumeDelay,  &b.ScanType,         &b.EntryTone,     &b.WaitTime,
            &b.Reserved1,     &b.PriorityChannel1, &b.Reserved2,      &b.PriorityChannel2};
}

// The alarm settings with their addresses; 0x03A7 is a gap that is neither written nor read.
std::array<std::pair<int, uint8_t *>, 12> AlertBytes(AlertBlock &b)
{
    return {{{0x03A0, &b.AlarmMode},
             {0x03A1, &b.IdType},
             {0x03A2, &b.IdEntry},
             {0x03A3, &b.AlarmTime},
             {0x03A4, &b.TxTime},
             {0x03A5, &b.RxTime},
             {0x03A6, &b.ChannelChoice},
             {0x03A8, &b.EmergencyChannel},
             {0x03A9, &b.Cycles},
             {0x03AA, &b.AutoDetect},
             {0x03AB, &b.PreAlertTime},
             {0x03AC, &b.LoneWorkerTime}}};
}

// Key-function bytes outside the list of six functions read as "Off".
uint8_t KeyFunction(uint8_t b) { return b > 5 ? 0 : b; }
} // namespace

void SetCommDataByScan()
{
    ScanBlock b = Scan();
    const auto bytes = ScanBytes(b);
    for (size_t k = 0; k < bytes.size(); ++k)
        Put(kScanAddr + static_cast<int>(k), *bytes[k]);
}

void GetCommDataByScan()
{
    const auto bytes = ScanBytes(Scan());
    for (size_t k = 0; k < bytes.size(); ++k)
        *bytes[k] = Byte(kScanAddr + static_cast<int>(k));
}

void SetCommDataByAlert()
{
    AlertBlock b = Alert();
    for (const auto &[addr, field] : AlertBytes(b))
        Put(addr, *field);
}

void GetCommDataByAlert()
{
    for (const auto &[addr, field] : AlertBytes(Alert()))
        *field = Byte(addr);
}

void SetCommDataByOption()
{
    RunPacker("SetCommDataByOption", [] {
        const RadioDataRecord &rd = State().RadioData;
        const OptionBlock o = Options();
        const DtmfBlock d = Dtmf();
        // Written in address order, so that a value that fails leaves the bytes after it as they were.
        auto putOptionBytes = [&o](int from, int to) {
            for (const auto &[addr, field] : kOptionBytes)
                if (addr >= from && addr <= to)
                    Put(addr, o.*field);
        };
        putOptionBytes(0x0220, 0x022D);
        Put(0x022E, 0);
        Put(0x022F, rd.Pf1KeyFunction);
        PutBits(0x0230, {{o.SqlKeyFunction, 0, 1},
                         {o.TailElimination, 1, 1},
                         {o.FullBand, 2, 1},
                         {d.Ani, 3, 1},
                         {rd.FmRadioEnable, 4, 1},
                         {o.MainChannel, 5, 1},
                         {o.Alarm, 6, 1},
                         {o.VoicePrompt, 7, 1}});
        Put(0x0231, o.UnlabelledChoice);
        putOptionBytes(0x0232, 0x0232);
        Put(0x0233, rd.Pf2KeyFunction);
        putOptionBytes(0x0234, 0x0235);
        Put(0x0236, d.SendTime);
        putOptionBytes(0x0237, 0x023B);
        PutBits(0x023C, {{o.FunctionOperation, 0, 1}, {o.InternalFunctionOperation, 1, 1}, {o.InitialiseKey, 3, 1}});
        PutText(kPasswordAddr, TrimFixStr(o.PowerOnPassword), kPasswordLength, '\0');
    });
}

void GetCommDataByOption()
{
    RadioDataRecord &rd = State().RadioData;
    OptionBlock &o = Options();
    DtmfBlock &d = Dtmf();
    for (const auto &[addr, field] : kOptionBytes)
        o.*field = Byte(addr);
    rd.Pf1KeyFunction = KeyFunction(Byte(0x022F));
    const uint8_t flags = Byte(0x0230);
    o.SqlKeyFunction = Bits(flags, 0, 1);
    o.TailElimination = Bits(flags, 1, 1);
    o.FullBand = Bits(flags, 2, 1);
    d.Ani = Bits(flags, 3, 1);
    rd.FmRadioEnable = Bits(flags, 4, 1);
    o.MainChannel = Bits(flags, 5, 1);
    o.Alarm = Bits(flags, 6, 1);
    o.VoicePrompt = Bits(flags, 7, 1);
    const uint8_t choice = Byte(0x0231);
    o.UnlabelledChoice = choice > 1 ? 0 : choice;
    rd.Pf2KeyFunction = KeyFunction(Byte(0x0233));
    d.SendTime = Byte(0x0236);
    const uint8_t keys = Byte(0x023C);
    o.FunctionOperation = Bits(keys, 0, 1);
    o.InternalFunctionOperation = Bits(keys, 1, 1);
    o.InitialiseKey = Bits(keys, 3, 1);

    ImageText pw = ReadText(kPasswordAddr, kPasswordLength, [](uint8_t b) { return b == 0x00 || b == 0xFF; });
    if (pw.ended)
        pw.text += '\0';
    o.PowerOnPassword = pw.text;
}
