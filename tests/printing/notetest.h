#pragma once
// A shop, a customer and an order, rendered to PDF and read back.
#include <gtest/gtest.h>

#include "pdfwords.h"
#include "platform/clock.h"
#include "printing/pdfrender.h"
#include "store/appdata.h"
#include "store/oledate.h"

#include <QTemporaryDir>

class NoteTest : public ::testing::Test
{
  protected:
    static inline const QDateTime kNow{QDate(2024, 5, 10), QTime(18, 45)};

    void SetUp() override
    {
        Clock::Pin(kNow);
        // KEEP_TEST_PDF=1 keeps the rendered files for a look.
        if (!qEnvironmentVariableIsEmpty("KEEP_TEST_PDF")) {
            dir.setAutoRemove(false);
            std::printf("PDFs in %s\n", qPrintable(dir.path()));
        }
        ShopSettings &s = data.settings.Shop;
        s.ShopName = QStringLiteral("そば処　空の輪");
        s.ShopZip = QStringLiteral("1600023");
        s.ShopAddress = QStringLiteral("東京都新宿区西新宿1-2-3");
        s.ShopTel = {QStringLiteral("03"), QStringLiteral("1234"), QStringLiteral("5678")};
        s.TaxRate = QStringLiteral("8");
        s.NoteText = QStringLiteral("毎週火曜定休");
        CustomerRecord &c = customer;
        c.CustomerId = 7;
        c.Tel = QStringLiteral("0312345678");
        c.NameKana = QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ");
        c.City = QStringLiteral("新宿区");
        c.Banchi = QStringLiteral("西新宿2-8-1");
        c.Building = QStringLiteral("空ビル3F");
        c.Points = 120;
        c.LastUseDate = ToOleDate(QDate(2024, 5, 10));
        SalesRecord &o = sale;
        o.OrderDate = QStringLiteral("20240510");
        o.OrderNo = 3;
        o.CustomerId = 7;
        o.OrderTime = ToOleDate(QDateTime(QDate(2024, 5, 10), QTime(18, 30)));
        o.DesignatedTime = kUnsetTime;
        o.OrderStaff = QStringLiteral("佐藤");
    }
    void TearDown() override { Clock::Unpin(); }

    void pointServiceOn()
    {
        ShopSettings &s = data.settings.Shop;
        s.PointService = "1";
        s.PointYenUnit = "100";
        s.PointsPerUnit = "1";
        s.PointStep = "100";
        s.PointStepYen = "100";
        s.PointValidMonths = "6";
    }
    // Line `i` of the order.
    void setLine(int i, const QString &name, qint16 qty, qint64 yen, const QString &option = QStringLiteral("（なし）"))
    {
        SalesRecord &o = sale;
        o.ItemName[i] = name;
        o.ItemQty[i] = qty;
        o.ItemPrice[i] = YenToCurrency(yen);
        o.ItemOption[i] = option;
    }
    // Lines 1..n, each one of "品目i" at 100 yen.
    void setLines(int n)
    {
        for (int i = 1; i <= n; ++i)
            setLine(i, QStringLiteral("品目%1").arg(i), 1, 100);
    }

    // The delivery note of the order as the tests have set it up.
    DeliveryNoteInput note() const { return DeliveryNoteInput{sale, customer, data.settings.Shop}; }

    PdfPage render(const QString &kind)
    {
        PrintDocument doc;
        doc.PrintKind = PrintKindFromName(kind);
        doc.Note = note();
        const QString path = dir.filePath(kind + QStringLiteral(".pdf"));
        EXPECT_TRUE(RenderDocumentToPdf(doc, path));
        const auto pages = ReadPdfWords(path);
        EXPECT_EQ(pages.size(), 1u);
        return pages.empty() ? PdfPage() : pages.front();
    }

    AppData data;
    SalesRecord sale;
    CustomerRecord customer;
    QTemporaryDir dir;
};

// The text at (x, y) mm (its top-left; its top-right with `byRight`) within 1.5 mm, in a font
// of `points` (0: not checked).
inline ::testing::AssertionResult At(const PdfPage &page, const QString &text, double x, double y, double points = 0,
                                     bool byRight = false)
{
    const PdfWord *w = page.find(text, x, y, byRight);
    if (!w)
        return ::testing::AssertionFailure() << "no \"" << text.toStdString() << "\" on the page";
    const double wx = byRight ? w->right : w->left;
    if (std::abs(wx - x) > 1.5 || std::abs(w->top - y) > 1.5)
        return ::testing::AssertionFailure() << "\"" << text.toStdString() << "\" at (" << wx << ", " << w->top
                                             << ") instead of (" << x << ", " << y << ")";
    if (points > 0 && std::abs(w->points() - points) > 0.3)
        return ::testing::AssertionFailure()
               << "\"" << text.toStdString() << "\" in " << w->points() << " pt, not " << points;
    return ::testing::AssertionSuccess();
}
inline ::testing::AssertionResult RightAt(const PdfPage &page, const QString &text, double right, double y,
                                          double points = 0)
{
    return At(page, text, right, y, points, true);
}
