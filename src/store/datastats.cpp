#include "store/datastats.h"

#include "store/records.h"
#include "store/recordstore.h"

#include <QFileInfo>

namespace
{
qint64 wholeRecords(const QString &path, int length)
{
    return QFileInfo(path).size() / length;
}
} // namespace

QString DataFolderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("data folder not found: %1").arg(folder);
    if (!info.isDir())
        return QStringLiteral("not a folder: %1").arg(folder);
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("data folder not readable: %1").arg(folder);
    if (!info.isWritable())
        return QStringLiteral("data folder not writable: %1").arg(folder);
    return QString();
}

std::optional<DataStats> ReadDataStats(const QString &folder)
{
    RecordStore store(folder);
    if (!store.OpenRecordFiles() || !store.BuildIndexes())
        return std::nullopt;
    DataStats stats;
    stats.customers = store.CustomerCount();
    stats.sales = store.SalesCount();
    stats.phoneBook = store.PhoneBookCount();
    stats.oldestSalesDate = store.OldestSalesDate;
    stats.nextCustomerRecord = store.NextCustomerRecordNo;
    stats.nextSalesRecord = store.NextSalesRecordNo;
    stats.maxCustomerId = store.MaxCustomerId();
    return stats;
}

QStringList FormatDataStats(const DataStats &s)
{
    return {
        QStringLiteral("customers: %1").arg(s.customers),
        QStringLiteral("sales: %1").arg(s.sales),
        QStringLiteral("phonebook: %1").arg(s.phoneBook),
        QStringLiteral("oldest_sales_date: %1").arg(s.oldestSalesDate),
        QStringLiteral("next_customer_record: %1").arg(s.nextCustomerRecord),
        QStringLiteral("next_sales_record: %1").arg(s.nextSalesRecord),
        QStringLiteral("max_customer_id: %1").arg(s.maxCustomerId),
    };
}

bool CompactDataFolder(const QString &folder, CompactionResult *result)
{
    RecordStore store(folder);
    // Opening first creates missing files, so that compaction of a fresh folder succeeds.
    if (!store.OpenRecordFiles())
        return false;
    const QString customers = store.filePath(RecordStore::kCustomerFile);
    const QString sales = store.filePath(RecordStore::kSalesFile);
    CompactionResult r;
    r.customersBefore = wholeRecords(customers, kCustomerRecordLength);
    r.salesBefore = wholeRecords(sales, kSalesRecordLength);
    const bool ok = store.CompactCustomers() && store.CompactSales();
    store.CloseRecordFiles();
    r.customersAfter = wholeRecords(customers, kCustomerRecordLength);
    r.salesAfter = wholeRecords(sales, kSalesRecordLength);
    if (result)
        *result = r;
    return ok;
}
