#pragma once
// The fixed lists every channel window shows: the 51 CTCSS tones, the DCS codes and the channel
// steps. One table each, so the grids, the channel editors and the print-out show the same texts.

#include <QString>

constexpr int kCtcssToneCount = 51;
constexpr int kDcsCodeCount = 512;
constexpr int kStepCount = 9;

// "62.5" .. "254.1" for index 0 .. 50; "" outside.
QString CtcssToneText(int index);
// The octal code with three digits and "N": "023N"; "" outside 0..511.
QString DcsCodeText(int code);
// "2.5K", "5K", "6.25K", "10K", "12.5K", "20K", "25K", "30K", "50K" for index 0 .. 8; "" outside.
QString StepText(int index);
