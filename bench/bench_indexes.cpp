// Start-up index build, caller lookup and exit compaction on a large data folder, each timed
// against a plain baseline measured in the same run on the same files:
//   BuildIndexes        vs  cat of the three record files (warm cache)   target ratio <= 1.5
//   index tables        memory                                           target < 150 MB
//   FindCustomerPosByTel mean over 100,000 customers                     target < 1 ms
//   CompactSales        vs  cp of the sales file                         target ratio <= 2
//
//   bench_indexes [DATA_FOLDER] [--remove]
// DATA_FOLDER defaults to /tmp/soranowa-bench; it is generated when missing (100,000 customers,
// 1,000,000 sales, 100,000 phone-book entries, about 1.7 GB). --remove deletes it at the end.
#include "store/records.h"
#include "store/recordstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <malloc.h>

namespace
{

constexpr int kCustomers = 100000;
constexpr int kSales = 1000000;
constexpr int kPhoneBook = 100000;

double seconds(const std::function<void()> &fn)
{
    QElapsedTimer t;
    t.start();
    fn();
    return t.nsecsElapsed() / 1e9;
}

double best(int runs, const std::function<void()> &fn)
{
    double b = 1e300;
    for (int i = 0; i < runs; ++i)
        b = std::min(b, seconds(fn));
    return b;
}

long statusKb(const char *key)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) == 0)
            return std::atol(line.c_str() + prefix.size());
    }
    return -1;
}

void resetPeakRss()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

size_t heapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

std::string sh(const QString &path)
{
    return "'" + QFile::encodeName(path).toStdString() + "'";
}

void run(const std::string &command)
{
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
}

// Writes `count` records produced by fill(record, n) in large chunks.
void writeRecords(const QString &path, int length, int count, const std::function<void(char *, int)> &fill)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    const int perChunk = (16 << 20) / length;
    std::vector<char> chunk(size_t(perChunk) * length);
    for (int done = 0; done < count;) {
        const int n = std::min(perChunk, count - done);
        for (int i = 0; i < n; ++i)
            fill(chunk.data() + size_t(i) * length, done + i + 1);
        f.write(chunk.data(), qint64(n) * length);
        done += n;
    }
}

QString telOf(int n)
{
    return QStringLiteral("03%1").arg(n, 8, 10, QLatin1Char('0'));
}

void generate(const QString &dir)
{
    std::printf("generating %s ...\n", qPrintable(dir));
    std::fflush(stdout);
    QDir().mkpath(dir);
    using namespace RecordBytes;

    CustomerRecord c;
    c.NameKana = QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ");
    c.Zip = QStringLiteral("1600023");
    c.City = QStringLiteral("東京都新宿区");
    c.Banchi = QStringLiteral("西新宿２－８－１");
    c.Building = QStringLiteral("新宿ハイツ１０１");
    c.Motive = 2;
    const QByteArray customer = c.toBytes();
    const QByteArray deletedCustomer = [&] {
        CustomerRecord d = c;
        d.CustomerId = -1;
        return d.toBytes();
    }();
    writeRecords(dir + "/" + RecordStore::kCustomerFile, kCustomerRecordLength, kCustomers, [&](char *out, int n) {
        const bool deleted = n % 100 == 0;
        const QByteArray &source = deleted ? deletedCustomer : customer;
        std::memcpy(out, source.constData(), size_t(source.size()));
        if (!deleted)
            PutInt32(out + CustomerOffsets::CustomerId, n);
        std::memcpy(out + CustomerOffsets::Tel, telOf(n).toLatin1().constData(), 10);
    });

    SalesRecord s;
    s.OrderStaff = QStringLiteral("田中");
    for (int i = 1; i <= 3; ++i) {
        s.ItemName[size_t(i)] = QStringLiteral("ラーメン");
        s.ItemQty[size_t(i)] = 1;
        s.ItemPrice[size_t(i)] = YenToCurrency(650);
        s.ItemOption[size_t(i)] = QStringLiteral("（なし）");
    }
    s.DeliverTo = QStringLiteral("（なし）");
    s.DesignatedTime = 1.0;
    s.CollectTime = 1.0;
    const QByteArray sale = s.toBytes();
    std::mt19937 rng(1);
    const QDate first(2003, 1, 1);
    writeRecords(dir + "/" + RecordStore::kSalesFile, kSalesRecordLength, kSales, [&](char *out, int n) {
        std::memcpy(out, sale.constData(), kSalesRecordLength);
        const int day = (n - 1) / 500; // 500 orders a day
        const QByteArray date = first.addDays(day).toString(QStringLiteral("yyyyMMdd")).toLatin1();
        std::memcpy(out + SalesOffsets::OrderDate, date.constData(), 8);
        PutInt16(out + SalesOffsets::OrderNo, qint16((n - 1) % 500 + 1));
        PutInt32(out + SalesOffsets::CustomerId, int(rng() % kCustomers) + 1);
        PutDouble(out + SalesOffsets::OrderTime, 37622.0 + day + 0.5);
        PutDouble(out + SalesOffsets::DoneTime, 37622.0 + day + 0.52);
        PutInt16(out + SalesOffsets::Status, n % 100 == 0 ? -1 : 0);
    });

    PhoneBookRecord p;
    p.Name = QStringLiteral("山田");
    p.Zip = QStringLiteral("1600023");
    p.Address = QStringLiteral("東京都新宿区西新宿");
    const QByteArray phone = p.toBytes();
    writeRecords(dir + "/" + RecordStore::kPhoneBookFile, kPhoneBookRecordLength, kPhoneBook, [&](char *out, int n) {
        std::memcpy(out, phone.constData(), kPhoneBookRecordLength);
        std::memcpy(out + PhoneBookOffsets::Tel, telOf(kCustomers + n).toLatin1().constData(), 10);
    });
}

