#include "shell/localize.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QToolBar>
#include <QWidget>
#include <cmath>

#include "data/lang_text.h"
#include "platform/numbers.h"

namespace {

const char *const kTag = "Tag";

bool InKeyRange(double value) { return value >= -32768.0 && value <= 32767.0; }

QString TagOf(const QObject *o) { return o->property(kTag).toString(); }

// The caption of the kinds of control that have one; false for a control without a caption.
bool SetCaption(QWidget *w, const QString &text)
{
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        button->setText(text);
        return true;
    }
    if (auto *box = qobject_cast<QGroupBox *>(w)) {
        box->setTitle(text);
        return true;
    }
    return false;
}

void LocalizeMenuItem(QAction *item)
{
    int16_t key = 0;
    const QString tag = TagOf(item);
    if (IsNumeric(tag)) {
        if (StrictKey(tag, key))
            item->setText(GetLangText(key));
        return;
    }
    const QString caption = item->text();
    if (!IsNumeric(caption))
        return; // a separator, or a caption already replaced
    item->setProperty(kTag, caption);
    if (StrictKey(caption, key))
        item->setText(GetLangText(key));
}

void LocalizeTabs(QTabBar *tabs)
{
    for (int i = 0; i < tabs->count(); ++i) {
        int16_t key = 0;
        if (StrictKey(tabs->tabData(i).toString(), key))
            tabs->setTabText(i, GetLangText(key));
        if (StrictKey(tabs->tabToolTip(i), key))
            tabs->setTabToolTip(i, GetLangText(key));
    }
}

void LocalizeToolbar(QToolBar *bar)
{
    for (QAction *button : bar->actions()) {
        int16_t key = 0;
        if (StrictKey(button->toolTip(), key))
            button->setToolTip(GetLangText(key));
    }
}

void LocalizeOtherControl(QWidget *w)
{
    int16_t key = LenientKey(TagOf(w));
    if (key > 0)
        SetCaption(w, GetLangText(key));
    key = LenientKey(w->toolTip());
    if (key > 0)
        w->setToolTip(GetLangText(key));
}

void LocalizeControl(QObject *o)
{
    if (auto *item = qobject_cast<QAction *>(o)) {
        // Toolbar buttons are the toolbar's, localised with it.
        if (!qobject_cast<QToolBar *>(item->parent()))
            LocalizeMenuItem(item);
        return;
    }
    auto *w = qobject_cast<QWidget *>(o);
    if (!w)
        return;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        int16_t key = 0;
        if (StrictKey(TagOf(label), key))
            label->setText(GetLangText(key));
    } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
        LocalizeTabs(tabs);
    } else if (auto *bar = qobject_cast<QToolBar *>(w)) {
        LocalizeToolbar(bar);
    } else {
        LocalizeOtherControl(w);
    }
}

} // namespace

bool StrictKey(const QString &text, int16_t &key)
{
    if (!IsNumeric(text))
        return false;
    const double rounded = static_cast<double>(CInt(Val(text)));
    if (!InKeyRange(rounded))
        return false;
    key = static_cast<int16_t>(rounded);
    return true;
}

int16_t LenientKey(const QString &text)
{
    const double value = Val(text);
    if (!std::isfinite(value))
        return 0;
    const double rounded = static_cast<double>(CInt(value));
    return InKeyRange(rounded) ? static_cast<int16_t>(rounded) : int16_t(0);
}

void LocalizeFormCaptions(QWidget *form)
{
    if (!form)
        return;
    int16_t key = 0;
    if (StrictKey(TagOf(form), key))
        form->setWindowTitle(GetLangText(key));

    QFont font = form->font();
    const QString face = GetLangText(20);
    if (!face.isEmpty())
        font.setFamily(face);
    if (StrictKey(GetLangText(21), key) && key > 0)
        font.setPointSize(key);
    form->setFont(font);

    for (QObject *o : form->findChildren<QObject *>()) {
        if (auto *w = qobject_cast<QWidget *>(o))
            w->setFont(font);
        LocalizeControl(o);
    }
}
