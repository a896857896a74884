// Compaction stopped dead at random moments (SIGKILL of a child process doing it): each data
// file must afterwards hold either its complete old contents or its complete compacted
// contents, byte for byte, and no live record may be missing.
#include "storetest.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#ifndef SORANOWA_COMPACT_CHILD_PATH
#error "SORANOWA_COMPACT_CHILD_PATH must name the compaction child executable"
#endif

namespace
{

constexpr int kCustomers = 3000;
constexpr int kSales = 20000; // about 32 MB, so that kills land inside the copy
constexpr int kKills = 64;
constexpr int kKillsAroundRename = 14;

bool saleKeptByCompaction(const QByteArray &date, int16_t status)
{
    bool numeric = false;
    const long long day = date.toLongLong(&numeric);
    return status >= 0 && numeric && day > 20010619 && day < 22010619;
}

struct DataSet {
    QByteArray oldCustomers, newCustomers, oldSales, newSales;
    std::set<int32_t> liveCustomerIds;
    std::set<std::pair<QByteArray, int32_t>> liveSalesInWindow; // (date, customer id)
};

DataSet makeDataSet()
{
    DataSet d;
    const QByteArray customerBase = CustomerNo(1, "0300000000").bytes();
    for (int i = 1; i <= kCustomers; ++i) {
        QByteArray rec = customerBase;
        int32_t id = i;
        if (i % 7 == 0)
            id = -1;
        else if (i % 13 == 0)
            id = 0;
        fx::PutI32(rec, 0, id);
        fx::PutText(rec, 4, 14, QByteArray::number(300000000 + i).prepend('0'));
        d.oldCustomers += rec;
        if (id > 0) {
            d.newCustomers += rec;
            d.liveCustomerIds.insert(id);
        }
    }

    const QByteArray saleBase = SaleOf("20040101", 1, 1, 0).bytes();
    d.oldSales.reserve(qsizetype(kSales) * kSalesRecordLength);
    for (int i = 1; i <= kSales; ++i) {
        QByteArray rec = saleBase;
        const QDate day = QDate(2004, 1, 1).addDays(i % 700);
        QByteArray date = day.toString(QStringLiteral("yyyyMMdd")).toLatin1();
        int16_t status = int16_t(i % 4);
        int16_t orderNo = int16_t(i % 30000 + 1);
        if (i % 50 == 0)
            status = -1;
        if (i % 97 == 0)
            date = "20010619";
        if (i % 89 == 0)
            date = "22010619";
        if (i % 83 == 0)
            orderNo = 0;
        fx::PutText(rec, 0, 8, date);
        fx::PutI16(rec, 8, orderNo);
        fx::PutI32(rec, 10, i);
        fx::PutI16(rec, 1626, status);
        d.oldSales += rec;
        if (saleKeptByCompaction(date, status)) {
            d.newSales += rec;
            if (orderNo != 0)
                d.liveSalesInWindow.insert({date, i});
        }
    }
    return d;
}

// The live records a store finds in the folder, restricted to what compaction keeps.
void expectNoLiveRecordLost(const QString &folder, const DataSet &d)
{
    RecordStore s(folder);
    ASSERT_TRUE(s.OpenRecordFiles());
    ASSERT_TRUE(s.BuildIndexes());
    std::set<int32_t> ids;
    for (int pos = 1; pos <= s.CustomerCount(); ++pos)
        ids.insert(s.CustomerIndex[size_t(pos)].CustomerId);
    EXPECT_EQ(ids, d.liveCustomerIds);
    std::set<std::pair<QByteArray, int32_t>> sales;
    for (int pos = 1; pos <= s.SalesCount(); ++pos) {
        const SalesIndexEntry &e = s.SalesIndex[size_t(pos)];
        const QByteArray date = e.OrderDate().toLatin1();
        if (saleKeptByCompaction(date, e.Status))
            sales.insert({date, e.CustomerId});
    }
    EXPECT_EQ(sales, d.liveSalesInWindow);
}

} // namespace

