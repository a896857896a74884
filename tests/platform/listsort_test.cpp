// Sorting a report-style list by one column.
#include <gtest/gtest.h>

#include "store/ui/listsort.h"

#include <QTreeWidget>

namespace
{

QStringList column(const QTreeWidget &list, int index)
{
    QStringList out;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        out << list.topLevelItem(i)->text(index);
    return out;
}

void fill(QTreeWidget &list)
{
    list.setColumnCount(3);
    const QList<QStringList> rows = {
        {QStringLiteral("Tanaka"), QStringLiteral("¥1,200"), QStringLiteral("2004/01/05 10:00")},
        {QStringLiteral("Abe"), QStringLiteral("¥900"), QStringLiteral("2003/12/31")},
        {QStringLiteral("Kato"), QStringLiteral("¥12,000"), QStringLiteral("2004/01/05 9:30")},
        {QStringLiteral("Ueda"), QStringLiteral("¥0"), QStringLiteral("2004/10/01")},
    };
    for (const QStringList &r : rows)
        list.addTopLevelItem(new QTreeWidgetItem(r));
}

} // namespace

TEST(SortListByColumn, SortsByTextNumberAndDateBothWays)
{
    QTreeWidget list;
    fill(list);
    SortListByColumn(&list, 1, SortKind::Text, SortOrder::Ascending);
    EXPECT_EQ(column(list, 0), (QStringList{"Abe", "Kato", "Tanaka", "Ueda"}));
    SortListByColumn(&list, 1, SortKind::Text, SortOrder::Descending);
    EXPECT_EQ(column(list, 0), (QStringList{"Ueda", "Tanaka", "Kato", "Abe"}));

    SortListByColumn(&list, 2, SortKind::Number, SortOrder::Ascending);
    EXPECT_EQ(column(list, 1), (QStringList{"¥0", "¥900", "¥1,200", "¥12,000"}));
    SortListByColumn(&list, 2, SortKind::Number, SortOrder::Descending);
    EXPECT_EQ(column(list, 1), (QStringList{"¥12,000", "¥1,200", "¥900", "¥0"}));

    SortListByColumn(&list, 3, SortKind::Date, SortOrder::Ascending);
    EXPECT_EQ(column(list, 0), (QStringList{"Abe", "Kato", "Tanaka", "Ueda"}));
    SortListByColumn(&list, 3, SortKind::Date, SortOrder::Descending);
    EXPECT_EQ(column(list, 0), (QStringList{"Ueda", "Tanaka", "Kato", "Abe"}));
    // Whole rows move together.
    EXPECT_EQ(column(list, 1), (QStringList{"¥0", "¥1,200", "¥12,000", "¥900"}));
}

TEST(SortListByColumn, KeepsTheSelectionAndIgnoresABadColumn)
{
    QTreeWidget list;
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    fill(list);
    QTreeWidgetItem *kato = list.topLevelItem(2);
    QTreeWidgetItem *abe = list.topLevelItem(1);
    list.setCurrentItem(kato);
    abe->setSelected(true);
    list.setSortingEnabled(true);

    SortListByColumn(&list, 2, SortKind::Number, SortOrder::Descending);
    EXPECT_EQ(list.currentItem(), kato);
    EXPECT_TRUE(kato->isSelected());
    EXPECT_TRUE(abe->isSelected());
    EXPECT_EQ(list.topLevelItemCount(), 4);
    EXPECT_EQ(list.topLevelItem(0), kato);

    const QStringList before = column(list, 0);
    SortListByColumn(&list, 0, SortKind::Text, SortOrder::Ascending);
    SortListByColumn(&list, 4, SortKind::Text, SortOrder::Ascending);
    EXPECT_EQ(column(list, 0), before);
}
