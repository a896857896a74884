#include "sales/ui/salesrowmodel.h"

void SalesRowModel::setRows(std::vector<SalesRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    SortSalesRows(m_rows, m_column, m_order);
    endResetModel();
}

const SalesRow *SalesRowModel::rowAt(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? &m_rows[size_t(row)] : nullptr;
}

void SalesRowModel::removeRowAt(int row)
{
    if (!rowAt(row))
        return;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void SalesRowModel::sortBy(int column)
{
    m_order = column == m_column ? Reversed(m_order) : SortOrder::Ascending;
    m_column = column;
    emit layoutAboutToBeChanged();
    SortSalesRows(m_rows, m_column, m_order);
    emit layoutChanged();
}

int SalesRowModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SalesRowModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant SalesRowModel::data(const QModelIndex &index, int role) const
{
    const SalesRow *row = rowAt(index.row());
    if (!row || role != Qt::DisplayRole)
        return {};
    return row->Column(index.column());
}

QVariant SalesRowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[] = {"注文日時", "名前", "電話番号"};
    return section >= 0 && section < 3 ? QString::fromUtf8(titles[section]) : QVariant();
}
