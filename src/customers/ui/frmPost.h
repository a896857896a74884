#pragma once
// The postal-code dictionary: lists the matches of a postal code or an address and writes the
// chosen one into the caller's postal-code and address fields.
#include "customers/postalsearch.h"
#include "customers/zipnofinder.h"

#include <QDialog>
#include <QPointer>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class frmPost : public QDialog
{
    Q_OBJECT
  public:
    // The key starts from the target field of the direction; `databaseFile` is taken from the
    // current directory when relative.
    frmPost(ZipDirection direction, QLineEdit *zipField, QLineEdit *addressField, QWidget *parent = nullptr,
            const QString &databaseFile = kZipDatabaseFile);

    // The first search, run once before the window shows (its boxes appear over the caller).
    void Search();

    QLineEdit *txtKey = nullptr;
    QPushButton *cmdRe = nullptr;
    QListWidget *lstPostView = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void setKeys(const QString &key);
    void cmdRe_Click();
    void choose();

    ZipDirection m_direction;
    QPointer<QLineEdit> m_zipField, m_addressField;
    ZipNoFinder m_finder;
};
