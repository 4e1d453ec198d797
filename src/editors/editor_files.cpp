#include "editors/editor_files.h"

#include <QFileInfo>
#include <QSaveFile>

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

bool WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile out(path);
    out.setDirectWriteFallback(false);
    // The explicit flush matters: commit alone does not see a write that the disk cut short and
    // would put the short file in place.
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush() || !out.commit()) {
        out.cancelWriting();
        return false;
    }
    return true;
}

void ShowFileError() { prompt().MsgBox(InCurrentLanguage(MessageTable().MsgFileError), vbOKOnly); }
