#pragma once
// A data folder with a customer file built for the direct-mail selection: dates around
// 2024/03/01, use counts around 5, one customer who declined mail and one who never ordered.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/clock.h"
#include "store/appdata.h"
#include "store/oledate.h"

#include <memory>

class DmTest : public ::testing::Test
{
  protected:
    static inline const QDateTime kNow{QDate(2024, 5, 10), QTime(18, 45, 12)};
    static inline const QDate kDay{2024, 3, 1};

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

    static double at(const QDate &day, int hour = 12) { return ToOleDate(QDateTime(day, QTime(hour, 30))); }

    qint32 add(const QString &name, double first, double last, int count, int dmFlag = 0, const QString &zip = {})
    {
        CustomerRecord c;
        c.CustomerId = data->records.MaxCustomerId() + 1;
        c.Tel = QStringLiteral("03%1").arg(c.CustomerId, 8, 10, QLatin1Char('0'));
        c.NameKana = name;
        c.Zip = zip.isEmpty() ? QStringLiteral("16000%1").arg(c.CustomerId % 100, 2, 10, QLatin1Char('0')) : zip;
        c.City = QStringLiteral("新宿区");
        c.Banchi = QStringLiteral("西新宿2-8-%1").arg(c.CustomerId);
        c.Building = QStringLiteral("空ビル%1F").arg(c.CustomerId % 9 + 1);
        c.FirstUseDate = first;
        c.LastUseDate = last;
        c.UseCount = qint16(count);
        c.DmFlag = qint16(dmFlag);
        EXPECT_TRUE(data->records.AddCustomer(c));
        return c.CustomerId;
    }

    // 1 first and last on the day itself, 5 orders; 2 before the day, 1 order; 3 after it, 30
    // orders; 4 never ordered; 5 after the day but declined mail; 6 first before, last after, 6
    // orders; then 7 deleted (gone from the file's view).
    void standardSet()
    {
        add(QStringLiteral("ｱｵｷ"), at(kDay, 9), at(kDay, 20), 5);
        add(QStringLiteral("ｲﾄｳ"), at(kDay.addDays(-40)), at(kDay.addDays(-1)), 1);
        add(QStringLiteral("ｳｴﾀﾞ"), at(kDay.addDays(1)), at(kDay.addDays(30)), 30);
        add(QStringLiteral("ｴﾉﾓﾄ"), 0, 0, 0);
        add(QStringLiteral("ｵｵﾀ"), at(kDay.addDays(2)), at(kDay.addDays(3)), 50, 1);
        add(QStringLiteral("ｶﾄｳ"), at(kDay.addDays(-10)), at(kDay.addDays(10)), 6);
        add(QStringLiteral("ｷﾑﾗ"), at(kDay), at(kDay), 3);
        ASSERT_TRUE(data->records.DeleteCustomer(data->records.CustomerCount()));
    }

    TestDataFolder folder;
    TestPrompt prompt;
    std::unique_ptr<AppData> data;
};
