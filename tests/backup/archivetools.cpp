#include "archivetools.h"

#include <QProcess>
#include <QStandardPaths>

ToolRun RunTool(const QString &program, const QStringList &args, const QString &workDir)
{
    ToolRun run;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(program, args);
    run.started = p.waitForStarted(10000);
    if (!run.started)
        return run;
    p.waitForFinished(120000);
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.output = QString::fromUtf8(p.readAll());
    return run;
}

bool HaveTool(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}
