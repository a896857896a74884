#pragma once
// The call-history list ("着信履歴"): opened beside the order window's phone field by "▼"; a
// chosen number goes back to the order window. It closes as soon as it loses the focus.
#include "callerid/callhistory.h"
#include "store/sortkind.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

class frmTelIn : public QDialog
{
    Q_OBJECT
  public:
    explicit frmTelIn(const std::vector<CallEntry> &entries, QWidget *parent = nullptr);

    // "入力" and a double-click: the selected number is chosen and the list closes.
    void cmdGo_Click();

    QTreeWidget *lsvTel;
    QPushButton *cmdGo;
    QPushButton *cmdCancel;

  signals:
    void numberChosen(const QString &number);

  protected:
    bool event(QEvent *event) override;

  private:
    void sortByHeader(int column);

    int m_sortColumn = -1;
    SortOrder m_sortOrder = SortOrder::Ascending;
};
