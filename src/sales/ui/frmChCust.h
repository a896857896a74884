#pragma once
// The customer analysis window "顧客分析": how the customers divide up by area, motive and
// number of orders, drawn from the window's own copy of the customer file.
#include "sales/customerchart.h"

#include <QWidget>

#include <array>

class ChartPanel;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
struct AppData;

class frmChCust : public QWidget
{
    Q_OBJECT
  public:
    explicit frmChCust(AppData &data, QWidget *parent = nullptr);
    ~frmChCust() override;

    // Takes the copy of the customer file; `progress` (set by the frame) follows the reading.
    void LoadCopy();
    ProgressFn progress;
    const CustomerCopy &Copy() const { return m_copy; }

    void cmdGo_Click();
    void cmdPrint_Click();
    void cmdClip_Click();

    QComboBox *cboSyu;
    QPushButton *cmdGo;
    QPushButton *cmdPrint;
    QPushButton *cmdClip;
    ChartPanel *picCh;
    QFrame *picSide;
    std::array<QLabel *, 9> lblNum{};     // 0 the total, 1..8 the slices from the top
    std::array<QLabel *, 9> lblNumName{}; // the slice beside each count

  private:
    AppData &m_data;
    CustomerCopy m_copy;
    int m_nameWidth = 0;
};
