#include "sales/saleschart.h"

#include <QHash>

#include <cstring>

namespace
{
enum class Year { None, Before, This };

class Classifier
{
  public:
    explicit Classifier(const SalesChartCriteria &c)
        : m_start(bytes(c.Periods.Start)), m_end(bytes(c.Periods.End)), m_prevStart(bytes(c.Periods.PrevStart)),
          m_prevEnd(bytes(c.Periods.PrevEnd)), m_time(c.Time)
    {
    }

    // Orders not delivered carry the time key 350000 and so fall outside every time range;
    // this year wins when an order would count for both.
    Year of(const ChartSale &s) const
    {
        if (s.DoneKey < m_time.Start || s.DoneKey > m_time.End)
            return Year::None;
        if (within(s.OrderDate, m_start, m_end))
            return Year::This;
        if (within(s.OrderDate, m_prevStart, m_prevEnd))
            return Year::Before;
        return Year::None;
    }

  private:
    using Date = std::array<char, 8>;
    static Date bytes(const QString &text)
    {
        Date d{};
        const QByteArray latin = text.toLatin1();
        std::memcpy(d.data(), latin.constData(), size_t(std::min<qsizetype>(8, latin.size())));
        return d;
    }
    static bool within(const Date &d, const Date &lo, const Date &hi)
    {
        return std::memcmp(d.data(), lo.data(), 8) >= 0 && std::memcmp(d.data(), hi.data(), 8) <= 0;
    }

    Date m_start, m_end, m_prevStart, m_prevEnd;
    ChartTimeRange m_time;
};

QStringList numbered(int from, int to, const QString &suffix)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QString::number(i) + suffix;
    return out;
}

// Bar charts: per bucket, this year and the year before.
struct Buckets {
    std::vector<qint64> before, now;
    explicit Buckets(int n) : before(size_t(n)), now(size_t(n)) {}
    void add(Year y, int bucket, qint64 amount)
    {
        if (bucket < 0 || bucket >= int(now.size()))
            return;
        qint64 &slot = y == Year::This ? now[size_t(bucket)] : before[size_t(bucket)];
        slot = ChartAdd(slot, amount);
    }
};

ChartTable bars(const QStringList &categories, const Buckets &b, bool withBefore)
{
    ChartTable t;
    t.Categories = categories;
    auto values = [](const std::vector<qint64> &v) { return std::vector<double>(v.begin(), v.end()); };
    if (withBefore) {
        t.Series = {QStringLiteral("昨年度"), QStringLiteral("今年度")};
        t.Values = {values(b.before), values(b.now)};
    } else {
        t.Series = {QStringLiteral("今年度")};
        t.Values = {values(b.now)};
    }
    return t;
}

ChartSide side(const QStringList &labels, const Buckets &b, bool withBefore)
{
    ChartSide s;
    s.Headings = withBefore ? QStringList{QStringLiteral("昨年度"), QStringLiteral("今年度")}
                            : QStringList{QStringLiteral("今年度")};
    for (int i = 0; i < labels.size(); ++i) {
        QStringList cells;
        if (withBefore)
            cells << ChartYen(b.before[size_t(i)]);
        cells << ChartYen(b.now[size_t(i)]);
        s.Rows.push_back({labels[i], cells});
    }
    return s;
}

// "平均" divides the sum by the months that sold anything, "\0" when none did.
qint64 monthAverage(const std::vector<qint64> &months, qint64 sum)
{
    qint64 n = 0;
    for (qint64 m : months)
        n += m != 0;
    return n == 0 ? 0 : std::llround(double(sum) / double(n));
}

qint64 sumOf(const std::vector<qint64> &v)
{
    qint64 s = 0;
    for (qint64 x : v)
        s = ChartAdd(s, x);
    return s;
}

ChartDrawing monthChart(const SalesCopy &copy, const Classifier &cls)
{
    Buckets b(12);
    for (const ChartSale &s : copy.Sales)
        if (const Year y = cls.of(s); y != Year::None)
            b.add(y, s.Month() - 1, s.Amount);
    const QStringList months = numbered(1, 12, QStringLiteral("月"));
    ChartDrawing d{bars(months, b, true), side(months, b, true)};
    const qint64 before = sumOf(b.before), now = sumOf(b.now);
    d.Side.Rows.push_back({QStringLiteral("合計"), {ChartYen(before), ChartYen(now)}});
    d.Side.Rows.push_back(
        {QStringLiteral("平均"), {ChartYen(monthAverage(b.before, before)), ChartYen(monthAverage(b.now, now))}});
    return d;
}

template <typename BucketOf>
ChartDrawing barChart(const SalesCopy &copy, const Classifier &cls, const QStringList &categories,
                      const QStringList &sideLabels, bool sideBefore, bool thisYearOnly, BucketOf bucketOf)
{
    Buckets b(int(categories.size()));
    for (const ChartSale &s : copy.Sales) {
        const Year y = cls.of(s);
        if (y == Year::None || (thisYearOnly && y != Year::This))
            continue;
        b.add(y, bucketOf(s), s.Amount);
    }
    return {bars(categories, b, !thisYearOnly), side(sideLabels, b, sideBefore)};
}

