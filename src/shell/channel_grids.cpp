#include "shell/channel_grids.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <array>

#include "data/app_state.h"
#include "data/channel_table.h"
#include "data/tone_tables.h"
#include "data/code_text.h"
#include "data/defaults.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/value_rules.h"
#include "platform/dialog_routines.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"
#include "platform/numbers.h"
#include "platform/prompt.h"
#include "platform/vb_keys.h"
#include "shell/grid_combo.h"

namespace {

constexpr int kChannelGrid = 0;
constexpr int kSpareGrid = 1;
constexpr int kFmGrid = 2;

constexpr int kChannelRows = 207; // row 0 the header, rows 1..206 the channel numbers
constexpr int kChannelCols = 13;
constexpr int kSpareRows = 130;
constexpr int kSpareCols = 3;
constexpr int kFmRows = 102; // rows 1..100 the FM channels "0".."99", row 101 the VFO
constexpr int kFmCols = 2;
constexpr int kFmVfoEntry = 100;

constexpr int kColRelation = 6;     // never seen
constexpr int kColEditChannel = 11; // ">>": the single-channel dialog

const QColor kHeaderTextColor(0, 0, 155);
const QColor kLabelTextColor(0, 0, 255);
const QColor kEvenRowColor(250, 250, 240);

QString S(const char *text) { return QString::fromLatin1(text); }

void FillTones(ComboBox *combo)
{
    combo->Clear();
    for (int i = 0; i < kCtcssToneCount; ++i)
        combo->AddItem(CtcssToneText(i));
}

} // namespace

struct ChannelGrids::RowTexts {
    QString relation[2]; // keys 1202, 1203
    QString power[2];    // keys 1204, 1205
    QString off;         // key 1206
};

// ---------------------------------------------------------------------------------------------
// Construction

ChannelGrids::ChannelGrids(QWidget *pane) : QObject(pane), pane_(pane)
{
    const int sizes[3][2] = {{kChannelRows, kChannelCols}, {kSpareRows, kSpareCols}, {kFmRows, kFmCols}};
    for (int i = 0; i < 3; ++i) {
        grids_[i] = new FlexGrid(sizes[i][0], sizes[i][1], pane);
        SetArrayName(grids_[i], S("MSFlexGrid1"), i);
        ConnectGrid(i);
    }
    CreateEditors();
    FillHiddenLists();
    LayoutGrids();
}

ChannelGrids::~ChannelGrids() = default;

FlexGrid *ChannelGrids::Grid(int index) const { return index >= 0 && index < 3 ? grids_[index] : nullptr; }

void ChannelGrids::ConnectGrid(int index)
{
    FlexGrid *grid = grids_[index];
    connect(grid, &FlexGrid::EnterCell, this, [this, index] { MSFlexGrid1_EnterCell(index); });
    connect(grid, &FlexGrid::Click, this, [this, index] { MSFlexGrid1_Click(index); });
    connect(grid, &FlexGrid::DblClick, this, [this, index] { MSFlexGrid1_DblClick(index); });
    connect(grid, &FlexGrid::KeyPress, this, [this, index](int &keyAscii) { MSFlexGrid1_KeyPress(index, keyAscii); });
    connect(grid, &FlexGrid::KeyDown, this,
            [this, index](int &keyCode, int shift) { MSFlexGrid1_KeyDown(index, keyCode, shift); });
}

