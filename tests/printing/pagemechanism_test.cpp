// Page pictures, page counters and the sales sheets.
#include "notetest.h"

#include "printing/deliverynote.h"
#include "printing/pagepicture.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

namespace
{

TEST(ChangeSuggestionRule, SuggestsTheNotesThatPay)
{
    EXPECT_EQ(ChangeSuggestion(3280), QStringLiteral("1万：¥6,720  5千：¥1,720"));
    EXPECT_EQ(ChangeSuggestion(13280), QStringLiteral("2万：¥6,720  1万5千：¥1,720  "));
    EXPECT_EQ(ChangeSuggestion(7000), QStringLiteral("1万：¥3,000  "));
    EXPECT_EQ(ChangeSuggestion(15000), QStringLiteral("2万：¥5,000  "));
    EXPECT_EQ(ChangeSuggestion(19999), QStringLiteral("2万：¥1  "));
    EXPECT_EQ(ChangeSuggestion(20000), QString());
    EXPECT_EQ(ChangeSuggestion(0), QString());
}

TEST(SheetTables, SizesAndLabelsByKind)
{
    EXPECT_EQ(PreviewSheetSize(PrintKind::Nohin), QSizeF(148, 210));
    EXPECT_EQ(PreviewSheetSize(PrintKind::SS), QSizeF(148, 210));
    EXPECT_EQ(PrinterSheetSize(PrintKind::SS), QSizeF(210, 297));
    EXPECT_EQ(PreviewSheetSize(PrintKind::Nohin2), QSizeF(210, 148));
    EXPECT_EQ(PrinterSheetSize(PrintKind::DM), QSizeF(210, 297));
    EXPECT_EQ(PaperLabel(PrintKind::SS), QStringLiteral("[用紙サイズ：Ａ５縦]"));
    EXPECT_EQ(PaperLabel(PrintKind::Nohin2), QStringLiteral("[用紙サイズ：Ａ５横]"));
    EXPECT_EQ(PaperLabel(PrintKind::SK), QStringLiteral("[用紙サイズ：Ａ４縦]"));
    EXPECT_EQ(DisplayBaseTwips(PrintKind::SS), QSizeF(11907, 16839.9));
    EXPECT_EQ(DisplayBaseTwips(PrintKind::Nohin), QSizeF(8391.6, 11907));
}

TEST(SheetTables, KindsGoByTheirNamesOutsideTheProgram)
{
    const QStringList names = {"Nohin", "Nohin2", "SK", "SS", "DM"};
    QStringList back;
    for (const QString &name : names) {
        EXPECT_NE(PrintKindFromName(name), PrintKind::None) << name.toStdString();
        back << PrintKindName(PrintKindFromName(name));
    }
    EXPECT_EQ(back, names);
    EXPECT_EQ(PrintKindFromName("nohin"), PrintKind::None);
    EXPECT_EQ(PrintKindFromName(""), PrintKind::None);
    EXPECT_EQ(PrintKindName(PrintKind::None), QString());
}

using PageMechanism = NoteTest;

TEST_F(PageMechanism, PicturesSetCountersAndPlayOnlyWhenRecorded)
{
    setLines(2);
    PrintDocument doc;
    doc.PrintKind = PrintKind::Nohin;
    doc.Note = note();
    QElapsedTimer t;
    t.start();
    auto pic = BuildPagePicture(doc, 148, 210, 1);
    QImage image(559, 794, QImage::Format_RGB32); // A5 at 96 dpi
    image.fill(Qt::blue);
    {
        QPainter painter(&image);
        EXPECT_TRUE(PlayPagePicture(painter, pic.get(), 100));
        EXPECT_FALSE(PlayPagePicture(painter, nullptr, 100));
    }
    std::printf("build and play one page: %lld ms\n", t.elapsed());
    EXPECT_EQ(doc.PageCount, 1);
    EXPECT_EQ(doc.CurrentPage, 1);
    EXPECT_EQ(pic->Frame, QSize(14800, 21000));
    // The white sheet covers the page at true size and nothing beyond it.
    EXPECT_EQ(image.pixelColor(550, 785), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(558, 793).blue(), 255);

    // Any other kind leaves the page empty and the counters untouched.
    doc.PrintKind = PrintKindFromName(QStringLiteral("XX"));
    doc.PageCount = doc.CurrentPage = 5;
    auto empty = BuildPagePicture(doc, 148, 210, 1);
    EXPECT_EQ(doc.PageCount, 5);
    QImage blank(100, 100, QImage::Format_RGB32);
    blank.fill(Qt::blue);
    QPainter painter(&blank);
    PlayPagePicture(painter, empty.get(), 100);
    painter.end();
    EXPECT_EQ(blank.pixelColor(50, 50), QColor(Qt::blue));
}

TEST_F(PageMechanism, TotalsSheetPagesAndSummaryOnTheLastPage)
{
    PrintDocument doc;
    doc.PrintKind = PrintKind::SK;
    doc.Totals.Caption = QStringLiteral("売上集計");
    for (int i = 1; i <= 93; ++i)
        doc.Totals.Items.push_back({QStringLiteral("品%1").arg(i), QString::number(i), QStringLiteral("¥100"),
                                    QStringLiteral("¥%1").arg(i * 100)});
    doc.Totals.Summary.push_back(
        {QStringLiteral("合計"), "93", "4371", "¥437,100", "¥34,968", "¥472,068", "¥4,700", "¥5,076"});
    const QString path = dir.filePath("sk.pdf");
    ASSERT_TRUE(RenderDocumentToPdf(doc, path));
    EXPECT_EQ(doc.PageCount, 2);
    const auto pages = ReadPdfWords(path);
    ASSERT_EQ(pages.size(), 2u);
    const PdfPage &p1 = pages[0], &p2 = pages[1];
    EXPECT_NEAR(p1.width, 210, 0.5);
    EXPECT_TRUE(At(p1, "売上集計", 10, 10, 14));
    EXPECT_TRUE(At(p1, "1/2", 180, 10, 14));
    EXPECT_TRUE(At(p1, "品1", 10, 22.3, 10));
    EXPECT_TRUE(At(p1, "品2", 105, 22.3, 10));
    EXPECT_TRUE(At(p1, "品92", 105, 22.3 + 4.6 * 45, 10));
    EXPECT_TRUE(RightAt(p1, "¥9200", 195, 22.3 + 4.6 * 45));
    EXPECT_TRUE(RightAt(p1, "92", 163, 22.3 + 4.6 * 45));
    EXPECT_FALSE(p1.contains("区分"));
    EXPECT_TRUE(At(p2, "2/2", 180, 10));
    EXPECT_TRUE(At(p2, "品93", 10, 22.3));
    EXPECT_TRUE(At(p2, "区分", 10, 240, 10));
    EXPECT_TRUE(At(p2, "税込客単価", 175, 240));
    EXPECT_TRUE(At(p2, "合計", 10, 245.5));
    EXPECT_TRUE(RightAt(p2, "¥472,068", 147, 245.5));
    EXPECT_TRUE(RightAt(p2, "¥5,076", 194, 245.5));
}

TEST_F(PageMechanism, CollectionSheetPagesAndTotals)
{
    PrintDocument doc;
    doc.PrintKind = PrintKind::SS;
    doc.Collection.Caption = QStringLiteral("スタッフ別集金");
    for (int i = 1; i <= 25; ++i)
        doc.Collection.Rows.push_back({QStringLiteral("配達員%1").arg(i), QString::number(i), "¥1,000", "0", "¥1,000"});
    doc.Collection.Ken = "325";
    doc.Collection.Money = "¥25,000";
    const QString path = dir.filePath("ss.pdf");
    ASSERT_TRUE(RenderDocumentToPdf(doc, path));
    const auto pages = ReadPdfWords(path);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NEAR(pages[0].height, 297, 0.5); // printed on A4
    EXPECT_TRUE(At(pages[0], "スタッフ", 5, 8, 11));
    EXPECT_TRUE(At(pages[0], "1/2", 135, 8));
    EXPECT_TRUE(At(pages[0], "スタッフ名", 13, 16, 11));
    EXPECT_TRUE(At(pages[0], "配達員1", 8, 24.5, 12));
    EXPECT_TRUE(RightAt(pages[0], "24", 60, 18 + 6.5 * 24));
    EXPECT_FALSE(pages[0].contains("合計："));
    EXPECT_TRUE(At(pages[1], "配達員25", 8, 24.5));
    EXPECT_TRUE(At(pages[1], "合計：", 15, 185));
    EXPECT_TRUE(RightAt(pages[1], "325", 60, 185));
    EXPECT_TRUE(RightAt(pages[1], "¥25,000", 136, 185));
}

} // namespace
