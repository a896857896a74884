// The delivery note forms rendered to PDF: every text at its place and size.
#include "notetest.h"

#include "printing/deliverynote.h"

namespace
{

class DeliveryNote : public NoteTest
{
  protected:
    // Two priced lines with an option and a free delivery line; service discount -100.
    void typicalOrder()
    {
        pointServiceOn();
        setLine(1, QStringLiteral("かけそば"), 2, 650, QStringLiteral("大盛り"));
        setLine(2, QStringLiteral("天ぷら"), 1, 980);
        setLine(3, QStringLiteral("配達料"), 1, 0);
        sale.ServiceDiscount = -100;
        customer.NameKana = QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ");
    }
};

TEST_F(DeliveryNote, PortraitFormPlacesEveryTextAndAmount)
{
    typicalOrder();
    const PdfPage p = render(QStringLiteral("Nohin"));
    EXPECT_NEAR(p.width, 148, 0.5);
    EXPECT_NEAR(p.height, 210, 0.5);
    // Header: print date is the moment of printing, the customer block, the title.
    EXPECT_TRUE(At(p, "2024年5月10日", 108, 12, 10));
    EXPECT_TRUE(At(p, "18:45", 108 + p.find("2024年5月10日", 108, 12)->right - 108 + 0.9, 12));
    EXPECT_TRUE(At(p, "新宿区西新宿2-8-1", 12, 12, 10));
    EXPECT_TRUE(At(p, "0312345678", 16, 24.5, 10));
    EXPECT_TRUE(At(p, "ﾔﾏﾀﾞﾀﾛｳ　様", 15, 19.5, 13) || At(p, "ﾔﾏﾀﾞﾀﾛｳ", 15, 19.5, 13));
    EXPECT_TRUE(At(p, "納品書", 98, 18, 18));
    EXPECT_TRUE(At(p, "ご利用ありがとうございました。", 85, 26, 10));
    EXPECT_TRUE(At(p, "今後ともよろしくお願いいたします。", 85, 29.5, 10));
    EXPECT_TRUE(At(p, "★毎週火曜定休", 12, 35, 10));
    EXPECT_TRUE(At(p, "累積ﾎﾟｲﾝﾄ：120、獲得ﾎﾟｲﾝﾄ：21", 14, 29.5, 11.5));
    // Item header and rows; the option is printed on this form.
    EXPECT_TRUE(At(p, "商品名", 32, 42.5, 10));
    EXPECT_TRUE(At(p, "単価", 126, 42.5, 10));
    EXPECT_TRUE(RightAt(p, "2", 20, 47.5, 11.5));
    EXPECT_TRUE(At(p, "かけそば（大盛り）", 29, 47.5, 11.5));
    EXPECT_TRUE(RightAt(p, "¥650", 135, 47.5, 11.5));
    EXPECT_TRUE(At(p, "天ぷら", 29, 52, 11.5));
    EXPECT_TRUE(RightAt(p, "¥980", 135, 52));
    EXPECT_TRUE(At(p, "配達料", 29, 56.5));
    EXPECT_TRUE(RightAt(p, "¥0", 135, 56.5));
    // Totals: the free line is not counted; tax floor(8% of 2,280) = 182; discount -100.
    EXPECT_TRUE(At(p, "小計（消費税）", 59, 140, 11.5));
    EXPECT_TRUE(At(p, "ご請求額", 119, 140, 11.5));
    EXPECT_TRUE(RightAt(p, "3", 55.5, 145, 11.5));
    EXPECT_TRUE(RightAt(p, "¥2,280(¥182)", 85.5, 145));
    EXPECT_TRUE(RightAt(p, "¥2,462", 102.5, 145));
    EXPECT_TRUE(RightAt(p, "-100", 115.5, 145));
    EXPECT_TRUE(RightAt(p, "¥2,362", 135.5, 145));
    EXPECT_TRUE(At(p, "お釣り：", 10, 141, 10));
    EXPECT_TRUE(At(p, "1万：¥7,638", 10, 145));
    EXPECT_TRUE(p.contains("5千：¥2,638"));
    // Narrowed to keep clear of the quantity count.
    EXPECT_LT(p.find("5千：¥2,638", 30, 145)->right, 45);
    // Receipt.
    EXPECT_TRUE(At(p, "領収証", 15, 154, 16));
    EXPECT_TRUE(At(p, "2024年5月10日", 110, 154, 10));
    EXPECT_TRUE(At(p, "No.0510003", 117, 158, 10));
    EXPECT_TRUE(At(p, "様", 92, 155, 13));
    EXPECT_TRUE(At(p, "金額", 38, 164, 10));
    EXPECT_TRUE(At(p, "¥2,362-", 66, 163, 14));
    EXPECT_TRUE(At(p, "但し", 45, 170, 10));
    EXPECT_TRUE(At(p, "上記正に領収いたしました", 30, 180, 10));
    EXPECT_TRUE(At(p, "担当：", 35, 185, 10));
    EXPECT_TRUE(At(p, "〒160-0023", 80, 172, 10));
    EXPECT_TRUE(RightAt(p, "東京都新宿区西新宿1-2-3", 135, 176, 10));
    EXPECT_TRUE(RightAt(p, "03-1234-5678", 135, 185, 10));
    EXPECT_TRUE(At(p, "★ポイントシステムのご案内★", 15, 110, 10));
    EXPECT_TRUE(At(p, "お買い上げ100円（消費税を除く）ごとに1ポイント進呈！", 18, 114.5, 10));
    EXPECT_TRUE(p.contains("ﾔﾏﾀﾞﾀﾛｳ様の有効期限は2024年11月10日です。"));
}

TEST_F(DeliveryNote, ThreeCopyFormPlacesEveryColumn)
{
    typicalOrder();
    sale.DesignatedTime = ToOleDate(QDateTime(QDate(2024, 5, 10), QTime(19, 5)));
    const PdfPage p = render(QStringLiteral("Nohin2"));
    EXPECT_NEAR(p.width, 210, 0.5);
    EXPECT_NEAR(p.height, 148, 0.5);
    EXPECT_TRUE(At(p, "売上伝票", 10, 5, 12));
    EXPECT_TRUE(At(p, "売上伝票", 75, 5, 12));
    EXPECT_TRUE(At(p, "納品書", 140, 5, 12));
    EXPECT_TRUE(At(p, "領収証", 137, 102, 12));
    for (double X : {0.0, 65.0, 130.0}) {
        SCOPED_TRACE(X);
        EXPECT_TRUE(At(p, "ﾔﾏﾀﾞﾀﾛｳ", X + 5, 17, 10));
        EXPECT_TRUE(At(p, "新宿区西新宿2-8-1空ビル3F", X + 5, 11, 8));
        EXPECT_TRUE(At(p, "0312345678", X + 5, 20.5, 8));
        EXPECT_TRUE(At(p, "累積P：120、獲得P：21", X + 24.5, 22, 8));
        EXPECT_TRUE(At(p, "No.0510003", X + 48, 6, 8));
        EXPECT_TRUE(At(p, "商品名", X + 12, 26.5, 8));
        // Row 1: the name without its option.
        EXPECT_TRUE(At(p, "かけそば", X + 5, 31, 8));
        EXPECT_TRUE(RightAt(p, "2", X + 50, 31, 8));
        EXPECT_TRUE(RightAt(p, "¥650", X + 62, 31, 8));
        EXPECT_TRUE(At(p, "天ぷら", X + 5, 34, 8));
        EXPECT_TRUE(At(p, "小計（消費税）", X + 8, 92, 8));
        EXPECT_TRUE(At(p, "ご請求額", X + 50.2, 92, 8));
        EXPECT_TRUE(RightAt(p, "¥2,280(¥182)", X + 26, 95.7, 9));
        EXPECT_TRUE(RightAt(p, "¥2,462", X + 38.5, 95.7, 9));
        EXPECT_TRUE(RightAt(p, "-100", X + 47.5, 95.7, 9));
        EXPECT_TRUE(RightAt(p, "¥2,362", X + 62.5, 95.7, 9));
    }
    EXPECT_FALSE(p.contains("かけそば（大盛り）"));
    for (double X : {0.0, 65.0}) {
        SCOPED_TRACE(X);
        EXPECT_TRUE(RightAt(p, "受付時間：", X + 21, 102, 8));
        EXPECT_TRUE(At(p, "2024年5月10日", X + 22, 102, 8));
        EXPECT_TRUE(p.find("18:30", X + 40, 102));
        EXPECT_TRUE(RightAt(p, "指定時間：", X + 21, 107, 8));
        EXPECT_TRUE(At(p, "2024年5月10日", X + 22, 107, 8));
        EXPECT_TRUE(RightAt(p, "担当者：", X + 21, 112, 8));
        EXPECT_TRUE(RightAt(p, "合計数量：", X + 21, 122, 8));
        EXPECT_TRUE(At(p, "3", X + 22, 122, 8));
    }
    EXPECT_EQ(p.count("19:05"), 2);
    EXPECT_EQ(p.count("佐藤"), 1); // the staff value is on the shop copy only
    EXPECT_TRUE(At(p, "佐藤", 22, 112, 8));
    EXPECT_TRUE(RightAt(p, "配達時間：", 86, 117, 8));
    EXPECT_TRUE(At(p, "お釣り", 75, 127, 8));
    EXPECT_EQ(p.count("5千：¥2,638"), 1);
    EXPECT_TRUE(RightAt(p, "2024年5月10日", 194, 102, 8));
    EXPECT_TRUE(RightAt(p, "No.0510003", 194, 105, 8));
    EXPECT_TRUE(At(p, "様", 173, 106.5, 10));
    EXPECT_TRUE(At(p, "金額", 144, 111.8, 8));
    EXPECT_TRUE(At(p, "¥2,362-", 155, 111, 11));
    EXPECT_TRUE(At(p, "但し", 139, 116.1, 8));
    EXPECT_TRUE(At(p, "上記正に領収いたしました", 161, 116.1, 8));
    EXPECT_TRUE(At(p, "〒160-0023", 155, 120, 8));
    EXPECT_TRUE(RightAt(p, "東京都新宿区西新宿1-2-3", 194, 123, 8));
    EXPECT_TRUE(RightAt(p, "そば処　空の輪", 194, 126.3, 10) || RightAt(p, "空の輪", 194, 126.3, 10));
    EXPECT_TRUE(At(p, "担当：", 137, 130, 8));
    EXPECT_TRUE(RightAt(p, "03-1234-5678", 194, 130, 8));
    EXPECT_TRUE(At(p, "★ポイントシステムのご案内★", 145, 63, 7));
    EXPECT_TRUE(At(p, "お買い上げ100円（消費税を除く）ごとに1ポイント進", 136, 66, 7));
    EXPECT_TRUE(p.contains("ﾔﾏﾀﾞﾀﾛｳ様の有効期限は2024年11月10日です。"));
}

} // namespace