void ChannelGrids::CreateEditors()
{
    const auto makeText = [this](const char *name, int maxLength, TextBox::CharRule rule) {
        auto *box = new TextBox(pane_);
        box->setObjectName(S(name));
        box->setMaxLength(maxLength);
        box->setCharRule(std::move(rule));
        // Copy, cut and paste keys do nothing inside an editor; the context menu's paste passes
        // the same character rule and length as typing.
        box->setClipboardKeysBlocked(true);
        box->hide();
        return box;
    };
    const TextBox::CharRule digits = TextBox::OnlyChars(S("0123456789."));
    TextFreRx = makeText("TextFreRx", 9, digits);
    TextFreTx = makeText("TextFreTx", 9, digits);
    TextName = makeText("TextName", 6, [](QChar c) {
        const ushort u = c.unicode();
        return u >= 32 && u <= 126 && u != '\\' && u != '~' ? c : QChar();
    });
    Text1 = makeText("Text1", 0, TextBox::CharRule());
    Text2 = makeText("Text2", 6, digits);
    for (TextBox *box : {TextFreRx, TextFreTx, TextName}) {
        connect(box, &QLineEdit::returnPressed, this, [this] {
            QueueTab();
            SaveOldData();
        });
    }
    connect(Text2, &QLineEdit::returnPressed, this, &ChannelGrids::Text2_KeyPress);
    Text2->installEventFilter(this);

    const auto makeHidden = [this](const char *name) {
        auto *combo = new ComboBox(pane_);
        combo->setObjectName(S(name));
        combo->hide();
        return combo;
    };
    Combo1 = makeHidden("Combo1");
    ComboCTCSS = makeHidden("ComboCTCSS");
    ComboDCS = makeHidden("ComboDCS");
    ComboDTMF = makeHidden("ComboDTMF");

    const auto makeEditor = [this](const char *name, std::initializer_list<const char *> designItems) {
        auto *combo = new GridCombo(pane_);
        combo->setObjectName(S(name));
        for (const char *item : designItems)
            combo->AddItem(S(item));
        combo->hide();
        return combo;
    };
    ComboStep = makeEditor("ComboStep", {});
    ComboWN = makeEditor("ComboWN", {"25KHz", "12.5KHz"});
    ComboPower = makeEditor("ComboPower", {"High", "Low"});
    ComboDe_CTC_Type = makeEditor("ComboDe_CTC_Type", {"Off", "CTCSS", "DCS"});
    ComboEn_CTC_Type = makeEditor("ComboEn_CTC_Type", {"Off", "CTCSS", "DCS"});
    ComboDe_CTCSS = makeEditor("ComboDe_CTCSS", {});
    ComboEn_CTCSS = makeEditor("ComboEn_CTCSS", {});
    FillTones(ComboDe_CTCSS);
    FillTones(ComboEn_CTCSS);
    ComboDe_CDCSS = makeEditor("ComboDe_CDCSS", {});
    ComboEn_CDCSS = makeEditor("ComboEn_CDCSS", {});
    ComboOptSig = makeEditor("ComboOptSig", {"Off", "DTMF"});

    // Each choice is stored at once.
    const struct {
        GridCombo *combo;
        int column;
        int toneField;
    } choices[] = {
        {ComboStep, ColStep, ToneFieldType},          {ComboWN, ColWN, ToneFieldType},
        {ComboPower, ColPower, ToneFieldType},        {ComboDe_CTC_Type, ColDecode, ToneFieldType},
        {ComboEn_CTC_Type, ColEncode, ToneFieldType}, {ComboDe_CTCSS, ColDecode, ToneFieldCtcss},
        {ComboEn_CTCSS, ColEncode, ToneFieldCtcss},   {ComboDe_CDCSS, ColDecode, ToneFieldDcs},
        {ComboEn_CDCSS, ColEncode, ToneFieldDcs},     {ComboOptSig, ColOptSig, ToneFieldType},
    };
    for (const auto &choice : choices) {
        connect(choice.combo, &ComboBox::Click, this,
                [this, c = choice] { ComboChoice(c.combo, c.column, c.toneField); });
    }

    // Enter: the plain lists move on; a tone type opens its code list; a code list closes.
    for (GridCombo *combo : {ComboStep, ComboWN, ComboPower, ComboOptSig}) {
        connect(combo, &GridCombo::KeyPress, this, [this](int &keyAscii) {
            if (keyAscii != 13)
                return;
            keyAscii = 0;
            QueueTab();
            SaveOldData();
        });
    }
    for (bool decode : {true, false}) {
        GridCombo *type = decode ? ComboDe_CTC_Type : ComboEn_CTC_Type;
        type->setArrowsDropDown(true);
        connect(type, &GridCombo::KeyPress, this, [this, decode](int &keyAscii) {
            if (keyAscii != 13)
                return;
            keyAscii = 0;
            ToneTypeEnter(decode);
        });
    }
    for (GridCombo *combo : {ComboDe_CTCSS, ComboEn_CTCSS, ComboDe_CDCSS, ComboEn_CDCSS}) {
        combo->setArrowsDropDown(true);
        connect(combo, &GridCombo::KeyPress, this, [this](int &keyAscii) {
            if (keyAscii != 13)
                return;
            keyAscii = 0;
            SaveOldData();
            grids_[kChannelGrid]->setFocus();
        });
    }
}

