#pragma once
// The phone-book import window: telephone-directory entries from a CSV file join the phone
// book, so that registering a caller can fill in name and address; it also deletes the whole
// phone book.
#include <QDialog>

struct AppData;
class ImportSteps;
class QLabel;
class QPushButton;
class QTreeWidget;

class frmTelDataIn : public QDialog
{
    Q_OBJECT
  public:
    explicit frmTelDataIn(AppData &data, QWidget *parent = nullptr);

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
    QPushButton *cmdDel = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void cmdInport_Click();
    void cmdDel_Click();
    void setControlsEnabled(bool enabled);

    AppData &m_data;
    ImportSteps *m_steps = nullptr;
};
