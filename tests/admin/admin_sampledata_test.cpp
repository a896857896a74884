// soranowa-admin sample-data run as a child process: the shop it writes must be one the program
// could have written itself.
#include "adminsupport.h"

#include "store/cp932.h"
#include "store/oledate.h"
#include "store/recordstore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace
{

constexpr int kCustomers = 300;
constexpr int kOrders = 4000;

const QString kNone = QStringLiteral("（なし）");

class SampleShop : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        s_dayBefore = QDate::currentDate();
        s_run = RunAdmin({QStringLiteral("sample-data"), path(), QStringLiteral("--customers"),
                          QString::number(kCustomers), QStringLiteral("--orders"), QString::number(kOrders),
                          QStringLiteral("--seed"), QStringLiteral("11")});
        s_dayAfter = QDate::currentDate();
        s_sales = ReadSalesFile(file("Sales.snw"));
        s_customers = ReadCustomerFile(file("Customer.snw"));
    }
    static void TearDownTestSuite() { s_dir.reset(); }
    static QString path() { return s_dir->filePath(QStringLiteral("shop")); }
    static QString file(const char *name) { return QDir(path()).filePath(QString::fromLatin1(name)); }
    static QStringList lines(const char *name) { return ReadSettingLines(file(name)); }

    static std::unique_ptr<QTemporaryDir> s_dir;
    static AdminRun s_run;
    static QDate s_dayBefore, s_dayAfter;
    static std::vector<SalesRecord> s_sales;
    static std::vector<CustomerRecord> s_customers;
};

std::unique_ptr<QTemporaryDir> SampleShop::s_dir;
AdminRun SampleShop::s_run;
QDate SampleShop::s_dayBefore, SampleShop::s_dayAfter;
std::vector<SalesRecord> SampleShop::s_sales;
std::vector<CustomerRecord> SampleShop::s_customers;

} // namespace

TEST_F(SampleShop, StatsMatchWhatWasGenerated)
{
    ASSERT_EQ(s_run.exitCode, 0) << s_run.err.toStdString();
    EXPECT_EQ(QFileInfo(file("Customer.snw")).size(), qint64(kCustomers) * kCustomerRecordLength);
    EXPECT_EQ(QFileInfo(file("Sales.snw")).size(), qint64(kOrders) * kSalesRecordLength);
    EXPECT_EQ(QFileInfo(file("Tel.snw")).size(), 0);

    std::map<int, int> byStatus;
    for (const SalesRecord &s : s_sales)
        ++byStatus[s.Status];
    const int live = kOrders - byStatus[-1];
    const AdminRun stats = RunAdmin({QStringLiteral("stats"), path()});
    ASSERT_EQ(stats.exitCode, 0) << stats.err.toStdString();
    EXPECT_EQ(stats.outLines(),
              QStringList({QStringLiteral("customers: %1").arg(kCustomers), QStringLiteral("sales: %1").arg(live),
                           QStringLiteral("phonebook: 0"), QStringLiteral("oldest_sales_date: 20010619"),
                           QStringLiteral("next_customer_record: %1").arg(kCustomers + 1),
                           QStringLiteral("next_sales_record: %1").arg(kOrders + 1),
                           QStringLiteral("max_customer_id: %1").arg(kCustomers)}));

    // The tool's own summary tells the same counts.
    const QString summary =
        QStringLiteral("orders: %1 (complete %2, received %3, departed %4, delivered %5, deleted %6)")
            .arg(kOrders)
            .arg(byStatus[0])
            .arg(byStatus[1])
            .arg(byStatus[2])
            .arg(byStatus[3])
            .arg(byStatus[-1]);
    EXPECT_TRUE(s_run.outLines().contains(summary)) << s_run.out.toStdString();
}

