#include "editors/tones/frm_2tone.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "data/app_state.h"
#include "data/channel_table.h"
#include "data/lang_text.h"
#include "data/value_rules.h"
#include "platform/dialog_routines.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"
#include "platform/numbers.h"
#include "platform/prompt.h"
#include "shell/dialog_buttons.h"

namespace {

// Layout in twips.
constexpr int kWindowWidth = 9615;
constexpr int kWindowHeight = 5790;
constexpr int kLabelGap = 100;
constexpr int kGridRows = 33;
constexpr int kGridCols = 4;
constexpr int kGridWidth = 4935;
constexpr int kLastRow = kGridRows - 1;
constexpr int kNameCol = 3;

// Tones are kept between these limits (Hz); the general settings' write-back allows down to 280.
constexpr int kToneHigh = 3116;
constexpr int kToneLow = 288;
constexpr int kToneLowAtOk = 280;

// The decode formats: the list text and the tone boxes (0 A .. 3 D) of the first and second
// decode tone, -1 for none.
struct DecodeFormat {
    const char *text;
    int first;
    int second;
};
constexpr std::array<DecodeFormat, 15> kDecodeFormats{{
    {"A-B", 0, 1}, {"A-C", 0, 2}, {"A-D", 0, 3}, {"B-A", 1, 0}, {"B-C", 1, 2},
    {"B-D", 1, 3}, {"C-A", 2, 0}, {"C-B", 2, 1}, {"C-D", 2, 3}, {"D-A", 3, 0},
    {"D-B", 3, 1}, {"D-C", 3, 2}, {"Long A", 0, -1}, {"Long B", 1, -1}, {"Long C", 2, -1},
}};

// Default tones A..D in 0.1 Hz, for a stored tone whose high byte is 0 or 255.
constexpr std::array<uint16_t, 4> kDefaultTones{3217, 9281, 6265, 20438};

const QColor kHeaderTextColor(0, 0, 155);
const QColor kNumberTextColor(0, 0, 255);

void SetHelpContext(QWidget *w, int id) { w->setProperty("HelpContextID", id); }

// A tone text as tenths of a Hz, an exact half to the even tenth.
uint16_t ToneTenths(const QString &text)
{
    int64_t units = 0;
    ReadUnits(text, 1, units);
    return static_cast<uint16_t>(std::clamp<int64_t>(units, 0, 0xFFFF));
}

// The divider value of a tone: the whole part of 9,600,000 / (k x f), computed exactly on the
// tone's decimal text.
uint16_t ToneDivisor(const QString &text, int k)
{
    int64_t micro = 0; // the tone in millionths of a Hz
    if (!ReadUnits(text, 6, micro) || micro <= 0)
        return 0;
    const int64_t d = (int64_t(9600000) * 1000000) / (int64_t(k) * micro);
    return static_cast<uint16_t>(std::min<int64_t>(d, 0xFFFF));
}

// A number clamped to the tone limits, as the plain decimal text the boxes show.
QString ClampedToneText(double v, int low)
{
    if (v > kToneHigh)
        v = kToneHigh;
    else if (v < low)
        v = low;
    return NumberText(v);
}

QString TenthsText(int tenths) { return FormatUnits(tenths, 1, 1); }

} // namespace

