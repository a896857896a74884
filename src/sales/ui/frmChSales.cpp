#include "sales/ui/frmChSales.h"

#include "platform/clock.h"
#include "platform/ui/widgetnaming.h"
#include "sales/chartareas.h"
#include "sales/ui/chartcriteriapanel.h"
#include "sales/ui/chartpanel.h"
#include "store/appdata.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
// The busy pointer for as long as the scope lasts.
struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
};
} // namespace

frmChSales::frmChSales(AppData &data, QWidget *parent) : QWidget(parent), m_data(data)
{
    setObjectName(QStringLiteral("frmChSales"));
    setWindowTitle(QStringLiteral("売上分析"));
    const QDate today = Clock::Now().date();
    picCriteria = named(new ChartCriteriaPanel(ChartYearList(today.year(), data.records.OldestSalesDate), today, this),
                        "picCriteria");
    picCriteria->LoadSlotTimes();

    cboSyu = named(new QComboBox(this), "cboSyu");
    cboSyu->addItems(SalesChartKindNames());
    cboSyu->setCurrentIndex(0);
    cmdGo = named(new QPushButton(QStringLiteral("集計(&M)"), this), "cmdGo");
    cmdPrint = named(new QPushButton(QStringLiteral("画面の印刷(&P)"), this), "cmdPrint");
    cmdClip = named(new QPushButton(QStringLiteral("グラフのコピー(&C)"), this), "cmdClip");
    cmdPrint->setEnabled(false);
    cmdClip->setEnabled(false);
    auto *kikanCaption = new QLabel(QStringLiteral("期間："), this);
    lblKikan = named(new QLabel(this), "lblKikan");
    kikanCaption->setBuddy(lblKikan);

    picCh = named(new ChartPanel(this), "picCh");
    picSide = named(new QTableWidget(this), "picSide", QStringLiteral("集計表"));
    picSide->setEditTriggers(QAbstractItemView::NoEditTriggers);
    picSide->setCornerButtonEnabled(false);
    // The table's corner button is a control of its own for a screen reader.
    for (QAbstractButton *corner : picSide->findChildren<QAbstractButton *>())
        corner->setAccessibleName(QStringLiteral("集計表の角"));
    picSide->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    picSide->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("9999年¥99,999,999¥99,999,999")) + 40);

    auto *commands = new QHBoxLayout;
    commands->addWidget(caption(QStringLiteral("集計種別："), cboSyu, this));
    commands->addWidget(cboSyu);
    commands->addWidget(cmdGo);
    commands->addSpacing(12);
    commands->addWidget(kikanCaption);
    commands->addWidget(lblKikan, 1);
    commands->addWidget(cmdPrint);
    commands->addWidget(cmdClip);
    auto *body = new QHBoxLayout;
    body->addWidget(picCh, 1);
    body->addWidget(picSide);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(picCriteria);
    layout->addLayout(commands);
    layout->addLayout(body, 1);

    connect(cmdGo, &QPushButton::clicked, this, &frmChSales::cmdGo_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmChSales::cmdPrint_Click);
    connect(cmdClip, &QPushButton::clicked, this, &frmChSales::cmdClip_Click);
}

frmChSales::~frmChSales() = default;

void frmChSales::LoadCopy()
{
    BusyPointer busy;
    m_copy = LoadSalesCopy(m_data.records.filePath(RecordStore::kSalesFile), progress);
}

void frmChSales::cmdGo_Click()
{
    BusyPointer busy;
    const SalesChartCriteria criteria{picCriteria->Periods(), picCriteria->TimeRange()};
    lblKikan->setText(criteria.Periods.KikanText());
    // Area names come from the database in the data folder, looked up afresh for each drawing.
    ChartAreaNamer namer;
    const auto kind = static_cast<SalesChartKind>(cboSyu->currentIndex());
    const ChartDrawing drawing = DrawSalesChart(m_copy, kind, criteria, SalesAreaSource(m_data.records, namer));
    picCh->Draw(drawing.Table);
    FillChartSide(picSide, drawing.Side);
    cmdPrint->setEnabled(true);
    cmdClip->setEnabled(true);
}

void frmChSales::cmdPrint_Click()
{
    PrintWindowPicture(this);
}

void frmChSales::cmdClip_Click()
{
    picCh->CopyToClipboard();
}

void frmChSales::closeEvent(QCloseEvent *event)
{
    picCriteria->SaveSlotTimes();
    QWidget::closeEvent(event);
}
