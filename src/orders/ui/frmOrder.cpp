// The order window: opening, activation, the caller's number and the customer sections.
#include "orders/ui/frmOrder.h"

#include "orders/ordercommit.h"
#include "orders/ordercustomer.h"
#include "orders/pricing.h"
#include "orders/callercard.h"
#include "orders/orderlines.h"
#include "orders/ui/callercardpanel.h"
#include "orders/ui/frmOrderSub.h"
#include "orders/ui/frmRegi.h"
#include "orders/ui/kanakeyboard.h"
#include "orders/ui/menuboardpanel.h"
#include "customers/ui/frmBuildingIn.h"
#include "customers/ui/frmCust.h"
#include "customers/ui/postallookup.h"
#include "orders/ui/orderlinelist.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "store/ui/fieldcheck.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/preferences.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace
{
enum CustomerState { Opened, NewCustomer, KnownCustomer, TakeOut };
const QColor kNewColor(255, 192, 192);
const QColor kKnownColor(192, 192, 255);
const QColor kTakeOutColor(255, 255, 0);
} // namespace

frmOrder::frmOrder(AppData &data, QWidget *parent) : QWidget(parent), OrderMenuArea(data)
{
    buildLayout();
    connectSignals();
    openWindow();
}

frmOrder::~frmOrder() = default;

void frmOrder::openWindow()
{
    fillFixedLists();

    txtTel->setText(m_data.settings.Shop.ShopTel[0]);
    txtTel->setCursorPosition(txtTel->text().size());
    cmdCheck->setEnabled(!txtTel->text().isEmpty());

    cboDouki->addItems(m_data.settings.MotiveList);
    cboDouki->setCurrentIndex(-1);
    dtpTime->setDateTime(Clock::Now());
    showSearchPanel(SavedSearchMode());

    m_siteiText = kNoOption;
    updateConfirmCaption();

    showCustomerState(Opened);
    Menu_enabled(false);
    Menu_enabled2(false);
    RegiKeisan();
    Re_view();
    txtTel->setFocus();
}

void frmOrder::ActivatedAfterOtherChild()
{
    const QString tel = txtTel->text();
    // After the activation has settled: the check may ask about pending lines.
    if (tel.size() > 6 && IsNumericInput(tel) && IsPhoneInput(tel))
        QTimer::singleShot(0, this, [this] { cmdCheck_Click(); });
}

void frmOrder::showCustomerState(int state)
{
    QPalette pal = lblMsg->palette();
    switch (state) {
    case Opened:
        lblMsg->clear();
        pal = palette();
        cmdNew->setEnabled(false);
        cmdChange->setEnabled(false);
        cmdCust->setEnabled(false);
        break;
    case NewCustomer:
        lblMsg->setText(QStringLiteral("新規客です"));
        pal.setColor(QPalette::Window, kNewColor);
        cmdNew->setEnabled(true);
        cmdChange->setEnabled(false);
        cmdCust->setEnabled(false);
        break;
    case KnownCustomer:
        lblMsg->setText(QStringLiteral("顧客です"));
        pal.setColor(QPalette::Window, kKnownColor);
        cmdNew->setEnabled(false);
        cmdChange->setEnabled(true);
        cmdCust->setEnabled(true);
        break;
    case TakeOut:
        lblMsg->setText(QStringLiteral("お持帰り"));
        pal.setColor(QPalette::Window, kTakeOutColor);
        cmdNew->setEnabled(false);
        cmdChange->setEnabled(false);
        cmdCust->setEnabled(false);
        break;
    }
    lblMsg->setPalette(pal);
    updateZipButton();
}

void frmOrder::updateZipButton()
{
    // The lookup needs something to start from: a postal code or an address.
    cmdZip->setEnabled(!txtZip->text().isEmpty() || !txtShiku->text().isEmpty());
}

