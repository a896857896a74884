#pragma once
// Confirming an order: the new sale is numbered and stored, the customer's use dates, visit
// count and points follow, and a delivery place typed for this order joins the list.
#include "orders/ordercustomer.h"
#include "orders/pricing.h"
#include "store/storedorder.h"
#include "store/progressmode.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

struct AppData;

struct OrderCommitInput {
    std::vector<OrderLine> Lines;
    QString Staff;                           // the receiving staff chosen
    QString DeliverTo;                       // the delivery-place text ("（なし）" = none)
    std::optional<QDateTime> DesignatedTime; // when a time was requested
    qint16 ServiceDiscount = 0;              // the number entered when the discount is ticked, else 0
    qint64 PointDiscountYen = 0;             // the value of the point discount when it is on, else 0
    ::ProgressMode ProgressMode = ::ProgressMode::Normal;
};

// Order numbers are 16-bit and restart every day; this is the last one a day can give out.
constexpr qint16 kMaxOrderNoPerDay = 32767;

// The order number the next order of today gets; nullopt when the day's numbers are used up.
std::optional<qint16> NextOrderNoToday(const AppData &data);

// Stores the order for the customer the order window holds (the discount checks at
// confirmation have passed). The customer is read again by its id just before, so points or
// counts another window changed meanwhile are kept. Returns the stored order with its customer
// as written, or nullopt when nothing was stored: the day's order numbers are used up, the
// customer is not on file, there are more lines than an order holds (each shown as a warning),
// or a record file refused (its error box shown). The sale is written before the customer, so
// a failed write never credits points for an order that does not exist.
std::optional<StoredOrder> CommitOrder(AppData &data, const OrderCommitInput &input, const CustomerRecord &customer);

// Appends a delivery place that is not in the list yet (and is not "（なし）" or empty).
// The order window offers entries only up to the first empty one, so a new place takes the
// first empty entry instead of going after it where it would never be offered.
void RememberDeliveryPlace(QStringList &deliverToList, const QString &place);
