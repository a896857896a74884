#include "store/datetimetext.h"

#include <QRegularExpression>

QString DateTimeText(const QDateTime &value)
{
    return value.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
}

QDateTime ParseDateTimeText(const QString &text)
{
    // Date part: year, month, day separated by "/", "-" or "."; time part optional,
    // seconds optional, separated by blanks or "T".
    static const QRegularExpression dateTime(QStringLiteral(
        "^\\s*(\\d{4})[/.-](\\d{1,2})[/.-](\\d{1,2})(?:(?:\\s+|T)(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?)?\\s*$"));
    static const QRegularExpression timeOnly(QStringLiteral("^\\s*(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*$"));
    if (const auto m = dateTime.match(text); m.hasMatch()) {
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        const QTime time = m.captured(4).isEmpty()
                               ? QTime(0, 0)
                               : QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (!date.isValid() || !time.isValid())
            return {};
        return QDateTime(date, time);
    }
    if (const auto m = timeOnly.match(text); m.hasMatch()) {
        const QTime time(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (!time.isValid())
            return {};
        return QDateTime(QDate(1899, 12, 30), time);
    }
    return {};
}