void ChannelGrids::FillHiddenLists()
{
    FillTones(ComboCTCSS);
    ComboDCS->Clear();
    for (int code = 0; code < kDcsCodeCount; ++code)
        ComboDCS->AddItem(DcsCodeText(code));
    ComboDTMF->Clear();
    for (const char *item : {"C0", "C1", "C2", "C3", "C4", "C5", "C6", "CP"})
        ComboDTMF->AddItem(S(item));
    ComboCTCSS->hide();
    ComboDCS->hide();
    ComboDTMF->hide();
}

void ChannelGrids::LayoutGrids()
{
    for (FlexGrid *grid : grids_) {
        for (int c = 0; c < grid->Cols(); ++c)
            grid->setColAlignment(c, flexAlignCenterCenter);
        grid->setColWidth(0, 600);
    }
    FlexGrid *grid = grids_[kChannelGrid];
    grid->setRowHeight(0, 500);
    const int widths[] = {1500, 0, 1200, 1400, 1400}; // columns 5 to 9; the relation column is never seen
    for (int i = 0; i < 5; ++i)
        grid->setColWidth(5 + i, widths[i]);
    // Neither the relation column nor the empty filler column beyond ">>" is seen, so neither may
    // become current by the user's moves (End and Ctrl+End stop at ">>").
    grid->setColumnHidden(kColRelation, true);
    grid->setColumnHidden(kChannelCols - 1, true);
    FitChannelColumns();
}

void ChannelGrids::FitChannelColumns()
{
    FlexGrid *grid = grids_[kChannelGrid];
    const QFontMetrics cells = grid->fontMetrics();
    const QFontMetrics headers = grid->horizontalHeader()->fontMetrics();
    const int padding = 2 * grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 8;
    // What each column shows at its widest, and its header key.
    const struct {
        int column;
        const char *widest;
        int header;
    } flexible[] = {
        {ColRx, "000.00000", 1101}, {ColTx, "000.00000", 1140}, {ColName, "WWWWWW", 1103},
        {ColStep, "6.25K", 1104},   {ColOptSig, "DTMF M16", 1110}, {kColEditChannel, ">>", 1117},
    };
    for (const auto &f : flexible) {
        const int px = std::max(cells.horizontalAdvance(S(f.widest)), headers.horizontalAdvance(GetLangText(f.header)));
        grid->setColWidth(f.column, PxToTwips(px + padding));
    }
}

// ---------------------------------------------------------------------------------------------
// Drawing

void ChannelGrids::ShowListByData()
{
    InitShowListContent();
    ReShowListByData();
    ReShowRadioListByData();
}

void ChannelGrids::InitShowListContent()
{
    gridsFilling_ = true;
    grids_[kSpareGrid]->Clear();
    grids_[kFmGrid]->Clear();
    for (FlexGrid *grid : grids_) {
        grid->setRedraw(false);
        const int rows = grid->Rows();
        const int cols = grid->Cols();
        for (int c = 0; c < cols; ++c)
            grid->setCellForeColorAt(0, c, kHeaderTextColor);
        for (int r = grid->FixedRows(); r < rows; ++r)
            grid->setCellForeColorAt(r, 0, kLabelTextColor);
        int lastEven = 0;
        for (int r = 2; r < rows; r += 2) {
            for (int c = 1; c < cols; ++c)
                grid->setCellBackColorAt(r, c, kEvenRowColor);
            lastEven = r;
        }
        grid->setRedraw(true);
        // The walk over the cells leaves the last cell coloured current.
        grid->setRow(lastEven);
        grid->setCol(cols - 1);
    }

    LoadShowList();

    FlexGrid *channels = grids_[kChannelGrid];
    for (int n = 1; n <= kLastChannelNumber; ++n) {
        channels->setTextMatrix(n, 0, ChannelNumberToText(n));
        channels->setTextMatrix(n, kColEditChannel, S(">>"));
    }
    FlexGrid *fm = grids_[kFmGrid];
    for (int r = 1; r <= kFmVfoEntry; ++r)
        fm->setTextMatrix(r, 0, QString::number(r - 1));
    fm->setTextMatrix(kFmVfoEntry + 1, 0, S("VFO"));
    gridsFilling_ = false;
}

