// Packing the data folder and restoring it: update mode, and archives that must change nothing.
#include "archivetools.h"
#include "rawlzh.h"

#include "backup/backupdata.h"
#include "backup/lzhreader.h"
#include "mock/testfolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace
{

QStringList entryNames(const QString &archive)
{
    QStringList names;
    const auto entries = ReadLzhArchive(archive, QString(), [](const LzhEntry &) { return true; });
    if (entries)
        for (const LzhEntry &e : *entries)
            names << e.name;
    return names;
}

void setModified(const QString &path, const QDateTime &when)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}

struct PackTest : ::testing::Test {
    TestDataFolder data;
    QTemporaryDir elsewhere;
    QString archive = elsewhere.filePath(QStringLiteral("Soranowa.snb"));

    void SetUp() override
    {
        data.write(QStringLiteral("Customer.snw"), QByteArray(5000, 'C'));
        data.write(QStringLiteral("Sales.snw"), QByteArray("sale record ").repeated(900));
        data.write(QStringLiteral("Shop.snw"), QByteArray("\x83\x5c\x83\x89\x83\x6d\x83\x8f\r\n"));
        data.write(QStringLiteral("notes.txt"), QByteArray("not part of the data"));
    }

    // Every file of the data folder with its bytes.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        for (const QString &name :
             QDir(data.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot))
            files.insert(name, data.read(name));
        return files;
    }
};

TEST_F(PackTest, PacksOnlyTheSnwFilesAndRestoresThemInPlace)
{
    ASSERT_TRUE(PackData(archive));
    EXPECT_EQ(entryNames(archive),
              (QStringList{QStringLiteral("Customer.snw"), QStringLiteral("Sales.snw"), QStringLiteral("Shop.snw")}));
    EXPECT_TRUE(QDir(elsewhere.path()).entryList(QDir::Files) == QStringList{QStringLiteral("Soranowa.snb")})
        << "no temporary file is left beside the archive";

    const QByteArray sales = data.read(QStringLiteral("Sales.snw"));
    data.write(QStringLiteral("Sales.snw"), QByteArray("changed since"));
    QFile::remove(data.file(QStringLiteral("Shop.snw")));
    ASSERT_TRUE(UnpackData(archive));
    EXPECT_EQ(data.read(QStringLiteral("Sales.snw")), sales);
    EXPECT_EQ(data.read(QStringLiteral("Shop.snw")), QByteArray("\x83\x5c\x83\x89\x83\x6d\x83\x8f\r\n"));
    EXPECT_EQ(data.read(QStringLiteral("notes.txt")), QByteArray("not part of the data"));
    EXPECT_FALSE(snapshot().keys().join(QLatin1Char(' ')).contains(QLatin1String(".restore")))
        << "the staging folder is gone";
}

TEST_F(PackTest, UpdateKeepsOldEntriesAndTakesNewerFilesWhileReplaceStartsAfresh)
{
    const QDateTime old = QDateTime::currentDateTime().addDays(-2);
    for (const QString &name :
         {QStringLiteral("Customer.snw"), QStringLiteral("Sales.snw"), QStringLiteral("Shop.snw")})
        setModified(data.file(name), old);
    ASSERT_TRUE(PackData(archive));

    QFile::remove(data.file(QStringLiteral("Shop.snw")));               // gone from the folder: kept in the archive
    data.write(QStringLiteral("Sales.snw"), QByteArray("newer sales")); // newer: replaces its entry
    data.write(QStringLiteral("Staff.snw"), QByteArray("new file"));    // new: added
    ASSERT_TRUE(PackData(archive, PackMode::Update));
    EXPECT_EQ(entryNames(archive).size(), 4);

    QTemporaryDir out;
    ASSERT_TRUE(ReadLzhArchive(archive, out.path(), [](const LzhEntry &) { return true; }).has_value());
    const auto read = [&](const char *name) {
        QFile f(out.filePath(QString::fromLatin1(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    };
    EXPECT_EQ(read("Sales.snw"), QByteArray("newer sales"));
    EXPECT_EQ(read("Shop.snw"), QByteArray("\x83\x5c\x83\x89\x83\x6d\x83\x8f\r\n"));
    EXPECT_EQ(read("Staff.snw"), QByteArray("new file"));
    EXPECT_EQ(read("Customer.snw"), QByteArray(5000, 'C'));

    ASSERT_TRUE(PackData(archive, PackMode::Replace));
    EXPECT_EQ(entryNames(archive),
              (QStringList{QStringLiteral("Customer.snw"), QStringLiteral("Sales.snw"), QStringLiteral("Staff.snw")}));
}

TEST_F(PackTest, AFailedUpdateLeavesTheEarlierArchiveAsItWas)
{
    ASSERT_TRUE(PackData(archive));
    QFile f(archive);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x55);
    f.seek(0);
    f.write(bytes);
    f.close();
    EXPECT_FALSE(PackData(archive, PackMode::Update));
    QFile again(archive);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), bytes);
}

