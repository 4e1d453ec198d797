#include "shell/frm_model.h"

#include <QLabel>
#include <QPushButton>

#include "data/app_state.h"
#include "data/data_file.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "data/model_band.h"
#include "ui/ok_cancel_captions.h"
#include "platform/dialog_routines.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"

namespace {

// Layout in twips.
constexpr int kListLeft = 1500;
constexpr int kListWidth = 4300;
constexpr int kListHeight = 315;
constexpr int kListTop[2] = {300, 840};
constexpr int kLabelWidth = 1300;
// A caption label ends this far left of its list.
constexpr int kLabelGap = 50;

} // namespace

FrmModel::FrmModel(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmModel"));
    setFixedSize(TwipsToPx(6150), TwipsToPx(2250));
    for (int i = 0; i < 2; ++i) {
        Label1[i] = new QLabel(this);
        SetArrayName(Label1[i], QStringLiteral("Label1"), i);
        SetGeometryTwips(Label1[i], 0, kListTop[i], kLabelWidth, kListHeight);
        Combo1[i] = new ComboBox(this);
        SetArrayName(Combo1[i], QStringLiteral("Combo1"), i);
        SetGeometryTwips(Combo1[i], kListLeft, kListTop[i], kListWidth, kListHeight);
    }
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    SetGeometryTwips(CommandOK, 1800, 1560, 1200, 375);
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    SetGeometryTwips(CommandCancel, 3300, 1560, 1200, 375);
    connect(CommandOK, &QPushButton::clicked, this, &FrmModel::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmModel::CommandCancel_Click);
    Form_Load();
}

void FrmModel::Form_Load()
{
    setWindowTitle(GetLangText(2300));
    Label1[0]->setText(GetLangText(2301));
    Label1[1]->setText(GetLangText(2302));
    for (int i = 0; i < 2; ++i)
        PlaceCaptionLabel(Label1[i], Combo1[i], kLabelGap);
    SetOkCancelCaptions(this);

    const AppState &st = State();
    Combo1[0]->AddItem(ModelDisplayName(QStringLiteral("TORVA6Y")));
    Combo1[0]->setText(FindComboItem(Combo1[0], ModelDisplayName(st.CurModelCode)));
    for (int i = 0; i < kBandPlanCount; ++i)
        Combo1[1]->AddItem(BandRangeText(i));
    Combo1[1]->setListIndex(st.CurBandPlanIndex);
}

void FrmModel::CommandOK_Click()
{
    AppState &st = State();
    const QString code = ModelCodeFromDisplayName(Combo1[0]->Text());
    if (code != st.CurModelCode) {
        st.CurModelCode = code;
        st.CurModelDisplay = ModelDisplayName(code);
        CallHook(Hooks().ReShowListByData);
    }

    const int band = Combo1[1]->ListIndex();
    if (band >= 0 && Combo1[1]->Text() != st.CurBandPlanText) {
        const int answer = prompt().MsgBox(InCurrentLanguage(MessageTable().MsgFreqCleared),
                                           vbOKCancel + vbExclamation, InCurrentLanguage(MessageTable().MsgWarning));
        if (answer == vbOK) {
            st.CurBandPlanText = Combo1[1]->Text();
            st.CurBandPlanIndex = int16_t(band);
            ParseBandLimits();
            NewDataFile();
        }
    }
    accept();
}

void FrmModel::CommandCancel_Click() { reject(); }
