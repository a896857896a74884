// The controls of the menu section and the pricing area and their places inside the frames the
// window gives them: candidates on the left, the line buttons, the order lines on the right;
// the amounts, the discounts and extras, then who and where.
#include "orders/ui/ordermenuarea.h"

#include "orders/ui/kanakeyboard.h"
#include "orders/ui/menuboardpanel.h"
#include "orders/ui/orderlinelist.h"

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
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/ui/widgetnaming.h"

namespace
{

// An amount label: right-aligned in a sunken box, like a display.
QLabel *amountLabel(const char *name, QWidget *parent, bool large = false)
{
    auto *label = named(new QLabel(parent), name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(96);
    if (large) {
        QFont f = label->font();
        f.setPointSizeF(f.pointSizeF() * 1.5);
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

} // namespace

void OrderMenuArea::buildMenuControls(QGroupBox *frame)
{
    fraMenu = frame;
    auto *grid = new QGridLayout(fraMenu);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);

    cbo5g = named(new QComboBox(fraMenu), "cbo5g", QStringLiteral("検索方法"));

    stkPanels = named(new QStackedWidget(fraMenu), "stkPanels");

    // Kana keyboard panel: the keys themselves are placed above the search text.
    picKana = named(new QWidget(stkPanels), "picKana");
    auto *kana = new QVBoxLayout(picKana);
    kana->setContentsMargins(0, 0, 0, 0);
    kana->setSpacing(3);
    auto *searchRow = new QHBoxLayout;
    txtMojiSearch = named(new QLineEdit(picKana), "txtMojiSearch", QStringLiteral("読み"));
    txtMojiSearch->setReadOnly(true);
    cmdMojiClear = named(new QPushButton(QStringLiteral("<"), picKana), "cmdMojiClear", QStringLiteral("1文字クリア"));
    cmdMojiAllClear =
        named(new QPushButton(QStringLiteral("<<"), picKana), "cmdMojiAllClear", QStringLiteral("全てクリア"));
    for (QPushButton *b : {cmdMojiClear, cmdMojiAllClear})
        b->setFixedWidth(40);
    searchRow->addWidget(txtMojiSearch, 1);
    searchRow->addWidget(cmdMojiClear);
    searchRow->addWidget(cmdMojiAllClear);
    keyboard = named(new KanaKeyboard(picKana), "keyboard", QStringLiteral("50音"));
    kana->addWidget(keyboard, 0, Qt::AlignLeft);
    kana->addLayout(searchRow);
    kana->addStretch(1);
    stkPanels->addWidget(picKana);

    picGroup = named(new QWidget(stkPanels), "picGroup");
    auto *groups = new QVBoxLayout(picGroup);
    groups->setContentsMargins(0, 0, 0, 0);
    groups->setSpacing(2);
    lsvGroup = named(new QTreeWidget(picGroup), "lsvGroup");
    lsvGroup->setHeaderHidden(true);
    lsvGroup->setRootIsDecorated(false);
    lsvGroup->setColumnCount(1);
    groups->addWidget(caption(QStringLiteral("メニューグループ："), lsvGroup, picGroup));
    groups->addWidget(lsvGroup, 1);
    stkPanels->addWidget(picGroup);

    picFrame = named(new MenuBoardPanel(stkPanels), "picFrame");
    stkPanels->addWidget(picFrame);

    lsvPick = named(new QTreeWidget(fraMenu), "lsvPick", QStringLiteral("メニュー候補"));
    lsvPick->setColumnCount(3);
    lsvPick->setHeaderLabels({QStringLiteral("メニュー"), QStringLiteral("カナ"), QStringLiteral("単価")});
    lsvPick->setRootIsDecorated(false);
    lsvPick->setUniformRowHeights(true);
    lsvPick->setAllColumnsShowFocus(true);
    lsvPick->header()->setSectionsClickable(true);
    lsvPick->header()->setSortIndicatorShown(false);
    // The name takes what the reading and the price leave.
    lsvPick->header()->setStretchLastSection(false);
    lsvPick->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lsvPick->setColumnWidth(1, 110);
    lsvPick->setColumnWidth(2, 70);

    lsvMenu = named(new QTreeWidget(fraMenu), "lsvMenu", QStringLiteral("注文品目"));
    OrderLineList::Configure(lsvMenu);
    lsvMenu->header()->setSectionsClickable(true);
    lsvMenu->header()->setStretchLastSection(false);
    lsvMenu->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lsvMenu->setColumnWidth(1, 40);
    lsvMenu->setColumnWidth(2, 70);

    cmdAdd = named(new QPushButton(QStringLiteral("ｵﾌﾟｼｮﾝ(&A) >>"), fraMenu), "cmdAdd");
    cmdDel = named(new QPushButton(QStringLiteral("<< 削除(&D)"), fraMenu), "cmdDel");
    cmdReset = named(new QPushButton(QStringLiteral("<< ﾘｾｯﾄ(&R)"), fraMenu), "cmdReset");
    cmdNumChange = named(new QPushButton(QStringLiteral("変更(&C)"), fraMenu), "cmdNumChange");
    cmdMenuSet = named(new QPushButton(QStringLiteral("ﾒﾆｭｰ設定(&M)"), fraMenu), "cmdMenuSet");
    m_lineButtons = new QVBoxLayout;
    m_lineButtons->setSpacing(4);
    m_lineButtons->addStretch(1);
    for (QPushButton *b : {cmdAdd, cmdDel, cmdReset, cmdNumChange})
        m_lineButtons->addWidget(b);
    m_lineButtons->addStretch(2);
    m_lineButtons->addWidget(cmdMenuSet);

    m_menuGrid = grid;
    stkPanels->setMinimumWidth(keyboard->sizeHint().width() + 4);
    placeMenuControls(false);
}

void OrderMenuArea::placeMenuControls(bool compact)
{
    QGridLayout *grid = m_menuGrid;
    for (QWidget *w : {static_cast<QWidget *>(cbo5g), static_cast<QWidget *>(stkPanels),
                       static_cast<QWidget *>(lsvPick), static_cast<QWidget *>(lsvMenu)})
        grid->removeWidget(w);
    grid->removeItem(m_lineButtons);
    m_lineButtons->setParent(nullptr);
    for (int i = 0; i < 3; ++i) {
        grid->setRowStretch(i, 0);
        grid->setColumnStretch(i, 0);
    }
    // The candidate list takes the height the panel leaves; the board (no list) takes it all.
    grid->setRowStretch(2, 1);
    if (!compact) {
        // Candidates on the left, the line buttons, the lines on the right over the full height.
        grid->addWidget(cbo5g, 0, 0);
        grid->addWidget(stkPanels, 1, 0);
        grid->addWidget(lsvPick, 2, 0);
        grid->addLayout(m_lineButtons, 0, 1, 3, 1);
        grid->addWidget(lsvMenu, 0, 2, 3, 1);
        grid->setColumnStretch(0, 5);
        grid->setColumnStretch(2, 4);
        lsvMenu->setMinimumWidth(230);
    } else {
        // A narrow screen: the line buttons beside the panel, the candidates and the lines
        // side by side under it.
        grid->addWidget(cbo5g, 0, 0, 1, 2);
        grid->addWidget(stkPanels, 1, 0, 1, 2);
        grid->addLayout(m_lineButtons, 0, 2, 2, 1);
        grid->addWidget(lsvPick, 2, 0);
        grid->addWidget(lsvMenu, 2, 1, 1, 2);
        grid->setColumnStretch(0, 1);
        grid->setColumnStretch(1, 1);
        lsvMenu->setMinimumWidth(200);
    }
}

QGridLayout *OrderMenuArea::buildPriceControls(QGroupBox *frame, int &freeRow)
{
    fraPrice = frame;
    auto *grid = new QGridLayout(fraPrice);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(12);

    lblNum = amountLabel("lblNum", fraPrice);
    lblpreTotal = amountLabel("lblpreTotal", fraPrice);
    lblTax = amountLabel("lblTax", fraPrice);
    lblTotal = amountLabel("lblTotal", fraPrice, true);
    lblPoi[0] = amountLabel("lblPoi0", fraPrice);
    lblPoi[1] = amountLabel("lblPoi1", fraPrice);
    lblPoi[0]->setMinimumWidth(60);
    lblPoi[1]->setMinimumWidth(60);
    cmdPoi = named(new QPushButton(QStringLiteral("割引(&P)"), fraPrice), "cmdPoi");
    chkCoo = named(new QCheckBox(QStringLiteral("有"), fraPrice), "chkCoo");
    cboCoo = named(new QComboBox(fraPrice), "cboCoo", QStringLiteral("ｻｰﾋﾞｽ割引額"));
    cboCoo->setEditable(true);
    cboCoo->setInsertPolicy(QComboBox::NoInsert);
    cboCoo->setMinimumWidth(80);
    txtHai = named(new QLineEdit(fraPrice), "txtHai");
    txtHai->setAlignment(Qt::AlignRight);
    txtHai->setMaximumWidth(70);
    cmdHai = named(new QPushButton(QStringLiteral("配達料追加(&H)"), fraPrice), "cmdHai");
    chkTime = named(new QCheckBox(QStringLiteral("有"), fraPrice), "chkTime");
    dtpTime = named(new QDateTimeEdit(fraPrice), "dtpTime", QStringLiteral("指定時刻"));
    dtpTime->setDisplayFormat(QStringLiteral("HH:mm"));
    cboFun = named(new QComboBox(fraPrice), "cboFun", QStringLiteral("何分後"));
    cboStaff = named(new QComboBox(fraPrice), "cboStaff");
    cboSitei = named(new QComboBox(fraPrice), "cboSitei");
    cboSitei->setEditable(true);
    cboSitei->setInsertPolicy(QComboBox::NoInsert);

    // Three columns: the amounts, the discounts and extras, then who and where with the
    // confirm button.
    auto *outer = grid;
    const auto column = [&](int col) {
        auto *g = new QGridLayout;
        g->setVerticalSpacing(3);
        g->setHorizontalSpacing(4);
        outer->addLayout(g, 0, col);
        return g;
    };
    QGridLayout *amounts = column(0);
    int row = 0;
    for (auto [text, value] : {std::pair{QStringLiteral("数量："), lblNum},
                               {QStringLiteral("小計："), lblpreTotal},
                               {QStringLiteral("税："), lblTax},
                               {QStringLiteral("合計："), lblTotal}}) {
        amounts->addWidget(caption(text, value, fraPrice), row, 0, Qt::AlignRight);
        amounts->addWidget(value, row++, 1);
    }
    amounts->setRowStretch(row, 1);

    QGridLayout *extras = column(1);
    row = 0;
    extras->addWidget(caption(QStringLiteral("ﾎﾟｲﾝﾄ使用："), cmdPoi, fraPrice), row, 0, Qt::AlignRight);
    auto *poi = new QHBoxLayout;
    poi->setSpacing(3);
    poi->addWidget(lblPoi[0]);
    poi->addWidget(lblPoi[1]);
    poi->addWidget(cmdPoi);
    extras->addLayout(poi, row++, 1);
    extras->addWidget(caption(QStringLiteral("ｻｰﾋﾞｽ割引："), chkCoo, fraPrice), row, 0, Qt::AlignRight);
    auto *coo = new QHBoxLayout;
    coo->setSpacing(3);
    coo->addWidget(chkCoo);
    coo->addWidget(cboCoo, 1);
    coo->addWidget(new QLabel(QStringLiteral("円"), fraPrice));
    extras->addLayout(coo, row++, 1);
    extras->addWidget(caption(QStringLiteral("配達料："), txtHai, fraPrice), row, 0, Qt::AlignRight);
    auto *hai = new QHBoxLayout;
    hai->setSpacing(3);
    hai->addWidget(txtHai);
    hai->addWidget(cmdHai, 1);
    extras->addLayout(hai, row++, 1);
    extras->addWidget(caption(QStringLiteral("時間指定："), chkTime, fraPrice), row, 0, Qt::AlignRight);
    auto *time = new QHBoxLayout;
    time->setSpacing(3);
    time->addWidget(chkTime);
    time->addWidget(dtpTime);
    time->addWidget(cboFun, 1);
    extras->addLayout(time, row++, 1);
    extras->setRowStretch(row, 1);

    QGridLayout *who = column(2);
    m_priceGrid = outer;
    m_priceWho = who;
    row = 0;
    who->addWidget(caption(QStringLiteral("受付ｽﾀｯﾌ："), cboStaff, fraPrice), row, 0, Qt::AlignRight);
    who->addWidget(cboStaff, row++, 1);
    who->addWidget(caption(QStringLiteral("配達先指定："), cboSitei, fraPrice), row, 0, Qt::AlignRight);
    who->addWidget(cboSitei, row++, 1);

    who->setColumnStretch(1, 1);
    outer->setColumnStretch(1, 1);
    outer->setColumnStretch(2, 1);
    freeRow = row;
    return who;
}

void OrderMenuArea::placePriceControls(bool compact)
{
    QGridLayout *outer = m_priceGrid;
    outer->removeItem(m_priceWho);
    m_priceWho->setParent(nullptr);
    // A narrow screen: who and where, with the window's buttons, go under the amounts.
    if (compact)
        outer->addLayout(m_priceWho, 1, 0, 1, 2);
    else
        outer->addLayout(m_priceWho, 0, 2);
    outer->setColumnStretch(2, compact ? 0 : 1);
}

void OrderMenuArea::placeControls(bool compact)
{
    m_compact = compact;
    placeMenuControls(compact);
    placePriceControls(compact);
}
