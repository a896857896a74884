#pragma once
// A data folder with its record store, a desktop folder for importErr.txt and the scripted
// prompt service, for the import tests.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "store/appdata.h"
#include "store/cp932.h"
#include "store/specialfolder.h"

#include <QApplication>
#include <QFile>
#include <QWidget>
#include <QTemporaryDir>

inline QByteArray Cp932Lines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += ToCp932(l) + "\r\n";
    return out;
}

inline QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A text field as stored: CP932, blank-padded to its width.
inline QByteArray Field(const QString &text, int width)
{
    QByteArray b = ToCp932(text);
    return b + QByteArray(width - b.size(), ' ');
}

// With SORANOWA_SHOTS set to a folder, the window as the staff see it goes there as a picture.
inline void Shoot(QWidget *w, const QString &name)
{
    const QString shots = qEnvironmentVariable("SORANOWA_SHOTS");
    if (shots.isEmpty())
        return;
    QApplication::processEvents();
    w->grab().save(shots + QLatin1Char('/') + name + QStringLiteral(".png"));
}

class ImportTest : public ::testing::Test
{
  protected:
    ImportTest() { SetSpecialFolderOverride(0, desktop.path()); }
    ~ImportTest() override { SetSpecialFolderOverride(0, QString()); }

    // Opens the record files of the folder (written beforehand) and builds the tables.
    void openStore()
    {
        ASSERT_TRUE(data.records.OpenRecordFiles());
        ASSERT_TRUE(data.records.BuildIndexes());
    }
    QString errorLogPath() const { return desktop.filePath(QStringLiteral("importErr.txt")); }

    TestDataFolder folder;
    QTemporaryDir desktop;
    TestPrompt prompt;
    AppData data{folder.path()};
};
