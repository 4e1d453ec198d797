#pragma once
// The option editor: the radio's general options (OptionBlock) and the three option bytes of the
// settings record (the two programmable keys and the FM-radio switch). It edits
// State().OptionEditCopy and writes it back on OK; Cancel stores nothing. The load fills every
// control, the hidden busy-lock list included, so the print-out can read a window never shown.

#include <QDialog>
#include <array>

class ComboBox;
class EnterAsTab;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class TextBox;
class UserChanges;

class FrmOption : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCombos = 27;
    static constexpr int kChecks = 8;
    static constexpr int kTextBoxes = 12;

    explicit FrmOption(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void InitOptionCaptions();
    void InitOptionLists();
    void ShowOptionData();
    void Combo1_Click(int index);
    void Check1_Click(int index);
    void CommandOK_Click();
    void CommandCancel_Click();
    void DisplayModeInterlock(int mode);

    std::array<ComboBox *, kCombos> Combo1{};
    std::array<QLabel *, kCombos> Label1{}; // no label for Combo1(18)
    std::array<QCheckBox *, kChecks> Check1{};
    std::array<TextBox *, kTextBoxes> Text1{};
    QLabel *Label2 = nullptr;
    QFrame *Frame1 = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;
    EnterAsTab *enterAsTab_ = nullptr;
    UserChanges *changes_ = nullptr;
    bool LoadFinished = false;
};

// Shows the option editor modally (menu MnuViewSetMode, tree node "N4").
void ShowFrmOption();
