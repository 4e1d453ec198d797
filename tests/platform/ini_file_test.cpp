#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/fifo_watchdog.h"
#include "common/io_faults.h"
#include "common/test_env.h"
#include "platform/ini_file.h"

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString path(const QString &name = QStringLiteral("test.ini")) const { return dir.path() + QLatin1Char('/') + name; }
    void put(const QByteArray &bytes, const QString &name = QStringLiteral("test.ini")) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes(const QString &name = QStringLiteral("test.ini")) const { return testenv::ReadAll(path(name)); }
    QString read(const char *section, const char *key, int buffer = 255) const
    {
        return IniFile::Read(path(), QString::fromUtf8(section), QString::fromUtf8(key), QStringLiteral("<def>"), buffer);
    }
    QTemporaryDir dir;
};

const QByteArray kSample = "; settings of the program\n"
                           "[Sect]\n"
                           "Plain=abc\n"
                           "  Spaced \t=   two  words \t \n"
                           "Comma=a,b,c\n"
                           "Percent=100% sure %1 %% %PATH%\n"
                           "Semi=x ; not a comment # nor this\n"
                           "Quoted=\"  in quotes  \"\n"
                           "Half=\"open only\n"
                           "Empty=\n"
                           "Equals=a=b\n"
                           "Dup=first\n"
                           "Dup=second\n"
                           "Chinese=  \xe4\xb8\xad\xe6\x96\x87\xe3\x80\x80\xe6\x96\x87\xe5\xad\x97\n"
                           "no equals sign here\n"
                           "\n"
                           "[ Other ]\n"
                           "Plain=other\n"
                           "[Sect]\n"
                           "Late=in a repeated section\n";

