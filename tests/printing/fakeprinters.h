#pragma once
// Printers for tests: each job is written as a PDF file, and what was asked is recorded.
#include "printing/ui/printerbackend.h"

#include <QPageSize>
#include <QPdfWriter>

#include <vector>

class FakePrinters final : public PrinterBackend
{
  public:
    struct Job {
        QString printer;
        int copies = 0;
        QSizeF sheet;
        QString file;
    };
    FakePrinters(const QString &folder, QStringList names) : m_folder(folder), m_names(std::move(names))
    {
        SetPrinterBackend(this);
    }
    ~FakePrinters() override { SetPrinterBackend(nullptr); }

    QStringList printerNames() override { return m_names; }
    QString defaultPrinterName() override { return m_names.value(0); }
    void showProperties(const QString &printer, const QSizeF &, QWidget *) override { properties << printer; }
    std::shared_ptr<QPagedPaintDevice> openJob(const QString &printer, int copies, const QSizeF &sheetMm) override
    {
        if (failing)
            return nullptr;
        const QString file = m_folder + QStringLiteral("/job%1.pdf").arg(jobs.size() + 1);
        jobs.push_back({printer, copies, sheetMm, file});
        auto w = std::make_unique<QPdfWriter>(file);
        w->setResolution(600);
        w->setPageSize(QPageSize(sheetMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        w->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        return w;
    }

    std::vector<Job> jobs;
    QStringList properties;
    bool failing = false;

  private:
    QString m_folder;
    QStringList m_names;
};
