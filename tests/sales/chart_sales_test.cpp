// The sales charts against figures worked out by hand on the sample orders of chartfixture.h:
//   2004: 01/01 Thu 11:50 (done 12:10) 1600 = ラーメン 2x650 + 餃子 300, customer 1 (1000001)
//         02/01 Sun 18:00 (18:30)       650 = ラーメン,                    customer 2 (no code)
//         03/01 Mon 12:00 (12:20)      2100 = チャーハン 3x700,            customer 3 (0000000)
//         02/29 Sun 20:00 (20:40)       600 = 餃子 2x300,                  customer 99 (deleted)
//   2003: 03/10 Mon 12:30 (12:50) 2600; 02/28 Fri 12:00 (12:30) 1000
// and orders that never count: not delivered, deleted, order number 0, outside the period.
#include "chartfixture.h"
#include "ziptestdata.h"

#include "sales/chartareas.h"
#include "sales/saleschart.h"

#include <gtest/gtest.h>

namespace
{

class SalesChart : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("Sales.snw"), ChartRecords(ChartSampleSales()));
        bool ok = false;
        copy = LoadSalesCopy(
            folder.file(QStringLiteral("Sales.snw")),
            [this](qint64 v, qint64 m) {
                progress.push_back({v, m});
            },
            &ok);
        ASSERT_TRUE(ok);
        const std::array<bool, 13> janToMar{false, true, true, true};
        criteria.Periods = ChartMonthPeriods(2004, janToMar);
        criteria.Time = ChartAllDay();
    }

    ChartDrawing draw(SalesChartKind kind, const ChartAreaSource &areas = {})
    {
        return DrawSalesChart(copy, kind, criteria, areas);
    }

    static std::vector<double> values(const ChartDrawing &d, int series) { return d.Table.Values[size_t(series)]; }
    static QStringList side(const ChartDrawing &d, int row) { return d.Side.Rows[size_t(row)].Cells; }

    TestDataFolder folder;
    SalesCopy copy;
    SalesChartCriteria criteria;
    std::vector<std::pair<qint64, qint64>> progress;
};

TEST_F(SalesChart, CopyKeepsLiveOrdersAndReportsProgressThenResets)
{
    // Ten records: the deleted one and the one numbered 0 stay out.
    EXPECT_EQ(copy.Sales.size(), 8u);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), (std::pair<qint64, qint64>{8, 10}));
    EXPECT_EQ(progress.back(), (std::pair<qint64, qint64>{0, 10}));
    bool ok = true;
    EXPECT_TRUE(LoadSalesCopy(folder.file(QStringLiteral("missing.snw")), {}, &ok).Sales.empty());
    EXPECT_FALSE(ok);
}

TEST_F(SalesChart, MonthChartComparesWithTheYearBeforeAndAveragesSellingMonths)
{
    EXPECT_EQ(criteria.Periods.KikanText(), QStringLiteral("2004/01/01～2004/03/31"));
    const ChartDrawing d = draw(SalesChartKind::Month);
    EXPECT_FALSE(d.Table.Pie);
    EXPECT_EQ(d.Table.Series, (QStringList{"昨年度", "今年度"}));
    EXPECT_EQ(d.Table.Categories.size(), 12);
    EXPECT_EQ(d.Table.Categories.front(), QStringLiteral("1月"));
    std::vector<double> before(12), now(12);
    before[1] = 1000, before[2] = 2600;
    now[0] = 1600, now[1] = 1250, now[2] = 2100;
    EXPECT_EQ(values(d, 0), before);
    EXPECT_EQ(values(d, 1), now);
    ASSERT_EQ(d.Side.Rows.size(), 14u);
    EXPECT_EQ(d.Side.Headings, (QStringList{"昨年度", "今年度"}));
    EXPECT_EQ(side(d, 1), (QStringList{"¥1,000", "¥1,250"}));
    EXPECT_EQ(side(d, 3), (QStringList{"¥0", "¥0"}));
    EXPECT_EQ(d.Side.Rows[12].Label, QStringLiteral("合計"));
    EXPECT_EQ(side(d, 12), (QStringList{"¥3,600", "¥4,950"}));
    EXPECT_EQ(d.Side.Rows[13].Label, QStringLiteral("平均"));
    EXPECT_EQ(side(d, 13), (QStringList{"¥1,800", "¥1,650"}));
}

