#include "sales/ui/totalslists.h"

#include "platform/ui/widgetnaming.h"
#include "store/ui/listsort.h"

#include <QHeaderView>
#include <QTreeWidget>

QTreeWidget *TotalsList(QWidget *parent, const char *name, const QString &spoken, const QStringList &headers,
                        const std::vector<Qt::Alignment> &alignments)
{
    auto *list = named(new QTreeWidget(parent), name, spoken);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(headers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int c = 0; c < headers.size(); ++c)
        list->headerItem()->setTextAlignment(c, alignments[size_t(c)] | Qt::AlignVCenter);
    list->header()->setSectionsClickable(true);
    // Columns share the width, so the amounts stay beside their captions on a wide window.
    list->header()->setSectionResizeMode(QHeaderView::Stretch);
    list->header()->setMinimumSectionSize(60);
    return list;
}

void FillTotalsList(QTreeWidget *list, const std::vector<QStringList> &rows,
                    const std::vector<Qt::Alignment> &alignments)
{
    list->clear();
    QList<QTreeWidgetItem *> items;
    for (const QStringList &row : rows) {
        auto *item = new QTreeWidgetItem(row);
        for (int c = 0; c < row.size(); ++c)
            item->setTextAlignment(c, alignments[size_t(c)] | Qt::AlignVCenter);
        items << item;
    }
    list->addTopLevelItems(items);
}

std::vector<QStringList> TotalsListRows(const QTreeWidget *list)
{
    std::vector<QStringList> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        QStringList row;
        for (int c = 0; c < list->columnCount(); ++c)
            row << item->text(c);
        rows.push_back(row);
    }
    return rows;
}

void SortTotalsList(QTreeWidget *list, int column, int &lastColumn, bool &descending)
{
    descending = column == lastColumn ? !descending : false;
    lastColumn = column;
    SortListByColumn(list, column + 1, column == 0 ? SortKind::Text : SortKind::Number,
                     descending ? SortOrder::Descending : SortOrder::Ascending);
}
