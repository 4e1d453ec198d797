#include "shell/frm_about.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>

#include "data/lang_text.h"
#include "platform/form_kit.h"
#include "platform/process_launcher.h"
#include "platform/prompt.h"
#include "shell/dialog_buttons.h"
#include "shell/localize.h"

namespace {
constexpr int kMajor = 1;
constexpr int kMinor = 0;
constexpr int kRevision = 1;

QLabel *NewLabel(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    SetGeometryTwips(label, left, top, width, height);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
} // namespace

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    // lang-keys: OTHER 5052 101 1036
    setProperty("Tag", QStringLiteral("5052"));
    setFixedSize(TwipsToPx(5730), TwipsToPx(3900));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    SetGeometryTwips(picIcon, 240, 240, 540, 540);
    picIcon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(TwipsToPx(480)));

    lblTitle = NewLabel(this, "lblTitle", 1050, 240, 4400, 480);
    lblVersion = NewLabel(this, "lblVersion", 1050, 780, 4400, 225);
    lblDescription = NewLabel(this, "lblDescription", 1050, 1125, 4400, 1170);
    for (int i = 0; i < 2; ++i) {
        Line1[i] = new QFrame(this);
        SetArrayName(Line1[i], QStringLiteral("Line1"), i);
        Line1[i]->setFrameShape(QFrame::HLine);
        Line1[i]->setFrameShadow(i == 0 ? QFrame::Sunken : QFrame::Raised);
        SetGeometryTwips(Line1[i], 225, 2430 + i * 15, 5300, 15);
    }
    lblDisclaimer = NewLabel(this, "lblDisclaimer", 255, 2625, 3870, 1095);

    // The buttons' captions are keys in their tags.
    cmdOK = NewCommandButton(this, "cmdOK", 4200, 2625, true, 1365);
    cmdOK->setProperty("Tag", QStringLiteral("101"));
    cmdSysInfo = NewCommandButton(this, "cmdSysInfo", 4200, 3075, false, 1365);
    cmdSysInfo->setProperty("Tag", QStringLiteral("1036"));
    connect(cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::cmdSysInfo_Click);

    Form_Load();
}

QString FrmAbout::VersionText() { return QStringLiteral("%1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision); }

QStringList FrmAbout::SysInfoTools()
{
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor")};
}

void FrmAbout::Form_Load()
{
    LocalizeFormCaptions(this);
    lblVersion->setText(GetLangText(2200) + QLatin1Char(' ') + VersionText());
    lblTitle->setText(QString::fromLatin1(kProgramTitle));
    lblDisclaimer->setText(GetLangText(2100));
    lblDescription->setText(GetLangText(2101));
}

void FrmAbout::cmdOK_Click() { accept(); }

void FrmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void FrmAbout::StartSysInfo()
{
    for (const QString &tool : SysInfoTools()) {
        const QString path = QStandardPaths::findExecutable(tool);
        if (path.isEmpty())
            continue;
        if (launcher().StartDetached(path, {}, QString()))
            return;
        break; // a tool that is there but does not start: the message, as for none
    }
    prompt().MsgBox(QStringLiteral("此时系统信息不可用"), vbOKOnly);
}
