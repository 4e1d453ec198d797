#include "link/load_frm_link.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "link/com_port_list.h"
#include "platform/dialog_routines.h"
#include "platform/form_kit.h"
#include "platform/ini_file.h"
#include "platform/numbers.h"
#include "platform/prompt.h"
#include "platform/serial_port.h"

namespace {

constexpr int kHandshakeAckLength = 3;
constexpr int kHighestListedPort = 255;

const QByteArray &HandshakeAckBytes()
{
    static const QByteArray ack("YK\x06", 3);
    return ack;
}

// The text of an entry "COMn" after its first three characters.
QString PortTextOf(const QString &entry) { return entry.mid(3); }

} // namespace

LoadFrmLink::LoadFrmLink(QWidget *parent, SerialPort *port) : QDialog(parent)
{
    setObjectName(QStringLiteral("LoadFrmLink"));
    setWindowTitle(QStringLiteral("Initial Setup"));
    setFixedSize(TwipsToPx(6000), TwipsToPx(3600));
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    SetGeometryTwips(Text1, 120, 120, 5760, 2520);
    Label1 = new QLabel(QStringLiteral("Com Port"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    SetGeometryTwips(Label1, 120, 2880, 900, 300);
    Combo1 = new ComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    SetGeometryTwips(Combo1, 1080, 2840, 1500, 315);
    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    SetGeometryTwips(Command1, 3240, 2820, 1215, 375);
    Command2 = new QPushButton(QStringLiteral("&Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    SetGeometryTwips(Command2, 4620, 2820, 1215, 375);

    MSComm1 = port ? port : new SystemSerialPort(this);

    // The reply wait and the pause before closing are timed; coarse timers may fire early.
    for (QTimer *timer : {&LinkWaitTimer, &EndTimer, &ReShowComPortTimer})
        timer->setTimerType(Qt::PreciseTimer);
    LinkWaitTimer.setInterval(300);
    LinkWaitTimer.setSingleShot(true);
    EndTimer.setInterval(100);
    EndTimer.setSingleShot(true);
    ReShowComPortTimer.setInterval(1000);

    connect(Combo1, &ComboBox::Click, this, &LoadFrmLink::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &LoadFrmLink::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &LoadFrmLink::Command2_Click);
    connect(&LinkWaitTimer, &QTimer::timeout, this, &LoadFrmLink::LinkWaitTimer_Timer);
    connect(&EndTimer, &QTimer::timeout, this, &LoadFrmLink::EndTimer_Timer);
    connect(&ReShowComPortTimer, &QTimer::timeout, this, &LoadFrmLink::ReShowComPortTimer_Timer);
    connect(MSComm1, &SerialPort::received, this, &LoadFrmLink::MSComm1_OnComm);
    Form_Load();
}

LoadFrmLink::~LoadFrmLink() { Form_Unload(); }

void LoadFrmLink::Form_Load()
{
    LoadSetupText();
    LinkWaitTimer.stop();
    const bool allNumbers = State().IsWinNt60 != 0;
    FillPortList(allNumbers);
    if (!allNumbers)
        ReShowComPortTimer.start();
}

void LoadFrmLink::LoadSetupText()
{
    const QString crlf = QStringLiteral("\r\n");
    Text1->setPlainText(GetMsgText(9014) + crlf + crlf + GetMsgText(9010) + crlf + GetMsgText(9011) + crlf +
                        GetMsgText(9012) + crlf + GetMsgText(9013));
}

void LoadFrmLink::FillPortList(bool allNumbers)
{
    AppState &st = State();
    int first = 0;
    if (allNumbers) {
        Combo1->Clear();
        for (int n = 1; n <= kHighestListedPort; ++n)
            Combo1->AddItem(QStringLiteral("COM%1").arg(n));
        first = 1;
    } else {
        first = FillComPortList(Combo1);
    }
    if (first < 1) {
        Combo1->setListIndex(-1);
        st.ComPort = 0;
        return;
    }
    // The entry of ComPort, or the first when it is not listed; ComPort follows the selection.
    const QString entry = FindComboItem(Combo1, QStringLiteral("COM%1").arg(st.ComPort));
    Combo1->setListIndex(Combo1->findText(entry));
    st.ComPort = PortNumberOfEntry(entry);
}

void LoadFrmLink::Combo1_Click()
{
    State().ComPort = Combo1->ListIndex() < 0 ? 0 : PortNumberOfEntry(Combo1->Text());
}

void LoadFrmLink::ReShowComPortTimer_Timer() { FillPortList(false); }

void LoadFrmLink::Command1_Click()
{
    AppState &st = State();
    if (Combo1->ListIndex() < 0) {
        st.ComPort = 0;
    } else if (const QString text = PortTextOf(Combo1->Text()); IsNumeric(text)) {
        st.ComPort = PortNumberOfEntry(Combo1->Text());
        // A failed write of the settings file is not reported.
        IniFile::Write(MySetupPath(), QStringLiteral("language"),
                       QStringLiteral("comPort"), QString::number(st.ComPort));
    } else {
        st.ComPort = 0;
    }
    if (initComm2())
        WriteLink2();
}

void LoadFrmLink::Command2_Click() { reject(); }

bool LoadFrmLink::initComm2()
{
    MSComm1->close();
    MSComm1->setReceiveThreshold(1);
    if (MSComm1->openPort(State().ComPort, PortSettings()))
        return true;
    prompt().MsgBox(QStringLiteral("Cannot Open Communication Port."), vbOKOnly + vbCritical);
    return false;
}

void LoadFrmLink::WriteLink2()
{
    MSComm1->clearOutput();
    MSComm1->clearInput();
    MSComm1->setReceiveThreshold(kHandshakeAckLength);
    MSComm1->write(QByteArrayLiteral("PROGRAM"));
    LinkWaitTimer.start();
}

bool LoadFrmLink::IsLink2(const QByteArray &bytes)
{
    return bytes.size() >= kHandshakeAckLength && bytes.left(kHandshakeAckLength) == HandshakeAckBytes();
}

void LoadFrmLink::MSComm1_OnComm()
{
    if (!IsLink2(MSComm1->input()))
        return; // the time-out stays armed
    LinkWaitTimer.stop();
    EndTimer.start();
}

void LoadFrmLink::LinkWaitTimer_Timer()
{
    LinkWaitTimer.stop();
    prompt().MsgBox(QStringLiteral("Communication Error!"), vbOKOnly);
}

void LoadFrmLink::EndTimer_Timer()
{
    EndTimer.stop();
    done(QDialog::Accepted); // the port answered
}

void LoadFrmLink::Form_Unload()
{
    ReShowComPortTimer.stop();
    LinkWaitTimer.stop();
    EndTimer.stop();
    if (MSComm1->isOpen())
        MSComm1->close();
}

void LoadFrmLink::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}
