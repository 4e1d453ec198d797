#pragma once
// A default data set and lookups of the 5-tone editor's controls by name.

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/defaults.h"
#include "data/radio_data.h"
#include "data/value_rules.h"
#include "editors/tones/frm_5tone.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"

namespace fivetone {

class FiveToneTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        InitDataBlocks();
    }

    FiveToneBlock &Block() { return State().RadioData.SignallingRecord.FiveToneBlock; }
    FiveToneBlock &Edit() { return State().SignallingEditCopy.FiveToneBlock; }

    // A code row (1..100) in use with a code of the given text.
    static void SetRow(FiveToneBlock &b, int row, const QString &code, int standard = 0, int period = 70)
    {
        FiveToneCodeRecord &r = b.CodeRows[std::size_t(row - 1)];
        r.Empty = 0;
        StoreText(r.Code, code);
        r.CodeLength = uint8_t(code.size());
        r.StandardIndex = uint8_t(standard);
        r.TonePeriod = uint8_t(period);
    }
    static void SetOwnId(FiveToneBlock &b, const QString &id)
    {
        StoreText(b.OwnId, id);
        b.OwnIdLength = uint8_t(id.size());
    }

    static ComboBox *Combo(QWidget *w, const char *name, int index = -1)
    {
        return index < 0 ? w->findChild<ComboBox *>(QLatin1String(name))
                         : FindArrayElement<ComboBox>(w, QLatin1String(name), index);
    }
    static TextBox *Text(QWidget *w, const char *name, int index = -1)
    {
        return index < 0 ? w->findChild<TextBox *>(QLatin1String(name))
                         : FindArrayElement<TextBox>(w, QLatin1String(name), index);
    }
    static QPushButton *Button(QWidget *w, const char *name) { return w->findChild<QPushButton *>(QLatin1String(name)); }
    static FlexGrid *Grid(QWidget *w) { return w->findChild<FlexGrid *>(QStringLiteral("MSHFlexGrid1")); }
    static QString Cell(QWidget *w, int row, int col) { return Grid(w)->TextMatrix(row, col); }
    static QString Stored(const FiveToneCodeRecord &r) { return ShownText(r.Code); }
};

} // namespace fivetone
