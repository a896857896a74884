// The board's rules without a window: which orders are listed and how, the detail of one order,
// cancelling, the map and the print check.
#include "boardtest.h"

#include "board/boardcommands.h"
#include "board/boardrows.h"
#include "board/orderdetail.h"
#include "mock/shellrecorder.h"
#include "store/prefs.h"

namespace
{

QStringList columns(const BoardRow &row)
{
    QStringList out;
    for (int c = 0; c < kBoardColumns; ++c)
        out << row.column(c);
    return out;
}

} // namespace

TEST_F(BoardTest, RowsListTodayAndUnfinishedOrdersOfEarlierDays)
{
    const QDate yesterday = today.addDays(-1);
    addCustomer(1, "ﾔﾏﾀﾞ");
    addSale(yesterday, 1, 1, 2, [&](SalesRecord &s) {
        s.DesignatedTime = ToOleDate(QDateTime(yesterday, QTime(18, 0)));
        s.DepartTime = ToOleDate(QDateTime(yesterday, QTime(17, 45)));
    });
    addSale(yesterday, 2, 1, 0);                  // complete yesterday: gone
    addSale(today, 1, 1, 0, [&](SalesRecord &s) { // complete today: listed
        s.DoneTime = ToOleDate(QDateTime(today, QTime(12, 5)));
    });
    addSale(today, 2, 7, 1);              // customer 7 does not exist
    addSale(today.addDays(-30), 1, 1, 3); // containers still out

    std::vector<BoardRow> rows = BuildBoardRows(data.records, today);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(columns(rows[0]),
              (QStringList{"2:出前出発", "ﾔﾏﾀﾞ", "05/09 11:31", "05/09 18:00", "17:45", "-----", "-----"}));
    EXPECT_EQ(rows[0].Key, "202405091");
    EXPECT_EQ(rows[0].Color, QColor(255, 255, 0));
    EXPECT_EQ(columns(rows[1]), (QStringList{"4:完了!", "ﾔﾏﾀﾞ", "05/10 11:31", "-----", "-----", "12:05", "-----"}));
    EXPECT_EQ(rows[1].Color, QColor(255, 255, 255));
    EXPECT_EQ(rows[2].CustomerName, "削除されています");
    EXPECT_FALSE(rows[2].CustomerExists);
    EXPECT_EQ(rows[2].StatusText, "1:注文受付");
    EXPECT_EQ(rows[2].Color, QColor(255, 0, 0));
    EXPECT_EQ(rows[3].StatusText, "3:容器未回収");
    EXPECT_EQ(rows[3].Color, QColor(0, 255, 0));
    EXPECT_EQ((std::vector<int>{int(rows[0].Icon), int(rows[1].Icon), int(rows[2].Icon), int(rows[3].Icon)}),
              (std::vector<int>{3, 1, 2, 4}));
    EXPECT_EQ(rows[1].OrderStaff, "田中");

    // The next day: today's complete order is gone, the unfinished ones stay.
    rows = BuildBoardRows(data.records, today.addDays(1));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Key, "202405091");
    EXPECT_EQ(rows[1].Key, "202405102");
    EXPECT_EQ(rows[2].Key, "202404101");
}

TEST_F(BoardTest, DetailShowsOptionsDiscountRowsAndTheCustomerPanel)
{
    addCustomer(1, "ﾔﾏﾀﾞ");
    addCustomer(2, "ｽｽﾞｷ", "0000000");
    addSale(today, 1, 1, 1, [](SalesRecord &s) {
        s.ServiceDiscount = -100;
        s.PointDiscount = -50;
    });
    addSale(today, 2, 2, 1, [](SalesRecord &s) { s.DeliverTo = "会社"; });
    addSale(today, 3, 9, 1);

    RecordStore &r = data.records;
    OrderView v = ShowOrderDetail(r, "202405101");
    ASSERT_TRUE(v.Order);
    ASSERT_EQ(v.Detail.Rows.size(), 4u);
    const auto row = [&](int i) {
        const DetailRow &d = v.Detail.Rows[size_t(i)];
        return QStringList{d.Text, d.Qty, d.Price};
    };
    EXPECT_EQ(row(0), (QStringList{"ラーメン（大盛り）", "2", "¥650"}));
    EXPECT_EQ(row(1), (QStringList{"餃子", "1", "¥300"}));
    EXPECT_EQ(row(2), (QStringList{"サービス割引", "1", "-¥100"}));
    EXPECT_EQ(row(3), (QStringList{"ポイント割引", "1", "-¥50"}));
    EXPECT_EQ(v.Detail.ItemCountText, "3");
    EXPECT_EQ(v.Detail.AmountText, "¥1,600"); // the discounts are listed, not subtracted
    EXPECT_EQ(v.Order->Sale.OrderKey(), "202405101");
    EXPECT_EQ(v.Order->SalePos, 1);
    EXPECT_EQ(v.Order->CustomerPos, 1);
    const CustomerPanel &p = v.Panel;
    EXPECT_EQ((QStringList{p.Name, p.Address, p.Building, p.Tel, p.Zip, p.OrderStaff, p.DeliverTo}),
              (QStringList{"ﾔﾏﾀﾞ", "東京都新宿区西新宿2-8-1", "ソラノワビル", "0312345671", "1600023", "田中",
                           "住所と同じ"}));
    EXPECT_TRUE(p.MapEnabled);

    v = ShowOrderDetail(r, "202405102");
    EXPECT_EQ(v.Panel.DeliverTo, "会社");
    EXPECT_FALSE(v.Panel.MapEnabled); // "0000000" has no map
    EXPECT_EQ(v.Detail.Rows.size(), 2u);

    v = ShowOrderDetail(r, "202405103");
    ASSERT_TRUE(v.Order);
    EXPECT_EQ(v.Order->CustomerPos, -1);
    EXPECT_FALSE(v.Panel.Exists);
    EXPECT_EQ(v.Panel.Name, "削除されています");
    EXPECT_TRUE(v.Panel.Address.isEmpty() && v.Panel.Tel.isEmpty() && v.Panel.OrderStaff.isEmpty());
    EXPECT_FALSE(v.Panel.MapEnabled);

    EXPECT_FALSE(ShowOrderDetail(r, "202405104").Order);
}

