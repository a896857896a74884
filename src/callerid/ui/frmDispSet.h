#pragma once
// The caller-ID settings window: whether caller ID is used, the terminal adapter's port (with a
// test query) or the shared folder holding "cti.dat". Nothing is written until OK or 適用.
#include "callerid/ctiport.h"
#include "store/settingtables.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmDispSet : public QDialog
{
    Q_OBJECT
  public:
    explicit frmDispSet(SettingTables &tables, QWidget *parent = nullptr);

    void cmdTest_Click();
    void cmdBrowse_Click();
    // OK and 適用: the settings go to "Cti.snw" and the port devices to the preferences.
    bool cmdApply_Click();

    QRadioButton *optCti0;
    QRadioButton *optCti1;
    QRadioButton *optCti2;
    QGroupBox *fraPort;
    QComboBox *cboPort;
    QComboBox *cboDevice;
    QPushButton *cmdTest;
    QLineEdit *txtResult;
    QGroupBox *fraFolder;
    QLineEdit *txtFolder;
    QPushButton *cmdBrowse;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    QPushButton *cmdApply;
    QPushButton *cmdHelp;

  public slots:
    void reject() override;

  private:
    void buildLayout();
    void fillDevices();
    void showDeviceOfPort();
    QString chosenMode() const;
    void followChoice();
    void setChanged();

    SettingTables &m_tables;
    // The device of each port as edited here; index 0 is COM1.
    std::array<QString, kCtiPortCount> m_devices;
    bool m_loading = true;
};
