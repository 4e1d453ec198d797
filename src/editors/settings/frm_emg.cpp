#include "editors/settings/frm_emg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "data/app_state.h"
#include "editors/settings/builtin_captions.h"
#include "data/message_table.h"
#include "ui/close_help_captions.h"
#include "data/model_band.h"
#include "data/value_rules.h"
#include "platform/dialog_routines.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"

namespace {

// Layout in twips.
constexpr int kBoxLeft = 2040;
constexpr int kBoxWidth = 4695;
constexpr int kBoxHeight = 330;
constexpr int kReasonHeight = 1005;
constexpr int kFrameTop = 4680;
constexpr int kFrameHeight = 1920;
constexpr int kFrameBoxLeft = 1920;
constexpr int kFrameBoxWidth = 4575;
constexpr int kLabelDrop = 45;   // a caption stands this far below the top of its box
constexpr int kLabelGap = 50;    // and ends this far left of it
constexpr int kLabelWidth = 1900;

using Caption = BuiltinCaption;

// Label1(0..13) with the box each belongs to (-1: the model list, -2: the band list, -3: the
// second line of the reason caption) and that box's top in twips.
struct LabelPlace {
    Caption caption;
    int box;
    int top;
};

const LabelPlace kLabels[14] = {
    {{"Manufacture Code", "生产批号"}, 6, 600},
    {{"Radio Type", "机型"}, -1, 1320},
    {{"Frequency", "频段"}, -2, 1680},
    {{"Serial Number", "序列号"}, 1, 2040},
    {{"Producted Date", "出厂日期"}, 2, 2400},
    {{"Maintained Date", "维修日期"}, 3, 2760},
    {{"Maintained", "维修原因"}, 4, 3600},
    {{"Description", ""}, -3, 3600},
    {{"Version", "固件版本"}, 5, 3120},
    {{"User Code", "客户代码"}, 7, 960},
    {{"Dealer Code", "经销商代码"}, 8, 360},
    {{"Stock Date", "入库时间"}, 9, 720},
    {{"Sell Date", "销售时间"}, 10, 1080},
    {{"Seller", "经手人"}, 11, 1440},
};
const Caption kWindowCaption{"Embedded Message", "嵌入信息"};
const Caption kAreaCaption{"Area Code", "销售区号"};
const Caption kFrameCaption{"Dealer Information", "经销商信息"};

void SetBoxText(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        plain->setPlainText(text);
}

} // namespace

FrmEMG::FrmEMG(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmEMG"));
    setFixedSize(TwipsToPx(6960), TwipsToPx(7260));
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    SetGeometryTwips(Frame1, 120, kFrameTop, 6735, kFrameHeight);

    // The boxes' tops in the main column (Text1(8..11) stand in the frame).
    const int boxTop[12] = {240, 2040, 2400, 2760, 3600, 3120, 600, 960, 360, 720, 1080, 1440};
    for (int i = 0; i < 12; ++i) {
        const bool inFrame = i >= 8;
        QWidget *parentWidget = inFrame ? static_cast<QWidget *>(Frame1) : this;
        QWidget *box;
        if (i == 4) {
            reasonBox_ = new QPlainTextEdit(parentWidget);
            reasonBox_->setReadOnly(true);
            box = reasonBox_;
        } else {
            box = new TextBox(parentWidget);
        }
        SetArrayName(box, QStringLiteral("Text1"), i);
        SetGeometryTwips(box, inFrame ? kFrameBoxLeft : kBoxLeft, boxTop[i], inFrame ? kFrameBoxWidth : kBoxWidth,
                         i == 4 ? kReasonHeight : kBoxHeight);
        box->setEnabled(false);
        Text1[i] = box;
    }
    const int listTop[2] = {1320, 1680};
    for (int i = 0; i < 2; ++i) {
        Combo1[i] = new ComboBox(this);
        SetArrayName(Combo1[i], QStringLiteral("Combo1"), i);
        SetGeometryTwips(Combo1[i], kBoxLeft, listTop[i], kBoxWidth, kBoxHeight);
        Combo1[i]->setEnabled(false);
    }
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (int i = 0; i < 14; ++i) {
        Label1[i] = new QLabel(i >= 10 ? static_cast<QWidget *>(Frame1) : this);
        SetArrayName(Label1[i], QStringLiteral("Label1"), i);
    }
    CommandClose = new QPushButton(this);
    CommandClose->setObjectName(QStringLiteral("CommandClose"));
    SetGeometryTwips(CommandClose, 2880, kFrameTop + kFrameHeight + 120, 1200, 375);
    CommandClose->setDefault(true);
    CommandHelp = new QPushButton(this);
    CommandHelp->setObjectName(QStringLiteral("CommandHelp"));
    SetGeometryTwips(CommandHelp, 4320, kFrameTop + kFrameHeight + 120, 1200, 375);
    CommandHelp->hide(); // it has nothing to do
    connect(CommandClose, &QPushButton::clicked, this, &FrmEMG::CommandClose_Click);
    Form_Load();
}

