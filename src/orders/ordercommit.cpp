#include "orders/ordercommit.h"

#include "orders/orderlines.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "store/appdata.h"
#include "store/oledate.h"

namespace
{

const QString kRefusedTitle = QStringLiteral("受付できません");

SalesRecord buildSale(const OrderCommitInput &in, qint32 customerId, qint16 orderNo, const QDateTime &now)
{
    SalesRecord sale;
    sale.OrderTime = ToOleDate(now);
    sale.OrderDate = Clock::Today().toString(QStringLiteral("yyyyMMdd"));
    sale.DoneTime = sale.DepartTime = sale.CollectTime = kUnsetTime;
    sale.CustomerId = customerId;
    sale.OrderNo = orderNo;
    sale.DeliverTo = in.DeliverTo;
    sale.OrderStaff = in.Staff;
    sale.Status = 1;
    sale.ServiceDiscount = in.ServiceDiscount;
    sale.PointDiscount = qint32(-in.PointDiscountYen);
    sale.DesignatedTime = in.DesignatedTime ? ToOleDate(*in.DesignatedTime) : kUnsetTime;
    for (size_t i = 0; i < in.Lines.size(); ++i) {
        const OrderLine &line = in.Lines[i];
        sale.ItemName[i + 1] = line.MenuName;
        sale.ItemOption[i + 1] = line.Option;
        sale.ItemPrice[i + 1] = YenToCurrency(line.UnitPrice);
        sale.ItemQty[i + 1] = qint16(line.Qty);
    }
    if (in.ProgressMode == ProgressMode::CompleteAtConfirm) {
        sale.DepartTime = sale.DoneTime = sale.CollectTime = sale.OrderTime;
        sale.DeliveryStaff = sale.CollectStaff = in.Staff;
        sale.Status = 0;
    }
    return sale;
}

} // namespace

std::optional<qint16> NextOrderNoToday(const AppData &data)
{
    const qint16 max = data.records.MaxOrderNoToday();
    if (max >= kMaxOrderNoPerDay)
        return std::nullopt;
    return qint16(max + 1);
}

void RememberDeliveryPlace(QStringList &list, const QString &place)
{
    if (place.isEmpty() || place == kNoOption)
        return;
    if (list.isEmpty())
        list << QString(); // element 0 is never an entry
    if (list.indexOf(place, 1) >= 1)
        return;
    for (qsizetype i = 1; i < list.size(); ++i) {
        if (list.at(i).isEmpty()) {
            list[i] = place;
            return;
        }
    }
    list << place;
}

std::optional<StoredOrder> CommitOrder(AppData &data, const OrderCommitInput &in, const CustomerRecord &customer)
{
    RecordStore &r = data.records;
    if (in.Lines.size() > size_t(kMaxLinesPerOrder)) {
        ShowLineLimitWarning();
        return std::nullopt;
    }
    // A customer the file refused at registration, or one deleted meanwhile, has no record to
    // carry the order's points and dates.
    const int customerPos = customer.CustomerId > 0 ? r.FindCustomerPos(customer.CustomerId) : -1;
    if (customerPos < 1) {
        ShowWarning(kRefusedTitle, QStringLiteral("顧客データが登録されていないため、注文を登録できません。"));
        return std::nullopt;
    }
    const std::optional<qint16> orderNo = NextOrderNoToday(data);
    if (!orderNo) {
        // A wrapped number would collide with the day's first orders.
        ShowWarning(kRefusedTitle,
                    QStringLiteral("本日の注文番号が上限（32767）に達したため、これ以上登録できません。"));
        return std::nullopt;
    }
    std::optional<CustomerRecord> current = r.ReadCustomer(customerPos);
    if (!current)
        return std::nullopt;

    const QDateTime now = Clock::Now();
    const double nowOle = ToOleDate(now);
    // The sale and the customer's points and counts go on file together or not at all, so a stop
    // between the two writes can neither lose the points of a stored order nor credit points for
    // an order that is not there.
    const RecordStore::Group group(r);
    StoredOrder stored;
    stored.Sale = buildSale(in, current->CustomerId, *orderNo, now);
    if (!r.AddSale(stored.Sale))
        return std::nullopt;
    stored.SalePos = r.SalesCount();

    CustomerRecord &c = *current;
    const PointRules rules = PointRules::FromShop(data.settings.Shop);
    // Lapsed points go before this order's use date renews them, as when the caller was loaded.
    ExpirePoints(c, rules, Clock::Today());
    const bool pointsApply = rules.usable && c.Points >= 0;
    if (c.UseCount == 0)
        c.FirstUseDate = nowOle;
    c.LastUseDate = nowOle;
    if (in.ProgressMode == ProgressMode::CompleteAtConfirm)
        ++c.UseCount; // with normal progress the visit counts when the order is completed
    if (pointsApply)
        CommitPoints(stored.Sale, c, rules);
    // Without the point service and with normal progress nothing of the customer changes on
    // file yet: the use dates are written when the order is completed.
    if (in.ProgressMode == ProgressMode::CompleteAtConfirm || pointsApply)
        r.UpdateCustomer(customerPos, c);
    stored.Customer = c;
    stored.CustomerPos = customerPos;

    RememberDeliveryPlace(data.settings.DeliverToList, in.DeliverTo);
    return stored;
}
