#pragma once
// The order-line dialog: adds one line to the open order or changes its selected line, and
// writes the result straight into the order window's line list.
#include "orders/orderlines.h"
#include "orders/ui/orderwindowhost.h"
#include "store/settingtables.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class frmMenuIn : public QDialog
{
    Q_OBJECT
  public:
    enum class Mode { Add, Change };

    frmMenuIn(SettingTables &tables, OrderWindowHost &host, Mode mode, QWidget *parent = nullptr);

    QLineEdit *txtName = nullptr;
    QComboBox *cboNum = nullptr;
    QComboBox *cboSub = nullptr;
    QLineEdit *txtMoney = nullptr;
    QCheckBox *chkReset = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

    // OK: checks the fields, writes the line and closes; a refused field keeps the dialog open.
    void cmdOk_Click();

    // The reset-candidates choice, kept for as long as the program runs.
    static bool ResetCandidatesChoice();
    static void SetResetCandidatesChoice(bool on);

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    void fillFields();
    // Shows the refusal, puts the focus back into `field` with its text selected.
    void refuse(QWidget *field, const QString &text);
    void rememberOption(const QString &option);

    SettingTables &m_tables;
    OrderWindowHost &m_host;
    Mode m_mode;
};
