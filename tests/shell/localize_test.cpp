// Caption localisation: the two readings of a key and what each kind of control takes.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QWidget>

#include "data/app_state.h"
#include "data/lang_text.h"
#include "platform/ini_file.h"
#include "shell/localize.h"
#include "shell_fixture.h"

namespace {

struct StrictCase {
    const char *text;
    bool ok;
    int key;
};

TEST(StrictKey, ReadsWholeTextAsRoundedSixteenBitNumber)
{
    const StrictCase cases[] = {
        {"1032", true, 1032}, {" 101 ", true, 101},      {"0", true, 0},          {"-5", true, -5},
        {"10.5", true, 10},   {"11.5", true, 12},        {"32767", true, 32767},  {"-32768", true, -32768},
        {"", false, 0},       {"abc", false, 0},         {"12abc", false, 0},     {"32768", false, 0},
        {"-32769", false, 0}, {"32767.5", false, 0},     {"-", false, 0},         {"Status", false, 0},
    };
    for (const StrictCase &c : cases) {
        int16_t key = 777;
        EXPECT_EQ(StrictKey(QString::fromLatin1(c.text), key), c.ok) << c.text;
        EXPECT_EQ(key, c.ok ? c.key : 777) << c.text;
    }
}

TEST(LenientKey, ReadsNumberAtStartOrZero)
{
    const std::pair<const char *, int> cases[] = {
        {"101", 101},   {"12abc", 12},  {"  7 x", 7}, {"abc", 0},     {"", 0},        {"2.5", 2},
        {"3.5", 4},     {"-4", -4},     {"40000", 0}, {"-40000", 0},  {"1e9", 0},     {"1 0 1", 101},
    };
    for (const auto &[text, key] : cases)
        EXPECT_EQ(LenientKey(QString::fromLatin1(text)), key) << text;
}

class LocalizeTest : public shelltest::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        SetLanguage(LangEnglish);
    }
    void SetText(int key, const QString &text)
    {
        ASSERT_TRUE(IniFile::Write(LanguageFileFullPath(), QStringLiteral("OTHER"), QString::number(key), text));
    }
    void RemoveKey(int key) { RemoveKeyIn(LanguageFileFullPath(), key); }
    static void RemoveKeyIn(const QString &path, int key)
    {
        QByteArray bytes = testenv::ReadAll(path);
        QList<QByteArray> lines = bytes.split('\n');
        lines.removeIf([key](const QByteArray &l) { return l.startsWith(QByteArray::number(key) + '='); });
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(lines.join('\n'));
    }
};

