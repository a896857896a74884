#include "settings/staffnames.h"

#include "store/settingfiles.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace StaffNames
{

QStringList FromTable(const QStringList &oneBased)
{
    return oneBased.size() > 1 ? oneBased.mid(1) : QStringList();
}

bool IsTaken(const QStringList &names, const QString &name)
{
    return names.contains(name, Qt::CaseSensitive);
}

QStringList SortedByReading(QStringList names)
{
    QCollator collator{QLocale(QLocale::Japanese, QLocale::Japan)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(),
                     [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return names;
}

bool Save(SettingTables &tables, const QStringList &names)
{
    const QStringList before = tables.StaffList;
    tables.StaffList = QStringList{QString()} + names;
    if (SaveStaffList(tables, true))
        return true;
    // Other windows keep offering the names that are still in the file.
    tables.StaffList = before;
    return false;
}

} // namespace StaffNames
