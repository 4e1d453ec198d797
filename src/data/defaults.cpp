#include "data/defaults.h"

#include <QFileInfo>
#include <QLocale>

#include "data/app_state.h"
#include "data/data_file.h"
#include "data/value_rules.h"
#include "platform/numbers.h"
#include "platform/program_dir.h"

namespace {

// The template that stands in when the current model and band plan have none of their own.
const char *const kFallbackTemplate = "Init/TORVA6Y_0.dat";

// A frequency in MHz as the default channels store it: written "000.0000", then as nine digits.
FixStr<9> StoredFre(double mhz)
{
    return FixStr<9>::fromBytes(FreTextToStored(FormatNumber(mhz, QStringLiteral("000.0000"))).toLatin1());
}

// Puts c into slot ChannelCount and counts it; with every slot in use there is no room left.
void AppendChannel(const ChannelRecord &c)
{
    AppState &s = State();
    const int count = s.RadioData.ChannelCount;
    if (count < 0 || count >= kChannelSlots)
        return;
    s.ChannelList[static_cast<std::size_t>(count)] = c;
    s.RadioData.ChannelCount = static_cast<int16_t>(count + 1);
}

// A default channel built from nothing: used, skipped by scan, no offset, empty name, CTCSS
// index 20 both ways, custom tone 151.1 Hz, code "00000", everything else 0.
ChannelRecord DefaultChannel(int number, double rxMhz)
{
    ChannelRecord c;
    c.Number = static_cast<int16_t>(number);
    c.Used = 1;
    c.ScanSkip = 1;
    c.RxFrequency = StoredFre(rxMhz);
    c.TxOffset = StoredFre(0.0);
    c.OffsetDir = OffsetNone;
    c.Name = FixStr<6>::EmptyNul();
    c.EncodeCtcssIndex = 20;
    c.DecodeCtcssIndex = 20;
    c.CustomCtcss = 1511;
    c.Code.assign("00000");
    return c;
}

// A date field: the text in the system's short date format, a NUL, then spaces.
FixStr<16> DateField(const QDate &day)
{
    QByteArray text = QLocale::system().toString(day, QLocale::ShortFormat).toLatin1();
    text.append('\0');
    return FixStr<16>::fromBytes(text);
}

} // namespace

void InitDtmfBlock() { SetDefaults(State().RadioData.SignallingRecord.DtmfBlock); }

void InitTwoToneBlock() { SetDefaults(State().RadioData.SignallingRecord.TwoToneBlock.General); }

void InitFiveToneBlock()
{
    RadioDataRecord &r = State().RadioData;
    SetDefaults(r.SignallingRecord.FiveToneBlock);
    r.FiveToneDecodeTime = 2;
    SetDefaults(r.SignallingRecord.TwoToneBlock.Entries);
}

void InitOptionBlock()
{
    RadioDataRecord &r = State().RadioData;
    SetDefaults(r.SignallingRecord.OptionBlock);
    r.Pf1KeyFunction = 0;
    r.Pf2KeyFunction = 0;
    r.FmRadioEnable = 0;
}

void InitScanBlock() { SetDefaults(State().RadioData.SignallingRecord.ScanBlock); }

void InitAlertBlock() { SetDefaults(State().RadioData.SignallingRecord.AlertBlock); }

void InitCommBook() { SetDefaults(State().RadioData.CommBook); }

void InitDataBlocks()
{
    InitDtmfBlock();
    InitTwoToneBlock();
    InitFiveToneBlock();
    InitOptionBlock();
    InitScanBlock();
    InitAlertBlock();
    InitCommBook();
}

void InitFmChannels() { SetDefaults(State().RadioData.FmChannelTable); }

void AddDefaultChannel(int number, const QString &rxFreText) { AppendChannel(DefaultChannel(number, Val(rxFreText))); }

