#include "editors/channel/frm_ch_batch.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "data/app_state.h"
#include "data/batch_fun_flags.h"
#include "data/channel_table.h"
#include "data/code_text.h"
#include "data/defaults.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/tone_tables.h"
#include "data/value_rules.h"
#include "platform/form_kit.h"
#include "platform/numbers.h"
#include "platform/prompt.h"

namespace {

// Layout in twips.
constexpr int kRowHeight = 300;
constexpr int kLabelGap = 100;   // a unit label ends this far left of its input
constexpr int kFrameLeft = 120;
constexpr int kFrameTop = 840;
constexpr int kFrameWidth = 9375;
constexpr int kFrameHeight = 6855;
constexpr int kInputLeft = 1300; // first input column of the parameter page
constexpr int kUpLeft = 4450;    // up/down pairs
constexpr int kDownLeft = 5200;
constexpr int kListLeft = 6400;  // right column: the list items
constexpr int kListWidth = 2700;

constexpr int kLastNormalChannel = 200;
constexpr int kNameLength = 6;

// Apply writes the items in this order: reverse before the squelch mode, whose rule reads it.
constexpr std::array<int, 19> kApplyOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 17, 9, 10, 12, 13, 14, 15, 16, 18, 19};

QLabel *NewLabel(QWidget *parent, const QString &name, int index, double left, double top, double width)
{
    auto *label = new QLabel(parent);
    if (index >= 0)
        SetArrayName(label, name, index);
    else
        label->setObjectName(name);
    SetGeometryTwips(label, left, top, width, kRowHeight);
    return label;
}

TextBox *NewTextBox(QWidget *parent, const QString &name, int index, double left, double top, double width,
                    int maxLength, const QString &chars)
{
    auto *box = new TextBox(parent);
    if (index >= 0)
        SetArrayName(box, name, index);
    else
        box->setObjectName(name);
    SetGeometryTwips(box, left, top, width, kRowHeight);
    box->setMaxLength(maxLength);
    box->setCharRule(TextBox::OnlyChars(chars));
    box->setClipboardKeysBlocked(true);
    box->setEnterMovesNext(true);
    return box;
}

ComboBox *NewCombo(QWidget *parent, int index, double left, double top, double width)
{
    auto *combo = new ComboBox(parent);
    SetArrayName(combo, QStringLiteral("Combo1"), index);
    combo->setEditable(false);
    SetGeometryTwips(combo, left, top, width, kRowHeight);
    return combo;
}

QCheckBox *NewCheck(QWidget *parent, const QString &name, int index, double left, double top, double width)
{
    auto *box = new QCheckBox(parent);
    SetArrayName(box, name, index);
    SetGeometryTwips(box, left, top, width, kRowHeight);
    return box;
}

// An option group: its buttons exclude only each other, whatever their parent.
template <std::size_t N>
void NewOptions(QWidget *parent, const QString &name, std::array<QRadioButton *, N> &options,
                const std::array<double, N> &lefts, double top, double width)
{
    auto *group = new QButtonGroup(parent);
    group->setExclusive(true);
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(parent);
        SetArrayName(options[i], name, static_cast<int>(i));
        SetGeometryTwips(options[i], lefts[i], top, width, kRowHeight);
        group->addButton(options[i], static_cast<int>(i));
    }
}

// An up/down pair: "Up" is short, "Down" longer in both languages.
void NewUpDown(QWidget *parent, const QString &name, std::array<QRadioButton *, 2> &pair, double top)
{
    NewOptions<2>(parent, name, pair, {kUpLeft, kDownLeft}, top, 700);
    pair[1]->resize(TwipsToPx(900), pair[1]->height());
}

void SetEnabled(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        w->setEnabled(on);
}

// A number of an entry box, in whole units of 10^-decimals; 0 for a text that is not a number.
int64_t BoxUnits(const TextBox *box, int decimals)
{
    int64_t units = 0;
    return ReadUnits(box->text(), decimals, units) ? units : 0;
}

int64_t BoxWhole(const TextBox *box) { return BoxUnits(box, 0); }

// index reduced into 0..count-1 by whole turns of the list.
int WrapIndex(int64_t index, int count)
{
    const int64_t r = index % count;
    return static_cast<int>(r < 0 ? r + count : r);
}

} // namespace

// lang-keys: OTHER 4070 4030
QStringList BatchToneTexts(const QString &noToneText, const QString &customText)
{
    QStringList texts;
    texts.reserve(kBatchToneCount);
    texts << noToneText;
    for (int i = 0; i < kCtcssToneCount; ++i)
        texts << CtcssToneText(i);
    texts << customText;
    for (const QChar polarity : {QLatin1Char('N'), QLatin1Char('I')})
        for (int code = 0; code < kDcsCodeCount; ++code)
            texts << QLatin1Char('D') + OctPadded(code, 3) + polarity;
    return texts;
}

void ParseToneText(const QString &text, int listIndex, const QString &customText, ToneFields fields)
{
    if (listIndex == 0) {
        fields.type = CtcOff;
        return;
    }
    if (IsNumeric(text) || TrimFixStr(text) == customText) {
        fields.type = CtcCtcss;
        fields.ctcssIndex = static_cast<int16_t>(listIndex - 1);
        return;
    }
    if (text.size() != 5 || text.at(0) != QLatin1Char('D')) {
        fields.type = CtcOff;
        return;
    }
    const QString digits = text.mid(1, 3);
    bool octal = IsNumeric(digits);
    int code = 0;
    for (const QChar c : digits) {
        octal = octal && c >= QLatin1Char('0') && c <= QLatin1Char('7');
        code = code * 8 + (c.unicode() - '0');
    }
    const QChar polarity = text.at(4);
    if (!octal || (polarity != QLatin1Char('N') && polarity != QLatin1Char('I'))) {
        fields.type = CtcOff;
        return;
    }
    fields.dcsInverted = polarity == QLatin1Char('I') ? 1 : 0;
    fields.type = CtcDcs;
    fields.dcsCode = static_cast<int16_t>(code);
}

