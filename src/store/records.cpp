#include "store/records.h"

#include "store/cp932.h"

#include <QtEndian>

#include <cstring>

namespace RecordBytes
{
qint16 GetInt16(const char *p)
{
    return qFromLittleEndian<qint16>(p);
}
qint32 GetInt32(const char *p)
{
    return qFromLittleEndian<qint32>(p);
}
qint64 GetInt64(const char *p)
{
    return qFromLittleEndian<qint64>(p);
}
double GetDouble(const char *p)
{
    quint64 bits = qFromLittleEndian<quint64>(p);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}
void PutInt16(char *p, qint16 v)
{
    qToLittleEndian<qint16>(v, p);
}
void PutInt32(char *p, qint32 v)
{
    qToLittleEndian<qint32>(v, p);
}
void PutInt64(char *p, qint64 v)
{
    qToLittleEndian<qint64>(v, p);
}
void PutDouble(char *p, double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof v);
    qToLittleEndian<quint64>(bits, p);
}
} // namespace RecordBytes

using namespace RecordBytes;

// ---- CustomerRecord

void CustomerRecord::toBytes(char *out) const
{
    namespace O = CustomerOffsets;
    PutInt32(out + O::CustomerId, CustomerId);
    PutCp932Field(out + O::Tel, Tel, 14);
    PutCp932Field(out + O::NameKana, NameKana, 30);
    PutCp932Field(out + O::Zip, Zip, 8);
    PutCp932Field(out + O::City, City, 50);
    PutCp932Field(out + O::Banchi, Banchi, 46);
    PutInt32(out + O::Points, Points);
    PutCp932Field(out + O::Building, Building, 40);
    PutDouble(out + O::FirstUseDate, FirstUseDate);
    PutDouble(out + O::LastUseDate, LastUseDate);
    PutInt16(out + O::UseCount, UseCount);
    PutInt16(out + O::Motive, Motive);
    PutDouble(out + O::LastEditDate, LastEditDate);
    PutCp932Field(out + O::Remarks, Remarks, 50);
    PutInt16(out + O::DmFlag, DmFlag);
}

QByteArray CustomerRecord::toBytes() const
{
    QByteArray bytes(kCustomerRecordLength, '\0');
    toBytes(bytes.data());
    return bytes;
}

CustomerRecord CustomerRecord::fromBytes(const char *in)
{
    namespace O = CustomerOffsets;
    CustomerRecord r;
    r.CustomerId = GetInt32(in + O::CustomerId);
    r.Tel = GetCp932Field(in + O::Tel, 14);
    r.NameKana = GetCp932Field(in + O::NameKana, 30);
    r.Zip = GetCp932Field(in + O::Zip, 8);
    r.City = GetCp932Field(in + O::City, 50);
    r.Banchi = GetCp932Field(in + O::Banchi, 46);
    r.Points = GetInt32(in + O::Points);
    r.Building = GetCp932Field(in + O::Building, 40);
    r.FirstUseDate = GetDouble(in + O::FirstUseDate);
    r.LastUseDate = GetDouble(in + O::LastUseDate);
    r.UseCount = GetInt16(in + O::UseCount);
    r.Motive = GetInt16(in + O::Motive);
    r.LastEditDate = GetDouble(in + O::LastEditDate);
    r.Remarks = GetCp932Field(in + O::Remarks, 50);
    r.DmFlag = GetInt16(in + O::DmFlag);
    return r;
}

// ---- SalesRecord

int SalesRecord::LineCount() const
{
    int n = 0;
    while (n < kMaxOrderLines && !ItemName[n + 1].isEmpty())
        ++n;
    return n;
}

