#include "printing/ui/printerbackend.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace
{

// Sheets are named portrait; a landscape form turns the page.
void setSheet(QPrinter &p, const QSizeF &sheetMm)
{
    const QSizeF portrait(qMin(sheetMm.width(), sheetMm.height()), qMax(sheetMm.width(), sheetMm.height()));
    p.setPageSize(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
    p.setPageOrientation(sheetMm.width() > sheetMm.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
}

PrinterBackend *g_backend = nullptr;
QString g_current;

} // namespace

PlatformPrinters::PlatformPrinters() = default;
PlatformPrinters::~PlatformPrinters() = default;

QStringList PlatformPrinters::printerNames()
{
    return QPrinterInfo::availablePrinterNames();
}

QString PlatformPrinters::defaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<QPrinter> PlatformPrinters::newPrinter(const QString &printer)
{
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setPrinterName(printer);
    if (p->isValid())
        p->setOutputFormat(QPrinter::NativeFormat);
    return p;
}

PlatformPrinters::Kept &PlatformPrinters::kept(const QString &printer)
{
    Kept &k = m_printers[printer];
    // A queue that could not be used may have come up since.
    if (!k.device || !k.device->isValid())
        k.device = newPrinter(printer);
    return k;
}

void PlatformPrinters::showProperties(const QString &printer, const QSizeF &sheetMm, QWidget *parent)
{
    Kept &k = kept(printer);
    if (!k.paperChosen)
        setSheet(*k.device, sheetMm);
    QPageSetupDialog dialog(k.device.get(), parent);
    if (dialog.exec() == QDialog::Accepted)
        k.paperChosen = true;
}

std::shared_ptr<QPagedPaintDevice> PlatformPrinters::openJob(const QString &printer, int copies, const QSizeF &sheetMm)
{
    Kept &k = kept(printer);
    QPrinter &p = *k.device;
    if (!p.isValid())
        return nullptr;
    // Pages are drawn from the sheet's corner; paper chosen in the properties takes the sheet
    // at its true size.
    p.setFullPage(true);
    if (!k.paperChosen)
        setSheet(p, sheetMm);
    p.setCopyCount(copies);
    p.setDocName(QStringLiteral("Soranowa"));
    return k.device;
}

PrinterBackend &Printers()
{
    static PlatformPrinters installed;
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