int16_t ParseNumberStripped(const QString &text, int16_t defaultValue, const QString &stripChars)
{
    if (text.isEmpty())
        return defaultValue;
    QString rest = text;
    for (const QChar c : stripChars)
        rest.remove(c);
    if (!IsNumeric(rest))
        return defaultValue;
    const long long value = CInt(Val(rest));
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return defaultValue;
    return static_cast<int16_t>(value);
}

FrmCHBatch::FrmCHBatch(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmCHBatch"));
    setFixedSize(TwipsToPx(9735), TwipsToPx(8505));
    BuildWindow();
    Form_Load();
}

FrmCHBatch::~FrmCHBatch() = default;

void FrmCHBatch::BuildWindow()
{
    // Range controls and the page button above the pages.
    Label1 = NewLabel(this, QStringLiteral("Label1"), -1, 120, 150, 1500);
    NewOptions<2>(this, QStringLiteral("Option1"), Option1, {1700, 3350}, 150, 1600);
    Option1[1]->resize(TwipsToPx(1100), Option1[1]->height());
    const QString digits = QStringLiteral("0123456789");
    Text1[0] = NewTextBox(this, QStringLiteral("Text1"), 0, 4500, 150, 600, 3, digits);
    Label2 = NewLabel(this, QStringLiteral("Label2"), -1, 5150, 150, 450);
    Label2->setAlignment(Qt::AlignCenter);
    Text1[1] = NewTextBox(this, QStringLiteral("Text1"), 1, 5650, 150, 600, 3, digits);
    for (TextBox *box : Text1)
        box->setSelectOnFocus(false);
    Check4 = new QCheckBox(this);
    Check4->setObjectName(QStringLiteral("Check4"));
    SetGeometryTwips(Check4, 1700, 480, 6000, kRowHeight);
    CommandFun = new QPushButton(this);
    CommandFun->setObjectName(QStringLiteral("CommandFun"));
    SetGeometryTwips(CommandFun, 7800, 100, 1695, 420);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    for (QFrame *page : {Frame1, Frame2}) {
        page->setFrameShape(QFrame::StyledPanel);
        SetGeometryTwips(page, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
    }
    BuildParameterPage();
    BuildItemPage();

    CommandApply = new QPushButton(this);
    CommandApply->setObjectName(QStringLiteral("CommandApply"));
    SetGeometryTwips(CommandApply, 5900, 7860, 1700, 450);
    CommandClose = new QPushButton(this);
    CommandClose->setObjectName(QStringLiteral("CommandClose"));
    SetGeometryTwips(CommandClose, 7795, 7860, 1700, 450);
    // Enter in an entry box moves on; it must never press a button.
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    connect(Option1[0], &QRadioButton::toggled, this, [this](bool on) { if (on) Option1_Click(); });
    connect(Option1[1], &QRadioButton::toggled, this, [this](bool on) { if (on) Option1_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(Text1[i], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
    }
    connect(CommandFun, &QPushButton::clicked, this, &FrmCHBatch::CommandFun_Click);
    connect(CommandApply, &QPushButton::clicked, this, &FrmCHBatch::CommandApply_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FrmCHBatch::CommandClose_Click);
}

void FrmCHBatch::BuildParameterPage()
{
    QWidget *p = Frame1;
    const QString digits = QStringLiteral("0123456789");
    const QString decimal = QStringLiteral("0123456789.");
    const QString nameChars = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

    // Item 0, RX frequency.
    Label3[0] = NewLabel(p, QStringLiteral("Label3"), 0, 120, 60, 2600);
    Label4[0] = NewLabel(p, QStringLiteral("Label4"), 0, 0, 400, 1200);
    Text2[0] = NewTextBox(p, QStringLiteral("Text2"), 0, kInputLeft, 400, 1100, 9, decimal);
    Label4[1] = NewLabel(p, QStringLiteral("Label4"), 1, 2450, 400, 1000);
    Text2[1] = NewTextBox(p, QStringLiteral("Text2"), 1, 3550, 400, 800, 6, decimal);
    NewUpDown(p, QStringLiteral("Option2"), Option2, 400);

    // Item 1, TX frequency.
    Label3[1] = NewLabel(p, QStringLiteral("Label3"), 1, 120, 760, 2600);
    NewOptions<3>(p, QStringLiteral("Option3"), Option3, {kInputLeft, 2500, 4000}, 1100, 1450);
    Text2[2] = NewTextBox(p, QStringLiteral("Text2"), 2, kInputLeft, 1440, 1100, 8, decimal);
    NewOptions<2>(p, QStringLiteral("Option4"), Option4, {2600, 3750}, 1440, 1100);
    Option4[1]->resize(TwipsToPx(1400), Option4[1]->height());
    Text2[3] = NewTextBox(p, QStringLiteral("Text2"), 3, kInputLeft, 1780, 1100, 9, decimal);
    Label4[2] = NewLabel(p, QStringLiteral("Label4"), 2, 2450, 1780, 1000);
    Text2[4] = NewTextBox(p, QStringLiteral("Text2"), 4, 3550, 1780, 800, 6, decimal);
    NewUpDown(p, QStringLiteral("Option5"), Option5, 1780);

    // Item 2, decode tone.
    Label3[2] = NewLabel(p, QStringLiteral("Label3"), 2, 120, 2140, 2600);
    Label4[3] = NewLabel(p, QStringLiteral("Label4"), 3, 0, 2480, 1200);
    Combo1[0] = NewCombo(p, 0, kInputLeft, 2480, 1100);
    Label4[4] = NewLabel(p, QStringLiteral("Label4"), 4, 2450, 2480, 1000);
    Text2[5] = NewTextBox(p, QStringLiteral("Text2"), 5, 3550, 2480, 500, 2, digits);
    NewUpDown(p, QStringLiteral("Option9"), Option9, 2480);
    Check3[0] = NewCheck(p, QStringLiteral("Check3"), 0, kInputLeft, 2820, 1450);

    // Item 3, encode tone.
    Label3[3] = NewLabel(p, QStringLiteral("Label3"), 3, 120, 3180, 2600);
    Label4[5] = NewLabel(p, QStringLiteral("Label4"), 5, 0, 3520, 1200);
    Combo1[1] = NewCombo(p, 1, kInputLeft, 3520, 1100);
    Label4[6] = NewLabel(p, QStringLiteral("Label4"), 6, 2450, 3520, 1000);
    Text2[6] = NewTextBox(p, QStringLiteral("Text2"), 6, 3550, 3520, 500, 2, digits);
    NewUpDown(p, QStringLiteral("Option10"), Option10, 3520);
    Check3[2] = NewCheck(p, QStringLiteral("Check3"), 2, kInputLeft, 3860, 1450);
    Check3[1] = NewCheck(p, QStringLiteral("Check3"), 1, 2850, 3860, 1450);

    // Item 4, name.
    Label3[4] = NewLabel(p, QStringLiteral("Label3"), 4, 120, 4220, 2600);
    NewOptions<2>(p, QStringLiteral("Option6"), Option6, {kInputLeft, 3000}, 4560, 1650);
    Option6[1]->resize(TwipsToPx(2800), Option6[1]->height());
    Text2[7] = NewTextBox(p, QStringLiteral("Text2"), 7, kInputLeft, 4900, 1000, kNameLength, nameChars);
    Text2[8] = NewTextBox(p, QStringLiteral("Text2"), 8, 2400, 4900, 750, 6, digits);
    Label4[7] = NewLabel(p, QStringLiteral("Label4"), 7, 3250, 4900, 450);
    Text2[9] = NewTextBox(p, QStringLiteral("Text2"), 9, 3800, 4900, 550, 6, digits);
    NewUpDown(p, QStringLiteral("Option7"), Option7, 4900);

    // The list items, each under its label, right of a vertical line.
    Line1 = new QFrame(p);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::VLine);
    SetGeometryTwips(Line1, 6150, 60, 30, 5300);
    const auto listItem = [&](int labelIndex, int comboIndex, double top) {
        Label3[labelIndex] = NewLabel(p, QStringLiteral("Label3"), labelIndex, kListLeft, top, kListWidth);
        Combo1[comboIndex] = NewCombo(p, comboIndex, kListLeft, top + 300, kListWidth);
    };
    listItem(6, 2, 60);     // step
    listItem(7, 3, 720);    // spacing
    listItem(8, 4, 1380);   // TX power
    listItem(9, 5, 2040);   // optional signalling
    Combo1[11] = NewCombo(p, 11, kListLeft, 2700, kListWidth); // its DTMF code memory
    listItem(10, 6, 3060);  // squelch mode
    listItem(11, 7, 3720);  // DTMF PTT ID
    listItem(14, 10, 4380); // busy-channel lockout
    // Never shown: the 5-tone PTT ID and the 2-tone and 5-tone code lists of the signalling item.
    listItem(12, 8, 3720);
    Label3[12]->hide();
    Combo1[8]->hide();
    Combo1[12] = NewCombo(p, 12, kListLeft, 2700, kListWidth);
    Combo1[13] = NewCombo(p, 13, kListLeft, 2700, kListWidth);
    Combo1[12]->hide();
    Combo1[13]->hide();
    // The scrambler lies on the window below its client area: never seen, always on its first entry.
    Label3[13] = NewLabel(this, QStringLiteral("Label3"), 13, 6520, 9480, kListWidth);
    Combo1[9] = NewCombo(this, 9, 6520, 9720, kListWidth);

    // The flag items and the custom tone at the bottom.
    const std::array<double, 5> checkLefts{120, 1950, 3800, 5650, 7500};
    for (int j = 0; j < 5; ++j)
        Check1[j] = NewCheck(p, QStringLiteral("Check1"), j, checkLefts[j], 5640, 1750);
    Label5 = NewLabel(p, QStringLiteral("Label5"), -1, 120, 6060, 1700);
    Text3 = NewTextBox(p, QStringLiteral("Text3"), -1, 1900, 6060, 900, 5, decimal);

    itemControls_[BatchItemRxFreq] = {Label3[0], Label4[0], Text2[0], Label4[1], Text2[1], Option2[0], Option2[1]};
    itemControls_[BatchItemTxFreq] = {Label3[1], Option3[0], Option3[1], Option3[2], Text2[2], Option4[0],
                                      Option4[1], Text2[3], Label4[2], Text2[4], Option5[0], Option5[1]};
    itemControls_[BatchItemDecodeTone] = {Label3[2], Label4[3], Combo1[0], Label4[4], Text2[5], Check3[0],
                                          Option9[0], Option9[1]};
    itemControls_[BatchItemEncodeTone] = {Label3[3], Label4[5], Combo1[1], Label4[6], Text2[6], Check3[2],
                                          Check3[1], Option10[0], Option10[1]};
    itemControls_[BatchItemName] = {Label3[4], Option6[0], Option6[1], Text2[7], Text2[8], Label4[7],
                                    Text2[9], Option7[0], Option7[1]};
    itemControls_[BatchItemStep] = {Label3[6], Combo1[2]};
    itemControls_[BatchItemSpacing] = {Label3[7], Combo1[3]};
    itemControls_[BatchItemTxPower] = {Label3[8], Combo1[4]};
    itemControls_[BatchItemOptSig] = {Label3[9], Combo1[5], Combo1[11]};
    itemControls_[BatchItemSquelchMode] = {Label3[10], Combo1[6]};
    itemControls_[BatchItemDtmfPttId] = {Label3[11], Combo1[7]};
    itemControls_[BatchItemScrambler] = {Label3[13], Combo1[9]};
    itemControls_[BatchItemBusyLock] = {Label3[14], Combo1[10]};
    itemControls_[BatchItemTxInhibit] = {Check1[0]};
    itemControls_[BatchItemCompander] = {Check1[1]};
    itemControls_[BatchItemScanSkip] = {Check1[2]};
    itemControls_[BatchItemReverse] = {Check1[3]};
    itemControls_[BatchItemTalkaround] = {Check1[4]};
    itemControls_[BatchItemCustomCtcss] = {Label5, Text3};

    connect(Option3[0], &QRadioButton::toggled, this, [this](bool on) { if (on) Option3_Click(); });
    connect(Option3[1], &QRadioButton::toggled, this, [this](bool on) { if (on) Option3_Click(); });
    connect(Option3[2], &QRadioButton::toggled, this, [this](bool on) { if (on) Option3_Click(); });
    connect(Option6[0], &QRadioButton::toggled, this, [this](bool on) { if (on) Option6_Click(); });
    connect(Option6[1], &QRadioButton::toggled, this, [this](bool on) { if (on) Option6_Click(); });
    for (int i = 0; i < 3; ++i)
        connect(Check3[i], &QCheckBox::stateChanged, this, [this, i] { Check3_Click(i); });
    for (int i = 0; i < 5; ++i)
        connect(Check1[i], &QCheckBox::stateChanged, this, [this, i] { Check1_Click(i); });
    for (int i = 0; i < 14; ++i)
        connect(Combo1[i], &ComboBox::Click, this, [this, i] { Combo1_Click(i); });
    for (int i = 0; i < 10; ++i) {
        connect(Text2[i], &QLineEdit::textChanged, this, [this, i] { Text2_Change(i); });
        connect(Text2[i], &TextBox::LostFocus, this, [this, i] { Text2_LostFocus(i); });
        // Enter checks the box before the focus moves on.
        connect(Text2[i], &QLineEdit::returnPressed, this, [this, i] { Text2_LostFocus(i); });
    }
    connect(Text3, &TextBox::LostFocus, this, &FrmCHBatch::Text3_LostFocus);
}

void FrmCHBatch::BuildItemPage()
{
    // Two columns, top to bottom; the 5-tone PTT ID and the compander are never offered.
    const std::array<int, 9> left{0, 1, 2, 3, 4, 14, 16, 17, 18};
    const std::array<int, 9> right{5, 6, 7, 8, 9, 10, 13, 12, 19};
    for (int i = 0; i < kBatchItemCount; ++i)
        Check2[i] = NewCheck(Frame2, QStringLiteral("Check2"), i, 600, 300, 3800);
    for (int row = 0; row < 9; ++row) {
        SetGeometryTwips(Check2[left[row]], 600, 300 + 540 * row, 3800, kRowHeight);
        SetGeometryTwips(Check2[right[row]], 4900, 300 + 540 * row, 3800, kRowHeight);
    }
    Check2[BatchItemFiveTonePttId]->hide();
    Check2[BatchItemCompander]->hide();
    CommandSelAll = new QPushButton(Frame2);
    CommandSelAll->setObjectName(QStringLiteral("CommandSelAll"));
    SetGeometryTwips(CommandSelAll, 2400, 5900, 1900, 450);
    CommandSelNone = new QPushButton(Frame2);
    CommandSelNone->setObjectName(QStringLiteral("CommandSelNone"));
    SetGeometryTwips(CommandSelNone, 5100, 5900, 1900, 450);

    for (int i = 0; i < kBatchItemCount; ++i)
        connect(Check2[i], &QCheckBox::stateChanged, this, [this, i] { Check2_Click(i); });
    connect(CommandSelAll, &QPushButton::clicked, this, &FrmCHBatch::CommandSelAll_Click);
    connect(CommandSelNone, &QPushButton::clicked, this, &FrmCHBatch::CommandSelNone_Click);
}

void FrmCHBatch::Form_Load()
{
    InitShowList();
    ChangShowByLanguage();
    SetShowData();
}

// lang-keys: OTHER 4070-4072 4074-4085
void FrmCHBatch::InitShowList()
{
    customToneText_ = TrimFixStr(GetLangText(4030));
    const QStringList tones = BatchToneTexts(GetLangText(4070), customToneText_);
    for (int i : {0, 1}) {
        // Filled at once, as the kit's AddItem fills: signals blocked, nothing selected.
        const QSignalBlocker blocker(Combo1[i]);
        Combo1[i]->clear();
        Combo1[i]->addItems(tones);
        Combo1[i]->setCurrentIndex(-1);
    }

    Combo1[2]->Clear();
    for (int i = 0; i < kStepCount; ++i)
        Combo1[2]->AddItem(StepText(i));
    // Bandwidth 0 is 25 kHz and 1 is 12.5 kHz, as everywhere else in the program and in the radio.
    Combo1[3]->Clear();
    Combo1[3]->AddItem(QStringLiteral("25KHz"));
    Combo1[3]->AddItem(QStringLiteral("12.5KHz"));
    const auto fill = [](ComboBox *combo, std::initializer_list<int> keys) {
        combo->Clear();
        for (int key : keys)
            combo->AddItem(GetLangText(key));
    };
    fill(Combo1[4], {4072, 4074});
    Combo1[5]->Clear();
    Combo1[5]->AddItem(GetLangText(4070));
    Combo1[5]->AddItem(QStringLiteral("DTMF"));
    fill(Combo1[6], {4075, 4076, 4077, 4078, 4079});
    fill(Combo1[7], {4071, 4080, 4081, 4082});
    fill(Combo1[8], {4071, 4080, 4081, 4082});
    fill(Combo1[9], {4071, 4083});
    fill(Combo1[10], {4071, 4084, 4085});

    const SignallingRecord &sig = State().RadioData.SignallingRecord;
    Combo1[11]->Clear();
    for (int n = 0; n < kDtmfCodeMemories; ++n)
        if (sig.DtmfBlock.CodeMemory[static_cast<std::size_t>(n)].Length > 0)
            Combo1[11]->AddItem(QStringLiteral("M%1").arg(n + 1));
    Combo1[12]->Clear();
    for (int e = 0; e < kTwoToneEntries; ++e)
        if (sig.TwoToneBlock.Entries[static_cast<std::size_t>(e)].Empty == 0)
            Combo1[12]->AddItem(QString::number(e));
    Combo1[13]->Clear();
    for (int r = 0; r < kFiveToneRows; ++r)
        if (sig.FiveToneBlock.CodeRows[static_cast<std::size_t>(r)].Empty == 0)
            Combo1[13]->AddItem(QString::number(r));
}

// lang-keys: OTHER 4010-4014 4016-4030
void FrmCHBatch::ChangShowByLanguage()
{
    setWindowTitle(GetLangText(4000));
    Label1->setText(GetLangText(4001));
    Option1[0]->setText(GetLangText(4002));
    Option1[1]->setText(GetLangText(4003));
    Label2->setText(GetLangText(4004));
    ShowPage();
    CommandApply->setText(GetLangText(4007));
    CommandClose->setText(GetLangText(4008));
    CommandSelAll->setText(GetLangText(4045));
    CommandSelNone->setText(GetLangText(4046));
    Check4->setText(GetLangText(4099));

    for (int i = 0; i <= 14; ++i)
        if (i != 5)
            Label3[i]->setText(GetLangText(4010 + i));
    for (int j = 0; j < 5; ++j)
        Check1[j]->setText(GetLangText(4025 + j));
    for (int i = 0; i < kBatchItemCount; ++i) {
        const int key = i <= 4 ? 4010 + i : (i <= 18 ? 4011 + i : 4030);
        Check2[i]->setText(GetLangText(key));
    }

    for (auto *pair : {&Option2, &Option5, &Option7, &Option9, &Option10}) {
        (*pair)[0]->setText(GetLangText(4040));
        (*pair)[1]->setText(GetLangText(4041));
    }
    Option4[0]->setText(GetLangText(4042));
    Option4[1]->setText(GetLangText(4043));
    Check3[0]->setText(GetLangText(4044));
    Check3[1]->setText(GetLangText(4044));
    Check3[2]->setText(GetLangText(4052));
    Option3[0]->setText(GetLangText(4052));
    Option3[1]->setText(GetLangText(4053));
    Option3[2]->setText(GetLangText(4050));
    Option6[0]->setText(GetLangText(4057));
    Option6[1]->setText(GetLangText(4058));

    Label4[0]->setText(GetLangText(4050));
    Label4[1]->setText(GetLangText(4051));
    Label4[2]->setText(GetLangText(4054));
    Label4[3]->setText(GetLangText(4055));
    Label4[4]->setText(GetLangText(4056));
    Label4[5]->setText(GetLangText(4055));
    Label4[6]->setText(GetLangText(4056));
    Label4[7]->setText(GetLangText(4059));
    Label5->setText(GetLangText(4030));

    const std::array<QWidget *, 8> inputs{Text2[0], Text2[1], Text2[4], Combo1[0],
                                          Text2[5], Combo1[1], Text2[6], Text2[9]};
    for (int i = 0; i < 8; ++i) {
        Label4[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label4[i]->adjustSize();
        Label4[i]->resize(Label4[i]->width(), TwipsToPx(kRowHeight));
        PlaceCaptionLabel(Label4[i], inputs[static_cast<std::size_t>(i)], kLabelGap);
    }
}

void FrmCHBatch::ShowBatchFun()
{
    const auto &flags = State().BatchFunFlags;
    for (int i = 0; i < kBatchItemCount; ++i) {
        if (i == BatchItemFiveTonePttId)
            continue;
        for (QWidget *w : itemControls_[static_cast<std::size_t>(i)])
            w->setVisible(flags[static_cast<std::size_t>(i)] != 0);
    }
}

void FrmCHBatch::SetShowData()
{
    const AppState &s = State();
    for (int i = 0; i < kBatchItemCount; ++i)
        SetCheckValue(Check2[i], IsItemFlagSet(s.BatchFunFlags[static_cast<std::size_t>(i)]));
    ShowBatchFun();

    Text2[0]->setText(FormatNumber(s.RxBandLow[0], QStringLiteral("#0.00000")));
    Text2[1]->setText(QStringLiteral("0"));
    Text2[2]->setText(QStringLiteral("0.00000"));
    Text2[3]->setText(FormatNumber(s.TxBandLow[0], QStringLiteral("#0.00000")));
    for (int i : {4, 5, 6, 8, 9})
        Text2[i]->setText(QStringLiteral("0"));
    Text1[0]->setText(QStringLiteral("0"));
    Text1[1]->setText(QStringLiteral("199"));

    SetCheckValue(Check3[2], 1);
    for (auto *group : {&Option1, &Option2, &Option4, &Option5, &Option6, &Option7, &Option9, &Option10})
        (*group)[0]->setChecked(true);
    Option3[0]->setChecked(true);
    // Checking an option that is already chosen raises nothing: run the rules once for certain.
    Option1_Click();
    Option3_Click();
    Option6_Click();

    for (ComboBox *combo : Combo1)
        if (combo->ListCount() > 0)
            combo->setListIndex(0);
    Combo1_Click(5);
}

// lang-keys: OTHER 4005 4006
void FrmCHBatch::ShowPage()
{
    const bool items = State().ItemPageShown;
    CommandFun->setText(GetLangText(items ? 4006 : 4005));
    Frame1->setHidden(items);
    Frame2->setHidden(!items);
}

void FrmCHBatch::Check2_Click(int index)
{
    if (index != BatchItemFiveTonePttId) {
        const int value = CheckValue(Check2[index]) == 1 ? 1 : 0;
        State().BatchFunFlags[static_cast<std::size_t>(index)] = static_cast<uint8_t>(value);
        for (QWidget *w : itemControls_[static_cast<std::size_t>(index)])
            w->setVisible(value == 1);
    }
    WriteBatchFunFlags(); // a flags file that cannot be written changes nothing here
}

void FrmCHBatch::CommandFun_Click()
{
    State().ItemPageShown = !State().ItemPageShown;
    ShowPage();
}

void FrmCHBatch::CommandSelAll_Click()
{
    for (QCheckBox *box : Check2)
        if (!box->isHidden())
            SetCheckValue(box, 1);
}

void FrmCHBatch::CommandSelNone_Click()
{
    for (QCheckBox *box : Check2)
        if (!box->isHidden())
            SetCheckValue(box, 0);
}

void FrmCHBatch::CommandClose_Click() { reject(); }

void FrmCHBatch::Option1_Click()
{
    const bool range = Option1[1]->isChecked();
    SetEnabled({Text1[0], Text1[1]}, range);
}

void FrmCHBatch::Option3_Click()
{
    const bool offset = !Option3[0]->isChecked() && Option3[1]->isChecked();
    const bool own = !Option3[0]->isChecked() && !Option3[1]->isChecked() && Option3[2]->isChecked();
    SetEnabled({Text2[2], Option4[0], Option4[1]}, offset);
    SetEnabled({Text2[3], Text2[4], Option5[0], Option5[1]}, own);
}

void FrmCHBatch::Option6_Click()
{
    SetEnabled({Text2[8], Text2[9], Option7[0], Option7[1]}, Option6[1]->isChecked());
    Text2[7]->setEnabled(true);
}

void FrmCHBatch::EnableEncodeInputs()
{
    // Same-as-decode or random: the encode start tone, interval and direction are not used.
    const bool on = CheckValue(Check3[1]) != 1 && CheckValue(Check3[2]) != 1;
    SetEnabled({Combo1[1], Text2[6], Option10[0], Option10[1]}, on);
}

void FrmCHBatch::Check3_Click(int index)
{
    switch (index) {
    case 0:
        SetEnabled({Combo1[0], Text2[5], Option9[0], Option9[1]}, CheckValue(Check3[0]) != 1);
        break;
    case 1:
        EnableEncodeInputs();
        break;
    case 2:
        Check3[1]->setEnabled(CheckValue(Check3[2]) != 1);
        EnableEncodeInputs();
        break;
    default:
        break;
    }
}

void FrmCHBatch::Check1_Click(int index)
{
    // Reverse and talkaround exclude each other.
    if ((index == 3 || index == 4) && CheckValue(Check1[index]) == 1) {
        QCheckBox *other = Check1[index == 3 ? 4 : 3];
        if (CheckValue(other) == 1)
            SetCheckValue(other, 0);
    }
}

void FrmCHBatch::Combo1_Click(int index)
{
    if (index != 5)
        return;
    SetEnabled({Combo1[11], Combo1[12], Combo1[13]}, false);
    if (Combo1[5]->ListIndex() == 1)
        Combo1[11]->setEnabled(true);
}

void FrmCHBatch::Text1_Change(int index)
{
    TextBox *box = Text1[index];
    const QString text = box->text();
    QString fixed = QStringLiteral("0");
    if (IsNumeric(text)) {
        const double v = Val(text);
        if (v > 199)
            fixed = QStringLiteral("199");
        else if (v >= 0)
            fixed = QString::number(static_cast<int>(v));
    }
    if (fixed != text)
        box->setText(fixed); // runs this handler again, which then finds nothing to change
}

void FrmCHBatch::Text2_Change(int index)
{
    if (index != 1 && index != 4)
        return;
    const QString text = Text2[index]->text();
    if (IsNumeric(text) && Val(text) > 1000)
        Text2[index]->setText(QStringLiteral("1000"));
}

void FrmCHBatch::Text2_LostFocus(int index)
{
    if (index < 0 || index >= 10)
        return;
    TextBox *box = Text2[index];
    const QString text = box->text();
    QString fixed = text;
    switch (index) {
    case 0:
    case 3: {
        const int rx = index == 0 ? 1 : 0;
        const double mhz = Val(NormaliseFreText(text, rx, false));
        fixed = FormatNumber(StepDataFre(mhz, static_cast<int16_t>(rx)), QStringLiteral("#0.00000"));
        break;
    }
    case 1:
    case 4:
        fixed = StepData(text);
        break;
    case 2:
        fixed = StepDataFree(text);
        break;
    case 5:
    case 6:
    case 8:
        fixed = DefaultData(text, QStringLiteral("0"));
        break;
    case 9: {
        // The step never has more digits than the counter.
        fixed = DefaultData(text, QStringLiteral("0"));
        const qsizetype width = Text2[8]->text().size();
        if (fixed.size() > width)
            fixed = fixed.left(width);
        break;
    }
    default:
        return;
    }
    if (fixed != text)
        box->setText(fixed);
}

void FrmCHBatch::Text3_LostFocus() { Text3->setText(CheckCustomCtcss(Text3->text())); }

QString FrmCHBatch::DefaultData(const QString &text, const QString &def) { return IsNumeric(text) ? text : def; }

double FrmCHBatch::StepDataFre(double mhz, int16_t rxFlag)
{
    const AppState &s = State();
    const auto &low = rxFlag != 0 ? s.RxBandLow : s.TxBandLow;
    const auto &high = rxFlag != 0 ? s.RxBandHigh : s.TxBandHigh;
    const int64_t x = CInt(mhz * 100000.0);
    const auto units = [](double limit) { return static_cast<int64_t>(CInt(limit * 100000.0)); };
    std::size_t band = 0;
    for (std::size_t i = 0; i < 2; ++i) {
        if (units(low[i]) <= x && x <= units(high[i])) {
            band = i;
            break;
        }
    }
    return static_cast<double>(SnapUnitsToRaster(x, units(low[band]))) / 100000.0;
}

QString FrmCHBatch::StepDataFree(const QString &text)
{
    int64_t x = 0;
    if (!ReadUnits(text, 5, x))
        x = 0;
    return FormatUnits(SnapUnitsToRaster(x, 0), 5, 1);
}

QString FrmCHBatch::StepData(const QString &text)
{
    int64_t x = 0;
    if (!ReadUnits(text, 2, x))
        x = 0;
    QString out = FormatUnits(SnapUnitsToRaster(x, 0), 2, 1);
    while (out.endsWith(QLatin1Char('0')))
        out.chop(1);
    if (out.endsWith(QLatin1Char('.')))
        out.chop(1);
    return out;
}

int FrmCHBatch::ToneEntryFor(int direction, int k)
{
    // direction 0 decode, 1 encode.
    ComboBox *list = Combo1[direction];
    const int count = list->ListCount();
    if (count <= 0)
        return 0;
    if (CheckValue(Check3[direction]) == 1)
        return static_cast<int>((static_cast<uint64_t>(random_()) * static_cast<uint64_t>(count)) >> 32);
    const int64_t step = BoxWhole(Text2[5 + direction]) * k;
    const bool up = (direction == 0 ? Option9 : Option10)[0]->isChecked();
    const int64_t start = std::max(list->ListIndex(), 0);
    return WrapIndex(up ? start + step : start - step, count);
}

void FrmCHBatch::CommandApply_Click()
{
    AppState &s = State();
    const auto on = [&](int item) { return s.BatchFunFlags[static_cast<std::size_t>(item)] != 0; };

    // 1. The range of channel numbers.
    int first = 1;
    int last = kLastNormalChannel;
    if (Option1[1]->isChecked()) {
        first = static_cast<int>(BoxWhole(Text1[0])) + 1;
        last = static_cast<int>(BoxWhole(Text1[1])) + 1;
        if (first > last)
            std::swap(first, last);
    }

    // 2. The entry boxes of the ticked items take their leave checks.
    int16_t offsetDir = OffsetPlus;
    if (on(BatchItemRxFreq)) {
        Text2_LostFocus(0);
        Text2_LostFocus(1);
    }
    if (on(BatchItemTxFreq)) {
        if (Option3[1]->isChecked()) {
            Text2_LostFocus(2);
            offsetDir = Option4[0]->isChecked() ? OffsetPlus : OffsetMinus;
        } else if (Option3[2]->isChecked()) {
            Text2_LostFocus(3);
            Text2_LostFocus(4);
        }
    }
    if (on(BatchItemDecodeTone))
        Text2_LostFocus(5);
    if (on(BatchItemEncodeTone))
        Text2_LostFocus(6);
    if (on(BatchItemDecodeTone) || on(BatchItemEncodeTone))
        random_.seed(fixedSeed_ ? *fixedSeed_
                                : static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch() & 0xffffffffu));
    if (on(BatchItemName) && Option6[1]->isChecked()) {
        Text2_LostFocus(8);
        Text2_LostFocus(9);
    }

    // 3. The normal channels outside the range go first; DeleteChannel refuses the last one.
    if (CheckValue(Check4) == 1) {
        int slot = 0;
        while (slot < UsedChannelSlots()) {
            const int number = s.ChannelList[static_cast<std::size_t>(slot)].Number;
            const int before = UsedChannelSlots();
            if ((number < first || number > last) && number <= kLastNormalChannel)
                DeleteChannel(number);
            if (UsedChannelSlots() == before)
                ++slot;
        }
    }

    // What every channel of the walk shares.
    const int64_t rxStart = BoxUnits(Text2[0], 5);
    const int64_t rxStep = BoxUnits(Text2[1], 2) * (Option2[0]->isChecked() ? 1 : -1);
    const int64_t txOffset = BoxUnits(Text2[2], 5);
    const int64_t txStart = BoxUnits(Text2[3], 5);
    const int64_t txStep = BoxUnits(Text2[4], 2) * (Option5[0]->isChecked() ? 1 : -1);
    const QString nameText = Text2[7]->text();
    const int counterWidth = static_cast<int>(Text2[8]->text().size());
    int64_t counterModulus = 1;
    for (int i = 0; i < counterWidth; ++i)
        counterModulus *= 10;
    const QString namePrefix = counterWidth >= kNameLength ? QString() : nameText.left(kNameLength - counterWidth);
    const int64_t counterStart = BoxWhole(Text2[8]);
    const int64_t counterStep = BoxWhole(Text2[9]) * (Option7[0]->isChecked() ? 1 : -1);
    // The custom tone, 62.5 .. 254.1 Hz, else 151.1 Hz, in tenths (the box shows what is stored).
    int16_t customTenths = 1511;
    if (on(BatchItemCustomCtcss)) {
        Text3->setText(CheckCustomCtcss(Text3->text()));
        int64_t tenths = 1511;
        ReadUnits(Text3->text(), 1, tenths);
        customTenths = static_cast<int16_t>(tenths);
    }
    const auto listIndex = [](const ComboBox *combo) { return static_cast<int16_t>(std::max(combo->ListIndex(), 0)); };

    // 4. The walk over the range, in ascending numbers; k counts missing channels too.
    for (int n = first; n <= last; ++n) {
        const int k = n - first;
        int slot = FindChannelSlot(n);
        if (on(BatchItemRxFreq)) {
            const QString rx = NormaliseFreText(FormatUnits(rxStart + rxStep * k, 5, 1), 1, false);
            if (slot < 0 && UsedChannelSlots() < kChannelSlots) {
                AddDefaultChannel(n, rx);
                slot = UsedChannelSlots() - 1;
            }
            // A created channel keeps all five decimals, as a modified one does: the default
            // channel's four would move it off the 6.25 kHz raster.
            if (slot >= 0)
                s.ChannelList[static_cast<std::size_t>(slot)].RxFrequency.assign(FreTextToStored(rx).toLatin1());
        }
        if (slot < 0)
            continue; // without the RX item a missing channel is skipped by every item
        ChannelRecord &c = s.ChannelList[static_cast<std::size_t>(slot)];
        for (int item : kApplyOrder) {
            if (!on(item))
                continue;
            switch (item) {
            case BatchItemTxFreq: {
                if (Option3[0]->isChecked()) {
                    c.OffsetDir = OffsetNone;
                    c.TxOffset.assign(FreTextToStored(QStringLiteral("0")).toLatin1());
                    break;
                }
                // A channel without a readable receive frequency has no transmit frequency to
                // work out: it is left as it is.
                const QString stored = QString::fromLatin1(c.RxFrequency.toByteArray());
                if (!IsNumeric(stored) || stored.size() != 9)
                    break;
                const QString r = FreStoredToText(stored);
                int64_t rUnits = 0;
                ReadUnits(r, 5, rUnits);
                const int64_t want = Option3[1]->isChecked()
                                         ? rUnits + (offsetDir == OffsetPlus ? txOffset : -txOffset)
                                         : txStart + txStep * k;
                const QString tx = NormaliseFreText(FormatUnits(want, 5, 1), 0, false);
                int64_t txUnits = 0;
                ReadUnits(tx, 5, txUnits);
                const int64_t d = txUnits - rUnits;
                c.OffsetDir = d > 0 ? OffsetPlus : (d < 0 ? OffsetMinus : OffsetNone);
                const QString offset = NormaliseOffset(FormatUnits(std::llabs(d), 5, 1), r, c.OffsetDir, false);
                c.TxOffset.assign(FreTextToStored(offset).toLatin1());
                break;
            }
            case BatchItemDecodeTone: {
                const int i = ToneEntryFor(0, k);
                ParseToneText(Combo1[0]->List(i), i, customToneText_,
                              {c.DecodeToneType, c.DecodeCtcssIndex, c.DecodeDcsCode, c.DecodeDcsInverted});
                break;
            }
            case BatchItemEncodeTone:
                if (CheckValue(Check3[2]) == 1) {
                    c.EncodeToneType = c.DecodeToneType;
                    c.EncodeCtcssIndex = c.DecodeCtcssIndex;
                    c.EncodeDcsCode = c.DecodeDcsCode;
                    c.EncodeDcsInverted = c.DecodeDcsInverted;
                } else {
                    const int i = ToneEntryFor(1, k);
                    ParseToneText(Combo1[1]->List(i), i, customToneText_,
                                  {c.EncodeToneType, c.EncodeCtcssIndex, c.EncodeDcsCode, c.EncodeDcsInverted});
                }
                break;
            case BatchItemName:
                if (Option6[0]->isChecked()) {
                    StoreText(c.Name, nameText);
                } else {
                    int64_t counter = (counterStart + counterStep * k) % counterModulus;
                    if (counter < 0)
                        counter += counterModulus;
                    StoreText(c.Name, namePrefix + QString::number(counter).rightJustified(counterWidth, QLatin1Char('0')));
                }
                break;
            case BatchItemStep:
                c.StepIndex = listIndex(Combo1[2]);
                break;
            case BatchItemSpacing:
                c.Bandwidth = listIndex(Combo1[3]);
                break;
            case BatchItemTxPower:
                c.Power = listIndex(Combo1[4]);
                break;
            case BatchItemOptSig:
                c.OptSig = listIndex(Combo1[5]);
                c.DtmfMemoryIndex = static_cast<int16_t>(ParseNumberStripped(Combo1[11]->Text(), 1, QStringLiteral("M")) - 1);
                c.TwoToneIndex = ParseNumberStripped(Combo1[12]->Text(), 0, QString());
                c.FiveToneIndex = ParseNumberStripped(Combo1[13]->Text(), 0, QString());
                break;
            case BatchItemReverse:
                c.Reverse = static_cast<int16_t>(CheckValue(Check1[3]));
                if (c.Reverse > 0 && c.Talkaround > 0)
                    c.Talkaround = 0;
                break;
            case BatchItemSquelchMode: {
                int16_t mode = listIndex(Combo1[6]);
                const bool tone = (c.Reverse > 0 ? c.EncodeToneType : c.DecodeToneType) != CtcOff;
                const bool signalling = c.OptSig != OptSigOff;
                if ((mode == 1 && !tone) || (mode == 2 && !signalling) || ((mode == 3 || mode == 4) && !(tone && signalling)))
                    mode = 0;
                c.SquelchMode = mode;
                break;
            }
            case BatchItemDtmfPttId:
                c.DtmfPttId = listIndex(Combo1[7]);
                if (c.DtmfPttId > 0 && c.FiveTonePttId > 0)
                    c.FiveTonePttId = 0;
                break;
            case BatchItemScrambler:
                c.Scrambler = listIndex(Combo1[9]);
                break;
            case BatchItemBusyLock:
                c.BusyLock = listIndex(Combo1[10]);
                break;
            case BatchItemTxInhibit:
                c.TxInhibit = static_cast<int16_t>(CheckValue(Check1[0]));
                break;
            case BatchItemCompander:
                c.Compander = static_cast<int16_t>(CheckValue(Check1[1]));
                break;
            case BatchItemScanSkip:
                c.ScanSkip = static_cast<int16_t>(CheckValue(Check1[2]));
                break;
            case BatchItemTalkaround:
                c.Talkaround = static_cast<int16_t>(CheckValue(Check1[4]));
                if (c.Talkaround > 0 && c.Reverse > 0)
                    c.Reverse = 0;
                break;
            case BatchItemCustomCtcss:
                c.CustomCtcss = customTenths;
                break;
            default: // the RX frequency is done above; the 5-tone PTT ID is never applied
                break;
            }
        }
    }

    // 5. The channel grid shows the new table.
    CallHook(Hooks().ReShowListByData);
}

int ShowFrmCHBatch(QWidget *parent)
{
    FrmCHBatch window(parent ? parent : QApplication::activeWindow());
    return prompt().ShowModal(&window);
}
