#pragma once
// The two sheets of the sales totals: the item totals ("SK") and the staff collection ("SS").
#include "printing/printdocument.h"

class PageSurface;

constexpr int kTotalsItemsPerPage = 92;
constexpr int kCollectionRowsPerPage = 24;

// Draw page `page` (1-based) and return the page count (at least 1).
int DrawTotalsSheet(PageSurface &s, const TotalsSheetInput &in, int page);
int DrawCollectionSheet(PageSurface &s, const CollectionSheetInput &in, int page);
