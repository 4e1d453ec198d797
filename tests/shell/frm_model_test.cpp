#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/model_band.h"
#include "platform/form_kit.h"
#include "platform/prompt.h"
#include "shell/frm_model.h"

namespace {

class FrmModelTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        testenv::AppTest::SetUp();
        Hooks().ReShowListByData = [this] { redraws << QStringLiteral("list"); };
        Hooks().ReShowRadioListByData = [this] { redraws << QStringLiteral("fm"); };
        // A data set that a band-plan change must replace.
        State().CurFileName = QStringLiteral("/data/mine.dat");
        State().FileUntitled = false;
    }
    template <typename T> static T *Find(QWidget &form, const char *name)
    {
        T *w = form.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Opens the dialog, picks the band plan, presses OK; returns the dialog's result.
    int ChooseBand(int index)
    {
        FrmModel form;
        Find<ComboBox>(form, "Combo1(1)")->setListIndex(index);
        Find<QPushButton>(form, "CommandOK")->click();
        return form.result();
    }
    QStringList redraws;
};

TEST_F(FrmModelTest, LoadShowsCaptionsModelAndCurrentPlan)
{
    State().CurBandPlanIndex = 6;
    State().CurBandPlanText = BandRangeText(6);
    State().CurModelCode = QStringLiteral("K58TXB"); // the one item is shown whatever the model
    FrmModel form;
    EXPECT_EQ(form.objectName(), QStringLiteral("FrmModel"));
    EXPECT_EQ(form.windowTitle(), GetLangText(2300));
    EXPECT_FALSE(form.windowTitle().isEmpty());
    auto *label0 = Find<QLabel>(form, "Label1(0)");
    auto *label1 = Find<QLabel>(form, "Label1(1)");
    auto *models = Find<ComboBox>(form, "Combo1(0)");
    auto *bands = Find<ComboBox>(form, "Combo1(1)");
    EXPECT_EQ(label0->text(), GetLangText(2301));
    EXPECT_EQ(label1->text(), GetLangText(2302));
    EXPECT_EQ(Find<QPushButton>(form, "CommandOK")->text(), GetLangText(101));
    EXPECT_EQ(Find<QPushButton>(form, "CommandCancel")->text(), GetLangText(102));
    for (QWidget *w : {static_cast<QWidget *>(label0), static_cast<QWidget *>(label1)})
        EXPECT_FALSE(static_cast<QLabel *>(w)->text().isEmpty());

    // Each label ends 50 twips (3 pixels at 15 twips a pixel) left of its list.
    EXPECT_EQ(label0->geometry().right() + 1 + 50 / 15, models->x());
    EXPECT_EQ(label1->geometry().right() + 1 + 50 / 15, bands->x());

    ASSERT_EQ(models->count(), 1);
    EXPECT_EQ(models->currentText(), QStringLiteral("TORVA-6Y"));
    ASSERT_EQ(bands->count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(bands->itemText(i), BandRangeText(i));
    EXPECT_EQ(bands->currentIndex(), 6);
    EXPECT_TRUE(form.isHidden()); // loading needs no showing
}

TEST_F(FrmModelTest, SamePlanAsksNothingAndChangesNothing)
{
    EXPECT_EQ(ChooseBand(0), QDialog::Accepted);
    EXPECT_TRUE(script->calls.isEmpty());
    EXPECT_TRUE(redraws.isEmpty());
    EXPECT_EQ(State().CurFileName, QStringLiteral("/data/mine.dat"));
    EXPECT_EQ(State().CurBandPlanIndex, 0);
}

TEST_F(FrmModelTest, CancelAtTheQuestionChangesNothing)
{
    script->answer(vbCancel);
    EXPECT_EQ(ChooseBand(5), QDialog::Accepted); // the dialog closes all the same
    ASSERT_EQ(script->messages().size(), 1);
    const PromptCall q = script->messages()[0];
    EXPECT_EQ(q.style, vbOKCancel + vbExclamation);
    EXPECT_EQ(q.text, QStringLiteral("Frequency data will be cleared."));
    EXPECT_EQ(q.title, QStringLiteral("Warning"));

    const AppState &st = State();
    EXPECT_EQ(st.CurBandPlanIndex, 0);
    EXPECT_EQ(st.CurBandPlanText, BandRangeText(0));
    EXPECT_EQ(st.RxBandHigh[0], 480.0);
    EXPECT_EQ(st.TxBandLow[1], 136.0);
    EXPECT_EQ(st.CurFileName, QStringLiteral("/data/mine.dat"));
    EXPECT_FALSE(st.FileUntitled);
    EXPECT_TRUE(redraws.isEmpty());
}

TEST_F(FrmModelTest, OkOnAnotherPlanBuildsTheNewDataSet)
{
    script->answer(vbOK);
    EXPECT_EQ(ChooseBand(5), QDialog::Accepted);
    const AppState &st = State();
    EXPECT_EQ(st.CurBandPlanIndex, 5);
    EXPECT_EQ(st.CurBandPlanText, BandRangeText(5));
    EXPECT_EQ(st.RxBandLow, (std::array<double, 2>{400, 144}));
    EXPECT_EQ(st.RxBandHigh, (std::array<double, 2>{520, 146}));
    EXPECT_EQ(st.TxBandHigh, (std::array<double, 2>{520, 146}));
    // A new, untitled data set, and the main window redrawn.
    EXPECT_EQ(st.CurFileName, QStringLiteral("new.dat"));
    EXPECT_TRUE(st.FileUntitled);
    EXPECT_TRUE(redraws.contains(QStringLiteral("list")));
    EXPECT_TRUE(redraws.contains(QStringLiteral("fm")));
}

TEST_F(FrmModelTest, ChineseQuestion)
{
    SetLanguage(LangChinese);
    script->answer(vbCancel);
    ChooseBand(1);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("频率数据将被清除。"));
    EXPECT_EQ(script->messages()[0].title, QStringLiteral("警告"));
}

TEST_F(FrmModelTest, OkTakesTheListedModel)
{
    State().CurModelCode = QStringLiteral("K58TXC");
    State().CurModelDisplay = QStringLiteral("K58TX");
    EXPECT_EQ(ChooseBand(0), QDialog::Accepted);
    EXPECT_EQ(State().CurModelCode, QStringLiteral("TORVA6Y"));
    EXPECT_EQ(State().CurModelDisplay, QStringLiteral("TORVA-6Y"));
    EXPECT_EQ(redraws, QStringList{QStringLiteral("list")});
    EXPECT_TRUE(script->calls.isEmpty());
}

TEST_F(FrmModelTest, CancelChangesNothing)
{
    State().CurModelCode = QStringLiteral("K58TXC");
    FrmModel form;
    Find<ComboBox>(form, "Combo1(1)")->setListIndex(3);
    Find<QPushButton>(form, "CommandCancel")->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(State().CurModelCode, QStringLiteral("K58TXC"));
    EXPECT_EQ(State().CurBandPlanIndex, 0);
    EXPECT_TRUE(script->calls.isEmpty());
    EXPECT_TRUE(redraws.isEmpty());
}

} // namespace
