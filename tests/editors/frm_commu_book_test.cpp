// The communication-book window: its grid, the cell editor's fill rule and key rules, OK and
// Cancel with the sort on every close, and ".cb" import and export, good files and bad.

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>

#include "common/bytes.h"
#include "common/captions.h"
#include "common/test_env.h"
#include "common/ui_steps.h"
#include "data/app_state.h"
#include "data/hooks.h"
#include "data/radio_data.h"
#include "data/value_rules.h"
#include "editors/editor_hooks.h"
#include "editors/settings/frm_commu_book.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"

namespace {

using testenv::Bytes;
using testenv::Raw;

// The 13 bytes of one entry in a book file.
QByteArray Entry(int number, const QByteArray &callId, const QByteArray &name)
{
    return Bytes({number & 0xFF, (number >> 8) & 0xFF}) + callId + name;
}

const QByteArray kEmptyEntryTexts = Bytes({0, ' ', ' ', ' ', ' ', 0, ' ', ' ', ' ', ' ', ' '});

// A book file of default entries with the given entries in front.
QByteArray BookFile(const QList<QByteArray> &front)
{
    QByteArray f;
    for (int i = 0; i < kCommBookEntries; ++i)
        f += i < front.size() ? front[i] : Entry(i, kEmptyEntryTexts.left(5), kEmptyEntryTexts.mid(5));
    return f;
}

void WriteFile(const QString &path, const QByteArray &bytes) { ASSERT_TRUE(testenv::WriteAll(path, bytes)) << path.toStdString(); }

class FrmCommuBookTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        SetDefaults(State().RadioData.CommBook);
        folder = programDir->path(QStringLiteral("books"));
        QDir().mkpath(folder);
    }
    QString File(const char *name) const { return folder + QLatin1Char('/') + QLatin1String(name); }

    static FlexGrid *Grid(FrmCommuBook &w) { return w.findChild<FlexGrid *>(QStringLiteral("MSFlexGrid1")); }
    static TextBox *Editor(FrmCommuBook &w) { return w.findChild<TextBox *>(QStringLiteral("Text1")); }
    static void Click(FrmCommuBook &w, const char *button)
    {
        w.findChild<QPushButton *>(QLatin1String(button))->click();
    }
    // Makes a cell current as a click on it does.
    static void EnterCell(FrmCommuBook &w, int row, int col)
    {
        FlexGrid *g = Grid(w);
        g->setRow(row);
        g->setCol(col);
        emit g->Click();
    }
    // Enters a cell and types into its editor as the user does (the focus selected the old text).
    static void Type(FrmCommuBook &w, int row, int col, const QString &keys)
    {
        EnterCell(w, row, col);
        Editor(w)->selectAll();
        QTest::keyClicks(Editor(w), keys);
    }
    void Export(FrmCommuBook &w, const QString &path)
    {
        script->answerFile(path);
        Click(w, "CommandOutput");
    }
    void Import(FrmCommuBook &w, const QString &path)
    {
        script->answerFile(path);
        Click(w, "CommandInput");
    }
    QStringList Messages() const
    {
        QStringList out;
        for (const PromptCall &c : script->messages())
            out << c.text;
        return out;
    }
    static QByteArray CallIds(const CommBook &book, int count)
    {
        QByteArray out;
        for (int i = 0; i < count; ++i)
            out += book[static_cast<std::size_t>(i)].CallId.toByteArray() + '|';
        return out;
    }
    static bool NumberedByPosition(const CommBook &book)
    {
        for (int i = 0; i < kCommBookEntries; ++i)
            if (book[static_cast<std::size_t>(i)].Number != i)
                return false;
        return true;
    }

    QString folder;
};

TEST_F(FrmCommuBookTest, ShowsTheBookUnderItsHeaderInBothLanguages)
{
    CommBook &book = State().RadioData.CommBook;
    book[0].CallId.assign(Bytes({'1', '2', 0, 'x', 'y'}));
    book[0].Name.assign("BOB   ");
    FrmCommuBook w;
    FlexGrid *g = Grid(w);
    ASSERT_EQ(g->Rows(), 129);
    ASSERT_EQ(g->Cols(), 3);
    EXPECT_EQ(g->TextMatrix(0, 1), "Call ID");
    EXPECT_EQ(g->TextMatrix(0, 2), "Name");
    EXPECT_EQ(g->TextMatrix(1, 0), "0");
    EXPECT_EQ(g->TextMatrix(1, 1), "12");
    EXPECT_EQ(g->TextMatrix(1, 2), "BOB");
    EXPECT_EQ(g->TextMatrix(128, 0), "127");
    EXPECT_EQ(g->TextMatrix(128, 1), "");
    EXPECT_TRUE(Editor(w)->isHidden());
    EXPECT_EQ(State().CommBookEditCopy, book);

    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<FrmCommuBook>(); });
}

