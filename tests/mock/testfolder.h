#pragma once
// A temporary data folder for one test, made the current directory while it lives,
// with the preference store pointed at a file inside it.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TestDataFolder
{
  public:
    TestDataFolder();
    ~TestDataFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }
    QByteArray read(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;

  private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// A whole file's bytes: none when it cannot be read.
QByteArray ReadBytes(const QString &path);
// Replaces a file's bytes; a file that cannot be written fails the test.
void WriteBytes(const QString &path, const QByteArray &bytes);
// Bytes that do not compress, the same for the same seed.
QByteArray NoiseBytes(int size, quint32 seed);
