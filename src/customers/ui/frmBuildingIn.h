#pragma once
// Registering a building that the building lookup did not know: its name and address join
// the building list and the name goes into the calling window's building field.
#include <QDialog>
#include <QPointer>
#include <QStringList>

class QLineEdit;
class QPushButton;

class frmBuildingIn : public QDialog
{
    Q_OBJECT
  public:
    // `address` pre-fills the address field; `target` receives the name on registration.
    frmBuildingIn(QStringList &buildingList, const QString &address, QLineEdit *target, QWidget *parent = nullptr);

    QLineEdit *txtBuilding = nullptr;
    QLineEdit *txtAddress = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void updateOk();
    void registerBuilding();

    QStringList &m_buildingList;
    QPointer<QLineEdit> m_target;
};

// "参照(&S)" beside a building field: the building whose address occurs in city + street
// number goes into `target`; without one the registration window opens (modal) on the
// half-width address.
void RunBuildingLookup(QWidget *parent, QStringList &buildingList, const QString &city, const QString &banchi,
                       QLineEdit *target);