TEST_F(FrmCommuBookTest, TypedEntriesAreExportedByTheFillRule)
{
    FrmCommuBook w;
    Type(w, 1, 1, QStringLiteral("1a2-3"));  // digits only
    Type(w, 1, 2, QStringLiteral("ab"));     // capitals
    Type(w, 2, 1, QStringLiteral("1234567")); // five at most
    Type(w, 2, 2, QStringLiteral("x y+z9~\\q")); // letters, digits and spaces, six at most
    Type(w, 3, 1, QString());                // emptied
    Type(w, 3, 2, QString());
    EnterCell(w, 4, 1);                      // only looked at
    EnterCell(w, 4, 0);                      // the number column opens no editor
    EXPECT_TRUE(Editor(w)->isHidden());
    EnterCell(w, 5, 2);
    Editor(w)->selectAll();
    EXPECT_EQ(Editor(w)->EnterText(QStringLiteral("a-b c!d\xe9")), "AB CD"); // pasted text obeys the same rules
    // Ctrl+V never reaches the box.
    QTest::keyClick(Editor(w), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Editor(w)->text(), "AB CD");

    const QString path = File("typed.cb");
    Export(w, path); // commits the open cell first
    EXPECT_EQ(script->calls.last().dir, "new.cb"); // proposed until a path was chosen
    const QByteArray file = testenv::ReadAll(path);
    ASSERT_EQ(file.size(), 1664);
    EXPECT_EQ(file.left(13), Entry(0, Bytes({'1', '2', '3', 0, ' '}), Bytes({'A', 'B', 0, ' ', ' ', ' '})));
    EXPECT_EQ(file.mid(13, 13), Entry(1, "12345", "X YZ9Q"));
    EXPECT_EQ(file.mid(26, 13), Entry(2, Bytes({0, 0, ' ', ' ', ' '}), Bytes({0, ' ', ' ', ' ', ' ', ' '})));
    EXPECT_EQ(file.mid(39, 13), Entry(3, Bytes({0, 0, ' ', ' ', ' '}), kEmptyEntryTexts.mid(5)));
    EXPECT_EQ(file.mid(52, 13), Entry(4, kEmptyEntryTexts.left(5), Bytes({'A', 'B', ' ', 'C', 'D', 0})));
    EXPECT_EQ(file.mid(65), BookFile({}).mid(65));
    EXPECT_EQ(Grid(w)->TextMatrix(1, 1), "123");
    EXPECT_EQ(Grid(w)->TextMatrix(2, 2), "X YZ9Q");
    EXPECT_EQ(State().CurBookFileName, path);
    // Exported in the order shown; nothing reaches the working book before OK.
    EXPECT_EQ(State().RadioData.CommBook[0].CallId, FixStr<5>::EmptyNul());
    EXPECT_EQ(script->unscriptedCount(), 0);
}

TEST_F(FrmCommuBookTest, EveryCloseSortsTheWorkingBookAndOnlyOkStoresTheEdits)
{
    struct Case {
        const char *how;
        std::function<void(FrmCommuBook &)> close;
        QByteArray callIds;
        int threeAt;
    };
    const Case cases[] = {
        {"OK", [](FrmCommuBook &w) { Click(w, "CommandOK"); }, Raw("050\0 |100\0 |200\0 |300\0 |"), 3},
        {"Cancel", [](FrmCommuBook &w) { Click(w, "CommandCancel"); }, Raw("100\0 |200\0 |300\0 |\0    |"), 2},
        {"close box", [](FrmCommuBook &w) { w.close(); }, Raw("100\0 |200\0 |300\0 |\0    |"), 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.how);
        CommBook &book = State().RadioData.CommBook;
        SetDefaults(book);
        book[0].CallId.assign(Raw("300\0 "));
        book[0].Name.assign("THREE");
        book[1].CallId.assign(Raw("100\0 "));
        book[2].CallId.assign(Raw("200\0 "));
        FrmCommuBook w;
        testenv::Activate(&w);
        Type(w, 5, 1, QStringLiteral("050")); // still in its editor when the window closes
        c.close(w);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(CallIds(book, 4), c.callIds);
        EXPECT_TRUE(NumberedByPosition(book));
        EXPECT_EQ(book[static_cast<std::size_t>(c.threeAt)].Name.toByteArray(), "THREE ");
    }
}

