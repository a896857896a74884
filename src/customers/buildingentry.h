#pragma once
// Registering a building: an entry "name TAB address" at the end of the building list, which
// the building lookup searches by address.
#include <QString>
#include <QStringList>

// Both texts hold something other than blanks.
bool CanRegisterBuilding(const QString &name, const QString &address);
// The list entry. A TAB or line break typed into either text would split the entry or the
// file line, so each becomes a blank.
QString BuildingEntry(const QString &name, const QString &address);
// Appends the entry (the list keeps its unused element 0).
void RegisterBuilding(QStringList &buildingList, const QString &name, const QString &address);
// The address the lookup searches for: the city followed directly by the street number, in
// half-width characters.
QString BuildingLookupAddress(const QString &city, const QString &banchi);
