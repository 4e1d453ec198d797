#pragma once
// The radio's serial frames, byte by byte, the frame checksum, the checks that recognise a reply,
// and the fixed steps of sending a frame.
//
// Program to radio: ProgramCommand "PROGRAM"; IdentifyRequest 02; ReadRequest "R" addr-hi addr-lo
// length; DataFrame "W" addr-hi addr-lo length data.. checksum 06; EndCommand "END".
// Radio to program: HandshakeAck "YK" 06; IdentifyReply "I" .. 06 (16 bytes); DataFrame as above
// (a read reply); AckByte 06; RepeatByte 0A (send the frame again).
//
// Positions in a reply are counted from the first byte after the echo that the line may return
// (State().ReplySkip bytes). Every check compares the exact length, so a reply with one byte too
// many or too few is not recognised.

#include <QByteArray>
#include <cstdint>
#include <functional>

constexpr uint8_t AckByte = 0x06;
constexpr uint8_t RepeatByte = 0x0A;
constexpr int kHandshakeAckLength = 3;
constexpr int kIdentifyReplyLength = 16;
constexpr int kFrameOverhead = 6; // tag, two address bytes, length, checksum, end byte

// Frames, program to radio.
QByteArray ProgramCommand();
QByteArray IdentifyRequest();
QByteArray ReadRequest(int address, int length);
// A write frame: "W", address high and low byte, data length, the data, FrameChecksum, 06.
QByteArray DataFrame(int address, const QByteArray &data);
// The write frame of the WriteBlockSize bytes of MemoryImage at address (empty when the block
// lies outside the image).
QByteArray MemoryDataFrame(int address);
QByteArray EndCommand();

// The 8-bit sum of frame[start] .. frame[size - 3], the bytes in front of the checksum and end byte.
uint8_t FrameChecksum(const QByteArray &frame, int start);
// Stores FrameChecksum in the element before the last. Frames too short to hold it are left alone.
void SetFrameChecksum(QByteArray &frame, int start);
// The element before the last equals FrameChecksum; false for frames too short to hold one.
bool IsFrameChecksumOk(const QByteArray &frame, int start);

// Reply checks, each on the whole received array, reading from position ReplySkip.
bool IsHandshakeAck(const QByteArray &reply); // exactly ReplySkip + 3 bytes: "YK" 06
bool IsAck(const QByteArray &reply);          // exactly ReplySkip + 1 bytes: 06
bool IsRepeatRequest(const QByteArray &reply);// exactly ReplySkip + 1 bytes: 0A
// A read reply for LinkAddress with ReadBlockSize data bytes, exact length, end byte 06, checksum.
bool IsDataFrame(const QByteArray &reply);
// The shape of an IdentifyReply: exactly ReplySkip + 16 bytes, "I" first, 06 last.
bool IsIdentifyReplyFrame(const QByteArray &reply);
// A data frame for address with its own length byte (at least 16), exact length, 06 last and a
// right checksum. Shared by the checks for the password block and the test-data block.
bool IsDataFrameFor(const QByteArray &reply, int address);

// Copies the ReadBlockSize data bytes of a reply that IsDataFrame accepted into MemoryImage at
// LinkAddress. Anything that would fall outside the image is not copied.
void StoreDataFrame(const QByteArray &reply);

// The reply a sent frame awaits; it sets the receive threshold.
enum class AwaitedReply {
    HandshakeAck,  // after ProgramCommand or the factory entry word: ReplySkip + 3
    IdentifyReply, // after IdentifyRequest: ReplySkip + 16
    DataFrame,     // after a ReadRequest: ReadBlockSize + 6 + ReplySkip
    AckByte,       // after a write DataFrame (AckByte or RepeatByte) or EndCommand: ReplySkip + 1
};
int ReceiveThresholdFor(AwaitedReply awaited);

// Sends a frame by the fixed steps, all before control returns to the event loop:
//   1. (the caller has built the frame)
//   2. ReplySkip := 0 when NoEchoFlag is set, else the frame's length;
//   3. startReplyTimer() - the transfer engine's reply timer (WaitTimer), a new 300 ms wait;
//   4. the transmit and receive buffers are emptied;
//   5. the receive threshold is set for the awaited reply;
//   6. the frame is written.
// False when the port is not open or the write fails; the caller then shows the port error.
bool SendLinkFrame(const QByteArray &frame, AwaitedReply awaited, const std::function<void()> &startReplyTimer);
