#pragma once
// The one way the program asks the user anything: message boxes, file dialogs, the print dialog
// and modal windows. The real service shows Qt dialogs; tests install a scripted one
// (prompt_script.h) so that nothing ever waits for a person.

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

// Button sets and icons of a message box, combined by addition as the program's callers expect.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

// The button the user pressed.
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

// Title of every message box that has no caption of its own.
inline const char *const kProgramTitle = "TORVA_6Y";

class Prompt {
public:
    virtual ~Prompt() = default;

    // A message box; style is buttons + icon. An empty title shows kProgramTitle.
    virtual int MsgBox(const QString &text, int style = vbOKOnly, const QString &title = QString()) = 0;

    // File dialogs; an empty result means the user cancelled. The save box asks before it gives
    // the path of a file that exists (the answer No leaves the box open for another choice).
    virtual QString GetOpenFileName(QWidget *parent, const QString &title, const QString &dir,
                                    const QString &filter) = 0;
    virtual QString GetSaveFileName(QWidget *parent, const QString &title, const QString &dir,
                                    const QString &filter) = 0;

    // The print dialog: true when the user chose to print.
    virtual bool PrintDialog(QPrinter *printer, QWidget *parent) = 0;
    // The printer set-up dialog (printer and paper, no print range): true unless cancelled.
    virtual bool PrinterSetupDialog(QPrinter *printer, QWidget *parent) = 0;

    // Shows a window modally and returns its result code (QDialog::Accepted / Rejected or done()'s value).
    virtual int ShowModal(QDialog *dialog) = 0;
};

// The service in force; the real one unless a test installed another.
Prompt &prompt();
// Installs a service (nullptr puts the real one back). The caller keeps ownership.
void setPrompt(Prompt *service);
// Makes service the real one. The layers without windows only know the interface: the program's
// start-up installs the Qt dialogs (InstallQtPrompt) before anything can ask. Asking with no
// service at all ends the program with a message on standard error.
void setRealPrompt(Prompt *service);
// Installs a QtPrompt as the real service (the window layers' library provides it).
void InstallQtPrompt();

// The real service on Qt dialogs.
class QtPrompt : public Prompt {
public:
    int MsgBox(const QString &text, int style, const QString &title) override;
    QString GetOpenFileName(QWidget *parent, const QString &title, const QString &dir,
                            const QString &filter) override;
    QString GetSaveFileName(QWidget *parent, const QString &title, const QString &dir,
                            const QString &filter) override;
    bool PrintDialog(QPrinter *printer, QWidget *parent) override;
    bool PrinterSetupDialog(QPrinter *printer, QWidget *parent) override;
    int ShowModal(QDialog *dialog) override;
};
