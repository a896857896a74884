// Confirming an order: the stored sale, its number, the customer's dates, visits and points,
// and the delivery places remembered.
#include "orderdata.h"

#include "orders/ordercommit.h"
#include "orders/ordercustomer.h"
#include "store/preferences.h"
#include "store/prefs.h"

namespace
{

// A function, not a constant: the date conversion must not run during static initialisation.
double lastMonth()
{
    return ToOleDate(QDateTime(QDate(2024, 4, 2), QTime(12, 0)));
}

OrderCommitInput order(ProgressMode mode = ProgressMode::Normal)
{
    OrderCommitInput in;
    in.Lines = {{QStringLiteral("カツ丼"), kNoOption, 880, 2},
                {QStringLiteral("ざるそば"), QStringLiteral("大盛り"), 720, 1},
                {QStringLiteral("配達料"), kNoOption, 300, 1}};
    in.Staff = QStringLiteral("田中");
    in.DeliverTo = QStringLiteral("（なし）");
    in.ProgressMode = mode;
    return in;
}

} // namespace

class OrderCommit : public OrderDataTest
{
  protected:
    void SetUp() override
    {
        OrderDataTest::SetUp();
        customerPos = addCustomer("0322222222", QStringLiteral("ｽｽﾞｷ"), 250, lastMonth(), 3);
        ASSERT_EQ(LookUpCaller(*data, "0322222222").Kind, CallerKind::Known);
    }

    SalesRecord storedSale(int pos)
    {
        const auto r = reopened();
        EXPECT_TRUE(r->ReadSale(pos));
        return r->CurrentSale;
    }
    CustomerRecord storedCustomer()
    {
        const auto r = reopened();
        EXPECT_TRUE(r->ReadCustomer(customerPos));
        return r->CurrentCustomer;
    }

    int customerPos = 0;
};

TEST_F(OrderCommit, NormalProgressStoresAReceivedOrder)
{
    const std::optional<QString> key = CommitOrder(*data, order(ProgressMode::Normal));
    ASSERT_TRUE(key);
    EXPECT_EQ(*key, "202405101");
    EXPECT_EQ(prompt.count(), 0);

    const SalesRecord s = storedSale(1);
    EXPECT_EQ(s.OrderDate, "20240510");
    EXPECT_EQ(s.OrderNo, 1);
    EXPECT_EQ(s.CustomerId, 1);
    EXPECT_DOUBLE_EQ(s.OrderTime, ToOleDate(kNow));
    EXPECT_EQ(s.DepartTime, kUnsetTime);
    EXPECT_EQ(s.DoneTime, kUnsetTime);
    EXPECT_EQ(s.CollectTime, kUnsetTime);
    EXPECT_EQ(s.DesignatedTime, kUnsetTime);
    EXPECT_EQ(s.Status, 1);
    EXPECT_EQ(s.OrderStaff, QStringLiteral("田中"));
    EXPECT_TRUE(s.DeliveryStaff.isEmpty());
    EXPECT_TRUE(s.CollectStaff.isEmpty());
    EXPECT_EQ(s.DeliverTo, QStringLiteral("（なし）"));
    EXPECT_EQ(s.ServiceDiscount, 0);
    EXPECT_EQ(s.PointDiscount, 0);
    EXPECT_EQ(s.ItemName[1], QStringLiteral("カツ丼"));
    EXPECT_EQ(s.ItemQty[1], 2);
    EXPECT_EQ(s.ItemPrice[1], YenToCurrency(880));
    EXPECT_EQ(s.ItemOption[1], kNoOption);
    EXPECT_EQ(s.ItemName[2], QStringLiteral("ざるそば"));
    EXPECT_EQ(s.ItemOption[2], QStringLiteral("大盛り"));
    EXPECT_EQ(s.ItemName[3], QStringLiteral("配達料"));
    EXPECT_EQ(s.ItemPrice[3], YenToCurrency(300));
    EXPECT_TRUE(s.ItemName[4].isEmpty());
    EXPECT_EQ(s.ItemQty[4], 0);
    EXPECT_EQ(s.ItemPrice[20], 0);
    EXPECT_EQ(s.LineCount(), 3);
    EXPECT_EQ(records().SalesIndex[1].OrderKey(), "202405101");

    // Without the point service the customer is not written at confirmation; the visit counts
    // when the order is completed.
    const CustomerRecord c = storedCustomer();
    EXPECT_DOUBLE_EQ(c.LastUseDate, lastMonth());
    EXPECT_EQ(c.UseCount, 3);
    EXPECT_EQ(c.Points, 250);
    EXPECT_DOUBLE_EQ(records().CurrentCustomer.LastUseDate, ToOleDate(kNow)); // the buffer follows
    EXPECT_EQ(records().CurrentCustomer.UseCount, 3);
}

