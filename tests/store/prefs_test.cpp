// The preference store: every key reads as its default until written.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "store/preferences.h"
#include "store/prefs.h"

#include <QFile>

#include <algorithm>

TEST(Prefs, FreshStoreReadsAsTheDefaults)
{
    TestDataFolder folder;
    // Order board unsorted, ascending when sorted.
    EXPECT_EQ(GetPref(QStringLiteral("SET"), QStringLiteral("SORTKEY")), QString());
    EXPECT_EQ(GetPrefOrDefault(QStringLiteral("SET"), QStringLiteral("SORTKEY")), QString());
    EXPECT_EQ(GetPrefOrDefault(QStringLiteral("SET"), QStringLiteral("SORT_AZ")), QStringLiteral("0"));
    // Kana search, options dialog on double-click, confirm without printing, printer dialog
    // first, A5 portrait notes, normal delivery progress, no delivery fee yet.
    for (const char *key : {"SEARCH", "MENU", "ORDER", "PRINT", "NOHIN", "SHINKO", "HAITATSU"})
        EXPECT_EQ(GetPrefOrDefault(QStringLiteral("SET"), QString::fromLatin1(key)), QStringLiteral("0")) << key;
    for (const char *key : {"NAME", "NAME1", "NAME3"})
        EXPECT_EQ(GetPrefOrDefault(QStringLiteral("STAFF"), QString::fromLatin1(key)), QString()) << key;
    for (const char *key : {"START1", "START2", "START3", "END1", "END2", "END3"})
        EXPECT_EQ(GetPrefOrDefault(QStringLiteral("TIME"), QString::fromLatin1(key)), QStringLiteral("0")) << key;
    EXPECT_EQ(GetPrefOrDefault(QStringLiteral("PAPER"), QStringLiteral("UP")), QStringLiteral("23.5"));
    EXPECT_EQ(GetPrefOrDefault(QStringLiteral("PAPER"), QStringLiteral("LEFT")), QStringLiteral("7"));
    EXPECT_EQ(GetPrefOrDefault(QStringLiteral("PAPER"), QStringLiteral("WIDTH")), QStringLiteral("64"));
    EXPECT_EQ(GetPrefOrDefault(QStringLiteral("PAPER"), QStringLiteral("HEIGHT")), QStringLiteral("33.9"));
    EXPECT_EQ(GetPrefOrDefault(QStringLiteral("PAPER"), QStringLiteral("TATE")), QStringLiteral("7"));
}

