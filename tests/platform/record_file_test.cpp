#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/test_env.h"
#include "platform/record_file.h"

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

bool WriteFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

TEST(ByteWriterTest, FieldsInTheirByteOrder)
{
    QByteArray out;
    ByteWriter w(out);
    w.u8(0xAB);
    w.u16le(0x1234);
    w.u16be(0x1234);
    w.u32le(0x01020304);
    w.i16le(-2);
    w.i32le(-2);
    w.bytes("AB", 4, ' ');
    w.bytes("ABCDEF", 3);
    w.bytes(QByteArray(), 2);
    w.fill(2, '\xFF');
    EXPECT_EQ(out, Bytes({0xAB, 0x34, 0x12, 0x12, 0x34, 0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFE, 0xFF, 0xFF,
                          0xFF, 'A', 'B', ' ', ' ', 'A', 'B', 'C', 0, 0, 0xFF, 0xFF}));
    EXPECT_EQ(w.size(), out.size());
}

TEST(ByteWriterTest, PositionedWriterOverwritesAndGrowsWithZeros)
{
    QByteArray image(8, '\x11');
    ByteWriter w(image, 2);
    w.u16be(0xA0B0);
    EXPECT_EQ(image, Bytes({0x11, 0x11, 0xA0, 0xB0, 0x11, 0x11, 0x11, 0x11}));
    w.seek(6);
    w.u32le(0xDDCCBBAA); // runs past the end
    EXPECT_EQ(image, Bytes({0x11, 0x11, 0xA0, 0xB0, 0x11, 0x11, 0xAA, 0xBB, 0xCC, 0xDD}));
    ByteWriter far(image, 12);
    far.u8(1);
    EXPECT_EQ(image.mid(10), Bytes({0, 0, 1}));
}

TEST(ByteReaderTest, ReadsFieldsAndGivesZerosPastTheEnd)
{
    ByteReader r(Bytes({0x34, 0x12, 0x12, 0x34, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 'A', 'B'}));
    EXPECT_EQ(r.u16le(), 0x1234);
    EXPECT_EQ(r.u16be(), 0x1234);
    EXPECT_EQ(r.i16le(), -2);
    EXPECT_EQ(r.u32le(), 0x01020304u);
    EXPECT_FALSE(r.overrun());
    EXPECT_EQ(r.bytes(4), Bytes({'A', 'B', 0, 0}));
    EXPECT_TRUE(r.overrun());
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(r.u16le(), 0);
    EXPECT_EQ(r.u8(), 0);
    r.seek(1);
    EXPECT_EQ(r.u8(), 0x12);
    r.skip(100);
    EXPECT_EQ(r.u32le(), 0u);
}

TEST(ByteReaderTest, ATemporaryArrayIsSafeToRead)
{
    ByteReader r(QByteArray("\x01\x02", 2));
    EXPECT_EQ(r.u16le(), 0x0201);
}

class RecordFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(RecordFileTest, WritingRecordThreeOfANewFileZeroFillsTheFirstTwo)
{
    const QString p = path("new.ini");
    EXPECT_FALSE(RecordFile::Exists(p));
    EXPECT_EQ(RecordFile::Length(p), -1);
    ASSERT_TRUE(RecordFile::Write(p, 4, 3, "ABCD"));
    EXPECT_EQ(testenv::ReadAll(p), Bytes({0, 0, 0, 0, 0, 0, 0, 0, 'A', 'B', 'C', 'D'}));
    EXPECT_TRUE(RecordFile::Exists(p));
    EXPECT_EQ(RecordFile::Length(p), 12);
}

TEST_F(RecordFileTest, WritingRecordOneNeverShortensALongerFile)
{
    const QString p = path("long.ini");
    QByteArray original;
    for (int i = 0; i < 30; ++i)
        original.append(static_cast<char>('a' + i % 26));
    ASSERT_TRUE(WriteFile(p, original));
    ASSERT_TRUE(RecordFile::Write(p, 8, 1, "xy")); // short data: padded with zeros
    const QByteArray now = testenv::ReadAll(p);
    ASSERT_EQ(now.size(), 30);
    EXPECT_EQ(now.left(8), Bytes({'x', 'y', 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(now.mid(8), original.mid(8));
}

TEST_F(RecordFileTest, ReadingPastTheEndGivesZeros)
{
    const QString p = path("short.ini");
    ASSERT_TRUE(WriteFile(p, "0123456789"));
    QByteArray rec;
    ASSERT_TRUE(RecordFile::Read(p, 8, 1, rec));
    EXPECT_EQ(rec, QByteArray("01234567"));
    ASSERT_TRUE(RecordFile::Read(p, 8, 2, rec));
    EXPECT_EQ(rec, Bytes({'8', '9', 0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(RecordFile::Read(p, 8, 5, rec));
    EXPECT_EQ(rec, QByteArray(8, '\0'));
}

TEST_F(RecordFileTest, MissingFileOrBadArgumentsFail)
{
    QByteArray rec("junk");
    EXPECT_FALSE(RecordFile::Read(path("none.ini"), 8, 1, rec));
    EXPECT_EQ(rec, QByteArray(8, '\0'));
    EXPECT_FALSE(RecordFile::Exists(dir.path())); // a folder is not a record file
    EXPECT_FALSE(RecordFile::Read(dir.path(), 8, 1, rec));
    const QString p = path("f.ini");
    ASSERT_TRUE(WriteFile(p, "abcd"));
    EXPECT_FALSE(RecordFile::Read(p, 0, 1, rec));
    EXPECT_FALSE(RecordFile::Read(p, 4, 0, rec));
    EXPECT_FALSE(RecordFile::Write(p, 2, 1, "toolong")); // longer than a record: nothing written
    EXPECT_FALSE(RecordFile::Write(p, 4, 0, "x"));
    EXPECT_EQ(testenv::ReadAll(p), QByteArray("abcd"));
    EXPECT_FALSE(RecordFile::Write(path("no/such/folder/f.ini"), 4, 1, "x"));
}

TEST_F(RecordFileTest, RoundTripOfARecordInTheMiddle)
{
    const QString p = path("mid.ini");
    ASSERT_TRUE(WriteFile(p, QByteArray(24, 'z')));
    QByteArray record;
    ByteWriter w(record);
    w.u16le(0x0102);
    w.u16le(0xFFFF);
    w.u16le(0);
    w.u16le(7);
    ASSERT_TRUE(RecordFile::Write(p, 8, 2, record));
    EXPECT_EQ(testenv::ReadAll(p), QByteArray(8, 'z') + Bytes({2, 1, 0xFF, 0xFF, 0, 0, 7, 0}) + QByteArray(8, 'z'));
    QByteArray back;
    ASSERT_TRUE(RecordFile::Read(p, 8, 2, back));
    ByteReader r(back);
    EXPECT_EQ(r.u16le(), 0x0102);
    EXPECT_EQ(r.i16le(), -1);
    EXPECT_EQ(r.u16le(), 0);
    EXPECT_EQ(r.u16le(), 7);
}

} // namespace
