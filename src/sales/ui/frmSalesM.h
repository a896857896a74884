#pragma once
// The sales totals of the listed orders: take-out and delivery, the sales of each item, the
// "SK" sheet and the item export.
#include "printing/printdocument.h"
#include "sales/salestotals.h"

#include <QDialog>

class QAction;
class QToolBar;
class QTreeWidget;
struct AppData;

class frmSalesM : public QDialog
{
    Q_OBJECT
  public:
    // `positions` are the listed orders' SalesIndex positions in list order.
    frmSalesM(AppData &data, const SearchCriteria &criteria, const std::vector<int> &positions,
              QWidget *parent = nullptr);

    // The sheet as the lists show it now.
    TotalsSheetInput SheetInput() const;
    void Preview();
    void PrintNow();
    void Export();

    QToolBar *tlbSK;
    QAction *pre, *pri, *ex, *close;
    QTreeWidget *lsvTotal;
    QTreeWidget *lsvM;

  private:
    int m_sortColumn = -1;
    bool m_descending = false;
};