TEST_F(LocalizeTest, LabelsTakeAnyIntegerTagAndKeepCaptionOtherwise)
{
    QWidget form;
    auto *empty = new QLabel(QStringLiteral("design"), &form);
    auto *letters = new QLabel(QStringLiteral("design"), &form);
    letters->setProperty("Tag", QStringLiteral("abc"));
    auto *zero = new QLabel(QStringLiteral("design"), &form);
    zero->setProperty("Tag", QStringLiteral("0"));
    auto *ok = new QLabel(QStringLiteral("design"), &form);
    ok->setProperty("Tag", QStringLiteral("101"));
    SetText(0, QStringLiteral("Zero"));

    LocalizeFormCaptions(&form);
    EXPECT_EQ(empty->text(), QStringLiteral("design"));
    EXPECT_EQ(letters->text(), QStringLiteral("design"));
    EXPECT_EQ(zero->text(), QStringLiteral("Zero"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
}

TEST_F(LocalizeTest, LabelWithTagZeroBecomesEmptyWhenFileLacksKeyZero)
{
    QWidget form;
    auto *zero = new QLabel(QStringLiteral("design"), &form);
    zero->setProperty("Tag", QStringLiteral("0"));
    LocalizeFormCaptions(&form);
    EXPECT_EQ(zero->text(), QString());
}

TEST_F(LocalizeTest, ButtonsUseLenientTagReading)
{
    QWidget form;
    const auto button = [&form](const char *tag) {
        auto *b = new QPushButton(QStringLiteral("design"), &form);
        if (tag)
            b->setProperty("Tag", QLatin1String(tag));
        return b;
    };
    QPushButton *ok = button("101");
    QPushButton *none = button(nullptr);
    QPushButton *empty = button("");
    QPushButton *letters = button("abc");
    QPushButton *twelve = button("12abc");
    QPushButton *zero = button("0");
    SetText(12, QStringLiteral("Twelve"));

    LocalizeFormCaptions(&form);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(none->text(), QStringLiteral("design"));
    EXPECT_EQ(empty->text(), QStringLiteral("design"));
    EXPECT_EQ(letters->text(), QStringLiteral("design"));
    EXPECT_EQ(twelve->text(), QStringLiteral("Twelve"));
    EXPECT_EQ(zero->text(), QStringLiteral("design")); // a key counts only above 0
}

TEST_F(LocalizeTest, WindowCaptionFromTagByStrictReading)
{
    QWidget form;
    form.setWindowTitle(QStringLiteral("design"));
    form.setProperty("Tag", QStringLiteral("102"));
    LocalizeFormCaptions(&form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Cancel"));

    QWidget other;
    other.setWindowTitle(QStringLiteral("design"));
    other.setProperty("Tag", QStringLiteral("102x"));
    LocalizeFormCaptions(&other);
    EXPECT_EQ(other.windowTitle(), QStringLiteral("design"));
}

TEST_F(LocalizeTest, NumericMenuCaptionMovesIntoTagAndFollowsLanguageChange)
{
    QWidget form;
    auto *bar = new QMenuBar(&form);
    auto *menu = new QMenu(bar);
    menu->setTitle(QStringLiteral("1032"));
    bar->addMenu(menu);
    auto *item = new QAction(QStringLiteral("101"), menu);
    menu->addAction(item);
    auto *separator = new QAction(QStringLiteral("-"), menu);
    separator->setSeparator(true);
    menu->addAction(separator);
    auto *tagged = new QAction(QStringLiteral("plain"), menu);
    tagged->setProperty("Tag", QStringLiteral("102"));
    menu->addAction(tagged);

    LocalizeFormCaptions(&form);
    EXPECT_EQ(menu->menuAction()->property("Tag").toString(), QStringLiteral("1032"));
    EXPECT_EQ(menu->title(), GetLangText(1032));
    EXPECT_FALSE(menu->title().isEmpty());
    EXPECT_EQ(item->property("Tag").toString(), QStringLiteral("101"));
    EXPECT_EQ(item->text(), QStringLiteral("OK"));
    EXPECT_EQ(separator->text(), QStringLiteral("-"));
    EXPECT_EQ(tagged->text(), QStringLiteral("Cancel"));

    SetLanguage(LangChinese);
    LocalizeFormCaptions(&form);
    EXPECT_EQ(menu->title(), GetLangText(1032));
    EXPECT_EQ(item->text(), QStringLiteral("确定"));
    EXPECT_EQ(tagged->text(), QStringLiteral("取消"));
}

TEST_F(LocalizeTest, ToolbarAndTabToolTipsAreLocalisedOnlyByTheFirstCall)
{
    QWidget form;
    auto *bar = new QToolBar(&form);
    auto *button = new QAction(bar);
    button->setToolTip(QStringLiteral("101"));
    bar->addAction(button);
    auto *bare = new QAction(bar);
    bar->addAction(bare);
    auto *tabs = new QTabBar(&form);
    tabs->addTab(QStringLiteral("design"));
    tabs->setTabData(0, QStringLiteral("101"));
    tabs->setTabToolTip(0, QStringLiteral("102"));

    LocalizeFormCaptions(&form);
    EXPECT_EQ(button->toolTip(), QStringLiteral("OK"));
    EXPECT_EQ(bare->toolTip(), QString());
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("OK"));
    EXPECT_EQ(tabs->tabToolTip(0), QStringLiteral("Cancel"));

    SetLanguage(LangChinese);
    LocalizeFormCaptions(&form);
    EXPECT_EQ(button->toolTip(), QStringLiteral("OK"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("确定")); // the tab's caption keeps its key
    EXPECT_EQ(tabs->tabToolTip(0), QStringLiteral("Cancel"));
}

TEST_F(LocalizeTest, OtherControlsToolTipByLenientReadingOnce)
{
    QWidget form;
    auto *button = new QPushButton(&form);
    button->setToolTip(QStringLiteral("102"));
    auto *plain = new QPushButton(&form);
    plain->setToolTip(QStringLiteral("Press here"));
    LocalizeFormCaptions(&form);
    EXPECT_EQ(button->toolTip(), QStringLiteral("Cancel"));
    EXPECT_EQ(plain->toolTip(), QStringLiteral("Press here"));
}

TEST_F(LocalizeTest, FontFaceAndSizeFromKeys20And21)
{
    SetText(20, QStringLiteral("DejaVu Serif"));
    SetText(21, QStringLiteral("10.5"));
    QWidget form;
    auto *label = new QLabel(&form);
    LocalizeFormCaptions(&form);
    EXPECT_EQ(form.font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(form.font().pointSize(), 10); // the half goes to the even neighbour
    EXPECT_EQ(label->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(label->font().pointSize(), 10);
}

TEST_F(LocalizeTest, MissingFontKeysLeaveTheDesignFont)
{
    RemoveKey(20);
    RemoveKey(21);
    QWidget form;
    QFont design(QStringLiteral("DejaVu Sans Mono"));
    design.setPointSize(13);
    form.setFont(design);
    LocalizeFormCaptions(&form);
    EXPECT_EQ(form.font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(form.font().pointSize(), 13);
}

TEST_F(LocalizeTest, MissingLanguageFileEmptiesKeyedCaptionsOnly)
{
    QFile::remove(LanguageFileFullPath());
    QWidget form;
    auto *label = new QLabel(QStringLiteral("design"), &form);
    label->setProperty("Tag", QStringLiteral("101"));
    auto *plain = new QLabel(QStringLiteral("design"), &form);
    LocalizeFormCaptions(&form);
    EXPECT_EQ(label->text(), QString());
    EXPECT_EQ(plain->text(), QStringLiteral("design"));
}

} // namespace
