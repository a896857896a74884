// Start-up loading of every setting file.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "store/settingfiles.h"

TEST(LoadAllSettings, FirstStartGivesEveryDefaultWithoutAMessage)
{
    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables t;
    LoadAllSettings(t);
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(t.MotiveList, BuildMotiveList());
    EXPECT_EQ(t.Shop.TaxRate, QStringLiteral("0"));
    EXPECT_EQ(t.Shop.NoticeLine, QStringLiteral("今日も1日頑張りましょう！"));
    EXPECT_EQ(t.Shop.PointService, QStringLiteral("0"));
    for (const QString *v : {&t.Shop.PointYenUnit, &t.Shop.PointsPerUnit, &t.Shop.PointStep, &t.Shop.PointStepYen,
                             &t.Shop.PointValidMonths})
        EXPECT_EQ(*v, QStringLiteral("0"));
    EXPECT_EQ(t.Cti.CtiMode, QStringLiteral("0"));
    EXPECT_EQ(t.Cti.CtiPort, QStringLiteral("1"));
    EXPECT_EQ(t.Cti.CtiInitCommand, QStringLiteral("AT\\L1"));
    EXPECT_EQ(t.StaffList.size(), 1);
    EXPECT_EQ(t.MenuTable.size(), 1u);
    EXPECT_EQ(t.MenuOptionList.size(), 1);
    EXPECT_EQ(t.DeliverToList.size(), 1);
    EXPECT_EQ(t.BuildingList.size(), 1);
    EXPECT_EQ(t.DmHistory.size(), 1u);
}

TEST(LoadAllSettings, OneBrokenFileDoesNotStopTheOthers)
{
    TestDataFolder folder;
    TestPrompt prompt;
    folder.write(QStringLiteral("Menu.snw"), "only\tthree\tfields\r\n");
    folder.write(QStringLiteral("Staff.snw"), "Yamada\r\n");
    folder.write(QStringLiteral("dm.snw"), "\"not a date\t1\t2\tx\t3\"\r\n");
    folder.write(QStringLiteral("menub.snw"), "Ramen\t650\tRamen\r\n");
    SettingTables t;
    LoadAllSettings(t);
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_TRUE(prompt.asked[0].text.endsWith(QStringLiteral("メニューファイル読み込みエラー")));
    EXPECT_TRUE(prompt.asked[1].text.endsWith(QStringLiteral("DMファイル読み込みエラー")));
    EXPECT_EQ(t.StaffList, (QStringList{QString(), QStringLiteral("Yamada")}));
    EXPECT_EQ(t.MenuBoard[1].BoardMenuName, QStringLiteral("Ramen"));
}

TEST(MotiveList, HoldsTheSevenFixedTextsInStoredOrder)
{
    EXPECT_EQ(BuildMotiveList(),
              (QStringList{QStringLiteral("郵便ポストにメニュー"), QStringLiteral("新聞折込広告"),
                           QStringLiteral("イエローページ"), QStringLiteral("店舗利用経験有り"),
                           QStringLiteral("インターネット"), QStringLiteral("知人の紹介"), QStringLiteral("その他")}));
}