TEST_F(SalesChart, MonthAverageOfASingleMonthAndOfNoSales)
{
    const std::array<bool, 13> all{false, true, true, true, true, true, true, true, true, true, true, true, true};
    criteria.Periods = ChartMonthPeriods(2003, all);
    // 2003 sold in February and March; 2002 nothing.
    ChartDrawing d = draw(SalesChartKind::Month);
    EXPECT_EQ(side(d, 13), (QStringList{"¥0", "¥1,800"}));
    criteria.Periods.Start = "20030301", criteria.Periods.End = "20030331";
    d = draw(SalesChartKind::Month);
    EXPECT_EQ(side(d, 13)[1], QStringLiteral("¥2,600"));
}

TEST_F(SalesChart, YearBeforeOfALeapDayEndsOnTheTextOfADayThatDoesNotExist)
{
    criteria.Periods = ChartRangePeriods(QDate(2004, 2, 1), QDate(2004, 2, 29));
    EXPECT_EQ(criteria.Periods.PrevStart, QStringLiteral("20030201"));
    EXPECT_EQ(criteria.Periods.PrevEnd, QStringLiteral("20030229"));
    const ChartDrawing d = draw(SalesChartKind::Month);
    EXPECT_EQ(values(d, 0)[1], 1000); // 2003/02/28 still counts
    EXPECT_EQ(values(d, 1)[1], 1250);
    // The month tab computes the last day in each year instead.
    const std::array<bool, 13> feb{false, false, true};
    const ChartPeriods m = ChartMonthPeriods(2004, feb);
    EXPECT_EQ(m.End, QStringLiteral("20040229"));
    EXPECT_EQ(m.PrevEnd, QStringLiteral("20030228"));
    // A single day compares with the same text a year earlier.
    const ChartPeriods day = ChartRangePeriods(QDate(2004, 3, 1), QDate(2004, 3, 1));
    EXPECT_EQ(day.PrevStart, QStringLiteral("20030301"));
    EXPECT_EQ(day.PrevEnd, QStringLiteral("20030301"));
}

TEST_F(SalesChart, DayWeekdayAndHourCharts)
{
    ChartDrawing d = draw(SalesChartKind::Day);
    EXPECT_EQ(d.Table.Series, QStringList{"今年度"});
    std::vector<double> days(31);
    days[0] = 4350; // the 1st of January, February and March fold together
    days[28] = 600;
    EXPECT_EQ(values(d, 0), days);
    EXPECT_EQ(d.Side.Rows[0].Label, QStringLiteral("1日"));
    EXPECT_EQ(side(d, 0), QStringList{"¥4,350"});

    d = draw(SalesChartKind::Weekday);
    EXPECT_EQ(d.Table.Categories.front(), QStringLiteral("日曜日"));
    EXPECT_EQ(d.Table.Categories.back(), QStringLiteral("土曜日"));
    EXPECT_EQ(values(d, 0), (std::vector<double>{0, 2600, 0, 0, 0, 1000, 0}));
    EXPECT_EQ(values(d, 1), (std::vector<double>{1250, 2100, 0, 0, 1600, 0, 0}));
    EXPECT_EQ(d.Side.Rows[0].Label, QStringLiteral("日"));
    EXPECT_EQ(side(d, 1), (QStringList{"¥2,600", "¥2,100"}));

    d = draw(SalesChartKind::Hour);
    std::vector<double> before(24), now(24);
    before[12] = 3600;
    now[11] = 1600, now[12] = 2100, now[18] = 650, now[20] = 600;
    EXPECT_EQ(values(d, 0), before);
    EXPECT_EQ(values(d, 1), now);
    EXPECT_EQ(d.Side.Headings, QStringList{"今年度"});
    EXPECT_EQ(side(d, 11), QStringList{"¥1,600"});
}

