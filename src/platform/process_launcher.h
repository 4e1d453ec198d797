#pragma once
// Starting another program and ending this one at once, behind one replaceable service so that a
// test can see what would be started without anything being started or ended.

#include <QString>
#include <QStringList>

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts the program in a new process without waiting for it; false when it cannot be started.
    virtual bool StartDetached(const QString &program, const QStringList &arguments,
                               const QString &workingDirectory) = 0;
    // Ends this process with the exit code, running no destructor, exit handler or shutdown step.
    // The real service does not return.
    virtual void EndProcess(int exitCode) = 0;
};

// The service in force; the real one unless a test installed another.
ProcessLauncher &launcher();
// Installs a service (nullptr puts the real one back). The caller keeps ownership.
void setLauncher(ProcessLauncher *service);
