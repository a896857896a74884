#include "printing/deliverynote.h"

#include "printing/pagesurface.h"
#include "store/helpers.h"
#include "store/oledate.h"

namespace
{

const QColor kItemGray(96, 96, 96);
const QColor kWhite(255, 255, 255);

QString itemName(const SalesRecord &sale, int i, bool withOption)
{
    QString text = TrimField(sale.ItemName[i]);
    const QString option = TrimField(sale.ItemOption[i]);
    if (withOption && option != QStringLiteral("（なし）"))
        text += QStringLiteral("（") + option + QStringLiteral("）");
    return text;
}

QString shopZip(const ShopSettings &shop)
{
    return QStringLiteral("〒") + shop.ShopZip.left(3) + QLatin1Char('-') + shop.ShopZip.mid(3, 4);
}

QString shopTel(const ShopSettings &shop)
{
    return QStringLiteral("TEL: ") + shop.ShopTel[0] + QLatin1Char('-') + shop.ShopTel[1] + QLatin1Char('-') +
           shop.ShopTel[2];
}

QString receiptAmount(qint64 billed)
{
    return FormatYenBlankZero(billed) + QLatin1Char('-');
}

QString subtotalWithTax(const NoteFacts &f)
{
    return FormatYen(f.Subtotal) + QLatin1Char('(') + FormatYen(f.Tax) + QLatin1Char(')');
}

QString dateAndTime(double oleValue)
{
    const QDateTime t = FromOleDate(oleValue);
    if (!t.isValid())
        return QString();
    return LongDate(t.date()) + QLatin1Char(' ') + ShortTime(t.time());
}

// One item row's unit price, right-aligned, and its name cut where the price begins, so a long
// name never runs into the price.
void itemRow(PageSurface &s, const SalesRecord &sale, int i, double top, double nameLeft, double nameRight,
             double nameBottom, bool wrapName, bool withOption, double qtyLeft, double qtyRight, double priceLeft,
             double priceRight, double bottom)
{
    const QString price = FormatYen(CurrencyToYen(sale.ItemPrice[i]));
    s.TextBox(qtyLeft, top, qtyRight, bottom, QString::number(sale.ItemQty[i]), PageSurface::Align::Right);
    const double priceStart = priceRight - s.TextWidth(price) - 1.0;
    s.TextBox(nameLeft, top, qMin(nameRight, priceStart), nameBottom, itemName(sale, i, withOption),
              PageSurface::Align::Left, wrapName);
    s.TextBox(priceLeft, top, priceRight, bottom, price, PageSurface::Align::Right);
}

// The shop at the foot of the receipt: address, name and phone, right-aligned one below the
// other. An address too long for its line is wrapped, a name too long even when narrowed to
// half width as well; whatever follows moves down by the extra lines, so nothing is cut off or
// printed over. Leaves the 10 pt font selected.
void portraitShopBlock(PageSurface &s, const ShopSettings &shop)
{
    using A = PageSurface::Align;
    constexpr double left = 70, right = 135;
    s.SetFont(kPrintFace, 10);
    const double addressLine = s.LineHeight();
    const QStringList address = s.WrapLines(shop.ShopAddress, right - left);
    for (int i = 0; i < address.size(); ++i)
        s.TextBox(left, 176 + i * addressLine, right, 176 + (i + 1) * addressLine, address[i], A::Right);
    double shift = qMax(0, int(address.size()) - 1) * addressLine;

    s.SetFont(kPrintFace, 13);
    const double nameLine = s.LineHeight();
    // Each line is narrowed to the box by TextBox, down to half its width.
    const QStringList name = s.WrapLines(shop.ShopName, 2 * (right - left));
    for (int i = 0; i < name.size(); ++i)
        s.TextBox(left, 180 + shift + i * nameLine, right, 180 + shift + (i + 1) * nameLine, name[i], A::Right);
    shift += qMax(0, int(name.size()) - 1) * nameLine;

    s.SetFont(kPrintFace, 10);
    s.TextBox(left, 185 + shift, right, qMax(200.0, 185 + shift + s.LineHeight()), shopTel(shop), A::Right);
}

} // namespace

