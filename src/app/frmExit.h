#pragma once
// The end-of-work dialog: asks whether to back up, offers the file compaction.
#include "backup/autobackup.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

class frmExit : public QDialog
{
    Q_OBJECT
  public:
    enum Choice { Yes, No, Cancel };

    frmExit(const QString &backupFolder, const QString &backupFileName, QWidget *parent = nullptr);
    Choice choice() const { return m_choice; }
    bool compactionChosen() const;

    QLabel *lblQuestion;
    QLabel *lblFolder;
    QLabel *lblFileName;
    QCheckBox *chkOptimize;
    QPushButton *cmdYes;
    QPushButton *cmdNo;
    QPushButton *cmdCancel;
    QPushButton *cmdHelp;

  protected:
    void reject() override;

  private:
    Choice m_choice = Cancel;
};
