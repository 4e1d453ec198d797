#include "link/radio_password.h"

#include "data/app_state.h"
#include "data/value_rules.h"
#include "link/frames.h"
#include "link/radio_link.h"

namespace {
constexpr int kPasswordOffset = 12; // data bytes 12..15

uint8_t At(const QByteArray &bytes, int i) { return static_cast<uint8_t>(bytes.at(i)); }
} // namespace

void RequestPasswordBlock()
{
    LinkSend(ReadRequest(kPasswordBlock, State().ReadBlockSize), AwaitedReply::DataFrame);
}

bool IsPasswordBlock(const QByteArray &reply)
{
    // The length is the frame's own, not compared with ReadBlockSize.
    return State().CurLinkState == LsPassword && IsDataFrameFor(reply, kPasswordBlock);
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
