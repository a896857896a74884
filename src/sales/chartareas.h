#pragma once
// Area names of postal codes for the charts, and the postal codes of the customers on file.
#include "customers/zipnofinder.h"
#include "sales/saleschart.h"

#include <QHash>

class RecordStore;

// Names each code by the first 20 characters of the first address the postal-code database
// gives for it, or "不明". A missing database names every code "不明".
class ChartAreaNamer
{
  public:
    explicit ChartAreaNamer(const QString &databaseFile = QStringLiteral("ZipDB.IDX"));
    QString Name(const QString &zip);

  private:
    ZipNoFinder m_finder;
    QHash<QString, QString> m_names;
};

// The area chart's view of the customers as they are now: customer number to postal code
// (first entry of the number in the index, as FindCustomerPos finds it), named by `namer`.
// The source keeps references to both.
ChartAreaSource SalesAreaSource(const RecordStore &records, ChartAreaNamer &namer);
