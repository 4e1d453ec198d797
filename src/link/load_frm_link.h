#pragma once
// The link set-up window "Initial Setup": the user picks a serial port and tests it with the
// programming handshake on a serial port of the window's own. A good answer closes the window
// after 100 ms; no answer within 300 ms says "Communication Error!" and leaves the window open.
// The window works directly on ComPort. Nothing in this configuration opens it.

#include <QDialog>
#include <QTimer>

class ComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SerialPort;

class LoadFrmLink : public QDialog {
    Q_OBJECT
public:
    // port: the window's own serial port (a real one when none is given); the window does not
    // take a given port's ownership.
    explicit LoadFrmLink(QWidget *parent = nullptr, SerialPort *port = nullptr);
    ~LoadFrmLink() override;

    QPlainTextEdit *Text1 = nullptr;
    QLabel *Label1 = nullptr;
    ComboBox *Combo1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    SerialPort *MSComm1 = nullptr;
    QTimer LinkWaitTimer;      // 300 ms
    QTimer EndTimer;           // 100 ms
    QTimer ReShowComPortTimer; // 1000 ms

    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void ReShowComPortTimer_Timer();
    void LinkWaitTimer_Timer();
    void EndTimer_Timer();
    void MSComm1_OnComm();

    bool initComm2();
    void WriteLink2();
    static bool IsLink2(const QByteArray &bytes);

public slots:
    void done(int result) override;

private:
    void Form_Load();
    void Form_Unload();
    void LoadSetupText();
    // Fills the list; selects the entry of ComPort (or the first) and lets ComPort follow it.
    void FillPortList(bool allNumbers);
};
