#pragma once
// The radio model of the data and its band plan: the eight band-plan texts, the limits parsed
// from the current one, the model codes' display names and the version-text test.

#include <QString>

constexpr int kBandPlanCount = 8;

// The text of band plan index (0..7); "" for any other index.
QString BandRangeText(int index);

// Sets RxBandLow/RxBandHigh (and the equal Tx pairs) of State() from CurBandPlanText: element 0
// from the "UHF(low - high MHz)" range, element 1 from the "VHF(...)" range. A text without both
// ranges in that form changes no limit and gives false.
bool ParseBandLimits();

// "TORVA-6Y" for "TORVA6Y", "K58TX" for "K58TXB", "K58TXC" and "K58TXD", else the code itself;
// the code is cut with TrimFixStr first.
QString ModelDisplayName(const QString &code);
// "TORVA6Y" for "TORVA-6Y", else the text itself; cut with TrimFixStr first.
QString ModelCodeFromDisplayName(const QString &displayName);

// True when the text, cut with TrimFixStr, is "V" followed by three characters that read as a number.
bool IsVersionText(const QString &text);
