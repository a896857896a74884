#pragma once
// The found orders as a list model: a search of a year can list a hundred thousand orders, more
// than one widget item per row would carry.
#include "sales/salessearch.h"

#include <QAbstractTableModel>

class SalesRowModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<SalesRow> rows);
    const std::vector<SalesRow> &rows() const { return m_rows; }
    const SalesRow *rowAt(int row) const;
    void removeRowAt(int row);
    // Sorts by the text of one column; another column starts ascending, the same one flips.
    void sortBy(int column);
    int sortColumn() const { return m_column; }
    SortOrder sortOrder() const { return m_order; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<SalesRow> m_rows;
    int m_column = 0;
    SortOrder m_order = SortOrder::Ascending;
};
