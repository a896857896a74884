#pragma once
// The printer dialog's input rules: the page field and the number of copies.
#include <QString>

#include <optional>

struct PageRange {
    int First = 1;
    int Last = 1;
};

// The page field: "n" is one page; "a-b" a range where an empty a is 1 and an empty b the last
// page, the ends are exchanged when b < a, a must lie within the document and b is lowered to
// the last page. nullopt when refused.
std::optional<PageRange> ParsePageRange(const QString &text, int pageCount);
// The copies field: a whole number from 1 to 99.
std::optional<int> ParseCopies(const QString &text);
