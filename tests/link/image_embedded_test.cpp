// The radio's embedded information area in the memory image.

#include "image_test_util.h"

using namespace imagetest;

namespace {

class ImageEmbeddedTest : public ImageTest {};

TEST_F(ImageEmbeddedTest, UnpacksEveryFieldFromItsPlace)
{
    FillImage(0x0010, 0xF0, 0x5A); // what lies between the fields must never show
    SetImage(0x0017, Hex("12"));
    SetImage(0x0019, QByteArray("AB12"));
    SetImage(0x0020, QByteArray("SN-2024-000017") + '\0');
    SetImage(0x0030, QByteArray("2024/01/02", 11));
    SetImage(0x0040, QByteArray("01-1-E-1"));
    SetImage(0x0048, QByteArray("CUSTPASS")); // the password follows the customer code
    SetImage(0x0050, QByteArray("2024/02/03", 11));
    SetImage(0x0060, QByteArray("DEALER 7", 9));
    SetImage(0x0070, QByteArray("2024/03/04", 11));
    SetImage(0x0080, QByteArray("2024/04/05", 11));
    SetImage(0x0090, QByteArray("SELLER", 7));
    SetImage(0x00A0, QByteArray("KEY BROKEN", 11));
    UnpackEmbeddedMessage();

    const EmbeddedInfoRecord &info = State().EmbeddedInfoBlock;
    EXPECT_EQ(info.BandCode, 0x12);
    EXPECT_EQ(info.AreaCode, QByteArray("AB12", 5));
    EXPECT_EQ(info.SerialNumber, NulField("SN-2024-000017", 16));
    EXPECT_EQ(info.ProductionDate, NulField("2024/01/02", 16));
    EXPECT_EQ(info.BatchNumber, QByteArray("01-1-E-1"));
    EXPECT_EQ(info.CustomerCode, QByteArray("CUST"));
    EXPECT_EQ(info.RepairDate, NulField("2024/02/03", 16));
    EXPECT_EQ(info.DealerCode, NulField("DEALER 7", 16));
    EXPECT_EQ(info.StockDate, NulField("2024/03/04", 16));
    EXPECT_EQ(info.SaleDate, NulField("2024/04/05", 16));
    EXPECT_EQ(info.Seller, NulField("SELLER", 16));
    EXPECT_EQ(info.RepairReason, NulField("KEY BROKEN", 96));
    EXPECT_EQ(info.VersionText, QByteArray("V1.01")); // never read from the radio
}

TEST_F(ImageEmbeddedTest, AreaCodeForms)
{
    const std::pair<const char *, QByteArray> cases[] = {
        {"FF 41 42 43", QByteArray(1, '\0')},
        {"41 42 43 44", QByteArray("ABCD", 5)},
        {"41 00 43 44", QByteArray("A", 2)},
        {"41 42 FF 44", QByteArray("AB", 3)},
    };
    for (const auto &[bytes, area] : cases) {
        SetImage(0x0019, Hex(bytes));
        UnpackEmbeddedMessage();
        EXPECT_EQ(State().EmbeddedInfoBlock.AreaCode, area) << bytes;
    }
}

TEST_F(ImageEmbeddedTest, TextFieldForms)
{
    struct Case {
        QByteArray bytes;
        QByteArray serial;
    };
    const Case cases[] = {
        {QByteArray("0123456789ABCDEF"), QByteArray("0123456789ABCDEF")}, // full: no NUL
        {QByteArray("0123456789ABC") + '\0', NulField("0123456789ABC", 16)},
        {QByteArray(16, '\xFF'), QByteArray(16, '\xFF')}, // only the area code ends at 0xFF
        {QByteArray("AB  ", 5), NulField("AB  ", 16)},    // spaces before the 0x00 stay
        {QByteArray("0123456789ABC   "), NulField("0123456789ABC", 16)},
        {QByteArray(16, '\0'), NulField("", 16)},
    };
    for (const Case &c : cases) {
        ResetMemoryImage();
        SetImage(0x0020, c.bytes);
        UnpackEmbeddedMessage();
        EXPECT_EQ(State().EmbeddedInfoBlock.SerialNumber, c.serial) << c.bytes.toHex().constData();
    }
}

TEST_F(ImageEmbeddedTest, RepairReasonReadsSixtyFourBytesIntoItsWiderField)
{
    FillImage(0x00A0, 64, 'R');
    FillImage(0x00E0, 32, 'X');
    UnpackEmbeddedMessage();
    EXPECT_EQ(State().EmbeddedInfoBlock.RepairReason, NulField(QByteArray(64, 'R'), 96));
}

TEST_F(ImageEmbeddedTest, AnAreaOfZerosGivesEmptyTexts)
{
    UnpackEmbeddedMessage();
    const EmbeddedInfoRecord &info = State().EmbeddedInfoBlock;
    EXPECT_EQ(info.BandCode, 0);
    EXPECT_EQ(info.AreaCode, QByteArray(1, '\0'));
    EXPECT_EQ(info.SerialNumber, NulField("", 16));
    EXPECT_EQ(info.BatchNumber, NulField("", 8));
    EXPECT_EQ(info.CustomerCode, NulField("", 4));
    EXPECT_EQ(info.RepairReason, NulField("", 96));
}

TEST_F(ImageEmbeddedTest, TouchesNothingButTheEmbeddedInformation)
{
    State().RadioData.ChannelCount = 3;
    Options().Tot = 9;
    const RadioDataRecord before = State().RadioData;
    const auto channels = State().ChannelList;
    FillImage(0x0010, 0xF0, 0x31);
    UnpackEmbeddedMessage();
    EXPECT_EQ(State().RadioData, before);
    EXPECT_EQ(State().ChannelList, channels);
}

} // namespace
