// The preference store: every key reads as its default until written.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "store/prefs.h"

#include <QFile>

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
