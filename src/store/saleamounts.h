#pragma once
// Amounts of one order and the customer's loyalty points: the arithmetic every reader of a sale
// shares (order windows, the board, printed notes). All amounts are whole yen; tax and point
// arithmetic is done in doubles and brought back to whole numbers (half to even).
#include "store/records.h"
#include "store/settingtables.h"

#include <QDate>
#include <QString>

#include <vector>

// Sums and products of amounts stop at the largest (smallest) whole number instead of wrapping
// round: a damaged order on file must not turn a huge bill into a negative one.
qint64 SaturatingAdd(qint64 a, qint64 b);
qint64 SaturatingMul(qint64 a, qint64 b);

// One line of an order window: the four values it carries.
struct OrderLine {
    QString MenuName;
    QString Option;       // "（なし）" = none
    qint64 UnitPrice = 0; // yen
    qint64 Qty = 0;
    qint64 Amount() const { return SaturatingMul(UnitPrice, Qty); }
};

inline const QString kNoOption = QStringLiteral("（なし）");

// The point service as the shop set it. `usable` is false when the service is off or any of its
// numbers is not a whole number of at least 1: then no point operation changes anything.
struct PointRules {
    bool usable = false;
    double YenUnit = 0;
    double PerUnit = 0;
    double Step = 0;
    double StepYen = 0;
    int ValidMonths = 0;
    static PointRules FromShop(const ShopSettings &shop);
};

struct OrderTotals {
    qint64 Subtotal = 0; // items subtotal (the delivery fee is an ordinary line)
    qint64 Tax = 0;
    qint64 Total = 0;
    qint64 QtyCount = 0;
};

// floor(TaxRate x subtotal / 100); a TaxRate that is not a number counts as 0.
qint64 ComputeTax(qint64 subtotal, const QString &taxRate);
OrderTotals ComputeTotals(const std::vector<OrderLine> &lines, const QString &taxRate);

// The amounts of a stored sale, recomputed with the tax rate in force.
struct SaleAmounts {
    qint64 Subtotal = 0;
    qint64 Tax = 0;
    qint64 Total = 0;
    qint64 Discount = 0; // ServiceDiscount + PointDiscount, zero or negative
    qint64 Billed = 0;
    qint64 PointsBase = 0; // subtotal + both discounts, tax excluded
};
SaleAmounts AmountsFromSale(const SalesRecord &sale, const QString &taxRate);
std::vector<OrderLine> LinesFromSale(const SalesRecord &sale);

// The point ledger. Each does nothing when the rules are unusable or the balance is negative.
void ExpirePoints(CustomerRecord &customer, const PointRules &rules, const QDate &today);
void CommitPoints(const SalesRecord &sale, CustomerRecord &customer, const PointRules &rules);
void ReverseEarnedPoints(const SalesRecord &sale, CustomerRecord &customer, const PointRules &rules);
void ReverseSpentPoints(const SalesRecord &sale, CustomerRecord &customer, const PointRules &rules);
qint64 PointsEarnedByOrder(const SalesRecord &sale, const PointRules &rules);

// Half-to-even conversion of a double to a whole number; beyond the range of qint64 the nearest
// end of it, and 0 for NaN.
qint64 RoundHalfEven(double value);
// A number typed in a shop setting or an amount box ("1,200" reads as 1200); 0 and ok = false
// when it is not one.
double AmountNumber(const QString &text, bool *ok = nullptr);