void frmOrder::Menu_enabled(bool on)
{
    // Children keep their own states (line buttons, the confirm button) under the frames.
    fraMenu->setEnabled(on);
    fraPrice->setEnabled(on);
    if (!on) {
        keyboard->disableAll();
        tlbGoConfirm->setEnabled(false);
        dtpTime->setEnabled(false);
        cboFun->setEnabled(false);
        cboCoo->setEnabled(false);
        return;
    }
    if (m_searchMode == 0)
        runKanaSearch();
    else
        Re_view();
    dtpTime->setEnabled(chkTime->isChecked());
    cboFun->setEnabled(chkTime->isChecked());
    cboCoo->setEnabled(chkCoo->isChecked());
    tlbGoConfirm->setEnabled(lsvMenu->topLevelItemCount() > 0);
    Wari_view();
}

void frmOrder::Menu_enabled2(bool on)
{
    fraCust->setEnabled(on);
}

void frmOrder::clearCustomerFields()
{
    for (QLineEdit *e : {txtNameKana, txtZip, txtShiku, txtBanchi, txtBuilding, txtEtc})
        e->clear();
    cboDouki->setCurrentIndex(-1);
}

bool frmOrder::handlePendingLines(bool clearSearchOnNo)
{
    if (lsvMenu->topLevelItemCount() == 0)
        return true;
    const PromptAnswer answer =
        AskYesNoCancel(QStringLiteral("注文未確定商品の確認"),
                       QStringLiteral("注文が確定していない入力が存在します。注文登録しますか？"));
    if (answer == PromptAnswer::Yes) {
        ConfirmOrder();
        return false;
    }
    if (answer != PromptAnswer::No)
        return false;
    lsvMenu->clear();
    if (clearSearchOnNo)
        ClearReadingSearch();
    RegiKeisan();
    updateLineButtons();
    return true;
}

void frmOrder::cmdCheck_Click()
{
    if (!AcceptCallerTel(txtTel->text())) {
        txtTel->clear();
        return;
    }
    if (!handlePendingLines(true))
        return;

    clearCustomerFields();
    Menu_enabled2(true);
    m_newCustomer = true;
    m_customer = OrderCustomer();
    const CallerLookup found = LookUpCaller(m_data, txtTel->text());
    if (found.Kind == CallerKind::Known) {
        m_newCustomer = false;
        m_customer = found.Customer;
        showFields(found.Fields);
        showCustomerState(KnownCustomer);
        Menu_enabled(true);
        RegiKeisan();
        showCallerCard();
        return;
    }
    fraCard->Clear();
    showCustomerState(NewCustomer);
    Menu_enabled(false);
    if (found.Kind == CallerKind::PhoneBook) {
        txtNameKana->setText(found.Fields.NameKana);
        txtZip->setText(found.Fields.Zip);
        txtShiku->setText(found.Fields.City);
        cmdNew->setFocus();
        return;
    }
    // The clerk types the name straight over the two selected characters.
    txtNameKana->setText(QStringLiteral("ｳｴ"));
    txtNameKana->setFocus();
    txtNameKana->selectAll();
}

void frmOrder::showFields(const OrderCustomerFields &f)
{
    txtNameKana->setText(f.NameKana);
    txtZip->setText(f.Zip);
    txtShiku->setText(f.City);
    txtBanchi->setText(f.Banchi);
    txtBuilding->setText(f.Building);
    txtEtc->setText(f.Remarks);
    cboDouki->setCurrentIndex(f.Motive >= 0 && f.Motive < cboDouki->count() ? f.Motive : -1);
}

OrderCustomerFields frmOrder::windowFields() const
{
    OrderCustomerFields f;
    f.Tel = txtTel->text();
    f.NameKana = txtNameKana->text();
    f.Zip = txtZip->text();
    f.City = txtShiku->text();
    f.Banchi = txtBanchi->text();
    f.Building = txtBuilding->text();
    f.Remarks = txtEtc->text();
    f.Motive = cboDouki->currentIndex();
    return f;
}

void frmOrder::showCallerCard()
{
    fraCard->ShowOrders(CallerCardOrders(m_data.records, m_customer.Record.CustomerId, m_data.settings.Shop.TaxRate));
}

