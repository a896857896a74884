#pragma once
// The change calculator: the order total, the amount tendered keyed in with on-screen or
// keyboard digits, and the change. Nothing is stored anywhere.
#include "orders/changecalculator.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

class frmRegi : public QDialog
{
    Q_OBJECT
  public:
    // `totalText` is the order window's total label ("¥1,280"); its first character, the yen
    // sign, is dropped.
    explicit frmRegi(const QString &totalText, QWidget *parent = nullptr);

    QLabel *lblDai = nullptr;
    QLabel *lblIn = nullptr;
    QLabel *lblBack = nullptr;
    // 0..9 the digits, 10 the "00" button.
    std::array<QPushButton *, 11> cmdNum{};
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdGo = nullptr;
    QPushButton *cmdCancel = nullptr;

    void cmdNum_Click(int index);
    void cmdBack_Click();
    void cmdClear_Click();
    void cmdGo_Click();

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    // The calculator's keys; true when the key was one of them.
    bool handleKey(QKeyEvent *event);
    void showAmounts();

    ChangeCalculator m_calc;
};
