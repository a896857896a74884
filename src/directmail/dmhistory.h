#pragma once
// The history of mailings (DmHistory): how an entry is made, how a row shows it, and storing the
// rows in the order the list shows them.
#include "directmail/dmselection.h"
#include "store/settingtables.h"

// "宛名印刷日" (yyyy/mm/dd), "ターゲット", "目的", the condition text and "人数" (0000).
QStringList DmHistoryRowTexts(const DmHistoryEntry &entry);

DmHistoryEntry MakeDmHistoryEntry(const QDateTime &now, int target, int purpose, const DmConditions &conditions,
                                  int count);

// Replaces DmHistory with `rows` (in display order) and rewrites "dm.snw", or deletes it when there
// are no rows. A failure shows its error box; false then.
bool StoreDmHistory(SettingTables &tables, const std::vector<DmHistoryEntry> &rows);
