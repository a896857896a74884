#include "customers/ui/customerhitmodel.h"

void CustomerHitModel::setHits(std::vector<CustomerHit> hits)
{
    beginResetModel();
    m_hits = std::move(hits);
    endResetModel();
}

const CustomerHit *CustomerHitModel::hitAt(int row) const
{
    if (row < 0 || row >= int(m_hits.size()))
        return nullptr;
    return &m_hits[size_t(row)];
}

void CustomerHitModel::setHit(int row, const CustomerHit &hit)
{
    if (!hitAt(row))
        return;
    m_hits[size_t(row)] = hit;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void CustomerHitModel::removeHit(int row)
{
    if (!hitAt(row))
        return;
    beginRemoveRows({}, row, row);
    m_hits.erase(m_hits.begin() + row);
    endRemoveRows();
}

void CustomerHitModel::sortHits(HitColumn column, SortOrder order)
{
    emit layoutAboutToBeChanged();
    SortHits(m_hits, column, order);
    emit layoutChanged();
}

int CustomerHitModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_hits.size());
}

int CustomerHitModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant CustomerHitModel::data(const QModelIndex &index, int role) const
{
    const CustomerHit *hit = hitAt(index.row());
    if (!hit || role != Qt::DisplayRole)
        return {};
    return HitText(*hit, HitColumn(index.column()));
}

QVariant CustomerHitModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return QStringLiteral("顧客ID");
    case 1:
        return QStringLiteral("電話番号");
    case 2:
        return QStringLiteral("名前");
    default:
        return {};
    }
}
