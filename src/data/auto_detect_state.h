#pragma once
// Where the port auto-detect stands: the ports to try, the setting now being tried, the first
// radio of another model that answered, and the transfer to carry on with afterwards.

#include <QString>
#include <array>
#include <cstdint>

#include "data/link_state.h"

constexpr int kAutoDetectCandidates = 256;

struct AutoDetectStateRecord {
    std::array<int16_t, kAutoDetectCandidates> CandidatePorts{};
    int16_t CandidateCount = 0;
    int16_t CandidateIndex = 0;
    int16_t ProbePort = 0;
    int16_t ProbeHandshaking = 0; // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both
    int16_t ProbeStopBits = 1;    // 1 or 2
    bool FallbackFound = false;
    int16_t FallbackPort = 0;
    int16_t FallbackHandshaking = 0;
    int16_t FallbackStopBits = 1;
    LinkOperation ResumeOperation = OpIdle;
    QString ResumeCaption;
};
