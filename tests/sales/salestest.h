#pragma once
// A data folder with a few customers (one of them the take-out customer) and a helper that
// stores orders line by line.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/clock.h"
#include "store/appdata.h"
#include "store/oledate.h"

#include <functional>
#include <utility>
#include <vector>

struct Line {
    QString name;
    qint16 qty;
    qint64 yen;
    QString option = QStringLiteral("（なし）");
};

struct SalesTest : ::testing::Test {
    TestDataFolder folder;
    TestPrompt prompt;
    AppData data{folder.path()};

    void SetUp() override
    {
        Clock::Pin(QDateTime(QDate(2024, 5, 20), QTime(12, 0)));
        ASSERT_TRUE(data.records.OpenRecordFiles());
        ASSERT_TRUE(data.records.BuildIndexes());
        data.settings.Shop.TaxRate = "5";
        data.settings.StaffList = {QString(), "佐藤", "鈴木"};
        addCustomer(1, "", "000");
        addCustomer(2, "ﾔﾏﾀﾞ ﾀﾛｳ", "0312345678");
        addCustomer(12, "ｽｽﾞｷ ﾊﾅｺ", "0398765432");
    }
    void TearDown() override { Clock::Unpin(); }

    void addCustomer(qint32 id, const QString &name, const QString &tel, qint32 points = 0)
    {
        CustomerRecord c;
        c.CustomerId = id;
        c.Tel = tel;
        c.NameKana = name;
        c.Points = points;
        c.UseCount = 7;
        ASSERT_TRUE(data.records.AddCustomer(c));
    }

    static double at(const QDate &day, const QTime &time) { return ToOleDate(QDateTime(day, time)); }

    // An order of `day` taken at 11:00, delivered at `done` (nullopt: not yet) by `staff`.
    void addSale(const QString &day, qint16 no, qint32 customer, const std::vector<Line> &lines,
                 std::optional<QTime> done = QTime(12, 0), const QString &staff = "佐藤",
                 const std::function<void(SalesRecord &)> &tweak = {})
    {
        SalesRecord s;
        const QDate d = QDate::fromString(day, "yyyyMMdd");
        s.OrderDate = day;
        s.OrderNo = no;
        s.CustomerId = customer;
        s.OrderTime = at(d, QTime(11, 0));
        s.OrderStaff = "田中";
        for (size_t i = 0; i < lines.size(); ++i) {
            s.ItemName[i + 1] = lines[i].name;
            s.ItemQty[i + 1] = lines[i].qty;
            s.ItemPrice[i + 1] = YenToCurrency(lines[i].yen);
            s.ItemOption[i + 1] = lines[i].option;
        }
        s.DeliverTo = "（なし）";
        s.DesignatedTime = s.DepartTime = s.CollectTime = 1.0;
        s.DoneTime = done ? at(d, *done) : 1.0;
        s.DeliveryStaff = staff;
        s.Status = done ? 0 : 1;
        if (tweak)
            tweak(s);
        ASSERT_TRUE(data.records.AddSale(s));
    }

    std::vector<int> allPositions() const
    {
        std::vector<int> p;
        for (int i = 1; i <= data.records.SalesCount(); ++i)
            p.push_back(i);
        return p;
    }
};
