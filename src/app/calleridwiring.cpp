#include "app/calleridwiring.h"

#include "callerid/callerid.h"
#include "callerid/ui/frmTelIn.h"
#include "orders/ui/frmOrder.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace
{

// The window is disabled while the adapter answers; it may still be closed by the frame
// meanwhile, so it is held by a guarded pointer.
bool fetchFor(QPointer<frmOrder> order, CallerId &callerId)
{
    callerId.Fetch([order](bool waiting) {
        if (order)
            order->setEnabled(!waiting);
    });
    callerId.Record();
    return !order.isNull();
}

void openHistory(frmOrder *order, CallerId &callerId)
{
    auto *popup = new frmTelIn(callerId.History().Entries(), order);
    QPointer<frmOrder> guard(order);
    order->SetHistoryOpen(true);
    QObject::connect(popup, &frmTelIn::numberChosen, order, [guard](const QString &number) {
        if (guard)
            guard->TakeCallerNumber(number);
    });
    QObject::connect(popup, &QDialog::finished, order, [guard] {
        if (guard)
            guard->SetHistoryOpen(false);
    });
    // Just under the phone field, so the list opens where the eye already is.
    popup->move(order->txtTel->mapToGlobal(QPoint(0, order->txtTel->height() + 2)));
    popup->show();
    popup->activateWindow();
}

} // namespace

void RunAutomaticEntry(frmOrder *order, CallerId &callerId, const CallerPanelHooks &panels)
{
    if (!fetchFor(order, callerId))
        return;
    const QString latest = callerId.Latest();
    const QString old = order->txtTel->text();
    if (latest != old && panels.replaced)
        panels.replaced(CallerId::ReplacedPanelText(old));
    order->TakeCallerNumber(latest);
}

void ConnectCallerId(frmOrder *order, CallerId &callerId, const CallerPanelHooks &panels)
{
    callerId.Record();
    QObject::connect(order, &frmOrder::ctiRequested, order,
                     [order, &callerId, panels] { RunAutomaticEntry(order, callerId, panels); });
    QObject::connect(order, &frmOrder::ctiSaveRequested, order, [order, &callerId] { fetchFor(order, callerId); });
    QObject::connect(order, &frmOrder::historyRequested, order, [order, &callerId] { openHistory(order, callerId); });
}
