#pragma once
// Every program-wide variable, together in one object, with the names the program's routines use.
// Reached through State(); ResetState() gives a fresh object (tests). No other globals.

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>
#include <vector>
#include <cstdint>

#include "data/auto_detect_state.h"
#include "data/channel_record.h"
#include "data/feature_flags.h"
#include "data/radio_data.h"

class RadioLink;

constexpr int kChannelSlots = 206;
constexpr int kMemoryImageSize = 16384;
constexpr int kSkipRangeSlots = 501;

enum LanguageId : int16_t { LangEnglish = 1, LangChinese = 2 };

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

    // Main window.
    int CurChannelNo = 0;
    int16_t HelpAvailable = 0;
    int16_t PrintAvailable = 0;
    int16_t IsWinNt60 = 0;

    // Factory test mode.
    bool TestModeFlag = false;

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
};

AppState &State();
void ResetState();
