#include "link/memory_image.h"

#include "data/app_state.h"
#include "data/model_band.h"
#include "link/image_codec.h"

void ResetMemoryImage()
{
    image::Fill(0x0010, 0x00FF, 0x00);
    image::Fill(0x0100, 0x013F, 0xFF);
    image::Fill(0x0160, 0x025F, 0x00);
    image::Fill(0x0260, 0x026F, 0xFF);
    image::Fill(0x0270, 0x037F, 0x00);
    image::Fill(0x0380, 0x039F, 0xFF);
    image::Fill(0x03A0, 0x3FFF, 0x00);
}

void PackMemoryImage()
{
    SetCommDataByScan();
    SetCommDataByAlert();
    using Packer = void (*)();
    for (Packer packer : {SetCommDataByFrequency, SetCommDataByOption, SetCommDataBy5Tone, SetCommDataBy2Tone,
                          SetCommDataByDTMF, SetCommDataByDTMFCommuBook}) {
        packer();
        if (!State().ImagePackOk)
            return;
    }
}

void UnpackMemoryImage()
{
    GetCommDataByFrequency();
    GetCommDataByScan();
    GetCommDataByAlert();
    UnpackEmbeddedMessage();
    GetCommDataByOption();
    GetCommDataBy5Tone();
    GetCommDataBy2Tone();
    GetCommDataByDTMF();
    GetCommDataByDTMFCommuBook();
}

void AdoptRadioModel()
{
    AppState &s = State();
    s.CurModelCode = s.RadioModelCode;
    s.CurModelDisplay = ModelDisplayName(s.CurModelCode);
    // A band code outside the eight band plans names no plan and no limits: the program then
    // keeps its own band plan, so that it always has limits to check frequencies against.
    if (s.RadioBandCode < 0 || s.RadioBandCode >= kBandPlanCount || s.RadioBandText.isEmpty())
        return;
    s.CurBandPlanText = s.RadioBandText;
    s.CurBandPlanIndex = s.RadioBandCode;
    ParseBandLimits();
}
