// The server backup against a real FTP server on 127.0.0.1: the round trip, the refusals and
// a server that goes away in the middle of a transfer.
#include "backup/ftpbackup.h"
#include "backup/ftpclient.h"
#include "backup/ftppassword.h"
#include "backup/passwordstore.h"
#include "ftpserver.h"

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/datafolder.h"
#include "store/appdata.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace
{

struct FtpBackupTest : ::testing::Test {
    TestDataFolder root;
    TestPrompt prompt;
    TestFtpServer server;
    QString dataDir = root.path() + QStringLiteral("/data");
    std::unique_ptr<AppData> data;
    QStringList statuses;
    QList<int> progress;
    int maximum = -1;
    FtpView view{[this](const QString &s) { statuses << s; }, nullptr, [this](int m) { maximum = m; },
                 [this](int v) { progress << v; }};

    void SetUp() override
    {
        if (!server.start())
            GTEST_SKIP() << "pyftpdlib is not available";
        SetFtpPasswordStore(std::make_unique<MemoryPasswordStore>());
        // The download goes to the "backup" folder beside the data folder: keep both in the test's folder.
        QDir().mkpath(dataDir);
        SetDataFolderOverride(dataDir);
        ASSERT_TRUE(EnterDataFolder());
        data = std::make_unique<AppData>(dataDir);
        ASSERT_TRUE(data->records.OpenRecordFiles());
        WriteBytes(dataDir + QStringLiteral("/Shop.snw"), QByteArray("\"shop one\"\r\n"));
    }
    FtpAccount account(const QString &password = QString::fromLatin1(TestFtpServer::kPassword)) const
    {
        return {QStringLiteral("127.0.0.1"), server.port(), QString::fromLatin1(TestFtpServer::kUser), password};
    }
};

TEST_F(FtpBackupTest, UploadThenDownloadRestoresTheSameBytes)
{
    const QByteArray customers = NoiseBytes(300000, 7); // large enough for the bar to move
    WriteBytes(dataDir + QStringLiteral("/Customer.snw"), customers);
    clsFtpClient ftp;
    ASSERT_TRUE(RunFtpUpload(data->records, ftp, account(), view));
    EXPECT_EQ(statuses, (QStringList{QStringLiteral("ｻｰﾊﾞｰに接続ﾄﾗｲ中..."), QStringLiteral("ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙの作成中..."),
                                     QStringLiteral("ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙの送信中..."), QString()}));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("送信完了"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("バックアップファイルの送信が完了しました。"));
    EXPECT_TRUE(data->records.IsOpen());
    EXPECT_FALSE(QFile::exists(dataDir + QStringLiteral("/FtpTmp.lzh")));
    EXPECT_EQ(QDir(server.root()).entryList(QDir::Files), QStringList{QStringLiteral("SoranowaFtp.snb")});
    EXPECT_GT(maximum, 0);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_GT(progress.first(), 0);
    EXPECT_LE(*std::max_element(progress.begin(), progress.end()), maximum);
    EXPECT_EQ(progress.last(), 0); // reset at the end

    // A second upload replaces the one server archive.
    WriteBytes(dataDir + QStringLiteral("/Shop.snw"), QByteArray("\"shop two\"\r\n"));
    ASSERT_TRUE(RunFtpUpload(data->records, ftp, account(), view));
    EXPECT_EQ(QDir(server.root()).entryList(QDir::Files), QStringList{QStringLiteral("SoranowaFtp.snb")});

    WriteBytes(dataDir + QStringLiteral("/Shop.snw"), QByteArray("\"changed\"\r\n"));
    WriteBytes(dataDir + QStringLiteral("/Customer.snw"), QByteArray("gone"));
    prompt.clear();
    statuses.clear();
    maximum = -1;
    EXPECT_EQ(RunFtpRestore(data->records, ftp, account(), view), RestoreOutcome::Restored);
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.asked[0].title, QStringLiteral("データ消去の確認"));
    EXPECT_EQ(prompt.asked[1].title, QStringLiteral("ソラノワの再起動"));
    EXPECT_EQ(statuses.last(), QStringLiteral("ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙの受信中..."));
    EXPECT_EQ(maximum, QFileInfo(server.file(QStringLiteral("SoranowaFtp.snb"))).size() / 1000);
    EXPECT_EQ(ReadBytes(dataDir + QStringLiteral("/Shop.snw")), QByteArray("\"shop two\"\r\n"));
    EXPECT_EQ(ReadBytes(dataDir + QStringLiteral("/Customer.snw")), customers);
    EXPECT_EQ(ReadBytes(FtpDownloadPath()), ReadBytes(server.file(QStringLiteral("SoranowaFtp.snb"))));
    EXPECT_EQ(FtpDownloadPath(), QDir::cleanPath(root.path() + QStringLiteral("/backup/FtpTmp.lzh")));
}

