#include "store/numbertext.h"

#include <QRegularExpression>

#include <limits>

namespace
{

const QRegularExpression &numberPattern()
{
    // Either plain digits or digits grouped by three with commas; a decimal part may follow,
    // and ".5" or "5." are numbers as the shop types them.
    static const QRegularExpression re(
        QStringLiteral("^\\s*([+-]?)((?:[0-9]{1,3}(?:,[0-9]{3})+)|[0-9]*)(?:\\.([0-9]*))?\\s*$"));
    return re;
}

} // namespace

bool IsNumberText(const QString &text)
{
    const auto m = numberPattern().match(text);
    if (!m.hasMatch())
        return false;
    return !m.captured(2).isEmpty() || !m.captured(3).isEmpty();
}

std::optional<qint64> ParseCurrencyText(const QString &text)
{
    const auto m = numberPattern().match(text);
    if (!m.hasMatch())
        return std::nullopt;
    QString whole = m.captured(2);
    whole.remove(QLatin1Char(','));
    const QString fraction = m.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 10000 - 1;
    qint64 yen = 0;
    for (const QChar c : whole) {
        yen = yen * 10 + (c.unicode() - '0');
        if (yen > limit)
            return std::nullopt;
    }
    qint64 part = 0; // ten-thousandths
    for (int i = 0; i < 4; ++i)
        part = part * 10 + (i < fraction.size() ? fraction.at(i).unicode() - '0' : 0);
    if (fraction.size() > 4 && fraction.at(4) >= QLatin1Char('5'))
        ++part;
    qint64 value = yen * 10000 + part;
    return m.captured(1) == QLatin1String("-") ? -value : value;
}

std::optional<qint64> WholeNumberOf(const QString &text)
{
    const auto currency = ParseCurrencyText(text);
    if (!currency || *currency % 10000 != 0)
        return std::nullopt;
    return *currency / 10000;
}

QString CurrencyPlainText(qint64 currency)
{
    const bool negative = currency < 0;
    // Work on the unsigned magnitude so the smallest value does not overflow.
    const quint64 magnitude = negative ? quint64(0) - quint64(currency) : quint64(currency);
    QString out = QString::number(magnitude / 10000);
    quint64 part = magnitude % 10000;
    if (part != 0) {
        QString digits = QStringLiteral("%1").arg(part, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        out += QLatin1Char('.') + digits;
    }
    return negative ? QLatin1Char('-') + out : out;
}
