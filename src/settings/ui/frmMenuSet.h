#pragma once
// The menu catalogue window: the groups with their items, and the sub-items, as two trees.
// Only the trees are edited; OK rebuilds the tables from them and rewrites both files.
#include "settings/menucatalogue.h"
#include "store/settingtables.h"

#include <QDialog>

class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

class frmMenuSet : public QDialog
{
    Q_OBJECT
  public:
    explicit frmMenuSet(SettingTables &tables, QWidget *parent = nullptr);

    // Both trees rebuilt from the tables, the roots selected.
    void Re_view();

    // The catalogue and the sub-items as the trees show them, in order.
    MenuCatalogue::Groups GroupsShown() const;
    QStringList SubItemsShown() const;
    bool IsChanged() const { return m_changed; }

    QGroupBox *fraMenu = nullptr;
    QTreeWidget *tvwMenu = nullptr;
    QToolBar *tlbMain = nullptr;
    QAction *btnGAdd = nullptr;
    QAction *btnMAdd = nullptr;
    QAction *btnChange = nullptr;
    QAction *btnDel = nullptr;
    QToolBar *tlbSort = nullptr;
    QAction *btnUp = nullptr;
    QAction *btnDown = nullptr;
    QToolBar *tlbSort50 = nullptr;
    QAction *btn50 = nullptr;
    QMenu *mnuMenu = nullptr;
    QAction *mnuGAdd = nullptr;
    QAction *mnuMAdd = nullptr;
    QAction *mnuChange = nullptr;
    QAction *mnuDel = nullptr;
    QAction *mnuAllView = nullptr;
    QAction *mnuGroupView = nullptr;
    QAction *mnuImport = nullptr;

    // The sub-item toolbars' actions carry the same object names as the menu tree's ("btnChange"
    // under tlbSub); their members say which tree they serve.
    QGroupBox *fraSub = nullptr;
    QTreeWidget *tvwSub = nullptr;
    QToolBar *tlbSub = nullptr;
    QAction *btnAdd = nullptr;
    QAction *btnSubChange = nullptr;
    QAction *btnSubDel = nullptr;
    QToolBar *tlbSortSub = nullptr;
    QAction *btnSubUp = nullptr;
    QAction *btnSubDown = nullptr;
    QToolBar *tlbSortSub50 = nullptr;
    QAction *btnSub50 = nullptr;
    QMenu *mnuSub = nullptr;
    QAction *mnuSubAdd = nullptr;
    QAction *mnuSubChange = nullptr;
    QAction *mnuSubDel = nullptr;

    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdBoard = nullptr;

    void btnGAdd_Click();
    void btnMAdd_Click();
    void btnChange_Click();
    void btnDel_Click();
    void btnUp_Click();
    void btnDown_Click();
    void btn50_Click();
    void mnuAllView_Click();
    void mnuGroupView_Click();
    void btnAdd_Click();
    void btnSubChange_Click();
    void btnSubDel_Click();
    void btnSubUp_Click();
    void btnSubDown_Click();
    void btnSub50_Click();
    bool cmdSave_Click();

  public slots:
    void reject() override;

  private:
    void buildMenuFrame();
    void buildSubFrame();
    void updateMenuButtons();
    void updateSubButtons();
    // 1 root, 2 group, 3 item (0: nothing selected).
    int menuKind() const;
    QTreeWidgetItem *menuRoot() const;
    QTreeWidgetItem *subRoot() const;
    QTreeWidgetItem *selectedGroup() const;
    QTreeWidgetItem *addGroupNode(const QString &name);
    QTreeWidgetItem *addItemNode(QTreeWidgetItem *group, const MenuCatalogue::Item &item);
    void setItemValues(QTreeWidgetItem *node, const MenuCatalogue::Item &item);
    MenuCatalogue::Group groupOf(const QTreeWidgetItem *groupNode) const;
    QStringList groupNames() const;
    // Shows the refusal and returns true when a new group (`targetGroup` null) or a new item of
    // `targetGroup` would take the menu table past its row limit.
    bool refuseWhenMenuFull(const QTreeWidgetItem *targetGroup);
    void move(QTreeWidget *tree, int offset);
    void sortSiblings(QTreeWidget *tree);
    void setChanged();

    SettingTables &m_tables;
    bool m_changed = false;
};
