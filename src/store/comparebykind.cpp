#include "store/datetimetext.h"
#include "store/helpers.h"
#include "store/numbertext.h"

#include <QCollator>
#include <QLocale>

#include <optional>

namespace
{

int compareText(const QString &a, const QString &b)
{
    // Japanese collation puts kana in 50-sound order, as the shop expects of its lists.
    static const QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
    const int r = collator.compare(a, b);
    return r != 0 ? r : QString::compare(a, b);
}

std::optional<qint64> numberOf(QString text)
{
    text.remove(QChar(0x00A5)); // ¥
    text.remove(QChar(0xFFE5)); // full-width ¥
    text.remove(QLatin1Char('\\'));
    text.remove(QLatin1Char(','));
    return ParseCurrencyText(text);
}

std::optional<QDateTime> dateOf(const QString &text)
{
    const QDateTime d = ParseDateTimeText(text);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

template <typename T>
int compareParsed(const std::optional<T> &x, const std::optional<T> &y, const QString &a, const QString &b)
{
    // Cells that are not a value sort before those that are.
    if (x && y)
        return *x < *y ? -1 : (*y < *x ? 1 : 0);
    if (!x && !y)
        return compareText(a, b);
    return x ? 1 : -1;
}

} // namespace

int CompareByKind(const QString &a, const QString &b, SortKind kind)
{
    switch (kind) {
    case SortKind::Number:
        return compareParsed(numberOf(a), numberOf(b), a, b);
    case SortKind::Date:
        return compareParsed(dateOf(a), dateOf(b), a, b);
    case SortKind::Text:
        break;
    }
    return compareText(a, b);
}
