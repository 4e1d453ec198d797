#pragma once
// The About box: the program's title, version and two descriptive texts, and a button that starts
// the system's information tool. Its keys sit in the controls' tags for LocalizeFormCaptions.

#include <QDialog>
#include <QStringList>

class QFrame;
class QLabel;
class QPushButton;

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);

    // The program's version as major.minor.revision.
    static QString VersionText();
    // The system-information tools looked for on the search path, in this order.
    static QStringList SysInfoTools();

    // Starts the system's information tool without waiting for it; when there is none, or it
    // cannot be started, says so.
    void StartSysInfo();

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QFrame *Line1[2] = {};
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
};
