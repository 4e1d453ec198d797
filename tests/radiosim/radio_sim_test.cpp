// The simulated radio against hand-written protocol bytes: each frame, each reply, each fault.

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/wait_until.h"
#include "radiosim/radio_sim.h"

using radiosim::Radio;
using testenv::WaitUntil;

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

// A host end of the line: records what arrives, piece by piece, with the time of each piece.
struct Host {
    explicit Host(Radio &r) : radio(r)
    {
        clock.start();
        radio.setOutput([this](const QByteArray &b) {
            pieces.append(b);
            times.append(clock.elapsed());
            all.append(b);
        });
    }
    // Sends a frame and waits (bounded) until `expect` bytes have arrived in all.
    QByteArray exchange(const QByteArray &frame, int expect, int timeoutMs = 2000)
    {
        const int before = static_cast<int>(all.size());
        radio.receive(frame);
        WaitUntil([&] { return all.size() >= before + expect; }, timeoutMs);
        return all.mid(before);
    }
    // Sends a frame and lets the radio run for ms; returns what arrived.
    QByteArray sendAndWait(const QByteArray &frame, int ms)
    {
        const int before = static_cast<int>(all.size());
        radio.receive(frame);
        testenv::Pump(ms);
        return all.mid(before);
    }
    Radio &radio;
    QElapsedTimer clock;
    QList<QByteArray> pieces;
    QList<qint64> times;
    QByteArray all;
};

QByteArray ReadReply0040AllFF()
{
    QByteArray r = Bytes({0x57, 0x00, 0x40, 0x10});
    r.append(QByteArray(16, static_cast<char>(0xFF)));
    r.append(Bytes({0x40, 0x06})); // 00 + 40 + 10 + 16 x FF = 0x1040
    return r;
}

QByteArray WriteFrame(int address, const QByteArray &data, int checksumDelta = 0)
{
    QByteArray f = Bytes({0x57, address >> 8, address & 0xFF, static_cast<int>(data.size())});
    f.append(data);
    unsigned sum = 0;
    for (int i = 1; i < f.size(); ++i)
        sum += static_cast<uint8_t>(f.at(i));
    f.append(static_cast<char>((sum + checksumDelta) & 0xFF));
    f.append('\x06');
    return f;
}

class RadioSimTest : public ::testing::Test {
protected:
    void programMode()
    {
        ASSERT_EQ(host.exchange("PROGRAM", 3), QByteArray("YK\x06"));
    }
    Radio radio;
    Host host{radio};
};

TEST_F(RadioSimTest, HandshakeAndIdentifyReplyLayout)
{
    radio.identity.band = 3;
    radio.identity.options = 0xD0;
    radio.identity.killed = true;
    radio.identity.stunned = true;
    programMode();
    const QByteArray expected =
        Bytes({0x49, 'T', 'O', 'R', 'V', 'A', '6', 'Y', 0x03, 'V', '1', '0', '1', 0xD0, 0x03, 0x06});
    EXPECT_EQ(host.exchange(Bytes({0x02}), 16), expected);
}

TEST_F(RadioSimTest, ShortModelAndVersionArePaddedWithFF)
{
    radio.identity.model = "K58TX";
    radio.identity.version = "V10";
    radio.identity.stunned = true;
    programMode();
    const QByteArray expected =
        Bytes({0x49, 'K', '5', '8', 'T', 'X', 0xFF, 0xFF, 0x00, 'V', '1', '0', 0xFF, 0x00, 0x02, 0x06});
    EXPECT_EQ(host.exchange(Bytes({0x02}), 16), expected);
}

TEST_F(RadioSimTest, AnswersNothingButHandshakeAndEndOutsideProgrammingMode)
{
    EXPECT_TRUE(host.sendAndWait(Bytes({0x02}), 30).isEmpty());
    EXPECT_TRUE(host.sendAndWait(Bytes({0x52, 0x00, 0x40, 0x10}), 30).isEmpty());
    EXPECT_EQ(radio.log().last().kind, QStringLiteral("IGNORED"));
    EXPECT_EQ(host.exchange("END", 1), Bytes({0x06}));
    programMode();
    EXPECT_TRUE(radio.inProgrammingMode());
    EXPECT_EQ(host.exchange("END", 1), Bytes({0x06}));
    EXPECT_FALSE(radio.inProgrammingMode());
}

