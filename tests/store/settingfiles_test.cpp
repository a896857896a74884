// The setting files: formats on disk, defaults, messages and the atomic replacement.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/datafolder.h"
#include "store/settingfiles.h"

#include <QDir>
#include <QFileInfo>

#include <sys/resource.h>
#include <csignal>

namespace
{

QString errorText(int code, const QString &message)
{
    return QStringLiteral("ErrorNo: ") + QString::number(code) + QStringLiteral("\r\r") + message;
}

void expectErrorBox(const TestPrompt &prompt, int code, const QString &message)
{
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().title, QStringLiteral("エラー"));
    EXPECT_EQ(prompt.last().text, errorText(code, message));
    EXPECT_EQ(prompt.last().buttons, PromptButtons::Ok);
}

// Makes writes larger than `bytes` fail, as on a full disk, for the lifetime of the object.
class FileSizeLimit
{
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

  private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
};

MenuEntry menu(const char *group, const char *name, qint64 yen, const char *kana)
{
    return {QString::fromUtf8(group), QString::fromUtf8(name), yen * 10000, QString::fromUtf8(kana)};
}

} // namespace

TEST(SettingFiles, FirstStartWithoutFilesGivesDefaultsAndEmptyTablesSilently)
{
    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables t;
    t.StaffList << QStringLiteral("stale"); // loaders empty their tables first
    t.MenuTable.push_back(menu("a", "b", 1, "c"));

    EXPECT_TRUE(LoadMenuTable(t));
    EXPECT_TRUE(LoadStaffList(t));
    EXPECT_TRUE(LoadCtiSettings(t));
    EXPECT_TRUE(LoadMenuOptionList(t));
    EXPECT_TRUE(LoadDeliverToList(t));
    EXPECT_TRUE(LoadBuildingList(t));
    EXPECT_TRUE(LoadDmHistory(t));
    EXPECT_TRUE(LoadMenuBoard(t));
    EXPECT_TRUE(LoadBackupSettings(t));

    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(t.MenuTable.size(), 1u);
    EXPECT_EQ(t.StaffList, QStringList{QString()});
    EXPECT_EQ(t.MenuOptionList, QStringList{QString()});
    EXPECT_EQ(t.DeliverToList, QStringList{QString()});
    EXPECT_EQ(t.BuildingList, QStringList{QString()});
    EXPECT_EQ(t.DmHistory.size(), 1u);
    EXPECT_EQ(t.Cti.CtiMode, QStringLiteral("0"));
    EXPECT_EQ(t.Cti.CtiPort, QStringLiteral("1"));
    EXPECT_EQ(t.Cti.CtiInitCommand, QStringLiteral("AT\\L1"));
    EXPECT_EQ(t.Cti.CtiFolder, QString());
    EXPECT_EQ(t.Backup.BackupFolder, ProgramFolder() + QStringLiteral("/Backup"));
    EXPECT_EQ(t.Backup.BackupFileName, QStringLiteral("Soranowa.snb"));
    for (int k = 1; k <= kMenuBoardSlots; ++k) {
        EXPECT_TRUE(t.MenuBoard[k].BoardMenuName.isEmpty());
        EXPECT_EQ(t.MenuBoard[k].BoardPrice, 0);
    }
    // Nothing was created by reading.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).filter(QStringLiteral(".snw")),
              QStringList());
}

