#include "desktop/xsession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

namespace
{
const char *const kSessionVariable = "SORANOWA_X_SESSION";

void stop(std::unique_ptr<QProcess> &p)
{
    if (!p || p->state() == QProcess::NotRunning)
        return;
    p->terminate();
    if (!p->waitForFinished(3000)) {
        p->kill();
        p->waitForFinished(3000);
    }
}

} // namespace

XSession::XSession(QSize screen)
{
    for (const char *tool : {"Xvfb", "openbox", "xdotool", "xprop", "xmessage"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            m_error = QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool));
            return;
        }
    }
    // Xvfb picks a free display itself and writes its number on standard output.
    m_server = std::make_unique<QProcess>();
    m_server->setProcessChannelMode(QProcess::SeparateChannels);
    m_server->start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                     QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()), QStringLiteral("-nolisten"),
                     QStringLiteral("tcp")});
    QDeadlineTimer deadline(10000);
    QByteArray number;
    while (!number.contains('\n') && !deadline.hasExpired() && m_server->state() != QProcess::NotRunning) {
        m_server->waitForReadyRead(100);
        number += m_server->readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        m_error = QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(m_server->readAllStandardError());
        stop(m_server);
        return;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    m_wm = std::make_unique<QProcess>();
    m_wm->setProcessEnvironment(env);
    m_wm->setProcessChannelMode(QProcess::MergedChannels);
    m_wm->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    // The window manager is ready once it has announced itself on the root window.
    while (!deadline.hasExpired()) {
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        probe.waitForFinished(2000);
        if (probe.readAllStandardOutput().contains("window id"))
            return;
        QThread::msleep(50);
    }
    m_error = QStringLiteral("openbox did not start: ") + QString::fromLocal8Bit(m_wm->readAll());
    stop(m_wm);
    stop(m_server);
}

XSession::~XSession()
{
    stop(m_wm);
    stop(m_server);
}

XSession::Run XSession::runBody(const QString &name, int timeoutMs) const
{
    Run run;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QString::fromLatin1(kSessionVariable), QStringLiteral("1"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + name});
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished(3000);
        run.output = QString::fromLocal8Bit(child.readAll()) + QStringLiteral("\n(timed out)");
        return run;
    }
    run.output = QString::fromLocal8Bit(child.readAll());
    run.exitCode = child.exitCode();
    run.passed = child.exitStatus() == QProcess::NormalExit && run.exitCode == 0 &&
                 run.output.contains(QStringLiteral("[       OK ] ") + name) &&
                 !run.output.contains(QStringLiteral("[  SKIPPED ]"));
    return run;
}

bool InsideXSession()
{
    return qEnvironmentVariableIsSet(kSessionVariable);
}

int RunXTool(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished(3000);
        return -1;
    }
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
