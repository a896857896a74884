#pragma once
// One stored order together with its customer, as a window that works on both holds them. The
// positions say where the records were read; they stay right while the window is modal.
#include "store/records.h"

#include <QString>

#include <optional>

class RecordStore;

struct StoredOrder {
    SalesRecord Sale;
    int SalePos = -1;
    // Empty with CustomerPos -1 when the order's customer is no longer on file.
    CustomerRecord Customer;
    int CustomerPos = -1;
    bool HasCustomer() const { return CustomerPos > 0; }
};

// Reads the order at a SalesIndex position and its customer. nullopt when the order could not be
// read (its error box shown); a customer that cannot be read counts as gone.
std::optional<StoredOrder> ReadStoredOrder(RecordStore &records, int salePos);
// The same for an order key "yyyymmddN"; nullopt without a message when no such order is listed.
std::optional<StoredOrder> ReadStoredOrderByKey(RecordStore &records, const QString &key);