TEST_F(SampleShop, SettingFilesHaveTheirFormats)
{
    const QStringList shop = lines("Shop.snw");
    ASSERT_EQ(shop.size(), 15);
    EXPECT_FALSE(shop[0].isEmpty());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{7}$")).match(shop[1]).hasMatch()) << shop[1].toStdString();
    EXPECT_EQ(shop[6], QStringLiteral("10"));
    EXPECT_EQ(shop[9], QStringLiteral("1"));
    for (int i = 10; i < 15; ++i)
        EXPECT_GT(shop[i].toInt(), 0) << "point value on line " << i + 1;

    // Menu: four fields, numeric prices, half-width readings, each group in one run.
    const QStringList menu = lines("Menu.snw");
    QStringList groups;
    std::map<QString, qint64> prices;
    for (const QString &line : menu) {
        const QStringList f = line.split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 4) << line.toStdString();
        bool numeric = false;
        f[2].toLongLong(&numeric);
        EXPECT_TRUE(numeric) << line.toStdString();
        if (groups.isEmpty() || groups.last() != f[0]) {
            EXPECT_FALSE(groups.contains(f[0])) << "group split: " << f[0].toStdString();
            groups << f[0];
        }
        if (!f[1].isEmpty()) {
            EXPECT_TRUE(IsHalfWidthKatakana(f[3])) << line.toStdString();
            EXPECT_LE(Cp932Length(f[1]), 30) << "fits an order line: " << line.toStdString();
            prices[f[1]] = f[2].toLongLong();
        } else {
            EXPECT_EQ(f[2], QStringLiteral("0"));
            EXPECT_TRUE(f[3].isEmpty());
        }
    }
    for (const char *g : {"麺類", "丼物", "寿司", "飲み物"})
        EXPECT_TRUE(groups.contains(QString::fromUtf8(g))) << g;
    EXPECT_GE(prices.size(), 20u);

    EXPECT_FALSE(lines("Staff.snw").isEmpty());
    const QStringList options = lines("MenuSub.snw");
    EXPECT_TRUE(options.contains(QStringLiteral("大盛り")));
    EXPECT_TRUE(options.contains(QStringLiteral("わさび抜き")));
    EXPECT_FALSE(lines("MenuSitei.snw").isEmpty());
    for (const QString &line : lines("Building.snw")) {
        const QStringList f = line.split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 2) << line.toStdString();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[^都道府県]+\\d+-\\d+-\\d+$")).match(f[1]).hasMatch())
            << "no prefecture, numbers with hyphens: " << f[1].toStdString();
    }
    EXPECT_EQ(lines("Cti.snw"), QStringList({"0", "1", "AT\\L1", ""}));

    // Menu board: 120 slots; filled ones carry a catalogue item and a caption cut by column.
    const QStringList board = lines("menub.snw");
    ASSERT_EQ(board.size(), 120);
    int filled = 0;
    for (int k = 1; k <= 120; ++k) {
        const QString &line = board[k - 1];
        const QStringList f = line.split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 3) << line.toStdString();
        if (f[0] == QStringLiteral("00000")) {
            EXPECT_EQ(line, QStringLiteral("00000\t0\t00000"));
            continue;
        }
        ++filled;
        ASSERT_TRUE(prices.count(f[0])) << f[0].toStdString();
        EXPECT_EQ(f[1].toLongLong(), prices[f[0]]);
        EXPECT_TRUE(f[0].startsWith(f[2])) << line.toStdString();
        EXPECT_LE(f[2].size(), k % 5 == 1 ? 6 : 3) << "slot " << k;
    }
    EXPECT_GT(filled, 0);
    EXPECT_LT(filled, 120);
}

