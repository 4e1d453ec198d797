// The test-data window: the bytes as hexadecimal boxes, byte 0 hidden and kept, OK and Cancel, a
// box that cannot be read, and Load and Save of ".ted" files.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "common/bytes.h"
#include "common/captions.h"
#include "common/test_env.h"
#include "common/ui_steps.h"
#include "common/wait_until.h"
#include "data/app_state.h"
#include "data/data_file.h"
#include "data/hooks.h"
#include "editors/editor_hooks.h"
#include "editors/settings/frm_test_data.h"
#include "platform/form_kit.h"

using testenv::Bytes;

namespace {

const TestDataBlock kBlock{0x5A, 0x01, 0x0A, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};

void WriteFile(const QString &path, const QByteArray &bytes) { ASSERT_TRUE(testenv::WriteAll(path, bytes)) << path.toStdString(); }

class FrmTestDataTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        State().TestModeFlag = true;
        State().CurTestData = kBlock;
        State().SavedTestData = kBlock;
    }
    static TextBox *Box(QWidget &w, int i) { return FindArrayElement<TextBox>(&w, QStringLiteral("Text1"), i); }
    static void Click(QWidget &w, const char *name) { w.findChild<QPushButton *>(QLatin1String(name))->click(); }
    QString Path(const char *name) const { return programDir->path(QLatin1String(name)); }
};

TEST_F(FrmTestDataTest, ShowsTheBytesAsHexWithByteZeroHidden)
{
    FrmTestData w;
    EXPECT_TRUE(Box(w, 0)->isHidden());
    EXPECT_TRUE(FindArrayElement<QLabel>(&w, QStringLiteral("Label1"), 0)->isHidden());
    EXPECT_EQ(Box(w, 0)->text(), "5A");
    EXPECT_EQ(Box(w, 2)->text(), "0A");
    EXPECT_EQ(Box(w, 15)->text(), "FF");
    EXPECT_EQ(FindArrayElement<QLabel>(&w, QStringLiteral("Label1"), 7)->text(), "Offset frequency of 12.5K");
    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<FrmTestData>(); });
    State().LanguageIndex = LangChinese;
    FrmTestData chinese;
    EXPECT_EQ(chinese.windowTitle(), QString::fromUtf8("测试数据"));
    EXPECT_EQ(FindArrayElement<QLabel>(&chinese, QStringLiteral("Label1"), 9)->text(), "25K CTCSS");
}

TEST_F(FrmTestDataTest, OkStoresTheTypedBytesAndKeepsByteZero)
{
    FrmTestData w;
    Box(w, 1)->selectAll();
    QTest::keyClicks(Box(w, 1), QStringLiteral("fg")); // hexadecimal digits only, as capitals
    EXPECT_EQ(Box(w, 1)->text(), "F");
    Box(w, 2)->setText(QStringLiteral("A"));  // "A" and "0A" are both 10
    Box(w, 3)->setText(QStringLiteral("0a"));
    Box(w, 4)->selectAll();
    EXPECT_EQ(Box(w, 4)->EnterText(QStringLiteral("1x2y3")), "12"); // pasted text obeys the same rules
    Click(w, "CommandOK");
    const TestDataBlock expected{0x5A, 0x0F, 0x0A, 0x0A, 0x12, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    EXPECT_EQ(State().CurTestData, expected);
    EXPECT_EQ(State().SavedTestData, kBlock);
    EXPECT_TRUE(IsDataModified()); // shown only by the unsaved-changes test
}

TEST_F(FrmTestDataTest, AnEmptyBoxKeepsTheWindowOpenWithTheFocusOnItAndStoresNothing)
{
    FrmTestData w;
    testenv::Activate(&w);
    Box(w, 1)->setText(QStringLiteral("77"));
    Box(w, 9)->setText(QString());
    Click(w, "CommandOK");
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(testenv::WaitUntil([&] { return Box(w, 9)->hasFocus() || QApplication::focusWidget() == Box(w, 9); }, 1000));
    EXPECT_EQ(State().CurTestData, kBlock);
    // Save stores nothing either, and asks for no file.
    Click(w, "Command1(1)");
    EXPECT_TRUE(script->calls.isEmpty());
    Click(w, "CommandCancel");
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(State().CurTestData, kBlock);
}

TEST_F(FrmTestDataTest, LoadAndSaveTedFiles)
{
    const QByteArray fileBytes = Bytes({0x00, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, 0x90, 0xA0, 0xB0, 0xC0, 0xD0,
                                        0xE0, 0xF0});
    WriteFile(Path("in.ted"), fileBytes);
    WriteFile(Path("short.ted"), fileBytes.left(15));
    FrmTestData w;

    // A good file shows its bytes; CurTestData changes only at OK.
    script->answerFile(Path("in.ted"));
    Click(w, "Command1(0)");
    EXPECT_EQ(Box(w, 0)->text(), "00");
    EXPECT_EQ(Box(w, 15)->text(), "F0");
    EXPECT_EQ(State().CurTestData, kBlock);
    EXPECT_EQ(State().TestDataPath, Path("in.ted"));

    // A file that is not a test-data file is refused; one that does not exist shows the window's
    // copy again.
    Box(w, 5)->setText(QStringLiteral("EE"));
    script->answerFile(Path("short.ted"));
    Click(w, "Command1(0)");
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, "file error.");
    EXPECT_EQ(Box(w, 5)->text(), "50");
    Box(w, 5)->setText(QStringLiteral("EE"));
    script->answerFile(Path("missing.ted"));
    Click(w, "Command1(0)");
    EXPECT_EQ(Box(w, 5)->text(), "50");
    EXPECT_EQ(State().TestDataPath, Path("in.ted"));

    // Save writes the boxes' bytes, asking before it replaces a file.
    Box(w, 1)->setText(QStringLiteral("C"));
    script->clear();
    script->answerFile(Path("out.ted"));
    Click(w, "Command1(1)");
    EXPECT_EQ(testenv::ReadAll(Path("out.ted")), fileBytes.left(1) + Bytes({0x0C}) + fileBytes.mid(2));
    EXPECT_EQ(State().TestDataPath, Path("out.ted"));
    script->answerFile(Path("in.ted"));
    script->answer(vbCancel);
    Click(w, "Command1(1)");
    EXPECT_EQ(script->calls[1].dir, Path("out.ted")); // the last test-data file
    EXPECT_EQ(testenv::ReadAll(Path("in.ted")), fileBytes);
    EXPECT_EQ(State().CurTestData, kBlock);
    EXPECT_EQ(script->unscriptedCount(), 0);

    Click(w, "CommandOK");
    EXPECT_EQ(State().CurTestData[1], 0x0C);
}

TEST_F(FrmTestDataTest, TheHookShowsTheWindow)
{
    RegisterEditorHooks();
    script->onModal([](QDialog *d) {
        EXPECT_EQ(d->objectName(), "FrmTestData");
        return QDialog::Rejected;
    });
    CallHook(Hooks().ShowFrmTestData);
    EXPECT_EQ(script->unscriptedCount(), 0);
}

} // namespace
