// stats and compact: the index tables after start-up, and the exit compaction.
#include "admin.h"

#include "store/datastats.h"

namespace
{

// The single DATA_DIR argument of a command, checked; nullopt after reporting the problem.
std::optional<QString> dataFolderArg(const QString &command, const QStringList &args, int *exitCode)
{
    QString error;
    const auto parsed = ParseArgs(args, {}, {}, &error);
    if (!parsed || parsed->positional.size() != 1) {
        PrintErr(parsed ? QStringLiteral("%1 takes exactly one DATA_DIR").arg(command) : error);
        PrintErr(QStringLiteral("try 'soranowa-admin --help'"));
        *exitCode = kExitUsage;
        return std::nullopt;
    }
    const QString folder = parsed->positional.front();
    const QString problem = DataFolderProblem(folder);
    if (!problem.isEmpty()) {
        PrintErr(problem);
        *exitCode = kExitFailure;
        return std::nullopt;
    }
    return folder;
}

} // namespace

int RunStats(const QStringList &args)
{
    int exitCode = kExitOk;
    const auto folder = dataFolderArg(QStringLiteral("stats"), args, &exitCode);
    if (!folder)
        return exitCode;
    const auto stats = ReadDataStats(*folder);
    if (!stats) {
        PrintErr(QStringLiteral("cannot read the record files in %1").arg(*folder));
        return kExitFailure;
    }
    for (const QString &line : FormatDataStats(*stats))
        PrintOut(line);
    return kExitOk;
}

int RunCompact(const QStringList &args)
{
    int exitCode = kExitOk;
    const auto folder = dataFolderArg(QStringLiteral("compact"), args, &exitCode);
    if (!folder)
        return exitCode;
    CompactionResult result;
    if (!CompactDataFolder(*folder, &result)) {
        PrintErr(QStringLiteral("compaction of %1 failed").arg(*folder));
        return kExitFailure;
    }
    PrintOut(QStringLiteral("Customer.snw: %1 -> %2 records").arg(result.customersBefore).arg(result.customersAfter));
    PrintOut(QStringLiteral("Sales.snw: %1 -> %2 records").arg(result.salesBefore).arg(result.salesAfter));
    return kExitOk;
}
