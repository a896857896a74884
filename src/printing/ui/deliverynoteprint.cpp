#include "printing/ui/deliverynoteprint.h"

#include "printing/printdocument.h"
#include "printing/ui/frmPreview.h"

void PreviewDeliveryNote(AppData &data, PrintKind kind, QWidget *parent)
{
    PrintDocument doc;
    doc.PrintKind = kind;
    doc.Data = &data;
    frmPreview preview(doc, parent);
    preview.exec();
}

void PrintDeliveryNote(AppData &data, PrintKind kind, QWidget *parent)
{
    PrintDocument doc;
    doc.PrintKind = kind;
    doc.Data = &data;
    // Loaded without being shown: builds the page, then prints.
    frmPreview preview(doc, parent);
    preview.GoPrint();
}
