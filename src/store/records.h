#pragma once
// The three fixed-length records of the data folder, byte for byte:
// "Customer.snw" 276 bytes, "Sales.snw" 1628 bytes, "Tel.snw" 98 bytes.
// Integers little-endian, text CP932 blank-padded (read back trimmed), dates OLE doubles,
// money an int64 holding yen x 10000.
#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

constexpr int kCustomerRecordLength = 276;
constexpr int kSalesRecordLength = 1628;
constexpr int kPhoneBookRecordLength = 98;
constexpr int kMaxOrderLines = 20;       // slots 1..20 hold lines, slot 0 is never used
constexpr qint64 kCurrencyScale = 10000; // currency values are yen x 10000

inline qint64 YenToCurrency(qint64 yen)
{
    return yen * kCurrencyScale;
}
inline qint64 CurrencyToYen(qint64 currency)
{
    return currency / kCurrencyScale;
}

struct CustomerRecord {
    qint32 CustomerId = 0;
    QString Tel;
    QString NameKana;
    QString Zip;
    QString City;
    QString Banchi;
    qint32 Points = 0;
    QString Building;
    double FirstUseDate = 0;
    double LastUseDate = 0;
    qint16 UseCount = 0;
    qint16 Motive = 0;
    double LastEditDate = 0;
    QString Remarks;
    qint16 DmFlag = 0;

    QByteArray toBytes() const;
    void toBytes(char *out) const;
    static CustomerRecord fromBytes(const char *in);
};

struct SalesRecord {
    QString OrderDate; // "yyyymmdd"
    qint16 OrderNo = 0;
    qint32 CustomerId = 0;
    double OrderTime = 0;
    QString OrderStaff;
    std::array<QString, kMaxOrderLines + 1> ItemName;
    std::array<qint16, kMaxOrderLines + 1> ItemQty{};
    std::array<qint64, kMaxOrderLines + 1> ItemPrice{}; // currency (yen x 10000)
    std::array<QString, kMaxOrderLines + 1> ItemOption;
    QString DeliverTo;
    qint32 PointDiscount = 0;
    qint16 ServiceDiscount = 0;
    double DesignatedTime = 0;
    double DepartTime = 0;
    QString DeliveryStaff;
    double DoneTime = 0;
    double CollectTime = 0;
    QString CollectStaff;
    qint16 Status = 0;

    // The order key: OrderDate followed directly by OrderNo in decimal.
    QString OrderKey() const { return OrderDate + QString::number(OrderNo); }
    // Number of order lines: slots from 1 up to the first empty ItemName.
    int LineCount() const;

    QByteArray toBytes() const;
    void toBytes(char *out) const;
    static SalesRecord fromBytes(const char *in);
};

struct PhoneBookRecord {
    QString Tel;
    QString Name;
    QString Zip;
    QString Address;

    QByteArray toBytes() const;
    void toBytes(char *out) const;
    static PhoneBookRecord fromBytes(const char *in);
};

// Little-endian field access at a byte offset, shared by records and the fast index scan.
namespace RecordBytes
{
qint16 GetInt16(const char *p);
qint32 GetInt32(const char *p);
qint64 GetInt64(const char *p);
double GetDouble(const char *p);
void PutInt16(char *p, qint16 v);
void PutInt32(char *p, qint32 v);
void PutInt64(char *p, qint64 v);
void PutDouble(char *p, double v);
} // namespace RecordBytes

// Field offsets used outside the record codec (index build, compaction).
namespace CustomerOffsets
{
constexpr int CustomerId = 0, Tel = 4, NameKana = 18, Zip = 48, City = 56, Banchi = 106, Points = 152, Building = 156,
              FirstUseDate = 196, LastUseDate = 204, UseCount = 212, Motive = 214, LastEditDate = 216, Remarks = 224,
              DmFlag = 274;
}
namespace SalesOffsets
{
constexpr int OrderDate = 0, OrderNo = 8, CustomerId = 10, OrderTime = 14, OrderStaff = 22, ItemName = 42,
              ItemQty = 672, ItemPrice = 714, ItemOption = 882, DeliverTo = 1512, PointDiscount = 1548,
              ServiceDiscount = 1552, DesignatedTime = 1554, DepartTime = 1562, DeliveryStaff = 1570, DoneTime = 1590,
              CollectTime = 1598, CollectStaff = 1606, Status = 1626;
}
namespace PhoneBookOffsets
{
constexpr int Tel = 0, Name = 11, Zip = 41, Address = 48;
}
