// Readings of menu names: the analyser with the menu-word dictionary, names read as written,
// and a missing analyser.
#include <gtest/gtest.h>

#include "settings/menureading.h"

#include <QTemporaryDir>

namespace
{

MenuReadingDictionary Built()
{
    return {QStringLiteral(SORANOWA_MECAB_DICDIR), QStringLiteral(SORANOWA_MENUWORDS_DIC)};
}

QString ReadingOf(MenuReader &reader, const char *name)
{
    const std::optional<QString> r = reader.reading(QString::fromUtf8(name));
    return r ? *r : QStringLiteral("<none>");
}

} // namespace

TEST(MenuReading, DishNamesReadAsTheShopSaysThem)
{
    MenuReader reader(Built());
    const std::pair<const char *, const char *> dishes[] = {
        {"天ぷらそば", "ﾃﾝﾌﾟﾗｿﾊﾞ"},
        {"親子丼", "ｵﾔｺﾄﾞﾝ"},
        {"カツ丼", "ｶﾂﾄﾞﾝ"},
        {"海老フライ定食", "ｴﾋﾞﾌﾗｲﾃｲｼｮｸ"},
        {"ざるそば大盛り", "ｻﾞﾙｿﾊﾞｵｵﾓﾘ"},
        {"鍋焼きうどん", "ﾅﾍﾞﾔｷｳﾄﾞﾝ"},
        {"海鮮丼", "ｶｲｾﾝﾄﾞﾝ"},
        {"鴨南蛮そば", "ｶﾓﾅﾝﾊﾞﾝｿﾊﾞ"},
        {"上寿司", "ｼﾞｮｳｽﾞｼ"},
        {"焼き餃子", "ﾔｷｷﾞｮｳｻﾞ"},
    };
    for (const auto &[name, reading] : dishes)
        EXPECT_EQ(ReadingOf(reader, name), QString::fromUtf8(reading)) << name;
    EXPECT_TRUE(reader.loaded());
}

TEST(MenuReading, KanaAndAsciiKeepTheirOwnCharacters)
{
    MenuReader reader(Built());
    // Hiragana that a dictionary would read differently stays as written.
    EXPECT_EQ(ReadingOf(reader, "かけそば"), QString::fromUtf8("ｶｹｿﾊﾞ"));
    EXPECT_EQ(ReadingOf(reader, "はし"), QString::fromUtf8("ﾊｼ"));
    EXPECT_EQ(ReadingOf(reader, "コーラ"), QString::fromUtf8("ｺｰﾗ"));
    EXPECT_EQ(ReadingOf(reader, "BLT Sand"), QStringLiteral("BLT Sand"));
    EXPECT_EQ(ReadingOf(reader, "ＣＯＫＥ　Ｌ"), QStringLiteral("COKE L"));
    // None of these needed the analyser, so it is still not loaded.
    EXPECT_EQ(ReadingOf(reader, ""), QString());
    EXPECT_FALSE(reader.loaded());
}

TEST(MenuReading, MixedNamesAndWordsWithoutSound)
{
    MenuReader reader(Built());
    EXPECT_EQ(ReadingOf(reader, "ｳｰﾛﾝ茶"), QString::fromUtf8("ｳｰﾛﾝﾁｬ"));
    EXPECT_EQ(ReadingOf(reader, "ＢＩＧカツ丼セット"), QString::fromUtf8("BIGｶﾂﾄﾞﾝｾｯﾄ"));
    EXPECT_EQ(ReadingOf(reader, "天ぷら 2人前"), QString::fromUtf8("ﾃﾝﾌﾟﾗ 2ﾆﾝﾏｴ"));
    EXPECT_EQ(ReadingOf(reader, "きつねうどん（大）"), QString::fromUtf8("ｷﾂﾈｳﾄﾞﾝ(ﾀﾞｲ)"));
    // A symbol with no single-byte form has no sound and is left out.
    EXPECT_EQ(ReadingOf(reader, "季節の天ぷら♪"), QString::fromUtf8("ｷｾﾂﾉﾃﾝﾌﾟﾗ"));
}

TEST(MenuReading, LongNamesAreReadWhole)
{
    // The reading field has no length limit, so nothing is cut.
    MenuReader reader(Built());
    QString name, expected;
    for (int i = 0; i < 300; ++i) {
        name += QString::fromUtf8("親子丼と");
        expected += QString::fromUtf8("ｵﾔｺﾄﾞﾝﾄ");
    }
    EXPECT_EQ(reader.reading(name), expected);
}

TEST(MenuReading, NoReadingWithoutTheAnalyser)
{
    QTemporaryDir empty;
    MenuReader noSystem({empty.path(), QStringLiteral(SORANOWA_MENUWORDS_DIC)});
    EXPECT_EQ(noSystem.reading(QString::fromUtf8("親子丼")), std::nullopt);
    EXPECT_FALSE(noSystem.loaded());
    // Kana needs no analyser and still reads.
    EXPECT_EQ(noSystem.reading(QString::fromUtf8("ざるそば")), QString::fromUtf8("ｻﾞﾙｿﾊﾞ"));

    MenuReader noMenuWords({QStringLiteral(SORANOWA_MECAB_DICDIR), empty.filePath("menuwords.dic")});
    EXPECT_EQ(noMenuWords.reading(QString::fromUtf8("カツ丼")), std::nullopt);

    // A damaged menu-word file is refused by the analyser, not read.
    const QString broken = empty.filePath("broken.dic");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a dictionary");
    f.close();
    MenuReader damaged({QStringLiteral(SORANOWA_MECAB_DICDIR), broken});
    EXPECT_EQ(damaged.reading(QString::fromUtf8("カツ丼")), std::nullopt);
}

TEST(MenuReading, TheInputMethodsReadingComesFirst)
{
    MenuReader reader(Built());
    EXPECT_EQ(MenuNameReading(QString::fromUtf8("親子丼"), QString::fromUtf8("おやこどんぶり"), reader),
              QString::fromUtf8("ｵﾔｺﾄﾞﾝﾌﾞﾘ"));
    EXPECT_FALSE(reader.loaded());
    EXPECT_EQ(MenuNameReading(QString::fromUtf8("親子丼"), QString(), reader), QString::fromUtf8("ｵﾔｺﾄﾞﾝ"));
}
