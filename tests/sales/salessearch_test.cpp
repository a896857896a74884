#include "salestest.h"

#include "sales/salessearch.h"
#include "store/oledate.h"

#include <random>

namespace
{

QStringList names(const std::vector<SalesRow> &rows)
{
    QStringList out;
    for (const SalesRow &r : rows)
        out << r.OrderTime + " " + r.Name;
    return out;
}

SearchCriteria period(const QString &from, const QString &to, const QString &t0 = "000000",
                      const QString &t1 = "235959", const QString &id = {})
{
    SearchCriteria c;
    c.Start = from;
    c.End = to;
    c.TimeStart = t0;
    c.TimeEnd = t1;
    c.CustomerId = id;
    return c;
}

} // namespace

TEST_F(SalesTest, Search_DateRangeDeliveryTimeAndCustomerRules)
{
    addSale("20240509", 1, 2, {{"ラーメン", 1, 600}}, QTime(14, 0, 0));
    addSale("20240510", 1, 12, {{"ラーメン", 1, 600}}, QTime(14, 0, 30));
    addSale("20240510", 2, 2, {{"ラーメン", 1, 600}}, std::nullopt);  // taken, not delivered
    addSale("20240510", 3, 99, {{"ラーメン", 1, 600}}, QTime(12, 0)); // customer deleted
    addSale("20240511", 1, 12, {{"ラーメン", 1, 600}}, QTime(11, 0));
    addSale("20240512", 1, 12, {{"ラーメン", 1, 600}}, QTime(0, 0)); // delivered at midnight
    // Delivered the next morning: the time of day counts, not the order's day.
    addSale("20240509", 2, 2, {{"餃子", 1, 300}}, QTime(9, 15), "佐藤",
            [](SalesRecord &s) { s.DoneTime = at(QDate(2024, 5, 10), QTime(9, 15)); });

    // One day, all day: the undelivered order is not found, the deleted customer's is.
    std::vector<SalesRow> rows = SearchSales(data.records, period("20240510", "20240510"));
    EXPECT_EQ(names(rows), QStringList({"2024/05/10 11:00 ｽｽﾞｷ ﾊﾅｺ", "2024/05/10 11:00 削除"}));
    EXPECT_EQ(rows[1].Tel, "------------");
    EXPECT_EQ(rows[0].Tel, "0398765432");
    EXPECT_EQ(rows[0].Pos, 2);

    // Slot 11:00-14:00 filters on the delivery's time of day: 14:00:00 in, 14:00:30 out.
    rows = SearchSales(data.records, period("20240509", "20240512", "110000", "140000"));
    EXPECT_EQ(names(rows),
              QStringList({"2024/05/09 11:00 ﾔﾏﾀﾞ ﾀﾛｳ", "2024/05/10 11:00 削除", "2024/05/11 11:00 ｽｽﾞｷ ﾊﾅｺ"}));
    rows = SearchSales(data.records, period("20240509", "20240509", "090000", "100000"));
    EXPECT_EQ(rows.size(), 1u);

    // Range edges are inclusive; the customer number is compared as plain decimal text.
    // A delivery completed at exactly midnight reads like an unset time and is never found.
    EXPECT_EQ(SearchSales(data.records, period("20240509", "20240512")).size(), 5u);
    EXPECT_EQ(SearchSales(data.records, period("20240511", "20240512", "000000", "235959", "12")).size(), 1u);
    EXPECT_EQ(SearchSales(data.records, period("20240501", "20240531", "000000", "235959", "00012")).size(), 0u);
    EXPECT_TRUE(SearchSales(data.records, period("20240601", "20240630")).empty());

    // Sorting by name keeps equal names in list order; a second sort reverses.
    rows = SearchSales(data.records, period("20240509", "20240512"));
    SortSalesRows(rows, 0, SortOrder::Descending);
    EXPECT_EQ(rows.front().OrderTime, "2024/05/11 11:00");
    SortSalesRows(rows, 1, SortOrder::Ascending);
    EXPECT_EQ(rows.front().Name, "ｽｽﾞｷ ﾊﾅｺ");
}

