#pragma once
// Order lines held in a list view (lsvMenu): column 0 the line text with the "menu" icon,
// column 1 the quantity, column 2 the unit price as "¥1,200"; the four values ride on column 0.
#include "orders/orderlines.h"

#include <QTreeWidget>

#include <vector>

namespace OrderLineList
{
// Sets up the three columns and their captions ("注文品目", "数量", "単価").
void Configure(QTreeWidget *list);
// Writes a line into an item (text, quantity, formatted price, the four values).
void SetLine(QTreeWidgetItem *item, const OrderLine &line);
OrderLine LineOf(const QTreeWidgetItem *item);
std::vector<OrderLine> Lines(const QTreeWidget *list);
// The first item whose line text equals `text`, or nullptr.
QTreeWidgetItem *FindByText(const QTreeWidget *list, const QString &text);
// Adds a line, or merges it into the line with the same text: the quantity grows by the
// line's quantity and the unit price becomes the line's. Returns the item, selected.
QTreeWidgetItem *AddOrMerge(QTreeWidget *list, const OrderLine &line);
// Always a new line (the delivery fee is never merged). Returns the item, selected.
QTreeWidgetItem *Append(QTreeWidget *list, const OrderLine &line);
} // namespace OrderLineList
