// The order change window: opening on the selected order, the changed flag, OK and closing.
#include "orders/ui/frmOrderChange.h"

#include "orders/orderchange.h"
#include "orders/ordercommit.h"
#include "orders/orderlines.h"
#include "orders/pricing.h"
#include "orders/ui/kanakeyboard.h"
#include "orders/ui/menuboardpanel.h"
#include "orders/ui/orderlinelist.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "platform/ui/buttonrow.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/oledate.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

frmOrderChange::frmOrderChange(AppData &data, const StoredOrder &order, QWidget *parent)
    : QDialog(parent), OrderMenuArea(data), m_order(order), m_openedSale(order.Sale)
{
    buildLayout();
    openWindow();
    connectSignals();
}

void frmOrderChange::buildLayout()
{
    setObjectName(QStringLiteral("frmOrderChange"));
    setWindowTitle(QStringLiteral("注文品目の変更"));
    setModal(true);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    fraChange = new QGroupBox(QStringLiteral("注文品目の変更"), this);
    fraChange->setObjectName(QStringLiteral("fraChange"));
    outer->addWidget(fraChange);
    auto *inner = new QVBoxLayout(fraChange);
    inner->setContentsMargins(4, 4, 4, 4);

    auto *menu = new QGroupBox(fraChange);
    menu->setObjectName(QStringLiteral("fraMenu"));
    menu->setFlat(true);
    buildMenuControls(menu);
    inner->addWidget(menu, 1);

    auto *price = new QGroupBox(fraChange);
    price->setObjectName(QStringLiteral("fraPrice"));
    int row = 0;
    QGridLayout *who = buildPriceControls(price, row);
    inner->addWidget(price);

    const ButtonRow buttons = OkCancelRow(price, QStringLiteral("OK"), "cmdGo");
    cmdGo = buttons.ok;
    cmdCancel = buttons.cancel;
    // Enter in a field must not store the change.
    cmdGo->setDefault(false);
    cmdGo->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    who->addLayout(buttons.layout, row++, 0, 1, 2);
    who->setRowStretch(row, 1);
    resize(980, 640);
}

