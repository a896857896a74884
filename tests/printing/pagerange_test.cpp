// The printer dialog's rules for the page field and the copies field.
#include <gtest/gtest.h>

#include "printing/pagerange.h"

namespace
{

TEST(PageRangeRules, RangesOfAFourPageDocument)
{
    const struct {
        const char *text;
        int first, last; // 0 = refused
    } cases[] = {{"-2", 1, 2}, {"3-", 3, 4}, {"5-3", 3, 4}, {"0-2", 0, 0}, {"1-2-3", 0, 0}, {"2-9", 2, 4},
                 {"7", 0, 0},  {"3", 3, 3},  {"-", 1, 4},   {"a-2", 0, 0}, {"2-b", 0, 0},   {"", 0, 0},
                 {"0", 0, 0},  {"9-", 4, 4}, {"9-2", 2, 4}, {"2.5", 0, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto r = ParsePageRange(QString::fromUtf8(c.text), 4);
        if (c.first == 0) {
            EXPECT_FALSE(r.has_value());
        } else {
            ASSERT_TRUE(r.has_value());
            EXPECT_EQ(r->First, c.first);
            EXPECT_EQ(r->Last, c.last);
        }
    }
}

TEST(PageRangeRules, CopiesAreWholeNumbersFromOneTo99)
{
    for (const char *bad : {"0", "100", "2.5", "", "-1", "x", "1e2"})
        EXPECT_FALSE(ParseCopies(QString::fromUtf8(bad)).has_value()) << bad;
    EXPECT_EQ(ParseCopies("1"), 1);
    EXPECT_EQ(ParseCopies("99"), 99);
    EXPECT_EQ(ParseCopies("07"), 7);
}

} // namespace
