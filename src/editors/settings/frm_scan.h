#pragma once
// The scan editor: the scan settings (ScanBlock). It works on its own copy; showing the window
// repairs the revert choice and the prompt-tone byte and writes the copy through at once, OK
// writes the user's choices, Cancel adds nothing. The two reserved bytes of the block are never
// changed. Nothing in this configuration opens it, but it is complete and reachable by its hook.

#include <QDialog>
#include <array>
#include <vector>

#include "data/radio_data.h"

class ComboBox;
class QCheckBox;
class QLabel;
class QPushButton;
class UserChanges;

class FrmScan : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCombos = 13;
    static constexpr int kRevertChoices = 8;

    explicit FrmScan(QWidget *parent = nullptr);

    // Rebuilds the revert choices for the priority mode shown.
    void InitRevertList();

private:
    void Form_Load();
    void InitScanCaptions();
    void InitScanLists();
    void ShowScanData();
    void EnableScanControls();
    void ShowRevertChoice();
    void RevertChosen();
    void Combo1_Click(int index);
    void CommandOK_Click();
    void CommandCancel_Click();

    std::array<ComboBox *, kCombos> Combo1{};
    std::array<QLabel *, kCombos> Label1{};
    ComboBox *Combo2 = nullptr; // the master list of revert choices, never shown
    QCheckBox *Check1 = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
    UserChanges *changes_ = nullptr;
    ScanBlock ScanEditCopy{};
    // The master index of each item of Combo1(6), so that a choice is stored by what it is and
    // not found again by its text.
    std::vector<int> revertMaster_;
};

// Shows the scan editor modally.
void ShowFrmScan();
