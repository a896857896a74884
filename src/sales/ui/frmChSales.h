#pragma once
// The sales chart window "売上分析": the takings of a period by month, day, weekday, hour, item
// or area, drawn from the window's own copy of the sales file taken when it opens.
#include "sales/saleschart.h"
#include "store/recordstore.h"

#include <QWidget>

class ChartCriteriaPanel;
class ChartPanel;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
struct AppData;

class frmChSales : public QWidget
{
    Q_OBJECT
  public:
    explicit frmChSales(AppData &data, QWidget *parent = nullptr);
    ~frmChSales() override;

    // Takes the copy of the sales file; `progress` (set by the frame) follows the reading.
    void LoadCopy();
    ProgressFn progress;
    const SalesCopy &Copy() const { return m_copy; }

    void cmdGo_Click();
    void cmdPrint_Click();
    void cmdClip_Click();

    ChartCriteriaPanel *picCriteria;
    QComboBox *cboSyu;
    QPushButton *cmdGo;
    QPushButton *cmdPrint;
    QPushButton *cmdClip;
    QLabel *lblKikan;
    ChartPanel *picCh;
    QTableWidget *picSide;

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    AppData &m_data;
    SalesCopy m_copy;
};