TEST(SettingFiles, MenuTableIsWrittenByteExactAndReadBack)
{
    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables t;
    t.MenuTable.push_back(menu("麺類", "ラーメン", 650, "ﾗｰﾒﾝ"));
    t.MenuTable.push_back(menu("麺類", "大盛り", 1200, ""));
    t.MenuTable.push_back({QStringLiteral("X"), QStringLiteral("half"), 125000, QString()}); // 12.5 yen
    t.MenuTable.push_back({QStringLiteral("X"), QStringLiteral("off"), -3000000, QString()});
    ASSERT_TRUE(SaveMenuTable(t));

    const QByteArray expected =
        QByteArray("\x96\xCB\x97\xDE\t\x83\x89\x81\x5B\x83\x81\x83\x93\t650\t\xD7\xB0\xD2\xDD\r\n"
                   "\x96\xCB\x97\xDE\t\x91\xE5\x90\xB7\x82\xE8\t1200\t\r\n"
                   "X\thalf\t12.5\t\r\n"
                   "X\toff\t-300\t\r\n");
    EXPECT_EQ(folder.read(QStringLiteral("Menu.snw")), expected);

    SettingTables back;
    ASSERT_TRUE(LoadMenuTable(back));
    ASSERT_EQ(back.MenuTable.size(), 5u);
    for (size_t i = 1; i < 5; ++i) {
        EXPECT_EQ(back.MenuTable[i].Group, t.MenuTable[i].Group);
        EXPECT_EQ(back.MenuTable[i].MenuName, t.MenuTable[i].MenuName);
        EXPECT_EQ(back.MenuTable[i].Price, t.MenuTable[i].Price);
        EXPECT_EQ(back.MenuTable[i].MenuKana, t.MenuTable[i].MenuKana);
    }
    EXPECT_EQ(prompt.count(), 0);
}

TEST(SettingFiles, MenuGroupWithoutItemsSurvivesSaveAndReload)
{
    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables t;
    t.MenuTable.push_back(menu("Noodles", "Ramen", 650, "ﾗｰﾒﾝ"));
    t.MenuTable.push_back(menu("Desserts", "", 0, "")); // a group that has no items yet
    t.MenuTable.push_back(menu("Rice", "Curry", 800, "ｶﾚｰ"));
    ASSERT_TRUE(SaveMenuTable(t));
    EXPECT_EQ(
        folder.read(QStringLiteral("Menu.snw")),
        QByteArray("Noodles\tRamen\t650\t\xD7\xB0\xD2\xDD\r\nDesserts\t\t0\t\r\nRice\tCurry\t800\t\xB6\xDA\xB0\r\n"));

    SettingTables back;
    ASSERT_TRUE(LoadMenuTable(back));
    ASSERT_EQ(back.MenuTable.size(), 4u);
    EXPECT_EQ(back.MenuTable[2].Group, QStringLiteral("Desserts"));
    EXPECT_TRUE(back.MenuTable[2].MenuName.isEmpty());
    EXPECT_EQ(back.MenuTable[2].Price, 0);
    EXPECT_EQ(back.MenuTable[3].MenuName, QStringLiteral("Curry"));
    EXPECT_EQ(prompt.count(), 0);
}

TEST(SettingFiles, BrokenMenuLineStopsTheLoadKeepingEarlierEntries)
{
    TestDataFolder folder;
    SettingTables t;
    {
        TestPrompt prompt;
        folder.write(QStringLiteral("Menu.snw"), "A\tone\t1,200\tx\r\nA\ttwo\tcheap\ty\r\nA\tthree\t300\tz\r\n");
        EXPECT_FALSE(LoadMenuTable(t));
        expectErrorBox(prompt, 4, QStringLiteral("メニューファイル読み込みエラー"));
        ASSERT_EQ(t.MenuTable.size(), 2u);
        EXPECT_EQ(t.MenuTable[1].MenuName, QStringLiteral("one"));
        EXPECT_EQ(t.MenuTable[1].Price, 1200 * 10000); // thousands separators are a number
    }
    {
        TestPrompt prompt;
        folder.write(QStringLiteral("Menu.snw"), "A\tone\t100\tx\r\nA\tthree fields\t100\r\n");
        EXPECT_FALSE(LoadMenuTable(t));
        expectErrorBox(prompt, 4, QStringLiteral("メニューファイル読み込みエラー"));
        EXPECT_EQ(t.MenuTable.size(), 2u);
    }
}

