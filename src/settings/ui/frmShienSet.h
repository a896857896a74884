#pragma once
// The input support settings: the buildings that fill a customer's building field from the
// address, and the specified delivery destinations offered by the order windows. Both lists
// are edited as trees and written to their files on OK.
#include "settings/inputsupport.h"
#include "store/settingtables.h"

#include <QDialog>

class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

class frmShienSet : public QDialog
{
    Q_OBJECT
  public:
    explicit frmShienSet(SettingTables &tables, QWidget *parent = nullptr);

    // Both trees from the lists again: roots expanded and selected, entries in list order.
    void Re_view();
    bool IsChanged() const { return m_changed; }
    // What OK does, without closing: true when both files were written.
    bool SaveLists();

    QGroupBox *fraBuilding = nullptr;
    QTreeWidget *tvwBuilding = nullptr;
    QToolBar *tlbBuilding = nullptr;
    QAction *btnAdd = nullptr;
    QAction *btnChange = nullptr;
    QAction *btnDel = nullptr;
    QToolBar *tlbSort = nullptr;
    QAction *btnUp = nullptr;
    QAction *btnDown = nullptr;
    QToolBar *tlbSort50 = nullptr;
    QAction *btnSort50 = nullptr;
    QMenu *mnuBuilding = nullptr;
    QAction *mnuBuildingAdd = nullptr;
    QAction *mnuBuildingChange = nullptr;
    QAction *mnuBuildingDel = nullptr;

    QGroupBox *fraSitei = nullptr;
    QTreeWidget *tvwSitei = nullptr;
    QToolBar *tlbSitei = nullptr;
    QAction *btnSiteiAdd = nullptr;
    QAction *btnSiteiChange = nullptr;
    QAction *btnSiteiDel = nullptr;
    QToolBar *tlbSortSitei = nullptr;
    QAction *btnSiteiUp = nullptr;
    QAction *btnSiteiDown = nullptr;
    QToolBar *tlbSortSitei50 = nullptr;
    QAction *btnSiteiSort50 = nullptr;
    QMenu *mnuSitei = nullptr;
    QAction *mnuSiteiAdd = nullptr;
    QAction *mnuSiteiChange = nullptr;
    QAction *mnuSiteiDel = nullptr;

    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;

  public slots:
    void reject() override;

  private:
    void buildBuildingFrame();
    void buildSiteiFrame();
    QGroupBox *treeFrame(const QString &title, QTreeWidget *tree, QToolBar *tools, QToolBar *sort, QToolBar *sort50);
    void updateStates(QTreeWidget *tree);
    QTreeWidgetItem *selectedEntry(QTreeWidget *tree) const;
    void deleteEntry(QTreeWidget *tree);
    void moveEntry(QTreeWidget *tree, int step);
    void sortEntries(QTreeWidget *tree);
    void addBuilding();
    void changeBuilding();
    void addSitei();
    void changeSitei();
    std::vector<InputSupport::Building> buildings() const;
    QStringList siteiNames() const;
    void cmdSave_Click();

    SettingTables &m_tables;
    bool m_changed = false;
};
