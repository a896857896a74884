#pragma once
// The one source of "now" for the whole program. Tests pin it.
#include <QDateTime>

namespace Clock
{
QDateTime Now();
QDate Today();
void Pin(const QDateTime &moment);
void Unpin();
} // namespace Clock
