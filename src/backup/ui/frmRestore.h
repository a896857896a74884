#pragma once
// The restore dialog: replaces the data files with those of an archive. After a restore the
// program must end, so that everything is loaded afresh at the next start.
#include "backup/ui/backupplace.h"

class RecordStore;

class frmRestore : public BackupPlaceDialog
{
    Q_OBJECT
  public:
    explicit frmRestore(RecordStore &records, QWidget *parent = nullptr);
    // True once the data files were replaced: the caller ends the program at once.
    bool restored() const { return m_restored; }

    QPushButton *cmdRestore;

  private:
    RecordStore &m_records;
    bool m_restored = false;
};
