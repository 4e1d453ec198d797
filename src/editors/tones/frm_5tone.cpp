#include "editors/tones/frm_5tone.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "data/app_state.h"
#include "data/channel_table.h"
#include "data/code_text.h"
#include "data/five_tone_codes.h"
#include "data/lang_text.h"
#include "data/radio_data.h"
#include "data/tone_standards.h"
#include "data/value_rules.h"
#include "editors/settings/settings_form.h"
#include "editors/tones/frm_5tone_def_ts.h"
#include "editors/tones/frm_5tone_special.h"
#include "platform/dialog_routines.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"
#include "platform/numbers.h"
#include "platform/prompt.h"
#include "platform/vb_keys.h"
#include "shell/dialog_buttons.h"
#include "shell/grid_combo.h"

namespace {

constexpr int kGridRows = 101;
constexpr int kGridCols = 6;
constexpr int kColKind = 1;
constexpr int kColCode = 2;
constexpr int kColStandard = 3;
constexpr int kColPeriod = 4;
constexpr int kColName = 5;
constexpr int kOwnIdDigits = 5;
constexpr int kLabelGap = 100;
constexpr int kDefaultPeriod = 70;
constexpr int kPeriodLow = 30;
constexpr int kPeriodHigh = 100;
constexpr int kInfoCodeDigitsShown = 12;
constexpr int kPttIdDigitsShown = 24; // the radio keeps 24 digits of a PTT-ID code

const QString kPttIdKind = QStringLiteral("PTTID");
const QString kAniKind = QStringLiteral("ANI");

// The own-ID length message (key "900C" of section MSG, read as the number 0x900C).
QString OwnIdLengthMessage() { return GetMsgText(36876, kLangTextLongBuffer); }

QChar HexUpper(QChar c)
{
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')))
        return c;
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.toUpper();
    return QChar();
}

// Selects the item whose text is exactly text; no item selected when there is none.
void ShowItemText(ComboBox *combo, const QString &text)
{
    combo->setListIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

// Selects the item at index; no item selected when the list has none there.
void ShowItemIndex(ComboBox *combo, int index)
{
    combo->setListIndex(index >= 0 && index < combo->ListCount() ? index : -1);
}

// Stores a list's index (shifted by add) into a field; a list with no selection leaves the field
// as it was, so a stored value the list cannot show goes back unchanged.
template <typename T>
void StoreIndex(const ComboBox *combo, T &field, int add = 0)
{
    if (combo->ListIndex() >= 0)
        field = static_cast<T>(combo->ListIndex() + add);
}

int PeriodOrDefault(int period) { return period < kPeriodLow || period > kPeriodHigh ? kDefaultPeriod : period; }

TextBox *NewTextBox(QWidget *parent, const QString &name, int maxLength)
{
    auto *box = new TextBox(parent);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    return box;
}

ComboBox *NewList(QWidget *parent, const QString &name, int index = -1)
{
    auto *combo = new ComboBox(parent);
    if (index < 0)
        combo->setObjectName(name);
    else
        SetArrayName(combo, name, index);
    return combo;
}

QLabel *NewLabel(QWidget *parent, const QString &name, int index = -1)
{
    auto *label = new QLabel(parent);
    if (index < 0)
        label->setObjectName(name);
    else
        SetArrayName(label, name, index);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// Sets a label's text, sizes it to the text and puts it 100 twips left of its control, on the
// control's line.
void SetPlacedLabel(QLabel *label, const QString &text, const QWidget *control)
{
    SetCaptionLeftOf(label, text, control, kLabelGap);
    label->move(label->x(), control->y() + (control->height() - label->height()) / 2);
}

// Every key of the window's texts is read from the current language file at each load.
// lang-keys: OPTION 60057-60059
const int kResponseKeys[kDecodeResponseCount] = {60057, 60058, 60059};
// lang-keys: OPTION 60098 60075 60074 60069 60093 60082 60099 60100
const int kFunctionKeys[kInfoCodeFunctionCount] = {60098, 60075, 60074, 60069, 60093, 60082, 60099, 60100};
// lang-keys: OPTION 60081 60307-60311 60314-60316
const int kSettingLabelKeys[9] = {60081, 60307, 60308, 60309, 60310, 60311, 60314, 60315, 60316};

} // namespace

Frm5Tone::Frm5Tone(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frm5Tone"));
    setWindowTitle(QStringLiteral("5 Tone"));
    setFixedSize(TwipsToPx(13725), TwipsToPx(9570));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    setFont(font);
    CreateControls();
    Form_Load();
}

Frm5Tone::~Frm5Tone() = default;

FiveToneBlock &Frm5Tone::EditBlock() const { return State().SignallingEditCopy.FiveToneBlock; }

QString Frm5Tone::OwnIdText() const { return Text2->text(); }

void Frm5Tone::CreateControls()
{
    // Settings column: own ID, then Combo1(1)..(12) with their labels.
    Label1[0] = NewLabel(this, QStringLiteral("Label1"), 0);
    Text2 = NewTextBox(this, QStringLiteral("Text2"), kOwnIdDigits);
    SetGeometryTwips(Text2, 2760, 120, 1695, 270);
    Text2->setCharRule(TextBox::OnlyChars(QStringLiteral("0123456789")));
    Text2->setClipboardKeysBlocked(true);
    Text2->setEnterMovesNext(true);

    struct Place {
        int left, top, width;
    };
    const Place places[13] = {{0, 0, 0},          {2760, 480, 1695},  {2760, 840, 2295},  {2760, 1200, 1695},
                              {2760, 1560, 1695}, {2760, 1920, 1695}, {2760, 2280, 1695}, {2760, 2640, 1695},
                              {2760, 3000, 1695}, {2760, 3720, 1695}, {2760, 3360, 1695}, {7200, 3000, 1695},
                              {7200, 3360, 1695}};
    for (int i = 1; i <= 12; ++i) {
        Label1[std::size_t(i)] = NewLabel(this, QStringLiteral("Label1"), i);
        Combo1[std::size_t(i)] = NewList(this, QStringLiteral("Combo1"), i);
        SetGeometryTwips(Combo1[std::size_t(i)], places[i].left, places[i].top, places[i].width, 300);
        connect(Combo1[std::size_t(i)], &ComboBox::Click, this, [this, i] { Combo1_Click(i); });
    }
    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    SetGeometryTwips(Check1, 5400, 3840, 2655, 240); // ends where the grid begins

    // Information codes.
    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    SetGeometryTwips(Frame2, 5400, 0, 5175, 2895);
    Label3 = NewLabel(Frame2, QStringLiteral("Label3"));
    Combo6 = NewList(Frame2, QStringLiteral("Combo6"));
    SetGeometryTwips(Combo6, 2040, 360, 1695, 300);
    for (int n = 1; n <= kInfoCodes; ++n)
        Combo6->AddItem(QString::number(n));
    Frame3 = new QGroupBox(Frame2);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    SetGeometryTwips(Frame3, 120, 840, 4935, 1935);
    for (int i = 0; i < 4; ++i)
        Label4[std::size_t(i)] = NewLabel(Frame3, QStringLiteral("Label4"), i);
    for (int i = 0; i < 2; ++i) {
        Combo7[std::size_t(i)] = NewList(Frame3, QStringLiteral("Combo7"), i);
        SetGeometryTwips(Combo7[std::size_t(i)], 2400, 360 + 360 * i, 2415, 300);
        connect(Combo7[std::size_t(i)], &ComboBox::Click, this, [this, i] { Combo7_Click(i); });
    }
    Text5 = NewTextBox(Frame3, QStringLiteral("Text5"), kInfoCodeDigitsShown);
    SetGeometryTwips(Text5, 2400, 1080, 2415, 330);
    Text5->setCharRule(HexUpper);
    Text5->setClipboardKeysBlocked(true);
    Text5->setEnterMovesNext(true);
    Text7 = NewTextBox(Frame3, QStringLiteral("Text7"), 7);
    SetGeometryTwips(Text7, 2400, 1440, 2415, 330);
    Text7->setCharRule([](QChar c) { return c.unicode() <= 127 ? c : QChar(); });
    Text7->hide();
    Label4[3]->hide();
    connect(Combo6, &ComboBox::Click, this, &Frm5Tone::Combo6_Click);

    // Code list and its cell editors.
    MSHFlexGrid1 = new FlexGrid(kGridRows, kGridCols, this);
    MSHFlexGrid1->setObjectName(QStringLiteral("MSHFlexGrid1"));
    SetGeometryTwips(MSHFlexGrid1, 120, 4080, 10695, 3540);
    MSHFlexGrid1->setFixedCols(2);
    Text3 = NewTextBox(this, QStringLiteral("Text3"), 40);
    Text3->setCharRule(HexUpper);
    Text3->setClipboardKeysBlocked(true);
    Text3->setFocusPolicy(Qt::ClickFocus);
    Combo2 = new GridCombo(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo3 = new GridCombo(this);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    Text6 = NewTextBox(this, QStringLiteral("Text6"), 7);
    Text6->setCharRule([](QChar c) {
        if (c.unicode() > 127 || c == QLatin1Char('\\') || c == QLatin1Char('~'))
            return QChar();
        return c;
    });
    Text6->setClipboardKeysBlocked(true);
    Text6->setFocusPolicy(Qt::ClickFocus);
    for (QWidget *editor : {static_cast<QWidget *>(Text3), static_cast<QWidget *>(Combo2),
                            static_cast<QWidget *>(Combo3), static_cast<QWidget *>(Text6)})
        editor->hide();

    // Buttons.
    Command1 = NewCommandButton(this, "Command1", 360, 7680, false, 2055);
    Command4 = NewCommandButton(this, "Command4", 2640, 7680, false, 1935);
    Command4->hide();
    CommandOK = NewCommandButton(this, "CommandOK", 4920, 7680, false, 975);
    CommandCancel = NewCommandButton(this, "CommandCancel", 6000, 7680, false, 975);

    // PTT-ID begin and end frames.
    const int frameLeft[2] = {360, 5880};
    const int frameWidth[2] = {4935, 4815};
    const int textLeft[2] = {1800, 1680};
    const int standardWidth[2] = {1455, 1335};
    const int periodLeft[2] = {1560, 1440};
    for (int i = 0; i < 2; ++i) {
        const auto k = std::size_t(i);
        Frame1[k] = new QGroupBox(this);
        SetArrayName(Frame1[k], QStringLiteral("Frame1"), i);
        SetGeometryTwips(Frame1[k], frameLeft[i], 8160, frameWidth[i], 1335);
        Label2[k] = NewLabel(Frame1[k], QStringLiteral("Label2"), i);
        Label2[k]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Label2[k]->move(TwipsToPx(240), TwipsToPx(480));
        Text4[k] = new TextBox(Frame1[k]);
        SetArrayName(Text4[k], QStringLiteral("Text4"), i);
        Text4[k]->setMaxLength(kPttIdDigitsShown);
        SetGeometryTwips(Text4[k], textLeft[i], 480, 3015, 270);
        Text4[k]->setCharRule(HexUpper);
        Text4[k]->setClipboardKeysBlocked(true);
        Text4[k]->setEnterMovesNext(true);
        Combo4[k] = NewList(Frame1[k], QStringLiteral("Combo4"), i);
        SetGeometryTwips(Combo4[k], 120, 960, standardWidth[i], 300);
        Combo5[k] = NewList(Frame1[k], QStringLiteral("Combo5"), i);
        SetGeometryTwips(Combo5[k], periodLeft[i], 960, 1095, 300);
        connect(Combo4[k], &ComboBox::Click, this, [this, i] { Combo4_Click(i); });
        connect(Text4[k], &TextBox::LostFocus, this, [this, i] { Text4_LostFocus(i); });
    }
    Command2 = NewCommandButton(Frame1[0], "Command2", 2760, 900, false, 2055);
    Command3 = NewCommandButton(Frame1[1], "Command3", 2640, 900, false, 2055);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    SetGeometryTwips(Text1, 11040, 120, 2655, 9015);

    // The standard lists hold the fifteen names, fixed with the window.
    for (ComboBox *list : {Combo1[1], static_cast<ComboBox *>(Combo2), Combo4[0], Combo4[1]})
        for (const QString &name : ToneStandardNames())
            list->AddItem(name);

    connect(Text2, &TextBox::LostFocus, this, &Frm5Tone::Text2_LostFocus);
    connect(Text3, &QLineEdit::returnPressed, this, &Frm5Tone::Text3_Enter);
    connect(Text6, &QLineEdit::returnPressed, this, &Frm5Tone::Text6_Enter);
    connect(Combo2, &ComboBox::Click, this, &Frm5Tone::Combo2_Click);
    connect(Combo2, &GridCombo::KeyPress, this, &Frm5Tone::Combo2_KeyPress);
    connect(Combo3, &GridCombo::KeyPress, this, &Frm5Tone::Combo3_KeyPress);
    connect(MSHFlexGrid1, &FlexGrid::EnterCell, this, &Frm5Tone::MSHFlexGrid1_EnterCell);
    connect(MSHFlexGrid1, &FlexGrid::Click, this, &Frm5Tone::MSHFlexGrid1_Click);
    connect(MSHFlexGrid1, &FlexGrid::DblClick, this, &Frm5Tone::MSHFlexGrid1_DblClick);
    connect(MSHFlexGrid1, &FlexGrid::Scroll, this, &Frm5Tone::MSHFlexGrid1_Scroll);
    connect(Command1, &QPushButton::clicked, this, &Frm5Tone::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Frm5Tone::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Frm5Tone::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Frm5Tone::Command4_Click);
    connect(CommandOK, &QPushButton::clicked, this, &Frm5Tone::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &Frm5Tone::CommandCancel_Click);

    // Tab order: the own ID first (it has the focus when the window opens).
    QList<QWidget *> order{Text2};
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 10, 9, 11, 12})
        order << Combo1[std::size_t(i)];
    order << Check1 << Combo6 << Combo7[0] << Combo7[1] << Text5 << Text7 << MSHFlexGrid1 << Combo2 << Combo3
          << Text4[0] << Combo4[0] << Combo5[0] << Command2 << Text4[1] << Combo4[1] << Combo5[1] << Command3
          << Command1 << CommandOK << CommandCancel << Text1 << Command4;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    Text2->setFocus();
}

void Frm5Tone::Form_Load()
{
    RidTextMenu(Text2);
    RidTextMenu(Text3);
    RidTextMenu(Text4[0]);
    RidTextMenu(Text4[1]);
    GridReady = false;
    CurTone5Row = CurTone5Col = CurInfoCodeID = 0;
    Text3->hide();
    Combo2->hide();
    Combo3->hide();
    Command4->setText(GetLangText(3104));

    setWindowTitle(GetOptionText(60052));
    CommandOK->setText(GetOptionText(60024));
    CommandCancel->setText(GetOptionText(60025));
    Label1[0]->setText(GetOptionText(60072));
    const QString standardHeading = GetOptionText(60061);
    Label1[1]->setText(GetLangText(3004));
    MSHFlexGrid1->setTextMatrix(0, kColStandard, standardHeading);
    Label1[2]->setText(GetOptionText(60070));
    Label1[3]->setText(GetOptionText(60071));
    for (ComboBox *list : {Combo1[2], Combo7[1]}) {
        list->Clear();
        for (int key : kResponseKeys)
            list->AddItem(GetOptionText(key));
    }
    MSHFlexGrid1->setTextMatrix(0, 0, GetOptionText(60053));
    MSHFlexGrid1->setTextMatrix(0, kColKind, GetOptionText(60062));
    const QString codeHeading = GetOptionText(60079);
    MSHFlexGrid1->setTextMatrix(0, kColCode, codeHeading);
    Label2[0]->setText(codeHeading);
    Label2[1]->setText(codeHeading);
    Label2[0]->adjustSize();
    Label2[1]->adjustSize();
    Frame1[0]->setTitle(GetOptionText(60302));
    Frame1[1]->setTitle(GetOptionText(60303));
    MSHFlexGrid1->setTextMatrix(0, kColPeriod, GetOptionText(60080));
    MSHFlexGrid1->setTextMatrix(0, kColName, GetOptionText(60305));
    for (int i = 4; i <= 12; ++i)
        SetPlacedLabel(Label1[std::size_t(i)], GetOptionText(kSettingLabelKeys[i - 4]), Combo1[std::size_t(i)]);
    Check1->setText(GetOptionText(60312));
    const QString specialCall = GetOptionText(60062);
    Command1->setText(specialCall);
    Command2->setText(specialCall);
    Command3->setText(specialCall);
    SetPlacedLabel(Label3, GetOptionText(60095), Combo6);
    Label4[0]->setText(GetOptionText(60096));
    Label4[1]->setText(GetOptionText(60070));
    Label4[2]->setText(GetOptionText(60097));
    Label4[3]->setText(GetOptionText(60306));
    Combo7[0]->Clear();
    for (int key : kFunctionKeys)
        Combo7[0]->AddItem(GetOptionText(key));

    SetPlacedLabel(Label1[0], Label1[0]->text(), Text2);
    SetPlacedLabel(Label4[0], Label4[0]->text(), Combo7[0]);
    SetPlacedLabel(Label4[1], Label4[1]->text(), Combo7[1]);
    SetPlacedLabel(Label4[2], Label4[2]->text(), Text5);
    SetPlacedLabel(Label4[3], Label4[3]->text(), Text7);
    for (int i = 1; i <= 3; ++i)
        SetPlacedLabel(Label1[std::size_t(i)], Label1[std::size_t(i)]->text(), Combo1[std::size_t(i)]);

    InitFiveToneLists();
    InitFiveToneGrid();
    State().SignallingEditCopy = State().RadioData.SignallingRecord;
    decodeTime_ = State().RadioData.FiveToneDecodeTime;
    ShowFiveToneData();
    GridReady = true;
}

void Frm5Tone::InitFiveToneLists()
{
    for (ComboBox *list : {static_cast<ComboBox *>(Combo3), Combo1[3], Combo5[0], Combo5[1]}) {
        list->Clear();
        AddNumberItems(list, kPeriodLow, kPeriodHigh);
    }
    Combo1[5]->Clear();
    for (int j = 0; j <= 250; ++j)
        Combo1[5]->AddItem(TenthsText(j));
    for (int i : {4, 6, 8}) {
        Combo1[std::size_t(i)]->Clear();
        AddNumberItems(Combo1[std::size_t(i)], 10, 2550, 10);
    }
    Combo1[12]->Clear();
    AddNumberItems(Combo1[12], 0, 2500, 10);
    Combo1[9]->Clear();
    AddNumberItems(Combo1[9], 0, 2550, 10);
    Combo1[7]->Clear();
    Combo1[7]->AddItem(GetLangText(1755));
    AddNumberItems(Combo1[7], 5, 75);
    Combo1[10]->Clear();
    Combo1[10]->AddItem(GetLangText(1755));
    for (const char *digit : {"B", "C", "D", "F"})
        Combo1[10]->AddItem(QLatin1String(digit));
    Combo1[11]->Clear();
    AddNumberItems(Combo1[11], 0, 2000, 10);
}

void Frm5Tone::InitFiveToneGrid()
{
    FlexGrid *g = MSHFlexGrid1;
    g->setRowHeight(0, 500);
    const int widths[kGridCols] = {400, 1200, 4300, 1600, 1800, 1050};
    for (int c = 0; c < kGridCols; ++c) {
        g->setColWidth(c, widths[c]);
        g->setColAlignment(c, flexAlignCenterCenter);
    }
    for (int r = 1; r < g->Rows(); ++r)
        g->setTextMatrix(r, 0, QString::number(r - 1));
    for (int c = 0; c < g->Cols(); ++c)
        g->setCellForeColorAt(0, c, QColor(0, 0, 155));
    for (int r = 1; r < g->Rows(); ++r)
        g->setCellForeColorAt(r, 0, QColor(0, 0, 255));
}

// ---------------------------------------------------------------------------------------------
// Settings

void Frm5Tone::ShowFiveToneData()
{
    FiveToneBlock &f = EditBlock();
    Text2->setText(ShownText(f.OwnId));
    // The standard first: its click proposes the standard's period, which the stored one replaces.
    ShowItemIndex(Combo1[1], f.StandardIndex);
    ShowItemIndex(Combo1[2], f.OwnDecodeResponse);
    f.TonePeriod = uint8_t(PeriodOrDefault(f.TonePeriod));
    ShowItemText(Combo1[3], QString::number(f.TonePeriod));
    ShowItemText(Combo1[4], QString::number(f.Setting2 * 10));
    ShowItemText(Combo1[5], TenthsText(f.Setting1));
    ShowItemText(Combo1[6], QString::number(f.Setting3 * 10));
    if (f.Setting4 > 4) {
        ShowItemText(Combo1[7], QString::number(f.Setting4));
    } else {
        f.Setting4 = 0;
        Combo1[7]->setListIndex(0);
    }
    ShowItemText(Combo1[8], QString::number(f.FirstDigitDelay * 10));
    ShowItemText(Combo1[9], QString::number(f.PauseTime * 10));
    if (f.PauseDigit == 0)
        Combo1[10]->setListIndex(0);
    else
        ShowItemText(Combo1[10], QString::number(f.PauseDigit, 16).toUpper());
    Combo1[9]->setEnabled(Combo1[10]->ListIndex() != 0);
    ShowItemIndex(Combo1[11], decodeTime_);
    ShowItemIndex(Combo1[12], f.DelayAfterPause);
    sideToneStored_ = f.SideTone;
    SetCheckValue(Check1, f.SideTone);
    sideToneShown_ = CheckValue(Check1);

    Combo6->setListIndex(0);

    ShowCodeRows(f);

    for (int i = 0; i < 2; ++i) {
        FiveToneCodeRecord &p = i == 0 ? f.PttIdBegin : f.PttIdEnd;
        if (p.CodeLength > 40)
            p.CodeLength = 0;
        if (p.StandardIndex > 15)
            p.StandardIndex = 0;
        Text4[std::size_t(i)]->setText(FiveToneCodeInUse(ShownText(p.Code).trimmed(), p.CodeLength));
        ShowItemIndex(Combo4[std::size_t(i)], p.StandardIndex);
        ShowItemText(Combo5[std::size_t(i)], QString::number(PeriodOrDefault(p.TonePeriod)));
    }
}

void Frm5Tone::ShowCodeRows(FiveToneBlock &f)
{
    FlexGrid *g = MSHFlexGrid1;
    const bool redraw = g->Redraw();
    g->setRedraw(false);
    const QString ownId = Text2->text();
    const QString messageLabel = GetOptionText(60084);
    const QString dataMessageKind = GetOptionText(60073);
    for (int r = 1; r <= kFiveToneRows; ++r) {
        FiveToneCodeRecord &row = f.CodeRows[std::size_t(r - 1)];
        if (row.CodeLength > 40)
            row.CodeLength = 0;
        if (row.StandardIndex > 15)
            row.StandardIndex = 0;
        row.TonePeriod = uint8_t(PeriodOrDefault(row.TonePeriod));
        if (row.Empty != 0) {
            g->setTextMatrix(r, kColKind, QString());
            g->setTextMatrix(r, kColCode, QString());
            g->setTextMatrix(r, kColName, QString());
            g->setTextMatrix(r, kColStandard, Combo2->List(0));
            g->setTextMatrix(r, kColPeriod, QString::number(kDefaultPeriod));
            continue;
        }
        const FiveToneCodeView view = FiveToneCodeShown(row, ownId, messageLabel);
        const QString kinds[] = {QString(), dataMessageKind, kPttIdKind, kAniKind};
        g->setTextMatrix(r, kColKind, kinds[view.kind]);
        g->setTextMatrix(r, kColCode, view.codeCell);
        g->setTextMatrix(r, kColStandard, Combo2->List(row.StandardIndex));
        g->setTextMatrix(r, kColPeriod, QString::number(row.TonePeriod));
        g->setTextMatrix(r, kColName, ShownText(row.Name));
    }
    g->setRedraw(redraw);
}

void Frm5Tone::SaveFiveToneData()
{
    FiveToneBlock &f = EditBlock();
    const QString ownId = Text2->text();
    StoreText(f.OwnId, ownId);
    f.OwnIdLength = uint8_t(ownId.size());
    StoreIndex(Combo1[1], f.StandardIndex);
    StoreIndex(Combo1[2], f.OwnDecodeResponse);
    if (Combo1[3]->ListIndex() >= 0)
        f.TonePeriod = uint8_t(Combo1[3]->Text().toInt());
    StoreIndex(Combo1[4], f.Setting2, 1);
    StoreIndex(Combo1[5], f.Setting1);
    StoreIndex(Combo1[6], f.Setting3, 1);
    if (Combo1[7]->ListIndex() == 0)
        f.Setting4 = 0;
    else if (Combo1[7]->ListIndex() > 0)
        f.Setting4 = uint8_t(Combo1[7]->Text().toInt());
    StoreIndex(Combo1[8], f.FirstDigitDelay, 1);
    if (Combo1[10]->ListIndex() == 0)
        f.PauseDigit = 0;
    else if (Combo1[10]->ListIndex() > 0)
        f.PauseDigit = int16_t(Combo1[10]->Text().toInt(nullptr, 16));
    StoreIndex(Combo1[9], f.PauseTime);
    StoreIndex(Combo1[11], decodeTime_);
    StoreIndex(Combo1[12], f.DelayAfterPause);
    const int side = CheckValue(Check1);
    f.SideTone = side == sideToneShown_ ? sideToneStored_ : int16_t(side);

    for (int i = 0; i < 2; ++i) {
        FiveToneCodeRecord &p = i == 0 ? f.PttIdBegin : f.PttIdEnd;
        const QString v = FiveToneTextToCode(Text4[std::size_t(i)]->text(), ownId);
        StoreText(p.Code, v);
        p.CodeLength = uint8_t(v.size());
        StoreIndex(Combo4[std::size_t(i)], p.StandardIndex);
        p.TonePeriod = uint8_t(Combo5[std::size_t(i)]->Text().toInt());
    }
    SaveCodeRows(f);
}

void Frm5Tone::SaveCodeRows(FiveToneBlock &f)
{
    const FlexGrid *g = MSHFlexGrid1;
    const QString ownId = Text2->text();
    const QString ownIdField = ShownText(f.OwnId);
    for (int r = 1; r <= kFiveToneRows; ++r) {
        FiveToneCodeRecord &row = f.CodeRows[std::size_t(r - 1)];
        const QString stored = QString::fromLatin1(row.Code.toByteArray());
        StoreText(row.Code, RecodeForOwnId(stored, ownIdField, ownId));
        row.CodeLength = uint8_t(ShownText(row.Code).trimmed().size());
        // An empty standard cell stands for a standard the list does not hold: it stays.
        const QString standard = g->TextMatrix(r, kColStandard);
        if (!standard.isEmpty())
            row.StandardIndex = uint8_t(FindComboIndex(Combo2, standard, 0));
        const QString period = g->TextMatrix(r, kColPeriod);
        const int value = !period.isEmpty() && IsNumeric(period) ? NumOrDefault(period, kDefaultPeriod) : kDefaultPeriod;
        row.TonePeriod = uint8_t(PeriodOrDefault(value));
        StoreText(row.Name, TrimFixStr(g->TextMatrix(r, kColName)));
    }
}

void Frm5Tone::Text2_LostFocus()
{
    if (Text2->text().size() < kOwnIdDigits) {
        // Leaving for Cancel is always allowed: the check must not hold the window open. Leaving
        // for OK is left to OK, whose click makes the same check: one message per click.
        const QWidget *next = QApplication::focusWidget();
        if (next == CommandCancel || next == CommandOK)
            return;
        prompt().MsgBox(OwnIdLengthMessage(), vbOKOnly);
        Text2->RefuseLeave();
        return;
    }
    FiveToneBlock &f = EditBlock();
    OldOwnId = ShownText(f.OwnId);
    StoreText(f.OwnId, Text2->text());
    // The code being edited is committed whether or not its editor is still shown, so that its
    // text cannot later be written over a code the rewrite has changed.
    if (CurTone5Col == kColCode && CurTone5Row >= 1) {
        SaveFiveToneCell(CurTone5Row, CurTone5Col);
        HideCellEditor(Text3, MSHFlexGrid1);
        CurTone5Row = 0;
    }
    SaveFiveToneData();
    UpdateOwnIdCodes(f, OldOwnId, Text2->text());
    ShowFiveToneData();
}

void Frm5Tone::Text4_LostFocus(int index)
{
    TextBox *box = Text4[std::size_t(index)];
    box->setText(FiveToneTextToCode(box->text(), Text2->text()));
}

// ---------------------------------------------------------------------------------------------
// Tone standards

void Frm5Tone::ShowToneStandard(const QString &name)
{
    sheet_ = ToneStandardSheet(name, EditBlock().UserStandard);
    QString shown = sheet_;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(shown);
}

void Frm5Tone::Combo1_Click(int index)
{
    if (index == 1) {
        ShowToneStandard(Combo1[1]->Text());
        Combo1[3]->setText(QString::number(DefaultTonePeriod(Combo1[1]->Text())));
    } else if (index == 10) {
        Combo1[9]->setEnabled(Combo1[10]->ListIndex() != 0);
    }
}

void Frm5Tone::Combo2_Click()
{
    if (CurTone5Row < 1)
        return;
    ShowToneStandard(Combo2->Text());
    const int period = DefaultTonePeriod(Combo2->Text());
    EditBlock().CodeRows[std::size_t(CurTone5Row - 1)].TonePeriod = uint8_t(period);
    MSHFlexGrid1->setTextArray(CurTone5Row * MSHFlexGrid1->Cols() + kColPeriod, QString::number(period));
}

void Frm5Tone::Combo4_Click(int index)
{
    const QString name = Combo4[std::size_t(index)]->Text();
    Combo5[std::size_t(index)]->setText(QString::number(DefaultTonePeriod(name)));
    ShowToneStandard(name);
}

void Frm5Tone::Combo2_KeyPress(int &keyAscii)
{
    if (keyAscii != vbKeyReturn)
        return;
    keyAscii = 0;
    MSHFlexGrid1->setCol(MSHFlexGrid1->Col() + 1);
}

void Frm5Tone::Combo3_KeyPress(int &keyAscii)
{
    if (keyAscii != vbKeyReturn)
        return;
    keyAscii = 0;
    FlexGrid *g = MSHFlexGrid1;
    g->setCol(kColCode);
    g->setRow(g->Row() < g->Rows() - 1 ? g->Row() + 1 : 1);
}

// ---------------------------------------------------------------------------------------------
// Information codes

void Frm5Tone::Combo6_Click()
{
    if (CurInfoCodeID > 0)
        SaveInfoCode(CurInfoCodeID);
    CurInfoCodeID = int16_t(Combo6->ListIndex() + 1);
    Frame3->setTitle(GetLangText(3005) + Combo6->Text());
    ShowInfoCode();
}

void Frm5Tone::ShowInfoCode()
{
    const int id = Combo6->ListIndex() + 1;
    if (id < 1 || id > kInfoCodes)
        return;
    const InfoCodeRecord &c = EditBlock().InfoCodes[std::size_t(id - 1)];
    // The function's rule applies even when the list already shows that function.
    const int before = Combo7[0]->ListIndex();
    ShowItemIndex(Combo7[0], c.Function);
    if (Combo7[0]->ListIndex() == before)
        Combo7_Click(0);
    ShowItemIndex(Combo7[1], c.Response);
    Text5->setText(c.CodeLength == 0 ? QString() : QString::fromLatin1(c.Code.toByteArray()).left(c.CodeLength));
    const int f = Combo7[0]->ListIndex();
    Text7->setText(f != InfoFnNone && f != InfoFn6 ? ShownText(c.Name) : QString());
}

void Frm5Tone::Combo7_Click(int index)
{
    if (index != 0)
        return;
    ComboBox *response = Combo7[1];
    const int r = response->ListIndex();
    response->Clear();
    for (int key : kResponseKeys)
        response->AddItem(GetOptionText(key));
    response->setListIndex(r);
    const int f = Combo7[0]->ListIndex();
    if (f == InfoFn2 || f == InfoFn6) {
        response->setListIndex(ResponseNone);
        response->setEnabled(false);
    } else if (f == InfoFn1) {
        response->setEnabled(true);
        response->Clear();
        response->AddItem(GetOptionText(60057));
        response->AddItem(GetOptionText(60058));
        response->setListIndex(0);
    } else if (f == InfoFnKill || f == InfoFnStun || f == InfoFnWake) {
        response->setListIndex(ResponseAlertTranspond);
        response->setEnabled(false);
    } else if (f == InfoFn7) {
        response->setEnabled(false);
    } else {
        response->setEnabled(true);
    }
    const bool named = f != InfoFnNone && f != InfoFn6;
    Text7->setEnabled(named);
    if (!named)
        Text7->setText(QString());
}

void Frm5Tone::SaveInfoCode(int id)
{
    if (id < 1 || id > kInfoCodes)
        return;
    InfoCodeRecord &c = EditBlock().InfoCodes[std::size_t(id - 1)];
    StoreIndex(Combo7[0], c.Function);
    StoreIndex(Combo7[1], c.Response);
    StoreText(c.Code, Text5->text());
    c.CodeLength = uint8_t(std::min<qsizetype>(Text5->text().size(), 12));
    StoreText(c.Name, TrimFixStr(Text7->text()));
}

bool Frm5Tone::IsInfoKillStunWakenOK()
{
    const FiveToneBlock &f = EditBlock();
    const QString own = ShownText(f.OwnId);
    auto codeInUse = [](const InfoCodeRecord &c) {
        return c.CodeLength == 0 ? QString() : QString::fromLatin1(c.Code.toByteArray()).left(c.CodeLength);
    };
    bool result = true;
    bool killOrStun = false;
    bool wake = false;
    bool shared = false;
    for (const InfoCodeRecord &ci : f.InfoCodes) {
        if (ci.Function == InfoFnKill || ci.Function == InfoFnStun)
            killOrStun = true;
        if (ci.Function == InfoFnWake)
            wake = true;
        if (ci.Function != InfoFnKill && ci.Function != InfoFnStun && ci.Function != InfoFnWake)
            continue;
        if (codeInUse(ci) == own) {
            prompt().MsgBox(GetOptionText(60350), vbOKOnly);
            return false;
        }
        for (const InfoCodeRecord &cj : f.InfoCodes)
            if (cj.Function != ci.Function && codeInUse(cj) == codeInUse(ci))
                shared = true;
    }
    if (killOrStun && !wake) {
        prompt().MsgBox(GetOptionText(60300), vbOKOnly);
        result = false;
    }
    if (shared) {
        prompt().MsgBox(GetOptionText(60301), vbOKOnly);
        return false;
    }
    return result;
}

// ---------------------------------------------------------------------------------------------
// Code list grid

void Frm5Tone::MSHFlexGrid1_EnterCell()
{
    if (!GridReady)
        return;
    FlexGrid *g = MSHFlexGrid1;
    const int r = g->Row();
    const int c = g->Col();
    if (r == CurTone5Row && c == CurTone5Col)
        return;
    // A special-call row's code changes only through the composer or the reset.
    if (c == kColCode && !g->TextMatrix(r, kColKind).isEmpty())
        return;
    SaveFiveToneCell(CurTone5Row, CurTone5Col);
    if (c > kColCode && g->TextMatrix(r, kColCode).isEmpty() && g->TextMatrix(r, kColKind) != kPttIdKind)
        return;
    CurTone5Row = int16_t(r);
    CurTone5Col = int16_t(c);
    for (QWidget *editor : {static_cast<QWidget *>(Text3), static_cast<QWidget *>(Combo2),
                            static_cast<QWidget *>(Combo3), static_cast<QWidget *>(Text6)})
        HideCellEditor(editor, MSHFlexGrid1);
    OpenCellEditor(r, c);
}

void Frm5Tone::OpenCellEditor(int row, int col)
{
    FlexGrid *g = MSHFlexGrid1;
    if (col < kColCode)
        return;
    // The cell is brought into sight first; that scroll is the editor's own move and commits
    // nothing (the cell left has been committed already).
    scrollingToCell_ = true;
    g->ShowCell(row, col);
    scrollingToCell_ = false;
    const int left = g->x() + TwipsToPx(g->CellLeft());
    const int top = g->y() + TwipsToPx(g->CellTop());
    const int width = TwipsToPx(g->CellWidth());
    const QString cell = g->TextMatrix(row, col);
    if (col == kColCode || col == kColName) {
        TextBox *editor = col == kColCode ? Text3 : Text6;
        editor->setText(cell);
        editor->setGeometry(left, top, width, TwipsToPx(g->CellHeight()));
        editor->show();
        editor->raise();
        editor->setFocus();
        editor->selectAll();
    } else if (col == kColStandard || col == kColPeriod) {
        GridCombo *editor = col == kColStandard ? Combo2 : Combo3;
        if (cell.isEmpty())
            editor->setListIndex(0);
        else
            editor->setText(FindComboItem(editor, cell));
        editor->setGeometry(left, top, width, editor->height());
        editor->show();
        editor->raise();
        editor->setFocus();
    }
}

void Frm5Tone::SaveFiveToneCell(int row, int col)
{
    if (row < 1 || row > kFiveToneRows || col < kColCode || col > kColName)
        return;
    FiveToneCodeRecord &r = EditBlock().CodeRows[std::size_t(row - 1)];
    FlexGrid *g = MSHFlexGrid1;
    QString v;
    switch (col) {
    case kColCode:
        v = FiveToneTextToCode(Text3->text(), Text2->text());
        StoreText(r.Code, v);
        r.CodeLength = uint8_t(v.size());
        r.Empty = v.isEmpty() ? 1 : 0;
        break;
    case kColStandard:
        v = Combo2->Text();
        StoreIndex(Combo2, r.StandardIndex);
        if (g->TextMatrix(row, kColPeriod).isEmpty())
            g->setTextMatrix(row, kColPeriod, QString::number(kDefaultPeriod));
        r.TonePeriod = uint8_t(PeriodOrDefault(g->TextMatrix(row, kColPeriod).toInt()));
        break;
    case kColPeriod:
        v = Combo3->Text();
        if (Combo3->ListIndex() >= 0)
            r.TonePeriod = uint8_t(v.toInt());
        break;
    default:
        v = TrimFixStr(Text6->text());
        StoreText(r.Name, v);
        break;
    }
    g->setTextMatrix(row, col, v);
}

void Frm5Tone::MSHFlexGrid1_Click()
{
    if (GridReady)
        MSHFlexGrid1_EnterCell();
}

void Frm5Tone::MSHFlexGrid1_DblClick()
{
    FlexGrid *g = MSHFlexGrid1;
    const int r = g->Row();
    if (g->Col() == kColCode && r >= 1 && !g->TextMatrix(r, kColKind).isEmpty()) {
        if (prompt().MsgBox(QStringLiteral("Reset Special Call of this channel,OK or Not?"), vbOKCancel) != vbOK)
            return;
        FiveToneCodeRecord &row = EditBlock().CodeRows[std::size_t(r - 1)];
        row.CodeLength = 0;
        row.Code = FixStr<40>::Spaces();
        g->setTextMatrix(r, kColKind, QString());
        g->setTextMatrix(r, kColCode, QString());
    }
    MSHFlexGrid1_EnterCell();
}

void Frm5Tone::MSHFlexGrid1_Scroll()
{
    if (scrollingToCell_)
        return;
    SaveFiveToneCell(CurTone5Row, CurTone5Col);
    for (QWidget *editor : {static_cast<QWidget *>(Text3), static_cast<QWidget *>(Combo2),
                            static_cast<QWidget *>(Combo3)})
        HideCellEditor(editor, MSHFlexGrid1);
}

void Frm5Tone::Text3_Enter()
{
    FlexGrid *g = MSHFlexGrid1;
    if (!Text3->text().isEmpty())
        g->setCol(g->Col() + 1);
    else
        g->setRow(g->Row() < g->Rows() - 1 ? g->Row() + 1 : 1);
}

void Frm5Tone::Text6_Enter()
{
    FlexGrid *g = MSHFlexGrid1;
    const int next = g->Row() < g->Rows() - 1 ? g->Row() + 1 : 1;
    g->setCol(kColKind);
    g->setRow(next);
}

// ---------------------------------------------------------------------------------------------
// Buttons

void Frm5Tone::ShowSpecialComposer(int target)
{
    State().SpecialCallTarget = int16_t(target);
    ShowFrmSpecial(this);
}

void Frm5Tone::Command1_Click()
{
    // The code being edited is committed and closed whether or not scrolling has hidden its
    // editor, so that its old text cannot later overwrite the code the composer stores.
    if (CurTone5Col == kColCode && CurTone5Row >= 1) {
        SaveFiveToneCell(CurTone5Row, CurTone5Col);
        HideCellEditor(Text3, MSHFlexGrid1);
        CurTone5Row = 0;
    }
    ShowSpecialComposer(TargetCodeRow);
}

void Frm5Tone::Command2_Click() { ShowSpecialComposer(TargetPttIdBegin); }

void Frm5Tone::Command3_Click() { ShowSpecialComposer(TargetPttIdEnd); }

void Frm5Tone::Command4_Click()
{
    ShowFrm5ToneDefTS(this);
    ShowToneStandard(Combo1[1]->Text());
}

// ---------------------------------------------------------------------------------------------
// OK, Cancel, unload

void Frm5Tone::CommandOK_Click()
{
    if (Text2->text().size() != kOwnIdDigits) {
        prompt().MsgBox(OwnIdLengthMessage(), vbOKOnly);
        Text2->setFocus();
        return;
    }
    SaveFiveToneCell(CurTone5Row, CurTone5Col);
    SaveFiveToneData();
    if (CurInfoCodeID > 0)
        SaveInfoCode(CurInfoCodeID);
    if (!IsInfoKillStunWakenOK())
        return;
    State().RadioData.SignallingRecord = State().SignallingEditCopy;
    State().RadioData.FiveToneDecodeTime = decodeTime_;
    RepairSignalRefs();
    RepairFiveToneRef();
    accept();
}

void Frm5Tone::CommandCancel_Click() { reject(); }

void Frm5Tone::done(int result)
{
    RestoreTextMenu(Text2);
    RestoreTextMenu(Text3);
    RestoreTextMenu(Text4[0]);
    RestoreTextMenu(Text4[1]);
    QDialog::done(result);
}

int ShowFrm5Tone(QWidget *parent)
{
    Frm5Tone w(parent);
    return prompt().ShowModal(&w);
}