size_t countedTableBytes(const RecordStore &s)
{
    // Entries as allocated, plus the text each QString keeps on the heap (header, UTF-16, NUL).
    auto text = [](const QString &t) -> size_t { return t.isEmpty() ? 0 : 16 + 2 * size_t(t.capacity() + 1); };
    size_t bytes = s.CustomerIndex.capacity() * sizeof(CustomerIndexEntry) +
                   s.SalesIndex.capacity() * sizeof(SalesIndexEntry) +
                   s.PhoneBookIndex.capacity() * sizeof(PhoneBookIndexEntry);
    for (const CustomerIndexEntry &e : s.CustomerIndex)
        bytes += text(e.Tel) + text(e.NameKana) + text(e.Zip);
    for (const PhoneBookIndexEntry &e : s.PhoneBookIndex)
        bytes += text(e.Tel);
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString dir = QStringLiteral("/tmp/soranowa-bench");
    bool remove = false;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("--remove"))
            remove = true;
        else
            dir = a;
    }
    const QString customers = dir + "/" + RecordStore::kCustomerFile;
    const QString sales = dir + "/" + RecordStore::kSalesFile;
    const QString phones = dir + "/" + RecordStore::kPhoneBookFile;
    if (QFileInfo(sales).size() != qint64(kSales) * kSalesRecordLength ||
        QFileInfo(customers).size() != qint64(kCustomers) * kCustomerRecordLength ||
        QFileInfo(phones).size() != qint64(kPhoneBook) * kPhoneBookRecordLength)
        std::printf("generated in %.1f s\n", seconds([&] { generate(dir); }));
    const double gb = (QFileInfo(customers).size() + QFileInfo(sales).size() + QFileInfo(phones).size()) / 1e9;
    std::printf("data folder %s: %d customers, %d sales, %d phone-book entries, %.2f GB\n", qPrintable(dir), kCustomers,
                kSales, kPhoneBook, gb);

    // ---- index build vs reading the same files
    const std::string cat = "cat " + sh(customers) + " " + sh(sales) + " " + sh(phones) + " > /dev/null";
    run(cat); // warm the cache
    run(cat);
    const double catSeconds = best(3, [&] { run(cat); });

    RecordStore store(dir);
    if (!store.OpenRecordFiles())
        return 1;
    const long rssBefore = statusKb("VmRSS");
    const size_t heapBefore = heapInUse();
    resetPeakRss();
    const double firstBuild = seconds([&] { store.BuildIndexes(); });
    const long peakKb = statusKb("VmHWM");
    const size_t heapAfter = heapInUse();
    const long rssAfter = statusKb("VmRSS");
    const double buildSeconds = std::min(firstBuild, best(2, [&] { store.BuildIndexes(); }));
    std::printf("\nBuildIndexes            %.3f s   cat of the same files %.3f s   ratio %.2f (target <= 1.5)\n",
                buildSeconds, catSeconds, buildSeconds / catSeconds);
    std::printf("  tables: %d customers, %d sales, %d phone-book entries\n", store.CustomerCount(), store.SalesCount(),
                store.PhoneBookCount());
    std::printf("  index memory: counted %.1f MB, heap in use +%.1f MB, RSS +%.1f MB, peak RSS during the "
                "build +%.1f MB (target < 150 MB)\n",
                countedTableBytes(store) / 1048576.0, (double(heapAfter) - double(heapBefore)) / 1048576.0,
                (rssAfter - rssBefore) / 1024.0, (peakKb - rssBefore) / 1024.0);

    // ---- caller lookup over the customer table vs a scan of plain byte strings
    std::vector<std::string> plainTels;
    plainTels.reserve(size_t(store.CustomerCount()));
    for (int pos = 1; pos <= store.CustomerCount(); ++pos)
        plainTels.push_back(store.CustomerIndex[size_t(pos)].Tel.toStdString());
    std::mt19937 rng(7);
    std::vector<int> wanted(2000);
    for (int &n : wanted)
        n = int(rng() % (kCustomers + kCustomers / 10)) + 1; // about 1 in 11 is unknown
    long found = 0;
    const double lookupSeconds = seconds([&] {
        for (int n : wanted)
            found += store.FindCustomerPosByTel(telOf(n)) > 0;
    });
    long plainFound = 0;
    const double plainSeconds = seconds([&] {
        for (int n : wanted) {
            const std::string tel = telOf(n).toStdString();
            plainFound += std::find(plainTels.begin(), plainTels.end(), tel) != plainTels.end();
        }
    });
    int missPos = 0;
    const double missSeconds = best(5, [&] { missPos = store.FindCustomerPosByTel(QStringLiteral("0999")); });
    std::printf("\nFindCustomerPosByTel    mean %.3f ms over %zu lookups (%ld found), unknown number %.3f ms "
                "(target < 1 ms)\n",
                lookupSeconds * 1000 / wanted.size(), wanted.size(), found, missSeconds * 1000);
    std::printf("  plain std::string scan mean %.3f ms (%ld found)   ratio %.2f\n", plainSeconds * 1000 / wanted.size(),
                plainFound, lookupSeconds / plainSeconds);
    if (missPos != -1 || found != plainFound)
        std::printf("  LOOKUP MISMATCH\n");

    // ---- exit compaction of the sales file vs copying it
    const QString work = dir + "/compact";
    QDir().mkpath(work);
    const QString copy = work + "/" + RecordStore::kSalesFile;
    double cpBest = 1e300, syncBest = 1e300, compactBest = 1e300;
    for (int i = 0; i < 3; ++i) {
        QFile::remove(copy);
        run("sync");
        const double cp = seconds([&] { run("cp " + sh(sales) + " " + sh(copy)); });
        const double sync = seconds([&] { run("sync " + sh(copy)); });
        RecordStore w(work);
        bool ok = false;
        const double compact = seconds([&] { ok = w.CompactSales(); });
        if (!ok)
            return 1;
        cpBest = std::min(cpBest, cp);
        syncBest = std::min(syncBest, cp + sync);
        compactBest = std::min(compactBest, compact);
    }
    std::printf("\nCompactSales            %.3f s   cp %.3f s   ratio %.2f (target <= 2)\n", compactBest, cpBest,
                compactBest / cpBest);
    std::printf("  cp followed by sync of the copy %.3f s   ratio %.2f (compaction flushes its copy to disk "
                "before replacing the file)\n",
                syncBest, compactBest / syncBest);
    std::printf("  kept %.2f GB of %.2f GB\n", QFileInfo(copy).size() / 1e9, QFileInfo(sales).size() / 1e9);
    QDir(work).removeRecursively();

    if (remove) {
        store.CloseRecordFiles();
        QDir(dir).removeRecursively();
        std::printf("\nremoved %s\n", qPrintable(dir));
    }
    return 0;
}