TEST_F(OrderCommit, NormalProgressWithPointsWritesDatesAndPoints)
{
    pointServiceOn();
    OrderCommitInput in = order(ProgressMode::NoCollection);
    in.ServiceDiscount = -100;
    in.PointDiscountYen = 200;
    in.DesignatedTime = QDateTime(QDate(2024, 5, 10), QTime(20, 15));
    ASSERT_TRUE(CommitOrder(*data, in));

    const SalesRecord s = storedSale(1);
    EXPECT_EQ(s.Status, 1);
    EXPECT_EQ(s.ServiceDiscount, -100);
    EXPECT_EQ(s.PointDiscount, -200);
    EXPECT_DOUBLE_EQ(s.DesignatedTime, ToOleDate(QDateTime(QDate(2024, 5, 10), QTime(20, 15))));
    EXPECT_EQ(s.DoneTime, kUnsetTime);

    // Lines 2,780 yen - 100 - 200 = 2,480: 24 points earned, 200 spent.
    const CustomerRecord c = storedCustomer();
    EXPECT_EQ(c.Points, 250 + 24 - 200);
    EXPECT_DOUBLE_EQ(c.LastUseDate, ToOleDate(kNow));
    EXPECT_DOUBLE_EQ(c.FirstUseDate, lastMonth()); // not the first order
    EXPECT_EQ(c.UseCount, 3);
}

TEST_F(OrderCommit, FirstOrderSetsTheFirstUseDate)
{
    pointServiceOn();
    const int pos = addCustomer("0344444444", QStringLiteral("ﾆｼﾀﾞ"));
    ASSERT_EQ(LookUpCaller(*data, "0344444444").CustomerPos, pos);
    ASSERT_TRUE(CommitOrder(*data, order(ProgressMode::Normal)));
    const auto r = reopened();
    ASSERT_TRUE(r->ReadCustomer(pos));
    EXPECT_DOUBLE_EQ(r->CurrentCustomer.FirstUseDate, ToOleDate(kNow));
    EXPECT_DOUBLE_EQ(r->CurrentCustomer.LastUseDate, ToOleDate(kNow));
    EXPECT_EQ(r->CurrentCustomer.UseCount, 0);
    EXPECT_EQ(r->CurrentCustomer.Points, 27);
    EXPECT_EQ(r->SalesIndex[1].CustomerId, 2);
}

TEST_F(OrderCommit, CompleteAtOnceStoresACompletedOrderAndCountsTheVisit)
{
    SavePref("SET", "SHINKO", "2");
    ASSERT_TRUE(CommitOrder(*data, order(Prefs::ProgressMode.get())));

    const SalesRecord s = storedSale(1);
    EXPECT_EQ(s.Status, 0);
    EXPECT_DOUBLE_EQ(s.DepartTime, ToOleDate(kNow));
    EXPECT_DOUBLE_EQ(s.DoneTime, ToOleDate(kNow));
    EXPECT_DOUBLE_EQ(s.CollectTime, ToOleDate(kNow));
    EXPECT_EQ(s.DeliveryStaff, QStringLiteral("田中"));
    EXPECT_EQ(s.CollectStaff, QStringLiteral("田中"));
    EXPECT_EQ(s.OrderStaff, QStringLiteral("田中"));
    EXPECT_EQ(records().SalesIndex[1].Status, 0);

    // Written even without the point service; points untouched.
    const CustomerRecord c = storedCustomer();
    EXPECT_EQ(c.UseCount, 4);
    EXPECT_DOUBLE_EQ(c.LastUseDate, ToOleDate(kNow));
    EXPECT_DOUBLE_EQ(c.FirstUseDate, lastMonth());
    EXPECT_EQ(c.Points, 250);

    // With the point service the points move as well.
    pointServiceOn();
    ASSERT_TRUE(CommitOrder(*data, order(ProgressMode::CompleteAtConfirm)));
    const CustomerRecord d = storedCustomer();
    EXPECT_EQ(d.UseCount, 5);
    EXPECT_EQ(d.Points, 250 + 27);
}

TEST_F(OrderCommit, OrderNumbersRestartEveryDay)
{
    EXPECT_EQ(*CommitOrder(*data, order()), "202405101");
    EXPECT_EQ(*CommitOrder(*data, order()), "202405102");
    Clock::Pin(QDateTime(QDate(2024, 5, 11), QTime(0, 5)));
    EXPECT_EQ(*CommitOrder(*data, order()), "202405111");
    EXPECT_EQ(storedSale(3).OrderDate, "20240511");
    EXPECT_EQ(storedSale(3).OrderNo, 1);
    EXPECT_EQ(reopened()->SalesCount(), 3);
}

