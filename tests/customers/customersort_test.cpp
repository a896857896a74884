// Sorting the customer search's hits by name: 50-sound order, equal names in their order, and a
// name changed at the same index position sorted by its new text.
#include "customers/customersearch.h"

#include <gtest/gtest.h>

namespace
{

std::vector<qint32> ids(const std::vector<CustomerHit> &hits)
{
    std::vector<qint32> out;
    for (const CustomerHit &h : hits)
        out.push_back(h.CustomerId);
    return out;
}

} // namespace

TEST(CustomerHitSort, NamesSortInKanaOrderStablyAndFollowAChangedName)
{
    std::vector<CustomerHit> hits = {{1, QStringLiteral("031"), QStringLiteral("ｶﾝ"), 1},
                                     {2, QStringLiteral("032"), QStringLiteral("ｶﾞｲ"), 2},
                                     {3, QStringLiteral("033"), QStringLiteral("ｱ"), 3},
                                     {4, QStringLiteral("034"), QStringLiteral("ｶﾝ"), 4}};
    std::vector<CustomerHit> sorted = hits;
    SortHits(sorted, HitColumn::Name, SortOrder::Ascending);
    EXPECT_EQ(ids(sorted), (std::vector<qint32>{3, 2, 1, 4}));
    sorted = hits;
    SortHits(sorted, HitColumn::Name, SortOrder::Descending);
    EXPECT_EQ(ids(sorted), (std::vector<qint32>{1, 4, 2, 3}));

    // The customer at position 1 is renamed and a name never seen joins: both sort by their text.
    hits[0].NameKana = QStringLiteral("ｲ");
    hits.push_back({5, QStringLiteral("035"), QStringLiteral("ｳ"), 5});
    sorted = hits;
    SortHits(sorted, HitColumn::Name, SortOrder::Ascending);
    EXPECT_EQ(ids(sorted), (std::vector<qint32>{3, 1, 5, 2, 4}));

    // Hits that carry no position (a row refreshed after the detail window) sort the same way.
    for (CustomerHit &h : hits)
        h.IndexPos = 0;
    sorted = hits;
    SortHits(sorted, HitColumn::Name, SortOrder::Ascending);
    EXPECT_EQ(ids(sorted), (std::vector<qint32>{3, 1, 5, 2, 4}));
    sorted = hits;
    SortHits(sorted, HitColumn::Tel, SortOrder::Descending);
    EXPECT_EQ(ids(sorted), (std::vector<qint32>{5, 4, 3, 2, 1}));
}
