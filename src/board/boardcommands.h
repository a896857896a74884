#pragma once
// The order board's commands that need no screen: cancelling an order, the web map, the
// print-target check and the remembered sort order.
#include "printing/printkind.h"
#include "store/sortkind.h"

#include <QString>

struct AppData;

// Cancels the order with `key` after asking (title "注文の取消確認"). On Yes the points the
// order spent are given back and those it earned taken back (when the point service is on and
// the customer's balance is not negative), the order is deleted and the customer's use dates and
// count are recounted. Returns true when the order was deleted.
bool CancelOrder(AppData &data, const QString &key, const QString &customerName);

// Opens the web map of a postal code; an empty code is refused with a warning.
void OpenMapForZip(const QString &zip);

// Preview and print need a listed order; false after the warning when there is none.
bool CheckPrintTarget(int listedRows);

// The board's sort column (0-based, -1 = unsorted) and direction.
struct BoardSort {
    int Column = -1;
    SortOrder Order = SortOrder::Ascending;
    // From "SET" / "SORTKEY" and "SORT_AZ".
    static BoardSort FromPrefs();
    // A header click: a new column sorts ascending, the same column flips; saved at once.
    void Click(int column);
};
