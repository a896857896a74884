#pragma once
// The restore dialog: replaces the data files with those of an archive. After a restore the
// program must end, so that everything is loaded afresh at the next start.
#include "backup/ui/backupplace.h"

#include <memory>

class clsFtpClient;
class FtpFrame;

class RecordStore;

class frmRestore : public BackupPlaceDialog
{
    Q_OBJECT
  public:
    explicit frmRestore(RecordStore &records, QWidget *parent = nullptr);
    // True once the data files were replaced: the caller ends the program at once.
    bool restored() const { return m_restored; }

    QPushButton *cmdRestore;

    FtpFrame *fraServer;
    ~frmRestore() override;

  private:
    RecordStore &m_records;
    // Opened with the dialog and disconnected when it closes.
    std::unique_ptr<clsFtpClient> m_ftp;
    bool m_restored = false;
};
