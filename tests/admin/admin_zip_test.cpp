// zipdb build and zip run as child processes on a handmade SKK dictionary.
#include "adminsupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

TEST(AdminZip, BuildsTheDatabaseAndListsMatchesAsTheLookupWindowDoes)
{
    QTemporaryDir dir;
    QFile source(dir.filePath("zip.dic"));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    // Plain ASCII is valid EUC-JIS-2004; the addresses are enough to check the listing.
    source.write(";; test\n1000001 /Tokyo Chiyoda/\n1000002 /Tokyo Kokyo Gaien/\n1530064 /Tokyo Meguro/\n");
    source.close();
    const AdminRun build = RunAdmin({"zipdb", "build", dir.filePath("ZipDB.IDX"), source.fileName()});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_TRUE(build.out.contains(QStringLiteral("SKK dictionary, 3 addresses"))) << build.out.toStdString();

    const AdminRun byCode = RunAdmin({"zip", dir.path(), "100-0001"});
    EXPECT_EQ(byCode.exitCode, 0);
    EXPECT_EQ(byCode.outLines(), QStringList{"100-0001 Tokyo Chiyoda"});
    const AdminRun byAddress = RunAdmin({"zip", dir.path(), "tokyo"});
    EXPECT_EQ(byAddress.outLines(),
              QStringList({"100-0001 Tokyo Chiyoda", "100-0002 Tokyo Kokyo Gaien", "153-0064 Tokyo Meguro"}));
    EXPECT_EQ(RunAdmin({"zip", dir.path(), "Osaka"}).exitCode, 1);
    EXPECT_EQ(RunAdmin({"zip", dir.path()}).exitCode, 2);
    const AdminRun missing = RunAdmin({"zip", dir.filePath("nowhere"), "1000001"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("cannot read"))) << missing.err.toStdString();
    // A file of neither kind is refused and leaves the database as it was.
    EXPECT_EQ(RunAdmin({"zipdb", "build", dir.filePath("ZipDB.IDX"), dir.filePath("ZipDB.IDX")}).exitCode, 1);
    EXPECT_EQ(RunAdmin({"zip", dir.path(), "1530064"}).outLines(), QStringList{"153-0064 Tokyo Meguro"});
}
