#pragma once
// Entry points of the order windows and the board: preview or print the delivery note of one
// order.
#include "printing/printdocument.h"
#include "printing/printkind.h"

class QWidget;

// Opens the preview as a modal window.
void PreviewDeliveryNote(const DeliveryNoteInput &note, PrintKind kind, QWidget *parent);
// Prints as the preference PRINT says: straight to the current printer, or through the dialog.
void PrintDeliveryNote(const DeliveryNoteInput &note, PrintKind kind, QWidget *parent);
