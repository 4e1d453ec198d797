#include "link/frm_pass_word.h"

#include <QLabel>
#include <QPushButton>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "ui/ok_cancel_captions.h"
#include "data/value_rules.h"
#include "link/link_windows.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"

FrmPassWord::FrmPassWord(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmPassWord"));
    setFixedSize(TwipsToPx(4200), TwipsToPx(1800));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new TextBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(4);
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    SetGeometryTwips(Text1, 2040, 300, 1560, 315);
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    SetGeometryTwips(CommandOK, 600, 1020, 1215, 375);
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    SetGeometryTwips(CommandCancel, 2280, 1020, 1215, 375);
    connect(CommandOK, &QPushButton::clicked, this, &FrmPassWord::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmPassWord::CommandCancel_Click);
    Form_Load();
}

void FrmPassWord::Form_Load()
{
    State().PasswordEntered = false;
    InitPassWordCaptions();
    ShowPasswordEntry();
}

void FrmPassWord::InitPassWordCaptions()
{
    setWindowTitle(GetLangText(3100));
    Label1->setText(GetLangText(3101));
    Label1->adjustSize();
    Label1->move(Label1->x(), Text1->y() + (Text1->height() - Label1->height()) / 2);
    PlaceCaptionLabel(Label1, Text1, 50);
    SetOkCancelCaptions(this);
}

void FrmPassWord::ShowPasswordEntry() { Text1->setText(State().PasswordEntry); }

void FrmPassWord::CommandOK_Click()
{
    AppState &st = State();
    st.PasswordEntered = true;
    st.PasswordEntry = TrimFixStr(Text1->text());
    accept();
}

void FrmPassWord::CommandCancel_Click() { reject(); }

bool FrmPassWord::Ask()
{
    FrmPassWord window;
    prompt().ShowModal(&window);
    return State().PasswordEntered;
}
