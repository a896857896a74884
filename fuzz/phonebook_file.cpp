// "Tel.snw" as it may be found on disk: opened, indexed, every entry read and looked up.
#include "fuzzsupport.h"

#include "store/helpers.h"
#include "store/recordstore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    Fuzz::WriteFile(RecordStore::kCustomerFile, {});
    Fuzz::WriteFile(RecordStore::kSalesFile, {});
    Fuzz::WriteFile(RecordStore::kPhoneBookFile, in.rest());
    RecordStore store(Fuzz::DataFolder());
    Fuzz::Check(store.OpenRecordFiles(), "record files do not open");
    store.BuildIndexes();
    for (int pos = 1; pos <= store.PhoneBookCount(); ++pos) {
        const auto entry = store.ReadPhoneBookEntry(pos);
        if (!entry)
            continue;
        Fuzz::Check(store.FindPhoneBookPosByTel(entry->Tel) >= 1, "phone-book entry not found by its number");
        TrimField(entry->Name);
        ToHalfWidth(entry->Address);
        const QByteArray once = PhoneBookRecord::fromBytes(entry->toBytes().constData()).toBytes();
        Fuzz::Check(PhoneBookRecord::fromBytes(once.constData()).toBytes() == once, "entry does not read back");
    }
    store.CloseRecordFiles();
    Fuzz::TakeBoxCount();
    return 0;
}