void DrawDeliveryNote(PageSurface &s, const SalesRecord &sale, const CustomerRecord &c, const ShopSettings &shop,
                      const QDateTime &now)
{
    using A = PageSurface::Align;
    const NoteFacts f = WorkOutNote(sale, c, shop, now);
    const bool notice = f.ShowPoints && f.LineCount <= 13;

    s.FillBox(0, 0, 148, 210, QColor(), kWhite);
    s.SetFont(kPrintFace, 10);
    s.Text(108, 12, LongDate(now.date()) + now.time().toString(QStringLiteral(" hh:mm")), 148);
    s.TextBox(12, 12, 95, 19, TrimField(c.City) + TrimField(c.Banchi) + QLatin1Char(' ') + TrimField(c.Building),
              A::Left, true);
    s.Text(16, 24.5, TrimField(c.Tel), 84);
    if (notice) {
        s.Text(15, 110, QStringLiteral("★ポイントシステムのご案内★"), 140);
        s.TextBox(18, 114.5, 140, 138, f.PointNotice, A::Left, true);
    }
    s.TextBox(85, 26, 150, 110, QStringLiteral("ご利用ありがとうございました。\n今後ともよろしくお願いいたします。"),
              A::Left, true);
    s.Text(12, 35, shop.NoteText.isEmpty() ? QStringLiteral(" ") : QStringLiteral("★") + shop.NoteText, 138);

    s.SetFont(kPrintFace, 11.5);
    s.SetTextColor(kItemGray);
    for (int i = 1; i <= f.LineCount; ++i) {
        const double top = 43 + 4.5 * i, bottom = 47 + 4.5 * i;
        itemRow(s, sale, i, top, 29, 121, bottom, false, true, 4, 20, 115, 135, bottom);
    }
    s.SetTextColor(Qt::black);

    for (const auto &[l, r] : {std::pair{46, 56}, {57, 86}, {87, 103}, {104, 116}, {118, 136}})
        s.GrayBox(l, 140, r, 144.5);
    if (f.ShowPoints) {
        s.GrayBox(12, 29, 78, 34);
        s.TextBox(14, 29.5, 78, 34,
                  QStringLiteral("累積ﾎﾟｲﾝﾄ：") + QString::number(c.Points) + QStringLiteral("、獲得ﾎﾟｲﾝﾄ：") +
                      QString::number(f.PointsEarned));
    }
    s.Text(47, 140, QStringLiteral("数量"));
    s.Text(59, 140, QStringLiteral("小計（消費税）"));
    s.Text(91, 140, QStringLiteral("合計"));
    s.Text(106, 140, QStringLiteral("割引"));
    s.Text(119, 140, QStringLiteral("ご請求額"));
    s.TextBox(45, 145, 55.5, 150, QString::number(f.QtyCount), A::Right);
    s.TextBox(57, 145, 85.5, 150, subtotalWithTax(f), A::Right);
    s.TextBox(87, 145, 102.5, 150, FormatYen(f.Total), A::Right);
    s.TextBox(104, 145, 115.5, 150, f.DiscountText, A::Right);
    s.TextBox(118, 145, 135.5, 150, FormatYen(f.Billed), A::Right);

    s.SetFont(kPrintFace, 10);
    s.Text(110, 154, LongDate(now.date()), 148);
    s.Text(117, 158, f.ReceiptNo, 148);
    s.Text(45, 170, QStringLiteral("但し"));
    s.Text(30, 180, QStringLiteral("上記正に領収いたしました"), 69);
    s.Text(35, 185, QStringLiteral("担当："));
    s.Text(80, 172, shopZip(shop), 135);
    portraitShopBlock(s, shop);
    s.Text(10, 141, QStringLiteral("お釣り："), 45);
    // The suggestions keep clear of the quantity count.
    s.TextFitted(10, 145, f.ChangeLine.trimmed(), 44.5);
    s.Text(38, 164, QStringLiteral("金額"));
    s.GrayBox(12, 42, 25, 46.5);
    s.GrayBox(27, 42, 121, 46.5);
    s.GrayBox(123, 42, 136, 46.5);
    s.Text(15, 42.5, QStringLiteral("数量"));
    s.Text(32, 42.5, QStringLiteral("商品名"));
    s.Text(126, 42.5, QStringLiteral("単価"));

    s.SetFont(kPrintFace, 13);
    s.Text(15, 19.5, TrimField(c.NameKana) + QStringLiteral("　様"), 97);
    s.Text(92, 155, QStringLiteral("様"));
    s.SetFont(kPrintFace, 14);
    s.Text(66, 163, receiptAmount(f.Billed), 105);
    s.SetFont(kPrintFace, 16);
    s.Text(15, 154, QStringLiteral("領収証"));
    s.SetFont(kPrintFace, 18);
    s.Text(98, 18, QStringLiteral("納品書"));

    s.Line(10, 40, 138, 40);
    s.Line(10, 151, 138, 151);
    s.Line(42, 160, 100, 160);
    s.Line(35, 168, 105, 168);
}

