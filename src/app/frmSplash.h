#pragma once
#include <QWidget>

class QLabel;

// Shown while the program loads its files.
class frmSplash : public QWidget
{
    Q_OBJECT
  public:
    explicit frmSplash(QWidget *parent = nullptr);
    QLabel *lblVersion;
};

// "Ver. " + major.minor.revision
QString VersionText();
