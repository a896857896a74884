#include "sales/customerchart.h"

#include "store/cp932.h"

#include <QFile>
#include <QHash>

namespace
{
constexpr int kRecordsPerBlock = (8 << 20) / kCustomerRecordLength;

struct Slice {
    QString Name;
    qint64 Count = 0;
};

ChartDrawing pie(const QString &category, const std::vector<Slice> &slices, qint64 n, bool zeroBeforePoint)
{
    ChartDrawing d;
    d.Table.Pie = true;
    d.Table.Categories = {category};
    d.Side.Headings = {QStringLiteral("人数")};
    for (const Slice &s : slices) {
        const QString share = zeroBeforePoint ? ChartShareZero(s.Count, n) : ChartShareHash(s.Count, n);
        d.Table.Series << s.Name + QStringLiteral(" (") + share + QLatin1Char(')');
        d.Table.Values.push_back({double(s.Count)});
    }
    // Eight count rows from the top, each "0" until a slice fills it, then the total.
    for (size_t k = 0; k < 8; ++k)
        d.Side.Rows.push_back(
            {k < slices.size() ? slices[k].Name : QString(), {ChartCount(k < slices.size() ? slices[k].Count : 0)}});
    d.Side.Rows.push_back({QStringLiteral("合計"), {ChartCount(n)}});
    return d;
}

// Groups by key in order of first appearance, then largest first by exchange.
template <typename KeyOf> std::vector<ChartGroup> groupsOf(const CustomerCopy &copy, KeyOf keyOf)
{
    std::vector<ChartGroup> groups;
    QHash<QString, size_t> slot;
    for (const CustomerCopyEntry &c : copy) {
        const QString key = keyOf(c);
        auto it = slot.find(key);
        if (it == slot.end()) {
            it = slot.insert(key, groups.size());
            groups.push_back({key, 0, 0, false});
        }
        ++groups[*it].Amount;
    }
    ChartExchangeSort(groups);
    return groups;
}

std::vector<Slice> orderCountSlices(const CustomerCopy &copy)
{
    std::vector<Slice> s = {
        {QStringLiteral("31-回")}, {QStringLiteral("21-30回")}, {QStringLiteral("11-20回")}, {QStringLiteral("6-10回")},
        {QStringLiteral("4-5回")}, {QStringLiteral("2-3回")},   {QStringLiteral("1回")},     {kChartRest}};
    for (const CustomerCopyEntry &c : copy) {
        const int n = c.UseCount;
        const size_t k = n >= 31   ? 0
                         : n >= 21 ? 1
                         : n >= 11 ? 2
                         : n >= 6  ? 3
                         : n >= 4  ? 4
                         : n >= 2  ? 5
                         : n == 1  ? 6
                                   : 7;
        ++s[k].Count;
    }
    return s;
}
} // namespace

CustomerCopy LoadCustomerCopy(const QString &path, const ProgressFn &progress, bool *ok)
{
    CustomerCopy copy;
    if (ok)
        *ok = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return copy;
    const qint64 total = file.size() / kCustomerRecordLength;
    copy.reserve(size_t(total));
    std::vector<char> block(size_t(kRecordsPerBlock) * kCustomerRecordLength);
    for (qint64 done = 0; done < total;) {
        const qint64 want = std::min<qint64>(kRecordsPerBlock, total - done);
        if (file.read(block.data(), want * kCustomerRecordLength) != want * kCustomerRecordLength)
            return copy;
        for (qint64 i = 0; i < want; ++i) {
            const char *rec = block.data() + i * kCustomerRecordLength;
            if (RecordBytes::GetInt32(rec + CustomerOffsets::CustomerId) <= 0)
                continue;
            copy.push_back({GetCp932Field(rec + CustomerOffsets::Zip, 8),
                            RecordBytes::GetInt16(rec + CustomerOffsets::Motive),
                            RecordBytes::GetInt16(rec + CustomerOffsets::UseCount)});
        }
        done += want;
        if (progress)
            progress(qint64(copy.size()), total);
    }
    if (progress)
        progress(0, total);
    if (ok)
        *ok = true;
    return copy;
}

QStringList CustomerChartKindNames()
{
    return {QStringLiteral("地域"), QStringLiteral("利用動機"), QStringLiteral("注文回数")};
}

ChartDrawing DrawCustomerChart(const CustomerCopy &copy, CustomerChartKind kind,
                               const std::function<QString(const QString &)> &areaName, const QStringList &motives)
{
    const qint64 n = qint64(copy.size());
    std::vector<Slice> slices;
    switch (kind) {
    case CustomerChartKind::Area: {
        std::vector<ChartGroup> groups = groupsOf(copy, [](const CustomerCopyEntry &c) { return c.Zip; });
        ChartFoldRest(groups, n, 0);
        for (const ChartGroup &g : groups)
            slices.push_back({g.Rest            ? kChartRest
                              : g.Key.isEmpty() ? kChartUnwritten
                              : areaName        ? areaName(g.Key)
                                                : kChartUnknownArea,
                              g.Amount});
        return pie(QStringLiteral("地域別顧客割合"), slices, n, false);
    }
    case CustomerChartKind::Motive: {
        const std::vector<ChartGroup> groups =
            groupsOf(copy, [](const CustomerCopyEntry &c) { return QString::number(c.Motive); });
        for (const ChartGroup &g : groups) {
            const int motive = g.Key.toInt();
            // A value no window stores has no text of its own; its number at least tells it apart.
            const QString name = motive == -1                             ? kChartUnwritten
                                 : motive >= 0 && motive < motives.size() ? motives[motive]
                                                                          : g.Key;
            slices.push_back({name, g.Amount});
        }
        // The side table has eight rows: more motive values than that cannot all be listed.
        if (slices.size() > 8)
            slices.resize(8);
        return pie(QStringLiteral("利用動機別顧客割合"), slices, n, false);
    }
    case CustomerChartKind::OrderCount:
        return pie(QStringLiteral("利用回数別顧客割合"), orderCountSlices(copy), n, true);
    }
    return {};
}
