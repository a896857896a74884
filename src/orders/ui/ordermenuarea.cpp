// What the menu section and the pricing area do in both order windows: candidate panels,
// candidates, order lines, amounts, discounts, the delivery fee and the order fields.
#include "orders/ui/ordermenuarea.h"

#include "orders/kanasearch.h"
#include "orders/orderlines.h"
#include "orders/pricing.h"
#include "orders/ui/boardpress.h"
#include "orders/ui/frmMenuIn.h"
#include "orders/ui/kanakeyboard.h"
#include "orders/ui/menuboardpanel.h"
#include "orders/ui/orderlinelist.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "store/ui/listsort.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTreeWidget>

namespace
{

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

void addCandidate(QTreeWidget *list, const MenuEntry &e)
{
    const qint64 price = CurrencyToYen(e.Price);
    auto *item = new QTreeWidgetItem(list, {e.MenuName, e.MenuKana, FormatYen(price)});
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(0, kPriceRole, price);
    if (list->topLevelItemCount() == 1)
        list->setCurrentItem(item);
}

} // namespace

const QString OrderMenuArea::kPoiCaption = QStringLiteral("割引(&P)");
const QString OrderMenuArea::kPoiCancelCaption = QStringLiteral("取消(&P)");

void OrderMenuArea::connectMenuSignals(QObject *context)
{
    QObject::connect(lsvGroup, &QTreeWidget::itemClicked, context,
                     [this](QTreeWidgetItem *item) { lsvGroup_Click(item); });
    // Activation is a double-click or Enter on the item: the keyboard reaches both lists.
    QObject::connect(lsvPick, &QTreeWidget::itemActivated, context, [this] { lsvPick_DblClick(); });
    QObject::connect(lsvMenu, &QTreeWidget::itemActivated, context, [this] { openLineDialog(true); });
    QObject::connect(cmdAdd, &QPushButton::clicked, context, [this] { cmdAdd_Click(); });
    QObject::connect(cmdDel, &QPushButton::clicked, context, [this] {
        if (removeSelectedLine())
            LinesRemoved();
    });
    QObject::connect(cmdReset, &QPushButton::clicked, context, [this] {
        removeAllLines();
        LinesRemoved();
    });
    QObject::connect(picFrame, &MenuBoardPanel::boardButtonPressed, context,
                     [this](int cell) { boardButtonPressed(cell); });
    QObject::connect(cmdNumChange, &QPushButton::clicked, context, [this] { openLineDialog(true); });
    QObject::connect(lsvPick->header(), &QHeaderView::sectionClicked, context,
                     [this](int c) { sortByHeader(lsvPick, c); });
    QObject::connect(lsvMenu->header(), &QHeaderView::sectionClicked, context,
                     [this](int c) { sortByHeader(lsvMenu, c); });
    QObject::connect(cmdMojiClear, &QPushButton::clicked, context, [this] {
        txtMojiSearch->setText(txtMojiSearch->text().chopped(txtMojiSearch->text().isEmpty() ? 0 : 1));
    });
    QObject::connect(cmdMojiAllClear, &QPushButton::clicked, context, [this] { txtMojiSearch->clear(); });
    QObject::connect(txtMojiSearch, &QLineEdit::textChanged, context, [this] { runKanaSearch(); });
    QObject::connect(keyboard, &KanaKeyboard::characterPressed, context,
                     [this](const QString &ch) { txtMojiSearch->setText(txtMojiSearch->text() + ch); });

    QObject::connect(chkCoo, &QCheckBox::toggled, context, [this](bool on) { cboCoo->setEnabled(on); });
    QObject::connect(chkTime, &QCheckBox::toggled, context, [this](bool on) {
        dtpTime->setEnabled(on);
        cboFun->setEnabled(on);
    });
    QObject::connect(cboFun, &QComboBox::activated, context, [this] { cboFun_Click(); });
    QObject::connect(cmdHai, &QPushButton::clicked, context, [this] { cmdHai_Click(); });
    QObject::connect(txtHai, &QLineEdit::returnPressed, context, [this] { cmdHai_Click(); });
    QObject::connect(cboSitei, &QComboBox::editTextChanged, context, [this](const QString &t) { m_siteiText = t; });
    QObject::connect(cboSitei, &QComboBox::activated, context, [this] { m_siteiText = cboSitei->currentText(); });
}

