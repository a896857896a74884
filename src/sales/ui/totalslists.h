#pragma once
// Pieces the two totals windows share: their read-only lists and the rows as shown.
#include <QStringList>

#include <vector>

class QTreeWidget;
class QWidget;

// A report list with these headers; `alignments` per column.
QTreeWidget *TotalsList(QWidget *parent, const char *name, const QString &spoken, const QStringList &headers,
                        const std::vector<Qt::Alignment> &alignments);
void FillTotalsList(QTreeWidget *list, const std::vector<QStringList> &rows,
                    const std::vector<Qt::Alignment> &alignments);
std::vector<QStringList> TotalsListRows(const QTreeWidget *list);
// A header click: the first column sorts as text, the others as numbers; the same column again
// reverses.
void SortTotalsList(QTreeWidget *list, int column, int &lastColumn, bool &descending);
