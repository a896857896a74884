#pragma once
// The menu import window: a CSV file made by another application is read, its columns are
// assigned to the menu fields, and the rows are added to the menu table in memory (the
// catalogue window saves them). IsChanged tells the opener whether the table changed.
#include "settings/menuimport.h"
#include "store/settingtables.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class frmMenuImport : public QDialog
{
    Q_OBJECT
  public:
    explicit frmMenuImport(SettingTables &tables, QWidget *parent = nullptr);

    bool IsChanged() const { return m_changed; }

    QLabel *lblPath = nullptr;
    QPushButton *cmdSan = nullptr;
    QPushButton *cmdNext = nullptr;
    QTreeWidget *lsvData = nullptr;
    QTreeWidget *lsvList = nullptr;
    QPushButton *cmdSet = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdAllClear = nullptr;
    QPushButton *cmdInport = nullptr;
    QProgressBar *pgbInport = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void cmdSan_Click();
    void cmdNext_Click();
    void cmdSet_Click();
    void cmdClear_Click();
    void cmdAllClear_Click();
    void cmdInport_Click();
    void resetTargets();
    void updateImportButton();
    MenuImport::Mapping mapping() const;

    SettingTables &m_tables;
    CsvTable m_rows;
    bool m_changed = false;
};
