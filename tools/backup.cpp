// soranowa-admin backup / restore: the data folder's "*.snw" files to and from an LZH archive,
// with the checks of the program's own backup and restore.
#include "admin.h"

#include "backup/backupdata.h"
#include "platform/datafolder.h"

#include <QFileInfo>

namespace
{

// DATA_DIR and ARCHIVE, or nullopt after reporting what is wrong.
std::optional<QStringList> folderAndArchive(const QString &command, const QStringList &args, int *status)
{
    QString error;
    const auto parsed = ParseArgs(args, {}, {}, &error);
    if (!parsed || parsed->positional.size() != 2) {
        PrintErr(parsed ? QStringLiteral("%1 takes exactly DATA_DIR and ARCHIVE").arg(command) : error);
        *status = kExitUsage;
        return std::nullopt;
    }
    const QFileInfo folder(parsed->positional.at(0));
    if (!folder.isDir()) {
        PrintErr(QStringLiteral("no data folder %1").arg(parsed->positional.at(0)));
        *status = kExitFailure;
        return std::nullopt;
    }
    return QStringList{folder.absoluteFilePath(), QFileInfo(parsed->positional.at(1)).absoluteFilePath()};
}

} // namespace

int RunBackupCommand(const QStringList &args)
{
    int status = kExitOk;
    const auto paths = folderAndArchive(QStringLiteral("backup"), args, &status);
    if (!paths)
        return status;
    SetDataFolderOverride(paths->at(0));
    // A scheduled backup mirrors the folder; an earlier archive stays until the new one is checked.
    const bool packed = PackData(paths->at(1), PackMode::Replace);
    SetDataFolderOverride(QString());
    if (!packed) {
        PrintErr(QStringLiteral("backup failed: %1 was not written").arg(paths->at(1)));
        return kExitFailure;
    }
    PrintOut(QStringLiteral("backed up to %1").arg(paths->at(1)));
    return kExitOk;
}

int RunRestoreCommand(const QStringList &args)
{
    int status = kExitOk;
    const auto paths = folderAndArchive(QStringLiteral("restore"), args, &status);
    if (!paths)
        return status;
    if (!QFileInfo(paths->at(1)).isFile()) {
        PrintErr(QStringLiteral("no archive %1").arg(paths->at(1)));
        return kExitFailure;
    }
    SetDataFolderOverride(paths->at(0));
    const bool restored = UnpackData(paths->at(1));
    SetDataFolderOverride(QString());
    if (!restored) {
        PrintErr(QStringLiteral("restore failed: the archive is damaged or holds entries other than *.snw files; "
                                "the data folder is unchanged"));
        return kExitFailure;
    }
    PrintOut(QStringLiteral("restored from %1").arg(paths->at(1)));
    return kExitOk;
}
