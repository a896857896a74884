#include "store/ui/listsort.h"

#include "store/helpers.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

void SortListByColumn(QTreeWidget *list, int column, SortKind kind, SortOrder order)
{
    if (!list || column < 1 || column > list->columnCount())
        return;
    const int index = column - 1;
    // The view's own sorting would undo ours as soon as rows are put back. Turning it off also
    // makes the headers unclickable and hides the indicator: both are put back, or a list
    // sorted by a header click could never be sorted again.
    QHeaderView *header = list->header();
    const bool clickable = header->sectionsClickable();
    const bool indicator = header->isSortIndicatorShown();
    list->setSortingEnabled(false);
    header->setSectionsClickable(clickable);
    header->setSortIndicatorShown(indicator);

    QTreeWidgetItem *current = list->currentItem();
    const QList<QTreeWidgetItem *> selected = list->selectedItems();

    std::vector<QTreeWidgetItem *> rows;
    rows.reserve(list->topLevelItemCount());
    while (list->topLevelItemCount() > 0)
        rows.push_back(list->takeTopLevelItem(0));

    std::stable_sort(rows.begin(), rows.end(), [&](QTreeWidgetItem *x, QTreeWidgetItem *y) {
        const int r = CompareByKind(x->text(index), y->text(index), kind);
        return order == SortOrder::Descending ? r > 0 : r < 0;
    });

    for (QTreeWidgetItem *row : rows)
        list->addTopLevelItem(row);
    if (current)
        list->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem *row : selected)
        row->setSelected(true);
    if (current)
        list->scrollToItem(current);
}
