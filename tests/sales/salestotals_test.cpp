#include "salestest.h"

#include "sales/money.h"
#include "sales/salesexport.h"
#include "sales/salestotals.h"
#include "store/helpers.h"

#include <QProcess>

#include <random>

namespace
{

// The sort as the shop's totals have always been ordered, pair by pair.
void literalExchangeSort(std::vector<ItemTotal> &items)
{
    for (size_t i = 0; i < items.size(); ++i)
        for (size_t j = i + 1; j < items.size(); ++j)
            if (items[j].Amount > items[i].Amount)
                std::swap(items[i], items[j]);
}

} // namespace

struct SalesTotalsTest : SalesTest {
    void addBook()
    {
        // A: take-out. B: delivery with both discounts. C: deleted customer; its second line has
        // quantity 0, so the totals stop there while the collection counts every slot.
        // D: a negative quantity on its second line, delivered by someone no longer on the staff.
        addSale("20240510", 1, 1, {{"ラーメン", 2, 500}, {"餃子", 1, 300}});
        addSale("20240510", 2, 2, {{"ラーメン", 1, 600}, {"ビール", 3, 400}}, QTime(12, 0), "佐藤", [](SalesRecord &s) {
            s.ServiceDiscount = -50;
            s.PointDiscount = -100;
        });
        addSale("20240510", 3, 99, {{"餃子", 2, 300}, {"おまけ", 0, 100}, {"ライス", 1, 200}}, QTime(12, 0), "");
        addSale("20240510", 4, 12, {{"ライス", 1, 200}, {"ラーメン", -1, 500}}, QTime(12, 0), "退職者");
    }
};

TEST_F(SalesTotalsTest, Totals_EveryFigureAsComputedByHand)
{
    addBook();
    const SalesTotals t = ComputeSalesTotals(data.records, "5", allPositions());
    const std::vector<QStringList> items = t.ItemRows();
    const std::vector<QStringList> wantItems = {
        {"ラーメン", "3", "¥500", "¥1,600"}, // 2 x 500 + 1 x 600, first price kept
        {"ビール", "3", "¥400", "¥1,200"},   {"餃子", "3", "¥300", "¥900"},
        {"ライス", "1", "¥200", "¥200"},     {"", "", "", ""},
        {"割引", "2", "", "-¥150"},
    };
    EXPECT_EQ(items, wantItems);
    const std::vector<QStringList> wantSummary = {
        {"お持帰り", "1件", "3", "¥1,300", "¥65", "¥1,365", "¥1,300", "¥1,365"},
        {"配達", "2件", "7", "¥2,600", "¥130", "¥2,730", "¥1,300", "¥1,365"},
        {"", "", "", "", "", "", "", ""},
        {"合計", "3件", "10", "¥3,900", "¥195", "¥4,095", "¥1,300", "¥1,365"},
        {"割引", "2件", "", "", "", "-¥150", "", ""},
        {"割引後合計", "", "", "", "", "¥3,945", "", ""},
    };
    EXPECT_EQ(t.SummaryRows(), wantSummary);

    // Take-out orders are not collected; unknown and empty staff names go to "未記入".
    const StaffCollection c = ComputeStaffCollection(data.records, "5", data.settings.StaffList, allPositions());
    const std::vector<QStringList> wantStaff = {
        {"未記入", "2", "¥525", "¥0", "¥525"}, // 800 -> 840, -300 -> -315
        {"佐藤", "1", "¥1,890", "-¥150", "¥1,740"},
        {"鈴木", "0", "¥0", "¥0", "¥0"},
    };
    EXPECT_EQ(c.Rows(), wantStaff);
    EXPECT_EQ(c.CountText(), "3件");
    EXPECT_EQ(c.WithTaxText(), "¥2,415");
    EXPECT_EQ(c.DiscountText(), "-¥150");
    EXPECT_EQ(c.MoneyText(), "¥2,265");
}

TEST_F(SalesTotalsTest, Totals_TaxRoundsDownAndEmptyOrOrphanListsShowZero)
{
    addSale("20240510", 1, 2, {{"弁当", 1, 1234}});
    addSale("20240510", 2, 99, {{"弁当", 1, 1000}});
    SalesTotals t = ComputeSalesTotals(data.records, "8", {1});
    EXPECT_EQ(t.DeliveryTax, 98);

    // Only a deleted customer's order: counted in neither count, averages "¥0", no "割引" item row.
    t = ComputeSalesTotals(data.records, "8", {2});
    EXPECT_EQ(t.SummaryRows()[1], QStringList({"配達", "0件", "1", "¥1,000", "¥80", "¥1,080", "¥0", "¥0"}));
    EXPECT_EQ(t.SummaryRows()[4], QStringList({"割引", "0件", "", "", "", "¥0", "", ""}));
    EXPECT_EQ(t.ItemRows().size(), 1u);

    t = ComputeSalesTotals(data.records, "8", {});
    EXPECT_TRUE(t.ItemRows().empty());
    EXPECT_EQ(t.SummaryRows()[3], QStringList({"合計", "0件", "0", "¥0", "¥0", "¥0", "¥0", "¥0"}));

    // Prices at the currency limit stop at the limit instead of wrapping round.
    addSale("20240510", 3, 2, {{"特注", 2, kMaxYen}, {"特注", 3, kMaxYen}});
    t = ComputeSalesTotals(data.records, "5", {3});
    EXPECT_EQ(t.DeliverySales, kMaxYen);
    EXPECT_EQ(t.Items.at(0).Amount, kMaxYen);
    EXPECT_GT(t.DeliveryTax, 0);
}

