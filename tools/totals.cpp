// totals: the sales totals of a period, and the orders a sales search of that period lists.
#include "admin.h"

#include "sales/salesexport.h"
#include "sales/salessearch.h"
#include "sales/salestotals.h"
#include "store/appdata.h"
#include "store/datastats.h"
#include "store/settingfiles.h"

#include <QDate>
#include <QDir>

namespace
{

bool isDay(const QString &text)
{
    return text.size() == 8 && QDate::fromString(text, QStringLiteral("yyyyMMdd")).isValid();
}

} // namespace

std::optional<PeriodOrders> LoadPeriodOrders(const QStringList &args, const QStringList &extraValued,
                                             const QString &usage, ParsedArgs *parsedOut, int *exitCode)
{
    QString error;
    QStringList valued = {QStringLiteral("--from"), QStringLiteral("--to")};
    valued += extraValued;
    const auto parsed = ParseArgs(args, valued, {}, &error);
    if (!parsed || parsed->positional.size() != 1 || !isDay(parsed->values.value(QStringLiteral("--from"))) ||
        !isDay(parsed->values.value(QStringLiteral("--to")))) {
        PrintErr(parsed ? usage : error);
        *exitCode = kExitUsage;
        return std::nullopt;
    }
    *parsedOut = *parsed;
    const QString folder = parsed->positional.front();
    const QString problem = DataFolderProblem(folder);
    if (!problem.isEmpty()) {
        PrintErr(problem);
        *exitCode = kExitFailure;
        return std::nullopt;
    }
    PeriodOrders p{std::make_unique<AppData>(QDir(folder).absolutePath()), {}, {}};
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    const bool opened = p.data->records.OpenRecordFiles() && p.data->records.BuildIndexes();
    LoadShopSettings(p.data->settings);
    LoadStaffList(p.data->settings);
    QDir::setCurrent(previous);
    if (!opened) {
        PrintErr(QStringLiteral("cannot read the record files in %1").arg(folder));
        *exitCode = kExitFailure;
        return std::nullopt;
    }
    p.criteria.Start = parsed->values.value(QStringLiteral("--from"));
    p.criteria.End = parsed->values.value(QStringLiteral("--to"));
    p.criteria.Tab = 1;
    // Listed as the search window lists them: by order time, ascending.
    std::vector<SalesRow> rows = SearchSales(p.data->records, p.criteria);
    SortSalesRows(rows, 0, SortOrder::Ascending);
    p.positions = RowPositions(rows);
    return p;
}

int RunTotals(const QStringList &args)
{
    ParsedArgs parsed;
    int exitCode = kExitOk;
    const auto period = LoadPeriodOrders(
        args, {QStringLiteral("--csv")},
        QStringLiteral("totals takes DATA_DIR --from yyyymmdd --to yyyymmdd [--csv FILE]"), &parsed, &exitCode);
    if (!period)
        return exitCode;
    const SalesTotals totals =
        ComputeSalesTotals(period->data->records, period->data->settings.Shop.TaxRate, period->positions);
    PrintOut(TotalsCaption(kTotalsCaptionPrefix, period->criteria));
    for (const QStringList &row : totals.SummaryRows())
        PrintOut(row.join(QLatin1Char('\t')));
    PrintOut(QString());
    const std::vector<QStringList> items = totals.ItemRows();
    for (const QStringList &row : items)
        PrintOut(row.join(QLatin1Char('\t')));
    if (parsed.values.contains(QStringLiteral("--csv"))) {
        const QString csv = QDir::current().absoluteFilePath(parsed.values.value(QStringLiteral("--csv")));
        if (!WriteItemCsv(csv, items))
            return kExitFailure;
    }
    return kExitOk;
}
