#pragma once
// Every program-wide variable, together in one object, with the names the program's routines use.
// Reached through State(); ResetState() gives a fresh object (tests). No other globals.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>
#include <cstdint>

#include "data/auto_detect_state.h"
#include "data/channel_record.h"
#include "data/embedded_info.h"
#include "data/feature_flags.h"
#include "data/link_state.h"
#include "data/radio_data.h"

class RadioLink;
class SerialPort;

constexpr int kChannelSlots = 206;
constexpr int kMemoryImageSize = 16384;
constexpr int kSkipRangeSlots = 501;

enum LanguageId : int16_t { LangEnglish = 1, LangChinese = 2 };

// One line of the version table: a software version and a firmware version it handles.
struct VersionPair {
    QString Soft;
    QString Firm;
    bool operator==(const VersionPair &) const = default;
};

struct AppState {
    // Data model.
    RadioDataRecord RadioData{};
    RadioDataRecord SavedRadioData{};
    std::array<ChannelRecord, kChannelSlots> ChannelList{};
    std::array<ChannelRecord, kChannelSlots> SavedChannelList{};

    // Texts: the current language and its file relative to the program folder.
    int16_t LanguageIndex = LangEnglish;
    QString LanguageFilePath = QStringLiteral("language/english.ini");

    // Files.
    QString CurFileName = QStringLiteral("new.dat");
    QString CurBookFileName = QStringLiteral("new.cb");
    bool FileUntitled = true;

    // Radio memory image.
    std::array<uint8_t, kMemoryImageSize> MemoryImage{};
    bool ImagePackOk = true;

    // Image codec: the radio's identity as its identify reply gave it, adopted after a read, and
    // the embedded information that a read brings from the radio.
    QString RadioModelCode = QStringLiteral("TORVA6Y");
    int16_t RadioBandCode = 0;
    QString RadioBandText;
    EmbeddedInfoRecord EmbeddedInfoBlock{};

    // Main window.
    int CurChannelNo = 0;
    int16_t HelpAvailable = 0;
    int16_t PrintAvailable = 0;
    int16_t IsWinNt60 = 0;

    // Serial link: the port, echo handling, block sizes, the port choice and where a transfer stands.
    SerialPort *MSComm1 = nullptr; // the radio's serial port (not owned); RadioPort() makes the real one
    int32_t ReplySkip = 0;         // echoed bytes in front of every reply
    int16_t NoEchoFlag = -1;       // nonzero: the line does not echo what is sent
    int32_t ReadBlockSize = 16;
    int32_t WriteBlockSize = 16;
    int16_t ComPort = 0;           // n of "COMn", 0 for none
    int16_t LinkHandshaking = 0;   // kept for the port auto-detect only
    int16_t LinkStopBits = 1;      // kept for the port auto-detect only
    LinkOperation CurOperation = OpIdle;
    LinkState CurLinkState = LsIdle;
    int32_t LinkAddress = 0;
    int32_t LinkStartAddress = 0;
    int32_t LinkEndAddress = 0;
    int16_t LastPercent = 0;

    // Factory test mode, and the last test-data file read or written.
    bool TestModeFlag = false;
    QString TestDataPath;

    // Start-up and main window: start-up switches, the settings of "mysetup.ini", the language
    // file chosen at start-up and the help file.
    int16_t SkipInitTemplate = 0; // nonzero: a new data set skips its Init template
    int16_t InitDataMode = 0;     // nonzero only while the Initialise command runs
    int16_t FirstRunFlag = 0;     // "IsFirstRun"
    int16_t FactoryFreqFlag = 0;  // "FactoryFres": a new data set keeps every template channel
    QString LanguageFileName = QStringLiteral("english.ini");
    QString HelpFile;             // assigned only while HelpAvailable is nonzero

