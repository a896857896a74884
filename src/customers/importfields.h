#pragma once
// The conversions the customer and phone-book imports apply to a cell before storing it.
#include <QString>

namespace ImportFields
{

// Half-width, then every blank (half-width or full-width) removed.
QString Name(const QString &cell);
// Half-width, then every "-" removed.
QString Zip(const QString &cell);
// Half-width, then every "-" and every blank removed.
QString Tel(const QString &cell);
// A converted phone number that may be stored: digits only, at least one, and short enough
// for a phone field of `width` bytes (a number cut to fit would ring somebody else).
bool IsPhoneNumber(const QString &tel, int width);

} // namespace ImportFields