Frm2Tone::Frm2Tone(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frm2Tone"));
    setFixedSize(TwipsToPx(kWindowWidth), TwipsToPx(kWindowHeight));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    SetHelpContext(this, 3400);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    SetGeometryTwips(Picture1, 0, 0, kWindowWidth, kWindowHeight);

    SSTab1 = new QTabWidget(Picture1);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SetGeometryTwips(SSTab1, 120, 120, 9375, 4920);
    auto *encode = new QWidget;
    encode->setObjectName(QStringLiteral("SSTab1Page0"));
    auto *decode = new QWidget;
    decode->setObjectName(QStringLiteral("SSTab1Page1"));
    SSTab1->addTab(encode, QString());
    SSTab1->addTab(decode, QString());

    // Encode page: five lists with their labels, the side tone, the code table.
    const std::array<int, 5> helpCombo1{3403, 3404, 3405, 3406, 3407};
    for (int i = 0; i < 5; ++i) {
        Label1[i] = new QLabel(encode);
        SetArrayName(Label1[i], QStringLiteral("Label1"), i);
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetGeometryTwips(Label1[i], 120, 360 + i * 560, 1500, 315);
        Combo1[i] = new ComboBox(encode);
        SetArrayName(Combo1[i], QStringLiteral("Combo1"), i);
        SetGeometryTwips(Combo1[i], 2280, 360 + i * 560, 1200, 315);
        SetHelpContext(Combo1[i], helpCombo1[static_cast<std::size_t>(i)]);
    }
    Check1 = new QCheckBox(encode);
    Check1->setObjectName(QStringLiteral("Check1"));
    SetGeometryTwips(Check1, 2280, 360 + 5 * 560, 1500, 315);
    SetHelpContext(Check1, 3408);

    MSHFlexGrid1 = new FlexGrid(kGridRows, kGridCols, encode);
    MSHFlexGrid1->setObjectName(QStringLiteral("MSHFlexGrid1"));
    SetGeometryTwips(MSHFlexGrid1, 3960, 240, kGridWidth, 4080);
    SetHelpContext(MSHFlexGrid1, 3409);

    const auto makeEditor = [encode](const char *name, int maxLength, TextBox::CharRule rule) {
        auto *box = new TextBox(encode);
        box->setObjectName(QString::fromLatin1(name));
        box->setMaxLength(maxLength);
        box->setCharRule(std::move(rule));
        box->setClipboardKeysBlocked(true);
        box->setFocusPolicy(Qt::ClickFocus); // not a tab stop
        return box;
    };
    const TextBox::CharRule toneChars = TextBox::OnlyChars(QStringLiteral("0123456789."));
    Text1 = makeEditor("Text1", 6, toneChars);
    Text3 = makeEditor("Text3", 7, [](QChar c) {
        const ushort u = c.unicode();
        return u < 128 && u != '\\' && u != '~' ? c : QChar();
    });
    SetHelpContext(Text3, 3413);
    Text1->installEventFilter(this);
    Text3->installEventFilter(this);

    // Decode page: the format and response lists, the four tone boxes.
    for (int j = 0; j < 2; ++j) {
        Label2[j] = new QLabel(decode);
        SetArrayName(Label2[j], QStringLiteral("Label2"), j);
        Label2[j]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetGeometryTwips(Label2[j], 240, 480 + j * 560, 2000, 315);
        Combo2[j] = new ComboBox(decode);
        SetArrayName(Combo2[j], QStringLiteral("Combo2"), j);
        SetGeometryTwips(Combo2[j], 2640, 480 + j * 560, 2400, 315);
        SetHelpContext(Combo2[j], 3414 + j);
    }
    for (int j = 0; j < 4; ++j) {
        Label3[j] = new QLabel(decode);
        SetArrayName(Label3[j], QStringLiteral("Label3"), j);
        Label3[j]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetGeometryTwips(Label3[j], 240, 1800 + j * 560, 2000, 315);
        Text2[j] = new TextBox(decode);
        SetArrayName(Text2[j], QStringLiteral("Text2"), j);
        SetGeometryTwips(Text2[j], 2640, 1800 + j * 560, 1200, 315);
        Text2[j]->setMaxLength(6);
        Text2[j]->setCharRule(toneChars);
        Text2[j]->setClipboardKeysBlocked(true);
        Text2[j]->setEnterMovesNext(true);
        SetHelpContext(Text2[j], 3416 + j);
    }

    // Enter in a box moves on or commits a cell; it never presses a button.
    CommandOK = NewCommandButton(Picture1, "CommandOK", 5880, 5220, false, 1500);
    CommandCancel = NewCommandButton(Picture1, "CommandCancel", 7680, 5220, false, 1500);

    connect(CommandOK, &QPushButton::clicked, this, &Frm2Tone::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &Frm2Tone::CommandCancel_Click);
    for (int j = 0; j < 2; ++j)
        connect(Combo2[j], &ComboBox::Click, this, [this, j] { Combo2_Click(j); });
    for (int j = 0; j < 4; ++j)
        connect(Text2[j], &TextBox::LostFocus, this, [this, j] { Text2_LostFocus(j); });
    connect(SSTab1, &QTabWidget::currentChanged, this, &Frm2Tone::SSTab1_Click);
    connect(MSHFlexGrid1, &FlexGrid::EnterCell, this, &Frm2Tone::MSHFlexGrid1_EnterCell);
    connect(MSHFlexGrid1, &FlexGrid::Click, this, &Frm2Tone::MSHFlexGrid1_Click);
    connect(MSHFlexGrid1, &FlexGrid::Scroll, this, &Frm2Tone::MSHFlexGrid1_Scroll);

    Form_Load();
}

