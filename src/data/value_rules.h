#pragma once
// Frequency, offset, FM and CTCSS values: their stored forms (digit texts in whole units), their
// shown forms, the band and raster rules against the current band plan, and the cutting of
// fixed-length texts.
//
// Texts are parsed exactly: a plain decimal text is read digit by digit, so truncation and the
// half-to-even rounding to 10 Hz, 100 Hz or 0.1 Hz never depend on binary fractions. The band
// limits are read from State() (RxBandLow ... FmBandHigh). Out-of-band values are replaced by a
// band edge after the band warning (language key 2001) where the caller asks for it.

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "data/fix_str.h"

// Which receive band of the band plan a frequency lies in.
enum FreBand : int { BandNone = 0, BandUhf = 1, BandVhf = 2 };

// Fixed-length texts: trailing spaces removed, then everything from the first NUL on.
QString TrimFixStr(const QString &text);
QByteArray TrimFixStr(const QByteArray &bytes);
inline QString TrimFixStr(const char *text) { return TrimFixStr(QString::fromLatin1(text)); }

// The receive band holding a frequency text in MHz (cut with TrimFixStr first).
FreBand GetFreBand(const QString &text);

// A custom CTCSS tone text in Hz, 62.5 .. 254.1, shown "#.0"; anything else gives "151.1".
QString CheckCustomCtcss(const QString &text);

// Channel frequency and offset: MHz text -> nine digits in 10 Hz units (decimals beyond the
// fifth are dropped). "" stays ""; a text that is not a number gives "FFFFFFFFF"; values are
// kept to the nine-digit range (below 0 -> "000000000").
QString FreTextToStored(const QString &text);
// Nine stored digits -> "000.00000"; "" and "FFFFFFFFF" give "". Garbage shows "Not IsNumeric"
// and gives the plain text of RxBandLow(0).
QString FreStoredToText(const QString &stored);
QString FreStoredToText(const QByteArray &stored);
// Nine stored offset digits -> "0.00000"; "", "FFFFFFFFF" and garbage (after "Not IsNumeric")
// give "0.00000".
QString TxStoredToText(const QString &stored);
QString TxStoredToText(const QByteArray &stored);

// FM-radio frequency: MHz text -> eight digits in 100 Hz units ("" stays "", garbage gives
// "FFFFFFFF"), and back to "#0.0000".
QString FmFreToStored(const QString &text);
QString FmStoredToText(const QString &stored);
QString FmStoredToText(const QByteArray &stored);

// A typed or computed channel frequency made valid for the band plan, as "000.00000": on the
// raster of the first band that holds it, else the farthest band edge; a text that is not a
// number gives the lower limit of band 0. warn shows the band warning before an edge or the
// fallback is used. The double forms are for callers that hold the value as a number.
QString NormaliseRxFreText(const QString &value, bool warn);
QString NormaliseTxFreText(const QString &value, bool warn);
QString NormaliseRxFreText(double value, bool warn);
QString NormaliseTxFreText(double value, bool warn);
// NormaliseRxFreText when rxFlag is non-zero, else NormaliseTxFreText.
QString NormaliseFreText(const QString &value, int rxFlag, bool warn);
QString NormaliseFreText(double value, int rxFlag, bool warn);

// The transmit offset text ("000.00000") that keeps receive +/- offset within the transmit
// bands (OffsetDir 1 subtracts, 0 and 2 add). Either text not a number gives "000.00000".
// (The channel editors know this routine as NormaliseTxOffsetText.)
QString NormaliseOffset(const QString &offset, const QString &rxText, int offsetDir, bool warn);

// The frequency (MHz) made valid for the receive / transmit bands.
double ValidateRxFre(double mhz, bool warn);
double ValidateTxFre(double mhz, bool warn);
// The frequency moved onto the raster of band bandIndex (0 or 1): kept when its distance from the
// band's lower limit is a multiple of 2.5 kHz or of 6.25 kHz, else moved down onto 2.5 kHz.
double SnapRxToRaster(double mhz, int bandIndex);
double SnapTxToRaster(double mhz, int bandIndex);
// The band edge farthest from the frequency (the earlier on a tie), after the warning when warn;
// kind 0 the receive limits, 1 the transmit limits, anything else 0.
double FarthestBandEdge(double mhz, bool warn, int kind);
// RxBandLow(0) / TxBandLow(0), after the warning when warn.
double RxFallbackFre(bool warn);
double TxFallbackFre(bool warn);

// FM-radio frequency text made valid: 88..108 MHz on the 0.05 MHz raster, "#0.0000". Outside the
// band, or not a number, the band warning is always shown.
QString CheckFmFreText(const QString &value);
double ValidateFmFre(double mhz);
double SnapFmToRaster(double mhz);
double FmFallbackFre();

// The band warning (language key 2001, exclamation icon, OK only).
void ShowBandWarning();

// The channel raster in 10 Hz units, counted from baseUnits: a value whose distance from the base
// is a multiple of 2.5 kHz (250) or of 6.25 kHz (625) stays; any other moves onto the 2.5 kHz
// point next to it on the side of the base.
int64_t SnapUnitsToRaster(int64_t units, int64_t baseUnits);

// Exact helpers for callers that work with these values in whole units.
// A text that reads as a number, in whole units of 10^-decimals (0..9), halves to even.
bool ReadUnits(const QString &text, int decimals, int64_t &units);
// Whole units of 10^-decimals as fixed-point text with at least minIntDigits integer digits
// (FormatUnits(500000, 5, 1) is "5.00000", as the pattern "#0.00000" writes it).
QString FormatUnits(int64_t units, int decimals, int minIntDigits);

// A record's text field as the windows show and edit it: cut with TrimFixStr, byte for byte.
template <std::size_t N>
QString ShownText(const FixStr<N> &field)
{
    return QString::fromLatin1(TrimFixStr(field.toByteArray()));
}

// Stores an edited text into a record's text field byte for byte (Latin-1), cut to the field's
// length or padded on the right with pad.
template <std::size_t N>
void StoreText(FixStr<N> &field, const QString &text, char pad = ' ')
{
    field.assign(text.toLatin1(), pad);
}
