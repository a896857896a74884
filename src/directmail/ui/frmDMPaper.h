#pragma once
// The label-paper window: margins, label size and rows of the address-label sheet.
#include <QDialog>

class LeaveFieldCheck;
class QGroupBox;
class QLineEdit;
class QPushButton;

class frmDMPaper : public QDialog
{
    Q_OBJECT
  public:
    explicit frmDMPaper(QWidget *parent = nullptr);

    // OK and apply: checks the sheet against A4 and stores it; false when refused.
    bool cmdApply_Click();
    void cmdOK_Click();
    void cmdAone_Click();

    QGroupBox *fraPaper = nullptr;
    QLineEdit *txtA[5] = {}; // UP, LEFT, WIDTH, HEIGHT, TATE
    QPushButton *cmdAone = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdApply = nullptr;
    QPushButton *cmdCancel = nullptr;

  public slots:
    void reject() override;

  private:
    LeaveFieldCheck *m_check = nullptr;
};
