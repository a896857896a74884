#pragma once
// The window shown while the record files are compacted at exit.
#include <QDialog>

class QLabel;
class QProgressBar;
class RecordStore;

class frmCompact : public QDialog
{
    Q_OBJECT
  public:
    explicit frmCompact(QWidget *parent = nullptr);
    // Compacts customers, then sales, showing progress; returns false when either failed.
    bool Run(RecordStore &records);

    QProgressBar *prgBar;
    QLabel *lblMessage;
};
