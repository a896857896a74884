#pragma once
// The printer dialog: printer, page range and copies; each page is played as a job of its own.
#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
struct PrintDocument;

class frmPrinterBox : public QDialog
{
    Q_OBJECT
  public:
    frmPrinterBox(PrintDocument &doc, QWidget *parent = nullptr);

    // Checks the fields and prints; closes the dialog when every page went out. False when
    // refused or failed (the dialog stays open).
    bool cmdPrintGo_Click();

    QComboBox *cboPrinter;
    QPushButton *cmdDetail;
    QGroupBox *fraPage;
    std::array<QRadioButton *, 3> optPage; // all, current page, page field
    QLineEdit *txtPage;
    QLabel *lblPageHint;
    QLineEdit *txtCopy;
    QToolButton *updCopyUp;
    QToolButton *updCopyDown;
    QPushButton *cmdPrintGo;
    QPushButton *cmdCancel;

  private:
    bool printPages(int first, int last, int copies);
    void stepCopies(int delta);

    PrintDocument &m_doc;
};

inline const QString kPrintFailed = QStringLiteral("何らかのエラーが発生しました。印刷できません。");
