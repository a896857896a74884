#include "directmail/dmsnapshot.h"

#include "store/cp932.h"

#include <QFile>

namespace
{

constexpr qint64 kRecordsPerRead = 4096;

DmCustomer FromRecordBytes(const char *r)
{
    using namespace RecordBytes;
    DmCustomer c;
    c.CustomerId = GetInt32(r + CustomerOffsets::CustomerId);
    c.FirstUseDate = GetDouble(r + CustomerOffsets::FirstUseDate);
    c.LastUseDate = GetDouble(r + CustomerOffsets::LastUseDate);
    c.UseCount = GetInt16(r + CustomerOffsets::UseCount);
    c.DmFlag = GetInt16(r + CustomerOffsets::DmFlag);
    return c;
}

} // namespace

std::optional<std::vector<DmCustomer>> ReadDmSnapshot(const QString &customerFile, const ProgressFn &progress)
{
    QFile file(customerFile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 total = file.size() / kCustomerRecordLength;
    std::vector<DmCustomer> out;
    out.reserve(size_t(total));
    QByteArray block;
    for (qint64 done = 0; done < total;) {
        const qint64 count = qMin(kRecordsPerRead, total - done);
        block = file.read(count * kCustomerRecordLength);
        if (block.size() != count * kCustomerRecordLength)
            return std::nullopt;
        for (qint64 i = 0; i < count; ++i) {
            const char *r = block.constData() + i * kCustomerRecordLength;
            DmCustomer c = FromRecordBytes(r);
            if (c.CustomerId <= 0)
                continue;
            c.NameKana = GetCp932Field(r + CustomerOffsets::NameKana, CustomerOffsets::Zip - CustomerOffsets::NameKana);
            out.push_back(std::move(c));
        }
        done += count;
        if (progress)
            progress(done, total);
    }
    return out;
}
