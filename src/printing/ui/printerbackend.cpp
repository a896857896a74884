#include "printing/ui/printerbackend.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace
{

class InstalledPrinters final : public PrinterBackend
{
  public:
    QStringList printerNames() override { return QPrinterInfo::availablePrinterNames(); }
    QString defaultPrinterName() override { return QPrinterInfo::defaultPrinterName(); }
    void showProperties(const QString &printer, QWidget *parent) override
    {
        QPrinter p(QPrinter::HighResolution);
        p.setPrinterName(printer);
        QPageSetupDialog dialog(&p, parent);
        dialog.exec();
    }
    std::unique_ptr<QPagedPaintDevice> openJob(const QString &printer, int copies, const QSizeF &sheetMm) override
    {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setPrinterName(printer);
        if (!p->isValid())
            return nullptr;
        p->setOutputFormat(QPrinter::NativeFormat);
        p->setFullPage(true);
        // Sheets are named portrait; a landscape form turns the page.
        const QSizeF portrait(qMin(sheetMm.width(), sheetMm.height()), qMax(sheetMm.width(), sheetMm.height()));
        p->setPageSize(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
        p->setPageOrientation(sheetMm.width() > sheetMm.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
        p->setCopyCount(copies);
        p->setDocName(QStringLiteral("Soranowa"));
        return p;
    }
};

PrinterBackend *g_backend = nullptr;
QString g_current;

} // namespace

PrinterBackend &Printers()
{
    static InstalledPrinters installed;
    return g_backend ? *g_backend : installed;
}

void SetPrinterBackend(PrinterBackend *backend)
{
    g_backend = backend;
    g_current.clear();
}

QString CurrentPrinterName()
{
    if (g_current.isEmpty() || !Printers().printerNames().contains(g_current))
        g_current = Printers().defaultPrinterName();
    return g_current;
}

void SetCurrentPrinterName(const QString &name)
{
    g_current = name;
}
