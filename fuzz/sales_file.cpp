// "Sales.snw" as it may be found on disk: opened, indexed, every indexed order read and shown the
// ways the board, the order windows and the sales search show it, then compacted.
#include "fuzzsupport.h"

#include "board/boardrows.h"
#include "sales/salessearch.h"
#include "store/oledate.h"
#include "store/recordstore.h"
#include "store/saleamounts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    Fuzz::WriteFile(RecordStore::kCustomerFile, {});
    Fuzz::WriteFile(RecordStore::kSalesFile, in.rest());
    Fuzz::WriteFile(RecordStore::kPhoneBookFile, {});
    RecordStore store(Fuzz::DataFolder());
    Fuzz::Check(store.OpenRecordFiles(), "record files do not open");
    store.BuildIndexes();
    PointRules rules;
    rules.usable = true;
    rules.YenUnit = 100;
    rules.PerUnit = 1;
    rules.Step = 10;
    rules.StepYen = 100;
    rules.ValidMonths = 12;
    for (int pos = 1; pos <= store.SalesCount(); ++pos) {
        const auto sale = store.ReadSale(pos);
        if (!sale)
            continue;
        Fuzz::Check(store.FindSalePosByKey(sale->OrderKey()) >= 1, "order key not found");
        AmountsFromSale(*sale, QStringLiteral("10"));
        PointsEarnedByOrder(*sale, rules);
        CustomerRecord customer;
        customer.Points = 100;
        CommitPoints(*sale, customer, rules);
        ReverseEarnedPoints(*sale, customer, rules);
        ReverseSpentPoints(*sale, customer, rules);
        BuildSaleDetail(*sale);
        FormatDayTime(sale->OrderTime);
        FormatTime(sale->DepartTime);
        SalesRowTimeText(sale->DoneTime);
        DoneTimeKey(sale->DoneTime);
        const QByteArray once = SalesRecord::fromBytes(sale->toBytes().constData()).toBytes();
        Fuzz::Check(SalesRecord::fromBytes(once.constData()).toBytes() == once, "order does not read back");
    }
    BuildBoardRows(store, QDate(2026, 6, 1));
    SearchYears(2026, store.OldestSalesDate);
    store.MaxOrderNoToday();
    if (store.CompactSales()) {
        const int before = store.SalesCount();
        store.BuildIndexes();
        Fuzz::Check(store.SalesCount() <= before, "compaction added orders");
    }
    store.CloseRecordFiles();
    Fuzz::TakeBoxCount();
    return 0;
}