TEST_F(FtpBackupTest, RefusedLoginAndUnreachableServerSayWhichItWas)
{
    clsFtpClient ftp;
    EXPECT_FALSE(RunFtpUpload(data->records, ftp, account(QStringLiteral("wrong")), view));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("接続失敗"));
    EXPECT_TRUE(prompt.last().text.startsWith(QStringLiteral("弊社サーバーのログインに失敗しました。\r\n"
                                                             "ユーザー名及びパスワードを確認して下さい。\r\n\r\n530 ")))
        << prompt.last().text.toStdString();
    EXPECT_EQ(statuses.last(), QString());
    EXPECT_TRUE(data->records.IsOpen());
    EXPECT_TRUE(QDir(server.root()).entryList(QDir::Files).isEmpty());

    server.stop();
    prompt.clear();
    EXPECT_EQ(RunFtpRestore(data->records, ftp, account(), view), RestoreOutcome::Stopped);
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().text,
              QStringLiteral("弊社サーバーに接続できません。\r\n接続経路を確認して下さい。\r\n\r\n"));

    EXPECT_FALSE(ftp.Connect(QString(), QStringLiteral("shop"), QStringLiteral("secret")));
}

TEST_F(FtpBackupTest, MissingServerArchiveIsReportedAndTheDataStays)
{
    clsFtpClient ftp;
    prompt.answerNext(PromptAnswer::No);
    EXPECT_EQ(RunFtpRestore(data->records, ftp, account(), view), RestoreOutcome::Stopped);
    EXPECT_EQ(prompt.count(), 1);

    EXPECT_EQ(RunFtpRestore(data->records, ftp, account(), view), RestoreOutcome::Failed);
    EXPECT_EQ(maximum, 0);
    EXPECT_EQ(prompt.last().title, QStringLiteral("送信失敗"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("バックアップファイルの受信に失敗しました。"));
    EXPECT_EQ(statuses.last(), QStringLiteral("切断完了"));
    EXPECT_FALSE(QFile::exists(FtpDownloadPath()));
    EXPECT_EQ(ReadBytes(dataDir + QStringLiteral("/Shop.snw")), QByteArray("\"shop one\"\r\n"));
    EXPECT_TRUE(data->records.IsOpen());
}

TEST_F(FtpBackupTest, ServerStoppingMidTransferFailsAndKeepsTheEarlierCopies)
{
    const QString local = dataDir + QStringLiteral("/big.bin");
    const QByteArray big = NoiseBytes(16 * 1024 * 1024, 7);
    WriteBytes(local, big);
    WriteBytes(server.file(QStringLiteral("SoranowaFtp.snb")), QByteArray("earlier archive"));

    clsFtpClient ftp;
    ftp.Port = server.port();
    ASSERT_TRUE(ftp.Connect(QStringLiteral("127.0.0.1"), QString::fromLatin1(TestFtpServer::kUser),
                            QString::fromLatin1(TestFtpServer::kPassword)));
    EXPECT_FALSE(ftp.IsSecure()); // this server offers no TLS: plain FTP, in active mode
    EXPECT_EQ(ftp.FileSize(QStringLiteral("SoranowaFtp.snb")), 15);
    EXPECT_EQ(ftp.FileSize(QStringLiteral("nothing.snb")), 0);
    ftp.Send = [this](const QString &, qint64) { server.stop(); };
    EXPECT_FALSE(ftp.PutFile(local, QStringLiteral("SoranowaFtp.snb")));
    EXPECT_EQ(ReadBytes(server.file(QStringLiteral("SoranowaFtp.snb"))), QByteArray("earlier archive"));

    ASSERT_TRUE(server.start());
    WriteBytes(server.file(QStringLiteral("SoranowaFtp.snb")), big);
    const QString target = dataDir + QStringLiteral("/fetched.bin");
    WriteBytes(target, QByteArray("earlier download"));
    ftp.Send = nullptr;
    ftp.Port = server.port();
    ASSERT_TRUE(ftp.Connect(QStringLiteral("127.0.0.1"), QString::fromLatin1(TestFtpServer::kUser),
                            QString::fromLatin1(TestFtpServer::kPassword)));
    ftp.Receive = [this](const QString &, qint64) { server.stop(); };
    EXPECT_FALSE(ftp.GetFile(QStringLiteral("SoranowaFtp.snb"), target));
    EXPECT_EQ(ReadBytes(target), QByteArray("earlier download"));
}

} // namespace

