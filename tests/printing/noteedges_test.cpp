// Edge cases of the delivery note: line limits of the point notice, long orders, discounts.
#include "notetest.h"

#include <algorithm>

namespace
{

const QString kHeading = QStringLiteral("★ポイントシステムのご案内★");

using NoteEdges = NoteTest;

TEST_F(NoteEdges, PointNoticeNeedsRoomOnBothForms)
{
    pointServiceOn();
    const struct {
        int lines;
        bool portrait, landscape;
    } cases[] = {{1, true, true}, {10, true, true}, {11, true, false}, {13, true, false}, {14, false, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.lines);
        setLines(c.lines);
        EXPECT_EQ(render("Nohin").contains(kHeading), c.portrait);
        EXPECT_EQ(render("Nohin2").contains(kHeading), c.landscape);
    }
    // A negative balance switches the points line and the notice off.
    setLines(1);
    customer.Points = -1;
    const PdfPage p = render("Nohin");
    EXPECT_FALSE(p.contains(kHeading));
    EXPECT_EQ(p.count("累積ﾎﾟｲﾝﾄ：-1、獲得ﾎﾟｲﾝﾄ：1"), 0);
}

TEST_F(NoteEdges, TwentyLinesFitAboveTheTotals)
{
    setLines(20);
    sale.ItemPrice[20] = YenToCurrency(1200);
    const PdfPage p = render("Nohin");
    EXPECT_TRUE(At(p, "品目20", 29, 43 + 4.5 * 20, 11.5));
    EXPECT_LT(p.find("品目20", 29, 133)->bottom, 140);
    EXPECT_TRUE(RightAt(p, "¥1,200", 135, 133));
    EXPECT_TRUE(RightAt(p, "20", 55.5, 145)); // quantity count
    EXPECT_TRUE(RightAt(p, "¥3,100(¥248)", 85.5, 145));
    EXPECT_TRUE(RightAt(p, "0", 115.5, 145)); // no discount
    const PdfPage q = render("Nohin2");
    for (double X : {0.0, 65.0, 130.0}) {
        EXPECT_TRUE(At(q, "品目20", X + 5, 88, 8));
        EXPECT_LT(q.find("品目20", X + 5, 88)->bottom, 91.9);
        EXPECT_TRUE(RightAt(q, "¥1,200", X + 62, 88));
    }
    EXPECT_TRUE(At(q, "お釣り", 75, 127, 8));
    EXPECT_TRUE(q.contains("1万：¥6,652"));
}

TEST_F(NoteEdges, PrintedLinesEndAtTheFirstEmptyQuantity)
{
    setLine(1, QStringLiteral("ざるそば"), 3, 700);
    setLine(2, QStringLiteral("サービス"), 2, 0);
    setLine(4, QStringLiteral("残り物"), 5, 1000); // after an empty slot: not printed, not counted
    sale.ServiceDiscount = -50;
    sale.PointDiscount = -200;
    const PdfPage p = render("Nohin");
    EXPECT_FALSE(p.contains("残り物"));
    EXPECT_TRUE(RightAt(p, "3", 55.5, 145));
    EXPECT_TRUE(RightAt(p, "¥2,100(¥168)", 85.5, 145));
    EXPECT_TRUE(RightAt(p, "-250", 115.5, 145));
    EXPECT_TRUE(RightAt(p, "¥2,018", 135.5, 145));
    EXPECT_TRUE(At(p, "¥2,018-", 66, 163));
    EXPECT_FALSE(p.contains("累積ﾎﾟｲﾝﾄ：0、獲得ﾎﾟｲﾝﾄ：0")); // point service off
    EXPECT_TRUE(At(p, "サービス", 29, 52));
    const PdfPage q = render("Nohin2");
    EXPECT_TRUE(At(q, "3", 22, 122));
    EXPECT_TRUE(At(q, "お釣り", 75, 127));
    EXPECT_TRUE(q.contains("1万：¥7,982"));
}

TEST_F(NoteEdges, ChangeSuggestionsOnTheForm)
{
    const struct {
        qint64 billed;
        const char *first, *second;
    } cases[] = {{3280, "1万：¥6,720", "5千：¥1,720"}, {13280, "2万：¥6,720", "1万5千：¥1,720"},
                 {7000, "1万：¥3,000", nullptr},       {15000, "2万：¥5,000", nullptr},
                 {19999, "2万：¥1", nullptr},          {20000, nullptr, nullptr}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.billed);
        setLine(1, QStringLiteral("宴会"), 1, c.billed);
        data.settings.Shop.TaxRate = "0";
        const PdfPage p = render("Nohin");
        if (c.first)
            EXPECT_TRUE(At(p, c.first, 10, 145, 10));
        else
            EXPECT_FALSE(p.contains("1万：") || p.contains("2万："));
        if (c.second)
            EXPECT_TRUE(p.contains(c.second));
        EXPECT_FALSE(p.contains(c.billed == 13280 ? "1万5千：¥1,720  " : "5千：¥4,999"));
    }
}

} // namespace

