#include "editors/editor_files.h"

#include <QFileInfo>

#include "data/code_text.h"
#include "data/message_table.h"
#include "platform/prompt.h"

bool ConfirmReplaceFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    const QString question = QLatin1Char('"') + FileNameOfPath(path) + QLatin1Char('"') +
                             InCurrentLanguage(MessageTable().MsgOverwrite);
    return prompt().MsgBox(question, vbOKCancel + vbQuestion) == vbOK;
}

void ShowFileError() { prompt().MsgBox(InCurrentLanguage(MessageTable().MsgFileError), vbOKOnly); }
