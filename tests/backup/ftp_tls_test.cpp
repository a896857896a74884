// The server backup over explicit TLS against a server that refuses anything else, and a
// download that meets a full disk.
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
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>

namespace
{

struct FtpSecureTest : ::testing::Test {
    TestDataFolder root;
    TestPrompt prompt;
    TestFtpServer server;
    QString dataDir = root.path() + QStringLiteral("/data");
    std::unique_ptr<AppData> data;
    QStringList statuses;
    FtpView view{[this](const QString &s) { statuses << s; }, nullptr, nullptr, nullptr};

    void SetUp() override
    {
        SetFtpPasswordStore(std::make_unique<MemoryPasswordStore>());
        QDir().mkpath(dataDir);
        SetDataFolderOverride(dataDir);
        ASSERT_TRUE(EnterDataFolder());
        data = std::make_unique<AppData>(dataDir);
        ASSERT_TRUE(data->records.OpenRecordFiles());
        WriteBytes(dataDir + QStringLiteral("/Shop.snw"), QByteArray("\"shop one\"\r\n"));
        WriteBytes(dataDir + QStringLiteral("/Customer.snw"), NoiseBytes(200000, 11));
    }
    FtpAccount account(const QString &certificate,
                       const QString &password = QString::fromLatin1(TestFtpServer::kPassword)) const
    {
        return {QStringLiteral("127.0.0.1"), server.port(), QString::fromLatin1(TestFtpServer::kUser), password,
                certificate};
    }
};

TEST_F(FtpSecureTest, TlsServerIsUsedWhenItsCertificateIsTrusted)
{
    if (!server.startTls())
        GTEST_SKIP() << "pyftpdlib with TLS or openssl is not available";
    const QByteArray customers = ReadBytes(dataDir + QStringLiteral("/Customer.snw"));

    // A self-signed certificate nobody vouched for: no connection, and no word about the password.
    clsFtpClient ftp;
    EXPECT_FALSE(RunFtpUpload(data->records, ftp, account(QString()), view));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text,
              QStringLiteral("弊社サーバーに接続できません。\r\n接続経路を確認して下さい。\r\n\r\n"));
    EXPECT_TRUE(QDir(server.root()).entryList(QDir::Files).isEmpty());

    // Named as the server's own certificate it is trusted; the server accepts nothing but TLS.
    prompt.clear();
    EXPECT_FALSE(RunFtpUpload(data->records, ftp, account(server.certificate(), QStringLiteral("wrong")), view));
    EXPECT_TRUE(prompt.last().text.startsWith(QStringLiteral("弊社サーバーのログインに失敗しました。")));
    ASSERT_TRUE(RunFtpUpload(data->records, ftp, account(server.certificate()), view))
        << prompt.last().text.toStdString();
    EXPECT_EQ(prompt.last().title, QStringLiteral("送信完了"));
    EXPECT_EQ(QDir(server.root()).entryList(QDir::Files), QStringList{QStringLiteral("SoranowaFtp.snb")});

    WriteBytes(dataDir + QStringLiteral("/Customer.snw"), QByteArray("changed"));
    prompt.clear();
    EXPECT_EQ(RunFtpRestore(data->records, ftp, account(server.certificate()), view), RestoreOutcome::Restored);
    EXPECT_EQ(prompt.last().title, QStringLiteral("ソラノワの再起動"));
    EXPECT_EQ(ReadBytes(dataDir + QStringLiteral("/Customer.snw")), customers);
}

TEST_F(FtpSecureTest, TlsMissingFileAndServerStoppingMidUploadKeepTheEarlierArchive)
{
    if (!server.startTls())
        GTEST_SKIP() << "pyftpdlib with TLS or openssl is not available";
    WriteBytes(dataDir + QStringLiteral("/Customer.snw"), NoiseBytes(8 * 1024 * 1024, 11));
    WriteBytes(server.file(QStringLiteral("SoranowaFtp.snb")), QByteArray("earlier archive"));
    clsFtpClient ftp;
    ftp.Port = server.port();
    ftp.CertificateFile = server.certificate();
    ASSERT_TRUE(ftp.Connect(QStringLiteral("127.0.0.1"), QString::fromLatin1(TestFtpServer::kUser),
                            QString::fromLatin1(TestFtpServer::kPassword)));
    EXPECT_TRUE(ftp.IsSecure());
    EXPECT_EQ(ftp.FileSize(QStringLiteral("SoranowaFtp.snb")), 15);
    const QString fetched = dataDir + QStringLiteral("/fetched.bin");
    EXPECT_EQ(ftp.FileSize(QStringLiteral("nothing.snb")), 0);
    EXPECT_FALSE(ftp.GetFile(QStringLiteral("nothing.snb"), fetched));
    EXPECT_FALSE(QFile::exists(fetched));
    ASSERT_TRUE(ftp.GetFile(QStringLiteral("SoranowaFtp.snb"), fetched));
    EXPECT_EQ(ReadBytes(fetched), QByteArray("earlier archive"));
    ftp.Send = [this](const QString &, qint64) { server.stop(); };
    EXPECT_FALSE(ftp.PutFile(dataDir + QStringLiteral("/Customer.snw"), QStringLiteral("SoranowaFtp.snb")));
    EXPECT_EQ(ReadBytes(server.file(QStringLiteral("SoranowaFtp.snb"))), QByteArray("earlier archive"));
}

// Files may grow only so far while it lives, as on a disk that is nearly full.
class FileSizeLimit
{
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    bool set() const { return m_set; }

  private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
    bool m_set = false;
};

TEST_F(FtpSecureTest, FullDiskDuringDownloadFailsAndTheDataStays)
{
    if (!server.start())
        GTEST_SKIP() << "pyftpdlib is not available";
    WriteBytes(server.file(QStringLiteral("SoranowaFtp.snb")), NoiseBytes(2 * 1024 * 1024, 11));
    QDir().mkpath(QFileInfo(FtpDownloadPath()).absolutePath());
    WriteBytes(FtpDownloadPath(), QByteArray("earlier download"));
    const QByteArray customers = ReadBytes(dataDir + QStringLiteral("/Customer.snw"));

    clsFtpClient ftp;
    RestoreOutcome outcome;
    {
        FileSizeLimit limit(512 * 1024);
        ASSERT_TRUE(limit.set());
        outcome = RunFtpRestore(data->records, ftp, account(QString()), view);
    }
    EXPECT_EQ(outcome, RestoreOutcome::Failed);
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().title, QStringLiteral("送信失敗"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("バックアップファイルの受信に失敗しました。"));
    EXPECT_EQ(statuses.last(), QStringLiteral("切断完了"));
    EXPECT_EQ(ReadBytes(FtpDownloadPath()), QByteArray("earlier download"));
    EXPECT_EQ(QDir(QFileInfo(FtpDownloadPath()).absolutePath()).entryList(QDir::Files),
              QStringList{QStringLiteral("FtpTmp.lzh")}); // no half-written copy left behind
    EXPECT_EQ(ReadBytes(dataDir + QStringLiteral("/Customer.snw")), customers);
    EXPECT_EQ(ReadBytes(dataDir + QStringLiteral("/Shop.snw")), QByteArray("\"shop one\"\r\n"));
    EXPECT_TRUE(data->records.IsOpen());
}

} // namespace