TEST_F(FrmCommuBookTest, ImportTakesAGoodFileAndOkSortsIt)
{
    const QString path = File("good.cb");
    WriteFile(path, BookFile({Entry(0, "90000", "NINE  "), Entry(1, Raw("12\0  "), Raw("AL\0   "))}));
    FrmCommuBook w;
    Import(w, path);
    EXPECT_EQ(Grid(w)->TextMatrix(1, 1), "90000");
    EXPECT_EQ(Grid(w)->TextMatrix(2, 2), "AL");
    EXPECT_EQ(State().CurBookFileName, path);
    EXPECT_TRUE(Messages().isEmpty());
    Click(w, "CommandOK");
    const CommBook &book = State().RadioData.CommBook;
    EXPECT_EQ(CallIds(book, 2), Raw("12\0  |90000|"));
    EXPECT_EQ(book[1].Name.toByteArray(), "NINE  ");
    EXPECT_TRUE(NumberedByPosition(book));
}

TEST_F(FrmCommuBookTest, ABadFileIsRefusedWithFileErrorAndChangesNothing)
{
    const QString shortFile = File("short.cb");
    WriteFile(shortFile, BookFile({Entry(0, "11111", "SHORT ")}).left(1663));
    const QString longFile = File("long.cb");
    WriteFile(longFile, BookFile({Entry(0, "22222", "LONG  ")}) + 'x');
    const QString emptyFile = File("empty.cb");
    WriteFile(emptyFile, QByteArray());

    FrmCommuBook w;
    testenv::Activate(&w);
    Type(w, 1, 1, QStringLiteral("777"));
    EnterCell(w, 1, 2);
    const CommBook before = State().CommBookEditCopy;
    for (const QString &path : {shortFile, longFile, emptyFile, File("missing.cb"), folder}) {
        SCOPED_TRACE(path.toStdString());
        script->clear();
        Import(w, path);
        EXPECT_EQ(Messages(), QStringList{"file error."});
        EXPECT_EQ(State().CommBookEditCopy, before);
        EXPECT_EQ(Grid(w)->TextMatrix(1, 1), "777");
        EXPECT_EQ(State().CurBookFileName, "new.cb");
        EXPECT_TRUE(w.isVisible());
    }
    EXPECT_FALSE(QFile::exists(File("missing.cb")));
    // The window goes on working.
    Click(w, "CommandOK");
    EXPECT_EQ(State().RadioData.CommBook[0].CallId.toByteArray(), Raw("777\0 "));
}

