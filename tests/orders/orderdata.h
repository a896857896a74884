#pragma once
// A temporary data folder with the record files opened on it, the scripted prompt service and
// a pinned clock: what the order-entry tests share.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/clock.h"
#include "store/appdata.h"
#include "store/oledate.h"

#include <memory>

// Adds a customer in 新宿区 with motive 3; returns its index position.
inline int AddTestCustomer(RecordStore &r, const QString &tel, const QString &name, qint32 points = 0,
                           double lastUse = 0, qint16 useCount = 0, const QString &building = QString(),
                           const QString &remarks = QString())
{
    CustomerRecord c;
    c.CustomerId = r.MaxCustomerId() + 1;
    c.Tel = tel;
    c.NameKana = name;
    c.Zip = QStringLiteral("1600023");
    c.City = QStringLiteral("新宿区");
    c.Banchi = QStringLiteral("西新宿2-8-1");
    c.Building = building;
    c.Remarks = remarks;
    c.Points = points;
    c.LastUseDate = lastUse;
    c.FirstUseDate = lastUse;
    c.UseCount = useCount;
    c.Motive = 3;
    EXPECT_TRUE(r.AddCustomer(c));
    return r.CustomerCount();
}

class OrderDataTest : public ::testing::Test
{
  protected:
    static inline const QDateTime kNow{QDate(2024, 5, 10), QTime(18, 45)};

    void SetUp() override
    {
        Clock::Pin(kNow);
        data = std::make_unique<AppData>(folder.path());
        ASSERT_TRUE(data->records.OpenRecordFiles());
        ASSERT_TRUE(data->records.BuildIndexes());
    }
    void TearDown() override
    {
        data.reset();
        Clock::Unpin();
    }

    RecordStore &records() { return data->records; }

    // A customer on file; returns its index position.
    int addCustomer(const QString &tel, const QString &name, qint32 points = 0, double lastUse = 0, qint16 useCount = 0)
    {
        return AddTestCustomer(records(), tel, name, points, lastUse, useCount);
    }

    // The point service of the examples: 1 point per 100 yen, 100 points worth 100 yen, 6 months.
    void pointServiceOn()
    {
        ShopSettings &s = data->settings.Shop;
        s.PointService = "1";
        s.PointYenUnit = "100";
        s.PointsPerUnit = "1";
        s.PointStep = "100";
        s.PointStepYen = "100";
        s.PointValidMonths = "6";
    }

    // What another program start would read: a second store on the same files.
    std::unique_ptr<RecordStore> reopened()
    {
        auto r = std::make_unique<RecordStore>(folder.path());
        EXPECT_TRUE(r->OpenRecordFiles());
        EXPECT_TRUE(r->BuildIndexes());
        return r;
    }

    TestDataFolder folder;
    TestPrompt prompt;
    std::unique_ptr<AppData> data;
};
