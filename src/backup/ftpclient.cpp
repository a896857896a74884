#include "backup/ftpclient.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <curl/curl.h>

#include <mutex>

struct clsFtpClient::Transfer {
    QFile *source = nullptr;
    QSaveFile *target = nullptr;
    qint64 sent = 0;
    qint64 received = 0;
};

namespace
{

CURL *handle(void *curl)
{
    return static_cast<CURL *>(curl);
}

CURL *newHandle()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    return curl_easy_init();
}

size_t readFrom(char *buffer, size_t size, size_t count, void *file)
{
    const qint64 got = static_cast<QFile *>(file)->read(buffer, static_cast<qint64>(size * count));
    return got < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(got);
}

// A short write (a full disk) makes curl stop the download with an error.
size_t writeTo(char *data, size_t size, size_t count, void *file)
{
    const qint64 wanted = static_cast<qint64>(size * count);
    return static_cast<QSaveFile *>(file)->write(data, wanted) == wanted ? size * count : 0;
}

size_t discard(char *, size_t size, size_t count, void *)
{
    return size * count;
}

} // namespace

clsFtpClient::clsFtpClient() : m_curl(newHandle())
{
}

clsFtpClient::~clsFtpClient()
{
    DisConnect();
    curl_easy_cleanup(handle(m_curl));
}

QString clsFtpClient::url(const QString &serverFile) const
{
    QString path = serverFile;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    return QStringLiteral("ftp://%1:%2/%3").arg(m_server).arg(Port).arg(path);
}

// Every call starts from the same options; curl keeps the logged-in connection across resets.
void clsFtpClient::prepare(Transfer &transfer)
{
    CURL *curl = handle(m_curl);
    curl_easy_reset(curl);
    m_transfer = &transfer;
    if (!m_user.isEmpty() && !m_password.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, m_user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, m_password.constData());
    }
    // Active mode, on the address of the control connection. Over TLS the data connections are
    // passive instead: this libcurl sends an active-mode data connection unencrypted even after
    // agreeing to protect it, and routers cannot open ports for a PORT command they cannot read.
    if (!m_secure)
        curl_easy_setopt(curl, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    m_certificateFile = QFile::encodeName(CertificateFile);
    if (!m_certificateFile.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, m_certificateFile.constData());
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, TransferType == 1 ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, 30000L);
    // A server that stops answering mid-transfer must not hang the counter for good.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &clsFtpClient::onHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &clsFtpClient::onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &discard);
}

bool clsFtpClient::perform()
{
    const CURLcode code = curl_easy_perform(handle(m_curl));
    m_transfer = nullptr;
    // A certificate we cannot trust is a failed connection, not a refused login: the server's
    // last words were its agreement to start TLS, which says nothing about the account.
    m_tlsRefused = code == CURLE_PEER_FAILED_VERIFICATION || code == CURLE_SSL_CONNECT_ERROR ||
                   code == CURLE_SSL_CACERT_BADFILE || code == CURLE_SSL_CERTPROBLEM;
    return code == CURLE_OK;
}

size_t clsFtpClient::onHeader(char *data, size_t size, size_t count, void *self)
{
    QByteArray line(data, static_cast<qsizetype>(size * count));
    const int nul = line.indexOf('\0');
    if (nul >= 0)
        line.truncate(nul);
    line = line.trimmed();
    auto *client = static_cast<clsFtpClient *>(self);
    if (!line.isEmpty())
        client->m_response = QString::fromLatin1(line.left(256));
    // 234 is the only answer to AUTH TLS / AUTH SSL that starts TLS on the control connection.
    if (line.startsWith("234"))
        client->m_secure = true;
    return size * count;
}

int clsFtpClient::onProgress(void *self, qint64, qint64 dlNow, qint64, qint64 ulNow)
{
    auto *client = static_cast<clsFtpClient *>(self);
    Transfer *transfer = client->m_transfer;
    if (!transfer)
        return 0;
    if (ulNow > transfer->sent) {
        const qint64 bytes = ulNow - transfer->sent;
        transfer->sent = ulNow;
        if (client->Send)
            client->Send(client->m_response, bytes);
    }
    if (dlNow > transfer->received) {
        const qint64 bytes = dlNow - transfer->received;
        transfer->received = dlNow;
        if (client->Receive)
            client->Receive(client->m_response, bytes);
    }
    return 0;
}

bool clsFtpClient::Connect(const QString &server, const QString &user, const QString &password)
{
    DisConnect();
    if (server.isEmpty())
        return false;
    m_server = server;
    m_user = user.toUtf8();
    m_password = password.toUtf8();
    m_response.clear();
    m_secure = false;
    Transfer none;
    prepare(none);
    CURL *curl = handle(m_curl);
    const QByteArray address = url(QString()).toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L); // log in and stop: no listing
    m_connected = perform();
    if (!m_connected && m_tlsRefused)
        m_response.clear();
    return m_connected;
}

bool clsFtpClient::DisConnect()
{
    if (m_connected) {
        // Dropping the handle closes the control connection with it.
        curl_easy_cleanup(handle(m_curl));
        m_curl = newHandle();
    }
    m_connected = false;
    return true;
}

bool clsFtpClient::PutFile(const QString &localFile, const QString &serverFile)
{
    if (!m_connected)
        return false;
    QFile source(localFile);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QString path = serverFile;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString name = path.section(QLatin1Char('/'), -1);
    const QString partial = path + QStringLiteral(".part");
    const QByteArray from = (QStringLiteral("RNFR ") + name + QStringLiteral(".part")).toUtf8();
    const QByteArray to = (QStringLiteral("RNTO ") + name).toUtf8();
    curl_slist *after = curl_slist_append(nullptr, from.constData());
    after = curl_slist_append(after, to.constData());

    Transfer transfer;
    transfer.source = &source;
    prepare(transfer);
    CURL *curl = handle(m_curl);
    const QByteArray address = url(partial).toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &readFrom);
    curl_easy_setopt(curl, CURLOPT_READDATA, &source);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(source.size()));
    curl_easy_setopt(curl, CURLOPT_POSTQUOTE, after);
    const bool ok = perform();
    curl_easy_setopt(curl, CURLOPT_POSTQUOTE, nullptr);
    curl_slist_free_all(after);
    return ok;
}

bool clsFtpClient::GetFile(const QString &serverFile, const QString &localFile)
{
    if (!m_connected || (!Exists && QFileInfo::exists(localFile)))
        return false;
    QSaveFile target(localFile);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    Transfer transfer;
    transfer.target = &target;
    prepare(transfer);
    CURL *curl = handle(m_curl);
    const QByteArray address = url(serverFile).toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &writeTo);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &target);
    if (!perform()) {
        target.cancelWriting();
        return false;
    }
    return target.commit();
}

qint64 clsFtpClient::FileSize(const QString &serverFile)
{
    if (!m_connected)
        return 0;
    Transfer none;
    prepare(none);
    CURL *curl = handle(m_curl);
    const QByteArray address = url(serverFile).toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    if (!perform())
        return 0;
    curl_off_t size = -1;
    curl_easy_getinfo(handle(m_curl), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size);
    return size > 0 ? static_cast<qint64>(size) : 0;
}
