#pragma once
// Looking at and maintaining a data folder from outside the program: what the index tables
// hold after start-up, and the compaction normally run at exit.
#include <QString>
#include <QStringList>

#include <optional>

struct DataStats {
    int customers = 0;
    int sales = 0;
    int phoneBook = 0;
    QString oldestSalesDate;
    qint32 nextCustomerRecord = 0;
    qint32 nextSalesRecord = 0;
    qint32 maxCustomerId = 0;
};

// Why `folder` cannot be used as a data folder (missing, not a folder, not readable or not
// writable), or the empty text.
QString DataFolderProblem(const QString &folder);

// Opens the record files of `folder` (creating missing ones, as start-up does) and builds the
// index tables; nullopt when that fails (the error box has then been shown).
std::optional<DataStats> ReadDataStats(const QString &folder);
// One "name: value" line per figure.
QStringList FormatDataStats(const DataStats &stats);

struct CompactionResult {
    qint64 customersBefore = 0;
    qint64 customersAfter = 0;
    qint64 salesBefore = 0;
    qint64 salesAfter = 0;
};

// The exit compaction of `folder`: customers, then sales. Record counts are whole records in
// the files before and after. False when a step failed (its error box has been shown).
bool CompactDataFolder(const QString &folder, CompactionResult *result);