void OrderMenuArea::fillFixedLists()
{
    if (!Prefs::MenuSearchMode.isStored())
        Prefs::MenuSearchMode.storeDefault();
    txtHai->setText(QString::number(Prefs::DeliveryFee.get()));
    for (int minutes : {30, 40, 45, 50, 60, 90, 120})
        cboFun->addItem(QStringLiteral("%1 分後").arg(minutes), minutes);
    cboFun->setCurrentIndex(-1);
    cboCoo->addItems(ServiceDiscountChoices());
    cboCoo->setCurrentIndex(-1);
    cboCoo->setEditText(QString());
    cbo5g->addItems({QStringLiteral("50音検索"), QStringLiteral("ｸﾞﾙｰﾌﾟ検索"), QStringLiteral("ボード検索")});
}

int OrderMenuArea::SavedSearchMode()
{
    return Prefs::MenuSearchMode.get();
}

void OrderMenuArea::showSearchPanel(int mode)
{
    m_searchMode = mode;
    {
        const QSignalBlocker block(cbo5g);
        cbo5g->setCurrentIndex(mode);
    }
    stkPanels->setCurrentIndex(mode);
    // The board fills the whole left side; the candidate list is of no use beside it.
    lsvPick->setVisible(mode != 2);
    if (auto *grid = qobject_cast<QGridLayout *>(fraMenu->layout())) {
        grid->setRowStretch(1, mode == 2 ? 1 : 0);
        grid->setRowStretch(2, mode == 2 ? 0 : 1);
    }
    updateAddButton();
}

void OrderMenuArea::switchSearchPanel(int mode)
{
    Prefs::MenuSearchMode.set(mode);
    lsvPick->clear();
    showSearchPanel(mode);
}

void OrderMenuArea::fillGroups()
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

void OrderMenuArea::lsvGroup_Click(QTreeWidgetItem *item)
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
            addCandidate(lsvPick, e);
    }
    updateAddButton();
}

void OrderMenuArea::refreshCandidates()
{
    if (m_searchMode == 0)
        runKanaSearch();
    else if (m_searchMode == 1 && lsvGroup->currentItem())
        lsvGroup_Click(lsvGroup->currentItem());
    updateAddButton();
}

void OrderMenuArea::runKanaSearch()
{
    if (m_searchMode != 0)
        return;
    const QString typed = txtMojiSearch->text();
    const KanaSearchResult result = KanaSearch(typed, m_lastSearchLength, MenuReadings(m_data.settings.MenuTable));
    if (result.Text != typed) {
        const QSignalBlocker block(txtMojiSearch);
        txtMojiSearch->setText(result.Text);
    }
    m_lastSearchLength = int(result.Text.size());
    lsvPick->clear();
    for (int pos : result.Matches)
        addCandidate(lsvPick, m_data.settings.MenuTable[size_t(pos)]);
    if (fraMenu->isEnabled())
        keyboard->setNextCharacters(result.NextCharacters);
    else
        keyboard->disableAll();
    cmdMojiClear->setEnabled(result.ClearEnabled);
    cmdMojiAllClear->setEnabled(result.ClearEnabled);
    updateAddButton();
}

void OrderMenuArea::updateAddButton()
{
    cmdAdd->setEnabled(m_searchMode != 2 && lsvPick->topLevelItemCount() > 0);
}

bool OrderMenuArea::PickedCandidate(QString &menuName, qint64 &price) const
{
    QTreeWidgetItem *item = lsvPick->currentItem();
    if (!item)
        return false;
    menuName = item->text(0);
    price = item->data(0, kPriceRole).toLongLong();
    return true;
}

