#include "editors/channel/frm_ch_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>

#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/channel_table.h"
#include "data/code_text.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "ui/ok_cancel_captions.h"
#include "data/radio_data.h"
#include "data/tone_tables.h"
#include "data/value_rules.h"
#include "editors/settings/settings_form.h"
#include "platform/dialog_routines.h"
#include "platform/form_kit.h"
#include "platform/numbers.h"
#include "platform/prompt.h"
#include "shell/dialog_buttons.h"

namespace {

QString S(const char *text) { return QString::fromUtf8(text); }

// Layout in twips: a left-hand column of labelled rows and a right-hand column.
constexpr int kRowTop = 200;
constexpr int kRowStep = 400;
constexpr int kRowHeight = 315;
constexpr int kInputLeft = 2000;
constexpr int kInputWidth = 1300;
constexpr int kSideLeft = 3400;
constexpr int kSideWidth = 1100;
constexpr int kRightLeft = 4700;
constexpr int kRightWidth = 2200;
constexpr int kNameBoxWidth = 270;
constexpr int kNameBoxStep = 300;
constexpr int kLabelWidth = 1800;
constexpr int kLabelGap = 100;
constexpr int kFormWidth = 7100;
constexpr int kFormHeight = 5300;
// Controls that are never shown lie below the visible client area.
constexpr int kHiddenTop = 5600;

constexpr int kNameBoxes = 6;
constexpr int kSquelchModes = 5;
constexpr int kDtmfMemories = 16;
// The extra-display value that the radio does not use; its list skips it.
constexpr int kSkippedDisplay = 3;
constexpr int kLastDisplay = 10;
// Channels above this number keep the code box and the PTT-ID decode box switched off.
constexpr int kLastCodeChannel = 203;

int RowTop(int row) { return kRowTop + row * kRowStep; }

// The record's flag fields as a check box value: grey (2) stays grey, other values clear.
int16_t CheckField(const QCheckBox *box) { return static_cast<int16_t>(CheckValue(box)); }

// True for Enter and Return without modifiers other than the keypad's.
bool IsEnterKey(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Ctrl+C, Ctrl+V and Ctrl+X do nothing in the dialog's text boxes (other paste routes still
// pass the box's character rule and length).
bool IsControlClipboardKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::ControlModifier &&
           (key->key() == Qt::Key_C || key->key() == Qt::Key_V || key->key() == Qt::Key_X);
}

// A text's value in whole units of 10^-decimals, or false when it is not a plain number.
bool Units(const QString &text, int decimals, int64_t &units)
{
    return !text.isEmpty() && IsNumeric(text) && ReadUnits(text, decimals, units);
}

} // namespace

FrmCHEdit::FrmCHEdit(QWidget *parent) : QDialog(parent)
{
    setObjectName(S("FrmCHEdit"));
    setFixedSize(TwipsToPx(kFormWidth), TwipsToPx(kFormHeight));
    CreateControls();
    SetTabOrder();
    Form_Load();
}

FrmCHEdit::~FrmCHEdit() = default;