void ChannelGrids::LoadShowList()
{
    FlexGrid *channels = grids_[kChannelGrid];
    const QString lineBreak = S("\r\n");
    const QString headers[12] = {
        GetLangText(3006),
        GetLangText(1101),
        GetLangText(1140),
        GetLangText(1103),
        GetLangText(1104),
        GetLangText(1106),
        GetLangText(1108),
        GetLangText(1109),
        GetLangText(1107) + lineBreak + GetLangText(1112),
        GetLangText(1107) + lineBreak + GetLangText(1113),
        GetLangText(1110),
        GetLangText(1117),
    };
    for (int c = 0; c < 12; ++c)
        channels->setTextMatrix(0, c, headers[c]);

    Combo1->Clear();
    for (int i = 0; i < kStepCount; ++i)
        Combo1->AddItem(StepText(i));
    Text1->hide();
    Text2->hide();
    Combo1->hide();

    FlexGrid *fm = grids_[kFmGrid];
    fm->setTextMatrix(0, 0, S("ID"));
    fm->setTextMatrix(0, 1, GetLangText(1101));

    ComboStep->Clear();
    for (int i = 0; i < Combo1->ListCount(); ++i)
        ComboStep->AddItem(Combo1->List(i));

    ComboWN->setList(0, S("25KHz"));
    ComboWN->setList(1, S("12.5KHz"));
    ComboPower->setList(0, GetLangText(1204));
    ComboPower->setList(1, GetLangText(1205));
    const QString off = GetLangText(1206);
    ComboDe_CTC_Type->setList(0, off);
    ComboEn_CTC_Type->setList(0, off);

    // The custom-tone item is added once per run; it keeps the language of that first call.
    if (IsNumeric(ComboDe_CTCSS->List(ComboDe_CTCSS->ListCount() - 1))) {
        const int at = ComboDe_CTCSS->ListCount();
        const QString custom = GetLangText(4031);
        ComboCTCSS->AddItem(custom, at);
        ComboEn_CTCSS->AddItem(custom, at);
        ComboDe_CTCSS->AddItem(custom, at);
    }

    // Both DCS lists: the codes with "N", then the same with "I" (index = inverted * 512 + code).
    for (GridCombo *combo : {ComboDe_CDCSS, ComboEn_CDCSS}) {
        combo->Clear();
        for (const char polarity : {'N', 'I'})
            for (int code = 0; code < 512; ++code)
                combo->AddItem(QLatin1Char('D') + OctPadded(code, 3) + QLatin1Char(polarity));
    }

    ComboOptSig->setList(0, off);
}

ChannelGrids::RowTexts ChannelGrids::ReadRowTexts() const
{
    // lang-keys: OTHER 1202-1206
    RowTexts texts;
    for (int v = 0; v < 2; ++v) {
        texts.relation[v] = GetLangText(1202 + v);
        texts.power[v] = GetLangText(1204 + v);
    }
    texts.off = GetLangText(1206);
    return texts;
}

QString ChannelGrids::ToneText(int type, int ctcssIndex, int dcsCode, int inverted, const RowTexts &texts) const
{
    if (type == CtcCtcss) {
        // 51 is the custom tone's item; 52 names no item and shows nothing.
        const int index = ctcssIndex > 52 || ctcssIndex < 0 ? 0 : ctcssIndex;
        return ComboCTCSS->List(index);
    }
    if (type == CtcDcs) {
        const int code = dcsCode > 511 || dcsCode < 0 ? 0 : dcsCode;
        QString text = QLatin1Char('D') + ComboDCS->List(code);
        if (inverted >= 1)
            text[text.size() - 1] = QLatin1Char('I');
        return text;
    }
    return texts.off;
}

void ChannelGrids::DrawChannelRow(int row, const ChannelRecord &c, const RowTexts &texts)
{
    FlexGrid *grid = grids_[kChannelGrid];
    const QString rx = FreStoredToText(c.RxFrequency.toByteArray());
    grid->setTextMatrix(row, ColRx, rx);

    // Transmit frequency from the receive text and the stored offset; without a receive
    // frequency there is none to show.
    QString tx = rx;
    if (c.OffsetDir == OffsetMinus || c.OffsetDir == OffsetPlus) {
        const QString offset = TxStoredToText(c.TxOffset.toByteArray());
        if (rx.isEmpty())
            tx.clear();
        else if (c.OffsetDir == OffsetMinus)
            tx = FormatNumber(Val(rx) - Val(offset), S("#.00000"));
        else
            tx = FormatNumber(Val(offset) + Val(rx), S("#.00000"));
    }
    grid->setTextMatrix(row, ColTx, tx);

    grid->setTextMatrix(row, ColName, ShownText(c.Name));
    grid->setTextMatrix(row, ColStep, Combo1->List(c.StepIndex));
    grid->setTextMatrix(row, ColWN, c.Bandwidth == 0 ? S("25K") : S("12.5K"));
    const int relation = c.SignalRelation == 1 ? 1 : 0;
    grid->setTextMatrix(row, 6, texts.relation[relation]);
    if (c.Power >= 0)
        grid->setTextMatrix(row, ColPower, texts.power[c.Power == 1 ? 1 : 0]);
    grid->setTextMatrix(row, ColDecode,
                        ToneText(c.DecodeToneType, c.DecodeCtcssIndex, c.DecodeDcsCode, c.DecodeDcsInverted, texts));
    grid->setTextMatrix(row, ColEncode,
                        ToneText(c.EncodeToneType, c.EncodeCtcssIndex, c.EncodeDcsCode, c.EncodeDcsInverted, texts));
    grid->setTextMatrix(row, ColOptSig,
                        c.OptSig == OptSigDtmf ? S("DTMF M") + QString::number(c.DtmfMemoryIndex + 1) : texts.off);
}

