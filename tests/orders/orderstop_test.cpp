// A stop (power cut, killed process) in the middle of confirming or changing an order: at the
// next start the order and its customer's points are both as before or both as after.
#include "orderdata.h"

#include "orders/orderchange.h"
#include "orders/ordercommit.h"
#include "store/saleamounts.h"

#include <QFile>

namespace
{

OrderCommitInput katsudon(qint64 qty)
{
    OrderCommitInput in;
    in.Lines = {{QStringLiteral("カツ丼"), kNoOption, 880, qty}, {QStringLiteral("配達料"), kNoOption, 300, 1}};
    in.Staff = QStringLiteral("田中");
    in.DeliverTo = kNoOption;
    return in;
}

class OrderStop : public OrderDataTest
{
  protected:
    void SetUp() override
    {
        OrderDataTest::SetUp();
        pointServiceOn();
        // Used ten days ago, so the points are still valid.
        customerPos = addCustomer("0322222222", QStringLiteral("ｽｽﾞｷ"), 250, ToOleDate(kNow) - 10, 1);
    }

    // The program stops: nothing of the running store is finished, the next start opens anew.
    void stopAndRestart()
    {
        data.reset();
        data = std::make_unique<AppData>(folder.path());
        pointServiceOn();
        ASSERT_TRUE(data->records.OpenRecordFiles());
        ASSERT_TRUE(data->records.BuildIndexes());
        EXPECT_FALSE(QFile::exists(folder.file(RecordJournal::kFileName)));
    }

    qint32 points() { return records().ReadCustomer(customerPos)->Points; }

    // What a customer with `start` points holds after the order `sale` alone.
    qint32 pointsWith(const SalesRecord &sale, qint32 start)
    {
        CustomerRecord c = *records().ReadCustomer(customerPos);
        c.Points = start;
        CommitPoints(sale, c, PointRules::FromShop(data->settings.Shop));
        return c.Points;
    }

    int customerPos = 0;
};

} // namespace

TEST_F(OrderStop, AConfirmationStoppedBeforeItsEndLeavesNeitherOrderNorPoints)
{
    records().BeginGroup(); // never ended: the stop comes first
    ASSERT_TRUE(CommitOrder(*data, katsudon(2), *records().ReadCustomer(customerPos)));
    EXPECT_GT(points(), 250);
    stopAndRestart();
    EXPECT_EQ(records().SalesCount(), 0);
    EXPECT_EQ(points(), 250);

    // Confirmed again after the restart it counts once, with the same order number.
    const auto stored = CommitOrder(*data, katsudon(2), *records().ReadCustomer(customerPos));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Sale.OrderNo, 1);
    stopAndRestart();
    EXPECT_EQ(records().SalesCount(), 1);
    EXPECT_EQ(points(), pointsWith(*records().ReadSale(1), 250));
}

TEST_F(OrderStop, AChangedOrderCarriesItsPointsInTheSameStep)
{
    ASSERT_TRUE(CommitOrder(*data, katsudon(1), *records().ReadCustomer(customerPos)));
    const SalesRecord confirmed = *records().ReadSale(1);
    const qint32 afterConfirm = points();
    ASSERT_EQ(afterConfirm, pointsWith(confirmed, 250));

    OrderChangeInput in;
    in.Lines = katsudon(5).Lines;
    in.Staff = QStringLiteral("田中");
    in.DeliverTo = kNoOption;
    SalesRecord changed = confirmed;
    ApplyOrderChange(changed, in);

    records().BeginGroup();
    ASSERT_TRUE(StoreOrderChange(*data, 1, confirmed, changed));
    stopAndRestart();
    EXPECT_EQ(records().ReadSale(1)->ItemQty[1], 1);
    EXPECT_EQ(points(), afterConfirm);

    ASSERT_TRUE(StoreOrderChange(*data, 1, confirmed, changed));
    stopAndRestart();
    EXPECT_EQ(records().ReadSale(1)->ItemQty[1], 5);
    // The points of the first version are gone, those of the changed one counted once.
    EXPECT_EQ(points(), pointsWith(changed, 250));
    EXPECT_GT(points(), afterConfirm);
}
