#pragma once
// Changing a stored order: its items and pricing fields are replaced, everything about its
// progress stays; the customer's points are taken back while the order is open and credited
// again for the order as it ends up.
#include "orders/pricing.h"

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

// True when CurrentCustomer is the customer record at CurrentCustomerPos (the order's customer
// may have been deleted, leaving another customer's data in the buffer).
bool OrderCustomerLoaded(const AppData &data);

// On opening: the points CurrentSale spent and earned go back to CurrentCustomer (in memory).
void ReverseOrderPoints(AppData &data);
// On closing: points for CurrentSale as it now stands, then the customer record is written
// (its error box shown when the customer is no longer on file). Another customer's record left
// in the buffer is never written over.
void CommitOrderChangePoints(AppData &data);
