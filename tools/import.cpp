// import: customers or phone-book entries from a CSV file into a data folder, with the rules
// of the import windows, and the log of refused rows.
#include "admin.h"

#include "customers/customerimport.h"
#include "customers/phonebookimport.h"
#include "platform/clock.h"
#include "store/appdata.h"
#include "store/datastats.h"
#include "store/importsource.h"
#include "store/oledate.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace
{

// "--map tel=1,name=2": the column of each named target; nullopt with the reason on a mistake.
template <size_t N>
std::optional<std::array<int, N>> parseMap(const QString &text, const QStringList &keys, QString *error)
{
    std::array<int, N> mapping{};
    bool any = false;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList kv = part.split(QLatin1Char('='));
        const qsizetype target = kv.size() == 2 ? keys.indexOf(kv[0].trimmed()) : -1;
        const std::optional<qint64> column = kv.size() == 2 ? ParseNumber(kv[1].trimmed(), 1, 99999) : std::nullopt;
        if (target < 0 || !column) {
            *error = QStringLiteral("--map: '%1' is not FIELD=COLUMN with FIELD one of %2 and COLUMN 1 or more")
                         .arg(part, keys.join(QLatin1Char(',')));
            return std::nullopt;
        }
        mapping[size_t(target)] = int(*column);
        any = true;
    }
    if (!any) {
        *error = QStringLiteral("--map sets no field");
        return std::nullopt;
    }
    return mapping;
}

QString readProblem(ImportSource::ReadStatus status, const QString &file)
{
    switch (status) {
    case ImportSource::ReadStatus::Missing:
        return QStringLiteral("%1: no such file").arg(file);
    case ImportSource::ReadStatus::Empty:
        return QStringLiteral("%1: the file is empty").arg(file);
    case ImportSource::ReadStatus::Unreadable:
        return QStringLiteral("%1: not a CP932 CSV file").arg(file);
    case ImportSource::ReadStatus::Ok:
        break;
    }
    return {};
}

} // namespace

int RunImport(const QStringList &args)
{
    QString error;
    const auto parsed = ParseArgs(args, {QStringLiteral("--map"), QStringLiteral("--log")}, {}, &error);
    if (!parsed || parsed->positional.size() != 3 || !parsed->values.contains(QStringLiteral("--map"))) {
        PrintErr(parsed ? QStringLiteral("import takes customers|phonebook DATA_DIR FILE --map FIELD=COLUMN,... "
                                         "[--log PATH]")
                        : error);
        return kExitUsage;
    }
    const QString kind = parsed->positional.at(0);
    const bool customers = kind == QLatin1String("customers");
    if (!customers && kind != QLatin1String("phonebook")) {
        PrintErr(QStringLiteral("import: '%1' is neither customers nor phonebook").arg(kind));
        return kExitUsage;
    }
    const QString mapText = parsed->values.value(QStringLiteral("--map"));
    QString customerError, phoneError;
    const auto customerMap = parseMap<CustomerImport::TargetCount>(
        mapText, {"tel", "name", "zip", "city", "banchi", "building"}, &customerError);
    const auto phoneMap =
        parseMap<PhoneBookImport::TargetCount>(mapText, {"name", "zip", "tel", "address"}, &phoneError);
    if (customers ? !customerMap : !phoneMap) {
        PrintErr(customers ? customerError : phoneError);
        return kExitUsage;
    }

    const QString folder = parsed->positional.at(1);
    if (const QString problem = DataFolderProblem(folder); !problem.isEmpty()) {
        PrintErr(problem);
        return kExitFailure;
    }
    const QString file = QDir::current().absoluteFilePath(parsed->positional.at(2));
    // The log goes beside the imported file unless --log names another place.
    const QString log = parsed->values.contains(QStringLiteral("--log"))
                            ? QDir::current().absoluteFilePath(parsed->values.value(QStringLiteral("--log")))
                            : QFileInfo(file).absoluteDir().filePath(ImportSource::kErrorLogName);

    CsvTable rows;
    if (const auto status = ImportSource::ReadSource(file, rows); status != ImportSource::ReadStatus::Ok) {
        PrintErr(readProblem(status, file));
        return kExitFailure;
    }
    AppData data(QDir(folder).absolutePath());
    if (!data.records.OpenRecordFiles() || !data.records.BuildIndexes()) {
        PrintErr(QStringLiteral("cannot read the record files in %1").arg(folder));
        return kExitFailure;
    }

    int accepted = 0;
    bool stored = true;
    QStringList failures;
    if (customers) {
        auto checked = CustomerImport::CheckLines(rows, *customerMap, data.records, ToOleDate(Clock::Now()));
        failures = checked.failures;
        stored = checked.batch.empty() || data.records.RecordAddAll(checked.batch);
        accepted = stored ? int(checked.batch.size()) : 0;
    } else {
        auto checked = PhoneBookImport::CheckRows(rows, *phoneMap, data.records);
        failures = checked.failures;
        stored = checked.batch.empty() || data.records.AppendPhoneBookEntries(checked.batch);
        accepted = stored ? int(checked.batch.size()) : 0;
    }
    data.records.CloseRecordFiles();
    PrintOut(QStringLiteral("accepted %1, refused %2").arg(accepted).arg(failures.size()));
    if (!failures.isEmpty()) {
        if (!ImportSource::WriteErrorLog(failures, log)) {
            PrintErr(QStringLiteral("cannot write the log %1").arg(log));
            return kExitFailure;
        }
        PrintOut(QStringLiteral("refused rows: %1").arg(log));
    }
    return stored ? kExitOk : kExitFailure;
}
