// The order window's controls and their places. Three columns: the caller (sections 1 and 2),
// the menu (section 3) and the amounts with the confirm button.
#include "orders/ui/frmOrder.h"

#include "orders/pricing.h"
#include "orders/ui/callercardpanel.h"
#include "orders/ui/kanakeyboard.h"
#include "orders/ui/menuboardpanel.h"
#include "orders/ui/orderlinelist.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/ui/widgetnaming.h"

const QString frmOrder::kConfirmPrintCaption = QStringLiteral(" 注文確定＆印刷 ");
const QString frmOrder::kConfirmCaption = QStringLiteral("     注文確定     ");

void frmOrder::buildLayout()
{
    setObjectName(QStringLiteral("frmOrder"));
    setWindowTitle(QStringLiteral("注文受付"));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    // Left: who calls; right: what they order, with the amounts under it.
    fraCard = new CallerCardPanel(this);
    grid->addWidget(buildPhoneSection(), 0, 0);
    // The customer and the caller card share one column, so the card never lengthens the
    // menu side's rows.
    auto *caller = new QVBoxLayout;
    caller->setSpacing(4);
    caller->addWidget(buildCustomerSection());
    caller->addWidget(fraCard);
    caller->addStretch(1);
    grid->addLayout(caller, 1, 0, 2, 1);
    grid->addWidget(buildMenuSection(), 0, 1, 2, 1);
    grid->addWidget(buildPriceSection(), 2, 1);
    grid->setColumnStretch(0, 0);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    measureLayouts();
}

void frmOrder::placeAll(bool compact)
{
    placeControls(compact);
    // The caller's sections give up a little width on a narrow screen.
    fraTel->setFixedWidth(compact ? 264 : 300);
    fraCust->setFixedWidth(compact ? 264 : 300);
    fraCard->setFixedWidth(compact ? 264 : 300);
}

void frmOrder::measureLayouts()
{
    const bool compact = IsCompact();
    placeAll(true);
    layout()->activate();
    const QSize narrow = layout()->minimumSize();
    placeAll(false);
    layout()->activate();
    m_wideMinimum = layout()->minimumSize();
    placeAll(compact);
    // The window may be given less than the wide layout needs; it then turns compact.
    setMinimumSize(narrow.width(), std::max(narrow.height(), m_wideMinimum.height()));
}

void frmOrder::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const bool compact = width() < m_wideMinimum.width();
    if (compact != IsCompact())
        placeAll(compact);
}

void frmOrder::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The style's sizes are final once the window is polished and shown.
    if (!m_measuredShown) {
        m_measuredShown = true;
        measureLayouts();
        const bool compact = width() < m_wideMinimum.width();
        if (compact != IsCompact())
            placeAll(compact);
    }
}

QGroupBox *frmOrder::buildPhoneSection()
{
    fraTel = named(new QGroupBox(QStringLiteral("１．注文者電話番号"), this), "fraTel");
    auto *grid = new QGridLayout(fraTel);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);

    txtTel = named(new QLineEdit(fraTel), "txtTel", QStringLiteral("注文者電話番号"));
    txtTel->setMaxLength(14);
    QFont big = txtTel->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    txtTel->setFont(big);
    txtTel->setInputMethodHints(Qt::ImhDialableCharactersOnly);
    QLabel *telHint = hint(QStringLiteral("（ハイホンなしで入力）"), txtTel, fraTel);
    cmdCheck = named(new QPushButton(QStringLiteral("顧客チェック(&G)"), fraTel), "cmdCheck");

    cmdCTI = named(new QPushButton(QStringLiteral("自動入力（CTI）(&T)"), fraTel), "cmdCTI");
    cmdRireki = named(new QPushButton(QStringLiteral("▼"), fraTel), "cmdRireki");
    cmdRireki->setFixedWidth(26);
    lblRireki = named(new QLabel(QStringLiteral("（履歴）"), fraTel), "lblRireki");
    lblRireki->setBuddy(cmdRireki);
    cmdTel = named(new QPushButton(QStringLiteral("☎"), fraTel), "cmdTel", QStringLiteral("着信電話番号の保存"));
    cmdTel->setToolTip(QStringLiteral("着信電話番号の保存"));
    cmdTel->setFixedWidth(30);
    cmdOut = named(new QPushButton(QStringLiteral("店頭お持帰り(&O)"), fraTel), "cmdOut");

    grid->addWidget(txtTel, 0, 0, 1, 3);
    grid->addWidget(cmdCheck, 0, 3);
    grid->addWidget(telHint, 1, 0, 1, 4);
    auto *cti = new QHBoxLayout;
    cti->setSpacing(3);
    cti->addWidget(cmdCTI);
    cti->addWidget(cmdRireki);
    cti->addWidget(lblRireki);
    cti->addWidget(cmdTel);
    cti->addStretch(1);
    grid->addLayout(cti, 2, 0, 1, 4);
    grid->addWidget(cmdOut, 3, 0, 1, 4);
    return fraTel;
}

