// Order amounts and the point ledger.
#include <gtest/gtest.h>

#include "mock/testprompt.h"
#include "orders/pricing.h"
#include "store/oledate.h"

namespace
{

ShopSettings shopWithPoints(const char *yenUnit = "100", const char *perUnit = "1", const char *step = "100",
                            const char *stepYen = "100", const char *months = "6")
{
    ShopSettings s;
    s.PointService = "1";
    s.PointYenUnit = yenUnit;
    s.PointsPerUnit = perUnit;
    s.PointStep = step;
    s.PointStepYen = stepYen;
    s.PointValidMonths = months;
    return s;
}

SalesRecord saleWith(std::initializer_list<std::pair<qint64, qint16>> lines, qint16 service = 0, qint32 point = 0)
{
    SalesRecord s;
    int i = 1;
    for (const auto &[price, qty] : lines) {
        s.ItemName[i] = QStringLiteral("品%1").arg(i);
        s.ItemPrice[i] = YenToCurrency(price);
        s.ItemQty[i] = qty;
        s.ItemOption[i] = kNoOption;
        ++i;
    }
    s.ServiceDiscount = service;
    s.PointDiscount = point;
    return s;
}

} // namespace

TEST(Pricing, TaxIsRoundedDownBeforeDiscounts)
{
    EXPECT_EQ(ComputeTax(1234, "5"), 61);
    EXPECT_EQ(ComputeTax(1234, "8"), 98);
    EXPECT_EQ(ComputeTax(1234, "0"), 0);
    EXPECT_EQ(ComputeTax(999, "8"), 79);
    EXPECT_EQ(ComputeTax(1234, ""), 0);
    const OrderTotals t = ComputeTotals({{"天丼", kNoOption, 999, 1}}, "8");
    EXPECT_EQ(t.Subtotal, 999);
    EXPECT_EQ(t.Tax, 79);
    EXPECT_EQ(t.Total, 1078);
    const OrderTotals empty = ComputeTotals({}, "8");
    EXPECT_EQ(empty.Subtotal, 0);
    EXPECT_EQ(empty.Total, 0);
    EXPECT_EQ(empty.QtyCount, 0);
    const OrderTotals two = ComputeTotals({{"a", kNoOption, 550, 2}, {"配達料", kNoOption, 300, 1}}, "10");
    EXPECT_EQ(two.Subtotal, 1400);
    EXPECT_EQ(two.QtyCount, 3);
    EXPECT_EQ(two.Tax, 140);
}

TEST(Pricing, AmountsFromAStoredSale)
{
    const SalesRecord sale = saleWith({{550, 2}, {880, 1}}, -100, -200);
    const SaleAmounts a = AmountsFromSale(sale, "10");
    EXPECT_EQ(a.Subtotal, 1980);
    EXPECT_EQ(a.Tax, 198);
    EXPECT_EQ(a.Total, 2178);
    EXPECT_EQ(a.Discount, -300);
    EXPECT_EQ(a.Billed, 1878);
    EXPECT_EQ(a.PointsBase, 1680);
    const SaleAmounts none = AmountsFromSale(saleWith({{300, 1}}), "10");
    EXPECT_EQ(none.Billed, 330);
    EXPECT_EQ(LinesFromSale(sale).size(), 2u);
}

