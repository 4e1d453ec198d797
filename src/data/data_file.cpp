#include "data/data_file.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <utility>
#include <vector>

#include "data/channel_table.h"
#include "data/defaults.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "data/model_band.h"
#include "data/value_rules.h"
#include "data/version_dispatch.h"
#include "platform/prompt.h"
#include "platform/whole_file.h"

namespace {

int ClampCount(int count) { return std::clamp(count, 0, kChannelSlots); }

// The most of a data file, channel file or template that is read. A data file is 9,742 bytes and a
// channel file at most 206 records of 109 bytes, but a file saved in place over a longer one keeps
// the longer one's tail, which every reader ignores; a file beyond this is no data file and is
// refused unread.
constexpr qint64 kDataSetFileLimit = qint64(1) << 20;

void ShowFileError() { prompt().MsgBox(InCurrentLanguage(MessageTable().MsgFileError), vbOKOnly); }

// ---------------------------------------------------------------------------------------------
// Files

// The file beside a data file with another three-letter suffix (see ChannelFilePathOf).
QString FileBeside(const QString &dataPath, const QString &suffix)
{
    QString stem = DataFilePathOf(dataPath);
    const QString datSuffix = stem.right(3);
    stem.chop(3);
    const bool upper = datSuffix == datSuffix.toUpper();
    const QString preferred = stem + (upper ? suffix.toUpper() : suffix.toLower());
    if (QFileInfo::exists(preferred))
        return preferred;
    // Another letter case of the suffix already there (names sorted, so the choice is stable).
    const QFileInfo stemInfo(stem);
    const QString stemName = stemInfo.fileName();
    const QStringList names =
        stemInfo.dir().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &name : names)
        if (name.size() == stemName.size() + suffix.size() && name.startsWith(stemName) &&
            name.endsWith(suffix, Qt::CaseInsensitive))
            return stemInfo.dir().filePath(name);
    return preferred;
}

enum class DataFileRead {
    Ok,        // a whole record (the file's first kRadioDataFileSize bytes)
    OldLayout, // exactly kOldDataFileSize bytes, the layout of version "V100"
    Bad,       // missing, unreadable or too short
};

// The settings record of a data file: its first kRadioDataFileSize bytes.
DataFileRead ReadDataRecord(const QString &path, RadioDataRecord &rec)
{
    QByteArray bytes;
    if (ReadWholeFile(path, kDataSetFileLimit, bytes) != WholeFileRead::Ok)
        return DataFileRead::Bad;
    if (bytes.size() == kOldDataFileSize)
        return DataFileRead::OldLayout;
    return DecodeRadioDataFile(bytes.left(kRadioDataFileSize), rec) ? DataFileRead::Ok : DataFileRead::Bad;
}

// A record read from a file is taken over only with a band plan and a channel count that exist.
bool IsRecordUsable(const RadioDataRecord &rec)
{
    return rec.BandPlanIndex >= 0 && rec.BandPlanIndex < kBandPlanCount && rec.ChannelCount >= 0 &&
           rec.ChannelCount <= kChannelSlots;
}

// A template's data set into temporaries: the record with the current band plan, the channels read
// over a copy of SavedChannelList (slots beyond keep what they held) and the count of whole records.
bool ReadTemplate(const QString &path, RadioDataRecord &rec, ChannelSlots &channels)
{
    if (ReadDataRecord(path, rec) != DataFileRead::Ok)
        return false;
    rec.BandPlanIndex = State().CurBandPlanIndex;
    if (!IsRecordUsable(rec))
        return false;
    // A template with channels but no channel file would give a data set without a channel.
    if (rec.ChannelCount > 0 && !QFileInfo(ChannelFilePathOf(path)).isFile())
        return false;
    channels = State().SavedChannelList;
    rec.ChannelCount = static_cast<int16_t>(ReadChannelFile(path, rec.ChannelCount, channels));
    return true;
}

// Yes starts the installed version for the file's version and ends this program; when that
// version cannot be started this program says so and goes on.
void OfferHandOver(const QString &fileVersion)
{
    const QString text = VersionMismatchText(QString::fromLatin1(kSoftVersion), fileVersion, MkDataFile);
    if (prompt().MsgBox(text, vbYesNo) != vbYes)
        return;
    if (RunSoftVersionForFirm(fileVersion) == HandOverResult::StartFailed)
        ShowFileError();
}

