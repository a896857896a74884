#include "testfolder.h"

#include "platform/datafolder.h"
#include "store/prefs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

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
    return ReadBytes(file(name));
}

void TestDataFolder::write(const QString &name, const QByteArray &bytes) const
{
    WriteBytes(file(name), bytes);
}

QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QByteArray NoiseBytes(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator gen(seed);
    gen.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}
