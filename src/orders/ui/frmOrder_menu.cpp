// The order window's menu section: candidate panels, candidates and the order lines.
#include "orders/ui/frmOrder.h"

#include "orders/kanasearch.h"
#include "orders/orderlines.h"
#include "orders/ui/boardpress.h"
#include "orders/ui/frmMenuIn.h"
#include "orders/ui/kanakeyboard.h"
#include "orders/ui/menuboardpanel.h"
#include "orders/ui/orderlinelist.h"
#include "platform/ui/listsort.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/prefs.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>

namespace {

// The group icons: "mclose" a closed folder, "mopen" an open one.
QIcon folderIcon(bool open)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x9a, 0x6a, 0x10));
    p.setBrush(QColor(0xf2, 0xc9, 0x4c));
    p.drawRect(QRectF(1.5, 3.5, 6, 2));
    if (open) {
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        p.setBrush(QColor(0xfb, 0xe3, 0x8e));
        QPolygonF flap{{3.5, 7.5}, {15, 7.5}, {13.5, 13.5}, {1.5, 13.5}};
        p.drawPolygon(flap);
    } else {
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
    }
    return QIcon(pm);
}

const QIcon &closedIcon()
{
    static const QIcon icon = folderIcon(false);
    return icon;
}
const QIcon &openIcon()
{
    static const QIcon icon = folderIcon(true);
    return icon;
}

constexpr int kPriceRole = Qt::UserRole;

} // namespace

void frmOrder::Re_view()
{
    fillGroups();
    picFrame->Refresh(m_data.settings);
    fillStaff();
    fillDeliverTo();
    updateConfirmCaption();
    if (m_searchMode == 2)
        cmdAdd->setEnabled(false);
}

void frmOrder::cbo5g_Click()
{
    const int mode = cbo5g->currentIndex();
    if (mode < 0)
        return;
    SavePref(QStringLiteral("SET"), QStringLiteral("SEARCH"), QString::number(mode));
    lsvPick->clear();
    showSearchPanel(mode);
    Re_view();
    if (mode == 0)
        runKanaSearch();
    else if (mode == 1 && lsvGroup->currentItem())
        lsvGroup_Click(lsvGroup->currentItem());
    updateAddButton();
}

void frmOrder::showSearchPanel(int mode)
{
    m_searchMode = mode;
    stkPanels->setCurrentIndex(mode);
    // The board fills the whole left side; the candidate list is of no use beside it.
    lsvPick->setVisible(mode != 2);
    if (auto *grid = qobject_cast<QGridLayout *>(fraMenu->layout()))
    {
        grid->setRowStretch(1, mode == 2 ? 1 : 0);
        grid->setRowStretch(2, mode == 2 ? 0 : 1);
    }
    updateAddButton();
}

void frmOrder::fillGroups()
{
    lsvGroup->clear();
    m_groupNames.clear();
    QString last;
    for (size_t i = 1; i < m_data.settings.MenuTable.size(); ++i) {
        const QString &group = m_data.settings.MenuTable[i].Group;
        if (group.isEmpty() || group == last)
            continue;
        last = group;
        m_groupNames << group;
        auto *item = new QTreeWidgetItem(lsvGroup, {group});
        item->setIcon(0, closedIcon());
    }
    if (m_groupPos >= 1 && m_groupPos <= lsvGroup->topLevelItemCount()) {
        QTreeWidgetItem *item = lsvGroup->topLevelItem(m_groupPos - 1);
        lsvGroup->setCurrentItem(item);
        lsvGroup->scrollToItem(item);
    }
}

void frmOrder::lsvGroup_Click(QTreeWidgetItem *item)
{
    if (!item)
        return;
    for (int i = 0; i < lsvGroup->topLevelItemCount(); ++i)
        lsvGroup->topLevelItem(i)->setIcon(0, closedIcon());
    item->setIcon(0, openIcon());
    m_groupPos = lsvGroup->indexOfTopLevelItem(item) + 1;
    lsvPick->clear();
    const QString group = item->text(0);
    for (size_t i = 1; i < m_data.settings.MenuTable.size(); ++i) {
        const MenuEntry &e = m_data.settings.MenuTable[i];
        if (e.Group == group && !e.MenuName.isEmpty())
            addCandidate(e.MenuName, e.MenuKana, CurrencyToYen(e.Price));
    }
    updateAddButton();
}

void frmOrder::addCandidate(const QString &name, const QString &kana, qint64 price)
{
    auto *item = new QTreeWidgetItem(lsvPick, {name, kana, FormatYen(price)});
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(0, kPriceRole, price);
    if (lsvPick->topLevelItemCount() == 1)
        lsvPick->setCurrentItem(item);
}

