#include "store/recordstore.h"

#include "platform/clock.h"
#include "store/pendingrestore.h"
#include "store/cp932.h"
#include "store/fdio.h"
#include "store/helpers.h"
#include "store/oledate.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace RecordBytes;

namespace
{

// Sequential scans read this many bytes at a time (rounded down to whole records).
constexpr qint64 kScanChunk = 8 * 1024 * 1024;

// Whole records in a file; a torn last record (a write cut short) is not counted, so the next
// append lands right after the last whole record and never overwrites one.
qint64 wholeRecords(qint64 fileLength, int recordLength)
{
    return fileLength / recordLength;
}

// Calls fn(recordBytes, recordNo) for every whole record of the open file.
template <typename Fn> bool scanRecords(QFile &file, int length, Fn &&fn, const ProgressFn &progress = {})
{
    const qint64 total = wholeRecords(file.size(), length);
    // No bigger than the file: three small files need not cost three large buffers.
    const qint64 perChunk = std::max<qint64>(1, std::min(total, kScanChunk / length));
    std::vector<char> buffer(size_t(perChunk * length));
    if (!file.seek(0))
        return false;
    qint64 recordNo = 1;
    while (recordNo <= total) {
        const qint64 want = std::min(perChunk, total - recordNo + 1);
        const qint64 bytes = want * length;
        qint64 got = 0;
        while (got < bytes) {
            const qint64 n = file.read(buffer.data() + got, bytes - got);
            if (n <= 0)
                return false;
            got += n;
        }
        for (qint64 i = 0; i < want; ++i)
            fn(buffer.data() + i * length, qint32(recordNo + i));
        recordNo += want;
        if (progress)
            progress(recordNo, total + 10);
    }
    return true;
}

// Compaction copies through a buffer small enough to stay in the processor cache.
constexpr qint64 kCompactChunk = 1024 * 1024;

// Copies bytes from one file to the end of another inside the kernel, as cp does. Returns the
// bytes copied: fewer than asked when the kernel cannot copy between these two files (the caller
// writes the rest itself), -1 on a failure.
qint64 copyInKernel(int from, qint64 offset, int to, qint64 bytes)
{
    loff_t in = offset;
    qint64 done = 0;
    while (done < bytes) {
        const ssize_t n = ::copy_file_range(from, &in, to, nullptr, size_t(bytes - done), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP))
            return done;
        if (n <= 0)
            return -1;
        done += n;
    }
    return done;
}

bool isAllDigits(const char *p, int n)
{
    for (int i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return false;
    }
    return true;
}

// Index entries are always taken from the record bytes as written, so the tables hold exactly
// what a rebuild at the next start would give (text cut to its field, unmappable characters as
// stored), and a lookup that works now also works after a restart.
CustomerIndexEntry customerEntry(const char *rec, qint32 recordNo)
{
    namespace O = CustomerOffsets;
    return {GetInt32(rec + O::CustomerId), GetCp932Field(rec + O::Tel, 14), GetCp932Field(rec + O::NameKana, 30),
            GetCp932Field(rec + O::Zip, 8), recordNo};
}

SalesIndexEntry salesEntry(const char *rec, qint32 recordNo)
{
    namespace O = SalesOffsets;
    SalesIndexEntry e;
    std::memcpy(e.OrderDateBytes.data(), rec + O::OrderDate, 8);
    e.OrderNo = GetInt16(rec + O::OrderNo);
    e.Status = GetInt16(rec + O::Status);
    e.CustomerId = GetInt32(rec + O::CustomerId);
    e.RecordNo = recordNo;
    e.DoneTime = GetDouble(rec + O::DoneTime);
    return e;
}

PhoneBookIndexEntry phoneBookEntry(const char *rec, qint32 recordNo)
{
    return {GetCp932Field(rec + PhoneBookOffsets::Tel, 11), recordNo};
}

