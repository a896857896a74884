#include "settings/inputsupport.h"

#include "customers/buildingentry.h"
#include "store/helpers.h"
#include "store/settingfiles.h"

#include <QCollator>
#include <QLocale>

namespace InputSupport
{

std::vector<Building> BuildingsOf(const QStringList &buildingList)
{
    std::vector<Building> out;
    for (qsizetype i = 1; i < buildingList.size(); ++i) {
        const QString &entry = buildingList[i];
        if (entry.isEmpty())
            continue;
        const qsizetype tab = entry.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            out.push_back({entry, QString()});
        else
            out.push_back({entry.left(tab), entry.mid(tab + 1)});
    }
    return out;
}

QStringList DeliverTosOf(const QStringList &deliverToList)
{
    QStringList out;
    for (qsizetype i = 1; i < deliverToList.size(); ++i) {
        if (!deliverToList[i].isEmpty())
            out << deliverToList[i];
    }
    return out;
}

QString BuildingNodeText(const Building &b)
{
    return b.address + QStringLiteral("（") + b.name + QStringLiteral("）");
}

QString NormalizedAddress(const QString &address)
{
    return ToHalfWidth(address);
}

bool HasAddress(const std::vector<Building> &buildings, const QString &address)
{
    const QString wanted = NormalizedAddress(address);
    for (const Building &b : buildings) {
        if (NormalizedAddress(b.address) == wanted)
            return true;
    }
    return false;
}

bool HasDeliverTo(const QStringList &names, const QString &name)
{
    return names.contains(name, Qt::CaseSensitive);
}

bool CanAcceptBuilding(const QString &name, const QString &address)
{
    // A location of blanks only would be found inside nearly every address.
    return CanRegisterBuilding(name, address);
}

bool CanAcceptDeliverTo(const QString &name)
{
    return !name.trimmed().isEmpty();
}

bool SortsBefore(const QString &a, const QString &b)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Japanese, QLocale::Japan));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(a, b) < 0;
}

bool SaveInputSupport(SettingTables &tables, const std::vector<Building> &buildings, const QStringList &deliverTos)
{
    QStringList buildingList{QString()};
    for (const Building &b : buildings)
        buildingList << BuildingEntry(b.name, b.address);
    tables.BuildingList = buildingList;
    tables.DeliverToList = QStringList{QString()} + deliverTos;
    // The writers report their own failure; one message is enough.
    return SaveBuildingList(tables) && SaveDeliverToList(tables);
}

} // namespace InputSupport
