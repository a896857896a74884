#pragma once
// Dates in the record files are OLE automation dates: days since 1899-12-30 as a double,
// the fraction being the time of day.
#include <QDateTime>
#include <QString>

// The value 1.0 (1899-12-31 00:00) marks a time that is not set yet.
constexpr double kUnsetTime = 1.0;

double ToOleDate(const QDateTime &moment);
double ToOleDate(const QDate &day);
// NaN, infinities and values outside year 100..9999 give an invalid QDateTime.
QDateTime FromOleDate(double value);

// Formatting with the program's display patterns ("yyyy/MM/dd", "hh:mm", "MM/dd hh:mm");
// an invalid date gives the empty text.
QString FormatOleDate(double value, const QString &pattern);
