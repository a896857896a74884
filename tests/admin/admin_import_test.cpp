// soranowa-admin import run as a child process: the same rules as the import windows, the
// summary line, the log beside the file or where --log says, and the command-line errors.
#include "adminsupport.h"

#include "store/cp932.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace
{

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray cp932Lines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += ToCp932(l) + "\r\n";
    return out;
}

} // namespace

TEST(AdminImport, CustomersAndPhoneBookWithTheirLogs)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    ASSERT_TRUE(QDir().mkpath(data));
    const QString csv = dir.filePath(QStringLiteral("list.csv"));
    writeFile(csv,
              cp932Lines({QStringLiteral("名前,〒,電話,住所"), QStringLiteral("ヤマダ,160-0023,03-1234-5678,新宿区"),
                          QStringLiteral("スズキ,,03-1234-5678,千代田区")}));

    AdminRun run = RunAdmin({QStringLiteral("import"), QStringLiteral("customers"), data, csv, QStringLiteral("--map"),
                             QStringLiteral("name=1,zip=2,tel=3,city=4")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.outLines().value(0), QStringLiteral("accepted 2, refused 1"));
    const std::vector<CustomerRecord> customers = ReadCustomerFile(data + QStringLiteral("/Customer.snw"));
    ASSERT_EQ(customers.size(), 2u);
    EXPECT_EQ(customers[0].CustomerId, 1);
    EXPECT_EQ(customers[1].CustomerId, 2);
    EXPECT_EQ(customers[0].NameKana, QStringLiteral("ﾔﾏﾀﾞ"));
    EXPECT_EQ(customers[1].Tel, QStringLiteral("0312345678")); // lines are not compared with each other
    EXPECT_EQ(ReadBytes(dir.filePath(QStringLiteral("importErr.txt"))),
              cp932Lines({QStringLiteral("1:電話番号が不正：名前,〒,電話")}));

    const QString log = dir.filePath(QStringLiteral("phone.log"));
    run = RunAdmin({QStringLiteral("import"), QStringLiteral("phonebook"), data, csv,
                    QStringLiteral("--map=tel=3,name=1,address=4"), QStringLiteral("--log"), log});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.outLines().value(0), QStringLiteral("accepted 1, refused 2"));
    EXPECT_EQ(ReadBytes(data + QStringLiteral("/Tel.snw")).size(), 98);
    EXPECT_EQ(ReadBytes(log), cp932Lines({QStringLiteral("1:電話番号が不正：名前,〒,電話"),
                                          QStringLiteral("2:電話番号の重複：スズキ,,03-1234-5678")}));
}

TEST(AdminImport, WrongCommandLinesAndUnreadableFiles)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("x.csv"));
    writeFile(csv, QByteArray("\0\1\2", 3));
    for (const QStringList &args : {QStringList{QStringLiteral("import"), QStringLiteral("customers"), dir.path(), csv},
                                    QStringList{QStringLiteral("import"), QStringLiteral("orders"), dir.path(), csv,
                                                QStringLiteral("--map"), QStringLiteral("tel=1")},
                                    QStringList{QStringLiteral("import"), QStringLiteral("customers"), dir.path(), csv,
                                                QStringLiteral("--map"), QStringLiteral("address=1")},
                                    QStringList{QStringLiteral("import"), QStringLiteral("phonebook"), dir.path(), csv,
                                                QStringLiteral("--map"), QStringLiteral("tel=0")}}) {
        const AdminRun run = RunAdmin(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    const AdminRun run = RunAdmin({QStringLiteral("import"), QStringLiteral("customers"), dir.path(), csv,
                                   QStringLiteral("--map"), QStringLiteral("tel=1")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("not a CP932 CSV file"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Customer.snw"))));
}