// Item and area pies: a series per slice, labelled with its share of the whole.
ChartDrawing pieChart(std::vector<ChartGroup> groups, qint64 totalAmount, qint64 totalCount,
                      const std::function<QString(const ChartGroup &)> &nameOf, const QString &countHeading)
{
    ChartExchangeSort(groups);
    ChartFoldRest(groups, totalAmount, totalCount);
    ChartDrawing d;
    d.Table.Pie = true;
    d.Table.Categories = {QStringLiteral("売上高")};
    d.Side.Headings = {QStringLiteral("売上高"), countHeading};
    for (const ChartGroup &g : groups) {
        const QString name = g.Rest ? kChartRest : nameOf(g);
        d.Table.Series << name + QStringLiteral(" (") + ChartShareHash(g.Amount, totalAmount) + QLatin1Char(')');
        d.Table.Values.push_back({double(g.Amount)});
        d.Side.Rows.push_back({name, {ChartYen(g.Amount), ChartCount(g.Count)}});
    }
    while (d.Side.Rows.size() < 8)
        d.Side.Rows.push_back({QString(), {QString(), QString()}});
    d.Side.Rows.push_back({QStringLiteral("合計"), {ChartYen(totalAmount), ChartCount(totalCount)}});
    return d;
}

ChartDrawing itemChart(const SalesCopy &copy, const Classifier &cls)
{
    std::vector<ChartGroup> groups;
    std::vector<int> slotOf(copy.Names.size(), -1);
    qint64 amount = 0, qty = 0;
    for (const ChartSale &s : copy.Sales) {
        if (cls.of(s) != Year::This)
            continue;
        for (quint32 i = s.FirstLine; i < s.FirstLine + s.LineCount; ++i) {
            const ChartLine &line = copy.Lines[i];
            amount = ChartAdd(amount, line.Amount);
            qty = ChartAdd(qty, line.Qty);
            int &slot = slotOf[line.NameId];
            if (slot < 0) {
                slot = int(groups.size());
                groups.push_back({copy.Names[line.NameId], 0, 0, false});
            }
            groups[size_t(slot)].Amount = ChartAdd(groups[size_t(slot)].Amount, line.Amount);
            groups[size_t(slot)].Count = ChartAdd(groups[size_t(slot)].Count, line.Qty);
        }
    }
    return pieChart(
        std::move(groups), amount, qty, [](const ChartGroup &g) { return g.Key; }, QStringLiteral("売上数量"));
}

ChartDrawing areaChart(const SalesCopy &copy, const Classifier &cls, const ChartAreaSource &areas)
{
    std::vector<ChartGroup> groups;
    QHash<QString, int> slotOf;
    qint64 amount = 0, count = 0;
    for (const ChartSale &s : copy.Sales) {
        if (cls.of(s) != Year::This)
            continue;
        amount = ChartAdd(amount, s.Amount);
        ++count;
        const std::optional<QString> zip = areas.ZipOf ? areas.ZipOf(s.CustomerId) : std::nullopt;
        if (!zip)
            continue; // a deleted customer's order counts in the totals only
        auto it = slotOf.find(*zip);
        if (it == slotOf.end()) {
            it = slotOf.insert(*zip, int(groups.size()));
            groups.push_back({*zip, 0, 0, false});
        }
        ChartGroup &g = groups[size_t(*it)];
        g.Amount = ChartAdd(g.Amount, s.Amount);
        ++g.Count;
    }
    auto nameOf = [&areas](const ChartGroup &g) {
        if (g.Key.isEmpty())
            return kChartUnwritten;
        if (g.Key == QStringLiteral("0000000"))
            return QStringLiteral("お持ち帰り");
        return areas.NameOf ? areas.NameOf(g.Key) : kChartUnknownArea;
    };
    return pieChart(std::move(groups), amount, count, nameOf, QStringLiteral("売上件数"));
}
} // namespace

QStringList SalesChartKindNames()
{
    return {QStringLiteral("月別売上"),   QStringLiteral("日別売上"),   QStringLiteral("曜日別売上"),
            QStringLiteral("時間別売上"), QStringLiteral("品目別売上"), QStringLiteral("地域別売上")};
}

ChartDrawing DrawSalesChart(const SalesCopy &copy, SalesChartKind kind, const SalesChartCriteria &criteria,
                            const ChartAreaSource &areas)
{
    const Classifier cls(criteria);
    switch (kind) {
    case SalesChartKind::Month:
        return monthChart(copy, cls);
    case SalesChartKind::Day: {
        const QStringList days = numbered(1, 31, QStringLiteral("日"));
        return barChart(copy, cls, days, days, false, true, [](const ChartSale &s) { return s.OrderDay - 1; });
    }
    case SalesChartKind::Weekday: {
        const QStringList names = {QStringLiteral("日曜日"), QStringLiteral("月曜日"), QStringLiteral("火曜日"),
                                   QStringLiteral("水曜日"), QStringLiteral("木曜日"), QStringLiteral("金曜日"),
                                   QStringLiteral("土曜日")};
        const QStringList shortNames = {QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"),
                                        QStringLiteral("水"), QStringLiteral("木"), QStringLiteral("金"),
                                        QStringLiteral("土")};
        return barChart(copy, cls, names, shortNames, true, false, [](const ChartSale &s) { return s.OrderWeekday; });
    }
    case SalesChartKind::Hour: {
        const QStringList hours = numbered(0, 23, QStringLiteral("時"));
        ChartDrawing d =
            barChart(copy, cls, hours, hours, false, false, [](const ChartSale &s) { return int(s.OrderHour); });
        return d;
    }
    case SalesChartKind::Item:
        return itemChart(copy, cls);
    case SalesChartKind::Area:
        return areaChart(copy, cls, areas);
    }
    return {};
}