QGroupBox *frmOrder::buildCustomerSection()
{
    fraCust = named(new QGroupBox(QStringLiteral("２．注文者データ"), this), "fraCust");
    auto *grid = new QGridLayout(fraCust);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);

    lblMsg = named(new QLabel(fraCust), "lblMsg");
    lblMsg->setAlignment(Qt::AlignCenter);
    lblMsg->setFrameShape(QFrame::StyledPanel);
    lblMsg->setMinimumHeight(26);
    lblMsg->setAutoFillBackground(true);
    QFont bold = lblMsg->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblMsg->setFont(bold);

    txtNameKana = named(new QLineEdit(fraCust), "txtNameKana");
    txtNameKana->setMaxLength(30);
    txtZip = named(new QLineEdit(fraCust), "txtZip");
    txtZip->setMaxLength(8);
    cmdZip = named(new QPushButton(QStringLiteral("参照(&S)..."), fraCust), "cmdZip");
    txtShiku = named(new QLineEdit(fraCust), "txtShiku");
    txtBanchi = named(new QLineEdit(fraCust), "txtBanchi");
    txtBuilding = named(new QLineEdit(fraCust), "txtBuilding");
    cmdBuilding = named(new QPushButton(QStringLiteral("参照(&S)..."), fraCust), "cmdBuilding");
    cboDouki = named(new QComboBox(fraCust), "cboDouki");
    txtEtc = named(new QLineEdit(fraCust), "txtEtc");
    cmdNew = named(new QPushButton(QStringLiteral("顧客新規登録(&N)"), fraCust), "cmdNew");
    cmdChange = named(new QPushButton(QStringLiteral("登録内容変更(&H)"), fraCust), "cmdChange");
    cmdCust = named(new QPushButton(QStringLiteral("顧客詳細(&K)"), fraCust), "cmdCust");

    int row = 0;
    grid->addWidget(lblMsg, row++, 0, 1, 3);
    grid->addWidget(caption(QStringLiteral("ﾅﾏｴ："), txtNameKana, fraCust), row, 0);
    grid->addWidget(txtNameKana, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("（半角ｶﾅ）"), fraCust), row++, 2);
    grid->addWidget(caption(QStringLiteral("郵便番号："), txtZip, fraCust), row, 0);
    grid->addWidget(txtZip, row, 1);
    grid->addWidget(cmdZip, row++, 2);
    grid->addWidget(caption(QStringLiteral("市区町村："), txtShiku, fraCust), row, 0);
    grid->addWidget(txtShiku, row++, 1, 1, 2);
    grid->addWidget(caption(QStringLiteral("番地："), txtBanchi, fraCust), row, 0);
    grid->addWidget(txtBanchi, row++, 1, 1, 2);
    grid->addWidget(caption(QStringLiteral("ﾏﾝｼｮﾝ名："), txtBuilding, fraCust), row, 0);
    grid->addWidget(txtBuilding, row, 1);
    grid->addWidget(cmdBuilding, row++, 2);
    grid->addWidget(caption(QStringLiteral("利用動機："), cboDouki, fraCust), row, 0);
    grid->addWidget(cboDouki, row++, 1, 1, 2);
    grid->addWidget(caption(QStringLiteral("備考："), txtEtc, fraCust), row, 0);
    grid->addWidget(txtEtc, row++, 1, 1, 2);
    auto *buttons = new QGridLayout;
    buttons->setSpacing(3);
    buttons->addWidget(cmdNew, 0, 0);
    buttons->addWidget(cmdChange, 0, 1);
    buttons->addWidget(cmdCust, 1, 0);
    buttons->addWidget(fraCard->cmdRepeat, 1, 1);
    grid->addLayout(buttons, row++, 0, 1, 3);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    return fraCust;
}

QGroupBox *frmOrder::buildMenuSection()
{
    buildMenuControls(named(new QGroupBox(QStringLiteral("３．注文メニュー"), this), "fraMenu"));
    return fraMenu;
}

QGroupBox *frmOrder::buildPriceSection()
{
    int row = 0;
    QGridLayout *who = buildPriceControls(named(new QGroupBox(this), "fraPrice"), row);
    tlbGo = named(new QToolBar(fraPrice), "tlbGo");
    tlbGo->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tlbGoConfirm = named(new QAction(kConfirmCaption, tlbGo), "tlbGoConfirm");
    tlbGo->addAction(tlbGoConfirm);
    cmdGo = qobject_cast<QToolButton *>(tlbGo->widgetForAction(tlbGoConfirm));
    cmdGo->setObjectName(QStringLiteral("cmdGo"));
    cmdGo->setMinimumHeight(44);
    cmdGo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont go = cmdGo->font();
    go.setBold(true);
    go.setPointSizeF(go.pointSizeF() * 1.3);
    cmdGo->setFont(go);
    cmdGo->setAutoRaise(false);
    who->addWidget(tlbGo, row++, 0, 1, 2);
    who->setRowStretch(row, 1);
    return fraPrice;
}
