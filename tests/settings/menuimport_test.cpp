// The menu import's rules: reading the file, the row checks and their log, the append and the
// sort by group, on small hand-made CP932 files and on a large one.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "settings/menucatalogue.h"
#include "settings/menuimport.h"
#include "store/cp932.h"
#include "store/helpers.h"
#include "store/specialfolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QRandomGenerator>

#include <vector>

namespace
{

using namespace MenuImport;

QByteArray Cp932Lines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += ToCp932(l) + "\r\n";
    return out;
}

MenuEntry Item(const QString &group, const QString &name, qint64 yen = 0, const QString &kana = {})
{
    return {group, name, yen * 10000, kana};
}

QStringList Rows(const std::vector<MenuEntry> &table)
{
    QStringList out;
    for (size_t i = 1; i < table.size(); ++i)
        out << table[i].Group + QLatin1Char('/') + table[i].MenuName;
    return out;
}

// The procedure as the shop's earlier program ran it, to hold the fast sort against.
void ExchangeSort(std::vector<MenuEntry> &t)
{
    const size_t n = t.size() - 1;
    for (size_t i = 1; i < n; ++i)
        for (size_t j = i + 1; j <= n; ++j)
            if (t[i].Group < t[j].Group)
                std::swap(t[i], t[j]);
}

class MenuImportTest : public ::testing::Test
{
  protected:
    MenuImportTest() { SetSpecialFolderOverride(0, desktop.path()); }
    ~MenuImportTest() override { SetSpecialFolderOverride(0, QString()); }

    CsvTable read(const QByteArray &bytes)
    {
        folder.write(QStringLiteral("menu.csv"), bytes);
        CsvTable rows;
        EXPECT_EQ(ReadSource(folder.file(QStringLiteral("menu.csv")), rows), ReadStatus::Ok);
        return rows;
    }

    TestDataFolder folder;
    QTemporaryDir desktop;
};

} // namespace

