// Reading a whole file (regular files only, never waiting, bounded) and replacing files (all or
// nothing, every step checked), with failing disks simulated below the program.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>

#include "common/bytes.h"
#include "common/fifo_watchdog.h"
#include "common/io_faults.h"
#include "common/test_env.h"
#include "platform/whole_file.h"

namespace {

bool WriteFile(const QString &path, const QByteArray &data) { return testenv::WriteAll(path, data); }

class WholeFileTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }
    // Everything in the folder, hidden files included.
    QStringList Entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                          QDir::Name);
    }
    QTemporaryDir dir;
};

// ---------------------------------------------------------------------------------------------
// Reading

TEST_F(WholeFileTest, ReadsARegularFileUpToItsLimit)
{
    ASSERT_TRUE(WriteFile(path("five"), "12345"));
    ASSERT_TRUE(WriteFile(path("six"), "123456"));
    ASSERT_TRUE(WriteFile(path("empty"), QByteArray()));
    ASSERT_TRUE(QFile::link(path("five"), path("link")));
    struct Case {
        const char *name;
        WholeFileRead result;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"five", WholeFileRead::Ok, "12345"},
        {"empty", WholeFileRead::Ok, QByteArray()},
        {"link", WholeFileRead::Ok, "12345"}, // a link to a file reads the file
        {"six", WholeFileRead::Refused, QByteArray()},
        {"missing", WholeFileRead::Missing, QByteArray()},
        {"missing/five", WholeFileRead::Missing, QByteArray()},
        {"five/below", WholeFileRead::Missing, QByteArray()}, // a file where a folder should be
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes("stale");
        EXPECT_EQ(ReadWholeFile(path(QString::fromLatin1(c.name)), 5, bytes), c.result);
        EXPECT_EQ(bytes, c.bytes);
    }
}

TEST_F(WholeFileTest, AnythingButARegularFileIsRefusedWithoutWaiting)
{
    // A socket bound to a path.
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(sock, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(path("socket"));
    ASSERT_LT(static_cast<size_t>(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), static_cast<size_t>(socketPath.size()));
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ASSERT_TRUE(QDir().mkpath(path("folder")));

    const testenv::FifoWatchdog pipe(path("pipe"));
    ASSERT_TRUE(pipe.made());
    ASSERT_TRUE(QFile::link(path("pipe"), path("link to pipe")));
    for (const QString &p : {path("pipe"), path("link to pipe"), path("socket"), path("folder"), QStringLiteral("/dev/null")}) {
        SCOPED_TRACE(p.toStdString());
        QByteArray bytes("stale");
        EXPECT_EQ(ReadWholeFile(p, 1 << 20, bytes), WholeFileRead::Refused);
        EXPECT_TRUE(bytes.isEmpty());
    }
    EXPECT_FALSE(pipe.fired()) << "a read waited on the pipe";
    ::close(sock);
}

// ---------------------------------------------------------------------------------------------
// Replacing

TEST_F(WholeFileTest, NewContentsTakeThePlaceOfTheOldOnesWithTheirPermissions)
{
    ASSERT_TRUE(WriteFile(path("a.fre"), "old channels, longer than the new ones"));
    ASSERT_TRUE(WriteFile(path("a.dat"), "old data"));
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path("a.dat"), permissions));

    ASSERT_TRUE(ReplaceFilesAtomically(
        {{path("a.fre"), "new channels"}, {path("a.ted"), "new test data"}, {path("a.dat"), "new data"}}));

    EXPECT_EQ(testenv::ReadAll(path("a.fre")), QByteArray("new channels")); // no old tail
    EXPECT_EQ(testenv::ReadAll(path("a.ted")), QByteArray("new test data"));
    EXPECT_EQ(testenv::ReadAll(path("a.dat")), QByteArray("new data"));
    const auto unixBits = QFileDevice::Permissions(0x7000 | 0x0070 | 0x0007); // owner, group, other
    EXPECT_EQ(QFileInfo(path("a.dat")).permissions() & unixBits, permissions);
    EXPECT_EQ(Entries(), (QStringList{"a.dat", "a.fre", "a.ted"}));
    EXPECT_TRUE(ReplaceFilesAtomically({})); // nothing to do
}

