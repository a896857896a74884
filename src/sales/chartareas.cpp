#include "sales/chartareas.h"

#include "store/recordstore.h"

#include <memory>

ChartAreaNamer::ChartAreaNamer(const QString &databaseFile)
{
    m_finder.setDatabaseFile(databaseFile);
}

QString ChartAreaNamer::Name(const QString &zip)
{
    const auto known = m_names.constFind(zip);
    if (known != m_names.constEnd())
        return *known;
    m_finder.setZipKey(zip);
    m_finder.setAddressKey(QString());
    const QString name = m_finder.ResultCount() > 0 ? m_finder.ResultAddress(0).left(20) : kChartUnknownArea;
    m_names.insert(zip, name);
    return name;
}

ChartAreaSource SalesAreaSource(const RecordStore &records, ChartAreaNamer &namer)
{
    // A million orders each looking up its customer: one table by number instead of a linear
    // search per order. The first entry of a number wins, as in FindCustomerPos.
    auto zips = std::make_shared<QHash<qint32, QString>>();
    zips->reserve(records.CustomerCount());
    for (int pos = 1; pos <= records.CustomerCount(); ++pos) {
        const CustomerIndexEntry &e = records.CustomerIndex[size_t(pos)];
        if (!zips->contains(e.CustomerId))
            zips->insert(e.CustomerId, e.Zip);
    }
    ChartAreaSource source;
    source.ZipOf = [zips](qint32 id) -> std::optional<QString> {
        const auto it = zips->constFind(id);
        if (it == zips->constEnd())
            return std::nullopt;
        return *it;
    };
    source.NameOf = [&namer](const QString &zip) { return namer.Name(zip); };
    return source;
}
