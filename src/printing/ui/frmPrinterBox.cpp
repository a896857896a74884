#include "printing/ui/frmPrinterBox.h"

#include "platform/prompt.h"
#include "printing/pagepicture.h"
#include "printing/pagerange.h"
#include "printing/ui/printerbackend.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
const QString kTitle = QStringLiteral("印刷");
} // namespace

frmPrinterBox::frmPrinterBox(PrintDocument &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    named(this, "frmPrinterBox");
    setWindowTitle(kTitle);
    auto *top = new QVBoxLayout(this);

    auto *printerRow = new QHBoxLayout;
    cboPrinter = named(new QComboBox(this), "cboPrinter");
    cboPrinter->setMinimumWidth(240);
    QLabel *lblPrinter = caption(QStringLiteral("プリンター(&N)："), cboPrinter, this);
    cmdDetail = named(new QPushButton(QStringLiteral("プロパティ(&P)"), this), "cmdDetail");
    printerRow->addWidget(lblPrinter);
    printerRow->addWidget(cboPrinter, 1);
    printerRow->addWidget(cmdDetail);
    top->addLayout(printerRow);

    fraPage = named(new QGroupBox(QStringLiteral("ページ範囲"), this), "fraPage");
    auto *pageGrid = new QGridLayout(fraPage);
    const char *captions[] = {"すべて(&L)", "現在のページ(&U)", "ページ指定(&G)："};
    for (int i = 0; i < 3; ++i) {
        optPage[size_t(i)] =
            named(new QRadioButton(QString::fromUtf8(captions[i]), fraPage), QStringLiteral("optPage%1").arg(i));
        pageGrid->addWidget(optPage[size_t(i)], i, 0);
    }
    txtPage = named(new QLineEdit(fraPage), "txtPage", QStringLiteral("ページ指定"));
    pageGrid->addWidget(txtPage, 2, 1);
    lblPageHint =
        named(new QLabel(QStringLiteral("ページ番号のみか、ページ範囲のみを入力して下さい。例：5-12"), fraPage),
              "lblPageHint");
    lblPageHint->setWordWrap(true);
    pageGrid->addWidget(lblPageHint, 3, 0, 1, 2);
    top->addWidget(fraPage);

    auto *copyRow = new QHBoxLayout;
    txtCopy = named(new QLineEdit(QStringLiteral("1"), this), "txtCopy");
    txtCopy->setMaximumWidth(60);
    QLabel *lblCopy = caption(QStringLiteral("部数(&C)："), txtCopy, this);
    updCopyUp = named(new QToolButton(this), "updCopyUp", QStringLiteral("部数を増やす"));
    updCopyUp->setArrowType(Qt::UpArrow);
    updCopyDown = named(new QToolButton(this), "updCopyDown", QStringLiteral("部数を減らす"));
    updCopyDown->setArrowType(Qt::DownArrow);
    copyRow->addWidget(lblCopy);
    copyRow->addWidget(txtCopy);
    copyRow->addWidget(updCopyUp);
    copyRow->addWidget(updCopyDown);
    copyRow->addStretch();
    top->addLayout(copyRow);

    const ButtonRow buttons =
        OkCancelRow(this, QStringLiteral("印刷(&P)"), "cmdPrintGo", QStringLiteral("キャンセル"), "cmdCancel");
    cmdPrintGo = buttons.ok;
    cmdCancel = buttons.cancel;
    top->addLayout(buttons.layout);

    // Opening defaults: the current printer, all pages, one copy.
    const QStringList printers = Printers().printerNames();
    cboPrinter->addItems(printers);
    cboPrinter->setCurrentIndex(qMax(0, printers.indexOf(CurrentPrinterName())));
    const bool several = m_doc.PageCount >= 2;
    optPage[0]->setChecked(true);
    optPage[1]->setEnabled(several);
    optPage[2]->setEnabled(several);
    txtPage->setEnabled(several);
    lblPageHint->setEnabled(several);

    connect(cboPrinter, &QComboBox::currentTextChanged, this, [](const QString &name) {
        if (!name.isEmpty())
            SetCurrentPrinterName(name);
    });
    connect(cmdDetail, &QPushButton::clicked, this,
            [this] { Printers().showProperties(cboPrinter->currentText(), PrinterSheetSize(m_doc.PrintKind), this); });
    connect(cmdPrintGo, &QPushButton::clicked, this, [this] { cmdPrintGo_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(updCopyUp, &QToolButton::clicked, this, [this] { stepCopies(1); });
    connect(updCopyDown, &QToolButton::clicked, this, [this] { stepCopies(-1); });

    if (printers.isEmpty()) {
        ShowWarning(kTitle, QStringLiteral("プリンターが設定されていません。"));
        cmdDetail->setEnabled(false);
        cmdPrintGo->setEnabled(false);
    }
}

void frmPrinterBox::stepCopies(int delta)
{
    const auto n = ParseCopies(txtCopy->text());
    txtCopy->setText(QString::number(qBound(1, n.value_or(1) + (n ? delta : 0), 99)));
}

bool frmPrinterBox::cmdPrintGo_Click()
{
    const auto copies = ParseCopies(txtCopy->text());
    if (!copies) {
        ShowWarning(kTitle, QStringLiteral("1～99の整数で入力して下さい。"));
        txtCopy->setFocus();
        txtCopy->selectAll();
        return false;
    }
    const int count = qMax(1, int(m_doc.PageCount));
    PageRange range{1, count};
    if (optPage[1]->isChecked()) {
        range = {m_doc.CurrentPage, m_doc.CurrentPage};
    } else if (optPage[2]->isChecked()) {
        const auto r = ParsePageRange(txtPage->text(), count);
        if (!r) {
            ShowWarning(kTitle,
                        QStringLiteral(
                            "ページ指定範囲が不正です。\n印刷したい範囲をハイフンではさんで入力して下さい。\n例：3-5"));
            txtPage->setFocus();
            txtPage->selectAll();
            return false;
        }
        range = *r;
    }
    if (!printPages(range.First, range.Last, *copies)) {
        ShowWarning(kTitle, kPrintFailed);
        return false;
    }
    accept();
    return true;
}

bool frmPrinterBox::printPages(int first, int last, int copies)
{
    const QString printer = cboPrinter->currentText();
    if (printer.isEmpty())
        return false;
    const QSizeF sheet = PrinterSheetSize(m_doc.PrintKind);
    for (int page = first; page <= last; ++page) {
        auto job = Printers().openJob(printer, copies, sheet);
        if (!job)
            return false;
        const auto picture = BuildPagePicture(m_doc, qRound(sheet.width()), qRound(sheet.height()), page);
        if (!PlayPagePicture(*job, picture.get(), 100))
            return false;
    }
    return true;
}
