// Shared helpers: error box, field trimming, byte length, building lookup, numeric input,
// half-width conversion, display formats, paths and the column comparison.
#include <gtest/gtest.h>

#include "mock/testprompt.h"
#include "store/helpers.h"

#include <QDir>

TEST(Helpers, ErrorBoxShowsNumberWithLeadingBlankAndTwoCarriageReturns)
{
    TestPrompt prompt;
    ShowErrorBox(11, QStringLiteral("顧客データの更新エラー"));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().title, QStringLiteral("エラー"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("ErrorNo: 11\r\r顧客データの更新エラー"));
    EXPECT_EQ(prompt.last().buttons, PromptButtons::Ok);
}

TEST(Helpers, TrimFieldAndByteLength)
{
    EXPECT_EQ(TrimField(QStringLiteral("abc") + QStringLiteral("  ") + QString(3, QChar(0))), QStringLiteral("abc"));
    EXPECT_EQ(TrimField(QString(5, QChar(0))), QString());
    EXPECT_EQ(ByteLength(QStringLiteral("ｱｲｳｴ")), 4);
    EXPECT_EQ(ByteLength(QStringLiteral("アイウエ")), 8);
}

TEST(Helpers, FindBuildingPrefersTheLongestAddress)
{
    const QStringList list{QString(), QStringLiteral("Short House\t1-2"), QStringLiteral("Long Tower\t1-2-3"),
                           QStringLiteral("Other\t9-9")};
    EXPECT_EQ(FindBuilding(list, QStringLiteral("港区芝1-2-3")), QStringLiteral("Long Tower"));
    EXPECT_EQ(FindBuilding(list, QStringLiteral("港区芝1-2-4")), QStringLiteral("Short House"));
    // The address is compared in half-width, whatever the user typed.
    EXPECT_EQ(FindBuilding(list, QStringLiteral("港区芝１－２－３")), QStringLiteral("Long Tower"));
    EXPECT_EQ(FindBuilding(list, QStringLiteral("港区芝5-5")), QString());
    EXPECT_EQ(FindBuilding(list, QString()), QString());

    // On a tie the first one found wins.
    const QStringList tie{QString(), QStringLiteral("First\t2-1"), QStringLiteral("Second\t2-1")};
    EXPECT_EQ(FindBuilding(tie, QStringLiteral("2-1-5")), QStringLiteral("First"));

    // An entry without an address is no building of every address.
    const QStringList noAddress{QString(), QStringLiteral("Nowhere\t"), QStringLiteral("NoTab")};
    EXPECT_EQ(FindBuilding(noAddress, QStringLiteral("港区芝1-2")), QString());
    // Building addresses typed in full width still match.
    const QStringList wide{QString(), QStringLiteral("Wide\t３－４")};
    EXPECT_EQ(FindBuilding(wide, QStringLiteral("中央3-4-1")), QStringLiteral("Wide"));
}

TEST(Helpers, NumericInputCheck)
{
    for (const char *ok : {"", "0", "123", "-5", "+7", "1,234", "1,234,567.5", "3.14", ".5", " 42 "})
        EXPECT_TRUE(IsNumericInput(QString::fromUtf8(ok))) << ok;
    for (const char *bad : {"abc", "12a", "1,2", "1,2345", "--1", "1.2.3", "-", ".", "１２", "12 34"})
        EXPECT_FALSE(IsNumericInput(QString::fromUtf8(bad))) << bad;

    EXPECT_TRUE(IsPhoneInput(QStringLiteral("0312345678")));
    EXPECT_TRUE(IsPhoneInput(QString()));
    EXPECT_FALSE(IsPhoneInput(QStringLiteral("03-1234-5678")));
    EXPECT_FALSE(IsPhoneInput(QStringLiteral("-312345678")));
    EXPECT_FALSE(IsPhoneInput(QStringLiteral("03 abc")));

    TestPrompt prompt;
    ShowNotNumericWarning();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().title, QStringLiteral("数字以外が入力されました"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("数字以外は入力できません。"));
}

