#include "printing/ui/frmPreview.h"
#include "platform/ui/widgetnaming.h"

#include "platform/prompt.h"
#include "printing/pagepicture.h"
#include "printing/pdfrender.h"
#include "printing/ui/frmPrinterBox.h"
#include "store/preferences.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace
{

const double kZooms[] = {1.5, 1.0, 0.75, 0.5, 0.25};
constexpr int kFit = 5;
constexpr int kZoom25 = 4;

// The page: white paper with the picture played on it; clicks change the zoom.
class PageWidget : public QWidget
{
  public:
    PageWidget(frmPreview *owner, QWidget *parent) : QWidget(parent), m_owner(owner) {}

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        PlayPagePicture(p, m_owner->Picture(), m_owner->ZoomPercent());
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent *e) override { m_owner->PageClicked(e->button()); }

  private:
    frmPreview *m_owner;
};

} // namespace

frmPreview::frmPreview(PrintDocument &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    named(this, "frmPreview");
    setWindowTitle(QStringLiteral("[プレビュー]"));
    resize(820, 760);
    auto *top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);

    tlbTop = named(new QToolBar(this), "tlbTop");
    tlbTop->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tlbPrint = tlbTop->addAction(QStringLiteral("印刷"));
    tlbPrint->setObjectName(QStringLiteral("tlbPrint"));
    tlbPdf = tlbTop->addAction(QStringLiteral("PDF保存"));
    tlbPdf->setObjectName(QStringLiteral("tlbPdf"));
    tlbClose = tlbTop->addAction(QStringLiteral("閉じる"));
    tlbClose->setObjectName(QStringLiteral("tlbClose"));
    tlbTop->addSeparator();
    cboZoom = named(new QComboBox(tlbTop), "cboZoom", QStringLiteral("倍率"));
    cboZoom->addItems({QStringLiteral("150%"), QStringLiteral("100%"), QStringLiteral("75%"), QStringLiteral("50%"),
                       QStringLiteral("25%"), QStringLiteral("適合")});
    cboZoom->setCurrentIndex(1);
    tlbTop->addWidget(cboZoom);
    txtPaper = named(new QLineEdit(tlbTop), "txtPaper", QStringLiteral("用紙サイズ"));
    txtPaper->setReadOnly(true);
    txtPaper->setFrame(false);
    tlbTop->addWidget(txtPaper);
    top->addWidget(tlbTop);

    auto *area = new QGridLayout;
    area->setSpacing(0);
    picView = named(new QWidget(this), "picView");
    picView->setAutoFillBackground(true);
    QPalette pal = picView->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    picView->setPalette(pal);
    picPage = named(new PageWidget(this, picView), "picPage");
    // The bars come and go with the zoom, which changes the visible area again.
    picView->installEventFilter(this);
    hsbPage = named(new QScrollBar(Qt::Horizontal, this), "hsbPage");
    vsbPage = named(new QScrollBar(Qt::Vertical, this), "vsbPage");
    area->addWidget(picView, 0, 0);
    area->addWidget(vsbPage, 0, 1);
    area->addWidget(hsbPage, 1, 0);
    top->addLayout(area, 1);

    auto *bottom = new QHBoxLayout;
    bottom->setContentsMargins(4, 2, 4, 4);
    const char *captions[] = {"|◀", "◀", "▶", "▶|"};
    const char *names[] = {"最初のページ", "前のページ", "次のページ", "最後のページ"};
    for (int i = 0; i < 4; ++i) {
        cmdPage[size_t(i)] = named(new QPushButton(QString::fromUtf8(captions[i]), this),
                                   QStringLiteral("cmdPage%1").arg(i), QString::fromUtf8(names[i]));
        cmdPage[size_t(i)]->setFixedWidth(36);
        bottom->addWidget(cmdPage[size_t(i)]);
        connect(cmdPage[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdPage_Click(i); });
    }
    txtPage = named(new QLineEdit(this), "txtPage", QStringLiteral("ページ"));
    txtPage->setReadOnly(true);
    txtPage->setFixedWidth(80);
    bottom->addWidget(txtPage);
    bottom->addStretch();
    top->addLayout(bottom);

    connect(tlbPrint, &QAction::triggered, this, &frmPreview::GoPrint);
    connect(tlbPdf, &QAction::triggered, this, &frmPreview::SavePdf);
    connect(tlbClose, &QAction::triggered, this, &QDialog::close);
    connect(cboZoom, &QComboBox::currentIndexChanged, this, [this] { applyZoom(); });
    connect(hsbPage, &QScrollBar::valueChanged, this, [this] { placePage(); });
    connect(vsbPage, &QScrollBar::valueChanged, this, [this] { placePage(); });

    txtPaper->setText(PaperLabel(m_doc.PrintKind));
    drawPage(1);
}

