// The radio's embedded information area, 0x0010-0x00FF: read, never written.

#include "data/app_state.h"
#include "data/value_rules.h"
#include "link/image_codec.h"
#include "link/memory_image.h"

using namespace image;

namespace {
// A text field: a zeroed buffer of readLength bytes takes the bytes up to the first 0x00; the
// buffer is cut as a fixed text (so spaces before a 0x00 stay) and ended with a NUL. The field
// keeps what fits its width.
QByteArray InfoText(int addr, int readLength)
{
    QByteArray buffer(readLength, '\0');
    const QByteArray bytes = ReadText(addr, readLength, [](uint8_t b) { return b == 0x00; }).text;
    buffer.replace(0, bytes.size(), bytes);
    return TrimFixStr(buffer) + '\0';
}
} // namespace

void UnpackEmbeddedMessage()
{
    EmbeddedInfoRecord &info = State().EmbeddedInfoBlock;
    info.BandCode = Byte(0x0017);

    QByteArray area = ReadText(0x0019, 4, [](uint8_t b) { return b == 0x00 || b == 0xFF; }).text;
    info.AreaCode = area + '\0';

    info.SerialNumber = InfoText(0x0020, 16);
    info.ProductionDate = InfoText(0x0030, 16);
    info.BatchNumber = InfoText(0x0040, 8);
    info.CustomerCode = InfoText(0x0048, 4);
    info.RepairDate = InfoText(0x0050, 16);
    info.DealerCode = InfoText(0x0060, 16);
    info.StockDate = InfoText(0x0070, 16);
    info.SaleDate = InfoText(0x0080, 16);
    info.Seller = InfoText(0x0090, 16);
    info.RepairReason = InfoText(0x00A0, 64);
}
