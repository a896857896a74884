#pragma once
// The sales charts' own copy of the sales file, taken when the window opens: the orders the
// index would hold (Status 0 or more, OrderNo not 0), in file order, with only what the charts
// read. Item names are kept once per distinct name; an order's lines point at them.
#include "store/recordstore.h"

#include <QString>

#include <array>
#include <vector>

struct ChartLine {
    quint32 NameId = 0; // into SalesCopy::Names
    qint32 Qty = 0;
    qint64 Amount = 0; // yen, quantity x unit price
};

struct ChartSale {
    std::array<char, 8> OrderDate{};
    qint32 CustomerId = 0;
    qint32 DoneKey = -1;     // DoneTime as hhnnss, "000000" read as 350000; -1 when it is no date
    qint8 OrderDay = -1;     // day of the month of OrderTime, -1 when it is no date
    qint8 OrderWeekday = -1; // 0 Sunday .. 6 Saturday
    qint8 OrderHour = -1;
    qint64 Amount = 0; // yen, the counted lines
    quint32 FirstLine = 0;
    quint16 LineCount = 0;

    int Month() const; // characters 5-6 of OrderDate, 0 when they are no month
};

struct SalesCopy {
    std::vector<ChartSale> Sales;
    std::vector<ChartLine> Lines;
    std::vector<QString> Names; // trimmed item names
};

// Reads `path` in large blocks. `progress` gets (records kept, records in the file) as it goes
// and (0, records in the file) at the end. A file that cannot be read gives an empty copy and
// `ok` false.
SalesCopy LoadSalesCopy(const QString &path, const ProgressFn &progress = {}, bool *ok = nullptr);

// The parts of an OLE date the charts use, computed without building date objects.
struct ChartMoment {
    bool valid = false;
    int day = 0, weekday = 0, hour = 0, minute = 0, second = 0;
};
// `cachedWhole`/`cachedDay` remember the day of the month of the last whole day looked up.
ChartMoment ChartMomentOf(double oleDate, qint64 *cachedWhole = nullptr, int *cachedDay = nullptr);
// Adds without wrapping round: sums of absurd amounts stop at the largest value.
qint64 ChartAdd(qint64 a, qint64 b);
