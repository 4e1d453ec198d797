#pragma once
// The four feature flags kept in "Setting.ini". The radio's identify reply only ever sets them;
// apart from DtmfFlag (the DTMF editor's menu entry and tree node) nothing reads them.

#include <cstdint>

struct FeatureFlagsRecord {
    int16_t Flag7 = 0;    // bit 7 of the radio's option byte has been seen set
    int16_t Flag6 = 0;    // bit 6
    int16_t DtmfFlag = 0; // the DTMF editor is offered
    int16_t Flag4 = 0;    // bit 4
    bool operator==(const FeatureFlagsRecord &) const = default;
};
