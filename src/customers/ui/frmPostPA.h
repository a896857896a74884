#pragma once
// The choice of direction when the postal code and the address are both filled in.
#include "customers/postalsearch.h"

#include <QDialog>

#include <optional>

class QPushButton;

class frmPostPA : public QDialog
{
    Q_OBJECT
  public:
    explicit frmPostPA(QWidget *parent = nullptr);

    // The direction chosen; nullopt after ｷｬﾝｾﾙ or closing the window.
    std::optional<ZipDirection> chosen() const { return m_chosen; }

    QPushButton *cmdAddress = nullptr; // postal code -> address
    QPushButton *cmdZip = nullptr;     // address -> postal code
    QPushButton *cmdCancel = nullptr;

  private:
    std::optional<ZipDirection> m_chosen;
};
