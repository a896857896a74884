#pragma once
// Customer analysis: how the customers on file divide up by area, by motive and by number of
// orders, as pies of head counts. Every share is a share of all customers in the copy.
#include "sales/chartformat.h"
#include "store/recordstore.h"

#include <functional>
#include <vector>

// The analysis window's own copy of the customer file: the live customers, in file order.
struct CustomerCopyEntry {
    QString Zip; // trimmed
    qint16 Motive = -1;
    qint16 UseCount = 0;
};
using CustomerCopy = std::vector<CustomerCopyEntry>;

// `progress` gets (customers copied, records in the file) as it goes and (0, records) at the
// end. An unreadable file gives what was copied before the failure and `ok` false.
CustomerCopy LoadCustomerCopy(const QString &path, const ProgressFn &progress = {}, bool *ok = nullptr);

enum class CustomerChartKind { Area, Motive, OrderCount };
// "地域", "利用動機", "注文回数".
QStringList CustomerChartKindNames();

// `areaName` names a postal code (the postal-code database); `motives` is the fixed motive list.
ChartDrawing DrawCustomerChart(const CustomerCopy &copy, CustomerChartKind kind,
                               const std::function<QString(const QString &)> &areaName, const QStringList &motives);
