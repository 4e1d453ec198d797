// The link set-up window: its port list, its own handshake test and the port it leaves chosen.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "data/lang_text.h"
#include "link/com_port_list.h"
#include "link/load_frm_link.h"
#include "link_fixture.h"
#include "platform/form_kit.h"
#include "platform/ini_file.h"
#include "platform/serial_port_list.h"

using namespace linktest;

namespace {

class LoadFrmLinkTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        SetSystemPorts({{3, "/dev/ttyS2"}, {5, "/dev/ttyS4"}});
        qputenv("TORVA_EXTRA_PORTS", QByteArray());
        // The window's own port reaches the same simulated radio.
        own.onWrite = [this](const QByteArray &b) { radio.receive(b); };
        radio.setOutput([this](const QByteArray &b) { own.feed(b); });
    }
    void TearDown() override
    {
        SetSystemSerialPortSource(nullptr);
        LinkTest::TearDown();
    }
    void SetSystemPorts(const QList<SerialPortEntry> &ports)
    {
        SetSystemSerialPortSource([ports] { return ports; });
    }
    QString SavedComPort() const
    {
        return IniFile::Read(MySetupPath(), QStringLiteral("language"), QStringLiteral("comPort"), QStringLiteral("none"));
    }
    FakeSerialPort own;
};

TEST_F(LoadFrmLinkTest, LoadShowsTheSetupTextAndSelectsTheCurrentPort)
{
    State().ComPort = 5;
    LoadFrmLink w(nullptr, &own);
    EXPECT_EQ(w.windowTitle(), "Initial Setup");
    EXPECT_EQ(w.Label1->text(), "Com Port");
    EXPECT_EQ(w.Command1->text(), "&OK");
    EXPECT_EQ(w.Command2->text(), "&Cancel");
    const QString expected = GetMsgText(9014) + "\n\n" + GetMsgText(9010) + "\n" + GetMsgText(9011) + "\n" +
                             GetMsgText(9012) + "\n" + GetMsgText(9013);
    EXPECT_EQ(w.Text1->toPlainText().replace("\r\n", "\n").replace('\r', '\n'), expected);
    EXPECT_EQ(w.Combo1->ListCount(), 2);
    EXPECT_EQ(w.Combo1->Text(), "COM5");
    EXPECT_EQ(State().ComPort, 5);
    EXPECT_TRUE(w.ReShowComPortTimer.isActive());
    EXPECT_EQ(w.ReShowComPortTimer.interval(), 1000);
    EXPECT_FALSE(w.LinkWaitTimer.isActive());
}

TEST_F(LoadFrmLinkTest, AnUnlistedPortFallsBackToTheFirstAndNoPortToNone)
{
    State().ComPort = 9;
    {
        LoadFrmLink w(nullptr, &own);
        EXPECT_EQ(w.Combo1->Text(), "COM3");
        EXPECT_EQ(State().ComPort, 3);
    }
    SetSystemPorts({});
    LoadFrmLink w(nullptr, &own);
    EXPECT_EQ(w.Combo1->ListIndex(), -1);
    EXPECT_EQ(State().ComPort, 0);
}

TEST_F(LoadFrmLinkTest, OnWindowsNt60TheListHoldsEveryNumberAndIsNotRebuilt)
{
    State().IsWinNt60 = 1;
    State().ComPort = 200;
    LoadFrmLink w(nullptr, &own);
    EXPECT_EQ(w.Combo1->ListCount(), 255);
    EXPECT_EQ(w.Combo1->List(254), "COM255");
    EXPECT_EQ(w.Combo1->Text(), "COM200");
    EXPECT_FALSE(w.ReShowComPortTimer.isActive());
}

TEST_F(LoadFrmLinkTest, APickChangesComPortAtOnceAndCancelDoesNotUndoIt)
{
    State().ComPort = 3;
    const QString saved = SavedComPort();
    LoadFrmLink w(nullptr, &own);
    w.Combo1->setListIndex(1);
    EXPECT_EQ(State().ComPort, 5);
    w.Command2->click();
    EXPECT_EQ(State().ComPort, 5);
    EXPECT_EQ(SavedComPort(), saved);
    EXPECT_TRUE(own.writes.isEmpty());
}

TEST_F(LoadFrmLinkTest, TheRebuiltListKeepsThePickWhileItsPortStays)
{
    State().ComPort = 5;
    LoadFrmLink w(nullptr, &own);
    SetSystemPorts({{1, "/dev/ttyS0"}, {5, "/dev/ttyS4"}});
    w.ReShowComPortTimer_Timer();
    EXPECT_EQ(w.Combo1->Text(), "COM5");
    SetSystemPorts({{1, "/dev/ttyS0"}}); // the adapter was unplugged
    w.ReShowComPortTimer_Timer();
    EXPECT_EQ(w.Combo1->Text(), "COM1");
    EXPECT_EQ(State().ComPort, 1);
    SetSystemPorts({{1, "/dev/ttyS0"}, {5, "/dev/ttyS4"}}); // and plugged back in
    w.ReShowComPortTimer_Timer();
    EXPECT_EQ(w.Combo1->Text(), "COM1");
}

