// The delivery-step rules and the save of an order's progress with the customer's count.
#include "board/progress.h"
#include "shinkofixture.h"

#include "store/recordstore.h"

namespace
{

const ProgressStaff kStaff{QStringLiteral("配達一"), QStringLiteral("回収二"), QStringLiteral("受付子")};

SalesRecord Received()
{
    SalesRecord s;
    s.OrderDate = QStringLiteral("20240510");
    s.OrderNo = 1;
    s.DepartTime = s.DoneTime = s.CollectTime = kUnsetTime;
    s.Status = 1;
    return s;
}

} // namespace

TEST(ProgressRules, NormalModeWalksEveryStepStampingItsOwnTimeAndStepsBackOneAtATime)
{
    SalesRecord s = Received();
    ApplyProgressStep(s, 1, kStaff, ProgressMode::Normal, 10.5);
    EXPECT_EQ(s.Status, 2);
    EXPECT_EQ(s.DepartTime, 10.5);
    EXPECT_EQ(s.DeliveryStaff, QStringLiteral("配達一"));
    EXPECT_EQ(s.DoneTime, kUnsetTime);
    ApplyProgressStep(s, 2, kStaff, ProgressMode::Normal, 10.6);
    EXPECT_EQ(s.Status, 3);
    EXPECT_EQ(s.DoneTime, 10.6);
    EXPECT_EQ(s.CollectTime, kUnsetTime);
    EXPECT_TRUE(s.CollectStaff.isEmpty());
    ApplyProgressStep(s, 3, kStaff, ProgressMode::CompleteAtConfirm, 10.7); // walks like the normal mode
    EXPECT_EQ(s.Status, 0);
    EXPECT_EQ(s.CollectTime, 10.7);
    EXPECT_EQ(s.CollectStaff, QStringLiteral("回収二"));
    EXPECT_EQ(s.DepartTime, 10.5);

    // Completing a complete order again keeps its recorded times and names.
    const SalesRecord complete = s;
    ApplyProgressStep(s, kStepAll, ProgressStaff{"x", "y", "z"}, ProgressMode::Normal, 99.0);
    EXPECT_EQ(s.toBytes(), complete.toBytes());

    ASSERT_TRUE(StepProgressBack(s, ProgressMode::Normal));
    EXPECT_EQ(s.Status, 3);
    EXPECT_EQ(s.CollectTime, kUnsetTime);
    EXPECT_TRUE(s.CollectStaff.isEmpty());
    EXPECT_EQ(s.DoneTime, 10.6);
    ASSERT_TRUE(StepProgressBack(s, ProgressMode::Normal));
    EXPECT_EQ(s.Status, 2);
    EXPECT_EQ(s.DoneTime, kUnsetTime);
    EXPECT_EQ(s.DeliveryStaff, QStringLiteral("配達一"));
    ASSERT_TRUE(StepProgressBack(s, ProgressMode::Normal));
    EXPECT_EQ(s.Status, 1);
    EXPECT_EQ(s.DepartTime, kUnsetTime);
    EXPECT_TRUE(s.DeliveryStaff.isEmpty());
    EXPECT_FALSE(StepProgressBack(s, ProgressMode::Normal));
    EXPECT_EQ(s.toBytes(), Received().toBytes());
}

TEST(ProgressRules, WithoutCollectionDeliveryCompletesAndSteppingBackKeepsTheDeparture)
{
    const ProgressMode mode = ProgressMode::NoCollection;
    SalesRecord s = Received();
    ApplyProgressStep(s, 1, kStaff, mode, 10.5);
    ApplyProgressStep(s, 2, kStaff, mode, 10.6);
    EXPECT_EQ(s.Status, 0);
    EXPECT_EQ(s.DoneTime, 10.6);
    EXPECT_EQ(s.CollectTime, kUnsetTime);

    ASSERT_TRUE(StepProgressBack(s, mode));
    EXPECT_EQ(s.Status, 2);
    EXPECT_EQ(s.DoneTime, kUnsetTime);
    EXPECT_EQ(s.CollectTime, kUnsetTime);
    // The order is still out with the person who left with it.
    EXPECT_EQ(s.DepartTime, 10.5);
    EXPECT_EQ(s.DeliveryStaff, QStringLiteral("配達一"));
    ApplyProgressStep(s, 2, kStaff, mode, 10.8);
    EXPECT_EQ(s.Status, 0);
    EXPECT_EQ(s.DeliveryStaff, QStringLiteral("配達一"));

    // A complete order that had all steps (completed at once) loses its collection too.
    ApplyProgressStep(s = Received(), kStepAll, kStaff, mode, 11.0);
    ASSERT_TRUE(StepProgressBack(s, mode));
    EXPECT_EQ(s.Status, 2);
    EXPECT_EQ(s.CollectTime, kUnsetTime);
    EXPECT_TRUE(s.CollectStaff.isEmpty());
    EXPECT_EQ(s.DepartTime, 11.0);
}

