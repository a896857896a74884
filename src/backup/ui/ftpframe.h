#pragma once
// The server frame both backup dialogs share: account boxes, the action button, a progress
// bar and a status bar whose first panel names the current step.
#include "backup/ftpbackup.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;

class FtpFrame : public QGroupBox
{
    Q_OBJECT
  public:
    FtpFrame(const QString &title, const QString &actionCaption, const QString &actionName, QWidget *dialog);

    // The account typed in; the user name is kept for the next time, the password for this
    // session only, so that no secret lands in a plain file.
    FtpAccount account() const;
    // Status, progress and the disabled dialog while the work runs.
    FtpView view();
    // Adds a note under the boxes.
    void addNote(const QString &text);

    QLineEdit *txtUser;
    QLineEdit *txtPassword;
    QPushButton *cmdAction;
    QProgressBar *prgFtp;
    QStatusBar *sbrFtp;
    QLabel *lblStatus;

  private:
    QWidget *m_dialog;
    class QGridLayout *m_grid;
};
