#include "sales/salestotals.h"

#include "sales/money.h"
#include "store/cp932.h"
#include "store/helpers.h"
#include "store/recordstore.h"
#include "store/saleamounts.h"

#include <QHash>

#include <cmath>

namespace
{

const QString kTakeOutTel = QStringLiteral("000");

// Average per order to whole yen, as the display format rounds it; "¥0" without orders.
QString average(qint64 sum, qint64 count)
{
    if (count == 0)
        return FormatYen(0);
    return FormatYen(std::llround(double(sum) / double(count)));
}

// The few fields the totals read, straight from the stored bytes: decoding every text of every
// listed order would cost more than the totals themselves.
struct SaleFields {
    const char *p;
    qint32 customerId() const { return RecordBytes::GetInt32(p + SalesOffsets::CustomerId); }
    qint16 qty(int i) const { return RecordBytes::GetInt16(p + SalesOffsets::ItemQty + 2 * i); }
    qint64 price(int i) const { return CurrencyToYen(RecordBytes::GetInt64(p + SalesOffsets::ItemPrice + 8 * i)); }
    qint64 amount(int i) const { return SaturatingMul(qty(i), price(i)); }
    qint16 serviceDiscount() const { return RecordBytes::GetInt16(p + SalesOffsets::ServiceDiscount); }
    qint32 pointDiscount() const { return RecordBytes::GetInt32(p + SalesOffsets::PointDiscount); }
    QByteArray name(int i) const { return QByteArray(p + SalesOffsets::ItemName + 30 * i, 30); }
    QByteArray deliveryStaff() const { return QByteArray(p + SalesOffsets::DeliveryStaff, 20); }
};

// A text field's stored bytes to its trimmed text, each distinct field decoded once.
class FieldTexts
{
  public:
    const QString &text(const QByteArray &raw)
    {
        auto found = m_seen.constFind(raw);
        if (found == m_seen.cend())
            found = m_seen.insert(raw, TrimField(FromCp932(raw)));
        return *found;
    }

  private:
    QHash<QByteArray, QString> m_seen;
};

} // namespace

SalesTotals ComputeSalesTotals(RecordStore &records, const QString &taxRate, const std::vector<int> &positions)
{
    SalesTotals t;
    const QHash<qint32, int> customerPos = FirstCustomerPositions(records);
    QHash<QString, int> itemAt;
    FieldTexts names;
    char buf[kSalesRecordLength];
    for (int pos : positions) {
        if (!records.ReadSaleBytes(pos, buf))
            continue;
        const SaleFields sale{buf};
        const int cp = customerPos.value(sale.customerId(), -1);
        const bool takeOut = cp > 0 && records.CustomerIndex[cp].Tel == kTakeOutTel;
        if (cp > 0)
            ++(takeOut ? t.TakeOutCount : t.DeliveryCount);
        qint64 amount = 0;
        for (int i = 1; i <= kMaxOrderLines && sale.qty(i) >= 1; ++i) {
            const qint64 line = sale.amount(i);
            amount = SaturatingAdd(amount, line);
            (takeOut ? t.TakeOutQty : t.DeliveryQty) += sale.qty(i);
            const QString &name = names.text(sale.name(i));
            auto found = itemAt.constFind(name);
            if (found != itemAt.cend()) {
                ItemTotal &item = t.Items[size_t(*found)];
                item.Qty += sale.qty(i);
                item.Amount = SaturatingAdd(item.Amount, line);
            } else {
                itemAt.insert(name, int(t.Items.size()));
                t.Items.push_back({name, sale.qty(i), sale.price(i), line});
            }
        }
        qint64 &sales = takeOut ? t.TakeOutSales : t.DeliverySales;
        sales = SaturatingAdd(sales, amount);
        qint64 &tax = takeOut ? t.TakeOutTax : t.DeliveryTax;
        tax = SaturatingAdd(tax, ClampYen(ComputeTax(amount, taxRate)));
        for (qint64 discount : {qint64(sale.serviceDiscount()), qint64(sale.pointDiscount())}) {
            if (discount < 0) {
                t.DiscountTotal = SaturatingAdd(t.DiscountTotal, discount);
                ++t.DiscountCount;
            }
        }
    }
    ExchangeSortByAmount(t.Items);
    return t;
}

std::vector<QStringList> SalesTotals::ItemRows() const
{
    std::vector<QStringList> rows;
    rows.reserve(Items.size() + 2);
    for (const ItemTotal &item : Items)
        rows.push_back({item.Name, QString::number(item.Qty), FormatYen(item.Price), FormatYen(item.Amount)});
    if (DiscountCount > 0) {
        rows.push_back({QString(), QString(), QString(), QString()});
        rows.push_back({QStringLiteral("割引"), QString::number(DiscountCount), QString(), FormatYen(DiscountTotal)});
    }
    return rows;
}

