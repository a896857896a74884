#include "store/sampledata.h"

#include "platform/clock.h"
#include "store/cp932.h"
#include "store/oledate.h"
#include "store/records.h"
#include "store/recordstore.h"
#include "store/samplecatalog.h"
#include "store/samplerandom.h"
#include "store/textfile.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

using namespace RecordBytes;
namespace C = SampleCatalog;

namespace {

constexpr int kSecondsPerDay = 86400;
// Records are collected and written in chunks of about this size.
constexpr int kChunkBytes = 8 << 20;

// Separate random streams, so that for example more orders do not change the customers.
constexpr quint64 kCustomerStream = 0x43555354ull;
constexpr quint64 kOrderStream = 0x4f524445ull;
constexpr quint64 kDayStream = 0x44415953ull;

void putBytes(char *field, const QByteArray &bytes, int width)
{
    std::memcpy(field, bytes.constData(), size_t(std::min<qsizetype>(bytes.size(), width)));
}

// ---- Days and times

struct DayPlan {
    QDate date;
    QByteArray key; // "yyyymmdd"
    double base = 0; // OLE date of midnight
    int orders = 0;
};

// Weekends are busier; each day also varies a little. Largest-remainder rounding keeps the
// total exact, and no day gets more orders than its order numbers can count.
std::vector<DayPlan> planDays(const SampleDataOptions &o, const QDate &today)
{
    SampleRandom rng(o.seed ^ kDayStream);
    std::vector<DayPlan> days(size_t(o.days));
    std::vector<double> weight(size_t(o.days));
    double total = 0;
    for (int d = 0; d < o.days; ++d) {
        DayPlan &day = days[size_t(d)];
        day.date = today.addDays(d - (o.days - 1));
        day.key = day.date.toString(QStringLiteral("yyyyMMdd")).toLatin1();
        day.base = ToOleDate(day.date);
        weight[size_t(d)] = (day.date.dayOfWeek() >= 5 ? 1.3 : 1.0) * (0.85 + 0.3 * rng.unit());
        total += weight[size_t(d)];
    }
    std::vector<std::pair<double, int>> remainders;
    qint64 assigned = 0;
    for (int d = 0; d < o.days; ++d) {
        const double exact = double(o.orders) * weight[size_t(d)] / total;
        const int whole = std::min(int(exact), kSampleMaxOrdersPerDay);
        days[size_t(d)].orders = whole;
        assigned += whole;
        remainders.push_back({exact - whole, d});
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    qint64 left = o.orders - assigned;
    while (left > 0) {
        for (const auto &r : remainders) {
            if (left == 0)
                break;
            if (days[size_t(r.second)].orders < kSampleMaxOrdersPerDay) {
                ++days[size_t(r.second)].orders;
                --left;
            }
        }
    }
    return days;
}

// Seconds after midnight of a day's orders, in order: a lunch peak, a dinner peak and a few
// orders in between, all within the delivery hours 11:00 to 22:00.
std::vector<int> orderSeconds(int count, SampleRandom &rng)
{
    std::vector<int> seconds(static_cast<size_t>(count));
    for (int &s : seconds) {
        const double r = rng.unit();
        double hour;
        if (r < 0.42)
            hour = 12.25 + 0.6 * rng.normal();
        else if (r < 0.88)
            hour = 19.0 + 0.9 * rng.normal();
        else
            hour = 11.0 + 11.0 * rng.unit();
        s = std::clamp(int(hour * 3600), 11 * 3600, 22 * 3600 - 1);
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds;
}

// ---- Customers

struct CustomerSeed {
    QByteArray tel;
    qint16 surname = 0;
    qint16 given = -1;
    qint16 town = 0;
    qint16 building = -1;
    qint16 room = 0;
    quint8 chome = 1, ban = 1, go = 1;
    qint8 remark = -1;
    qint8 motive = -1;
    qint8 dmFlag = 0;
};

struct CustomerUse {
    double first = 0;
    double last = 0;
    int lastDay = -1;
    qint32 points = 0;
    int completed = 0;
};

std::vector<CustomerSeed> makeCustomers(int count, SampleRandom &rng)
{
    // Phone numbers end in seven digits that an affine map over 10^7 makes unique per customer.
    constexpr quint64 kSpace = 10'000'000;
    quint64 a = (rng.next() % kSpace) | 1;
    if (a % 5 == 0)
        a += 2;
    const quint64 b = rng.next() % kSpace;
    static const char *landline[] = {"033", "035", "036"};
    static const char *mobile[] = {"090", "080", "070"};

    std::vector<CustomerSeed> out(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        CustomerSeed &s = out[size_t(i)];
        const QByteArray code = QByteArray::number((a * quint64(i) + b) % kSpace).rightJustified(7, '0');
        if (rng.chance(0.7))
            s.tel = QByteArray(landline[rng.below(3)]) + code;
        else
            s.tel = QByteArray(mobile[rng.below(3)]) + QByteArray::number(rng.between(1, 9)) + code;
        s.surname = qint16(rng.below(int(C::Surnames().size())));
        if (rng.chance(0.9))
            s.given = qint16(rng.below(int(C::GivenNames().size())));
        if (rng.chance(0.3)) {
            const int index = rng.below(int(C::Buildings().size()));
            const C::Building &bld = C::Buildings()[size_t(index)];
            s.building = qint16(index);
            s.room = qint16(rng.between(1, bld.floors) * 100 + rng.between(1, 8));
            s.town = qint16(bld.town);
            s.chome = quint8(bld.chome);
            s.ban = quint8(bld.ban);
            s.go = quint8(bld.go);
        } else {
            s.town = qint16(rng.below(int(C::Towns().size())));
            s.chome = quint8(rng.between(1, C::Towns()[size_t(s.town)].maxChome));
            s.ban = quint8(rng.between(1, 30));
            s.go = quint8(rng.between(1, 20));
        }
        if (rng.chance(0.08))
            s.remark = qint8(rng.below(int(C::Remarks().size())));
        s.motive = qint8(rng.chance(0.2) ? -1 : rng.below(7));
        s.dmFlag = qint8(rng.chance(0.1) ? 1 : 0);
    }
    return out;
}

// ---- Pre-encoded field texts, so that a record is assembled by copying bytes

struct EncodedCatalog {
    std::vector<QByteArray> menuName;
    std::vector<int> menuPrice;
    std::vector<std::vector<int>> menuOptions; // options that suit each item
    std::vector<int> menuCumulative;           // weights of the orderable items
    std::vector<int> menuOrderable;            // their indexes into MenuItems()
    std::vector<QByteArray> option;
    std::vector<QByteArray> staff;
    std::vector<QByteArray> place;
    QByteArray none; // "（なし）"
    QByteArray fee;  // "配達料"
    std::vector<QByteArray> surname, given, city, building, remark;

    EncodedCatalog()
    {
        const auto &items = C::MenuItems();
        int cumulative = 0;
        for (size_t i = 0; i < items.size(); ++i) {
            const C::MenuItem &m = items[i];
            menuName.push_back(ToCp932(QString::fromUtf8(m.name)));
            menuPrice.push_back(m.price);
            std::vector<int> fits;
            for (size_t k = 0; k < C::Options().size(); ++k) {
                if (C::Options()[k].set & m.optionSet)
                    fits.push_back(int(k));
            }
            menuOptions.push_back(fits);
            if (m.name[0] != '\0' && m.weight > 0) {
                cumulative += m.weight;
                menuCumulative.push_back(cumulative);
                menuOrderable.push_back(int(i));
            }
        }
        for (const C::Option &o : C::Options())
            option.push_back(ToCp932(QString::fromUtf8(o.text)));
        for (const QString &s : C::Staff())
            staff.push_back(ToCp932(s));
        for (const QString &s : C::DeliveryPlaces())
            place.push_back(ToCp932(s));
        none = ToCp932(QStringLiteral("（なし）"));
        fee = ToCp932(QStringLiteral("配達料"));
        for (const QString &s : C::Surnames())
            surname.push_back(ToCp932(s));
        for (const QString &s : C::GivenNames())
            given.push_back(ToCp932(s));
        for (const C::Town &t : C::Towns())
            city.push_back(ToCp932(QString::fromUtf8(t.city)));
        for (const C::Building &b : C::Buildings())
            building.push_back(ToCp932(QString::fromUtf8(b.name)));
        for (const QString &s : C::Remarks())
            remark.push_back(ToCp932(s));
    }
};

// ---- Writing in chunks

class ChunkWriter {
public:
    ChunkWriter(const QString &path, int recordLength, const QByteArray &blank)
        : m_file(path), m_length(recordLength), m_blank(blank)
    {
        m_file.setDirectWriteFallback(false);
        m_ok = m_file.open(QIODevice::WriteOnly);
        m_chunk.reserve(kChunkBytes + recordLength);
    }
    // A new record, initialised to the blank record.
    char *append()
    {
        if (m_chunk.size() + m_length > kChunkBytes)
            flush();
        m_chunk.append(m_blank);
        return m_chunk.data() + m_chunk.size() - m_length;
    }
    bool commit(QString *error)
    {
        flush();
        if (m_ok && m_file.commit())
            return true;
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(m_file.fileName(), m_file.errorString());
        m_file.cancelWriting();
        return false;
    }

private:
    void flush()
    {
        m_ok = m_ok && m_file.write(m_chunk) == m_chunk.size();
        m_chunk.clear();
    }
    QSaveFile m_file;
    int m_length;
    QByteArray m_blank;
    QByteArray m_chunk;
    bool m_ok = false;
};

// ---- Orders

struct OrderContext {
    const SampleDataOptions &options;
    const std::vector<DayPlan> &days;
    const EncodedCatalog &cat;
    std::vector<CustomerUse> &use;
    SampleDataSummary &summary;
};

int lineCount(SampleRandom &rng)
{
    static const std::vector<int> cumulative = {30, 60, 78, 90, 96, 100}; // 1 to 6 lines
    return rng.weighted(cumulative) + 1;
}

int quantity(SampleRandom &rng)
{
    static const std::vector<int> cumulative = {75, 93, 98, 99, 100}; // 1 to 5
    return rng.weighted(cumulative) + 1;
}

// The most recent orders are still on their way; every status appears whenever there are
// at least five orders. A few older orders were cancelled.
int statusOf(int fromEnd, int openCount, SampleRandom &rng)
{
    if (fromEnd < openCount) {
        switch (fromEnd) {
        case 0: return 1;
        case 1: return 2;
        case 2: return 3;
        case 3: return -1;
        default: return rng.between(1, 3);
        }
    }
    return rng.chance(0.02) ? -1 : 0;
}

bool writeOrders(const QString &path, OrderContext &ctx, QString *error)
{
    namespace O = SalesOffsets;
    SampleRandom rng(ctx.options.seed ^ kOrderStream);
    const EncodedCatalog &cat = ctx.cat;
    ChunkWriter out(path, kSalesRecordLength, SalesRecord().toBytes());
    const int total = ctx.options.orders;
    const int customers = ctx.options.customers;
    const int openCount = std::clamp(total / 100, 4, 30);
    int sequence = 0;

    for (size_t d = 0; d < ctx.days.size(); ++d) {
        const DayPlan &day = ctx.days[d];
        const std::vector<int> seconds = orderSeconds(day.orders, rng);
        for (int k = 0; k < day.orders; ++k, ++sequence) {
            char *rec = out.append();
            const int status = statusOf(total - 1 - sequence, openCount, rng);
            // Regular customers (the low numbers) order far more often than the rest.
            const double u = rng.unit();
            const int customer = std::min(customers - 1, int(customers * u * u));
            const int orderSec = seconds[size_t(k)];
            const double orderTime = day.base + double(orderSec) / kSecondsPerDay;

            std::memcpy(rec + O::OrderDate, day.key.constData(), 8);
            PutInt16(rec + O::OrderNo, qint16(k + 1));
            PutInt32(rec + O::CustomerId, customer + 1);
            PutDouble(rec + O::OrderTime, orderTime);
            putBytes(rec + O::OrderStaff, cat.staff[size_t(rng.below(int(cat.staff.size())))], 20);

            // Lines: distinct menu items, sometimes the delivery fee as the last line.
            qint64 subtotal = 0;
            const int lines = lineCount(rng);
            int picked[6];
            int slot = 0;
            for (int attempt = 0; slot < lines && attempt < 40; ++attempt) {
                const int item = cat.menuOrderable[size_t(rng.weighted(cat.menuCumulative))];
                if (std::find(picked, picked + slot, item) != picked + slot)
                    continue;
                picked[slot++] = item;
                const int qty = quantity(rng);
                const auto &fits = cat.menuOptions[size_t(item)];
                const QByteArray &opt = (!fits.empty() && rng.chance(0.15))
                                            ? cat.option[size_t(fits[size_t(rng.below(int(fits.size())))])]
                                            : cat.none;
                putBytes(rec + O::ItemName + slot * 30, cat.menuName[size_t(item)], 30);
                PutInt16(rec + O::ItemQty + slot * 2, qint16(qty));
                PutInt64(rec + O::ItemPrice + slot * 8, YenToCurrency(cat.menuPrice[size_t(item)]));
                putBytes(rec + O::ItemOption + slot * 30, opt, 30);
                subtotal += qint64(qty) * cat.menuPrice[size_t(item)];
            }
            if (rng.chance(0.1)) {
                ++slot;
                putBytes(rec + O::ItemName + slot * 30, cat.fee, 30);
                PutInt16(rec + O::ItemQty + slot * 2, 1);
                PutInt64(rec + O::ItemPrice + slot * 8, YenToCurrency(C::kDeliveryFee));
                putBytes(rec + O::ItemOption + slot * 30, cat.none, 30);
                subtotal += C::kDeliveryFee;
            }

            putBytes(rec + O::DeliverTo,
                     rng.chance(0.07) ? cat.place[size_t(rng.below(int(cat.place.size())))] : cat.none, 36);

            // Points: lapse after the valid months, spend them when enough are held, earn on
            // what is paid. Cancelled orders gave back whatever they moved, so they are skipped.
            CustomerUse &use = ctx.use[size_t(customer)];
            qint64 pointYen = 0;
            qint64 redeemed = 0;
            if (status >= 0) {
                if (use.lastDay >= 0 && int(d) - use.lastDay > 27 * C::kPointValidMonths &&
                    ctx.days[size_t(use.lastDay)].date.addMonths(C::kPointValidMonths) < day.date)
                    use.points = 0;
                if (use.points >= C::kPointStep && rng.chance(0.6)) {
                    const qint64 blocks = use.points / C::kPointStep;
                    redeemed = subtotal > qint64(C::kPointStepYen) * blocks
                                   ? C::kPointStep * blocks
                                   : C::kPointStep * (subtotal / C::kPointStepYen);
                    pointYen = C::kPointStepYen * (redeemed / C::kPointStep);
                }
            }
            int service = 0;
            if (rng.chance(0.04)) {
                service = C::ServiceDiscounts()[rng.below(int(C::ServiceDiscounts().size()))];
                if (subtotal + service - pointYen < 0)
                    service = 0;
            }
            PutInt32(rec + O::PointDiscount, qint32(-pointYen));
            PutInt16(rec + O::ServiceDiscount, qint16(service));
            if (status >= 0) {
                const qint64 base = subtotal + service - pointYen;
                if (base > 0)
                    use.points += qint32(C::kPointsPerUnit * (base / C::kPointYenUnit));
                use.points -= qint32(redeemed);
                if (use.first == 0)
                    use.first = orderTime;
                use.last = orderTime;
                use.lastDay = int(d);
                if (status == 0)
                    ++use.completed;
            }

            // Times follow the delivery steps the status says were taken; 1.0 = not yet.
            double designated = kUnsetTime;
            int departSec = orderSec + rng.between(10, 30) * 60;
            if (rng.chance(0.12)) {
                const int wanted = (orderSec + rng.between(30, 120) * 60 + 599) / 600 * 600;
                designated = day.base + double(wanted) / kSecondsPerDay;
                departSec = std::max(departSec, wanted - 15 * 60);
            }
            const int doneSec = departSec + rng.between(5, 20) * 60;
            const int collectSec = doneSec + rng.between(60, 240) * 60;
            const int deliverer = rng.below(int(cat.staff.size()));
            const int collector = rng.chance(0.8) ? deliverer : rng.below(int(cat.staff.size()));
            const bool departed = status == 2 || status == 3 || status == 0;
            const bool delivered = status == 3 || status == 0;
            const bool collected = status == 0;
            PutDouble(rec + O::DesignatedTime, designated);
            PutDouble(rec + O::DepartTime, departed ? day.base + double(departSec) / kSecondsPerDay : kUnsetTime);
            PutDouble(rec + O::DoneTime, delivered ? day.base + double(doneSec) / kSecondsPerDay : kUnsetTime);
            PutDouble(rec + O::CollectTime, collected ? day.base + double(collectSec) / kSecondsPerDay : kUnsetTime);
            if (departed)
                putBytes(rec + O::DeliveryStaff, cat.staff[size_t(deliverer)], 20);
            if (collected)
                putBytes(rec + O::CollectStaff, cat.staff[size_t(collector)], 20);
            PutInt16(rec + O::Status, qint16(status));
            ++ctx.summary.byStatus[size_t(status + 1)];
        }
    }
    return out.commit(error);
}

bool writeCustomers(const QString &path, const std::vector<CustomerSeed> &seeds, const std::vector<CustomerUse> &use,
                    const EncodedCatalog &cat, const QDate &firstDay, SampleRandom &rng, QString *error)
{
    namespace O = CustomerOffsets;
    ChunkWriter out(path, kCustomerRecordLength, CustomerRecord().toBytes());
    const double firstBase = ToOleDate(firstDay);
    for (size_t i = 0; i < seeds.size(); ++i) {
        const CustomerSeed &s = seeds[i];
        const CustomerUse &u = use[i];
        char *rec = out.append();
        PutInt32(rec + O::CustomerId, qint32(i + 1));
        putBytes(rec + O::Tel, s.tel, 14);
        putBytes(rec + O::NameKana, s.given >= 0 ? cat.surname[size_t(s.surname)] + cat.given[size_t(s.given)]
                                                 : cat.surname[size_t(s.surname)],
                 30);
        putBytes(rec + O::Zip, QByteArray(C::Towns()[size_t(s.town)].zip), 8);
        putBytes(rec + O::City, cat.city[size_t(s.town)], 50);
        putBytes(rec + O::Banchi, QByteArray::number(s.chome) + '-' + QByteArray::number(s.ban) + '-' +
                                      QByteArray::number(s.go), 46);
        PutInt32(rec + O::Points, u.points);
        if (s.building >= 0)
            putBytes(rec + O::Building, cat.building[size_t(s.building)] + ' ' + QByteArray::number(s.room), 40);
        PutDouble(rec + O::FirstUseDate, u.first);
        PutDouble(rec + O::LastUseDate, u.last);
        PutInt16(rec + O::UseCount, qint16(std::min(u.completed, 32767)));
        PutInt16(rec + O::Motive, s.motive);
        // Registered during the call of the first order, or earlier for those who never ordered.
        const double registered = u.first != 0 ? u.first - rng.between(1, 10) / 1440.0
                                               : firstBase - rng.between(0, 365) +
                                                     rng.between(11 * 60, 21 * 60) / 1440.0;
        PutDouble(rec + O::LastEditDate, registered);
        if (s.remark >= 0)
            putBytes(rec + O::Remarks, cat.remark[size_t(s.remark)], 50);
        PutInt16(rec + O::DmFlag, s.dmFlag);
    }
    return out.commit(error);
}

bool writeSettingFiles(const QDir &dir, QString *error)
{
    const std::pair<const char *, QStringList> files[] = {
        {"Shop.snw", C::ShopLines()},
        {"Menu.snw", C::MenuLines()},
        {"Staff.snw", C::Staff()},
        {"MenuSub.snw", C::MenuOptionLines()},
        {"MenuSitei.snw", C::DeliveryPlaces()},
        {"Building.snw", C::BuildingLines()},
        {"Cti.snw", C::CtiLines()},
        {"menub.snw", C::MenuBoardLines()},
    };
    for (const auto &[name, lines] : files) {
        if (!WriteCp932Lines(dir.filePath(QString::fromLatin1(name)), lines)) {
            if (error)
                *error = QStringLiteral("cannot write %1").arg(dir.filePath(QString::fromLatin1(name)));
            return false;
        }
    }
    return true;
}

} // namespace

QString SampleDataProblem(const SampleDataOptions &o)
{
    if (o.customers < 0 || o.customers > kSampleMaxCustomers)
        return QStringLiteral("the number of customers must be 0 to %1").arg(kSampleMaxCustomers);
    if (o.orders < 0 || o.orders > kSampleMaxOrders)
        return QStringLiteral("the number of orders must be 0 to %1").arg(kSampleMaxOrders);
    if (o.days < 1 || o.days > kSampleMaxDays)
        return QStringLiteral("the number of days must be 1 to %1").arg(kSampleMaxDays);
    if (o.orders > 0 && o.customers == 0)
        return QStringLiteral("orders need at least one customer");
    if (qint64(o.orders) > qint64(o.days) * kSampleMaxOrdersPerDay)
        return QStringLiteral("%1 orders do not fit into %2 days (at most %3 orders a day); give more days")
            .arg(o.orders)
            .arg(o.days)
            .arg(kSampleMaxOrdersPerDay);
    return QString();
}

bool WriteSampleData(const QString &folder, const SampleDataOptions &options, SampleDataSummary *summary,
                     QString *error)
{
    const QString problem = SampleDataProblem(options);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    const QDir dir(folder);
    if (!dir.exists()) {
        if (error)
            *error = QStringLiteral("folder not found: %1").arg(folder);
        return false;
    }
    const QDate today = options.today.isValid() ? options.today : Clock::Today();
    SampleDataSummary result;
    result.customers = options.customers;
    result.orders = options.orders;

    if (!writeSettingFiles(dir, error))
        return false;

    const EncodedCatalog cat;
    SampleRandom customerRng(options.seed ^ kCustomerStream);
    const std::vector<CustomerSeed> seeds = makeCustomers(options.customers, customerRng);
    std::vector<CustomerUse> use(seeds.size());
    const std::vector<DayPlan> days = planDays(options, today);
    result.firstDay = days.front().date;
    result.lastDay = days.back().date;

    OrderContext ctx{options, days, cat, use, result};
    if (!writeOrders(dir.filePath(RecordStore::kSalesFile), ctx, error))
        return false;
    if (!writeCustomers(dir.filePath(RecordStore::kCustomerFile), seeds, use, cat, result.firstDay, customerRng,
                        error))
        return false;
    if (!WriteFileAtomically(dir.filePath(RecordStore::kPhoneBookFile), QByteArray())) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(dir.filePath(RecordStore::kPhoneBookFile));
        return false;
    }
    if (summary)
        *summary = result;
    return true;
}
