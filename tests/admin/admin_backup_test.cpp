// backup and restore run as child processes: exit status 0 only on success.
#include "adminsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace
{
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
} // namespace

TEST(AdminBackup, BacksUpAndRestoresAndRefusesDamagedArchivesWithAFailureStatus)
{
    QTemporaryDir dir;
    const QString data = dir.filePath("data");
    QDir().mkpath(data);
    writeFile(data + "/Sales.snw", QByteArray("order line ").repeated(500));
    writeFile(data + "/Shop.snw", "shop\r\n");
    const QString archive = dir.filePath("nightly.snb");

    const AdminRun backup = RunAdmin({"backup", data, archive});
    ASSERT_EQ(backup.exitCode, 0) << backup.err.toStdString();
    EXPECT_TRUE(QFile::exists(archive));

    writeFile(data + "/Shop.snw", "changed");
    const AdminRun restore = RunAdmin({"restore", data, archive});
    EXPECT_EQ(restore.exitCode, 0) << restore.err.toStdString();
    EXPECT_EQ(ReadBytes(data + "/Shop.snw"), QByteArray("shop\r\n"));

    // A cut-short archive: refused, the data folder unchanged.
    QByteArray bytes = ReadBytes(archive);
    writeFile(dir.filePath("cut.snb"), bytes.left(bytes.size() - 20));
    writeFile(data + "/Shop.snw", "current");
    const AdminRun cut = RunAdmin({"restore", data, dir.filePath("cut.snb")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_EQ(ReadBytes(data + "/Shop.snw"), QByteArray("current"));

    EXPECT_EQ(RunAdmin({"backup", dir.filePath("nowhere"), archive}).exitCode, 1);
    EXPECT_EQ(RunAdmin({"backup", data, dir.filePath("no/such/folder/a.snb")}).exitCode, 1);
    EXPECT_EQ(RunAdmin({"restore", data, dir.filePath("missing.snb")}).exitCode, 1);
    EXPECT_EQ(RunAdmin({"backup", data}).exitCode, 2);
}
