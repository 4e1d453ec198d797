#include "platform/process_launcher.h"

#include <QProcess>
#include <cstdlib>

namespace {

class RealLauncher : public ProcessLauncher {
public:
    bool StartDetached(const QString &program, const QStringList &arguments,
                       const QString &workingDirectory) override
    {
        return QProcess::startDetached(program, arguments, workingDirectory);
    }
    void EndProcess(int exitCode) override { std::_Exit(exitCode); }
};

RealLauncher g_real;
ProcessLauncher *g_current = &g_real;

} // namespace

ProcessLauncher &launcher() { return *g_current; }

void setLauncher(ProcessLauncher *service) { g_current = service ? service : &g_real; }
