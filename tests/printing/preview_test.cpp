// The preview window and the printer dialog, driven as a user would.
#include "fakeprinters.h"
#include "mock/modal.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "notetest.h"

#include "printing/ui/deliverynoteprint.h"
#include "printing/ui/frmPreview.h"
#include "printing/ui/frmPrinterBox.h"
#include "store/prefs.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace
{

class Preview : public NoteTest
{
  protected:
    void SetUp() override
    {
        NoteTest::SetUp();
        setLines(2);
    }
    // A totals sheet of `pages` pages.
    PrintDocument totals(int pages)
    {
        PrintDocument doc;
        doc.PrintKind = PrintKind::SK;
        for (int i = 1; i <= 92 * (pages - 1) + 1; ++i)
            doc.Totals.Items.push_back({QStringLiteral("品%1").arg(i), "1", "¥1", "¥1"});
        return doc;
    }
    int pagesOf(const FakePrinters::Job &job) { return int(ReadPdfWords(job.file).size()); }

    TestDataFolder folder;
    TestPrompt prompt;
    FakePrinters printers{dir.path(), {QStringLiteral("Front"), QStringLiteral("Kitchen")}};
};

TEST_F(Preview, OpensAtFullSizeAndZooms)
{
    PrintDocument doc;
    doc.PrintKind = PrintKind::Nohin;
    doc.Note = note();
    QElapsedTimer t;
    t.start();
    frmPreview w(doc);
    w.show();
    QCoreApplication::processEvents();
    std::printf("first preview shown: %lld ms\n", t.elapsed());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("[プレビュー]"));
    ASSERT_EQ(w.cboZoom->count(), 6);
    EXPECT_EQ(w.cboZoom->itemText(5), QStringLiteral("適合"));
    EXPECT_EQ(w.cboZoom->currentText(), QStringLiteral("100%"));
    EXPECT_EQ(w.txtPaper->text(), QStringLiteral("[用紙サイズ：Ａ５縦]"));
    EXPECT_EQ(w.txtPage->text(), QStringLiteral("1/1"));
    const double tpp = 1440.0 / w.logicalDpiY();
    EXPECT_NEAR(w.picPage->height(), 11907 / tpp, 1);
    EXPECT_NEAR(w.picPage->y(), 100 / tpp, 1);
    // A page taller than the window: the vertical bar runs to display - visible + 200 twips.
    EXPECT_TRUE(w.vsbPage->isVisible());
    EXPECT_NEAR(w.vsbPage->maximum(), 11907 - w.picView->height() * tpp + 200, 2);
    w.vsbPage->setValue(1000);
    EXPECT_NEAR(w.picPage->y(), (100 - 1000) / tpp, 1);

    QTest::mouseClick(w.picPage, Qt::RightButton);
    EXPECT_EQ(w.cboZoom->currentText(), QStringLiteral("75%"));
    EXPECT_NEAR(w.picPage->height(), 11907 * 0.75 / tpp, 1);
    w.cboZoom->setCurrentIndex(4);
    QTest::mouseClick(w.picPage, Qt::RightButton); // nothing below 25%
    EXPECT_EQ(w.cboZoom->currentText(), QStringLiteral("25%"));
    QTest::mouseClick(w.picPage, Qt::LeftButton);
    EXPECT_EQ(w.cboZoom->currentText(), QStringLiteral("50%"));
    w.cboZoom->setCurrentIndex(0);
    QTest::mouseClick(w.picPage, Qt::LeftButton); // nothing above 150%
    EXPECT_EQ(w.cboZoom->currentText(), QStringLiteral("150%"));
    // Fit: the page height is the visible height less 200 twips.
    w.cboZoom->setCurrentIndex(5);
    EXPECT_NEAR(w.picPage->height(), (w.picView->height() * tpp - 200) / tpp, 1);
    EXPECT_FALSE(w.vsbPage->isVisible());
    if (!qEnvironmentVariableIsEmpty("KEEP_TEST_PDF"))
        w.grab().save(dir.filePath("preview.png"));
    // One page: first and last do nothing.
    w.cmdPage[3]->click();
    w.cmdPage[0]->click();
    EXPECT_EQ(w.txtPage->text(), QStringLiteral("1/1"));
}

TEST_F(Preview, PagesThroughASheet)
{
    PrintDocument doc = totals(3);
    frmPreview w(doc);
    EXPECT_EQ(w.txtPaper->text(), QStringLiteral("[用紙サイズ：Ａ４縦]"));
    EXPECT_EQ(w.txtPage->text(), QStringLiteral("1/3"));
    w.cmdPage[1]->click();
    EXPECT_EQ(w.txtPage->text(), QStringLiteral("1/3"));
    w.cmdPage[2]->click();
    EXPECT_EQ(w.txtPage->text(), QStringLiteral("2/3"));
    w.cmdPage[3]->click();
    EXPECT_EQ(w.txtPage->text(), QStringLiteral("3/3"));
    w.cmdPage[2]->click();
    EXPECT_EQ(w.txtPage->text(), QStringLiteral("3/3"));
    w.cmdPage[1]->click();
    EXPECT_EQ(w.txtPage->text(), QStringLiteral("2/3"));
    w.cmdPage[0]->click();
    EXPECT_EQ(w.txtPage->text(), QStringLiteral("1/3"));

    // Saved as one PDF of every page; the preview stays on its page.
    w.cmdPage[2]->click();
    prompt.fileNext(dir.filePath("saved.pdf"));
    w.tlbPdf->trigger();
    EXPECT_EQ(ReadPdfWords(dir.filePath("saved.pdf")).size(), 3u);
    EXPECT_EQ(w.txtPage->text(), QStringLiteral("2/3"));
    EXPECT_EQ(prompt.fileDialogTitles.value(0), QStringLiteral("PDF保存"));
}

