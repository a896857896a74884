#include "sampledata/samplegen.h"

#include "sampledata/samplecatalog.h"
#include "store/oledate.h"
#include "store/records.h"

using namespace RecordBytes;
namespace C = SampleCatalog;

namespace SampleDetail
{

namespace
{

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
        case 0:
            return 1;
        case 1:
            return 2;
        case 2:
            return 3;
        case 3:
            return -1;
        default:
            return rng.between(1, 3);
        }
    }
    return rng.chance(0.02) ? -1 : 0;
}

} // namespace

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

} // namespace SampleDetail
