#include "editors/settings/test_data_mode.h"

#include "data/app_state.h"
#include "data/code_text.h"
#include "data/data_file.h"
#include "data/lang_text.h"
#include "data/value_rules.h"
#include "link/frames.h"
#include "link/radio_link.h"
#include "platform/program_dir.h"
#include "platform/prompt.h"
#include "platform/record_file.h"
#include "platform/whole_file.h"

namespace {

constexpr int kTestDataAddress = 0x0000;

QByteArray BlockBytes(const TestDataBlock &block)
{
    return QByteArray(reinterpret_cast<const char *>(block.data()), kTestDataSize);
}

// Byte i of a test-data reply's data (counted after the echo the line may return); 0 past the end.
uint8_t ReplyDataByte(const QByteArray &reply, int i)
{
    const qsizetype at = State().ReplySkip + 4 + i;
    return at >= 0 && at < reply.size() ? static_cast<uint8_t>(reply.at(at)) : 0;
}

bool IsInitTemplate(const QString &dataPath)
{
    return dataPath.startsWith(ProgramPath(QStringLiteral("Init/")));
}

} // namespace

QByteArray FactoryModeMarker() { return QByteArrayLiteral("KELDA3Q_7260_Workshop_MarkerBlock"); }

QByteArray FactoryEntryWord()
{
    // Built letter by letter when a pass starts; see the README on the word itself.
    const char letters[7] = {'F', 'A', 'C', 'T', 'O', 'R', 'Y'};
    return QByteArray(letters, 7);
}

void DetectFactoryTestMode()
{
    AppState &st = State();
    st.CurTestData.fill(0);
    st.SavedTestData = st.CurTestData;
    st.TestModeFlag = false;
    const QString path = ProgramPath(QStringLiteral("TestData.ini"));
    QByteArray record;
    if (RecordFile::Exists(path) && RecordFile::Read(path, kMarkerRecordSize, 1, record))
        st.TestModeFlag = TrimFixStr(record) == FactoryModeMarker();
}

QString TestDataPathBeside(const QString &dataPath) { return TestDataFilePathOf(dataPath); }

bool LoadTestDataFile(const QString &path, TestDataBlock &block)
{
    QByteArray bytes;
    if (ReadWholeFile(path, kTestDataSize, bytes) != WholeFileRead::Ok || bytes.size() != kTestDataSize)
        return false;
    for (int i = 0; i < kTestDataSize; ++i)
        block[static_cast<std::size_t>(i)] = static_cast<uint8_t>(bytes.at(i));
    State().TestDataPath = path;
    return true;
}

bool SaveTestDataFile(const QString &path, const TestDataBlock &block)
{
    if (!ReplaceFile(path, BlockBytes(block)))
        return false;
    State().TestDataPath = path;
    return true;
}

void LoadTestDataBeside(const QString &dataPath)
{
    AppState &st = State();
    const QString ted = TestDataPathBeside(dataPath);
    if (LoadTestDataFile(ted, st.SavedTestData))
        return;
    st.SavedTestData.fill(0);
    if (!IsInitTemplate(dataPath))
        prompt().MsgBox(QLatin1Char('"') + FileNameOfPath(ted) + QStringLiteral("\"\r\n") + GetLangText(8002),
                        vbOKOnly + vbExclamation);
}

std::optional<QByteArray> TestDataFileBytes()
{
    const AppState &st = State();
    if (!st.TestModeFlag)
        return std::nullopt;
    return BlockBytes(st.CurTestData);
}

// ---------------------------------------------------------------------------------------------
// Frames

void StartFactorySession() { OpenLinkSession(FactoryEntryWord(), true); }

void SendTestDataRead()
{
    LinkSend(ReadRequest(kTestDataAddress, State().ReadBlockSize), AwaitedReply::DataFrame);
}

bool IsTestDataReply(const QByteArray &reply) { return IsDataFrameFor(reply, kTestDataAddress); }

void TakeTestDataReply(const QByteArray &reply)
{
    for (int i = 0; i < kTestDataSize; ++i)
        State().CurTestData[static_cast<std::size_t>(i)] = ReplyDataByte(reply, i);
}

void TakeTestDataFirstByte(const QByteArray &reply)
{
    State().CurTestData[0] = ReplyDataByte(reply, 0);
}

void SendTestDataWrite()
{
    const AppState &st = State();
    // WriteBlockSize data bytes: the 16 test-data bytes (zeros beyond them, were it ever larger).
    QByteArray data = BlockBytes(st.CurTestData).leftJustified(st.WriteBlockSize, '\0', true);
    LinkSend(DataFrame(kTestDataAddress, data), AwaitedReply::AckByte);
}
