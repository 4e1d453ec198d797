#include "editors/settings/settings_form.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>
#include <algorithm>

#include "data/app_state.h"
#include "data/channel_table.h"
#include "data/value_rules.h"
#include "platform/form_kit.h"
#include "platform/vb_keys.h"

std::vector<int> UsedChannelNumbers(int highest)
{
    const auto &list = State().ChannelList;
    const int count = UsedChannelSlots();
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) {
        const int n = list[i].Number;
        if (n >= 1 && n <= highest)
            numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

void ShowListIndex(ComboBox *combo, int index)
{
    combo->setListIndex(index >= 0 && index < combo->ListCount() ? index : (combo->ListCount() > 0 ? 0 : -1));
}

void AddNumberItems(ComboBox *combo, int from, int to, int step)
{
    for (int v = from; v <= to; v += step)
        combo->AddItem(QString::number(v));
}

QString TenthsText(int tenths) { return FormatUnits(tenths, 1, 1); }

void CreateListArray(QWidget *form, ComboBox **combos, QLabel **labels, int count)
{
    for (int i = 0; i < count; ++i) {
        combos[i] = new ComboBox(form);
        SetArrayName(combos[i], QStringLiteral("Combo1"), i);
        labels[i] = new QLabel(form);
        SetArrayName(labels[i], QStringLiteral("Label1"), i);
    }
}

void PlaceListRow(ComboBox *combo, QLabel *label, int left, int top, int width)
{
    constexpr int kListHeight = 300;
    SetGeometryTwips(combo, left, top, width, kListHeight);
    if (label)
        SetGeometryTwips(label, 0, top + 30, 1200, kListHeight - 60);
}

void SetCaptionLeftOf(QLabel *label, const QString &caption, const QWidget *control, int gapTwips)
{
    label->setText(caption);
    label->adjustSize();
    PlaceCaptionLabel(label, control, gapTwips);
}

bool EnterAsTab::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && VbKeyAscii(static_cast<QKeyEvent *>(event)) == vbKeyReturn) {
        if (auto *w = qobject_cast<QWidget *>(watched)) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &tab);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void UserChanges::Watch(ComboBox *combo)
{
    connect(combo, &ComboBox::Click, this, [this, combo] { Note(combo); });
}

void UserChanges::Watch(QCheckBox *box)
{
    connect(box, &QCheckBox::stateChanged, this, [this, box] { Note(box); });
}

void UserChanges::Note(const QObject *control)
{
    if (armed_)
        changed_.insert(control);
}