TEST_F(SampleShop, OrdersFollowTheRulesOfOrderEntryAndProgress)
{
    ASSERT_EQ(int(s_sales.size()), kOrders);
    std::map<QString, qint64> prices;
    for (const QString &line : lines("Menu.snw")) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (!f[1].isEmpty())
            prices[f[1]] = f[2].toLongLong();
    }
    const QStringList staff = lines("Staff.snw");
    const QStringList options = lines("MenuSub.snw");
    const QStringList places = lines("MenuSitei.snw");

    const QDate first = s_dayBefore.addDays(-29);
    QString day;
    int expectedNo = 0;
    double previousTime = 0;
    std::map<int, int> byStatus;
    int designated = 0, ownAddress = 0, pointDiscounts = 0, serviceDiscounts = 0, withOption = 0;
    for (const SalesRecord &s : s_sales) {
        const std::string key = s.OrderKey().toStdString();
        ++byStatus[s.Status];
        // Numbers restart every day; the file is in order of time.
        if (s.OrderDate != day) {
            EXPECT_GT(s.OrderDate, day) << key;
            day = s.OrderDate;
            expectedNo = 0;
            previousTime = 0;
        }
        EXPECT_EQ(s.OrderNo, ++expectedNo) << key;
        const QDate date = QDate::fromString(s.OrderDate, QStringLiteral("yyyyMMdd"));
        EXPECT_TRUE(date >= first && date <= s_dayAfter) << key;
        EXPECT_EQ(FromOleDate(s.OrderTime).date(), date) << key;
        EXPECT_GE(s.OrderTime, previousTime) << key;
        previousTime = s.OrderTime;
        EXPECT_TRUE(s.CustomerId >= 1 && s.CustomerId <= kCustomers) << key;
        EXPECT_TRUE(staff.contains(s.OrderStaff)) << key;

        // Lines: 1 to 6 menu items, perhaps the delivery fee, no gaps.
        const int n = s.LineCount();
        EXPECT_TRUE(n >= 1 && n <= 7) << key;
        for (int i = n + 1; i <= kMaxOrderLines; ++i)
            EXPECT_TRUE(s.ItemName[size_t(i)].isEmpty() && s.ItemQty[size_t(i)] == 0) << key;
        for (int i = 1; i <= n; ++i) {
            const QString &name = s.ItemName[size_t(i)];
            const qint64 price = CurrencyToYen(s.ItemPrice[size_t(i)]);
            EXPECT_EQ(s.ItemPrice[size_t(i)] % kCurrencyScale, 0);
            if (name == QStringLiteral("配達料"))
                EXPECT_GT(price, 0);
            else
                EXPECT_TRUE(prices.count(name) && prices[name] == price) << key << " " << name.toStdString();
            EXPECT_GE(s.ItemQty[size_t(i)], 1);
            const QString &option = s.ItemOption[size_t(i)];
            EXPECT_TRUE(option == kNone || options.contains(option)) << key << " " << option.toStdString();
            withOption += option != kNone;
        }
        EXPECT_TRUE(s.DeliverTo == kNone || places.contains(s.DeliverTo)) << key;
        ownAddress += s.DeliverTo == kNone;

        // Discounts are stored negative and never exceed the items.
        EXPECT_LE(s.ServiceDiscount, 0);
        EXPECT_GE(s.ServiceDiscount, -30000);
        EXPECT_LE(s.PointDiscount, 0);
        EXPECT_EQ(s.PointDiscount % 500, 0) << key;
        EXPECT_GE(ItemsSubtotal(s) + s.ServiceDiscount + s.PointDiscount, 0) << key;
        pointDiscounts += s.PointDiscount < 0;
        serviceDiscounts += s.ServiceDiscount < 0;

        // Times and staff exactly as far as the status says the delivery went.
        const bool departed = s.Status == 2 || s.Status == 3 || s.Status == 0;
        const bool delivered = s.Status == 3 || s.Status == 0;
        const bool collected = s.Status == 0;
        EXPECT_EQ(s.DepartTime > s.OrderTime, departed) << key;
        EXPECT_EQ(s.DepartTime == kUnsetTime, !departed) << key;
        EXPECT_EQ(s.DoneTime == kUnsetTime, !delivered) << key;
        EXPECT_EQ(s.CollectTime == kUnsetTime, !collected) << key;
        if (delivered)
            EXPECT_GT(s.DoneTime, s.DepartTime) << key;
        if (collected)
            EXPECT_GT(s.CollectTime, s.DoneTime) << key;
        EXPECT_EQ(staff.contains(s.DeliveryStaff), departed) << key;
        EXPECT_EQ(s.DeliveryStaff.isEmpty(), !departed) << key;
        EXPECT_EQ(staff.contains(s.CollectStaff), collected) << key;
        EXPECT_EQ(s.CollectStaff.isEmpty(), !collected) << key;
        EXPECT_TRUE(s.DesignatedTime == kUnsetTime || s.DesignatedTime > s.OrderTime) << key;
        designated += s.DesignatedTime != kUnsetTime;
    }
    EXPECT_EQ(QDate::fromString(day, QStringLiteral("yyyyMMdd")) >= s_dayBefore, true) << "orders end today";
    for (int status : {1, 2, 3, 0, -1})
        EXPECT_GT(byStatus[status], 0) << "status " << status;
    EXPECT_LT(byStatus[-1], kOrders / 20) << "a few deleted";
    EXPECT_GT(byStatus[0], kOrders * 9 / 10) << "mostly complete";
    EXPECT_GT(ownAddress, kOrders * 8 / 10) << "mostly delivered to the customer's own address";
    EXPECT_GT(designated, 0);
    EXPECT_GT(pointDiscounts, 0);
    EXPECT_GT(serviceDiscounts, 0);
    EXPECT_GT(withOption, 0);
}

