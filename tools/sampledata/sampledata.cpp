#include "sampledata/sampledata.h"

#include "platform/clock.h"
#include "sampledata/samplecatalog.h"
#include "sampledata/samplegen.h"
#include "store/cp932.h"
#include "store/oledate.h"
#include "store/records.h"
#include "store/recordstore.h"
#include "store/textfile.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

using namespace RecordBytes;
namespace C = SampleCatalog;

using namespace SampleDetail;

namespace
{

// What a customer is made of, drawn before the orders; the use figures come from the orders.

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
        putBytes(rec + O::NameKana,
                 s.given >= 0 ? cat.surname[size_t(s.surname)] + cat.given[size_t(s.given)]
                              : cat.surname[size_t(s.surname)],
                 30);
        putBytes(rec + O::Zip, QByteArray(C::Towns()[size_t(s.town)].zip), 8);
        putBytes(rec + O::City, cat.city[size_t(s.town)], 50);
        putBytes(rec + O::Banchi,
                 QByteArray::number(s.chome) + '-' + QByteArray::number(s.ban) + '-' + QByteArray::number(s.go), 46);
        PutInt32(rec + O::Points, u.points);
        if (s.building >= 0)
            putBytes(rec + O::Building, cat.building[size_t(s.building)] + ' ' + QByteArray::number(s.room), 40);
        PutDouble(rec + O::FirstUseDate, u.first);
        PutDouble(rec + O::LastUseDate, u.last);
        PutInt16(rec + O::UseCount, qint16(std::min(u.completed, 32767)));
        PutInt16(rec + O::Motive, s.motive);
        // Registered during the call of the first order, or earlier for those who never ordered.
        const double registered = u.first != 0
                                      ? u.first - rng.between(1, 10) / 1440.0
                                      : firstBase - rng.between(0, 365) + rng.between(11 * 60, 21 * 60) / 1440.0;
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

namespace SampleDetail
{
EncodedCatalog::EncodedCatalog()
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
} // namespace SampleDetail

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
    if (!writeCustomers(dir.filePath(RecordStore::kCustomerFile), seeds, use, cat, result.firstDay, customerRng, error))
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
