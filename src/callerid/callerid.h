#pragma once
// Caller ID as the order window uses it: the latest incoming number (from the terminal adapter
// or the shared folder's "cti.dat"), the call history and the text of the caller panel of the
// main window. One instance lives as long as the program.
#include "callerid/callhistory.h"
#include "callerid/taquery.h"

#include <QString>

#include <functional>
#include <optional>

struct AppData;

inline const QString kCtiFileName = QStringLiteral("cti.dat");

// The first line of "cti.dat" in `folder`; nullopt when the file cannot be opened or read.
std::optional<QString> ReadSharedCtiNumber(const QString &folder);

// The caller's name for the history: customer reading, phone-book name, "新規", or "???"
// when the number is not a number.
QString CallerNameOf(AppData &data, const QString &number);

class CallerId
{
  public:
    explicit CallerId(AppData &data) : m_data(data) {}

    // Fetches the latest number by the mode of the settings: the terminal adapter in mode "1"
    // (its failures shown as warnings), the shared file otherwise. Returns the latest number.
    QString Fetch(const std::function<void(bool waiting)> &busy = {});
    // Records the latest number in the history and updates the caller panel text.
    void Record();

    QString Latest() const { return m_latest; }
    void SetLatest(const QString &number) { m_latest = number; }
    const CallHistory &History() const { return m_history; }
    // "最新着信番号：" + number + " " + name, once a number was recorded.
    QString CallerPanelText() const { return m_panelText; }
    // The text of the second panel when an automatic entry replaces `oldTel`.
    static QString ReplacedPanelText(const QString &oldTel);

    // Told the new caller panel text after each recording.
    std::function<void(const QString &text)> callerPanelChanged;

  private:
    void readSharedFile();

    AppData &m_data;
    QString m_latest;
    CallHistory m_history;
    QString m_panelText;
};