TEST(Helpers, ToHalfWidth)
{
    EXPECT_EQ(ToHalfWidth(QStringLiteral("ヤマダ　タロウ０３－１２３４")), QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ03-1234"));
    EXPECT_EQ(ToHalfWidth(QStringLiteral("ガパーＡｚ")), QStringLiteral("ｶﾞﾊﾟｰAz"));
    EXPECT_EQ(ToHalfWidth(QStringLiteral("東京都港区")), QStringLiteral("東京都港区"));
    EXPECT_EQ(ToHalfWidth(QStringLiteral("ﾔﾏﾀﾞ 1-2")), QStringLiteral("ﾔﾏﾀﾞ 1-2"));
    EXPECT_EQ(ToHalfWidth(QString()), QString());
}

TEST(Helpers, DisplayFormats)
{
    EXPECT_EQ(FormatYen(1234), QStringLiteral("¥1,234"));
    EXPECT_EQ(FormatYen(1234567), QStringLiteral("¥1,234,567"));
    EXPECT_EQ(FormatYen(100), QStringLiteral("¥100"));
    EXPECT_EQ(FormatYen(0), QStringLiteral("¥0"));
    EXPECT_EQ(FormatYen(-300), QStringLiteral("-¥300"));
    EXPECT_EQ(FormatYen(-1000), QStringLiteral("-¥1,000"));
    EXPECT_EQ(FormatYenBlankZero(0), QStringLiteral("¥"));
    EXPECT_EQ(FormatYenBlankZero(980), QStringLiteral("¥980"));
    EXPECT_EQ(FormatCustomerNo(42), QStringLiteral("00042"));
    EXPECT_EQ(FormatCustomerNo(123456), QStringLiteral("123456"));
}

TEST(Helpers, PathHelpers)
{
    EXPECT_EQ(QuoteIfNeeded(QStringLiteral("/data/Soranowa.snb")), QStringLiteral("/data/Soranowa.snb"));
    EXPECT_EQ(QuoteIfNeeded(QStringLiteral("/my data/a.snb")), QStringLiteral("\"/my data/a.snb\""));
    EXPECT_EQ(QuoteIfNeeded(QStringLiteral("a,b")), QStringLiteral("\"a,b\""));

    EXPECT_EQ(WithTrailingSlash(QStringLiteral("/backup")), QStringLiteral("/backup/"));
    EXPECT_EQ(WithTrailingSlash(QStringLiteral("/backup/")), QStringLiteral("/backup/"));
    EXPECT_EQ(WithTrailingSlash(QStringLiteral("/backup  ")), QStringLiteral("/backup/"));
    EXPECT_EQ(WithTrailingSlash(QStringLiteral("/backup/  ")), QStringLiteral("/backup/"));

    const QString desktop = SpecialFolderPath(0);
    const QString documents = SpecialFolderPath(5);
    EXPECT_TRUE(QDir::isAbsolutePath(desktop)) << desktop.toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(documents)) << documents.toStdString();
    EXPECT_NE(desktop, documents);
    EXPECT_EQ(SpecialFolderPath(3), QString());
}

TEST(Helpers, CompareByKind)
{
    // Numbers, with the yen sign and separators.
    EXPECT_LT(CompareByKind(QStringLiteral("¥900"), QStringLiteral("¥1,200"), SortKind::Number), 0);
    EXPECT_GT(CompareByKind(QStringLiteral("10"), QStringLiteral("9"), SortKind::Number), 0);
    EXPECT_LT(CompareByKind(QStringLiteral("-¥300"), QStringLiteral("¥0"), SortKind::Number), 0);
    EXPECT_EQ(CompareByKind(QStringLiteral("¥1,000"), QStringLiteral("1000"), SortKind::Number), 0);
    EXPECT_LT(CompareByKind(QStringLiteral("-----"), QStringLiteral("0"), SortKind::Number), 0); // not a number first
    // As text, "10" sorts before "9".
    EXPECT_LT(CompareByKind(QStringLiteral("10"), QStringLiteral("9"), SortKind::Text), 0);
    EXPECT_LT(CompareByKind(QStringLiteral("アイ"), QStringLiteral("カキ"), SortKind::Text), 0);
    EXPECT_EQ(CompareByKind(QStringLiteral("same"), QStringLiteral("same"), SortKind::Text), 0);
    // Dates, with or without a time.
    EXPECT_LT(CompareByKind(QStringLiteral("2003/12/31"), QStringLiteral("2004/01/01"), SortKind::Date), 0);
    EXPECT_GT(CompareByKind(QStringLiteral("2004/01/01 10:05"), QStringLiteral("2004/01/01 9:59"), SortKind::Date), 0);
    EXPECT_LT(CompareByKind(QStringLiteral("2004/01/01"), QStringLiteral("2004/01/01 00:01"), SortKind::Date), 0);
    EXPECT_LT(CompareByKind(QStringLiteral("-----"), QStringLiteral("1999/01/01"), SortKind::Date), 0);
    // As text, "2004/1/5" would follow "2004/10/01".
    EXPECT_LT(CompareByKind(QStringLiteral("2004/1/5"), QStringLiteral("2004/10/01"), SortKind::Date), 0);
}
