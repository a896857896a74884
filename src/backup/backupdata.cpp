#include "backup/backupdata.h"

#include "backup/lzhreader.h"
#include "backup/lzhverify.h"
#include "backup/lzhwriter.h"
#include "platform/datafolder.h"
#include "store/pendingrestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <algorithm>

#include <cstdio>

namespace
{

QFileInfoList dataFiles(const QString &folder)
{
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.snw")});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryInfoList();
}

// POSIX rename replaces the target in one step; QFile::rename refuses an existing target.
bool replaceFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

bool IsRestorableName(const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')) || name.contains(QChar(0)))
        return false;
    if (name == QLatin1String(".") || name == QLatin1String("..") || name.startsWith(QLatin1Char('.')))
        return false;
    return name.endsWith(QLatin1String(".snw"), Qt::CaseInsensitive) && name.size() > 4;
}

qint64 UnpackByteLimit(const QString &folder)
{
    // A million orders make under 2 GB; the rest of the disk stays for the program's own writes.
    constexpr qint64 reserve = qint64(32) << 20;
    const QStorageInfo disk(folder);
    if (!disk.isValid() || !disk.isReady())
        return 0;
    return qBound(qint64(0), disk.bytesAvailable() - reserve, kUnpackCap);
}

bool DriveReady(const QString &folder, bool create)
{
    if (folder.isEmpty())
        return false;
    if (create)
        QDir().mkpath(folder);
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && (!create || info.isWritable());
}

QString DriveName(const QString &folder)
{
    QString name = QDir::cleanPath(folder);
    return name.isEmpty() ? folder : name;
}

bool PackData(const QString &archivePath, PackMode mode)
{
    const QString dataFolder = DataFolderPath();
    const QFileInfo target(archivePath);
    std::vector<LzhSource> sources;
    for (const QFileInfo &f : dataFiles(dataFolder))
        sources.push_back({f.fileName(), f.absoluteFilePath(), f.lastModified()});

    // Updating keeps the old entries that no newer data file replaces; they are unpacked here
    // and packed again. An old archive that cannot be read fails the backup, untouched.
    QTemporaryDir kept;
    if (mode == PackMode::Update && target.exists()) {
        if (!kept.isValid())
            return false;
        QHash<QString, QDateTime> modifiedOf;
        for (const LzhSource &s : sources)
            modifiedOf.insert(s.name.toLower(), s.modified);
        std::vector<LzhSource> oldOnes;
        const auto old = ReadLzhArchive(
            archivePath, kept.path(),
            [&](const LzhEntry &e) {
                if (!e.regularFile || !IsRestorableName(e.name))
                    return false;
                oldOnes.push_back({e.name, kept.filePath(e.name), e.modified});
                return true;
            },
            UnpackByteLimit(kept.path()));
        if (!old)
            return false;
        for (const LzhSource &o : oldOnes) {
            auto it = std::find_if(sources.begin(), sources.end(),
                                   [&](const LzhSource &s) { return sameName(s.name, o.name); });
            if (it == sources.end())
                sources.push_back(o);
            else if (o.modified.isValid() && it->modified.toSecsSinceEpoch() <= o.modified.toSecsSinceEpoch())
                *it = o; // the archived copy is as new as the data file
        }
    }

    QTemporaryFile temp(target.absolutePath() + QLatin1Char('/') + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return false;
    std::vector<LzhEntryInfo> written;
    if (!WriteLzhArchive(temp, sources, &written))
        return false;
    temp.close();

    // Read the new archive back: every entry must come out as it went in.
    const auto readBack = VerifyLzhArchive(temp.fileName());
    if (!readBack || readBack->size() != written.size())
        return false;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const LzhEntryInfo &r = (*readBack)[i];
        const LzhEntryInfo &w = written[i];
        if (r.name != w.name || r.size != w.size || r.crc != w.crc)
            return false;
    }
    if (!replaceFile(temp.fileName(), archivePath))
        return false;
    temp.setAutoRemove(false);
    return true;
}

bool UnpackData(const QString &archivePath)
{
    const QString dataFolder = DataFolderPath();
    if (!QFileInfo(archivePath).isFile())
        return false;
    // Unpacked beside the data files, so each one moves into place by a rename; the files move
    // only once all of them are complete, and a stop while they move is finished at the next
    // open of the record files.
    QTemporaryDir staging(dataFolder + QLatin1Char('/') + kRestoreStagingPrefix + QStringLiteral("XXXXXX"));
    if (!staging.isValid())
        return false;
    QStringList names;
    const auto entries = ReadLzhArchive(
        archivePath, staging.path(),
        [&](const LzhEntry &e) {
            if (!e.regularFile || !IsRestorableName(e.name))
                return false;
            names << e.name;
            return true;
        },
        UnpackByteLimit(staging.path()));
    if (!entries || !MarkRestoreReady(staging.path(), names))
        return false;
    return FinishRestore(staging.path(), dataFolder);
}
