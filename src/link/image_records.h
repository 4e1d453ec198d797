#pragma once
// Where the image codec finds each block of the working data.

#include "data/app_state.h"

inline DtmfBlock &Dtmf() { return State().RadioData.SignallingRecord.DtmfBlock; }
inline TwoToneBlock &TwoTone() { return State().RadioData.SignallingRecord.TwoToneBlock; }
inline FiveToneBlock &FiveTone() { return State().RadioData.SignallingRecord.FiveToneBlock; }
inline OptionBlock &Options() { return State().RadioData.SignallingRecord.OptionBlock; }
inline ScanBlock &Scan() { return State().RadioData.SignallingRecord.ScanBlock; }
inline AlertBlock &Alert() { return State().RadioData.SignallingRecord.AlertBlock; }
inline FmChannelTable &FmTable() { return State().RadioData.FmChannelTable; }
inline CommBook &Book() { return State().RadioData.CommBook; }
