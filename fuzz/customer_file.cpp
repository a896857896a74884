// "Customer.snw" as it may be found on disk: opened, indexed, every indexed customer read,
// shown and written back unchanged, then compacted and indexed again.
#include "fuzzsupport.h"

#include "store/helpers.h"
#include "store/oledate.h"
#include "store/recordstore.h"
#include "store/saleamounts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    Fuzz::WriteFile(RecordStore::kCustomerFile, in.rest());
    Fuzz::WriteFile(RecordStore::kSalesFile, {});
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
    for (int pos = 1; pos <= store.CustomerCount(); ++pos) {
        auto customer = store.ReadCustomer(pos);
        if (!customer)
            continue;
        Fuzz::Check(customer->CustomerId == store.CustomerIndex[size_t(pos)].CustomerId, "index and record differ");
        FormatCustomerNo(customer->CustomerId);
        FormatOleDate(customer->FirstUseDate, QStringLiteral("yyyy/MM/dd"));
        FormatOleDate(customer->LastUseDate, QStringLiteral("yyyy/MM/dd"));
        FormatOleDate(customer->LastEditDate, QStringLiteral("yyyy/MM/dd hh:mm"));
        ExpirePoints(*customer, rules, QDate(2026, 6, 1));
        // A record read and stored again without a change reads back the same.
        const QByteArray once = CustomerRecord::fromBytes(customer->toBytes().constData()).toBytes();
        Fuzz::Check(CustomerRecord::fromBytes(once.constData()).toBytes() == once, "customer does not read back");
        store.FindCustomerPosByTel(customer->Tel);
        if (pos == 1)
            Fuzz::Check(store.UpdateCustomer(pos, *customer), "customer not written");
    }
    store.MaxCustomerId();
    if (store.CompactCustomers()) {
        const int before = store.CustomerCount();
        store.BuildIndexes();
        Fuzz::Check(store.CustomerCount() <= before, "compaction added customers");
    }
    store.CloseRecordFiles();
    Fuzz::TakeBoxCount();
    return 0;
}