void Frm2Tone::Form_Load()
{
    GridReady = false;
    CurTone2Row = 0;
    CurTone2Col = 0;
    Text1->hide();
    Text3->hide();

    SSTab1->setTabText(0, GetOptionText(60043));
    SSTab1->setTabText(1, GetOptionText(60044));
    SSTab1_Click();
    Label1[0]->setText(GetOptionText(60045));
    Label1[1]->setText(GetOptionText(60046));
    Label1[2]->setText(GetOptionText(60047));
    Label1[3]->setText(GetOptionText(60048));
    Label1[4]->setText(GetOptionText(60307));
    Check1->setText(GetOptionText(60312));
    Label2[0]->setText(GetOptionText(60049));
    Label2[1]->setText(GetOptionText(60050));
    setWindowTitle(GetOptionText(60051));
    MSHFlexGrid1->setTextMatrix(0, 0, GetOptionText(60053));
    MSHFlexGrid1->setTextMatrix(0, 1, GetOptionText(60054));
    MSHFlexGrid1->setTextMatrix(0, 2, GetOptionText(60055));
    MSHFlexGrid1->setTextMatrix(0, 3, GetOptionText(60304));
    CommandOK->setText(GetOptionText(60024));
    CommandCancel->setText(GetOptionText(60025));
    const QString tone = GetOptionText(60056);
    for (int j = 0; j < 4; ++j)
        Label3[j]->setText(QString(QLatin1Char(char('A' + j))) + tone);
    Combo2[1]->Clear();
    Combo2[1]->AddItem(GetOptionText(60057));
    Combo2[1]->AddItem(GetOptionText(60058));
    Combo2[1]->AddItem(GetOptionText(60059));

    // The labels size themselves to their captions and end just left of their controls, so the
    // alignment follows the language.
    for (int i = 0; i < 5; ++i) {
        Label1[i]->adjustSize();
        PlaceCaptionLabel(Label1[i], Combo1[i], kLabelGap);
    }
    for (int j = 0; j < 2; ++j) {
        Label2[j]->adjustSize();
        PlaceCaptionLabel(Label2[j], Combo2[j], kLabelGap);
    }
    for (int j = 0; j < 4; ++j) {
        Label3[j]->adjustSize();
        PlaceCaptionLabel(Label3[j], Text2[j], kLabelGap);
    }

    InitTwoToneLists();
    InitTwoToneGrid();
    State().SignallingEditCopy = State().RadioData.SignallingRecord;
    ShowTwoToneData();
    GridReady = true;
}

