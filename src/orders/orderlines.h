#pragma once
// The order lines of the order windows: the text shown and the four values each line carries
// (menu name, option, unit price, quantity, joined by TAB).
#include "orders/pricing.h"

#include <QString>

constexpr int kMaxLinesPerOrder = 20;

// The menu name alone when there is no option, otherwise name + "（" + option + "）".
QString LineText(const QString &menuName, const QString &option);
QString LineText(const OrderLine &line);
QString LineValues(const OrderLine &line);
// Reads the four values back; missing or damaged numbers read as 0.
OrderLine ParseLineValues(const QString &values);

// "20品目以上は登録できません。" with its title, shown by every adding path at the limit.
void ShowLineLimitWarning();
