#include "customers/buildingentry.h"

#include "store/helpers.h"

namespace
{

QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

bool CanRegisterBuilding(const QString &name, const QString &address)
{
    return !name.trimmed().isEmpty() && !address.trimmed().isEmpty();
}

QString BuildingEntry(const QString &name, const QString &address)
{
    return oneLine(name) + QLatin1Char('\t') + oneLine(address);
}

void RegisterBuilding(QStringList &buildingList, const QString &name, const QString &address)
{
    if (buildingList.isEmpty())
        buildingList << QString();
    buildingList << BuildingEntry(name, address);
}

QString BuildingLookupAddress(const QString &city, const QString &banchi)
{
    return ToHalfWidth(city + banchi);
}
