#include "link/frm_pass_word.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "data/ok_cancel_captions.h"
#include "data/value_rules.h"
#include "link/link_windows.h"
#include "platform/prompt.h"

namespace {
// 15 twips make one pixel.
constexpr int Twips(int twips) { return (twips + 7) / 15; }
} // namespace

FrmPassWord::FrmPassWord(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmPassWord"));
    setFixedSize(Twips(4200), Twips(1800));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(4);
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    Text1->setGeometry(Twips(2040), Twips(300), Twips(1560), Twips(315));
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setGeometry(Twips(600), Twips(1020), Twips(1215), Twips(375));
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    CommandCancel->setGeometry(Twips(2280), Twips(1020), Twips(1215), Twips(375));
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
    // The label ends 50 twips left of the box.
    Label1->move(Text1->x() - Label1->width() - Twips(50), Text1->y() + (Text1->height() - Label1->height()) / 2);
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

bool AskRadioPassword()
{
    FrmPassWord window;
    prompt().ShowModal(&window);
    return State().PasswordEntered;
}
