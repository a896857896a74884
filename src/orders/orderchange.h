#pragma once
// Changing a stored order: its items and pricing fields are replaced, everything about its
// progress stays; the customer's points are taken back while the order is open and credited
// again for the order as it ends up.
#include "orders/pricing.h"
#include "store/storedorder.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

struct AppData;

struct OrderChangeInput {
    std::vector<OrderLine> Lines;            // at most 20
    QString Staff;                           // the receiving staff chosen
    QString DeliverTo;                       // the delivery-place text
    std::optional<QDateTime> DesignatedTime; // when a time was requested
    qint16 ServiceDiscount = 0;
    qint32 PointDiscount = 0; // zero or negative
};

// Replaces the items, discounts, requested time, staff and delivery place of `sale`; the order
// number, times, status and the other staff keep their values.
void ApplyOrderChange(SalesRecord &sale, const OrderChangeInput &in);

// On opening: the points the order spent and earned go back to its customer (in memory), so
// the window works with the balance before this order.
void ReverseOrderPoints(const AppData &data, StoredOrder &order);
// Stores the changed order at `salePos` and, with it in one step, the customer's points moved
// from the order as it was opened to the order as changed: a stop can never leave the order
// changed with the points of its old version. False (nothing about the customer written) when
// the order could not be written.
bool StoreOrderChange(AppData &data, int salePos, const SalesRecord &asOpened, const SalesRecord &changed);
// On closing: the customer is read again by its id, the points of the order as it was opened
// are taken back and those of the order as it now stands credited, and the customer is written
// (its error box shown when the customer is no longer on file).
void CommitOrderChangePoints(AppData &data, const SalesRecord &asOpened, const SalesRecord &asStored,
                             qint32 customerId);
