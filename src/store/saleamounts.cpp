#include "store/saleamounts.h"

#include "store/numbertext.h"
#include "store/oledate.h"

#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>

namespace
{

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

// The whole number nearest below or at `value`, kept within qint64 (0 for NaN).
qint64 clampToInt64(double value)
{
    if (std::isnan(value))
        return 0;
    // 2^63 is exactly representable; every double below it converts without overflow.
    if (value >= 9223372036854775808.0)
        return std::numeric_limits<qint64>::max();
    if (value < -9223372036854775808.0)
        return std::numeric_limits<qint64>::min();
    return qint64(value);
}

} // namespace

qint64 SaturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

qint64 SaturatingMul(qint64 a, qint64 b)
{
    qint64 product = 0;
    if (!__builtin_mul_overflow(a, b, &product))
        return product;
    return (a < 0) != (b < 0) ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
}

double AmountNumber(const QString &text, bool *ok)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    bool good = false;
    const double v = t.toDouble(&good);
    if (ok)
        *ok = good && std::isfinite(v);
    return good && std::isfinite(v) ? v : 0.0;
}

qint64 RoundHalfEven(double value)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    std::fesetround(previous);
    return clampToInt64(r);
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
    return clampToInt64(std::floor(double(subtotal) * AmountNumber(taxRate) / 100.0));
}

OrderTotals ComputeTotals(const std::vector<OrderLine> &lines, const QString &taxRate)
{
    OrderTotals t;
    for (const OrderLine &line : lines) {
        t.Subtotal = SaturatingAdd(t.Subtotal, line.Amount());
        t.QtyCount = SaturatingAdd(t.QtyCount, line.Qty);
    }
    t.Tax = ComputeTax(t.Subtotal, taxRate);
    t.Total = SaturatingAdd(t.Subtotal, t.Tax);
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
        a.Subtotal = SaturatingAdd(a.Subtotal, SaturatingMul(sale.ItemQty[i], CurrencyToYen(sale.ItemPrice[i])));
    a.Tax = ComputeTax(a.Subtotal, taxRate);
    a.Total = SaturatingAdd(a.Subtotal, a.Tax);
    a.Discount = qint64(sale.ServiceDiscount) + qint64(sale.PointDiscount);
    a.Billed = a.Discount < 0 ? SaturatingAdd(a.Total, a.Discount) : a.Total;
    a.PointsBase = SaturatingAdd(a.Subtotal, a.Discount);
    return a;
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