void Frm2Tone::InitTwoToneLists()
{
    for (int i = 0; i < 3; ++i) {
        Combo1[i]->Clear();
        for (int j = 5; j <= 100; ++j)
            Combo1[i]->AddItem(FormatUnits(j, 1, 1));
    }
    Combo1[4]->Clear();
    for (int j = 0; j <= 250; ++j)
        Combo1[4]->AddItem(FormatUnits(j, 1, 1));
    Combo1[3]->Clear();
    for (int k = 0; k <= 20; ++k)
        Combo1[3]->AddItem(QString::number(100 * k));
    Combo2[0]->Clear();
    for (const DecodeFormat &f : kDecodeFormats)
        Combo2[0]->AddItem(QString::fromLatin1(f.text));
}

void Frm2Tone::InitTwoToneGrid()
{
    FlexGrid *g = MSHFlexGrid1;
    g->setRowHeight(0, 500);
    g->setColWidth(0, 500);
    const int width = static_cast<int>(CInt((kGridWidth - g->ColWidth(0) - 300) / 3.0));
    for (int c = 1; c < kGridCols; ++c)
        g->setColWidth(c, width);
    for (int r = 1; r < kGridRows; ++r)
        g->setTextMatrix(r, 0, QString::number(r - 1));
    for (int c = 0; c < kGridCols; ++c) {
        g->setColAlignment(c, flexAlignCenterCenter);
        g->setCellForeColorAt(0, c, kHeaderTextColor);
    }
    for (int r = 1; r < kGridRows; ++r)
        g->setCellForeColorAt(r, 0, kNumberTextColor);
}

void Frm2Tone::ShowTwoToneData()
{
    ShowTwoToneRows();

    TwoToneGeneral &g = State().SignallingEditCopy.TwoToneBlock.General;
    const auto select = [](ComboBox *combo, int n, int fallback) {
        combo->setText(ComboItemAt(combo, n >= 0 && n < combo->ListCount() ? n : fallback));
    };
    select(Combo2[0], g.DecodeFormat, 0);
    select(Combo2[1], g.DecodeResponse, 0);
    select(Combo1[0], g.Time1 - 5, 0);
    select(Combo1[1], g.Time2 - 5, 0);
    select(Combo1[2], g.Time3 - 5, 5);
    select(Combo1[3], g.Interval, 10);
    select(Combo1[4], g.Time4, 0);

    if (g.SideTone > 1)
        g.SideTone = 0;
    SetCheckValue(Check1, g.SideTone);

    EnableDecodePair(g.DecodeFormat);

    std::array<uint16_t *, 4> tones{&g.ToneA, &g.ToneB, &g.ToneC, &g.ToneD};
    for (int j = 0; j < 4; ++j) {
        uint16_t &tone = *tones[static_cast<std::size_t>(j)];
        const int high = tone >> 8;
        if (high == 0 || high == 255)
            tone = kDefaultTones[static_cast<std::size_t>(j)];
        Text2[j]->setText(TenthsText(tone));
    }
}

void Frm2Tone::ShowTwoToneRows()
{
    const TwoToneEntries &entries = State().SignallingEditCopy.TwoToneBlock.Entries;
    for (int r = 1; r < kGridRows; ++r) {
        const TwoToneEntry &e = entries[static_cast<std::size_t>(r - 1)];
        if (e.Empty == 0 && e.Divisor1 != 0) {
            MSHFlexGrid1->setTextMatrix(r, 1, TenthsText(e.Tone1));
            MSHFlexGrid1->setTextMatrix(r, 2, e.Divisor2 != 0 ? TenthsText(e.Tone2) : QString());
            MSHFlexGrid1->setTextMatrix(r, 3, ShownText(e.Name));
        } else {
            for (int c = 1; c < kGridCols; ++c)
                MSHFlexGrid1->setTextMatrix(r, c, QString());
        }
    }
}

void Frm2Tone::EnableDecodePair(int format)
{
    for (TextBox *box : Text2)
        box->setEnabled(false);
    if (format < 0 || format >= int(kDecodeFormats.size()))
        return;
    const DecodeFormat &f = kDecodeFormats[static_cast<std::size_t>(format)];
    Text2[f.first]->setEnabled(true);
    if (f.second >= 0)
        Text2[f.second]->setEnabled(true);
}

