#include "orders/ui/orderlinelist.h"

#include "store/helpers.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace
{

// The small "menu" icon of every order line: a bowl.
QIcon menuIcon()
{
    static QIcon icon = [] {
        QPixmap pm(16, 16);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x8a, 0x3b, 0x12), 1.2));
        p.setBrush(QColor(0xe0, 0x6c, 0x2c));
        p.drawChord(QRectF(1.5, 2, 13, 12), 180 * 16, 180 * 16);
        p.drawLine(QPointF(4, 14.5), QPointF(12, 14.5));
        return QIcon(pm);
    }();
    return icon;
}

} // namespace

namespace OrderLineList
{

void Configure(QTreeWidget *list)
{
    list->setColumnCount(3);
    list->setHeaderLabels({QStringLiteral("注文品目"), QStringLiteral("数量"), QStringLiteral("単価")});
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
}

void SetLine(QTreeWidgetItem *item, const OrderLine &line)
{
    item->setText(0, LineText(line));
    item->setText(1, QString::number(line.Qty));
    item->setText(2, FormatYen(line.UnitPrice));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    item->setIcon(0, menuIcon());
    item->setData(0, Qt::UserRole, LineValues(line));
}

OrderLine LineOf(const QTreeWidgetItem *item)
{
    return ParseLineValues(item->data(0, Qt::UserRole).toString());
}

std::vector<OrderLine> Lines(const QTreeWidget *list)
{
    std::vector<OrderLine> lines;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        lines.push_back(LineOf(list->topLevelItem(i)));
    return lines;
}

QTreeWidgetItem *FindByText(const QTreeWidget *list, const QString &text)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(0) == text)
            return list->topLevelItem(i);
    }
    return nullptr;
}

static QTreeWidgetItem *select(QTreeWidget *list, QTreeWidgetItem *item)
{
    list->clearSelection();
    list->setCurrentItem(item);
    item->setSelected(true);
    list->scrollToItem(item);
    return item;
}

QTreeWidgetItem *AddOrMerge(QTreeWidget *list, const OrderLine &line)
{
    if (QTreeWidgetItem *existing = FindByText(list, LineText(line))) {
        OrderLine merged = LineOf(existing);
        merged.MenuName = line.MenuName;
        merged.Option = line.Option;
        merged.Qty += line.Qty;
        merged.UnitPrice = line.UnitPrice;
        SetLine(existing, merged);
        return select(list, existing);
    }
    return Append(list, line);
}

QTreeWidgetItem *Append(QTreeWidget *list, const OrderLine &line)
{
    auto *item = new QTreeWidgetItem(list);
    SetLine(item, line);
    return select(list, item);
}

} // namespace OrderLineList
