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

namespace
{

bool pointsMove(const AppData &data, const CustomerRecord &customer)
{
    return data.settings.Shop.PointService == QLatin1String("1") && customer.Points >= 0;
}

} // namespace

void ReverseOrderPoints(const AppData &data, StoredOrder &order)
{
    if (!order.HasCustomer() || !pointsMove(data, order.Customer))
        return;
    const PointRules rules = PointRules::FromShop(data.settings.Shop);
    ReverseSpentPoints(order.Sale, order.Customer, rules);
    ReverseEarnedPoints(order.Sale, order.Customer, rules);
}

bool StoreOrderChange(AppData &data, int salePos, const SalesRecord &asOpened, const SalesRecord &changed)
{
    RecordStore &r = data.records;
    const RecordStore::Group group(r);
    if (!r.UpdateSale(salePos, changed))
        return false;
    CommitOrderChangePoints(data, asOpened, changed, changed.CustomerId);
    return true;
}

void CommitOrderChangePoints(AppData &data, const SalesRecord &asOpened, const SalesRecord &asStored, qint32 customerId)
{
    RecordStore &r = data.records;
    const int pos = r.FindCustomerPos(customerId);
    if (pos < 1) {
        ShowErrorBox(11, QStringLiteral("顧客データの更新エラー"));
        return;
    }
    std::optional<CustomerRecord> customer = r.ReadCustomer(pos);
    if (!customer)
        return;
    if (pointsMove(data, *customer)) {
        const PointRules rules = PointRules::FromShop(data.settings.Shop);
        ReverseSpentPoints(asOpened, *customer, rules);
        ReverseEarnedPoints(asOpened, *customer, rules);
        CommitPoints(asStored, *customer, rules);
    }
    r.UpdateCustomer(pos, *customer);
}