void frmOrder::TakeCallerNumber(const QString &number)
{
    txtTel->setText(number);
    if (!number.isEmpty() && IsNumericInput(number)) {
        cmdCheck_Click();
        return;
    }
    resetForManualEntry();
}

void frmOrder::resetForManualEntry()
{
    clearCustomerFields();
    // The clerk types the name straight over the two selected characters.
    txtNameKana->setText(QStringLiteral("ｳｴ"));
    m_newCustomer = true;
    m_customer = OrderCustomer();
    fraCard->Clear();
    Menu_enabled2(false);
    Menu_enabled(false);
    showCustomerState(Opened);
    txtTel->setFocus();
    txtTel->selectAll();
}

void frmOrder::UpdateCallerIdButtons()
{
    const QString mode = m_data.settings.Cti.CtiMode;
    const bool on = mode == QLatin1String("1") || mode == QLatin1String("2");
    cmdCTI->setEnabled(on);
    cmdTel->setEnabled(on);
    lblRireki->setEnabled(on);
    cmdRireki->setEnabled(on && !m_historyOpen);
}

void frmOrder::SetHistoryOpen(bool open)
{
    m_historyOpen = open;
    UpdateCallerIdButtons();
}

void frmOrder::cmdRepeat_Click()
{
    const SalesRecord *last = fraCard->LastSale();
    if (!last || !fraMenu->isEnabled())
        return;
    static const QString kDeliveryFee = QStringLiteral("配達料");
    QTreeWidgetItem *firstAdded = nullptr;
    for (const RepeatLine &r : RepeatLinesFrom(*last, m_data.settings.MenuTable)) {
        if (lsvMenu->topLevelItemCount() >= kMaxLinesPerOrder) {
            ShowLineLimitWarning();
            break;
        }
        QTreeWidgetItem *item = r.Line.MenuName == kDeliveryFee ? OrderLineList::Append(lsvMenu, r.Line)
                                                                : OrderLineList::AddOrMerge(lsvMenu, r.Line);
        if (!firstAdded)
            firstAdded = item;
        if (r.Gone) {
            item->setForeground(0, QColor(176, 0, 0));
            item->setToolTip(0, QStringLiteral("メニューにない品目です（前回の単価）"));
        }
    }
    if (firstAdded)
        lsvMenu->setCurrentItem(firstAdded);
    LinesChanged();
}

void frmOrder::cmdNew_Click()
{
    // A customer that did not reach the file cannot be given orders.
    if (RegisterOrderCustomer(m_data, windowFields(), m_customer) != CustomerSave::Saved)
        return;
    Menu_enabled(true);
    RegiKeisan();
}

void frmOrder::cmdChange_Click()
{
    ChangeOrderCustomer(m_data, windowFields(), m_customer);
    // Points may have moved since the caller was loaded.
    Wari_view();
}

void frmOrder::cmdCust_Click()
{
    // The held position may be out of date: the customer is found again by number.
    const int pos = m_data.records.FindCustomerPos(m_customer.Record.CustomerId);
    if (m_customer.Record.CustomerId <= 0 || pos < 1)
        return;
    frmCust dialog(m_data, pos, this);
    dialog.exec();
    m_customer = OrderCustomer{dialog.Customer(), pos};
    showFields(FieldsOf(m_customer.Record));
    // Points may have been changed there.
    Wari_view();
}

void frmOrder::cmdOut_Click()
{
    if (!handlePendingLines(true))
        return;
    fraCard->Clear();
    const OrderCustomerFields takeOut = TakeOutFields();
    txtTel->setText(takeOut.Tel);
    clearCustomerFields();
    Menu_enabled2(true);
    m_customer = OrderCustomer();
    const std::optional<OrderCustomer> shop = UseTakeOutCustomer(m_data);
    if (!shop) {
        showFields(takeOut);
        Menu_enabled(false);
        return;
    }
    // The shop may have changed the take-out customer's name or address: shown as stored.
    m_customer = *shop;
    showFields(FieldsOf(shop->Record));
    m_newCustomer = false;
    showCustomerState(TakeOut);
    Menu_enabled(true);
    RegiKeisan();
}

