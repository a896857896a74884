#include "store/quotedlist.h"

namespace
{

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

QString ListValue(const QString &value)
{
    QString inner = value;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QStringList ReadListValues(const QString &text)
{
    QStringList values;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && isBlank(text.at(i)))
            ++i;
        if (i >= n)
            break;
        if (isLineEnd(text.at(i))) {
            ++i; // an empty line holds no value
            continue;
        }
        QString value;
        if (text.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (text.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                        value += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text.at(i++);
            }
            while (i < n && text.at(i) != QLatin1Char(',') && !isLineEnd(text.at(i)))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text.at(i) != QLatin1Char(',') && !isLineEnd(text.at(i)))
                ++i;
            value = text.mid(start, i - start).trimmed();
        }
        values << value;
        if (i < n && text.at(i) == QLatin1Char(','))
            ++i;
        else if (i < n && text.at(i) == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            i += 2;
        else if (i < n)
            ++i;
    }
    return values;
}
