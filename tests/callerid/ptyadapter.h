#pragma once
// A terminal adapter for tests: a pty pair made by socat. The program opens one end by its
// path (COM1 is pointed at it); the test answers on the other end with a scripted reply.
#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>

class PtyAdapter : public QObject
{
  public:
    PtyAdapter();
    ~PtyAdapter() override;

    static bool SocatAvailable();
    bool ready() const { return m_ready; }
    // The end the program opens.
    QString programEnd() const { return m_dir.path() + QStringLiteral("/ta"); }

    // What the adapter sends once a query line arrives, piece by piece, each piece `gapMs`
    // after the one before. No pieces: the adapter stays silent.
    void answerWith(const QList<QByteArray> &pieces, int gapMs = 0);
    // Every byte the adapter received.
    QByteArray received() const { return m_received; }

  private:
    void onRead();
    void sendFrom(int piece);

    QTemporaryDir m_dir;
    QProcess m_socat;
    QSerialPort m_adapter;
    QList<QByteArray> m_pieces;
    int m_gapMs = 0;
    QByteArray m_received;
    bool m_ready = false;
};
