// Writes the seed corpora of the fuzz targets: OUTDIR/<target>/<seed>. The record and setting
// files come from the demonstration-shop generator, the rest is built from the file layouts, so
// every seed is something the program really reads.
#include "fuzzsupport.h"
#include "sampledata/sampledata.h"

#include "backup/backupdata.h"
#include "customers/zipdb.h"
#include "platform/datafolder.h"
#include "store/cp932.h"
#include "store/recordstore.h"
#include "store/settingfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

QString g_out;
int g_failures = 0;

void seed(const QString &target, const QString &name, const QByteArray &bytes)
{
    const QString folder = g_out + QLatin1Char('/') + target;
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        ++g_failures;
    }
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray withPrefix(const QByteArray &prefix, const QByteArray &bytes)
{
    return prefix + bytes;
}

void recordSeeds(const QString &shop)
{
    const QByteArray customers = readFile(shop + QStringLiteral("/Customer.snw"));
    const QByteArray sales = readFile(shop + QStringLiteral("/Sales.snw"));
    // Few records keep the runs fast; a cut-short last record is a case of its own.
    seed(QStringLiteral("customer_file"), QStringLiteral("three"), customers.left(3 * kCustomerRecordLength));
    seed(QStringLiteral("customer_file"), QStringLiteral("cut"), customers.left(kCustomerRecordLength + 100));
    seed(QStringLiteral("sales_file"), QStringLiteral("three"), sales.left(3 * kSalesRecordLength));
    seed(QStringLiteral("sales_file"), QStringLiteral("cut"), sales.left(kSalesRecordLength + 700));
    PhoneBookRecord entry;
    entry.Tel = QStringLiteral("0312345678");
    entry.Name = QStringLiteral("ヤマダ タロウ");
    entry.Zip = QStringLiteral("1000001");
    entry.Address = QStringLiteral("東京都千代田区千代田1-1");
    QByteArray book = entry.toBytes();
    entry.Tel = QStringLiteral("0456789012");
    book += entry.toBytes();
    seed(QStringLiteral("phonebook_file"), QStringLiteral("two"), book);
}

void settingSeeds(const QString &shop)
{
    const QStringList names = {SettingFiles::kShop,     SettingFiles::kMenu,    SettingFiles::kStaff,
                               SettingFiles::kCti,      SettingFiles::kMenuSub, SettingFiles::kMenuSitei,
                               SettingFiles::kBuilding, SettingFiles::kDm,      SettingFiles::kMenuBoard,
                               SettingFiles::kBackup};
    for (int i = 0; i < names.size(); ++i) {
        QByteArray bytes = readFile(shop + QLatin1Char('/') + names[i]);
        if (bytes.isEmpty() && names[i] == SettingFiles::kDm)
            bytes = "\"2024/05/01 10:00:00\"\r\n\"1\"\r\n\"2\"\r\n\"条件\"\r\n\"15\"\r\n";
        if (bytes.isEmpty() && names[i] == SettingFiles::kBackup)
            bytes = "\"/home/shop/Backup\"\r\n\"Soranowa.snb\"\r\n";
        if (bytes.isEmpty() && names[i] == SettingFiles::kCti)
            bytes = "0\r\n1\r\nAT\r\n/srv/cti\r\n";
        seed(QStringLiteral("setting_files"), names[i], withPrefix(QByteArray(1, char(i)), bytes.left(4096)));
    }
}

void importSeeds()
{
    const QByteArray customers =
        ToCp932(QStringLiteral("電話,名前,郵便,市町村,番地,建物\r\n"
                               "0312345678,ヤマダ タロウ,100-0001,東京都千代田区,千代田1-1,\r\n"
                               "\"045-678-9012\",\"スズキ, ハナコ\",2310001,横浜市,1,ビル\r\n"));
    seed(QStringLiteral("customer_import"), QStringLiteral("six"),
         withPrefix(QByteArray("\1\2\3\4\5\6", 6), customers));
    seed(QStringLiteral("split_csv"), QStringLiteral("comma"), withPrefix(QByteArray(1, '\0'), customers));
    seed(QStringLiteral("split_csv"), QStringLiteral("tab"),
         withPrefix(QByteArray(1, char(1 | 4)), QByteArray("a\tb\t\"c\"\"d\"\ne\tf\n")));
    const QByteArray book = ToCp932(QStringLiteral("ヤマダ タロウ,1000001,0312345678,東京都千代田区千代田1-1\r\n"
                                                   "スズキ ハナコ,2310001,045-678-9012,横浜市中区1\r\n"));
    seed(QStringLiteral("phonebook_import"), QStringLiteral("four"), withPrefix(QByteArray("\1\2\3\4", 4), book));
    const QByteArray menus = ToCp932(QStringLiteral("麺類,ざるそば,650,ざるそば\r\n"
                                                    "丼物,かつ丼,\"1,200\",かつどん\r\n"));
    seed(QStringLiteral("menu_import"), QStringLiteral("four"), withPrefix(QByteArray("\1\2\3\4", 4), menus));
}