void SalesRecord::toBytes(char *out) const
{
    namespace O = SalesOffsets;
    PutCp932Field(out + O::OrderDate, OrderDate, 8);
    PutInt16(out + O::OrderNo, OrderNo);
    PutInt32(out + O::CustomerId, CustomerId);
    PutDouble(out + O::OrderTime, OrderTime);
    PutCp932Field(out + O::OrderStaff, OrderStaff, 20);
    for (int i = 0; i <= kMaxOrderLines; ++i) {
        PutCp932Field(out + O::ItemName + i * 30, ItemName[i], 30);
        PutInt16(out + O::ItemQty + i * 2, ItemQty[i]);
        PutInt64(out + O::ItemPrice + i * 8, ItemPrice[i]);
        PutCp932Field(out + O::ItemOption + i * 30, ItemOption[i], 30);
    }
    PutCp932Field(out + O::DeliverTo, DeliverTo, 36);
    PutInt32(out + O::PointDiscount, PointDiscount);
    PutInt16(out + O::ServiceDiscount, ServiceDiscount);
    PutDouble(out + O::DesignatedTime, DesignatedTime);
    PutDouble(out + O::DepartTime, DepartTime);
    PutCp932Field(out + O::DeliveryStaff, DeliveryStaff, 20);
    PutDouble(out + O::DoneTime, DoneTime);
    PutDouble(out + O::CollectTime, CollectTime);
    PutCp932Field(out + O::CollectStaff, CollectStaff, 20);
    PutInt16(out + O::Status, Status);
}

QByteArray SalesRecord::toBytes() const
{
    QByteArray bytes(kSalesRecordLength, '\0');
    toBytes(bytes.data());
    return bytes;
}

SalesRecord SalesRecord::fromBytes(const char *in)
{
    namespace O = SalesOffsets;
    SalesRecord r;
    r.OrderDate = GetCp932Field(in + O::OrderDate, 8);
    r.OrderNo = GetInt16(in + O::OrderNo);
    r.CustomerId = GetInt32(in + O::CustomerId);
    r.OrderTime = GetDouble(in + O::OrderTime);
    r.OrderStaff = GetCp932Field(in + O::OrderStaff, 20);
    for (int i = 0; i <= kMaxOrderLines; ++i) {
        r.ItemName[i] = GetCp932Field(in + O::ItemName + i * 30, 30);
        r.ItemQty[i] = GetInt16(in + O::ItemQty + i * 2);
        r.ItemPrice[i] = GetInt64(in + O::ItemPrice + i * 8);
        r.ItemOption[i] = GetCp932Field(in + O::ItemOption + i * 30, 30);
    }
    r.DeliverTo = GetCp932Field(in + O::DeliverTo, 36);
    r.PointDiscount = GetInt32(in + O::PointDiscount);
    r.ServiceDiscount = GetInt16(in + O::ServiceDiscount);
    r.DesignatedTime = GetDouble(in + O::DesignatedTime);
    r.DepartTime = GetDouble(in + O::DepartTime);
    r.DeliveryStaff = GetCp932Field(in + O::DeliveryStaff, 20);
    r.DoneTime = GetDouble(in + O::DoneTime);
    r.CollectTime = GetDouble(in + O::CollectTime);
    r.CollectStaff = GetCp932Field(in + O::CollectStaff, 20);
    r.Status = GetInt16(in + O::Status);
    return r;
}

// ---- PhoneBookRecord

void PhoneBookRecord::toBytes(char *out) const
{
    namespace O = PhoneBookOffsets;
    PutCp932Field(out + O::Tel, Tel, 11);
    PutCp932Field(out + O::Name, Name, 30);
    PutCp932Field(out + O::Zip, Zip, 7);
    PutCp932Field(out + O::Address, Address, 50);
}

QByteArray PhoneBookRecord::toBytes() const
{
    QByteArray bytes(kPhoneBookRecordLength, '\0');
    toBytes(bytes.data());
    return bytes;
}

PhoneBookRecord PhoneBookRecord::fromBytes(const char *in)
{
    namespace O = PhoneBookOffsets;
    PhoneBookRecord r;
    r.Tel = GetCp932Field(in + O::Tel, 11);
    r.Name = GetCp932Field(in + O::Name, 30);
    r.Zip = GetCp932Field(in + O::Zip, 7);
    r.Address = GetCp932Field(in + O::Address, 50);
    return r;
}
