#pragma once
// The staff settings window: the names offered wherever a staff member is chosen, in the order
// they are offered. Nothing is written until OK.
#include "store/settingtables.h"

#include <QDialog>

class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

class frmStaffSet : public QDialog
{
    Q_OBJECT
  public:
    explicit frmStaffSet(SettingTables &tables, QWidget *parent = nullptr);

    // The names as the tree shows them, in order.
    QStringList StaffNamesShown() const;
    bool IsChanged() const { return m_changed; }

    QGroupBox *fraStaff = nullptr;
    QTreeWidget *tvwStaff = nullptr;
    QToolBar *tlbMain = nullptr;
    QAction *btnSAdd = nullptr;
    QAction *btnChange = nullptr;
    QAction *btnDel = nullptr;
    QToolBar *tlbSort = nullptr;
    QAction *btnUp = nullptr;
    QAction *btnDown = nullptr;
    QToolBar *tlbSort50 = nullptr;
    QAction *btn50 = nullptr;
    QMenu *mnuStaff = nullptr;
    QAction *mnuSAdd = nullptr;
    QAction *mnuChange = nullptr;
    QAction *mnuDel = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;

    void btnSAdd_Click();
    void btnChange_Click();
    void btnDel_Click();
    void btnUp_Click();
    void btnDown_Click();
    void btn50_Click();
    bool cmdSave_Click();

  public slots:
    void reject() override;

  private:
    void buildToolbars();
    void buildContextMenu();
    void fillTree();
    void updateButtons();
    QTreeWidgetItem *root() const;
    QTreeWidgetItem *selectedStaff() const;
    QTreeWidgetItem *addStaffNode(const QString &name);
    void swapWith(int offset);
    void setChanged();

    SettingTables &m_tables;
    bool m_changed = false;
};
