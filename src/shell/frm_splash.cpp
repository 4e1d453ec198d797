#include "shell/frm_splash.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "data/app_state.h"
#include "platform/form_kit.h"
#include "platform/program_dir.h"
#include "platform/whole_file.h"
#include "shell/frm_main.h"

namespace {
// The picture's area in twips.
constexpr int kLogoWidth = 12045;
constexpr int kLogoHeight = 3450;
constexpr int kSplashMs = 2000;
// The largest picture file that is read; the program's own are a few tens of kilobytes.
constexpr qint64 kPictureFileLimit = qint64(8) << 20;
} // namespace

FrmSplash::FrmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(TwipsToPx(kLogoWidth), TwipsToPx(kLogoHeight));
    picLogo = new QLabel(this);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setGeometry(rect());
    picLogo->setAlignment(Qt::AlignCenter);
    picLogo->installEventFilter(this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(kSplashMs);
    connect(Timer1, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    Form_Load();
}

QString FrmSplash::PictureFile()
{
    return State().LanguageIndex == LangChinese ? QStringLiteral("StartC.jpg") : QStringLiteral("StartE.jpg");
}

void FrmSplash::Form_Load()
{
    QByteArray bytes;
    QPixmap picture;
    if (ReadWholeFile(ProgramPath(PictureFile()), kPictureFileLimit, bytes) == WholeFileRead::Ok)
        picture.loadFromData(bytes);
    if (picture.isNull())
        picLogo->setText(QStringLiteral("TORVA_6Y")); // a missing picture still leaves a readable splash
    else
        picLogo->setPixmap(picture.scaled(picLogo->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    Timer1->start();
}

bool FrmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picLogo && event->type() == QEvent::MouseButtonPress) {
        picLogo_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmSplash::Timer1_Timer() { ShowMainWindow(); }

void FrmSplash::picLogo_Click() { ShowMainWindow(); }

void FrmSplash::ShowMainWindow()
{
    if (handedOver_)
        return;
    handedOver_ = true;
    Timer1->stop();
    // The main window is shown before the splash closes, so that the program never has no window
    // (the application ends when its last window closes).
    auto *main = new FrmMain;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    close();
}
