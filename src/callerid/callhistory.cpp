#include "callerid/callhistory.h"

bool CallHistory::Record(const QString &number, const QDateTime &now, const NameLookup &nameOf)
{
    // A failed fetch leaves no number; recording it would hide every earlier call from the
    // history list, which stops at the first empty number.
    if (number.isEmpty())
        return false;
    if (!m_entries.empty() && m_entries.front().Number == number) {
        m_entries.front().Time = now;
        return true;
    }
    m_entries.insert(m_entries.begin(), CallEntry{number, now, nameOf ? nameOf(number) : QString()});
    if (m_entries.size() > std::size_t(kCallHistorySize))
        m_entries.resize(kCallHistorySize);
    return true;
}
