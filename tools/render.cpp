// render: a delivery note of one stored order, the address labels of chosen customers, or the
// sales sheets of a period, as a PDF file.
#include "admin.h"

#include "directmail/dmexport.h"
#include "directmail/dmlabels.h"

#include "printing/orderprint.h"
#include "printing/pdfrender.h"
#include "printing/printkind.h"
#include "sales/salestotals.h"
#include "store/appdata.h"
#include "store/datastats.h"
#include "store/settingfiles.h"

#include <QDir>

namespace
{

// The two sales sheets of a period, from the same totals the windows show.
int renderSalesSheet(const QStringList &args, PrintKind kind)
{
    ParsedArgs parsed;
    int exitCode = kExitOk;
    const auto period =
        LoadPeriodOrders(args, {QStringLiteral("--kind"), QStringLiteral("--out")},
                         QStringLiteral("render takes DATA_DIR --kind SK|SS --from yyyymmdd --to yyyymmdd --out FILE"),
                         &parsed, &exitCode);
    if (!period)
        return exitCode;
    if (!parsed.values.contains(QStringLiteral("--out"))) {
        PrintErr(QStringLiteral("render takes DATA_DIR --kind SK|SS --from yyyymmdd --to yyyymmdd --out FILE"));
        return kExitUsage;
    }
    const QString out = QDir::current().absoluteFilePath(parsed.values.value(QStringLiteral("--out")));
    const SettingTables &settings = period->data->settings;
    PrintDocument doc;
    doc.PrintKind = kind;
    if (kind == PrintKind::SK) {
        const SalesTotals t = ComputeSalesTotals(period->data->records, settings.Shop.TaxRate, period->positions);
        doc.Totals = {TotalsCaption(kTotalsCaptionPrefix, period->criteria), t.ItemRows(), t.SummaryRows()};
    } else {
        const StaffCollection c =
            ComputeStaffCollection(period->data->records, settings.Shop.TaxRate, settings.StaffList, period->positions);
        doc.Collection = {TotalsCaption(kStaffCaptionPrefix, period->criteria),
                          c.Rows(),
                          c.CountText(),
                          c.WithTaxText(),
                          c.DiscountText(),
                          c.MoneyText()};
    }
    QString error;
    if (!RenderDocumentToPdf(doc, out, &error)) {
        PrintErr(error);
        return kExitFailure;
    }
    PrintOut(out);
    return kExitOk;
}

} // namespace

int RunRender(const QStringList &args)
{
    const int kindAt = int(args.indexOf(QStringLiteral("--kind")));
    if (kindAt >= 0 && kindAt + 1 < args.size()) {
        const QString kindName = args[kindAt + 1];
        if (kindName == QLatin1String("SK") || kindName == QLatin1String("SS"))
            return renderSalesSheet(args, PrintKindFromName(kindName));
    }
    QString error;
    const auto parsed = ParseArgs(
        args,
        {QStringLiteral("--kind"), QStringLiteral("--order"), QStringLiteral("--customers"), QStringLiteral("--out")},
        {}, &error);
    const PrintKind kind =
        parsed ? PrintKindFromName(parsed->values.value(QStringLiteral("--kind"), QStringLiteral("Nohin")))
               : PrintKind::None;
    const QString what = kind == PrintKind::DM ? QStringLiteral("--customers") : QStringLiteral("--order");
    if (!parsed || parsed->positional.size() != 1 || !parsed->values.contains(what) ||
        !parsed->values.contains(QStringLiteral("--out"))) {
        PrintErr(parsed ? QStringLiteral("render takes DATA_DIR --kind Nohin|Nohin2 --order KEY --out FILE, or "
                                         "DATA_DIR --kind DM --customers all|ID,ID,... --out FILE")
                        : error);
        return kExitUsage;
    }
    if (kind != PrintKind::Nohin && kind != PrintKind::Nohin2 && kind != PrintKind::DM) {
        PrintErr(QStringLiteral("--kind must be Nohin, Nohin2, DM, SK or SS"));
        return kExitUsage;
    }
    std::vector<qint32> ids;
    const QString customers = parsed->values.value(QStringLiteral("--customers"));
    const bool allCustomers = customers == QLatin1String("all");
    if (kind == PrintKind::DM && !allCustomers) {
        for (const QString &part : customers.split(QLatin1Char(','))) {
            const auto id = ParseNumber(part.trimmed(), 1, 2147483647);
            if (!id) {
                PrintErr(QStringLiteral("--customers takes all or customer numbers separated by commas"));
                return kExitUsage;
            }
            ids.push_back(qint32(*id));
        }
    }
    const QString folder = parsed->positional.front();
    const QString problem = DataFolderProblem(folder);
    if (!problem.isEmpty()) {
        PrintErr(problem);
        return kExitFailure;
    }
    // Output paths are taken relative to where the tool was started.
    const QString out = QDir::current().absoluteFilePath(parsed->values.value(QStringLiteral("--out")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    AppData data(QDir::currentPath());
    const bool opened = data.records.OpenRecordFiles() && data.records.BuildIndexes();
    LoadShopSettings(data.settings);
    QDir::setCurrent(previous);
    if (!opened) {
        PrintErr(QStringLiteral("cannot read the record files in %1").arg(folder));
        return kExitFailure;
    }
    if (kind == PrintKind::DM) {
        // "all" is every customer in file order; the index keeps that order.
        if (allCustomers) {
            for (int pos = 1; pos <= data.records.CustomerCount(); ++pos)
                ids.push_back(data.records.CustomerIndex[size_t(pos)].CustomerId);
        }
        std::vector<CustomerRecord> labels = ReadDmCustomers(data.records, ids);
        if (labels.size() != ids.size()) {
            PrintErr(QStringLiteral("some of the customers are not in %1").arg(folder));
            return kExitFailure;
        }
        PrintDocument doc = MakeDmLabelDocument(std::move(labels));
        if (!RenderDocumentToPdf(doc, out, &error)) {
            PrintErr(error);
            return kExitFailure;
        }
        PrintOut(out);
        return kExitOk;
    }
    const QString key = parsed->values.value(QStringLiteral("--order"));
    std::optional<DeliveryNoteInput> note = LoadOrderForPrint(data, key);
    if (!note) {
        PrintErr(QStringLiteral("no order %1 in %2").arg(key, folder));
        return kExitFailure;
    }
    PrintDocument doc;
    doc.PrintKind = kind;
    doc.Note = std::move(note);
    if (!RenderDocumentToPdf(doc, out, &error)) {
        PrintErr(error);
        return kExitFailure;
    }
    PrintOut(out);
    return kExitOk;
}