TEST_F(SampleShop, CustomersAreRealisticAndMatchTheirOrders)
{
    ASSERT_EQ(int(s_customers.size()), kCustomers);
    QStringList buildings = lines("Building.snw");
    QSet<QString> tels;
    const QRegularExpression digits(QStringLiteral("^0\\d{9,10}$"));
    const QRegularExpression banchi(QStringLiteral("^\\d+-\\d+-\\d+$"));

    // Usage figures as the program recounts them: completed orders, first and last live order.
    struct Usage {
        int completed = 0;
        double first = 0, last = 0;
    };
    std::map<qint32, Usage> usage;
    for (const SalesRecord &s : s_sales) {
        if (s.Status < 0)
            continue;
        Usage &u = usage[s.CustomerId];
        u.completed += s.Status == 0;
        if (u.first == 0)
            u.first = s.OrderTime;
        u.last = s.OrderTime;
    }
    const std::map<qint32, qint32> points = ReplayPoints(s_sales, ReadPointRules(file("Shop.snw")));

    int inBuilding = 0;
    for (int i = 0; i < kCustomers; ++i) {
        const CustomerRecord &c = s_customers[size_t(i)];
        const std::string id = std::to_string(c.CustomerId);
        EXPECT_EQ(c.CustomerId, i + 1);
        EXPECT_TRUE(digits.match(c.Tel).hasMatch()) << id << " " << c.Tel.toStdString();
        EXPECT_FALSE(tels.contains(c.Tel)) << "duplicate phone " << c.Tel.toStdString();
        tels.insert(c.Tel);
        EXPECT_TRUE(IsHalfWidthKatakana(c.NameKana)) << id << " " << c.NameKana.toStdString();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{7}$")).match(c.Zip).hasMatch()) << id;
        EXPECT_TRUE(c.City.startsWith(QStringLiteral("東京都"))) << id;
        EXPECT_TRUE(banchi.match(c.Banchi).hasMatch()) << id << " " << c.Banchi.toStdString();
        if (!c.Building.isEmpty()) {
            ++inBuilding;
            bool found = false;
            for (const QString &b : buildings) {
                const QStringList f = b.split(QLatin1Char('\t'));
                if (c.Building.startsWith(f[0] + QLatin1Char(' ')))
                    found = (c.City + c.Banchi).contains(f[1]);
            }
            EXPECT_TRUE(found) << id << " lives in a listed building at its address";
        }
        EXPECT_TRUE(c.Motive >= -1 && c.Motive <= 6) << id;
        EXPECT_TRUE(c.DmFlag == 0 || c.DmFlag == 1) << id;

        const Usage u = usage.count(c.CustomerId) ? usage[c.CustomerId] : Usage();
        EXPECT_EQ(c.UseCount, u.completed) << id;
        EXPECT_EQ(c.FirstUseDate, u.first) << id;
        EXPECT_EQ(c.LastUseDate, u.last) << id;
        EXPECT_EQ(c.Points, points.count(c.CustomerId) ? points.at(c.CustomerId) : 0) << id;
        EXPECT_GE(c.Points, 0) << id;
        if (u.first != 0)
            EXPECT_LT(c.LastEditDate, u.first) << id << " registered before the first order";
        else
            EXPECT_GT(c.LastEditDate, 0) << id;
    }
    EXPECT_GT(inBuilding, 0);
    EXPECT_LT(inBuilding, kCustomers);
}

