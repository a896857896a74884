#pragma once
// The installed printers and the program's current printer. Tests install a backend whose
// "printers" write PDF files.
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>

class QPagedPaintDevice;
class QWidget;

class PrinterBackend
{
  public:
    virtual ~PrinterBackend() = default;
    virtual QStringList printerNames() = 0;
    virtual QString defaultPrinterName() = 0;
    // The platform's properties dialog of the printer, modal.
    virtual void showProperties(const QString &printer, QWidget *parent) = 0;
    // A device for one print job on `printer` with a sheet of `sheetMm`; nullptr when the printer
    // cannot be used. The job is sent when the device's painter ends.
    virtual std::unique_ptr<QPagedPaintDevice> openJob(const QString &printer, int copies, const QSizeF &sheetMm) = 0;
};

// The backend in force (the installed printers unless a test set its own).
PrinterBackend &Printers();
// nullptr restores the installed printers. The caller keeps ownership.
void SetPrinterBackend(PrinterBackend *backend);

// The printer documents go to; the system default until the user chooses another.
QString CurrentPrinterName();
void SetCurrentPrinterName(const QString &name);
