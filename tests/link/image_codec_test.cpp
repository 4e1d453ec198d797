// The shared image conventions and the start values of the memory image.

#include "link/image_codec.h"
#include "image_test_util.h"

using namespace imagetest;

namespace {

class ImageCodecTest : public ImageTest {};

TEST_F(ImageCodecTest, ResetGivesTheStartValuesOfTheMemoryMap)
{
    State().MemoryImage.fill(0x5A);
    ResetMemoryImage();
    struct Range {
        int from, to;
        int value; // -1: kept
    };
    const Range map[] = {
        {0x0000, 0x000F, -1},   {0x0010, 0x00FF, 0x00}, {0x0100, 0x013F, 0xFF}, {0x0140, 0x015F, -1},
        {0x0160, 0x025F, 0x00}, {0x0260, 0x026F, 0xFF}, {0x0270, 0x037F, 0x00}, {0x0380, 0x039F, 0xFF},
        {0x03A0, 0x3FFF, 0x00},
    };
    for (const Range &r : map)
        for (int a = r.from; a <= r.to; ++a)
            ASSERT_EQ(State().MemoryImage[a], r.value < 0 ? 0x5A : r.value) << std::hex << a;
}

TEST_F(ImageCodecTest, NumericTestAcceptsDigitsAndExponentFormsOnly)
{
    const std::pair<const char *, bool> cases[] = {
        {"01450000", true}, {"0108E000", true}, {"12D4", true},   {"FFFFFFFF", false}, {"", false},
        {"0A000000", false}, {"E123", false},   {"123E", false},  {"1E2E3", false},    {" 12", false},
        {"12 ", false},
    };
    for (const auto &[text, numeric] : cases)
        EXPECT_EQ(image::IsImageNumeric(text), numeric) << text;
}

TEST_F(ImageCodecTest, TenHertzDigitIsRebuiltFromTheHundredHertzDigit)
{
    const char *const digits = "0123456789";
    const char *const rebuilt = "0053006500";
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(image::TenHertzDigit(digits[k]), rebuilt[k]) << digits[k];
}

TEST_F(ImageCodecTest, UsageBitmapClearsOneBitPerEntryInUse)
{
    image::MarkInUse(0x0100, 0, 1);
    image::MarkInUse(0x0100, 9, 1);
    image::MarkInUse(0x0100, 10, 0);
    EXPECT_EQ(ImageHex(0x0100, 2), "FE FD");
    EXPECT_FALSE(image::UsageBitSet(0x0100, 9));
    EXPECT_TRUE(image::UsageBitSet(0x0100, 10));
}

TEST_F(ImageCodecTest, UsageBitmapRefusesValuesThatWouldTouchAnotherEntry)
{
    // An in-use value of 2 would clear the neighbour's bit; a second entry with the same index
    // would clear a bit that is already clear.
    EXPECT_THROW(image::MarkInUse(0x0100, 0, 2), PackFailure);
    EXPECT_THROW(image::MarkInUse(0x0100, 0, -1), PackFailure);
    image::MarkInUse(0x0100, 3, 1);
    EXPECT_THROW(image::MarkInUse(0x0100, 3, 1), PackFailure);
    EXPECT_EQ(ImageHex(0x0100, 1), "F7");
}

TEST_F(ImageCodecTest, BitFieldsMustFitTheirBits)
{
    image::PutBits(0x0300, {{1, 0, 1}, {3, 2, 2}, {1, 5, 1}});
    EXPECT_EQ(ImageHex(0x0300, 1), "2D");
    EXPECT_THROW(image::PutBits(0x0301, {{4, 2, 2}}), PackFailure);
    EXPECT_THROW(image::PutBits(0x0301, {{-1, 0, 1}}), PackFailure);
    EXPECT_EQ(ImageHex(0x0301, 1), "00");
}

TEST_F(ImageCodecTest, SingleBytesMustFitAByte)
{
    image::Put(0x0300, 255);
    EXPECT_THROW(image::Put(0x0301, 256), PackFailure);
    EXPECT_THROW(image::Put(0x0301, -1), PackFailure);
    EXPECT_EQ(ImageHex(0x0300, 2), "FF 00");
}

TEST_F(ImageCodecTest, DigitPairsPutTheFirstDigitInTheHighHalf)
{
    image::PutDigitPairs(0x0300, "E1F0", 2);
    image::PutDigitPairs(0x0302, "a9", 1);
    EXPECT_EQ(ImageHex(0x0300, 3), "E1 F0 A9");
    EXPECT_EQ(image::HexDigits(0x0300, 3), QByteArray("E1F0A9"));
    EXPECT_THROW(image::PutDigitPairs(0x0304, "1G", 1), PackFailure);
    EXPECT_THROW(image::PutDigitPairs(0x0304, "12", 2), PackFailure); // a pair without characters
    EXPECT_EQ(ImageHex(0x0304, 2), "12 00");                           // the pair before it stays
}

TEST_F(ImageCodecTest, FailingPackerShowsItsNameAndClearsThePackFlag)
{
    RunPacker("SetCommDataByOption", [] {
        image::Put(0x0300, 7);
        FailPack();
    });
    EXPECT_FALSE(State().ImagePackOk);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("SetCommDataByOptionError"));
    EXPECT_EQ(script->messages()[0].title, QString::fromLatin1(kProgramTitle));
    EXPECT_EQ(script->messages()[0].style, vbOKOnly);
    EXPECT_EQ(ImageHex(0x0300, 1), "07"); // what was written before the failure stays
}

} // namespace
