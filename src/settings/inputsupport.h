#pragma once
// The input-support lists as the settings window edits them: buildings (name and location) and
// specified delivery destinations, read from and written back to their tables and files.
#include "store/settingtables.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace InputSupport
{

inline constexpr int kBuildingNameLength = 20;
inline constexpr int kDeliverToLength = 20;

struct Building {
    QString name;
    QString address; // the location searched for inside customer addresses
};

// The entries of the building list; a line without a TAB is a name without a location.
// Empty entries hold nothing worth showing and are left out.
std::vector<Building> BuildingsOf(const QStringList &buildingList);
// The non-empty destinations in list order. An empty entry in the middle of the file does not
// hide the ones after it, which a save would otherwise drop.
QStringList DeliverTosOf(const QStringList &deliverToList);

// How a building shows in the tree: location, "（", name, "）".
QString BuildingNodeText(const Building &b);
// A location as it is stored and compared: in half-width characters.
QString NormalizedAddress(const QString &address);
// Add refuses a location that an existing entry already has.
bool HasAddress(const std::vector<Building> &buildings, const QString &address);
// The name matches a destination exactly.
bool HasDeliverTo(const QStringList &names, const QString &name);
// Both fields of the building dialog hold something other than blanks.
bool CanAcceptBuilding(const QString &name, const QString &address);
bool CanAcceptDeliverTo(const QString &name);

// 50音順: ascending by the shown text, case-insensitive, in Japanese collation.
bool SortsBefore(const QString &a, const QString &b);

// Replaces both tables and rewrites their files (an empty list deletes its file). The first
// write failure shows "入力支援ファイル書き込みエラー" (16) and returns false; the tables
// already hold the new content and are written again at exit.
bool SaveInputSupport(SettingTables &tables, const std::vector<Building> &buildings, const QStringList &deliverTos);

} // namespace InputSupport