TEST(SalesExchangeSort, SameOrderAsThePairwiseLoopOnRandomTables)
{
    std::mt19937 random(20240510);
    for (int round = 0; round < 2000; ++round) {
        const int n = int(random() % 80);
        const int spread = 1 + int(random() % 12); // few distinct amounts: many ties
        std::vector<ItemTotal> items;
        for (int i = 0; i < n; ++i)
            items.push_back({QString::number(i), 0, 0, qint64(random() % spread) - 2});
        std::vector<ItemTotal> fast = items, literal = items;
        ExchangeSortByAmount(fast);
        literalExchangeSort(literal);
        ASSERT_EQ(fast.size(), literal.size());
        for (size_t i = 0; i < fast.size(); ++i)
            ASSERT_EQ(fast[i].Name, literal[i].Name) << "round " << round << " position " << i;
    }
}

TEST_F(SalesTotalsTest, Export_BytesQuotedCp932CrLf)
{
    const std::vector<QStringList> rows = {
        {"ラーメン", "3", "¥500", "¥1,500"}, {"", "", "", ""}, {"割引", "2", "", "-¥150"}};
    const QByteArray want("\"\x83\x89\x81[\x83\x81\x83\x93\",\"3\",\"500\",\"1,500\"\r\n"
                          "\"\",\"\",\"\",\"\"\r\n"
                          "\"\x8a\x84\x88\xf8\",\"2\",\"\",\"-150\"\r\n");
    EXPECT_EQ(ItemCsvBytes(rows), want);

    prompt.fileNext(folder.file("out.csv"));
    EXPECT_TRUE(ExportItemCsv(rows));
    EXPECT_EQ(folder.read("out.csv"), want);
    EXPECT_EQ(prompt.fileDialogTitles.last(), "売上データのエクスポート");
    EXPECT_EQ(prompt.last().title, "完了");
    EXPECT_EQ(prompt.last().text, "エクスポートが完了しました。");

    prompt.clear();
    prompt.fileNext(QString());
    EXPECT_FALSE(ExportItemCsv(rows));
    EXPECT_EQ(prompt.count(), 0);

    prompt.fileNext(folder.file("no/such/folder/out.csv"));
    EXPECT_FALSE(ExportItemCsv(rows));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, ErrorBoxText(5, "エクスポートファイル書き込みエラー"));
}

TEST(SalesCaption, PeriodAndTimes)
{
    SearchCriteria c;
    c.Start = "20240501";
    c.End = "20240531";
    c.TimeStart = "110000";
    c.TimeEnd = "140000";
    EXPECT_EQ(TotalsCaption(kTotalsCaptionPrefix, c), "売上集計 [ 2024/05/01 ～ 2024/05/31 11:00-14:00 ]");
    c.End = c.Start;
    EXPECT_EQ(TotalsCaption(kStaffCaptionPrefix, c), "スタッフ別集金集計 [ 2024/05/01 11:00-14:00 ]");
}

TEST_F(SalesTotalsTest, AdminTotals_PrintsWhatTheWindowComputes)
{
    addBook();
    data.records.CloseRecordFiles();
    QProcess admin;
    admin.start(SORANOWA_ADMIN_PATH,
                {"totals", folder.path(), "--from", "20240510", "--to", "20240510", "--csv", folder.file("t.csv")});
    ASSERT_TRUE(admin.waitForFinished(30000));
    EXPECT_EQ(admin.exitCode(), 0) << admin.readAllStandardError().toStdString();
    const QStringList lines = QString::fromUtf8(admin.readAllStandardOutput()).split('\n');
    ASSERT_GE(lines.size(), 9);
    EXPECT_EQ(lines[0], "売上集計 [ 2024/05/10 00:00-23:59 ]");
    // The tool reads the folder's own tax rate: none set, so prices include tax.
    EXPECT_EQ(lines[4], "合計\t3件\t10\t¥3,900\t¥0\t¥3,900\t¥1,300\t¥1,300");
    EXPECT_EQ(lines[8], "ラーメン\t3\t¥500\t¥1,600");
    EXPECT_TRUE(folder.read("t.csv").startsWith("\"\x83\x89\x81[\x83\x81\x83\x93\",\"3\",\"500\",\"1,600\"\r\n"));
}
