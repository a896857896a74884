#include "customers/ui/frmPost.h"

#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "store/helpers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmPost::frmPost(ZipDirection direction, QLineEdit *zipField, QLineEdit *addressField, QWidget *parent,
                 const QString &databaseFile)
    : QDialog(parent), m_direction(direction), m_zipField(zipField), m_addressField(addressField)
{
    named(this, "frmPost");
    setWindowTitle(QStringLiteral("郵便番号辞書"));
    setModal(true);

    txtKey = named(new QLineEdit(this), "txtKey");
    cmdRe = named(new QPushButton(QStringLiteral("再検索(&R)"), this), "cmdRe", QStringLiteral("再検索(&R)"));
    lstPostView = named(new QListWidget(this), "lstPostView", QStringLiteral("検索結果"));
    lstPostView->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPostView->setUniformItemSizes(true);
    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    // Enter in the key field searches again rather than taking the selected entry.
    cmdOK->setAutoDefault(false);
    cmdOK->setDefault(false);

    auto *keyRow = new QHBoxLayout;
    keyRow->addWidget(caption(QStringLiteral("検索条件："), txtKey, this));
    keyRow->addWidget(txtKey, 1);
    keyRow->addWidget(cmdRe);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(keyRow);
    layout->addWidget(lstPostView, 1);
    layout->addLayout(buttons.layout);
    resize(560, 380);

    connect(cmdRe, &QPushButton::clicked, this, &frmPost::cmdRe_Click);
    connect(txtKey, &QLineEdit::returnPressed, this, &frmPost::cmdRe_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPost::choose);
    connect(lstPostView, &QListWidget::itemDoubleClicked, this, &frmPost::choose);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    m_finder.setDatabaseFile(databaseFile);
    const QLineEdit *source = direction == ZipDirection::ZipToAddress ? zipField : addressField;
    const QString key = LookupKey(direction, source ? source->text() : QString());
    txtKey->setText(key);
    setKeys(key);
}

void frmPost::setKeys(const QString &key)
{
    const bool byZip = m_direction == ZipDirection::ZipToAddress;
    m_finder.setZipKey(byZip ? key : QString());
    m_finder.setAddressKey(byZip ? QString() : key);
}

void frmPost::Search()
{
    lstPostView->clear();
    const QStringList lines = SearchPostalCodes(m_finder);
    lstPostView->addItems(lines);
    if (lstPostView->count() > 0)
        lstPostView->setCurrentRow(0);
}

void frmPost::cmdRe_Click()
{
    lstPostView->clear();
    m_finder.Reset();
    // The address is searched as typed; the finder itself ignores blanks and widths.
    setKeys(m_direction == ZipDirection::ZipToAddress ? LookupKey(m_direction, txtKey->text()) : txtKey->text());
    Search();
}

void frmPost::choose()
{
    const QListWidgetItem *item = lstPostView->currentItem();
    // Without an entry there is nothing to write: the fields keep what the clerk typed.
    if (!item) {
        reject();
        return;
    }
    const auto [zip, address] = LookupChoice(item->text());
    if (m_zipField)
        m_zipField->setText(zip);
    if (m_addressField)
        m_addressField->setText(address);
    accept();
}
