#pragma once
// Shared helpers for the tests of the settings editors: a default data set, the named controls of
// a window, and making a window the active one so that focus moves can be seen.

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

#include "common/test_env.h"
#include "common/ui_steps.h"
#include "data/app_state.h"
#include "data/channel_record.h"
#include "data/defaults.h"
#include "data/radio_data.h"
#include "platform/form_kit.h"

namespace settingstest {

inline ComboBox *Combo(const QWidget &w, int index, const char *name = "Combo1")
{
    ComboBox *c = FindArrayElement<ComboBox>(&w, QString::fromLatin1(name), index);
    EXPECT_NE(c, nullptr) << name << "(" << index << ")";
    return c;
}

inline QCheckBox *Check(const QWidget &w, int index)
{
    QCheckBox *c = FindArrayElement<QCheckBox>(&w, QStringLiteral("Check1"), index);
    EXPECT_NE(c, nullptr) << "Check1(" << index << ")";
    return c;
}

template <class T = QWidget>
T *Named(const QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

inline QStringList Items(const ComboBox *c)
{
    QStringList items;
    for (int i = 0; i < c->ListCount(); ++i)
        items << c->List(i);
    return items;
}

// Replaces the channel table by used channels with these numbers, in this slot order.
inline void SetChannels(std::initializer_list<int> numbers)
{
    AppState &s = State();
    int slot = 0;
    for (int n : numbers) {
        ChannelRecord c = NewChannelRecord(n);
        c.Used = 1;
        c.RxFrequency.assign("044000000");
        s.ChannelList[static_cast<std::size_t>(slot++)] = c;
    }
    s.RadioData.ChannelCount = int16_t(slot);
}

using testenv::Activate;
using testenv::Settle;

inline void Key(QWidget *target, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// The test fixture: a fresh state with the default data set of a new file.
class SettingsTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        NewFreData();
    }
};

} // namespace settingstest
