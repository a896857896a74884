#pragma once
// The backup dialog: packs the data folder into an archive at a place the user chooses.
#include "backup/ui/backupplace.h"

class RecordStore;

class frmBackup : public BackupPlaceDialog
{
    Q_OBJECT
  public:
    explicit frmBackup(RecordStore &records, QWidget *parent = nullptr);

    QPushButton *cmdBackup;

  private:
    RecordStore &m_records;
};
