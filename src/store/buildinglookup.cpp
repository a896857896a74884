#include "store/helpers.h"

QString FindBuilding(const QStringList &buildingList, const QString &address)
{
    const QString wanted = ToHalfWidth(address);
    if (wanted.isEmpty())
        return {};
    QString bestName;
    qsizetype bestLength = 0;
    for (const QString &entry : buildingList) {
        const qsizetype tab = entry.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            continue;
        // The list's own address is compared in half-width too, so "２－１" typed in the
        // settings still finds "2-1". An entry without an address would match every address
        // and is never a match.
        const QString buildingAddress = ToHalfWidth(entry.mid(tab + 1));
        if (buildingAddress.isEmpty() || !wanted.contains(buildingAddress))
            continue;
        if (buildingAddress.size() > bestLength) { // a tie keeps the first one found
            bestLength = buildingAddress.size();
            bestName = entry.left(tab);
        }
    }
    return bestName;
}
