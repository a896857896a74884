#include "fixtures.h"

#include <cstring>
#include <stdexcept>

namespace fx
{

namespace
{
void putLE(QByteArray &rec, int offset, uint64_t v, int width)
{
    for (int i = 0; i < width; ++i)
        rec[offset + i] = char((v >> (8 * i)) & 0xFF);
}
uint64_t getLE(const QByteArray &rec, int offset, int width)
{
    uint64_t v = 0;
    for (int i = 0; i < width; ++i)
        v |= uint64_t(uint8_t(rec[offset + i])) << (8 * i);
    return v;
}
} // namespace

void PutI16(QByteArray &rec, int offset, int16_t v)
{
    putLE(rec, offset, uint16_t(v), 2);
}
void PutI32(QByteArray &rec, int offset, int32_t v)
{
    putLE(rec, offset, uint32_t(v), 4);
}
void PutI64(QByteArray &rec, int offset, int64_t v)
{
    putLE(rec, offset, uint64_t(v), 8);
}
void PutF64(QByteArray &rec, int offset, double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    putLE(rec, offset, bits, 8);
}

void PutText(QByteArray &rec, int offset, int width, const QByteArray &cp932)
{
    if (cp932.size() > width)
        throw std::logic_error("fixture text longer than its field");
    for (int i = 0; i < width; ++i)
        rec[offset + i] = i < cp932.size() ? cp932[i] : ' ';
}

int16_t GetI16(const QByteArray &rec, int offset)
{
    return int16_t(getLE(rec, offset, 2));
}
int32_t GetI32(const QByteArray &rec, int offset)
{
    return int32_t(getLE(rec, offset, 4));
}
double GetF64(const QByteArray &rec, int offset)
{
    const uint64_t bits = getLE(rec, offset, 8);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

// Offsets below are written out from the layout tables on purpose (not taken from the
// program's headers).

QByteArray Customer::bytes() const
{
    QByteArray r(276, '\0');
    PutI32(r, 0, CustomerId);
    PutText(r, 4, 14, Tel);
    PutText(r, 18, 30, NameKana);
    PutText(r, 48, 8, Zip);
    PutText(r, 56, 50, City);
    PutText(r, 106, 46, Banchi);
    PutI32(r, 152, Points);
    PutText(r, 156, 40, Building);
    PutF64(r, 196, FirstUseDate);
    PutF64(r, 204, LastUseDate);
    PutI16(r, 212, UseCount);
    PutI16(r, 214, Motive);
    PutF64(r, 216, LastEditDate);
    PutText(r, 224, 50, Remarks);
    PutI16(r, 274, DmFlag);
    return r;
}

QByteArray Sale::bytes() const
{
    QByteArray r(1628, '\0');
    PutText(r, 0, 8, OrderDate);
    PutI16(r, 8, OrderNo);
    PutI32(r, 10, CustomerId);
    PutF64(r, 14, OrderTime);
    PutText(r, 22, 20, OrderStaff);
    // 21 slots each; slot 0 is never used, lines start at slot 1. Unused slots are blank text
    // and zero numbers, as a record written by the program holds them.
    for (int slot = 0; slot <= 20; ++slot) {
        const Line *line = (slot >= 1 && slot <= int(Lines.size())) ? &Lines[size_t(slot - 1)] : nullptr;
        PutText(r, 42 + slot * 30, 30, line ? line->Name : QByteArray());
        PutI16(r, 672 + slot * 2, line ? line->Qty : 0);
        PutI64(r, 714 + slot * 8, line ? line->Yen * 10000 : 0);
        PutText(r, 882 + slot * 30, 30, line ? line->Option : QByteArray());
    }
    PutText(r, 1512, 36, DeliverTo);
    PutI32(r, 1548, PointDiscount);
    PutI16(r, 1552, ServiceDiscount);
    PutF64(r, 1554, DesignatedTime);
    PutF64(r, 1562, DepartTime);
    PutText(r, 1570, 20, DeliveryStaff);
    PutF64(r, 1590, DoneTime);
    PutF64(r, 1598, CollectTime);
    PutText(r, 1606, 20, CollectStaff);
    PutI16(r, 1626, Status);
    return r;
}

QByteArray PhoneBook::bytes() const
{
    QByteArray r(98, '\0');
    PutText(r, 0, 11, Tel);
    PutText(r, 11, 30, Name);
    PutText(r, 41, 7, Zip);
    PutText(r, 48, 50, Address);
    return r;
}

QByteArray RecordAt(const QByteArray &file, int length, int recordNo)
{
    return file.mid(qsizetype(recordNo - 1) * length, length);
}

} // namespace fx
