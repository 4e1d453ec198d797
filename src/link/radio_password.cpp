#include "link/radio_password.h"

#include "data/app_state.h"
#include "data/value_rules.h"
#include "link/frames.h"
#include "link/radio_link.h"

namespace {
constexpr uint8_t kDataTag = 0x57; // "W"
constexpr uint8_t kFrameEnd = 0x06;
constexpr int kFrameOverhead = 6; // tag, address (2), length, checksum, end
constexpr int kPasswordOffset = 12; // data bytes 12..15

uint8_t At(const QByteArray &bytes, int i) { return static_cast<uint8_t>(bytes.at(i)); }
} // namespace

void RequestPasswordBlock()
{
    QByteArray frame;
    frame.append('R');
    frame.append(static_cast<char>(kPasswordBlock >> 8));
    frame.append(static_cast<char>(kPasswordBlock & 0xFF));
    frame.append(static_cast<char>(State().ReadBlockSize));
    SendLinkFrame(frame, State().ReadBlockSize + kFrameOverhead);
}

bool IsPasswordBlock(const QByteArray &reply)
{
    const AppState &st = State();
    const int k = st.ReplySkip;
    if (reply.size() < k + 22 || At(reply, k) != kDataTag)
        return false;
    if ((At(reply, k + 1) << 8 | At(reply, k + 2)) != kPasswordBlock)
        return false;
    if (reply.size() != k + At(reply, k + 3) + kFrameOverhead || At(reply, reply.size() - 1) != kFrameEnd)
        return false;
    if (st.CurLinkState != LsPassword)
        return false;
    return IsFrameChecksumOk(reply, k + 1);
}

QString RadioPasswordOf(const QByteArray &reply)
{
    const int first = State().ReplySkip + 4 + kPasswordOffset;
    QByteArray password(4, '\0');
    int n = 0;
    for (int i = 0; i < 4; ++i) {
        const uint8_t b = At(reply, first + i);
        if (b == 0xFF || b == 0x00)
            break;
        password[n++] = static_cast<char>(b);
    }
    return TrimFixStr(QString::fromLatin1(password));
}

bool CheckRadioPassword(const QByteArray &reply)
{
    const QString password = RadioPasswordOf(reply);
    return password.isEmpty() || password == State().PasswordEntry;
}