TEST_F(WholeFileTest, AFailureLeavesTheOldSetWholeAndNoTemporaryFile)
{
    // Root may write anywhere, so the failures are ones no permission can bypass: a target that is
    // a folder is no file to replace, and a missing folder takes none. (The failures of each step
    // of the disk are below.)
    ASSERT_TRUE(QDir().mkpath(path("b.dat/inside")));
    struct Case {
        const char *what;
        std::vector<std::pair<QString, QByteArray>> files;
        bool firstExisted;
    };
    const Case cases[] = {
        {"a folder at the second target, over an old first file", {{path("b.fre"), "new"}, {path("b.dat"), "new"}}, true},
        {"a folder at the second target, with a new first file", {{path("n.fre"), "new"}, {path("b.dat"), "new"}}, false},
        {"second file cannot be written", {{path("b.fre"), "new"}, {path("none/b.dat"), "new"}}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteFile(path("b.fre"), "old channels"));
        const QStringList before = Entries();

        EXPECT_FALSE(ReplaceFilesAtomically(c.files));

        EXPECT_EQ(Entries(), before);
        if (c.firstExisted) {
            EXPECT_EQ(testenv::ReadAll(path("b.fre")), QByteArray("old channels"));
        } else {
            EXPECT_FALSE(QFileInfo::exists(path("n.fre")));
        }
        EXPECT_TRUE(QFileInfo(path("b.dat/inside")).isDir());
    }
}

TEST_F(WholeFileTest, EveryFailingStepOfTheDiskKeepsTheOldFilesAndLeavesNoTemporary)
{
    struct Shape {
        const char *what;
        std::vector<std::pair<QString, QByteArray>> files;
        QString failing; // the target whose new file the disk fails
    };
    const Shape shapes[] = {
        {"one file over an old one", {{path("c.cb"), "new book"}}, path("c.cb")},
        {"one new file", {{path("n.cb"), "new book"}}, path("n.cb")},
        // The first file is in place when the last one fails: it gets its old contents back.
        {"a set failing at its last file",
         {{path("s.fre"), "new channels"}, {path("s.ted"), "new test data"}, {path("s.dat"), "new data"}},
         path("s.dat")},
    };
    for (const Shape &shape : shapes) {
        for (const iofault::StepCase &step : iofault::kEverySteps) {
            SCOPED_TRACE(std::string(shape.what) + ", " + step.name);
            ASSERT_TRUE(WriteFile(path("c.cb"), "old book"));
            ASSERT_TRUE(WriteFile(path("s.fre"), "old channels"));
            ASSERT_TRUE(WriteFile(path("s.ted"), "old test data"));
            ASSERT_TRUE(WriteFile(path("s.dat"), "old data"));
            const QStringList before = Entries();
            {
                const iofault::Armed failure(step.step, shape.failing);
                EXPECT_FALSE(ReplaceFilesAtomically(shape.files));
                EXPECT_GT(failure.hits(), 0) << "the failure was not reached";
            }
            EXPECT_EQ(Entries(), before);
            EXPECT_EQ(testenv::ReadAll(path("c.cb")), QByteArray("old book"));
            EXPECT_EQ(testenv::ReadAll(path("s.fre")), QByteArray("old channels"));
            EXPECT_EQ(testenv::ReadAll(path("s.ted")), QByteArray("old test data"));
            EXPECT_EQ(testenv::ReadAll(path("s.dat")), QByteArray("old data"));
        }
    }
    // And with the disk well again, the same replace succeeds.
    EXPECT_TRUE(ReplaceFile(path("c.cb"), "new book"));
    EXPECT_EQ(testenv::ReadAll(path("c.cb")), QByteArray("new book"));
}

TEST_F(WholeFileTest, ALinkedTargetStaysALinkToTheReplacedFile)
{
    ASSERT_TRUE(QDir().mkpath(path("real")));
    ASSERT_TRUE(WriteFile(path("real/settings.ini"), "old"));
    ASSERT_TRUE(QFile::link(path("real/settings.ini"), path("settings.ini")));

    ASSERT_TRUE(ReplaceFile(path("settings.ini"), "new"));

    EXPECT_TRUE(QFileInfo(path("settings.ini")).isSymLink());
    EXPECT_EQ(testenv::ReadAll(path("real/settings.ini")), QByteArray("new"));
    EXPECT_EQ(Entries(), (QStringList{"real", "settings.ini"}));
    EXPECT_EQ(QDir(path("real")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"settings.ini"});
}

TEST_F(WholeFileTest, WhatIsNotAFileIsNeverReplaced)
{
    const testenv::FifoWatchdog pipe(path("out.cb"));
    ASSERT_TRUE(pipe.made());
    EXPECT_FALSE(ReplaceFile(path("out.cb"), "new book"));
    EXPECT_FALSE(pipe.fired()) << "the replace waited on the pipe";
    EXPECT_FALSE(QFileInfo(path("out.cb")).isFile());
    EXPECT_TRUE(QFileInfo::exists(path("out.cb")));
    EXPECT_EQ(Entries(), QStringList{"out.cb"});
}

} // namespace
