#pragma once
// Customer search by name reading (F10 in the order window): the kana keyboard narrows the
// customers whose name begins with the typed text; the chosen customer's phone number goes back
// to the order window, which runs its customer check on it.
#include <QDialog>

#include <vector>

struct KanaReading;
class KanaKeyboard;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class RecordStore;

class frmOrderSub : public QDialog
{
    Q_OBJECT
  public:
    explicit frmOrderSub(const RecordStore &records, QWidget *parent = nullptr);
    ~frmOrderSub() override;

    // The phone number chosen (valid once the dialog was accepted).
    QString chosenTel() const { return m_chosenTel; }

    KanaKeyboard *keyboard = nullptr;
    QLineEdit *txtMojiSearch = nullptr;
    QPushButton *cmdMojiClear = nullptr;
    QTreeWidget *lsvCust = nullptr;
    QPushButton *cmdGo = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void search();
    void choose(QTreeWidgetItem *item);

    const RecordStore &m_records;
    std::vector<KanaReading> m_readings;
    QString m_chosenTel;
};
