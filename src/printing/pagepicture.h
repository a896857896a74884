#pragma once
// The page mechanism: one page of a document recorded as a vector picture in millimetres, then
// played on the screen (preview) or on a printer at its true size.
#include "printing/printdocument.h"

#include <QPicture>
#include <QSize>

#include <memory>

class QPainter;
class QPagedPaintDevice;

struct PagePicture {
    QPicture Picture;
    QSize Frame; // sheet size in 0.01 mm
};

// Records page `page` of `doc` on a sheet of widthMm x heightMm. The drawing of the print kind
// sets doc.PageCount and doc.CurrentPage; an unknown kind leaves the page empty.
std::unique_ptr<PagePicture> BuildPagePicture(PrintDocument &doc, int widthMm, int heightMm, int page);

// Plays the picture with its top-left corner at the painter's origin; zoom 100 is true size.
// False, with nothing drawn, when there is no recorded picture.
bool PlayPagePicture(QPainter &painter, const PagePicture *picture, double zoomPercent);
// Plays the picture as a document of its own on a printer (or PDF writer): begins the document,
// draws the page, ends the document. False when the device cannot be drawn on.
bool PlayPagePicture(QPagedPaintDevice &printer, const PagePicture *picture, double zoomPercent);