TEST(ProgressRules, CompletingAtOnceStampsEveryTimeAndFallsBackToTheOrderTaker)
{
    SalesRecord s = Received();
    ApplyProgressStep(s, 1, kStaff, ProgressMode::Normal, 10.5);
    ApplyProgressStep(s, kStepAll, ProgressStaff{QString(), QStringLiteral("回収三"), QStringLiteral("受付子")},
                      ProgressMode::Normal, 10.9);
    EXPECT_EQ(s.Status, 0);
    EXPECT_EQ(s.DepartTime, 10.9); // re-stamped
    EXPECT_EQ(s.DoneTime, 10.9);
    EXPECT_EQ(s.CollectTime, 10.9);
    EXPECT_EQ(s.DeliveryStaff, QStringLiteral("受付子"));
    EXPECT_EQ(s.CollectStaff, QStringLiteral("回収三"));

    EXPECT_EQ(ProgressBarTwips(1), 800);
    EXPECT_EQ(ProgressBarTwips(2), 1600);
    EXPECT_EQ(ProgressBarTwips(3), 2600);
    EXPECT_EQ(ProgressBarTwips(0), kProgressBoxTwips);
}

TEST(ProgressRules, CountFollowsCompletionOnlyAcrossTheStoredStatus)
{
    CustomerRecord c;
    c.FirstUseDate = c.LastUseDate = 0;
    EXPECT_TRUE(CountCompletion(c, 2, 0, 20.0));
    EXPECT_EQ(c.UseCount, 1);
    EXPECT_EQ(c.FirstUseDate, 20.0);
    EXPECT_EQ(c.LastUseDate, 20.0);
    EXPECT_TRUE(CountCompletion(c, 1, 0, 21.0));
    EXPECT_EQ(c.UseCount, 2);
    EXPECT_EQ(c.FirstUseDate, 20.0);
    EXPECT_EQ(c.LastUseDate, 21.0);
    EXPECT_FALSE(CountCompletion(c, 0, 0, 22.0));
    EXPECT_FALSE(CountCompletion(c, 3, 2, 22.0));
    EXPECT_EQ(c.UseCount, 2);
    EXPECT_EQ(c.LastUseDate, 21.0);
    EXPECT_TRUE(CountCompletion(c, 0, 3, 22.0));
    EXPECT_EQ(c.UseCount, 1);
    c.UseCount = 0;
    EXPECT_FALSE(CountCompletion(c, 0, 3, 22.0));
    EXPECT_EQ(c.UseCount, 0);
}

using SaveProgressTest = ShinkoFixture;

