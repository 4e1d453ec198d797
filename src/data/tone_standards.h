#pragma once
// The 5-tone tone standards: the fifteen fixed standards with the frequency of each digit and
// their default tone period, the user-defined standard (value 15, its frequencies are the data's
// UserToneStandard), and the standard sheet the 5-tone editor shows for the standard chosen last.
// Also the values of an information code's decode function and of a decode response.

#include <QString>
#include <QStringList>
#include <cstdint>

struct UserToneStandard;

// A code's tone standard, as FiveToneBlock.StandardIndex and FiveToneCodeRecord.StandardIndex hold
// it. The lists of the 5-tone editor hold the names of 0..14 in this order, so a list index is
// the value.
enum ToneStandard : int {
    StdZvei1 = 0,
    StdZvei2,
    StdZvei3,
    StdPzvei,
    StdDzvei,
    StdPdzvei,
    StdCcir1,
    StdCcir2,
    StdPccir,
    StdEea,
    StdEuroSignal,
    StdNatel,
    StdModat,
    StdCcitt,
    StdEia,
    UserDefinedStandard = 15, // no list text; frequencies from UserToneStandard
};
inline constexpr int kToneStandardCount = 15; // the fixed ones
inline constexpr int kUserStandardPeriod = 70;

// "ZVEI1" .. "EIA" in value order.
const QStringList &ToneStandardNames();
// The name of a fixed standard, "" for any other value.
QString ToneStandardName(int standard);
// The fixed standard whose name is exactly name (case-sensitive), -1 for any other text.
int ToneStandardOfName(const QString &name);
// Default tone period (ms) of a standard's name: 100 for "CCIR1", "PCCIR" and "EURO SIGNAL", 40
// for "EEA" and "MODAT", 33 for "EIA", 70 for every other text, "" included.
int DefaultTonePeriod(const QString &name);
// The sheet's text of digit 0..15 of a fixed standard, exactly as the table gives it ("2400",
// "979.8", "825/885", ""); "" outside the table.
QString ToneStandardDigitText(int standard, int digit);
// A user-defined frequency (0.1 Hz) as the sheet and the user-standard dialog show it: "#.0",
// so 24000 is "2400.0", 2885 "288.5", 0 ".0", -5 "-.5".
QString UserToneText(int16_t tenthsHz);

// The standard sheet: 21 lines, each ended by CR LF: the name; OPTION 60085 + "(Hz)"; a line
// "digit frequency" for the digits "0".."F" (the digit and a space when there is no frequency);
// OPTION 60086 + "(ms) " + the period; OPTION 60087 + " A"; OPTION 60088 + " E". A name that is
// none of the fifteen shows the user-defined frequencies and period 70. The labels are read from
// the current language file at every call.
QString ToneStandardSheet(const QString &name, const UserToneStandard &user);

// The decode function of an information code (list item v for value v).
enum InfoCodeFunction : int {
    InfoFnNone = 0,
    InfoFn1 = 1,
    InfoFn2 = 2,
    InfoFnKill = 3,
    InfoFnStun = 4,
    InfoFnWake = 5,
    InfoFn6 = 6,
    InfoFn7 = 7,
};
inline constexpr int kInfoCodeFunctionCount = 8;

// The decode response of the 5-tone and 2-tone decoders (list item v for value v).
enum DecodeResponse : int { ResponseNone = 0, ResponseAlert = 1, ResponseAlertTranspond = 2 };
inline constexpr int kDecodeResponseCount = 3;
