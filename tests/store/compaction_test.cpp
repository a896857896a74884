// Compaction at exit: which records survive, in which order, the progress it reports and what
// a failure leaves behind.
#include "storetest.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>

#include <sys/resource.h>

namespace
{

struct Progress {
    std::vector<std::pair<qint64, qint64>> calls;
    ProgressFn fn()
    {
        return [this](qint64 value, qint64 maximum) { calls.emplace_back(value, maximum); };
    }
};

} // namespace

TEST_F(StoreTest, CompactCustomersKeepsLiveCustomersInOrder)
{
    const fx::Customer a = CustomerNo(3, "0311111111");
    const fx::Customer b = CustomerNo(41, "0322222222");
    const fx::Customer c = CustomerNo(7, "0333333333");
    writeCustomers({CustomerNo(-1, "0399999999"), a, CustomerNo(0, "0300000000"), b, CustomerNo(-5, "05"), c});
    // A leftover temporary file from an earlier run is replaced.
    folder.write(RecordStore::kCustomerTemp, QByteArray(1000, 'x'));

    RecordStore &s = open();
    Progress progress;
    ASSERT_TRUE(s.CompactCustomers(progress.fn()));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), a.bytes() + b.bytes() + c.bytes());
    EXPECT_FALSE(QFileInfo::exists(folder.file(RecordStore::kCustomerTemp)));

    // The bar runs up to (records + 10); every value reported is the next record to read.
    ASSERT_FALSE(progress.calls.empty());
    for (const auto &[value, maximum] : progress.calls) {
        EXPECT_EQ(maximum, 16);
        EXPECT_GE(value, 0);
        EXPECT_LE(value, 7);
    }
    EXPECT_EQ(progress.calls.back().first, 7);

    // The tables are left as they were; after a rebuild they match the new file.
    EXPECT_EQ(s.CustomerCount(), 3);
    EXPECT_EQ(s.CustomerIndex[1].RecordNo, 2);
    ASSERT_TRUE(s.BuildIndexes());
    EXPECT_EQ(s.CustomerIndex[1].RecordNo, 1);
    EXPECT_EQ(s.CustomerIndex[3].CustomerId, 7);
    EXPECT_EQ(s.NextCustomerRecordNo, 4);
    // The store goes on working on the new file.
    ASSERT_TRUE(s.AddCustomer(CustomerRecord::fromBytes(CustomerNo(42, "0342").bytes().constData())));
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile),
              a.bytes() + b.bytes() + c.bytes() + CustomerNo(42, "0342").bytes());
}

TEST_F(StoreTest, CompactSalesKeepsLiveSalesDatedInsideTheWindow)
{
    const fx::Sale kept1 = SaleOf("20040115", 1, 3, 0);
    const fx::Sale emptyKept = SaleOf("20040116", 0, 3, 1); // skipped by the index, kept here
    const fx::Sale firstDay = SaleOf("20010620", 1, 3, 2);  // just inside
    const fx::Sale lastDay = SaleOf("22010618", 1, 3, 3);   // just inside
    const fx::Sale inProgress = SaleOf("20040220", 2, 3, 1);
    const std::vector<fx::Sale> dropped{
        SaleOf("20040115", 2, 3, -1), // deleted
        SaleOf("20010619", 1, 3, 0),  // the lower limit itself
        SaleOf("20000301", 1, 3, 0),  // before it
        SaleOf("22010619", 1, 3, 0),  // the upper limit itself
        SaleOf("29991231", 1, 3, 0),  // after it
        SaleOf("", 1, 3, 0),          // no date
        SaleOf("2004011a", 1, 3, 0),  // not a number
        SaleOf("20040115", 3, 3, -2), // any negative status
    };
    std::vector<fx::Sale> file{dropped[0], kept1,   dropped[1], emptyKept,  dropped[2], firstDay,  dropped[3],
                               dropped[4], lastDay, dropped[5], dropped[6], inProgress, dropped[7]};
    writeSales(file);
    QByteArray nulDate = SaleOf("20040115", 1, 3, 0).bytes();
    nulDate.replace(0, 8, QByteArray(8, '\0')); // a date never assigned: dropped
    folder.write(RecordStore::kSalesFile, folder.read(RecordStore::kSalesFile) + nulDate);

    RecordStore &s = open();
    // While the program runs the index still lists the sales outside the window.
    EXPECT_EQ(s.SalesCount(), 11);
    EXPECT_EQ(s.OldestSalesDate, U("20000301"));
    Progress progress;
    ASSERT_TRUE(s.CompactSales(progress.fn()));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(folder.read(RecordStore::kSalesFile),
              kept1.bytes() + emptyKept.bytes() + firstDay.bytes() + lastDay.bytes() + inProgress.bytes());
    EXPECT_FALSE(QFileInfo::exists(folder.file(RecordStore::kSalesTemp)));
    ASSERT_FALSE(progress.calls.empty());
    EXPECT_EQ(progress.calls.front(), std::make_pair(qint64(0), qint64(24)));
    EXPECT_EQ(progress.calls.back(), std::make_pair(qint64(15), qint64(24)));

    EXPECT_EQ(s.SalesCount(), 11); // untouched until rebuilt
    ASSERT_TRUE(s.BuildIndexes());
    EXPECT_EQ(s.SalesCount(), 4); // the empty record is kept in the file, not listed
    EXPECT_EQ(s.OldestSalesDate, U("20010619"));
    EXPECT_EQ(s.NextSalesRecordNo, 6);
}

