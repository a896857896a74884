#include "store/pendingrestore.h"

#include "store/fdio.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

bool MarkRestoreReady(const QString &staging, const QStringList &names)
{
    QSaveFile mark(QDir(staging).filePath(kRestoreReadyMark));
    if (!mark.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = names.join(QLatin1Char('\n')).toUtf8() + '\n';
    return mark.write(text) == text.size() && mark.commit();
}

bool FinishRestore(const QString &staging, const QString &dataFolder)
{
    QDir dir(staging);
    QFile mark(dir.filePath(kRestoreReadyMark));
    if (mark.open(QIODevice::ReadOnly)) {
        const QStringList names = QString::fromUtf8(mark.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        mark.close();
        for (const QString &name : names) {
            // A name that only leads elsewhere is not one a restore wrote.
            if (name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.')))
                return false;
            const QString from = dir.filePath(name);
            // Already moved before the stop.
            if (!QFile::exists(from))
                continue;
            if (std::rename(QFile::encodeName(from).constData(),
                            QFile::encodeName(QDir(dataFolder).filePath(name)).constData()) != 0)
                return false;
        }
        SyncFolder(dataFolder);
    }
    return dir.removeRecursively();
}

bool FinishPendingRestore(const QString &dataFolder)
{
    const QDir dir(dataFolder);
    bool ok = true;
    const QStringList stagings =
        dir.entryList({kRestoreStagingPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : stagings)
        ok = FinishRestore(dir.filePath(name), dataFolder) && ok;
    return ok;
}
