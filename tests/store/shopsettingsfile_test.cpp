// "Shop.snw": strict first nine lines, lenient point lines, defaults, exact bytes written.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "store/settingfiles.h"

#include <QDir>
#include <QFileInfo>

namespace
{

// "空野屋" and "今日も1日頑張りましょう！" in CP932, written out byte by byte.
const QByteArray kShopNameCp932 = QByteArray::fromHex("8bf396ec89ae");
const QByteArray kNoticeCp932 = QByteArray::fromHex("8da193fa82e03193fa8ae692a382e882dc82b582e582a48149");
const QString kShopName = QStringLiteral("空野屋");

QByteArray Lines(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}

// The nine lines every file has had since the first version of the program.
QList<QByteArray> NineLines()
{
    return {kShopNameCp932, "1050011", "ABC", "03", "1234", "5678", "8", "notice", "info"};
}

void ExpectPointValuesZero(const ShopSettings &s)
{
    EXPECT_EQ(s.PointService, "0");
    EXPECT_EQ(s.PointYenUnit, "0");
    EXPECT_EQ(s.PointsPerUnit, "0");
    EXPECT_EQ(s.PointStep, "0");
    EXPECT_EQ(s.PointStepYen, "0");
    EXPECT_EQ(s.PointValidMonths, "0");
}

} // namespace

TEST(ShopSettingsFile, MissingFileGivesTheDefaultsWithoutMessage)
{
    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables t;
    t.Shop.ShopName = QStringLiteral("left over");
    EXPECT_TRUE(LoadShopSettings(t));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(t.Shop.ShopName, "");
    EXPECT_EQ(t.Shop.ShopZip, "");
    EXPECT_EQ(t.Shop.ShopTel[2], "");
    EXPECT_EQ(t.Shop.TaxRate, "0");
    EXPECT_EQ(t.Shop.NoticeLine, QStringLiteral("今日も1日頑張りましょう！"));
    EXPECT_EQ(t.Shop.NoteText, "");
    ExpectPointValuesZero(t.Shop);
}

TEST(ShopSettingsFile, NineLineFileFromBeforeThePointServiceLoadsSilently)
{
    TestDataFolder folder;
    TestPrompt prompt;
    folder.write(SettingFiles::kShop, Lines(NineLines()));
    SettingTables t;
    EXPECT_TRUE(LoadShopSettings(t));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(t.Shop.ShopName, kShopName);
    EXPECT_EQ(t.Shop.ShopZip, "1050011");
    EXPECT_EQ(t.Shop.ShopAddress, "ABC");
    EXPECT_EQ(t.Shop.ShopTel[0], "03");
    EXPECT_EQ(t.Shop.ShopTel[1], "1234");
    EXPECT_EQ(t.Shop.ShopTel[2], "5678");
    EXPECT_EQ(t.Shop.TaxRate, "8");
    EXPECT_EQ(t.Shop.NoticeLine, "notice");
    EXPECT_EQ(t.Shop.NoteText, "info");
    ExpectPointValuesZero(t.Shop);
}

TEST(ShopSettingsFile, ShortFileIsReportedAndGetsNoDefaults)
{
    TestDataFolder folder;
    TestPrompt prompt;
    folder.write(SettingFiles::kShop, Lines(NineLines().mid(0, 5)));
    SettingTables t;
    EXPECT_FALSE(LoadShopSettings(t));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("ErrorNo: 3\r\r店舗ファイル読み込みエラー"));
    EXPECT_EQ(prompt.last().title, QStringLiteral("エラー"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::Ok);
    // What was read stays; nothing after the gap is invented.
    EXPECT_EQ(t.Shop.ShopName, kShopName);
    EXPECT_EQ(t.Shop.ShopTel[1], "1234");
    EXPECT_EQ(t.Shop.ShopTel[2], "");
    EXPECT_EQ(t.Shop.TaxRate, "");
    EXPECT_EQ(t.Shop.NoticeLine, "");
    EXPECT_EQ(t.Shop.PointService, "");
}

TEST(ShopSettingsFile, NinthLineDecidesBetweenDamagedAndOld)
{
    TestDataFolder folder;
    {
        // Eight lines: the delivery-note notice is missing.
        TestPrompt prompt;
        folder.write(SettingFiles::kShop, Lines(NineLines().mid(0, 8)));
        SettingTables t;
        EXPECT_FALSE(LoadShopSettings(t));
        ASSERT_EQ(prompt.count(), 1);
        EXPECT_EQ(t.Shop.NoticeLine, "notice");
        EXPECT_EQ(t.Shop.PointService, "");
    }
    {
        // An empty ninth line is still a line.
        TestPrompt prompt;
        QList<QByteArray> lines = NineLines();
        lines[8] = "";
        folder.write(SettingFiles::kShop, Lines(lines));
        SettingTables t;
        EXPECT_TRUE(LoadShopSettings(t));
        EXPECT_EQ(prompt.count(), 0);
        EXPECT_EQ(t.Shop.NoteText, "");
        EXPECT_EQ(t.Shop.PointService, "0");
    }
    {
        // An empty file is as damaged as a short one.
        TestPrompt prompt;
        folder.write(SettingFiles::kShop, QByteArray());
        SettingTables t;
        EXPECT_FALSE(LoadShopSettings(t));
        EXPECT_EQ(prompt.count(), 1);
        EXPECT_EQ(t.Shop.TaxRate, "");
    }
}