TEST(SettingFiles, ListFilesKeepEmptyLinesExceptTheBuildingList)
{
    TestDataFolder folder;
    TestPrompt prompt;
    folder.write(QStringLiteral("Staff.snw"), "\x8E\x52\x93\x63\r\n\r\n\x8D\xB2\x93\xA1\r\n");
    folder.write(QStringLiteral("MenuSub.snw"), "a\r\n\r\nb");
    folder.write(QStringLiteral("MenuSitei.snw"), "\r\nplace\r\n");
    folder.write(QStringLiteral("Building.snw"), "\r\nSun\t1-2\r\n\r\n\r\nMoon\t3-4\r\n\r\n");
    SettingTables t;
    EXPECT_TRUE(LoadStaffList(t));
    EXPECT_TRUE(LoadMenuOptionList(t));
    EXPECT_TRUE(LoadDeliverToList(t));
    EXPECT_TRUE(LoadBuildingList(t));
    EXPECT_EQ(t.StaffList, (QStringList{QString(), QStringLiteral("山田"), QString(), QStringLiteral("佐藤")}));
    EXPECT_EQ(t.MenuOptionList, (QStringList{QString(), QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(t.DeliverToList, (QStringList{QString(), QString(), QStringLiteral("place")}));
    EXPECT_EQ(t.BuildingList, (QStringList{QString(), QStringLiteral("Sun\t1-2"), QStringLiteral("Moon\t3-4")}));
    EXPECT_EQ(prompt.count(), 0);
}

TEST(SettingFiles, ListWritersWriteOneEntryPerLineAndDeleteAnEmptyList)
{
    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables t;
    t.StaffList << QStringLiteral("山田") << QStringLiteral("佐藤");
    t.BuildingList << QStringLiteral("サンハイツ\t港区芝1-2");
    ASSERT_TRUE(SaveStaffList(t));
    ASSERT_TRUE(SaveBuildingList(t));
    EXPECT_EQ(folder.read(QStringLiteral("Staff.snw")), QByteArray("\x8E\x52\x93\x63\r\n\x8D\xB2\x93\xA1\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("Building.snw")),
              QByteArray("\x83\x54\x83\x93\x83\x6E\x83\x43\x83\x63\t\x8D\x60\x8B\xE6\x8E\xC5"
                         "1-2\r\n"));

    // Deleting the last staff member deletes the file; the next start shows no staff, silently.
    t.StaffList = QStringList{QString()};
    ASSERT_TRUE(SaveStaffList(t));
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("Staff.snw"))));
    SettingTables next;
    EXPECT_TRUE(LoadStaffList(next));
    EXPECT_EQ(next.StaffList, QStringList{QString()});

    // Without deletion an empty list gives an empty file.
    ASSERT_TRUE(SaveStaffList(t, false));
    EXPECT_TRUE(QFileInfo::exists(folder.file(QStringLiteral("Staff.snw"))));
    EXPECT_EQ(QFileInfo(folder.file(QStringLiteral("Staff.snw"))).size(), 0);
    EXPECT_EQ(prompt.count(), 0);
}

TEST(SettingFiles, LoadersSurviveInvalidCp932)
{
    TestDataFolder folder;
    TestPrompt prompt;
    const QByteArray garbage("\x81\r\n\xFF\xFE\x80\t\x81\x20\r\n\xA0\xFD");
    for (const QString &name :
         {QStringLiteral("Staff.snw"), QStringLiteral("Building.snw"), QStringLiteral("Cti.snw"),
          QStringLiteral("dm.snw"), QStringLiteral("menub.snw"), QStringLiteral("Menu.snw"),
          QStringLiteral("BackUp.snw"), QStringLiteral("MenuSub.snw"), QStringLiteral("MenuSitei.snw")})
        folder.write(name, garbage);
    SettingTables t;
    EXPECT_TRUE(LoadStaffList(t));
    EXPECT_EQ(t.StaffList.size(), 4);
    EXPECT_TRUE(LoadBuildingList(t));
    EXPECT_TRUE(LoadMenuOptionList(t));
    EXPECT_TRUE(LoadDeliverToList(t));
    EXPECT_TRUE(LoadBackupSettings(t));
    // A short Cti file, a menu line without price, a dm value that is no date and a board
    // line with too few fields are reported, not crashed on.
    EXPECT_FALSE(LoadCtiSettings(t));
    EXPECT_FALSE(LoadMenuTable(t));
    EXPECT_FALSE(LoadDmHistory(t));
    EXPECT_FALSE(LoadMenuBoard(t));
    EXPECT_EQ(prompt.count(), 4);
}

TEST(SettingFiles, CtiSettingsRoundTripAndShortFile)
{
    TestDataFolder folder;
    {
        TestPrompt prompt;
        SettingTables t;
        t.Cti = {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("AT\\L1"), QStringLiteral("/srv/cti")};
        ASSERT_TRUE(SaveCtiSettings(t));
        EXPECT_EQ(folder.read(QStringLiteral("Cti.snw")), QByteArray("2\r\n3\r\nAT\\L1\r\n/srv/cti\r\n"));
        SettingTables back;
        ASSERT_TRUE(LoadCtiSettings(back));
        EXPECT_EQ(back.Cti.CtiMode, QStringLiteral("2"));
        EXPECT_EQ(back.Cti.CtiPort, QStringLiteral("3"));
        EXPECT_EQ(back.Cti.CtiInitCommand, QStringLiteral("AT\\L1"));
        EXPECT_EQ(back.Cti.CtiFolder, QStringLiteral("/srv/cti"));
        EXPECT_EQ(prompt.count(), 0);
    }
    {
        // Empty values take their defaults.
        TestPrompt prompt;
        folder.write(QStringLiteral("Cti.snw"), "\r\n\r\n\r\n\r\n");
        SettingTables t;
        ASSERT_TRUE(LoadCtiSettings(t));
        EXPECT_EQ(t.Cti.CtiMode, QStringLiteral("0"));
        EXPECT_EQ(t.Cti.CtiPort, QStringLiteral("1"));
        EXPECT_EQ(t.Cti.CtiInitCommand, QStringLiteral("AT\\L1"));
        EXPECT_EQ(prompt.count(), 0);
    }
    {
        // A file cut short is a read failure: reported, what was read kept, no defaults.
        TestPrompt prompt;
        folder.write(QStringLiteral("Cti.snw"), "1\r\n");
        SettingTables t;
        EXPECT_FALSE(LoadCtiSettings(t));
        expectErrorBox(prompt, 5, QStringLiteral("CTIファイル読み込みエラー"));
        EXPECT_EQ(t.Cti.CtiMode, QStringLiteral("1"));
        EXPECT_TRUE(t.Cti.CtiPort.isEmpty());
        EXPECT_TRUE(t.Cti.CtiInitCommand.isEmpty());
    }
}

TEST(SettingFiles, BackupSettingsAreQuotedAndTheLastPairWins)
{
    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables t;
    t.Backup = {QStringLiteral("/mnt/usb/shop, main"), QStringLiteral("日曜 \"A\".snb")};
    ASSERT_TRUE(SaveBackupSettings(t));
    EXPECT_EQ(folder.read(QStringLiteral("BackUp.snw")),
              QByteArray("\"/mnt/usb/shop, main\"\r\n\"\x93\xFA\x97\x6A \"\"A\"\".snb\"\r\n"));
    SettingTables back;
    ASSERT_TRUE(LoadBackupSettings(back));
    EXPECT_EQ(back.Backup.BackupFolder, t.Backup.BackupFolder);
    EXPECT_EQ(back.Backup.BackupFileName, t.Backup.BackupFileName);

    folder.write(QStringLiteral("BackUp.snw"), "\"/a\"\r\n\"one.snb\"\r\n\"/b\"\r\n\"two.snb\"\r\n");
    ASSERT_TRUE(LoadBackupSettings(back));
    EXPECT_EQ(back.Backup.BackupFolder, QStringLiteral("/b"));
    EXPECT_EQ(back.Backup.BackupFileName, QStringLiteral("two.snb"));

    // Two values on one line separated by a comma are read as well.
    folder.write(QStringLiteral("BackUp.snw"), "\"/c\",\"three.snb\"\r\n");
    ASSERT_TRUE(LoadBackupSettings(back));
    EXPECT_EQ(back.Backup.BackupFolder, QStringLiteral("/c"));
    EXPECT_EQ(back.Backup.BackupFileName, QStringLiteral("three.snb"));

    // Values written without quotes by hand are read up to the comma or line end, without
    // surrounding blanks; blank lines hold no value.
    folder.write(QStringLiteral("BackUp.snw"), "  /plain/folder  \r\n\r\n\tbare.snb\r\n");
    ASSERT_TRUE(LoadBackupSettings(back));
    EXPECT_EQ(back.Backup.BackupFolder, QStringLiteral("/plain/folder"));
    EXPECT_EQ(back.Backup.BackupFileName, QStringLiteral("bare.snb"));

    // Empty values get the defaults.
    folder.write(QStringLiteral("BackUp.snw"), "\"\"\r\n\"\"\r\n");
    ASSERT_TRUE(LoadBackupSettings(back));
    EXPECT_EQ(back.Backup.BackupFolder, ProgramFolder() + QStringLiteral("/Backup"));
    EXPECT_EQ(back.Backup.BackupFileName, QStringLiteral("Soranowa.snb"));
    EXPECT_EQ(prompt.count(), 0);
}

TEST(SettingFiles, DmHistoryRoundTripAndLenientDates)
{
    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables t;
    DmHistoryEntry a;
    a.DmDate = QDateTime(QDate(2003, 5, 1), QTime(12, 34, 56));
    a.DmTarget = 2;
    a.DmPurpose = 6;
    a.DmCondition = QStringLiteral("2003/01/01以降、                 5回以上");
    a.DmCount = 12;
    DmHistoryEntry b;
    b.DmDate = QDateTime(QDate(2024, 12, 31), QTime(0, 0, 5));
    b.DmCondition = QStringLiteral("a,b \"c\"");
    b.DmCount = 100000;
    t.DmHistory.push_back(a);
    t.DmHistory.push_back(b);
    ASSERT_TRUE(SaveDmHistory(t));
    const QByteArray expected =
        QByteArray("\"2003/05/01 12:34:56\t2\t6\t") +
        QByteArray("2003/01/01\x88\xC8\x8D\x7E\x81\x41                 5\x89\xF1\x88\xC8\x8F\xE3\t12\"\r\n"
                   "\"2024/12/31 00:00:05\t0\t0\ta,b \"\"c\"\"\t100000\"\r\n");
    EXPECT_EQ(folder.read(QStringLiteral("dm.snw")), expected);

    SettingTables back;
    ASSERT_TRUE(LoadDmHistory(back));
    ASSERT_EQ(back.DmHistory.size(), 3u);
    for (size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(back.DmHistory[i].DmDate, t.DmHistory[i].DmDate);
        EXPECT_EQ(back.DmHistory[i].DmTarget, t.DmHistory[i].DmTarget);
        EXPECT_EQ(back.DmHistory[i].DmPurpose, t.DmHistory[i].DmPurpose);
        EXPECT_EQ(back.DmHistory[i].DmCondition, t.DmHistory[i].DmCondition);
        EXPECT_EQ(back.DmHistory[i].DmCount, t.DmHistory[i].DmCount);
    }

    // Dates written by other settings: single-digit parts, no seconds, no time at all.
    folder.write(QStringLiteral("dm.snw"), "\"2003/5/1 9:05:07\t1\t2\tx\t3\"\r\n\"2003/5/2 9:05\t1\t2\tx\t3\"\r\n"
                                           "\"2003/05/03\t1\t2\t\x82\xB7\x82\xD7\x82\xC4\t3\"\r\n");
    ASSERT_TRUE(LoadDmHistory(back));
    ASSERT_EQ(back.DmHistory.size(), 4u);
    EXPECT_EQ(back.DmHistory[1].DmDate, QDateTime(QDate(2003, 5, 1), QTime(9, 5, 7)));
    EXPECT_EQ(back.DmHistory[2].DmDate, QDateTime(QDate(2003, 5, 2), QTime(9, 5)));
    EXPECT_EQ(back.DmHistory[3].DmDate, QDateTime(QDate(2003, 5, 3), QTime(0, 0)));
    EXPECT_EQ(back.DmHistory[3].DmCondition, QStringLiteral("すべて"));
    EXPECT_EQ(prompt.count(), 0);

    // An empty history deletes the file.
    t.DmHistory.resize(1);
    ASSERT_TRUE(SaveDmHistory(t));
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("dm.snw"))));
}