// The record as a snapshot stores it: current band plan, model code and this version.
void StampForSave(RadioDataRecord &rec)
{
    const AppState &s = State();
    rec.BandPlanIndex = s.CurBandPlanIndex;
    rec.ModelName = FixStr<16>::fromBytes(s.CurModelCode.toLatin1());
    rec.FileVersion.assign(kSoftVersion);
}

void CopySlots(const ChannelSlots &from, ChannelSlots &to, int count)
{
    std::copy_n(from.begin(), ClampCount(count), to.begin());
}

// ---------------------------------------------------------------------------------------------
// Comparison rules of the unsaved-changes test

template <std::size_t N>
QByteArray Trimmed(const FixStr<N> &f)
{
    return TrimFixStr(f.toByteArray());
}

template <std::size_t N>
bool SameTrimmed(const FixStr<N> &a, const FixStr<N> &b)
{
    return Trimmed(a) == Trimmed(b);
}

// A code with a length field: the lengths must be equal, and a length within lo..hi makes that many
// leading characters count; codes of another length are not compared as text.
template <std::size_t N>
bool SameCode(int lenA, const FixStr<N> &a, int lenB, const FixStr<N> &b, int lo, int hi)
{
    if (lenA != lenB)
        return false;
    if (lenA < lo || lenA > hi)
        return true;
    const auto n = static_cast<std::ptrdiff_t>(std::min<std::size_t>(static_cast<std::size_t>(lenA), N));
    return std::equal(a.bytes.begin(), a.bytes.begin() + n, b.bytes.begin());
}

template <class Code>
bool SameLengthCode(const Code &a, const Code &b, int lo, int hi)
{
    return SameCode(a.Length, a.Code, b.Length, b.Code, lo, hi);
}

// Texts trimmed; every Integer but the number, the two DCS bit-8 copies and two reserved fields.
bool SameChannel(const ChannelRecord &w, const ChannelRecord &v)
{
    if (!SameTrimmed(w.Name, v.Name) || !SameTrimmed(w.RxFrequency, v.RxFrequency) ||
        !SameTrimmed(w.TxOffset, v.TxOffset) || !SameTrimmed(w.Code, v.Code))
        return false;
    // What the comparison leaves out takes the saved values, so that == looks at the rest.
    ChannelRecord x = w;
    x.Number = v.Number;
    x.EncodeDcsBit8 = v.EncodeDcsBit8;
    x.DecodeDcsBit8 = v.DecodeDcsBit8;
    x.Reserved5 = v.Reserved5;
    x.Reserved6 = v.Reserved6;
    x.Name = v.Name;
    x.RxFrequency = v.RxFrequency;
    x.TxOffset = v.TxOffset;
    x.Code = v.Code;
    return x == v;
}

bool SameChannels()
{
    const AppState &s = State();
    const int count = ClampCount(s.SavedRadioData.ChannelCount);
    for (int i = 0; i < count; ++i) {
        const ChannelRecord &saved = s.SavedChannelList[static_cast<std::size_t>(i)];
        int slot = i;
        if (i >= ClampCount(s.RadioData.ChannelCount) ||
            s.ChannelList[static_cast<std::size_t>(i)].Number != saved.Number)
            slot = FindChannelSlot(saved);
        if (slot < 0 || !SameChannel(s.ChannelList[static_cast<std::size_t>(slot)], saved))
            return false;
    }
    return true;
}

bool SameFmTable(const FmChannelTable &a, const FmChannelTable &b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SameTrimmed(a[i].Frequency, b[i].Frequency) || a[i].Used != b[i].Used)
            return false;
    return true;
}

// The own ID exactly, every Integer but the decode response, the codes by their lengths.
bool SameDtmf(const DtmfBlock &a, const DtmfBlock &b)
{
    DtmfBlock x = a;
    x.CodeMemory = b.CodeMemory;
    x.PttIdBegin = b.PttIdBegin;
    x.PttIdEnd = b.PttIdEnd;
    x.RemoteKill = b.RemoteKill;
    x.RemoteStun = b.RemoteStun;
    x.DecodeResponse = b.DecodeResponse;
    if (!(x == b))
        return false;
    if (!SameLengthCode(a.RemoteKill, b.RemoteKill, 1, 14) || !SameLengthCode(a.RemoteStun, b.RemoteStun, 1, 14) ||
        !SameLengthCode(a.PttIdBegin, b.PttIdBegin, 1, 24) || !SameLengthCode(a.PttIdEnd, b.PttIdEnd, 1, 24))
        return false;
    for (std::size_t i = 0; i < a.CodeMemory.size(); ++i)
        if (!SameLengthCode(a.CodeMemory[i], b.CodeMemory[i], 1, 24))
            return false;
    return true;
}

