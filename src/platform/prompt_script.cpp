#include "platform/prompt_script.h"

#include <QPrinter>

#include <QDialog>

namespace {
int safestAnswer(int style)
{
    switch (style & 7) {
    case vbOKOnly: return vbOK;
    case vbAbortRetryIgnore: return vbAbort;
    case vbYesNo: return vbNo;
    default: return vbCancel;
    }
}
} // namespace

ScriptedPrompt::ScriptedPrompt()
{
    previous_ = &prompt();
    setPrompt(this);
}

ScriptedPrompt::~ScriptedPrompt() { setPrompt(nullptr); }

int ScriptedPrompt::Exec(QDialog *dialog) { return dialog->exec(); }

QList<PromptCall> ScriptedPrompt::messages() const
{
    QList<PromptCall> out;
    for (const PromptCall &c : calls)
        if (c.kind == QLatin1String("MsgBox"))
            out.append(c);
    return out;
}

int ScriptedPrompt::unscriptedCount() const
{
    int n = 0;
    for (const PromptCall &c : calls)
        n += c.unscripted ? 1 : 0;
    return n;
}

void ScriptedPrompt::clear()
{
    calls.clear();
    msgAnswers.clear();
    fileAnswers.clear();
    printAnswers.clear();
    modalHandlers.clear();
}

int ScriptedPrompt::MsgBox(const QString &text, int style, const QString &title)
{
    PromptCall call;
    call.kind = QStringLiteral("MsgBox");
    call.title = title.isEmpty() ? QString::fromLatin1(kProgramTitle) : title;
    call.text = text;
    call.style = style;
    if (msgAnswers.empty()) {
        call.unscripted = true;
        call.answer = safestAnswer(style);
    } else {
        call.answer = msgAnswers.front();
        msgAnswers.pop_front();
    }
    calls.append(call);
    if (onMessage)
        onMessage(call);
    return call.answer;
}

QString ScriptedPrompt::GetOpenFileName(QWidget *, const QString &title, const QString &dir, const QString &)
{
    PromptCall call;
    call.kind = QStringLiteral("Open");
    call.text = title;
    call.dir = dir;
    if (fileAnswers.empty()) {
        call.unscripted = true;
    } else {
        call.file = fileAnswers.front();
        fileAnswers.pop_front();
    }
    calls.append(call);
    return call.file;
}

QString ScriptedPrompt::GetSaveFileName(QWidget *, const QString &title, const QString &dir, const QString &)
{
    PromptCall call;
    call.kind = QStringLiteral("Save");
    call.text = title;
    call.dir = dir;
    if (fileAnswers.empty()) {
        call.unscripted = true;
    } else {
        call.file = fileAnswers.front();
        fileAnswers.pop_front();
    }
    calls.append(call);
    return call.file;
}

bool ScriptedPrompt::AnswerPrinter(const QString &kind, QPrinter *printer)
{
    PromptCall call;
    call.kind = kind;
    bool ok = false;
    if (printAnswers.empty()) {
        call.unscripted = true;
    } else {
        ok = printAnswers.front();
        printAnswers.pop_front();
        if (ok && !printFiles.empty() && printer) {
            call.file = printFiles.front();
            printFiles.pop_front();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(call.file);
        }
    }
    call.answer = ok ? 1 : 0;
    calls.append(call);
    return ok;
}

bool ScriptedPrompt::PrintDialog(QPrinter *printer, QWidget *)
{
    return AnswerPrinter(QStringLiteral("Print"), printer);
}

bool ScriptedPrompt::PrinterSetupDialog(QPrinter *printer, QWidget *)
{
    return AnswerPrinter(QStringLiteral("PrintSetup"), printer);
}

int ScriptedPrompt::ShowModal(QDialog *dialog)
{
    PromptCall call;
    call.kind = QStringLiteral("Modal");
    call.title = dialog ? dialog->objectName() : QString();
    if (modalHandlers.empty()) {
        call.unscripted = true;
        call.answer = QDialog::Rejected;
        calls.append(call);
        return call.answer;
    }
    ModalHandler handler = std::move(modalHandlers.front());
    modalHandlers.pop_front();
    const int index = calls.size();
    calls.append(call);
    const int result = handler(dialog);
    calls[index].answer = result;
    return result;
}
