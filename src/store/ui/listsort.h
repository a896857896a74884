#pragma once
// Reorders the rows of a report-style list by the text of one column.
class QTreeWidget;

// column is 1-based; kind 0 text, 1 number (yen sign and thousands separators allowed),
// 2 date ("yyyy/mm/dd" or "yyyy/mm/dd hh:nn"); order 0 ascending, 1 descending.
// The selection and the current row are kept.
void SortListByColumn(QTreeWidget *list, int column, int kind, int order);
