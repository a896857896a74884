#include "sales/ui/frmChCust.h"

#include "platform/ui/widgetnaming.h"
#include "sales/chartareas.h"
#include "sales/ui/chartpanel.h"
#include "store/appdata.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmChCust::frmChCust(AppData &data, QWidget *parent) : QWidget(parent), m_data(data)
{
    setObjectName(QStringLiteral("frmChCust"));
    setWindowTitle(QStringLiteral("顧客分析"));

    cboSyu = named(new QComboBox(this), "cboSyu");
    cboSyu->addItems(CustomerChartKindNames());
    cboSyu->setCurrentIndex(0);
    cmdGo = named(new QPushButton(QStringLiteral("集計(&T)"), this), "cmdGo");
    cmdPrint = named(new QPushButton(QStringLiteral("画面の印刷(&P)"), this), "cmdPrint");
    cmdClip = named(new QPushButton(QStringLiteral("グラフのコピー(&C)"), this), "cmdClip");
    cmdPrint->setEnabled(false);
    cmdClip->setEnabled(false);

    picCh = named(new ChartPanel(this), "picCh");
    picSide = named(new QFrame(this), "picSide");
    picSide->setFrameShape(QFrame::StyledPanel);
    auto *side = new QGridLayout(picSide);
    auto *heading = new QLabel(QStringLiteral("人数"), picSide);
    heading->setAlignment(Qt::AlignRight);
    side->addWidget(heading, 0, 1);
    for (int k = 0; k <= 8; ++k) {
        const int row = k == 0 ? 9 : k;
        lblNumName[size_t(k)] = named(new QLabel(k == 0 ? QStringLiteral("合計") : QString(), picSide),
                                      QStringLiteral("lblNumName%1").arg(k));
        lblNum[size_t(k)] = named(new QLabel(QStringLiteral("0"), picSide), QStringLiteral("lblNum%1").arg(k));
        lblNum[size_t(k)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        side->addWidget(lblNumName[size_t(k)], row, 0);
        side->addWidget(lblNum[size_t(k)], row, 1);
    }
    side->setRowStretch(10, 1);
    // Room for most town names in full (14 characters); longer ones are cut, whole in the tooltip.
    m_nameWidth = fontMetrics().horizontalAdvance(QStringLiteral("神奈川県横浜市港北区日吉本町"));
    picSide->setFixedWidth(m_nameWidth + fontMetrics().horizontalAdvance(QStringLiteral(" 999,999")) + 32);
    picSide->setVisible(false);

    auto *commands = new QHBoxLayout;
    commands->addWidget(caption(QStringLiteral("集計種別："), cboSyu, this));
    commands->addWidget(cboSyu);
    commands->addWidget(cmdGo);
    commands->addStretch();
    commands->addWidget(cmdPrint);
    commands->addWidget(cmdClip);
    auto *body = new QHBoxLayout;
    body->addWidget(picCh, 1);
    body->addWidget(picSide);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addLayout(body, 1);
    // The chart area ends a little above the window's bottom edge.
    layout->addSpacing(fontMetrics().height());
    picCh->setVisible(false);

    connect(cmdGo, &QPushButton::clicked, this, &frmChCust::cmdGo_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmChCust::cmdPrint_Click);
    connect(cmdClip, &QPushButton::clicked, this, &frmChCust::cmdClip_Click);
}

frmChCust::~frmChCust() = default;

void frmChCust::LoadCopy()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_copy = LoadCustomerCopy(m_data.records.filePath(RecordStore::kCustomerFile), progress);
    QApplication::restoreOverrideCursor();
}

void frmChCust::cmdGo_Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    picCh->setVisible(true);
    picSide->setVisible(true);
    cmdPrint->setEnabled(true);
    cmdClip->setEnabled(true);
    ChartAreaNamer namer;
    const ChartDrawing d = DrawCustomerChart(
        m_copy, static_cast<CustomerChartKind>(cboSyu->currentIndex()),
        [&namer](const QString &zip) { return namer.Name(zip); },
        m_data.settings.MotiveList.isEmpty() ? BuildMotiveList() : m_data.settings.MotiveList);
    picCh->Draw(d.Table);
    // Rows 1..8 from the top, then the total in row 0.
    for (size_t k = 1; k <= 8; ++k) {
        const ChartSideRow &row = d.Side.Rows[k - 1];
        // Long area names are shortened to fit; the whole name shows when pointed at.
        lblNumName[k]->setText(lblNumName[k]->fontMetrics().elidedText(row.Label, Qt::ElideRight, m_nameWidth));
        lblNumName[k]->setToolTip(row.Label);
        lblNum[k]->setText(row.Cells.value(0, QStringLiteral("0")));
    }
    lblNum[0]->setText(d.Side.Rows.back().Cells.value(0));
    QApplication::restoreOverrideCursor();
}

void frmChCust::cmdPrint_Click()
{
    PrintWindowPicture(this);
}

void frmChCust::cmdClip_Click()
{
    picCh->CopyToClipboard();
}
