#include "orders/changecalculator.h"

#include "store/numbertext.h"
#include "store/records.h"

namespace
{

QString grouped(qint64 value)
{
    const QString digits = QString::number(value);
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits.at(i);
    }
    return out;
}

} // namespace

QString ChangeCalculator::FormatTendered(qint64 amount)
{
    return amount == 0 ? QString() : grouped(amount);
}

qint64 ChangeCalculator::ReadAmount(const QString &text)
{
    if (text.trimmed().isEmpty())
        return 0;
    const auto value = ParseCurrencyText(text);
    return value ? CurrencyToYen(*value) : 0;
}

void ChangeCalculator::setTendered(const QString &digits)
{
    // Reading the digits again drops leading zeros ("0" + "5" shows "5", a lone "0" shows nothing).
    m_tendered = FormatTendered(ReadAmount(QString(digits).remove(QLatin1Char(','))));
    m_change.clear();
}

void ChangeCalculator::Digit(int d)
{
    if (d < 0 || d > 9)
        return;
    // Six characters are five digits with their separator: the most the field holds.
    if (m_tendered.size() < 6)
        setTendered(m_tendered + QString::number(d));
    else
        m_change.clear();
}

void ChangeCalculator::DoubleZero()
{
    if (m_tendered.size() <= 3)
        setTendered(m_tendered + QStringLiteral("00"));
    else if (m_tendered.size() == 5)
        setTendered(m_tendered + QStringLiteral("0"));
    else
        m_change.clear();
}

void ChangeCalculator::Back()
{
    if (m_tendered.size() <= 1) {
        m_tendered.clear();
        m_change.clear();
        return;
    }
    setTendered(m_tendered.left(m_tendered.size() - 1));
}

void ChangeCalculator::Clear()
{
    m_tendered.clear();
    m_change.clear();
}

void ChangeCalculator::Compute()
{
    const qint64 back = ReadAmount(m_tendered) - ReadAmount(m_price);
    m_change = back < 0 ? QString() : (back == 0 ? QStringLiteral("0") : grouped(back));
}
