// The order window's amounts, discounts, delivery fee, requested time, staff, delivery place and
// the confirmation.
#include "orders/ui/frmOrder.h"

#include "app/frmMain.h"
#include "board/ui/frmJokyo.h"
#include "printing/ui/deliverynoteprint.h"
#include "orders/ordercommit.h"
#include "orders/orderlines.h"
#include "orders/pricing.h"
#include "orders/ui/orderlinelist.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/prefs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {
const QString kPoiCaption = QStringLiteral("割引(&P)");
const QString kPoiCancelCaption = QStringLiteral("取消(&P)");

// A typed amount as whole yen ("1,200" and "300.0" read as numbers).
qint64 YenOf(const QString &text)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    return RoundHalfEven(t.toDouble());
}
} // namespace

void frmOrder::RegiKeisan()
{
    const std::vector<OrderLine> lines = OrderLineList::Lines(lsvMenu);
    if (lines.empty()) {
        lblNum->setText(QStringLiteral("0"));
        lblpreTotal->setText(FormatYen(0));
        lblTax->setText(FormatYen(0));
        lblTotal->setText(FormatYen(0));
    } else {
        const OrderTotals totals = ComputeTotals(lines, m_data.settings.Shop.TaxRate);
        lblNum->setText(QString::number(qint16(totals.QtyCount)));
        lblpreTotal->setText(FormatYen(totals.Subtotal));
        lblTax->setText(FormatYen(totals.Tax));
        lblTotal->setText(FormatYen(totals.Total));
    }
    Wari_view();
    if (m_poiOn && !m_reentry) {
        // The discount always fits the current lines: off, then on again.
        m_reentry = true;
        cmdPoi_Click();
        cmdPoi_Click();
        m_reentry = false;
    }
}

void frmOrder::Wari_view()
{
    const PointRules rules = PointRules::FromShop(m_data.settings.Shop);
    cmdPoi->setEnabled(
        PointDiscountAvailable(lsvMenu->topLevelItemCount(), rules, m_data.records.CurrentCustomer.Points));
}

void frmOrder::cmdPoi_Click()
{
    if (m_poiOn) {
        lblPoi[0]->clear();
        lblPoi[1]->clear();
        cmdPoi->setText(kPoiCaption);
        m_poiOn = false;
        return;
    }
    const PointRules rules = PointRules::FromShop(m_data.settings.Shop);
    const std::vector<OrderLine> lines = OrderLineList::Lines(lsvMenu);
    const qint32 points = m_data.records.CurrentCustomer.Points;
    const qint64 yen = PointDiscountYen(lines, points, rules);
    const qint64 used = PointsToRedeem(lines, points, rules);
    lblPoi[0]->setText(QString::number(-yen) + QStringLiteral("円"));
    lblPoi[1]->setText(QString::number(-used) + QStringLiteral("P"));
    if (yen != 0) {
        cmdPoi->setText(kPoiCancelCaption);
        m_poiOn = true;
        return;
    }
    ShowNoPointsWarning(points);
    lblPoi[0]->clear();
    lblPoi[1]->clear();
    cmdPoi->setText(kPoiCaption);
    m_poiOn = false;
}

QString frmOrder::TotalText() const
{
    return lblTotal->text();
}

void frmOrder::cmdHai_Click()
{
    if (!IsNumericInput(txtHai->text())) {
        ShowNotNumericWarning();
        txtHai->clear();
    }
    if (txtHai->text().trimmed().isEmpty()) {
        ShowWarning(QStringLiteral("配達料が未入力"), QStringLiteral("配達料を入力して下さい。"));
        txtHai->setFocus();
        return;
    }
    if (lsvMenu->topLevelItemCount() >= kMaxLinesPerOrder) {
        ShowLineLimitWarning();
        return;
    }
    OrderLine fee;
    fee.MenuName = QStringLiteral("配達料");
    fee.Option = kNoOption;
    fee.UnitPrice = YenOf(txtHai->text());
    fee.Qty = 1;
    OrderLineList::Append(lsvMenu, fee);
    LinesChanged();
    SavePref(QStringLiteral("SET"), QStringLiteral("HAITATSU"), QString::number(fee.UnitPrice));
}

void frmOrder::cboFun_Click()
{
    const int minutes = cboFun->currentData().toInt();
    if (minutes > 0)
        dtpTime->setDateTime(Clock::Now().addSecs(qint64(minutes) * 60));
}