TEST_F(IniFileTest, ReadsValuesAsTheProfileApiDoes)
{
    put(kSample);
    const struct { const char *section, *key, *expected; } cases[] = {
        {"Sect", "Plain", "abc"},
        {"sect", "PLAIN", "abc"},                       // names compare without case
        {"Sect", "spaced", "two  words"},               // trimmed at both ends, inner blanks kept
        {"Sect", "Comma", "a,b,c"},                     // nothing special in a comma
        {"Sect", "Percent", "100% sure %1 %% %PATH%"},  // nor in a percent sign
        {"Sect", "Semi", "x ; not a comment # nor this"},
        {"Sect", "Quoted", "  in quotes  "},            // a pair of quotes goes, what they hold stays
        {"Sect", "Half", "\"open only"},
        {"Sect", "Empty", ""},                          // present but empty: not the default
        {"Sect", "Equals", "a=b"},
        {"Sect", "Dup", "first"},                       // the first occurrence wins
        {"Sect", "Chinese", "\xe4\xb8\xad\xe6\x96\x87\xe3\x80\x80\xe6\x96\x87\xe5\xad\x97"}, // ideographic space kept
        {"Sect", "Late", "in a repeated section"},
        {"other", "plain", "other"},                    // blanks inside the brackets do not count
        {"Sect", "Missing", "<def>"},
        {"Nowhere", "Plain", "<def>"},
        {"Sect", "no equals sign here", "<def>"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(read(c.section, c.key), QString::fromUtf8(c.expected)) << c.section << "/" << c.key;
}

TEST_F(IniFileTest, MissingFileReadsAsTheDefault)
{
    EXPECT_EQ(IniFile::Read(path(QStringLiteral("none.ini")), QStringLiteral("S"), QStringLiteral("k")), QString());
    EXPECT_EQ(IniFile::Read(path(QStringLiteral("none.ini")), QStringLiteral("S"), QStringLiteral("k"),
                            QStringLiteral("dflt  ")),
              QStringLiteral("dflt"));
    EXPECT_TRUE(IniFile::Keys(path(QStringLiteral("none.ini")), QStringLiteral("S")).isEmpty());
}

TEST_F(IniFileTest, ValueIsCutToTheBuffer)
{
    const QString latin = QString(300, QLatin1Char('x'));
    const QString exact = QString(254, QLatin1Char('y'));
    const QString chinese = QString(300, QChar(0x6587));
    put("[S]\nlong=" + latin.toUtf8() + "\nexact=" + exact.toUtf8() + "\nzh=" + chinese.toUtf8()
        + "\ninner=" + QString(253, QLatin1Char('a')).toUtf8() + " b\n");
    const struct { const char *key; int buffer; QString expected; } cases[] = {
        {"long", 255, latin.left(254)},  {"long", 512, latin}, {"exact", 255, exact},
        {"zh", 255, chinese.left(254)},  {"zh", 512, chinese}, {"long", 1, QString()},
        {"long", 0, QString()},          {"inner", 255, QString(253, QLatin1Char('a')) + QLatin1Char(' ')},
    };
    for (const auto &c : cases)
        EXPECT_EQ(read("S", c.key, c.buffer), c.expected) << c.key << " " << c.buffer;

    const QString longer = QString(600, QLatin1Char('z'));
    put("[S]\nlong=" + longer.toUtf8() + "\n");
    EXPECT_EQ(read("S", "long", 512), longer.left(511));
    EXPECT_EQ(IniFile::Read(path(), QStringLiteral("S"), QStringLiteral("none"), longer, 255), longer.left(254));
}

TEST_F(IniFileTest, CutNeverSplitsASurrogatePair)
{
    // 253 letters, then a character outside the basic plane (two UTF-16 units).
    put("[S]\nk=" + QByteArray(253, 'a') + "\xf0\x9f\x98\x80tail\n");
    EXPECT_EQ(read("S", "k"), QString(253, QLatin1Char('a')));
}

TEST_F(IniFileTest, WriteChangesOnlyItsOwnLine)
{
    const QByteArray before = "; comment first\r\n"
                              "[Sect]\r\n"
                              "  ; a comment inside\r\n"
                              "Port = 3\r\n"
                              "Other=x,y\r\n"
                              "\r\n"
                              "[Next]\r\n"
                              "Port=9";
    put(before);
    ASSERT_TRUE(IniFile::Write(path(), QStringLiteral("SECT"), QStringLiteral("port"), QStringLiteral("12%,3")));
    EXPECT_EQ(bytes(), QByteArray("; comment first\r\n"
                                  "[Sect]\r\n"
                                  "  ; a comment inside\r\n"
                                  "Port=12%,3\r\n"
                                  "Other=x,y\r\n"
                                  "\r\n"
                                  "[Next]\r\n"
                                  "Port=9"));
    EXPECT_EQ(read("Sect", "Port"), QStringLiteral("12%,3"));
    EXPECT_EQ(read("Next", "Port"), QStringLiteral("9"));
}

TEST_F(IniFileTest, WriteAddsTheKeyAtTheEndOfItsSection)
{
    put("[A]\n"
        "k1=1\n"
        "; trailing comment of A\n"
        "\n"
        "\n"
        "[B]\n"
        "k1=b\n");
    ASSERT_TRUE(IniFile::Write(path(), QStringLiteral("a"), QStringLiteral("New"), QStringLiteral("v")));
    EXPECT_EQ(bytes(), QByteArray("[A]\n"
                                  "k1=1\n"
                                  "; trailing comment of A\n"
                                  "New=v\n"
                                  "\n"
                                  "\n"
                                  "[B]\n"
                                  "k1=b\n"));
    // The last section of a file without a final line break.
    put("[A]\nk1=1");
    ASSERT_TRUE(IniFile::Write(path(), QStringLiteral("A"), QStringLiteral("k2"), QStringLiteral("2")));
    EXPECT_EQ(bytes(), QByteArray("[A]\nk1=1\nk2=2\n"));
    // An empty section.
    put("[A]\r\n[B]\r\nx=1\r\n");
    ASSERT_TRUE(IniFile::Write(path(), QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_EQ(bytes(), QByteArray("[A]\r\nk=v\r\n[B]\r\nx=1\r\n"));
}

TEST_F(IniFileTest, WriteAddsSectionAndKeyAtTheEndOfTheFile)
{
    put("[A]\r\nk=1");
    ASSERT_TRUE(IniFile::Write(path(), QStringLiteral("Fresh"), QStringLiteral("Key"), QStringLiteral("v a l")));
    EXPECT_EQ(bytes(), QByteArray("[A]\r\nk=1\r\n[Fresh]\r\nKey=v a l\r\n"));
    EXPECT_EQ(read("fresh", "key"), QStringLiteral("v a l"));

    ASSERT_TRUE(IniFile::Write(path(QStringLiteral("new.ini")), QStringLiteral("language"),
                               QStringLiteral("comPort"), QStringLiteral("3")));
    EXPECT_EQ(bytes(QStringLiteral("new.ini")), QByteArray("[language]\ncomPort=3\n"));
}

TEST_F(IniFileTest, WriteKeepsByteOrderMarkAndUndecodableLines)
{
    const QByteArray odd = "bytes \xb6\xd4\xbd\xb2 in another code page";
    put("\xEF\xBB\xBF[S]\n" + odd + "\nk=1\n");
    ASSERT_TRUE(IniFile::Write(path(), QStringLiteral("S"), QStringLiteral("k"), QString::fromUtf8("\xe4\xb8\xad")));
    EXPECT_EQ(bytes(), "\xEF\xBB\xBF[S]\n" + odd + "\nk=\xe4\xb8\xad\n");
    EXPECT_EQ(read("S", "k"), QString::fromUtf8("\xe4\xb8\xad"));
}

TEST_F(IniFileTest, BareCarriageReturnsAndMixedEndingsReadBackWhatWasWritten)
{
    struct Case {
        const char *what;
        QByteArray file;
        QByteArray after; // the file after the writes below
    };
    const Case cases[] = {
        {"bare CR", "[A]\rk=1\r[B]\rx=2\r", "[A]\rk=one\rnew=n\r[B]\rx=2\r[C]\rc=3\r"},
        {"mixed", "[A]\r\nk=1\r[B]\nx=2", "[A]\r\nk=one\rnew=n\r\n[B]\nx=2\r\n[C]\r\nc=3\r\n"},
        {"CR before CRLF", "[A]\r\r\nk=1\r\n[B]\r\nx=2\r\n",
         "[A]\r\r\nk=one\r\nnew=n\r[B]\r\nx=2\r\n[C]\rc=3\r"}, // new lines end as the first one does
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        put(c.file);
        EXPECT_EQ(read("A", "k"), QStringLiteral("1"));
        EXPECT_EQ(read("B", "x"), QStringLiteral("2"));
        ASSERT_TRUE(IniFile::Write(path(), QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("one")));
        ASSERT_TRUE(IniFile::Write(path(), QStringLiteral("A"), QStringLiteral("new"), QStringLiteral("n")));
        ASSERT_TRUE(IniFile::Write(path(), QStringLiteral("C"), QStringLiteral("c"), QStringLiteral("3")));
        EXPECT_EQ(bytes(), c.after);
        EXPECT_EQ(read("A", "k"), QStringLiteral("one"));
        EXPECT_EQ(read("A", "new"), QStringLiteral("n"));
        EXPECT_EQ(read("B", "x"), QStringLiteral("2"));
        EXPECT_EQ(read("C", "c"), QStringLiteral("3"));
        EXPECT_EQ(IniFile::Keys(path(), QStringLiteral("A")), (QStringList{"k", "new"}));
    }
}

TEST_F(IniFileTest, WrittenLineBreaksCannotAddLines)
{
    put("[S]\nk=1\n");
    ASSERT_TRUE(IniFile::Write(path(), QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("a\r\n[T]\nb")));
    EXPECT_EQ(bytes(), QByteArray("[S]\nk=a  [T] b\n"));
}

TEST_F(IniFileTest, FailedWriteLeavesNoFile)
{
    EXPECT_FALSE(IniFile::Write(path(QStringLiteral("missing/dir.ini")), QStringLiteral("S"), QStringLiteral("k"),
                                QStringLiteral("v")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("missing/dir.ini"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    EXPECT_FALSE(IniFile::Write(path(QStringLiteral("folder.ini")), QStringLiteral("S"), QStringLiteral("k"),
                                QStringLiteral("v")));
}

TEST_F(IniFileTest, WhatIsNotAnIniFileReadsAsMissingWithoutWaitingAndIsNeverWritten)
{
    const testenv::FifoWatchdog pipe(path(QStringLiteral("pipe.ini")));
    ASSERT_TRUE(pipe.made());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    {
        // Larger than any INI file: 5 MB, sparse, holding a key at its start.
        QFile big(path(QStringLiteral("big.ini")));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write("[S]\nk=big\n");
        ASSERT_TRUE(big.resize(5 << 20));
    }
    for (const char *name : {"pipe.ini", "folder.ini", "big.ini"}) {
        SCOPED_TRACE(name);
        const QString p = path(QString::fromLatin1(name));
        EXPECT_EQ(IniFile::Read(p, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("<def>")), "<def>");
        EXPECT_TRUE(IniFile::Keys(p, QStringLiteral("S")).isEmpty());
        EXPECT_FALSE(IniFile::Write(p, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
    }
    EXPECT_FALSE(pipe.fired()) << "an INI read waited on the pipe";
    EXPECT_FALSE(QFileInfo(path(QStringLiteral("pipe.ini"))).isFile());
    EXPECT_EQ(QFileInfo(path(QStringLiteral("big.ini"))).size(), 5 << 20);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{"big.ini", "folder.ini", "pipe.ini"}));
}

TEST_F(IniFileTest, AWriteThatTheDiskFailsAtAnyStepKeepsTheOldFile)
{
    for (const iofault::StepCase &step : iofault::kEverySteps) {
        SCOPED_TRACE(step.name);
        put(kSample);
        {
            const iofault::Armed failure(step.step, path());
            EXPECT_FALSE(IniFile::Write(path(), QStringLiteral("Sect"), QStringLiteral("Plain"), QStringLiteral("new")));
            EXPECT_GT(failure.hits(), 0) << "the failure was not reached";
        }
        EXPECT_EQ(bytes(), kSample);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"test.ini"});
    }
    EXPECT_TRUE(IniFile::Write(path(), QStringLiteral("Sect"), QStringLiteral("Plain"), QStringLiteral("new")));
    EXPECT_EQ(read("Sect", "Plain"), "new");
}

TEST_F(IniFileTest, KeysListsEveryKeyLineOfTheSection)
{
    put(kSample);
    EXPECT_EQ(IniFile::Keys(path(), QStringLiteral("OTHER")), QStringList{QStringLiteral("Plain")});
    const QStringList keys = IniFile::Keys(path(), QStringLiteral("sect"));
    EXPECT_EQ(keys.count(QStringLiteral("Dup")), 2);
    EXPECT_EQ(keys.front(), QStringLiteral("Plain"));
    EXPECT_EQ(keys.back(), QStringLiteral("Late"));
    EXPECT_FALSE(keys.contains(QStringLiteral("no equals sign here")));
}

} // namespace