TEST(SettingFiles, DmHistoryConversionFailureStopsTheLoad)
{
    TestDataFolder folder;
    TestPrompt prompt;
    folder.write(QStringLiteral("dm.snw"), "\"2003/05/01 12:00:00\t1\t2\tok\t3\"\r\n"
                                           "\"2003/05/02 12:00:00\tmany\t2\tbad\t3\"\r\n"
                                           "\"2003/05/03 12:00:00\t1\t2\tlater\t3\"\r\n");
    SettingTables t;
    EXPECT_FALSE(LoadDmHistory(t));
    expectErrorBox(prompt, 19, QStringLiteral("DMファイル読み込みエラー"));
    ASSERT_EQ(t.DmHistory.size(), 2u);
    EXPECT_EQ(t.DmHistory[1].DmCondition, QStringLiteral("ok"));

    prompt.clear();
    folder.write(QStringLiteral("dm.snw"), "\"2003/13/01 12:00:00\t1\t2\tbad month\t3\"\r\n");
    EXPECT_FALSE(LoadDmHistory(t));
    expectErrorBox(prompt, 19, QStringLiteral("DMファイル読み込みエラー"));
    EXPECT_EQ(t.DmHistory.size(), 1u);
}

TEST(SettingFiles, MenuBoardWritesExactly120SlotsWithEmptyMarks)
{
    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables t;
    t.MenuBoard[1] = {QStringLiteral("焼肉定食"), 980 * 10000, QStringLiteral("焼肉")};
    t.MenuBoard[2] = {QStringLiteral("Fried rice, large"), 1200 * 10000, QString()};
    t.MenuBoard[120] = {QStringLiteral("last"), 5 * 10000, QStringLiteral("L")};
    t.MenuBoard[121] = {QStringLiteral("hidden"), 1, QStringLiteral("never written")};
    ASSERT_TRUE(SaveMenuBoard(t));

    QByteArray expected = QByteArray("\x8F\xC4\x93\xF7\x92\xE8\x90\x48\t980\t\x8F\xC4\x93\xF7\r\n"
                                     "Fried rice, large\t1200\t00000\r\n");
    for (int k = 3; k < 120; ++k)
        expected += "00000\t0\t00000\r\n";
    expected += "last\t5\tL\r\n";
    EXPECT_EQ(folder.read(QStringLiteral("menub.snw")), expected);

    SettingTables back;
    back.MenuBoard[125].BoardMenuName = QStringLiteral("stale");
    ASSERT_TRUE(LoadMenuBoard(back));
    EXPECT_EQ(back.MenuBoard[1].BoardMenuName, QStringLiteral("焼肉定食"));
    EXPECT_EQ(back.MenuBoard[1].BoardPrice, 980 * 10000);
    EXPECT_EQ(back.MenuBoard[1].BoardCaption, QStringLiteral("焼肉"));
    // A comma belongs to the name.
    EXPECT_EQ(back.MenuBoard[2].BoardMenuName, QStringLiteral("Fried rice, large"));
    EXPECT_EQ(back.MenuBoard[2].BoardCaption, QStringLiteral("00000"));
    EXPECT_EQ(back.MenuBoard[3].BoardMenuName, QStringLiteral("00000"));
    EXPECT_EQ(back.MenuBoard[120].BoardMenuName, QStringLiteral("last"));
    EXPECT_TRUE(back.MenuBoard[121].BoardMenuName.isEmpty());
    EXPECT_TRUE(back.MenuBoard[125].BoardMenuName.isEmpty());
    EXPECT_EQ(prompt.count(), 0);
}

