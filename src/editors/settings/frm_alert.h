#pragma once
// The emergency-alarm editor: the alarm and lone-worker settings (AlertBlock). It works on its
// own copy and writes all twelve bytes back on OK, each as its control shows it: a stored value
// outside its list shows the list's first item, and OK stores that item. Cancel stores nothing.
// The load fills every caption, list and shown value, so the print-out can read a window never
// shown.

#include <QDialog>
#include <array>

#include "data/radio_data.h"

class ComboBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

class FrmAlert : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCombos = 10;

    explicit FrmAlert(QWidget *parent = nullptr);

private:
    void Form_Load();
    void InitAlertCaptions();
    void InitAlertLists();
    void ShowAlertData();
    void BuildMemoryList();
    void Combo1_Click(int index);
    void Check1_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

    std::array<ComboBox *, kCombos> Combo1{};
    std::array<QLabel *, kCombos> Label1{};
    std::array<ComboBox *, 2> Combo2{};
    std::array<QLabel *, 2> Label2{};
    QGroupBox *Frame1 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
    AlertBlock AlertEditCopy{};
};

// Shows the emergency-alarm editor modally (menu MnuViewAlert, tree node "N11").
void ShowFrmAlert();
