#pragma once
// The language choice: English or Chinese for the rest of the run (never stored).

#include <QDialog>

class ComboBox;
class QLabel;
class QPushButton;

class FrmLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FrmLanguage(QWidget *parent = nullptr);

    ComboBox *Combo1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;

private:
    void Form_Load();
    void CommandOK_Click();
    void CommandCancel_Click();
};
