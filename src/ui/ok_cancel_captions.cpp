#include "ui/ok_cancel_captions.h"

#include "data/lang_text.h"
#include "platform/dialog_routines.h"

void SetOkCancelCaptions(QWidget *form)
{
    SetButtonCaption(form, QStringLiteral("CommandOK"), GetLangText(101));
    SetButtonCaption(form, QStringLiteral("CommandCancel"), GetLangText(102));
}
