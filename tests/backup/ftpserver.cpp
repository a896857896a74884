#include "ftpserver.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace
{
const QString kPython = QStringLiteral("/usr/bin/python3");

int freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}
} // namespace

TestFtpServer::TestFtpServer() = default;

TestFtpServer::~TestFtpServer()
{
    stop();
}

bool TestFtpServer::start()
{
    if (m_tls)
        return startTls();
    return launch({QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"), QStringLiteral("127.0.0.1"),
                   QStringLiteral("-p"), QString::number(m_port = freePort()), QStringLiteral("-w"),
                   QStringLiteral("-d"), m_root.path(), QStringLiteral("-u"), QString::fromLatin1(kUser),
                   QStringLiteral("-P"), QString::fromLatin1(kPassword)});
}

bool TestFtpServer::startTls()
{
    m_tls = true;
    const QString key = m_keys.filePath(QStringLiteral("key.pem"));
    if (!QFileInfo::exists(certificate()) &&
        QProcess::execute(
            QStringLiteral("openssl"),
            {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
             QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
             QStringLiteral("-keyout"), key, QStringLiteral("-out"), certificate(), QStringLiteral("-days"),
             QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
             QStringLiteral("subjectAltName=IP:127.0.0.1")}) != 0)
        return false;
    // The command-line server has no TLS switch: a few lines of pyftpdlib do it.
    const QString script =
        QStringLiteral("import sys\n"
                       "from pyftpdlib.authorizers import DummyAuthorizer\n"
                       "from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler\n"
                       "from pyftpdlib.servers import FTPServer\n"
                       "port, root, user, password, cert, key = sys.argv[1:7]\n"
                       "auth = DummyAuthorizer()\n"
                       "auth.add_user(user, password, root, perm='elradfmwMT')\n"
                       "TLS_FTPHandler.authorizer = auth\n"
                       "TLS_FTPHandler.certfile = cert\n"
                       "TLS_FTPHandler.keyfile = key\n"
                       "TLS_FTPHandler.tls_control_required = True\n"
                       "TLS_FTPHandler.tls_data_required = True\n"
                       // pyftpdlib waits for the transfer command before it reads the data connection's TLS
                       // hello; clients that greet first (libcurl does) would wait for ever.
                       "class EagerDTP(TLS_DTPHandler):\n"
                       "    def __init__(self, sock, cmd):\n"
                       "        super().__init__(sock, cmd)\n"
                       "        if self._ssl_requested:\n"
                       "            self._ssl_want_read = True\n"
                       "            self.modify_ioloop_events(self.ioloop.READ)\n"
                       "TLS_FTPHandler.dtp_handler = EagerDTP\n"
                       "FTPServer(('127.0.0.1', int(port)), TLS_FTPHandler).serve_forever()\n");
    return launch({QStringLiteral("-c"), script, QString::number(m_port = freePort()), m_root.path(),
                   QString::fromLatin1(kUser), QString::fromLatin1(kPassword), certificate(), key});
}

bool TestFtpServer::launch(const QStringList &arguments)
{
    if (!QFileInfo::exists(kPython) ||
        QProcess::execute(kPython, {QStringLiteral("-c"), QStringLiteral("import pyftpdlib")}) != 0)
        return false;
    m_process.setStandardErrorFile(QProcess::nullDevice()); // the server logs every command
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(kPython, arguments);
    if (!m_process.waitForStarted(5000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(m_port));
        if (socket.waitForConnected(200))
            return true;
        if (m_process.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(50);
    }
    return false;
}

void TestFtpServer::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}
