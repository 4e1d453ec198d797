#include "data/version_dispatch.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/value_rules.h"
#include "platform/numbers.h"
#include "platform/process_launcher.h"
#include "platform/program_dir.h"
#include "platform/prompt.h"

namespace {

constexpr int kVersionBuffer = 512;
// Version texts are "V" and three digits, so no sane table holds more entries than this; a larger
// count is cut here instead of reading the file thousands of times.
constexpr int kMaxVersionEntries = 1000;

QString ReadVersionValue(const QString &file, const QString &section, const QString &key)
{
    return TrimFixStr(ReadProfileText(file, section, key, kVersionBuffer));
}

// A count of at least 1, or 0 when the text is not such a number.
int ReadCount(const QString &file, const QString &key)
{
    const QString text = ReadVersionValue(file, QStringLiteral("Version"), key);
    if (!IsNumeric(text))
        return 0;
    const double v = Val(text);
    if (!(v >= 0.5))
        return 0;
    return v > kMaxVersionEntries ? kMaxVersionEntries : int(CInt(v));
}

qsizetype LastSeparator(const QString &path)
{
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}

QString ThisProgramFileName()
{
    if (QCoreApplication::instance())
        return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QStringLiteral("TORVA_6Y");
}

} // namespace

void LoadVersionTable()
{
    AppState &st = State();
    st.RadioData.FileVersion = QByteArray(kSoftVersion);

    const QString file = VersionRootFolder(ProgramDir()) + QStringLiteral("/Version.ini");
    st.CurrentVersionText =
        ReadVersionValue(file, QStringLiteral("Version"), QStringLiteral("CurrentVersion")).leftJustified(4, QLatin1Char(' '), true);

    const int softCount = ReadCount(file, QStringLiteral("SoftVersionCount"));
    const int firmCount = ReadCount(file, QStringLiteral("FirmVersionCount"));
    const QString self = QString::fromLatin1(kSoftVersion);

    st.SoftVersionList.clear();
    for (int i = 0; i < softCount; ++i)
        st.SoftVersionList.append(ReadVersionValue(file, QStringLiteral("Soft"), QStringLiteral("Version%1").arg(i)));
    if (softCount == 0)
        st.SoftVersionList.append(self);

    st.VersionPairTable.clear();
    for (int j = 0; j < firmCount; ++j) {
        const QString pair = ReadVersionValue(file, QStringLiteral("Firm"), QStringLiteral("Firm%1").arg(j));
        st.VersionPairTable.append(VersionPair{pair.left(4), pair.right(4)});
    }
    if (firmCount == 0)
        st.VersionPairTable.append(VersionPair{self, self});
}

QString VersionRootFolder(const QString &path) { return ParentFolder(path); }

QString ParentFolder(const QString &path)
{
    const qsizetype cut = LastSeparator(path);
    return cut >= 1 ? path.left(cut) : path;
}

QString SoftVersionForFirm(const QString &firm)
{
    for (const VersionPair &p : State().VersionPairTable)
        if (p.Firm == firm)
            return p.Soft;
    return QString();
}

bool IsVersionPairListed(const QString &soft, const QString &firm)
{
    return State().VersionPairTable.contains(VersionPair{soft, firm});
}

QString VersionShownText(const QString &version) { return version.left(2) + QLatin1Char('.') + version.right(2); }

QString VersionMismatchText(const QString &thisVersion, const QString &otherVersion, MismatchKind kind)
{
    const QString crlf = QStringLiteral("\r\n");
    const QString otherLine = kind == MkRadio ? GetLangText(9060) : GetLangText(9064);
    return GetLangText(9062) + crlf + otherLine + QLatin1Char(' ') +
           VersionShownText(otherVersion) + crlf + GetLangText(9061) + QLatin1Char(' ') + VersionShownText(thisVersion);
}

HandOverResult RunSoftVersionForFirm(const QString &firm)
{
    const QString soft = SoftVersionForFirm(firm);
    if (soft.isEmpty()) {
        prompt().MsgBox(GetLangText(9063), vbOKOnly);
        return HandOverResult::NoMatch;
    }
    const QString folder = VersionRootFolder(ProgramDir()) + QLatin1Char('/') + soft;
    const QString program = folder + QLatin1Char('/') + ThisProgramFileName();
    // A missing program is found before the port is touched, so that a failed hand-over leaves
    // the link as it was.
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable())
        return HandOverResult::StartFailed;

    CallHook(Hooks().CloseCommPort);
    if (!launcher().StartDetached(program, QStringList(), folder))
        return HandOverResult::StartFailed;
    launcher().EndProcess(0);
    return HandOverResult::Started;
}
