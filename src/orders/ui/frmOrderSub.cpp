#include "orders/ui/frmOrderSub.h"

#include "orders/kanasearch.h"
#include "orders/ui/kanakeyboard.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "store/recordstore.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

frmOrderSub::frmOrderSub(const RecordStore &records, QWidget *parent)
    : QDialog(parent), m_records(records), m_readings(CustomerReadings(records))
{
    named(this, "frmOrderSub");
    setWindowTitle(QStringLiteral("顧客検索"));
    setModal(true);

    auto *fraSearch = new QGroupBox(QStringLiteral("顧客名を50音で検索"), this);
    keyboard = named(new KanaKeyboard(fraSearch), "kanaKeyboard", QStringLiteral("50音キーボード"));

    txtMojiSearch = named(new QLineEdit(fraSearch), "txtMojiSearch");
    QLabel *lblName = caption(QStringLiteral("ﾅﾏｴ："), txtMojiSearch, fraSearch);
    cmdMojiClear = named(new QPushButton(QStringLiteral("1文字クリア(&M)"), fraSearch), "cmdMojiClear");

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(lblName);
    searchRow->addWidget(txtMojiSearch, 1);
    searchRow->addWidget(cmdMojiClear);
    auto *frameLayout = new QVBoxLayout(fraSearch);
    frameLayout->addWidget(keyboard);
    frameLayout->addLayout(searchRow);

    lsvCust = named(new QTreeWidget(this), "lsvCust", QStringLiteral("顧客一覧"));
    lsvCust->setHeaderLabels({QStringLiteral("名前"), QStringLiteral("電話番号")});
    lsvCust->setRootIsDecorated(false);
    lsvCust->setUniformRowHeights(true);
    lsvCust->setSelectionMode(QAbstractItemView::SingleSelection);
    lsvCust->header()->resizeSection(0, 220);

    const ButtonRow buttons = OkCancelRow(this, QStringLiteral("顧客入力"), "cmdGo");
    cmdGo = buttons.ok;
    cmdCancel = buttons.cancel;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraSearch);
    layout->addWidget(lsvCust, 1);
    layout->addLayout(buttons.layout);

    connect(keyboard, &KanaKeyboard::characterPressed, this,
            [this](const QString &ch) { txtMojiSearch->setText(txtMojiSearch->text() + ch); });
    connect(txtMojiSearch, &QLineEdit::textChanged, this, &frmOrderSub::search);
    connect(cmdMojiClear, &QPushButton::clicked, this, [this] {
        QString text = txtMojiSearch->text();
        text.chop(1);
        txtMojiSearch->setText(text);
    });
    connect(cmdGo, &QPushButton::clicked, this, [this] { choose(lsvCust->currentItem()); });
    connect(lsvCust, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) { choose(item); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    search();
    txtMojiSearch->setFocus();
}

frmOrderSub::~frmOrderSub() = default;

void frmOrderSub::search()
{
    const KanaSearchResult result = KanaSearchNoCompletion(txtMojiSearch->text(), m_readings);
    keyboard->setNextCharacters(result.NextCharacters);
    cmdMojiClear->setEnabled(result.ClearEnabled);

    lsvCust->setUpdatesEnabled(false);
    lsvCust->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(result.Matches.size()));
    for (int pos : result.Matches) {
        const CustomerIndexEntry &e = m_records.CustomerIndex[size_t(pos)];
        auto *item = new QTreeWidgetItem({e.NameKana, e.Tel});
        item->setData(0, Qt::UserRole, pos);
        items << item;
    }
    lsvCust->addTopLevelItems(items);
    if (!items.isEmpty())
        lsvCust->setCurrentItem(items.first());
    lsvCust->setUpdatesEnabled(true);
    cmdGo->setEnabled(!items.isEmpty());
}

void frmOrderSub::choose(QTreeWidgetItem *item)
{
    if (!item)
        return;
    m_chosenTel = item->text(1);
    accept();
}
