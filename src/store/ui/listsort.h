#pragma once
// Reorders the rows of a report-style list by the text of one column.
#include "store/sortkind.h"

class QTreeWidget;

// column is 1-based. The selection and the current row are kept.
void SortListByColumn(QTreeWidget *list, int column, SortKind kind, SortOrder order);
