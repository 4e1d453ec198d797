#include "editors/settings/frm_dtmf.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

#include "data/app_state.h"
#include "data/code_text.h"
#include "data/lang_text.h"
#include "ui/ok_cancel_captions.h"
#include "data/self_kill_stun.h"
#include "data/value_rules.h"
#include "editors/enter_moves_next.h"
#include "editors/settings/frm_dtmf_special.h"
#include "platform/dialog_routines.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"
#include "shell/dialog_buttons.h"

namespace {

constexpr int kStoreDelayMs = 50;
constexpr int kCodeDigits = 24;   // a code memory or PTT-ID code
constexpr int kRemoteDigits = 14; // a remote kill or stun code
constexpr int kOwnIdDigits = 3;
constexpr int16_t kGroupCodeOff = 255; // what OK stores for the group code's off item

// Layout in twips. The client area is 9555 x 8280; Frame2, SSTab1 and Combo1(4) lie outside it.
constexpr int kClientWidth = 9555;
constexpr int kClientHeight = 8280;
constexpr int kRowHeight = 315;
constexpr int kOptionLeft = 2760;   // Combo1(2) and the option column under it
constexpr int kOptionWidth = 1680;
constexpr int kOptionTop = 240;
constexpr int kOptionPitch = 390;
constexpr int kLabelWidth = 2500;
constexpr int kLabelGap = 100;       // a caption ends this far left of its control
constexpr int kRemoteLeft = 120;
constexpr int kRemoteWidth = 4320;
constexpr int kRemoteTop = 4860;     // Text2(16); each further code box 660 lower
constexpr int kRemotePitch = 660;
constexpr int kRemoteLabelRise = 240; // a code box's Label1 stands this far above it
constexpr int kFrame1Left = 4680;
constexpr int kFrame1Top = 120;
constexpr int kFrame1Width = 4755;
constexpr int kFrame1Height = 7380;
constexpr int kMemoryTop = 300;      // inside Frame1
constexpr int kMemoryPitch = 360;
constexpr int kMemoryLabelWidth = 480;
constexpr int kMemoryLeft = 720;
constexpr int kMemoryWidth = 3840;
constexpr int kButtonTop = 7740;

// The characters a DTMF code box takes: the digits, "*" and "#" as they are, "a".."d" and
// "A".."D" as capitals. The rule also governs pasted and dropped text, so no other character can
// reach the radio packer.
QChar DtmfKeyChar(QChar c)
{
    if ((c >= u'0' && c <= u'9') || c == u'*' || c == u'#')
        return c;
    if (c >= u'a' && c <= u'd')
        return QChar(c.unicode() - u'a' + u'A');
    if (c >= u'A' && c <= u'D')
        return c;
    return QChar();
}

QChar DigitKeyChar(QChar c) { return c >= u'0' && c <= u'9' ? c : QChar(); }

// The code boxes' common entry rules: Enter moves on, the copy, cut and paste keys do nothing.
void SetEntryRules(TextBox *box, const TextBox::CharRule &rule, int maxLength)
{
    box->setCharRule(rule);
    box->setMaxLength(maxLength);
    box->setEnterMovesNext(true);
    box->setClipboardKeysBlocked(true);
}

// The first length characters of a stored code, shown with "*" and "#".
template <std::size_t N>
QString ShownCode(const FixStr<N> &code, int16_t length)
{
    const int n = std::clamp<int>(length, 0, FixStr<N>::Size);
    return DtmfCodeToText(QString::fromLatin1(code.toByteArray().left(n)));
}

// A code box's text as a stored code with its length (the number of characters shown).
template <class Code>
void StoreCode(Code &target, const QString &text)
{
    constexpr int width = decltype(target.Code)::Size;
    target.Length = static_cast<int16_t>(std::min<qsizetype>(text.size(), width));
    StoreText(target.Code, DtmfTextToCode(text), ' ');
}

// A tenth of the value with one decimal: 5 -> "0.5", 120 -> "12.0"; exact, no binary fraction.
QString TenthsText(int value)
{
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    const int magnitude = value < 0 ? -value : value;
    return sign + QString::number(magnitude / 10) + u'.' + QString::number(magnitude % 10);
}

DtmfBlock &Dtmf() { return State().RadioData.SignallingRecord.DtmfBlock; }

} // namespace

FrmDTMF::FrmDTMF(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmDTMF"));
    setFixedSize(TwipsToPx(kClientWidth), TwipsToPx(kClientHeight));
    BuildControls();
    Form_Load();
}

FrmDTMF::~FrmDTMF() = default;

