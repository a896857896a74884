#pragma once
// Menu items from a CSV file made by another application: the column mapping, the row checks,
// the append to the menu table and its sort by group, and the log of refused rows.
#include "store/helpers.h"
#include "store/importsource.h"
#include "store/settingtables.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace MenuImport
{

enum Target { GroupTarget = 0, MenuNameTarget, PriceTarget, MenuKanaTarget, TargetCount };
// The target captions in list order.
QStringList TargetCaptions();
using ImportSource::kNotSet;

// Source column (1-based) chosen for each target; 0 = not set.
using Mapping = std::array<int, TargetCount>;

using ImportSource::ReadStatus;
using ImportSource::SourceEntries;
// Reads the CP932 CSV file into rows (emptied first); a binary or non-CP932 file is Unreadable.
ReadStatus ReadSource(const QString &path, CsvTable &rows);

// The refusal of a mapping that lacks a required target, or "" when it may be imported.
QString MappingError(const Mapping &mapping);

struct Outcome {
    int total = 0;
    int accepted = 0;
    QStringList failures; // one text per refused row, in file order
};

// Checks every row, appends the accepted ones to the menu table (element 0 unused) and sorts
// the whole table by group. `progress` gets the number of rows done.
Outcome ImportRows(const CsvTable &rows, const Mapping &mapping, std::vector<MenuEntry> &menuTable,
                   const std::function<void(int)> &progress = {});

// Orders the table (element 0 unused) exactly as the exchange sort "for i, for j > i, exchange
// when group i < group j" does, comparing UTF-16 code units, without its quadratic cost.
void SortByGroup(std::vector<MenuEntry> &menuTable);

using ImportSource::ConfirmText;
QString ResultText(const Outcome &outcome);
using ImportSource::ErrorLogBytes;
using ImportSource::kErrorLogName;
// Rewrites importErr.txt on the desktop atomically; false when that fails.
bool WriteErrorLog(const QStringList &failures);

} // namespace MenuImport
