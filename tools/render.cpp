// render: a delivery note of one stored order as a PDF file.
#include "admin.h"

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
    const auto parsed =
        ParseArgs(args, {QStringLiteral("--kind"), QStringLiteral("--order"), QStringLiteral("--out")}, {}, &error);
    if (!parsed || parsed->positional.size() != 1 || !parsed->values.contains(QStringLiteral("--order")) ||
        !parsed->values.contains(QStringLiteral("--out"))) {
        PrintErr(parsed ? QStringLiteral("render takes DATA_DIR --kind KIND --order KEY --out FILE") : error);
        return kExitUsage;
    }
    const PrintKind kind = PrintKindFromName(parsed->values.value(QStringLiteral("--kind"), QStringLiteral("Nohin")));
    if (kind != PrintKind::Nohin && kind != PrintKind::Nohin2) {
        PrintErr(QStringLiteral("--kind must be Nohin or Nohin2"));
        return kExitUsage;
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
