#include "customers/orderhistory.h"

#include "store/helpers.h"
#include "store/oledate.h"
#include "store/recordstore.h"

namespace
{

// Lines run from slot 1 to the first empty name.
template <typename F> void forEachLine(const SalesRecord &sale, F f)
{
    for (int i = 1; i <= kMaxOrderLines; ++i) {
        if (TrimField(sale.ItemName[size_t(i)]).isEmpty())
            return;
        f(size_t(i));
    }
}

} // namespace

QString OrderTimeText(double orderTime)
{
    const QDateTime moment = FromOleDate(orderTime);
    if (!moment.isValid())
        return {};
    static const QString days = QStringLiteral("月火水木金土日");
    return moment.toString(QStringLiteral("yyyy/MM/dd hh:mm")) + QStringLiteral(" （") +
           days.at(moment.date().dayOfWeek() - 1) + QStringLiteral("）");
}

OrderHistoryRow HistoryRowOf(const SalesRecord &sale, int salePos)
{
    OrderHistoryRow row;
    row.SalePos = salePos;
    row.When = OrderTimeText(sale.OrderTime);
    qint64 totalCurrency = 0;
    forEachLine(sale, [&](size_t i) {
        row.ItemCount += sale.ItemQty[i];
        totalCurrency += qint64(sale.ItemQty[i]) * sale.ItemPrice[i];
    });
    row.Total = CurrencyToYen(totalCurrency);
    row.TotalText = FormatYenBlankZero(row.Total);
    return row;
}

std::vector<OrderHistoryRow> CompletedOrdersOf(RecordStore &records, qint32 customerId)
{
    std::vector<OrderHistoryRow> rows;
    for (int pos = 1; pos <= records.SalesCount(); ++pos) {
        const SalesIndexEntry &entry = records.SalesIndex[size_t(pos)];
        if (entry.CustomerId != customerId || entry.Status != 0)
            continue;
        const std::optional<SalesRecord> sale = records.ReadSale(pos);
        if (!sale)
            break; // one error box is enough; what was read so far is shown
        rows.push_back(HistoryRowOf(*sale, pos));
    }
    return rows;
}

std::vector<OrderHistoryLine> OrderHistoryLines(const SalesRecord &sale)
{
    std::vector<OrderHistoryLine> lines;
    forEachLine(sale, [&](size_t i) {
        OrderHistoryLine line;
        line.Text = TrimField(sale.ItemName[i]);
        const QString option = TrimField(sale.ItemOption[i]);
        if (!option.isEmpty() && option != QStringLiteral("（なし）"))
            line.Text += QStringLiteral("（") + option + QStringLiteral("）");
        line.Qty = sale.ItemQty[i];
        line.PriceText = FormatYen(CurrencyToYen(sale.ItemPrice[i]));
        lines.push_back(line);
    });
    if (sale.ServiceDiscount < 0)
        lines.push_back({QStringLiteral("サービス割引"), 1, FormatYen(sale.ServiceDiscount), true});
    if (sale.PointDiscount < 0)
        lines.push_back({QStringLiteral("ポイント割引"), 1, FormatYen(sale.PointDiscount), true});
    return lines;
}

SortKind HistoryColumnKind(int column)
{
    return column == 0 ? SortKind::Text : SortKind::Number;
}