TEST(SettingFiles, MenuBoardWithMoreThan125LinesIsReported)
{
    TestDataFolder folder;
    TestPrompt prompt;
    QByteArray text;
    for (int k = 1; k <= 126; ++k)
        text += "item" + QByteArray::number(k) + "\t" + QByteArray::number(k) + "\tc\r\n";
    folder.write(QStringLiteral("menub.snw"), text);
    SettingTables t;
    EXPECT_FALSE(LoadMenuBoard(t));
    expectErrorBox(prompt, 19, QStringLiteral("メニューボードファイル読み込みエラー"));
    EXPECT_EQ(t.MenuBoard[125].BoardMenuName, QStringLiteral("item125"));
    EXPECT_EQ(t.MenuBoard[125].BoardPrice, 125 * 10000);

    prompt.clear();
    text.chop(QByteArray("item126\t126\tc\r\n").size());
    folder.write(QStringLiteral("menub.snw"), text);
    EXPECT_TRUE(LoadMenuBoard(t));
    EXPECT_EQ(prompt.count(), 0);
}

TEST(SettingFiles, FailedWriteKeepsTheOldFileAndShowsTheWritersMessage)
{
    TestDataFolder folder;
    SettingTables t;
    for (int i = 0; i < 20; ++i)
        t.MenuTable.push_back(menu("Group", "A rather long menu item name", 1000 + i, "ｶﾅ"));
    const QByteArray old("Old\tentry\t100\t\r\n");
    folder.write(QStringLiteral("Menu.snw"), old);

    TestPrompt prompt;
    bool saved = true;
    {
        // The disk refuses anything larger than the old file.
        FileSizeLimit limit(64);
        saved = SaveMenuTable(t);
    }
    EXPECT_FALSE(saved);
    expectErrorBox(prompt, 16, QStringLiteral("メニューファイル書き込みエラー"));
    EXPECT_EQ(folder.read(QStringLiteral("Menu.snw")), old);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("Menu")),
              QStringList{QStringLiteral("Menu.snw")});
    // The table still holds the new content, so the next save writes it.
    prompt.clear();
    ASSERT_TRUE(SaveMenuTable(t));
    SettingTables back;
    ASSERT_TRUE(LoadMenuTable(back));
    EXPECT_EQ(back.MenuTable.size(), 21u);
}

