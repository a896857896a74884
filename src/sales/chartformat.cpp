#include "sales/chartformat.h"

#include "store/helpers.h"

#include <cmath>

namespace
{
// The share in tenths of a percent, rounded half away from zero as the display formats round.
qint64 tenths(qint64 part, qint64 whole)
{
    if (whole == 0)
        return 0;
    return std::llround(double(part) / double(whole) * 1000.0);
}

QString shareText(qint64 part, qint64 whole, bool leadingZero)
{
    const qint64 t = tenths(part, whole);
    const qint64 a = t < 0 ? -t : t;
    QString whole10 = a / 10 == 0 && !leadingZero ? QString() : QString::number(a / 10);
    return (t < 0 ? QStringLiteral("-") : QString()) + whole10 + QLatin1Char('.') + QString::number(a % 10) +
           QLatin1Char('%');
}
} // namespace

void ChartExchangeSort(std::vector<ChartGroup> &groups)
{
    for (size_t i = 0; i < groups.size(); ++i)
        for (size_t j = i + 1; j < groups.size(); ++j)
            if (groups[j].Amount > groups[i].Amount)
                std::swap(groups[i], groups[j]);
}

void ChartFoldRest(std::vector<ChartGroup> &groups, qint64 totalAmount, qint64 totalCount)
{
    if (groups.size() <= 8)
        return;
    qint64 amount = totalAmount, count = totalCount;
    for (size_t i = 0; i < 7; ++i) {
        amount -= groups[i].Amount;
        count -= groups[i].Count;
    }
    groups.resize(8);
    groups[7] = ChartGroup{kChartRest, amount, count, true};
}

QString ChartShareHash(qint64 part, qint64 whole)
{
    return shareText(part, whole, false);
}

QString ChartShareZero(qint64 part, qint64 whole)
{
    return shareText(part, whole, true);
}

QString ChartCount(qint64 n)
{
    const bool negative = n < 0;
    QString digits = QString::number(n).remove(QLatin1Char('-'));
    for (int i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString ChartYen(qint64 yen)
{
    return FormatYen(yen);
}