void FrmCHEdit::CreateControls()
{
    const auto label = [this](const char *name, int index) {
        auto *l = new QLabel(this);
        if (index < 0)
            l->setObjectName(S(name));
        else
            SetArrayName(l, S(name), index);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    const auto list = [this](QWidget *parent, const char *name, int index) {
        auto *c = new ComboBox(parent);
        if (index < 0)
            c->setObjectName(S(name));
        else
            SetArrayName(c, S(name), index);
        c->setEditable(false);
        c->installEventFilter(this);
        return c;
    };
    const auto box = [this](QWidget *parent, const char *name, int index) {
        auto *t = new TextBox(parent);
        if (index < 0)
            t->setObjectName(S(name));
        else
            SetArrayName(t, S(name), index);
        t->setEnterMovesNext(true);
        t->installEventFilter(this);
        return t;
    };
    const auto check = [this](QWidget *parent, const char *name, int index) {
        auto *c = new QCheckBox(parent);
        if (index < 0)
            c->setObjectName(S(name));
        else
            SetArrayName(c, S(name), index);
        c->installEventFilter(this);
        return c;
    };

    // Labels of the left-hand column.
    for (int i = 0; i < 4; ++i)
        Label1[static_cast<std::size_t>(i)] = label("Label1", i);
    for (int i = 0; i < 15; ++i)
        Label2[static_cast<std::size_t>(i)] = label("Label2", i);
    Label3 = label("Label3", -1);
    Label4 = label("Label4", -1);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Text boxes: RX (0), hidden offset (1), the name characters (2..7), two hidden single
    // character boxes (8, 9), TX (10).
    const TextBox::CharRule frequency = TextBox::OnlyChars(S("0123456789."));
    const TextBox::CharRule nameChar = [](QChar c) {
        const ushort u = c.unicode();
        return u >= 32 && u <= 126 && u != '\\' && u != '~' ? c : QChar();
    };
    const TextBox::CharRule printable = [](QChar c) {
        const ushort u = c.unicode();
        return u >= 32 && u <= 126 ? c : QChar();
    };
    for (int i = 0; i < 11; ++i) {
        TextBox *t = box(this, "Text1", i);
        Text1[static_cast<std::size_t>(i)] = t;
        if (i == 0 || i == 1) {
            t->setMaxLength(9);
            t->setCharRule(frequency);
        } else if (i == 10) {
            t->setMaxLength(9);
            t->setCharRule(printable);
        } else {
            t->setMaxLength(1);
            t->setCharRule(nameChar);
            // A taken character passes the focus on to the next box.
            connect(t, &QLineEdit::textEdited, this, [this](const QString &text) {
                if (!text.isEmpty())
                    focusNextChild();
            });
        }
    }
    SetGeometryTwips(Text1[0], kInputLeft, RowTop(0), kInputWidth, kRowHeight);
    SetGeometryTwips(Text1[10], kInputLeft, RowTop(1), kInputWidth, kRowHeight);
    for (int k = 0; k < 8; ++k)
        SetGeometryTwips(Text1[static_cast<std::size_t>(2 + k)], kInputLeft + k * kNameBoxStep, RowTop(2),
                         kNameBoxWidth, kRowHeight);
    SetGeometryTwips(Text1[1], kInputLeft, kHiddenTop, kInputWidth, kRowHeight);
    Text1[1]->hide();
    Text1[8]->hide();
    Text1[9]->hide();

    Text2 = box(this, "Text2", -1);
    Text2->setMaxLength(5);
    Text2->setCharRule(TextBox::OnlyChars(S("0123456789")));
    SetGeometryTwips(Text2, kSideLeft, kHiddenTop, kSideWidth, kRowHeight);
    Text2->hide();
    SetGeometryTwips(Label3, kInputLeft, kHiddenTop, kLabelWidth, kRowHeight);
    Label3->hide();

    Text3 = box(this, "Text3", -1);
    Text3->setMaxLength(5);
    Text3->setCharRule(frequency);
    SetGeometryTwips(Label4, kRightLeft, RowTop(9), kRightWidth, kRowHeight);
    SetGeometryTwips(Text3, kRightLeft, RowTop(10), kSideWidth, kRowHeight);

    // Lists of the left-hand column, by row; the hidden ones below the visible area.
    for (int i = 0; i < 15; ++i)
        Combo1[static_cast<std::size_t>(i)] = list(this, "Combo1", i);
    const std::pair<int, int> rows[] = {{0, 3}, {1, 4}, {2, 5}, {5, 6}, {10, 7}, {4, 8}, {9, 9}, {7, 10}, {13, 11}};
    for (const auto &[index, row] : rows)
        SetGeometryTwips(Combo1[static_cast<std::size_t>(index)], kInputLeft, RowTop(row), kInputWidth, kRowHeight);
    // The squelch list is wider: its mode texts are long.
    SetGeometryTwips(Combo1[9], kInputLeft, RowTop(9), kRightLeft - 200 - kInputLeft, kRowHeight);
    for (int index : {3, 6, 8, 11, 12, 14}) {
        SetGeometryTwips(Combo1[static_cast<std::size_t>(index)], kInputLeft, kHiddenTop, kInputWidth, kRowHeight);
        Combo1[static_cast<std::size_t>(index)]->hide();
        Label2[static_cast<std::size_t>(index)]->hide();
    }
    Label2[3]->hide();
    for (QLabel *l : Label2)
        SetGeometryTwips(l, 0, kHiddenTop, kLabelWidth, kRowHeight);

    Combo2 = list(this, "Combo2", -1);
    SetGeometryTwips(Combo2, kInputLeft, kHiddenTop, kInputWidth, kRowHeight);
    Combo2->hide();
    Label1[1]->hide();
    for (QLabel *l : Label1)
        SetGeometryTwips(l, 0, kHiddenTop, kLabelWidth, kRowHeight);

    // The tone lists beside the tone types, the entry lists beside the signalling.
    for (int i = 0; i < 4; ++i) {
        ComboBox *c = list(this, "Combo3", i);
        Combo3[static_cast<std::size_t>(i)] = c;
        SetGeometryTwips(c, kSideLeft, RowTop(i % 2 == 0 ? 6 : 7), kSideWidth, kRowHeight);
    }
    for (int i = 0; i < 3; ++i) {
        ComboBox *c = list(this, "Combo4", i);
        Combo4[static_cast<std::size_t>(i)] = c;
        SetGeometryTwips(c, kSideLeft, RowTop(8), kSideWidth, kRowHeight);
    }

    // Check boxes of the right-hand column.
    Check1 = check(this, "Check1", -1);
    SetGeometryTwips(Check1, kRightLeft, RowTop(0), kRightWidth, kRowHeight);
    Check6 = check(this, "Check6", -1);
    SetGeometryTwips(Check6, kRightLeft, RowTop(1), kRightWidth, kRowHeight);
    Frame1 = new QFrame(this);
    Frame1->setObjectName(S("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    SetGeometryTwips(Frame1, kRightLeft - 60, RowTop(2) - 60, kRightWidth + 120, 2 * kRowStep + 30);
    for (int i = 0; i < 2; ++i) {
        Check4[static_cast<std::size_t>(i)] = check(Frame1, "Check4", i);
        SetGeometryTwips(Check4[static_cast<std::size_t>(i)], 60, 60 + i * kRowStep, kRightWidth, kRowHeight);
        Check2[static_cast<std::size_t>(i)] = check(this, "Check2", i);
        SetGeometryTwips(Check2[static_cast<std::size_t>(i)], kRightLeft, RowTop(6 + i), kRightWidth, kRowHeight);
    }
    Check3 = check(this, "Check3", -1);
    Check3->setText(S("PTT ID"));
    Check5 = check(this, "Check5", -1);
    Check7 = check(this, "Check7", -1);
    Check7->setText(S("PTTID Decode"));
    Label3->setText(S("PTTID Code"));
    for (QCheckBox *c : {Check3, Check5, Check7}) {
        SetGeometryTwips(c, kRightLeft, kHiddenTop, kRightWidth, kRowHeight);
        c->hide();
    }

    CommandOK = NewCommandButton(this, "CommandOK", kRightLeft, RowTop(11) - 30, false, 1050);
    CommandCancel = NewCommandButton(this, "CommandCancel", kRightLeft + 1150, RowTop(11) - 30, false, 1050);
    CommandOK->installEventFilter(this);
    CommandCancel->installEventFilter(this);

    // Handlers.
    for (int i = 0; i < 15; ++i)
        connect(Combo1[static_cast<std::size_t>(i)], &ComboBox::Click, this, [this, i] { Combo1_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(Check4[static_cast<std::size_t>(i)], &QCheckBox::stateChanged, this, [this, i] { Check4_Click(i); });
    for (int i = 0; i < 11; ++i)
        connect(Text1[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
    connect(Text3, &TextBox::LostFocus, this, &FrmCHEdit::Text3_LostFocus);
    connect(CommandOK, &QPushButton::clicked, this, &FrmCHEdit::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmCHEdit::CommandCancel_Click);
}

void FrmCHEdit::SetTabOrder()
{
    QList<QWidget *> order{Text1[0], Text1[10]};
    for (int k = 0; k < kNameBoxes; ++k)
        order << Text1[static_cast<std::size_t>(2 + k)];
    order << Combo1[0] << Combo1[1] << Combo1[2] << Combo1[5] << Combo3[0] << Combo3[2] << Check2[0] << Combo1[10]
          << Combo3[1] << Combo3[3] << Check2[1] << Combo1[4] << Combo4[0] << Combo1[9] << Combo1[7] << Check1
          << Check6 << Check4[0] << Check4[1] << Text3 << CommandOK << CommandCancel << Combo4[1] << Combo4[2]
          << Combo1[13];
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FrmCHEdit::Form_Load()
{
    RidTextMenu(Text1[0]);
    RidTextMenu(Text1[1]);
    RidTextMenu(Text1[2]);
    InitChannelEditCaptions();
    InitChannelEditLists();
    LoadEditChannel();
}

void FrmCHEdit::done(int result)
{
    RestoreTextMenu(Text1[0]);
    RestoreTextMenu(Text1[1]);
    RestoreTextMenu(Text1[2]);
    QDialog::done(result);
}

// Enter moves to the next control everywhere in the dialog, never presses a button; the text
// boxes do it themselves (EnterMovesNext). Ctrl+C, Ctrl+V and Ctrl+X do nothing in a text box.
bool FrmCHEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (qobject_cast<TextBox *>(watched)) {
            if (IsControlClipboardKey(key))
                return true;
        } else if (IsEnterKey(key) && watched != Check7) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// lang-keys: OTHER 1101-1103
void FrmCHEdit::InitChannelEditCaptions()
{
    setWindowTitle(GetLangText(1300));
    for (int i = 0; i < 3; ++i)
        Label1[static_cast<std::size_t>(i)]->setText(GetLangText(1101 + i));
    Label1[3]->setText(GetLangText(1140));
    const QWidget *label1Inputs[4] = {Text1[0], Combo2, Text1[2], Text1[10]};
    for (int i = 0; i < 4; ++i) {
        QLabel *l = Label1[static_cast<std::size_t>(i)];
        SetGeometryTwips(l, 0, PxToTwips(label1Inputs[i]->y()), kLabelWidth, kRowHeight);
        PlaceCaptionLabel(l, label1Inputs[i], kLabelGap);
    }
    const QString tone = GetLangText(1107) + QLatin1Char(' ');
    const std::pair<int, QString> captions[] = {
        {0, GetLangText(1104)}, {1, GetLangText(1106)},  {2, GetLangText(1109)},  {3, GetLangText(1114)},
        {4, GetLangText(1110)}, {5, tone + GetLangText(1112)}, {6, GetLangText(1742)}, {7, GetLangText(1743)},
        {8, GetLangText(1744)}, {9, GetLangText(1745)},  {10, tone + GetLangText(1113)}, {12, GetLangText(1116)},
        {13, GetLangText(1720)}};
    for (const auto &[index, text] : captions)
        Label2[static_cast<std::size_t>(index)]->setText(text);
    Label4->setText(GetLangText(4030));
    Check1->setText(GetLangText(1105));
    Check2[0]->setText(GetLangText(1301));
    Check2[1]->setText(GetLangText(1301));
    Check4[0]->setText(GetLangText(1207));
    Check4[1]->setText(GetLangText(1114));
    Check5->setText(GetLangText(1746));
    Check6->setText(GetLangText(1111));
    for (int i = 0; i < 15; ++i) {
        if (i == 11)
            continue;
        QLabel *l = Label2[static_cast<std::size_t>(i)];
        const ComboBox *c = Combo1[static_cast<std::size_t>(i)];
        SetGeometryTwips(l, 0, PxToTwips(c->y()), kLabelWidth, kRowHeight);
        PlaceCaptionLabel(l, c, kLabelGap);
    }
    for (int i : {5, 10}) {
        ComboBox *c = Combo1[static_cast<std::size_t>(i)];
        c->Clear();
        c->AddItem(GetLangText(1206));
        c->AddItem(S("CTCSS"));
        c->AddItem(S("DCS"));
    }
    Combo1[6]->Clear();
    Combo1[6]->AddItem(GetLangText(1755));
    Combo1[6]->AddItem(GetLangText(1756));
    for (int i : {2, 3}) {
        ComboBox *c = Combo3[static_cast<std::size_t>(i)];
        c->Clear();
        for (int code = 0; code < kDcsCodeCount; ++code)
            c->AddItem(OctPadded(code, 3));
    }
    SetOkCancelCaptions(this);
}

// lang-keys: OTHER 1210-1212 1214-1220 1755 1765-1767 1784-1788
void FrmCHEdit::InitChannelEditLists()
{
    const AppState &s = State();
    // The CTCSS tones and, last, the custom tone.
    for (int i : {1, 0}) {
        ComboBox *c = Combo3[static_cast<std::size_t>(i)];
        c->Clear();
        for (int t = 0; t < kCtcssToneCount; ++t)
            c->AddItem(CtcssToneText(t));
        c->AddItem(GetLangText(4031));
    }
    Combo1[0]->Clear();
    for (int i = 0; i < kStepCount; ++i)
        Combo1[0]->AddItem(StepText(i));
    Combo1[1]->Clear();
    Combo1[1]->AddItem(S("25KHz"));
    Combo1[1]->AddItem(S("12.5KHz"));
    Combo1[2]->Clear();
    Combo1[2]->AddItem(GetLangText(1204));
    Combo1[2]->AddItem(GetLangText(1205));
    Combo2->Clear();
    Combo2->AddItem(GetLangText(1210));
    Combo2->AddItem(S("-"));
    Combo2->AddItem(S("+"));

    Combo1[4]->Clear();
    Combo1[4]->AddItem(GetLangText(1206));
    const bool dtmf = s.FeatureFlags.DtmfFlag != 0;
    if (dtmf)
        Combo1[4]->AddItem(S("DTMF"));
    Label2[7]->setHidden(!dtmf);
    Combo1[7]->setHidden(!dtmf);
    Label2[8]->hide();
    Combo1[8]->hide();

    const int pttIdKeys[4] = {1755, 1765, 1766, 1767};
    for (int i : {7, 8}) {
        ComboBox *c = Combo1[static_cast<std::size_t>(i)];
        c->Clear();
        for (int key : pttIdKeys)
            c->AddItem(GetLangText(key));
    }
    for (int i : {9, 11}) {
        ComboBox *c = Combo1[static_cast<std::size_t>(i)];
        c->Clear();
        for (int mode = 0; mode < kSquelchModes; ++mode)
            c->AddItem(GetLangText(1784 + mode));
    }
    Combo1[12]->Clear();
    for (int n = 0; n <= kLastDisplay; ++n)
        if (n != kSkippedDisplay)
            Combo1[12]->AddItem(GetLangText(1210 + n));
    Combo1[13]->Clear();
    Combo1[13]->AddItem(GetLangText(1755));
    Combo1[13]->AddItem(S("Repeater"));
    Combo1[13]->AddItem(S("Busy"));

    for (ComboBox *c : Combo4)
        c->Clear();
    for (int n = 1; n <= kDtmfMemories; ++n)
        Combo4[0]->AddItem(S("M") + QString::number(n));
    // The entry lists of the signalling kinds the dialog does not offer carry a 2-tone or
    // 5-tone channel's entry from the show to OK: the 2-tone entries in use and the 5-tone
    // code rows in use, by index.
    const SignallingRecord &sig = s.RadioData.SignallingRecord;
    for (int j = 0; j < kTwoToneEntries; ++j)
        if (sig.TwoToneBlock.Entries[static_cast<std::size_t>(j)].Empty == 0)
            Combo4[1]->AddItem(QString::number(j));
    for (int j = 0; j < kFiveToneRows; ++j)
        if (sig.FiveToneBlock.CodeRows[static_cast<std::size_t>(j)].Empty == 0)
            Combo4[2]->AddItem(QString::number(j));
}

void FrmCHEdit::LoadEditChannel()
{
    AppState &s = State();
    const int slot = FindChannelSlot(s.CurChannelNo);
    s.EditChannelBuffer = slot >= 0 ? s.ChannelList[static_cast<std::size_t>(slot)]
                                    : NewChannelRecord(static_cast<int16_t>(s.CurChannelNo));
    ShowEditChannel();
}

void FrmCHEdit::ShowEditChannel()
{
    AppState &s = State();
    ChannelRecord &c = s.EditChannelBuffer;

    for (QWidget *w : std::initializer_list<QWidget *>{Combo3[0], Combo3[1], Combo3[2], Combo3[3], Combo4[0],
                                                       Combo4[1], Combo4[2], Check2[0], Check2[1], Check3,
                                                       Label2[3], Combo1[3], Combo1[11], Label2[11]})
        w->hide();

    // Frequencies: the TX is formed from the RX and the offset; none for an empty RX.
    Text1[0]->setText(FreStoredToText(c.RxFrequency.toByteArray()));
    ShowListIndex(Combo2, c.OffsetDir);
    Text1[1]->setText(TxStoredToText(c.TxOffset.toByteArray()));
    int64_t rx = 0;
    int64_t offset = 0;
    QString tx;
    if (Units(Text1[0]->text(), 5, rx)) {
        tx = FormatUnits(rx, 5, 0);
        if (Combo2->ListIndex() > 0 && Units(Text1[1]->text(), 5, offset))
            tx = FormatUnits(Combo2->ListIndex() == OffsetMinus ? rx - offset : rx + offset, 5, 0);
    }
    Text1[10]->setText(tx);

    const QString name = ShownText(c.Name);
    for (int k = 0; k < kNameBoxes; ++k)
        Text1[static_cast<std::size_t>(2 + k)]->setText(name.mid(k, 1));

    ShowListIndex(Combo1[0], c.StepIndex);
    ShowListIndex(Combo1[1], c.Bandwidth);
    ShowListIndex(Combo1[2], c.Power);
    if (c.Power > 1)
        c.Power = 0;
    // The list offers off and DTMF only: any other kind shows off.
    Combo1[4]->setText(FindComboItem(Combo1[4], c.OptSig == OptSigDtmf ? S("DTMF") : QString()));
    ShowListIndex(Combo1[5], c.DecodeToneType);
    ShowListIndex(Combo1[10], c.EncodeToneType);
    ShowListIndex(Combo1[6], c.Scrambler);
    ShowListIndex(Combo1[7], c.DtmfPttId);
    ShowListIndex(Combo1[8], c.FiveTonePttId);
    // The stored squelch mode when the shown list offers it, else the shown list's mode 0.
    Combo1[9]->setText(FindComboItem(Combo1[9], Combo1[11]->List(c.SquelchMode)));

    // The extra-display list skips value 3: values above it sit one item lower. The skipped
    // value and values past the list show the first item.
    const int display = c.ExtraDisplay;
    const bool listed = display >= 0 && display <= kLastDisplay && display != kSkippedDisplay;
    ShowListIndex(Combo1[12], !listed ? 0 : (display > kSkippedDisplay ? display - 1 : display));
    ShowListIndex(Combo1[13], c.BusyLock);

    SetCheckValue(Check1, c.TxInhibit);
    SetCheckValue(Check4[0], c.Reverse);
    SetCheckValue(Check4[1], c.Talkaround);
    ApplyEditSquelchRule();
    SetCheckValue(Check5, c.Compander);
    SetCheckValue(Check6, c.ScanSkip);
    SetCheckValue(Check7, c.PttIdDecode);
    Text2->setText(ShownText(c.Code));

    // The signalling entry: the DTMF memory, or the entry of a kind the list does not offer,
    // carried hidden to OK (the entry in use, else the first in use, else none).
    if (c.OptSig == OptSigDtmf) {
        Combo4[0]->show();
        ShowListIndex(Combo4[0], c.DtmfMemoryIndex);
        SetCheckValue(Check3, c.PttIdFlag);
    } else if (c.OptSig == OptSig2Tone) {
        Combo4[1]->setText(FindComboItem(Combo4[1], QString::number(c.TwoToneIndex)));
    } else if (c.OptSig == OptSig5Tone) {
        Combo4[2]->setText(FindComboItem(Combo4[2], QString::number(c.FiveToneIndex)));
        SetCheckValue(Check3, c.PttIdFlag);
    }

    const auto showTone = [this](int type, ComboBox *ctcss, ComboBox *dcs, QCheckBox *inverted, int index, int code,
                                 int inv) {
        if (type == CtcCtcss) {
            ctcss->show();
            ShowListIndex(ctcss, index);
        } else if (type == CtcDcs) {
            dcs->show();
            ShowListIndex(dcs, code);
            inverted->show();
            SetCheckValue(inverted, inv);
        }
    };
    showTone(c.DecodeToneType, Combo3[0], Combo3[2], Check2[0], c.DecodeCtcssIndex, c.DecodeDcsCode,
             c.DecodeDcsInverted);
    showTone(c.EncodeToneType, Combo3[1], Combo3[3], Check2[1], c.EncodeCtcssIndex, c.EncodeDcsCode,
             c.EncodeDcsInverted);

    Text3->setText(FormatUnits(c.CustomCtcss, 1, 0));

    const QByteArray rxField = c.RxFrequency.toByteArray().trimmed();
    if (!rxField.isEmpty() && rxField != "FFFFFFFFF")
        EnableChannelControls();
    else
        DisableChannelControls();
}

void FrmCHEdit::RememberSquelchChoice()
{
    if (Combo1[9]->Text().isEmpty())
        Combo1[11]->setListIndex(0);
    else
        Combo1[11]->setText(Combo1[9]->Text());
}

void FrmCHEdit::ApplyEditSquelchRule()
{
    ComboBox *shown = Combo1[9];
    ComboBox *master = Combo1[11];
    RememberSquelchChoice();
    shown->Clear();
    shown->AddItem(master->List(0));
    const int reverse = CheckValue(Check4[0]);
    if (reverse != 0 && reverse != 1)
        return;
    const bool tone = (reverse == 1 ? Combo1[10] : Combo1[5])->ListIndex() != 0;
    const bool signalling = Combo1[4]->ListIndex() > 0;
    if (tone && !signalling) {
        shown->AddItem(master->List(1));
    } else if (signalling && !tone) {
        shown->AddItem(master->List(2));
    } else if (tone && signalling) {
        for (int mode = 1; mode < kSquelchModes; ++mode)
            shown->AddItem(master->List(mode));
    }
    shown->setText(FindComboItem(shown, master->Text()));
}

void FrmCHEdit::Combo1_Click(int index)
{
    const auto toneType = [this](int list, ComboBox *ctcss, ComboBox *dcs, QCheckBox *inverted) {
        ctcss->hide();
        dcs->hide();
        inverted->hide();
        ApplyEditSquelchRule();
        const int type = Combo1[static_cast<std::size_t>(list)]->ListIndex();
        if (type == CtcCtcss) {
            ctcss->show();
            ctcss->setListIndex(0);
        } else if (type == CtcDcs) {
            dcs->show();
            dcs->setListIndex(0);
            inverted->show();
            inverted->setEnabled(true);
            SetCheckValue(inverted, 0);
        }
    };
    switch (index) {
    case 4:
        for (QWidget *w : {static_cast<QWidget *>(Combo4[0]), static_cast<QWidget *>(Combo4[1]),
                           static_cast<QWidget *>(Combo4[2]), static_cast<QWidget *>(Check3)})
            w->hide();
        if (Combo1[4]->Text() == S("DTMF")) {
            Combo4[0]->show();
            Combo4[0]->setEnabled(true);
            Combo4[0]->setListIndex(Combo4[0]->ListCount() > 0 ? 0 : -1);
        }
        ApplyEditSquelchRule();
        break;
    case 5:
        toneType(5, Combo3[0], Combo3[2], Check2[0]);
        break;
    case 10:
        toneType(10, Combo3[1], Combo3[3], Check2[1]);
        break;
    case 7:
        if (Combo1[7]->ListIndex() >= 1)
            Combo1[8]->setListIndex(0);
        break;
    case 8:
        if (Combo1[8]->ListIndex() >= 1)
            Combo1[7]->setListIndex(0);
        break;
    default:
        break;
    }
}

void FrmCHEdit::Check4_Click(int index)
{
    if (CheckValue(Check4[static_cast<std::size_t>(index)]) == 1)
        SetCheckValue(Check4[static_cast<std::size_t>(1 - index)], 0);
    ApplyEditSquelchRule();
}

void FrmCHEdit::SetChannelControlsEnabled(bool on)
{
    for (int i = 1; i <= 8; ++i)
        Text1[static_cast<std::size_t>(i)]->setEnabled(on);
    Text1[10]->setEnabled(on);
    for (int i = 0; i <= 13; ++i)
        if (i != 11)
            Combo1[static_cast<std::size_t>(i)]->setEnabled(on);
    Combo2->setEnabled(on);
    for (QCheckBox *c : {Check1, Check4[0], Check4[1], Check5, Check6})
        c->setEnabled(on);
    // The code and its PTT-ID decode box belong to the channels up to PL2.
    const bool code = on && State().CurChannelNo <= kLastCodeChannel;
    Text2->setEnabled(code);
    Check7->setEnabled(code);
    // A list or box that is hidden keeps its state.
    for (QWidget *w : std::initializer_list<QWidget *>{Combo3[0], Combo3[1], Combo3[2], Combo3[3], Combo4[0],
                                                       Combo4[1], Combo4[2], Check2[0], Check2[1], Check3})
        if (!w->isHidden())
            w->setEnabled(on);
}

void FrmCHEdit::EnableChannelControls()
{
    SetChannelControlsEnabled(true);
    Text1[0]->setEnabled(true);
}

void FrmCHEdit::DisableChannelControls() { SetChannelControlsEnabled(false); }

void FrmCHEdit::Text1_Change(int index)
{
    if (index != 0)
        return;
    if (Text1[0]->text().isEmpty())
        DisableChannelControls();
    else
        EnableChannelControls();
}

void FrmCHEdit::Text3_LostFocus() { Text3->setText(CheckCustomCtcss(Text3->text())); }

void FrmCHEdit::CommandOK_Click()
{
    AppState &s = State();
    const int number = s.CurChannelNo;
    QString code = Text2->text();
    if (code.size() < 5)
        Text2->setText(code.leftJustified(5, QLatin1Char('0')));

    const QString rx = Text1[0]->text();
    if (!rx.isEmpty() && !IsNumeric(rx)) {
        // A receive text that is not a number is a typing slip, not a request to delete: the
        // user corrects it or cancels.
        ShowBandWarning();
        Text1[0]->setFocus();
        return;
    }
    if (rx.isEmpty()) {
        if (number == SpecialVFO2) {
            prompt().MsgBox(S("VFO can't be null!"), vbOKOnly);
            Text1[0]->setFocus();
            return;
        }
        if (number >= kFirstSpecialChannel && ChannelExists(number)) {
            // A special channel cannot be deleted: keep the dialog open rather than drop the
            // user's edits without a word.
            prompt().MsgBox(GetLangText(1302), vbOKOnly + vbExclamation);
            Text1[0]->setFocus();
            return;
        }
        if (number < kFirstSpecialChannel && ChannelExists(number))
            DeleteChannel(number);
    } else if (ChannelExists(number)) {
        ModifyUFreData(number);
    } else {
        AddNewUFreData(number);
    }
    CallHook(Hooks().ReShowGrid, 0, number, 0);
    RepairChannelIndexes();
    accept();
}

void FrmCHEdit::CommandCancel_Click() { reject(); }

void FrmCHEdit::ModifyUFreData(int number)
{
    const int slot = FindChannelSlot(number);
    if (slot < 0) {
        prompt().MsgBox(S("No Find Data!"), vbOKOnly);
        return;
    }
    ChannelRecord c = State().ChannelList[static_cast<std::size_t>(slot)];
    BuildRecord(c, false);
    State().ChannelList[static_cast<std::size_t>(slot)] = c;
}

void FrmCHEdit::AddNewUFreData(int number)
{
    AppState &s = State();
    const int count = UsedChannelSlots();
    if (count >= kChannelSlots) {
        prompt().MsgBox(GetLangText(1303), vbOKOnly + vbExclamation);
        return;
    }
    ChannelRecord c{};
    c.Number = static_cast<int16_t>(number);
    BuildRecord(c, true);
    s.ChannelList[static_cast<std::size_t>(count)] = c;
    s.RadioData.ChannelCount = static_cast<int16_t>(count + 1);
}

void FrmCHEdit::BuildRecord(ChannelRecord &c, bool append)
{
    // Every list stores the item it shows; nothing selected stores 0.
    const auto index = [](const ComboBox *list) { return static_cast<int16_t>(std::max(list->ListIndex(), 0)); };
    c.Used = 1;
    c.StepIndex = index(Combo1[0]);

    const QString rx = NormaliseRxFreText(Text1[0]->text(), true);
    Text1[0]->setText(rx);
    StoreText(c.RxFrequency, FreTextToStored(rx));

    QString name;
    for (int k = 0; k < kNameBoxes; ++k) {
        const QString ch = Text1[static_cast<std::size_t>(2 + k)]->text().left(1);
        name += ch.isEmpty() ? QString(QLatin1Char(' ')) : ch;
    }
    StoreText(c.Name, name);

    const QString tx = NormaliseTxFreText(Text1[10]->text(), true);
    int64_t rxUnits = 0;
    int64_t txUnits = 0;
    ReadUnits(rx, 5, rxUnits);
    ReadUnits(tx, 5, txUnits);
    Combo2->setListIndex(txUnits == rxUnits ? OffsetNone : (txUnits < rxUnits ? OffsetMinus : OffsetPlus));
    Text1[1]->setText(FormatUnits(std::llabs(txUnits - rxUnits), 5, 1));
    c.OffsetDir = static_cast<int16_t>(Combo2->ListIndex());
    StoreText(c.TxOffset, FreTextToStored(NormaliseOffset(Text1[1]->text(), rx, c.OffsetDir, true)));

    c.ScanSkip = CheckField(Check6);
    c.TxInhibit = CheckField(Check1);
    c.Reverse = CheckField(Check4[0]);
    c.Bandwidth = index(Combo1[1]);
    c.EncodeDcsInverted = CheckField(Check2[1]);
    c.Power = index(Combo1[2]);
    c.Talkaround = CheckField(Check4[1]);
    c.DecodeDcsInverted = CheckField(Check2[0]);
    c.Compander = CheckField(Check5);
    c.EncodeToneType = index(Combo1[10]);
    c.DecodeToneType = index(Combo1[5]);
    c.EncodeCtcssIndex = index(Combo3[1]);
    c.DecodeCtcssIndex = index(Combo3[0]);
    c.EncodeDcsCode = index(Combo3[3]);
    c.DecodeDcsCode = index(Combo3[2]);
    // Only off and DTMF are stored; a 2-tone or 5-tone entry comes from its hidden list.
    c.OptSig = Combo1[4]->Text() == S("DTMF") ? int16_t(OptSigDtmf) : int16_t(OptSigOff);
    const auto entry = [](const ComboBox *list) {
        return static_cast<int16_t>(list->ListIndex() < 0 ? 0 : NumOrDefault(list->Text(), 0));
    };
    c.TwoToneIndex = entry(Combo4[1]);
    c.FiveToneIndex = entry(Combo4[2]);
    c.Scrambler = index(Combo1[6]);
    c.DtmfPttId = index(Combo1[7]);
    c.FiveTonePttId = index(Combo1[8]);

    // The squelch mode is the master list's index of the mode the shown list offers; none
    // selected (a grey reverse box) stores mode 0.
    RememberSquelchChoice();
    c.SquelchMode = index(Combo1[11]);

    Text3->setText(CheckCustomCtcss(Text3->text()));
    int64_t tone = 0;
    ReadUnits(Text3->text(), 1, tone);
    c.CustomCtcss = static_cast<int16_t>(tone);
    if (append)
        c.PttIdFlag = CheckField(Check3);
    c.DtmfMemoryIndex = index(Combo4[0]);
    const int display = index(Combo1[12]);
    c.ExtraDisplay = static_cast<int16_t>(display >= kSkippedDisplay ? display + 1 : display);
    c.BusyLock = index(Combo1[13]);
    c.PttIdDecode = CheckField(Check7);
    StoreText(c.Code, Text2->text(), '0');
}

int ShowFrmCHEdit(QWidget *parent)
{
    FrmCHEdit dialog(parent);
    return prompt().ShowModal(&dialog);
}