void frmOrder::cmdBuilding_Click()
{
    RunBuildingLookup(this, m_data.settings.BuildingList, txtShiku->text(), txtBanchi->text(), txtBuilding);
}

void frmOrder::openCustomerSearch()
{
    frmOrderSub dialog(m_data.records, this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenTel().isEmpty())
        return;
    txtTel->setText(dialog.chosenTel());
    cmdCheck_Click();
}

void frmOrder::openChangeCalculator()
{
    frmRegi dialog(TotalText(), this);
    dialog.exec();
}

void frmOrder::keepFocusIn(QWidget *field)
{
    m_fieldCheck->keepFocusIn(field);
}

void frmOrder::connectSignals()
{
    connect(txtTel, &QLineEdit::textChanged, this, [this](const QString &t) { cmdCheck->setEnabled(!t.isEmpty()); });
    connect(txtTel, &QLineEdit::returnPressed, this, [this] {
        if (cmdCheck->isEnabled())
            cmdCheck_Click();
    });
    connect(cmdCheck, &QPushButton::clicked, this, &frmOrder::cmdCheck_Click);
    connect(cmdNew, &QPushButton::clicked, this, &frmOrder::cmdNew_Click);
    connect(cmdChange, &QPushButton::clicked, this, &frmOrder::cmdChange_Click);
    connect(cmdCust, &QPushButton::clicked, this, &frmOrder::cmdCust_Click);
    connect(cmdOut, &QPushButton::clicked, this, &frmOrder::cmdOut_Click);
    connect(cmdBuilding, &QPushButton::clicked, this, &frmOrder::cmdBuilding_Click);
    connect(cmdZip, &QPushButton::clicked, this, [this] { RunPostalLookup(txtZip, txtShiku, this); });
    connect(txtZip, &QLineEdit::textChanged, this, &frmOrder::updateZipButton);
    connect(txtShiku, &QLineEdit::textChanged, this, &frmOrder::updateZipButton);
    connect(cmdMenuSet, &QPushButton::clicked, this, &frmOrder::menuSettingsRequested);
    connect(cmdCTI, &QPushButton::clicked, this, &frmOrder::ctiRequested);
    connect(cmdTel, &QPushButton::clicked, this, &frmOrder::ctiSaveRequested);
    connect(cmdRireki, &QPushButton::clicked, this, &frmOrder::historyRequested);
    connect(fraCard, &CallerCardPanel::repeatRequested, this, &frmOrder::cmdRepeat_Click);

    connect(cbo5g, &QComboBox::activated, this, [this] { cbo5g_Click(); });
    connectMenuSignals(this);
    connect(cmdPoi, &QPushButton::clicked, this, &frmOrder::cmdPoi_Click);
    connect(cboStaff, &QComboBox::activated, this, [this] { Prefs::OrderStaff.set(cboStaff->currentText()); });
    connect(tlbGoConfirm, &QAction::triggered, this, [this] { ConfirmOrder(); });

    // A wrong phone number or delivery fee is emptied; a wrong service discount keeps the focus.
    m_fieldCheck = new LeaveFieldCheck(this);
    m_fieldCheck->watch(txtTel, LeaveFieldCheck::Phone(), LeaveFieldCheck::Refused::Clear);
    m_fieldCheck->watch(txtHai, LeaveFieldCheck::Number(), LeaveFieldCheck::Refused::Clear);
    m_fieldCheck->watch(cboCoo, ServiceDiscountRule());

    // The window sees these keys before its controls.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this, [this] { openCustomerSearch(); });
    f10->setContext(Qt::WidgetWithChildrenShortcut);
    f10->setObjectName(QStringLiteral("keyF10"));
    auto *f12 = new QShortcut(QKeySequence(Qt::Key_F12), this, [this] { openChangeCalculator(); });
    f12->setContext(Qt::WidgetWithChildrenShortcut);
    f12->setObjectName(QStringLiteral("keyF12"));
}
