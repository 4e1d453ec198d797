// The book file (".cb"): 128 entries of 13 bytes, number little-endian, call ID and name byte for
// byte, against bytes written out by hand.

#include <gtest/gtest.h>

#include "common/bytes.h"
#include "data/radio_data.h"

namespace {

using testenv::Bytes;

// Entry 0: number 0, call ID "123" NUL " ", name "AB" NUL "   "; entry 1: number 0x0201, call ID
// "12345", name "XYZ123"; entry 127: number -1, call ID NUL NUL "   ", name NUL "     "; the
// entries between are all zeros.
QByteArray HandMadeFile()
{
    QByteArray f(kCommBookFileSize, '\0');
    f.replace(0, 13, Bytes({0x00, 0x00, '1', '2', '3', 0x00, ' ', 'A', 'B', 0x00, ' ', ' ', ' '}));
    f.replace(13, 13, Bytes({0x01, 0x02, '1', '2', '3', '4', '5', 'X', 'Y', 'Z', '1', '2', '3'}));
    f.replace(127 * 13, 13, Bytes({0xFF, 0xFF, 0x00, 0x00, ' ', ' ', ' ', 0x00, ' ', ' ', ' ', ' ', ' '}));
    return f;
}

CommBook HandMadeBook()
{
    CommBook book{};
    book[0].Number = 0;
    book[0].CallId.assign(Bytes({'1', '2', '3', 0x00, ' '}));
    book[0].Name.assign(Bytes({'A', 'B', 0x00, ' ', ' ', ' '}));
    book[1].Number = 0x0201;
    book[1].CallId.assign("12345");
    book[1].Name.assign("XYZ123");
    book[127].Number = -1;
    book[127].CallId.assign(Bytes({0x00, 0x00}), ' ');
    book[127].Name.assign(Bytes({0x00}), ' ');
    return book;
}

TEST(CommBookFile, EncodesEachEntryAtItsOffset)
{
    const QByteArray bytes = EncodeCommBookFile(HandMadeBook());
    ASSERT_EQ(bytes.size(), 1664);
    EXPECT_EQ(bytes, HandMadeFile());
}

TEST(CommBookFile, DecodesAHandMadeFile)
{
    CommBook book{};
    ASSERT_TRUE(DecodeCommBookFile(HandMadeFile(), book));
    EXPECT_EQ(book, HandMadeBook());
}

TEST(CommBookFile, TheDefaultBookIsNumberedWithEmptyTexts)
{
    CommBook book{};
    SetDefaults(book);
    const QByteArray bytes = EncodeCommBookFile(book);
    EXPECT_EQ(bytes.mid(0, 13), Bytes({0x00, 0x00, 0x00, ' ', ' ', ' ', ' ', 0x00, ' ', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(bytes.mid(127 * 13, 2), Bytes({0x7F, 0x00}));
}

TEST(CommBookFile, AnyOtherSizeIsRefusedAndChangesNothing)
{
    const CommBook before = HandMadeBook();
    for (int size : {0, 13, 1663, 1665, 9742}) {
        CommBook book = before;
        EXPECT_FALSE(DecodeCommBookFile(QByteArray(size, '7'), book)) << size;
        EXPECT_EQ(book, before) << size;
    }
}

} // namespace
