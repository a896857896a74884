#pragma once
// A real X server with a window manager for the tests that need one: Xvfb at a chosen screen
// size with openbox, started for one test and stopped with it. The test body runs in a child
// process of the same test program on the xcb platform (one process cannot switch platforms).
#include <QProcess>
#include <QSize>
#include <QString>

#include <memory>

class XSession
{
  public:
    // Starts Xvfb and openbox; `error()` says why when that was not possible.
    explicit XSession(QSize screen);
    ~XSession();
    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QString display() const { return m_display; }

    struct Run {
        int exitCode = -1;
        bool passed = false; // the body ran to its end without a failure (not skipped)
        QString output;
    };
    // Runs the test `name` ("Suite.Test") of this program inside the session.
    Run runBody(const QString &name, int timeoutMs = 120000) const;

  private:
    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_wm;
    QString m_display;
    QString m_error;
};

// True in the child process that XSession::runBody started.
bool InsideXSession();
// Runs an X tool (xdotool and the like) against the session's display; its exit code.
int RunXTool(const QString &program, const QStringList &arguments, QString *output = nullptr);
