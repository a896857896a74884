// Start-up pieces: one instance only, the first start, the splash and the loading of every table.
#include <gtest/gtest.h>

#include "app/firststart.h"
#include "app/frmSplash.h"
#include "app/singleinstance.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "store/appdata.h"
#include "store/prefs.h"
#include "store/textfile.h"

#include <QLabel>

TEST(Startup, SecondInstanceIsRefused)
{
    TestDataFolder folder;
    const QString lock = folder.file("soranowa.lock");
    SingleInstanceGuard first(lock);
    ASSERT_TRUE(first.acquire());
    SingleInstanceGuard second(lock);
    EXPECT_FALSE(second.acquire());
    EXPECT_EQ(kDuplicateStartTitle, QStringLiteral("起動できません"));
    EXPECT_EQ(DuplicateStartText(QStringLiteral("ソラノワ")),
              QStringLiteral("すでに「ソラノワ」は起動されています。\r\n\r\nニ重起動はできません。"));
}

TEST(Startup, FirstStartIsRecognisedOnceAndStoresLabelPaper)
{
    TestDataFolder folder;
    EXPECT_TRUE(IsFirstStart());
    SaveLabelPaperDefaults();
    EXPECT_EQ(GetPref("PAPER", "UP"), QStringLiteral("23.5"));
    EXPECT_EQ(GetPref("PAPER", "LEFT"), QStringLiteral("7"));
    EXPECT_EQ(GetPref("PAPER", "WIDTH"), QStringLiteral("64"));
    EXPECT_EQ(GetPref("PAPER", "HEIGHT"), QStringLiteral("33.9"));
    EXPECT_EQ(GetPref("PAPER", "TATE"), QStringLiteral("7"));
    EXPECT_TRUE(IsFirstStart());
    MarkFirstStartDone();
    EXPECT_FALSE(IsFirstStart());
}

TEST(Startup, FirstStartNoticeText)
{
    const QStringList lines = FirstStartNoticeText().split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 12);
    EXPECT_EQ(kFirstStartTitle, QStringLiteral("初めてご利用になる方へ"));
    EXPECT_EQ(lines[0], QStringLiteral("ソラノワをご使用するにあたり､まず以下の初期設定を行う必要がございます｡"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines.mid(2, 4), (QStringList{"・店舗設定", "・出前メニュー設定", "・スタッフ設定", "・CTI設定"}));
    EXPECT_EQ(lines[6], QString());
    EXPECT_EQ(lines[7], QStringLiteral("店舗設定はこの後の画面で行って下さい。"));
    EXPECT_EQ(lines[8], QStringLiteral("その他の設定はソラノワ起動後、画面左メニューの[設定]から行って下さい。"));
    EXPECT_EQ(lines[9], QStringLiteral("なおこれらの設定は、随時[設定]から登録・変更できます。"));
    EXPECT_EQ(lines[10], QString());
    EXPECT_FALSE(lines[11].isEmpty());
}

TEST(Startup, SplashShowsTheVersion)
{
    frmSplash splash;
    EXPECT_EQ(splash.windowTitle(), QStringLiteral("ソラノワ起動中"));
    EXPECT_EQ(splash.lblVersion->text(), QStringLiteral("Ver. %1.%2.%3")
                                             .arg(SORANOWA_VERSION_MAJOR)
                                             .arg(SORANOWA_VERSION_MINOR)
                                             .arg(SORANOWA_VERSION_PATCH));
    EXPECT_TRUE(splash.lblVersion->text().startsWith(QStringLiteral("Ver. ")));
}

TEST(Startup, LoadAllOpensIndexesAndLoadsSettingsInAnEmptyFolder)
{
    TestDataFolder folder;
    TestPrompt prompt;
    AppData data(folder.path());
    data.LoadAll();
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_TRUE(data.records.IsOpen());
    EXPECT_EQ(data.records.OldestSalesDate, QStringLiteral("20010619"));
    EXPECT_EQ(data.settings.Shop.TaxRate, QStringLiteral("0"));
    EXPECT_EQ(data.settings.Shop.NoticeLine, QStringLiteral("今日も1日頑張りましょう！"));
    EXPECT_EQ(data.settings.MotiveList.size(), 7);
    EXPECT_EQ(data.settings.Cti.CtiInitCommand, QStringLiteral("AT\\L1"));
}

TEST(Startup, ALoadingFailureIsReportedAndTheRestStillLoads)
{
    TestDataFolder folder;
    TestPrompt prompt;
    // A menu line with a price that is not a number stops the menu load only.
    WriteCp932Lines(folder.file("Menu.snw"), {QStringLiteral("麺類\tかけそば\tabc\tｶｹｿﾊﾞ")});
    WriteCp932Lines(folder.file("Staff.snw"), {QStringLiteral("山田"), QStringLiteral("佐藤")});
    AppData data(folder.path());
    data.LoadAll();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("ErrorNo: 4\r\rメニューファイル読み込みエラー"));
    EXPECT_EQ(data.settings.StaffList.size(), 3);
    EXPECT_EQ(data.settings.StaffList.at(2), QStringLiteral("佐藤"));
}
