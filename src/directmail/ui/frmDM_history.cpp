// The history tab of the direct-mail window: registering a mailing, deleting entries, and
// storing the entries in the order the list shows them when the window closes.
#include "directmail/dmhistory.h"
#include "directmail/ui/frmDM.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"
#include "store/appdata.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

constexpr int kEntryRole = Qt::UserRole;

} // namespace

QWidget *frmDM::buildHistoryTab()
{
    auto *tab = named(new QWidget, "tabRireki");
    lsvRireki = named(new QTreeWidget(tab), "lsvRireki", QStringLiteral("DM発行履歴"));
    lsvRireki->setHeaderLabels({QStringLiteral("宛名印刷日"), QStringLiteral("ターゲット"), QStringLiteral("目的"),
                                QStringLiteral("抽出条件（初回利用日、最終利用日、利用回数）"),
                                QStringLiteral("人数")});
    lsvRireki->setRootIsDecorated(false);
    lsvRireki->setSelectionMode(QAbstractItemView::SingleSelection);
    // The condition texts line up their columns with blanks, which needs a fixed pitch.
    lsvRireki->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lsvRireki->setColumnWidth(0, 100);
    lsvRireki->setColumnWidth(1, 170);
    lsvRireki->setColumnWidth(2, 100);
    lsvRireki->setColumnWidth(3, 380);
    lsvRireki->header()->setSectionsClickable(true);
    cmdDel[0] = named(new QPushButton(QStringLiteral("選択した履歴を削除(&D)"), tab), "cmdDel0",
                      QStringLiteral("選択した履歴を削除(&D)"));
    cmdDel[1] = named(new QPushButton(QStringLiteral("すべての履歴削除(&A)"), tab), "cmdDel1",
                      QStringLiteral("すべての履歴削除(&A)"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDel[0]);
    buttons->addWidget(cmdDel[1]);
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(lsvRireki, 1);
    layout->addLayout(buttons);

    connect(cmdDel[0], &QPushButton::clicked, this, &frmDM::cmdDelSelected_Click);
    connect(cmdDel[1], &QPushButton::clicked, this, &frmDM::cmdDelAll_Click);
    connect(lsvRireki->header(), &QHeaderView::sectionClicked, this, &frmDM::sortHistory);
    return tab;
}

void frmDM::addHistoryRow(const DmHistoryEntry &entry)
{
    m_history.push_back(entry);
    auto *item = new QTreeWidgetItem(lsvRireki, DmHistoryRowTexts(entry));
    item->setData(0, kEntryRole, int(m_history.size()) - 1);
}

void frmDM::updateHistoryButtons()
{
    const bool any = lsvRireki->topLevelItemCount() > 0;
    cmdDel[0]->setEnabled(any);
    cmdDel[1]->setEnabled(any);
}

int frmDM::HistoryCount() const
{
    return lsvRireki->topLevelItemCount();
}

QStringList frmDM::HistoryRowTexts(int row) const
{
    QStringList out;
    if (QTreeWidgetItem *item = lsvRireki->topLevelItem(row)) {
        for (int c = 0; c < lsvRireki->columnCount(); ++c)
            out << item->text(c);
    }
    return out;
}

void frmDM::sortHistory(int column)
{
    m_historyOrder = column == m_historySortColumn ? Reversed(m_historyOrder) : SortOrder::Ascending;
    m_historySortColumn = column;
    lsvRireki->sortItems(column, m_historyOrder == SortOrder::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void frmDM::cmdRegist_Click()
{
    if (!AskYesNo(QStringLiteral("登録確認"), QStringLiteral("DM宛名印刷履歴に登録してもよろしいですか？"),
                  PromptIcon::Information))
        return;
    addHistoryRow(
        MakeDmHistoryEntry(Clock::Now(), cboTar->currentIndex(), cboMoku->currentIndex(), Conditions(), ResultCount()));
    updateHistoryButtons();
}

void frmDM::cmdDelSelected_Click()
{
    QTreeWidgetItem *item = lsvRireki->currentItem();
    if (!item || !AskYesNo(QStringLiteral("削除確認"), QStringLiteral("削除してもよろしいですか？")))
        return;
    delete item;
    updateHistoryButtons();
}

void frmDM::cmdDelAll_Click()
{
    if (!AskYesNo(QStringLiteral("削除確認"), QStringLiteral("削除してもよろしいですか？")))
        return;
    lsvRireki->clear();
    updateHistoryButtons();
}

void frmDM::closeEvent(QCloseEvent *event)
{
    // An MDI child may be asked to close more than once (its own close box, then the frame).
    if (!m_closed) {
        m_closed = true;
        std::vector<DmHistoryEntry> rows;
        for (int i = 0; i < lsvRireki->topLevelItemCount(); ++i)
            rows.push_back(m_history.at(size_t(lsvRireki->topLevelItem(i)->data(0, kEntryRole).toInt())));
        StoreDmHistory(m_data.settings, rows);
    }
    QWidget::closeEvent(event);
}
