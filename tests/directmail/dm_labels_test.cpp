// Address labels rendered to PDF: pages of 3 x TATE labels at the PAPER geometry.
#include "dmtest.h"

#include "directmail/dmexport.h"
#include "directmail/dmlabels.h"
#include "printing/pdfrender.h"
#include "printing/pdfwords.h"
#include "store/prefs.h"

namespace
{

class DmLabels : public DmTest
{
  protected:
    std::vector<PdfPage> render(const std::vector<CustomerRecord> &labels)
    {
        PrintDocument doc = MakeDmLabelDocument(labels);
        const QString path = folder.file(QStringLiteral("labels.pdf"));
        EXPECT_TRUE(RenderDocumentToPdf(doc, path));
        if (!qEnvironmentVariableIsEmpty("KEEP_TEST_PDF"))
            QFile::copy(path, QStringLiteral("/tmp/dm-labels.pdf"));
        return ReadPdfWords(path);
    }
};

TEST_F(DmLabels, FiftyLabelsFillThreePagesAtTheSheetGeometry)
{
    // Postal codes 1000001.. make every label's code its own word.
    std::vector<qint32> ids;
    for (int i = 1; i <= 50; ++i)
        ids.push_back(add(QStringLiteral("ﾃｽﾄ%1").arg(i), 0, 0, 0, 0, QString::number(1000000 + i)));
    const auto customers = ReadDmCustomers(data->records, ids);
    ASSERT_EQ(customers.size(), 50u);

    const double up = 23.5, left = 7, width = 64, height = 33.9;
    SavePref(QStringLiteral("PAPER"), QStringLiteral("UP"), QStringLiteral("23.5"));
    SavePref(QStringLiteral("PAPER"), QStringLiteral("TATE"), QStringLiteral("7"));
    const std::vector<PdfPage> pages = render(customers);
    ASSERT_EQ(pages.size(), 3u);
    const int expectedPerPage[] = {21, 21, 8};
    for (int p = 0; p < 3; ++p) {
        EXPECT_NEAR(pages[size_t(p)].width, 210, 0.5);
        EXPECT_NEAR(pages[size_t(p)].height, 297, 0.5);
        int found = 0;
        for (int k = 0; k < 21; ++k) {
            const int n = p * 21 + k + 1;
            if (n > 50)
                break;
            const int r = k / 3 + 1, c = k % 3 + 1;
            const QString code = QStringLiteral("〒%1-%2").arg(100).arg(n, 4, 10, QLatin1Char('0'));
            const PdfWord *w = pages[size_t(p)].find(code, 0, 0);
            ASSERT_NE(w, nullptr) << qPrintable(code);
            EXPECT_NEAR(w->left, left + (c - 1) * width + 5, 1.0) << qPrintable(code);
            EXPECT_NEAR(w->top, up + (r - 1) * height + 5, 1.0) << qPrintable(code);
            ++found;
            // The name line closes the label, below the empty line.
            const PdfWord *name = pages[size_t(p)].find(QStringLiteral("ﾃｽﾄ%1　様").arg(n), w->left, w->top);
            const PdfWord *nameOnly = pages[size_t(p)].find(QStringLiteral("ﾃｽﾄ%1").arg(n), w->left, w->top + 12);
            ASSERT_TRUE(name || nameOnly) << n;
            EXPECT_GT((name ? name : nameOnly)->top, w->top + 10);
            EXPECT_LT((name ? name : nameOnly)->bottom, w->top + 30);
        }
        EXPECT_EQ(found, expectedPerPage[p]);
    }
    EXPECT_TRUE(pages[0].contains(QStringLiteral("新宿区西新宿2-8-1")));
}

TEST_F(DmLabels, GeometryIsReadAtEachPrint)
{
    std::vector<qint32> ids;
    for (int i = 1; i <= 5; ++i)
        ids.push_back(add(QStringLiteral("ｶﾞﾐﾝ%1").arg(i), 0, 0, 0, 0, QString::number(2000000 + i)));
    const auto customers = ReadDmCustomers(data->records, ids);
    SavePref(QStringLiteral("PAPER"), QStringLiteral("UP"), QStringLiteral("10"));
    SavePref(QStringLiteral("PAPER"), QStringLiteral("LEFT"), QStringLiteral("12.5"));
    SavePref(QStringLiteral("PAPER"), QStringLiteral("WIDTH"), QStringLiteral("60"));
    SavePref(QStringLiteral("PAPER"), QStringLiteral("HEIGHT"), QStringLiteral("40"));
    SavePref(QStringLiteral("PAPER"), QStringLiteral("TATE"), QStringLiteral("1"));
    const std::vector<PdfPage> pages = render(customers);
    ASSERT_EQ(pages.size(), 2u);
    const PdfWord *fifth = pages[1].find(QStringLiteral("〒200-0005"), 0, 0);
    ASSERT_NE(fifth, nullptr);
    EXPECT_NEAR(fifth->left, 12.5 + 60 + 5, 1.0);
    EXPECT_NEAR(fifth->top, 10 + 5, 1.0);
    // Rows given as 0 still print, one row a page.
    SavePref(QStringLiteral("PAPER"), QStringLiteral("TATE"), QStringLiteral("0"));
    EXPECT_EQ(render(customers).size(), 2u);
}

} // namespace
