#pragma once
// The selection as a CSV file for other programs: name, postal code, address, building.
#include "store/recordstore.h"

#include <vector>

// The customers with these numbers, in the order given; numbers no longer on file are skipped.
std::vector<CustomerRecord> ReadDmCustomers(RecordStore &store, const std::vector<qint32> &ids);

// One line per customer, four quoted fields, CP932, CR LF.
QByteArray DmCsvBytes(const std::vector<CustomerRecord> &customers);

// Writes the file atomically; a failure shows error box 5 and returns false.
bool WriteDmCsv(const QString &path, const std::vector<CustomerRecord> &customers);
