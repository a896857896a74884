#pragma once
// Shared pieces of the soranowa-admin commands: exit codes, output and argument parsing.
#include <QMap>
#include <QString>
#include <QStringList>

#include "sales/salessearch.h"
#include "store/appdata.h"

#include <memory>
#include <optional>
#include <vector>

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // the work could not be done (missing folder, write error, ...)
constexpr int kExitUsage = 2;   // the command line is wrong

void PrintOut(const QString &text); // a line on standard output
void PrintErr(const QString &text); // a line on standard error, prefixed with the tool's name
QString Usage();

struct ParsedArgs {
    QStringList positional;
    QMap<QString, QString> values; // "--name value" or "--name=value"
    QStringList flags;             // options without a value that were given
};

// Splits the arguments of one command. `valued` options need a value, `flags` take none;
// anything else starting with "--" is an error. nullopt with the reason in `error`.
std::optional<ParsedArgs> ParseArgs(const QStringList &args, const QStringList &valued, const QStringList &flags,
                                    QString *error);
// A whole decimal number within [min, max].
std::optional<qint64> ParseNumber(const QString &text, qint64 min, qint64 max);

// Commands; `args` are the words after the command name.
int RunStats(const QStringList &args);
int RunCompact(const QStringList &args);
int RunSampleData(const QStringList &args);
int RunRender(const QStringList &args); // needs a QGuiApplication (fonts)
int RunImport(const QStringList &args);
int RunZipDb(const QStringList &args); // zipdb build OUT [SOURCES...]
int RunZip(const QStringList &args);   // zip DATA_DIR KEY
int RunTotals(const QStringList &args);
int RunBackupCommand(const QStringList &args);  // backup DATA_DIR ARCHIVE
int RunRestoreCommand(const QStringList &args); // restore DATA_DIR ARCHIVE

// The orders a sales search of a period lists (all day, every customer), in list order, with the
// data folder they were read from.
struct PeriodOrders {
    std::unique_ptr<AppData> data;
    SearchCriteria criteria;
    std::vector<int> positions;
};
// Reads DATA_DIR --from yyyymmdd --to yyyymmdd (plus `extraValued` options, returned in
// `parsed`); nullopt after the message, with the exit status in `exitCode`.
std::optional<PeriodOrders> LoadPeriodOrders(const QStringList &args, const QStringList &extraValued,
                                             const QString &usage, ParsedArgs *parsed, int *exitCode);
