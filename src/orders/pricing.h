#pragma once
// What the order windows add to the amount rules: the discounts typed or chosen there, checked
// and warned about, and the points a discount may redeem.
#include "store/saleamounts.h"

#include <QString>
#include <QStringList>

#include <vector>

// Service discount typed in the order windows.
enum class ServiceDiscountCheck { Ok, NotNumeric, NotNegative, TooLarge };
ServiceDiscountCheck CheckServiceDiscount(const QString &text);
// Shows the warning that belongs to a refused value (nothing for Ok).
void ShowServiceDiscountWarning(ServiceDiscountCheck result);
QStringList ServiceDiscountChoices();

// Wari_view: the point-discount button is usable.
bool PointDiscountAvailable(int lineCount, const PointRules &rules, qint32 points);
qint64 PointsToRedeem(const std::vector<OrderLine> &lines, qint32 points, const PointRules &rules);
qint64 PointDiscountYen(const std::vector<OrderLine> &lines, qint32 points, const PointRules &rules);
// The box shown when a point discount would be worth nothing.
void ShowNoPointsWarning(qint32 points);

// Checks at confirmation. Shows the box of a refusal and returns false.
enum class DiscountConfirmCheck { Ok, ServiceMissing, TooLarge };
DiscountConfirmCheck CheckDiscountsAtConfirm(bool serviceTicked, const QString &serviceText, bool pointOn,
                                             qint64 pointDiscountYen, qint64 subtotal);
void ShowDiscountConfirmWarning(DiscountConfirmCheck result);
