// One keystroke in the customer search window over 100,000 customers, end to end: the search,
// the keypad, the list refilled and the window painted. Measured in the same run against
//   - a plain linear scan of the same index (the least any search over it can cost), and
//   - the same hits put into a plain item list (QTreeWidget) row by row, painted likewise.
// Target: every keystroke under 16 ms.
//
//   bench_custsearch
#include "customers/customersearch.h"
#include "customers/ui/frmCustView.h"
#include "store/appdata.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

constexpr int kCustomers = 100000;
constexpr int kRuns = 15;

// The median of several runs (ms); `prepare` runs untimed before each.
double median(const std::function<void()> &prepare, const std::function<void()> &fn)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer t;
        t.start();
        fn();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void fill(AppData &data)
{
    // Names of 2 to 7 kana from the whole table, phone numbers mostly in the shop's own area.
    const QString kana = QStringLiteral("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝｰﾞﾟｯｬｭｮ");
    QRandomGenerator random(20240510);
    data.records.CustomerIndex.reserve(kCustomers + 1);
    for (int i = 1; i <= kCustomers; ++i) {
        CustomerIndexEntry e;
        e.CustomerId = i;
        e.RecordNo = i;
        const int length = 2 + int(random.bounded(6));
        // First letters only from ｱ to ﾝ, as names begin.
        e.NameKana += kana.at(int(random.bounded(46)));
        for (int k = 1; k < length; ++k)
            e.NameKana += kana.at(int(random.bounded(kana.size())));
        const bool local = random.bounded(10) != 0;
        e.Tel = (local ? QStringLiteral("03") : QStringLiteral("045")) +
                QStringLiteral("%1").arg(random.bounded(100000000), 8, 10, QLatin1Char('0'));
        data.records.CustomerIndex.push_back(e);
    }
}

int linearScanName(const AppData &data, const QString &prefix)
{
    int n = 0;
    for (size_t pos = 1; pos < data.records.CustomerIndex.size(); ++pos)
        n += data.records.CustomerIndex[pos].NameKana.startsWith(prefix) ? 1 : 0;
    return n;
}

int linearScanTel(const AppData &data, const QString &prefix)
{
    int n = 0;
    for (size_t pos = 1; pos < data.records.CustomerIndex.size(); ++pos)
        n += data.records.CustomerIndex[pos].Tel.startsWith(prefix) ? 1 : 0;
    return n;
}

void plainList(QTreeWidget &list, const std::vector<CustomerHit> &hits)
{
    list.clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(hits.size()));
    for (const CustomerHit &h : hits)
        items << new QTreeWidgetItem(QStringList{HitText(h, HitColumn::Id), h.Tel, h.NameKana});
    list.addTopLevelItems(items);
    list.repaint();
}

struct Case {
    const char *name;
    QLineEdit *field;
    QString before;
    QString after;
    std::function<int()> scan;
    std::function<std::vector<CustomerHit>()> hits;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    AppData data;
    data.settings.Shop.ShopTel = {QStringLiteral("03"), QString(), QString()};
    fill(data);

    frmCustView window(data);
    window.resize(1366, 768);
    window.show();
    QTreeWidget plain;
    plain.setColumnCount(3);
    plain.setUniformRowHeights(true);
    plain.resize(1366, 500);
    plain.show();
    app.processEvents();

    const std::vector<Case> cases = {
        {"name: first letter ｱ", window.txtMojiSearch, QString(), QStringLiteral("ｱ"),
         [&] { return linearScanName(data, QStringLiteral("ｱ")); },
         [&] { return SearchByName(data.records.CustomerIndex, QStringLiteral("ｱ")).hits; }},
        {"name: second letter ｱｲ", window.txtMojiSearch, QStringLiteral("ｱ"), QStringLiteral("ｱｲ"),
         [&] { return linearScanName(data, QStringLiteral("ｱｲ")); },
         [&] { return SearchByName(data.records.CustomerIndex, QStringLiteral("ｱｲ")).hits; }},
        {"name: back to empty", window.txtMojiSearch, QStringLiteral("ｱ"), QString(),
         [&] { return linearScanName(data, QString()); }, [] { return std::vector<CustomerHit>(); }},
        {"phone: 0 -> 03 (90% listed)", window.txtTelSearch, QStringLiteral("0"), QStringLiteral("03"),
         [&] { return linearScanTel(data, QStringLiteral("03")); },
         [&] { return SearchByTel(data.records.CustomerIndex, QStringLiteral("03")); }},
        {"phone: 031 -> 0312", window.txtTelSearch, QStringLiteral("031"), QStringLiteral("0312"),
         [&] { return linearScanTel(data, QStringLiteral("0312")); },
         [&] { return SearchByTel(data.records.CustomerIndex, QStringLiteral("0312")); }},
    };

    std::printf("%d customers; median of %d runs, ms\n", kCustomers, kRuns);
    // ours: the keystroke in the window, painted; search: the search and sort alone; scan: a bare
    // pass over the index; plainlist: the same hits put into a QTreeWidget and painted.
    std::printf("%-30s %8s %10s %10s %10s %12s %10s %10s\n", "keystroke", "rows", "ours", "search", "scan", "ours/scan",
                "plainlist", "ours/plain");
    bool allUnder = true;
    auto run = [&](const Case &c) {
        int rows = 0;
        const double ours = median(
            [&] {
                c.field->setText(c.before);
                app.processEvents();
            },
            [&] {
                c.field->setText(c.after);
                window.repaint();
                rows = window.RowCount();
            });
        // The search alone, in the list's order, without the window.
        const double search = median({}, [&] {
            std::vector<CustomerHit> hits = c.hits();
            SortHits(hits, HitColumn(window.lsvCust->header()->sortIndicatorSection()),
                     window.lsvCust->header()->sortIndicatorOrder() == Qt::AscendingOrder ? SortOrder::Ascending
                                                                                          : SortOrder::Descending);
        });
        volatile int sink = 0;
        const double scan = median({}, [&] { sink = sink + c.scan(); });
        const double plainMs = median([&] { plain.clear(); }, [&] { plainList(plain, c.hits()); });
        allUnder = allUnder && ours < 16.0;
        std::printf("%-30s %8d %10.2f %10.2f %10.2f %12.1f %10.2f %10.3f\n", c.name, rows, ours, search, scan,
                    ours / scan, plainMs, ours / plainMs);
    };
    for (const Case &c : cases)
        run(c);

    // Sorted by name, the worst keystroke: every listed name gets its collation key.
    window.lsvCust->header()->setSortIndicator(2, Qt::AscendingOrder);
    QMetaObject::invokeMethod(window.lsvCust->header(), "sectionClicked", Q_ARG(int, 2));
    std::printf("-- list sorted by name\n");
    run(cases[0]);
    run(cases[4]);
    run(cases[3]);
    std::printf("%s\n", allUnder ? "every keystroke under 16 ms" : "SOME KEYSTROKE TOOK 16 ms OR MORE");
    return 0;
}