TEST_F(SalesChart, TimeSlotFiltersOnDeliveryButChartsTheHourTaken)
{
    criteria.Time = ChartSlot(QTime(12, 0), QTime(13, 0));
    EXPECT_EQ(criteria.Time.Start, 120000);
    EXPECT_EQ(criteria.Time.End, 130000);
    const ChartDrawing d = draw(SalesChartKind::Hour);
    // Taken 11:50, delivered 12:10: in the slot, charted at 11.
    EXPECT_EQ(values(d, 1)[11], 1600);
    EXPECT_EQ(values(d, 1)[12], 2100);
    EXPECT_EQ(values(d, 1)[18], 0);
    EXPECT_EQ(values(d, 0)[12], 3600);
}

TEST_F(SalesChart, ItemChartSortsBySalesWithSharesAndTotals)
{
    const ChartDrawing d = draw(SalesChartKind::Item);
    EXPECT_TRUE(d.Table.Pie);
    EXPECT_EQ(d.Table.Categories, QStringList{"売上高"});
    EXPECT_EQ(d.Table.Series, (QStringList{"チャーハン (42.4%)", "ラーメン (39.4%)", "餃子 (18.2%)"}));
    ASSERT_EQ(d.Table.Values.size(), 3u);
    EXPECT_EQ(d.Table.Values[0], std::vector<double>{2100});
    EXPECT_EQ(d.Side.Headings, (QStringList{"売上高", "売上数量"}));
    ASSERT_EQ(d.Side.Rows.size(), 9u);
    EXPECT_EQ(side(d, 1), (QStringList{"¥1,950", "3"}));
    EXPECT_EQ(side(d, 3), (QStringList{"", ""})); // unused rows are empty
    EXPECT_EQ(side(d, 8), (QStringList{"¥4,950", "9"}));
}

TEST_F(SalesChart, NineItemsFoldIntoSevenAndTheRest)
{
    std::vector<SalesRecord> sales;
    for (int i = 0; i < 9; ++i)
        sales.push_back(ChartOrder("20040105", qint16(i + 1), 1, "12:00", "12:30",
                                   {{QStringLiteral("品%1").arg(i + 1), 1, 100 * (9 - i)}}));
    folder.write(QStringLiteral("Sales.snw"), ChartRecords(sales));
    copy = LoadSalesCopy(folder.file(QStringLiteral("Sales.snw")));
    const ChartDrawing d = draw(SalesChartKind::Item);
    ASSERT_EQ(d.Table.Series.size(), 8);
    EXPECT_EQ(d.Table.Series[0], QStringLiteral("品1 (20.0%)"));
    EXPECT_EQ(d.Table.Series[6], QStringLiteral("品7 (6.7%)"));
    EXPECT_EQ(d.Table.Series[7], QStringLiteral("その他 (6.7%)"));
    EXPECT_EQ(side(d, 7), (QStringList{"¥300", "2"}));
    double sum = 0;
    for (const auto &v : d.Table.Values)
        sum += v[0];
    EXPECT_EQ(sum, 4500); // the slices make up the whole item total
    EXPECT_EQ(side(d, 8), (QStringList{"¥4,500", "9"}));
}

TEST_F(SalesChart, AreaChartNamesCodesAndLeavesDeletedCustomersInTheTotalsOnly)
{
    BuildHandmadeZipDb(folder.path());
    RecordStore records(folder.path());
    ASSERT_TRUE(records.OpenRecordFiles());
    for (const CustomerRecord &c : ChartSampleCustomers())
        ASSERT_TRUE(records.AddCustomer(c));
    ChartAreaNamer namer(folder.file(QStringLiteral("ZipDB.IDX")));
    const ChartDrawing d = draw(SalesChartKind::Area, SalesAreaSource(records, namer));
    EXPECT_EQ(d.Table.Series, (QStringList{"お持ち帰り (42.4%)", "東京都千代田区千代田 (32.3%)", "未記入 (13.1%)"}));
    EXPECT_EQ(d.Side.Headings, (QStringList{"売上高", "売上件数"}));
    EXPECT_EQ(side(d, 0), (QStringList{"¥2,100", "1"}));
    EXPECT_EQ(side(d, 8), (QStringList{"¥4,950", "4"}));
}

