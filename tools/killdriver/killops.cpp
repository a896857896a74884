#include "killops.h"

#include "backup/backupdata.h"
#include "board/boardcommands.h"
#include "board/progress.h"
#include "customers/customerform.h"
#include "customers/customerimport.h"
#include "orders/orderchange.h"
#include "orders/ordercommit.h"
#include "platform/clock.h"
#include "store/appdata.h"
#include "store/oledate.h"
#include "store/settingfiles.h"
#include "store/storedorder.h"

#include <random>

namespace
{

std::vector<OrderLine> someLines(const SettingTables &t, std::mt19937_64 &rng)
{
    std::vector<OrderLine> lines;
    const int menus = int(t.MenuTable.size()) - 1;
    const int count = 1 + int(rng() % 4);
    for (int i = 0; i < count && menus > 0; ++i) {
        const MenuEntry &m = t.MenuTable[size_t(1 + rng() % size_t(menus))];
        lines.push_back({m.MenuName, kNoOption, CurrencyToYen(m.Price), qint64(1 + rng() % 3)});
    }
    return lines;
}

// The index position of an order whose status passes `want`, -1 when there is none.
int pickSale(const AppData &data, std::mt19937_64 &rng, const std::function<bool(qint16)> &want)
{
    const int count = data.records.SalesCount();
    if (count < 1)
        return -1;
    const int start = 1 + int(rng() % size_t(count));
    for (int i = 0; i < count; ++i) {
        const int pos = 1 + (start - 1 + i) % count;
        const SalesIndexEntry &e = data.records.SalesIndex[size_t(pos)];
        if (want(e.Status) && data.records.FindCustomerPos(e.CustomerId) > 0)
            return pos;
    }
    return -1;
}

bool confirmOrder(AppData &data, quint64 seed, const QString &)
{
    std::mt19937_64 rng(seed);
    const int count = data.records.CustomerCount();
    if (count < 1)
        return false;
    const auto customer = data.records.ReadCustomer(1 + int(rng() % size_t(count)));
    if (!customer)
        return false;
    OrderCommitInput in;
    in.Lines = someLines(data.settings, rng);
    in.Staff = data.settings.StaffList.value(1);
    in.DeliverTo = kNoOption;
    in.PointDiscountYen = customer->Points >= 10 ? 10 : 0;
    in.ProgressMode = rng() % 4 == 0 ? ProgressMode::CompleteAtConfirm : ProgressMode::Normal;
    return CommitOrder(data, in, *customer).has_value();
}

bool driveProgress(AppData &data, quint64 seed, const QString &)
{
    std::mt19937_64 rng(seed);
    const int pos = pickSale(data, rng, [](qint16 s) { return s >= 1; });
    const auto sale = pos > 0 ? data.records.ReadSale(pos) : std::nullopt;
    if (!sale)
        return false;
    SalesRecord edited = *sale;
    const ProgressStaff staff{data.settings.StaffList.value(1), data.settings.StaffList.value(1),
                              data.settings.StaffList.value(1)};
    const double now = ToOleDate(Clock::Now());
    ApplyProgressStep(edited, kStepAll, staff, ProgressMode::Normal, now);
    return SaveProgress(data.records, pos, edited, now);
}

bool changeOrder(AppData &data, quint64 seed, const QString &)
{
    std::mt19937_64 rng(seed);
    const int pos = pickSale(data, rng, [](qint16 s) { return s >= 0; });
    const auto order = pos > 0 ? ReadStoredOrder(data.records, pos) : std::nullopt;
    if (!order)
        return false;
    OrderChangeInput in;
    in.Lines = someLines(data.settings, rng);
    in.Staff = data.settings.StaffList.value(1);
    in.DeliverTo = kNoOption;
    SalesRecord changed = order->Sale;
    ApplyOrderChange(changed, in);
    return StoreOrderChange(data, pos, order->Sale, changed);
}

bool cancelOrder(AppData &data, quint64 seed, const QString &)
{
    std::mt19937_64 rng(seed);
    const int pos = pickSale(data, rng, [](qint16 s) { return s >= 0; });
    if (pos < 1)
        return false;
    // The driver's prompt service answers the question Yes.
    return CancelOrder(data, data.records.SalesIndex[size_t(pos)].OrderKey(), QStringLiteral("客"));
}

QString newTel(quint64 seed, int i)
{
    return QStringLiteral("09%1").arg(qulonglong((seed * 7919 + quint64(i)) % 1000000000ULL), 9, 10, QLatin1Char('0'));
}

bool registerCustomer(AppData &data, quint64 seed, const QString &)
{
    CustomerFormFields f;
    f.Tel = newTel(seed, 0);
    f.NameKana = QStringLiteral("ｷﾙ ﾃｽﾄ");
    f.Zip = QStringLiteral("1000001");
    f.City = QStringLiteral("東京都千代田区");
    f.Banchi = QStringLiteral("1-1");
    int pos = 0;
    return RegisterCustomer(data.records, f, pos) == CustomerSaveResult::Saved;
}

bool importCustomers(AppData &data, quint64 seed, const QString &)
{
    // More lines than one write takes, so a stop can fall between the writes of one batch.
    CsvTable lines;
    for (int i = 0; i < 9000; ++i)
        lines.push_back({newTel(seed, i + 1), QStringLiteral("ｲﾝﾎﾟｰﾄ %1").arg(i), QStringLiteral("1500001"),
                         QStringLiteral("東京都渋谷区"), QString::number(i), QString()});
    const CustomerImport::Mapping map{1, 2, 3, 4, 5, 6};
    const auto checked = CustomerImport::CheckLines(lines, map, data.records, ToOleDate(Clock::Now()));
    return !checked.batch.empty() && data.records.RecordAddAll(checked.batch);
}

bool saveSettings(AppData &data, quint64 seed, const QString &)
{
    SettingTables &t = data.settings;
    switch (seed % 3) {
    case 0:
        t.Shop.NoticeLine = QStringLiteral("本日のおすすめ %1").arg(seed);
        return SaveShopSettings(t);
    case 1:
        t.StaffList << QStringLiteral("配達%1").arg(seed % 100);
        return SaveStaffList(t);
    default:
        t.MenuTable.push_back({t.MenuTable.size() > 1 ? t.MenuTable[1].Group : QStringLiteral("麺類"),
                               QStringLiteral("季節の品%1").arg(seed % 100), YenToCurrency(500 + qint64(seed % 7) * 10),
                               QStringLiteral("ｷｾﾂﾉｼﾅ")});
        return SaveMenuTable(t);
    }
}

bool compact(AppData &data, quint64, const QString &)
{
    return data.records.CompactCustomers() && data.records.CompactSales();
}

bool backup(AppData &, quint64, const QString &archive)
{
    return PackData(archive, PackMode::Replace);
}

bool restore(AppData &data, quint64, const QString &archive)
{
    // The program closes the record files around a restore.
    data.records.CloseRecordFiles();
    return UnpackData(archive);
}

} // namespace

const std::vector<KillOp> &KillOps()
{
    static const std::vector<KillOp> ops{
        {QStringLiteral("confirm"), true, confirmOrder},
        {QStringLiteral("progress"), true, driveProgress},
        {QStringLiteral("change"), true, changeOrder},
        {QStringLiteral("cancel"), true, cancelOrder},
        {QStringLiteral("register"), true, registerCustomer},
        {QStringLiteral("import"), true, importCustomers},
        {QStringLiteral("settings"), true, saveSettings},
        {QStringLiteral("compact"), false, compact},
        {QStringLiteral("backup"), true, backup},
        {QStringLiteral("restore"), true, restore},
    };
    return ops;
}

const KillOp *FindKillOp(const QString &name)
{
    for (const KillOp &op : KillOps()) {
        if (op.name == name)
            return &op;
    }
    return nullptr;
}

bool PrepareFolder(AppData &data, const QString &archive)
{
    bool ok = true;
    for (quint64 seed = 1; seed <= 3; ++seed)
        ok = cancelOrder(data, seed * 101, archive) && ok;
    const int pos = data.records.CustomerCount();
    ok = pos > 0 && data.records.DeleteCustomer(pos) && ok;
    return ok;
}