// The general bytes but the tones; of the calls only their divisors.
bool SameTwoTone(const TwoToneBlock &a, const TwoToneBlock &b)
{
    TwoToneGeneral g = a.General;
    g.DecodeTone1 = b.General.DecodeTone1;
    g.DecodeTone2 = b.General.DecodeTone2;
    g.ToneA = b.General.ToneA;
    g.ToneB = b.General.ToneB;
    g.ToneC = b.General.ToneC;
    g.ToneD = b.General.ToneD;
    if (!(g == b.General))
        return false;
    for (std::size_t i = 0; i < a.Entries.size(); ++i)
        if (a.Entries[i].Divisor1 != b.Entries[i].Divisor1 || a.Entries[i].Divisor2 != b.Entries[i].Divisor2)
            return false;
    return true;
}

// A 5-tone code row without its in-use flag and its name.
bool SameFiveToneRow(const FiveToneCodeRecord &a, const FiveToneCodeRecord &b, int maxLength)
{
    return a.Reserved == b.Reserved && a.TonePeriod == b.TonePeriod && a.StandardIndex == b.StandardIndex &&
           SameCode(a.CodeLength, a.Code, b.CodeLength, b.Code, 1, maxLength);
}

bool SameFiveTone(const FiveToneBlock &a, const FiveToneBlock &b)
{
    // The header bytes, the six Integers and the user tone standard.
    FiveToneBlock x = a;
    x.OwnId = b.OwnId;
    x.InfoCodes = b.InfoCodes;
    x.PttIdBegin = b.PttIdBegin;
    x.PttIdEnd = b.PttIdEnd;
    x.CodeRows = b.CodeRows;
    if (!(x == b))
        return false;
    if (!SameCode(a.OwnIdLength, a.OwnId, b.OwnIdLength, b.OwnId, 1, 5) ||
        !SameFiveToneRow(a.PttIdBegin, b.PttIdBegin, 22) || !SameFiveToneRow(a.PttIdEnd, b.PttIdEnd, 22))
        return false;
    for (std::size_t i = 0; i < a.InfoCodes.size(); ++i) {
        const InfoCodeRecord &p = a.InfoCodes[i];
        const InfoCodeRecord &q = b.InfoCodes[i];
        if (p.Function != q.Function || p.Response != q.Response ||
            !SameCode(p.CodeLength, p.Code, q.CodeLength, q.Code, 1, 12) || !SameTrimmed(p.Name, q.Name))
            return false;
    }
    for (std::size_t i = 0; i < a.CodeRows.size(); ++i)
        if (!SameFiveToneRow(a.CodeRows[i], b.CodeRows[i], 40))
            return false;
    return true;
}

bool SameOptions(const OptionBlock &a, const OptionBlock &b)
{
    OptionBlock x = a;
    x.PowerOnPassword = b.PowerOnPassword;
    return x == b && SameTrimmed(a.PowerOnPassword, b.PowerOnPassword);
}

bool SameCommBook(const CommBook &a, const CommBook &b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SameTrimmed(a[i].Name, b[i].Name) || !SameTrimmed(a[i].CallId, b[i].CallId))
            return false;
    return true;
}

} // namespace

// ---------------------------------------------------------------------------------------------

QString DataFilePathOf(const QString &path)
{
    return path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".dat");
}

QString ChannelFilePathOf(const QString &dataPath) { return FileBeside(dataPath, QStringLiteral("fre")); }

QString TestDataFilePathOf(const QString &dataPath) { return FileBeside(dataPath, QStringLiteral("ted")); }

bool IsDataUnchanged()
{
    const AppState &s = State();
    const RadioDataRecord &w = s.RadioData;
    const RadioDataRecord &v = s.SavedRadioData;
    const SignallingRecord &ws = w.SignallingRecord;
    const SignallingRecord &vs = v.SignallingRecord;
    // The working band plan is CurBandPlanIndex, not the working record's own field.
    return s.CurBandPlanIndex == v.BandPlanIndex && SameFmTable(w.FmChannelTable, v.FmChannelTable) &&
           w.ChannelCount == v.ChannelCount && w.FiveToneDecodeTime == v.FiveToneDecodeTime && SameChannels() &&
           SameDtmf(ws.DtmfBlock, vs.DtmfBlock) && SameTwoTone(ws.TwoToneBlock, vs.TwoToneBlock) &&
           SameFiveTone(ws.FiveToneBlock, vs.FiveToneBlock) && SameOptions(ws.OptionBlock, vs.OptionBlock) &&
           w.Pf1KeyFunction == v.Pf1KeyFunction && w.FmRadioEnable == v.FmRadioEnable &&
           w.Pf2KeyFunction == v.Pf2KeyFunction && SameCommBook(w.CommBook, v.CommBook) &&
           ws.ScanBlock == vs.ScanBlock && ws.AlertBlock == vs.AlertBlock &&
           (!s.TestModeFlag || s.CurTestData == s.SavedTestData);
}

