// The sales search and the sales totals on a large sales file, each timed against reading the
// matching records alone, measured in the same run:
//   sales search of one year to a filled list (1,000,000 sales, ~100,000 found)   target < 0.5 s
//   sales totals and staff collection of the listed orders                      target < 0.3 s
//
//   bench_sales [DATA_FOLDER]
// DATA_FOLDER defaults to a fresh folder under /tmp; it is generated (about 1.6 GB) and removed
// at the end.
#include "benchsupport.h"
#include "sales/salessearch.h"
#include "sales/salestotals.h"
#include "sales/ui/salesrowmodel.h"
#include "store/oledate.h"
#include "store/records.h"
#include "store/recordstore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTreeView>

#include <cstdio>
#include <cstring>
#include <functional>
#include <random>

namespace
{

constexpr int kCustomers = 20000;
constexpr int kSales = 1000000;
constexpr int kDays = 3650; // ten years: one year holds about 100,000 orders
const QDate kFirstDay(2015, 1, 1);

bool writeAll(const QString &path, int count, int length, const std::function<void(int, char *)> &fill)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray chunk;
    for (int done = 0; done < count;) {
        const int n = std::min(8192, count - done);
        chunk.resize(qsizetype(n) * length);
        for (int i = 0; i < n; ++i)
            fill(done + i, chunk.data() + qsizetype(i) * length);
        if (f.write(chunk) != chunk.size())
            return false;
        done += n;
    }
    return true;
}

bool generate(const QString &folder)
{
    CustomerRecord c;
    c.NameKana = QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ");
    c.Tel = QStringLiteral("0312345678");
    const QByteArray customer = c.toBytes();
    c.Tel = QStringLiteral("000");
    const QByteArray takeOut = c.toBytes();
    if (!writeAll(folder + "/Customer.snw", kCustomers, kCustomerRecordLength, [&](int i, char *out) {
            std::memcpy(out, (i == 0 ? takeOut : customer).constData(), kCustomerRecordLength);
            RecordBytes::PutInt32(out + CustomerOffsets::CustomerId, i + 1);
        }))
        return false;
    std::mt19937 random(7);
    std::vector<QByteArray> templates;
    for (int t = 0; t < 64; ++t) {
        SalesRecord s;
        s.OrderStaff = QStringLiteral("田中");
        s.DeliveryStaff = t % 5 == 0 ? QStringLiteral("") : QStringLiteral("佐藤");
        const int lines = 1 + t % 4;
        for (int i = 1; i <= lines; ++i) {
            s.ItemName[i] = QStringLiteral("メニュー%1").arg((t * 7 + i * 13) % 120);
            s.ItemQty[i] = qint16(1 + (t + i) % 3);
            s.ItemPrice[i] = YenToCurrency(300 + 50 * ((t + i) % 20));
            s.ItemOption[i] = QStringLiteral("（なし）");
        }
        s.PointDiscount = t % 7 == 0 ? -100 : 0;
        s.ServiceDiscount = t % 11 == 0 ? -50 : 0;
        s.DesignatedTime = s.DepartTime = s.CollectTime = 1.0;
        templates.push_back(s.toBytes());
    }
    return writeAll(folder + "/Sales.snw", kSales, kSalesRecordLength, [&](int i, char *out) {
        std::memcpy(out, templates[size_t(random() % templates.size())].constData(), kSalesRecordLength);
        const QDate day = kFirstDay.addDays(qint64(i) * kDays / kSales);
        const QByteArray date = day.toString(QStringLiteral("yyyyMMdd")).toLatin1();
        std::memcpy(out + SalesOffsets::OrderDate, date.constData(), 8);
        RecordBytes::PutInt16(out + SalesOffsets::OrderNo, qint16(1 + i % 300));
        RecordBytes::PutInt32(out + SalesOffsets::CustomerId, 1 + int(random() % kCustomers));
        const double taken = ToOleDate(day) + (11 * 60 + int(random() % 600)) / 1440.0;
        RecordBytes::PutDouble(out + SalesOffsets::OrderTime, taken);
        RecordBytes::PutDouble(out + SalesOffsets::DoneTime, i % 50 == 0 ? 1.0 : taken + 0.02);
        RecordBytes::PutInt16(out + SalesOffsets::Status, 0);
    });
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool own = argc < 2;
    const QString folder = own ? QDir::tempPath() + "/bench_sales" : QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    if (!QFile::exists(folder + "/Sales.snw") && !generate(folder)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(folder));
        return 1;
    }
    RecordStore records(folder);
    if (!records.OpenRecordFiles() || !records.BuildIndexes())
        return 1;

    SearchCriteria year;
    year.Start = QStringLiteral("20200101");
    year.End = QStringLiteral("20201231");
    std::vector<SalesRow> found = SearchSales(records, year);
    const std::vector<int> positions = RowPositions(found);
    std::printf("sales %d, one year listed %zu\n", records.SalesCount(), positions.size());

    const double reading = best(3, [&] {
        for (int pos : positions)
            records.ReadSale(pos);
    });
    SalesRowModel model;
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setModel(&model);
    view.resize(600, 400);
    view.show();
    const double search = best(3, [&] {
        model.setRows(SearchSales(records, year));
        view.doItemsLayout();
        QApplication::processEvents();
    });
    const double totals = best(3, [&] { ComputeSalesTotals(records, QStringLiteral("10"), positions); });
    const double staff = best(3, [&] {
        ComputeStaffCollection(records, QStringLiteral("10"), {QString(), QStringLiteral("佐藤")}, positions);
    });
    std::printf("reading the listed records alone   %8.1f ms\n", reading);
    std::printf("search to a filled list            %8.1f ms  ratio %.2f  %s (< 500 ms)\n", search, search / reading,
                search < 500 ? "ok" : "SLOW");
    std::printf("sales totals                       %8.1f ms  ratio %.2f  %s (< 300 ms)\n", totals, totals / reading,
                totals < 300 ? "ok" : "SLOW");
    std::printf("staff collection                   %8.1f ms  ratio %.2f  %s (< 300 ms)\n", staff, staff / reading,
                staff < 300 ? "ok" : "SLOW");
    records.CloseRecordFiles();
    if (own)
        QDir(folder).removeRecursively();
    return 0;
}
