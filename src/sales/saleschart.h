#pragma once
// The six sales charts drawn from the charts' copy of the sales file: by month, day of the
// month, weekday and hour (bars, this year against the year before where the kind compares),
// and by item and area (pies of this year).
#include "sales/chartcriteria.h"
#include "sales/chartformat.h"
#include "sales/salescopy.h"

#include <functional>
#include <optional>

enum class SalesChartKind { Month, Day, Weekday, Hour, Item, Area };
// "月別売上" .. "地域別売上", in the order of the kind list.
QStringList SalesChartKindNames();

// What the area chart needs to know of the customers: the postal code of a customer number
// (nullopt when the customer is no longer on file) and the area name of a postal code.
struct ChartAreaSource {
    std::function<std::optional<QString>(qint32 customerId)> ZipOf;
    std::function<QString(const QString &zip)> NameOf;
};

struct SalesChartCriteria {
    ChartPeriods Periods;
    ChartTimeRange Time;
};

ChartDrawing DrawSalesChart(const SalesCopy &copy, SalesChartKind kind, const SalesChartCriteria &criteria,
                            const ChartAreaSource &areas = {});