void OrderMenuArea::lsvPick_DblClick()
{
    QString name;
    qint64 price = 0;
    if (!PickedCandidate(name, price))
        return;
    if (lsvMenu->topLevelItemCount() >= kMaxLinesPerOrder) {
        ShowLineLimitWarning();
        return;
    }
    if (Prefs::QuickAddMenu.get())
        quickAdd(name, price);
    else
        openLineDialog(false);
}

void OrderMenuArea::cmdAdd_Click()
{
    if (lsvMenu->topLevelItemCount() >= kMaxLinesPerOrder) {
        ShowLineLimitWarning();
        return;
    }
    openLineDialog(false);
}

void OrderMenuArea::quickAdd(const QString &name, qint64 price)
{
    OrderLineList::AddOrMerge(lsvMenu, OrderLine{name, kNoOption, price, 1});
    LinesChanged();
}

void OrderMenuArea::openLineDialog(bool changeMode)
{
    if (changeMode && !lsvMenu->currentItem())
        return;
    {
        frmMenuIn dialog(m_data.settings, *this, changeMode ? frmMenuIn::Mode::Change : frmMenuIn::Mode::Add,
                         areaWindow());
        dialog.exec();
    }
    LineDialogClosed(changeMode);
}

void OrderMenuArea::boardButtonPressed(int cell)
{
    PressBoardButton(
        cell, m_data.settings, *this, [this] { openLineDialog(false); }, m_boardCellNo);
}

void OrderMenuArea::ClearReadingSearch()
{
    txtMojiSearch->clear();
}

QTreeWidget *OrderMenuArea::OrderLines()
{
    return lsvMenu;
}

bool OrderMenuArea::removeSelectedLine()
{
    QTreeWidgetItem *item = lsvMenu->currentItem();
    if (!item || !item->isSelected())
        return false;
    delete item;
    return true;
}

void OrderMenuArea::removeAllLines()
{
    lsvMenu->clear();
}

bool OrderMenuArea::updateLineButtonsOnly()
{
    const bool any = lsvMenu->topLevelItemCount() > 0;
    cmdDel->setEnabled(any);
    cmdReset->setEnabled(any);
    cmdNumChange->setEnabled(any);
    return any;
}

void OrderMenuArea::sortByHeader(QTreeWidget *list, int column)
{
    const int which = list == lsvPick ? 0 : 1;
    m_sortOrder[which] = m_sortColumn[which] == column ? Reversed(m_sortOrder[which]) : SortOrder::Ascending;
    m_sortColumn[which] = column;
    // The price column and the quantity column sort as numbers.
    const bool numeric = column == 2 || (list == lsvMenu && column == 1);
    SortListByColumn(list, column + 1, numeric ? SortKind::Number : SortKind::Text, m_sortOrder[which]);
}

void OrderMenuArea::showTotals()
{
    const std::vector<OrderLine> lines = OrderLineList::Lines(lsvMenu);
    if (lines.empty()) {
        lblNum->setText(QStringLiteral("0"));
        lblpreTotal->setText(FormatYen(0));
        lblTax->setText(FormatYen(0));
        lblTotal->setText(FormatYen(0));
        return;
    }
    const OrderTotals totals = ComputeTotals(lines, m_data.settings.Shop.TaxRate);
    lblNum->setText(QString::number(qint16(totals.QtyCount)));
    lblpreTotal->setText(FormatYen(totals.Subtotal));
    lblTax->setText(FormatYen(totals.Tax));
    lblTotal->setText(FormatYen(totals.Total));
}

QString OrderMenuArea::TotalText() const
{
    return lblTotal->text();
}

void OrderMenuArea::pointDiscountOff()
{
    lblPoi[0]->clear();
    lblPoi[1]->clear();
    cmdPoi->setText(kPoiCaption);
    m_poiOn = false;
}

