#include "link/radio_identity.h"

#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "data/model_band.h"
#include "data/value_rules.h"
#include "data/version_dispatch.h"
#include "link/frames.h"
#include "link/radio_link.h"
#include "platform/prompt.h"

namespace {

// A band byte that cannot be a band-plan index becomes this value, which no index equals.
constexpr int kBandFallback = 0x30;

bool IsTextEnd(uint8_t b) { return b == 0xFF || b == 0x00; }

uint8_t At(const QByteArray &bytes, int i) { return static_cast<uint8_t>(bytes.at(i)); }

void SetFlagFromBit(int16_t &flag, uint8_t byte, int bit)
{
    if (flag == 0)
        flag = static_cast<int16_t>((byte >> bit) & 1);
}

} // namespace

QString NormaliseModelCode(const QString &code)
{
    const QString cut = TrimFixStr(code);
    return cut == QLatin1String("K58TX") ? QStringLiteral("K58TXA") : cut;
}

bool IsSameModelCode(const QString &a, const QString &b) { return NormaliseModelCode(a) == NormaliseModelCode(b); }

bool ParseIdentifyReply(const QByteArray &reply)
{
    AppState &st = State();
    const int k = st.ReplySkip;
    if (!IsIdentifyReplyFrame(reply))
        return false;

    QByteArray model;
    for (int p = 1; p <= 7; ++p) {
        if (IsTextEnd(At(reply, k + p)))
            break;
        model.append(reply.at(k + p));
    }
    st.RadioModelCode = NormaliseModelCode(QString::fromLatin1(model));

    int band = At(reply, k + 8);
    if (band % 16 > 7)
        band = kBandFallback;
    if (band > 0x37)
        band = kBandFallback;
    st.RadioBandCode = static_cast<int16_t>(band);
    st.RadioBandText = BandRangeText(band);

    // Unlike the model code, the version passes over FF and 00 bytes wherever they stand.
    QByteArray version;
    for (int p = 9; p <= 12; ++p)
        if (!IsTextEnd(At(reply, k + p)))
            version.append(reply.at(k + p));
    st.RadioVersion = QString::fromLatin1(version);

    const uint8_t options = At(reply, k + 13);
    SetFlagFromBit(st.FeatureFlags.Flag7, options, 7);
    SetFlagFromBit(st.FeatureFlags.Flag6, options, 6);
    if (st.FeatureFlags.DtmfFlag == 0)
        st.FeatureFlags.DtmfFlag = 1;
    SetFlagFromBit(st.FeatureFlags.Flag4, options, 4);
    CallHook(Hooks().ShowIdentifyMenus);
    CallHook(Hooks().LoadShowTree);

    const uint8_t status = At(reply, k + 14);
    st.RadioKilled = (status & 0x01) != 0;
    st.RadioStunned = (status & 0x02) != 0;
    return true;
}

bool CheckRadioIdentity()
{
    AppState &st = State();
    Link().WaitTimer.stop();
    const ModalGuard guard; // replies that come while a message is open are dropped
    bool ok = true;

    const QString soft = QString::fromLatin1(kSoftVersion);
    const bool sameModel = IsSameModelCode(st.CurModelCode, st.RadioModelCode);
    if (!sameModel) {
        ok = false;
        const QString crlf = QStringLiteral("\r\n");
        prompt().MsgBox(InCurrentLanguage(MessageTable().MsgModelWrong) + crlf + QStringLiteral("PC is ") +
                            ModelDisplayName(st.CurModelCode) + crlf + QStringLiteral("Radio is ") +
                            ModelDisplayName(st.RadioModelCode),
                        vbOKOnly);
    } else if (st.RadioVersion != soft && !IsVersionPairListed(soft, st.RadioVersion)) {
        ok = false;
        if (prompt().MsgBox(VersionMismatchText(soft, st.RadioVersion, MkRadio), vbYesNo) == vbYes &&
            RunSoftVersionForFirm(st.RadioVersion) == HandOverResult::StartFailed)
            prompt().MsgBox(GetLangText(9063), vbOKOnly);
    }

    if (st.CurOperation != OpWriteRadio)
        return ok;
    if (st.RadioBandCode != st.CurBandPlanIndex) {
        prompt().MsgBox(InCurrentLanguage(MessageTable().MsgBandWrong), vbOKOnly + vbExclamation);
        ok = false;
    }
    if (ok && st.RadioKilled) {
        prompt().MsgBox(InCurrentLanguage(MessageTable().MsgRadioKilled), vbOKOnly);
        ok = false;
    } else if (ok && st.RadioStunned) {
        prompt().MsgBox(InCurrentLanguage(MessageTable().MsgRadioStunned), vbOKOnly);
        ok = false;
    }
    return ok;
}
