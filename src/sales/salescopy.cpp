#include "sales/salescopy.h"

#include "store/cp932.h"

#include <QDate>
#include <QFile>
#include <QHash>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <limits>
#include <unordered_map>

namespace
{
constexpr int kNameWidth = 30;
constexpr qint64 kMsPerDay = 86400000;
// About 16 MB of whole records at a time.
constexpr int kRecordsPerMap = (16 << 20) / kSalesRecordLength;
constexpr qint64 kPrefetchAhead = 6;

// The files are little-endian, as is every machine the program runs on; a plain load each.
template <typename T> T field(const char *p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return qFromLittleEndian(v);
}

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
        // Most lines repeat a name met a moment ago: a small table of recent names answers them
        // without hashing all thirty bytes into the full table.
        quint64 head, mid;
        std::memcpy(&head, field, 8);
        std::memcpy(&mid, field + 8, 8);
        Recent &recent = m_recent[((head ^ (mid * 0x9E3779B97F4A7C15ull)) * 0x9E3779B97F4A7C15ull) >> 52];
        if (recent.used && std::memcmp(recent.raw.data(), field, kNameWidth) == 0)
            return recent.id;
        const quint32 id = lookUp(field);
        recent = {{}, id, true};
        std::memcpy(recent.raw.data(), field, kNameWidth);
        return id;
    }

  private:
    struct Recent {
        RawName raw;
        quint32 id = 0;
        bool used = false;
    };

    quint32 lookUp(const char *field)
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

    std::vector<QString> &m_names;
    std::vector<Recent> m_recent = std::vector<Recent>(4096);
    std::unordered_map<RawName, quint32, RawNameHash> m_byRaw;
    QHash<QString, quint32> m_byName;
};

// Orders come day by day: the calendar day of the previous order is usually that of the next.
struct DayCache {
    qint64 whole = std::numeric_limits<qint64>::min();
    int day = 0;
};

void addRecord(const char *rec, SalesCopy &copy, NameTable &names, DayCache &days)
{
    ChartSale s;
    std::memcpy(s.OrderDate.data(), rec + SalesOffsets::OrderDate, 8);
    s.CustomerId = field<qint32>(rec + SalesOffsets::CustomerId);
    const ChartMoment done = ChartMomentOf(field<double>(rec + SalesOffsets::DoneTime));
    if (done.valid) {
        s.DoneKey = done.hour * 10000 + done.minute * 100 + done.second;
        // Midnight is what an unset time (1.0) formats to: such orders never match a time range.
        if (s.DoneKey == 0)
            s.DoneKey = 350000;
    }
    const ChartMoment taken = ChartMomentOf(field<double>(rec + SalesOffsets::OrderTime), &days.whole, &days.day);
    if (taken.valid) {
        s.OrderDay = qint8(taken.day);
        s.OrderWeekday = qint8(taken.weekday);
        s.OrderHour = qint8(taken.hour);
    }
    s.FirstLine = quint32(copy.Lines.size());
    for (int i = 1; i <= kMaxOrderLines; ++i) {
        const qint16 qty = field<qint16>(rec + SalesOffsets::ItemQty + 2 * i);
        if (qty < 1)
            break;
        const qint64 price = field<qint64>(rec + SalesOffsets::ItemPrice + 8 * i) / kCurrencyScale;
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

ChartMoment ChartMomentOf(double value, qint64 *cachedWhole, int *cachedDay)
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
    const qint64 jd = epochJd + qint64(whole);
    m.valid = true;
    if (cachedWhole && *cachedWhole == qint64(whole)) {
        m.day = *cachedDay;
    } else {
        m.day = QDate::fromJulianDay(jd).day();
        if (cachedWhole) {
            *cachedWhole = qint64(whole);
            *cachedDay = m.day;
        }
    }
    m.weekday = int((jd + 1) % 7); // Julian day 0 was a Monday
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
    DayCache days;
    std::vector<char> block;
    const qint64 step = std::max<qint64>(kRecordsPerMap, total / 100);
    for (qint64 done = 0; done < total;) {
        const qint64 want = std::min<qint64>(kRecordsPerMap, total - done);
        const qint64 bytes = want * kSalesRecordLength;
        // Mapped, the charts read only the few fields they need out of the file cache instead of
        // copying every byte first; reading in cache-sized blocks is the fallback.
        const char *records = reinterpret_cast<const char *>(file.map(done * kSalesRecordLength, bytes));
        if (!records) {
            block.resize(size_t(bytes));
            if (!file.seek(done * kSalesRecordLength) || file.read(block.data(), bytes) != bytes)
                return copy;
            records = block.data();
        }
        for (qint64 i = 0; i < want; ++i) {
            const char *rec = records + i * kSalesRecordLength;
            // The fields a record needs lie apart; asking for those of a record a few ahead keeps
            // the processor from waiting on each in turn.
            if (i + kPrefetchAhead < want) {
                const char *ahead = rec + kPrefetchAhead * kSalesRecordLength;
                __builtin_prefetch(ahead + SalesOffsets::OrderDate);
                __builtin_prefetch(ahead + SalesOffsets::ItemName + kNameWidth);
                __builtin_prefetch(ahead + SalesOffsets::ItemQty);
                __builtin_prefetch(ahead + SalesOffsets::ItemPrice + 8);
                __builtin_prefetch(ahead + SalesOffsets::ItemPrice + 72);
                __builtin_prefetch(ahead + SalesOffsets::DoneTime);
                __builtin_prefetch(ahead + SalesOffsets::Status);
            }
            if (field<qint16>(rec + SalesOffsets::Status) >= 0 && field<qint16>(rec + SalesOffsets::OrderNo) != 0)
                addRecord(rec, copy, names, days);
        }
        if (records != block.data())
            file.unmap(reinterpret_cast<uchar *>(const_cast<char *>(records)));
        done += want;
        // The bar moves in steps of about one percent; more would cost more than it shows.
        if (progress && (done == total || done / step != (done - want) / step))
            progress(qint64(copy.Sales.size()), total);
    }
    if (progress)
        progress(0, total);
    if (ok)
        *ok = true;
    return copy;
}
