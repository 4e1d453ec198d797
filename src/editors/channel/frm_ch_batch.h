#pragma once
// The batch channel editor: writes chosen channel fields into every channel of a range of
// channel numbers at once, with a progression from one channel to the next for frequencies,
// tones and names. Two pages share the window: the parameter page (Frame1) with the inputs of
// every ticked item, and the item page (Frame2) that picks the items (BatchFunFlags, written to
// "BatchFun.ini" at every change). Which page shows is State().ItemPageShown, so the window
// reopens on the page it was closed on; everything else starts afresh at each opening.
//
// Apply writes straight into ChannelList (no copy, no undo) and redraws the channel grid; Close
// stores nothing.

#include <QDialog>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <random>

class ComboBox;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class TextBox;

// Number of entries of the batch tone list: no tone, 51 CTCSS tones, the custom tone, and every
// 9-bit DCS code in normal and inverted polarity.
constexpr int kBatchToneCount = 1077;

// The batch tone list in list order: entry 0 noToneText, 1..51 the CTCSS tones, 52 customText,
// 53..564 "D000N".."D777N", 565..1076 "D000I".."D777I".
QStringList BatchToneTexts(const QString &noToneText, const QString &customText);

// The four tone fields of one direction of a channel.
struct ToneFields {
    int16_t &type;
    int16_t &ctcssIndex;
    int16_t &dcsCode;
    int16_t &dcsInverted;
};

// Sets the tone fields from a batch tone list entry: entry 0 switches the tone off, a CTCSS entry
// (a tone number, or customText) sets CTCSS with index listIndex - 1, a "D<3 octal digits><N|I>"
// entry sets DCS with its code and polarity; anything else switches the tone off. Fields that
// the entry does not concern keep their values.
void ParseToneText(const QString &text, int listIndex, const QString &customText, ToneFields fields);

// The number in text once every character of stripChars is removed, rounded half to even;
// defaultValue for an empty text, one that is not a number, or one beyond 16 bits.
int16_t ParseNumberStripped(const QString &text, int16_t defaultValue, const QString &stripChars);

class FrmCHBatch : public QDialog {
    Q_OBJECT
public:
    explicit FrmCHBatch(QWidget *parent = nullptr); // loads the window (Form_Load)
    ~FrmCHBatch() override;

    void InitShowList();
    void ChangShowByLanguage();
    void ShowBatchFun();
    void SetShowData();

    // Value rules of the entry boxes.
    // text when it is a number, else def.
    static QString DefaultData(const QString &text, const QString &def);
    // A frequency (MHz) put on the raster counted from the lower limit of the band holding it
    // (band 0 when none does); rxFlag nonzero takes the receive limits, 0 the transmit limits.
    static double StepDataFre(double mhz, int16_t rxFlag);
    // A text in MHz put on the raster counted from 0, "#0.00000" (not a number counts as 0).
    static QString StepDataFree(const QString &text);
    // A text in kHz put on the raster counted from 0, as the shortest decimal ("12.5", "5", "0").
    static QString StepData(const QString &text);

    // Event handlers.
    void Check2_Click(int index);
    void CommandFun_Click();
    void CommandSelAll_Click();
    void CommandSelNone_Click();
    void CommandClose_Click();
    void CommandApply_Click();
    void Option1_Click();
    void Option3_Click();
    void Option6_Click();
    void Check3_Click(int index);
    void Check1_Click(int index);
    void Combo1_Click(int index);
    void Text1_Change(int index);
    void Text2_Change(int index);
    void Text2_LostFocus(int index);
    void Text3_LostFocus();

    // The random tone choice of the following Applies starts from this seed instead of the clock
    // (tests). The draw for each channel is the generator's next 32-bit value v, giving entry
    // v * 1077 / 2^32.
    void SetRandomSeed(uint32_t seed) { fixedSeed_ = seed; }

private:
    void Form_Load();
    void BuildWindow();
    void BuildParameterPage();
    void BuildItemPage();
    void ShowPage();
    void EnableEncodeInputs();
    int ToneEntryFor(int direction, int k);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label5 = nullptr;
    std::array<QRadioButton *, 2> Option1{};
    std::array<TextBox *, 2> Text1{};
    QCheckBox *Check4 = nullptr;
    QPushButton *CommandFun = nullptr;
    QPushButton *CommandApply = nullptr;
    QPushButton *CommandClose = nullptr;
    QPushButton *CommandSelAll = nullptr;
    QPushButton *CommandSelNone = nullptr;
    QFrame *Frame1 = nullptr;
    QFrame *Frame2 = nullptr;
    QFrame *Line1 = nullptr;

    std::array<QLabel *, 15> Label3{}; // index 5 is not used
    std::array<QLabel *, 8> Label4{};
    std::array<TextBox *, 10> Text2{};
    TextBox *Text3 = nullptr;
    std::array<ComboBox *, 14> Combo1{};
    std::array<QCheckBox *, 5> Check1{};
    std::array<QCheckBox *, 20> Check2{};
    std::array<QCheckBox *, 3> Check3{};
    std::array<QRadioButton *, 2> Option2{};
    std::array<QRadioButton *, 3> Option3{};
    std::array<QRadioButton *, 2> Option4{};
    std::array<QRadioButton *, 2> Option5{};
    std::array<QRadioButton *, 2> Option6{};
    std::array<QRadioButton *, 2> Option7{};
    std::array<QRadioButton *, 2> Option9{};
    std::array<QRadioButton *, 2> Option10{};

    // The parameter-page controls of each item, shown while its flag is on.
    std::array<QList<QWidget *>, 20> itemControls_;
    QString customToneText_; // the tone list's custom entry, as ParseToneText compares it
    std::mt19937 random_;
    std::optional<uint32_t> fixedSeed_;
};

// Shows the batch editor modally (menu MnuCHBatch).
int ShowFrmCHBatch(QWidget *parent = nullptr);