bool OrderMenuArea::pointDiscountOn(qint32 points)
{
    const PointRules rules = PointRules::FromShop(m_data.settings.Shop);
    const std::vector<OrderLine> lines = OrderLineList::Lines(lsvMenu);
    const qint64 yen = PointDiscountYen(lines, points, rules);
    const qint64 used = PointsToRedeem(lines, points, rules);
    lblPoi[0]->setText(QString::number(-yen) + QStringLiteral("円"));
    lblPoi[1]->setText(QString::number(-used) + QStringLiteral("P"));
    if (yen != 0) {
        cmdPoi->setText(kPoiCancelCaption);
        m_poiOn = true;
        return true;
    }
    ShowNoPointsWarning(points);
    pointDiscountOff();
    return false;
}

bool OrderMenuArea::cmdHai_Click()
{
    if (!IsNumericInput(txtHai->text())) {
        ShowNotNumericWarning();
        txtHai->clear();
    }
    if (txtHai->text().trimmed().isEmpty()) {
        ShowWarning(QStringLiteral("配達料が未入力"), QStringLiteral("配達料を入力して下さい。"));
        txtHai->setFocus();
        return false;
    }
    if (lsvMenu->topLevelItemCount() >= kMaxLinesPerOrder) {
        ShowLineLimitWarning();
        return false;
    }
    const OrderLine fee{QStringLiteral("配達料"), kNoOption, YenOf(txtHai->text()), 1};
    OrderLineList::Append(lsvMenu, fee);
    LinesChanged();
    Prefs::DeliveryFee.set(fee.UnitPrice);
    return true;
}

void OrderMenuArea::cboFun_Click()
{
    const int minutes = cboFun->currentData().toInt();
    if (minutes > 0)
        dtpTime->setDateTime(Clock::Now().addSecs(qint64(minutes) * 60));
}

void OrderMenuArea::fillStaff(const QString &select)
{
    const QSignalBlocker block(cboStaff);
    cboStaff->clear();
    const QStringList &staff = m_data.settings.StaffList;
    for (int i = 1; i < staff.size() && !staff[i].isEmpty(); ++i)
        cboStaff->addItem(staff[i]);
    cboStaff->setCurrentIndex(cboStaff->findText(select));
}

void OrderMenuArea::fillDeliverTo()
{
    const QString keep = m_siteiText;
    const QSignalBlocker block(cboSitei);
    cboSitei->clear();
    cboSitei->addItem(kNoOption);
    const QStringList &places = m_data.settings.DeliverToList;
    for (int i = 1; i < places.size() && !places[i].isEmpty(); ++i)
        cboSitei->addItem(places[i]);
    cboSitei->setCurrentIndex(cboSitei->findText(keep));
    cboSitei->setEditText(keep);
    m_siteiText = keep;
}

LeaveFieldCheck::Rule ServiceDiscountRule()
{
    return [](const QString &text) {
        const ServiceDiscountCheck result = CheckServiceDiscount(text);
        ShowServiceDiscountWarning(result);
        return result == ServiceDiscountCheck::Ok;
    };
}

bool OrderMenuArea::discountsAcceptable(qint64 pointYen, qint64 subtotal)
{
    const bool serviceOn = chkCoo->isChecked();
    const QString serviceText = cboCoo->currentText().trimmed();
    // A button press may not have taken the focus, so the field check may not have run.
    if (serviceOn && !serviceText.isEmpty()) {
        const ServiceDiscountCheck field = CheckServiceDiscount(serviceText);
        if (field != ServiceDiscountCheck::Ok) {
            ShowServiceDiscountWarning(field);
            keepFocusIn(cboCoo);
            return false;
        }
    }
    const DiscountConfirmCheck check = CheckDiscountsAtConfirm(serviceOn, serviceText, m_poiOn, pointYen, subtotal);
    if (check == DiscountConfirmCheck::Ok)
        return true;
    ShowDiscountConfirmWarning(check);
    if (check == DiscountConfirmCheck::ServiceMissing)
        keepFocusIn(cboCoo);
    return false;
}

qint64 OrderMenuArea::YenOf(const QString &text)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    return RoundHalfEven(t.toDouble());
}