TEST(ShopSettingsFile, EmptyValuesGetDefaultsAndPartialPointLinesAreKept)
{
    TestDataFolder folder;
    TestPrompt prompt;
    // Tax and notice empty; only the first three point lines present, the second of them empty.
    QList<QByteArray> lines = NineLines();
    lines[6] = "";
    lines[7] = "";
    lines << "1"
          << ""
          << "5";
    folder.write(SettingFiles::kShop, Lines(lines));
    SettingTables t;
    EXPECT_TRUE(LoadShopSettings(t));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(t.Shop.TaxRate, "0");
    EXPECT_EQ(t.Shop.NoticeLine, QStringLiteral("今日も1日頑張りましょう！"));
    EXPECT_EQ(t.Shop.PointService, "1");
    EXPECT_EQ(t.Shop.PointYenUnit, "0");
    EXPECT_EQ(t.Shop.PointsPerUnit, "5");
    EXPECT_EQ(t.Shop.PointStep, "0");
    EXPECT_EQ(t.Shop.PointValidMonths, "0");
}

TEST(ShopSettingsFile, FileThatCannotBeReadIsReported)
{
    TestDataFolder folder;
    TestPrompt prompt;
    ASSERT_TRUE(QDir(folder.path()).mkdir(SettingFiles::kShop));
    SettingTables t;
    EXPECT_FALSE(LoadShopSettings(t));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("ErrorNo: 3\r\r店舗ファイル読み込みエラー"));
    EXPECT_EQ(t.Shop.TaxRate, "");
}

TEST(ShopSettingsFile, WritesFifteenCp932LinesAndReadsThemBack)
{
    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables t;
    t.Shop.ShopName = kShopName;
    t.Shop.ShopZip = "1050011";
    t.Shop.ShopAddress = QStringLiteral("ｿﾗﾉﾜ");
    t.Shop.ShopTel = {"03", "1234", "5678"};
    t.Shop.TaxRate = "10";
    t.Shop.NoticeLine = QStringLiteral("今日も1日頑張りましょう！");
    t.Shop.NoteText = "";
    t.Shop.PointService = "1";
    t.Shop.PointYenUnit = "100";
    t.Shop.PointsPerUnit = "1";
    t.Shop.PointStep = "50";
    t.Shop.PointStepYen = "500";
    t.Shop.PointValidMonths = "12";
    ASSERT_TRUE(SaveShopSettings(t));
    EXPECT_EQ(prompt.count(), 0);

    const QByteArray expected = Lines({kShopNameCp932, "1050011", QByteArray::fromHex("bfd7c9dc"), "03", "1234", "5678",
                                       "10", kNoticeCp932, "", "1", "100", "1", "50", "500", "12"});
    EXPECT_EQ(folder.read(SettingFiles::kShop), expected);

    SettingTables back;
    ASSERT_TRUE(LoadShopSettings(back));
    EXPECT_EQ(back.Shop.ShopName, t.Shop.ShopName);
    EXPECT_EQ(back.Shop.ShopAddress, t.Shop.ShopAddress);
    EXPECT_EQ(back.Shop.ShopTel, t.Shop.ShopTel);
    EXPECT_EQ(back.Shop.NoticeLine, t.Shop.NoticeLine);
    EXPECT_EQ(back.Shop.NoteText, "");
    EXPECT_EQ(back.Shop.PointStep, "50");
    EXPECT_EQ(back.Shop.PointValidMonths, "12");
}

TEST(ShopSettingsFile, LineBreakInsideAValueCannotShiftTheLines)
{
    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables t;
    t.Shop.ShopName = "A\r\nB";
    t.Shop.NoteText = "x\ny";
    t.Shop.PointValidMonths = "6";
    ASSERT_TRUE(SaveShopSettings(t));
    const QByteArray bytes = folder.read(SettingFiles::kShop);
    EXPECT_EQ(bytes.count("\r\n"), 15);
    SettingTables back;
    ASSERT_TRUE(LoadShopSettings(back));
    EXPECT_EQ(back.Shop.ShopName, "AB");
    EXPECT_EQ(back.Shop.NoteText, "xy");
    EXPECT_EQ(back.Shop.PointValidMonths, "6");
}

TEST(ShopSettingsFile, FailedWriteIsReportedAndLeavesTheTargetAlone)
{
    TestDataFolder folder;
    TestPrompt prompt;
    // A directory in place of the file makes the replacement impossible even for root.
    ASSERT_TRUE(QDir(folder.path()).mkpath(SettingFiles::kShop + "/keep"));
    folder.write(SettingFiles::kShop + "/keep/old.txt", "old");
    SettingTables t;
    t.Shop.ShopName = kShopName;
    EXPECT_FALSE(SaveShopSettings(t));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("ErrorNo: 15\r\r店舗ファイル書き込みエラー"));
    EXPECT_EQ(prompt.last().title, QStringLiteral("エラー"));
    EXPECT_TRUE(QFileInfo(folder.file(SettingFiles::kShop)).isDir());
    EXPECT_EQ(folder.read(SettingFiles::kShop + "/keep/old.txt"), "old");
    // No temporary file is left behind beside it.
    const QStringList entries = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &name : entries)
        EXPECT_TRUE(name == SettingFiles::kShop || name == "prefs.ini") << name.toStdString();
}
