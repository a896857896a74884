#pragma once
// The backup dialog: packs the data folder into an archive at a place the user chooses.
#include "backup/ui/backupplace.h"

#include <memory>

class clsFtpClient;
class FtpFrame;

class RecordStore;

class frmBackup : public BackupPlaceDialog
{
    Q_OBJECT
  public:
    explicit frmBackup(RecordStore &records, QWidget *parent = nullptr);

    QPushButton *cmdBackup;

    FtpFrame *fraServer;
    ~frmBackup() override;

  private:
    RecordStore &m_records;
    // Opened with the dialog and disconnected when it closes.
    std::unique_ptr<clsFtpClient> m_ftp;
};