void DrawDeliveryNote3(PageSurface &s, const SalesRecord &sale, const CustomerRecord &c, const ShopSettings &shop,
                       const QDateTime &now)
{
    using A = PageSurface::Align;
    const NoteFacts f = WorkOutNote(sale, c, shop, now);
    const int columns[] = {0, 65, 130};

    s.FillBox(0, 0, 210, 148, QColor(), kWhite);
    s.SetFont(kPrintFace, 12);
    s.Text(10, 5, QStringLiteral("売上伝票"));
    s.Text(75, 5, QStringLiteral("売上伝票"));
    s.Text(140, 5, QStringLiteral("納品書"));
    s.Text(137, 102, QStringLiteral("領収証"));

    s.SetFont(kPrintFace, 10);
    for (int X : columns)
        s.Text(X + 5, 17, TrimField(c.NameKana) + QStringLiteral(" 様"), X + 63);
    s.TextBox(145, 126.3, 194, 130, shop.ShopName, A::Right);
    s.Text(173, 106.5, QStringLiteral("様"));

    s.SetFont(kPrintFace, 8);
    for (int X : columns) {
        s.TextBox(X + 5, 11, X + 65, 16.7, TrimField(c.City) + TrimField(c.Banchi) + TrimField(c.Building), A::Left,
                  true);
        s.Text(X + 5, 20.5, TrimField(c.Tel), X + 23);
    }
    s.SetTextColor(kItemGray);
    for (int X : columns) {
        for (int i = 1; i <= f.LineCount; ++i) {
            const double top = 28 + 3 * i;
            itemRow(s, sale, i, top, X + 5, X + 45, 30.9 + 3 * i, true, false, X + 45, X + 50, X + 53, X + 62,
                    32 + 3 * i);
        }
    }
    s.SetTextColor(Qt::black);
    for (int X : columns) {
        s.GrayBox(X + 6, 91.7, X + 27, 95.3);
        s.GrayBox(X + 27.5, 91.7, X + 39, 95.3);
        s.GrayBox(X + 39.5, 91.7, X + 48, 95.3);
        s.GrayBox(X + 49, 91.7, X + 63, 95.3);
    }
    for (int X : columns) {
        s.Text(X + 8, 92, QStringLiteral("小計（消費税）"));
        s.Text(X + 30.5, 92, QStringLiteral("合計"));
        s.Text(X + 41.1, 92, QStringLiteral("割引"));
        s.Text(X + 50.2, 92, QStringLiteral("ご請求額"));
    }
    s.SetFont(kPrintFace, 9);
    for (int X : columns) {
        s.TextBox(X + 2, 95.7, X + 26, 100, subtotalWithTax(f), A::Right);
        s.TextBox(X + 27.5, 95.7, X + 38.5, 100, FormatYen(f.Total), A::Right);
        s.TextBox(X + 39.5, 95.7, X + 47.5, 100, f.DiscountText, A::Right);
        s.TextBox(X + 50, 95.7, X + 62.5, 100, FormatYen(f.Billed), A::Right);
    }
    s.SetFont(kPrintFace, 8);
    for (int X : columns) {
        s.GrayBox(X + 5, 26.2, X + 43, 29.8);
        s.GrayBox(X + 44, 26.2, X + 52, 29.8);
        s.GrayBox(X + 53, 26.2, X + 63, 29.8);
        s.Text(X + 12, 26.5, QStringLiteral("商品名"));
        s.Text(X + 45.2, 26.5, QStringLiteral("数量"));
        s.Text(X + 55, 26.5, QStringLiteral("単価"));
    }
    if (f.ShowPoints) {
        for (int X : columns) {
            s.GrayBox(X + 23, 21.7, X + 63, 25.3);
            s.TextBox(X + 24.5, 22, X + 63, 25.3,
                      QStringLiteral("累積P：") + QString::number(c.Points) + QStringLiteral("、獲得P：") +
                          QString::number(f.PointsEarned));
        }
    }
    for (int X : columns)
        s.Text(X + 48, 6, f.ReceiptNo, X + 74);
    s.TextBox(170, 105, 194, 108, f.ReceiptNo, A::Right);
    const bool designated = sale.DesignatedTime != kUnsetTime;
    for (int X : {0, 65}) {
        s.TextBox(X + 5, 102, X + 21, 105, QStringLiteral("受付時間："), A::Right);
        s.Text(X + 22, 102, dateAndTime(sale.OrderTime), X + 64);
        s.TextBox(X + 5, 107, X + 21, 110, QStringLiteral("指定時間："), A::Right);
        if (designated)
            s.Text(X + 22, 107, dateAndTime(sale.DesignatedTime), X + 64);
        s.TextBox(X + 5, 112, X + 21, 115, QStringLiteral("担当者："), A::Right);
    }
    s.Text(22, 112, TrimField(sale.OrderStaff), 64);
    s.TextBox(70, 117, 86, 120, QStringLiteral("配達時間："), A::Right);
    for (int X : {0, 65}) {
        s.TextBox(X + 5, 122, X + 21, 125, QStringLiteral("合計数量："), A::Right);
        s.Text(X + 22, 122, QString::number(f.QtyCount), X + 64);
    }
    s.TextBox(170, 102, 194, 105, LongDate(now.date()), A::Right);
    s.Text(139, 116.1, QStringLiteral("但し"));
    s.Text(161, 116.1, QStringLiteral("上記正に領収いたしました"), 205);
    s.Text(137, 130, QStringLiteral("担当："));
    s.Text(155, 120, shopZip(shop), 194);
    s.TextBox(140, 123, 194, 126, shop.ShopAddress, A::Right);
    s.TextBox(150, 130, 194, 133, shopTel(shop), A::Right);
    s.Text(144, 111.8, QStringLiteral("金額"));
    s.TextFitted(75, 127,
                 f.ChangeLine.isEmpty() ? QStringLiteral(" ") : QStringLiteral("お釣り　") + f.ChangeLine.trimmed(),
                 129);
    s.SetFont(kPrintFace, 11, true);
    s.Text(155, 111, receiptAmount(f.Billed), 194);
    if (f.ShowPoints && f.LineCount <= 10) {
        s.SetFont(kPrintFace, 7);
        s.Text(145, 63, QStringLiteral("★ポイントシステムのご案内★"), 194);
        s.TextBox(136, 66, 193, 91, f.PointNoticeOneBreakLess, A::Left, true);
    }
    for (int X : columns)
        s.Line(X + 6, 100, X + 64, 100);
    s.Line(147, 110, 177, 110);
    s.Line(142, 115, 178, 115);
}
