#pragma once
// The sales search: which delivered orders of a period (and of a time of day, and of one
// customer) are listed, and what the list, the line list and the progress list show of them.
#include "store/records.h"
#include "store/sortkind.h"

#include <QDate>
#include <QHash>
#include <QTime>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class RecordStore;

// What the last search looked for. Dates "yyyymmdd", times "hhnnss"; compared as text.
struct SearchCriteria {
    QString Start;
    QString End;
    QString TimeStart = QStringLiteral("000000");
    QString TimeEnd = QStringLiteral("235959");
    QString CustomerId; // empty: every customer
    int Tab = 0;        // the criteria tab used: 0 months, 1 period, 2 one day
};

// Month tab: from the first ticked month to the end of the run of ticked months that follows it
// (January when none is ticked). `ticked[0]` is January.
void MonthPeriod(int year, const std::array<bool, 12> &ticked, QString *start, QString *end);
// The slot's start and end of a time picker as "hhnn00".
QString SlotTimeText(const QTime &time);

// The delivery time of day "hhnnss" of a DoneTime; a time of day of midnight, which the unset
// value 1.0 has, reads "350000" so that it lies after every searched slot.
QString DoneTimeKey(double doneTime);

// One row of the order list.
struct SalesRow {
    int Pos = 0;       // SalesIndex position
    QString OrderTime; // "yyyy/mm/dd hh:nn"
    QString Name;      // NameKana, or "削除"
    QString Tel;       // or "------------"
    const QString &Column(int column) const { return column == 0 ? OrderTime : (column == 1 ? Name : Tel); }
};

// "yyyy/mm/dd hh:nn" of a stored date; "" when it is not a date.
QString SalesRowTimeText(double value);

// The first CustomerIndex position of each customer number, as FindCustomerPos finds it.
QHash<qint32, int> FirstCustomerPositions(const RecordStore &records);

// Every SalesIndex entry matching the criteria, in index order, each order read from the file.
std::vector<SalesRow> SearchSales(RecordStore &records, const SearchCriteria &criteria);
// Stable sort by one column's text (0 order time, 1 name, 2 phone).
void SortSalesRows(std::vector<SalesRow> &rows, int column, SortOrder order);
// The SalesIndex positions of the rows, in list order.
std::vector<int> RowPositions(const std::vector<SalesRow> &rows);

// What the line list and the progress list show of one order.
struct SaleDetailView {
    std::vector<QStringList> Lines;    // name (with option), quantity, unit price; discounts after
    std::vector<QStringList> Progress; // step, "mm/dd hh:nn" or "----------", staff
    qint64 LineTotal = 0;
    QString TotalText; // "合計：¥1,234"
};
SaleDetailView BuildSaleDetail(const SalesRecord &sale);

// The years offered by the month tab, newest first, as "2004年度", down to the oldest order's.
QStringList SearchYears(int currentYear, const QString &oldestSalesDate);