bool IsDataModified() { return !IsDataUnchanged(); }

int FindChannelSlot(const ChannelRecord &rec) { return FindChannelSlot(rec.Number); }

void SnapshotToSaved()
{
    AppState &s = State();
    if (s.TestModeFlag)
        s.SavedTestData = s.CurTestData;
    StampForSave(s.RadioData);
    s.SavedRadioData = s.RadioData;
    CopySlots(s.ChannelList, s.SavedChannelList, s.RadioData.ChannelCount);
}

void RestoreFromSaved()
{
    AppState &s = State();
    if (s.TestModeFlag)
        s.CurTestData = s.SavedTestData;
    s.RadioData = s.SavedRadioData;
    s.CurBandPlanIndex = s.RadioData.BandPlanIndex;
    s.CurBandPlanText = BandRangeText(s.CurBandPlanIndex);
    ParseBandLimits();
    CopySlots(s.SavedChannelList, s.ChannelList, s.RadioData.ChannelCount);
}

void NewDataFile()
{
    NewFreData();
    CallHook(Hooks().ReShowListByData);
    CallHook(Hooks().ReShowRadioListByData);
}

QByteArray ChannelFileBytes(const ChannelSlots &table, int count)
{
    QByteArray bytes;
    const int n = ClampCount(count);
    bytes.reserve(n * kChannelRecordSize);
    for (int i = 0; i < n; ++i)
        bytes += EncodeChannelRecord(table[static_cast<std::size_t>(i)]);
    return bytes;
}

namespace {

// The files of a data set: the channel file, then the extra files, then the data file last.
std::vector<std::pair<QString, QByteArray>> DataSetFiles(const QString &dataPath, const RadioDataRecord &rec,
                                                         const ChannelSlots &table,
                                                         std::vector<std::pair<QString, QByteArray>> extra = {})
{
    RadioDataRecord r = rec;
    r.ChannelCount = static_cast<int16_t>(ClampCount(rec.ChannelCount));
    std::vector<std::pair<QString, QByteArray>> files{{ChannelFilePathOf(dataPath), ChannelFileBytes(table, r.ChannelCount)}};
    for (auto &file : extra)
        files.push_back(std::move(file));
    files.emplace_back(DataFilePathOf(dataPath), EncodeRadioDataFile(r));
    return files;
}

} // namespace

bool WriteDataSet(const QString &dataPath, const RadioDataRecord &rec, const ChannelSlots &table)
{
    return ReplaceFilesAtomically(DataSetFiles(dataPath, rec, table));
}

bool WriteChannelFile(const QString &dataPath, int count)
{
    return ReplaceFile(ChannelFilePathOf(dataPath), ChannelFileBytes(State().SavedChannelList, count));
}

int ReadChannelFile(const QString &dataPath, int count, ChannelSlots &table)
{
    const int wanted = ClampCount(count);
    QByteArray bytes;
    if (wanted == 0 || ReadWholeFile(ChannelFilePathOf(dataPath), kDataSetFileLimit, bytes) != WholeFileRead::Ok)
        return 0;
    // Only whole records become channels.
    const int n = std::min(wanted, static_cast<int>(bytes.size() / kChannelRecordSize));
    for (int i = 0; i < n; ++i)
        table[static_cast<std::size_t>(i)] = DecodeChannelRecord(bytes.mid(i * kChannelRecordSize, kChannelRecordSize));
    return n;
}

int ReadChannelFile(const QString &dataPath, int count) { return ReadChannelFile(dataPath, count, State().SavedChannelList); }

bool SaveDataFile() { return SaveDataFile(State().CurFileName); }

