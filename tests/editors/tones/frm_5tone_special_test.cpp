#include <QDialog>
#include <QGroupBox>
#include <QLabel>

#include "common/captions.h"
#include "data/lang_text.h"
#include "editors/tones/five_tone_fixture.h"
#include "editors/tones/frm_5tone_special.h"

namespace fivetone {
namespace {

struct ComposeCase {
    const char *what;
    int target;
    int type;
    int separator;       // item of Combo3: 0 none, 1..6 "A".."F"
    const char *message; // typed into the message box
    // A code row (target 0): the stored code, its length, the kind and code cells.
    // A PTT-ID box: the box's text in code.
    const char *code;
    int length;
    const char *kindCell;
    const char *codeCell;
};

class ComposerTest : public FiveToneTest, public ::testing::WithParamInterface<ComposeCase> {
protected:
    void SetUp() override
    {
        FiveToneTest::SetUp();
        SetOwnId(Block(), "54321");
    }
};

TEST_P(ComposerTest, StoresTheComposedCode)
{
    const ComposeCase &c = GetParam();
    Frm5Tone w;
    Grid(&w)->setRow(8); // the row list starts at the grid's current row
    const SignallingRecord before = State().SignallingEditCopy;
    int rowShown = -1;
    script->onModal([&](QDialog *d) {
        rowShown = FindArrayElement<ComboBox>(d, "Combo1", 0)->ListIndex();
        FindArrayElement<ComboBox>(d, "Combo1", 1)->setListIndex(c.type);
        d->findChild<ComboBox *>("Combo3")->setListIndex(c.separator);
        TextBox *message = d->findChild<TextBox *>("Text2");
        message->setText(QString());
        message->EnterText(QLatin1String(c.message));
        d->findChild<QPushButton *>("CommandOK")->click();
        return d->result();
    });
    QPushButton *button = Button(&w, c.target == TargetCodeRow ? "Command1" : c.target == TargetPttIdBegin ? "Command2" : "Command3");
    button->click();
    EXPECT_EQ(State().SpecialCallTarget, c.target);
    EXPECT_EQ(script->unscriptedCount(), 0);
    EXPECT_EQ(Edit().SpecialSeparator, c.separator == 0 ? 0 : c.separator + 9) << c.what;
    FiveToneBlock expected = before.FiveToneBlock;
    expected.SpecialSeparator = Edit().SpecialSeparator;
    if (c.target == TargetCodeRow) {
        EXPECT_EQ(rowShown, 7);
        const FiveToneCodeRecord &row = Edit().CodeRows[7];
        EXPECT_EQ(Stored(row), QLatin1String(c.code)) << c.what;
        EXPECT_EQ(row.CodeLength, c.length) << c.what;
        EXPECT_EQ(row.Empty, 0);
        EXPECT_EQ(Cell(&w, 8, 1), QString(QLatin1String(c.kindCell)).replace("{kind}", GetOptionText(60073))) << c.what;
        EXPECT_EQ(Cell(&w, 8, 2), QString(QLatin1String(c.codeCell)).replace("{msg}", GetOptionText(60084))) << c.what;
        expected.CodeRows[7] = row;
        EXPECT_EQ(Edit(), expected);
    } else {
        EXPECT_EQ(Text(&w, "Text4", c.target - 1)->text(), QLatin1String(c.code)) << c.what;
        EXPECT_EQ(Edit(), expected) << "a PTT-ID code changes no row";
        EXPECT_EQ(Cell(&w, 8, 1), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComposerTest,
    ::testing::Values(
        ComposeCase{"message into a row", 0, CallTypeE1, 0, "ab", "E1E2345E4142", 12, "{kind}", "12345 {msg}AB"},
        ComposeCase{"empty message into a row", 0, CallTypeE1, 0, "", "E1E2345E", 8, "{kind}", "12345 {msg}"},
        ComposeCase{"16 characters into a row", 0, CallTypeE1, 0, "ABCDEFGHIJKLMNOP",
                    "E1E2345E4142434445464748494A4B4C4D4E4F50", 40, "{kind}", "12345 {msg}ABCDEFGHIJKLMNOP"},
        ComposeCase{"ANI into a row", 0, CallTypeAni, 0, "", "12345SelfID", 11, "ANI", "12345"},
        ComposeCase{"ANI with separator into a row", 0, CallTypeAni, 4, "", "12345DSelfID", 12, "ANI", "12345D"},
        ComposeCase{"PTT ID into a row", 0, CallTypePttId, 0, "", "E6SelfID", 8, "PTTID", ""},
        ComposeCase{"message into the begin box", 1, CallTypeE1, 0, "AB", "E1E2345E4142", 0, "", ""},
        ComposeCase{"message into the end box fits 24 digits", 2, CallTypeE1, 0, "ABCDEFGHIJKL",
                    "E1E2345E4142434445464748", 0, "", ""},
        ComposeCase{"ANI into the end box", 2, CallTypeAni, 0, "", "12345E4321", 0, "", ""},
        ComposeCase{"ANI with separator into the begin box", 1, CallTypeAni, 1, "", "12345A54321", 0, "", ""},
        ComposeCase{"PTT ID into the begin box", 1, CallTypePttId, 0, "", "E654321", 0, "", ""}),
    [](const ::testing::TestParamInfo<ComposeCase> &info) { return "Case" + std::to_string(info.index); });

class ComposerDialogTest : public FiveToneTest {};

TEST_F(ComposerDialogTest, ShortCodeKeepsTheComposerOpenButStoresTheSeparator)
{
    SetOwnId(Block(), "54321");
    Frm5Tone w;
    State().SpecialCallTarget = TargetCodeRow;
    FrmSpecial d(&w);
    EXPECT_EQ(d.windowTitle(), GetOptionText(60062));
    EXPECT_EQ(d.findChild<ComboBox *>("Combo3")->ListIndex(), 4); // default separator 13, "D"
    EXPECT_FALSE(d.findChild<QGroupBox *>("Frame2")->isHidden());
    EXPECT_TRUE(d.findChild<QGroupBox *>("Frame4")->isHidden());
    TextBox *code = FindArrayElement<TextBox>(&d, "Text1", 0);
    EXPECT_EQ(code->text(), "12345");
    code->setText(QString());
    EXPECT_EQ(code->EnterText("1a2b3"), "1A23");
    d.findChild<ComboBox *>("Combo3")->setListIndex(0);
    d.findChild<QPushButton *>("CommandOK")->click();
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, GetMsgText(36876, kLangTextLongBuffer));
    EXPECT_EQ(d.result(), 0);
    EXPECT_EQ(Edit().SpecialSeparator, 0);
    EXPECT_EQ(Edit().CodeRows[0].Empty, 1);
}

TEST_F(ComposerDialogTest, ChangingTheTypeRestoresTheStoredSeparatorAndCancelStoresNothing)
{
    Frm5Tone w;
    State().SpecialCallTarget = TargetPttIdEnd;
    FrmSpecial d(&w);
    EXPECT_TRUE(FindArrayElement<ComboBox>(&d, "Combo1", 0)->isHidden());
    EXPECT_EQ(FindArrayElement<QLabel>(&d, "Label1", 0)->text(), GetOptionText(60303));
    ComboBox *type = FindArrayElement<ComboBox>(&d, "Combo1", 1);
    type->setListIndex(CallTypeAni);
    EXPECT_FALSE(d.findChild<QGroupBox *>("Frame4")->isHidden());
    EXPECT_EQ(d.findChild<QGroupBox *>("Frame4")->title(), "ANI");
    d.findChild<ComboBox *>("Combo3")->setListIndex(1);
    type->setListIndex(CallTypePttId);
    EXPECT_EQ(d.findChild<ComboBox *>("Combo3")->Text(), "D");
    EXPECT_TRUE(d.findChild<QGroupBox *>("Frame4")->isHidden());
    TextBox *message = d.findChild<TextBox *>("Text2");
    EXPECT_EQ(message->EnterText("ab-c d1234567890"), "ABCD1234"); // 8 characters fit a PTT-ID code
    d.findChild<ComboBox *>("Combo3")->setListIndex(2);
    d.findChild<QPushButton *>("CommandCancel")->click();
    EXPECT_EQ(Edit().SpecialSeparator, 13);
    EXPECT_EQ(Text(&w, "Text4", 1)->text(), "");
}

TEST_F(ComposerDialogTest, LeavingAShortCodeWarnsExceptForCancel)
{
    Frm5Tone w;
    State().SpecialCallTarget = TargetCodeRow;
    FrmSpecial d(&w);
    d.show();
    d.activateWindow();
    QApplication::setActiveWindow(&d);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    TextBox *code = FindArrayElement<TextBox>(&d, "Text1", 0);
    code->setText("12");
    code->setFocus();
    QApplication::processEvents();
    d.findChild<QPushButton *>("CommandCancel")->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(script->messages().isEmpty());
    code->setFocus();
    d.findChild<TextBox *>("Text2")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, GetMsgText(36876, kLangTextLongBuffer));
    EXPECT_NE(QApplication::focusWidget(), code); // the focus is not taken back
}

TEST_F(ComposerDialogTest, CaptionsInBothLanguages)
{
    testenv::ExpectCaptionsInBothLanguages([]() -> std::unique_ptr<QWidget> {
        // The composer needs its editor; the editor lives as long as the composer.
        auto *editor = new Frm5Tone;
        auto d = std::make_unique<FrmSpecial>(editor);
        d->setParent(nullptr);
        QObject::connect(d.get(), &QObject::destroyed, [editor] { delete editor; });
        return d;
    });
}

} // namespace
} // namespace fivetone
