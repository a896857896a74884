#pragma once
// Answers a real modal dialog from a test: once a modal widget shows, `act` runs on it (once).
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

class ModalHandler : public QObject
{
  public:
    explicit ModalHandler(std::function<void(QWidget *)> act) : m_act(std::move(act))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w || m_done)
                return;
            m_done = true;
            m_timer.stop();
            m_act(w);
        });
        m_timer.start(10);
    }
    bool done() const { return m_done; }

  private:
    std::function<void(QWidget *)> m_act;
    QTimer m_timer;
    bool m_done = false;
};