bool keptByCompaction(const char *rec)
{
    namespace O = SalesOffsets;
    // The date must be numeric and lie strictly between 20010619 and 22010619. Every number in
    // that window has eight digits, so within an 8-byte field the test is: eight digits (no
    // blank, no NUL, no sign) compared as text.
    const char *date = rec + O::OrderDate;
    return GetInt16(rec + O::Status) >= 0 && isAllDigits(date, 8) && std::memcmp(date, "20010619", 8) > 0 &&
           std::memcmp(date, "22010619", 8) < 0;
}

} // namespace

// ---- SalesIndexEntry

QString SalesIndexEntry::OrderDate() const
{
    // Read as the record itself reads it, so that the keys of the index and of the record agree
    // even for a damaged date.
    return GetCp932Field(OrderDateBytes.data(), int(OrderDateBytes.size()));
}

void SalesIndexEntry::SetOrderDate(const QString &date)
{
    const QByteArray bytes = date.toLatin1().left(8);
    OrderDateBytes.fill(' ');
    std::memcpy(OrderDateBytes.data(), bytes.constData(), size_t(bytes.size()));
}

// ---- RecordStore

RecordStore::RecordStore(const QString &folder) : m_folder(folder)
{
}

RecordStore::~RecordStore()
{
    CloseRecordFiles();
}

QString RecordStore::filePath(const QString &name) const
{
    return m_folder.isEmpty() ? name : QDir(m_folder).filePath(name);
}

int RecordStore::fileId(const QFile &file) const
{
    return &file == &m_customers ? 0 : &file == &m_sales ? 1 : 2;
}

bool RecordStore::undoUnfinishedGroup()
{
    return RecordJournal::RollBack(filePath(RecordJournal::kFileName),
                                   {filePath(kCustomerFile), filePath(kSalesFile), filePath(kPhoneBookFile)});
}

void RecordStore::BeginGroup()
{
    if (m_groupDepth++ == 0)
        m_journal.begin(filePath(RecordJournal::kFileName));
}

bool RecordStore::EndGroup()
{
    if (m_groupDepth == 0 || --m_groupDepth > 0)
        return true;
    return m_journal.commit({m_customers.handle(), m_sales.handle(), m_phoneBook.handle()});
}

bool RecordStore::OpenRecordFiles()
{
    CloseRecordFiles();
    // Finish what a stop left half done before anything reads the files.
    if (!FinishPendingRestore(m_folder.isEmpty() ? QStringLiteral(".") : m_folder) || !undoUnfinishedGroup()) {
        ShowErrorBox(1, QStringLiteral("ファイルオープンエラー"));
        return false;
    }
    m_customers.setFileName(filePath(kCustomerFile));
    m_sales.setFileName(filePath(kSalesFile));
    m_phoneBook.setFileName(filePath(kPhoneBookFile));
    const auto mode = QIODevice::ReadWrite | QIODevice::Unbuffered;
    if (!m_customers.open(mode) || !m_sales.open(mode) || !m_phoneBook.open(mode)) {
        CloseRecordFiles();
        ShowErrorBox(1, QStringLiteral("ファイルオープンエラー"));
        return false;
    }
    return true;
}

void RecordStore::CloseRecordFiles()
{
    m_customers.close();
    m_sales.close();
    m_phoneBook.close();
}

bool RecordStore::IsOpen() const
{
    return m_customers.isOpen() && m_sales.isOpen() && m_phoneBook.isOpen();
}

