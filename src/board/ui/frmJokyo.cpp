#include "board/ui/frmJokyo.h"

#include "board/boardrows.h"
#include "board/orderdetail.h"
#include "board/ui/statusicons.h"
#include "platform/clock.h"
#include "store/ui/listsort.h"
#include "platform/ui/widgetnaming.h"
#include "store/appdata.h"

#include <QAction>
#include <QStyle>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

constexpr int kKeyRole = Qt::UserRole;
constexpr int kStaffRole = Qt::UserRole + 1;

QLabel *valueLabel(QWidget *parent, const char *name)
{
    auto *l = named(new QLabel(parent), name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setMinimumWidth(40);
    return l;
}

QAction *namedAction(QObject *parent, const QString &caption, const char *name)
{
    return named(new QAction(caption, parent), name);
}

} // namespace

frmJokyo::frmJokyo(AppData &data, QWidget *parent) : QWidget(parent), m_data(data)
{
    named(this, "frmJokyo");
    setWindowTitle(QStringLiteral("注文状況"));
    resize(1100, 650);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    buildMenus();
    outer->addWidget(mnuJokyo);
    outer->addWidget(tlbJokyo);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(6, 6, 6, 6);
    body->setSpacing(8);

    auto *left = new QVBoxLayout;
    lsvMain = named(new QTreeWidget(this), "lsvMain", QStringLiteral("注文一覧"));
    lsvMain->setRootIsDecorated(false);
    lsvMain->setUniformRowHeights(true);
    lsvMain->setAllColumnsShowFocus(true);
    lsvMain->setSelectionMode(QAbstractItemView::SingleSelection);
    lsvMain->setContextMenuPolicy(Qt::CustomContextMenu);
    lsvMain->setHeaderLabels({QStringLiteral("ステータス"), QStringLiteral("お客様名"), QStringLiteral("注文受付"),
                              QStringLiteral("時間指定"), QStringLiteral("出前出発"), QStringLiteral("出前完了"),
                              QStringLiteral("容器回収")});
    // Twips as laid out for the board, at 15 twips to a pixel.
    const int widths[kBoardColumns] = {1880, 1950, 1420, 1420, 1030, 1030, 1030};
    for (int c = 0; c < kBoardColumns; ++c)
        lsvMain->setColumnWidth(c, widths[c] / 15);
    for (int c = 4; c < kBoardColumns; ++c)
        lsvMain->headerItem()->setTextAlignment(c, Qt::AlignCenter);
    lsvMain->header()->setSectionsClickable(true);
    lsvMain->header()->setStretchLastSection(false);
    QPalette board = lsvMain->palette();
    board.setColor(QPalette::Base, QColor(0x12, 0x16, 0x20));
    board.setColor(QPalette::Text, Qt::white);
    board.setColor(QPalette::Highlight, QColor(0x3a, 0x5f, 0xa0));
    board.setColor(QPalette::HighlightedText, Qt::white);
    lsvMain->setPalette(board);
    // Narrow enough for a 1024 pixel screen; the columns scroll inside the list.
    lsvMain->setMinimumWidth(440);
    left->addWidget(lsvMain, 1);

    auto *buttons = new QHBoxLayout;
    cmdShinko = named(new QPushButton(QStringLiteral("出前進行状態入力(&J)"), this), "cmdShinko");
    cmdShinko->setMinimumHeight(34);
    buttons->addWidget(cmdShinko);
    buttons->addStretch(1);
    left->addLayout(buttons);
    body->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    lsvOrder = named(new QTreeWidget(this), "lsvOrder", QStringLiteral("注文品目"));
    lsvOrder->setRootIsDecorated(false);
    lsvOrder->setAllColumnsShowFocus(true);
    lsvOrder->setContextMenuPolicy(Qt::CustomContextMenu);
    lsvOrder->setHeaderLabels({QStringLiteral("品目"), QStringLiteral("数量"), QStringLiteral("単価")});
    lsvOrder->setColumnWidth(0, 220);
    lsvOrder->setColumnWidth(1, 50);
    lsvOrder->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    lsvOrder->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    lsvOrder->header()->setSectionsClickable(true);
    right->addWidget(lsvOrder, 1);
    right->addWidget(buildCustomerPanel());
    auto *rightBox = new QWidget(this);
    rightBox->setLayout(right);
    right->setContentsMargins(0, 0, 0, 0);
    rightBox->setFixedWidth(400);
    body->addWidget(rightBox);
    outer->addLayout(body, 1);

    connect(lsvMain, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) { rowChanged(item); });
    connect(lsvMain, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        rowChanged(item);
        if (mnuShinko->isEnabled())
            mnuShinko_Click();
    });
    connect(lsvMain, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (lsvMain->topLevelItemCount() > 0)
            mnuPopup->popup(lsvMain->viewport()->mapToGlobal(at));
    });
    connect(lsvOrder, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (mnuHenko->isEnabled())
            mnuHenko_Click();
    });
    connect(lsvOrder, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (lsvOrder->isEnabled())
            mnuOrderPopup->popup(lsvOrder->viewport()->mapToGlobal(at));
    });
    connect(lsvMain->header(), &QHeaderView::sectionClicked, this, &frmJokyo::mainHeaderClicked);
    connect(lsvOrder->header(), &QHeaderView::sectionClicked, this, &frmJokyo::orderHeaderClicked);
    // A quick second click on a header is a click like any other, not a double-click.
    connect(lsvMain->header(), &QHeaderView::sectionDoubleClicked, this, &frmJokyo::mainHeaderClicked);
    connect(lsvOrder->header(), &QHeaderView::sectionDoubleClicked, this, &frmJokyo::orderHeaderClicked);
    connect(cmdShinko, &QPushButton::clicked, this, &frmJokyo::mnuShinko_Click);
    connect(cmdKokyaku, &QPushButton::clicked, this, &frmJokyo::mnuKokyaku_Click);
    connect(cmdChizu, &QPushButton::clicked, this, &frmJokyo::mnuChizu_Click);

    m_sort = BoardSort::FromPrefs();
    Re_view();
}

