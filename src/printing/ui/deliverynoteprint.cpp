#include "printing/ui/deliverynoteprint.h"

#include "printing/ui/frmPreview.h"

void PreviewDeliveryNote(const DeliveryNoteInput &note, PrintKind kind, QWidget *parent)
{
    PrintDocument doc;
    doc.PrintKind = kind;
    doc.Note = note;
    frmPreview preview(doc, parent);
    preview.exec();
}

void PrintDeliveryNote(const DeliveryNoteInput &note, PrintKind kind, QWidget *parent)
{
    PrintDocument doc;
    doc.PrintKind = kind;
    doc.Note = note;
    // Loaded without being shown: builds the page, then prints.
    frmPreview preview(doc, parent);
    preview.GoPrint();
}
