#pragma once
// A real FTP server on 127.0.0.1 for one test: Debian's pyftpdlib serving a temporary folder.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class TestFtpServer
{
  public:
    static constexpr const char *kUser = "shop";
    static constexpr const char *kPassword = "secret";

    TestFtpServer();
    ~TestFtpServer();
    // False when pyftpdlib is missing or the server did not come up.
    bool start();
    // A server that speaks only explicit TLS (control and data), with a certificate for
    // 127.0.0.1 made for this run; false also when openssl or the TLS support is missing.
    bool startTls();
    // The server's certificate (PEM), once startTls made it.
    QString certificate() const { return m_keys.filePath(QStringLiteral("cert.pem")); }
    void stop();
    int port() const { return m_port; }
    QString file(const QString &name) const { return m_root.filePath(name); }
    QString root() const { return m_root.path(); }

  private:
    bool launch(const QStringList &arguments);

    QTemporaryDir m_root;
    QTemporaryDir m_keys;
    bool m_tls = false;
    QProcess m_process;
    int m_port = 0;
};
