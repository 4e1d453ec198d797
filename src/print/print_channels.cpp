#include <algorithm>
#include <vector>

#include "data/app_state.h"
#include "data/channel_table.h"
#include "data/lang_text.h"
#include "data/tone_tables.h"
#include "data/value_rules.h"
#include "editors/channel/frm_ch_edit.h"
#include "print/print_driver.h"
#include "print/print_sections.h"
#include "print/print_texts.h"

namespace {

constexpr int kBlocksPerPage = 5;

// The text of a channel's decode or encode tone, as the main window's tone lists show it.
QString ToneText(int type, int ctcssIndex, int dcsCode, int inverted)
{
    if (type == CtcCtcss) {
        if (ctcssIndex > 52 || ctcssIndex < 0)
            ctcssIndex = 0;
        if (ctcssIndex == 51)
            return GetLangText(4031); // the custom-tone item that follows the 51 tones
        return CtcssToneText(ctcssIndex);
    }
    if (type == CtcDcs) {
        if (dcsCode > 511 || dcsCode < 0)
            dcsCode = 0;
        QString text = QLatin1Char('D') + DcsCodeText(dcsCode);
        if (inverted > 0)
            text[text.size() - 1] = QLatin1Char('I');
        return text;
    }
    return GetLangText(1206);
}

QString OptionalSignallingText(const ChannelRecord &c)
{
    switch (c.OptSig) {
    case OptSigDtmf: return QStringLiteral("DTMF M") + QString::number(c.DtmfMemoryIndex + 1);
    case OptSig2Tone: return QStringLiteral("2tone ") + QString::number(c.TwoToneIndex);
    case OptSig5Tone: return QStringLiteral("5tone ") + QString::number(c.FiveToneIndex);
    default: return GetLangText(1206);
    }
}

void Prt_ChannelPage(const QWidget *edit, const std::vector<int> &numbers, int page, int used, int perPage)
{
    const AppState &st = State();
    const auto label = [edit](const char *name, int i = -1) { return CaptionOf(edit, QString::fromLatin1(name), i); };
    const auto item = [edit](const char *name, int i, int n) { return ListItemOf(edit, QString::fromLatin1(name), i, n); };
    for (int k = 0; k < perPage; ++k) {
        const int index = perPage * (page - 1) + k;
        if (index >= used)
            return;
        const int n = numbers[static_cast<std::size_t>(index)];
        PrintAt(5, GetLangText(1751) + QLatin1Char(' ') + ChannelNumberToText(n));
        ChannelRecord c{};
        for (int s = 0; s < st.RadioData.ChannelCount && s < kChannelSlots; ++s) {
            if (st.ChannelList[static_cast<std::size_t>(s)].Number == n) {
                c = st.ChannelList[static_cast<std::size_t>(s)];
                break;
            }
        }
        const auto row = [](const QString &a, const QString &b, const QString &cText, const QString &d, bool four = true) {
            StartRow();
            PrintCell(10, a);
            PrintCell(30, b);
            if (four) {
                PrintCell(55, cText);
                PrintCell(75, d);
            }
        };
        row(GetLangText(1101), FreStoredToText(c.RxFrequency.toByteArray()) + QStringLiteral(" MHz"), GetLangText(1102),
            item("Combo2", -1, c.OffsetDir) + QLatin1Char(' ') + TxStoredToText(c.TxOffset.toByteArray()) +
                QStringLiteral(" MHz"));
        row(label("Label1", 2), ShownText(c.Name), GetLangText(1104), item("Combo1", 0, c.StepIndex));
        row(GetLangText(1106), item("Combo1", 1, c.Bandwidth), GetLangText(1109), item("Combo1", 2, c.Power));
        row(label("Label2", 5), ToneText(c.DecodeToneType, c.DecodeCtcssIndex, c.DecodeDcsCode, c.DecodeDcsInverted),
            label("Label2", 10), ToneText(c.EncodeToneType, c.EncodeCtcssIndex, c.EncodeDcsCode, c.EncodeDcsInverted));
        row(label("Label2", 4), OptionalSignallingText(c), label("Label2", 9), item("Combo1", 11, c.SquelchMode));
        row(label("Label2", 7), item("Combo1", 7, c.DtmfPttId), label("Label2", 8), item("Combo1", 8, c.FiveTonePttId));
        row(label("Label2", 13), item("Combo1", 13, c.BusyLock), label("Label2", 6), item("Combo1", 6, c.Scrambler));
        row(label("Check1"), PrtOnOff(c.TxInhibit), label("Check5"), PrtOnOff(c.Compander));
        row(label("Check4", 0), PrtOnOff(c.Reverse), label("Check4", 1), PrtOnOff(c.Talkaround));
        row(label("Check6"), PrtOnOff(c.ScanSkip), QString(), QString(), false);
    }
}

} // namespace

void Prt_UHFChannel()
{
    const AppState &st = State();
    const int used = std::clamp<int>(st.RadioData.ChannelCount, 0, kChannelSlots);
    std::vector<int> numbers;
    for (int s = 0; s < used; ++s)
        numbers.push_back(st.ChannelList[static_cast<std::size_t>(s)].Number);
    std::sort(numbers.begin(), numbers.end());
    const int pages = (used + kBlocksPerPage - 1) / kBlocksPerPage;
    if (pages == 0) {
        PrintHead();
        PrintAt(5, GetLangText(3009) + QStringLiteral("\r\n"));
        EndSectionPage();
        return;
    }
    FrmCHEdit edit; // loaded hidden: its captions and lists in the current language
    edit.hide();
    for (int p = 1; p <= pages; ++p) {
        PrintHead();
        PrintAt(5, GetLangText(3009) + QStringLiteral("\r\n\r\n"));
        Prt_ChannelPage(&edit, numbers, p, used, kBlocksPerPage);
        EndSectionPage();
    }
}
