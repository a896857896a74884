// A phone-book import file: the first bytes map the source columns, the rest is the file. The
// accepted entries are stored and must all be found again.
#include "fuzzsupport.h"

#include "customers/phonebookimport.h"
#include "store/importsource.h"
#include "store/recordstore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    PhoneBookImport::Mapping mapping{};
    for (int &column : mapping)
        column = in.byte() % 8;
    Fuzz::WriteFile(QStringLiteral("import.csv"), in.rest());
    Fuzz::WriteFile(RecordStore::kCustomerFile, {});
    Fuzz::WriteFile(RecordStore::kSalesFile, {});
    Fuzz::WriteFile(RecordStore::kPhoneBookFile, {});
    CsvTable rows;
    if (ImportSource::ReadSource(Fuzz::DataFolder() + QStringLiteral("/import.csv"), rows) !=
        ImportSource::ReadStatus::Ok)
        return 0;
    RecordStore store(Fuzz::DataFolder());
    Fuzz::Check(store.OpenRecordFiles() && store.BuildIndexes(), "empty record files do not open");
    const auto checked = PhoneBookImport::CheckRows(rows, mapping, store);
    Fuzz::Check(checked.batch.size() + size_t(checked.failures.size()) <= size_t(checked.total),
                "more outcomes than rows");
    Fuzz::Check(store.AppendPhoneBookEntries(checked.batch), "accepted entries not stored");
    Fuzz::Check(store.BuildIndexes(), "stored entries do not index");
    Fuzz::Check(store.PhoneBookCount() == int(checked.batch.size()), "stored entries missing from the index");
    for (int pos = 1; pos <= store.PhoneBookCount(); ++pos) {
        const auto entry = store.ReadPhoneBookEntry(pos);
        Fuzz::Check(entry && entry->Tel == checked.batch[size_t(pos - 1)].Tel, "stored entry changed");
    }
    store.CloseRecordFiles();
    Fuzz::TakeBoxCount();
    return 0;
}
