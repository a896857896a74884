#include "orders/ui/callercardpanel.h"

#include "platform/ui/widgetnaming.h"
#include "store/helpers.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CallerCardPanel::CallerCardPanel(QWidget *parent) : QGroupBox(QStringLiteral("前回までのご注文"), parent)
{
    setObjectName(QStringLiteral("fraCard"));
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(6, 2, 6, 4);
    box->setSpacing(3);

    lsvCard = named(new QTreeWidget(this), "lsvCard", QStringLiteral("前回までのご注文"));
    lsvCard->setColumnCount(3);
    lsvCard->setHeaderLabels({QStringLiteral("日付"), QStringLiteral("品目"), QStringLiteral("請求額")});
    // Date, items and amount read for themselves; the header's row is better spent on the screen.
    lsvCard->setHeaderHidden(true);
    lsvCard->setRootIsDecorated(false);
    lsvCard->setSelectionMode(QAbstractItemView::NoSelection);
    lsvCard->setFocusPolicy(Qt::NoFocus);
    lsvCard->header()->setStretchLastSection(false);
    lsvCard->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lsvCard->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    lsvCard->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // Three one-line rows, no more, so the order window still fits a small screen; a row's
    // whole list of items shows as its tooltip.
    const int row = fontMetrics().height() + 4;
    lsvCard->setFixedHeight(row * kCallerCardOrders + 6);
    lsvCard->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    cmdRepeat = named(new QPushButton(QStringLiteral("前回と同じ"), this), "cmdRepeat");
    cmdRepeat->setToolTip(QStringLiteral("前回のご注文の品目を注文リストに入れます"));
    // The order window places the key where it has room (beside the customer buttons).
    box->addWidget(lsvCard);
    connect(cmdRepeat, &QPushButton::clicked, this, &CallerCardPanel::repeatRequested);
    Clear();
}

void CallerCardPanel::ShowOrders(const std::vector<CardOrder> &orders)
{
    m_orders = orders;
    lsvCard->clear();
    for (const CardOrder &o : m_orders) {
        auto *item = new QTreeWidgetItem(lsvCard, {o.Date, o.Items, FormatYen(o.Billed)});
        item->setToolTip(1, o.Items);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    cmdRepeat->setEnabled(!m_orders.empty());
}
