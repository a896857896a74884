#pragma once
// Fills a reading field from what the staff type into a name field: characters typed directly go
// in as they sound, and each word the input method commits adds the kana it was written in
// before conversion. Most Linux input methods report only the committed text, so the reading is
// taken from the composition the staff saw while typing the sound of the word.
#include <QObject>

class QLineEdit;

class ReadingCapture : public QObject
{
    Q_OBJECT
  public:
    ReadingCapture(QLineEdit *name, QLineEdit *reading, QObject *parent = nullptr);

    // Every part of the name typed since the field was last empty reached the reading. When a
    // word arrived without its sound (pasted, or an input method that showed no kana), the
    // reading is incomplete and the analyser's is better.
    bool Complete() const { return m_added && !m_missed; }

  signals:
    // The capture put text into the reading field.
    void readingAdded();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void add(const QString &text, bool atFront);
    void reset();
    // Typing over the whole name starts a new name, and with it a new reading.
    void startOverWhenReplacingAll();

    QLineEdit *m_name;
    QLineEdit *m_reading;
    QString m_soundOfWord; // the last kana composition of the word being written
    bool m_composing = false;
    bool m_inEvent = false; // the name is changing through the event being watched
    bool m_added = false;
    bool m_missed = false;
};
