#pragma once
// The chart component of the chart windows: draws a chart table as clustered bars or as a pie,
// copies its picture to the clipboard, and prints a whole window as it is shown.
#include "sales/chartformat.h"

#include <QWidget>

#include <functional>
#include <memory>

class QChartView;
class QPrinter;
class QTableWidget;

class ChartPanel : public QWidget
{
    Q_OBJECT
  public:
    explicit ChartPanel(QWidget *parent = nullptr);

    // Replaces the drawing: bars for several categories, a pie (one slice per series) otherwise.
    void Draw(const ChartTable &table);
    const ChartTable &Table() const { return m_table; }
    QChartView *View() const { return m_view; }
    // Empties the clipboard, puts the chart's picture on it and says so.
    void CopyToClipboard();

  private:
    QChartView *m_view;
    ChartTable m_table;
};

// Fills a side table: headings across, one row per entry with its label down the left.
void FillChartSide(QTableWidget *table, const ChartSide &side);

// The printer dialog of "画面の印刷": the printer to print on with the orientation chosen there,
// nullptr when the user cancelled. Tests put a PDF printer in its place.
using ChartPrinterDialog = std::function<std::unique_ptr<QPrinter>(QWidget *parent)>;
void SetChartPrinterDialog(const ChartPrinterDialog &dialog); // empty restores the platform's
// Prints the window's picture, as large as fits the page. False when cancelled or failed.
bool PrintWindowPicture(QWidget *window);
