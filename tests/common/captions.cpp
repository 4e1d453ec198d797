#include "common/captions.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <gtest/gtest.h>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "platform/numbers.h"

namespace testenv {

namespace {

void ExpectCaption(const QString &where, const QString &text, int language)
{
    EXPECT_FALSE(text.trimmed().isEmpty()) << "language " << language << ": " << where.toStdString();
    EXPECT_FALSE(IsNumeric(text)) << "language " << language << ": " << where.toStdString() << " = "
                                  << text.toStdString();
}

// Hidden by the window itself (not merely because the window is not shown).
bool HiddenInWindow(const QWidget *w, const QWidget *window)
{
    for (; w && w != window; w = w->parentWidget())
        if (w->isHidden())
            return true;
    return false;
}

} // namespace

void ExpectCaptionsInBothLanguages(const std::function<std::unique_ptr<QWidget>()> &make,
                                   const QStringList &exempt)
{
    const int before = State().LanguageIndex;
    for (int language : {int(LangEnglish), int(LangChinese)}) {
        SetLanguage(language);
        std::unique_ptr<QWidget> window = make();
        ExpectCaption(window->objectName() + QStringLiteral(" title"), window->windowTitle(), language);
        const auto check = [&](QWidget *w, const QString &text) {
            if (exempt.contains(w->objectName()) || HiddenInWindow(w, window.get()))
                return;
            ExpectCaption(w->objectName(), text, language);
        };
        for (QLabel *label : window->findChildren<QLabel *>())
            check(label, label->text());
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            if (!button->objectName().isEmpty())
                check(button, button->text());
        for (QGroupBox *box : window->findChildren<QGroupBox *>())
            check(box, box->title());
    }
    SetLanguage(before);
}

} // namespace testenv
