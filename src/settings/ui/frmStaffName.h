#pragma once
// Asks for one staff name, to add a member or to rename one. A name already in the list
// (the member's own current name included) is refused and the dialog stays open.
#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPushButton;

class frmStaffName : public QDialog
{
    Q_OBJECT
  public:
    enum class Mode { Add, Change };
    // `taken`: every name in the list as it stands; `current`: the name being changed.
    frmStaffName(Mode mode, const QStringList &taken, const QString &current = {}, QWidget *parent = nullptr);

    QString StaffName() const;

    QLineEdit *txtStaff = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void cmdOK_Click();

    QStringList m_taken;
};
