#include "common/test_env.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "data/app_state.h"
#include "data/hooks.h"
#include "link/link_windows.h"
#include "platform/prompt.h"

namespace testenv {

void GlobalEnvironment::SetUp()
{
    // As the program's start-up does; a test that wants no window replaces the service.
    InstallQtPrompt();
    RegisterLinkWindows();
    ResetState();
    ResetHooks();
}

bool CopyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = to + QLatin1Char('/') + rel;
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(dst))
                return false;
        } else {
            QDir().mkpath(QFileInfo(dst).path());
            QFile::remove(dst);
            if (!QFile::copy(src, dst))
                return false;
            QFile(dst).setPermissions(QFile(dst).permissions() | QFileDevice::WriteOwner);
        }
    }
    return true;
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

TempProgramDir::TempProgramDir()
{
    hadEnv_ = qEnvironmentVariableIsSet("TORVA_PROGRAM_DIR");
    oldEnv_ = qgetenv("TORVA_PROGRAM_DIR");
    CopyTree(QStringLiteral(TORVA_STAGE_ROOT), dir_.path());
    QDir().mkpath(programDir());
    qputenv("TORVA_PROGRAM_DIR", programDir().toLocal8Bit());
}

TempProgramDir::~TempProgramDir()
{
    if (hadEnv_)
        qputenv("TORVA_PROGRAM_DIR", oldEnv_);
    else
        qunsetenv("TORVA_PROGRAM_DIR");
}

QString TempProgramDir::root() const { return dir_.path(); }
QString TempProgramDir::programDir() const { return dir_.path() + QStringLiteral("/V101"); }

void AppTest::SetUp()
{
    ResetState();
    ResetHooks();
    programDir = std::make_unique<TempProgramDir>();
    script = std::make_unique<ScriptedPrompt>();
}

void AppTest::TearDown()
{
    script.reset();
    programDir.reset();
    ResetHooks();
    ResetState();
}

} // namespace testenv