bool RecordStore::BuildIndexes()
{
    CustomerIndex.assign(1, {});
    SalesIndex.assign(1, {});
    PhoneBookIndex.assign(1, {});
    OldestSalesDate = kDefaultOldestSalesDate;
    if (!IsOpen()) {
        ShowErrorBox(2, QStringLiteral("インデックステーブル作成エラー"));
        return false;
    }

    // Each file is scanned even when an earlier one failed, so start-up continues with every
    // table that could be built.
    bool ok = true;

    // Customers
    const qint64 customerRecords = wholeRecords(m_customers.size(), kCustomerRecordLength);
    CustomerIndex.reserve(size_t(customerRecords + 2));
    ok &= scanRecords(m_customers, kCustomerRecordLength, [this](const char *rec, qint32 recordNo) {
        if (GetInt32(rec + CustomerOffsets::CustomerId) > 0)
            CustomerIndex.push_back(customerEntry(rec, recordNo));
    });
    NextCustomerRecordNo = qint32(customerRecords + 1);

    // Sales: only the key fields are picked out of each record.
    char oldest[8];
    std::memcpy(oldest, kDefaultOldestSalesDate.toLatin1().constData(), 8);
    bool oldestChanged = false;
    const qint64 salesRecords = wholeRecords(m_sales.size(), kSalesRecordLength);
    SalesIndex.reserve(size_t(salesRecords + 2));
    ok &= scanRecords(m_sales, kSalesRecordLength, [&](const char *rec, qint32 recordNo) {
        namespace O = SalesOffsets;
        if (GetInt16(rec + O::Status) < 0 || GetInt16(rec + O::OrderNo) == 0)
            return;
        // Only a real date can be the oldest one: a blank or damaged date would otherwise
        // become "oldest" and empty the year lists built from it.
        if (isAllDigits(rec + O::OrderDate, 8) && std::memcmp(rec + O::OrderDate, oldest, 8) < 0) {
            std::memcpy(oldest, rec + O::OrderDate, 8);
            oldestChanged = true;
        }
        SalesIndex.push_back(salesEntry(rec, recordNo));
    });
    if (oldestChanged)
        OldestSalesDate = QString::fromLatin1(oldest, 8);
    NextSalesRecordNo = qint32(salesRecords + 1);

    // Phone book
    const qint64 phoneRecords = wholeRecords(m_phoneBook.size(), kPhoneBookRecordLength);
    PhoneBookIndex.reserve(size_t(phoneRecords + 2));
    ok &= scanRecords(m_phoneBook, kPhoneBookRecordLength, [this](const char *rec, qint32 recordNo) {
        PhoneBookIndex.push_back(phoneBookEntry(rec, recordNo));
    });
    NextPhoneBookRecordNo = qint32(phoneRecords + 1);

    if (!ok) {
        ShowErrorBox(2, QStringLiteral("インデックステーブル作成エラー"));
        return false;
    }
    return true;
}

qint32 RecordStore::MaxCustomerId() const
{
    qint32 max = 0;
    for (size_t i = 1; i < CustomerIndex.size(); ++i)
        max = std::max(max, CustomerIndex[i].CustomerId);
    return max;
}

qint16 RecordStore::MaxOrderNoToday() const
{
    const QByteArray today = Clock::Today().toString(QStringLiteral("yyyyMMdd")).toLatin1();
    qint16 max = 0;
    for (size_t i = 1; i < SalesIndex.size(); ++i) {
        const SalesIndexEntry &e = SalesIndex[i];
        if (std::memcmp(e.OrderDateBytes.data(), today.constData(), 8) == 0)
            max = std::max(max, e.OrderNo);
    }
    return max;
}

bool RecordStore::readRecord(QFile &file, int length, qint32 recordNo, char *out)
{
    if (!file.isOpen() || recordNo < 1 || !file.seek(qint64(recordNo - 1) * length))
        return false;
    return file.read(out, length) == length;
}

bool RecordStore::writeRecord(QFile &file, int length, qint32 recordNo, const char *data)
{
    const qint64 offset = qint64(recordNo - 1) * length;
    if (!file.isOpen() || recordNo < 1 || !m_journal.saveBefore(fileId(file), file.handle(), offset, length) ||
        !file.seek(offset))
        return false;
    return file.write(data, length) == length;
}

bool RecordStore::AddCustomer(const CustomerRecord &customer)
{
    char buf[kCustomerRecordLength];
    customer.toBytes(buf);
    if (!writeRecord(m_customers, kCustomerRecordLength, NextCustomerRecordNo, buf)) {
        ShowErrorBox(7, QStringLiteral("顧客データの登録エラー"));
        return false;
    }
    CustomerIndex.push_back(customerEntry(buf, NextCustomerRecordNo));
    ++NextCustomerRecordNo;
    return true;
}

