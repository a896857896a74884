#include "orders/callercard.h"

#include "store/recordstore.h"

#include <QHash>

namespace
{

const QString kDeliveryFee = QStringLiteral("配達料");

QString slashDate(const QString &yyyymmdd)
{
    if (yyyymmdd.size() != 8)
        return yyyymmdd;
    return yyyymmdd.left(4) + QLatin1Char('/') + yyyymmdd.mid(4, 2) + QLatin1Char('/') + yyyymmdd.mid(6, 2);
}

QString itemsText(const SalesRecord &sale)
{
    QStringList parts;
    for (const OrderLine &line : LinesFromSale(sale)) {
        QString text = line.MenuName;
        if (!line.Option.isEmpty() && line.Option != kNoOption)
            text += QStringLiteral("（") + line.Option + QStringLiteral("）");
        if (line.Qty != 1)
            text += QStringLiteral("×") + QString::number(line.Qty);
        parts << text;
    }
    return parts.join(QStringLiteral("、"));
}

} // namespace

std::vector<int> LastCompletedSalePositions(const RecordStore &records, qint32 customerId, int count)
{
    std::vector<int> found;
    if (customerId <= 0 || count <= 0)
        return found;
    const auto &index = records.SalesIndex;
    for (int pos = int(index.size()) - 1; pos >= 1; --pos) {
        const SalesIndexEntry &e = index[pos];
        if (e.CustomerId == customerId && e.Status == 0) {
            found.push_back(pos);
            if (int(found.size()) == count)
                break;
        }
    }
    return found;
}

std::vector<CardOrder> CallerCardOrders(RecordStore &records, qint32 customerId, const QString &taxRate)
{
    std::vector<CardOrder> rows;
    for (int pos : LastCompletedSalePositions(records, customerId)) {
        const std::optional<SalesRecord> sale = records.ReadSale(pos);
        if (!sale)
            continue;
        rows.push_back({slashDate(sale->OrderDate), itemsText(*sale), AmountsFromSale(*sale, taxRate).Billed, *sale});
    }
    return rows;
}

std::vector<RepeatLine> RepeatLinesFrom(const SalesRecord &sale, const std::vector<MenuEntry> &menuTable)
{
    // The first entry of a name is the one the order windows offer.
    QHash<QString, qint64> prices;
    for (std::size_t i = 1; i < menuTable.size(); ++i) {
        const MenuEntry &e = menuTable[i];
        if (!e.MenuName.isEmpty() && !prices.contains(e.MenuName))
            prices.insert(e.MenuName, CurrencyToYen(e.Price));
    }
    std::vector<RepeatLine> lines;
    for (const OrderLine &old : LinesFromSale(sale)) {
        RepeatLine r{old, false};
        const auto it = prices.constFind(old.MenuName);
        if (it != prices.constEnd())
            r.Line.UnitPrice = *it;
        else if (old.MenuName != kDeliveryFee)
            r.Gone = true; // the delivery fee is no menu item: it keeps its amount, unmarked
        lines.push_back(r);
    }
    return lines;
}
