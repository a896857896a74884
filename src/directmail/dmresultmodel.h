#pragma once
// The result list of an extraction: rows of the snapshot, formatted only when a view asks for
// them, so a selection of every customer fills at once.
#include "directmail/dmselection.h"
#include "store/sortkind.h"

#include <QAbstractTableModel>

#include <memory>

class DmResultModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    explicit DmResultModel(QObject *parent = nullptr);

    static QStringList Headers(); // "顧客ID", "名前", "初回利用日", "最終利用日", "利用回数"

    void SetSnapshot(std::shared_ptr<const std::vector<DmCustomer>> snapshot);
    const std::vector<DmCustomer> &Snapshot() const;
    // Replaces the rows by the snapshot customers at these positions (an extraction).
    void SetRows(std::vector<int> positions);
    // Drops the row of this customer; false when it is not listed.
    bool RemoveCustomer(qint32 customerId);

    qint32 CustomerIdAt(int row) const;
    std::vector<qint32> CustomerIds() const; // in display order
    QStringList RowTexts(int row) const;

    // By the column's text; the same column again reverses the order.
    void SortByColumn(int column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::shared_ptr<const std::vector<DmCustomer>> m_snapshot;
    std::vector<int> m_rows;
    int m_sortColumn = -1;
    SortOrder m_order = SortOrder::Ascending;
};