void ChannelGrids::ClearChannelRow(int row)
{
    for (int c = ColRx; c <= ColOptSig; ++c)
        grids_[kChannelGrid]->setTextMatrix(row, c, QString());
}

void ChannelGrids::SetCaption()
{
    const AppState &s = State();
    const QString caption = S(kProgramTitle) + QLatin1Char('[') + s.CurModelDisplay + QLatin1Char(':') +
                            s.CurBandPlanText + S("][") + GetLangText(2012) + QLatin1Char(':') + s.CurFileName +
                            QLatin1Char(']');
    pane_->window()->setWindowTitle(caption);
}

void ChannelGrids::ReShowListByData()
{
    // Other data are coming in: an open editor's text belongs to the data it was typed for.
    HideChannelEditors();
    SetCaption();

    const RowTexts texts = ReadRowTexts();
    const auto &list = State().ChannelList;
    const int used = UsedChannelSlots();
    for (int slot = 0; slot < used; ++slot) {
        const int row = list[static_cast<std::size_t>(slot)].Number;
        if (row >= 1 && row <= kLastChannelNumber)
            DrawChannelRow(row, list[static_cast<std::size_t>(slot)], texts);
    }
    FlexGrid *grid = grids_[kChannelGrid];
    for (int r = 1; r <= kLastChannelNumber; ++r) {
        if (!ChannelExists(r) && !TrimFixStr(grid->TextMatrix(r, ColRx)).isEmpty())
            ClearChannelRow(r);
    }
}

void ChannelGrids::DrawFmRow(int row)
{
    const FmChannelEntry &e = State().RadioData.FmChannelTable[static_cast<std::size_t>(row - 1)];
    grids_[kFmGrid]->setTextMatrix(row, 1, e.Used == 1 ? FmStoredToText(e.Frequency.toByteArray()) : QString());
}

void ChannelGrids::ReShowRadioListByData()
{
    // The FM editor's text, shown or waiting to be committed, belongs to the old table.
    HideEditor(Text2, kFmGrid);
    State().FmEditRow = 0;
    State().FmEditCol = 0;
    for (int row = 1; row <= kFmVfoEntry + 1; ++row)
        DrawFmRow(row);
}

void ChannelGrids::ReShowGrid(int grid, int row, int /*col*/)
{
    if (grid == kChannelGrid) {
        if (row < 1 || row > kLastChannelNumber)
            return;
        const int slot = FindChannelSlot(row);
        if (slot >= 0)
            DrawChannelRow(row, State().ChannelList[static_cast<std::size_t>(slot)], ReadRowTexts());
        else
            ClearChannelRow(row);
    } else if (grid == kFmGrid) {
        if (row < 1 || row > kFmVfoEntry + 1)
            return;
        DrawFmRow(row);
        if (!Text2->isHidden())
            Text2->setText(grids_[kFmGrid]->TextMatrix(row, 1));
    }
}

// ---------------------------------------------------------------------------------------------
// Channel grid editing

void ChannelGrids::MSFlexGrid1_EnterCell(int index)
{
    if (!mainWindowLoaded_ || gridsFilling_)
        return;
    AppState &s = State();
    FlexGrid *grid = grids_[index];
    if (index == kChannelGrid) {
        // An open receive editor stays open while its own cell becomes current again.
        const bool ownCell = grid->Row() == s.CurChannelNo && grid->Col() == ColRx && !TextFreRx->isHidden();
        if (!ownCell)
            SaveOldData();
        return;
    }
    // A grid that is not shown opens nothing: its editor would float over the grid in front.
    if (grid->isHidden() || grid->Col() < 1 || grid->Row() < 1)
        return;
    if (index == kFmGrid) {
        s.CurFmRow = static_cast<int16_t>(grid->Row());
        s.CurFmCol = static_cast<int16_t>(grid->Col());
        if (s.CurFmRow == s.FmEditRow && s.CurFmCol == s.FmEditCol)
            return;
    }
    SaveOldGridData(index);
    if (index == kFmGrid) {
        s.FmEditRow = s.CurFmRow;
        s.FmEditCol = s.CurFmCol;
        PlaceOverCell(Text2, kFmGrid);
        Text2->setText(grid->Text());
        Text2->show();
        Text2->raise();
        Text2->setFocus(Qt::OtherFocusReason);
        Text2->selectAll();
    }
}