TEST_F(OrderCommit, TheDaysLastNumberIsGivenThenOrdersAreRefused)
{
    // An order of today already numbered 32766.
    RecordStore &r = records();
    const CustomerRecord customer = r.CurrentCustomer;
    r.CurrentSale = SalesRecord();
    r.CurrentSale.OrderDate = "20240510";
    r.CurrentSale.OrderNo = 32766;
    r.CurrentSale.CustomerId = 1;
    r.CurrentSale.Status = 1;
    ASSERT_TRUE(r.AddSale());
    r.CurrentCustomer = customer;

    EXPECT_EQ(*CommitOrder(*data, order(ProgressMode::CompleteAtConfirm)), "2024051032767");
    const QByteArray salesBefore = folder.read(RecordStore::kSalesFile);
    const QByteArray customersBefore = folder.read(RecordStore::kCustomerFile);
    const CustomerRecord bufferBefore = r.CurrentCustomer;

    OrderCommitInput in = order(ProgressMode::CompleteAtConfirm);
    in.DeliverTo = QStringLiteral("駅前公園");
    EXPECT_FALSE(CommitOrder(*data, in));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().title, QStringLiteral("受付できません"));
    EXPECT_EQ(prompt.last().text,
              QStringLiteral("本日の注文番号が上限（32767）に達したため、これ以上登録できません。"));
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), salesBefore);
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customersBefore);
    EXPECT_EQ(r.SalesCount(), 2);
    EXPECT_EQ(r.CurrentCustomer.UseCount, bufferBefore.UseCount);
    EXPECT_DOUBLE_EQ(r.CurrentCustomer.LastUseDate, bufferBefore.LastUseDate);
    EXPECT_FALSE(data->settings.DeliverToList.contains(QStringLiteral("駅前公園")));

    // The next day numbers from 1 again.
    Clock::Pin(QDateTime(QDate(2024, 5, 11), QTime(11, 0)));
    EXPECT_EQ(*CommitOrder(*data, order()), "202405111");
}

TEST_F(OrderCommit, NewDeliveryPlaceIsRemembered)
{
    data->settings.DeliverToList = {QString(), QStringLiteral("本社ビル")};
    OrderCommitInput in = order();
    in.DeliverTo = QStringLiteral("駅前公園");
    ASSERT_TRUE(CommitOrder(*data, in));
    EXPECT_EQ(storedSale(1).DeliverTo, QStringLiteral("駅前公園"));
    EXPECT_EQ(data->settings.DeliverToList,
              (QStringList{QString(), QStringLiteral("本社ビル"), QStringLiteral("駅前公園")}));

    // Places already listed, none and an empty text are not added.
    for (const QString &place :
         {QStringLiteral("本社ビル"), QStringLiteral("駅前公園"), QStringLiteral("（なし）"), QString()}) {
        in.DeliverTo = place;
        ASSERT_TRUE(CommitOrder(*data, in));
    }
    EXPECT_EQ(data->settings.DeliverToList.size(), 3);

    // Behind an empty entry a place would never be offered: it takes the empty entry.
    QStringList list{QString(), QStringLiteral("A棟"), QString(), QStringLiteral("C棟")};
    RememberDeliveryPlace(list, QStringLiteral("B棟"));
    EXPECT_EQ(list, (QStringList{QString(), QStringLiteral("A棟"), QStringLiteral("B棟"), QStringLiteral("C棟")}));
    RememberDeliveryPlace(list, QStringLiteral("C棟"));
    EXPECT_EQ(list.size(), 4);
}

TEST_F(OrderCommit, TakeOutOrdersGoToTheSharedCustomer)
{
    ASSERT_TRUE(UseTakeOutCustomer(*data));
    const qint32 takeOutId = records().CurrentCustomer.CustomerId;
    ASSERT_TRUE(CommitOrder(*data, order(ProgressMode::CompleteAtConfirm)));
    ASSERT_TRUE(UseTakeOutCustomer(*data));
    ASSERT_TRUE(CommitOrder(*data, order(ProgressMode::CompleteAtConfirm)));
    EXPECT_EQ(records().CustomerCount(), 2);
    EXPECT_EQ(storedSale(1).CustomerId, takeOutId);
    EXPECT_EQ(storedSale(2).CustomerId, takeOutId);
    const auto r = reopened();
    ASSERT_TRUE(r->ReadCustomer(r->FindCustomerPosByTel("000")));
    EXPECT_EQ(r->CurrentCustomer.UseCount, 2);
}

TEST_F(OrderCommit, NothingIsStoredForACustomerNotOnFile)
{
    // As after a registration the customer file refused: the buffer holds a customer that the
    // current position does not.
    RecordStore &r = records();
    r.CurrentCustomer = CustomerRecord();
    r.CurrentCustomer.CustomerId = 2;
    r.CurrentCustomer.Tel = "0399999999";
    const QByteArray customersBefore = folder.read(RecordStore::kCustomerFile);
    EXPECT_FALSE(CommitOrder(*data, order(ProgressMode::CompleteAtConfirm)));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("受付できません"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("顧客データが登録されていないため、注文を登録できません。"));
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customersBefore);
    EXPECT_EQ(r.SalesCount(), 0);
}

TEST_F(OrderCommit, MoreLinesThanAnOrderHoldsAreRefused)
{
    OrderCommitInput in = order();
    in.Lines.assign(21, {QStringLiteral("餃子"), kNoOption, 300, 1});
    EXPECT_FALSE(CommitOrder(*data, in));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("注文商品の上限に達しています"));
    EXPECT_EQ(records().SalesCount(), 0);
    in.Lines.resize(20);
    ASSERT_TRUE(CommitOrder(*data, in));
    EXPECT_EQ(storedSale(1).LineCount(), 20);
}
