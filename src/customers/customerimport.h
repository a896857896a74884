#pragma once
// Customers from a CSV file made by another application: the six mapped fields and their
// conversions, the checks of every line, and the batch stored in one go.
#include "store/helpers.h"
#include "store/records.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

class RecordStore;

namespace CustomerImport
{

enum Target { TelTarget = 0, NameTarget, ZipTarget, CityTarget, BanchiTarget, BuildingTarget, TargetCount };
// The target captions in list order.
QStringList TargetCaptions();
// Source column (1-based) chosen for each target; 0 = not set.
using Mapping = std::array<int, TargetCount>;

// The customer one line gives: mapped cells converted, the other fields as a never-used
// customer registered at `lastEdit` (no number yet: the store numbers the batch).
CustomerRecord ConvertLine(const QStringList &line, const Mapping &mapping, double lastEdit);

struct Checked {
    int total = 0;
    std::vector<CustomerRecord> batch; // accepted customers, in line order
    QStringList failures;              // one text per refused line, in line order
};

// Checks every line against the customers registered before the import (lines of the file are
// not compared with each other). `progress` gets the number of lines done and may return
// false to abandon the import (nothing is stored then).
Checked CheckLines(const CsvTable &lines, const Mapping &mapping, const RecordStore &store, double lastEdit,
                   const std::function<bool(int)> &progress = {});

} // namespace CustomerImport
