#include "platform/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{
QString overridePath;
}

QString ProgramFolder()
{
    QString dir = QCoreApplication::applicationDirPath();
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

QString ProgramFileIn(const QString &programFolder, const QString &name)
{
    const QString beside = programFolder + QLatin1Char('/') + name;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/soranowa/") + name);
    return QFileInfo::exists(installed) ? installed : beside;
}

QString ProgramFile(const QString &name)
{
    return ProgramFileIn(ProgramFolder(), name);
}

QString DataFolderPath()
{
    if (!overridePath.isEmpty())
        return overridePath;
    const QString beside = ProgramFolder() + QStringLiteral("/data");
    if (QFileInfo(beside).isDir() || QFileInfo(ProgramFolder()).isWritable())
        return beside;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/data");
}

bool EnterDataFolder()
{
    const QString path = DataFolderPath();
    if (!QDir().mkpath(path))
        return false;
    return QDir::setCurrent(path);
}

void SetDataFolderOverride(const QString &path)
{
    overridePath = path;
}
