#pragma once
// Registering a customer by hand ("新規入力"), beside the import of customer files.
#include "customers/ui/customereditors.h"

#include <QDialog>

#include <optional>

class CustomerImportTab;
class LeaveFieldCheck;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
struct AppData;

class frmCustNew : public QDialog
{
    Q_OBJECT
  public:
    explicit frmCustNew(AppData &data, QWidget *parent = nullptr);

    // The CustomerIndex position of the customer registered here, if one was.
    std::optional<int> RegisteredPos() const { return m_registeredPos; }
    bool IsChanged() const { return m_changed; }

    // "新規登録(&N)": true when the customer reached the file.
    bool cmdOk_Click();

    QTabWidget *tabMain = nullptr;
    QWidget *tabInput = nullptr;
    CustomerImportTab *tabImport = nullptr;
    QLineEdit *txtTel = nullptr;
    QLineEdit *txtNameKana = nullptr;
    QLineEdit *txtZip = nullptr;
    QPushButton *cmdZip = nullptr;
    QLineEdit *txtShiku = nullptr;
    QLineEdit *txtBanchi = nullptr;
    QLineEdit *txtBuilding = nullptr;
    QPushButton *cmdBuilding = nullptr;
    QComboBox *cboDouki = nullptr;
    QRadioButton *optDM[2] = {nullptr, nullptr};
    QLineEdit *txtEtc = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

  public slots:
    void reject() override;

  private:
    QWidget *buildInputTab();
    CustomerImportTab *buildImportTab();
    void openWindow();
    void closing();
    void clearImportProgress();

    AppData &m_data;
    CustomerEditors m_editors;
    LeaveFieldCheck *m_fieldCheck = nullptr;
    bool m_changed = false;
    std::optional<int> m_registeredPos;
};
