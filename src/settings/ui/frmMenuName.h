#pragma once
// Asks for one menu item of a group: its name, price and reading. A name another item of the
// same group already has is refused and the dialog stays open; other groups do not count.
#include "settings/menucatalogue.h"

#include <QDialog>

class LeaveFieldCheck;
class ReadingCapture;
class QLineEdit;
class QPushButton;

class frmMenuName : public QDialog
{
    Q_OBJECT
  public:
    enum class Mode { Add, Change };
    // `group`: the target group as it stands; `changing`: the index of the item being changed.
    frmMenuName(Mode mode, const MenuCatalogue::Group &group, int changing = -1, QWidget *parent = nullptr);

    MenuCatalogue::Item Entered() const;

    QLineEdit *txtName = nullptr;
    QLineEdit *txtMoney = nullptr;
    QLineEdit *txtNameKana = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void cmdOK_Click();
    bool allFilled() const;

    MenuCatalogue::Group m_group;
    int m_changing;
    LeaveFieldCheck *m_fieldCheck = nullptr;
    ReadingCapture *m_capture = nullptr;
    bool m_readingTyped = false;
};
