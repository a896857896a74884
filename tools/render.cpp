// render: a delivery note of one stored order, or the address labels of chosen customers, as a
// PDF file.
#include "admin.h"

#include "directmail/dmexport.h"
#include "directmail/dmlabels.h"

#include "printing/orderprint.h"
#include "printing/pdfrender.h"
#include "printing/printkind.h"
#include "store/appdata.h"
#include "store/datastats.h"
#include "store/settingfiles.h"

#include <QDir>

int RunRender(const QStringList &args)
{
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
        PrintErr(QStringLiteral("--kind must be Nohin, Nohin2 or DM"));
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
