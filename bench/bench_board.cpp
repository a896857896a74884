// Building the order board's rows on a large sales file, timed against a plain pass over the
// sales index measured in the same run:
//   BuildBoardRows (1,000,000 sales, 300 listed)   vs  one pass over SalesIndex   target < 100 ms
//
//   bench_board [DATA_FOLDER]
// DATA_FOLDER defaults to a fresh folder under /tmp; it is generated (about 1.6 GB) and removed
// at the end.
#include "benchsupport.h"
#include "board/boardrows.h"
#include "board/orderdetail.h"
#include "store/records.h"
#include "store/recordstore.h"

#include <QCoreApplication>
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
constexpr int kToday = 200;      // today's orders, every status
constexpr int kUnfinished = 100; // unfinished orders of earlier days
const QDate kDay(2024, 5, 10);

bool generate(const QString &folder)
{
    CustomerRecord c;
    c.NameKana = QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ");
    c.Tel = QStringLiteral("0312345678");
    c.Zip = QStringLiteral("1600023");
    c.City = QStringLiteral("東京都新宿区");
    c.Banchi = QStringLiteral("西新宿2-8-1");
    const QByteArray customer = c.toBytes();
    if (!writeChunked(folder + "/Customer.snw", kCustomers, kCustomerRecordLength, [&](int i, char *out) {
            std::memcpy(out, customer.constData(), kCustomerRecordLength);
            RecordBytes::PutInt32(out + CustomerOffsets::CustomerId, i + 1);
        }))
        return false;

    SalesRecord s;
    s.OrderStaff = QStringLiteral("田中");
    s.ItemName[1] = QStringLiteral("ラーメン");
    s.ItemQty[1] = 2;
    s.ItemPrice[1] = YenToCurrency(650);
    s.ItemOption[1] = QStringLiteral("（なし）");
    s.DeliverTo = QStringLiteral("（なし）");
    s.OrderTime = 45420.5;
    s.DesignatedTime = s.DepartTime = s.DoneTime = s.CollectTime = 1.0;
    const QByteArray sale = s.toBytes();
    const QByteArray today = kDay.toString("yyyyMMdd").toLatin1();
    // Older orders fill one day per 30,000 orders, so that every order key is unique.
    std::vector<QByteArray> olderDays;
    for (int d = 0; d <= kSales / 30000; ++d)
        olderDays.push_back(kDay.addDays(-40 - d).toString("yyyyMMdd").toLatin1());
    // The listed orders are spread evenly over the file, the rest are complete older orders.
    constexpr int kStride = kSales / (kToday + kUnfinished);
    if (!writeChunked(folder + "/Sales.snw", kSales, kSalesRecordLength, [&](int i, char *out) {
            std::memcpy(out, sale.constData(), kSalesRecordLength);
            const int listed = i % kStride == 0 ? i / kStride : -1;
            const bool isToday = listed >= 0 && listed < kToday;
            std::memcpy(out + SalesOffsets::OrderDate, (isToday ? today : olderDays[size_t(i / 30000)]).constData(), 8);
            RecordBytes::PutInt16(out + SalesOffsets::OrderNo, qint16(isToday ? listed + 1 : i % 30000 + 1));
            RecordBytes::PutInt32(out + SalesOffsets::CustomerId, i % kCustomers + 1);
            qint16 status = 0;
            if (isToday)
                status = qint16(listed % 4);
            else if (listed >= kToday && listed < kToday + kUnfinished)
                status = qint16(listed % 3 + 1);
            RecordBytes::PutInt16(out + SalesOffsets::Status, status);
        }))
        return false;
    QFile tel(folder + "/Tel.snw");
    return tel.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1])
                 : QDir::tempPath() + QStringLiteral("/soranowa-bench-board-%1").arg(app.applicationPid());
    QDir().mkpath(folder);

    QElapsedTimer t;
    t.start();
    if (!generate(folder)) {
        std::fprintf(stderr, "cannot write the data folder %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("generated %d sales, %d customers in %.1f s\n", kSales, kCustomers, t.nsecsElapsed() / 1e9);

    int rc = 0;
    {
        RecordStore records(folder);
        t.restart();
        if (!records.OpenRecordFiles() || !records.BuildIndexes()) {
            QDir(folder).removeRecursively();
            return 1;
        }
        std::printf("BuildIndexes: %.0f ms\n", t.nsecsElapsed() / 1e6);

        // Baseline: the least a refresh must do, one pass over the index reading each entry.
        volatile qint64 sink = 0;
        const double baseline = best(7, [&] {
            qint64 sum = 0;
            for (size_t i = 1; i < records.SalesIndex.size(); ++i)
                sum += records.SalesIndex[i].Status + records.SalesIndex[i].OrderDateBytes[7];
            sink = sum;
        });
        std::vector<BoardRow> built;
        const double rows = best(7, [&] { built = BuildBoardRows(records, kDay); });
        const size_t listed = built.size();
        // The row whose lookup walks furthest through the index.
        const QString lastKey = built.empty() ? QString() : built.back().Key;
        const double detail = best(7, [&] { ShowOrderDetail(records, lastKey); });
        (void)sink;

        std::printf("listed rows:               %zu (expected %d)\n", listed, kToday + kUnfinished);
        std::printf("baseline (SalesIndex pass): %8.2f ms\n", baseline);
        std::printf("BuildBoardRows:             %8.2f ms   ratio %.1f   target < 100 ms: %s\n", rows, rows / baseline,
                    rows < 100 ? "met" : "MISSED");
        std::printf("ShowOrderDetail (last row): %8.2f ms\n", detail);
        if (listed != size_t(kToday + kUnfinished) || rows >= 100)
            rc = 1;
    }
    if (argc <= 1)
        QDir(folder).removeRecursively();
    return rc;
}
