#pragma once
// Where secrets live between runs of the program: the desktop's keychain in the program, a
// table in memory in tests. A store that cannot be reached says so, so that the caller can keep
// the secret for this run only instead of writing it anywhere in the clear.
#include <QHash>
#include <QString>

class PasswordStore
{
  public:
    enum class Result {
        Ok,
        NotFound,    // the store works but holds nothing under that key
        Unavailable, // no keychain is running, it refused, or it did not answer in time
    };

    virtual ~PasswordStore() = default;
    virtual Result read(const QString &key, QString &password) = 0;
    virtual Result write(const QString &key, const QString &password) = 0;
    virtual Result remove(const QString &key) = 0;
};

// Keeps secrets for as long as the object lives.
class MemoryPasswordStore final : public PasswordStore
{
  public:
    Result read(const QString &key, QString &password) override
    {
        const auto it = m_secrets.constFind(key);
        if (it == m_secrets.constEnd())
            return Result::NotFound;
        password = *it;
        return Result::Ok;
    }
    Result write(const QString &key, const QString &password) override
    {
        m_secrets.insert(key, password);
        return Result::Ok;
    }
    Result remove(const QString &key) override { return m_secrets.remove(key) > 0 ? Result::Ok : Result::NotFound; }
    const QHash<QString, QString> &secrets() const { return m_secrets; }

  private:
    QHash<QString, QString> m_secrets;
};
