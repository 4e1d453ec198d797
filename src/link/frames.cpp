#include "link/frames.h"

#include "data/app_state.h"
#include "link/radio_port.h"
#include "platform/serial_port.h"

namespace {

uint8_t At(const QByteArray &a, int i) { return static_cast<uint8_t>(a.at(i)); }

// The reply's byte at position p after the echo; the caller has checked the length.
uint8_t Pos(const QByteArray &reply, int p) { return At(reply, State().ReplySkip + p); }

int Size(const QByteArray &a) { return static_cast<int>(a.size()); }

bool IsSingleByteReply(const QByteArray &reply, uint8_t value)
{
    const int skip = State().ReplySkip;
    return skip >= 0 && Size(reply) == skip + 1 && Pos(reply, 0) == value;
}

// The common rule of a read reply: "W" first, at least the skip + 22 bytes, the address, exactly
// skip + length + 6 bytes, 06 last, a right checksum. expectedLength < 0 takes the frame's own.
bool IsDataFrameShape(const QByteArray &reply, int address, int expectedLength)
{
    const int skip = State().ReplySkip;
    if (skip < 0 || Size(reply) <= skip || Pos(reply, 0) != 'W')
        return false;
    if (Size(reply) < skip + 16 + kFrameOverhead)
        return false;
    if ((Pos(reply, 1) << 8 | Pos(reply, 2)) != address)
        return false;
    const int length = Pos(reply, 3);
    if (expectedLength >= 0 && length != expectedLength)
        return false;
    if (Size(reply) != skip + length + kFrameOverhead)
        return false;
    if (At(reply, Size(reply) - 1) != AckByte)
        return false;
    return IsFrameChecksumOk(reply, skip + 1);
}

} // namespace

QByteArray ProgramCommand() { return QByteArrayLiteral("PROGRAM"); }

QByteArray IdentifyRequest() { return QByteArray(1, '\x02'); }

QByteArray ReadRequest(int address, int length)
{
    QByteArray f;
    f.append('R');
    f.append(static_cast<char>((address >> 8) & 0xFF));
    f.append(static_cast<char>(address & 0xFF));
    f.append(static_cast<char>(length & 0xFF));
    return f;
}

QByteArray DataFrame(int address, const QByteArray &data)
{
    QByteArray f = ReadRequest(address, Size(data));
    f[0] = 'W';
    f.append(data);
    f.append('\0'); // checksum, set below
    f.append(static_cast<char>(AckByte));
    SetFrameChecksum(f, 1);
    return f;
}

QByteArray MemoryDataFrame(int address)
{
    const auto &image = State().MemoryImage;
    const int size = State().WriteBlockSize;
    if (address < 0 || size < 0 || address + size > static_cast<int>(image.size()))
        return QByteArray();
    return DataFrame(address, QByteArray(reinterpret_cast<const char *>(image.data()) + address, size));
}

QByteArray EndCommand() { return QByteArrayLiteral("END"); }

uint8_t FrameChecksum(const QByteArray &frame, int start)
{
    unsigned sum = 0;
    for (int i = start < 0 ? 0 : start; i <= Size(frame) - 3; ++i)
        sum += At(frame, i);
    return static_cast<uint8_t>(sum & 0xFF);
}

void SetFrameChecksum(QByteArray &frame, int start)
{
    if (start < 0 || Size(frame) < start + 2)
        return;
    frame[Size(frame) - 2] = static_cast<char>(FrameChecksum(frame, start));
}

bool IsFrameChecksumOk(const QByteArray &frame, int start)
{
    if (start < 0 || Size(frame) < start + 2)
        return false;
    return At(frame, Size(frame) - 2) == FrameChecksum(frame, start);
}

bool IsHandshakeAck(const QByteArray &reply)
{
    const int skip = State().ReplySkip;
    return skip >= 0 && Size(reply) == skip + kHandshakeAckLength && Pos(reply, 0) == 'Y' &&
           Pos(reply, 1) == 'K' && Pos(reply, 2) == AckByte;
}

bool IsAck(const QByteArray &reply) { return IsSingleByteReply(reply, AckByte); }

bool IsRepeatRequest(const QByteArray &reply) { return IsSingleByteReply(reply, RepeatByte); }

bool IsDataFrame(const QByteArray &reply)
{
    return IsDataFrameShape(reply, State().LinkAddress, State().ReadBlockSize);
}

bool IsIdentifyReplyFrame(const QByteArray &reply)
{
    const int skip = State().ReplySkip;
    return skip >= 0 && Size(reply) == skip + kIdentifyReplyLength && Pos(reply, 0) == 'I' &&
           At(reply, Size(reply) - 1) == AckByte;
}

bool IsDataFrameFor(const QByteArray &reply, int address) { return IsDataFrameShape(reply, address, -1); }

void StoreDataFrame(const QByteArray &reply)
{
    auto &image = State().MemoryImage;
    const int skip = State().ReplySkip;
    const int size = State().ReadBlockSize;
    const int address = State().LinkAddress;
    if (skip < 0 || size < 0 || address < 0 || address + size > static_cast<int>(image.size()) ||
        Size(reply) < skip + 4 + size)
        return;
    for (int i = 0; i < size; ++i)
        image[address + i] = At(reply, skip + 4 + i);
}

int ReceiveThresholdFor(AwaitedReply awaited)
{
    const int skip = State().ReplySkip;
    switch (awaited) {
    case AwaitedReply::HandshakeAck: return skip + kHandshakeAckLength;
    case AwaitedReply::IdentifyReply: return skip + kIdentifyReplyLength;
    case AwaitedReply::DataFrame: return State().ReadBlockSize + kFrameOverhead + skip;
    case AwaitedReply::AckByte: return skip + 1;
    }
    return skip + 1;
}

bool SendLinkFrame(const QByteArray &frame, AwaitedReply awaited, const std::function<void()> &startReplyTimer)
{
    State().ReplySkip = State().NoEchoFlag ? 0 : Size(frame);
    if (startReplyTimer)
        startReplyTimer();
    SerialPort &port = RadioPort();
    if (!port.isOpen())
        return false;
    port.clearOutput();
    port.clearInput();
    port.setReceiveThreshold(ReceiveThresholdFor(awaited));
    return port.write(frame);
}