TEST_F(StoreTest, CompactionDropsATornTailAndWorksWithClosedOrMissingFiles)
{
    const fx::Customer a = CustomerNo(3, "0311111111");
    folder.write(RecordStore::kCustomerFile, a.bytes() + QByteArray(200, '\x07'));
    const fx::Sale sale = SaleOf("20040115", 1, 3, 0);
    folder.write(RecordStore::kSalesFile, sale.bytes() + QByteArray(10, '\x07'));

    // Without the files open (the store compacts by name).
    RecordStore s(folder.path());
    ASSERT_TRUE(s.CompactCustomers());
    ASSERT_TRUE(s.CompactSales());
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), a.bytes());
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), sale.bytes());
    EXPECT_FALSE(s.IsOpen());

    // Empty files stay empty.
    folder.write(RecordStore::kSalesFile, QByteArray());
    ASSERT_TRUE(s.CompactSales());
    EXPECT_TRUE(QFileInfo::exists(folder.file(RecordStore::kSalesFile)));
    EXPECT_EQ(QFileInfo(folder.file(RecordStore::kSalesFile)).size(), 0);
    EXPECT_EQ(prompt.count(), 0);

    // A missing file cannot be compacted.
    QFile::remove(folder.file(RecordStore::kCustomerFile));
    EXPECT_FALSE(s.CompactCustomers());
    expectErrorBox(U("ErrorNo: 5\r\rファイル最適化エラー"));
}

TEST_F(StoreTest, FailedCompactionLeavesTheDataFileIntact)
{
    const QByteArray sales =
        fx::FileOf(std::vector<fx::Sale>{SaleOf("20040115", 1, 3, 0), SaleOf("20040115", 2, 3, -1)});
    folder.write(RecordStore::kSalesFile, sales);
    const QByteArray customers = fx::FileOf(std::vector<fx::Customer>{CustomerNo(-1, "01"), CustomerNo(2, "02")});
    writeCustomers({CustomerNo(-1, "01"), CustomerNo(2, "02")});
    // The temporary file cannot be created: a folder is in its place.
    ASSERT_TRUE(QDir(folder.path()).mkpath(RecordStore::kSalesTemp + QStringLiteral("/inside")));
    ASSERT_TRUE(QDir(folder.path()).mkpath(RecordStore::kCustomerTemp + QStringLiteral("/inside")));

    RecordStore &s = open();
    EXPECT_FALSE(s.CompactCustomers());
    expectErrorBox(U("ErrorNo: 5\r\rファイル最適化エラー"));
    EXPECT_FALSE(s.CompactSales());
    expectErrorBox(U("ErrorNo: 5\r\rファイル最適化エラー"));
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), sales);
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customers);

    // The files are open again afterwards and the program goes on.
    EXPECT_TRUE(s.IsOpen());
    const std::optional<SalesRecord> sale = s.ReadSale(1);
    ASSERT_TRUE(sale);
    EXPECT_EQ(sale->OrderNo, 1);
}

TEST_F(StoreTest, CompactionAfterAWorkingSessionKeepsEverythingStillLive)
{
    Clock::Pin(QDateTime(QDate(2004, 1, 15), QTime(12, 0)));
    writeCustomers({CustomerNo(1, "01"), CustomerNo(2, "02"), CustomerNo(3, "03")});
    writeSales({SaleOf("20040114", 1, 1, 0), SaleOf("20040115", 1, 2, 1)});
    RecordStore &s = open();

    // A day's work: a new customer and order, one customer deleted, one order cancelled.
    ASSERT_TRUE(s.AddCustomer(CustomerRecord::fromBytes(CustomerNo(s.MaxCustomerId() + 1, "04").bytes().constData())));
    ASSERT_TRUE(s.AddSale(
        SalesRecord::fromBytes(SaleOf("20040115", qint16(s.MaxOrderNoToday() + 1), 4, 1).bytes().constData())));
    ASSERT_TRUE(s.DeleteCustomer(2));
    ASSERT_TRUE(s.DeleteSale(1));

    ASSERT_TRUE(s.CompactCustomers());
    ASSERT_TRUE(s.CompactSales());
    s.CloseRecordFiles();

    EXPECT_EQ(folder.read(RecordStore::kCustomerFile),
              CustomerNo(1, "01").bytes() + CustomerNo(3, "03").bytes() + CustomerNo(4, "04").bytes());
    EXPECT_EQ(folder.read(RecordStore::kSalesFile),
              SaleOf("20040115", 1, 2, 1).bytes() + SaleOf("20040115", 2, 4, 1).bytes());
    RecordStore &next = open();
    EXPECT_EQ(next.CustomerCount(), 3);
    EXPECT_EQ(next.SalesCount(), 2);
    EXPECT_EQ(next.MaxOrderNoToday(), 2);
}

TEST_F(StoreTest, CompactionThatCannotWriteItsCopyLeavesTheDataFileIntact)
{
    std::vector<fx::Sale> sales;
    for (int i = 1; i <= 300; ++i)
        sales.push_back(SaleOf("20040115", int16_t(i), i, 0));
    writeSales(sales);
    const QByteArray before = folder.read(RecordStore::kSalesFile);
    RecordStore &s = open();

    // The disk fills up halfway through the copy: the process may not write files over 200 KB.
    struct rlimit old {
    };
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 200 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = s.CompactSales();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    expectErrorBox(U("ErrorNo: 5\r\rファイル最適化エラー"));
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), before);
    // The half-written copy is cleared away by the next compaction.
    ASSERT_TRUE(s.CompactSales());
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), before);
    EXPECT_FALSE(QFileInfo::exists(folder.file(RecordStore::kSalesTemp)));
}
