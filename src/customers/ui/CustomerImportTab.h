#pragma once
// The second tab of the new-customer window: many customers at once from a CSV file made by
// another application. The window's own close button serves this tab too and stays usable
// while an import runs; closing the window then abandons the import before anything is stored.
#include <QWidget>

struct AppData;
class ImportSteps;
class QLabel;
class QPushButton;
class QTreeWidget;

class CustomerImportTab : public QWidget
{
    Q_OBJECT
  public:
    explicit CustomerImportTab(AppData &data, QWidget *parent = nullptr);

    bool IsImporting() const { return m_importing; }

    QLabel *lblPath = nullptr;
    QPushButton *cmdSan = nullptr;
    QPushButton *cmdNext = nullptr;
    QTreeWidget *lsvData = nullptr;
    QTreeWidget *lsvList = nullptr;
    QPushButton *cmdSet = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdAllClear = nullptr;
    QPushButton *cmdInport = nullptr;
    QLabel *lblSin = nullptr;

  signals:
    // Customers were added to the customer file (lists that show customers may refresh).
    void customersImported(int count);

  private:
    void cmdInport_Click();
    void setControlsEnabled(bool enabled);

    AppData &m_data;
    ImportSteps *m_steps = nullptr;
    bool m_importing = false;
};