void Frm2Tone::Combo2_Click(int index)
{
    if (index == 0)
        EnableDecodePair(Combo2[0]->ListIndex());
}

void Frm2Tone::Text2_LostFocus(int index)
{
    TextBox *box = Text2[index];
    box->setText(ClampedToneText(box->text().isEmpty() ? 0.0 : Val(box->text()), kToneLow));
}

void Frm2Tone::SSTab1_Click() { SetHelpContext(SSTab1, 3401 + SSTab1->currentIndex()); }

void Frm2Tone::NormaliseToneBox(TextBox *box)
{
    if (!IsNumeric(box->text())) {
        box->setText(QStringLiteral("2000"));
        return;
    }
    box->setText(ClampedToneText(Val(box->text()), kToneLowAtOk));
}

void Frm2Tone::SaveTwoToneGeneral()
{
    TwoToneGeneral &g = State().SignallingEditCopy.TwoToneBlock.General;
    const auto index = [](const ComboBox *c) { return static_cast<uint8_t>(std::max(c->ListIndex(), 0)); };
    g.DecodeResponse = index(Combo2[1]);
    g.Interval = index(Combo1[3]);
    g.Time3 = static_cast<uint8_t>(index(Combo1[2]) + 5);
    g.Time1 = static_cast<uint8_t>(index(Combo1[0]) + 5);
    g.Time2 = static_cast<uint8_t>(index(Combo1[1]) + 5);
    g.Time4 = index(Combo1[4]);
    g.SideTone = static_cast<uint8_t>(CheckValue(Check1));
    for (TextBox *box : Text2)
        NormaliseToneBox(box);
    g.DecodeFormat = index(Combo2[0]);

    const DecodeFormat &f = kDecodeFormats[std::min<std::size_t>(g.DecodeFormat, kDecodeFormats.size() - 1)];
    const QString first = Text2[f.first]->text();
    g.DecodeDivisor1 = ToneDivisor(first, 2);
    g.DecodeTone1 = ToneTenths(first);
    if (f.second >= 0) {
        const QString second = Text2[f.second]->text();
        g.DecodeDivisor2 = ToneDivisor(second, 2);
        g.DecodeTone2 = ToneTenths(second);
    } else {
        g.DecodeDivisor2 = 0;
        g.DecodeTone2 = 0;
    }
    g.ToneA = ToneTenths(Text2[0]->text());
    g.ToneB = ToneTenths(Text2[1]->text());
    g.ToneC = ToneTenths(Text2[2]->text());
    g.ToneD = ToneTenths(Text2[3]->text());
}

void Frm2Tone::SaveTwoToneCell(int row, int col)
{
    if (CurTone2Row < 1 || CurTone2Col < 1 || row < 1 || row > kLastRow)
        return;
    TwoToneEntry &e = State().SignallingEditCopy.TwoToneBlock.Entries[static_cast<std::size_t>(row - 1)];
    if (col >= kNameCol) {
        const QString v = TrimFixStr(Text3->text());
        MSHFlexGrid1->setTextMatrix(row, col, v);
        StoreText(e.Name, v);
        return;
    }
    const QString text = Text1->text();
    if (!IsNumeric(text)) {
        MSHFlexGrid1->setTextMatrix(row, col, QString());
        if (col == 1) {
            MSHFlexGrid1->setTextMatrix(row, 2, QString());
            MSHFlexGrid1->setTextMatrix(row, 3, QString());
            e.Empty = 1;
            e.Divisor1 = e.Divisor2 = e.Tone1 = e.Tone2 = 0;
            e.Name = FixStr<7>::Spaces();
        } else {
            e.Divisor2 = 0;
            e.Tone2 = 0;
        }
        return;
    }
    const QString f = ClampedToneText(Val(text), kToneLow);
    MSHFlexGrid1->setTextMatrix(row, col, FormatNumber(Val(f), QStringLiteral("#0.0")));
    const uint16_t tenths = ToneTenths(f);
    const uint16_t divisor = ToneDivisor(f, 16);
    if (col == 1) {
        e.Empty = 0;
        e.Divisor1 = divisor;
        e.Tone1 = tenths;
    } else {
        e.Divisor2 = divisor;
        e.Tone2 = tenths;
    }
}