bool RecordStore::AddSale(const SalesRecord &sale)
{
    char buf[kSalesRecordLength];
    sale.toBytes(buf);
    if (!writeRecord(m_sales, kSalesRecordLength, NextSalesRecordNo, buf)) {
        ShowErrorBox(8, QStringLiteral("売上データの登録エラー"));
        return false;
    }
    SalesIndex.push_back(salesEntry(buf, NextSalesRecordNo));
    ++NextSalesRecordNo;
    return true;
}

std::optional<CustomerRecord> RecordStore::ReadCustomer(int pos)
{
    char buf[kCustomerRecordLength];
    if (pos < 1 || pos > CustomerCount() ||
        !readRecord(m_customers, kCustomerRecordLength, CustomerIndex[size_t(pos)].RecordNo, buf)) {
        ShowErrorBox(9, QStringLiteral("顧客データの読み込みエラー"));
        return std::nullopt;
    }
    CustomerRecord customer = CustomerRecord::fromBytes(buf);
    if (customer.Points > 1000000)
        customer.Points = 0;
    return customer;
}

std::optional<PhoneBookRecord> RecordStore::ReadPhoneBookEntry(int pos)
{
    char buf[kPhoneBookRecordLength];
    if (pos < 1 || pos > PhoneBookCount() ||
        !readRecord(m_phoneBook, kPhoneBookRecordLength, PhoneBookIndex[size_t(pos)].RecordNo, buf)) {
        ShowErrorBox(9, QStringLiteral("電話帳データの読み込みエラー"));
        return std::nullopt;
    }
    return PhoneBookRecord::fromBytes(buf);
}

std::optional<SalesRecord> RecordStore::ReadSale(int pos)
{
    std::vector<char> buf(kSalesRecordLength);
    if (pos < 1 || pos > SalesCount() ||
        !readRecord(m_sales, kSalesRecordLength, SalesIndex[size_t(pos)].RecordNo, buf.data())) {
        ShowErrorBox(10, QStringLiteral("売上データの読み込みエラー"));
        return std::nullopt;
    }
    return SalesRecord::fromBytes(buf.data());
}

bool RecordStore::ReadSaleBytes(int pos, char *out)
{
    if (pos < 1 || pos > SalesCount() ||
        !readRecord(m_sales, kSalesRecordLength, SalesIndex[size_t(pos)].RecordNo, out)) {
        ShowErrorBox(10, QStringLiteral("売上データの読み込みエラー"));
        return false;
    }
    return true;
}

int RecordStore::FindCustomerPos(qint32 id) const
{
    for (size_t i = 1; i < CustomerIndex.size(); ++i) {
        if (CustomerIndex[i].CustomerId == id)
            return int(i);
    }
    return -1;
}

int RecordStore::FindCustomerPosByTel(const QString &tel) const
{
    // Caller lookup runs while the customer waits on the line: compare lengths first and the
    // UTF-16 text directly, without the general string comparison for every entry.
    const qsizetype n = tel.size();
    const QChar *key = tel.constData();
    for (size_t i = 1; i < CustomerIndex.size(); ++i) {
        const QString &t = CustomerIndex[i].Tel;
        if (t.size() == n && std::memcmp(t.constData(), key, size_t(n) * sizeof(QChar)) == 0)
            return int(i);
    }
    return -1;
}

int RecordStore::FindSalePosByKey(const QString &key) const
{
    // Compare date bytes and number rather than building each entry's key text.
    const QByteArray date = key.left(8).toLatin1();
    bool ok = false;
    const int no = key.size() >= 9 ? key.mid(8).toInt(&ok) : 0;
    if (ok) {
        for (size_t pos = 1; pos < SalesIndex.size(); ++pos) {
            const SalesIndexEntry &e = SalesIndex[pos];
            if (e.OrderNo == no && std::memcmp(e.OrderDateBytes.data(), date.constData(), 8) == 0)
                return int(pos);
        }
    }
    // An order whose stored date is not eight plain characters has a key of another shape; it
    // is still found by its whole key text.
    for (size_t pos = 1; pos < SalesIndex.size(); ++pos) {
        if (SalesIndex[pos].OrderKey() == key)
            return int(pos);
    }
    return -1;
}

