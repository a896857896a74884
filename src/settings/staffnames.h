#pragma once
// The staff list as the staff window edits it: names are unique, at most ten characters, and
// the list is written back to "Staff.snw" whole (deleted when it became empty).
#include "store/settingtables.h"

#include <QStringList>

namespace StaffNames
{
inline constexpr int kMaxLength = 10;

// The names of a 1-based table (position 0 unused), in order.
QStringList FromTable(const QStringList &oneBased);

// Exact comparison: "さとう" and "サトウ" are two people.
bool IsTaken(const QStringList &names, const QString &name);

// Ascending in the Japanese collation, ignoring case, so "あべ" comes before "いとう".
QStringList SortedByReading(QStringList names);

// Replaces the table with `names` and rewrites the file. On a failed write the table keeps
// its old list (the writer has shown its message) and false is returned.
bool Save(SettingTables &tables, const QStringList &names);
} // namespace StaffNames
