// The port auto-detect: candidates in their order, the setting that the radio answers on saved,
// the transfer carried on; a radio of another model as the fallback.

#include <QSet>

#include "data/lang_text.h"
#include "data/message_table.h"
#include "link/com_port_list.h"
#include "link/link_windows.h"
#include "link/memory_image.h"
#include "link/port_auto_detect.h"
#include "link/radio_link.h"
#include "link/skip_list.h"
#include "link_fixture.h"
#include "platform/ini_file.h"

using namespace linktest;

namespace {

struct Setting {
    QString device;
    int handshaking, stopBits;
    bool operator==(const Setting &) const = default;
};

class AutoDetectTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        qputenv("TORVA_EXTRA_PORTS", QByteArray("3=/dev/probe3,5=/dev/probe5"));
    }
    // The radio hears the program only on this device and setting; every handshake sent is noted.
    void AnswerOnlyOn(const Setting &answering)
    {
        port.onWrite = [this, answering](const QByteArray &b) {
            const Setting now{port.devicePath(), port.settings().handshaking, port.settings().stopBits};
            if (b == "PROGRAM" && (tried.isEmpty() || !(tried.last() == now)))
                tried << now;
            if (now == answering)
                radio.receive(b);
        };
    }
    // A read prepared as its command does, then the search over ports instead of its handshake.
    void StartRead(const QList<int> &ports)
    {
        State().CurOperation = OpReadRadio;
        State().ComPort = 3;
        ASSERT_TRUE(OpenRadioPort(EngineSteps()));
        ResetMemoryImage();
        PrepareReadSkipList(false);
        Link().sessionActive = true;
        StartAutoDetect(ports, OpReadRadio, QStringLiteral("Read data from radio"));
    }
    QString Saved(const char *key) const
    {
        return IniFile::Read(MySetupPath(), QStringLiteral("language"), QString::fromLatin1(key));
    }
    QList<Setting> tried;
};

TEST_F(AutoDetectTest, TheRadioIsFoundOnTheFifteenthSettingAndTheReadCarriesOn)
{
    AnswerOnlyOn({"/dev/probe5", 2, 2});
    StartRead({3, 5});
    int timeouts = 0;
    ASSERT_TRUE(RunWithTimeoutsAtOnce(&timeouts));
    ASSERT_EQ(tried.size(), 15);
    // Every silent setting costs three handshakes, each ended by its time-out.
    EXPECT_EQ(timeouts, 14 * 3);
    EXPECT_EQ(port.writes.count("PROGRAM"), 14 * 3 + 1);
    const QList<Setting> firstOfPort5{{"/dev/probe5", 0, 1}, {"/dev/probe5", 1, 1}, {"/dev/probe5", 2, 1},
                                      {"/dev/probe5", 3, 1}, {"/dev/probe5", 0, 2}, {"/dev/probe5", 1, 2},
                                      {"/dev/probe5", 2, 2}};
    EXPECT_EQ(tried.mid(8), firstOfPort5);
    EXPECT_EQ(tried[0], (Setting{"/dev/probe3", 0, 1}));
    EXPECT_EQ(tried[4], (Setting{"/dev/probe3", 0, 2}));
    EXPECT_EQ(State().ComPort, 5);
    EXPECT_EQ(State().LinkHandshaking, 2);
    EXPECT_EQ(State().LinkStopBits, 2);
    EXPECT_EQ(Saved("comPort"), "5");
    EXPECT_EQ(Saved("Handshaking"), "2");
    EXPECT_EQ(Saved("StopBit"), "2");
    // Found: the identify of the probe, then the read's own identify, password block and blocks.
    const QStringList frames = Frames();
    EXPECT_EQ(frames.mid(0, 5), (QStringList{"PROGRAM", "IDENTIFY", "IDENTIFY", "READ 0040", "READ 0010"}));
    EXPECT_EQ(frames.last(), "END");
    EXPECT_EQ(Messages(), (QStringList{GetLangText(2004)}));
}

TEST_F(AutoDetectTest, ARadioOfAnotherModelIsTheFallbackWhenNothingBetterAnswers)
{
    radio.identity.model = "K58TXB";
    AnswerOnlyOn({"/dev/probe3", 0, 1});
    StartRead({3});
    int timeouts = 0;
    ASSERT_TRUE(RunWithTimeoutsAtOnce(&timeouts));
    EXPECT_EQ(tried.size(), 8 + 1); // every setting of port 3, then the fallback's own handshake
    EXPECT_EQ(timeouts, 7 * 3);
    EXPECT_EQ(tried.last(), (Setting{"/dev/probe3", 0, 1}));
    EXPECT_EQ(Saved("comPort"), "3");
    EXPECT_EQ(Saved("Handshaking"), "0");
    EXPECT_EQ(Saved("StopBit"), "1");
    const QStringList m = Messages();
    ASSERT_EQ(m.size(), 2);
    EXPECT_TRUE(m[0].startsWith(InCurrentLanguage(MessageTable().MsgModelWrong)));
    EXPECT_EQ(m[1], GetLangText(2006));
}

TEST_F(AutoDetectTest, PortsThatCannotBeOpenedAreLeftAndNoRadioFailsTheTransfer)
{
    port.openFailure = PortOpenError::NotFound;
    State().CurOperation = OpReadRadio;
    Link().sessionActive = true;
    StartAutoDetect({3, 5}, OpReadRadio, QString());
    EXPECT_EQ(State().CurOperation, OpIdle);
    EXPECT_EQ(Messages(), (QStringList{GetLangText(2006)}));
    EXPECT_TRUE(port.writes.isEmpty());
}

} // namespace
