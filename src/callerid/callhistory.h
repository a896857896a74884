#pragma once
// The numbers of the last 20 incoming calls, newest first, with the caller's name as it was
// known when the number was recorded. Kept in memory while the program runs.
#include <QDateTime>
#include <QString>

#include <functional>
#include <vector>

struct CallEntry {
    QString Number;
    QDateTime Time;
    QString Name;
};

constexpr int kCallHistorySize = 20;

class CallHistory
{
  public:
    // Who calls from a number: the customer's reading, the phone-book name, "新規" or "???".
    using NameLookup = std::function<QString(const QString &number)>;

    // The same number as the newest entry only refreshes that entry's time; another number
    // becomes the newest entry and the 21st is dropped. An empty number is not a call and
    // changes nothing. Returns false in that case.
    bool Record(const QString &number, const QDateTime &now, const NameLookup &nameOf);

    // Newest first; never more than 20.
    const std::vector<CallEntry> &Entries() const { return m_entries; }
    bool IsEmpty() const { return m_entries.empty(); }

  private:
    std::vector<CallEntry> m_entries;
};
