#pragma once
// The scripted Prompt service for tests: answers come from queues, every call is recorded.
// A call that finds no scripted answer is recorded with unscripted = true and gets the
// safest answer (OK for a lone OK button, otherwise Cancel / No / Abort; "" for a file dialog;
// Rejected for a modal window), so that no test can ever wait for a person.

#include <QList>
#include <QString>
#include <deque>
#include <functional>

#include "platform/prompt.h"

struct PromptCall {
    QString kind;   // "MsgBox", "Open", "Save", "Print", "PrintSetup", "Modal"
    QString title;  // the caption shown (kProgramTitle when none was given); the window's objectName for "Modal"
    QString text;   // message text; the dialog title for file dialogs
    int style = 0;  // buttons + icon of a message box
    int answer = 0; // what was returned (MsgBoxResult or dialog result)
    QString file;   // the file name returned by a file dialog
    QString dir;    // the folder or file name a file dialog was opened with
    bool unscripted = false;
};

class ScriptedPrompt : public Prompt {
public:
    // A handler for a modal window: it may change the window's controls, click its buttons,
    // or run it (Exec) and must return the window's result.
    using ModalHandler = std::function<int(QDialog *)>;

    ScriptedPrompt();           // installs itself
    ~ScriptedPrompt() override; // puts the real service back

    void answer(int msgBoxResult) { msgAnswers.push_back(msgBoxResult); }
    void answerFile(const QString &path) { fileAnswers.push_back(path); }
    // Answers the next print or printer set-up dialog; ok false is the user's Cancel.
    void answerPrint(bool ok) { printAnswers.push_back(ok); }
    // Answers the next print or printer set-up dialog with "print to this PDF file".
    void answerPrintToFile(const QString &pdfPath)
    {
        printAnswers.push_back(true);
        printFiles.push_back(pdfPath);
    }
    void onModal(ModalHandler handler) { modalHandlers.push_back(std::move(handler)); }
    // Runs the window's own event loop (exec) until something closes it.
    static int Exec(QDialog *dialog);

    QList<PromptCall> calls;
    QList<PromptCall> messages() const; // only the MsgBox calls
    int unscriptedCount() const;
    void clear();

    int MsgBox(const QString &text, int style, const QString &title) override;
    QString GetOpenFileName(QWidget *parent, const QString &title, const QString &dir,
                            const QString &filter) override;
    QString GetSaveFileName(QWidget *parent, const QString &title, const QString &dir,
                            const QString &filter) override;
    bool PrintDialog(QPrinter *printer, QWidget *parent) override;
    bool PrinterSetupDialog(QPrinter *printer, QWidget *parent) override;
    int ShowModal(QDialog *dialog) override;

    std::deque<int> msgAnswers;
    std::deque<QString> fileAnswers;
    std::deque<bool> printAnswers;
    std::deque<QString> printFiles; // PDF files for the print answers given by answerPrintToFile
    std::deque<ModalHandler> modalHandlers;
    // Called for every message box before it returns (for example to check the state at that moment).
    std::function<void(const PromptCall &)> onMessage;

private:
    bool AnswerPrinter(const QString &kind, QPrinter *printer);

    Prompt *previous_ = nullptr;
};
