#pragma once
// The money each delivering staff member collected for the listed orders, and the "SS" sheet.
#include "printing/printdocument.h"
#include "sales/salestotals.h"

#include <QDialog>

class QAction;
class QLabel;
class QToolBar;
class QTreeWidget;
struct AppData;

class frmSalesStaff : public QDialog
{
    Q_OBJECT
  public:
    frmSalesStaff(AppData &data, const SearchCriteria &criteria, const std::vector<int> &positions,
                  QWidget *parent = nullptr);

    CollectionSheetInput SheetInput() const;
    void Preview();
    void PrintNow();

    QToolBar *tlbStaff;
    QAction *pre, *pri, *close;
    QTreeWidget *lsvStaff;
    QLabel *lblKen, *lblTotal, *lblTotalWari, *lblMoney;

  private:
    int m_sortColumn = -1;
    bool m_descending = false;
};
