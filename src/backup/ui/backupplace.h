#pragma once
// The part the backup and restore dialogs share: a frame with the folder ("場所："), the file
// name ("ﾌｧｲﾙ名："), "参照(&R)..." and "最初の設定(&D)", and the "閉じる" button.
#include "store/settingtables.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

class BackupPlaceDialog : public QDialog
{
    Q_OBJECT
  public:
    const BackupSettings &place() const { return m_place; }

    QGroupBox *fraLocal;
    QLabel *lblFolder;
    QLineEdit *txtFileName;
    QPushButton *cmdBrowse;
    QPushButton *cmdDefault;
    QPushButton *cmdClose;

  protected:
    // `frameTitle` captions the frame, `browseTitle` the file dialog; `saving` picks a save-file
    // dialog rather than an open-file one.
    BackupPlaceDialog(const QString &frameTitle, const QString &browseTitle, bool saving, QWidget *parent);
    // Adds the main button to the frame's button row.
    void addActionButton(QPushButton *button);
    // Adds a frame under the local one.
    void addFrame(QWidget *frame);
    void showPlace();

    BackupSettings m_place;

  private:
    void browse();

    QString m_browseTitle;
    bool m_saving;
    QVBoxLayout *m_frameButtons;
    QVBoxLayout *m_layout;
};
