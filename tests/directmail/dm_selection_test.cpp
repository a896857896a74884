// Choosing customers: presets, conditions in both directions, never-ordered customers, the
// declined flag, the row and condition texts.
#include "dmtest.h"

#include "directmail/dmselection.h"
#include "directmail/dmsnapshot.h"

namespace
{

std::vector<qint32> idsOf(const std::vector<DmCustomer> &snap, const std::vector<int> &rows)
{
    std::vector<qint32> ids;
    for (int r : rows)
        ids.push_back(snap[size_t(r)].CustomerId);
    return ids;
}

class DmSelection : public DmTest
{
  protected:
    std::vector<DmCustomer> snapshot()
    {
        auto snap = ReadDmSnapshot(data->records.filePath(RecordStore::kCustomerFile));
        EXPECT_TRUE(snap.has_value());
        return snap.value_or(std::vector<DmCustomer>{});
    }
    std::vector<qint32> run(const DmConditions &c)
    {
        const auto snap = snapshot();
        return idsOf(snap, ExtractDmCustomers(snap, c));
    }
    DmConditions preset(int target)
    {
        DmConditions c;
        c.first.date = c.last.date = kDay;
        c.count = 5;
        return PresetForTarget(target, c);
    }
};

using Ids = std::vector<qint32>;

TEST_F(DmSelection, SnapshotKeepsFileOrderSkipsDeletedAndReportsProgress)
{
    standardSet();
    std::vector<std::pair<qint64, qint64>> steps;
    auto snap = ReadDmSnapshot(data->records.filePath(RecordStore::kCustomerFile),
                               [&](qint64 v, qint64 m) { steps.emplace_back(v, m); });
    ASSERT_TRUE(snap);
    ASSERT_EQ(snap->size(), 6u);
    EXPECT_EQ(snap->front().NameKana, QStringLiteral("ｱｵｷ"));
    EXPECT_EQ(snap->back().CustomerId, 6);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back(), std::make_pair(qint64(7), qint64(7)));
    EXPECT_FALSE(ReadDmSnapshot(folder.file(QStringLiteral("missing.snw"))));
}

TEST_F(DmSelection, PresetsTickTheirConditionAndKeepDatesAndThreshold)
{
    DmConditions base;
    base.first.date = QDate(2020, 1, 1);
    base.last.date = QDate(2021, 2, 2);
    base.count = 15;
    base.first.on = base.last.on = base.countOn = true;
    EXPECT_TRUE(PresetForTarget(0, base).all);
    const DmConditions dormant = PresetForTarget(3, base);
    EXPECT_FALSE(dormant.all);
    EXPECT_FALSE(dormant.first.on);
    EXPECT_FALSE(dormant.countOn);
    EXPECT_TRUE(dormant.last.on);
    EXPECT_EQ(dormant.last.direction, -1);
    EXPECT_EQ(dormant.last.date, QDate(2021, 2, 2));
    EXPECT_EQ(PresetForTarget(1, base).last.direction, +1);
    EXPECT_TRUE(PresetForTarget(2, base).first.on);
    EXPECT_EQ(PresetForTarget(4, base).countDirection, +1);
    EXPECT_EQ(PresetForTarget(5, base).countDirection, -1);
    EXPECT_EQ(PresetForTarget(5, base).count, 15);
    EXPECT_EQ(DmTargetTexts().size(), 6);
    EXPECT_EQ(DmPurposeTexts().at(5), QStringLiteral("割引券送付"));
}

TEST_F(DmSelection, ConditionsAreInclusiveNeverOrderedIsBeforeEveryDateAndDeclinedNeverListed)
{
    standardSet();
    // すべて: everyone who accepts mail, in file order.
    EXPECT_EQ(run(preset(0)), (Ids{1, 2, 3, 4, 6}));
    // Recent users: last use on or after the day (customer 1's evening order counts).
    EXPECT_EQ(run(preset(1)), (Ids{1, 3, 6}));
    // Recent first-time users: first use on or after the day.
    EXPECT_EQ(run(preset(2)), (Ids{1, 3}));
    // Dormant: last use on or before the day, including the one who never ordered.
    EXPECT_EQ(run(preset(3)), (Ids{1, 2, 4}));
    // Frequent: at least 5 orders; infrequent: 0 to 5 orders.
    EXPECT_EQ(run(preset(4)), (Ids{1, 3, 6}));
    EXPECT_EQ(run(preset(5)), (Ids{1, 2, 4}));
    // Two conditions at once: first use on or before, last use on or after.
    DmConditions both = preset(0);
    both.all = false;
    both.first = {true, kDay, -1};
    both.last = {true, kDay, +1};
    EXPECT_EQ(run(both), (Ids{1, 6}));
    // Conditions with nothing ticked list every customer who accepts mail.
    DmConditions none = both;
    none.first.on = none.last.on = false;
    EXPECT_EQ(run(none), (Ids{1, 2, 3, 4, 6}));
}

TEST_F(DmSelection, RowAndConditionTexts)
{
    DmCustomer c{42, QStringLiteral("ﾔﾏﾀﾞ"), at(QDate(2003, 5, 1)), at(QDate(2024, 2, 29)), 7, 0};
    EXPECT_EQ(DmResultRowTexts(c),
              (QStringList{QStringLiteral("00042"), QStringLiteral("ﾔﾏﾀﾞ"), QStringLiteral("2003/05/01"),
                           QStringLiteral("2024/02/29"), QStringLiteral("007")}));
    EXPECT_EQ(DmUseDateText(0), QStringLiteral("-----"));
    EXPECT_EQ(DmUseDateText(1.0), QStringLiteral("-----"));
    EXPECT_EQ(DmUseDateText(at(QDate(1949, 12, 31))), QStringLiteral("-----"));
    EXPECT_EQ(DmUseDateText(at(QDate(1950, 1, 1))), QStringLiteral("1950/01/01"));

    DmConditions c5;
    c5.all = false;
    c5.countOn = true;
    c5.count = 5;
    c5.countDirection = -1;
    EXPECT_EQ(DmConditionText(c5), QString(32, QLatin1Char(' ')) + QStringLiteral(" 5回以下"));
    c5.first = {true, QDate(2024, 3, 1), +1};
    c5.count = 20;
    c5.countDirection = +1;
    EXPECT_EQ(DmConditionText(c5),
              QStringLiteral("2024/03/01以降、") + QString(16, QLatin1Char(' ')) + QStringLiteral("20回以上"));
    c5.countOn = false;
    c5.last = {true, QDate(2024, 4, 2), -1};
    EXPECT_EQ(DmConditionText(c5), QStringLiteral("2024/03/01以降、2024/04/02以前、"));
    c5.all = true;
    EXPECT_EQ(DmConditionText(c5), QStringLiteral("すべて"));
}

} // namespace
