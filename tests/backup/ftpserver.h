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
    void stop();
    int port() const { return m_port; }
    QString file(const QString &name) const { return m_root.filePath(name); }
    QString root() const { return m_root.path(); }

  private:
    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};
