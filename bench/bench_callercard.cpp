// The caller card on a large sales file, timed against a plain pass over the sales index
// measured in the same run:
//   CallerCardOrders (1,000,000 sales)   vs  one pass over SalesIndex   target < 20 ms
// Three callers: a regular whose orders are spread over the whole file, one whose only orders
// are at the very start (the search walks the whole index), and one who never ordered.
//
//   bench_callercard [DATA_FOLDER]
// DATA_FOLDER defaults to a fresh folder under /tmp; it is generated (about 1.6 GB) and removed
// at the end.
#include "benchsupport.h"
#include "orders/callercard.h"
#include "store/records.h"
#include "store/recordstore.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

namespace
{

constexpr int kCustomers = 20000;
constexpr int kSales = 1000000;
constexpr qint32 kEarlyCaller = kCustomers + 1;  // ordered only in the first orders of the file
constexpr qint32 kSilentCaller = kCustomers + 2; // never ordered
const QDate kDay(2024, 5, 10);

bool generate(const QString &folder)
{
    CustomerRecord c;
    c.NameKana = QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ");
    c.Tel = QStringLiteral("0312345678");
    const QByteArray customer = c.toBytes();
    if (!writeChunked(folder + "/Customer.snw", kSilentCaller, kCustomerRecordLength, [&](int i, char *out) {
            std::memcpy(out, customer.constData(), kCustomerRecordLength);
            RecordBytes::PutInt32(out + CustomerOffsets::CustomerId, i + 1);
        }))
        return false;

    SalesRecord s;
    s.ItemName[1] = QStringLiteral("ラーメン");
    s.ItemQty[1] = 2;
    s.ItemPrice[1] = YenToCurrency(650);
    s.ItemOption[1] = QStringLiteral("（なし）");
    s.ItemName[2] = QStringLiteral("餃子");
    s.ItemQty[2] = 1;
    s.ItemPrice[2] = YenToCurrency(300);
    s.ItemOption[2] = QStringLiteral("（なし）");
    s.OrderTime = 45420.5;
    s.DesignatedTime = s.DepartTime = s.DoneTime = s.CollectTime = 1.0;
    const QByteArray sale = s.toBytes();
    std::vector<QByteArray> days;
    for (int d = 0; d <= kSales / 30000; ++d)
        days.push_back(kDay.addDays(-d).toString("yyyyMMdd").toLatin1());
    return writeChunked(folder + "/Sales.snw", kSales, kSalesRecordLength,
                        [&](int i, char *out) {
                            std::memcpy(out, sale.constData(), kSalesRecordLength);
                            std::memcpy(out + SalesOffsets::OrderDate,
                                        days[size_t((kSales - 1 - i) / 30000)].constData(), 8);
                            RecordBytes::PutInt16(out + SalesOffsets::OrderNo, qint16(i % 30000 + 1));
                            const qint32 customerId = i < 3 ? kEarlyCaller : i % kCustomers + 1;
                            RecordBytes::PutInt32(out + SalesOffsets::CustomerId, customerId);
                            // Every seventh order of the regulars is not complete yet.
                            RecordBytes::PutInt16(out + SalesOffsets::Status, qint16(i >= 3 && i % 7 == 0 ? 1 : 0));
                        }) &&
           QFile(folder + "/Tel.snw").open(QIODevice::WriteOnly | QIODevice::Truncate);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1
                               ? QString::fromLocal8Bit(argv[1])
                               : QDir::tempPath() + QStringLiteral("/soranowa-bench-card-%1").arg(app.applicationPid());
    QDir().mkpath(folder);

    QElapsedTimer t;
    t.start();
    if (!generate(folder)) {
        std::fprintf(stderr, "cannot write the data folder %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("generated %d sales, %d customers in %.1f s\n", kSales, kSilentCaller, t.nsecsElapsed() / 1e9);

    int rc = 0;
    {
        RecordStore records(folder);
        if (!records.OpenRecordFiles() || !records.BuildIndexes()) {
            QDir(folder).removeRecursively();
            return 1;
        }
        volatile qint64 sink = 0;
        const double baseline = best(7, [&] {
            qint64 sum = 0;
            for (size_t i = 1; i < records.SalesIndex.size(); ++i)
                sum += records.SalesIndex[i].Status + records.SalesIndex[i].CustomerId;
            sink = sum;
        });
        (void)sink;
        std::printf("baseline (SalesIndex pass):  %8.3f ms\n", baseline);
        const struct {
            const char *what;
            qint32 id;
            size_t expected;
        } callers[] = {{"regular caller", 4321, 3},
                       {"orders only at the start", kEarlyCaller, 3},
                       {"never ordered", kSilentCaller, 0}};
        for (const auto &c : callers) {
            std::vector<CardOrder> card;
            const double ms = best(7, [&] { card = CallerCardOrders(records, c.id, QStringLiteral("8")); });
            const bool met = ms < 20 && card.size() == c.expected;
            std::printf("CallerCardOrders, %-26s %8.3f ms   ratio %.2f   rows %zu   target < 20 ms: %s\n",
                        (std::string(c.what) + ":").c_str(), ms, ms / baseline, card.size(), met ? "met" : "MISSED");
            if (!met)
                rc = 1;
        }
    }
    if (argc <= 1)
        QDir(folder).removeRecursively();
    return rc;
}
