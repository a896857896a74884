#pragma once
// Third-party readers our archives are checked against; tests skip when they are missing.
#include <QString>
#include <QStringList>

struct ToolRun {
    bool started = false;
    int exitCode = -1;
    QString output;
};

ToolRun RunTool(const QString &program, const QStringList &args, const QString &workDir = QString());
bool HaveTool(const QString &program);
