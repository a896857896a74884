#include "customers/importfields.h"

#include "store/helpers.h"

namespace ImportFields
{

namespace
{

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x3000) || c == QLatin1Char('\t');
}

QString without(const QString &text, bool blanks, bool hyphens)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if ((blanks && isBlank(c)) || (hyphens && c == QLatin1Char('-')))
            continue;
        out += c;
    }
    return out;
}

} // namespace

QString Name(const QString &cell)
{
    return without(ToHalfWidth(cell), true, false);
}

QString Zip(const QString &cell)
{
    return without(ToHalfWidth(cell), false, true);
}

QString Tel(const QString &cell)
{
    return without(ToHalfWidth(cell), true, true);
}

bool IsPhoneNumber(const QString &tel, int width)
{
    if (tel.isEmpty() || tel.size() > width)
        return false;
    for (QChar c : tel) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace ImportFields
