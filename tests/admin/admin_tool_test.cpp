// soranowa-admin run as a child process: stats, compact and the command-line errors.
#include "adminsupport.h"

#include "store/records.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace
{

QStringList statsLines(const QString &folder)
{
    const AdminRun run = RunAdmin({QStringLiteral("stats"), folder});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return run.outLines();
}

// The value of "name: value" in the stats output, or -1.
qint64 statValue(const QStringList &lines, const QString &name)
{
    for (const QString &line : lines) {
        if (line.startsWith(name + QStringLiteral(": ")))
            return line.mid(name.size() + 2).toLongLong();
    }
    ADD_FAILURE() << "no line " << name.toStdString();
    return -1;
}

void expectUsageError(const QStringList &args, const QString &message)
{
    const AdminRun run = RunAdmin(args);
    EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(run.err.contains(message))
        << "stderr: " << run.err.toStdString() << " expected: " << message.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
}

} // namespace

TEST(AdminStats, EmptyFolderShowsEmptyTablesAndStartValues)
{
    QTemporaryDir dir;
    const AdminRun run = RunAdmin({QStringLiteral("stats"), dir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.outLines(), QStringList({"customers: 0", "sales: 0", "phonebook: 0", "oldest_sales_date: 20010619",
                                           "next_customer_record: 1", "next_sales_record: 1", "max_customer_id: 0"}));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(AdminStats, CountsLiveRecordsAndOldestDateOfHandMadeFiles)
{
    QTemporaryDir dir;
    // Customers 7 and 3 live, one deleted; sales: a live one of 1 March 2000, a deleted older
    // one that must not count, and a live one of 2004.
    QByteArray customers;
    for (qint32 id : {7, -1, 3}) {
        CustomerRecord c;
        c.CustomerId = id;
        c.Tel = QStringLiteral("0312345678");
        customers += c.toBytes();
    }
    QByteArray sales;
    const std::pair<const char *, qint16> orders[] = {{"20000301", 0}, {"19991231", -1}, {"20040115", 1}};
    for (const auto &[date, status] : orders) {
        SalesRecord s;
        s.OrderDate = QString::fromLatin1(date);
        s.OrderNo = 1;
        s.CustomerId = 3;
        s.Status = status;
        sales += s.toBytes();
    }
    PhoneBookRecord p;
    p.Tel = QStringLiteral("0311112222");
    for (const auto &[name, bytes] : {std::pair{"Customer.snw", customers}, std::pair{"Sales.snw", sales},
                                      std::pair{"Tel.snw", p.toBytes() + p.toBytes()}}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    EXPECT_EQ(statsLines(dir.path()),
              QStringList({"customers: 2", "sales: 2", "phonebook: 2", "oldest_sales_date: 20000301",
                           "next_customer_record: 4", "next_sales_record: 4", "max_customer_id: 7"}));
}

TEST(AdminErrors, MissingOrUnusableFolderFailsWithMessage)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/such/folder"));
    for (const char *command : {"stats", "compact"}) {
        const AdminRun run = RunAdmin({QString::fromLatin1(command), missing});
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_TRUE(run.err.contains(QStringLiteral("data folder not found: ") + missing)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(missing)) << "stats must not create the folder";

    // A plain file is not a folder.
    const QString file = dir.filePath(QStringLiteral("plain.txt"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    AdminRun run = RunAdmin({QStringLiteral("stats"), file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("not a folder"))) << run.err.toStdString();

    // A record file that cannot be opened (here a folder in its place) shows the open error.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Sales.snw")));
    run = RunAdmin({QStringLiteral("stats"), dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("ファイルオープンエラー"))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    run = RunAdmin({QStringLiteral("compact"), dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("compaction of"))) << run.err.toStdString();
}

TEST(AdminErrors, BadCommandLinesAreRefusedWithoutTouchingAnything)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("new"));
    expectUsageError({}, QStringLiteral("no command given"));
    expectUsageError({QStringLiteral("frobnicate"), dir.path()}, QStringLiteral("unknown command 'frobnicate'"));
    expectUsageError({QStringLiteral("stats")}, QStringLiteral("stats takes exactly one DATA_DIR"));
    expectUsageError({QStringLiteral("stats"), dir.path(), dir.path()}, QStringLiteral("exactly one DATA_DIR"));
    expectUsageError({QStringLiteral("compact"), dir.path(), QStringLiteral("--fast")},
                     QStringLiteral("unknown option --fast"));
    expectUsageError({QStringLiteral("sample-data"), target, QStringLiteral("--customers"), QStringLiteral("10")},
                     QStringLiteral("needs --customers N and --orders N"));
    expectUsageError({QStringLiteral("sample-data"), target, QStringLiteral("--customers"), QStringLiteral("ten"),
                      QStringLiteral("--orders"), QStringLiteral("5")},
                     QStringLiteral("--customers must be a whole number from 0 to 10000000, not 'ten'"));
    expectUsageError({QStringLiteral("sample-data"), target, QStringLiteral("--customers=10"),
                      QStringLiteral("--orders=5"), QStringLiteral("--days=0")},
                     QStringLiteral("--days must be a whole number from 1 to 3650"));
    expectUsageError({QStringLiteral("sample-data"), target, QStringLiteral("--customers"), QStringLiteral("10"),
                      QStringLiteral("--orders"), QStringLiteral("-5")},
                     QStringLiteral("--orders must be a whole number"));
    expectUsageError({QStringLiteral("sample-data"), target, QStringLiteral("--customers"), QStringLiteral("0"),
                      QStringLiteral("--orders"), QStringLiteral("5")},
                     QStringLiteral("orders need at least one customer"));
    expectUsageError({QStringLiteral("sample-data"), target, QStringLiteral("--customers"), QStringLiteral("10"),
                      QStringLiteral("--orders"), QStringLiteral("40000"), QStringLiteral("--days"),
                      QStringLiteral("1")},
                     QStringLiteral("40000 orders do not fit into 1 days (at most 32767 orders a day)"));
    expectUsageError({QStringLiteral("sample-data"), target, QStringLiteral("--customers"), QStringLiteral("1"),
                      QStringLiteral("--orders"), QStringLiteral("1"), QStringLiteral("--seed")},
                     QStringLiteral("--seed needs a value"));
    expectUsageError({QStringLiteral("sample-data"), target, QStringLiteral("--customers"), QStringLiteral("1"),
                      QStringLiteral("--customers"), QStringLiteral("2"), QStringLiteral("--orders"),
                      QStringLiteral("1")},
                     QStringLiteral("--customers given twice"));
    EXPECT_FALSE(QFileInfo::exists(target)) << "a refused command must not create the folder";

    for (const QStringList &args : {QStringList{QStringLiteral("--help")},
                                    QStringList{QStringLiteral("sample-data"), QStringLiteral("--help")}}) {
        const AdminRun help = RunAdmin(args);
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: soranowa-admin"))) << help.out.toStdString();
        for (const char *word : {"stats DATA_DIR", "compact DATA_DIR", "sample-data DATA_DIR --customers N"})
            EXPECT_TRUE(help.out.contains(QString::fromLatin1(word))) << word;
    }
}

TEST(AdminCompact, DropsDeletedSalesAndCustomersAndKeepsTheRestInOrder)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    AdminRun run =
        RunAdmin({QStringLiteral("sample-data"), data, QStringLiteral("--customers"), QStringLiteral("50"),
                  QStringLiteral("--orders"), QStringLiteral("900"), QStringLiteral("--seed"), QStringLiteral("3")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString salesPath = QDir(data).filePath(QStringLiteral("Sales.snw"));
    const QString customerPath = QDir(data).filePath(QStringLiteral("Customer.snw"));

    // Delete customer 5 the way the program marks it.
    {
        QFile f(customerPath);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(4 * kCustomerRecordLength + CustomerOffsets::CustomerId));
        const char minusOne[4] = {'\xff', '\xff', '\xff', '\xff'};
        ASSERT_EQ(f.write(minusOne, 4), 4);
    }

    const QByteArray salesBefore = ReadBytes(salesPath);
    QByteArray liveSales;
    int deleted = 0;
    for (qsizetype at = 0; at < salesBefore.size(); at += kSalesRecordLength) {
        if (SalesRecord::fromBytes(salesBefore.constData() + at).Status < 0)
            ++deleted;
        else
            liveSales += salesBefore.mid(at, kSalesRecordLength);
    }
    ASSERT_GT(deleted, 0) << "the sample must hold deleted orders";
    const int live = 900 - deleted;

    QStringList before = statsLines(data);
    EXPECT_EQ(statValue(before, QStringLiteral("customers")), 49);
    EXPECT_EQ(statValue(before, QStringLiteral("next_customer_record")), 51);
    EXPECT_EQ(statValue(before, QStringLiteral("sales")), live);
    EXPECT_EQ(statValue(before, QStringLiteral("next_sales_record")), 901);

    run = RunAdmin({QStringLiteral("compact"), data});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.outLines(), QStringList({QStringLiteral("Customer.snw: 50 -> 49 records"),
                                           QStringLiteral("Sales.snw: 900 -> %1 records").arg(live)}));

    QStringList after = statsLines(data);
    EXPECT_EQ(statValue(after, QStringLiteral("customers")), 49);
    EXPECT_EQ(statValue(after, QStringLiteral("next_customer_record")), 50);
    EXPECT_EQ(statValue(after, QStringLiteral("max_customer_id")), 50);
    EXPECT_EQ(statValue(after, QStringLiteral("sales")), live);
    EXPECT_EQ(statValue(after, QStringLiteral("next_sales_record")), live + 1);
    EXPECT_EQ(ReadBytes(salesPath), liveSales) << "live orders must be kept byte for byte and in order";
    EXPECT_FALSE(QFileInfo::exists(QDir(data).filePath(QStringLiteral("Sales.tmp"))));
    EXPECT_FALSE(QFileInfo::exists(QDir(data).filePath(QStringLiteral("Customer.tmp"))));

    // A second compaction has nothing left to drop.
    run = RunAdmin({QStringLiteral("compact"), data});
    EXPECT_EQ(run.outLines(), QStringList({QStringLiteral("Customer.snw: 49 -> 49 records"),
                                           QStringLiteral("Sales.snw: %1 -> %1 records").arg(live)}));
}
