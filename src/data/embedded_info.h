#pragma once
// The radio's embedded manufacture, repair and sales information, as a read brings it from the
// radio. Shown, never saved in a data file and never written to the radio. The fixed text fields
// are raw bytes of their width (an empty one is a NUL followed by spaces); the area code and the
// version text have no fixed width. The start values that depend on today's date are set at
// start-up (InitEmbeddedInfo); the others are given here.

#include <QByteArray>
#include <cstdint>

#include "data/fix_str.h"

struct EmbeddedInfoRecord {
    int16_t BandCode = 0; // shown as band list entry: high nibble * 8 + low nibble
    FixStr<16> SerialNumber = FixStr<16>::EmptyNul();
    FixStr<16> ProductionDate = FixStr<16>::EmptyNul();
    FixStr<16> RepairDate = FixStr<16>::EmptyNul();
    FixStr<96> RepairReason = FixStr<96>::EmptyNul();
    QByteArray VersionText = "V1.01"; // never read from the radio
    QByteArray AreaCode;
    FixStr<8> BatchNumber = FixStr<8>::EmptyNul();
    FixStr<4> CustomerCode = FixStr<4>::fromBytes("001A");
    FixStr<16> DealerCode = FixStr<16>::EmptyNul();
    FixStr<16> StockDate = FixStr<16>::EmptyNul();
    FixStr<16> SaleDate = FixStr<16>::EmptyNul();
    FixStr<16> Seller = FixStr<16>::EmptyNul();
    bool operator==(const EmbeddedInfoRecord &) const = default;
};