TEST_F(MenuImportTest, RowsAreCheckedConvertedAppendedAndSortedByGroup)
{
    const CsvTable rows = read(Cp932Lines({
        QStringLiteral("グループ名,メニュー名,値段,フリガナ"), // a header is data; its price is refused
        QStringLiteral("麺類,ラーメン,\"1,200\",ラーメン"), QStringLiteral("丼物,カツ丼,８５０,カツドン"),
        QStringLiteral("麺類,うどん,時価,ウドン"), QStringLiteral(",名無し,100,"), QStringLiteral("丼物,,100,"),
        QStringLiteral("寿司,上握り, 2500 ,ｼﾞｮｳﾆｷﾞﾘ"),
        QStringLiteral("丼物,天丼,,テンドン"), // an empty price in a mapped column is no number
    }));
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(SourceEntries(rows), (QStringList{QStringLiteral("[01]グループ名"), QStringLiteral("[02]メニュー名"),
                                                QStringLiteral("[03]値段"), QStringLiteral("[04]フリガナ")}));

    std::vector<MenuEntry> table{{},
                                 Item(QStringLiteral("丼物"), QStringLiteral("親子丼"), 700),
                                 Item(QStringLiteral("麺類"), QStringLiteral("そば"), 600),
                                 Item(QStringLiteral("飲物"), QStringLiteral("お茶"), 150)};
    std::vector<MenuEntry> expected = table;
    expected.push_back(Item(QStringLiteral("麺類"), QStringLiteral("ラーメン"), 1200, QStringLiteral("ﾗｰﾒﾝ")));
    expected.push_back(Item(QStringLiteral("丼物"), QStringLiteral("カツ丼"), 850, QStringLiteral("ｶﾂﾄﾞﾝ")));
    expected.push_back(Item(QStringLiteral("寿司"), QStringLiteral("上握り"), 2500, QStringLiteral("ｼﾞｮｳﾆｷﾞﾘ")));
    ExchangeSort(expected);

    std::vector<int> progress;
    const Outcome outcome = ImportRows(rows, {1, 2, 3, 4}, table, [&](int done) { progress.push_back(done); });
    EXPECT_EQ(outcome.total, 8);
    EXPECT_EQ(outcome.accepted, 3);
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(
        outcome.failures,
        (QStringList{QStringLiteral("値段が不正：グループ名,メニュー名,値段"),
                     QStringLiteral("値段が不正：麺類,うどん,時価"), QStringLiteral("グループ名が空白：,名無し,100"),
                     QStringLiteral("メニュー名が空白：丼物,,100"), QStringLiteral("値段が不正：丼物,天丼,")}));

    // Descending by code unit: 麺 (U+9EBA) > 飲 (U+98F2) > 寿 (U+5BFF) > 丼 (U+4E3C); the order
    // within a group is the one the exchange procedure leaves.
    EXPECT_EQ(Rows(table), Rows(expected));
    EXPECT_EQ(Rows(table), (QStringList{QStringLiteral("麺類/そば"), QStringLiteral("麺類/ラーメン"),
                                        QStringLiteral("飲物/お茶"), QStringLiteral("寿司/上握り"),
                                        QStringLiteral("丼物/カツ丼"), QStringLiteral("丼物/親子丼")}));
    for (size_t i = 1; i < table.size(); ++i) {
        EXPECT_EQ(table[i].Price, expected[i].Price) << i;
        EXPECT_EQ(table[i].MenuKana, expected[i].MenuKana) << i;
    }

    EXPECT_EQ(ResultText(outcome), QStringLiteral("8 件中 3 件のインポートに成功しました。\r\n"
                                                  "失敗したデータはデスクトップの importErr.txt を参照して下さい。"));
    ASSERT_TRUE(WriteErrorLog(outcome.failures));
    QFile log(desktop.filePath(QStringLiteral("importErr.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        log.readAll(),
        Cp932Lines({QStringLiteral("1:値段が不正：グループ名,メニュー名,値段"),
                    QStringLiteral("2:値段が不正：麺類,うどん,時価"), QStringLiteral("3:グループ名が空白：,名無し,100"),
                    QStringLiteral("4:メニュー名が空白：丼物,,100"), QStringLiteral("5:値段が不正：丼物,天丼,")}));
}

TEST_F(MenuImportTest, TwoColumnsMappedAndTheRequiredTargets)
{
    // Names are taken as they stand (full-width, no duplicate test); price 0 and no furigana.
    const CsvTable rows = read(Cp932Lines({QStringLiteral("ＡＢ,ａｂ"), QStringLiteral("ＡＢ,ａｂ")}));
    EXPECT_EQ(MappingError({0, 2, 0, 0}), QStringLiteral("グループ名は必ず設定して下さい。"));
    EXPECT_EQ(MappingError({1, 0, 0, 0}), QStringLiteral("メニュー名は必ず設定して下さい。"));
    EXPECT_EQ(MappingError({1, 2, 0, 0}), QString());

    std::vector<MenuEntry> table(1);
    const Outcome outcome = ImportRows(rows, {1, 2, 0, 0}, table);
    EXPECT_EQ(outcome.accepted, 2);
    ASSERT_EQ(table.size(), 3u);
    for (size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(table[i].Group, QStringLiteral("ＡＢ"));
        EXPECT_EQ(table[i].MenuName, QStringLiteral("ａｂ"));
        EXPECT_EQ(table[i].Price, 0);
        EXPECT_EQ(table[i].MenuKana, QString());
    }
}

TEST_F(MenuImportTest, FilesThatCannotBeImportedAreToldApart)
{
    CsvTable rows;
    EXPECT_EQ(ReadSource(folder.file(QStringLiteral("none.csv")), rows), ReadStatus::Missing);
    EXPECT_EQ(ReadSource(folder.path(), rows), ReadStatus::Missing); // a folder is no file
    folder.write(QStringLiteral("empty.csv"), {});
    EXPECT_EQ(ReadSource(folder.file(QStringLiteral("empty.csv")), rows), ReadStatus::Empty);
    folder.write(QStringLiteral("binary.csv"), QByteArray("PK\x03\x04\0\0\x14\0", 8));
    EXPECT_EQ(ReadSource(folder.file(QStringLiteral("binary.csv")), rows), ReadStatus::Unreadable);
    folder.write(QStringLiteral("utf8.csv"), QStringLiteral("麺類,ラーメン,800\r\n").toUtf8());
    EXPECT_EQ(ReadSource(folder.file(QStringLiteral("utf8.csv")), rows), ReadStatus::Unreadable);
    EXPECT_TRUE(rows.empty());

    // A desktop that cannot be written is reported, not taken as done.
    SetSpecialFolderOverride(0, folder.file(QStringLiteral("no/such/folder")));
    EXPECT_FALSE(WriteErrorLog({QStringLiteral("値段が不正：a,b,c")}));
}

TEST(MenuImportSort, SameOrderAsTheExchangeProcedure)
{
    QRandomGenerator random(20261209);
    const QStringList groups{QStringLiteral("麺類"), QStringLiteral("丼物"), QStringLiteral("飲物"),
                             QStringLiteral("ｾｯﾄ"),  QStringLiteral("A"),    QStringLiteral("")};
    for (int round = 0; round < 300; ++round) {
        const int n = int(random.bounded(40));
        std::vector<MenuEntry> table(1);
        for (int i = 0; i < n; ++i)
            table.push_back(
                Item(groups.at(int(random.bounded(qsizetype(1 + round % groups.size())))), QString::number(i)));
        std::vector<MenuEntry> expected = table;
        ExchangeSort(expected);
        SortByGroup(table);
        ASSERT_EQ(Rows(table), Rows(expected)) << "round " << round;
    }
}

TEST_F(MenuImportTest, HundredThousandLinesFillTheTableAndTheRestAreRefused)
{
    QStringList lines;
    for (int i = 0; i < 100000; ++i)
        lines << QStringLiteral("グループ%1,品%2,%3,ｼﾅ").arg(i % 40).arg(i).arg(100 + i % 900);
    const CsvTable rows = read(Cp932Lines(lines));
    ASSERT_EQ(rows.size(), 100000u);
    std::vector<MenuEntry> table(1);
    const Outcome outcome = ImportRows(rows, {1, 2, 3, 4}, table);
    EXPECT_EQ(outcome.accepted, MenuCatalogue::kMaxRows);
    ASSERT_EQ(outcome.failures.size(), 100000 - MenuCatalogue::kMaxRows);
    EXPECT_EQ(outcome.failures.first(), QStringLiteral("登録数の上限を超過：グループ7,品32767,467"));
    ASSERT_EQ(table.size(), size_t(MenuCatalogue::kMaxRows) + 1);
    for (size_t i = 2; i < table.size(); ++i)
        ASSERT_FALSE(table[i - 1].Group < table[i].Group) << i;
}

TEST(MenuImportRows, RowsPastTheTableLimitAreRefusedAndLogged)
{
    std::vector<MenuEntry> table(1);
    for (int i = 0; i < MenuCatalogue::kMaxRows - 1; ++i)
        table.push_back({QStringLiteral("A"), QStringLiteral("m%1").arg(i), 0, QString()});
    const CsvTable rows = {{QStringLiteral("B"), QStringLiteral("x"), QStringLiteral("100")},
                           {QStringLiteral("B"), QStringLiteral("y"), QStringLiteral("200")}};
    const MenuImport::Outcome outcome = MenuImport::ImportRows(rows, {1, 2, 3, 0}, table);
    EXPECT_EQ(outcome.accepted, 1);
    ASSERT_EQ(outcome.failures.size(), 1);
    EXPECT_EQ(outcome.failures.at(0), QStringLiteral("登録数の上限を超過：B,y,200"));
    EXPECT_EQ(table.size(), size_t(MenuCatalogue::kMaxRows) + 1);
}
