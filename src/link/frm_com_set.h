#pragma once
// The port dialog: the user picks the serial port of the programming cable from the ports the
// system lists. The list is rebuilt every second, so an adapter plugged in while the dialog is
// open shows up, and the pick survives a rebuild while its port stays listed. OK makes the pick
// ComPort and writes it to "mysetup.ini"; Cancel changes nothing. The dialog does not open the port.

#include <QDialog>
#include <cstdint>

class ComboBox;
class QLabel;
class QPushButton;
class QTimer;

class FrmComSet : public QDialog {
    Q_OBJECT
public:
    explicit FrmComSet(QWidget *parent = nullptr); // loads the window (Form_Load)
    ~FrmComSet() override;

    // The port number of the selected entry, 0 when none is selected.
    int16_t ChosenPort() const { return chosenPort_; }

    void Combo1_Click();
    void ReShowComPortTimer_Timer();
    void CommandOK_Click();
    void CommandCancel_Click();

protected:
    void done(int result) override; // Form_Unload

private:
    void Form_Load();
    void SelectPort(int16_t port);

    QLabel *Label1 = nullptr;
    ComboBox *Combo1 = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
    QTimer *ReShowComPortTimer = nullptr;
    int16_t chosenPort_ = 0;
};

// Shows the port dialog modally (the menu item MnuSetCom and the toolbar button TCommPort).
int ShowFrmComSet(QWidget *parent = nullptr);
