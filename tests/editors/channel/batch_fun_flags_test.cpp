#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/batch_fun_flags.h"

namespace {

class BatchFunFlagsTest : public testenv::AppTest {
protected:
    QString path() const { return programDir->path(QStringLiteral("BatchFun.ini")); }
    void writeFile(const QByteArray &bytes) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray flags() const
    {
        const auto &a = State().BatchFunFlags;
        return QByteArray(reinterpret_cast<const char *>(a.data()), static_cast<int>(a.size()));
    }
};

// Every item on but the 5-tone PTT ID (11) and the compander (15).
const QByteArray kDefaults("\1\1\1\1\1\1\1\1\1\1\1\0\1\1\1\0\1\1\1\1", 20);

TEST_F(BatchFunFlagsTest, AMissingFileIsCreatedWithTheDefaults)
{
    QFile::remove(path());
    LoadBatchFunFlags();
    EXPECT_EQ(flags(), kDefaults);
    EXPECT_EQ(testenv::ReadAll(path()), kDefaults);
}

// What the file holds, what the flags become (compander always off), and the file afterwards
// (the load itself never writes an existing file).
TEST_F(BatchFunFlagsTest, AnExistingFileIsReadAndLeftAsItIs)
{
    struct Case {
        const char *what;
        QByteArray file;
        QByteArray flags;
    };
    const QByteArray allOnes(20, '\1');
    QByteArray onesButCompander = allOnes;
    onesButCompander[15] = 0;
    QByteArray odd = QByteArray(20, '\0');
    odd[0] = 2;
    odd[11] = 1;
    odd[19] = char(0xff);
    const QByteArray longer = QByteArray(20, '\0') + QByteArray("tail bytes kept");
    // Missing bytes of a short file take their defaults, not "off".
    QByteArray shortFlags = kDefaults;
    shortFlags[0] = 0;
    shortFlags[1] = 0;
    shortFlags[2] = 0;
    const std::vector<Case> cases{
        {"compander byte set", allOnes, onesButCompander},
        {"odd values kept as on", odd, odd},
        {"longer file: first record only", longer, QByteArray(20, '\0')},
        {"short file", QByteArray(3, '\0'), shortFlags},
        {"empty file", QByteArray(), kDefaults},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(c.file);
        State().BatchFunFlags.fill(7);
        LoadBatchFunFlags();
        EXPECT_EQ(flags(), c.flags);
        EXPECT_EQ(testenv::ReadAll(path()), c.file);
    }
}

TEST_F(BatchFunFlagsTest, AWriteReplacesTheFirstTwentyBytesOnly)
{
    QByteArray file(20, '\1');
    file += QByteArray("\x55\x66\x77", 3);
    writeFile(file);
    LoadBatchFunFlags();
    State().BatchFunFlags[4] = 0;
    ASSERT_TRUE(WriteBatchFunFlags());
    // The compander byte cleared at load reaches the file with the next write; the tail stays.
    EXPECT_EQ(testenv::ReadAll(path()),
              QByteArray("\1\1\1\1\0\1\1\1\1\1\1\1\1\1\1\0\1\1\1\1\x55\x66\x77", 23));

    // A short file is written whole.
    writeFile(QByteArray(2, '\0'));
    SetDefaultBatchFunFlags();
    ASSERT_TRUE(WriteBatchFunFlags());
    EXPECT_EQ(testenv::ReadAll(path()), kDefaults);
}

TEST_F(BatchFunFlagsTest, AFileThatCannotBeReadGivesTheDefaultsSilently)
{
    // A folder in the file's place: neither read nor written, and no message.
    QFile::remove(path());
    ASSERT_TRUE(QDir().mkpath(path()));
    LoadBatchFunFlags();
    EXPECT_EQ(flags(), kDefaults);
    EXPECT_FALSE(WriteBatchFunFlags());
    EXPECT_TRUE(script->calls.empty());
    ASSERT_TRUE(QDir(path()).removeRecursively());

    writeFile(QByteArray(20, '\0'));
    QFile::setPermissions(path(), QFileDevice::Permissions());
    if (QFile(path()).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    LoadBatchFunFlags();
    EXPECT_EQ(flags(), kDefaults);
    EXPECT_TRUE(script->calls.empty());
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(testenv::ReadAll(path()), QByteArray(20, '\0'));
}

TEST_F(BatchFunFlagsTest, IsItemFlagSetGivesTheCheckValue)
{
    EXPECT_EQ(IsItemFlagSet(0), 0);
    EXPECT_EQ(IsItemFlagSet(1), 1);
    EXPECT_EQ(IsItemFlagSet(2), 1);
    EXPECT_EQ(IsItemFlagSet(255), 1);
}

} // namespace
