#include "orders/orderchange.h"

#include "orders/orderlines.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/oledate.h"

void ApplyOrderChange(SalesRecord &sale, const OrderChangeInput &in)
{
    sale.DesignatedTime = in.DesignatedTime ? ToOleDate(*in.DesignatedTime) : kUnsetTime;
    sale.ServiceDiscount = in.ServiceDiscount;
    sale.PointDiscount = in.PointDiscount;
    sale.DeliverTo = in.DeliverTo;
    sale.OrderStaff = in.Staff;
    for (int i = 1; i <= kMaxOrderLines; ++i) {
        const bool used = size_t(i) <= in.Lines.size();
        const OrderLine line = used ? in.Lines[size_t(i - 1)] : OrderLine{};
        sale.ItemName[i] = line.MenuName;
        sale.ItemOption[i] = line.Option;
        sale.ItemPrice[i] = YenToCurrency(line.UnitPrice);
        sale.ItemQty[i] = qint16(line.Qty);
    }
}

bool OrderCustomerLoaded(const AppData &data)
{
    const RecordStore &r = data.records;
    const int pos = r.CurrentCustomerPos;
    return pos >= 1 && pos <= r.CustomerCount() &&
           r.CustomerIndex[size_t(pos)].CustomerId == r.CurrentCustomer.CustomerId &&
           r.CurrentCustomer.CustomerId == r.CurrentSale.CustomerId;
}

void ReverseOrderPoints(AppData &data)
{
    RecordStore &r = data.records;
    if (!OrderCustomerLoaded(data) || data.settings.Shop.PointService != QLatin1String("1") ||
        r.CurrentCustomer.Points < 0)
        return;
    const PointRules rules = PointRules::FromShop(data.settings.Shop);
    ReverseSpentPoints(r.CurrentSale, r.CurrentCustomer, rules);
    ReverseEarnedPoints(r.CurrentSale, r.CurrentCustomer, rules);
}

void CommitOrderChangePoints(AppData &data)
{
    RecordStore &r = data.records;
    if (!OrderCustomerLoaded(data)) {
        // The same report a failed write gives, without touching whoever is in the buffer.
        ShowErrorBox(11, QStringLiteral("顧客データの更新エラー"));
        return;
    }
    if (data.settings.Shop.PointService == QLatin1String("1") && r.CurrentCustomer.Points >= 0)
        CommitPoints(r.CurrentSale, r.CurrentCustomer, PointRules::FromShop(data.settings.Shop));
    r.UpdateCustomer();
}
