#include "sales/chartcriteria.h"

#include "sales/salessearch.h"
#include "store/datetimetext.h"

#include <algorithm>

namespace
{
QString dateText(int year, int month, int day)
{
    return QStringLiteral("%1%2%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

QString slashed(const QString &yyyymmdd)
{
    return yyyymmdd.left(4) + QLatin1Char('/') + yyyymmdd.mid(4, 2) + QLatin1Char('/') + yyyymmdd.mid(6, 2);
}

int hhnn00(const QTime &t)
{
    return t.isValid() ? t.hour() * 10000 + t.minute() * 100 : 0;
}
} // namespace

QString ChartPeriods::KikanText() const
{
    return slashed(Start) + QStringLiteral("～") + slashed(End);
}

int ChartLastDay(int year, int month)
{
    for (int day = 31; day > 28; --day)
        if (QDate(year, month, day).isValid())
            return day;
    return 28;
}

std::pair<int, int> ChartMonthRun(const std::array<bool, 13> &ticked)
{
    int first = 0;
    for (int m = 1; m <= 12 && first == 0; ++m)
        if (ticked[size_t(m)])
            first = m;
    if (first == 0)
        return {1, 1};
    int last = first;
    while (last < 12 && ticked[size_t(last + 1)])
        ++last;
    return {first, last};
}

ChartPeriods ChartMonthPeriods(int year, const std::array<bool, 13> &ticked)
{
    const auto [m1, m2] = ChartMonthRun(ticked);
    ChartPeriods p;
    p.Start = dateText(year, m1, 1);
    p.End = dateText(year, m2, ChartLastDay(year, m2));
    p.PrevStart = dateText(year - 1, m1, 1);
    p.PrevEnd = dateText(year - 1, m2, ChartLastDay(year - 1, m2));
    return p;
}

QString ChartYearBefore(const QString &yyyymmdd)
{
    const int year = yyyymmdd.left(4).toInt();
    return QStringLiteral("%1").arg(year - 1, 4, 10, QLatin1Char('0')) + yyyymmdd.mid(4);
}

ChartPeriods ChartRangePeriods(const QDate &from, const QDate &to)
{
    ChartPeriods p;
    p.Start = from.toString(QStringLiteral("yyyyMMdd"));
    p.End = to.toString(QStringLiteral("yyyyMMdd"));
    p.PrevStart = ChartYearBefore(p.Start);
    p.PrevEnd = ChartYearBefore(p.End);
    return p;
}

ChartTimeRange ChartAllDay()
{
    return {0, 235959};
}

ChartTimeRange ChartSlot(const QTime &start, const QTime &end)
{
    return {hhnn00(start), hhnn00(end)};
}

QStringList ChartYearList(int currentYear, const QString &oldestSalesDate)
{
    return SearchYears(currentYear, oldestSalesDate);
}

QString ChartSlotTimeText(const QTime &time)
{
    return time.toString(QStringLiteral("H:mm:ss"));
}

QTime ChartSlotTimeFromText(const QString &text)
{
    const QDateTime moment = ParseDateTimeText(text.trimmed());
    if (moment.isValid())
        return QTime(moment.time().hour(), moment.time().minute());
    const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("H:mm"));
    return time.isValid() ? time : QTime(0, 0);
}