TEST_F(RadioSimTest, ReadReplyCarriesTheChecksum)
{
    for (int i = 0; i < 16; ++i)
        radio.memory[0x40 + i] = static_cast<char>(0xFF);
    programMode();
    EXPECT_EQ(host.exchange(Bytes({0x52, 0x00, 0x40, 0x10}), 22), ReadReply0040AllFF());
}

TEST_F(RadioSimTest, ReadBeyondTheMemoryIsNotAnswered)
{
    programMode();
    EXPECT_TRUE(host.sendAndWait(Bytes({0x52, 0x3F, 0xF8, 0x10}), 30).isEmpty());
    EXPECT_EQ(radio.log().last().kind, QStringLiteral("REFUSED"));
}

TEST_F(RadioSimTest, WriteIsStoredAndAcknowledged)
{
    programMode();
    QByteArray data;
    for (int i = 0; i < 16; ++i)
        data.append(static_cast<char>(0xA0 + i));
    EXPECT_EQ(host.exchange(WriteFrame(0x0100, data), 1), Bytes({0x06}));
    EXPECT_EQ(radio.memory.mid(0x0100, 16), data);
}

TEST_F(RadioSimTest, WriteWithWrongChecksumOrEndByteIsAskedAgainAndNotStored)
{
    programMode();
    const QByteArray before = radio.memory.mid(0x0200, 16);
    EXPECT_EQ(host.exchange(WriteFrame(0x0200, QByteArray(16, '\x11'), 1), 1), Bytes({0x0A}));
    QByteArray badEnd = WriteFrame(0x0200, QByteArray(16, '\x11'));
    badEnd[21] = '\x07';
    EXPECT_EQ(host.exchange(badEnd, 1), Bytes({0x0A}));
    EXPECT_EQ(radio.memory.mid(0x0200, 16), before);
}

