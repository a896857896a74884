#pragma once
// The criteria of the sales charts: which days count as "this year" and which as "the year
// before", and which delivery times of day count. Dates are "yyyymmdd" texts and times "hhnnss",
// compared as text, so a period may end on a day that does not exist (2003/02/29) and still
// cover the days before it.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <array>

struct ChartPeriods {
    QString Start, End;         // this year
    QString PrevStart, PrevEnd; // the year before
    // "yyyy/mm/dd～yyyy/mm/dd" of this year's period.
    QString KikanText() const;
};

struct ChartTimeRange {
    int Start = 0; // hhnnss as a number
    int End = 235959;
};

// The last day of month `month` of `year` (28 to 31).
int ChartLastDay(int year, int month);
// The first ticked month M1 (1 when none is) and the month M2 before the first unticked month
// after it (12 when every later month is ticked). `ticked` is indexed 1..12; element 0 unused.
std::pair<int, int> ChartMonthRun(const std::array<bool, 13> &ticked);
// Month tab: year Y, months M1..M2; the year before covers the same months of Y-1, ending on
// the last day of M2 in that year.
ChartPeriods ChartMonthPeriods(int year, const std::array<bool, 13> &ticked);
// Period and single-day tabs: the year before is the same texts with the year lowered by one.
ChartPeriods ChartRangePeriods(const QDate &from, const QDate &to);
// "yyyymmdd" with the year lowered by one, month and day unchanged.
QString ChartYearBefore(const QString &yyyymmdd);

// "000000"-"235959" all day; otherwise the slot's pickers as "hhnn00".
ChartTimeRange ChartAllDay();
ChartTimeRange ChartSlot(const QTime &start, const QTime &end);

// The entries of the year list, newest first: "2004年度" down to the year of the oldest order.
QStringList ChartYearList(int currentYear, const QString &oldestSalesDate);

// The stored text of a slot picker and back. A text that is no time reads as 0:00.
QString ChartSlotTimeText(const QTime &time);
QTime ChartSlotTimeFromText(const QString &text);
