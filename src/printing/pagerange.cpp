#include "printing/pagerange.h"

#include <QStringList>

namespace
{

std::optional<int> wholeNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return t.toInt();
}

} // namespace

std::optional<PageRange> ParsePageRange(const QString &text, int pageCount)
{
    if (!text.contains(QLatin1Char('-'))) {
        const auto n = wholeNumber(text);
        if (!n || *n < 1 || *n > pageCount)
            return std::nullopt;
        return PageRange{*n, *n};
    }
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() != 2)
        return std::nullopt;
    const auto first = parts[0].trimmed().isEmpty() ? std::optional<int>(1) : wholeNumber(parts[0]);
    const auto last = parts[1].trimmed().isEmpty() ? std::optional<int>(pageCount) : wholeNumber(parts[1]);
    if (!first || !last)
        return std::nullopt;
    PageRange r{*first, *last};
    if (r.Last < r.First)
        std::swap(r.First, r.Last);
    if (r.First < 1 || r.First > pageCount)
        return std::nullopt;
    r.Last = qMin(r.Last, pageCount);
    return r;
}

std::optional<int> ParseCopies(const QString &text)
{
    const auto n = wholeNumber(text);
    if (!n || *n < 1 || *n > 99)
        return std::nullopt;
    return n;
}
