#include "platform/prompt.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace {

QMessageBox::StandardButtons buttonsOf(int style)
{
    switch (style & 7) {
    case vbOKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case vbAbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case vbYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case vbYesNo: return QMessageBox::Yes | QMessageBox::No;
    case vbRetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int resultOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return vbOK;
    case QMessageBox::Cancel: return vbCancel;
    case QMessageBox::Abort: return vbAbort;
    case QMessageBox::Retry: return vbRetry;
    case QMessageBox::Ignore: return vbIgnore;
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    default: return vbCancel; // closed by Escape or the window's close box
    }
}
} // namespace

void InstallQtPrompt()
{
    static QtPrompt real;
    setRealPrompt(&real);
}

int QtPrompt::MsgBox(const QString &text, int style, const QString &title)
{
    QMessageBox box(iconOf(style), title.isEmpty() ? QString::fromLatin1(kProgramTitle) : title, text,
                    buttonsOf(style), QApplication::activeWindow());
    return resultOf(box.exec());
}

QString QtPrompt::GetOpenFileName(QWidget *parent, const QString &title, const QString &dir,
                                  const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString QtPrompt::GetSaveFileName(QWidget *parent, const QString &title, const QString &dir,
                                  const QString &filter)
{
    // The box asks before a chosen file that exists is replaced, as users expect of a save box. A
    // name typed without a suffix gets the filter's ("radio" -> "radio.dat") before that check,
    // since that is the file the caller will write.
    QFileDialog dialog(parent, title, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    static const QRegularExpression firstPattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch suffix = firstPattern.match(filter);
    if (suffix.hasMatch())
        dialog.setDefaultSuffix(suffix.captured(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool QtPrompt::PrintDialog(QPrinter *printer, QWidget *parent)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompt::PrinterSetupDialog(QPrinter *printer, QWidget *parent)
{
    QPageSetupDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtPrompt::ShowModal(QDialog *dialog) { return dialog->exec(); }
