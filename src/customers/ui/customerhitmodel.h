#pragma once
// The rows of the customer search list. A search over a large customer file may list tens of
// thousands of customers at each keystroke; the view asks only for the rows it shows.
#include "customers/customersearch.h"

#include <QAbstractTableModel>

class CustomerHitModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setHits(std::vector<CustomerHit> hits);
    const std::vector<CustomerHit> &hits() const { return m_hits; }
    const CustomerHit *hitAt(int row) const;
    // Brings one row up to date without searching again.
    void setHit(int row, const CustomerHit &hit);
    void removeHit(int row);
    void sortHits(HitColumn column, SortOrder order);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<CustomerHit> m_hits;
};
