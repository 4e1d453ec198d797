#include "ui/close_help_captions.h"

#include <QAbstractButton>
#include <QWidget>

#include "data/message_table.h"

void SetCloseHelpCaptions(QAbstractButton *commandClose, QAbstractButton *commandHelp)
{
    if (commandClose)
        commandClose->setText(InCurrentLanguage(CloseCaptionText()));
    if (commandHelp)
        commandHelp->setText(InCurrentLanguage(HelpCaptionText()));
}

void SetCloseHelpCaptions(QWidget *form)
{
    if (!form)
        return;
    SetCloseHelpCaptions(form->findChild<QAbstractButton *>(QStringLiteral("CommandClose")),
                         form->findChild<QAbstractButton *>(QStringLiteral("CommandHelp")));
}