void frmOrder::updateAddButton()
{
    cmdAdd->setEnabled(m_searchMode != 2 && lsvPick->topLevelItemCount() > 0);
}

bool frmOrder::PickedCandidate(QString &menuName, qint64 &price) const
{
    QTreeWidgetItem *item = lsvPick->currentItem();
    if (!item)
        return false;
    menuName = item->text(0);
    price = item->data(0, kPriceRole).toLongLong();
    return true;
}

void frmOrder::lsvPick_DblClick()
{
    QString name;
    qint64 price = 0;
    if (!PickedCandidate(name, price))
        return;
    if (lsvMenu->topLevelItemCount() >= kMaxLinesPerOrder) {
        ShowLineLimitWarning();
        return;
    }
    const QString quick = GetPref(QStringLiteral("SET"), QStringLiteral("MENU"));
    if (!quick.isEmpty() && quick != QLatin1String("0"))
        quickAdd(name, price);
    else
        openLineDialog(false);
}

void frmOrder::cmdAdd_Click()
{
    if (lsvMenu->topLevelItemCount() >= kMaxLinesPerOrder) {
        ShowLineLimitWarning();
        return;
    }
    openLineDialog(false);
}

void frmOrder::quickAdd(const QString &name, qint64 price)
{
    OrderLine line;
    line.MenuName = name;
    line.Option = kNoOption;
    line.UnitPrice = price;
    line.Qty = 1;
    OrderLineList::AddOrMerge(lsvMenu, line);
    LinesChanged();
}

void frmOrder::openLineDialog(bool changeMode)
{
    if (changeMode && !lsvMenu->currentItem())
        return;
    frmMenuIn dialog(m_data.settings, *this, changeMode ? frmMenuIn::Mode::Change : frmMenuIn::Mode::Add, this);
    dialog.exec();
}

void frmOrder::boardButtonPressed(int cell)
{
    PressBoardButton(cell, m_data.settings, *this, [this] { openLineDialog(false); }, m_boardCellNo);
}

void frmOrder::runKanaSearch()
{
    if (m_searchMode != 0)
        return;
    const QString typed = txtMojiSearch->text();
    const KanaSearchResult result =
        KanaSearch(typed, m_lastSearchLength, MenuReadings(m_data.settings.MenuTable));
    if (result.Text != typed) {
        const QSignalBlocker block(txtMojiSearch);
        txtMojiSearch->setText(result.Text);
    }
    m_lastSearchLength = int(result.Text.size());
    lsvPick->clear();
    for (int pos : result.Matches) {
        const MenuEntry &e = m_data.settings.MenuTable[size_t(pos)];
        addCandidate(e.MenuName, e.MenuKana, CurrencyToYen(e.Price));
    }
    if (fraMenu->isEnabled())
        keyboard->setNextCharacters(result.NextCharacters);
    else
        keyboard->disableAll();
    cmdMojiClear->setEnabled(result.ClearEnabled);
    cmdMojiAllClear->setEnabled(result.ClearEnabled);
    updateAddButton();
}

void frmOrder::ClearReadingSearch()
{
    txtMojiSearch->clear();
}

QTreeWidget *frmOrder::OrderLines()
{
    return lsvMenu;
}

void frmOrder::LinesChanged()
{
    updateLineButtons();
    RegiKeisan();
}

void frmOrder::cmdDel_Click()
{
    QTreeWidgetItem *item = lsvMenu->currentItem();
    if (!item || !item->isSelected())
        return;
    delete item;
    RegiKeisan();
    updateLineButtons();
}

void frmOrder::cmdReset_Click()
{
    lsvMenu->clear();
    RegiKeisan();
    updateLineButtons();
}

void frmOrder::updateLineButtons()
{
    const bool any = lsvMenu->topLevelItemCount() > 0;
    cmdDel->setEnabled(any);
    cmdReset->setEnabled(any);
    cmdNumChange->setEnabled(any);
    tlbGoConfirm->setEnabled(any && fraPrice->isEnabled());
}

void frmOrder::sortByHeader(QTreeWidget *list, int column)
{
    const int which = list == lsvPick ? 0 : 1;
    if (m_sortColumn[which] == column)
        m_sortOrder[which] = 1 - m_sortOrder[which];
    else
        m_sortOrder[which] = 0;
    m_sortColumn[which] = column;
    // The price column and the quantity column sort as numbers.
    const bool numeric = column == 2 || (list == lsvMenu && column == 1);
    SortListByColumn(list, column + 1, numeric ? 1 : 0, m_sortOrder[which]);
}
