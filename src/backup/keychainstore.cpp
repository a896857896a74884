#include "backup/keychainstore.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace
{

const QString kService = QStringLiteral("Soranowa");

// Runs a job to its end or to the time limit. A job that outlives the limit deletes itself when
// it finally finishes; nobody waits for it any more.
bool runJob(QKeychain::Job *job, int timeoutMs)
{
    if (!QCoreApplication::instance()) {
        delete job;
        return false;
    }
    job->setAutoDelete(false);
    job->setInsecureFallback(false); // never a plain file
    QEventLoop loop;
    bool finished = false;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished) {
        QObject::disconnect(job, nullptr, &loop, nullptr);
        job->setAutoDelete(true);
        return false;
    }
    return true;
}

PasswordStore::Result resultOf(QKeychain::Error error)
{
    switch (error) {
    case QKeychain::NoError:
        return PasswordStore::Result::Ok;
    case QKeychain::EntryNotFound:
        return PasswordStore::Result::NotFound;
    default:
        return PasswordStore::Result::Unavailable;
    }
}

} // namespace

KeychainPasswordStore::KeychainPasswordStore(int timeoutMs) : m_timeoutMs(timeoutMs)
{
}

PasswordStore::Result KeychainPasswordStore::read(const QString &key, QString &password)
{
    if (m_unreachable)
        return Result::Unavailable;
    auto *job = new QKeychain::ReadPasswordJob(kService);
    job->setKey(key);
    if (!runJob(job, m_timeoutMs)) {
        m_unreachable = true;
        return Result::Unavailable;
    }
    const Result result = resultOf(job->error());
    if (result == Result::Ok)
        password = job->textData();
    delete job;
    m_unreachable = result == Result::Unavailable;
    return result;
}

PasswordStore::Result KeychainPasswordStore::write(const QString &key, const QString &password)
{
    if (m_unreachable)
        return Result::Unavailable;
    auto *job = new QKeychain::WritePasswordJob(kService);
    job->setKey(key);
    job->setTextData(password);
    if (!runJob(job, m_timeoutMs)) {
        m_unreachable = true;
        return Result::Unavailable;
    }
    const Result result = resultOf(job->error());
    delete job;
    m_unreachable = result != Result::Ok;
    return m_unreachable ? Result::Unavailable : Result::Ok;
}

PasswordStore::Result KeychainPasswordStore::remove(const QString &key)
{
    if (m_unreachable)
        return Result::Unavailable;
    auto *job = new QKeychain::DeletePasswordJob(kService);
    job->setKey(key);
    if (!runJob(job, m_timeoutMs)) {
        m_unreachable = true;
        return Result::Unavailable;
    }
    const Result result = resultOf(job->error());
    delete job;
    m_unreachable = result == Result::Unavailable;
    return result;
}
