#include "callerid/taquery.h"

#include "platform/prompt.h"

#include <QCursor>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSerialPort>
#include <QTimer>

namespace
{

// An adapter that streams noise must not grow the reply without end; past this the reply cannot
// complete any more and the query ends as unanswered.
constexpr qsizetype kMaxReply = 2 * 1024 * 1024;

QString openFailureText(const QSerialPort &port, const TaQuery &q, bool held)
{
    const QString where = QStringLiteral("%1（%2）").arg(q.PortName, q.Device);
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return where + QStringLiteral("が見つかりません。");
    case QSerialPort::PermissionError:
        return held ? where + QStringLiteral("を開けません。") : where + QStringLiteral("を開く権限がありません。");
    default:
        return where + QStringLiteral("を開けません。（") + port.errorString() + QStringLiteral("）");
    }
}

// Qt reports a port locked or opened exclusively by another program as a permission error; a
// device we may read and write that still refuses is therefore held by someone else.
bool heldByOther(const QSerialPort &port, const QString &device)
{
    if (port.error() != QSerialPort::PermissionError)
        return false;
    const QFileInfo info(device);
    return info.exists() && info.isReadable() && info.isWritable();
}

class WaitCursor
{
  public:
    WaitCursor() : m_on(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (m_on)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (m_on)
            QGuiApplication::restoreOverrideCursor();
    }

  private:
    bool m_on;
};

} // namespace

TaQueryResult RunTaQuery(const TaQuery &q)
{
    TaQueryResult result;
    QSerialPort port;
    port.setPortName(q.Device);
    port.setBaudRate(56000);
    port.setParity(QSerialPort::NoParity);
    port.setDataBits(QSerialPort::Data8);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite)) {
        result.PortFailed = true;
        result.HeldByOther = heldByOther(port, q.Device);
        result.FailureText = openFailureText(port, q, result.HeldByOther);
        return result;
    }
    // An answer left over from an earlier query must not be read as this one's.
    port.clear(QSerialPort::Input);
    port.readAll();
    port.write(q.Command);

    QByteArray reply;
    bool complete = false;
    bool overflow = false;
    {
        if (q.busy)
            q.busy(true);
        WaitCursor cursor;
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setInterval(q.TimeoutMs);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        auto take = [&] {
            const QByteArray bytes = port.readAll();
            if (overflow || bytes.isEmpty())
                return;
            if (reply.size() + bytes.size() > kMaxReply) {
                overflow = true;
                return;
            }
            // Only the new bytes and the three before them can complete the end mark.
            const qsizetype from = std::max<qsizetype>(0, reply.size() - (kCtiReplyEnd.size() - 1));
            reply += bytes;
            if (reply.indexOf(kCtiReplyEnd, from) >= 0) {
                complete = true;
                loop.quit();
            }
        };
        QObject::connect(&port, &QSerialPort::readyRead, &loop, take);
        QObject::connect(&port, &QSerialPort::errorOccurred, &loop, [&](QSerialPort::SerialPortError e) {
            // The device went away (an adapter unplugged): no answer can come.
            if (e == QSerialPort::ResourceError)
                loop.quit();
        });
        timer.start();
        port.waitForBytesWritten(0);
        take();
        if (!complete)
            loop.exec();
        if (q.busy)
            q.busy(false);
    }
    port.close();

    result.Text = complete ? ParseCtiReply(reply, q.Asker) : CtiNoAnswer(q.Asker);
    return result;
}

void ShowTaQueryFailure(const TaQueryResult &result)
{
    if (!result.PortFailed)
        return;
    QString text = result.FailureText + QLatin1Char('\n');
    if (result.HeldByOther)
        text += kPortHeldText;
    ShowWarning(kPortFailedTitle, text);
}
