#include "store/saleamounts.h"
#include "printing/deliverynote.h"
#include "store/helpers.h"
#include "store/oledate.h"

#include <cmath>

namespace
{

// The sale as printed: slots after the first empty quantity are left out of every amount.
SalesRecord printedPart(const SalesRecord &sale, int lineCount)
{
    SalesRecord part = sale;
    for (int i = lineCount + 1; i <= kMaxOrderLines; ++i) {
        part.ItemQty[i] = 0;
        part.ItemPrice[i] = 0;
    }
    return part;
}

QString pointNotice(const SalesRecord &, const CustomerRecord &customer, const ShopSettings &shop, bool breakAfterFirst)
{
    const QString months = shop.PointValidMonths;
    QDate expiry;
    const QDateTime last = FromOleDate(customer.LastUseDate);
    if (last.isValid())
        expiry = last.date().addMonths(months.trimmed().toInt());
    QString t = QStringLiteral("お買い上げ") + shop.PointYenUnit + QStringLiteral("円（消費税を除く）ごとに") +
                shop.PointsPerUnit + QStringLiteral("ポイント進呈！");
    if (breakAfterFirst)
        t += QLatin1Char('\n');
    t += shop.PointStep + QStringLiteral("ポイントごとに次回お買い上げより") + shop.PointStepYen +
         QStringLiteral("円割引させていただきます。\n注文時にポイント割引を使用する旨をお伝え下さい。\n"
                        "ポイントの有効期限は、最終ご注文日から") +
         months + QStringLiteral("ヶ月間です。\n最終ご注文日から") + months +
         QStringLiteral("ヶ月間ご利用のない場合は、累積ポイントが無効になります。\n") + TrimField(customer.NameKana) +
         QStringLiteral("様の有効期限は") + (expiry.isValid() ? LongDate(expiry) : QString()) +
         QStringLiteral("です。");
    return t;
}

QString changeAmount(qint64 yen)
{
    return FormatYenBlankZero(yen);
}

} // namespace

QString LongDate(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

QString ShortTime(const QTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("H:mm")) : QString();
}

QString ChangeSuggestion(qint64 billed)
{
    if (billed % 10000 == 0)
        return QString();
    const qint64 n = qint64(std::floor(double(billed) / 10000.0)) + 1;
    QString line =
        QString::number(n) + QStringLiteral("万：") + changeAmount(n * 10000 - billed) + QStringLiteral("  ");
    // The part above the last full 10,000 is below 5,000: a 5,000 note less also pays.
    const qint64 remainder = billed - (n - 1) * 10000;
    if (remainder < 5000) {
        const qint64 change = n * 10000 - 5000 - billed;
        if (n == 1)
            line += QStringLiteral("5千：") + changeAmount(change);
        else
            line += QString::number(n - 1) + QStringLiteral("万5千：") + changeAmount(change) + QStringLiteral("  ");
    }
    return line;
}

QString ReceiptNumber(const SalesRecord &sale)
{
    return QStringLiteral("No.") + sale.OrderDate.right(4) +
           QStringLiteral("%1").arg(sale.OrderNo, 3, 10, QLatin1Char('0'));
}

NoteFacts WorkOutNote(const SalesRecord &sale, const CustomerRecord &customer, const ShopSettings &shop,
                      const QDateTime &now)
{
    NoteFacts f;
    while (f.LineCount < kMaxOrderLines && sale.ItemQty[f.LineCount + 1] != 0)
        ++f.LineCount;
    for (int i = 1; i <= f.LineCount; ++i) {
        if (sale.ItemPrice[i] > 0)
            f.QtyCount += sale.ItemQty[i];
    }
    const SalesRecord printed = printedPart(sale, f.LineCount);
    const SaleAmounts a = AmountsFromSale(printed, shop.TaxRate);
    f.Subtotal = a.Subtotal;
    f.Tax = a.Tax;
    f.Total = a.Total;
    f.Billed = a.Billed;
    f.DiscountText = a.Discount < 0 ? QString::number(a.Discount) : QStringLiteral("0");
    f.PointsEarned = PointsEarnedByOrder(printed, PointRules::FromShop(shop));
    f.ShowPoints = shop.PointService == QLatin1String("1") && customer.Points >= 0;
    f.ReceiptNo = ReceiptNumber(sale);
    f.ChangeLine = ChangeSuggestion(f.Billed);
    f.PointNotice = pointNotice(sale, customer, shop, true);
    f.PointNoticeOneBreakLess = pointNotice(sale, customer, shop, false);
    f.PrintedAt = now;
    return f;
}
