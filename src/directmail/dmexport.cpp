#include "directmail/dmexport.h"

#include "store/cp932.h"
#include "store/helpers.h"
#include "store/textfile.h"

#include <QHash>

namespace
{

// A quote inside a field is doubled, so the file still splits into four fields.
QString Quoted(const QString &text)
{
    QString inner = text;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

} // namespace

std::vector<CustomerRecord> ReadDmCustomers(RecordStore &store, const std::vector<qint32> &ids)
{
    // One pass over the index instead of a search per row: a selection can hold every customer.
    QHash<qint32, int> positions;
    positions.reserve(store.CustomerCount());
    for (int pos = store.CustomerCount(); pos >= 1; --pos)
        positions.insert(store.CustomerIndex[size_t(pos)].CustomerId, pos);
    std::vector<CustomerRecord> out;
    out.reserve(ids.size());
    for (qint32 id : ids) {
        const auto it = positions.constFind(id);
        if (it == positions.constEnd())
            continue;
        if (auto record = store.ReadCustomer(it.value()))
            out.push_back(std::move(*record));
    }
    return out;
}

QByteArray DmCsvBytes(const std::vector<CustomerRecord> &customers)
{
    QByteArray out;
    for (const CustomerRecord &c : customers) {
        const QString zip = TrimField(c.Zip);
        const QString line = Quoted(TrimField(c.NameKana)) + QLatin1Char(',') +
                             Quoted(zip.left(3) + QLatin1Char('-') + zip.mid(3, 4)) + QLatin1Char(',') +
                             Quoted(TrimField(c.City) + TrimField(c.Banchi)) + QLatin1Char(',') +
                             Quoted(TrimField(c.Building));
        out += ToCp932(line);
        out += "\r\n";
    }
    return out;
}

bool WriteDmCsv(const QString &path, const std::vector<CustomerRecord> &customers)
{
    if (WriteFileAtomically(path, DmCsvBytes(customers)))
        return true;
    ShowErrorBox(5, QStringLiteral("エクスポートファイル書き込みエラー"));
    return false;
}