TEST_F(StoreTest, KilledCompactionLeavesTheOldOrTheNewFileNeverAMix)
{
    const DataSet d = makeDataSet();
    ASSERT_GT(d.oldSales.size(), 30 * 1000 * 1000);
    ASSERT_NE(d.oldSales, d.newSales);
    ASSERT_NE(d.oldCustomers, d.newCustomers);
    const QString child = QStringLiteral(SORANOWA_COMPACT_CHILD_PATH);
    ASSERT_TRUE(QFileInfo::exists(child)) << child.toStdString();

    auto restoreOld = [&] {
        folder.write(RecordStore::kCustomerFile, d.oldCustomers);
        folder.write(RecordStore::kSalesFile, d.oldSales);
    };
    auto start = [&](QProcess &p) {
        p.setProgram(child);
        p.setArguments({folder.path()});
        p.start();
        return p.waitForStarted(10000);
    };
    auto waitForScanned = [](QProcess &p) {
        QByteArray out;
        while (!out.contains("scanned") && p.waitForReadyRead(30000))
            out += p.readAllStandardOutput();
        return out.contains("scanned");
    };

    // One undisturbed run: the compacted files, and how long the whole run and its tail
    // (from the end of the scan to the exit) take on this machine.
    restoreOld();
    qint64 totalUs = 0;
    qint64 tailUs = 0;
    {
        QProcess p;
        QElapsedTimer timer;
        timer.start();
        ASSERT_TRUE(start(p));
        ASSERT_TRUE(waitForScanned(p));
        const qint64 scannedAt = timer.nsecsElapsed() / 1000;
        ASSERT_TRUE(p.waitForFinished(60000));
        totalUs = timer.nsecsElapsed() / 1000;
        tailUs = std::max<qint64>(totalUs - scannedAt, 200);
        ASSERT_EQ(p.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
    ASSERT_EQ(folder.read(RecordStore::kCustomerFile), d.newCustomers);
    ASSERT_EQ(folder.read(RecordStore::kSalesFile), d.newSales);
    expectNoLiveRecordLost(folder.path(), d);

    std::mt19937 rng(20040115);
    int interrupted = 0, salesOld = 0, salesNew = 0, customersOnlyNew = 0;
    // A busy machine can let a run finish before its kill lands; such a run still has its files
    // checked, and the loop goes on until enough runs were really cut short.
    for (int i = 0; interrupted < kKills && i < 4 * kKills; ++i) {
        restoreOld();
        const bool aroundRename = interrupted >= kKills - kKillsAroundRename;
        // Spread over the whole run, or over the tail (last write, flush to disk, rename).
        const qint64 delayUs = aroundRename ? std::uniform_int_distribution<qint64>(0, tailUs * 11 / 10)(rng)
                                            : std::uniform_int_distribution<qint64>(0, totalUs * 95 / 100)(rng);
        QProcess p;
        ASSERT_TRUE(start(p));
        if (aroundRename)
            ASSERT_TRUE(waitForScanned(p));
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
        p.kill();
        ASSERT_TRUE(p.waitForFinished(60000));
        if (p.exitStatus() == QProcess::CrashExit)
            ++interrupted;

        const QByteArray customers = folder.read(RecordStore::kCustomerFile);
        const QByteArray sales = folder.read(RecordStore::kSalesFile);
        const bool customersIsOld = customers == d.oldCustomers;
        const bool customersIsNew = customers == d.newCustomers;
        const bool salesIsOld = sales == d.oldSales;
        const bool salesIsNew = sales == d.newSales;
        ASSERT_TRUE(customersIsOld || customersIsNew)
            << "kill " << i << " after " << delayUs << " us: customer file of " << customers.size() << " bytes";
        ASSERT_TRUE(salesIsOld || salesIsNew)
            << "kill " << i << " after " << delayUs << " us: sales file of " << sales.size() << " bytes";
        // Customers are compacted first.
        ASSERT_FALSE(salesIsNew && customersIsOld) << "kill " << i;
        salesOld += salesIsOld;
        salesNew += salesIsNew;
        customersOnlyNew += customersIsNew && salesIsOld;
        if (i % 8 == 0)
            expectNoLiveRecordLost(folder.path(), d);
    }
    std::printf("kills: %d interrupted, sales old %d / new %d, customers done but sales not %d "
                "(run %lld us, tail %lld us)\n",
                interrupted, salesOld, salesNew, customersOnlyNew, (long long)totalUs, (long long)tailUs);
    EXPECT_GE(interrupted, 50);
    EXPECT_GE(salesOld, 1);

    // Whatever the last kill left (a temporary file perhaps), the next compaction finishes it.
    QProcess p;
    ASSERT_TRUE(start(p));
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), d.newCustomers);
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), d.newSales);
    EXPECT_FALSE(QFileInfo::exists(folder.file(RecordStore::kSalesTemp)));
    EXPECT_FALSE(QFileInfo::exists(folder.file(RecordStore::kCustomerTemp)));
}
