// Splitting delimited text into a table, as the imports read their files.
#include <gtest/gtest.h>

#include "store/helpers.h"

TEST(SplitCsv, QuotedFieldsKeepCommasLineBreaksAndQuotes)
{
    CsvTable table;
    const int n = SplitCsv(QStringLiteral("0312345678,\"Tokyo, Minato\",Sun\r\n"
                                          "0398765432,\"two\r\nlines\",\"say \"\"hi\"\"\"\r\n"),
                           table);
    ASSERT_EQ(n, 2);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0],
              (QStringList{QStringLiteral("0312345678"), QStringLiteral("Tokyo, Minato"), QStringLiteral("Sun")}));
    EXPECT_EQ(table[1], (QStringList{QStringLiteral("0398765432"), QStringLiteral("two\r\nlines"),
                                     QStringLiteral("say \"hi\"")}));
}

TEST(SplitCsv, FirstRecordFixesTheWidth)
{
    CsvTable table;
    ASSERT_EQ(SplitCsv(QStringLiteral("a,b,c\r\n1,2,3,4,5\r\nx\r\n,,\r\n\r\nlast,row"), table), 6);
    EXPECT_EQ(table[0], (QStringList{"a", "b", "c"}));
    EXPECT_EQ(table[1], (QStringList{"1", "2", "3"})); // extra fields dropped
    EXPECT_EQ(table[2], (QStringList{"x", "", ""}));   // missing fields empty
    EXPECT_EQ(table[3], (QStringList{"", "", ""}));
    EXPECT_EQ(table[4], (QStringList{"", "", ""}));        // an empty line is an empty record
    EXPECT_EQ(table[5], (QStringList{"last", "row", ""})); // the last record runs to the end

    // The first record counts its fields as quoted fields, separators inside included.
    CsvTable quoted;
    ASSERT_EQ(SplitCsv(QStringLiteral("\"a,\r\nb\",c\r\n1,2,3"), quoted), 2);
    EXPECT_EQ(quoted[0], (QStringList{"a,\r\nb", "c"}));
    EXPECT_EQ(quoted[1], (QStringList{"1", "2"}));
}

TEST(SplitCsv, EmptyTailIsNoRecordAndEmptyTextGivesNone)
{
    CsvTable table;
    EXPECT_EQ(SplitCsv(QStringLiteral("a,b\r\n"), table), 1);
    CsvTable none;
    EXPECT_EQ(SplitCsv(QString(), none), 0);
    EXPECT_TRUE(none.empty());
}

TEST(SplitCsv, AddsToATableThatAlreadyHasItsWidth)
{
    CsvTable table;
    ASSERT_EQ(SplitCsv(QStringLiteral("a,b\r\n"), table), 1);
    ASSERT_EQ(SplitCsv(QStringLiteral("1,2,3\r\n4\r\n"), table), 3);
    EXPECT_EQ(table[1], (QStringList{"1", "2"}));
    EXPECT_EQ(table[2], (QStringList{"4", ""}));
}

TEST(SplitCsv, OtherSeparatorsAndQuote)
{
    CsvTable table;
    ASSERT_EQ(SplitCsv(QStringLiteral("a\t'x\ty'\nb\t'it''s'\n"), table, QLatin1Char('\t'), QStringLiteral("\n"),
                       QLatin1Char('\'')),
              2);
    EXPECT_EQ(table[0], (QStringList{"a", "x\ty"}));
    EXPECT_EQ(table[1], (QStringList{"b", "it's"}));
    // A quote inside an unquoted field is an ordinary character; an unclosed quote runs to the end.
    CsvTable loose;
    ASSERT_EQ(SplitCsv(QStringLiteral("5\" pizza,\"open\r\nend"), loose), 1);
    EXPECT_EQ(loose[0], (QStringList{"5\" pizza", "open\r\nend"}));
}
