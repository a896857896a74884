// Input rules of the shop settings: field checks, required fields, point-service completeness.
#include <gtest/gtest.h>

#include "mock/testprompt.h"
#include "settings/shopform.h"

using ShopForm::FieldCheck;

namespace
{

ShopSettings Complete()
{
    ShopSettings s;
    s.ShopName = QStringLiteral("空野屋");
    s.ShopZip = "1050011";
    s.ShopAddress = QStringLiteral("東京都港区芝公園4-2-8");
    s.ShopTel = {"03", "1234", "5678"};
    s.TaxRate = "0";
    s.PointService = "0";
    s.PointYenUnit = s.PointsPerUnit = s.PointStep = s.PointStepYen = s.PointValidMonths = "0";
    return s;
}

} // namespace

TEST(ShopForm, NumbersAsTheStaffTypeThem)
{
    for (const char *yes : {"0", "12", "-5", "+7", "1.5", "1,000", "30,000.25", " 42 ", ".5", "1."})
        EXPECT_TRUE(ShopForm::IsNumberText(QString::fromUtf8(yes))) << yes;
    for (const char *no : {"", " ", "abc", "12a", "1-2", "1,00", "1.2.3", "+", ".", "１２", "1 2", "0x10"})
        EXPECT_FALSE(ShopForm::IsNumberText(QString::fromUtf8(no))) << no;
}

TEST(ShopForm, DigitFieldsRefuseLettersAndHyphens)
{
    EXPECT_EQ(ShopForm::CheckDigitsField(""), FieldCheck::Accepted);
    EXPECT_EQ(ShopForm::CheckDigitsField("1050011"), FieldCheck::Accepted);
    EXPECT_EQ(ShopForm::CheckDigitsField("0"), FieldCheck::Accepted);
    EXPECT_EQ(ShopForm::CheckDigitsField("105-0011"), FieldCheck::NotNumeric);
    EXPECT_EQ(ShopForm::CheckDigitsField("-5"), FieldCheck::NotNumeric);
    EXPECT_EQ(ShopForm::CheckDigitsField("O3"), FieldCheck::NotNumeric);
}

TEST(ShopForm, PointValuesMustLieAboveZeroUpTo30000)
{
    EXPECT_EQ(ShopForm::CheckPointField(""), FieldCheck::Accepted);
    EXPECT_EQ(ShopForm::CheckPointField("30000"), FieldCheck::Accepted);
    EXPECT_EQ(ShopForm::CheckPointField("1.5"), FieldCheck::Accepted);
    EXPECT_EQ(ShopForm::CheckPointField("0.1"), FieldCheck::Accepted);
    EXPECT_EQ(ShopForm::CheckPointField("1,000"), FieldCheck::Accepted);
    EXPECT_EQ(ShopForm::CheckPointField("30001"), FieldCheck::OutOfRange);
    EXPECT_EQ(ShopForm::CheckPointField("30000.5"), FieldCheck::OutOfRange);
    EXPECT_EQ(ShopForm::CheckPointField("0"), FieldCheck::OutOfRange);
    EXPECT_EQ(ShopForm::CheckPointField("-5"), FieldCheck::OutOfRange);
    EXPECT_EQ(ShopForm::CheckPointField("abc"), FieldCheck::NotNumeric);
    EXPECT_EQ(ShopForm::CheckPointField("5ヶ月"), FieldCheck::NotNumeric);
}

TEST(ShopForm, RefusalsShowTheirWarnings)
{
    TestPrompt prompt;
    EXPECT_TRUE(ShopForm::ReportFieldCheck(FieldCheck::Accepted));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(ShopForm::ReportFieldCheck(FieldCheck::NotNumeric));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("数字以外が入力されました"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("数字以外は入力できません。"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_FALSE(ShopForm::ReportFieldCheck(FieldCheck::OutOfRange));
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().title, QStringLiteral("入力値が不適当です"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("０及びマイナスの値は入力できません。"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
}

TEST(ShopForm, MissingFieldsAreListedInOrderTelephoneOnce)
{
    EXPECT_EQ(ShopForm::MissingFieldsText(Complete()), "");

    ShopSettings none;
    EXPECT_EQ(ShopForm::MissingFieldsText(none),
              QStringLiteral("・店舗名\r\n・郵便番号\r\n・住所\r\n・電話番号\r\n・消費税\r\nを入力して下さい。"));

    ShopSettings oneTelPart = Complete();
    oneTelPart.ShopTel[1] = "";
    EXPECT_EQ(ShopForm::MissingFieldsText(oneTelPart), QStringLiteral("・電話番号\r\nを入力して下さい。"));

    ShopSettings twoMissing = Complete();
    twoMissing.ShopZip = "";
    twoMissing.TaxRate = "";
    twoMissing.NoticeLine = ""; // optional
    twoMissing.NoteText = "";   // optional
    EXPECT_EQ(ShopForm::MissingFieldsText(twoMissing), QStringLiteral("・郵便番号\r\n・消費税\r\nを入力して下さい。"));
}

TEST(ShopForm, PointServiceNeedsAllFiveValuesOnlyWhenOn)
{
    ShopSettings s = Complete();
    EXPECT_EQ(ShopForm::FirstIncompletePointField(s), -1); // off: not examined
    s.PointService = "1";
    EXPECT_EQ(ShopForm::FirstIncompletePointField(s), 0);
    s.PointYenUnit = "100";
    s.PointsPerUnit = "1";
    s.PointStep = "";
    EXPECT_EQ(ShopForm::FirstIncompletePointField(s), 2);
    s.PointStep = "50";
    s.PointStepYen = "500";
    EXPECT_EQ(ShopForm::FirstIncompletePointField(s), 4);
    s.PointValidMonths = "6";
    EXPECT_EQ(ShopForm::FirstIncompletePointField(s), -1);
}

TEST(ShopForm, ConfirmChecksRequiredFieldsBeforePoints)
{
    TestPrompt prompt;
    ShopSettings s = Complete();
    s.PointService = "1";
    s.ShopName = "";
    EXPECT_FALSE(ShopForm::ConfirmShopInput(s));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("入力エラー"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("・店舗名\r\nを入力して下さい。"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);

    s.ShopName = "A";
    EXPECT_FALSE(ShopForm::ConfirmShopInput(s));
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().title, QStringLiteral("未入力箇所があります"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("ポイントサービスのサービス内容はもれなく入力して下さい。"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);

    s.PointService = "0";
    EXPECT_TRUE(ShopForm::ConfirmShopInput(s));
    EXPECT_EQ(prompt.count(), 2);
}
