#pragma once
// The embedded-information window: what the radio tells about itself (model, band plan, serial
// number, dates, dealer), shown after an information read. It only shows: every box and list is
// disabled and nothing is stored. Its captions are its own, in English and Chinese. The load alone
// fills every caption and value, so the print-out reads them from a window that is never shown.

#include <QDialog>

class ComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

class FrmEMG : public QDialog {
    Q_OBJECT
public:
    explicit FrmEMG(QWidget *parent = nullptr);

    // Fills every box and list from EmbeddedInfoBlock and the radio's model code.
    void ShowByData();

private:
    void Form_Load();
    void InitEmgCaptions();
    void CommandClose_Click();

    QWidget *Text1[12] = {}; // TextBox, except the multi-line reason box Text1(4)
    QPlainTextEdit *reasonBox_ = nullptr;
    ComboBox *Combo1[2] = {};
    QLabel *Label2 = nullptr;
    QLabel *Label1[14] = {};
    QGroupBox *Frame1 = nullptr;
    QPushButton *CommandClose = nullptr;
    QPushButton *CommandHelp = nullptr;
};

// Shows the window modally (the end of a successful information read).
void ShowFrmEMG();
