#pragma once
// Telephone-directory entries from a CSV file into the phone book: the four mapped fields and
// their conversions, the checks of every row, and the batch stored in one go.
#include "store/helpers.h"
#include "store/records.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

class RecordStore;

namespace PhoneBookImport
{

enum Target { NameTarget = 0, ZipTarget, TelTarget, AddressTarget, TargetCount };
// The target captions in list order.
QStringList TargetCaptions();
// Source column (1-based) chosen for each target; 0 = not set.
using Mapping = std::array<int, TargetCount>;

PhoneBookRecord ConvertRow(const QStringList &row, const Mapping &mapping);

struct Checked {
    int total = 0;
    std::vector<PhoneBookRecord> batch; // accepted entries, in row order
    QStringList failures;               // one text per refused row, in row order
};

// Checks every row against the phone book and the rows accepted before it. `progress` gets
// the number of rows done and may return false to abandon the import.
Checked CheckRows(const CsvTable &rows, const Mapping &mapping, const RecordStore &store,
                  const std::function<bool(int)> &progress = {});

} // namespace PhoneBookImport
