#include "sales/ui/frmSalesM.h"

#include "platform/ui/widgetnaming.h"
#include "printing/ui/frmPreview.h"
#include "sales/salesexport.h"
#include "sales/ui/totalslists.h"
#include "store/appdata.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

const Qt::Alignment L = Qt::AlignLeft, R = Qt::AlignRight, C = Qt::AlignHCenter;
const std::vector<Qt::Alignment> kTotalAlign = {L, R, C, R, R, R, R, R};
const std::vector<Qt::Alignment> kItemAlign = {L, C, R, R};

} // namespace

frmSalesM::frmSalesM(AppData &data, const SearchCriteria &criteria, const std::vector<int> &positions, QWidget *parent)
    : QDialog(parent)
{
    named(this, "frmSalesM");
    setWindowTitle(TotalsCaption(kTotalsCaptionPrefix, criteria));

    tlbSK = named(new QToolBar(this), "tlbSK");
    tlbSK->setToolButtonStyle(Qt::ToolButtonTextOnly);
    pre = named(tlbSK->addAction(QStringLiteral("集計表のﾌﾟﾚﾋﾞｭｰ")), "pre");
    pri = named(tlbSK->addAction(QStringLiteral("集計表の印刷")), "pri");
    ex = named(tlbSK->addAction(QStringLiteral("ﾃﾞｰﾀのｴｸｽﾎﾟｰﾄ")), "ex");
    close = named(tlbSK->addAction(QStringLiteral("閉じる")), "close");
    connect(pre, &QAction::triggered, this, &frmSalesM::Preview);
    connect(pri, &QAction::triggered, this, &frmSalesM::PrintNow);
    connect(ex, &QAction::triggered, this, &frmSalesM::Export);
    connect(close, &QAction::triggered, this, &QDialog::reject);

    lsvTotal =
        TotalsList(this, "lsvTotal", QStringLiteral("集計"),
                   {"区分", "件数", "数量", "売上合計", "消費税", "税込合計", "客単価", "税込客単価"}, kTotalAlign);
    lsvM = TotalsList(this, "lsvM", QStringLiteral("メニュー別売上"), {"メニュー", "数量", "単価", "小計"}, kItemAlign);
    connect(lsvM->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { SortTotalsList(lsvM, column, m_sortColumn, m_descending); });

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(tlbSK);
    layout->addWidget(caption(QStringLiteral("集計："), lsvTotal, this));
    layout->addWidget(lsvTotal, 2);
    layout->addWidget(caption(QStringLiteral("メニュー別売上："), lsvM, this));
    layout->addWidget(lsvM, 5);
    resize(860, 620);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SalesTotals totals = ComputeSalesTotals(data.records, data.settings.Shop.TaxRate, positions);
    FillTotalsList(lsvTotal, totals.SummaryRows(), kTotalAlign);
    FillTotalsList(lsvM, totals.ItemRows(), kItemAlign);
    QApplication::restoreOverrideCursor();
}

TotalsSheetInput frmSalesM::SheetInput() const
{
    return {windowTitle(), TotalsListRows(lsvM), TotalsListRows(lsvTotal)};
}

void frmSalesM::Preview()
{
    PrintDocument doc;
    doc.PrintKind = PrintKind::SK;
    doc.Totals = SheetInput();
    frmPreview preview(doc, this);
    preview.exec();
}

void frmSalesM::PrintNow()
{
    PrintDocument doc;
    doc.PrintKind = PrintKind::SK;
    doc.Totals = SheetInput();
    frmPreview preview(doc, this);
    preview.GoPrint();
}

void frmSalesM::Export()
{
    ExportItemCsv(TotalsListRows(lsvM));
}
