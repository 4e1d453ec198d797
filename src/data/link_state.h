#pragma once
// What the radio link is doing and which reply it awaits; the values are fixed.

#include <cstdint>

enum LinkOperation : int32_t {
    OpIdle = 0,
    OpReadRadio = 1,
    OpWriteRadio = 2,
    OpReadInfo = 3,
    OpAutoDetect = 9,
};

enum LinkState : int16_t {
    LsIdle = 0,
    LsHandshake = 1,
    LsIdentify = 2,
    LsPassword = 3,
    LsBlocks = 4,
    LsTestData = 31,
    LsEndRestart = 45,
    LsEndFinish = 69,
};
