#include "data/batch_fun_flags.h"

#include <QByteArray>
#include <algorithm>

#include "data/app_state.h"
#include "platform/program_dir.h"
#include "platform/record_file.h"

namespace {

constexpr int kRecordLength = kBatchItemCount;

} // namespace

BatchFlagArray DefaultBatchFunFlags()
{
    BatchFlagArray flags;
    flags.fill(1);
    flags[BatchItemFiveTonePttId] = 0;
    flags[BatchItemCompander] = 0;
    return flags;
}

void SetDefaultBatchFunFlags() { State().BatchFunFlags = DefaultBatchFunFlags(); }

QString BatchFunFlagsPath() { return ProgramPath(QStringLiteral("BatchFun.ini")); }

void LoadBatchFunFlags()
{
    const QString path = BatchFunFlagsPath();
    BatchFlagArray &flags = State().BatchFunFlags;
    if (!RecordFile::Exists(path)) {
        SetDefaultBatchFunFlags();
        WriteBatchFunFlags(); // a folder that cannot take the file still leaves the defaults in use
    } else {
        QByteArray record;
        const bool read = RecordFile::Read(path, kRecordLength, 1, record);
        const int64_t length = RecordFile::Length(path);
        // Bytes the file does not hold (all of them when it cannot be read) take their defaults
        // rather than reading as "off".
        const int64_t have = read ? std::min<int64_t>(std::max<int64_t>(length, 0), kRecordLength) : 0;
        const BatchFlagArray defaults = DefaultBatchFunFlags();
        for (int i = 0; i < kBatchItemCount; ++i)
            flags[static_cast<std::size_t>(i)] =
                i < have ? static_cast<uint8_t>(record[i]) : defaults[static_cast<std::size_t>(i)];
    }
    flags[BatchItemCompander] = 0;
}

bool WriteBatchFunFlags()
{
    const BatchFlagArray &flags = State().BatchFunFlags;
    const QByteArray record(reinterpret_cast<const char *>(flags.data()), kRecordLength);
    return RecordFile::Write(BatchFunFlagsPath(), kRecordLength, 1, record);
}

int IsItemFlagSet(uint8_t flag) { return flag != 0 ? 1 : 0; }
