#include "link/frm_progress.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include "data/app_state.h"
#include "data/hooks.h"
#include "data/message_table.h"
#include "link/frm_pass_word.h"
#include "link/link_windows.h"
#include "link/radio_link.h"
#include "platform/form_kit.h"

namespace {

FrmProgress *OpenProgressWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("FrmProgress"))
            if (auto *progress = qobject_cast<FrmProgress *>(w))
                return progress;
    return nullptr;
}

} // namespace

FrmProgress::FrmProgress(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmProgress"));
    setFixedSize(TwipsToPx(5400), TwipsToPx(1500));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    SetGeometryTwips(ProgressBar1, 240, 240, 4920, 360);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("0%"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    SetGeometryTwips(Label2, 3960, 840, 1200, 300);
    Form_Load();
}

void FrmProgress::Form_Load()
{
    ProgressChangShowByLanguage();
    ProgressjustSize();
    ProgressBar1->setValue(0);
    Label2->setText(QStringLiteral("0%"));
    const AppState &st = State();
    if (st.CurOperation == OpWriteRadio && st.TestModeFlag)
        CallHook(Hooks().StartFactorySession);
    else if (st.CurOperation == OpReadRadio || st.CurOperation == OpWriteRadio)
        StartLinkSession();
}

void FrmProgress::ProgressChangShowByLanguage()
{
    setWindowTitle(ProgressTitleText(State().CurOperation));
    Label1->setText(InCurrentLanguage(MessageTable().MsgCompletion));
}

void FrmProgress::ProgressjustSize()
{
    // The label ends 10 twips left of the percentage.
    Label1->adjustSize();
    Label1->move(Label1->x(), Label2->y());
    PlaceCaptionLabel(Label1, Label2, 10);
}

void FrmProgress::SetProgressValue(int n)
{
    ProgressBar1->setValue(n);
    Label2->setText(QString::number(n) + QLatin1Char('%'));
}

void FrmProgress::reject()
{
    // While the engine asks something the question decides, not the window.
    if (Link().modalDepth > 0)
        return;
    QDialog::reject();
}

void RegisterLinkWindows()
{
    LinkWindowHooks &h = LinkWindows();
    h.ShowProgressValue = [](int percent) {
        FrmProgress *progress = OpenProgressWindow();
        if (progress && !progress->isHidden())
            progress->SetProgressValue(percent);
    };
    h.UnloadProgressWindow = [] {
        if (FrmProgress *progress = OpenProgressWindow())
            progress->done(QDialog::Accepted);
    };
    h.SetProgressCaption = [](const QString &caption) {
        if (FrmProgress *progress = OpenProgressWindow())
            progress->setWindowTitle(caption);
    };
    h.ProgressCaption = [] {
        FrmProgress *progress = OpenProgressWindow();
        return progress ? progress->windowTitle() : QString();
    };
    h.AskRadioPassword = [] { return FrmPassWord::Ask(); };
}
