// The server account in the backup dialogs: server and port typed in and kept, the password in
// the keychain when there is one and for this run only when there is none.
#include "backup/ftppassword.h"
#include "backup/keychainstore.h"
#include "backup/passwordstore.h"
#include "backup/ui/frmBackup.h"
#include "backup/ui/ftpframe.h"
#include "ftpserver.h"

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/datafolder.h"
#include "store/appdata.h"
#include "store/preferences.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace
{

class NoKeychain final : public PasswordStore
{
  public:
    Result read(const QString &, QString &) override { return Result::Unavailable; }
    Result write(const QString &, const QString &) override { return Result::Unavailable; }
    Result remove(const QString &) override { return Result::Unavailable; }
};

struct FtpAccountTest : ::testing::Test {
    TestDataFolder root;
    TestPrompt prompt;
    TestFtpServer server;
    QString dataDir = root.path() + QStringLiteral("/data");
    std::unique_ptr<AppData> data;

    void SetUp() override
    {
        if (!server.start())
            GTEST_SKIP() << "pyftpdlib is not available";
        QDir().mkpath(dataDir);
        SetDataFolderOverride(dataDir);
        ASSERT_TRUE(EnterDataFolder());
        data = std::make_unique<AppData>(dataDir);
        ASSERT_TRUE(data->records.OpenRecordFiles());
        QFile shop(dataDir + QStringLiteral("/Shop.snw"));
        ASSERT_TRUE(shop.open(QIODevice::WriteOnly));
        shop.write("\"shop\"\r\n");
    }
    void TearDown() override { SetFtpPasswordStore(std::make_unique<MemoryPasswordStore>()); }

    // Types what is given into the server frame (an empty text leaves the box as it is) and sends.
    void upload(frmBackup &dialog, const QString &password, const QString &port = QString())
    {
        FtpFrame *frame = dialog.fraServer;
        if (!port.isEmpty()) {
            frame->txtHost->setText(QStringLiteral("127.0.0.1"));
            frame->txtPort->setText(port);
            frame->txtUser->setText(QString::fromLatin1(TestFtpServer::kUser));
        }
        if (!password.isEmpty()) {
            frame->txtPassword->clear();
            QTest::keyClicks(frame->txtPassword, password);
        }
        frame->cmdAction->click();
    }
    int countTitled(const QString &title) const
    {
        return static_cast<int>(std::count_if(prompt.asked.begin(), prompt.asked.end(),
                                              [&](const PromptRequest &r) { return r.title == title; }));
    }
};

TEST_F(FtpAccountTest, TypedServerAndAcceptedPasswordAreKeptForTheNextRun)
{
    auto store = std::make_unique<MemoryPasswordStore>();
    MemoryPasswordStore *kept = store.get();
    SetFtpPasswordStore(std::move(store));
    const QString port = QString::number(server.port());
    {
        frmBackup dialog(data->records);
        dialog.show();
        upload(dialog, QStringLiteral("wrong"), port);
        EXPECT_EQ(prompt.last().title, QStringLiteral("接続失敗"));
        EXPECT_TRUE(kept->secrets().isEmpty()); // a refused password is not worth keeping
        upload(dialog, QString::fromLatin1(TestFtpServer::kPassword));
        EXPECT_EQ(prompt.last().title, QStringLiteral("送信完了"));
    }
    EXPECT_EQ(Prefs::FtpHost.get(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(Prefs::FtpPort.get(), server.port());
    EXPECT_EQ(Prefs::FtpUser.get(), QString::fromLatin1(TestFtpServer::kUser));
    ASSERT_EQ(kept->secrets().size(), 1);
    EXPECT_EQ(kept->secrets().begin().value(), QString::fromLatin1(TestFtpServer::kPassword));
    EXPECT_EQ(countTitled(kNoKeychainTitle), 0);

    // The next run finds everything filled in from the preferences and the keychain.
    auto nextRun = std::make_unique<MemoryPasswordStore>();
    for (auto it = kept->secrets().begin(); it != kept->secrets().end(); ++it)
        nextRun->write(it.key(), it.value());
    SetFtpPasswordStore(std::move(nextRun));
    QFile::remove(server.file(QStringLiteral("SoranowaFtp.snb")));
    prompt.clear();
    frmBackup dialog(data->records);
    dialog.show();
    EXPECT_EQ(dialog.fraServer->txtHost->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(dialog.fraServer->txtPort->text(), port);
    EXPECT_EQ(dialog.fraServer->txtPassword->text(), QString::fromLatin1(TestFtpServer::kPassword));
    upload(dialog, QString());
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("送信完了"));
    EXPECT_TRUE(QFile::exists(server.file(QStringLiteral("SoranowaFtp.snb"))));
}

TEST_F(FtpAccountTest, WithoutKeychainThePasswordServesThisRunAndTheStaffAreToldOnce)
{
    SetFtpPasswordStore(std::make_unique<NoKeychain>());
    const QString port = QString::number(server.port());
    {
        frmBackup dialog(data->records);
        dialog.show();
        upload(dialog, QString::fromLatin1(TestFtpServer::kPassword), port);
    }
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.asked[0].title, kNoKeychainTitle);
    EXPECT_EQ(prompt.asked[0].text,
              QStringLiteral(
                  "パスワードを保存できる鍵束（キーリング）がないため、FTPのパスワードはこの起動中だけ記憶します。"));
    EXPECT_EQ(prompt.asked[1].title, QStringLiteral("送信完了"));

    frmBackup dialog(data->records);
    dialog.show();
    EXPECT_EQ(dialog.fraServer->txtPassword->text(), QString::fromLatin1(TestFtpServer::kPassword));
    upload(dialog, QString());
    // A refused password replaces nothing, and the one notice is not repeated.
    dialog.fraServer->txtPassword->setText(QStringLiteral("other"));
    upload(dialog, QString());
    upload(dialog, QString::fromLatin1(TestFtpServer::kPassword));
    EXPECT_EQ(countTitled(kNoKeychainTitle), 1);
    EXPECT_EQ(countTitled(QStringLiteral("送信完了")), 3);
    EXPECT_EQ(countTitled(QStringLiteral("接続失敗")), 1);
}

TEST_F(FtpAccountTest, PortMustBeAPortNumber)
{
    SetFtpPasswordStore(std::make_unique<MemoryPasswordStore>());
    frmBackup dialog(data->records);
    dialog.show();
    for (const QString &bad : {QStringLiteral("70000"), QStringLiteral("0")}) {
        prompt.clear();
        upload(dialog, QString::fromLatin1(TestFtpServer::kPassword), bad);
        ASSERT_EQ(prompt.count(), 1);
        EXPECT_EQ(prompt.last().title, QStringLiteral("ポート番号確認"));
        EXPECT_EQ(prompt.last().text, QStringLiteral("ポート番号は1～65535の数字で入力して下さい。"));
    }
    prompt.clear();
    upload(dialog, QString::fromLatin1(TestFtpServer::kPassword), QStringLiteral("2l"));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("数字以外は入力できません。"));
    EXPECT_FALSE(QFile::exists(server.file(QStringLiteral("SoranowaFtp.snb"))));
    EXPECT_NE(Prefs::FtpPort.get(), 70000);
}

// A real desktop keychain (GNOME Keyring's Secret Service, started by scripts/with-keyring.sh):
// the accepted password goes into it, a later run reads it back, and an emptied one is removed.
TEST_F(FtpAccountTest, WithTheDesktopKeychainTheAcceptedPasswordIsThereInTheNextRun)
{
    if (qgetenv("SORANOWA_SECRET_SERVICE") != "1")
        GTEST_SKIP() << "runs beside its own keychain: scripts/with-keyring.sh";
    SetFtpPasswordStore(std::make_unique<KeychainPasswordStore>());
    const QString port = QString::number(server.port());
    {
        frmBackup dialog(data->records);
        dialog.show();
        upload(dialog, QString::fromLatin1(TestFtpServer::kPassword), port);
        EXPECT_EQ(prompt.last().title, QStringLiteral("送信完了"));
    }
    EXPECT_EQ(countTitled(kNoKeychainTitle), 0);

    // A fresh store is what the next start of the program has: only the keychain remembers.
    KeychainPasswordStore nextRun;
    const QString key = QStringLiteral("ftp://%1@127.0.0.1:%2").arg(QString::fromLatin1(TestFtpServer::kUser), port);
    QString stored;
    ASSERT_EQ(nextRun.read(key, stored), PasswordStore::Result::Ok);
    EXPECT_EQ(stored, QString::fromLatin1(TestFtpServer::kPassword));

    SetFtpPasswordStore(std::make_unique<KeychainPasswordStore>());
    {
        frmBackup dialog(data->records);
        dialog.show();
        EXPECT_EQ(dialog.fraServer->txtPassword->text(), QString::fromLatin1(TestFtpServer::kPassword));
    }
    FtpPasswords().remember(QStringLiteral("127.0.0.1"), server.port(), QString::fromLatin1(TestFtpServer::kUser),
                            QString());
    EXPECT_EQ(KeychainPasswordStore().read(key, stored), PasswordStore::Result::NotFound);
    EXPECT_EQ(countTitled(kNoKeychainTitle), 0);
}

// The machine running the tests has no keychain: the real store must say so, promptly.
TEST(KeychainStore, WithoutASecretServiceItAnswersUnavailableWithoutHanging)
{
    const QByteArray saved = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/soranowa-test-bus");
    KeychainPasswordStore store(3000);
    QElapsedTimer clock;
    clock.start();
    QString password = QStringLiteral("untouched");
    EXPECT_EQ(store.write(QStringLiteral("ftp://shop@127.0.0.1:21"), QStringLiteral("secret")),
              PasswordStore::Result::Unavailable);
    EXPECT_EQ(store.read(QStringLiteral("ftp://shop@127.0.0.1:21"), password), PasswordStore::Result::Unavailable);
    EXPECT_EQ(password, QStringLiteral("untouched"));
    EXPECT_LT(clock.elapsed(), 5000);
    if (saved.isNull())
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    else
        qputenv("DBUS_SESSION_BUS_ADDRESS", saved);
}

} // namespace