TEST(Prefs, SavedValuesPersistUnderTheirSectionAndKey)
{
    TestDataFolder folder;
    SavePref(QStringLiteral("SET"), QStringLiteral("SORTKEY"), QStringLiteral("3"));
    SavePref(QStringLiteral("SET"), QStringLiteral("SORT_AZ"), QStringLiteral("1"));
    SavePref(QStringLiteral("STAFF"), QStringLiteral("NAME"), QStringLiteral("山田"));
    SavePref(QStringLiteral("SET"), QStringLiteral("SEARCH"), QString());
    // Reopen the store from its file.
    SetPrefFile(folder.file(QStringLiteral("prefs.ini")));
    EXPECT_EQ(GetPref(QStringLiteral("SET"), QStringLiteral("SORTKEY")), QStringLiteral("3"));
    EXPECT_EQ(GetPrefOrDefault(QStringLiteral("SET"), QStringLiteral("SORT_AZ")), QStringLiteral("1"));
    EXPECT_EQ(GetPref(QStringLiteral("STAFF"), QStringLiteral("NAME")), QStringLiteral("山田"));
    // A value written empty still reads as the default.
    EXPECT_EQ(GetPrefOrDefault(QStringLiteral("SET"), QStringLiteral("SEARCH")), QStringLiteral("0"));
    // Sections are kept apart.
    EXPECT_EQ(GetPref(QStringLiteral("STAFF"), QStringLiteral("SORTKEY")), QString());

    QFile ini(folder.file(QStringLiteral("prefs.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    EXPECT_TRUE(text.contains("[SET]")) << text.constData();
    EXPECT_TRUE(text.contains("SORTKEY=3")) << text.constData();
    EXPECT_TRUE(text.contains("[STAFF]")) << text.constData();
}

TEST(Prefs, TableHoldsEveryKeyOnceWithItsDefault)
{
    struct Row {
        QString section, key, defaultText;
        bool operator==(const Row &) const = default;
    };
    // Every key the program reads or writes, with what a key never written stands for.
    const std::vector<Row> expected = {
        {"SET", "SORTKEY", ""},        {"SET", "SORT_AZ", "0"},
        {"SET", "SEARCH", "0"},        {"SET", "HAITATSU", "0"},
        {"SET", "MENU", "0"},          {"SET", "ORDER", "0"},
        {"SET", "PRINT", "0"},         {"SET", "NOHIN", "0"},
        {"SET", "SHINKO", "0"},        {"STAFF", "NAME", ""},
        {"STAFF", "NAME1", ""},        {"STAFF", "NAME3", ""},
        {"TIME", "START1", "0"},       {"TIME", "START2", "0"},
        {"TIME", "START3", "0"},       {"TIME", "END1", "0"},
        {"TIME", "END2", "0"},         {"TIME", "END3", "0"},
        {"PAPER", "UP", "23.5"},       {"PAPER", "LEFT", "7"},
        {"PAPER", "WIDTH", "64"},      {"PAPER", "HEIGHT", "33.9"},
        {"PAPER", "TATE", "7"},        {"SYSTEM", "STARTED", "0"},
        {"SET", "MAINMAX", "1"},       {"SET", "MAINLEFT", ""},
        {"SET", "MAINTOP", ""},        {"SET", "MAINWIDTH", ""},
        {"SET", "MAINHEIGHT", ""},     {"CTI", "COM1", "/dev/ttyS0"},
        {"CTI", "COM2", "/dev/ttyS1"}, {"CTI", "COM3", "/dev/ttyS2"},
        {"CTI", "COM4", "/dev/ttyS3"}, {"FTP", "HOST", "backup.soranowa.jp"},
        {"FTP", "PORT", "21"},         {"FTP", "USER", ""},
        {"FTP", "CERTFILE", ""},
    };
    std::vector<Row> table;
    for (const PrefEntry &e : PrefTable()) {
        table.push_back({e.section, e.key, e.defaultText});
        EXPECT_EQ(PrefDefault(e.section, e.key), QString::fromLatin1(e.defaultText)) << e.key;
        if (e.type == PrefType::Choice) {
            // The default of a choice is one of its options.
            bool ok = false;
            const int index = QString::fromLatin1(e.defaultText).toInt(&ok);
            EXPECT_TRUE(ok && index >= 0 && index < e.choices) << e.key;
        }
    }
    EXPECT_EQ(table.size(), expected.size());
    for (const Row &row : expected)
        EXPECT_EQ(std::count(table.begin(), table.end(), row), 1)
            << row.section.toStdString() << "/" << row.key.toStdString();
    EXPECT_EQ(PrefDefault("SET", "UNKNOWN"), QString());
}

TEST(Prefs, TypedValuesReadTheDefaultsUntilStoredAndRoundTripThroughTheFile)
{
    TestDataFolder folder;
    EXPECT_EQ(Prefs::BoardSortColumn.get(), std::nullopt);
    EXPECT_EQ(Prefs::BoardSortOrder.get(), SortOrder::Ascending);
    EXPECT_EQ(Prefs::MenuSearchMode.get(), 0);
    EXPECT_EQ(Prefs::DeliveryFee.get(), 0);
    for (const auto &flag : {Prefs::QuickAddMenu, Prefs::PrintOnConfirm, Prefs::PrintWithoutDialog,
                             Prefs::LandscapeNote, Prefs::FirstStartDone})
        EXPECT_FALSE(flag.get()) << PrefEntryOf(flag.key()).key;
    EXPECT_EQ(Prefs::ProgressMode.get(), ProgressMode::Normal);
    EXPECT_EQ(Prefs::DepartureStaff.get(), QString());
    EXPECT_EQ(Prefs::BandEnd3.get(), QStringLiteral("0"));
    EXPECT_EQ(Prefs::LabelTop.get(), 23.5);
    EXPECT_EQ(Prefs::LabelHeight.get(), 33.9);
    EXPECT_EQ(Prefs::LabelRows.get(), 7);
    EXPECT_FALSE(Prefs::MenuSearchMode.isStored());

    Prefs::BoardSortColumn.set(3);
    Prefs::BoardSortOrder.set(SortOrder::Descending);
    Prefs::MenuSearchMode.set(2);
    Prefs::DeliveryFee.set(350);
    Prefs::QuickAddMenu.set(true);
    Prefs::PrintOnConfirm.set(false);
    Prefs::ProgressMode.set(ProgressMode::NoCollection);
    Prefs::OrderStaff.set(QStringLiteral("山田"));
    Prefs::LabelHeight.set(33.9);
    Prefs::LabelTop.set(12.25);
    Prefs::LabelWidth.storeDefault();
    Prefs::LabelRows.set(8);
    // Reopen the store from its file.
    SetPrefFile(folder.file(QStringLiteral("prefs.ini")));

    EXPECT_EQ(Prefs::BoardSortColumn.get(), 3);
    EXPECT_EQ(Prefs::BoardSortOrder.get(), SortOrder::Descending);
    EXPECT_EQ(Prefs::MenuSearchMode.get(), 2);
    EXPECT_EQ(Prefs::DeliveryFee.get(), 350);
    EXPECT_TRUE(Prefs::QuickAddMenu.get());
    EXPECT_FALSE(Prefs::PrintOnConfirm.get());
    EXPECT_EQ(Prefs::ProgressMode.get(), ProgressMode::NoCollection);
    EXPECT_EQ(Prefs::OrderStaff.get(), QStringLiteral("山田"));
    EXPECT_EQ(Prefs::LabelHeight.get(), 33.9);
    EXPECT_EQ(Prefs::LabelTop.get(), 12.25);
    EXPECT_EQ(Prefs::LabelRows.get(), 8);
    EXPECT_TRUE(Prefs::MenuSearchMode.isStored());
    // The texts as stored: decimal numbers, flags as 0 and 1, fractions in their shortest form.
    const QStringList texts = {GetPref("SET", "SORTKEY"),  GetPref("SET", "SORT_AZ"),  GetPref("SET", "SEARCH"),
                               GetPref("SET", "HAITATSU"), GetPref("SET", "MENU"),     GetPref("SET", "ORDER"),
                               GetPref("SET", "SHINKO"),   GetPref("PAPER", "HEIGHT"), GetPref("PAPER", "UP"),
                               GetPref("PAPER", "WIDTH"),  GetPref("PAPER", "TATE")};
    EXPECT_EQ(texts, (QStringList{"3", "1", "2", "350", "1", "0", "1", "33.9", "12.25", "64", "8"}));

    Prefs::BoardSortColumn.set(std::nullopt);
    EXPECT_EQ(GetPref("SET", "SORTKEY"), QString());
    EXPECT_EQ(Prefs::BoardSortColumn.get(), std::nullopt);
}

TEST(Prefs, TextsOfAnotherShapeReadAsTheDefault)
{
    TestDataFolder folder;
    // A choice is only its exact decimal index.
    SavePref("SET", "SORT_AZ", "2");
    SavePref("SET", "SEARCH", "01");
    SavePref("SET", "SHINKO", "9");
    EXPECT_EQ(Prefs::BoardSortOrder.get(), SortOrder::Ascending);
    EXPECT_EQ(Prefs::MenuSearchMode.get(), 0);
    EXPECT_EQ(Prefs::ProgressMode.get(), ProgressMode::Normal);
    // Any flag text but "0" is on.
    SavePref("SET", "PRINT", "2");
    SavePref("SET", "NOHIN", "0");
    EXPECT_TRUE(Prefs::PrintWithoutDialog.get());
    EXPECT_FALSE(Prefs::LandscapeNote.get());
    SavePref("SET", "SORTKEY", "x");
    SavePref("SET", "HAITATSU", "abc");
    SavePref("PAPER", "UP", "");
    SavePref("PAPER", "TATE", "7.5");
    EXPECT_EQ(Prefs::BoardSortColumn.get(), std::nullopt);
    EXPECT_EQ(Prefs::DeliveryFee.get(), 0);
    EXPECT_EQ(Prefs::LabelTop.get(), 23.5);
    EXPECT_EQ(Prefs::LabelRows.get(), 7);
}
