#include "sales/ui/frmSalesStaff.h"

#include "platform/ui/widgetnaming.h"
#include "printing/ui/frmPreview.h"
#include "sales/ui/totalslists.h"
#include "store/appdata.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

const Qt::Alignment L = Qt::AlignLeft, R = Qt::AlignRight, C = Qt::AlignHCenter;
const std::vector<Qt::Alignment> kStaffAlign = {L, C, R, R, R};

} // namespace

frmSalesStaff::frmSalesStaff(AppData &data, const SearchCriteria &criteria, const std::vector<int> &positions,
                             QWidget *parent)
    : QDialog(parent)
{
    named(this, "frmSalesStaff");
    setWindowTitle(TotalsCaption(kStaffCaptionPrefix, criteria));

    tlbStaff = named(new QToolBar(this), "tlbStaff");
    tlbStaff->setToolButtonStyle(Qt::ToolButtonTextOnly);
    pre = named(tlbStaff->addAction(QStringLiteral("集金表のﾌﾟﾚﾋﾞｭｰ")), "pre");
    pri = named(tlbStaff->addAction(QStringLiteral("集金表の印刷")), "pri");
    close = named(tlbStaff->addAction(QStringLiteral("閉じる")), "close");
    connect(pre, &QAction::triggered, this, &frmSalesStaff::Preview);
    connect(pri, &QAction::triggered, this, &frmSalesStaff::PrintNow);
    connect(close, &QAction::triggered, this, &QDialog::reject);

    lsvStaff = TotalsList(this, "lsvStaff", QStringLiteral("スタッフ別集金表"),
                          {"スタッフ名", "配達件数", "税込金額", "割引", "集金合計"}, kStaffAlign);
    connect(lsvStaff->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { SortTotalsList(lsvStaff, column, m_sortColumn, m_descending); });

    lblKen = named(new QLabel(this), "lblKen");
    lblTotal = named(new QLabel(this), "lblTotal");
    lblTotalWari = named(new QLabel(this), "lblTotalWari");
    lblMoney = named(new QLabel(this), "lblMoney");
    auto *totals = new QGridLayout;
    totals->addWidget(new QLabel(QStringLiteral("合計："), this), 0, 0);
    int column = 1;
    for (QLabel *l : {lblKen, lblTotal, lblTotalWari, lblMoney}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumWidth(100);
        totals->addWidget(l, 0, column++);
    }
    totals->setColumnStretch(0, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(tlbStaff);
    layout->addWidget(caption(QStringLiteral("スタッフ別集金表："), lsvStaff, this));
    layout->addWidget(lsvStaff, 1);
    layout->addLayout(totals);
    resize(640, 460);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const StaffCollection c =
        ComputeStaffCollection(data.records, data.settings.Shop.TaxRate, data.settings.StaffList, positions);
    FillTotalsList(lsvStaff, c.Rows(), kStaffAlign);
    lblKen->setText(c.CountText());
    lblTotal->setText(c.WithTaxText());
    lblTotalWari->setText(c.DiscountText());
    lblMoney->setText(c.MoneyText());
    QApplication::restoreOverrideCursor();
}

CollectionSheetInput frmSalesStaff::SheetInput() const
{
    return {windowTitle(),    TotalsListRows(lsvStaff), lblKen->text(),
            lblTotal->text(), lblTotalWari->text(),     lblMoney->text()};
}

void frmSalesStaff::Preview()
{
    PrintDocument doc;
    doc.PrintKind = PrintKind::SS;
    doc.Collection = SheetInput();
    frmPreview preview(doc, this);
    preview.exec();
}

void frmSalesStaff::PrintNow()
{
    PrintDocument doc;
    doc.PrintKind = PrintKind::SS;
    doc.Collection = SheetInput();
    frmPreview preview(doc, this);
    preview.GoPrint();
}
