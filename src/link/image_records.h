#pragma once
// Where the image codec finds each block of the working data.

#include "data/app_state.h"

inline DtmfBlock &Dtmf() { return State().RadioData.Signalling.Dtmf; }
inline TwoToneBlock &TwoTone() { return State().RadioData.Signalling.TwoTone; }
inline FiveToneBlock &FiveTone() { return State().RadioData.Signalling.FiveTone; }
inline OptionBlock &Options() { return State().RadioData.Signalling.Option; }
inline ScanBlock &Scan() { return State().RadioData.Signalling.Scan; }
inline AlertBlock &Alert() { return State().RadioData.Signalling.Alert; }
inline auto &FmTable() { return State().RadioData.FmChannelTable; }
inline auto &Book() { return State().RadioData.CommBook; }
