#include "salestest.h"

#include "sales/saledelete.h"
#include "store/records.h"

namespace
{

CustomerRecord storedCustomer(const TestDataFolder &folder, int recordNo)
{
    const QByteArray bytes = folder.read("Customer.snw");
    return CustomerRecord::fromBytes(bytes.constData() + (recordNo - 1) * kCustomerRecordLength);
}

} // namespace

TEST_F(SalesTest, Delete_GivesPointsBackRecountsUsageAndMarksTheRecord)
{
    data.settings.Shop.PointService = "1";
    data.settings.Shop.PointYenUnit = "100";
    data.settings.Shop.PointsPerUnit = "1";
    data.settings.Shop.PointStep = "10";
    data.settings.Shop.PointStepYen = "100";
    data.settings.Shop.PointValidMonths = "12";
    addCustomer(20, "ﾎﾟｲﾝﾄ ｷｬｸ", "0311112222", 50);
    const int customerRecord = data.records.CustomerCount();
    addSale("20240501", 1, 20, {{"ラーメン", 1, 600}});
    // Earned 30 points on 3,100 - 100 yen and spent 10 points for a 100-yen discount.
    addSale("20240510", 1, 20, {{"特上寿司", 1, 3100}}, QTime(12, 0), "佐藤",
            [](SalesRecord &s) { s.PointDiscount = -100; });

    prompt.answerNext(PromptAnswer::No);
    EXPECT_FALSE(DeleteSaleFromHistory(data, 2, "ﾎﾟｲﾝﾄ ｷｬｸ"));
    EXPECT_EQ(prompt.last().title, "削除確認");
    EXPECT_EQ(prompt.last().text, "2024/05/10 11:00 「ﾎﾟｲﾝﾄ ｷｬｸ」 様の売上履歴を削除しますか？");
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(data.records.SalesCount(), 2);

    EXPECT_TRUE(DeleteSaleFromHistory(data, 2, "ﾎﾟｲﾝﾄ ｷｬｸ"));
    EXPECT_EQ(data.records.SalesCount(), 1);
    const CustomerRecord c = storedCustomer(folder, customerRecord);
    EXPECT_EQ(c.Points, 30); // 50 + 10 - 30
    EXPECT_EQ(c.UseCount, 1);
    EXPECT_DOUBLE_EQ(c.FirstUseDate, at(QDate(2024, 5, 1), QTime(11, 0)));
    EXPECT_DOUBLE_EQ(c.LastUseDate, at(QDate(2024, 5, 1), QTime(11, 0)));
    const QByteArray sales = folder.read("Sales.snw");
    EXPECT_EQ(RecordBytes::GetInt16(sales.constData() + kSalesRecordLength + SalesOffsets::Status), -1);
}

TEST_F(SalesTest, Delete_OrderOfDeletedCustomerChangesNoCustomer)
{
    data.settings.Shop.PointService = "1";
    addSale("20240510", 1, 99, {{"ラーメン", 1, 600}});
    const QByteArray before = folder.read("Customer.snw");
    EXPECT_TRUE(DeleteSaleFromHistory(data, 1, "削除"));
    EXPECT_EQ(data.records.SalesCount(), 0);
    EXPECT_EQ(folder.read("Customer.snw"), before);
}