void AddMidBandChannel(int number)
{
    AppState &s = State();
    const int slot = s.RadioData.ChannelCount;
    if (slot < 0 || slot >= kChannelSlots)
        return;
    const ChannelRecord &stale = s.ChannelList[static_cast<std::size_t>(slot)];
    // Here the upper limit is not rounded first, unlike the default channels.
    ChannelRecord c = DefaultChannel(number, (s.RxBandLow[0] + s.RxBandHigh[0]) / 2);
    c.ScanSkip = 0;
    c.EncodeCtcssIndex = 0;
    c.DecodeCtcssIndex = 0;
    c.TxOffset.assign("000000000");
    // What the slot held from earlier use stays in the fields that no editor sets.
    c.EncodeDcsBit8 = stale.EncodeDcsBit8;
    c.SignalRelation = stale.SignalRelation;
    c.DecodeDcsBit8 = stale.DecodeDcsBit8;
    c.Reserved1 = stale.Reserved1;
    c.PttIdFlag = stale.PttIdFlag;
    c.Reserved3 = stale.Reserved3;
    c.Reserved4 = stale.Reserved4;
    c.Reserved6 = stale.Reserved6;
    AppendChannel(c);
}

void BuildDefaultChannels()
{
    const AppState &s = State();
    // The middle of each receive band, the upper limit rounded to whole MHz first.
    QString mid[2];
    for (int b = 0; b < 2; ++b) {
        const auto i = static_cast<std::size_t>(b);
        mid[b] = FormatNumber((static_cast<double>(CInt(s.RxBandHigh[i])) + s.RxBandLow[i]) / 2,
                              QStringLiteral("000.0000"));
    }
    const int numbers[8] = {1, 2, 201, 202, 203, 204, 205, 206};
    for (int k = 0; k < 8; ++k)
        AddDefaultChannel(numbers[k], mid[k % 2]);
}

QString InitTemplatePath(const QString &modelCode, int bandPlanIndex)
{
    return ProgramPath(QStringLiteral("Init/%1_%2.dat").arg(modelCode).arg(bandPlanIndex));
}

void LoadInitTemplate()
{
    const AppState &s = State();
    const QString own = InitTemplatePath(s.CurModelCode, s.CurBandPlanIndex);
    if (QFileInfo(own).isFile())
        ReadInitTemplateKeep(own);
    else
        ReadInitTemplate(ProgramPath(QString::fromLatin1(kFallbackTemplate)));
}

void NewFreData()
{
    AppState &s = State();
    s.RadioKilled = 0;
    s.RadioStunned = 0;
    s.ClipboardFilled.fill(0);
    s.FileUntitled = true;
    s.CurFileName = QStringLiteral("new.dat");
    s.CurBookFileName = QStringLiteral("new.cb");
    InitDataBlocks();
    // The slots keep their old contents, no longer in use.
    s.RadioData.ChannelCount = 0;
    InitFmChannels();
    BuildDefaultChannels();
    if (s.SkipInitTemplate == 0)
        LoadInitTemplate();
}

void InitEmbeddedInfo(EmbeddedInfoRecord &info, const QDate &today)
{
    const FixStr<16> date = DateField(today);
    info.BandCode = 0;
    info.SerialNumber.assign(today.toString(QStringLiteral("yyyyMMdd")).toLatin1() + "00000001");
    info.ProductionDate = date;
    info.RepairDate = date;
    info.RepairReason = FixStr<96>::EmptyNul();
    info.VersionText = "V1.01";
    info.AreaCode = QByteArray();
    info.BatchNumber.assign(today.toString(QStringLiteral("MM")).toLatin1() + "-1-E-1");
    info.CustomerCode.assign("001A");
    info.DealerCode = FixStr<16>::EmptyNul();
    info.StockDate = date;
    info.SaleDate = date;
    info.Seller = FixStr<16>::EmptyNul();
}

void InitEmbeddedInfo() { InitEmbeddedInfo(State().EmbeddedInfoBlock, QDate::currentDate()); }

int CountUsedFmChannels()
{
    const FmChannelTable &t = State().RadioData.FmChannelTable;
    int n = 0;
    for (int i = 0; i < kFmChannelEntries - 1; ++i)
        n += t[static_cast<std::size_t>(i)].Used == 1 ? 1 : 0;
    return n;
}

QString GetComboListItem(int index, const QStringList &list, int fallback)
{
    return list.value(index >= 0 && index < list.size() ? index : fallback);
}