void callerIdSeeds()
{
    seed(QStringLiteral("cti_reply"), QStringLiteral("number"), "RECEIVE CALLING PARTY = 0312345678\r\nOK\r\n");
    seed(QStringLiteral("cti_reply"), QStringLiteral("withheld"), "AT\r\nRECEIVE CALLING PARTY = P\r\nOK\r\n");
    seed(QStringLiteral("cti_reply"), QStringLiteral("none"), "ERROR\r\nOK\r\n");
    seed(QStringLiteral("cti_file"), QStringLiteral("number"), "0312345678\r\n");
}

void archiveSeeds(const QString &shop)
{
    QTemporaryDir dir;
    SetDataFolderOverride(shop);
    const QString archive = dir.path() + QStringLiteral("/shop.snb");
    // A valid entry libarchive refuses (its last block starts within 8 bytes of the end): the
    // restore unpacks it with its own decoder.
    seed(QStringLiteral("lzh_restore"), QStringLiteral("short-last-block"),
         QByteArray::fromHex("2b002d6c68352d070000000800000000f1536520022d414d050000881c0c000146696c65312e736e77"
                             "0000000800c0400e4000"));
    if (PackData(archive, PackMode::Replace))
        seed(QStringLiteral("lzh_restore"), QStringLiteral("shop"), readFile(archive));
    else
        ++g_failures;
    SetDataFolderOverride(Fuzz::DataFolder());
    seed(QStringLiteral("lzh_roundtrip"), QStringLiteral("text"),
         withPrefix(QByteArray("\2\0\20", 3), QByteArray("ざるそば かつ丼 ").repeated(40)));
    seed(QStringLiteral("lzh_roundtrip"), QStringLiteral("records"),
         withPrefix(QByteArray(1, '\0'), readFile(shop + QStringLiteral("/Customer.snw")).left(2000)));
    // An empty file and one whose packed stream is shorter than 8 bytes, once refused on restore.
    seed(QStringLiteral("lzh_roundtrip"), QStringLiteral("short-stream"), QByteArray::fromBase64("9wAAAAEBAQAAAQA="));
}

void zipSeeds()
{
    std::vector<ZipDbEntry> entries = {
        {1000001, false, QStringLiteral("東京都千代田区千代田"), {}},
        {1000002, false, QStringLiteral("東京都千代田区皇居外苑"), {}},
        {1008111, true, QStringLiteral("東京都千代田区千代田１－１"), QStringLiteral("宮内庁")},
        {600042, false, QStringLiteral("北海道札幌市中央区大通西"), {}},
    };
    const QByteArray db = BuildZipDbBytes(entries);
    const QByteArray key = QStringLiteral("千代田").toUtf8();
    seed(QStringLiteral("zipdb"), QStringLiteral("small"),
         QByteArray(1, char(10)) + char(key.size() % 8) + key.left(key.size() % 8) + db);
    seed(QStringLiteral("zipdb"), QStringLiteral("checked"), QByteArray(1, char(1)) + char(0) + db);
}

void typedSeeds()
{
    seed(QStringLiteral("typed_input"), QStringLiteral("range"), QByteArray("\x0a") + "2-5");
    seed(QStringLiteral("typed_input"), QStringLiteral("open"), QByteArray("\x03") + "-");
    seed(QStringLiteral("typed_input"), QStringLiteral("amount"), QByteArray("\x01") + "-1,234.50");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soranowa-fuzzseeds OUTDIR\n");
        return 2;
    }
    // Before the scratch folder becomes the current directory.
    g_out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    Fuzz::DataFolder();
    QTemporaryDir shop;
    SampleDataOptions options;
    options.customers = 12;
    options.orders = 20;
    options.days = 5;
    options.today = QDate(2026, 6, 1);
    QString error;
    if (!shop.isValid() || !WriteSampleData(shop.path(), options, nullptr, &error)) {
        std::fprintf(stderr, "demonstration data not written: %s\n", qPrintable(error));
        return 1;
    }
    recordSeeds(shop.path());
    settingSeeds(shop.path());
    importSeeds();
    callerIdSeeds();
    archiveSeeds(shop.path());
    zipSeeds();
    typedSeeds();
    return g_failures == 0 ? 0 : 1;
}