TEST_F(SampleShop, RecountingUsageChangesNothing)
{
    // The program's own recount after a cancellation must find the figures already stored.
    QTemporaryDir copy;
    for (const char *name : {"Customer.snw", "Sales.snw", "Tel.snw"})
        ASSERT_TRUE(QFile::copy(file(name), copy.filePath(QString::fromLatin1(name))));
    RecordStore store(copy.path());
    ASSERT_TRUE(store.OpenRecordFiles());
    ASSERT_TRUE(store.BuildIndexes());
    for (int pos = 1; pos <= store.CustomerCount(); pos += 7) {
        const std::optional<CustomerRecord> before = store.ReadCustomer(pos);
        ASSERT_TRUE(before);
        const std::optional<CustomerRecord> after = store.RecountCustomerUsage(pos, *before);
        ASSERT_TRUE(after);
        EXPECT_EQ(after->UseCount, before->UseCount) << pos;
        EXPECT_EQ(after->FirstUseDate, before->FirstUseDate) << pos;
        EXPECT_EQ(after->LastUseDate, before->LastUseDate) << pos;
    }
}

TEST(AdminSampleData, SameSeedGivesSameFilesAndExistingDataIsKept)
{
    QTemporaryDir dir;
    auto generate = [&](const QString &name, const QString &seed, const QStringList &extra = {}) {
        return RunAdmin(QStringList{QStringLiteral("sample-data"), dir.filePath(name), QStringLiteral("--customers"),
                                    QStringLiteral("120"), QStringLiteral("--orders"), QStringLiteral("1500"),
                                    QStringLiteral("--days"), QStringLiteral("10"), QStringLiteral("--seed"), seed} +
                        extra);
    };
    ASSERT_EQ(generate(QStringLiteral("a"), QStringLiteral("5")).exitCode, 0);
    ASSERT_EQ(generate(QStringLiteral("b"), QStringLiteral("5")).exitCode, 0);
    ASSERT_EQ(generate(QStringLiteral("c"), QStringLiteral("6")).exitCode, 0);
    const QStringList files = QDir(dir.filePath(QStringLiteral("a"))).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files.size(), 11) << files.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("b"))).entryList(QDir::Files, QDir::Name), files);
    for (const QString &name : files) {
        const QByteArray a = ReadBytes(dir.filePath(QStringLiteral("a/") + name));
        EXPECT_EQ(a, ReadBytes(dir.filePath(QStringLiteral("b/") + name))) << name.toStdString();
        const QByteArray c = ReadBytes(dir.filePath(QStringLiteral("c/") + name));
        if (name == QStringLiteral("Customer.snw") || name == QStringLiteral("Sales.snw"))
            EXPECT_NE(a, c) << "another seed, other " << name.toStdString();
    }
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("c/Sales.snw"))).size(), 1500 * kSalesRecordLength);

    // A folder that already holds a shop is not overwritten unless asked.
    const QByteArray before = ReadBytes(dir.filePath(QStringLiteral("a/Sales.snw")));
    const AdminRun refused = generate(QStringLiteral("a"), QStringLiteral("6"));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("give --force to replace them"))) << refused.err.toStdString();
    EXPECT_EQ(ReadBytes(dir.filePath(QStringLiteral("a/Sales.snw"))), before);
    ASSERT_EQ(generate(QStringLiteral("a"), QStringLiteral("6"), {QStringLiteral("--force")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir.filePath(QStringLiteral("a/Sales.snw"))),
              ReadBytes(dir.filePath(QStringLiteral("c/Sales.snw"))));
}