TEST(SalesSearchRules, MonthsTimesAndYears)
{
    QString from, to;
    std::array<bool, 12> m{};
    m[2] = m[3] = m[4] = m[8] = true;
    MonthPeriod(2004, m, &from, &to);
    EXPECT_EQ(from + "-" + to, "20040301-20040531");
    MonthPeriod(2004, std::array<bool, 12>{}, &from, &to);
    EXPECT_EQ(from + "-" + to, "20040101-20040131");
    std::array<bool, 12> feb{};
    feb[1] = true;
    MonthPeriod(2024, feb, &from, &to);
    EXPECT_EQ(to, "20240229");
    MonthPeriod(2023, feb, &from, &to);
    EXPECT_EQ(to, "20230228");
    std::array<bool, 12> all;
    all.fill(true);
    MonthPeriod(2024, all, &from, &to);
    EXPECT_EQ(from + "-" + to, "20240101-20241231");

    EXPECT_EQ(DoneTimeKey(1.0), "350000");
    EXPECT_EQ(DoneTimeKey(45000.0), "350000");
    EXPECT_EQ(DoneTimeKey(45000.5), "120000");
    EXPECT_EQ(DoneTimeKey(-1.25), "060000"); // before 1899-12-30 the fraction still gives the time
    EXPECT_EQ(DoneTimeKey(std::nan("")), "350000");
    EXPECT_EQ(SlotTimeText(QTime(9, 5, 59)), "090500");

    // The list's fast date text is the program's date format, edges of rounding included.
    std::mt19937_64 random(5);
    std::vector<double> values = {1.0, 0.0, -1.25, 45000.99999999, 2958465.9, 1e300, -1e9, 37000.5 - 1e-9};
    for (int i = 0; i < 20000; ++i)
        values.push_back(double(random() % 4000000000ull) / 1e4 - 50000.0);
    for (double v : values)
        ASSERT_EQ(SalesRowTimeText(v), FormatOleDate(v, "yyyy/MM/dd hh:mm")) << v;

    EXPECT_EQ(SearchYears(2004, "20010619"), QStringList({"2004年度", "2003年度", "2002年度", "2001年度"}));
    EXPECT_EQ(SearchYears(2002, "20000301").last(), "2000年度");
}

TEST(SalesSearchRules, DetailShowsLinesDiscountsAndProgress)
{
    SalesRecord s;
    s.ItemName[1] = "ラーメン";
    s.ItemQty[1] = 2;
    s.ItemPrice[1] = YenToCurrency(1650);
    s.ItemOption[1] = "大盛り";
    s.ItemName[2] = "餃子";
    s.ItemQty[2] = 1;
    s.ItemPrice[2] = YenToCurrency(300);
    s.ItemOption[2] = "（なし）";
    s.ItemName[4] = "見えない行"; // after the first empty name
    s.ServiceDiscount = -50;
    s.PointDiscount = -100;
    s.OrderTime = ToOleDate(QDateTime(QDate(2024, 5, 10), QTime(11, 5)));
    s.OrderStaff = "田中";
    s.DoneTime = ToOleDate(QDateTime(QDate(2024, 5, 10), QTime(11, 40)));
    s.DeliveryStaff = "佐藤";
    s.CollectTime = 1.0;
    const SaleDetailView v = BuildSaleDetail(s);
    ASSERT_EQ(v.Lines.size(), 4u);
    EXPECT_EQ(v.Lines[0], QStringList({"ラーメン（大盛り）", "2", "¥1,650"}));
    EXPECT_EQ(v.Lines[1], QStringList({"餃子", "1", "¥300"}));
    EXPECT_EQ(v.Lines[2], QStringList({"サービス割引", "1", "-¥50"}));
    EXPECT_EQ(v.Lines[3], QStringList({"ポイント割引", "1", "-¥100"}));
    EXPECT_EQ(v.TotalText, "合計：¥3,600"); // discounts are not subtracted
    EXPECT_EQ(v.Progress[0], QStringList({"注文受付", "05/10 11:05", "田中"}));
    EXPECT_EQ(v.Progress[1], QStringList({"出前完了", "05/10 11:40", "佐藤"}));
    EXPECT_EQ(v.Progress[2], QStringList({"容器回収", "----------", ""}));
}
