// The customer analysis pies against head counts worked out by hand.
#include "chartfixture.h"
#include "ziptestdata.h"

#include "sales/chartareas.h"
#include "sales/customerchart.h"
#include "store/settingtables.h"

#include <gtest/gtest.h>

namespace
{

class CustomerChart : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        BuildHandmadeZipDb(folder.path());
        // Ten customers in nine postal-code groups, and a deleted record that never counts.
        const QStringList zips = {"1000001", "1000001", "",        "0000000", "1530064",
                                  "4506201", "1000002", "1000003", "1000004", "9999999"};
        const std::vector<qint16> motives = {3, 5, 1, 1, -1, -1, -1, -1, -1, -1};
        const std::vector<qint16> uses = {31, 30, 21, 20, 11, 10, 6, 5, 1, 0};
        QByteArray bytes;
        for (int i = 0; i < 10; ++i) {
            bytes += ChartCustomer(i + 1, zips[i], motives[size_t(i)], uses[size_t(i)]).toBytes();
            if (i == 4)
                bytes += ChartCustomer(-1, "1530064", 2, 3).toBytes();
        }
        folder.write(QStringLiteral("Customer.snw"), bytes);
        bool ok = false;
        copy = LoadCustomerCopy(
            folder.file(QStringLiteral("Customer.snw")),
            [this](qint64 v, qint64 m) {
                progress.push_back({v, m});
            },
            &ok);
        ASSERT_TRUE(ok);
    }

    ChartDrawing draw(CustomerChartKind kind, const CustomerCopy &c)
    {
        return DrawCustomerChart(
            c, kind, [this](const QString &zip) { return namer.Name(zip); }, BuildMotiveList());
    }

    static QStringList counts(const ChartDrawing &d)
    {
        QStringList out;
        for (const ChartSideRow &r : d.Side.Rows)
            out << r.Cells[0];
        return out;
    }

    TestDataFolder folder;
    ChartAreaNamer namer{QStringLiteral("ZipDB.IDX")}; // the data folder is the current directory
    CustomerCopy copy;
    std::vector<std::pair<qint64, qint64>> progress;
};

TEST_F(CustomerChart, CopySkipsDeletedRecordsAndReportsProgress)
{
    EXPECT_EQ(copy.size(), 10u);
    EXPECT_EQ(progress.front(), (std::pair<qint64, qint64>{10, 11}));
    EXPECT_EQ(progress.back(), (std::pair<qint64, qint64>{0, 11}));
}

TEST_F(CustomerChart, AreaPieFoldsNineGroupsIntoSevenAndTheRest)
{
    const ChartDrawing d = draw(CustomerChartKind::Area, copy);
    EXPECT_TRUE(d.Table.Pie);
    EXPECT_EQ(d.Table.Categories, QStringList{"地域別顧客割合"});
    EXPECT_EQ(d.Table.Series,
              (QStringList{"東京都千代田区千代田 (20.0%)", "未記入 (10.0%)", "不明 (10.0%)",
                           "東京都目黒区下目黒 (10.0%)", "愛知県名古屋市中村区名駅ミッドランドスク (10.0%)",
                           "東京都千代田区皇居外苑 (10.0%)", "東京都千代田区一ツ橋 (10.0%)", "その他 (20.0%)"}));
    EXPECT_EQ(d.Table.Values[7], std::vector<double>{2});
    EXPECT_EQ(d.Side.Headings, QStringList{"人数"});
    EXPECT_EQ(counts(d), (QStringList{"2", "1", "1", "1", "1", "1", "1", "2", "10"}));
    EXPECT_EQ(d.Side.Rows[8].Label, QStringLiteral("合計"));

    // Eight codes stay eight named slices.
    CustomerCopy eight(copy.begin(), copy.begin() + 9);
    EXPECT_EQ(draw(CustomerChartKind::Area, eight).Table.Series.back(), QStringLiteral("東京都千代田区大手町 (11.1%)"));
}

TEST_F(CustomerChart, MotivePieSortsByExchange)
{
    // Met in the order 3 (1), 5 (1), 1 (2): drawn 1, 5, 3.
    const CustomerCopy four(copy.begin(), copy.begin() + 4);
    ChartDrawing d = draw(CustomerChartKind::Motive, four);
    EXPECT_EQ(d.Table.Series, (QStringList{"新聞折込広告 (50.0%)", "知人の紹介 (25.0%)", "店舗利用経験有り (25.0%)"}));
    EXPECT_EQ(counts(d), (QStringList{"2", "1", "1", "0", "0", "0", "0", "0", "4"}));

    d = draw(CustomerChartKind::Motive, copy);
    EXPECT_EQ(d.Table.Categories, QStringList{"利用動機別顧客割合"});
    EXPECT_EQ(d.Table.Series, (QStringList{"未記入 (60.0%)", "新聞折込広告 (20.0%)", "店舗利用経験有り (10.0%)",
                                           "知人の紹介 (10.0%)"}));

    const CustomerCopy same(3, CustomerCopyEntry{QString(), 4, 0});
    EXPECT_EQ(draw(CustomerChartKind::Motive, same).Table.Series, QStringList{"インターネット (100.0%)"});
}

TEST_F(CustomerChart, OrderCountPieAlwaysHasTheEightBuckets)
{
    ChartDrawing d = draw(CustomerChartKind::OrderCount, copy);
    EXPECT_EQ(d.Table.Categories, QStringList{"利用回数別顧客割合"});
    EXPECT_EQ(d.Table.Series, (QStringList{"31-回 (10.0%)", "21-30回 (20.0%)", "11-20回 (20.0%)", "6-10回 (20.0%)",
                                           "4-5回 (10.0%)", "2-3回 (0.0%)", "1回 (10.0%)", "その他 (10.0%)"}));
    EXPECT_EQ(counts(d), (QStringList{"1", "2", "2", "2", "1", "0", "1", "1", "10"}));
    // A share below 1 % keeps its leading zero here.
    CustomerCopy many(200, CustomerCopyEntry{QString(), -1, 0});
    many[0].UseCount = 1;
    EXPECT_EQ(draw(CustomerChartKind::OrderCount, many).Table.Series[6], QStringLiteral("1回 (0.5%)"));
}

} // namespace
