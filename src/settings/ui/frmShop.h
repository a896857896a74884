#pragma once
// The shop settings window: the shop's own data (name, address, telephone, tax, the notice
// line and the delivery-note notice) and the rules of the point service.
#include "store/settingtables.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class LeaveFieldCheck;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class frmShop : public QDialog
{
    Q_OBJECT
  public:
    explicit frmShop(SettingTables &tables, QWidget *parent = nullptr);

    // On the very first start the settings are not loaded yet; the window then offers the
    // usual notice and a tax of 0 so the staff only confirm them.
    void PrefillFirstStart();

    // What OK and apply do. `Refused` means a check refused the input (its message has been
    // shown); `WriteFailed` means the file could not be written (the table holds the values).
    enum class SaveResult { Saved, Refused, WriteFailed };
    SaveResult SaveSettings();

    QTabWidget *tabs = nullptr;
    QLineEdit *txtShopName = nullptr;
    QLineEdit *txtZip = nullptr;
    QLineEdit *txtAddress = nullptr;
    std::array<QLineEdit *, 3> txtTel{};
    QLineEdit *txtTax = nullptr;
    QLineEdit *txtRenraku = nullptr;
    QLineEdit *txtInfo = nullptr;
    std::array<QRadioButton *, 2> optPoint{};
    std::array<QComboBox *, 5> cboPoint{};
    QGroupBox *fraPoint = nullptr;
    QGroupBox *fraService = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdApply = nullptr;
    QPushButton *cmdCancel = nullptr;

  public slots:
    void reject() override;

  private:
    QWidget *buildShopPage();
    QWidget *buildPointPage();
    void fillFromSettings();
    void connectChanges();
    ShopSettings formValues() const;
    void watchFields();
    void cmdOK_Click();
    void cmdApply_Click();

    SettingTables &m_tables;
    LeaveFieldCheck *m_fieldCheck = nullptr;
};