TEST_F(BoardTest, CancelGivesPointsBackDeletesTheOrderAndRecountsTheCustomer)
{
    ShopSettings &shop = data.settings.Shop;
    shop.PointService = "1";
    shop.PointYenUnit = shop.PointStep = shop.PointStepYen = "100";
    shop.PointsPerUnit = "1";
    shop.PointValidMonths = "12";
    addCustomer(1, "ﾔﾏﾀﾞ", "1600023", 300);
    const QDate earlier(2024, 5, 1);
    addSale(earlier, 1, 1, 0);
    addSale(today, 1, 1, 1, [](SalesRecord &s) { s.PointDiscount = -100; }); // base 1,500: earned 15

    prompt.answerNext(PromptAnswer::No);
    EXPECT_FALSE(CancelOrder(data, "202405101", "ﾔﾏﾀﾞ"));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, "注文の取消確認");
    EXPECT_EQ(prompt.last().text, "「ﾔﾏﾀﾞ」様の注文を取り消しますか？");
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNo);
    EXPECT_EQ(data.records.SalesCount(), 2);

    EXPECT_TRUE(CancelOrder(data, "202405101", "ﾔﾏﾀﾞ"));
    EXPECT_EQ(prompt.count(), 2);
    EXPECT_EQ(data.records.SalesCount(), 1);

    // What the files hold, read by a store of its own.
    const QByteArray sales = folder.read("Sales.snw");
    ASSERT_EQ(sales.size(), 2 * kSalesRecordLength);
    EXPECT_EQ(RecordBytes::GetInt16(sales.constData() + kSalesRecordLength + SalesOffsets::Status), -1);
    RecordStore fresh(folder.path());
    ASSERT_TRUE(fresh.OpenRecordFiles() && fresh.BuildIndexes());
    EXPECT_EQ(fresh.SalesCount(), 1);
    const std::optional<CustomerRecord> customer = fresh.ReadCustomer(1);
    ASSERT_TRUE(customer);
    EXPECT_EQ(customer->Points, 385); // 300 + 100 spent - 15 earned
    EXPECT_EQ(customer->UseCount, 1);
    const double earlierTime = ToOleDate(QDateTime(earlier, QTime(11, 31)));
    EXPECT_DOUBLE_EQ(customer->FirstUseDate, earlierTime);
    EXPECT_DOUBLE_EQ(customer->LastUseDate, earlierTime);
}

TEST_F(BoardTest, MapPrintCheckFormAndSortPreferences)
{
    ShellRecorder shell;
    OpenMapForZip("");
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, "表示不可能");
    EXPECT_EQ(prompt.last().text, "顧客情報に郵便番号が入力されていないため、表示できません。");
    EXPECT_TRUE(shell.opened.isEmpty());
    OpenMapForZip("1600023");
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_TRUE(shell.opened[0].toString().endsWith("/c/f?uc=11&grp=all&zip=1600023"));
    EXPECT_EQ(shell.opened[0].toString(), MapUrlForZip("1600023").toString());

    EXPECT_TRUE(CheckPrintTarget(1));
    EXPECT_FALSE(CheckPrintTarget(0));
    EXPECT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().title, "印刷対象の未選択");
    EXPECT_EQ(prompt.last().text, "印刷対象がありません。");

    EXPECT_EQ(PrintKindName(DeliveryNoteKind()), "Nohin");
    SavePref("SET", "NOHIN", "0");
    EXPECT_EQ(PrintKindName(DeliveryNoteKind()), "Nohin");
    SavePref("SET", "NOHIN", "1");
    EXPECT_EQ(PrintKindName(DeliveryNoteKind()), "Nohin2");

    BoardSort sort = BoardSort::FromPrefs();
    EXPECT_EQ(sort.Column, -1);
    sort.Click(2);
    EXPECT_EQ(GetPref("SET", "SORTKEY"), "2");
    EXPECT_EQ(GetPref("SET", "SORT_AZ"), "0");
    sort.Click(2);
    EXPECT_EQ(GetPref("SET", "SORT_AZ"), "1");
    sort.Click(5);
    EXPECT_EQ((std::pair{GetPref("SET", "SORTKEY"), GetPref("SET", "SORT_AZ")}),
              (std::pair{QString("5"), QString("0")}));
    sort.Click(5);
    const BoardSort loaded = BoardSort::FromPrefs();
    EXPECT_EQ((std::pair{loaded.Column, int(loaded.Order)}), (std::pair{5, 1}));
}
