// Files that ship with the program are found beside a build's executable and in the shared
// folder of an installed one.
#include <gtest/gtest.h>

#include "platform/datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace
{
void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}
} // namespace

TEST(ProgramFile, BesideTheProgramThenInTheInstalledShareFolderThenBesideAsFallback)
{
    QTemporaryDir root;
    const QString bin = root.path() + QStringLiteral("/bin");
    QDir().mkpath(bin);

    // Nothing anywhere: the path beside the program, where a build puts it.
    EXPECT_EQ(ProgramFileIn(bin, QStringLiteral("menuwords.dic")), bin + QStringLiteral("/menuwords.dic"));

    // Installed: bin/../share/soranowa.
    touch(root.path() + QStringLiteral("/share/soranowa/menuwords.dic"));
    QDir().mkpath(root.path() + QStringLiteral("/share/soranowa/help"));
    EXPECT_EQ(ProgramFileIn(bin, QStringLiteral("menuwords.dic")),
              root.path() + QStringLiteral("/share/soranowa/menuwords.dic"));
    EXPECT_EQ(ProgramFileIn(bin, QStringLiteral("help")), root.path() + QStringLiteral("/share/soranowa/help"));

    // A build folder's own copy wins over an installed one.
    touch(bin + QStringLiteral("/menuwords.dic"));
    EXPECT_EQ(ProgramFileIn(bin, QStringLiteral("menuwords.dic")), bin + QStringLiteral("/menuwords.dic"));
}

TEST(UserFiles, ABuildKeepsThemBesideTheProgramAnInstalledProgramPerUser)
{
    QTemporaryDir root;
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

    // A build folder (any name but an installed layout) that may be written.
    const QString build = root.path() + QStringLiteral("/build");
    QDir().mkpath(build);
    EXPECT_FALSE(IsInstalledProgramFolder(build));
    EXPECT_EQ(UserFilesFolderFor(build), build);

    // An installed bin/ beside share/soranowa: per user, although bin/ can be written here.
    const QString bin = root.path() + QStringLiteral("/bin");
    QDir().mkpath(bin);
    EXPECT_EQ(UserFilesFolderFor(bin), bin); // a bin/ alone is just a folder
    QDir().mkpath(root.path() + QStringLiteral("/share/soranowa"));
    EXPECT_TRUE(IsInstalledProgramFolder(bin));
    EXPECT_EQ(UserFilesFolderFor(bin), perUser);
    // Even a data folder someone left in bin/ does not pull the shop's files there.
    QDir().mkpath(bin + QStringLiteral("/data"));
    EXPECT_EQ(UserFilesFolderFor(bin), perUser);
}

TEST(ProgramFile, AShopsOwnCopyInTheDataFolderWinsOverTheShippedOne)
{
    QTemporaryDir root;
    const QString bin = root.path() + QStringLiteral("/bin");
    const QString data = root.path() + QStringLiteral("/home/data");
    QDir().mkpath(bin);
    QDir().mkpath(data);
    const QString name = QStringLiteral("ZipDB.IDX");

    // Neither: reported where the shop would put its copy.
    EXPECT_EQ(DataOrProgramFileIn(data, bin, name), data + QStringLiteral("/ZipDB.IDX"));

    // Installed with the program only.
    touch(root.path() + QStringLiteral("/share/soranowa/ZipDB.IDX"));
    EXPECT_EQ(DataOrProgramFileIn(data, bin, name), root.path() + QStringLiteral("/share/soranowa/ZipDB.IDX"));

    // The data folder's copy.
    touch(data + QStringLiteral("/ZipDB.IDX"));
    EXPECT_EQ(DataOrProgramFileIn(data, bin, name), data + QStringLiteral("/ZipDB.IDX"));
}
