// A real print path: the printer dialog sends pages to a CUPS queue that writes PDF files.
// CI starts cupsd with a queue "PDF" and names its output folder in SORANOWA_CUPS_PDF_DIR;
// without them the test is skipped (and says so).
#include "mock/testprompt.h"
#include "notetest.h"

#include "printing/ui/frmPrinterBox.h"
#include "printing/ui/printerbackend.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QThread>

namespace
{

QStringList pdfFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// Waits until the queue is empty and `count` new files are complete; returns them.
QStringList waitForJobs(const QString &folder, const QStringList &before, int count)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 60000) {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), QStringLiteral("PDF")});
        lpstat.waitForFinished(5000);
        const bool queueEmpty = lpstat.readAllStandardOutput().trimmed().isEmpty();
        QStringList fresh;
        for (const QString &f : pdfFiles(folder))
            if (!before.contains(f))
                fresh << QDir(folder).filePath(f);
        if (queueEmpty && fresh.size() >= count)
            return fresh;
        QThread::msleep(100);
    }
    return {};
}

class CupsPrint : public NoteTest
{
  protected:
    void SetUp() override
    {
        NoteTest::SetUp();
        folder = qEnvironmentVariable("SORANOWA_CUPS_PDF_DIR");
        if (folder.isEmpty() || !Printers().printerNames().contains(QStringLiteral("PDF")))
            GTEST_SKIP() << "no CUPS PDF queue (CI starts one)";
    }
    QString folder;
    TestPrompt prompt;
};

} // namespace

TEST_F(CupsPrint, DeliveryNoteReachesTheQueueWithItsCopies)
{
    setLine(1, QStringLiteral("天丼"), 2, 1100);
    PrintDocument doc;
    doc.PrintKind = PrintKind::Nohin;
    doc.Note = note();
    doc.PageCount = 1;
    doc.CurrentPage = 1;
    const QStringList before = pdfFiles(folder);
    frmPrinterBox box(doc);
    box.cboPrinter->setCurrentText(QStringLiteral("PDF"));
    box.txtCopy->setText(QStringLiteral("2"));
    ASSERT_TRUE(box.cmdPrintGo_Click());
    EXPECT_EQ(prompt.count(), 0);

    const QStringList jobs = waitForJobs(folder, before, 1);
    ASSERT_EQ(jobs.size(), 1) << "one job for the one page";
    const auto pages = ReadPdfWords(jobs[0]);
    ASSERT_EQ(pages.size(), 2u) << "two copies";
    for (const PdfPage &page : pages) {
        EXPECT_NEAR(page.width, 148, 1.5);
        EXPECT_NEAR(page.height, 210, 1.5);
        EXPECT_TRUE(page.find(QStringLiteral("天丼"), 0, 0, false) != nullptr);
    }
    // Positions survive the trip through the printer driver.
    const PdfPage direct = render(QStringLiteral("Nohin"));
    const PdfWord *mine = direct.find(QStringLiteral("天丼"), 0, 0, false);
    const PdfWord *queued = pages[0].find(QStringLiteral("天丼"), 0, 0, false);
    ASSERT_TRUE(mine && queued);
    EXPECT_NEAR(queued->left, mine->left, 1.5);
    EXPECT_NEAR(queued->top, mine->top, 1.5);
}