int RecordStore::FindPhoneBookPosByTel(const QString &tel) const
{
    for (size_t i = 1; i < PhoneBookIndex.size(); ++i) {
        if (PhoneBookIndex[i].Tel == tel)
            return int(i);
    }
    return -1;
}

bool RecordStore::UpdateCustomer(int pos, const CustomerRecord &customer)
{
    char buf[kCustomerRecordLength];
    customer.toBytes(buf);
    if (pos < 1 || pos > CustomerCount() ||
        !writeRecord(m_customers, kCustomerRecordLength, CustomerIndex[size_t(pos)].RecordNo, buf)) {
        ShowErrorBox(11, QStringLiteral("顧客データの更新エラー"));
        return false;
    }
    CustomerIndexEntry &e = CustomerIndex[size_t(pos)];
    e = customerEntry(buf, e.RecordNo);
    return true;
}

bool RecordStore::UpdateSale(int pos, const SalesRecord &sale)
{
    std::vector<char> buf(kSalesRecordLength);
    sale.toBytes(buf.data());
    if (pos < 1 || pos > SalesCount() ||
        !writeRecord(m_sales, kSalesRecordLength, SalesIndex[size_t(pos)].RecordNo, buf.data())) {
        ShowErrorBox(12, QStringLiteral("売上データの更新エラー"));
        return false;
    }
    SalesIndexEntry &e = SalesIndex[size_t(pos)];
    e = salesEntry(buf.data(), e.RecordNo);
    return true;
}

bool RecordStore::DeleteSale(int pos)
{
    // The stored record is marked as a whole, so nothing a window holds can slip into the file.
    std::vector<char> buf(kSalesRecordLength);
    const qint32 recordNo = pos >= 1 && pos <= SalesCount() ? SalesIndex[size_t(pos)].RecordNo : 0;
    bool ok = recordNo > 0 && readRecord(m_sales, kSalesRecordLength, recordNo, buf.data());
    if (ok) {
        SalesRecord sale = SalesRecord::fromBytes(buf.data());
        sale.Status = -1;
        sale.toBytes(buf.data());
        ok = writeRecord(m_sales, kSalesRecordLength, recordNo, buf.data());
    }
    if (!ok) {
        ShowErrorBox(14, QStringLiteral("売上データの削除エラー"));
        return false;
    }
    SalesIndex.erase(SalesIndex.begin() + pos);
    return true;
}

bool RecordStore::DeleteCustomer(int pos)
{
    char buf[kCustomerRecordLength];
    const qint32 recordNo = pos >= 1 && pos <= CustomerCount() ? CustomerIndex[size_t(pos)].RecordNo : 0;
    bool ok = recordNo > 0 && readRecord(m_customers, kCustomerRecordLength, recordNo, buf);
    if (ok) {
        CustomerRecord customer = CustomerRecord::fromBytes(buf);
        customer.CustomerId = -1;
        customer.toBytes(buf);
        ok = writeRecord(m_customers, kCustomerRecordLength, recordNo, buf);
    }
    if (!ok) {
        ShowErrorBox(13, QStringLiteral("顧客データの削除エラー"));
        return false;
    }
    CustomerIndex.erase(CustomerIndex.begin() + pos);
    return true;
}

std::optional<CustomerRecord> RecordStore::RecountCustomerUsage(int pos, CustomerRecord customer)
{
    // No customer chosen (the order's customer is gone): nothing to recount or save.
    if (pos == -1)
        return customer;
    const qint32 id = customer.CustomerId;
    int count = 0;
    qint64 earliest = 30001111;
    qint64 latest = 0;
    double first = 0;
    double last = 0;
    for (int i = 1; i <= SalesCount(); ++i) {
        const SalesIndexEntry &e = SalesIndex[size_t(i)];
        if (e.CustomerId != id || e.Status < 0)
            continue;
        if (e.Status == 0)
            ++count;
        const qint64 day = e.OrderDate().toLongLong();
        if (day < earliest) {
            if (const auto sale = ReadSale(i))
                first = sale->OrderTime;
            earliest = day;
        }
        // ">=": of several orders on the latest day, the last one in file order is the latest.
        if (day >= latest) {
            if (const auto sale = ReadSale(i))
                last = sale->OrderTime;
            latest = day;
        }
    }
    customer.FirstUseDate = first;
    customer.LastUseDate = last;
    customer.UseCount = qint16(std::min(count, 32767));
    if (!UpdateCustomer(pos, customer))
        return std::nullopt;
    return customer;
}

