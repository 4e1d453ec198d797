#include "shell/frm_model.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "data/app_state.h"
#include "data/data_file.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "data/model_band.h"
#include "data/ok_cancel_captions.h"
#include "platform/dialog_routines.h"
#include "platform/prompt.h"

namespace {

// Geometry in twips (15 twips = 1 pixel).
int Px(int twips) { return twips / 15; }

constexpr int kListLeft = 1500;
constexpr int kListWidth = 4300;
constexpr int kListHeight = 315;
constexpr int kListTop[2] = {300, 840};
constexpr int kLabelWidth = 1300;
constexpr int kLabelGap = 50;

} // namespace

FrmModel::FrmModel(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmModel"));
    setFixedSize(Px(6150), Px(2250));
    for (int i = 0; i < 2; ++i) {
        Label1[i] = new QLabel(this);
        Label1[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Combo1[i] = new QComboBox(this);
        Combo1[i]->setObjectName(QStringLiteral("Combo1(%1)").arg(i));
        Combo1[i]->setGeometry(Px(kListLeft), Px(kListTop[i]), Px(kListWidth), Px(kListHeight));
        Label1[i]->setGeometry(0, Px(kListTop[i]), Px(kLabelWidth), Px(kListHeight));
    }
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setGeometry(Px(1800), Px(1560), Px(1200), Px(375));
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    CommandCancel->setGeometry(Px(3300), Px(1560), Px(1200), Px(375));
    connect(CommandOK, &QPushButton::clicked, this, &FrmModel::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmModel::CommandCancel_Click);
    Form_Load();
}

void FrmModel::Form_Load()
{
    setWindowTitle(GetLangText(2300));
    Label1[0]->setText(GetLangText(2301));
    Label1[1]->setText(GetLangText(2302));
    for (int i = 0; i < 2; ++i) // each label ends a small gap left of its list
        Label1[i]->move(Combo1[i]->x() - Label1[i]->width() - Px(kLabelGap), Label1[i]->y());
    SetOkCancelCaptions(this);

    const AppState &st = State();
    {
        const QSignalBlocker block(Combo1[0]);
        Combo1[0]->addItem(ModelDisplayName(QStringLiteral("TORVA6Y")));
        Combo1[0]->setCurrentIndex(Combo1[0]->findText(FindComboItem(Combo1[0], ModelDisplayName(st.CurModelCode))));
    }
    {
        const QSignalBlocker block(Combo1[1]);
        for (int i = 0; i < kBandPlanCount; ++i)
            Combo1[1]->addItem(BandRangeText(i));
        Combo1[1]->setCurrentIndex(st.CurBandPlanIndex >= 0 && st.CurBandPlanIndex < kBandPlanCount ? st.CurBandPlanIndex : -1);
    }
}

void FrmModel::CommandOK_Click()
{
    AppState &st = State();
    const QString code = ModelCodeFromDisplayName(Combo1[0]->currentText());
    if (code != st.CurModelCode) {
        st.CurModelCode = code;
        st.CurModelDisplay = ModelDisplayName(code);
        CallHook(Hooks().ReShowListByData);
    }

    const int band = Combo1[1]->currentIndex();
    if (band >= 0 && Combo1[1]->currentText() != st.CurBandPlanText) {
        const int answer = prompt().MsgBox(InCurrentLanguage(MessageTable().MsgFreqCleared),
                                           vbOKCancel + vbExclamation, InCurrentLanguage(MessageTable().MsgWarning));
        if (answer == vbOK) {
            st.CurBandPlanText = Combo1[1]->currentText();
            st.CurBandPlanIndex = int16_t(band);
            ParseBandLimits();
            NewDataFile();
        }
    }
    accept();
}

void FrmModel::CommandCancel_Click() { reject(); }