TEST_F(PackTest, HostileOrDamagedArchivesChangeNothing)
{
    ASSERT_TRUE(PackData(archive));
    QFile good(archive);
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray goodBytes = good.readAll();
    good.close();
    data.write(QStringLiteral("Customer.snw"), QByteArray("current customers"));
    const auto before = snapshot();

    const QByteArray fresh = RawLzhEntry("-lh0-", "Customer.snw", "from the archive");
    QByteArray flipped = goodBytes;
    flipped[flipped.size() - 40] = char(flipped[flipped.size() - 40] ^ 0x01);
    QByteArray flippedMiddle = goodBytes;
    flippedMiddle[flippedMiddle.size() / 2] = char(flippedMiddle[flippedMiddle.size() / 2] ^ 0x10);
    QByteArray badHeader = goodBytes;
    badHeader[3] = 'X'; // inside the first method id: the header CRC no longer matches
    const QList<QPair<const char *, QByteArray>> cases = {
        {"parent folder", RawLzhArchive({fresh, RawLzhEntry("-lh0-", "../evil.snw", "x")})},
        {"absolute path", RawLzhArchive({fresh, RawLzhEntry("-lh0-", "/tmp/evil.snw", "x")})},
        {"drive letter", RawLzhArchive({fresh, RawLzhEntry("-lh0-", "C:evil.snw", "x")})},
        {"subfolder", RawLzhArchive({fresh, RawLzhEntry("-lh0-", "sub\\evil.snw", "x")})},
        {"wrong extension", RawLzhArchive({fresh, RawLzhEntry("-lh0-", "evil.exe", "x")})},
        {"directory", RawLzhArchive({fresh, RawLzhEntry("-lhd-", "Dir.snw", "")})},
        {"link", RawLzhArchive({fresh, RawLzhEntry("-lhd-", "Link.snw|/etc/passwd", "", 0120777)})},
        {"flipped data byte", flipped},
        {"flipped byte in the middle", flippedMiddle},
        {"damaged header", badHeader},
        {"cut short", goodBytes.left(goodBytes.size() / 2)},
        {"not an archive", QByteArray("plain text, no archive at all")},
    };
    for (const auto &[what, bytes] : cases) {
        const QString hostile = elsewhere.filePath(QStringLiteral("hostile.snb"));
        QFile h(hostile);
        ASSERT_TRUE(h.open(QIODevice::WriteOnly | QIODevice::Truncate));
        h.write(bytes);
        h.close();
        EXPECT_FALSE(UnpackData(hostile)) << what;
        EXPECT_EQ(snapshot(), before) << what;
        EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/evil.snw"))) << what;
        EXPECT_FALSE(QFile::exists(QFileInfo(data.path()).absolutePath() + QStringLiteral("/evil.snw"))) << what;
    }
    // The same hand-built layout with a harmless name is restored: the refusals above are about
    // the names and kinds, not about the layout.
    const QString plain = elsewhere.filePath(QStringLiteral("plain.snb"));
    QFile p(plain);
    ASSERT_TRUE(p.open(QIODevice::WriteOnly));
    p.write(RawLzhArchive({fresh}));
    p.close();
    EXPECT_TRUE(UnpackData(plain));
    EXPECT_EQ(data.read(QStringLiteral("Customer.snw")), QByteArray("from the archive"));
}

TEST_F(PackTest, RestoresArchivesWithTheOlderHeaderLevelsOfOtherPackers)
{
    const QString old = elsewhere.filePath(QStringLiteral("old.lzh"));
    QFile f(old);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(RawLzhArchive({RawLzhOldLevelEntry(0, "Shop.snw", "level zero"),
                           RawLzhOldLevelEntry(1, "Staff.snw", "level one"),
                           RawLzhEntry("-lh0-", "Menu.snw", "level two")}));
    f.close();
    ASSERT_TRUE(UnpackData(old));
    EXPECT_EQ(data.read(QStringLiteral("Shop.snw")), QByteArray("level zero"));
    EXPECT_EQ(data.read(QStringLiteral("Staff.snw")), QByteArray("level one"));
    EXPECT_EQ(data.read(QStringLiteral("Menu.snw")), QByteArray("level two"));
}

TEST(RestorableName, OnlyBareSnwNames)
{
    EXPECT_TRUE(IsRestorableName(QStringLiteral("Sales.snw")));
    EXPECT_TRUE(IsRestorableName(QStringLiteral("BACKUP.SNW")));
    for (const char *bad :
         {"", ".snw", "..", "../a.snw", "a/b.snw", "a\\b.snw", "C:a.snw", "/a.snw", "a.snb", ".a.snw"})
        EXPECT_FALSE(IsRestorableName(QString::fromLatin1(bad))) << bad;
}

} // namespace
