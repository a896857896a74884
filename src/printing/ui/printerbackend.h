#pragma once
// The installed printers and the program's current printer. Tests install a backend whose
// "printers" write PDF files.
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

class PrinterBackend
{
  public:
    virtual ~PrinterBackend() = default;
    virtual QStringList printerNames() = 0;
    virtual QString defaultPrinterName() = 0;
    // The platform's properties dialog of the printer, modal. What is set there holds for the
    // printer's later jobs; until paper has been chosen there, the dialog offers `sheetMm`, the
    // sheet of the document about to be printed.
    virtual void showProperties(const QString &printer, const QSizeF &sheetMm, QWidget *parent) = 0;
    // A device for one print job on `printer` with a sheet of `sheetMm`; nullptr when the printer
    // cannot be used. The job is sent when the device's painter ends. The backend may keep the
    // device and hand it out again for the printer's next job.
    virtual std::shared_ptr<QPagedPaintDevice> openJob(const QString &printer, int copies, const QSizeF &sheetMm) = 0;
};

// The platform's printers. Each printer's settings live for the program's run in one device:
// its properties dialog changes them and every job on that printer is printed with them.
class PlatformPrinters : public PrinterBackend
{
  public:
    PlatformPrinters();
    ~PlatformPrinters() override;
    QStringList printerNames() override;
    QString defaultPrinterName() override;
    void showProperties(const QString &printer, const QSizeF &sheetMm, QWidget *parent) override;
    std::shared_ptr<QPagedPaintDevice> openJob(const QString &printer, int copies, const QSizeF &sheetMm) override;

  protected:
    // A device printing to the platform's queue `printer`.
    virtual std::unique_ptr<QPrinter> newPrinter(const QString &printer);

  private:
    struct Kept {
        std::shared_ptr<QPrinter> device;
        bool paperChosen = false; // in the properties dialog; the document's sheet otherwise
    };
    Kept &kept(const QString &printer);

    std::map<QString, Kept> m_printers;
};

// The backend in force (the installed printers unless a test set its own).
PrinterBackend &Printers();
// nullptr restores the installed printers. The caller keeps ownership.
void SetPrinterBackend(PrinterBackend *backend);

// The printer documents go to; the system default until the user chooses another.
QString CurrentPrinterName();
void SetCurrentPrinterName(const QString &name);