TEST(SettingFiles, EveryWriterReportsItsOwnMessage)
{
    struct Case {
        QString file;
        std::function<bool(const SettingTables &)> save;
        int code; // 0: the writer shows nothing, its window reports
        QString message;
    };
    SettingTables t;
    t.MenuTable.push_back(menu("g", "n", 1, "k"));
    t.StaffList << QStringLiteral("s");
    t.MenuOptionList << QStringLiteral("o");
    t.DeliverToList << QStringLiteral("d");
    t.BuildingList << QStringLiteral("b\t1");
    t.DmHistory.push_back(DmHistoryEntry{QDateTime(QDate(2020, 1, 1), QTime(1, 2, 3)), 0, 0, QString(), 1});
    const QString menuError = QStringLiteral("メニューファイル書き込みエラー");
    const QString supportError = QStringLiteral("入力支援ファイル書き込みエラー");
    const std::vector<Case> cases = {
        {QStringLiteral("Menu.snw"), [](auto &s) { return SaveMenuTable(s); }, 16, menuError},
        {QStringLiteral("MenuSub.snw"), [](auto &s) { return SaveMenuOptionList(s); }, 16, menuError},
        {QStringLiteral("Staff.snw"), [](auto &s) { return SaveStaffList(s); }, 16,
         QStringLiteral("スタッフファイル書き込みエラー")},
        {QStringLiteral("MenuSitei.snw"), [](auto &s) { return SaveDeliverToList(s); }, 16, supportError},
        {QStringLiteral("Building.snw"), [](auto &s) { return SaveBuildingList(s); }, 16, supportError},
        {QStringLiteral("Cti.snw"), [](auto &s) { return SaveCtiSettings(s); }, 15,
         QStringLiteral("CTIファイル書き込みエラー")},
        {QStringLiteral("BackUp.snw"), [](auto &s) { return SaveBackupSettings(s); }, 0, QString()},
        {QStringLiteral("dm.snw"), [](auto &s) { return SaveDmHistory(s); }, 0, QString()},
        {QStringLiteral("menub.snw"), [](auto &s) { return SaveMenuBoard(s); }, 0, QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        TestDataFolder folder;
        // A folder in the file's place cannot be replaced by a file.
        ASSERT_TRUE(QDir(folder.path()).mkdir(c.file));
        TestPrompt prompt;
        EXPECT_FALSE(c.save(t));
        if (c.code == 0)
            EXPECT_EQ(prompt.count(), 0);
        else
            expectErrorBox(prompt, c.code, c.message);
        EXPECT_TRUE(QFileInfo(folder.file(c.file)).isDir());
    }
}

TEST(SettingFiles, AnUnreadableFileIsReportedWithTheLoadersMessage)
{
    struct Case {
        QString file;
        std::function<bool(SettingTables &)> load;
        int code;
        QString message;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("Menu.snw"), LoadMenuTable, 4, QStringLiteral("メニューファイル読み込みエラー")},
        {QStringLiteral("Staff.snw"), LoadStaffList, 5, QStringLiteral("スタッフファイル読み込みエラー")},
        {QStringLiteral("MenuSub.snw"), LoadMenuOptionList, 5,
         QStringLiteral("メニュー補助項目ファイル読み込みエラー")},
        {QStringLiteral("MenuSitei.snw"), LoadDeliverToList, 5, QStringLiteral("特定配達先ファイル読み込みエラー")},
        {QStringLiteral("Building.snw"), LoadBuildingList, 5, QStringLiteral("マンションファイル読み込みエラー")},
        {QStringLiteral("Cti.snw"), LoadCtiSettings, 5, QStringLiteral("CTIファイル読み込みエラー")},
        {QStringLiteral("BackUp.snw"), LoadBackupSettings, 6, QStringLiteral("バックアップ設定ファイル読み込みエラー")},
        {QStringLiteral("dm.snw"), LoadDmHistory, 19, QStringLiteral("DMファイル読み込みエラー")},
        {QStringLiteral("menub.snw"), LoadMenuBoard, 19, QStringLiteral("メニューボードファイル読み込みエラー")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        TestDataFolder folder;
        ASSERT_TRUE(QDir(folder.path()).mkdir(c.file));
        TestPrompt prompt;
        SettingTables t;
        EXPECT_FALSE(c.load(t));
        expectErrorBox(prompt, c.code, c.message);
    }
}

TEST(SettingFiles, InputSupportListsAreSavedAtExitInOrder)
{
    {
        // Empty lists give empty files, not deleted ones.
        TestDataFolder folder;
        TestPrompt prompt;
        SettingTables t;
        folder.write(QStringLiteral("Building.snw"), "old\t1\r\n");
        ASSERT_TRUE(SaveInputSupportLists(t));
        for (const char *name : {"Building.snw", "MenuSub.snw", "MenuSitei.snw"}) {
            EXPECT_TRUE(QFileInfo::exists(folder.file(QString::fromLatin1(name)))) << name;
            EXPECT_EQ(folder.read(QString::fromLatin1(name)), QByteArray()) << name;
        }
        EXPECT_EQ(prompt.count(), 0);
    }
    SettingTables t;
    t.BuildingList << QStringLiteral("Sun\t1-2");
    t.MenuOptionList << QStringLiteral("less salt") << QString();
    t.DeliverToList << QStringLiteral("配達");
    {
        TestDataFolder folder;
        TestPrompt prompt;
        ASSERT_TRUE(SaveInputSupportLists(t));
        EXPECT_EQ(folder.read(QStringLiteral("Building.snw")), QByteArray("Sun\t1-2\r\n"));
        EXPECT_EQ(folder.read(QStringLiteral("MenuSub.snw")), QByteArray("less salt\r\n\r\n"));
        EXPECT_EQ(folder.read(QStringLiteral("MenuSitei.snw")), QByteArray("\x94\x7A\x92\x42\r\n"));
        EXPECT_EQ(prompt.count(), 0);
    }
    {
        // The second file fails: the first is written, the third is skipped, one message.
        TestDataFolder folder;
        TestPrompt prompt;
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("MenuSub.snw")));
        folder.write(QStringLiteral("MenuSitei.snw"), "old\r\n");
        EXPECT_FALSE(SaveInputSupportLists(t));
        expectErrorBox(prompt, 16, QStringLiteral("メニューファイル書き込みエラー"));
        EXPECT_EQ(folder.read(QStringLiteral("Building.snw")), QByteArray("Sun\t1-2\r\n"));
        EXPECT_EQ(folder.read(QStringLiteral("MenuSitei.snw")), QByteArray("old\r\n"));
    }
    {
        // The first file fails: nothing else is written.
        TestDataFolder folder;
        TestPrompt prompt;
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Building.snw")));
        EXPECT_FALSE(SaveInputSupportLists(t));
        expectErrorBox(prompt, 16, QStringLiteral("メニューファイル書き込みエラー"));
        EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("MenuSub.snw"))));
        EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("MenuSitei.snw"))));
    }
}
