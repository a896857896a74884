#pragma once
// A data folder with the record files open, the scripted prompt service, a pinned clock and
// the fixed lists the customer windows fill themselves from.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/clock.h"
#include "store/appdata.h"
#include "store/oledate.h"

#include <QApplication>
#include <QWidget>

#include <memory>

class CustomerWindowTest : public ::testing::Test
{
  protected:
    static inline const QDateTime kNow{QDate(2024, 5, 10), QTime(18, 45)};

    void SetUp() override
    {
        Clock::Pin(kNow);
        data = std::make_unique<AppData>(folder.path());
        ASSERT_TRUE(data->records.OpenRecordFiles());
        ASSERT_TRUE(data->records.BuildIndexes());
        data->settings.MotiveList = BuildMotiveList();
        data->settings.Shop.ShopTel = {QStringLiteral("03"), QStringLiteral("1234"), QStringLiteral("5678")};
    }
    void TearDown() override
    {
        data.reset();
        Clock::Unpin();
    }

    RecordStore &records() { return data->records; }

    // A customer on file; returns its index position.
    int addCustomer(const QString &tel, const QString &name, qint32 points = 0, double lastUse = 0)
    {
        CustomerRecord c;
        c.CustomerId = records().MaxCustomerId() + 1;
        c.Tel = tel;
        c.NameKana = name;
        c.Zip = QStringLiteral("1600023");
        c.City = QStringLiteral("新宿区");
        c.Banchi = QStringLiteral("西新宿2-8-1");
        c.Points = points;
        c.FirstUseDate = lastUse;
        c.LastUseDate = lastUse;
        c.Motive = 3;
        c.LastEditDate = ToOleDate(QDateTime(QDate(2024, 1, 15), QTime(9, 5)));
        EXPECT_TRUE(records().AddCustomer(c));
        return records().CustomerCount();
    }

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

    // The file's bytes of customer record n, as another program start would read them.
    QByteArray storedRecord(int recordNo) const
    {
        return folder.read(RecordStore::kCustomerFile)
            .mid((recordNo - 1) * kCustomerRecordLength, kCustomerRecordLength);
    }
    CustomerRecord stored(int recordNo) const { return CustomerRecord::fromBytes(storedRecord(recordNo).constData()); }

    static void showActive(QWidget &w)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        w.activateWindow();
    }

    // With SORANOWA_SHOTS set to a folder, the window as the staff see it goes there as a picture.
    static void shoot(QWidget &w, const char *name)
    {
        const QString shots = qEnvironmentVariable("SORANOWA_SHOTS");
        if (shots.isEmpty())
            return;
        QApplication::processEvents();
        w.grab().save(shots + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    }

    TestDataFolder folder;
    TestPrompt prompt;
    std::unique_ptr<AppData> data;
};