frmPreview::~frmPreview() = default;

double frmPreview::twipsPerPixelX() const
{
    return 1440.0 / logicalDpiX();
}

double frmPreview::twipsPerPixelY() const
{
    return 1440.0 / logicalDpiY();
}

QSizeF frmPreview::DisplayTwips() const
{
    return m_display;
}

double frmPreview::ZoomPercent() const
{
    return 100.0 * m_display.height() / DisplayBaseTwips(m_doc.PrintKind).height();
}

void frmPreview::drawPage(int page)
{
    const QSizeF sheet = PreviewSheetSize(m_doc.PrintKind);
    m_picture = BuildPagePicture(m_doc, qRound(sheet.width()), qRound(sheet.height()), page);
    applyZoom();
    txtPage->setText(QStringLiteral("%1/%2").arg(m_doc.CurrentPage).arg(m_doc.PageCount));
}

void frmPreview::applyZoom()
{
    const QSizeF base = DisplayBaseTwips(m_doc.PrintKind);
    const int index = cboZoom->currentIndex();
    if (index == kFit) {
        const double visible = picView->height() * twipsPerPixelY() - 200;
        const double divisor = visible > 0 ? base.height() / visible : 1;
        m_display = base / divisor;
    } else {
        m_display = base * kZooms[qBound(0, index, kZoom25)];
    }
    const double visibleW = picView->width() * twipsPerPixelX();
    const double visibleH = picView->height() * twipsPerPixelY();
    const int hMax = int(m_display.width() - visibleW + 300);
    const int vMax = int(m_display.height() - visibleH + 200);
    hsbPage->setRange(0, qMax(0, hMax));
    vsbPage->setRange(0, qMax(0, vMax));
    hsbPage->setSingleStep(200);
    vsbPage->setSingleStep(200);
    hsbPage->setPageStep(qMax(1, int(visibleW)));
    vsbPage->setPageStep(qMax(1, int(visibleH)));
    hsbPage->setVisible(hMax > 0);
    vsbPage->setVisible(vMax > 0);
    placePage();
}

void frmPreview::placePage()
{
    const double left = 150 - hsbPage->value(), top = 100 - vsbPage->value();
    picPage->setGeometry(qRound(left / twipsPerPixelX()), qRound(top / twipsPerPixelY()),
                         qRound(m_display.width() / twipsPerPixelX()), qRound(m_display.height() / twipsPerPixelY()));
    picPage->update();
}

void frmPreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    applyZoom();
}

void frmPreview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    applyZoom();
}

bool frmPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picView && event->type() == QEvent::Resize)
        applyZoom();
    return QDialog::eventFilter(watched, event);
}

void frmPreview::cmdPage_Click(int index)
{
    const int current = m_doc.CurrentPage, count = m_doc.PageCount;
    if (index == 0 && current != 1)
        drawPage(1);
    else if (index == 1 && current >= 2)
        drawPage(current - 1);
    else if (index == 2 && current < count)
        drawPage(current + 1);
    else if (index == 3 && current != count)
        drawPage(count);
    applyZoom();
    txtPage->setText(QStringLiteral("%1/%2").arg(m_doc.CurrentPage).arg(m_doc.PageCount));
}

void frmPreview::PageClicked(Qt::MouseButton button)
{
    const int index = cboZoom->currentIndex();
    if (button == Qt::LeftButton && index > 0)
        cboZoom->setCurrentIndex(index - 1);
    else if (button == Qt::RightButton && index < kZoom25)
        cboZoom->setCurrentIndex(index + 1);
}

void frmPreview::GoPrint()
{
    frmPrinterBox box(m_doc, this);
    if (Prefs::PrintWithoutDialog.get())
        box.cmdPrintGo_Click();
    else
        box.exec();
}

void frmPreview::SavePdf()
{
    const QString path =
        Prompt().saveFileName(QStringLiteral("PDF保存"), PrintKindName(m_doc.PrintKind) + QStringLiteral(".pdf"),
                              QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    const qint16 page = m_doc.CurrentPage;
    if (!RenderDocumentToPdf(m_doc, path))
        ShowWarning(QStringLiteral("PDF保存"), QStringLiteral("PDFファイルを保存できませんでした。"));
    // Rendering went through every page; the preview keeps showing the page it showed.
    drawPage(page);
}
