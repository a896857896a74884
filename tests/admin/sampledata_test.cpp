// The sample-data generator called directly, with a fixed "today".
#include "adminsupport.h"

#include "sampledata/sampledata.h"
#include "store/oledate.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

TEST(SampleData, RecordsAreWrittenExactlyAsTheRecordCodecWritesThem)
{
    QTemporaryDir dir;
    SampleDataOptions o;
    o.customers = 40;
    o.orders = 700;
    o.days = 45;
    o.seed = 99;
    o.today = QDate(2004, 1, 15);
    SampleDataSummary summary;
    QString error;
    ASSERT_TRUE(WriteSampleData(dir.path(), o, &summary, &error)) << error.toStdString();
    EXPECT_EQ(summary.firstDay, QDate(2003, 12, 2));
    EXPECT_EQ(summary.lastDay, QDate(2004, 1, 15));

    // Decoding and encoding again gives the same bytes: every field holds what the codec
    // would write (blank padding, whole characters, no stray bytes).
    const QByteArray sales = ReadBytes(dir.filePath(QStringLiteral("Sales.snw")));
    ASSERT_EQ(sales.size(), 700 * kSalesRecordLength);
    std::array<int, 5> byStatus{};
    QString lastDate;
    for (int i = 0; i < 700; ++i) {
        const char *rec = sales.constData() + qsizetype(i) * kSalesRecordLength;
        const SalesRecord s = SalesRecord::fromBytes(rec);
        ASSERT_EQ(s.toBytes(), QByteArray(rec, kSalesRecordLength)) << "order " << i + 1;
        ++byStatus[size_t(s.Status + 1)];
        EXPECT_GE(s.OrderDate, QStringLiteral("20031202"));
        EXPECT_LE(s.OrderDate, QStringLiteral("20040115"));
        lastDate = s.OrderDate;
    }
    EXPECT_EQ(lastDate, QStringLiteral("20040115"));
    EXPECT_EQ(byStatus, summary.byStatus);
    const QByteArray customers = ReadBytes(dir.filePath(QStringLiteral("Customer.snw")));
    ASSERT_EQ(customers.size(), 40 * kCustomerRecordLength);
    for (int i = 0; i < 40; ++i) {
        const char *rec = customers.constData() + qsizetype(i) * kCustomerRecordLength;
        ASSERT_EQ(CustomerRecord::fromBytes(rec).toBytes(), QByteArray(rec, kCustomerRecordLength))
            << "customer " << i + 1;
    }
}

TEST(SampleData, PointsLapseAfterTheValidMonthsOverALongPeriod)
{
    QTemporaryDir dir;
    SampleDataOptions o;
    o.customers = 1500;
    o.orders = 4000;
    o.days = 500;
    o.seed = 4;
    o.today = QDate(2005, 8, 31);
    QString error;
    ASSERT_TRUE(WriteSampleData(dir.path(), o, nullptr, &error)) << error.toStdString();
    const auto sales = ReadSalesFile(dir.filePath(QStringLiteral("Sales.snw")));
    const auto customers = ReadCustomerFile(dir.filePath(QStringLiteral("Customer.snw")));
    int lapses = 0;
    const auto points = ReplayPoints(sales, ReadPointRules(dir.filePath(QStringLiteral("Shop.snw"))), &lapses);
    EXPECT_GT(lapses, 0) << "the period is long enough for some points to lapse";
    for (const CustomerRecord &c : customers)
        EXPECT_EQ(c.Points, points.count(c.CustomerId) ? points.at(c.CustomerId) : 0) << c.CustomerId;
}

TEST(SampleData, BusyDaysStopAtTheLargestOrderNumber)
{
    QTemporaryDir dir;
    SampleDataOptions o;
    o.customers = 10;
    o.orders = 2 * kSampleMaxOrdersPerDay;
    o.days = 2;
    o.today = QDate(2010, 3, 1);
    QString error;
    ASSERT_TRUE(WriteSampleData(dir.path(), o, nullptr, &error)) << error.toStdString();
    const QByteArray sales = ReadBytes(dir.filePath(QStringLiteral("Sales.snw")));
    ASSERT_EQ(sales.size(), qint64(o.orders) * kSalesRecordLength);
    // Both days are full: numbers 1..32767 on each.
    for (qint64 i :
         {qint64(0), qint64(kSampleMaxOrdersPerDay - 1), qint64(kSampleMaxOrdersPerDay), qint64(o.orders - 1)}) {
        const SalesRecord s = SalesRecord::fromBytes(sales.constData() + i * kSalesRecordLength);
        EXPECT_EQ(s.OrderNo, i % kSampleMaxOrdersPerDay + 1) << i;
        EXPECT_EQ(s.OrderDate, i < kSampleMaxOrdersPerDay ? QStringLiteral("20100228") : QStringLiteral("20100301"));
    }

    o.orders += 1;
    EXPECT_FALSE(WriteSampleData(dir.path(), o, nullptr, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("do not fit into 2 days"))) << error.toStdString();
}

TEST(SampleData, RefusesUnusableOptionsAndFolders)
{
    SampleDataOptions o;
    o.customers = 5;
    o.orders = 5;
    EXPECT_TRUE(SampleDataProblem(o).isEmpty());
    o.days = 0;
    EXPECT_EQ(SampleDataProblem(o), QStringLiteral("the number of days must be 1 to 3650"));
    o.days = 30;
    o.customers = 0;
    EXPECT_EQ(SampleDataProblem(o), QStringLiteral("orders need at least one customer"));
    o.orders = 0;
    EXPECT_TRUE(SampleDataProblem(o).isEmpty()) << "an empty shop is fine";

    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(WriteSampleData(dir.filePath(QStringLiteral("missing")), o, nullptr, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("folder not found"))) << error.toStdString();

    // The empty shop still has its settings and three empty record files.
    ASSERT_TRUE(WriteSampleData(dir.path(), o, nullptr, &error)) << error.toStdString();
    for (const char *name : {"Customer.snw", "Sales.snw", "Tel.snw"})
        EXPECT_EQ(QFileInfo(dir.filePath(QString::fromLatin1(name))).size(), 0) << name;
    EXPECT_EQ(ReadSettingLines(dir.filePath(QStringLiteral("menub.snw"))).size(), 120);
}
