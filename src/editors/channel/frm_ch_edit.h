#pragma once
// The single-channel dialog: shows channel CurChannelNo through EditChannelBuffer, lets the user
// change it, and on OK modifies, appends or deletes it in the working channel table; Cancel
// stores nothing. The constructor runs the whole load, so the print-out can read the captions and
// lists of a window that is never shown, and hidden controls carry the fields the user does not
// see from the show to OK.
//
// OK builds the record from what the controls show. A stored list value that its list cannot
// show (from a radio or a foreign file) shows as the list's first item, and OK stores that item:
// a 2-tone or 5-tone channel is shown and stored with its signalling off, keeping its entry
// through the hidden entry lists.

#include <QDialog>
#include <array>

class ComboBox;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class TextBox;
struct ChannelRecord;

class FrmCHEdit : public QDialog {
    Q_OBJECT
public:
    explicit FrmCHEdit(QWidget *parent = nullptr); // loads the window (Form_Load)
    ~FrmCHEdit() override;

    // Load steps, in the order Form_Load runs them.
    void InitChannelEditCaptions();
    void InitChannelEditLists();
    void LoadEditChannel();
    void ShowEditChannel();

    // Field rules.
    void ApplyEditSquelchRule();
    void Combo1_Click(int index);
    void Check4_Click(int index);

    // Inputs on while the RX box holds text, off while it is empty.
    void EnableChannelControls();
    void DisableChannelControls();
    void Text1_Change(int index);
    void Text3_LostFocus();

    // Store.
    void CommandOK_Click();
    void CommandCancel_Click();
    // Builds the channel from the controls into the slot that holds number; "No Find Data!"
    // when none does.
    void ModifyUFreData(int number);
    // Builds the channel on a blank record and appends it; refused (and said so) when every
    // slot is in use.
    void AddNewUFreData(int number);

protected:
    void done(int result) override; // Form_Unload
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void CreateControls();
    void SetTabOrder();
    void RememberSquelchChoice();
    void BuildRecord(ChannelRecord &c, bool append);
    void SetChannelControlsEnabled(bool on);

    std::array<QLabel *, 4> Label1{};
    std::array<QLabel *, 15> Label2{};
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    std::array<TextBox *, 11> Text1{};
    TextBox *Text2 = nullptr;
    TextBox *Text3 = nullptr;
    std::array<ComboBox *, 15> Combo1{};
    ComboBox *Combo2 = nullptr;
    std::array<ComboBox *, 4> Combo3{};
    std::array<ComboBox *, 3> Combo4{};
    QCheckBox *Check1 = nullptr;
    std::array<QCheckBox *, 2> Check2{};
    QCheckBox *Check3 = nullptr;
    std::array<QCheckBox *, 2> Check4{};
    QCheckBox *Check5 = nullptr;
    QCheckBox *Check6 = nullptr;
    QCheckBox *Check7 = nullptr;
    QFrame *Frame1 = nullptr;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandCancel = nullptr;

};

// Shows the dialog modally for CurChannelNo (the channel grid's edit column and mnuEditCH).
int ShowFrmCHEdit(QWidget *parent = nullptr);
