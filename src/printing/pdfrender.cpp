#include "printing/pdfrender.h"

#include "printing/pagepicture.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

bool RenderDocumentToPdf(PrintDocument &doc, const QString &path, QString *error)
{
    const QSizeF sheet = PrinterSheetSize(doc.PrintKind);
    const int w = qRound(sheet.width()), h = qRound(sheet.height());
    auto first = BuildPagePicture(doc, w, h, 1);
    const int pages = qMax(1, int(doc.PageCount));

    // Written beside the target and renamed, so a failed run never leaves half a file.
    const QString temp = path + QStringLiteral(".part");
    bool ok = false;
    {
        QPdfWriter writer(temp);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Soranowa"));
        writer.setPageSize(QPageSize(sheet, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QPainter painter;
        if (painter.begin(&writer)) {
            ok = PlayPagePicture(painter, first.get(), 100);
            for (int page = 2; ok && page <= pages; ++page) {
                auto picture = BuildPagePicture(doc, w, h, page);
                ok = writer.newPage() && PlayPagePicture(painter, picture.get(), 100);
            }
            ok = painter.end() && ok;
        }
    }
    if (ok) {
        QFile::remove(path);
        ok = QFile::rename(temp, path);
    }
    if (!ok) {
        QFile::remove(temp);
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
    }
    return ok;
}
