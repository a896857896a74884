#pragma once
// The print preview: one page picture at a chosen zoom, paging, and printing.
#include <QDialog>

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolBar;
struct PagePicture;
struct PrintDocument;

class frmPreview : public QDialog
{
    Q_OBJECT
  public:
    // Builds page 1, which sets the document's page counters.
    frmPreview(PrintDocument &doc, QWidget *parent = nullptr);
    ~frmPreview() override;

    // Prints without the dialog when the preference says so, else through the printer dialog.
    void GoPrint();
    // Saves every page as one PDF file at a path the user chooses.
    void SavePdf();
    // Page buttons: 0 first, 1 previous, 2 next, 3 last.
    void cmdPage_Click(int index);
    // A click on the page: left zooms in, right zooms out.
    void PageClicked(Qt::MouseButton button);

    // Display size of the page in twips at the current zoom.
    QSizeF DisplayTwips() const;
    // The zoom the page is played at (100 = true size).
    double ZoomPercent() const;
    const PagePicture *Picture() const { return m_picture.get(); }

    QToolBar *tlbTop;
    QAction *tlbPrint;
    QAction *tlbPdf;
    QAction *tlbClose;
    QComboBox *cboZoom;
    QLineEdit *txtPaper;
    QWidget *picView; // visible page area
    QWidget *picPage; // the page itself
    QScrollBar *hsbPage;
    QScrollBar *vsbPage;
    std::array<QPushButton *, 4> cmdPage;
    QLineEdit *txtPage;

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void drawPage(int page);
    void applyZoom();
    void placePage();
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

    PrintDocument &m_doc;
    std::unique_ptr<PagePicture> m_picture;
    QSizeF m_display; // twips
};
