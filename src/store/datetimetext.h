#pragma once
// Date-time values written as text in the setting files ("2003/05/01 12:34:56").
#include <QDateTime>
#include <QString>

// "yyyy/MM/dd hh:mm:ss".
QString DateTimeText(const QDateTime &value);
// Reads a date or date-time leniently: "2003/05/01 12:34:56", "2003/5/1 9:05", "2003/05/01",
// "2003-05-01T12:34:56" and the like; a time alone counts from the day 1899/12/30.
// An invalid QDateTime when the text is not a date.
QDateTime ParseDateTimeText(const QString &text);