TEST(Pricing, ServiceDiscountInput)
{
    TestPrompt prompt;
    EXPECT_EQ(CheckServiceDiscount(""), ServiceDiscountCheck::Ok);
    EXPECT_EQ(CheckServiceDiscount("-30000"), ServiceDiscountCheck::Ok);
    EXPECT_EQ(CheckServiceDiscount("0"), ServiceDiscountCheck::Ok);
    EXPECT_EQ(CheckServiceDiscount("-30001"), ServiceDiscountCheck::TooLarge);
    EXPECT_EQ(CheckServiceDiscount("50"), ServiceDiscountCheck::NotNegative);
    EXPECT_EQ(CheckServiceDiscount("abc"), ServiceDiscountCheck::NotNumeric);
    ShowServiceDiscountWarning(ServiceDiscountCheck::NotNegative);
    EXPECT_EQ(prompt.last().title, QStringLiteral("マイナスで入力して下さい"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("マイナスを付けて入力して下さい。"));
    ShowServiceDiscountWarning(ServiceDiscountCheck::TooLarge);
    EXPECT_EQ(prompt.last().title, QStringLiteral("不正な値"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("割引額を確認して下さい。"));
    ShowServiceDiscountWarning(ServiceDiscountCheck::NotNumeric);
    EXPECT_EQ(prompt.last().text, QStringLiteral("数字以外は入力できません。"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(ServiceDiscountChoices().first(), QStringLiteral("-50"));
    EXPECT_EQ(ServiceDiscountChoices().size(), 12);
}

TEST(Pricing, DiscountChecksAtConfirmation)
{
    EXPECT_EQ(CheckDiscountsAtConfirm(true, "", false, 0, 1000), DiscountConfirmCheck::ServiceMissing);
    EXPECT_EQ(CheckDiscountsAtConfirm(true, "-300", false, 0, 300), DiscountConfirmCheck::Ok);
    EXPECT_EQ(CheckDiscountsAtConfirm(true, "-310", false, 0, 300), DiscountConfirmCheck::TooLarge);
    EXPECT_EQ(CheckDiscountsAtConfirm(false, "-310", false, 0, 300), DiscountConfirmCheck::Ok);
    EXPECT_EQ(CheckDiscountsAtConfirm(true, "-100", true, 200, 300), DiscountConfirmCheck::Ok);
    EXPECT_EQ(CheckDiscountsAtConfirm(true, "-100", true, 300, 300), DiscountConfirmCheck::TooLarge);
    TestPrompt prompt;
    ShowDiscountConfirmWarning(DiscountConfirmCheck::TooLarge);
    EXPECT_EQ(prompt.last().title, QStringLiteral("割引額が不適切です"));
    EXPECT_EQ(prompt.last().text,
              QStringLiteral("割引額が注文代金より大きいため、登録できません。\r\n割引額を減らして下さい。"));
    ShowDiscountConfirmWarning(DiscountConfirmCheck::ServiceMissing);
    EXPECT_EQ(prompt.last().title, QStringLiteral("割引額が未入力"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("割引額を入力して下さい。"));
}

TEST(Points, RulesAreUsableOnlyWhenComplete)
{
    EXPECT_TRUE(PointRules::FromShop(shopWithPoints()).usable);
    ShopSettings off = shopWithPoints();
    off.PointService = "0";
    EXPECT_FALSE(PointRules::FromShop(off).usable);
    EXPECT_FALSE(PointRules::FromShop(shopWithPoints("0")).usable);
    EXPECT_FALSE(PointRules::FromShop(shopWithPoints("100", "x")).usable);
}

TEST(Points, ParametersMustBeWholeNumbersOfAtLeastOne)
{
    // A step of 0.5 once divided by zero when points were redeemed.
    const SalesRecord sale = saleWith({{1000, 1}}, 0, -100);
    const std::vector<OrderLine> lines = {{QStringLiteral("品"), kNoOption, 1000, 1}};
    for (const char *bad : {"0.5", "1.5", "0.0", "-1", "1e2"}) {
        SCOPED_TRACE(bad);
        for (int field = 0; field < 5; ++field) {
            const char *values[5] = {"100", "1", "100", "100", "6"};
            values[field] = bad;
            const PointRules rules =
                PointRules::FromShop(shopWithPoints(values[0], values[1], values[2], values[3], values[4]));
            EXPECT_FALSE(rules.usable) << field;
            EXPECT_FALSE(PointDiscountAvailable(1, rules, 500));
            EXPECT_EQ(PointsToRedeem(lines, 500, rules), 0);
            EXPECT_EQ(PointDiscountYen(lines, 500, rules), 0);
            EXPECT_EQ(PointsEarnedByOrder(sale, rules), 0);
            CustomerRecord c;
            c.Points = 500;
            CommitPoints(sale, c, rules);
            ReverseSpentPoints(sale, c, rules);
            EXPECT_EQ(c.Points, 500);
        }
    }
    const PointRules grouped = PointRules::FromShop(shopWithPoints("1,000", "1", "100", "100", "6.0"));
    EXPECT_TRUE(grouped.usable);
    EXPECT_EQ(grouped.YenUnit, 1000);
    EXPECT_EQ(grouped.ValidMonths, 6);
}

TEST(Points, RedeemingUsesWholeBlocksTheOrderCovers)
{
    const PointRules rules = PointRules::FromShop(shopWithPoints());
    const std::vector<OrderLine> small = {{"a", kNoOption, 150, 1}};
    EXPECT_EQ(PointsToRedeem(small, 250, rules), 100);
    EXPECT_EQ(PointDiscountYen(small, 250, rules), 100);
    const std::vector<OrderLine> big = {{"a", kNoOption, 500, 2}};
    EXPECT_EQ(PointsToRedeem(big, 250, rules), 200);
    EXPECT_EQ(PointDiscountYen(big, 250, rules), 200);
    EXPECT_EQ(PointsToRedeem(big, 99, rules), 0);
    EXPECT_EQ(PointsToRedeem({}, 250, rules), 0);
    EXPECT_FALSE(PointDiscountAvailable(1, rules, 99));
    EXPECT_TRUE(PointDiscountAvailable(1, rules, 100));
    EXPECT_FALSE(PointDiscountAvailable(0, rules, 500));
    EXPECT_FALSE(PointDiscountAvailable(1, PointRules(), 500));
    TestPrompt prompt;
    ShowNoPointsWarning(40);
    EXPECT_EQ(prompt.last().title, QStringLiteral("割引できません"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("ポイントが貯まっていません。\r\n\r\n現在のポイント：40"));
}

TEST(Points, CommitEarnsThenSpends)
{
    const PointRules rules = PointRules::FromShop(shopWithPoints());
    CustomerRecord c;
    c.Points = 300;
    const SalesRecord sale = saleWith({{990, 2}}, -100, -200);
    EXPECT_EQ(PointsEarnedByOrder(sale, rules), 16);
    CommitPoints(sale, c, rules);
    EXPECT_EQ(c.Points, 300 + 16 - 200);

    // Reversal gives back exactly what the commit did.
    ReverseEarnedPoints(sale, c, rules);
    EXPECT_EQ(c.Points, 100);
    ReverseSpentPoints(sale, c, rules);
    EXPECT_EQ(c.Points, 300);
}

TEST(Points, NothingMovesForANegativeBalanceOrWhenTheServiceIsOff)
{
    const PointRules rules = PointRules::FromShop(shopWithPoints());
    const SalesRecord sale = saleWith({{1000, 1}});
    CustomerRecord c;
    c.Points = -1;
    CommitPoints(sale, c, rules);
    EXPECT_EQ(c.Points, -1);
    c.Points = 50;
    CommitPoints(sale, c, PointRules());
    EXPECT_EQ(c.Points, 50);
}

TEST(Points, ABaseOfZeroOrLessEarnsNothingAndTakesNothingBack)
{
    const PointRules rules = PointRules::FromShop(shopWithPoints());
    const SalesRecord sale = saleWith({{300, 1}}, -300);
    EXPECT_EQ(PointsEarnedByOrder(sale, rules), 0);
    CustomerRecord c;
    c.Points = 10;
    CommitPoints(sale, c, rules);
    EXPECT_EQ(c.Points, 10);
    // A negative base must not hand points out when an order is cancelled.
    const SalesRecord negative = saleWith({{300, 1}}, -300, -100);
    ReverseEarnedPoints(negative, c, rules);
    EXPECT_EQ(c.Points, 10);
    // Taking back more than the balance stops at 0.
    c.Points = 5;
    ReverseEarnedPoints(saleWith({{1000, 1}}), c, rules);
    EXPECT_EQ(c.Points, 0);
}

TEST(Points, LapseAfterTheValidMonths)
{
    const PointRules rules = PointRules::FromShop(shopWithPoints("100", "1", "100", "100", "6"));
    CustomerRecord c;
    c.Points = 120;
    c.LastUseDate = ToOleDate(QDateTime(QDate(2026, 6, 9), QTime(12, 0)));
    ExpirePoints(c, rules, QDate(2026, 12, 9)); // the expiry day itself
    EXPECT_EQ(c.Points, 120);
    ExpirePoints(c, rules, QDate(2026, 12, 10));
    EXPECT_EQ(c.Points, 0);
    c.Points = 120;
    c.LastUseDate = kUnsetTime;
    ExpirePoints(c, rules, QDate(2026, 12, 9));
    EXPECT_EQ(c.Points, 0);
    c.Points = 120;
    c.LastUseDate = ToOleDate(QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    ExpirePoints(c, PointRules(), QDate(2026, 12, 9));
    EXPECT_EQ(c.Points, 120);
}

TEST(Points, RoundingIsHalfToEven)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(1.4999), 1);
}
