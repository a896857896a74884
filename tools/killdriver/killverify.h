#pragma once
// What a data folder holds after a stop, compared with copies of it taken before the operation
// and after the operation ran to its end.
#include <QString>

struct VerifyResult {
    QString state;          // "old", "new", or "mixed" when files disagree about the side
    int damaged = 0;        // records or files that are neither their old nor their new version
    int lost = 0;           // records or files that were there before and after but are gone
    bool leftovers = false; // an unfinished group or restore survived the open
    QString detail;
    bool consistent() const { return damaged == 0 && lost == 0 && !leftovers && state != QLatin1String("mixed"); }
};

// Compares every file under `dir` with `before` and `after` (same relative paths). Record files
// are compared record by record. With `joint` all changed files must be on the same side.
VerifyResult VerifyFolder(const QString &dir, const QString &before, const QString &after, bool joint);
