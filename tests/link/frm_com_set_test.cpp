// The port list routines, the link settings in mysetup.ini, and the port dialog FrmComSet.

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "common/test_env.h"
#include "common/wait_until.h"
#include "data/app_state.h"
#include "data/lang_text.h"
#include "link/com_port_list.h"
#include "link/frames.h"
#include "link/frm_com_set.h"
#include "link/radio_port.h"
#include "platform/ini_file.h"
#include "platform/serial_port.h"
#include "platform/serial_port_list.h"
#include "radiosim/pty_server.h"
#include "radiosim/radio_sim.h"

using testenv::WaitUntil;

namespace {

class ComSetTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        hadExtra = qEnvironmentVariableIsSet("TORVA_EXTRA_PORTS");
        oldExtra = qgetenv("TORVA_EXTRA_PORTS");
        qunsetenv("TORVA_EXTRA_PORTS");
        SetSystemSerialPortSource([this] { return system; });
    }
    void TearDown() override
    {
        SetSystemSerialPortSource({});
        if (hadExtra)
            qputenv("TORVA_EXTRA_PORTS", oldExtra);
        else
            qunsetenv("TORVA_EXTRA_PORTS");
        AppTest::TearDown();
    }
    void setPorts(std::initializer_list<int> numbers)
    {
        system.clear();
        for (int n : numbers)
            system.append({n, DevicePathOfPort(n)});
    }
    static QStringList Items(const QComboBox *c)
    {
        QStringList items;
        for (int i = 0; i < c->count(); ++i)
            items << c->itemText(i);
        return items;
    }
    QString savedComPort() const
    {
        return IniFile::Read(MySetupPath(), QStringLiteral("language"), QStringLiteral("comPort"), QString(), 512);
    }
    QList<SerialPortEntry> system;
    QByteArray oldExtra;
    bool hadExtra = false;
};

TEST_F(ComSetTest, FillComPortListKeepsTheSystemOrderAndGivesTheFirstPort)
{
    setPorts({3, 1, 102});
    QComboBox list;
    list.addItem(QStringLiteral("old"));
    int clicks = 0;
    QObject::connect(&list, &QComboBox::currentIndexChanged, [&] { ++clicks; });
    EXPECT_EQ(FillComPortList(&list), 3);
    EXPECT_EQ(Items(&list), (QStringList{"COM3", "COM1", "COM102"}));
    EXPECT_EQ(list.itemData(2, Qt::ToolTipRole).toString(), QStringLiteral("/dev/ttyUSB1"));
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(clicks, 0);

    setPorts({});
    EXPECT_EQ(FillComPortList(&list), 0);
    EXPECT_EQ(list.count(), 0);
}

TEST_F(ComSetTest, IsComPortListedAndFirstComPort)
{
    setPorts({4, 2});
    EXPECT_TRUE(IsComPortListed(2));
    EXPECT_TRUE(IsComPortListed(4));
    EXPECT_FALSE(IsComPortListed(1));
    EXPECT_FALSE(IsComPortListed(0));
    EXPECT_EQ(FirstComPort(), 4);
    setPorts({});
    EXPECT_FALSE(IsComPortListed(4));
    EXPECT_EQ(FirstComPort(), 0);
}

TEST_F(ComSetTest, PortNumberOfEntry)
{
    EXPECT_EQ(PortNumberOfEntry(QStringLiteral("COM3")), 3);
    EXPECT_EQ(PortNumberOfEntry(QStringLiteral("COM255")), 255);
    EXPECT_EQ(PortNumberOfEntry(QStringLiteral("COMx")), 0);
    EXPECT_EQ(PortNumberOfEntry(QString()), 0);
}

TEST_F(ComSetTest, SaveLinkSettingsWritesThreeKeys)
{
    State().ComPort = 12;
    State().LinkHandshaking = 2;
    State().LinkStopBits = -1;
    SaveLinkSettings();
    const QString section = QStringLiteral("language");
    EXPECT_EQ(savedComPort(), QStringLiteral("12"));
    EXPECT_EQ(IniFile::Read(MySetupPath(), section, QStringLiteral("Handshaking")), QStringLiteral("2"));
    EXPECT_EQ(IniFile::Read(MySetupPath(), section, QStringLiteral("StopBit")), QStringLiteral("-1"));
    EXPECT_EQ(IniFile::Read(MySetupPath(), section, QStringLiteral("IsFirstRun")), QStringLiteral("0"));
}