    // Band limits in MHz (element 0 the UHF band, 1 the VHF band), those of band plan 0 until
    // start-up or a band-plan change sets them; the transmit limits equal the receive ones.
    // FmBandLow/FmBandHigh: the FM broadcast band.
    std::array<double, 2> RxBandLow{400.0, 136.0};
    std::array<double, 2> RxBandHigh{480.0, 174.0};
    std::array<double, 2> TxBandLow{400.0, 136.0};
    std::array<double, 2> TxBandHigh{480.0, 174.0};
    double FmBandLow = 88.0;
    double FmBandHigh = 108.0;

    // Channel grid clipboard: the last copied or cut channel (Used 1 = holds one), and one
    // "something was copied" flag per grid of the main window.
    ChannelRecord ChannelClipboard{};
    std::array<int16_t, 3> ClipboardFilled{};

    // Model and band plan of the data (the band limits above are those of CurBandPlanText).
    QString CurModelCode = QStringLiteral("TORVA6Y");
    QString CurModelDisplay = QStringLiteral("TORVA-6Y");
    QString CurBandPlanText = QStringLiteral("UHF(400 - 480 MHz) VHF(136 - 174 MHz)");
    int16_t CurBandPlanIndex = 0;

    // Installed software versions and the software/firmware version pairs from "Version.ini".
    QString CurrentVersionText;
    QStringList SoftVersionList;
    QList<VersionPair> VersionPairTable;

    std::array<uint8_t, 16> CurTestData{};
    std::array<uint8_t, 16> SavedTestData{};

    // In-place editing of the main window's grids: the channel grid's open cell column (its row
    // is CurChannelNo), the FM-radio grid's current cell at its last entry, and the FM cell its
    // editor was last opened on.
    int16_t CurEditCol = 0;
    int16_t CurFmRow = 0;
    int16_t CurFmCol = 0;
    int16_t FmEditRow = 0;
    int16_t FmEditCol = 0;

    // Transfer engine: send counters, skip list and progress, the radio's password, identity
    // extras and feature flags, the factory pass, the port auto-detect, and the link object that
    // owns the serial port's events and the link timers (made by Link(), src/link/radio_link.h).
    int16_t HandshakeRetries = 0;
    int16_t IdentifyRetries = 0;
    int16_t PasswordRetries = 0;
    std::vector<int16_t> BlockRetries;
    std::array<int32_t, kSkipRangeSlots> SkipRangeStart{};
    std::array<int32_t, kSkipRangeSlots> SkipRangeEnd{};
    int16_t SkipRangeCount = 0;
    int16_t ProgressCount = 0;
    int16_t ProgressTotal = 0;
    bool FactorySessionFlag = false;
    QString PasswordEntry;
    bool PasswordEntered = false;
    QString RadioVersion = QStringLiteral("V101");
    bool RadioKilled = false;
    bool RadioStunned = false;
    FeatureFlagsRecord FeatureFlags{};
    AutoDetectStateRecord AutoDetectState{};
    std::shared_ptr<RadioLink> LinkEngine;

    // Editors: the single-channel dialog's record, the batch editor's item flags and the page it
    // showed last (kept for the whole run, not in the window), the option editor's and the
    // communication-book editor's edit copies, and the signalling copy the tone editors change.
    ChannelRecord EditChannelBuffer{};
    std::array<uint8_t, 20> BatchFunFlags{};
    bool ItemPageShown = false;
    OptionBlock OptionEditCopy{};
    CommBook CommBookEditCopy{};
    SignallingRecord SignallingEditCopy{};
    // Where the 5-tone special-call composer puts its code: 0 a code row, 1 the PTT-ID begin
    // code, 2 the PTT-ID end code (set by the 5-tone editor's buttons).
    int16_t SpecialCallTarget = 0;

    // Printing: the sections chosen, whether a print-out finished, and the next row's place on
    // the page.
    std::array<int16_t, 10> PrintItemFlags{};
    int16_t PrintDone = 0;
    int32_t RowY = 0;
};

AppState &State();
void ResetState();