frmJokyo::~frmJokyo() = default;

void frmJokyo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateCommands();
}

void frmJokyo::buildMenus()
{
    mnuJokyo = named(new QMenuBar(this), "mnuJokyo");
    mnuJokyo->setNativeMenuBar(false);
    mnuOrder = mnuJokyo->addMenu(QStringLiteral("注文操作(&T)"));
    mnuOrder->setObjectName(QStringLiteral("mnuOrder"));
    mnuShinko = namedAction(this, QStringLiteral("出前進行状況入力(&J)"), "mnuShinko");
    mnuTorikeshi = namedAction(this, QStringLiteral("注文取消(&D)"), "mnuTorikeshi");
    mnuKokyaku = namedAction(this, QStringLiteral("顧客詳細(&K)"), "mnuKokyaku");
    mnuChizu = namedAction(this, QStringLiteral("地図(&M)"), "mnuChizu");
    mnuPreview = namedAction(this, QStringLiteral("納品書のﾌﾟﾚﾋﾞｭｰ(&V)"), "mnuPreview");
    mnuPrint = namedAction(this, QStringLiteral("納品書の印刷(&P)"), "mnuPrint");
    mnuHenko = namedAction(this, QStringLiteral("注文品目の変更(&C)"), "mnuHenko");
    const QList<QAction *> order = {mnuShinko, mnuTorikeshi, mnuKokyaku, mnuChizu, mnuPreview, mnuPrint, mnuHenko};
    mnuOrder->addActions(order);
    mnuOrder->insertSeparator(mnuKokyaku);
    mnuOrder->insertSeparator(mnuPreview);
    mnuOrder->insertSeparator(mnuHenko);

    mnuPopup = named(new QMenu(this), "mnuPopup");
    mnuPopup->addActions(mnuOrder->actions());
    mnuOrderPopup = named(new QMenu(this), "mnuOrderPopup");
    mnuOrderPopup->addAction(mnuHenko);

    tlbJokyo = named(new QToolBar(this), "tlbJokyo");
    tlbJokyo->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tlbPreview = tlbJokyo->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                     QStringLiteral("納品書のﾌﾟﾚﾋﾞｭｰ"));
    tlbPreview->setObjectName(QStringLiteral("tlbPreview"));
    tlbPrint = tlbJokyo->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("納品書の印刷"));
    tlbPrint->setObjectName(QStringLiteral("tlbPrint"));
    tlbJokyo->addSeparator();
    tlbHenko =
        tlbJokyo->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView), QStringLiteral("注文品目の変更"));
    tlbHenko->setObjectName(QStringLiteral("tlbHenko"));

    connect(mnuShinko, &QAction::triggered, this, &frmJokyo::mnuShinko_Click);
    connect(mnuTorikeshi, &QAction::triggered, this, &frmJokyo::mnuTorikeshi_Click);
    connect(mnuKokyaku, &QAction::triggered, this, &frmJokyo::mnuKokyaku_Click);
    connect(mnuChizu, &QAction::triggered, this, &frmJokyo::mnuChizu_Click);
    connect(mnuPreview, &QAction::triggered, this, &frmJokyo::mnuPreview_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmJokyo::mnuPrint_Click);
    connect(mnuHenko, &QAction::triggered, this, &frmJokyo::mnuHenko_Click);
    connect(tlbPreview, &QAction::triggered, this, &frmJokyo::mnuPreview_Click);
    connect(tlbPrint, &QAction::triggered, this, &frmJokyo::mnuPrint_Click);
    connect(tlbHenko, &QAction::triggered, this, &frmJokyo::mnuHenko_Click);
}

