#pragma once
// One customer's record to view and change, and the orders the customer has completed.
#include "customers/ui/customereditors.h"
#include "store/records.h"
#include "store/sortkind.h"

#include <QDialog>

class LeaveFieldCheck;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
struct AppData;

class frmCust : public QDialog
{
    Q_OBJECT
  public:
    // `customerPos` is the customer's CustomerIndex position.
    frmCust(AppData &data, int customerPos, QWidget *parent = nullptr);

    // The record as shown (lapsed points expired) or as last saved.
    CustomerRecord Customer() const { return m_record; }
    bool IsChanged() const;

    // "OK" (closeAfter) and "適用(&A)": true when the record was written.
    bool Save(bool closeAfter);

    QTabWidget *tabMain = nullptr;
    QWidget *tabCustomer = nullptr;
    QWidget *tabHistory = nullptr;
    QLabel *lblID = nullptr;
    QLineEdit *txtTel = nullptr;
    QLineEdit *txtNameKana = nullptr;
    QLineEdit *txtZip = nullptr;
    QPushButton *cmdZip = nullptr;
    QLineEdit *txtShiku = nullptr;
    QLineEdit *txtBanchi = nullptr;
    QLineEdit *txtBuilding = nullptr;
    QPushButton *cmdBuilding = nullptr;
    QComboBox *cboDouki = nullptr;
    QRadioButton *optDM[2] = {nullptr, nullptr};
    QLineEdit *txtEtc = nullptr;
    QLineEdit *txtPoint = nullptr;
    QLabel *lblFirstDay = nullptr;
    QLabel *lblLastDay = nullptr;
    QLabel *lblCount = nullptr;
    QLabel *lblKinyu = nullptr;
    QTreeWidget *lsvSales = nullptr;
    QTreeWidget *lsvGoods = nullptr;
    QPushButton *cmdOk[2] = {nullptr, nullptr}; // "OK", "適用(&A)"
    QPushButton *cmdCancel = nullptr;

  signals:
    // Saved with "しない" chosen: the direct-mail list drops this customer.
    void directMailDeclined(const QString &customerId);

  public slots:
    void reject() override;

  private:
    QWidget *buildCustomerTab();
    QWidget *buildHistoryTab();
    void openWindow(int pos);
    void fillSales();
    void showGoods(QTreeWidgetItem *order);
    void sortBy(QTreeWidget *list, int column, int &sortColumn, SortOrder &order);

    AppData &m_data;
    CustomerEditors m_editors;
    LeaveFieldCheck *m_fieldCheck = nullptr;
    CustomerRecord m_record;
    int m_pos = -1;
    bool m_loaded = false;
    QString m_loadedTel;
    int m_salesSortColumn = 0;
    SortOrder m_salesOrder = SortOrder::Ascending;
    int m_goodsSortColumn = -1;
    SortOrder m_goodsOrder = SortOrder::Ascending;
};