bool RecordStore::appendAll(QFile &file, int length, qint32 &nextRecordNo, size_t count,
                            const std::function<void(size_t, char *)> &fill,
                            const std::function<void(const char *, qint32)> &index,
                            const std::function<void()> &dropIndexed)
{
    // The batch goes in whole or not at all: after a failed write the file is cut back to its
    // length before the batch and the entries already indexed are dropped again; a stop in the
    // middle is undone by the group's journal at the next open.
    const Group group(*this);
    const qint64 lengthBefore = file.isOpen() ? file.size() : 0;
    const qint32 nextBefore = nextRecordNo;
    constexpr size_t kPerChunk = 8192;
    QByteArray chunk;
    size_t done = 0;
    bool ok = file.isOpen();
    while (ok && done < count) {
        const size_t n = std::min(kPerChunk, count - done);
        chunk.resize(qsizetype(n * size_t(length)));
        for (size_t i = 0; i < n; ++i)
            fill(done + i, chunk.data() + i * size_t(length));
        const qint64 offset = qint64(nextRecordNo - 1) * length;
        ok = m_journal.saveBefore(fileId(file), file.handle(), offset, chunk.size()) && file.seek(offset) &&
             file.write(chunk) == chunk.size();
        if (!ok)
            break;
        for (size_t i = 0; i < n; ++i)
            index(chunk.constData() + i * size_t(length), nextRecordNo++);
        done += n;
    }
    if (ok)
        ok = file.flush();
    if (!ok) {
        if (file.isOpen())
            file.resize(lengthBefore);
        nextRecordNo = nextBefore;
        dropIndexed();
    }
    return ok;
}

bool RecordStore::RecordAddAll(const std::vector<CustomerRecord> &batch)
{
    const qint32 firstId = MaxCustomerId() + 1;
    const size_t countBefore = CustomerIndex.size();
    const bool ok = appendAll(
        m_customers, kCustomerRecordLength, NextCustomerRecordNo, batch.size(),
        [&](size_t i, char *out) {
            CustomerRecord c = batch[i];
            c.CustomerId = firstId + qint32(i);
            c.toBytes(out);
        },
        [this](const char *rec, qint32 recordNo) { CustomerIndex.push_back(customerEntry(rec, recordNo)); },
        [this, countBefore] { CustomerIndex.resize(countBefore); });
    if (!ok)
        ShowErrorBox(7, QStringLiteral("顧客データの登録エラー"));
    return ok;
}

bool RecordStore::AppendPhoneBookEntries(const std::vector<PhoneBookRecord> &batch)
{
    const size_t countBefore = PhoneBookIndex.size();
    const bool ok = appendAll(
        m_phoneBook, kPhoneBookRecordLength, NextPhoneBookRecordNo, batch.size(),
        [&](size_t i, char *out) { batch[i].toBytes(out); },
        [this](const char *rec, qint32 recordNo) { PhoneBookIndex.push_back(phoneBookEntry(rec, recordNo)); },
        [this, countBefore] { PhoneBookIndex.resize(countBefore); });
    if (!ok)
        ShowErrorBox(7, QStringLiteral("電話帳データの登録エラー"));
    return ok;
}

bool RecordStore::DeleteAllPhoneBookEntries()
{
    const QString path = filePath(kPhoneBookFile);
    m_phoneBook.close();
    // The entries go only when the file has gone; a file that stays keeps its index.
    const bool removed = !QFileInfo::exists(path) || QFile::remove(path);
    if (removed) {
        PhoneBookIndex.assign(1, {});
        NextPhoneBookRecordNo = 1;
    }
    m_phoneBook.setFileName(path);
    const bool reopened = m_phoneBook.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    if (!removed || !reopened) {
        ShowErrorBox(13, QStringLiteral("電話帳データの削除エラー"));
        return false;
    }
    return true;
}

