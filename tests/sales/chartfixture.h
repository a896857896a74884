#pragma once
// A small sales file and customer file written from the record layouts, with the figures of
// every chart worked out by hand in the tests that use them.
#include "mock/testfolder.h"
#include "store/oledate.h"
#include "store/records.h"

#include <QDateTime>

#include <vector>

struct ChartOrderLine {
    QString name;
    qint16 qty;
    qint64 yen;
};

inline SalesRecord ChartOrder(const QString &date, qint16 no, qint32 customer, const QString &taken,
                              const QString &done, std::vector<ChartOrderLine> lines, qint16 status = 0)
{
    SalesRecord s;
    s.OrderDate = date;
    s.OrderNo = no;
    s.CustomerId = customer;
    const QDate day = QDate::fromString(date, QStringLiteral("yyyyMMdd"));
    s.OrderTime = ToOleDate(QDateTime(day, QTime::fromString(taken, QStringLiteral("hh:mm"))));
    s.DoneTime =
        done.isEmpty() ? kUnsetTime : ToOleDate(QDateTime(day, QTime::fromString(done, QStringLiteral("hh:mm"))));
    s.DesignatedTime = s.DepartTime = s.CollectTime = kUnsetTime;
    for (size_t i = 0; i < lines.size(); ++i) {
        s.ItemName[i + 1] = lines[i].name;
        s.ItemQty[i + 1] = lines[i].qty;
        s.ItemPrice[i + 1] = YenToCurrency(lines[i].yen);
        s.ItemOption[i + 1] = QStringLiteral("（なし）");
    }
    s.Status = status;
    return s;
}

inline QByteArray ChartRecords(const std::vector<SalesRecord> &sales)
{
    QByteArray bytes;
    for (const SalesRecord &s : sales)
        bytes += s.toBytes();
    return bytes;
}

inline CustomerRecord ChartCustomer(qint32 id, const QString &zip, qint16 motive = -1, qint16 useCount = 0)
{
    CustomerRecord c;
    c.CustomerId = id;
    c.Tel = QStringLiteral("03%1").arg(id, 8, 10, QLatin1Char('0'));
    c.NameKana = QStringLiteral("ﾃｽﾄ");
    c.Zip = zip;
    c.Motive = motive;
    c.UseCount = useCount;
    return c;
}

// Orders of January to March 2004 and the year before; see the sales chart tests for the sums.
inline std::vector<SalesRecord> ChartSampleSales()
{
    const QString ramen = QStringLiteral("ラーメン"), gyoza = QStringLiteral("餃子"),
                  rice = QStringLiteral("チャーハン");
    return {
        ChartOrder("20040101", 1, 1, "11:50", "12:10", {{ramen, 2, 650}, {gyoza, 1, 300}}),
        ChartOrder("20040201", 1, 2, "18:00", "18:30", {{ramen, 1, 650}}),
        // A line of quantity 0 ends the counted lines; the line after it is not counted.
        ChartOrder("20040301", 1, 3, "12:00", "12:20", {{rice, 3, 700}, {gyoza, 0, 300}, {ramen, 1, 650}}),
        // Taken, not delivered.
        ChartOrder("20040315", 1, 1, "19:00", "", {{gyoza, 5, 300}}, 1),
        ChartOrder("20030310", 1, 1, "12:30", "12:50", {{ramen, 4, 650}}),
        // Deleted, and an empty record.
        ChartOrder("20030101", 1, 1, "12:00", "12:30", {{ramen, 9, 1000}}, -1),
        ChartOrder("20040120", 0, 1, "12:00", "12:30", {{ramen, 9, 1000}}),
        // A customer no longer on file, on the leap day.
        ChartOrder("20040229", 1, 99, "20:00", "20:40", {{gyoza, 2, 300}}),
        ChartOrder("20040401", 1, 1, "12:00", "12:30", {{ramen, 1, 500}}),
        ChartOrder("20030228", 1, 1, "12:00", "12:30", {{QStringLiteral("カレー"), 1, 1000}}),
    };
}

inline std::vector<CustomerRecord> ChartSampleCustomers()
{
    return {ChartCustomer(1, "1000001"), ChartCustomer(2, ""), ChartCustomer(3, "0000000")};
}
