#include "orders/pricing.h"

#include "platform/prompt.h"
#include "store/helpers.h"
#include "store/numbertext.h"
#include "store/oledate.h"

#include <QLocale>

#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>

namespace
{

double numberOf(const QString &text, bool *ok = nullptr)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    bool good = false;
    const double v = t.toDouble(&good);
    if (ok)
        *ok = good && std::isfinite(v);
    return good && std::isfinite(v) ? v : 0.0;
}

qint32 clampPoints(double value)
{
    if (value > 2147483647.0)
        return 2147483647;
    if (value < -2147483648.0)
        return -2147483647 - 1;
    return qint32(RoundHalfEven(value));
}

bool active(const PointRules &rules, const CustomerRecord &customer)
{
    return rules.usable && customer.Points >= 0;
}

} // namespace

qint64 RoundHalfEven(double value)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    std::fesetround(previous);
    return qint64(r);
}

PointRules PointRules::FromShop(const ShopSettings &shop)
{
    PointRules r;
    // Points are counted in whole blocks: a parameter that is not a whole number of at least 1
    // (such as 0.5) would divide by zero or give points away, so the service is then off.
    bool usable = shop.PointService == QLatin1String("1");
    const auto parameter = [&usable](const QString &text) {
        const std::optional<qint64> n = WholeNumberOf(text);
        usable = usable && n && *n >= 1 && *n <= std::numeric_limits<int>::max();
        return n ? double(*n) : 0.0;
    };
    r.YenUnit = parameter(shop.PointYenUnit);
    r.PerUnit = parameter(shop.PointsPerUnit);
    r.Step = parameter(shop.PointStep);
    r.StepYen = parameter(shop.PointStepYen);
    r.ValidMonths = int(parameter(shop.PointValidMonths));
    r.usable = usable;
    return r;
}

qint64 ComputeTax(qint64 subtotal, const QString &taxRate)
{
    return qint64(std::floor(double(subtotal) * numberOf(taxRate) / 100.0));
}

OrderTotals ComputeTotals(const std::vector<OrderLine> &lines, const QString &taxRate)
{
    OrderTotals t;
    for (const OrderLine &line : lines) {
        t.Subtotal += line.Amount();
        t.QtyCount += line.Qty;
    }
    t.Tax = ComputeTax(t.Subtotal, taxRate);
    t.Total = t.Subtotal + t.Tax;
    return t;
}

std::vector<OrderLine> LinesFromSale(const SalesRecord &sale)
{
    std::vector<OrderLine> lines;
    const int n = sale.LineCount();
    for (int i = 1; i <= n; ++i)
        lines.push_back({sale.ItemName[i], sale.ItemOption[i], CurrencyToYen(sale.ItemPrice[i]), sale.ItemQty[i]});
    return lines;
}

SaleAmounts AmountsFromSale(const SalesRecord &sale, const QString &taxRate)
{
    SaleAmounts a;
    // Empty slots hold 0, so every slot can be summed.
    for (int i = 1; i <= kMaxOrderLines; ++i)
        a.Subtotal += qint64(sale.ItemQty[i]) * CurrencyToYen(sale.ItemPrice[i]);
    a.Tax = ComputeTax(a.Subtotal, taxRate);
    a.Total = a.Subtotal + a.Tax;
    a.Discount = qint64(sale.ServiceDiscount) + qint64(sale.PointDiscount);
    a.Billed = a.Discount < 0 ? a.Total + a.Discount : a.Total;
    a.PointsBase = a.Subtotal + a.Discount;
    return a;
}

ServiceDiscountCheck CheckServiceDiscount(const QString &text)
{
    if (text.isEmpty())
        return ServiceDiscountCheck::Ok;
    if (!IsNumericInput(text))
        return ServiceDiscountCheck::NotNumeric;
    const double v = numberOf(text);
    if (v > 0)
        return ServiceDiscountCheck::NotNegative;
    if (std::fabs(v) > 30000)
        return ServiceDiscountCheck::TooLarge;
    return ServiceDiscountCheck::Ok;
}

void ShowServiceDiscountWarning(ServiceDiscountCheck result)
{
    switch (result) {
    case ServiceDiscountCheck::Ok:
        break;
    case ServiceDiscountCheck::NotNumeric:
        ShowNotNumericWarning();
        break;
    case ServiceDiscountCheck::NotNegative:
        ShowWarning(QStringLiteral("マイナスで入力して下さい"), QStringLiteral("マイナスを付けて入力して下さい。"));
        break;
    case ServiceDiscountCheck::TooLarge:
        ShowWarning(QStringLiteral("不正な値"), QStringLiteral("割引額を確認して下さい。"));
        break;
    }
}

QStringList ServiceDiscountChoices()
{
    return {QStringLiteral("-50"),  QStringLiteral("-60"),  QStringLiteral("-80"),  QStringLiteral("-100"),
            QStringLiteral("-150"), QStringLiteral("-200"), QStringLiteral("-250"), QStringLiteral("-300"),
            QStringLiteral("-350"), QStringLiteral("-400"), QStringLiteral("-450"), QStringLiteral("-500")};
}

