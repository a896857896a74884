// A customer import file: the first bytes map the source columns, the rest is the file. The
// accepted customers are stored and must all be found in the rebuilt index.
#include "fuzzsupport.h"

#include "customers/customerimport.h"
#include "store/importsource.h"
#include "store/recordstore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    CustomerImport::Mapping mapping{};
    for (int &column : mapping)
        column = in.byte() % 8;
    Fuzz::WriteFile(QStringLiteral("import.csv"), in.rest());
    Fuzz::WriteFile(RecordStore::kCustomerFile, {});
    Fuzz::WriteFile(RecordStore::kSalesFile, {});
    Fuzz::WriteFile(RecordStore::kPhoneBookFile, {});
    CsvTable lines;
    if (ImportSource::ReadSource(Fuzz::DataFolder() + QStringLiteral("/import.csv"), lines) !=
        ImportSource::ReadStatus::Ok)
        return 0;
    ImportSource::SourceEntries(lines);
    RecordStore store(Fuzz::DataFolder());
    Fuzz::Check(store.OpenRecordFiles() && store.BuildIndexes(), "empty record files do not open");
    const auto checked = CustomerImport::CheckLines(lines, mapping, store, 45000.5);
    Fuzz::Check(checked.batch.size() + size_t(checked.failures.size()) <= size_t(checked.total),
                "more outcomes than lines");
    ImportSource::ErrorLogBytes(checked.failures);
    Fuzz::Check(store.RecordAddAll(checked.batch), "accepted customers not stored");
    Fuzz::Check(store.BuildIndexes(), "stored customers do not index");
    Fuzz::Check(store.CustomerCount() == int(checked.batch.size()), "stored customers missing from the index");
    for (int pos = 1; pos <= store.CustomerCount(); ++pos) {
        const auto customer = store.ReadCustomer(pos);
        Fuzz::Check(customer && customer->Tel == checked.batch[size_t(pos - 1)].Tel, "stored customer changed");
    }
    store.CloseRecordFiles();
    Fuzz::TakeBoxCount();
    return 0;
}
