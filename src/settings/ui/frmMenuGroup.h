#pragma once
// Asks for a menu group's name, to add a group or to rename one. A name already in the catalogue
// (the group's own current name included) is refused and the dialog stays open.
#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPushButton;

class frmMenuGroup : public QDialog
{
    Q_OBJECT
  public:
    enum class Mode { Add, Change };
    // `taken`: every group name as the catalogue stands; `current`: the name being changed.
    frmMenuGroup(Mode mode, const QStringList &taken, const QString &current = {}, QWidget *parent = nullptr);

    QString GroupName() const;

    QLineEdit *txtGroup = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void cmdOK_Click();

    QStringList m_taken;
};