void ChannelGrids::MSFlexGrid1_Click(int index) { MSFlexGrid1_EnterCell(index); }

void ChannelGrids::MSFlexGrid1_DblClick(int index)
{
    if (index != kChannelGrid)
        return;
    FlexGrid *grid = grids_[kChannelGrid];
    if (grid->Row() < 1 || grid->Col() < 1)
        return;
    SaveOldData();
    AppState &s = State();
    s.CurChannelNo = grid->Row();
    s.CurEditCol = static_cast<int16_t>(grid->Col());

    if (grid->Col() == grid->Cols() - 2) {
        CallHook(Hooks().ShowFrmCHEdit);
        return;
    }
    const int col = grid->Col();
    if (col == ColRx) {
        OpenTextEditor(TextFreRx);
        return;
    }
    // Every other column edits a channel, so it needs one: a row without a channel opens its
    // receive editor instead. The hidden relation column and the filler column open nothing.
    TextBox *text = col == ColTx ? TextFreTx : col == ColName ? TextName : nullptr;
    GridCombo *combo = nullptr;
    switch (col) {
    case ColStep:
        combo = ComboStep;
        break;
    case ColWN:
        combo = ComboWN;
        break;
    case ColPower:
        combo = ComboPower;
        break;
    case ColDecode:
        combo = ComboDe_CTC_Type;
        break;
    case ColEncode:
        combo = ComboEn_CTC_Type;
        break;
    case ColOptSig:
        combo = ComboOptSig;
        break;
    default:
        break;
    }
    if ((!text && !combo) || !CheckRowFreRx(s.CurChannelNo))
        return;
    if (text)
        OpenTextEditor(text);
    else if (col == ColDecode || col == ColEncode)
        OpenComboEditor(combo, ComboItemAt(combo, GetToneField(s.CurChannelNo, col == ColDecode ? S("De_CTC_Type")
                                                                                              : S("En_CTC_Type"))));
    else
        OpenComboEditor(combo, FindComboItem(combo, grid->Text()));
}

bool ChannelGrids::CheckRowFreRx(int row)
{
    FlexGrid *grid = grids_[kChannelGrid];
    if (!grid->TextMatrix(row, ColRx).isEmpty())
        return true;
    // A row without a channel: its receive editor opens instead.
    grid->setCol(ColRx);
    MSFlexGrid1_DblClick(kChannelGrid);
    comboFilling_ = false;
    return false;
}

void ChannelGrids::MSFlexGrid1_KeyPress(int index, int &keyAscii)
{
    if (index == kChannelGrid && keyAscii == 13)
        MSFlexGrid1_DblClick(kChannelGrid);
}

void ChannelGrids::MSFlexGrid1_KeyDown(int index, int &keyCode, int shift)
{
    if (index != kChannelGrid || shift != vbCtrlMask)
        return;
    AppState &s = State();
    const int row = grids_[kChannelGrid]->Row();
    switch (keyCode) {
    case vbKeyC:
        s.ClipboardFilled[kChannelGrid] = 1;
        CopyChannel(kChannelGrid, row);
        break;
    case vbKeyX:
        s.ClipboardFilled[kChannelGrid] = 1;
        CutChannel(kChannelGrid, row);
        ReShowGrid(kChannelGrid, row, 0);
        break;
    case vbKeyV:
        if (s.ClipboardFilled[kChannelGrid] != 0) {
            PasteChannel(kChannelGrid, row);
            ReShowGrid(kChannelGrid, row, 0);
        }
        break;
    default:
        break;
    }
    RepairChannelIndexes();
}

