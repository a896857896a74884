#pragma once
// How a list column is compared when a list is sorted by it, and in which direction.

enum class SortKind {
    Text = 0,   // Japanese collation
    Number = 1, // yen sign and thousands separators allowed
    Date = 2,   // "yyyy/mm/dd" or "yyyy/mm/dd hh:nn"
};

enum class SortOrder {
    Ascending = 0,
    Descending = 1,
};

constexpr SortOrder Reversed(SortOrder order)
{
    return order == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending;
}