#include "backup/ui/frmBackup.h"
#include "backup/ui/frmRestore.h"
#include "backup/ui/ftpframe.h"
#include "store/preferences.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace
{

TEST_F(FtpBackupTest, DialogsSendAndFetchWithTheTypedAccount)
{
    Prefs::FtpHost.set(QStringLiteral("127.0.0.1"));
    Prefs::FtpPort.set(server.port());
    {
        frmBackup dialog(data->records);
        dialog.show();
        auto *button = dialog.findChild<QPushButton *>(QStringLiteral("cmdFtpBackup"));
        ASSERT_NE(button, nullptr);
        QTest::keyClicks(dialog.fraServer->txtUser, QString::fromLatin1(TestFtpServer::kUser));
        QTest::keyClicks(dialog.fraServer->txtPassword, QString::fromLatin1(TestFtpServer::kPassword));
        button->click();
        EXPECT_EQ(prompt.last().title, QStringLiteral("送信完了"));
        EXPECT_TRUE(dialog.isEnabled());
        EXPECT_EQ(dialog.fraServer->lblStatus->text(), QString());
        EXPECT_EQ(dialog.fraServer->prgFtp->value(), 0);
        if (qEnvironmentVariableIsSet("SORANOWA_SCREENSHOTS"))
            dialog.grab().save(qEnvironmentVariable("SORANOWA_SCREENSHOTS") + QStringLiteral("/frmBackup.png"));
    }
    EXPECT_TRUE(QFile::exists(server.file(QStringLiteral("SoranowaFtp.snb"))));
    EXPECT_EQ(Prefs::FtpUser.get(), QString::fromLatin1(TestFtpServer::kUser));

    WriteBytes(dataDir + QStringLiteral("/Shop.snw"), QByteArray("\"changed\"\r\n"));
    frmRestore dialog(data->records);
    dialog.show();
    // The account comes back filled in: the user name from the preferences, the password from this session.
    EXPECT_EQ(dialog.fraServer->txtUser->text(), QString::fromLatin1(TestFtpServer::kUser));
    EXPECT_EQ(dialog.fraServer->txtPassword->text(), QString::fromLatin1(TestFtpServer::kPassword));
    if (qEnvironmentVariableIsSet("SORANOWA_SCREENSHOTS"))
        dialog.grab().save(qEnvironmentVariable("SORANOWA_SCREENSHOTS") + QStringLiteral("/frmRestore.png"));
    dialog.findChild<QPushButton *>(QStringLiteral("cmdFtpRestore"))->click();
    EXPECT_TRUE(dialog.restored());
    EXPECT_EQ(ReadBytes(dataDir + QStringLiteral("/Shop.snw")), QByteArray("\"shop one\"\r\n"));
}

} // namespace