void frmOrderChange::connectSignals()
{
    connectMenuSignals(this);
    connect(cbo5g, &QComboBox::activated, this, [this] { cbo5g_Click(); });
    connect(cmdPoi, &QPushButton::clicked, this, &frmOrderChange::cmdPoi_Click);
    connect(cmdGo, &QPushButton::clicked, this, &frmOrderChange::cmdGo_Click);
    connect(cmdMenuSet, &QPushButton::clicked, this, [this] {
        emit menuSettingsRequested();
        // The catalogue may have changed: the candidates are read again.
        activate();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(chkCoo, &QCheckBox::toggled, this, [this] { setChanged(); });
    connect(chkTime, &QCheckBox::toggled, this, [this] { setChanged(); });
    connect(cboFun, &QComboBox::activated, this, [this] { setChanged(); });
    connect(dtpTime, &QDateTimeEdit::dateTimeChanged, this, [this] { setChanged(); });
    connect(cboStaff, &QComboBox::activated, this, [this] { setChanged(); });
    connect(cboSitei, &QComboBox::activated, this, [this] { setChanged(); });
    connect(cboSitei, &QComboBox::editTextChanged, this, [this] { setChanged(); });
    // A wrong delivery fee is emptied; a wrong service discount keeps the focus.
    m_fieldCheck = new LeaveFieldCheck(this);
    m_fieldCheck->setActiveWhen([this] { return !m_closed; });
    m_fieldCheck->watch(txtHai, LeaveFieldCheck::Number(), LeaveFieldCheck::Refused::Clear);
    m_fieldCheck->watch(cboCoo, ServiceDiscountRule());
}

void frmOrderChange::openWindow()
{
    // From here on the customer's balance is the one before this order.
    ReverseOrderPoints(m_data, m_order);
    fillFixedLists();
    loadSale();
    updateLineButtons();
    m_groupPos = 1;
    showSearchPanel(SavedSearchMode());
    RegiKeisan();
    activate();
    m_changed = false;
}

void frmOrderChange::loadSale()
{
    const SalesRecord &sale = m_order.Sale;
    for (OrderLine line : LinesFromSale(sale)) {
        line.MenuName = line.MenuName.trimmed();
        line.Option = line.Option.trimmed();
        OrderLineList::Append(lsvMenu, line);
    }
    if (lsvMenu->topLevelItemCount() > 0)
        lsvMenu->setCurrentItem(lsvMenu->topLevelItem(0));

    fillStaff(sale.OrderStaff.trimmed());
    m_siteiText = sale.DeliverTo.trimmed();
    fillDeliverTo();

    const bool timed = sale.DesignatedTime != kUnsetTime;
    chkTime->setChecked(timed);
    dtpTime->setDateTime(timed ? FromOleDate(sale.DesignatedTime) : Clock::Now());
    dtpTime->setEnabled(timed);
    cboFun->setEnabled(timed);

    const bool service = sale.ServiceDiscount < 0;
    chkCoo->setChecked(service);
    cboCoo->setEditText(service ? QString::number(sale.ServiceDiscount) : QString());
    cboCoo->setEnabled(service);

    if (sale.PointDiscount < 0) {
        lblPoi[0]->setText(QString::number(sale.PointDiscount) + QStringLiteral("円"));
        const PointRules rules = PointRules::FromShop(m_data.settings.Shop);
        // Shown with its decimals when the shop's step does not divide evenly.
        if (rules.StepYen != 0)
            lblPoi[1]->setText(QString::number(rules.Step * sale.PointDiscount / rules.StepYen, 'g', 15) +
                               QStringLiteral("P"));
        cmdPoi->setText(kPoiCancelCaption);
        m_poiOn = true;
    } else {
        pointDiscountOff();
    }
}

qint32 frmOrderChange::WorkingPoints() const
{
    // Without its customer the order has no balance to draw on.
    return m_order.HasCustomer() ? m_order.Customer.Points : -1;
}

void frmOrderChange::activate()
{
    if (m_searchMode == 0) {
        if (fraMenu->isEnabled())
            runKanaSearch();
    } else if (m_searchMode == 1) {
        fillGroups();
        if (lsvGroup->currentItem())
            lsvGroup_Click(lsvGroup->currentItem());
    } else {
        picFrame->Refresh(m_data.settings);
        cmdAdd->setEnabled(false);
    }
    const PointRules rules = PointRules::FromShop(m_data.settings.Shop);
    cmdPoi->setEnabled(PointDiscountAvailable(lsvMenu->topLevelItemCount(), rules, WorkingPoints()));
}

bool frmOrderChange::event(QEvent *e)
{
    const bool result = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate && !m_closed)
        activate();
    return result;
}

void frmOrderChange::cbo5g_Click()
{
    const int mode = cbo5g->currentIndex();
    if (mode < 0)
        return;
    switchSearchPanel(mode);
    activate();
}

void frmOrderChange::RegiKeisan()
{
    showTotals();
}

void frmOrderChange::cmdPoi_Click()
{
    if (m_poiOn) {
        pointDiscountOff();
    } else if (!pointDiscountOn(WorkingPoints())) {
        return;
    }
    cmdGo->setEnabled(true);
    setChanged();
}

void frmOrderChange::LinesChanged()
{
    updateLineButtons();
    RegiKeisan();
    setChanged();
}

void frmOrderChange::LinesRemoved()
{
    RegiKeisan();
    updateLineButtons();
    setChanged();
}

void frmOrderChange::LineDialogClosed(bool changeMode)
{
    if (changeMode)
        setChanged();
    activate();
}

void frmOrderChange::updateLineButtons()
{
    cmdGo->setEnabled(updateLineButtonsOnly());
}

qint32 frmOrderChange::pointDiscountToStore() const
{
    if (!m_poiOn)
        return 0;
    if (!m_order.HasCustomer())
        return m_order.Sale.PointDiscount; // nothing to recompute it from
    const PointRules rules = PointRules::FromShop(m_data.settings.Shop);
    return qint32(-PointDiscountYen(OrderLineList::Lines(lsvMenu), WorkingPoints(), rules));
}

bool frmOrderChange::storeOrder()
{
    const std::vector<OrderLine> lines = OrderLineList::Lines(lsvMenu);
    const qint32 pointDiscount = pointDiscountToStore();
    if (!discountsAcceptable(-qint64(pointDiscount), ComputeTotals(lines, m_data.settings.Shop.TaxRate).Subtotal))
        return false;
    OrderChangeInput in;
    in.Lines = lines;
    in.Staff = cboStaff->currentIndex() >= 0 ? cboStaff->currentText() : QString();
    in.DeliverTo = cboSitei->currentText();
    if (chkTime->isChecked())
        in.DesignatedTime = dtpTime->dateTime();
    in.ServiceDiscount = chkCoo->isChecked() ? qint16(YenOf(cboCoo->currentText())) : qint16(0);
    in.PointDiscount = pointDiscount;
    // Only a change that reached the file is kept. Its points are written with it; from then on
    // the customer's balance already matches the stored order.
    SalesRecord changed = m_order.Sale;
    ApplyOrderChange(changed, in);
    if (StoreOrderChange(m_data, m_order.SalePos, m_openedSale, changed)) {
        m_order.Sale = changed;
        m_openedSale = changed;
        m_pointsStored = true;
    }
    m_changed = false;
    RememberDeliveryPlace(m_data.settings.DeliverToList, in.DeliverTo);
    return true;
}

void frmOrderChange::cmdGo_Click()
{
    if (storeOrder())
        close();
}

void frmOrderChange::reject()
{
    // Esc closes like the close box: the save question and the customer write still happen.
    close();
}

void frmOrderChange::closeEvent(QCloseEvent *event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    if (m_changed) {
        const PromptAnswer answer = Prompt().ask(
            PromptRequest{PromptIcon::Warning, QStringLiteral("保存確認"),
                          QStringLiteral("注文品目が変更されています。保存しますか？"), PromptButtons::YesNoCancel});
        if (answer == PromptAnswer::Cancel) {
            event->ignore();
            return;
        }
        if (answer == PromptAnswer::Yes)
            storeOrder(); // a refused input was reported; its changes are dropped
    }
    m_closed = true;
    if (!m_pointsStored)
        CommitOrderChangePoints(m_data, m_openedSale, m_order.Sale, m_order.Sale.CustomerId);
    event->accept();
    done(QDialog::Accepted);
}

void frmOrderChange::keepFocusIn(QWidget *field)
{
    m_fieldCheck->keepFocusIn(field);
}
