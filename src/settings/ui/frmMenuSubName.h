#pragma once
// Asks for a sub-item (a size, a preparation wish), to add one or to change one. A text already in the list
// (its own current text included) is refused and the dialog stays open.
#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPushButton;

class frmMenuSubName : public QDialog
{
    Q_OBJECT
  public:
    enum class Mode { Add, Change };
    // `taken`: every sub-item as the list stands; `current`: the text being changed.
    frmMenuSubName(Mode mode, const QStringList &taken, const QString &current = {}, QWidget *parent = nullptr);

    QString SubItemName() const;

    QLineEdit *txtSubName = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void cmdOK_Click();

    QStringList m_taken;
};