TEST_F(NoteEdges, LongAmountsKeepEveryDigitInTheirBoxes)
{
    data.settings.Shop.TaxRate = QStringLiteral("10");
    setLine(1, QStringLiteral("宴会セット"), 99, 99900);
    const QString amount = QStringLiteral("¥9,890,100(¥989,010)");
    // The subtotal box of each form: its left and right edges in millimetres.
    const struct {
        QString kind;
        double left, right;
    } forms[] = {{QStringLiteral("Nohin"), 57, 85.5}, {QStringLiteral("Nohin2"), 2, 26}};
    for (const auto &form : forms) {
        const PdfPage page = render(form.kind);
        const PdfWord *word = nullptr;
        for (const PdfWord &w : page.words)
            if (w.text == amount && (!word || w.left < word->left))
                word = &w;
        ASSERT_NE(word, nullptr) << form.kind.toStdString();
        // A cut line would still be reported whole, running out of the box.
        EXPECT_GE(word->left, form.left - 0.3) << form.kind.toStdString();
        EXPECT_LE(word->right, form.right + 0.3) << form.kind.toStdString();
    }
}

TEST_F(NoteEdges, LongShopAddressAndNamePrintWholeAboveThePhone)
{
    ShopSettings &shop = data.settings.Shop;
    shop.ShopAddress = QStringLiteral("東京都新宿区西新宿二丁目八番一号新宿エルタワービルディング南館地下一階飲食街奥");
    shop.ShopName = QStringLiteral("手打ち蕎麦と季節の天ぷら処空の輪新宿西口");
    setLine(1, QStringLiteral("天丼"), 1, 1100);
    const PdfPage p = render(QStringLiteral("Nohin"));
    // The words of the shop block, top to bottom.
    std::vector<const PdfWord *> block;
    for (const PdfWord &w : p.words)
        if (w.left >= 69.5 && w.top >= 175.5 && w.top < 205)
            block.push_back(&w);
    std::sort(block.begin(), block.end(), [](const PdfWord *a, const PdfWord *b) { return a->top < b->top; });
    QString address, name;
    const PdfWord *nameWord = nullptr, *phone = nullptr;
    for (const PdfWord *w : block) {
        EXPECT_LE(w->right, 135.3) << w->text.toStdString();
        if (w->text.startsWith(QStringLiteral("TEL")) || w->text == QStringLiteral("03-1234-5678")) {
            phone = phone ? phone : w;
        } else if (w->points() > 11.5) {
            name += w->text;
            nameWord = w;
        } else if (!nameWord) {
            address += w->text;
            EXPECT_NEAR(w->right, 135, 1.0) << w->text.toStdString();
        }
    }
    EXPECT_EQ(address, shop.ShopAddress);
    EXPECT_EQ(name, shop.ShopName);
    ASSERT_TRUE(nameWord && phone);
    // No line runs into the next: address above the name above the phone, all inside the box.
    const PdfWord *lastAddress = nullptr;
    for (const PdfWord *w : block)
        if (w->points() <= 11.5 && w->top < nameWord->top)
            lastAddress = w;
    ASSERT_TRUE(lastAddress);
    EXPECT_LE(lastAddress->bottom, nameWord->top + 0.6);
    EXPECT_LE(nameWord->bottom, phone->top + 0.6);
    EXPECT_LE(phone->bottom, 200.5);
}
