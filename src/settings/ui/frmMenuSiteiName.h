#pragma once
// Adding or renaming one specified delivery destination.
#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPushButton;

class frmMenuSiteiName : public QDialog
{
    Q_OBJECT
  public:
    enum class Mode { Add, Change };
    // `names` are the destinations in the tree, the one being changed included.
    frmMenuSiteiName(Mode mode, const QStringList &names, const QString &current = {}, QWidget *parent = nullptr);

    QString result() const { return m_result; }

    QLineEdit *txtSiteiName = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void cmdOK_Click();

    QStringList m_names;
    QString m_result;
};
