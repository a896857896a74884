#pragma once
// A data folder with open record files, one customer and the orders a progress test needs.
// Stored bytes are read back through a second, fresh record store on the same folder.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/clock.h"
#include "store/appdata.h"
#include "store/oledate.h"
#include "store/prefs.h"
#include "store/storedorder.h"

#include <memory>

class ShinkoFixture : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        pin(QTime(12, 0));
        data = std::make_unique<AppData>(folder.path());
        ASSERT_TRUE(data->records.OpenRecordFiles());
        ASSERT_TRUE(data->records.BuildIndexes());
        CustomerRecord c;
        c.CustomerId = 7;
        c.Tel = QStringLiteral("0312345678");
        c.NameKana = QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ");
        ASSERT_TRUE(data->records.AddCustomer(c));
    }
    void TearDown() override { Clock::Unpin(); }

    static void pin(const QTime &time) { Clock::Pin(QDateTime(QDate(2024, 5, 10), time)); }
    static double at(const QTime &time) { return ToOleDate(QDateTime(QDate(2024, 5, 10), time)); }
    static void setMode(const char *mode)
    {
        SavePref(QStringLiteral("SET"), QStringLiteral("SHINKO"), QString::fromLatin1(mode));
    }

    // Stores the customer's completed-order count as it would be on file.
    void setUseCount(qint16 count)
    {
        RecordStore &r = data->records;
        std::optional<CustomerRecord> c = r.ReadCustomer(1);
        ASSERT_TRUE(c);
        c->UseCount = count;
        ASSERT_TRUE(r.UpdateCustomer(1, *c));
    }

    // Appends an order of customer 7 (or `customerId`) at `status`; stamped steps are 9:00-9:30.
    int addSale(qint16 orderNo, qint16 status, qint32 customerId = 7)
    {
        SalesRecord s;
        s.OrderDate = QStringLiteral("20240510");
        s.OrderNo = orderNo;
        s.CustomerId = customerId;
        s.OrderTime = at(QTime(8, 50));
        s.OrderStaff = QStringLiteral("受付子");
        s.ItemName[1] = QStringLiteral("かけそば");
        s.ItemQty[1] = 1;
        s.ItemPrice[1] = YenToCurrency(500);
        s.DeliverTo = QStringLiteral("（なし）");
        s.DesignatedTime = s.DepartTime = s.DoneTime = s.CollectTime = kUnsetTime;
        if (status != 1) {
            s.DepartTime = at(QTime(9, 0));
            s.DeliveryStaff = QStringLiteral("配達一");
        }
        if (status == 3 || status == 0)
            s.DoneTime = at(QTime(9, 20));
        if (status == 0) {
            s.CollectTime = at(QTime(9, 30));
            s.CollectStaff = QStringLiteral("回収二");
        }
        s.Status = status;
        EXPECT_TRUE(data->records.AddSale(s));
        return data->records.SalesCount();
    }

    // What the order board does before opening the dialog for an order: the order and its
    // customer as read from the files.
    StoredOrder select(int salePos)
    {
        std::optional<StoredOrder> order = ReadStoredOrder(data->records, salePos);
        EXPECT_TRUE(order);
        return order.value_or(StoredOrder());
    }

    // The stored records, read through a fresh store.
    SalesRecord storedSale(int salePos)
    {
        RecordStore fresh(folder.path());
        EXPECT_TRUE(fresh.OpenRecordFiles());
        EXPECT_TRUE(fresh.BuildIndexes());
        const std::optional<SalesRecord> sale = fresh.ReadSale(salePos);
        EXPECT_TRUE(sale);
        return sale.value_or(SalesRecord());
    }
    CustomerRecord storedCustomer()
    {
        RecordStore fresh(folder.path());
        EXPECT_TRUE(fresh.OpenRecordFiles());
        EXPECT_TRUE(fresh.BuildIndexes());
        const std::optional<CustomerRecord> customer = fresh.ReadCustomer(1);
        EXPECT_TRUE(customer);
        return customer.value_or(CustomerRecord());
    }
    // Number of the customer's orders on file with status 0.
    int storedCompleteOrders()
    {
        RecordStore fresh(folder.path());
        EXPECT_TRUE(fresh.OpenRecordFiles());
        EXPECT_TRUE(fresh.BuildIndexes());
        int n = 0;
        for (int pos = 1; pos <= fresh.SalesCount(); ++pos)
            n += fresh.SalesIndex[size_t(pos)].CustomerId == 7 && fresh.SalesIndex[size_t(pos)].Status == 0;
        return n;
    }

    TestDataFolder folder;
    TestPrompt prompt;
    std::unique_ptr<AppData> data;
};
