#include "platform/clock.h"

namespace
{
QDateTime pinned;
}

namespace Clock
{

QDateTime Now()
{
    return pinned.isValid() ? pinned : QDateTime::currentDateTime();
}

QDate Today()
{
    return Now().date();
}

void Pin(const QDateTime &moment)
{
    pinned = moment;
}

void Unpin()
{
    pinned = QDateTime();
}

} // namespace Clock
