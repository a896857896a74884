#pragma once
// The detail window's order history: a customer's completed orders with their item counts and
// item totals, and the lines of one order with its discounts.
#include "store/records.h"
#include "store/sortkind.h"

#include <QString>

#include <vector>

class RecordStore;

struct OrderHistoryRow {
    int SalePos = 0; // SalesIndex position
    QString When;    // "yyyy/mm/dd hh:nn （月）"
    qint64 ItemCount = 0;
    qint64 Total = 0;  // yen: quantity x unit price over the lines, without discounts, fee rules or tax
    QString TotalText; // "¥1,234"; "¥" for 0
};

// Completed orders (status 0) of the customer, in index order. A sale that cannot be read has
// shown its error box and ends the list there.
std::vector<OrderHistoryRow> CompletedOrdersOf(RecordStore &records, qint32 customerId);
OrderHistoryRow HistoryRowOf(const SalesRecord &sale, int salePos);

struct OrderHistoryLine {
    QString Text; // menu name, with "（option）" unless the option is "（なし）"
    qint64 Qty = 0;
    QString PriceText; // "¥650", "¥0", "-¥100"
    bool Discount = false;
};
// The lines of one order, then "サービス割引" and "ポイント割引" rows for the discounts it has.
std::vector<OrderHistoryLine> OrderHistoryLines(const SalesRecord &sale);

// "yyyy/mm/dd hh:nn （aaa）", aaa being the one-character weekday.
QString OrderTimeText(double orderTime);

// How each column of the two lists compares (0-based column).
SortKind HistoryColumnKind(int column);
