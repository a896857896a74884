// The printer dialog's "プロパティ(&P)": what is set there reaches the print job, and stays set
// for the printer's later jobs.
#include "mock/modal.h"
#include "mock/testprompt.h"
#include "notetest.h"

#include "printing/ui/frmPrinterBox.h"
#include "printing/ui/printerbackend.h"

#include <QComboBox>
#include <QDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

namespace
{

// The platform's printers with one queue that writes its jobs to a PDF file.
class PdfQueue final : public PlatformPrinters
{
  public:
    explicit PdfQueue(QString file) : m_file(std::move(file)) { SetPrinterBackend(this); }
    ~PdfQueue() override { SetPrinterBackend(nullptr); }
    QStringList printerNames() override { return {QStringLiteral("Office")}; }
    QString defaultPrinterName() override { return QStringLiteral("Office"); }

  protected:
    std::unique_ptr<QPrinter> newPrinter(const QString &) override
    {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(m_file);
        return p;
    }

  private:
    QString m_file;
};

class PrinterProperties : public NoteTest
{
  protected:
    void SetUp() override
    {
        NoteTest::SetUp();
        setLine(1, QStringLiteral("天丼"), 1, 1100);
        doc.PrintKind = PrintKind::Nohin;
        doc.Note = note();
        doc.PageCount = 1;
        doc.CurrentPage = 1;
    }
    // Prints through a new printer dialog, after `properties` has acted on the properties
    // dialog when given; returns the printed page.
    PdfPage print(std::function<void(QDialog *)> properties = {})
    {
        QFile::remove(file);
        frmPrinterBox box(doc);
        if (properties) {
            ModalHandler handler([&](QWidget *w) {
                auto *dialog = qobject_cast<QDialog *>(w);
                EXPECT_NE(dialog, nullptr);
                if (dialog)
                    properties(dialog);
            });
            QTest::mouseClick(box.cmdDetail, Qt::LeftButton);
            EXPECT_TRUE(handler.done());
        }
        EXPECT_TRUE(box.cmdPrintGo_Click());
        const auto pages = ReadPdfWords(file);
        EXPECT_EQ(pages.size(), 1u);
        return pages.empty() ? PdfPage() : pages.front();
    }
    static QComboBox *paperList(QDialog *dialog) { return dialog->findChild<QComboBox *>("pageSizeCombo"); }

    PrintDocument doc;
    TestPrompt prompt;
    QString file = dir.filePath(QStringLiteral("job.pdf"));
    PdfQueue queue{file};
};

} // namespace

TEST_F(PrinterProperties, PaperChosenThereIsThePaperOfEveryLaterJob)
{
    // Untouched, a job takes the sheet of its form.
    PdfPage page = print();
    EXPECT_NEAR(page.width, 148, 0.5);
    EXPECT_NEAR(page.height, 210, 0.5);

    // The dialog offers the form's sheet; A4 chosen there is the paper the note is printed on,
    // at its true size from the corner.
    QString offered;
    page = print([&](QDialog *dialog) {
        QComboBox *paper = paperList(dialog);
        ASSERT_NE(paper, nullptr);
        offered = paper->currentText();
        paper->setCurrentIndex(paper->findText(QStringLiteral("A4")));
        dialog->accept();
    });
    EXPECT_EQ(offered, QStringLiteral("A5"));
    EXPECT_NEAR(page.width, 210, 0.5);
    EXPECT_NEAR(page.height, 297, 0.5);
    EXPECT_TRUE(At(page, "納品書", 98, 18, 18));
    EXPECT_TRUE(At(page, "天丼", 29, 47.5, 11.5));

    // The next print on that printer keeps it; the dialog shows it and cancelling changes nothing.
    page = print([&](QDialog *dialog) {
        offered = paperList(dialog)->currentText();
        paperList(dialog)->setCurrentIndex(paperList(dialog)->findText(QStringLiteral("B5")));
        dialog->reject();
    });
    EXPECT_EQ(offered, QStringLiteral("A4"));
    EXPECT_NEAR(page.width, 210, 0.5);
    EXPECT_NEAR(page.height, 297, 0.5);
    page = print();
    EXPECT_NEAR(page.height, 297, 0.5);
    EXPECT_EQ(prompt.count(), 0);
}
