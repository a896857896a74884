#pragma once
// Secrets in the desktop's keychain (the Secret Service on a Linux desktop) through qtkeychain.
// Every call waits for the keychain's answer, but never longer than `timeoutMs`: long enough to
// type the password of a locked keyring into the desktop's own prompt, short enough that a
// keychain that never answers does not freeze the counter for good. Once the keychain proved
// unreachable it is not asked again during this run.
#include "backup/passwordstore.h"

class KeychainPasswordStore final : public PasswordStore
{
  public:
    explicit KeychainPasswordStore(int timeoutMs = 20000);

    Result read(const QString &key, QString &password) override;
    Result write(const QString &key, const QString &password) override;
    Result remove(const QString &key) override;

  private:
    int m_timeoutMs;
    bool m_unreachable = false;
};