void frmOrder::fillStaff()
{
    const QSignalBlocker block(cboStaff);
    cboStaff->clear();
    const QStringList &staff = m_data.settings.StaffList;
    for (int i = 1; i < staff.size() && !staff[i].isEmpty(); ++i)
        cboStaff->addItem(staff[i]);
    cboStaff->setCurrentIndex(cboStaff->findText(GetPref(QStringLiteral("STAFF"), QStringLiteral("NAME"))));
}

void frmOrder::fillDeliverTo()
{
    const QString keep = m_siteiText;
    const QSignalBlocker block(cboSitei);
    cboSitei->clear();
    cboSitei->addItem(kNoOption);
    const QStringList &places = m_data.settings.DeliverToList;
    for (int i = 1; i < places.size() && !places[i].isEmpty(); ++i)
        cboSitei->addItem(places[i]);
    const int found = cboSitei->findText(keep);
    cboSitei->setCurrentIndex(found);
    cboSitei->setEditText(keep);
    m_siteiText = keep;
}

void frmOrder::updateConfirmCaption()
{
    const QString order = GetPref(QStringLiteral("SET"), QStringLiteral("ORDER"));
    tlbGoConfirm->setText(order.isEmpty() || order == QLatin1String("0") ? kConfirmCaption : kConfirmPrintCaption);
}

bool frmOrder::ConfirmOrder()
{
    if (lsvMenu->topLevelItemCount() == 0)
        return false;
    const bool serviceOn = chkCoo->isChecked();
    const QString serviceText = cboCoo->currentText().trimmed();
    // The toolbar button does not take the focus, so the field check may not have run.
    if (serviceOn && !serviceText.isEmpty()) {
        const ServiceDiscountCheck field = CheckServiceDiscount(serviceText);
        if (field != ServiceDiscountCheck::Ok) {
            ShowServiceDiscountWarning(field);
            keepFocusIn(cboCoo);
            return false;
        }
    }
    const PointRules rules = PointRules::FromShop(m_data.settings.Shop);
    const std::vector<OrderLine> lines = OrderLineList::Lines(lsvMenu);
    const qint64 pointYen = m_poiOn ? PointDiscountYen(lines, m_data.records.CurrentCustomer.Points, rules) : 0;
    const qint64 subtotal = ComputeTotals(lines, m_data.settings.Shop.TaxRate).Subtotal;
    const DiscountConfirmCheck check = CheckDiscountsAtConfirm(serviceOn, serviceText, m_poiOn, pointYen, subtotal);
    if (check != DiscountConfirmCheck::Ok) {
        ShowDiscountConfirmWarning(check);
        if (check == DiscountConfirmCheck::ServiceMissing)
            keepFocusIn(cboCoo);
        return false;
    }

    OrderCommitInput input;
    input.Lines = lines;
    input.Staff = cboStaff->currentIndex() >= 0 ? cboStaff->currentText() : QString();
    input.DeliverTo = cboSitei->currentText();
    if (chkTime->isChecked())
        input.DesignatedTime = dtpTime->dateTime();
    input.ServiceDiscount = serviceOn ? qint16(YenOf(serviceText)) : qint16(0);
    input.PointDiscountYen = pointYen;
    input.ProgressMode = GetPref(QStringLiteral("SET"), QStringLiteral("SHINKO"));
    const std::optional<QString> key = CommitOrder(m_data, input);
    if (!key)
        return false;
    // The new order and its customer are in the shared buffers: the note prints from them.
    const QString order = GetPref(QStringLiteral("SET"), QStringLiteral("ORDER"));
    if (!order.isEmpty() && order != QLatin1String("0")) {
        const QString nohin = GetPref(QStringLiteral("SET"), QStringLiteral("NOHIN"));
        PrintDeliveryNote(m_data, nohin.isEmpty() || nohin == QLatin1String("0") ? QStringLiteral("Nohin")
                                                                                   : QStringLiteral("Nohin2"),
                          this);
    }
    showOnBoard(*key);
    if (m_subWindow)
        m_subWindow->close();
    else
        close();
    return true;
}

void frmOrder::showOnBoard(const QString &orderKey)
{
    if (!m_frame)
        return;
    // Shows the board (opening it when closed) with the new order selected.
    m_frame->RunCommand(Command::Jokyo);
    for (QMdiSubWindow *sub : m_frame->mdiArea()->subWindowList()) {
        if (auto *board = qobject_cast<frmJokyo *>(sub->widget())) {
            board->SetSelectedOrderKey(orderKey);
            board->Re_view();
            m_frame->mdiArea()->setActiveSubWindow(sub);
            return;
        }
    }
}