std::vector<QStringList> SalesTotals::SummaryRows() const
{
    const QString ken = QStringLiteral("件");
    const qint64 count = TakeOutCount + DeliveryCount;
    const qint64 sales = SaturatingAdd(TakeOutSales, DeliverySales);
    const qint64 tax = SaturatingAdd(TakeOutTax, DeliveryTax);
    const qint64 withTax = SaturatingAdd(sales, tax);
    auto row = [&](const QString &label, qint64 n, qint64 qty, qint64 s, qint64 x) {
        const qint64 inc = SaturatingAdd(s, x);
        return QStringList{label,        QString::number(n) + ken, QString::number(qty), FormatYen(s),
                           FormatYen(x), FormatYen(inc),           average(s, n),        average(inc, n)};
    };
    const QString none;
    return {
        row(QStringLiteral("お持帰り"), TakeOutCount, TakeOutQty, TakeOutSales, TakeOutTax),
        row(QStringLiteral("配達"), DeliveryCount, DeliveryQty, DeliverySales, DeliveryTax),
        QStringList{none, none, none, none, none, none, none, none},
        row(QStringLiteral("合計"), count, TakeOutQty + DeliveryQty, sales, tax),
        QStringList{QStringLiteral("割引"), QString::number(DiscountCount) + ken, none, none, none,
                    FormatYen(DiscountTotal), none, none},
        QStringList{QStringLiteral("割引後合計"), none, none, none, none,
                    FormatYen(SaturatingAdd(withTax, DiscountTotal)), none, none},
    };
}

StaffCollection ComputeStaffCollection(RecordStore &records, const QString &taxRate, const QStringList &staffList,
                                       const std::vector<int> &positions)
{
    StaffCollection c;
    const QHash<qint32, int> customerPos = FirstCustomerPositions(records);
    c.Staff.push_back({QStringLiteral("未記入")});
    QHash<QString, int> staffAt;
    for (int i = 1; i < staffList.size(); ++i) {
        c.Staff.push_back({staffList[i]});
        if (!staffAt.contains(staffList[i]))
            staffAt.insert(staffList[i], i);
    }
    FieldTexts names;
    char buf[kSalesRecordLength];
    for (int pos : positions) {
        if (!records.ReadSaleBytes(pos, buf))
            continue;
        const SaleFields sale{buf};
        const int cp = customerPos.value(sale.customerId(), -1);
        if (cp > 0 && records.CustomerIndex[cp].Tel == kTakeOutTel)
            continue;
        // Every slot counts here, including those after an empty one.
        qint64 amount = 0;
        for (int i = 1; i <= kMaxOrderLines; ++i)
            amount = SaturatingAdd(amount, sale.amount(i));
        const qint64 withTax = SaturatingAdd(amount, ClampYen(ComputeTax(amount, taxRate)));
        qint64 discount = 0;
        if (sale.serviceDiscount() < 0)
            discount += sale.serviceDiscount();
        if (sale.pointDiscount() < 0)
            discount += sale.pointDiscount();
        const QString &name = names.text(sale.deliveryStaff());
        const int at = name.isEmpty() ? 0 : staffAt.value(name, 0);
        for (StaffTotal *s : {&c.Staff[size_t(at)], &c.Total}) {
            ++s->Count;
            s->WithTax = SaturatingAdd(s->WithTax, withTax);
            s->Discount = SaturatingAdd(s->Discount, discount);
        }
    }
    return c;
}

std::vector<QStringList> StaffCollection::Rows() const
{
    std::vector<QStringList> rows;
    for (const StaffTotal &s : Staff)
        rows.push_back({s.Name, QString::number(s.Count), FormatYen(s.WithTax), FormatYen(s.Discount),
                        FormatYen(SaturatingAdd(s.WithTax, s.Discount))});
    return rows;
}

QString StaffCollection::CountText() const
{
    return QString::number(Total.Count) + QStringLiteral("件");
}
QString StaffCollection::WithTaxText() const
{
    return FormatYen(Total.WithTax);
}
QString StaffCollection::DiscountText() const
{
    return FormatYen(Total.Discount);
}
QString StaffCollection::MoneyText() const
{
    return FormatYen(SaturatingAdd(Total.WithTax, Total.Discount));
}

QString TotalsCaption(const QString &prefix, const SearchCriteria &c)
{
    auto date = [](const QString &d) { return d.left(4) + u'/' + d.mid(4, 2) + u'/' + d.mid(6, 2); };
    auto time = [](const QString &t) { return t.left(2) + u':' + t.mid(2, 2); };
    const QString times = time(c.TimeStart) + u'-' + time(c.TimeEnd) + QStringLiteral(" ]");
    if (c.Start != c.End)
        return prefix + date(c.Start) + QStringLiteral(" ～ ") + date(c.End) + u' ' + times;
    return prefix + date(c.Start) + u' ' + times;
}
