// Import files with line ends and TABs inside their cells: what is stored must load again whole.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "settings/menuimport.h"
#include "store/settingfiles.h"

#include <QFile>

TEST(DamagedImport, MenuCellsWithLineEndsOrTabsKeepTheMenuFileReadable)
{
    TestDataFolder folder;
    TestPrompt prompt;
    // 麺類,ざるそば,650,ざる... CR 物,かつ丼,"1,200",かつどん CR LF: a lone CR is no record end,
    // so the reading of the only row holds a line end.
    const QByteArray loneCr("\x96\xcb\x97\xde,\x82\xb4\x82\xe9\x82\xbb\x82\xce,650,\x82\xb4\x82\xe9\x82\x82\xe9\x82"
                            "\xbb\x82\xce\x0d\x95\xa8,\x82\xa9\x82\xc2\x98\xa5,\"1,200\",\x82\xa9\x82\xc2\x82\xc7\x82"
                            "\xf1\r\n");
    // A quoted cell may hold anything: a TAB in the name, CR LF in the reading.
    const QByteArray quoted("G,\"A\tB\",100,\"X\r\nY\"\r\nG,C,200,Z\r\n");
    folder.write(QStringLiteral("menu.csv"), loneCr + quoted);
    CsvTable rows;
    ASSERT_EQ(MenuImport::ReadSource(folder.file(QStringLiteral("menu.csv")), rows), ImportSource::ReadStatus::Ok);
    SettingTables tables;
    const MenuImport::Outcome outcome = MenuImport::ImportRows(rows, {1, 2, 3, 4}, tables.MenuTable);
    ASSERT_EQ(outcome.accepted, 3);
    ASSERT_TRUE(SaveMenuTable(tables));

    SettingTables loaded;
    EXPECT_TRUE(LoadMenuTable(loaded));
    EXPECT_EQ(prompt.count(), 0);
    ASSERT_EQ(loaded.MenuTable.size(), 4u);
    QStringList names, readings;
    for (size_t i = 1; i < loaded.MenuTable.size(); ++i) {
        names << loaded.MenuTable[i].MenuName;
        readings << loaded.MenuTable[i].MenuKana;
    }
    names.sort();
    readings.sort();
    EXPECT_EQ(names, QStringList({QStringLiteral("AB"), QStringLiteral("C"), QStringLiteral("ざるそば")}));
    EXPECT_EQ(readings.at(0), QStringLiteral("XY"));
    EXPECT_TRUE(readings.contains(QStringLiteral("Z")));
    EXPECT_EQ(loaded.MenuTable[1].Price + loaded.MenuTable[2].Price + loaded.MenuTable[3].Price, 950 * 10000);

    // The same for the one-value-per-line lists.
    tables.StaffList = {QString(), QStringLiteral("田中\r\n太郎"), QStringLiteral("鈴木")};
    ASSERT_TRUE(SaveStaffList(tables));
    SettingTables staff;
    EXPECT_TRUE(LoadStaffList(staff));
    EXPECT_EQ(staff.StaffList, QStringList({QString(), QStringLiteral("田中太郎"), QStringLiteral("鈴木")}));
}