TEST_F(Preview, DirectPrintSendsOneCopyToTheCurrentPrinter)
{
    SavePref("SET", "PRINT", "1");
    PrintDeliveryNote(note(), PrintKind::Nohin2, nullptr);
    ASSERT_EQ(printers.jobs.size(), 1u);
    EXPECT_EQ(printers.jobs[0].printer, QStringLiteral("Front"));
    EXPECT_EQ(printers.jobs[0].copies, 1);
    EXPECT_EQ(printers.jobs[0].sheet, QSizeF(210, 148));
    const auto pages = ReadPdfWords(printers.jobs[0].file);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(At(pages[0], "納品書", 140, 5, 12));
    EXPECT_EQ(prompt.count(), 0);

    // Without a printer the direct print fails with its message.
    FakePrinters none(dir.path(), {});
    PrintDeliveryNote(note(), PrintKind::Nohin, nullptr);
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.asked[0].text, QStringLiteral("プリンターが設定されていません。"));
    EXPECT_EQ(prompt.asked[1].text, kPrintFailed);
}

TEST_F(Preview, PrintButtonOpensTheDialogWhenAskedTo)
{
    SavePref("SET", "PRINT", "0");
    PrintDocument doc;
    doc.PrintKind = PrintKind::Nohin;
    doc.Note = note();
    frmPreview w(doc);
    ModalHandler handler([](QWidget *dialog) {
        auto *box = qobject_cast<frmPrinterBox *>(dialog);
        ASSERT_TRUE(box);
        EXPECT_FALSE(box->optPage[1]->isEnabled()); // one page only
        EXPECT_FALSE(box->optPage[2]->isEnabled());
        EXPECT_FALSE(box->txtPage->isEnabled());
        EXPECT_TRUE(box->optPage[0]->isChecked());
        box->cboPrinter->setCurrentText(QStringLiteral("Kitchen"));
        box->cmdDetail->click();
        box->txtCopy->setText(QStringLiteral("2"));
        box->cmdPrintGo->click();
    });
    w.tlbPrint->trigger();
    EXPECT_TRUE(handler.done());
    ASSERT_EQ(printers.jobs.size(), 1u);
    EXPECT_EQ(printers.jobs[0].printer, QStringLiteral("Kitchen"));
    EXPECT_EQ(printers.jobs[0].copies, 2);
    EXPECT_EQ(printers.properties, QStringList{QStringLiteral("Kitchen")});
    // The choice lasts beyond the dialog.
    EXPECT_EQ(CurrentPrinterName(), QStringLiteral("Kitchen"));
    EXPECT_TRUE(w.isVisibleTo(nullptr) || !w.isVisible()); // the preview is still there
}

TEST_F(Preview, PrinterDialogChecksCopiesAndRanges)
{
    PrintDocument doc = totals(4);
    frmPreview w(doc); // builds page 1 and sets the counters
    w.cmdPage[2]->click();
    frmPrinterBox box(doc);
    EXPECT_TRUE(box.optPage[1]->isEnabled());
    for (const char *bad : {"0", "100", "2.5", ""}) {
        box.txtCopy->setText(QString::fromUtf8(bad));
        EXPECT_FALSE(box.cmdPrintGo_Click());
        EXPECT_EQ(prompt.last().text, QStringLiteral("1～99の整数で入力して下さい。"));
        EXPECT_EQ(box.txtCopy->selectedText(), box.txtCopy->text());
    }
    EXPECT_TRUE(printers.jobs.empty());
    box.txtCopy->setText(QStringLiteral("3"));
    box.optPage[2]->setChecked(true);
    for (const char *bad : {"7", "0-2", "1-2-3"}) {
        box.txtPage->setText(QString::fromUtf8(bad));
        EXPECT_FALSE(box.cmdPrintGo_Click());
        EXPECT_EQ(
            prompt.last().text,
            QStringLiteral("ページ指定範囲が不正です。\n印刷したい範囲をハイフンではさんで入力して下さい。\n例：3-5"));
    }
    EXPECT_TRUE(printers.jobs.empty());
    box.txtPage->setText(QStringLiteral("5-3"));
    EXPECT_TRUE(box.cmdPrintGo_Click());
    // Pages 3 and 4, each a job of its own with the copies set, on A4.
    ASSERT_EQ(printers.jobs.size(), 2u);
    EXPECT_EQ(printers.jobs[0].copies, 3);
    EXPECT_EQ(printers.jobs[0].sheet, QSizeF(210, 297));
    EXPECT_TRUE(ReadPdfWords(printers.jobs[0].file).at(0).contains("3/4"));
    EXPECT_TRUE(ReadPdfWords(printers.jobs[1].file).at(0).contains("4/4"));

    // The current page only.
    frmPrinterBox again(doc);
    again.optPage[1]->setChecked(true);
    printers.jobs.clear();
    EXPECT_TRUE(again.cmdPrintGo_Click());
    ASSERT_EQ(printers.jobs.size(), 1u);
    // A printer that fails keeps the dialog open with the message.
    printers.failing = true;
    frmPrinterBox failing(doc);
    failing.show();
    EXPECT_FALSE(failing.cmdPrintGo_Click());
    EXPECT_EQ(prompt.last().text, kPrintFailed);
    EXPECT_TRUE(failing.isVisible());
}

} // namespace
