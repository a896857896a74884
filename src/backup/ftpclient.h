#pragma once
// An FTP connection to the backup server: login check, binary put and get in active mode, the
// size of a server file and the server's last reply. Explicit TLS is used whenever the server
// offers it. Progress is reported through `Send` and `Receive` while a transfer runs.
#include <QString>

#include <functional>

class clsFtpClient
{
  public:
    clsFtpClient();
    ~clsFtpClient();
    clsFtpClient(const clsFtpClient &) = delete;
    clsFtpClient &operator=(const clsFtpClient &) = delete;

    // Logs in to `server`; an empty user name or password logs in anonymously. A connection
    // already open is closed first. Fails at once for an empty server name.
    bool Connect(const QString &server, const QString &user, const QString &password);
    bool DisConnect();
    bool IsConnected() const { return m_connected; }

    // Server names take "/" for "\". The upload goes to a temporary name beside the target and
    // is renamed over it only once complete, so a broken transfer never replaces the one backup
    // the server keeps.
    bool PutFile(const QString &localFile, const QString &serverFile);
    // The local file appears only once the whole download arrived; when `Exists` is false an
    // existing local file makes the call fail.
    bool GetFile(const QString &serverFile, const QString &localFile);
    // Bytes of the server file, 0 when it is not there.
    qint64 FileSize(const QString &serverFile);
    // The server's last reply line, empty when the server never answered.
    QString Response() const { return m_response; }
    // True when the login went over TLS (and so do the transfers).
    bool IsSecure() const { return m_connected && m_secure; }

    int TransferType = 2; // 2 = binary; 1 = ASCII
    bool Exists = true;
    bool Reload = true; // nothing caches FTP here; kept so callers may set it as they always did
    int Port = 21;
    // The encrypted connection is trusted when the server's certificate checks out against the
    // system's certificate authorities, or, when this names a PEM file, against that file alone
    // (a shop's own server with a self-signed certificate). The server name must match either way.
    QString CertificateFile;

    // Progress events: the last reply text and the bytes moved since the previous event.
    std::function<void(const QString &response, qint64 bytes)> Send;
    std::function<void(const QString &response, qint64 bytes)> Receive;

  private:
    struct Transfer;
    QString url(const QString &serverFile) const;
    void prepare(Transfer &transfer);
    bool perform();
    bool m_tlsRefused = false;
    bool m_secure = false; // the server agreed to TLS at the login
    QByteArray m_certificateFile;
    static size_t onHeader(char *data, size_t size, size_t count, void *self);
    static int onProgress(void *self, qint64 dlTotal, qint64 dlNow, qint64 ulTotal, qint64 ulNow);

    void *m_curl = nullptr;
    bool m_connected = false;
    QString m_server;
    QByteArray m_user;
    QByteArray m_password;
    QString m_response;
    Transfer *m_transfer = nullptr;
};
