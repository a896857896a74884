#include "board/boardrows.h"

#include "store/recordstore.h"

#include <QHash>

#include <cstring>

QString BoardStatusText(int status)
{
    switch (status) {
    case 1:
        return QStringLiteral("1:注文受付");
    case 2:
        return QStringLiteral("2:出前出発");
    case 3:
        return QStringLiteral("3:容器未回収");
    case 0:
        return QStringLiteral("4:完了!");
    default:
        return QString();
    }
}

QColor BoardStatusColor(int status)
{
    switch (status) {
    case 1:
        return QColor(255, 0, 0);
    case 2:
        return QColor(255, 255, 0);
    case 3:
        return QColor(0, 255, 0);
    default:
        return QColor(255, 255, 255);
    }
}

StatusIcon BoardStatusIcon(int status)
{
    switch (status) {
    case 0:
        return StatusIcon::Complete;
    case 1:
        return StatusIcon::Received;
    case 2:
        return StatusIcon::Departed;
    case 3:
        return StatusIcon::ContainersOut;
    default:
        return StatusIcon::None;
    }
}

QString BoardRow::column(int index) const
{
    switch (index) {
    case 0:
        return StatusText;
    case 1:
        return CustomerName;
    case 2:
        return OrderTime;
    case 3:
        return Designated;
    case 4:
        return Depart;
    case 5:
        return Done;
    case 6:
        return Collect;
    default:
        return QString();
    }
}

std::vector<BoardRow> BuildBoardRows(RecordStore &records, const QDate &today)
{
    const QByteArray day = today.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    std::vector<BoardRow> rows;

    // The whole index is scanned on every refresh: compare the raw key bytes, no text is built
    // for orders that are not listed.
    const std::vector<SalesIndexEntry> &index = records.SalesIndex;
    std::vector<int> listed;
    for (size_t pos = 1; pos < index.size(); ++pos) {
        const SalesIndexEntry &e = index[pos];
        if (e.Status >= 1 || std::memcmp(e.OrderDateBytes.data(), day.constData(), 8) == 0)
            listed.push_back(int(pos));
    }

    // Customer positions of the listed orders in one pass over the customer index; the first
    // entry with an id wins, as in a lookup by id.
    QHash<qint32, int> customerPos;
    for (int pos : listed)
        customerPos.insert(index[size_t(pos)].CustomerId, -1);
    const std::vector<CustomerIndexEntry> &customers = records.CustomerIndex;
    for (size_t i = 1; i < customers.size(); ++i) {
        auto it = customerPos.find(customers[i].CustomerId);
        if (it != customerPos.end() && it.value() == -1)
            it.value() = int(i);
    }

    rows.reserve(listed.size());
    for (int pos : listed) {
        const std::optional<SalesRecord> read = records.ReadSale(pos);
        if (!read)
            continue;
        const SalesRecord &sale = *read;
        BoardRow row;
        row.Key = sale.OrderKey();
        row.SalePos = pos;
        row.Status = sale.Status;
        row.StatusText = BoardStatusText(sale.Status);
        row.Color = BoardStatusColor(sale.Status);
        row.Icon = BoardStatusIcon(sale.Status);
        const int c = customerPos.value(sale.CustomerId, -1);
        row.CustomerExists = c != -1;
        row.CustomerName = row.CustomerExists ? customers[size_t(c)].NameKana : kDeletedCustomerName;
        row.OrderTime = FormatDayTime(sale.OrderTime);
        row.Designated = FormatDayTime(sale.DesignatedTime);
        row.Depart = FormatTime(sale.DepartTime);
        row.Done = FormatTime(sale.DoneTime);
        row.Collect = FormatTime(sale.CollectTime);
        row.OrderStaff = sale.OrderStaff;
        rows.push_back(std::move(row));
    }
    return rows;
}
