#pragma once
// Address labels on A4 label sheets, three across, as many rows as the paper settings say.
#include "printing/printdocument.h"
#include "store/records.h"

#include <vector>

class PageSurface;

// The label sheet of the PAPER preferences, in millimetres.
struct DmLabelSheet {
    double up = 23.5, left = 7, width = 64, height = 33.9;
    int rows = 7;
    int perPage() const { return 3 * rows; }
};
constexpr int kDmLabelColumns = 3;
// Read anew for each page, so a change in the paper window applies to the next print.
DmLabelSheet CurrentDmLabelSheet();

// The lines of one label: "〒123-4567", city and 番地, "　" and the building, an empty line, the
// name and "　様".
QString DmLabelText(const CustomerRecord &customer);

// Draws page `page` (from 1) of the labels and returns the number of pages.
int DrawDmLabelPage(PageSurface &surface, const std::vector<CustomerRecord> &labels, int page);

// A document of print kind DM holding these labels.
PrintDocument MakeDmLabelDocument(std::vector<CustomerRecord> labels);
