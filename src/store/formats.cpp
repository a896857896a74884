#include "store/helpers.h"

namespace
{

QString grouped(qint64 value)
{
    const bool negative = value < 0;
    const QString digits = QString::number(negative ? quint64(0) - quint64(value) : quint64(value));
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits.at(i);
    }
    return negative ? QLatin1Char('-') + out : out;
}

const QChar kYen(0x00A5);

} // namespace

QString FormatYen(qint64 yen)
{
    const QString number = grouped(yen);
    // The sign goes before the yen sign: "-¥300".
    return number.startsWith(QLatin1Char('-')) ? QLatin1Char('-') + kYen + number.mid(1) : kYen + number;
}

QString FormatYenBlankZero(qint64 yen)
{
    return yen == 0 ? QString(kYen) : FormatYen(yen);
}

QString FormatCustomerNo(qint32 id)
{
    const QString digits = QStringLiteral("%1").arg(qAbs(qint64(id)), 5, 10, QLatin1Char('0'));
    return id < 0 ? QLatin1Char('-') + digits : digits;
}
