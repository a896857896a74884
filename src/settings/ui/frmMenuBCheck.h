#pragma once
// Works on an occupied board button: its caption, and deleting it, its row, or exchanging its
// row with another.
#include "settings/menuboardlayout.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmMenuBCheck : public QDialog
{
    Q_OBJECT
  public:
    frmMenuBCheck(MenuBoardLayout::Slots &working, int button, QWidget *parent = nullptr);

    QLabel *lblName = nullptr;
    QLabel *lblMoney = nullptr;
    QLineEdit *txtView = nullptr;
    // Delete the button, delete its row, exchange its row.
    std::array<QRadioButton *, 3> optDel{};
    QComboBox *cboRetsu = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void cmdOK_Click();

    MenuBoardLayout::Slots &m_working;
    int m_button;
};
