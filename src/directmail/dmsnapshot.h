#pragma once
// The customers a direct-mail window works on, read once when it opens.
#include "directmail/dmselection.h"
#include "store/recordstore.h"

#include <optional>

// Every record of the customer file in file order, keeping those with a customer number above 0
// (deleted records carry -1). `progress` gets (records read, records in the file). nullopt when
// the file cannot be read.
std::optional<std::vector<DmCustomer>> ReadDmSnapshot(const QString &customerFile, const ProgressFn &progress = {});
