#pragma once
// The sales search: delivered orders of a period, one order's lines and progress, the customer
// detail, deleting an order from the history, and the two totals windows.
#include "platform/ui/refreshable.h"
#include "sales/salessearch.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimeEdit;
class QTreeView;
class QTreeWidget;
class SalesRowModel;
struct AppData;

class frmSalesView : public QWidget, public Refreshable
{
    Q_OBJECT
  public:
    explicit frmSalesView(AppData &data, QWidget *parent = nullptr);
    ~frmSalesView() override;

    void Re_view() override {}

    void cmdGo_Click();
    void cmdCust_Click();
    void cmdDel_Click();
    void cmdSales_Click();
    void cmdStaff_Click();
    void cmdAll_Click();
    // The order list row chosen (0-based in the list's current order).
    void SelectRow(int row);

    // The last search's criteria, as the totals windows read them.
    SearchCriteria Criteria() const;
    // The listed orders' SalesIndex positions in list order.
    std::vector<int> ListedPositions() const;
    const SalesRowModel *Model() const { return m_model; }

    QTabWidget *sstSeach;
    QComboBox *cboYear;
    std::array<QCheckBox *, 12> chkMonth;
    QPushButton *cmdAll;
    std::array<QDateEdit *, 3> dtpDate;
    std::array<QRadioButton *, 4> optTime;
    std::array<QTimeEdit *, 4> dtpTimeS; // slots 1..3; element 0 unused
    std::array<QTimeEdit *, 4> dtpTimeE;
    QLineEdit *txtID;
    QTreeView *lsvSales;
    QTreeWidget *lsvOrder;
    QTreeWidget *lsvStaff;
    QLabel *lblTotal;
    QLabel *lblStart, *lblEnd, *lblStartT, *lblEndT;
    QPushButton *cmdGo, *cmdCust, *cmdDel, *cmdSales, *cmdStaff;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    QWidget *buildMonthTab();
    QWidget *buildPeriodTab();
    QWidget *buildDayTab();
    QWidget *buildTimeBox();
    void loadSlotTimes();
    void saveSlotTimes();
    void timeChoiceChanged();
    void keepSlotOrder(int slot, bool startMoved);
    void setResultButtons(bool enabled);
    void clearDetail();
    void sortOrderLines(int column);
    int selectedRow() const;

    AppData &m_data;
    SalesRowModel *m_model;
    int m_tag = 0;
    bool m_dragging = false;
    int m_dragMonth = 0;
    int m_orderSortColumn = -1;
    int m_orderSortOrder = 0;
};
