#pragma once
// Shared set-up of the batch editor's tests: a small channel table, the item flags, and the
// window's controls by name.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>
#include <memory>
#include <vector>

#include "ch_batch_table.h"
#include "common/test_env.h"
#include "data/app_state.h"
#include "data/batch_fun_flags.h"
#include "data/channel_record.h"
#include "data/channel_table.h"
#include "editors/channel/frm_ch_batch.h"
#include "platform/form_kit.h"

namespace chbatch {

class BatchTest : public testenv::AppTest {
protected:
    static void SetTable(std::initializer_list<int> numbers) { chbatch::SetTable(numbers); }
    // Only these items ticked.
    static void OnlyItems(std::initializer_list<int> items)
    {
        State().BatchFunFlags.fill(0);
        for (int i : items)
            State().BatchFunFlags[static_cast<std::size_t>(i)] = 1;
    }
    static std::vector<int> Numbers()
    {
        std::vector<int> out;
        for (int i = 0; i < State().RadioData.ChannelCount; ++i)
            out.push_back(State().ChannelList[static_cast<std::size_t>(i)].Number);
        return out;
    }
    static const ChannelRecord &Channel(int number)
    {
        const int slot = FindChannelSlot(number);
        EXPECT_GE(slot, 0) << "channel " << number;
        return State().ChannelList[static_cast<std::size_t>(slot < 0 ? 0 : slot)];
    }

    void Open() { w = std::make_unique<FrmCHBatch>(); }
    TextBox *text2(int i) const { return FindArrayElement<TextBox>(w.get(), QStringLiteral("Text2"), i); }
    TextBox *text1(int i) const { return FindArrayElement<TextBox>(w.get(), QStringLiteral("Text1"), i); }
    TextBox *text3() const { return w->findChild<TextBox *>(QStringLiteral("Text3")); }
    ComboBox *combo(int i) const { return FindArrayElement<ComboBox>(w.get(), QStringLiteral("Combo1"), i); }
    QCheckBox *check(const char *name, int i) const
    {
        return FindArrayElement<QCheckBox>(w.get(), QString::fromLatin1(name), i);
    }
    QRadioButton *option(const char *name, int i) const
    {
        return FindArrayElement<QRadioButton>(w.get(), QString::fromLatin1(name), i);
    }
    QPushButton *button(const char *name) const { return w->findChild<QPushButton *>(QString::fromLatin1(name)); }
    // Range by display numbers (channel number minus 1).
    void Range(int from, int to)
    {
        option("Option1", 1)->setChecked(true);
        text1(0)->setText(QString::number(from));
        text1(1)->setText(QString::number(to));
    }
    void Apply() { button("CommandApply")->click(); }

    std::unique_ptr<FrmCHBatch> w;
};

} // namespace chbatch
