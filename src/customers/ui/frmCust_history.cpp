// The detail window's order history tab: the completed orders and the lines of the chosen one.
#include "customers/orderhistory.h"
#include "customers/ui/frmCust.h"

#include "platform/ui/widgetnaming.h"
#include "store/appdata.h"
#include "store/ui/listsort.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

// Small drawn icons, so that item rows and discount rows tell apart without image files.
QIcon rowIcon(bool discount)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (discount) {
        p.setBrush(QColor(0xc2, 0x3b, 0x3b));
        p.drawEllipse(QRectF(2, 2, 12, 12));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 7, 7, 2));
    } else {
        p.setBrush(QColor(0x2f, 0x7d, 0xc2));
        p.drawRoundedRect(QRectF(2, 3, 12, 10), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 6, 8, 1.5));
        p.drawRect(QRectF(4, 9, 6, 1.5));
    }
    return QIcon(pm);
}

QTreeWidget *reportList(QWidget *parent, const char *name, const QString &spoken, const QStringList &headers,
                        const std::array<Qt::Alignment, 3> &align)
{
    auto *list = named(new QTreeWidget(parent), name, spoken);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setColumnCount(3);
    list->setHeaderLabels(headers);
    for (int c = 0; c < 3; ++c)
        list->headerItem()->setTextAlignment(c, align[size_t(c)] | Qt::AlignVCenter);
    list->header()->setSectionsClickable(true);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->setColumnWidth(1, 80);
    list->setColumnWidth(2, 110);
    return list;
}

constexpr int kSalePosRole = Qt::UserRole + 1;

} // namespace

QWidget *frmCust::buildHistoryTab()
{
    auto *page = named(new QWidget, "tabHistory");
    lsvSales = reportList(page, "lsvSales", QStringLiteral("注文一覧"),
                          {QStringLiteral("注文受付日時"), QStringLiteral("品目数"), QStringLiteral("合計金額")},
                          {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight});
    lsvGoods = reportList(page, "lsvGoods", QStringLiteral("注文メニュー"),
                          {QStringLiteral("注文メニュー"), QStringLiteral("数量"), QStringLiteral("単価")},
                          {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight});
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(lsvSales, 3);
    layout->addWidget(lsvGoods, 2);

    connect(lsvSales, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) { showGoods(item); });
    connect(lsvSales->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortBy(lsvSales, column, m_salesSortColumn, m_salesOrder); });
    connect(lsvGoods->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortBy(lsvGoods, column, m_goodsSortColumn, m_goodsOrder); });
    return page;
}

void frmCust::fillSales()
{
    if (!m_loaded)
        return;
    for (const OrderHistoryRow &row : CompletedOrdersOf(m_data.records, m_record.CustomerId)) {
        auto *item =
            new QTreeWidgetItem(lsvSales, QStringList{row.When, QString::number(row.ItemCount), row.TotalText});
        item->setData(0, kSalePosRole, row.SalePos);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    // Starts in the order of the first column, ascending.
    m_salesSortColumn = -1;
    sortBy(lsvSales, 0, m_salesSortColumn, m_salesOrder);
}

void frmCust::showGoods(QTreeWidgetItem *order)
{
    lsvGoods->clear();
    if (!order)
        return;
    const std::optional<SalesRecord> sale = m_data.records.ReadSale(order->data(0, kSalePosRole).toInt());
    if (!sale)
        return;
    for (const OrderHistoryLine &line : OrderHistoryLines(*sale)) {
        auto *item = new QTreeWidgetItem(lsvGoods, QStringList{line.Text, QString::number(line.Qty), line.PriceText});
        item->setIcon(0, rowIcon(line.Discount));
        item->setTextAlignment(1, Qt::AlignHCenter | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void frmCust::sortBy(QTreeWidget *list, int column, int &sortColumn, SortOrder &order)
{
    order = column == sortColumn ? Reversed(order) : SortOrder::Ascending;
    sortColumn = column;
    SortListByColumn(list, column + 1, HistoryColumnKind(column), order);
    list->header()->setSortIndicatorShown(true);
    list->header()->setSortIndicator(column, order == SortOrder::Descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}
