#pragma once
// Puts a catalogue item on one board button: the caption shown on the button may differ from
// the item's name, which order lines keep.
#include "settings/menuboardlayout.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class frmMenuBoardK : public QDialog
{
    Q_OBJECT
  public:
    frmMenuBoardK(MenuBoardLayout::Slots &working, int button, const MenuBoardLayout::DroppedItem &item,
                  QWidget *parent = nullptr);

    QLabel *lblName = nullptr;
    QLabel *lblMoney = nullptr;
    QLineEdit *txtView = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void cmdOK_Click();

    MenuBoardLayout::Slots &m_working;
    int m_button;
};
