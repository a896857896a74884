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

QString DataOrProgramFileIn(const QString &dataFolder, const QString &programFolder, const QString &name)
{
    const QString own = QDir(dataFolder).absoluteFilePath(name);
    if (QFileInfo::exists(own))
        return own;
    const QString shipped = ProgramFileIn(programFolder, name);
    return QFileInfo::exists(shipped) ? shipped : own;
}

QString ProgramFile(const QString &name)
{
    return ProgramFileIn(ProgramFolder(), name);
}

bool IsInstalledProgramFolder(const QString &programFolder)
{
    return QFileInfo(programFolder).fileName() == QLatin1String("bin") &&
           QFileInfo(programFolder + QStringLiteral("/../share/soranowa")).isDir();
}

QString UserFilesFolderFor(const QString &programFolder)
{
    // An installed program shares its bin/ with every other program: even where it could write
    // there (as root), a shop's data does not belong beside it.
    if (!IsInstalledProgramFolder(programFolder) &&
        (QFileInfo(programFolder + QStringLiteral("/data")).isDir() || QFileInfo(programFolder).isWritable()))
        return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString UserFilesFolder()
{
    return UserFilesFolderFor(ProgramFolder());
}

QString DataFolderPath()
{
    if (!overridePath.isEmpty())
        return overridePath;
    return UserFilesFolder() + QStringLiteral("/data");
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
