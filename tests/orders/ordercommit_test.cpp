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
        const CallerLookup found = LookUpCaller(*data, "0322222222");
        ASSERT_EQ(found.Kind, CallerKind::Known);
        held = found.Customer.Record;
    }

    // Confirms for the customer the test holds, as the order window does; the order key.
    std::optional<QString> commit(const OrderCommitInput &in)
    {
        const std::optional<StoredOrder> stored = CommitOrder(*data, in, held);
        if (!stored)
            return std::nullopt;
        return stored->Sale.OrderKey();
    }

    SalesRecord storedSale(int pos)
    {
        const auto r = reopened();
        return r->ReadSale(pos).value_or(SalesRecord());
    }
    CustomerRecord storedCustomer()
    {
        const auto r = reopened();
        return r->ReadCustomer(customerPos).value_or(CustomerRecord());
    }

    int customerPos = 0;
    CustomerRecord held;
};

TEST_F(OrderCommit, NormalProgressStoresAReceivedOrder)
{
    const std::optional<StoredOrder> stored = CommitOrder(*data, order(ProgressMode::Normal), held);
    ASSERT_TRUE(stored);
    const std::optional<QString> key = stored->Sale.OrderKey();
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
    // What the order window holds afterwards follows.
    EXPECT_EQ(stored->SalePos, 1);
    EXPECT_EQ(stored->CustomerPos, customerPos);
    EXPECT_DOUBLE_EQ(stored->Customer.LastUseDate, ToOleDate(kNow));
    EXPECT_EQ(stored->Customer.UseCount, 3);
}

TEST_F(OrderCommit, NormalProgressWithPointsWritesDatesAndPoints)
{
    pointServiceOn();
    OrderCommitInput in = order(ProgressMode::NoCollection);
    in.ServiceDiscount = -100;
    in.PointDiscountYen = 200;
    in.DesignatedTime = QDateTime(QDate(2024, 5, 10), QTime(20, 15));
    ASSERT_TRUE(commit(in));

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
    const CallerLookup found = LookUpCaller(*data, "0344444444");
    ASSERT_EQ(found.Customer.Pos, pos);
    held = found.Customer.Record;
    ASSERT_TRUE(commit(order(ProgressMode::Normal)));
    const auto r = reopened();
    const std::optional<CustomerRecord> c = r->ReadCustomer(pos);
    ASSERT_TRUE(c);
    EXPECT_DOUBLE_EQ(c->FirstUseDate, ToOleDate(kNow));
    EXPECT_DOUBLE_EQ(c->LastUseDate, ToOleDate(kNow));
    EXPECT_EQ(c->UseCount, 0);
    EXPECT_EQ(c->Points, 27);
    EXPECT_EQ(r->SalesIndex[1].CustomerId, 2);
}

TEST_F(OrderCommit, CompleteAtOnceStoresACompletedOrderAndCountsTheVisit)
{
    SavePref("SET", "SHINKO", "2");
    ASSERT_TRUE(commit(order(Prefs::ProgressMode.get())));

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
    ASSERT_TRUE(commit(order(ProgressMode::CompleteAtConfirm)));
    const CustomerRecord d = storedCustomer();
    EXPECT_EQ(d.UseCount, 5);
    EXPECT_EQ(d.Points, 250 + 27);
}

TEST_F(OrderCommit, OrderNumbersRestartEveryDay)
{
    EXPECT_EQ(*commit(order()), "202405101");
    EXPECT_EQ(*commit(order()), "202405102");
    Clock::Pin(QDateTime(QDate(2024, 5, 11), QTime(0, 5)));
    EXPECT_EQ(*commit(order()), "202405111");
    EXPECT_EQ(storedSale(3).OrderDate, "20240511");
    EXPECT_EQ(storedSale(3).OrderNo, 1);
    EXPECT_EQ(reopened()->SalesCount(), 3);
}

TEST_F(OrderCommit, TheDaysLastNumberIsGivenThenOrdersAreRefused)
{
    // An order of today already numbered 32766.
    RecordStore &r = records();
    SalesRecord earlier;
    earlier.OrderDate = "20240510";
    earlier.OrderNo = 32766;
    earlier.CustomerId = 1;
    earlier.Status = 1;
    ASSERT_TRUE(r.AddSale(earlier));

    EXPECT_EQ(*commit(order(ProgressMode::CompleteAtConfirm)), "2024051032767");
    const QByteArray salesBefore = folder.read(RecordStore::kSalesFile);
    const QByteArray customersBefore = folder.read(RecordStore::kCustomerFile);

    OrderCommitInput in = order(ProgressMode::CompleteAtConfirm);
    in.DeliverTo = QStringLiteral("駅前公園");
    EXPECT_FALSE(commit(in));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().title, QStringLiteral("受付できません"));
    EXPECT_EQ(prompt.last().text,
              QStringLiteral("本日の注文番号が上限（32767）に達したため、これ以上登録できません。"));
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), salesBefore);
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customersBefore);
    EXPECT_EQ(r.SalesCount(), 2);
    EXPECT_FALSE(data->settings.DeliverToList.contains(QStringLiteral("駅前公園")));

    // The next day numbers from 1 again.
    Clock::Pin(QDateTime(QDate(2024, 5, 11), QTime(11, 0)));
    EXPECT_EQ(*commit(order()), "202405111");
}

