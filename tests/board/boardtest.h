#pragma once
// A data folder with a few customers and orders for the order board, the clock pinned to
// 2024-05-10 12:00.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/clock.h"
#include "store/appdata.h"
#include "store/oledate.h"

#include <functional>

struct BoardTest : ::testing::Test {
    TestDataFolder folder;
    TestPrompt prompt;
    AppData data{folder.path()};
    const QDate today{2024, 5, 10};

    void SetUp() override
    {
        Clock::Pin(QDateTime(today, QTime(12, 0)));
        data.records.OpenRecordFiles();
        data.records.BuildIndexes();
    }
    void TearDown() override { Clock::Unpin(); }

    void addCustomer(qint32 id, const QString &name, const QString &zip = "1600023", qint32 points = 0)
    {
        CustomerRecord c;
        c.CustomerId = id;
        c.Tel = "03" + QString::number(12345670 + id);
        c.NameKana = name;
        c.Zip = zip;
        c.City = "東京都新宿区";
        c.Banchi = "西新宿2-8-1";
        c.Building = "ソラノワビル";
        c.Points = points;
        c.FirstUseDate = c.LastUseDate = c.LastEditDate = 1.0;
        c.UseCount = 9;
        ASSERT_TRUE(data.records.AddCustomer(c));
    }

    // Two lines: ラーメン（大盛り） 2 x 650 and 餃子 1 x 300; times unset unless `tweak` sets them.
    void addSale(const QDate &day, qint16 no, qint32 customer, qint16 status,
                 const std::function<void(SalesRecord &)> &tweak = {})
    {
        SalesRecord s;
        s.OrderDate = day.toString("yyyyMMdd");
        s.OrderNo = no;
        s.CustomerId = customer;
        s.OrderTime = ToOleDate(QDateTime(day, QTime(11, 30 + no)));
        s.OrderStaff = "田中";
        s.ItemName[1] = "ラーメン";
        s.ItemQty[1] = 2;
        s.ItemPrice[1] = YenToCurrency(650);
        s.ItemOption[1] = "大盛り";
        s.ItemName[2] = "餃子";
        s.ItemQty[2] = 1;
        s.ItemPrice[2] = YenToCurrency(300);
        s.ItemOption[2] = "（なし）";
        s.DeliverTo = "（なし）";
        s.DesignatedTime = s.DepartTime = s.DoneTime = s.CollectTime = 1.0;
        s.Status = status;
        if (tweak)
            tweak(s);
        ASSERT_TRUE(data.records.AddSale(s));
    }
};
