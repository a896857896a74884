#include "callerid/ui/frmTelIn.h"

#include "platform/ui/widgetnaming.h"
#include "store/ui/listsort.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

frmTelIn::frmTelIn(const std::vector<CallEntry> &entries, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTelIn"));
    setWindowTitle(QStringLiteral("着信履歴"));
    setAttribute(Qt::WA_DeleteOnClose);

    lsvTel = named(new QTreeWidget(this), "lsvTel", QStringLiteral("着信履歴"));
    lsvTel->setColumnCount(3);
    lsvTel->setHeaderLabels({QStringLiteral("時間"), QStringLiteral("電話番号"), QStringLiteral("名前")});
    lsvTel->setRootIsDecorated(false);
    lsvTel->setAllColumnsShowFocus(true);
    lsvTel->header()->setSectionsClickable(true);
    lsvTel->setColumnWidth(0, 56);
    lsvTel->setColumnWidth(1, 120);
    for (const CallEntry &e : entries) {
        if (e.Number.isEmpty())
            break;
        new QTreeWidgetItem(lsvTel, {e.Time.toString(QStringLiteral("HH:mm")), e.Number, e.Name});
    }
    if (lsvTel->topLevelItemCount() > 0)
        lsvTel->setCurrentItem(lsvTel->topLevelItem(0));

    cmdGo = named(new QPushButton(QStringLiteral("入力"), this), "cmdGo");
    cmdGo->setDefault(true);
    cmdGo->setEnabled(lsvTel->topLevelItemCount() > 0);
    cmdCancel = named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), "cmdCancel");

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdGo);
    buttons->addWidget(cmdCancel);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(6, 6, 6, 6);
    box->addWidget(lsvTel);
    box->addLayout(buttons);
    resize(360, 300);

    connect(cmdGo, &QPushButton::clicked, this, &frmTelIn::cmdGo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTelIn::reject);
    connect(lsvTel, &QTreeWidget::itemDoubleClicked, this, [this] { cmdGo_Click(); });
    connect(lsvTel->header(), &QHeaderView::sectionClicked, this, &frmTelIn::sortByHeader);
}

void frmTelIn::cmdGo_Click()
{
    const QTreeWidgetItem *item = lsvTel->currentItem();
    if (!item)
        return;
    const QString number = item->text(1);
    // Closed first: the order window's check may open its own questions.
    accept();
    emit numberChosen(number);
}

void frmTelIn::sortByHeader(int column)
{
    m_sortOrder = m_sortColumn == column ? Reversed(m_sortOrder) : SortOrder::Ascending;
    m_sortColumn = column;
    SortListByColumn(lsvTel, column + 1, SortKind::Text, m_sortOrder);
}

bool frmTelIn::event(QEvent *event)
{
    // A list left behind would offer a stale number; it goes as soon as the focus moves away.
    if (event->type() == QEvent::WindowDeactivate && isVisible())
        QTimer::singleShot(0, this, &frmTelIn::reject);
    return QDialog::event(event);
}