TEST_F(FrmCommuBookTest, AForeignFileIsRenumberedByPositionAndSortsWithoutLoss)
{
    // Every entry numbered 5, call IDs that are not hexadecimal, names that must stay with them.
    const QList<QByteArray> front{Entry(5, Raw("ZZ\0  "), "ZED   "), Entry(5, Raw("9\0   "), "NINE  "),
                                  Entry(5, Raw("12\0  "), "TWELVE"), Entry(5, "G1234", "GEE   ")};
    QByteArray file = BookFile(front);
    for (int i = 4; i < kCommBookEntries; ++i)
        file[i * 13] = 5;
    const QString path = File("foreign.cb");
    WriteFile(path, file);

    FrmCommuBook w;
    Import(w, path);
    EXPECT_TRUE(NumberedByPosition(State().CommBookEditCopy));
    EXPECT_EQ(Grid(w)->TextMatrix(1, 1), "ZZ");
    Click(w, "CommandOK");

    const CommBook &book = State().RadioData.CommBook;
    EXPECT_TRUE(NumberedByPosition(book));
    EXPECT_EQ(book[0].Name.toByteArray(), "TWELVE");
    EXPECT_EQ(book[1].Name.toByteArray(), "NINE  ");
    // The unreadable keys come last, each name still with its call ID; no entry is lost.
    QStringList last;
    for (int i : {126, 127})
        last << QString::fromLatin1(TrimFixStr(book[i].CallId.toByteArray()) + '=' + book[i].Name.toByteArray());
    last.sort();
    EXPECT_EQ(last, (QStringList{"G1234=GEE   ", "ZZ=ZED   "}));
    EXPECT_EQ(book[2].CallId, FixStr<5>::EmptyNul());
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(FrmCommuBookTest, AnOpenEditorShowsTheImportedCellAndNeverCommitsItsOldText)
{
    const QString path = File("in.cb");
    WriteFile(path, BookFile({Entry(0, Raw("123\0 "), "ANN   ")}));
    FrmCommuBook w;
    Type(w, 1, 1, QStringLiteral("777"));
    Import(w, path);
    EXPECT_FALSE(Editor(w)->isHidden());
    EXPECT_EQ(Editor(w)->text(), "123");
    EnterCell(w, 2, 1);
    Click(w, "CommandOK");
    EXPECT_EQ(State().RadioData.CommBook[0].CallId.toByteArray(), Raw("123\0 "));
    EXPECT_EQ(State().RadioData.CommBook[0].Name.toByteArray(), "ANN   ");
}

// Makes every file write of this process beyond a few bytes fail (as a full or unwritable disk
// does), also for a superuser, whom file permissions do not stop.
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(FrmCommuBookTest, AnExportAsksBeforeReplacingAndAFailedOneKeepsTheOldFile)
{
    const QString path = File("old.cb");
    const QByteArray old = BookFile({Entry(0, "55555", "OLD   ")});
    WriteFile(path, old);
    FrmCommuBook w;
    testenv::Activate(&w);
    Type(w, 1, 1, QStringLiteral("42"));

    // Cancel to the question: nothing is written.
    script->answer(vbCancel);
    Export(w, path);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, "\"old.cb\"file will be Overwrite,Continue?");
    EXPECT_EQ(testenv::ReadAll(path), old);
    EXPECT_EQ(State().CurBookFileName, "new.cb");

    // The folder cannot be written (permissions for an ordinary user, a write limit for anyone).
    script->clear();
    script->answer(vbOK);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    {
        const FileSizeLimit limit;
        Export(w, path);
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(Messages().mid(1), QStringList{"file error."});
    EXPECT_EQ(testenv::ReadAll(path), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"old.cb"});
    EXPECT_EQ(State().CurBookFileName, "new.cb");
    EXPECT_TRUE(w.isVisible());

    // And once it can, OK to the question replaces the file.
    script->clear();
    script->answer(vbOK);
    Export(w, path);
    EXPECT_EQ(script->calls.first().dir, "new.cb");
    EXPECT_EQ(testenv::ReadAll(path).left(13), Entry(0, Raw("42\0  "), kEmptyEntryTexts.mid(5)));
    EXPECT_EQ(State().CurBookFileName, path);
    EXPECT_EQ(script->unscriptedCount(), 0);
}

TEST_F(FrmCommuBookTest, TheEditorStandsOverItsCellAndScrollingPutsItAway)
{
    FrmCommuBook w;
    testenv::Activate(&w);
    FlexGrid *g = Grid(w);
    Type(w, 100, 2, QStringLiteral("far"));
    ASSERT_FALSE(Editor(w)->isHidden());
    ASSERT_TRUE(Editor(w)->hasFocus());
    const QRect cell(g->x() + g->CellLeft() / 15, g->y() + g->CellTop() / 15, g->CellWidth() / 15, g->CellHeight() / 15);
    EXPECT_LE(std::abs(Editor(w)->geometry().top() - cell.top()), 1);
    EXPECT_TRUE(g->geometry().contains(Editor(w)->geometry().center()));

    g->verticalScrollBar()->setValue(0);
    EXPECT_TRUE(Editor(w)->isHidden());
    EXPECT_EQ(State().CommBookEditCopy[99].Name.toByteArray(), Raw("FAR\0  "));
    // The keyboard stays with the grid, not with the button next in the tab order.
    EXPECT_TRUE(g->hasFocus());
    // The same cell opens again when it is clicked.
    emit g->Click();
    EXPECT_FALSE(Editor(w)->isHidden());
    EXPECT_EQ(Editor(w)->text(), "FAR");
}

TEST_F(FrmCommuBookTest, TheHookShowsTheWindowModally)
{
    RegisterEditorHooks();
    script->onModal([](QDialog *d) {
        EXPECT_EQ(d->objectName(), "FrmCommuBook");
        return QDialog::Rejected;
    });
    CallHook(Hooks().ShowFrmCommuBook);
    EXPECT_EQ(script->unscriptedCount(), 0);
    ASSERT_EQ(script->calls.size(), 1);
}

} // namespace
