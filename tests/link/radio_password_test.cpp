// The password block and the comparison with the password typed last.

#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "link/frames.h"
#include "link/radio_password.h"

namespace {

// The radio's reply for the block at address whose last four data bytes are tail.
QByteArray Block(int address, const QByteArray &tail)
{
    QByteArray data(12, '\x11');
    data += tail;
    QByteArray r = DataFrame(address, data);
    return r;
}

class PasswordTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        testenv::AppTest::SetUp();
        State().CurLinkState = LsPassword;
    }
};

TEST_F(PasswordTest, TheBlockIsRecognisedOnlyWhileItIsAwaited)
{
    const QByteArray block = Block(0x0040, "\xFF\xFF\xFF\xFF");
    EXPECT_TRUE(IsPasswordBlock(block));
    // Checksum of the example: 00 + 40 + 10 + 12 x 11 + 4 x FF.
    EXPECT_EQ(static_cast<uint8_t>(block.at(20)), (0x40 + 0x10 + 12 * 0x11 + 4 * 0xFF) & 0xFF);
    QByteArray badSum = block;
    badSum[20] = static_cast<char>(block.at(20) + 1);
    EXPECT_FALSE(IsPasswordBlock(badSum));
    EXPECT_FALSE(IsPasswordBlock(Block(0x0050, "\xFF\xFF\xFF\xFF")));
    EXPECT_FALSE(IsPasswordBlock(block + '\x06'));
    for (LinkState s : {LsIdle, LsHandshake, LsIdentify, LsBlocks, LsEndFinish}) {
        State().CurLinkState = s;
        EXPECT_FALSE(IsPasswordBlock(block)) << s;
    }
}

TEST_F(PasswordTest, TheRadioPasswordEndsAtFfOrNul)
{
    struct Case {
        QByteArray tail;
        QString entry;
        bool passes;
    };
    const Case cases[] = {
        {"\xFF\xFF\xFF\xFF", "", true},
        {"\xFF\xFF\xFF\xFF", "1234", true},   // no password: whatever was typed
        {QByteArray("\x00" "BC\xFF", 4), "x", true}, // a first byte 00 means none too
        {"AB\xFF\xFF", "AB", true},
        {"AB\xFF\xFF", "ab", false},          // case matters
        {"AB\xFF\xFF", "", false},
        {"1234", "1234", true},
        {"1234", "123", false},
        {QByteArray("12\x00" "4", 4), "12", true},
        {"AB  ", "AB", true},                 // trailing spaces are cut as in a fixed text
    };
    for (const Case &c : cases) {
        State().PasswordEntry = c.entry;
        EXPECT_EQ(CheckRadioPassword(Block(0x0040, c.tail)), c.passes) << c.tail.toHex().constData() << " " << c.entry.toStdString();
    }
}

} // namespace
