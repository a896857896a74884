#pragma once
// The delivery progress dialog: records the departure, the delivery and the container
// collection of one order (or completes it at once), steps back a mistaken step, and on OK
// stores the order and the customer's completed-order count.
//
// Works on its own copy of the order it is given; the customer is read at the moment of saving.
#include "store/progressmode.h"
#include "store/records.h"

#include <QDialog>

#include <array>

struct AppData;
class ProgressIndicator;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

class frmShinko : public QDialog
{
    Q_OBJECT
  public:
    // `sale` is the order as stored at SalesIndex position `salePos`.
    frmShinko(AppData &data, const SalesRecord &sale, int salePos, const QString &customerName,
              const QString &orderTaker, QWidget *parent = nullptr);

    // The dialog's copy of the order and the step it shows.
    const SalesRecord &EditedSale() const { return m_edited; }
    int EditedStatus() const { return m_edited.Status; }
    bool IsChanged() const { return m_changed; }

    // Enables the controls of the current step and sets the indicator.
    void ShowStep();
    // Step button n (1..3) or kStepAll.
    void cmdStep_Click(int step);
    void cmdBack_Click();
    // Stores the order and the customer, then closes.
    void cmdOK_Click();

    // Frames from top to bottom: order received, departure, delivery done, containers collected.
    std::array<QGroupBox *, 4> fraStep{};
    QLabel *lblTaker = nullptr;
    QPushButton *cmdStep1 = nullptr;
    QComboBox *cboStaff1 = nullptr;
    QPushButton *cmdStep2 = nullptr;
    QLabel *lblStaff2 = nullptr;
    QPushButton *cmdStep3 = nullptr;
    QComboBox *cboStaff3 = nullptr;
    QPushButton *cmdAll = nullptr;
    QPushButton *cmdBack = nullptr;
    ProgressIndicator *picProgress = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

  public slots:
    // "ｷｬﾝｾﾙ", Escape and closing the window: asks to save when something changed.
    void reject() override;

  private:
    void buildLayout();
    void fillStaffBoxes();
    void preselectStaff();

    AppData &m_data;
    QString m_orderTaker;
    ProgressMode m_mode;
    SalesRecord m_edited;
    int m_salePos = -1;
    bool m_changed = false;
};