QWidget *frmJokyo::buildCustomerPanel()
{
    fraCustomer = named(new QGroupBox(QStringLiteral("お客様情報"), this), "fraCustomer");
    auto *grid = new QGridLayout(fraCustomer);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    lblName = valueLabel(fraCustomer, "lblName");
    lblAddress = valueLabel(fraCustomer, "lblAddress");
    lblAddress->setWordWrap(true);
    lblBuilding = valueLabel(fraCustomer, "lblBuilding");
    lblTel = valueLabel(fraCustomer, "lblTel");
    lblZip = valueLabel(fraCustomer, "lblZip");
    lblStaff = valueLabel(fraCustomer, "lblStaff");
    lblDeliverTo = valueLabel(fraCustomer, "lblDeliverTo");
    lblItemCount = valueLabel(fraCustomer, "lblItemCount");
    lblTotal = valueLabel(fraCustomer, "lblTotal");
    QFont strong = lblName->font();
    strong.setBold(true);
    lblName->setFont(strong);
    lblTotal->setFont(strong);

    const auto caption = [this](const QString &text, QLabel *buddy) { return ::caption(text, buddy, fraCustomer); };
    int row = 0;
    grid->addWidget(caption(QStringLiteral("名前："), lblName), row, 0);
    grid->addWidget(lblName, row++, 1, 1, 3);
    grid->addWidget(caption(QStringLiteral("住所："), lblAddress), row, 0, Qt::AlignTop);
    grid->addWidget(lblAddress, row++, 1, 1, 3);
    grid->addWidget(caption(QStringLiteral("マンション名"), lblBuilding), row, 0);
    grid->addWidget(lblBuilding, row++, 1, 1, 3);
    grid->addWidget(caption(QStringLiteral("TEL："), lblTel), row, 0);
    grid->addWidget(lblTel, row, 1);
    grid->addWidget(caption(QStringLiteral("〒"), lblZip), row, 2);
    grid->addWidget(lblZip, row++, 3);
    grid->addWidget(caption(QStringLiteral("受付："), lblStaff), row, 0);
    grid->addWidget(lblStaff, row, 1);
    grid->addWidget(caption(QStringLiteral("届先："), lblDeliverTo), row, 2);
    grid->addWidget(lblDeliverTo, row++, 3);
    grid->addWidget(caption(QStringLiteral("注文品目："), lblItemCount), row, 0);
    grid->addWidget(lblItemCount, row, 1);
    grid->addWidget(caption(QStringLiteral("売上合計："), lblTotal), row, 2);
    grid->addWidget(lblTotal, row++, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *buttons = new QHBoxLayout;
    cmdKokyaku = named(new QPushButton(QStringLiteral("顧客詳細(&K)"), fraCustomer), "cmdKokyaku");
    cmdChizu = named(new QPushButton(QStringLiteral("概略地図(&M)"), fraCustomer), "cmdChizu");
    buttons->addStretch(1);
    buttons->addWidget(cmdKokyaku);
    buttons->addWidget(cmdChizu);
    grid->addLayout(buttons, row, 0, 1, 4);
    return fraCustomer;
}

void frmJokyo::Re_view()
{
    m_filling = true;
    lsvMain->clear();
    const std::vector<BoardRow> rows = BuildBoardRows(m_data.records, Clock::Today());
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(rows.size()));
    for (const BoardRow &row : rows) {
        auto *item = new QTreeWidgetItem;
        for (int c = 0; c < kBoardColumns; ++c) {
            item->setText(c, row.column(c));
            item->setForeground(c, row.Color);
        }
        for (int c = 4; c < kBoardColumns; ++c)
            item->setTextAlignment(c, Qt::AlignCenter);
        item->setIcon(0, BoardStatusIconImage(row.Icon));
        item->setData(0, kKeyRole, row.Key);
        item->setData(0, kStaffRole, row.OrderStaff);
        items << item;
    }
    lsvMain->addTopLevelItems(items);
    if (m_sort.Column >= 0 && m_sort.Column < kBoardColumns) {
        SortListByColumn(lsvMain, m_sort.Column + 1, SortKind::Text, m_sort.Order);
        lsvMain->header()->setSortIndicatorShown(true);
        lsvMain->header()->setSortIndicator(m_sort.Column, m_sort.Order == SortOrder::Descending ? Qt::DescendingOrder
                                                                                                 : Qt::AscendingOrder);
    }

    // The remembered order stays selected; when it is no longer listed the first row is.
    QTreeWidgetItem *selected = lsvMain->topLevelItemCount() > 0 ? lsvMain->topLevelItem(0) : nullptr;
    for (int i = 0; i < lsvMain->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = lsvMain->topLevelItem(i);
        if (item->data(0, kKeyRole).toString() == m_selectedKey) {
            selected = item;
            break;
        }
    }
    if (selected) {
        lsvMain->setCurrentItem(selected);
        lsvMain->scrollToItem(selected);
        m_selectedKey = selected->data(0, kKeyRole).toString();
    }
    m_filling = false;

    const bool listed = selected != nullptr;
    lsvMain->setEnabled(listed);
    lsvOrder->setEnabled(listed);
    if (listed) {
        lsvMain->setFocus();
        showDetail(m_selectedKey);
    } else {
        clearDetail();
    }
}

