#pragma once
// Entry points of the order windows: preview or print the delivery note of the order in the
// shared buffers (CurrentSale, CurrentCustomer).
#include "printing/printkind.h"

class QWidget;
struct AppData;

// Opens the preview as a modal window.
void PreviewDeliveryNote(AppData &data, PrintKind kind, QWidget *parent);
// Prints as the preference PRINT says: straight to the current printer, or through the dialog.
void PrintDeliveryNote(AppData &data, PrintKind kind, QWidget *parent);
