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
    if (!QFileInfo::exists(kPython) ||
        QProcess::execute(kPython, {QStringLiteral("-c"), QStringLiteral("import pyftpdlib")}) != 0)
        return false;
    m_port = freePort();
    m_process.setStandardErrorFile(QProcess::nullDevice()); // the server logs every command
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(kPython, {QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"),
                              QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(m_port),
                              QStringLiteral("-w"), QStringLiteral("-d"), m_root.path(), QStringLiteral("-u"),
                              QString::fromLatin1(kUser), QStringLiteral("-P"), QString::fromLatin1(kPassword)});
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
