#include "board/orderdetail.h"

#include "store/saleamounts.h"
#include "store/helpers.h"
#include "store/recordstore.h"
#include "store/storedorder.h"

#include <cstring>

OrderDetail BuildOrderDetail(const SalesRecord &sale)
{
    OrderDetail d;
    for (int i = 1; i <= kMaxOrderLines && !sale.ItemName[size_t(i)].isEmpty(); ++i) {
        const QString &option = sale.ItemOption[size_t(i)];
        QString text = sale.ItemName[size_t(i)];
        if (option != kNoOption)
            text += QStringLiteral("（") + option + QStringLiteral("）");
        const qint64 price = CurrencyToYen(sale.ItemPrice[size_t(i)]);
        const qint64 qty = sale.ItemQty[size_t(i)];
        d.Rows.push_back({text, QString::number(qty), FormatYenBlankZero(price)});
        d.Amount += qty * price;
        d.ItemCount += qty;
    }
    if (sale.ServiceDiscount < 0)
        d.Rows.push_back({QStringLiteral("サービス割引"), QStringLiteral("1"), FormatYen(sale.ServiceDiscount)});
    if (sale.PointDiscount < 0)
        d.Rows.push_back({QStringLiteral("ポイント割引"), QStringLiteral("1"), FormatYen(sale.PointDiscount)});
    d.ItemCountText = QString::number(d.ItemCount);
    d.AmountText = FormatYenBlankZero(d.Amount);
    return d;
}

CustomerPanel BuildCustomerPanel(const SalesRecord &sale, const CustomerRecord *customer)
{
    CustomerPanel p;
    if (!customer) {
        p.Name = QStringLiteral("削除されています");
        return p;
    }
    p.Exists = true;
    p.Name = customer->NameKana;
    p.Address = customer->City + customer->Banchi;
    p.Building = customer->Building;
    p.Tel = customer->Tel;
    p.Zip = customer->Zip;
    p.OrderStaff = sale.OrderStaff;
    p.DeliverTo = sale.DeliverTo == kNoOption ? QStringLiteral("住所と同じ") : sale.DeliverTo;
    p.MapEnabled = !p.Zip.isEmpty() && p.Zip != QStringLiteral("0000000");
    return p;
}

OrderView ShowOrderDetail(RecordStore &records, const QString &key)
{
    OrderView view;
    view.Order = ReadStoredOrderByKey(records, key);
    if (!view.Order)
        return view;
    view.Detail = BuildOrderDetail(view.Order->Sale);
    view.Panel = BuildCustomerPanel(view.Order->Sale, view.Order->HasCustomer() ? &view.Order->Customer : nullptr);
    return view;
}
