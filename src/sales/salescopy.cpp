#include "sales/salescopy.h"

#include "store/cp932.h"

#include <QDate>
#include <QFile>
#include <QHash>

#include <cmath>
#include <cstring>
#include <limits>
#include <unordered_map>

namespace
{
constexpr int kNameWidth = 30;
constexpr qint64 kMsPerDay = 86400000;
// About 16 MB of whole records per read: few system calls, little memory.
constexpr int kRecordsPerBlock = (16 << 20) / kSalesRecordLength;

using RawName = std::array<char, kNameWidth>;

struct RawNameHash {
    size_t operator()(const RawName &n) const noexcept
    {
        size_t h = 1469598103934665603ull;
        for (char c : n)
            h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return h;
    }
};

// Item names repeat endlessly across a year of orders: each distinct byte form is decoded once.
class NameTable
{
  public:
    explicit NameTable(std::vector<QString> &names) : m_names(names) {}

    quint32 idOf(const char *field)
    {
        RawName raw;
        std::memcpy(raw.data(), field, kNameWidth);
        const auto it = m_byRaw.find(raw);
        if (it != m_byRaw.end())
            return it->second;
        const QString name = GetCp932Field(field, kNameWidth);
        // Blank and NUL padding of the same name are the same item.
        quint32 id = m_byName.value(name, quint32(m_names.size()));
        if (id == m_names.size()) {
            m_names.push_back(name);
            m_byName.insert(name, id);
        }
        m_byRaw.emplace(raw, id);
        return id;
    }

  private:
    std::vector<QString> &m_names;
    std::unordered_map<RawName, quint32, RawNameHash> m_byRaw;
    QHash<QString, quint32> m_byName;
};

void addRecord(const char *rec, SalesCopy &copy, NameTable &names)
{
    using namespace RecordBytes;
    ChartSale s;
    std::memcpy(s.OrderDate.data(), rec + SalesOffsets::OrderDate, 8);
    s.CustomerId = GetInt32(rec + SalesOffsets::CustomerId);
    const ChartMoment done = ChartMomentOf(GetDouble(rec + SalesOffsets::DoneTime));
    if (done.valid) {
        s.DoneKey = done.hour * 10000 + done.minute * 100 + done.second;
        // Midnight is what an unset time (1.0) formats to: such orders never match a time range.
        if (s.DoneKey == 0)
            s.DoneKey = 350000;
    }
    const ChartMoment taken = ChartMomentOf(GetDouble(rec + SalesOffsets::OrderTime));
    if (taken.valid) {
        s.OrderDay = qint8(taken.day);
        s.OrderWeekday = qint8(taken.weekday);
        s.OrderHour = qint8(taken.hour);
    }
    s.FirstLine = quint32(copy.Lines.size());
    for (int i = 1; i <= kMaxOrderLines; ++i) {
        const qint16 qty = GetInt16(rec + SalesOffsets::ItemQty + 2 * i);
        if (qty < 1)
            break;
        const qint64 price = GetInt64(rec + SalesOffsets::ItemPrice + 8 * i) / kCurrencyScale;
        qint64 amount = 0;
        if (__builtin_mul_overflow(price, qint64(qty), &amount))
            amount = price < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
        copy.Lines.push_back({names.idOf(rec + SalesOffsets::ItemName + kNameWidth * i), qty, amount});
        s.Amount = ChartAdd(s.Amount, amount);
        ++s.LineCount;
    }
    copy.Sales.push_back(s);
}
} // namespace

int ChartSale::Month() const
{
    const char a = OrderDate[4], b = OrderDate[5];
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return 0;
    const int m = (a - '0') * 10 + (b - '0');
    return m >= 1 && m <= 12 ? m : 0;
}

qint64 ChartAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return sum;
}

ChartMoment ChartMomentOf(double value)
{
    ChartMoment m;
    // The range the date codec accepts; anything else is not a date.
    if (!std::isfinite(value) || value < -657434.0 || value > 2958465.99999)
        return m;
    double whole = std::trunc(value);
    qint64 ms = std::llround(std::fabs(value - whole) * double(kMsPerDay));
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        whole += 1;
    }
    static const qint64 epochJd = QDate(1899, 12, 30).toJulianDay();
    const QDate day = QDate::fromJulianDay(epochJd + qint64(whole));
    m.valid = true;
    m.day = day.day();
    m.weekday = day.dayOfWeek() % 7;
    const int seconds = int(ms / 1000);
    m.hour = seconds / 3600;
    m.minute = seconds / 60 % 60;
    m.second = seconds % 60;
    return m;
}

SalesCopy LoadSalesCopy(const QString &path, const ProgressFn &progress, bool *ok)
{
    SalesCopy copy;
    if (ok)
        *ok = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return copy;
    const qint64 total = file.size() / kSalesRecordLength;
    copy.Sales.reserve(size_t(total));
    copy.Lines.reserve(size_t(total) * 3);
    NameTable names(copy.Names);
    std::vector<char> block(size_t(kRecordsPerBlock) * kSalesRecordLength);
    for (qint64 done = 0; done < total;) {
        const qint64 want = std::min<qint64>(kRecordsPerBlock, total - done);
        const qint64 got = file.read(block.data(), want * kSalesRecordLength);
        if (got != want * kSalesRecordLength)
            return copy;
        for (qint64 i = 0; i < want; ++i) {
            const char *rec = block.data() + i * kSalesRecordLength;
            if (RecordBytes::GetInt16(rec + SalesOffsets::Status) >= 0 &&
                RecordBytes::GetInt16(rec + SalesOffsets::OrderNo) != 0)
                addRecord(rec, copy, names);
        }
        done += want;
        if (progress)
            progress(qint64(copy.Sales.size()), total);
    }
    if (progress)
        progress(0, total);
    copy.Sales.shrink_to_fit();
    if (ok)
        *ok = true;
    return copy;
}
