#pragma once
// Start-up of the program and the three stores of its settings:
//   - "mysetup.ini" in the language folder, section "language": "IsFirstRun", "comPort",
//     "Handshaking", "StopBit", "FactoryFres";
//   - "Setting.ini" in the program folder: one 8-byte record of the four feature flags, each a
//     little-endian signed 16-bit number (Flag7, Flag6, DtmfFlag, Flag4);
//   - the main window's placement in the per-user store (QSettings, organisation and application
//     "TORVA_6Y", group "Settings": "MainLeft", "MainTop", "MainWidth", "MainHeight", in twips).
// The user's decimal separator is never changed on the system: every number the program reads or
// writes as text uses "." through its own helpers (platform/numbers.h), so start-up and shutdown
// have nothing to set or put back.

#include <QByteArray>
#include <QString>
#include <cstdint>

struct FeatureFlagsRecord;

// The program's entry point: prepares every program-wide value in its order and shows the splash
// window, which later opens the main window. Runs before any window event is handled.
void Main();

// The channel grid's edit column back to 0.
void ResetGridEditState();

// The language of a locale name such as "zh_CN.UTF-8": LangChinese for Chinese of mainland China
// only, LangEnglish for every other name (also "zh_TW", "zh_HK", "C" and "").
int LanguageForLocaleName(const QString &localeName);
// The user's locale name for texts: LC_ALL, else LC_MESSAGES, else LANG (the first that is set).
QString SystemLocaleName();

// A value of section "language" of "mysetup.ini" (link/com_port_list.h: MySetupPath) as a 16-bit number; 0 when it is missing, empty, not a number or
// outside the 16-bit range.
int16_t ReadSetupValue(const QString &key);
// Writes a value of section "language" as decimal text; false when the file cannot be written.
bool WriteSetupValue(const QString &key, int value);

// "<program folder>/Setting.ini".
QString FeatureFlagsFilePath();
// The 8-byte record of the flags, and back.
QByteArray FeatureFlagsBytes(const FeatureFlagsRecord &flags);
FeatureFlagsRecord FeatureFlagsFromBytes(const QByteArray &record);
// Reads record 1 into State().FeatureFlags (an empty file is created when there is none);
// DtmfFlag becomes 1 whatever the file holds, the others 0 when the file cannot be read.
void LoadFeatureFlags();
// Writes State().FeatureFlags as record 1; false when it cannot be written.
bool SaveFeatureFlags();

// The main window's placement, in twips.
struct WindowPlacement {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
};
// The stored placement; a value that is missing or not a number takes its default (0, 0 and the
// given screen size).
WindowPlacement ReadMainPlacement(double screenWidth, double screenHeight);
void StoreMainPlacement(const WindowPlacement &placement);