QString frmJokyo::SelectedCustomerName() const
{
    QTreeWidgetItem *item = lsvMain->currentItem();
    return item ? item->text(1) : QString();
}

QString frmJokyo::SelectedOrderStaff() const
{
    QTreeWidgetItem *item = lsvMain->currentItem();
    return item ? item->data(0, kStaffRole).toString() : QString();
}

void frmJokyo::rowChanged(QTreeWidgetItem *item)
{
    if (m_filling || !item)
        return;
    m_selectedKey = item->data(0, kKeyRole).toString();
    showDetail(m_selectedKey);
}

void frmJokyo::showDetail(const QString &key)
{
    const OrderView view = ShowOrderDetail(m_data.records, key);
    if (!view.Order) {
        clearDetail();
        return;
    }
    lsvOrder->clear();
    for (const DetailRow &row : view.Detail.Rows) {
        auto *item = new QTreeWidgetItem(lsvOrder, QStringList{row.Text, row.Qty, row.Price});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    const CustomerPanel &p = view.Panel;
    lblName->setText(p.Name);
    lblAddress->setText(p.Address);
    lblBuilding->setText(p.Building);
    lblTel->setText(p.Tel);
    lblZip->setText(p.Zip);
    lblStaff->setText(p.OrderStaff);
    lblDeliverTo->setText(p.DeliverTo);
    lblItemCount->setText(view.Detail.ItemCountText);
    lblTotal->setText(view.Detail.AmountText);
    m_customerExists = p.Exists;
    m_mapEnabled = p.MapEnabled;
    updateCommands();
}

void frmJokyo::clearDetail()
{
    lsvOrder->clear();
    for (QLabel *l : {lblName, lblAddress, lblBuilding, lblTel, lblZip, lblStaff, lblDeliverTo, lblItemCount, lblTotal})
        l->clear();
    m_customerExists = false;
    m_mapEnabled = false;
    updateCommands();
}

void frmJokyo::updateCommands()
{
    const bool listed = lsvMain->topLevelItemCount() > 0;
    const bool progress = listed && openProgress;
    mnuShinko->setEnabled(progress);
    cmdShinko->setEnabled(progress);
    mnuTorikeshi->setEnabled(listed);
    const bool customer = listed && openCustomer && m_customerExists;
    mnuKokyaku->setEnabled(customer);
    cmdKokyaku->setEnabled(customer);
    // The menu command explains itself when the code is missing; the button is offered only
    // for a code a map can show.
    mnuChizu->setEnabled(listed);
    cmdChizu->setEnabled(listed && m_mapEnabled);
    mnuPreview->setEnabled(listed && preview);
    tlbPreview->setEnabled(listed && preview);
    mnuPrint->setEnabled(listed && print);
    tlbPrint->setEnabled(listed && print);
    mnuHenko->setEnabled(listed && openOrderChange);
    tlbHenko->setEnabled(listed && openOrderChange);
}

void frmJokyo::mainHeaderClicked(int column)
{
    m_sort.Click(column);
    SortListByColumn(lsvMain, column + 1, SortKind::Text, m_sort.Order);
    lsvMain->header()->setSortIndicatorShown(true);
    lsvMain->header()->setSortIndicator(column, m_sort.Order == SortOrder::Descending ? Qt::DescendingOrder
                                                                                      : Qt::AscendingOrder);
}

void frmJokyo::orderHeaderClicked(int column)
{
    m_orderSortOrder = column == m_orderSortColumn ? Reversed(m_orderSortOrder) : SortOrder::Ascending;
    m_orderSortColumn = column;
    // Items by text, quantities by number; the price column keeps its order.
    if (column == 0 || column == 1)
        SortListByColumn(lsvOrder, column + 1, column == 0 ? SortKind::Text : SortKind::Number, m_orderSortOrder);
}

void frmJokyo::runOnSelected(const std::function<void(const StoredOrder &)> &hook)
{
    if (!hook || lsvMain->topLevelItemCount() == 0)
        return;
    // Read again: another window may have changed the order or its customer since the row was shown.
    const std::optional<StoredOrder> order = ReadStoredOrderByKey(m_data.records, m_selectedKey);
    if (!order)
        return;
    hook(*order);
    Re_view();
}

void frmJokyo::mnuShinko_Click()
{
    runOnSelected(openProgress);
}

void frmJokyo::mnuHenko_Click()
{
    runOnSelected(openOrderChange);
}

void frmJokyo::mnuKokyaku_Click()
{
    if (!m_customerExists)
        return;
    runOnSelected(openCustomer);
}

void frmJokyo::mnuPreview_Click()
{
    if (!CheckPrintTarget(lsvMain->topLevelItemCount()) || !preview)
        return;
    runOnSelected([this](const StoredOrder &order) { preview(order, DeliveryNoteKind()); });
}

void frmJokyo::mnuPrint_Click()
{
    if (!CheckPrintTarget(lsvMain->topLevelItemCount()) || !print)
        return;
    runOnSelected([this](const StoredOrder &order) { print(order, DeliveryNoteKind()); });
}

void frmJokyo::mnuTorikeshi_Click()
{
    if (lsvMain->topLevelItemCount() == 0)
        return;
    if (CancelOrder(m_data, m_selectedKey, SelectedCustomerName()))
        Re_view();
}

void frmJokyo::mnuChizu_Click()
{
    if (lsvMain->topLevelItemCount() == 0)
        return;
    OpenMapForZip(lblZip->text());
}
