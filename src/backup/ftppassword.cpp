#include "backup/ftppassword.h"

#include "backup/keychainstore.h"
#include "backup/passwordstore.h"
#include "platform/prompt.h"

namespace
{

QString keyOf(const QString &server, int port, const QString &user)
{
    return QStringLiteral("ftp://%1@%2:%3").arg(user, server.trimmed().toLower()).arg(port);
}

std::unique_ptr<FtpPasswordKeeper> &keeper()
{
    static std::unique_ptr<FtpPasswordKeeper> one;
    return one;
}

} // namespace

FtpPasswordKeeper::FtpPasswordKeeper(std::unique_ptr<PasswordStore> store) : m_store(std::move(store))
{
}

FtpPasswordKeeper::~FtpPasswordKeeper() = default;

QString FtpPasswordKeeper::recall(const QString &server, int port, const QString &user)
{
    const QString key = keyOf(server, port, user);
    const auto known = m_session.constFind(key);
    if (known != m_session.constEnd())
        return *known;
    QString password;
    if (m_store->read(key, password) == PasswordStore::Result::Ok) {
        m_session.insert(key, password);
        return password;
    }
    return QString();
}

void FtpPasswordKeeper::remember(const QString &server, int port, const QString &user, const QString &password)
{
    const QString key = keyOf(server, port, user);
    const auto known = m_session.constFind(key);
    if (known != m_session.constEnd() && *known == password)
        return; // already where it belongs
    m_session.insert(key, password);
    const PasswordStore::Result stored = password.isEmpty() ? m_store->remove(key) : m_store->write(key, password);
    if (stored == PasswordStore::Result::Unavailable && !m_told) {
        m_told = true;
        ShowInformation(kNoKeychainTitle, kNoKeychainText);
    }
}

FtpPasswordKeeper &FtpPasswords()
{
    if (!keeper())
        keeper() = std::make_unique<FtpPasswordKeeper>(std::make_unique<KeychainPasswordStore>());
    return *keeper();
}

void SetFtpPasswordStore(std::unique_ptr<PasswordStore> store)
{
    keeper() = std::make_unique<FtpPasswordKeeper>(std::move(store));
}
