#pragma once
// The caller card of the order window: a known caller's last completed orders, and the lines of
// the last one offered again for a new order ("前回と同じ").
#include "store/records.h"
#include "store/saleamounts.h"
#include "store/settingtables.h"

#include <QString>

#include <vector>

class RecordStore;

constexpr int kCallerCardOrders = 3;

// SalesIndex positions of the customer's last `count` completed orders, newest first. The index
// is in the order the sales were taken, so the search walks back from its end and stops as
// soon as it has found them.
std::vector<int> LastCompletedSalePositions(const RecordStore &records, qint32 customerId,
                                            int count = kCallerCardOrders);

struct CardOrder {
    QString Date;  // "yyyy/mm/dd"
    QString Items; // "ｶﾚｰﾗｲｽ×2、ﾗｰﾒﾝ（大盛り）"
    qint64 Billed = 0;
    SalesRecord Sale;
};
// The card's rows, newest first. A sale that cannot be read is left out (its error box shown).
std::vector<CardOrder> CallerCardOrders(RecordStore &records, qint32 customerId, const QString &taxRate);

// One line of an order taken again: at today's catalogue price when the menu still has the
// item; otherwise at the old price and marked as no longer in the menu.
struct RepeatLine {
    OrderLine Line;
    bool Gone = false;
};
std::vector<RepeatLine> RepeatLinesFrom(const SalesRecord &sale, const std::vector<MenuEntry> &menuTable);
