#include "store/oledate.h"

#include <cmath>

namespace
{
// A function, not a global object, so constants of other files can use it during start-up.
QDate epoch()
{
    return QDate(1899, 12, 30);
}
constexpr double kMsPerDay = 86400000.0;
} // namespace

double ToOleDate(const QDate &day)
{
    return double(epoch().daysTo(day));
}

double ToOleDate(const QDateTime &moment)
{
    const double days = double(epoch().daysTo(moment.date()));
    const double frac = moment.time().msecsSinceStartOfDay() / kMsPerDay;
    // Before the epoch the fraction still counts forward within the day (OLE convention).
    return days >= 0 ? days + frac : days - frac;
}

QDateTime FromOleDate(double value)
{
    if (!std::isfinite(value) || value < -657434.0 || value > 2958465.99999)
        return {};
    double whole = std::trunc(value);
    double frac = std::fabs(value - whole);
    qint64 ms = std::llround(frac * kMsPerDay);
    // A time that rounds up to 24:00 is midnight of the following calendar day; before the
    // epoch too, since the fraction counts forward within the day there.
    if (ms >= qint64(kMsPerDay)) {
        ms -= qint64(kMsPerDay);
        whole += 1;
    }
    const QDate day = epoch().addDays(qint64(whole));
    return QDateTime(day, QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QString FormatOleDate(double value, const QString &pattern)
{
    const QDateTime moment = FromOleDate(value);
    return moment.isValid() ? moment.toString(pattern) : QString();
}
