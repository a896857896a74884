#include "app/singleinstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstanceGuard::SingleInstanceGuard(const QString &lockPath)
{
    QString path = lockPath;
    if (path.isEmpty()) {
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty())
            dir = QDir::tempPath();
        path = dir + QStringLiteral("/soranowa.lock");
    }
    m_lock = std::make_unique<QLockFile>(path);
    // A lock left behind by a crashed instance is taken over (its process is gone).
    m_lock->setStaleLockTime(0);
}

bool SingleInstanceGuard::acquire()
{
    return m_lock->tryLock(0);
}

QString DuplicateStartText(const QString &programTitle)
{
    return QStringLiteral("すでに「") + programTitle + QStringLiteral("」は起動されています。") +
           QStringLiteral("\r\n\r\n") + QStringLiteral("ニ重起動はできません。");
}