void FrmEMG::Form_Load()
{
    for (int i = 0; i < kBandPlanCount; ++i)
        Combo1[1]->AddItem(BandRangeText(i));
    InitEmgCaptions();
    ShowByData();
}

void FrmEMG::InitEmgCaptions()
{
    setWindowTitle(InLanguage(kWindowCaption));
    Label2->setText(InLanguage(kAreaCaption));
    Frame1->setTitle(InLanguage(kFrameCaption));
    for (int i = 0; i < 14; ++i)
        Label1[i]->setText(InLanguage(kLabels[i].caption));
    // The version box looks like the window, not like an input.
    QPalette palette = Text1[5]->palette();
    palette.setColor(QPalette::Base, this->palette().color(QPalette::Window));
    Text1[5]->setPalette(palette);

    // Each caption ends kLabelGap left of its column, a little below the top of its box.
    const auto place = [](QLabel *label, const QWidget *columnBox, int boxTop) {
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        SetGeometryTwips(label, 0, boxTop + kLabelDrop, kLabelWidth, 300);
        PlaceCaptionLabel(label, columnBox, kLabelGap);
    };
    place(Label2, Text1[0], 240);
    for (int i = 0; i < 14; ++i) {
        const int top = kLabels[i].box == -3 ? kLabels[i].top + 360 - kLabelDrop : kLabels[i].top;
        place(Label1[i], i >= 10 ? Text1[8] : Text1[0], top);
    }
    SetCloseHelpCaptions(CommandClose, CommandHelp);
}

void FrmEMG::ShowByData()
{
    const AppState &st = State();
    const EmbeddedInfoRecord &e = st.EmbeddedInfoBlock;
    Combo1[0]->Clear();
    Combo1[0]->AddItem(ModelDisplayName(st.RadioModelCode));
    Combo1[0]->setListIndex(0);
    // High nibble x 8 + low nibble; a value whose list item does not exist shows the first one.
    const int band = e.BandCode;
    Combo1[1]->setText(ComboItemAt(Combo1[1], (band - band % 16) / 2 + band % 16));
    SetBoxText(Text1[0], QString::fromLatin1(TrimFixStr(e.AreaCode)));
    SetBoxText(Text1[1], ShownText(e.SerialNumber));
    SetBoxText(Text1[2], ShownText(e.ProductionDate));
    SetBoxText(Text1[3], ShownText(e.RepairDate));
    SetBoxText(Text1[4], ShownText(e.RepairReason));
    SetBoxText(Text1[5], QString::fromLatin1(e.VersionText));
    SetBoxText(Text1[6], ShownText(e.BatchNumber));
    SetBoxText(Text1[7], ShownText(e.CustomerCode));
    SetBoxText(Text1[8], ShownText(e.DealerCode));
    SetBoxText(Text1[9], ShownText(e.StockDate));
    SetBoxText(Text1[10], ShownText(e.SaleDate));
    SetBoxText(Text1[11], ShownText(e.Seller));
}

void FrmEMG::CommandClose_Click() { accept(); }

void ShowFrmEMG()
{
    FrmEMG window;
    prompt().ShowModal(&window);
}
