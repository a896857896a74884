#pragma once
// The three record files, their in-memory index tables and the operations every window uses to
// read and write records. One instance for the program. Records pass as values: the store keeps
// no record of its own, so what one window reads can never change what another is holding.
//
// Tables are 1-based: position 0 holds no entry. Entries keep file order.
#include "store/recordjournal.h"
#include "store/records.h"

#include <QFile>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

struct CustomerIndexEntry {
    qint32 CustomerId = 0;
    QString Tel;
    QString NameKana;
    QString Zip;
    qint32 RecordNo = 0;
};

struct SalesIndexEntry {
    std::array<char, 8> OrderDateBytes{}; // "yyyymmdd" as stored; see OrderDate()
    qint16 OrderNo = 0;
    qint16 Status = 0;
    qint32 CustomerId = 0;
    qint32 RecordNo = 0;
    double DoneTime = 0;

    QString OrderDate() const;
    void SetOrderDate(const QString &date);
    QString OrderKey() const { return OrderDate() + QString::number(OrderNo); }
};

struct PhoneBookIndexEntry {
    QString Tel;
    qint32 RecordNo = 0;
};

// Called with (value, maximum) as a long operation proceeds.
using ProgressFn = std::function<void(qint64 value, qint64 maximum)>;

class RecordStore
{
  public:
    static inline const QString kCustomerFile = QStringLiteral("Customer.snw");
    static inline const QString kSalesFile = QStringLiteral("Sales.snw");
    static inline const QString kPhoneBookFile = QStringLiteral("Tel.snw");
    static inline const QString kCustomerTemp = QStringLiteral("Customer.tmp");
    static inline const QString kSalesTemp = QStringLiteral("Sales.tmp");
    static inline const QString kDefaultOldestSalesDate = QStringLiteral("20010619");

    // Files are opened in `folder` (the data folder; "" = the current directory).
    explicit RecordStore(const QString &folder = QString());
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    QString folder() const { return m_folder; }
    QString filePath(const QString &name) const;

    // ---- index tables (1-based; element 0 is an unused placeholder)
    std::vector<CustomerIndexEntry> CustomerIndex{1};
    std::vector<SalesIndexEntry> SalesIndex{1};
    std::vector<PhoneBookIndexEntry> PhoneBookIndex{1};
    int CustomerCount() const { return int(CustomerIndex.size()) - 1; }
    int SalesCount() const { return int(SalesIndex.size()) - 1; }
    int PhoneBookCount() const { return int(PhoneBookIndex.size()) - 1; }

    qint32 NextCustomerRecordNo = 1;
    qint32 NextSalesRecordNo = 1;
    qint32 NextPhoneBookRecordNo = 1;
    QString OldestSalesDate = kDefaultOldestSalesDate;

    // ---- operations; each failure shows its error box once and returns false
    bool OpenRecordFiles();
    void CloseRecordFiles();
    bool IsOpen() const;
    bool BuildIndexes();
    qint32 MaxCustomerId() const;
    qint16 MaxOrderNoToday() const;
    // A new record becomes the last entry of its index table.
    bool AddCustomer(const CustomerRecord &customer);
    bool AddSale(const SalesRecord &sale);
    // `pos` is a position in the index table; nullopt after the error box.
    std::optional<CustomerRecord> ReadCustomer(int pos);
    std::optional<PhoneBookRecord> ReadPhoneBookEntry(int pos);
    std::optional<SalesRecord> ReadSale(int pos);
    // The stored bytes of the sale at `pos` (kSalesRecordLength of them), for long scans that
    // need a few fields only; false after the same error box as ReadSale.
    bool ReadSaleBytes(int pos, char *out);
    int FindCustomerPos(qint32 id) const;
    bool UpdateCustomer(int pos, const CustomerRecord &customer);
    bool UpdateSale(int pos, const SalesRecord &sale);
    // The stored record is marked deleted and leaves its index table (later positions move up).
    bool DeleteSale(int pos);
    bool DeleteCustomer(int pos);
    // Use count (completed orders), first and last use dates of `customer` from its orders on
    // file; the customer is written at `pos` and the written record returned. Position -1 (no
    // customer) changes nothing.
    std::optional<CustomerRecord> RecountCustomerUsage(int pos, CustomerRecord customer);
    // Bulk appends of the imports, in batch order; a batch is stored whole or not at all.
    // RecordAddAll numbers the customers from MaxCustomerId() + 1 on.
    bool RecordAddAll(const std::vector<CustomerRecord> &batch);
    bool AppendPhoneBookEntries(const std::vector<PhoneBookRecord> &batch);
    // Deletes every phone-book entry: the Tel file is closed, deleted and created again empty.
    bool DeleteAllPhoneBookEntries();
    // Compaction at exit. The index tables no longer match the files afterwards: rebuild them
    // (BuildIndexes) before any further work.
    bool CompactCustomers(const ProgressFn &progress = {});
    bool CompactSales(const ProgressFn &progress = {});

    // Writes between BeginGroup and EndGroup form one operation: a stop at any moment leaves all
    // of them on file or none (recordjournal.h). Groups nest; the outermost EndGroup commits.
    // A write that fails inside a group is reported as usual and the rest stays as written.
    void BeginGroup();
    bool EndGroup();
    // BeginGroup on construction, EndGroup when the scope ends.
    class Group
    {
      public:
        explicit Group(RecordStore &store) : m_store(store) { m_store.BeginGroup(); }
        ~Group() { m_store.EndGroup(); }
        Group(const Group &) = delete;
        Group &operator=(const Group &) = delete;

      private:
        RecordStore &m_store;
    };

    // Lookups by key that windows need often (first match in table order, -1 when none).
    int FindCustomerPosByTel(const QString &tel) const;
    int FindPhoneBookPosByTel(const QString &tel) const;
    // The SalesIndex position of an order key "yyyymmddN".
    int FindSalePosByKey(const QString &key) const;

  private:
    bool readRecord(QFile &file, int length, qint32 recordNo, char *out);
    bool writeRecord(QFile &file, int length, qint32 recordNo, const char *data);
    bool appendAll(QFile &file, int length, qint32 &nextRecordNo, size_t count,
                   const std::function<void(size_t, char *)> &fill,
                   const std::function<void(const char *, qint32)> &index, const std::function<void()> &dropIndexed);
    bool compact(const QString &name, const QString &tempName, int length,
                 const std::function<bool(const char *)> &keep, const ProgressFn &progress);

    int fileId(const QFile &file) const;
    bool undoUnfinishedGroup();

    QString m_folder;
    RecordJournal m_journal;
    int m_groupDepth = 0;
    QFile m_customers;
    QFile m_sales;
    QFile m_phoneBook;
};

// "-----" for the unset time 1.0, otherwise "hh:nn".
QString FormatTime(double value);
// "-----" for the unset time 1.0, otherwise "mm/dd hh:nn".
QString FormatDayTime(double value);
