#pragma once
// The password of the backup server's account. It lives in the desktop's keychain; where there
// is none, it is kept in memory for this run of the program only (the staff are told once), and
// it is never written to a plain file.
#include <QHash>
#include <QString>

#include <memory>

class PasswordStore;

class FtpPasswordKeeper
{
  public:
    explicit FtpPasswordKeeper(std::unique_ptr<PasswordStore> store);
    ~FtpPasswordKeeper();

    // The password last used for this account, empty when none is known.
    QString recall(const QString &server, int port, const QString &user);
    // Keeps the password of an account that just logged in; an empty one forgets it.
    void remember(const QString &server, int port, const QString &user, const QString &password);

  private:
    std::unique_ptr<PasswordStore> m_store;
    QHash<QString, QString> m_session;
    bool m_told = false;
};

// The one keeper of this run; the desktop's keychain unless replaced.
FtpPasswordKeeper &FtpPasswords();
// Replaces the store (and with it everything remembered in this run).
void SetFtpPasswordStore(std::unique_ptr<PasswordStore> store);

inline const QString kNoKeychainTitle = QStringLiteral("パスワードの保存");
inline const QString kNoKeychainText =
    QStringLiteral("パスワードを保存できる鍵束（キーリング）がないため、FTPのパスワードはこの起動中だけ記憶します。");