TEST(ChartNames, AreaNamesAreCutToTwentyCharactersAndUnknownCodesNamedSo)
{
    TestDataFolder folder;
    BuildHandmadeZipDb(folder.path());
    ChartAreaNamer namer(folder.file(QStringLiteral("ZipDB.IDX")));
    EXPECT_EQ(namer.Name(QStringLiteral("4506201")), QStringLiteral("愛知県名古屋市中村区名駅ミッドランドスク"));
    EXPECT_EQ(namer.Name(QStringLiteral("9999999")), QStringLiteral("不明"));
    ChartAreaNamer missing(folder.file(QStringLiteral("none.IDX")));
    EXPECT_EQ(missing.Name(QStringLiteral("1000001")), QStringLiteral("不明"));
}

TEST(ChartCriteria, MonthRunsYearListAndSlotTimes)
{
    std::array<bool, 13> t{};
    EXPECT_EQ(ChartMonthRun(t), (std::pair<int, int>{1, 1}));
    t[3] = t[4] = t[5] = t[9] = true;
    EXPECT_EQ(ChartMonthRun(t), (std::pair<int, int>{3, 5}));
    t.fill(true);
    EXPECT_EQ(ChartMonthRun(t), (std::pair<int, int>{1, 12}));
    const QStringList years = ChartYearList(2004, QStringLiteral("20010619"));
    EXPECT_EQ(years, (QStringList{"2004年度", "2003年度", "2002年度", "2001年度"}));
    EXPECT_EQ(ChartYearList(2004, QStringLiteral("19990301")).back(), QStringLiteral("1999年度"));
    EXPECT_EQ(ChartSlotTimeFromText(ChartSlotTimeText(QTime(14, 30))), QTime(14, 30));
    EXPECT_EQ(ChartSlotTimeFromText(QStringLiteral("0")), QTime(0, 0));
    EXPECT_EQ(ChartShareHash(5, 1000), QStringLiteral(".5%"));
    EXPECT_EQ(ChartShareZero(5, 1000), QStringLiteral("0.5%"));
    EXPECT_EQ(ChartShareHash(1, 1), QStringLiteral("100.0%"));
    EXPECT_EQ(ChartShareHash(0, 0), QStringLiteral(".0%"));
    EXPECT_EQ(ChartCount(1234567), QStringLiteral("1,234,567"));
}

TEST(ChartCopy, AbsurdValuesNeitherCrashNorWrapRound)
{
    TestDataFolder folder;
    SalesRecord s = ChartOrder("20040101", 1, 1, "12:00", "12:30", {{QStringLiteral("高級"), 32767, 0}});
    s.ItemPrice[1] = std::numeric_limits<qint64>::max();
    s.OrderTime = std::numeric_limits<double>::quiet_NaN();
    SalesRecord t = ChartOrder("20040101", 2, 1, "12:00", "12:30", {{QStringLiteral("高級"), 32767, 0}});
    t.ItemPrice[1] = std::numeric_limits<qint64>::max();
    t.DoneTime = 1e300;
    folder.write(QStringLiteral("Sales.snw"), ChartRecords({s, t, s}));
    const SalesCopy copy = LoadSalesCopy(folder.file(QStringLiteral("Sales.snw")));
    ASSERT_EQ(copy.Sales.size(), 3u);
    EXPECT_EQ(copy.Sales[0].OrderDay, -1);
    EXPECT_EQ(copy.Sales[1].DoneKey, -1);
    SalesChartCriteria c{ChartRangePeriods(QDate(2004, 1, 1), QDate(2004, 1, 1)), ChartAllDay()};
    const ChartDrawing d = DrawSalesChart(copy, SalesChartKind::Item, c);
    EXPECT_EQ(d.Table.Values[0][0], double(std::numeric_limits<qint64>::max()));
    EXPECT_EQ(DrawSalesChart(copy, SalesChartKind::Day, c).Table.Values[0], std::vector<double>(31));
}

} // namespace