TEST_F(SaveProgressTest, CountEqualsCompleteOrdersThroughCompletionsTakenBackAndRedone)
{
    RecordStore &r = data->records;
    const int first = addSale(1, 2);
    const int second = addSale(2, 0);
    setUseCount(1);

    // Completed, stepped back and completed again in one sitting counts once.
    StoredOrder order = select(first);
    SalesRecord edited = order.Sale;
    ApplyProgressStep(edited, kStepAll, {}, ProgressMode::Normal, at(QTime(12, 0)));
    StepProgressBack(edited, ProgressMode::Normal);
    ApplyProgressStep(edited, kStepAll, {}, ProgressMode::Normal, at(QTime(12, 5)));
    ASSERT_TRUE(SaveProgress(r, order.SalePos, edited, at(QTime(12, 6))));
    CustomerRecord c = storedCustomer();
    EXPECT_EQ(c.UseCount, 2);
    EXPECT_EQ(c.LastUseDate, at(QTime(12, 6)));
    EXPECT_EQ(c.FirstUseDate, 0.0); // the count was not 0
    EXPECT_EQ(storedSale(first).Status, 0);
    EXPECT_EQ(storedSale(first).DepartTime, at(QTime(12, 5)));
    EXPECT_EQ(storedSale(first).DeliveryStaff, QStringLiteral(""));

    // Saving a complete order unchanged leaves the count.
    order = select(second);
    ASSERT_TRUE(SaveProgress(r, order.SalePos, order.Sale, at(QTime(12, 10))));
    EXPECT_EQ(storedCustomer().UseCount, 2);
    EXPECT_EQ(storedCustomer().LastUseDate, at(QTime(12, 6)));

    // Stored complete, stepped back and saved; then reopened, completed and saved.
    order = select(second);
    edited = order.Sale;
    StepProgressBack(edited, ProgressMode::Normal);
    ASSERT_TRUE(SaveProgress(r, order.SalePos, edited, at(QTime(12, 20))));
    EXPECT_EQ(storedCustomer().UseCount, 1);
    EXPECT_EQ(storedSale(second).Status, 3);
    EXPECT_EQ(storedSale(second).CollectTime, kUnsetTime);
    EXPECT_EQ(storedCompleteOrders(), 1);
    order = select(second);
    edited = order.Sale;
    ApplyProgressStep(edited, kStepAll, {}, ProgressMode::Normal, at(QTime(12, 30)));
    ASSERT_TRUE(SaveProgress(r, order.SalePos, edited, at(QTime(12, 30))));
    EXPECT_EQ(storedCustomer().UseCount, 2);
    EXPECT_EQ(storedCompleteOrders(), 2);

    // The count agrees with what a full recount of the sales file finds.
    const std::optional<CustomerRecord> customer = r.ReadCustomer(1);
    ASSERT_TRUE(customer);
    ASSERT_TRUE(r.RecountCustomerUsage(1, *customer));
    EXPECT_EQ(storedCustomer().UseCount, 2);
}

TEST_F(SaveProgressTest, TakingBackACompletionNeverGoesBelowZeroAndStalePositionsDoNotCount)
{
    RecordStore &r = data->records;
    const int done = addSale(1, 0);
    const int open = addSale(2, 3);
    const int orphan = addSale(3, 1, 99); // its customer no longer exists

    StoredOrder order = select(done);
    SalesRecord edited = order.Sale;
    StepProgressBack(edited, ProgressMode::Normal);
    ASSERT_TRUE(SaveProgress(r, order.SalePos, edited, at(QTime(12, 0))));
    EXPECT_EQ(storedCustomer().UseCount, 0);
    EXPECT_EQ(storedSale(done).Status, 3);

    // The position given points elsewhere (another order took it meanwhile): the order is still
    // written over itself and the count comes from the customer on file.
    order = select(open);
    edited = order.Sale;
    ApplyProgressStep(edited, 3, {QString(), QStringLiteral("回収二"), QString()}, ProgressMode::Normal,
                      at(QTime(13, 0)));
    ASSERT_TRUE(SaveProgress(r, done, edited, at(QTime(13, 0))));
    EXPECT_EQ(storedSale(open).Status, 0);
    EXPECT_EQ(storedSale(open).OrderNo, 2);
    EXPECT_EQ(storedSale(done).Status, 3);
    EXPECT_EQ(storedSale(done).OrderNo, 1);
    const CustomerRecord c = storedCustomer();
    EXPECT_EQ(c.UseCount, 1);
    EXPECT_EQ(c.FirstUseDate, at(QTime(13, 0)));
    EXPECT_EQ(r.SalesIndex[size_t(open)].Status, 0);
    EXPECT_EQ(r.SalesIndex[size_t(done)].Status, 3);

    // An order whose customer is gone is stored; no customer is touched.
    const QByteArray customers = folder.read(RecordStore::kCustomerFile);
    order = select(orphan);
    EXPECT_EQ(order.CustomerPos, -1);
    edited = order.Sale;
    ApplyProgressStep(edited, kStepAll, {}, ProgressMode::Normal, at(QTime(14, 0)));
    ASSERT_TRUE(SaveProgress(r, order.SalePos, edited, at(QTime(14, 0))));
    EXPECT_EQ(storedSale(orphan).Status, 0);
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customers);
    EXPECT_EQ(prompt.count(), 0);
}