TEST_F(RadioSimTest, PasswordLivesInTheLastFourBytesOfBlock0040)
{
    EXPECT_EQ(radio.password(), QByteArray());
    EXPECT_EQ(radio.memory.mid(0x4C, 4), Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    radio.setPassword("AB");
    EXPECT_EQ(radio.memory.mid(0x4C, 4), Bytes({'A', 'B', 0xFF, 0xFF}));
    EXPECT_EQ(radio.password(), QByteArray("AB"));
    programMode();
    const QByteArray reply = host.exchange(Bytes({0x52, 0x00, 0x40, 0x10}), 22);
    EXPECT_EQ(reply.mid(16, 4), Bytes({'A', 'B', 0xFF, 0xFF}));
}

TEST_F(RadioSimTest, DefaultMemoryIsAnEmptyRadio)
{
    const QByteArray m = Radio::DefaultMemory();
    ASSERT_EQ(m.size(), 16384);
    EXPECT_EQ(m.mid(0x0100, 0x40), QByteArray(0x40, static_cast<char>(0xFF)));
    EXPECT_EQ(m.mid(0x0260, 0x10), QByteArray(0x10, static_cast<char>(0xFF)));
    EXPECT_EQ(m.mid(0x0380, 0x20), QByteArray(0x20, static_cast<char>(0xFF)));
    EXPECT_EQ(m.mid(0x2000, 0x1900), QByteArray(0x1900, '\0'));
}

TEST_F(RadioSimTest, FramesArrivingByteByByteAreTakenWhole)
{
    for (const char c : QByteArray("PROGRAM"))
        radio.receive(QByteArray(1, c));
    EXPECT_TRUE(WaitUntil([&] { return host.all.size() >= 3; }, 1000));
    EXPECT_EQ(host.all, QByteArray("YK\x06"));
}

TEST_F(RadioSimTest, APauseInsideAFrameThrowsThePartialFrameAway)
{
    programMode();
    radio.receive(Bytes({0x52, 0x00}));
    testenv::Pump(150);
    // Without the pause rule these two bytes would complete the read request above.
    EXPECT_TRUE(host.sendAndWait(Bytes({0x40, 0x10}), 30).isEmpty());
    EXPECT_EQ(host.exchange(Bytes({0x52, 0x00, 0x40, 0x10}), 22).size(), 22);
}

TEST_F(RadioSimTest, JunkBeforeAFrameIsSkipped)
{
    EXPECT_EQ(host.exchange(Bytes({0x00, 0x33}) + QByteArray("PROGRAM"), 3), QByteArray("YK\x06"));
    EXPECT_EQ(radio.log().first().kind, QStringLiteral("JUNK"));
}

TEST_F(RadioSimTest, FactoryWordOpensFactoryMode)
{
    radio.factoryWord = "FACTORY";
    EXPECT_EQ(host.exchange("FACTORY", 3), QByteArray("YK\x06"));
    EXPECT_TRUE(radio.inFactoryMode());
    programMode();
    EXPECT_FALSE(radio.inFactoryMode());
}

TEST_F(RadioSimTest, AFactoryWordThatBeginsLikeAReadRequestIsTakenWholeByteByByte)
{
    // "R" is the read request's tag: the first four letters must not be taken for a read.
    radio.factoryWord = "RFACTRY";
    for (const char c : QByteArray("RFACTRY"))
        radio.receive(QByteArray(1, c));
    EXPECT_TRUE(WaitUntil([&] { return host.all.size() >= 3; }, 1000));
    EXPECT_EQ(host.all, QByteArray("YK\x06"));
    EXPECT_TRUE(radio.inFactoryMode());
    // A read request still goes through while the word is set.
    for (int i = 0; i < 16; ++i)
        radio.memory[0x40 + i] = static_cast<char>(0xFF);
    EXPECT_EQ(host.exchange(Bytes({0x52, 0x00, 0x40, 0x10}), 22), ReadReply0040AllFF());
}

// The calibration block at 0x0000 (the factory test data) is read as any block but written only
// in factory mode; outside it the write gets no reply and changes nothing.
TEST_F(RadioSimTest, TheCalibrationBlockIsWrittenOnlyInFactoryMode)
{
    for (int i = 0; i < 16; ++i)
        radio.memory[i] = static_cast<char>(0xA0 + i);
    QByteArray write = Bytes({0x57, 0x00, 0x00, 0x10});
    int sum = 0x10;
    for (int i = 0; i < 16; ++i) {
        write.append(static_cast<char>(i));
        sum += i;
    }
    write += Bytes({sum & 0xFF, 0x06});

    programMode();
    QByteArray reply = host.exchange(Bytes({0x52, 0x00, 0x00, 0x10}), 22);
    EXPECT_EQ(reply.mid(4, 16), radio.memory.left(16));
    EXPECT_TRUE(host.sendAndWait(write, 50).isEmpty());
    EXPECT_EQ(radio.log().last().kind, QStringLiteral("REFUSED"));
    EXPECT_EQ(static_cast<uint8_t>(radio.memory[1]), 0xA1);

    radio.factoryWord = "FACTORY";
    EXPECT_EQ(host.exchange("FACTORY", 3), QByteArray("YK\x06"));
    EXPECT_EQ(host.exchange(write, 1), Bytes({0x06}));
    EXPECT_EQ(radio.memory.left(16), write.mid(4, 16));
}

// ---- Faults --------------------------------------------------------------------------------

TEST_F(RadioSimTest, DropLeavesOutExactlyTheNamedReply)
{
    radio.faults.drop = {2};
    programMode();                                                  // reply 1
    EXPECT_TRUE(host.sendAndWait(Bytes({0x02}), 50).isEmpty());     // reply 2: dropped
    EXPECT_EQ(host.exchange(Bytes({0x02}), 16).size(), 16);         // reply 3
    EXPECT_EQ(radio.log().at(1).fault, QStringLiteral("dropped"));
    EXPECT_EQ(radio.repliesCounted(), 3);
}

TEST_F(RadioSimTest, ResendAnswersTheNextWritesWithTheResendByte)
{
    radio.faults.resendCount = 2;
    radio.faults.resendAddress = 0x0110;
    programMode();
    const QByteArray data(16, '\x5A');
    EXPECT_EQ(host.exchange(WriteFrame(0x0100, data), 1), Bytes({0x06})); // other address: taken
    EXPECT_EQ(host.exchange(WriteFrame(0x0110, data), 1), Bytes({0x0A}));
    EXPECT_NE(radio.memory.mid(0x0110, 16), data);
    EXPECT_EQ(host.exchange(WriteFrame(0x0110, data), 1), Bytes({0x0A}));
    EXPECT_EQ(host.exchange(WriteFrame(0x0110, data), 1), Bytes({0x06}));
    EXPECT_EQ(radio.memory.mid(0x0110, 16), data);
}

TEST_F(RadioSimTest, CorruptSpoilsOnlyTheChecksumOfADataFrame)
{
    for (int i = 0; i < 16; ++i)
        radio.memory[0x40 + i] = static_cast<char>(0xFF);
    radio.faults.corrupt = {2, 3};
    programMode();
    QByteArray expected = ReadReply0040AllFF();
    expected[20] = 0x41;
    EXPECT_EQ(host.exchange(Bytes({0x52, 0x00, 0x40, 0x10}), 22), expected);
    EXPECT_EQ(host.exchange("END", 1), Bytes({0x07})); // no checksum: the last byte is spoilt
}

TEST_F(RadioSimTest, GarbageKeepsTheLengthButIsNoReply)
{
    radio.faults.garbage = {1};
    const QByteArray got = host.exchange("PROGRAM", 3);
    ASSERT_EQ(got.size(), 3);
    EXPECT_NE(got, QByteArray("YK\x06"));
    EXPECT_NE(got.at(0), 'Y');
}

TEST_F(RadioSimTest, DelayHoldsTheReplyBack)
{
    radio.faults.delayAt = {{1, 120}};
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(host.exchange("PROGRAM", 3), QByteArray("YK\x06"));
    EXPECT_GE(t.elapsed(), 115);
    EXPECT_LE(t.elapsed(), 1000);
    EXPECT_EQ(host.exchange(Bytes({0x02}), 16).size(), 16);
    EXPECT_EQ(radio.log().at(0).fault, QStringLiteral("delayed 120 ms"));
    EXPECT_EQ(radio.log().at(1).fault, QString()); // only the named reply waits
}

TEST_F(RadioSimTest, SplitSendsTwoPiecesWithAGap)
{
    radio.faults.split = {{2, 9}};
    radio.faults.splitGapMs = 60;
    programMode();
    const int before = static_cast<int>(host.pieces.size());
    EXPECT_EQ(host.exchange(Bytes({0x02}), 16).size(), 16);
    ASSERT_EQ(host.pieces.size(), before + 2);
    EXPECT_EQ(host.pieces.at(before).size(), 9);
    EXPECT_EQ(host.pieces.at(before + 1).size(), 7);
    EXPECT_GE(host.times.at(before + 1) - host.times.at(before), 55);
}

TEST_F(RadioSimTest, PacingTakesTheTimeOfTheLine)
{
    radio.faults.pace = true;
    programMode();
    QElapsedTimer t;
    t.start();
    const QByteArray reply = host.exchange(Bytes({0x52, 0x00, 0x40, 0x10}), 22);
    const qint64 took = t.elapsed();
    EXPECT_EQ(reply.size(), 22);
    // 22 bytes x 10 bits at 9600 baud: 22.9 ms. (A busy event loop may take several bytes in
    // one piece, as a slow reader of a real line would, so the pieces are not counted.)
    EXPECT_GE(took, 22);
}

TEST(RadioSimImage, LoadRefusesAnImageOfTheWrongSize)
{
    QTemporaryDir dir;
    const QString shortFile = dir.filePath(QStringLiteral("short.img"));
    QFile f(shortFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100, '\x01'));
    f.close();
    Radio r;
    QString error;
    EXPECT_FALSE(r.loadImage(shortFile, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("100 bytes")));
    EXPECT_EQ(r.memory, Radio::DefaultMemory());
    EXPECT_FALSE(r.loadImage(dir.filePath(QStringLiteral("missing.img")), &error));

    r.memory[0x1234] = '\x77';
    const QString good = dir.filePath(QStringLiteral("good.img"));
    ASSERT_TRUE(r.saveImage(good, &error));
    Radio r2;
    ASSERT_TRUE(r2.loadImage(good, &error));
    EXPECT_EQ(r2.memory, r.memory);
}

TEST_F(RadioSimTest, LogNamesEveryFrame)
{
    radio.faults.drop = {3};
    programMode();
    host.exchange(Bytes({0x02}), 16);
    host.sendAndWait(Bytes({0x52, 0x00, 0x10, 0x10}), 30);
    ASSERT_EQ(radio.log().size(), 3);
    EXPECT_EQ(radio.log().at(0).kind, QStringLiteral("PROGRAM"));
    EXPECT_EQ(radio.log().at(1).kind, QStringLiteral("IDENTIFY"));
    EXPECT_EQ(radio.log().at(2).kind, QStringLiteral("READ"));
    EXPECT_EQ(radio.log().at(2).address, 0x0010);
    EXPECT_TRUE(radio.logText().contains(QStringLiteral("READ     0010")));
    EXPECT_TRUE(radio.logText().contains(QStringLiteral("[dropped]")));
}

} // namespace
