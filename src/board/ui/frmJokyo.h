#pragma once
// The order board: today's orders and every unfinished older one, the selected order's lines and
// customer, and the commands that follow an order up (progress, change, print, cancel, map).
#include "board/boardcommands.h"
#include "platform/ui/refreshable.h"
#include "store/storedorder.h"

#include <QString>
#include <QWidget>

#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
struct AppData;
struct OrderView;

class frmJokyo : public QWidget, public Refreshable
{
    Q_OBJECT
  public:
    explicit frmJokyo(AppData &data, QWidget *parent = nullptr);
    ~frmJokyo() override;

    // Rebuilds the board from the record files and shows the remembered order.
    void Re_view() override;

    // The order shown selected; order entry hands over a new order's key, then calls Re_view.
    QString SelectedOrderKey() const { return m_selectedKey; }
    void SetSelectedOrderKey(const QString &key) { m_selectedKey = key; }
    // The selected row's customer name (as listed) and order taker; "" when nothing is listed.
    QString SelectedCustomerName() const;
    QString SelectedOrderStaff() const;

    // The windows the board opens. A command is offered only while its window is set and an
    // order is listed. Each receives the selected order and its customer, read again from the
    // files just before; the board refreshes itself afterwards.
    std::function<void(const StoredOrder &order)> openProgress;
    std::function<void(const StoredOrder &order)> openOrderChange;
    std::function<void(const StoredOrder &order)> openCustomer;
    // Also receive the delivery-note form: Nohin or Nohin2.
    std::function<void(const StoredOrder &order, PrintKind kind)> preview;
    std::function<void(const StoredOrder &order, PrintKind kind)> print;

    // The commands as the menu, the buttons and the toolbar run them.
    void mnuShinko_Click();
    void mnuTorikeshi_Click();
    void mnuKokyaku_Click();
    void mnuChizu_Click();
    void mnuPreview_Click();
    void mnuPrint_Click();
    void mnuHenko_Click();

    // ---- controls
    QMenuBar *mnuJokyo;
    QMenu *mnuOrder;
    QAction *mnuShinko;
    QAction *mnuTorikeshi;
    QAction *mnuKokyaku;
    QAction *mnuChizu;
    QAction *mnuPreview;
    QAction *mnuPrint;
    QAction *mnuHenko;
    QMenu *mnuPopup;
    QMenu *mnuOrderPopup;
    QToolBar *tlbJokyo;
    QAction *tlbPreview;
    QAction *tlbPrint;
    QAction *tlbHenko;
    QTreeWidget *lsvMain;
    QTreeWidget *lsvOrder;
    QPushButton *cmdShinko;
    QGroupBox *fraCustomer;
    QLabel *lblName;
    QLabel *lblAddress;
    QLabel *lblBuilding;
    QLabel *lblTel;
    QLabel *lblZip;
    QLabel *lblStaff;
    QLabel *lblDeliverTo;
    QLabel *lblItemCount;
    QLabel *lblTotal;
    QPushButton *cmdKokyaku;
    QPushButton *cmdChizu;

  protected:
    // Windows set after construction are offered as soon as the board shows.
    void showEvent(QShowEvent *event) override;

  private:
    void buildMenus();
    QWidget *buildCustomerPanel();
    void rowChanged(QTreeWidgetItem *item);
    void mainHeaderClicked(int column);
    void orderHeaderClicked(int column);
    // Reads the order and its customer and shows them.
    void showDetail(const QString &key);
    void clearDetail();
    void updateCommands();
    // Runs a window hook on the selected order, then refreshes.
    void runOnSelected(const std::function<void(const StoredOrder &)> &hook);

    AppData &m_data;
    QString m_selectedKey;
    BoardSort m_sort;
    int m_orderSortColumn = -1;
    SortOrder m_orderSortOrder = SortOrder::Ascending;
    bool m_customerExists = false;
    bool m_mapEnabled = false;
    bool m_filling = false;
};