void Frm2Tone::MSHFlexGrid1_EnterCell()
{
    if (!GridReady)
        return;
    FlexGrid *g = MSHFlexGrid1;
    const int r = g->Row();
    const int c = g->Col();
    if (r < 1 || c < 1)
        return;
    if (c > 1 && g->TextMatrix(r, 1).isEmpty()) {
        const bool typedToneA = r == CurTone2Row && CurTone2Col == 1 && IsNumeric(Text1->text());
        if (!typedToneA) {
            g->setCol(1); // enters tone A of this row in turn
            return;
        }
    }
    SaveTwoToneCell(CurTone2Row, CurTone2Col);
    CurTone2Row = r;
    CurTone2Col = c;
    HideCellEditor(Text1, MSHFlexGrid1);
    HideCellEditor(Text3, MSHFlexGrid1);
    if (c < kNameCol) {
        SetHelpContext(Text1, 3410 + c);
        OpenCellEditor(Text1);
    } else {
        OpenCellEditor(Text3);
    }
}

void Frm2Tone::OpenCellEditor(TextBox *editor)
{
    FlexGrid *g = MSHFlexGrid1;
    editor->setText(g->Text());
    editor->setGeometry(g->x() + TwipsToPx(g->CellLeft()), g->y() + TwipsToPx(g->CellTop()),
                        TwipsToPx(g->CellWidth()), TwipsToPx(g->CellHeight()));
    editor->show();
    editor->raise();
    editor->setFocus();
}

void Frm2Tone::MSHFlexGrid1_Click()
{
    if (GridReady)
        MSHFlexGrid1_EnterCell();
}

void Frm2Tone::MSHFlexGrid1_Scroll()
{
    // The open frequency editor is committed and hidden; a name editor stays where it was and
    // remains the editor of its own entry.
    SaveTwoToneCell(MSHFlexGrid1->Row(), MSHFlexGrid1->Col());
    HideCellEditor(Text1, MSHFlexGrid1);
}

void Frm2Tone::MoveToNextRow(int col)
{
    FlexGrid *g = MSHFlexGrid1;
    g->setRow(g->Row() >= kLastRow ? 1 : g->Row() + 1);
    g->setCol(col);
}

void Frm2Tone::Text1_Enter()
{
    FlexGrid *g = MSHFlexGrid1;
    if (g->Col() == 1 && Text1->text().isEmpty()) {
        MoveToNextRow(1);
        return;
    }
    if (g->Col() == 1)
        SaveTwoToneCell(CurTone2Row, CurTone2Col);
    if (g->Col() < kNameCol)
        g->setCol(g->Col() + 1);
    else
        MoveToNextRow(1);
}

void Frm2Tone::Text3_Enter() { MoveToNextRow(1); }

bool Frm2Tone::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == Text1 || watched == Text3)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == Text1)
                Text1_Enter();
            else
                Text3_Enter();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Frm2Tone::CommandOK_Click()
{
    SaveTwoToneGeneral();
    SaveTwoToneCell(CurTone2Row, CurTone2Col);
    State().RadioData.SignallingRecord = State().SignallingEditCopy;
    RepairSignalRefs();
    accept();
}

void Frm2Tone::CommandCancel_Click() { reject(); }

int ShowFrm2Tone(QWidget *parent)
{
    Frm2Tone w(parent);
    return prompt().ShowModal(&w);
}
