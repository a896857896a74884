#pragma once
// The order change window: the items and pricing fields of the order selected on the order
// board, changed in place. A modal dialog with the menu section and pricing area of the order
// window inside one frame, and "OK" / "ｷｬﾝｾﾙ" instead of the confirm button.
#include "orders/ui/ordermenuarea.h"
#include "store/storedorder.h"

#include <QDialog>

class QPushButton;
struct AppData;

class frmOrderChange : public QDialog, public OrderMenuArea
{
    Q_OBJECT
  public:
    // Changes `order` (as read from the files by the board) in place.
    frmOrderChange(AppData &data, const StoredOrder &order, QWidget *parent = nullptr);

    // The order as it now stands on file (the one opened until OK stores a change).
    const SalesRecord &Sale() const { return m_order.Sale; }

    // ---- public operations
    void RegiKeisan();
    void cmdPoi_Click();
    // OK: stores the order and closes; a refused input keeps the window open.
    void cmdGo_Click();

    // ---- OrderWindowHost
    void LinesChanged() override;

    // Something "OK" would store was changed since opening.
    bool IsChanged() const { return m_changed; }
    // The customer's balance the window works with (the points of this order taken back).
    qint32 WorkingPoints() const;

    QGroupBox *fraChange = nullptr;
    QPushButton *cmdGo = nullptr;
    QPushButton *cmdCancel = nullptr;

  signals:
    // "ﾒﾆｭｰ設定(&M)": the menu catalogue is to be opened (modal, over this window).
    void menuSettingsRequested();

  protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

  private:
    void buildLayout();
    void connectSignals();
    void openWindow();
    void loadSale();
    // The candidate panel and the point button brought up to date (on every activation).
    void activate();
    void cbo5g_Click();
    QWidget *areaWindow() override { return this; }
    void LinesRemoved() override;
    void LineDialogClosed(bool changeMode) override;
    void keepFocusIn(QWidget *field) override;
    void updateLineButtons();
    void setChanged() { m_changed = true; }
    // The checks, then the order written; false when an input was refused.
    bool storeOrder();
    // The point discount to store: computed on the lines at this moment.
    qint32 pointDiscountToStore() const;

    StoredOrder m_order;      // the customer's points without this order's
    SalesRecord m_openedSale; // as it was when the window opened, later as last stored
    bool m_changed = false;
    bool m_closed = false;
    bool m_pointsStored = false; // the customer was written with the stored order
    LeaveFieldCheck *m_fieldCheck = nullptr;
};