bool RecordStore::compact(const QString &name, const QString &tempName, int length,
                          const std::function<bool(const char *)> &keep, const ProgressFn &progress)
{
    const QString path = filePath(name);
    const QString tempPath = filePath(tempName);
    QFile::remove(tempPath);

    // Plain descriptors and one small reused buffer for reading the records; the kept ones are
    // copied in runs.
    const int source = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const int temp =
        source < 0 ? -1
                   : ::open(QFile::encodeName(tempPath).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    bool ok = source >= 0 && temp >= 0;
    if (ok) {
        struct stat info {
        };
        ok = ::fstat(source, &info) == 0;
        const qint64 total = ok ? wholeRecords(info.st_size, length) : 0;
        if (progress)
            progress(0, total + 10);
        const qint64 perChunk = std::max<qint64>(1, std::min(total, kCompactChunk / length));
        std::vector<char> buffer(size_t(perChunk * length));
        bool kernelCopy = true;
        qint64 recordNo = 1;
        while (ok && recordNo <= total) {
            const qint64 count = std::min(perChunk, total - recordNo + 1);
            ok = ReadFullyAt(source, buffer.data(), count * length, (recordNo - 1) * length);
            // Consecutive kept records go out together, copied inside the kernel where it can.
            qint64 runStart = 0;
            for (qint64 i = 0; ok && i <= count; ++i) {
                if (i < count && keep(buffer.data() + i * length))
                    continue;
                if (i > runStart) {
                    const qint64 bytes = (i - runStart) * length;
                    const qint64 copied =
                        kernelCopy ? copyInKernel(source, (recordNo - 1 + runStart) * length, temp, bytes) : 0;
                    if (copied < bytes)
                        kernelCopy = false;
                    ok = copied >= 0 && WriteFully(temp, buffer.data() + runStart * length + copied, bytes - copied);
                }
                runStart = i + 1;
            }
            recordNo += count;
            if (progress)
                progress(recordNo, total + 10);
        }
        // The copy is on disk before it replaces the data file.
        ok = ok && ::fsync(temp) == 0;
    }
    if (temp >= 0)
        ok = ::close(temp) == 0 && ok;
    if (source >= 0)
        ::close(source);
    // The data file is replaced in one step, and only by a complete copy: a stop at any moment
    // leaves either the old file or the new one, never a mix.
    ok = ok && std::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(path).constData()) == 0;
    if (ok)
        SyncFolder(QFileInfo(path).absolutePath());
    if (!ok) {
        ShowErrorBox(5, QStringLiteral("ファイル最適化エラー"));
        return false;
    }
    return true;
}

bool RecordStore::CompactCustomers(const ProgressFn &progress)
{
    const bool wasOpen = m_customers.isOpen();
    m_customers.close();
    const bool ok = compact(
        kCustomerFile, kCustomerTemp, kCustomerRecordLength,
        [](const char *rec) { return GetInt32(rec + CustomerOffsets::CustomerId) > 0; }, progress);
    if (wasOpen)
        m_customers.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    return ok;
}

bool RecordStore::CompactSales(const ProgressFn &progress)
{
    const bool wasOpen = m_sales.isOpen();
    m_sales.close();
    const bool ok = compact(kSalesFile, kSalesTemp, kSalesRecordLength, keptByCompaction, progress);
    if (wasOpen)
        m_sales.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    return ok;
}

QString FormatTime(double value)
{
    if (value == kUnsetTime)
        return QStringLiteral("-----");
    const QString text = FormatOleDate(value, QStringLiteral("hh:mm"));
    return text.isEmpty() ? QStringLiteral("-----") : text;
}

QString FormatDayTime(double value)
{
    if (value == kUnsetTime)
        return QStringLiteral("-----");
    const QString text = FormatOleDate(value, QStringLiteral("MM/dd hh:mm"));
    return text.isEmpty() ? QStringLiteral("-----") : text;
}