TEST_F(OrderCommit, NewDeliveryPlaceIsRemembered)
{
    data->settings.DeliverToList = {QString(), QStringLiteral("本社ビル")};
    OrderCommitInput in = order();
    in.DeliverTo = QStringLiteral("駅前公園");
    ASSERT_TRUE(commit(in));
    EXPECT_EQ(storedSale(1).DeliverTo, QStringLiteral("駅前公園"));
    EXPECT_EQ(data->settings.DeliverToList,
              (QStringList{QString(), QStringLiteral("本社ビル"), QStringLiteral("駅前公園")}));

    // Places already listed, none and an empty text are not added.
    for (const QString &place :
         {QStringLiteral("本社ビル"), QStringLiteral("駅前公園"), QStringLiteral("（なし）"), QString()}) {
        in.DeliverTo = place;
        ASSERT_TRUE(commit(in));
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
    const std::optional<OrderCustomer> shop = UseTakeOutCustomer(*data);
    ASSERT_TRUE(shop);
    const qint32 takeOutId = shop->Record.CustomerId;
    held = shop->Record;
    ASSERT_TRUE(commit(order(ProgressMode::CompleteAtConfirm)));
    held = UseTakeOutCustomer(*data).value().Record;
    ASSERT_TRUE(commit(order(ProgressMode::CompleteAtConfirm)));
    EXPECT_EQ(records().CustomerCount(), 2);
    EXPECT_EQ(storedSale(1).CustomerId, takeOutId);
    EXPECT_EQ(storedSale(2).CustomerId, takeOutId);
    const auto r = reopened();
    EXPECT_EQ(r->ReadCustomer(r->FindCustomerPosByTel("000")).value().UseCount, 2);
}

TEST_F(OrderCommit, NothingIsStoredForACustomerNotOnFile)
{
    // As after a registration the customer file refused: the window holds a customer that is
    // not on file.
    RecordStore &r = records();
    held = CustomerRecord();
    held.CustomerId = 2;
    held.Tel = "0399999999";
    const QByteArray customersBefore = folder.read(RecordStore::kCustomerFile);
    EXPECT_FALSE(commit(order(ProgressMode::CompleteAtConfirm)));
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
    EXPECT_FALSE(commit(in));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("注文商品の上限に達しています"));
    EXPECT_EQ(records().SalesCount(), 0);
    in.Lines.resize(20);
    ASSERT_TRUE(commit(in));
    EXPECT_EQ(storedSale(1).LineCount(), 20);
}

TEST_F(OrderCommit, TheCustomerIsReadAgainSoChangesMadeMeanwhileAreKept)
{
    // While the order window held the caller, another window gave 150 points back and counted a
    // completed order; confirming must build on the record as it is now.
    pointServiceOn();
    SavePref("SET", "SHINKO", "2");
    CustomerRecord onFile = records().ReadCustomer(customerPos).value();
    onFile.Points = 400;
    onFile.UseCount = 4;
    ASSERT_TRUE(records().UpdateCustomer(customerPos, onFile));

    const std::optional<StoredOrder> stored = CommitOrder(*data, order(ProgressMode::CompleteAtConfirm), held);
    ASSERT_TRUE(stored);
    const CustomerRecord c = storedCustomer();
    EXPECT_EQ(c.Points, 400 + 27);
    EXPECT_EQ(c.UseCount, 5);
    EXPECT_EQ(stored->Customer.Points, 400 + 27);

    // The held customer moved in the index (an earlier one was deleted): found by its id, not
    // by the position it had when it was loaded.
    const int other = addCustomer("0355555555", QStringLiteral("ﾀﾅｶ"), 0, lastMonth(), 1);
    held = LookUpCaller(*data, "0355555555").Customer.Record;
    ASSERT_TRUE(records().DeleteCustomer(customerPos));
    ASSERT_EQ(records().FindCustomerPos(held.CustomerId), other - 1);
    ASSERT_TRUE(CommitOrder(*data, order(ProgressMode::CompleteAtConfirm), held));
    const auto r = reopened();
    const CustomerRecord moved = r->ReadCustomer(other - 1).value();
    EXPECT_EQ(moved.Tel, "0355555555");
    EXPECT_EQ(moved.UseCount, 2);

    // A held customer deleted meanwhile: the order is refused and nobody is written.
    ASSERT_TRUE(records().DeleteCustomer(other - 1));
    const QByteArray customersBefore = folder.read(RecordStore::kCustomerFile);
    EXPECT_FALSE(CommitOrder(*data, order(ProgressMode::CompleteAtConfirm), held));
    EXPECT_EQ(prompt.last().text, QStringLiteral("顧客データが登録されていないため、注文を登録できません。"));
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customersBefore);
}