bool SaveDataFile(const QString &fileName)
{
    AppState &s = State();
    const QString path = DataFilePathOf(fileName);
    RadioDataRecord rec = s.RadioData;
    StampForSave(rec);
    // The factory test data join the data set's files, so that all are replaced or none.
    std::vector<std::pair<QString, QByteArray>> extra;
    if (s.TestModeFlag) {
        if (const std::optional<QByteArray> ted = CallHookOr(Hooks().TestDataFileBytes, std::optional<QByteArray>()))
            extra.emplace_back(TestDataFilePathOf(path), *ted);
    }
    if (!ReplaceFilesAtomically(DataSetFiles(path, rec, s.ChannelList, extra))) {
        ShowFileError();
        return false;
    }
    s.CurFileName = path;
    if (!extra.empty())
        s.TestDataPath = extra.front().first;
    SnapshotToSaved();
    s.FileUntitled = false;
    return true;
}

bool OpenDataFile() { return OpenDataFile(State().CurFileName); }

bool OpenDataFile(const QString &path)
{
    AppState &s = State();
    RadioDataRecord rec;
    switch (ReadDataRecord(path, rec)) {
    case DataFileRead::Bad:
        ShowFileError();
        return false;
    case DataFileRead::OldLayout:
        // Its record ends before the model name, so it never passes the model check: it belongs
        // to version "V100".
        OfferHandOver(QStringLiteral("V100"));
        return false;
    case DataFileRead::Ok:
        break;
    }
    if (QString::fromLatin1(Trimmed(rec.ModelName)) != s.CurModelCode) {
        prompt().MsgBox(GetLangText(9033), vbOKOnly);
        return false;
    }
    const QString version = QString::fromLatin1(rec.FileVersion.toByteArray());
    if (!IsVersionText(version)) {
        prompt().MsgBox(GetLangText(9065), vbOKOnly);
        return false;
    }
    if (!IsVersionPairListed(QString::fromLatin1(kSoftVersion), version)) {
        OfferHandOver(version);
        return false;
    }
    if (!IsRecordUsable(rec)) {
        ShowFileError();
        return false;
    }
    ChannelSlots channels = s.SavedChannelList;
    const int wanted = rec.ChannelCount;
    const int found = ReadChannelFile(path, wanted, channels);
    rec.ChannelCount = static_cast<int16_t>(found);

    s.SavedRadioData = rec;
    s.SavedChannelList = channels;
    s.CurFileName = path;
    if (s.TestModeFlag)
        CallHook(Hooks().LoadTestDataBeside, DataFilePathOf(path));
    RestoreFromSaved();
    CallHook(Hooks().ReShowListByData);
    CallHook(Hooks().ReShowRadioListByData);
    s.FileUntitled = false;
    // The channels the channel file lacks are not in the data any more: a Save would make that
    // permanent, so the user hears of it now.
    if (found < wanted)
        prompt().MsgBox(GetLangText(9066).arg(found).arg(wanted), vbOKOnly + vbExclamation);
    return true;
}

void ReadInitTemplate(const QString &path)
{
    AppState &s = State();
    RadioDataRecord rec;
    ChannelSlots channels;
    if (!ReadTemplate(path, rec, channels)) {
        SnapshotToSaved();
        return;
    }
    s.SavedRadioData = rec;
    s.SavedChannelList = channels;
    if (s.TestModeFlag)
        CallHook(Hooks().LoadTestDataBeside, path);
    RestoreFromSaved();
    // The template's settings stay; its channels give way to the defaults of the band plan.
    s.RadioData.ChannelCount = 0;
    BuildDefaultChannels();
    SnapshotToSaved();
}

void ReadInitTemplateKeep(const QString &path)
{
    AppState &s = State();
    RadioDataRecord rec;
    ChannelSlots channels;
    if (!ReadTemplate(path, rec, channels)) {
        SnapshotToSaved();
        return;
    }
    if (s.FactoryFreqFlag == 0 && s.InitDataMode == 0) {
        // Channels 1 and 2 and the special channels, moved up in their order.
        int kept = 0;
        for (int i = 0; i < rec.ChannelCount; ++i) {
            const ChannelRecord &c = channels[static_cast<std::size_t>(i)];
            if (c.Number <= 2 || c.Number >= 201)
                channels[static_cast<std::size_t>(kept++)] = c;
        }
        rec.ChannelCount = static_cast<int16_t>(kept);
    }
    s.SavedRadioData = rec;
    s.SavedChannelList = channels;
    if (s.TestModeFlag)
        CallHook(Hooks().LoadTestDataBeside, path);
    RestoreFromSaved();
}
