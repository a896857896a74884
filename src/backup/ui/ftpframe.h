#pragma once
// The server frame both backup dialogs share: the server, its port and the account, the action
// button, a progress bar and a status bar whose first panel names the current step.
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

    // The account typed in. Server, port and user name are kept in the preferences for the next
    // time; the password is kept once the server accepted it (see FtpPasswords).
    FtpAccount account() const;
    // False (after the port's warning) while the port box holds no usable port.
    bool checkFields();
    // Status, progress and the disabled dialog while the work runs.
    FtpView view();
    // Adds a note under the boxes.
    void addNote(const QString &text);

    QLineEdit *txtHost;
    QLineEdit *txtPort;
    QLineEdit *txtUser;
    QLineEdit *txtPassword;
    QPushButton *cmdAction;
    QProgressBar *prgFtp;
    QStatusBar *sbrFtp;
    QLabel *lblStatus;

  private:
    void recallPassword();

    QWidget *m_dialog;
    class LeaveFieldCheck *m_check;
    class QGridLayout *m_grid;
};
