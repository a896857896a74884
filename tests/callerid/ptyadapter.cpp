#include "ptyadapter.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

bool PtyAdapter::SocatAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty();
}

PtyAdapter::PtyAdapter()
{
    if (!SocatAvailable() || !m_dir.isValid())
        return;
    const QString adapterEnd = m_dir.path() + QStringLiteral("/adapter");
    m_socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + programEnd(),
                                            QStringLiteral("pty,raw,echo=0,link=") + adapterEnd});
    QElapsedTimer waited;
    waited.start();
    while (!(QFileInfo::exists(programEnd()) && QFileInfo::exists(adapterEnd)) && waited.elapsed() < 5000)
        QThread::msleep(10);
    if (!QFileInfo::exists(adapterEnd))
        return;
    m_adapter.setPortName(adapterEnd);
    if (!m_adapter.open(QIODevice::ReadWrite))
        return;
    QObject::connect(&m_adapter, &QSerialPort::readyRead, this, [this] { onRead(); });
    m_ready = true;
}

PtyAdapter::~PtyAdapter()
{
    m_adapter.close();
    if (m_socat.state() != QProcess::NotRunning) {
        m_socat.terminate();
        if (!m_socat.waitForFinished(2000))
            m_socat.kill();
        m_socat.waitForFinished(2000);
    }
}

void PtyAdapter::answerWith(const QList<QByteArray> &pieces, int gapMs)
{
    m_pieces = pieces;
    m_gapMs = gapMs;
}

void PtyAdapter::onRead()
{
    const qsizetype before = m_received.size();
    m_received += m_adapter.readAll();
    // One answer per query line.
    if (m_received.indexOf("\r\n", std::max<qsizetype>(0, before - 1)) >= 0)
        sendFrom(0);
}

void PtyAdapter::sendFrom(int piece)
{
    if (piece >= m_pieces.size())
        return;
    m_adapter.write(m_pieces.at(piece));
    m_adapter.flush();
    if (piece + 1 < m_pieces.size())
        QTimer::singleShot(m_gapMs, this, [this, piece] { sendFrom(piece + 1); });
}
