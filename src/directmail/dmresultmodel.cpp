#include "directmail/dmresultmodel.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>

DmResultModel::DmResultModel(QObject *parent)
    : QAbstractTableModel(parent), m_snapshot(std::make_shared<const std::vector<DmCustomer>>())
{
}

QStringList DmResultModel::Headers()
{
    return {QStringLiteral("顧客ID"), QStringLiteral("名前"), QStringLiteral("初回利用日"),
            QStringLiteral("最終利用日"), QStringLiteral("利用回数")};
}

void DmResultModel::SetSnapshot(std::shared_ptr<const std::vector<DmCustomer>> snapshot)
{
    beginResetModel();
    m_snapshot = snapshot ? std::move(snapshot) : std::make_shared<const std::vector<DmCustomer>>();
    m_rows.clear();
    endResetModel();
}

const std::vector<DmCustomer> &DmResultModel::Snapshot() const
{
    return *m_snapshot;
}

void DmResultModel::SetRows(std::vector<int> positions)
{
    beginResetModel();
    m_rows = std::move(positions);
    m_sortColumn = -1;
    endResetModel();
}

bool DmResultModel::RemoveCustomer(qint32 customerId)
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if ((*m_snapshot)[size_t(m_rows[i])].CustomerId != customerId)
            continue;
        beginRemoveRows({}, int(i), int(i));
        m_rows.erase(m_rows.begin() + qsizetype(i));
        endRemoveRows();
        return true;
    }
    return false;
}

qint32 DmResultModel::CustomerIdAt(int row) const
{
    return row >= 0 && row < rowCount() ? (*m_snapshot)[size_t(m_rows[size_t(row)])].CustomerId : 0;
}

std::vector<qint32> DmResultModel::CustomerIds() const
{
    std::vector<qint32> ids;
    ids.reserve(m_rows.size());
    for (int pos : m_rows)
        ids.push_back((*m_snapshot)[size_t(pos)].CustomerId);
    return ids;
}

QStringList DmResultModel::RowTexts(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    return DmResultRowTexts((*m_snapshot)[size_t(m_rows[size_t(row)])]);
}

void DmResultModel::SortByColumn(int column)
{
    if (column < 0 || column >= columnCount())
        return;
    m_order = column == m_sortColumn ? Reversed(m_order) : SortOrder::Ascending;
    m_sortColumn = column;
    // Japanese collation, as every list of the program sorts its text; keys made once per row.
    static const QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
    struct Keyed {
        QString text;
        QCollatorSortKey key;
        int pos;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(m_rows.size());
    for (int pos : m_rows) {
        QString text = DmResultRowTexts((*m_snapshot)[size_t(pos)]).at(column);
        QCollatorSortKey key = collator.sortKey(text);
        keyed.push_back({std::move(text), std::move(key), pos});
    }
    const bool descending = m_order == SortOrder::Descending;
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const Keyed &a, const Keyed &b) {
        int r = a.key.compare(b.key);
        if (r == 0)
            r = QString::compare(a.text, b.text);
        return descending ? r > 0 : r < 0;
    });
    beginResetModel();
    for (size_t i = 0; i < keyed.size(); ++i)
        m_rows[i] = keyed[i].pos;
    endResetModel();
}

int DmResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DmResultModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 5;
}

QVariant DmResultModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return RowTexts(index.row()).value(index.column());
    if (role == Qt::UserRole)
        return CustomerIdAt(index.row());
    return {};
}

QVariant DmResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Headers().value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