TEST_F(ComSetTest, SaveLinkSettingsWritesPlainDecimalKeysInOrderIntoANewFile)
{
    ASSERT_TRUE(QFile::remove(MySetupPath()));
    State().ComPort = 205;
    State().LinkHandshaking = 0;
    State().LinkStopBits = -2;
    SaveLinkSettings();
    QFile f(MySetupPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList lines;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            lines << QString::fromLatin1(line.trimmed());
    EXPECT_EQ(lines, (QStringList{"[language]", "comPort=205", "Handshaking=0", "StopBit=-2"}));
}

TEST_F(ComSetTest, LoadShowsCaptionsAndSelectsTheCurrentPort)
{
    setPorts({3, 1});
    State().ComPort = 1;
    FrmComSet dlg;
    EXPECT_EQ(dlg.windowTitle(), GetLangText(1401));
    EXPECT_FALSE(dlg.windowTitle().isEmpty());
    EXPECT_EQ(dlg.findChild<QLabel *>(QStringLiteral("Label1"))->text(), GetLangText(1402));
    EXPECT_EQ(dlg.findChild<QPushButton *>(QStringLiteral("CommandOK"))->text(), GetLangText(101));
    EXPECT_EQ(dlg.findChild<QPushButton *>(QStringLiteral("CommandCancel"))->text(), GetLangText(102));
    auto *combo = dlg.findChild<QComboBox *>(QStringLiteral("Combo1"));
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(Items(combo), (QStringList{"COM3", "COM1"}));
    EXPECT_EQ(combo->currentText(), QStringLiteral("COM1"));
    EXPECT_EQ(dlg.ChosenPort(), 1);
    auto *timer = dlg.findChild<QTimer *>(QStringLiteral("ReShowComPortTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
}

TEST_F(ComSetTest, AnUnlistedPortFallsBackToTheFirstAndOkWritesIt)
{
    setPorts({3, 4});
    State().ComPort = 7;
    FrmComSet dlg;
    auto *combo = dlg.findChild<QComboBox *>(QStringLiteral("Combo1"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("COM3"));
    EXPECT_EQ(dlg.ChosenPort(), 3);
    EXPECT_EQ(State().ComPort, 7); // only OK changes it
    dlg.findChild<QPushButton *>(QStringLiteral("CommandOK"))->click();
    EXPECT_EQ(State().ComPort, 3);
    EXPECT_EQ(savedComPort(), QStringLiteral("3"));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.findChild<QTimer *>(QStringLiteral("ReShowComPortTimer"))->isActive());
}

TEST_F(ComSetTest, NoPortsListedMeansNoPortOnOkAndNothingWritten)
{
    setPorts({});
    State().ComPort = 5;
    const QString before = savedComPort();
    FrmComSet dlg;
    auto *combo = dlg.findChild<QComboBox *>(QStringLiteral("Combo1"));
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(dlg.ChosenPort(), 0);
    dlg.CommandOK_Click();
    EXPECT_EQ(State().ComPort, 0);
    EXPECT_EQ(savedComPort(), before);
}

TEST_F(ComSetTest, CancelLeavesPortAndFileAlone)
{
    setPorts({3, 4});
    State().ComPort = 3;
    const QString before = savedComPort();
    FrmComSet dlg;
    auto *combo = dlg.findChild<QComboBox *>(QStringLiteral("Combo1"));
    combo->setCurrentIndex(1);
    EXPECT_EQ(dlg.ChosenPort(), 4);
    dlg.findChild<QPushButton *>(QStringLiteral("CommandCancel"))->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(State().ComPort, 3);
    EXPECT_EQ(savedComPort(), before);
}

TEST_F(ComSetTest, OnWindowsNt60EveryPortNumberIsOfferedAndNotRefreshed)
{
    setPorts({});
    State().IsWinNt60 = 1;
    State().ComPort = 17;
    FrmComSet dlg;
    auto *combo = dlg.findChild<QComboBox *>(QStringLiteral("Combo1"));
    ASSERT_EQ(combo->count(), 255);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("COM1"));
    EXPECT_EQ(combo->itemText(254), QStringLiteral("COM255"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("COM17"));
    EXPECT_EQ(dlg.ChosenPort(), 17);
    EXPECT_FALSE(dlg.findChild<QTimer *>(QStringLiteral("ReShowComPortTimer"))->isActive());
}

TEST_F(ComSetTest, RefreshFollowsUnpluggingButNotPluggingBack)
{
    setPorts({3, 5});
    State().ComPort = 3;
    FrmComSet dlg;
    auto *combo = dlg.findChild<QComboBox *>(QStringLiteral("Combo1"));
    combo->setCurrentIndex(1); // the user picks COM5
    EXPECT_EQ(dlg.ChosenPort(), 5);

    setPorts({3, 5, 101}); // another adapter comes: the pick stays
    dlg.ReShowComPortTimer_Timer();
    EXPECT_EQ(Items(combo), (QStringList{"COM3", "COM5", "COM101"}));
    EXPECT_EQ(combo->currentText(), QStringLiteral("COM5"));
    EXPECT_EQ(dlg.ChosenPort(), 5);

    setPorts({3, 101}); // COM5 is unplugged: the first port is selected
    dlg.ReShowComPortTimer_Timer();
    EXPECT_EQ(combo->currentText(), QStringLiteral("COM3"));
    EXPECT_EQ(dlg.ChosenPort(), 3);

    setPorts({3, 5, 101}); // plugged back: the selection does not move back
    dlg.ReShowComPortTimer_Timer();
    EXPECT_EQ(combo->currentText(), QStringLiteral("COM3"));

    setPorts({}); // everything gone
    dlg.ReShowComPortTimer_Timer();
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(dlg.ChosenPort(), 0);
    dlg.CommandOK_Click();
    EXPECT_EQ(State().ComPort, 0);
}

TEST_F(ComSetTest, ThePortListRefreshesItselfWithinASecond)
{
    setPorts({3});
    State().ComPort = 3;
    FrmComSet dlg;
    auto *combo = dlg.findChild<QComboBox *>(QStringLiteral("Combo1"));
    setPorts({3, 102});
    EXPECT_TRUE(WaitUntil([&] { return combo->count() == 2; }, 2500));
    EXPECT_EQ(combo->currentText(), QStringLiteral("COM3"));
}

TEST_F(ComSetTest, ShownModallyThroughThePrompt)
{
    setPorts({3, 4});
    State().ComPort = 3;
    script->onModal([](QDialog *d) {
        d->findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentIndex(1);
        d->findChild<QPushButton *>(QStringLiteral("CommandOK"))->click();
        return d->result();
    });
    EXPECT_EQ(ShowFrmComSet(), QDialog::Accepted);
    EXPECT_EQ(State().ComPort, 4);
    ASSERT_EQ(script->calls.size(), 1);
    EXPECT_EQ(script->calls.first().title, QStringLiteral("FrmComSet"));
}

TEST_F(ComSetTest, AnExtraPortShowsInTheListAndOpensAsTheRadioPort)
{
    radiosim::Radio radio;
    radiosim::PtyServer server(radio);
    ASSERT_TRUE(server.start());
    qputenv("TORVA_EXTRA_PORTS", "9=" + server.slavePath().toLocal8Bit());
    setPorts({1});
    State().ComPort = 1;

    FrmComSet dlg;
    auto *combo = dlg.findChild<QComboBox *>(QStringLiteral("Combo1"));
    const int at = combo->findText(QStringLiteral("COM9"));
    ASSERT_EQ(at, 1);
    EXPECT_EQ(combo->itemData(at, Qt::ToolTipRole).toString(), server.slavePath());
    combo->setCurrentIndex(at);
    dlg.CommandOK_Click();
    EXPECT_EQ(State().ComPort, 9);
    EXPECT_EQ(savedComPort(), QStringLiteral("9"));

    SystemSerialPort port;
    InstallRadioPort(&port);
    QList<QByteArray> replies;
    QObject::connect(&port, &SerialPort::received, [&] { replies.append(port.input()); });
    State().CurOperation = OpReadRadio;
    ASSERT_TRUE(OpenRadioPort());
    EXPECT_EQ(port.devicePath(), server.slavePath());
    ASSERT_TRUE(SendLinkFrame(ProgramCommand(), AwaitedReply::HandshakeAck, {}));
    ASSERT_TRUE(WaitUntil([&] { return !replies.isEmpty(); }, 3000));
    EXPECT_TRUE(IsHandshakeAck(replies.first()));
    port.close();
    InstallRadioPort(nullptr);
}

} // namespace
