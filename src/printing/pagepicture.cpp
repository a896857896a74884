#include "printing/pagepicture.h"

#include "platform/clock.h"
#include "printing/deliverynote.h"
#include "printing/pagesurface.h"
#include "printing/salessheets.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace
{

void drawPage(PrintDocument &doc, PageSurface &s, int page)
{
    const PrintKind kind = doc.PrintKind;
    if (kind == PrintKind::Nohin || kind == PrintKind::Nohin2) {
        doc.PageCount = doc.CurrentPage = 1;
        if (!doc.Note)
            return;
        const DeliveryNoteInput &n = *doc.Note;
        if (kind == PrintKind::Nohin)
            DrawDeliveryNote(s, n.Sale, n.Customer, n.Shop, Clock::Now());
        else
            DrawDeliveryNote3(s, n.Sale, n.Customer, n.Shop, Clock::Now());
        return;
    }
    int count = 0;
    if (kind == PrintKind::SK)
        count = DrawTotalsSheet(s, doc.Totals, page);
    else if (kind == PrintKind::SS)
        count = DrawCollectionSheet(s, doc.Collection, page);
    else if (kind == PrintKind::DM && doc.DrawLabels)
        count = doc.DrawLabels(s, page);
    else
        return;
    doc.PageCount = qint16(qBound(1, count, 32767));
    doc.CurrentPage = qint16(qBound(1, page, int(doc.PageCount)));
}

} // namespace

std::unique_ptr<PagePicture> BuildPagePicture(PrintDocument &doc, int widthMm, int heightMm, int page)
{
    auto out = std::make_unique<PagePicture>();
    out->Frame = QSize(widthMm * 100, heightMm * 100);
    QPicture &pic = out->Picture;
    const double dpiX = pic.logicalDpiX(), dpiY = pic.logicalDpiY();
    pic.setBoundingRect(QRect(0, 0, qRound(widthMm * dpiX / 25.4), qRound(heightMm * dpiY / 25.4)));
    QPainter painter(&pic);
    // Nothing drawn outside the sheet.
    painter.setClipRect(pic.boundingRect());
    {
        PageSurface surface(painter, dpiX, dpiY);
        drawPage(doc, surface, page);
    }
    painter.end();
    return out;
}

bool PlayPagePicture(QPainter &painter, const PagePicture *picture, double zoomPercent)
{
    if (!picture || picture->Picture.isNull() || !painter.isActive())
        return false;
    painter.save();
    painter.scale(zoomPercent / 100.0, zoomPercent / 100.0);
    painter.drawPicture(0, 0, picture->Picture);
    painter.restore();
    return true;
}

bool PlayPagePicture(QPagedPaintDevice &printer, const PagePicture *picture, double zoomPercent)
{
    if (!picture || picture->Picture.isNull())
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool ok = PlayPagePicture(painter, picture, zoomPercent);
    return painter.end() && ok;
}