void ChannelGrids::SaveOldData()
{
    AppState &s = State();
    if (!TextFreRx->isHidden()) {
        if (s.CurEditCol == ColRx) {
            QString t = TextFreRx->text();
            if (!t.isEmpty() && IsNumeric(t)) {
                if (ChannelExists(s.CurChannelNo))
                    SetChannelColumn(s.CurChannelNo, t, ColRx, ToneFieldType);
                else
                    AddChannelWithFre(s.CurChannelNo, t);
            } else if (t.isEmpty() && ChannelExists(s.CurChannelNo) && s.CurChannelNo < kFirstSpecialChannel) {
                // Only a cleared text deletes; a text that is not a number (a slip, "1.2.3")
                // keeps the channel as it was, and the redraw below shows it again.
                if (CountNormalChannels() <= 1)
                    prompt().MsgBox(S("Must retain the one channels!"), vbOKOnly);
                else
                    DeleteChannel(s.CurChannelNo);
            }
            ReShowGrid(kChannelGrid, s.CurChannelNo, 0);
            RepairChannelIndexes();
        }
        HideEditor(TextFreRx, kChannelGrid);
        return;
    }
    const std::pair<TextBox *, int> texts[] = {{TextFreTx, ColTx}, {TextName, ColName}};
    for (const auto &[box, column] : texts) {
        if (box->isHidden())
            continue;
        if (s.CurEditCol == column) {
            QString t = box->text();
            SetChannelColumn(s.CurChannelNo, t, column, ToneFieldType);
            ReShowGrid(kChannelGrid, s.CurChannelNo, 0);
        }
        HideEditor(box, kChannelGrid);
        return;
    }
    // A combo editor stored its choices when they were made.
    for (GridCombo *combo : {ComboStep, ComboWN, ComboPower, ComboDe_CTC_Type, ComboDe_CTCSS, ComboDe_CDCSS,
                             ComboEn_CTC_Type, ComboEn_CTCSS, ComboEn_CDCSS, ComboOptSig}) {
        if (!combo->isHidden()) {
            HideEditor(combo, kChannelGrid);
            return;
        }
    }
}

void ChannelGrids::PlaceOverCell(QWidget *editor, int grid)
{
    const FlexGrid *g = grids_[grid];
    editor->setGeometry(g->x() + TwipsToPx(g->CellLeft()), g->y() + TwipsToPx(g->CellTop()),
                        TwipsToPx(g->CellWidth()), TwipsToPx(g->CellHeight()));
}

void ChannelGrids::OpenTextEditor(TextBox *editor)
{
    FlexGrid *grid = grids_[kChannelGrid];
    PlaceOverCell(editor, kChannelGrid);
    editor->show();
    editor->raise();
    editor->setText(grid->Text());
    editor->setFocus(Qt::OtherFocusReason);
    if (!editor->text().isEmpty())
        editor->selectAll();
}

void ChannelGrids::OpenComboEditor(GridCombo *editor, const QString &selection)
{
    // As high as the row, so it covers its own cell and no part of the next row.
    PlaceOverCell(editor, kChannelGrid);
    editor->show();
    editor->raise();
    comboFilling_ = true;
    editor->setText(selection);
    comboFilling_ = false;
    editor->setFocus(Qt::OtherFocusReason);
}

void ChannelGrids::HideEditor(QWidget *editor, int grid) { HideCellEditor(editor, grids_[grid]); }

void ChannelGrids::HideChannelEditors()
{
    for (QWidget *editor : std::initializer_list<QWidget *>{
             TextFreRx, TextFreTx, TextName, ComboStep, ComboWN, ComboPower, ComboDe_CTC_Type, ComboDe_CTCSS,
             ComboDe_CDCSS, ComboEn_CTC_Type, ComboEn_CTCSS, ComboEn_CDCSS, ComboOptSig}) {
        if (!editor->isHidden())
            HideEditor(editor, kChannelGrid);
    }
}

void ChannelGrids::QueueTab()
{
    // The grid follows its editors in the tab order: the focus goes back to it once the key's
    // handlers have run.
    QTimer::singleShot(0, grids_[kChannelGrid], [grid = grids_[kChannelGrid]] {
        if (grid->isVisible())
            grid->setFocus(Qt::TabFocusReason);
    });
}

void ChannelGrids::ComboChoice(GridCombo *combo, int column, int toneField)
{
    if (comboFilling_ || combo->ListIndex() < 0)
        return;
    const int channel = State().CurChannelNo;
    SetChannelColumn(channel, combo->ListIndex(), column, toneField);
    if (combo == ComboDe_CTC_Type || combo == ComboEn_CTC_Type) {
        // While the list is down, the user is still choosing: the code list waits for Enter.
        if (!combo->IsDropped())
            ShowToneCombo(combo == ComboDe_CTC_Type);
    }
    ReShowGrid(kChannelGrid, channel, 0);
}

