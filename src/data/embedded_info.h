#pragma once
// The radio's embedded manufacture, repair and sales information, as a read brings it from the
// radio. Shown, never saved in a data file and never written to the radio. Text fields hold raw
// bytes; the fixed ones keep their width (an empty one is a NUL followed by spaces).

#include <QByteArray>
#include <cstdint>

namespace embedded_info_detail {
inline QByteArray EmptyText(int width) { return QByteArray(1, '\0') + QByteArray(width - 1, ' '); }
} // namespace embedded_info_detail

struct EmbeddedInfoRecord {
    int16_t BandCode = 0;
    QByteArray SerialNumber = embedded_info_detail::EmptyText(16);   // 16 characters
    QByteArray ProductionDate = embedded_info_detail::EmptyText(16); // 16 characters
    QByteArray RepairDate = embedded_info_detail::EmptyText(16);     // 16 characters
    QByteArray RepairReason = embedded_info_detail::EmptyText(96);   // 96 characters
    QByteArray VersionText = "V1.01";                                // any length
    QByteArray AreaCode;                                             // any length
    QByteArray BatchNumber = embedded_info_detail::EmptyText(8);     // 8 characters
    QByteArray CustomerCode = "001A";                                // 4 characters
    QByteArray DealerCode = embedded_info_detail::EmptyText(16);     // 16 characters
    QByteArray StockDate = embedded_info_detail::EmptyText(16);      // 16 characters
    QByteArray SaleDate = embedded_info_detail::EmptyText(16);       // 16 characters
    QByteArray Seller = embedded_info_detail::EmptyText(16);         // 16 characters
};
