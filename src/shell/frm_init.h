#pragma once
// The initialisation settings: whether a new data set keeps every channel of its factory template
// ("FactoryFres" of "mysetup.ini"). Nothing in the program opens it.

#include <QDialog>

class QCheckBox;
class QPushButton;

class FrmInit : public QDialog {
    Q_OBJECT
public:
    explicit FrmInit(QWidget *parent = nullptr);

    QCheckBox *Check1 = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;

private:
    void Form_Load();
    void CommandOK_Click();
    void CommandCancel_Click();
};
