#pragma once
// The two totals of the listed orders: sales by take-out and delivery with the sales of each
// menu item, and the money each delivering staff member collected. Both read the orders in list
// order and store nothing.
#include "sales/salessearch.h"

#include <QString>
#include <QStringList>

#include <vector>

class RecordStore;

struct ItemTotal {
    QString Name;
    qint64 Qty = 0;
    qint64 Price = 0; // the first occurrence's unit price
    qint64 Amount = 0;
};

// Largest amount first, by exchange: for each position every later entry with a larger amount
// is swapped into it. Gives exactly that order without comparing every pair.
void ExchangeSortByAmount(std::vector<ItemTotal> &items);

struct SalesTotals {
    qint64 TakeOutCount = 0, DeliveryCount = 0;
    qint64 TakeOutQty = 0, DeliveryQty = 0;
    qint64 TakeOutSales = 0, DeliverySales = 0;
    qint64 TakeOutTax = 0, DeliveryTax = 0;
    qint64 DiscountCount = 0, DiscountTotal = 0;
    std::vector<ItemTotal> Items; // sorted

    // The rows of the per-item list: name, quantity, unit price, amount; then, with discounts,
    // an empty row and the "割引" row.
    std::vector<QStringList> ItemRows() const;
    // The six rows of the summary list, eight columns each.
    std::vector<QStringList> SummaryRows() const;
};

// `positions` are SalesIndex positions in list order; `taxRate` is the shop's TaxRate text.
SalesTotals ComputeSalesTotals(RecordStore &records, const QString &taxRate, const std::vector<int> &positions);

struct StaffTotal {
    QString Name;
    qint64 Count = 0;
    qint64 WithTax = 0;
    qint64 Discount = 0;
};

struct StaffCollection {
    std::vector<StaffTotal> Staff; // "未記入" first, then the staff list in its order
    StaffTotal Total;
    std::vector<QStringList> Rows() const;
    QString CountText() const;
    QString WithTaxText() const;
    QString DiscountText() const;
    QString MoneyText() const;
};

// `staffList` is the 1-based staff table (element 0 unused).
StaffCollection ComputeStaffCollection(RecordStore &records, const QString &taxRate, const QStringList &staffList,
                                       const std::vector<int> &positions);

// "売上集計 [ 2004/01/01 ～ 2004/01/31 00:00-23:59 ]" and the like.
QString TotalsCaption(const QString &prefix, const SearchCriteria &criteria);
inline const QString kTotalsCaptionPrefix = QStringLiteral("売上集計 [ ");
inline const QString kStaffCaptionPrefix = QStringLiteral("スタッフ別集金集計 [ ");