TEST_F(LoadFrmLinkTest, AGoodAnswerSavesThePortAndClosesTheWindowAfter100Ms)
{
    State().ComPort = 5;
    LoadFrmLink w(nullptr, &own);
    // The order: the answer stops the reply wait and starts the 100 ms close, and the window is
    // still open until that ends it.
    bool openWithCloseRunning = false;
    QTimer::singleShot(0, &w, [&] {
        w.Command1->click();
        testenv::WaitUntil([&] { return !w.LinkWaitTimer.isActive() || !w.isVisible(); }, 3000);
        openWithCloseRunning = w.isVisible() && w.EndTimer.isActive() && !w.LinkWaitTimer.isActive();
    });
    EXPECT_EQ(ExecBounded(&w, 5000), QDialog::Accepted);
    EXPECT_TRUE(openWithCloseRunning);
    EXPECT_EQ(w.EndTimer.interval(), 100);
    // Timers whose period matters are precise: a coarse one may fire up to 5 % early.
    EXPECT_EQ(w.EndTimer.timerType(), Qt::PreciseTimer);
    EXPECT_EQ(w.LinkWaitTimer.timerType(), Qt::PreciseTimer);
    EXPECT_EQ(own.writes, (QList<QByteArray>{"PROGRAM"}));
    EXPECT_EQ(own.opens, (QList<QString>{"/dev/ttyS4"}));
    EXPECT_EQ(SavedComPort(), "5");
    EXPECT_FALSE(own.isOpen());
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST_F(LoadFrmLinkTest, AnAnswerIsGoodWhenItBeginsWithTheHandshakeAcknowledgement)
{
    EXPECT_TRUE(LoadFrmLink::IsLink2(QByteArray("YK\x06", 3)));
    EXPECT_TRUE(LoadFrmLink::IsLink2(QByteArray("YK\x06\x06\x01", 5)));
    EXPECT_FALSE(LoadFrmLink::IsLink2(QByteArray("YK", 2)));
    EXPECT_FALSE(LoadFrmLink::IsLink2(QByteArray("YK\x15", 3)));
    EXPECT_FALSE(LoadFrmLink::IsLink2(QByteArray("\x06YK\x06", 4)));
}

TEST_F(LoadFrmLinkTest, NoGoodAnswerWithin300MsIsACommunicationErrorAndTheWindowStays)
{
    own.onWrite = [this](const QByteArray &) { own.feed(QByteArray("YX\x06", 3)); };
    State().ComPort = 3;
    LoadFrmLink w(nullptr, &own);
    w.Command1->click();
    EXPECT_TRUE(w.LinkWaitTimer.isActive());
    ASSERT_TRUE(testenv::WaitUntil([&] { return !script->messages().isEmpty(); }, 3000));
    EXPECT_EQ(script->messages()[0].text, "Communication Error!");
    EXPECT_EQ(script->messages()[0].style, vbOKOnly);
    EXPECT_TRUE(own.isOpen());
    EXPECT_NE(w.result(), QDialog::Accepted);
    // OK can be pressed again.
    own.onWrite = [this](const QByteArray &b) { radio.receive(b); };
    w.Command1->click();
    ASSERT_TRUE(testenv::WaitUntil([&] { return !own.isOpen(); }, 3000));
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(script->messages().size(), 1);
}

TEST_F(LoadFrmLinkTest, APortThatCannotBeOpenedIsReportedAndNothingIsSent)
{
    own.openFailure = PortOpenError::Busy;
    State().ComPort = 3;
    LoadFrmLink w(nullptr, &own);
    w.Command1->click();
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, "Cannot Open Communication Port.");
    EXPECT_EQ(script->messages()[0].style, vbOKOnly + vbCritical);
    EXPECT_TRUE(own.writes.isEmpty());
    EXPECT_FALSE(w.LinkWaitTimer.isActive());
}

TEST_F(LoadFrmLinkTest, OkWithNothingSelectedUsesNoPort)
{
    SetSystemPorts({});
    LoadFrmLink w(nullptr, &own);
    w.Command1->click();
    EXPECT_EQ(State().ComPort, 0);
    EXPECT_EQ(script->messages().size(), 1); // port 0 cannot be opened
}

} // namespace