void FrmDTMF::BuildControls()
{
    // Created in tab order: the option column, the PTT-ID and remote codes, the memories, the
    // buttons. Controls that stand in the same place are made in that place's turn.
    const auto newCombo = [&](int i, QWidget *parent, int left, int top, int width) {
        Combo1[i] = new ComboBox(parent);
        SetArrayName(Combo1[i], QStringLiteral("Combo1"), i);
        SetGeometryTwips(Combo1[i], left, top, width, kRowHeight);
        MoveOnWithEnter(Combo1[i]);
        connect(Combo1[i], &ComboBox::Click, this, [this, i] { Combo1_Click(i); });
    };
    const auto newLabel3 = [&](int i, int top) {
        Label3[i] = new QLabel(this);
        SetArrayName(Label3[i], QStringLiteral("Label3"), i);
        Label3[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetGeometryTwips(Label3[i], 0, top, kLabelWidth, kRowHeight);
    };

    // Option column: one row per value. The current group, the ANI and the PTT-ID mode never
    // show; they sit on the send time's row.
    const int firstRow = kOptionTop;
    for (int i : {0, 1, 2, 3}) {
        newLabel3(i, firstRow);
        newCombo(i, this, kOptionLeft, firstRow, kOptionWidth);
    }
    int row = 1;
    newLabel3(4, kOptionTop + kOptionPitch * row);
    Text3 = new TextBox(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    SetGeometryTwips(Text3, kOptionLeft, kOptionTop + kOptionPitch * row, kOptionWidth, kRowHeight);
    SetEntryRules(Text3, DigitKeyChar, kOwnIdDigits);
    connect(Text3, &TextBox::LostFocus, this, &FrmDTMF::Text3_LostFocus);
    for (int i = 5; i < kCombos; ++i) {
        ++row;
        newLabel3(i, kOptionTop + kOptionPitch * row);
        newCombo(i, this, kOptionLeft, kOptionTop + kOptionPitch * row, kOptionWidth);
    }
    ++row;
    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    SetGeometryTwips(Check1, kOptionLeft, kOptionTop + kOptionPitch * row, kOptionWidth + 240, kRowHeight);
    connect(Check1, &QCheckBox::stateChanged, this, [this] {
        if (loaded_)
            keepSideTone_ = false;
    });

    // The four codes under the option column, each with its caption above it.
    for (int i = 16; i < kCodeBoxes; ++i) {
        const int top = kRemoteTop + kRemotePitch * (i - 16);
        Label1[i] = new QLabel(this);
        SetGeometryTwips(Label1[i], kRemoteLeft, top - kRemoteLabelRise, kRemoteWidth, 240);
        Text2[i] = new TextBox(this);
        SetGeometryTwips(Text2[i], kRemoteLeft, top, kRemoteWidth, kRowHeight);
    }

    // The sixteen memories, the hint and the special-call button.
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    SetGeometryTwips(Frame1, kFrame1Left, kFrame1Top, kFrame1Width, kFrame1Height);
    for (int i = 0; i < 16; ++i) {
        const int top = kMemoryTop + kMemoryPitch * i;
        Label1[i] = new QLabel(Frame1);
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetGeometryTwips(Label1[i], 120, top, kMemoryLabelWidth, 300);
        Label1[i]->setText(QStringLiteral("M%1").arg(i + 1));
        Text2[i] = new TextBox(Frame1);
        SetGeometryTwips(Text2[i], kMemoryLeft, top, kMemoryWidth, 300);
    }
    Label2 = new QLabel(Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    SetGeometryTwips(Label2, 120, kMemoryTop + kMemoryPitch * 16 + 120, kFrame1Width - 240, 600);
    CommandSpecial = NewCommandButton(Frame1, "CommandSpecial", kMemoryLeft, kFrame1Height - 720, false, 2400);

    for (int i = 0; i < kCodeBoxes; ++i) {
        SetArrayName(Label1[i], QStringLiteral("Label1"), i);
        SetArrayName(Text2[i], QStringLiteral("Text2"), i);
        SetEntryRules(Text2[i], DtmfKeyChar, i >= kRemoteKillBox ? kRemoteDigits : kCodeDigits);
        connect(Text2[i], &TextBox::GotFocus, this, [this, i] { Text2_GotFocus(i); });
    }

    CommandOK = NewCommandButton(this, "CommandOK", 6000, kButtonTop, false, 1500);
    CommandCancel = NewCommandButton(this, "CommandCancel", 7800, kButtonTop, false, 1500);

    // Outside the client area: the decode box, the tab control and a list without a role.
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    SetGeometryTwips(Frame2, kClientWidth + 240, kFrame1Top, 3000, 900);
    Text1 = new TextBox(Frame2);
    Text1->setObjectName(QStringLiteral("Text1"));
    SetGeometryTwips(Text1, 120, 360, 2760, kRowHeight);
    SetEntryRules(Text1, DtmfKeyChar, kCodeDigits);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SetGeometryTwips(SSTab1, kClientWidth + 240, 1200, 3000, 1500);
    newCombo(4, this, 120, kClientHeight + 240, kOptionWidth);

    OKTimer = new QTimer(this);
    OKTimer->setObjectName(QStringLiteral("OKTimer"));
    OKTimer->setTimerType(Qt::PreciseTimer);
    OKTimer->setInterval(kStoreDelayMs);

    connect(OKTimer, &QTimer::timeout, this, &FrmDTMF::OKTimer_Timer);
    connect(CommandOK, &QPushButton::clicked, this, &FrmDTMF::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmDTMF::CommandCancel_Click);
    connect(CommandSpecial, &QPushButton::clicked, this, &FrmDTMF::CommandSpecial_Click);
}

void FrmDTMF::Form_Load()
{
    CurDTMFEditID = 0;
    OKTimer->stop();
    Label3[3]->setVisible(false);
    Combo1[3]->setVisible(false);
    for (int i : {0, 1}) {
        Label3[i]->setVisible(false);
        Combo1[i]->setVisible(false);
    }
    InitDtmfLists();
    ShowDtmfData();
    loaded_ = true;
}

void FrmDTMF::InitDtmfLists()
{
    setWindowTitle(QStringLiteral("DTMF"));
    Frame2->setTitle(GetLangText(1601));
    Frame1->setTitle(GetLangText(1602));
    Label2->setText(GetLangText(1603));
    Label3[0]->setText(GetLangText(1710));
    Label3[1]->setText(GetLangText(1740));
    Label3[2]->setText(GetLangText(1741));
    Label3[3]->setText(GetLangText(1743));
    Label3[4]->setText(GetLangText(3002));
    for (int i = 5; i <= 12; ++i)
        Label3[i]->setText(GetLangText(1604 + (i - 5))); // lang-keys: OTHER 1604-1611
    Check1->setText(GetLangText(1612));
    CommandSpecial->setText(GetLangText(3003));
    Label1[kRemoteKillBox]->setText(GetOptionText(60069));
    Label1[kRemoteStunBox]->setText(GetOptionText(60093));
    Label1[16]->setText(GetOptionText(60302));
    Label1[17]->setText(GetOptionText(60303));

    for (QLabel *label : Label3)
        PlaceCaptionLabel(label, Combo1[2], kLabelGap);

    for (int i = 0; i < 16; ++i)
        Combo1[0]->AddItem(QStringLiteral("M%1").arg(i + 1));
    Combo1[1]->AddItem(GetLangText(1755));
    Combo1[1]->AddItem(GetLangText(1756));
    const QString ms = GetLangText(1780);
    for (int t : {50, 100, 200, 300, 500})
        Combo1[2]->AddItem(QString::number(t) + ms);
    Combo1[3]->AddItem(GetLangText(1755));
    Combo1[3]->AddItem(GetLangText(1765));
    Combo1[3]->AddItem(GetLangText(1766));
    Combo1[3]->AddItem(GetLangText(1767));
    for (const char *digit : {"A", "B", "C", "D", "*", "#"})
        Combo1[5]->AddItem(QLatin1String(digit));
    Combo1[6]->AddItem(GetLangText(1755));
    for (const char *digit : {"A", "B", "C", "D", "*", "#"})
        Combo1[6]->AddItem(QLatin1String(digit));
    Combo1[7]->AddItem(GetLangText(1650));
    Combo1[7]->AddItem(GetLangText(1651));
    Combo1[7]->AddItem(GetLangText(1653));
    for (int p = 0; p <= 250; ++p) {
        Combo1[8]->AddItem(QString::number(10 * p));
        Combo1[10]->AddItem(TenthsText(p));
    }
    for (int p = 0; p < 250; ++p) {
        Combo1[9]->AddItem(QString::number(10 * (p + 1)));
        Combo1[11]->AddItem(QString::number(10 * (p + 1)));
    }
    Combo1[12]->AddItem(GetLangText(1755));
    for (int v = 5; v <= 75; ++v)
        Combo1[12]->AddItem(QString::number(v));
    SetOkCancelCaptions(this);
}

void FrmDTMF::ShowByPosition(int combo, int16_t &field, int maxValue)
{
    if (field > maxValue)
        field = 0;
    // A negative value is no list position: shown as the first item and kept. The position is
    // selected, not the item's text, so that lists whose texts are missing from the language file
    // (all empty) still show and store the right position.
    keepStored_[combo] = field < 0 || field >= Combo1[combo]->ListCount();
    Combo1[combo]->setListIndex(keepStored_[combo] ? 0 : field);
}

void FrmDTMF::ShowByText(int combo, const QString &text)
{
    const QString shown = FindComboItem(Combo1[combo], text);
    keepStored_[combo] = shown != text;
    Combo1[combo]->setText(shown);
}

void FrmDTMF::ShowDtmfData()
{
    DtmfBlock &d = Dtmf();

    ShowByPosition(1, d.Ani, 1);
    ShowByPosition(2, d.SendTime, 4);
    ShowByPosition(3, d.PttIdMode, 3);

    // Only an ID of decimal digits is taken ("1E2" passes the general number test but is no ID).
    const QString ownId = ShownText(d.OwnId);
    const QString id = IsDecimalDigits(ownId) ? FillDtmfId(ownId) : QStringLiteral("000");
    if (d.OwnId.toByteArray() != id.toLatin1())
        StoreText(d.OwnId, id);
    Text3->setText(id);

    if (d.Separator < 10 || d.Separator > 15)
        d.Separator = 14;
    Combo1[5]->setListIndex(d.Separator - 10);

    // 255 is the group code's off value (what OK stores); other values outside A..# become off.
    if (d.GroupCode != kGroupCodeOff && (d.GroupCode < 10 || d.GroupCode > 15))
        d.GroupCode = kGroupCodeOff;
    Combo1[6]->setListIndex(d.GroupCode == kGroupCodeOff ? 0 : d.GroupCode - 9);

    Text2[16]->setText(ShownCode(d.PttIdBegin.Code, d.PttIdBegin.Length));
    Text2[17]->setText(ShownCode(d.PttIdEnd.Code, d.PttIdEnd.Length));
    Text2[kRemoteKillBox]->setText(ShownCode(d.RemoteKill.Code, d.RemoteKill.Length));
    Text2[kRemoteStunBox]->setText(ShownCode(d.RemoteStun.Code, d.RemoteStun.Length));
    for (int i = 0; i < kDtmfCodeMemories; ++i)
        Text2[i]->setText(ShownCode(d.CodeMemory[i].Code, d.CodeMemory[i].Length));

    ShowByPosition(7, d.DecodeResponse, 2);
    ShowByPosition(8, d.FirstDigitDelay, 250);
    ShowByText(9, QString::number(d.PreSendDelay * 10));
    ShowByText(10, TenthsText(d.ResetTime));
    ShowByText(11, QString::number(d.PostSendDelay * 10));
    if (d.PauseTime >= 5) {
        ShowByText(12, QString::number(d.PauseTime));
    } else {
        d.PauseTime = 0;
        keepStored_[12] = false;
        Combo1[12]->setListIndex(0);
    }

    if (d.SideTone >= 2)
        d.SideTone = 0;
    keepSideTone_ = d.SideTone < 0;
    SetCheckValue(Check1, keepSideTone_ ? 0 : d.SideTone);
}

QString FrmDTMF::SeparatorText() const { return Combo1[5]->Text(); }

QString FrmDTMF::OwnIdText() const { return Text3->text(); }

TextBox *FrmDTMF::CodeBox(int index) const
{
    return index >= 0 && index < kCodeBoxes ? Text2[static_cast<std::size_t>(index)] : nullptr;
}

void FrmDTMF::Text2_GotFocus(int index) { CurDTMFEditID = index; }

void FrmDTMF::Text3_LostFocus()
{
    Text3->setText(FillDtmfId(Text3->text()));
    const QString id = Text3->text();
    const QString sep = Combo1[5]->Text();
    // A composed code that ends in a three-digit ID after the current separator takes the new ID.
    for (int i = 0; i < kComposedBoxes; ++i) {
        QString s = Text2[i]->text();
        if (s.size() == 7 && IsDecimalDigits(s.left(3)) && IsDecimalDigits(s.right(3)) && s.mid(3, 1) == sep)
            s = s.left(4) + id;
        else if (s.size() == 4 && IsDecimalDigits(s.right(3)) && s.left(1) == sep)
            s = s.left(1) + id;
        if (s != Text2[i]->text())
            Text2[i]->setText(s);
    }
}

void FrmDTMF::Combo1_Click(int index)
{
    if (loaded_)
        keepStored_[index] = false;
    if (index != 5)
        return;
    const QString sep = Combo1[5]->Text();
    const QString id = Text3->text();
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    // A composed code with the own ID after any separator takes the newly chosen separator.
    for (int i = 0; i < kComposedBoxes; ++i) {
        QString s = Text2[i]->text();
        if (s.size() == 7 && IsDecimalDigits(s.left(3)) && IsDecimalDigits(s.right(3)) && s.right(3) == id &&
            !isDigit(s[3]))
            s = s.left(3) + sep + s.right(3);
        else if (s.size() == 4 && IsDecimalDigits(s.right(3)) && s.right(3) == id && !isDigit(s[0]))
            s = sep + s.right(3);
        if (s != Text2[i]->text())
            Text2[i]->setText(s);
    }
}

void FrmDTMF::CommandOK_Click()
{
    const QString kill = TrimFixStr(Text2[kRemoteKillBox]->text());
    if (!kill.isEmpty() && kill == TrimFixStr(Text2[kRemoteStunBox]->text())) {
        Text2[kRemoteKillBox]->setFocus();
        prompt().MsgBox(GetLangText(3001), vbOKOnly);
        return;
    }
    // The window stays open until the tick has stored everything.
    OKTimer->start();
}

void FrmDTMF::StoreChosen(int combo, int16_t &field, int value) const
{
    if (!keepStored_[combo])
        field = static_cast<int16_t>(value);
}

void FrmDTMF::StoreCodes()
{
    DtmfBlock &d = Dtmf();
    StoreCode(d.PttIdBegin, Text2[16]->text());
    StoreCode(d.PttIdEnd, Text2[17]->text());
    StoreCode(d.RemoteKill, Text2[kRemoteKillBox]->text());
    StoreCode(d.RemoteStun, Text2[kRemoteStunBox]->text());

    QString kill = QString::fromLatin1(d.RemoteKill.Code.toByteArray());
    QString stun = QString::fromLatin1(d.RemoteStun.Code.toByteArray());
    MakeDtmfCodesDistinct(ShownText(d.OwnId), kill, stun);
    StoreText(d.RemoteKill.Code, kill, ' ');
    StoreText(d.RemoteStun.Code, stun, ' ');

    for (int i = 0; i < kDtmfCodeMemories; ++i)
        StoreCode(d.CodeMemory[i], Text2[i]->text());
}

void FrmDTMF::OKTimer_Timer()
{
    OKTimer->stop();
    DtmfBlock &d = Dtmf();
    StoreChosen(1, d.Ani, Combo1[1]->ListIndex());
    StoreChosen(2, d.SendTime, Combo1[2]->ListIndex());
    StoreChosen(3, d.PttIdMode, Combo1[3]->ListIndex());
    StoreText(d.OwnId, FillDtmfId(Text3->text()));
    d.Separator = static_cast<int16_t>(Combo1[5]->ListIndex() + 10);
    d.GroupCode = Combo1[6]->ListIndex() == 0 ? kGroupCodeOff : static_cast<int16_t>(Combo1[6]->ListIndex() + 9);
    StoreChosen(7, d.DecodeResponse, Combo1[7]->ListIndex());
    StoreChosen(8, d.FirstDigitDelay, Combo1[8]->ListIndex());
    StoreChosen(9, d.PreSendDelay, Combo1[9]->ListIndex() + 1);
    StoreChosen(10, d.ResetTime, Combo1[10]->ListIndex());
    StoreChosen(11, d.PostSendDelay, Combo1[11]->ListIndex() + 1);
    StoreChosen(12, d.PauseTime, Combo1[12]->ListIndex() == 0 ? 0 : Combo1[12]->Text().toInt());
    if (!keepSideTone_)
        d.SideTone = static_cast<int16_t>(CheckValue(Check1) == 1 ? 1 : 0);
    StoreCodes();
    accept();
}

void FrmDTMF::CommandCancel_Click() { reject(); }

void FrmDTMF::CommandSpecial_Click()
{
    if (CurDTMFEditID < 0 || CurDTMFEditID >= kComposedBoxes)
        return;
    FrmDTMFSpecial composer(*this);
    prompt().ShowModal(&composer);
}

void FrmDTMF::done(int result)
{
    // Closed by any way but the tick, the window stores nothing, also when OK was clicked before.
    OKTimer->stop();
    QDialog::done(result);
}

void ShowFrmDTMF()
{
    FrmDTMF window;
    prompt().ShowModal(&window);
}
