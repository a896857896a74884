// The catalogue's table rules: groups from rows and back, placeholder rows, collation, the
// stored files (and their removal when the catalogue is emptied).
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "settings/menucatalogue.h"
#include "store/cp932.h"
#include "store/settingfiles.h"

#include <QFileInfo>

namespace
{

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(MenuCatalogue, GroupsRoundTripThroughTablesAndFiles)
{
    TestDataFolder folder;
    TestPrompt prompt;
    // An empty group between two filled ones, and the same item name in two groups.
    folder.write(SettingFiles::kMenu, ToCp932(S("麺類\tかけそば\t500\tｶｹｿﾊﾞ\r\n"
                                                "麺類\tきつね\t650.5\tｷﾂﾈ\r\n"
                                                "甘味\t\t0\t\r\n"
                                                "丼物\tきつね\t800\tｷﾂﾈ\r\n")));
    SettingTables tables;
    ASSERT_TRUE(LoadMenuTable(tables));

    MenuCatalogue::Groups groups = MenuCatalogue::FromTable(tables.MenuTable);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].name, S("麺類"));
    ASSERT_EQ(groups[0].items.size(), 2u);
    EXPECT_EQ(groups[0].items[1].priceText, S("650.5"));
    EXPECT_EQ(groups[0].items[1].kana, S("ｷﾂﾈ"));
    EXPECT_TRUE(groups[1].items.empty());
    EXPECT_EQ(MenuCatalogue::ItemText(groups[0].items[0].name, groups[0].items[0].priceText), S("かけそば (¥500)"));

    // Names are unique within a group only, compared exactly.
    EXPECT_TRUE(MenuCatalogue::IsItemTaken(groups[0], S("きつね")));
    EXPECT_FALSE(MenuCatalogue::IsItemTaken(groups[0], S("きつね"), 1));
    EXPECT_FALSE(MenuCatalogue::IsItemTaken(groups[0], S("キツネ")));
    EXPECT_TRUE(MenuCatalogue::IsTaken({S("麺類"), S("甘味")}, S("甘味")));
    EXPECT_FALSE(MenuCatalogue::IsTaken({S("Soba")}, S("soba")));

    // Hiragana and katakana of the same sound sort together; case does not count.
    QStringList texts{S("そば"), S("あんみつ"), S("Udon"), S("カレー"), S("apple")};
    MenuCatalogue::SortByReading(texts);
    EXPECT_EQ(texts, (QStringList{S("apple"), S("Udon"), S("あんみつ"), S("カレー"), S("そば")}));

    // A typed price with a leading zero is stored as its number; an emptied group stays as a
    // placeholder line; the sub-items are written in order.
    groups[2].items[0].priceText = S("0800");
    groups[0].items.push_back({S("たぬき"), S("0500"), S("ﾀﾇｷ")});
    groups.push_back({S("飲物"), {}});
    ASSERT_TRUE(MenuCatalogue::Save(tables, groups, {S("大盛"), S("ネギ抜き")}));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(folder.read(SettingFiles::kMenu), ToCp932(S("麺類\tかけそば\t500\tｶｹｿﾊﾞ\r\n"
                                                          "麺類\tきつね\t650.5\tｷﾂﾈ\r\n"
                                                          "麺類\tたぬき\t500\tﾀﾇｷ\r\n"
                                                          "甘味\t\t0\t\r\n"
                                                          "丼物\tきつね\t800\tｷﾂﾈ\r\n"
                                                          "飲物\t\t0\t\r\n")));
    EXPECT_EQ(folder.read(SettingFiles::kMenuSub), ToCp932(S("大盛\r\nネギ抜き\r\n")));
    ASSERT_EQ(tables.MenuTable.size(), 7u);
    EXPECT_EQ(tables.MenuTable[3].Price, 500 * 10000);
    EXPECT_EQ(tables.MenuOptionList, (QStringList{QString(), S("大盛"), S("ネギ抜き")}));

    SettingTables reloaded;
    ASSERT_TRUE(LoadMenuTable(reloaded));
    ASSERT_TRUE(LoadMenuOptionList(reloaded));
    const MenuCatalogue::Groups again = MenuCatalogue::FromTable(reloaded.MenuTable);
    ASSERT_EQ(again.size(), 4u);
    EXPECT_EQ(again[0].items[2].priceText, S("500"));
    EXPECT_TRUE(again[1].items.empty());
    EXPECT_TRUE(again[3].items.empty());
    EXPECT_EQ(reloaded.MenuOptionList, tables.MenuOptionList);

    // With no group and no sub-item left both files go; the next start sees an empty catalogue.
    ASSERT_TRUE(MenuCatalogue::Save(tables, {}, {}));
    EXPECT_FALSE(QFileInfo::exists(folder.file(SettingFiles::kMenu)));
    EXPECT_FALSE(QFileInfo::exists(folder.file(SettingFiles::kMenuSub)));
    EXPECT_EQ(tables.MenuTable.size(), 1u);
    EXPECT_EQ(tables.MenuOptionList.size(), 1);
    ASSERT_TRUE(LoadMenuTable(reloaded));
    EXPECT_TRUE(MenuCatalogue::FromTable(reloaded.MenuTable).empty());
}
