#include "sales/ui/chartpanel.h"

#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFontMetrics>
#include <QLegend>
#include <QHeaderView>
#include <QScrollBar>
#include <QPainter>
#include <QPieSeries>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace
{
ChartPrinterDialog &printerDialog()
{
    static ChartPrinterDialog dialog;
    return dialog;
}

std::unique_ptr<QPrinter> platformPrinterDialog(QWidget *parent)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}
} // namespace

ChartPanel::ChartPanel(QWidget *parent) : QWidget(parent)
{
    m_view = named(new QChartView(this), "chtMain", QStringLiteral("グラフ"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->chart()->setAnimationOptions(QChart::NoAnimation);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

void ChartPanel::Draw(const ChartTable &table)
{
    m_table = table;
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(table.Pie ? Qt::AlignRight : Qt::AlignBottom);
    if (table.Pie) {
        auto *pie = new QPieSeries;
        for (int s = 0; s < table.Series.size(); ++s)
            pie->append(table.Series[s], table.Values[size_t(s)].empty() ? 0 : table.Values[size_t(s)][0]);
        pie->setPieSize(0.85);
        chart->addSeries(pie);
        // Long area names with their shares: the legend takes the room it needs, the pie the rest.
        const QFontMetrics metrics(chart->legend()->font());
        int widest = 0;
        for (const QString &label : table.Series)
            widest = std::max(widest, metrics.horizontalAdvance(label));
        if (widest + 48 <= width() / 2)
            chart->legend()->setMinimumWidth(widest + 48);
        else
            chart->legend()->setAlignment(Qt::AlignBottom);
        if (!table.Categories.isEmpty())
            chart->setTitle(table.Categories.front());
    } else {
        auto *bars = new QBarSeries;
        double top = 0;
        for (int s = 0; s < table.Series.size(); ++s) {
            auto *set = new QBarSet(table.Series[s]);
            for (double v : table.Values[size_t(s)]) {
                *set << v;
                top = std::max(top, v);
            }
            bars->append(set);
        }
        chart->addSeries(bars);
        auto *x = new QBarCategoryAxis;
        x->append(table.Categories);
        chart->addAxis(x, Qt::AlignBottom);
        bars->attachAxis(x);
        auto *y = new QValueAxis;
        y->setLabelFormat(QStringLiteral("%.0f"));
        chart->addAxis(y, Qt::AlignLeft);
        bars->attachAxis(y);
        y->setRange(0, top > 0 ? top * 1.1 : 1);
        // Round steps (0, 500000, 1000000, …) read at a glance; the exact figures are in the table.
        y->applyNiceNumbers();
    }
    QChart *old = m_view->chart();
    m_view->setChart(chart);
    delete old;
}

void ChartPanel::CopyToClipboard()
{
    QClipboard *clip = QApplication::clipboard();
    clip->clear();
    clip->setPixmap(m_view->grab());
    ShowInformation(QStringLiteral("コピー完了"), QStringLiteral("クリップボードへのコピーが完了しました。"));
}

void FillChartSide(QTableWidget *table, const ChartSide &side)
{
    table->clear();
    table->setColumnCount(int(side.Headings.size()));
    table->setHorizontalHeaderLabels(side.Headings);
    table->setRowCount(int(side.Rows.size()));
    for (int r = 0; r < int(side.Rows.size()); ++r) {
        const ChartSideRow &row = side.Rows[size_t(r)];
        table->setVerticalHeaderItem(r, new QTableWidgetItem(row.Label));
        for (int c = 0; c < row.Cells.size(); ++c) {
            auto *item = new QTableWidgetItem(row.Cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    // The table as wide as its figures, so that the chart keeps the rest of the width.
    int width = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth() +
                table->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < table->columnCount(); ++c)
        width += table->columnWidth(c);
    table->setFixedWidth(width);
}

void SetChartPrinterDialog(const ChartPrinterDialog &dialog)
{
    printerDialog() = dialog;
}

bool PrintWindowPicture(QWidget *window)
{
    const std::unique_ptr<QPrinter> printer = printerDialog() ? printerDialog()(window) : platformPrinterDialog(window);
    if (!printer)
        return false;
    const QPixmap picture = window->grab();
    QPainter painter;
    // A printer that cannot be opened must not pass for a printed page.
    if (!painter.begin(printer.get())) {
        ShowWarning(QStringLiteral("印刷"), QStringLiteral("何らかのエラーが発生しました。印刷できません。"));
        return false;
    }
    // The picture as large as the page allows, keeping its shape.
    const QRect page = painter.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(page.topLeft(), size), picture);
    return painter.end();
}
