// The order window's amounts, discounts, delivery fee, requested time, staff, delivery place and
// the confirmation.
#include "orders/ui/frmOrder.h"

#include "printing/ui/deliverynoteprint.h"
#include "orders/ordercommit.h"
#include "orders/orderlines.h"
#include "orders/pricing.h"
#include "orders/ui/orderlinelist.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/preferences.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

void frmOrder::RegiKeisan()
{
    showTotals();
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
    cmdPoi->setEnabled(PointDiscountAvailable(lsvMenu->topLevelItemCount(), rules, m_customer.Record.Points));
}

void frmOrder::cmdPoi_Click()
{
    if (m_poiOn)
        pointDiscountOff();
    else
        pointDiscountOn(m_customer.Record.Points);
}

void frmOrder::updateConfirmCaption()
{
    tlbGoConfirm->setText(Prefs::PrintOnConfirm.get() ? kConfirmPrintCaption : kConfirmCaption);
}

bool frmOrder::ConfirmOrder()
{
    if (lsvMenu->topLevelItemCount() == 0)
        return false;
    // The balance the point discount draws on is the one on file now: another window may have
    // given points back or taken them since the caller was loaded.
    if (const std::optional<OrderCustomer> current = ReloadOrderCustomer(m_data, m_customer.Record))
        m_customer = *current;
    const PointRules rules = PointRules::FromShop(m_data.settings.Shop);
    const std::vector<OrderLine> lines = OrderLineList::Lines(lsvMenu);
    const qint64 pointYen = m_poiOn ? PointDiscountYen(lines, m_customer.Record.Points, rules) : 0;
    const qint64 subtotal = ComputeTotals(lines, m_data.settings.Shop.TaxRate).Subtotal;
    if (!discountsAcceptable(pointYen, subtotal))
        return false;
    const bool serviceOn = chkCoo->isChecked();
    const QString serviceText = cboCoo->currentText().trimmed();

    OrderCommitInput input;
    input.Lines = lines;
    input.Staff = cboStaff->currentIndex() >= 0 ? cboStaff->currentText() : QString();
    input.DeliverTo = cboSitei->currentText();
    if (chkTime->isChecked())
        input.DesignatedTime = dtpTime->dateTime();
    input.ServiceDiscount = serviceOn ? qint16(YenOf(serviceText)) : qint16(0);
    input.PointDiscountYen = pointYen;
    input.ProgressMode = Prefs::ProgressMode.get();
    const std::optional<StoredOrder> stored = CommitOrder(m_data, input, m_customer.Record);
    if (!stored)
        return false;
    m_customer = OrderCustomer{stored->Customer, stored->CustomerPos};
    if (Prefs::PrintOnConfirm.get())
        PrintDeliveryNote(DeliveryNoteInput{stored->Sale, stored->Customer, m_data.settings.Shop}, DeliveryNoteKind(),
                          this);
    emit orderStored(stored->Sale.OrderKey());
    // Inside the frame the window sits in a sub-window, which is what closes.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
    return true;
}
