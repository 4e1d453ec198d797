#pragma once
// The model dialog: the user chooses the radio model and one of the eight band plans. A new band
// plan replaces the whole data set by the new plan's default data, after one warning.

#include <QDialog>

class ComboBox;
class QLabel;
class QPushButton;

class FrmModel : public QDialog {
    Q_OBJECT
public:
    explicit FrmModel(QWidget *parent = nullptr);

private:
    void Form_Load();
    void CommandOK_Click();
    void CommandCancel_Click();

    ComboBox *Combo1[2] = {};
    QLabel *Label1[2] = {};
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
};
