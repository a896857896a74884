#pragma once
// The caller card beside the order window's customer section: the known caller's last three
// completed orders and the key that takes the last one again.
#include "orders/callercard.h"

#include <QGroupBox>

class QPushButton;
class QTreeWidget;

class CallerCardPanel : public QGroupBox
{
    Q_OBJECT
  public:
    explicit CallerCardPanel(QWidget *parent = nullptr);

    // Shows the orders (newest first); an empty list shows nothing.
    void ShowOrders(const std::vector<CardOrder> &orders);
    void Clear() { ShowOrders({}); }
    // The sale "前回と同じ" takes again (the newest shown); nullptr when none.
    const SalesRecord *LastSale() const { return m_orders.empty() ? nullptr : &m_orders.front().Sale; }

    QTreeWidget *lsvCard;
    // "前回と同じ": created here, placed by the order window.
    QPushButton *cmdRepeat;

  signals:
    void repeatRequested();

  private:
    std::vector<CardOrder> m_orders;
};
