#include "testfolder.h"

#include "platform/datafolder.h"
#include "store/prefs.h"

#include <QDir>
#include <QFile>

TestDataFolder::TestDataFolder() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
    SetDataFolderOverride(m_dir.path());
    SetPrefFile(m_dir.path() + QStringLiteral("/prefs.ini"));
}

TestDataFolder::~TestDataFolder()
{
    SetPrefFile(QString());
    SetDataFolderOverride(QString());
    QDir::setCurrent(m_previous);
}

QByteArray TestDataFolder::read(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TestDataFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}