void ChannelGrids::ShowToneCombo(bool decode)
{
    GridCombo *type = decode ? ComboDe_CTC_Type : ComboEn_CTC_Type;
    GridCombo *code = nullptr;
    QString key;
    switch (type->ListIndex()) {
    case CtcCtcss:
        code = decode ? ComboDe_CTCSS : ComboEn_CTCSS;
        key = decode ? S("De_CTCSS") : S("En_CTCSS");
        break;
    case CtcDcs:
        code = decode ? ComboDe_CDCSS : ComboEn_CDCSS;
        key = decode ? S("De_CDCSS") : S("En_CDCSS");
        break;
    default:
        return;
    }
    HideEditor(type, kChannelGrid);
    code->setGeometry(type->geometry());
    code->show();
    code->raise();
    comboFilling_ = true;
    code->setText(ComboItemAt(code, GetToneField(State().CurChannelNo, key)));
    comboFilling_ = false;
    code->setFocus(Qt::OtherFocusReason);
}

void ChannelGrids::ToneTypeEnter(bool decode)
{
    SaveOldData();
    grids_[kChannelGrid]->setFocus(Qt::OtherFocusReason);
    ShowToneCombo(decode);
}

// ---------------------------------------------------------------------------------------------
// FM-radio grid editing

void ChannelGrids::SaveOldGridData(int index)
{
    AppState &s = State();
    if (index != kFmGrid || s.FmEditRow < 1 || s.FmEditCol < 1 || s.FmEditRow > kFmVfoEntry + 1)
        return;
    const int entry = s.FmEditRow - 1;
    FmChannelTable &table = s.RadioData.FmChannelTable;
    FmChannelEntry &e = table[static_cast<std::size_t>(entry)];
    e.Number = s.FmEditRow;

    const QString t = Text2->text();
    const QString stored = TrimFixStr(t.isEmpty() ? QString() : FmFreToStored(CheckFmFreText(t)));
    if (!stored.isEmpty() && stored != S("FFFFFFFF")) {
        e.Used = 1;
    } else if (entry == kFmVfoEntry) {
        prompt().MsgBox(S("VFO can't be null!"), vbOKOnly);
        return;
    } else if (CountUsedFmChannels() > 1) {
        e.Used = 0;
    } else {
        return; // the last FM channel in use stays
    }
    e.Frequency.assign(stored.toLatin1());
    grids_[kFmGrid]->setTextMatrix(s.FmEditRow, s.FmEditCol, FmStoredToText(stored));

    // The radio's selected FM channel moves off an entry that is no longer in use.
    int16_t &selected = s.RadioData.SignallingRecord.OptionBlock.FmMemoryChannel;
    const bool selectedInUse =
        selected >= 0 && selected <= kFmVfoEntry && table[static_cast<std::size_t>(selected)].Used != 0;
    if (!selectedInUse) {
        selected = 0;
        for (int i = 0; i < kFmVfoEntry; ++i) {
            if (table[static_cast<std::size_t>(i)].Used == 1) {
                selected = static_cast<int16_t>(i);
                break;
            }
        }
    }
}

void ChannelGrids::Text2_KeyPress()
{
    // Enter: one row down, from the last row back to the first; the move commits and reopens.
    FlexGrid *grid = grids_[kFmGrid];
    const int current = State().CurFmRow;
    const int row = current < grid->Rows() - 1 ? current + 1 : 1;
    grid->ShowCell(row, grid->Col());
    grid->setRow(row);
}

void ChannelGrids::Text2_KeyDown(int keyCode, int shift)
{
    if (shift != vbCtrlMask)
        return;
    AppState &s = State();
    FlexGrid *grid = grids_[kFmGrid];
    switch (keyCode) {
    case vbKeyC:
        s.ClipboardFilled[kFmGrid] = 1;
        break;
    case vbKeyX:
        s.ClipboardFilled[kFmGrid] = 1;
        ReShowGrid(kFmGrid, grid->Row(), 0);
        break;
    case vbKeyV:
        if (s.ClipboardFilled[kFmGrid] != 0)
            ReShowGrid(kFmGrid, grid->Row(), 0);
        break;
    default:
        break;
    }
}

bool ChannelGrids::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text2 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        Text2_KeyDown(VbKeyCode(key), VbShiftState(key->modifiers()));
    }
    return QObject::eventFilter(watched, event);
}