bool PointDiscountAvailable(int lineCount, const PointRules &rules, qint32 points)
{
    return lineCount > 0 && rules.usable && points >= 0 && double(points) >= rules.Step;
}

qint64 PointsToRedeem(const std::vector<OrderLine> &lines, qint32 points, const PointRules &rules)
{
    if (!rules.usable || points < 0)
        return 0;
    const qint64 blocks = qint64(points) / qint64(rules.Step);
    qint64 amount = 0;
    for (const OrderLine &line : lines)
        amount += line.Amount();
    if (blocks <= 0)
        return 0;
    if (double(amount) > rules.StepYen * double(blocks))
        return RoundHalfEven(rules.Step * double(blocks));
    const qint64 coveredBlocks = amount / qint64(rules.StepYen);
    return RoundHalfEven(rules.Step * double(std::max<qint64>(0, coveredBlocks)));
}

qint64 PointDiscountYen(const std::vector<OrderLine> &lines, qint32 points, const PointRules &rules)
{
    if (!rules.usable)
        return 0;
    const qint64 redeem = PointsToRedeem(lines, points, rules);
    return RoundHalfEven(rules.StepYen * (double(redeem) / rules.Step));
}

void ShowNoPointsWarning(qint32 points)
{
    ShowWarning(QStringLiteral("割引できません"),
                QStringLiteral("ポイントが貯まっていません。\r\n\r\n現在のポイント：") + QString::number(points));
}

DiscountConfirmCheck CheckDiscountsAtConfirm(bool serviceTicked, const QString &serviceText, bool pointOn,
                                             qint64 pointDiscountYen, qint64 subtotal)
{
    if (serviceTicked && serviceText.trimmed().isEmpty())
        return DiscountConfirmCheck::ServiceMissing;
    const qint64 service = serviceTicked ? qint64(numberOf(serviceText)) : 0;
    const qint64 point = pointOn ? -pointDiscountYen : 0;
    if (subtotal + service + point < 0)
        return DiscountConfirmCheck::TooLarge;
    return DiscountConfirmCheck::Ok;
}

void ShowDiscountConfirmWarning(DiscountConfirmCheck result)
{
    if (result == DiscountConfirmCheck::ServiceMissing)
        ShowWarning(QStringLiteral("割引額が未入力"), QStringLiteral("割引額を入力して下さい。"));
    else if (result == DiscountConfirmCheck::TooLarge)
        ShowWarning(QStringLiteral("割引額が不適切です"),
                    QStringLiteral("割引額が注文代金より大きいため、登録できません。\r\n割引額を減らして下さい。"));
}

void ExpirePoints(CustomerRecord &customer, const PointRules &rules, const QDate &today)
{
    if (!active(rules, customer))
        return;
    if (customer.LastUseDate == kUnsetTime) {
        customer.Points = 0;
        return;
    }
    const QDateTime last = FromOleDate(customer.LastUseDate);
    if (!last.isValid()) {
        customer.Points = 0;
        return;
    }
    const QDate expiry = last.date().addMonths(rules.ValidMonths);
    // Points stay valid through the expiry day itself.
    if (today.daysTo(expiry) < 0)
        customer.Points = 0;
}

qint64 PointsEarnedByOrder(const SalesRecord &sale, const PointRules &rules)
{
    if (!rules.usable)
        return 0;
    const SaleAmounts a = AmountsFromSale(sale, QStringLiteral("0"));
    if (a.PointsBase <= 0)
        return 0;
    return RoundHalfEven(rules.PerUnit * std::floor(double(a.PointsBase) / rules.YenUnit));
}

void CommitPoints(const SalesRecord &sale, CustomerRecord &customer, const PointRules &rules)
{
    if (!active(rules, customer))
        return;
    const SaleAmounts a = AmountsFromSale(sale, QStringLiteral("0"));
    if (a.PointsBase > 0)
        customer.Points =
            clampPoints(rules.PerUnit * std::floor(double(a.PointsBase) / rules.YenUnit) + double(customer.Points));
    if (customer.Points >= 0)
        customer.Points =
            clampPoints(double(customer.Points) + rules.Step * (double(sale.PointDiscount) / rules.StepYen));
}

void ReverseEarnedPoints(const SalesRecord &sale, CustomerRecord &customer, const PointRules &rules)
{
    if (!active(rules, customer))
        return;
    const SaleAmounts a = AmountsFromSale(sale, QStringLiteral("0"));
    // A base of zero or less earned nothing, so nothing is taken back.
    const double earned = a.PointsBase > 0 ? rules.PerUnit * std::floor(double(a.PointsBase) / rules.YenUnit) : 0.0;
    const qint32 result = clampPoints(double(customer.Points) - earned);
    customer.Points = result < 0 ? 0 : result;
}

void ReverseSpentPoints(const SalesRecord &sale, CustomerRecord &customer, const PointRules &rules)
{
    if (!active(rules, customer))
        return;
    customer.Points = clampPoints(double(customer.Points) - rules.Step * (double(sale.PointDiscount) / rules.StepYen));
}
