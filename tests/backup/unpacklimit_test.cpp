// Archives that would fill the disk: entries claiming, or unpacking to, more than a restore may
// write are refused before anything changes.
#include "rawlzh.h"

#include "backup/backupdata.h"
#include "backup/lzhreader.h"
#include "backup/lzhwriter.h"
#include "mock/testfolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>

namespace
{

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST(UnpackLimit, AnEntryClaimingMoreThanTheLimitIsRefusedOnItsHeader)
{
    TestDataFolder data;
    data.write(QStringLiteral("Sales.snw"), QByteArray("current sales"));
    QTemporaryDir elsewhere;
    const QString hostile = elsewhere.filePath(QStringLiteral("huge.snb"));
    // A tiny entry whose header says it unpacks to a terabyte, behind a harmless one.
    writeFile(hostile, RawLzhArchive({RawLzhEntry("-lh0-", "Shop.snw", "from the archive"),
                                      RawLzhEntry("-lh0-", "Sales.snw", "tiny", 0, qint64(1) << 40)}));
    EXPECT_FALSE(UnpackData(hostile));
    EXPECT_EQ(data.read(QStringLiteral("Sales.snw")), QByteArray("current sales"));
    EXPECT_FALSE(QFile::exists(data.path() + QStringLiteral("/Shop.snw")));
    EXPECT_EQ(QDir(data.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Sales.snw")}); // no staging folder left behind

    // Refused on the header itself, before the entry is even considered.
    QStringList considered;
    const auto consider = [&](const LzhEntry &e) {
        considered << e.name;
        return true;
    };
    EXPECT_FALSE(ReadLzhArchive(hostile, QString(), consider, UnpackByteLimit(data.path())).has_value());
    EXPECT_EQ(considered, QStringList{QStringLiteral("Shop.snw")});

    // The limit never passes the fixed cap nor the room on the disk.
    const qint64 limit = UnpackByteLimit(data.path());
    EXPECT_GT(limit, 0);
    EXPECT_LE(limit, kUnpackCap);
    EXPECT_LE(limit, QStorageInfo(data.path()).bytesAvailable());
    EXPECT_EQ(UnpackByteLimit(data.path() + QStringLiteral("/missing/folder")), 0);
}

TEST(UnpackLimit, TheLimitCountsEveryEntryAndTheBytesActuallyUnpacked)
{
    QTemporaryDir dir;
    // Highly compressible data: a small archive that unpacks to 2 MB, as a bomb would.
    const QString zeros = dir.filePath(QStringLiteral("zeros"));
    writeFile(zeros, QByteArray(1 << 20, '\0'));
    const QString archive = dir.filePath(QStringLiteral("bomb.snb"));
    QFile out(archive);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    ASSERT_TRUE(WriteLzhArchive(out,
                                {{QStringLiteral("A.snw"), zeros, QDateTime::currentDateTime()},
                                 {QStringLiteral("B.snw"), zeros, QDateTime::currentDateTime()}},
                                nullptr));
    out.close();
    ASSERT_LT(QFileInfo(archive).size(), 64 * 1024);

    const auto all = [](const LzhEntry &) { return true; };
    EXPECT_TRUE(ReadLzhArchive(archive, QString(), all, 2 << 20).has_value());
    EXPECT_FALSE(ReadLzhArchive(archive, QString(), all, (2 << 20) - 1).has_value()); // the second entry passes it
    EXPECT_FALSE(ReadLzhArchive(archive, QString(), all, 1000).has_value());

    // An entry whose header understates its size is stopped by the bytes it produces.
    QByteArray understated = RawLzhEntry("-lh0-", "C.snw", QByteArray(5000, 'x'), 0, 10);
    const QString lying = dir.filePath(QStringLiteral("lying.snb"));
    writeFile(lying, RawLzhArchive({understated}));
    const QString target = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(target);
    EXPECT_FALSE(ReadLzhArchive(lying, target, all, 100).has_value());
    EXPECT_LE(QFileInfo(target + QStringLiteral("/C.snw")).size(), 100);
}

} // namespace
