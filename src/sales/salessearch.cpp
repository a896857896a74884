#include "sales/salessearch.h"

#include "sales/money.h"
#include "store/helpers.h"
#include "store/oledate.h"
#include "store/recordstore.h"

#include <QHash>

#include <algorithm>
#include <cmath>

void MonthPeriod(int year, const std::array<bool, 12> &ticked, QString *start, QString *end)
{
    int first = 1;
    while (first <= 12 && !ticked[first - 1])
        ++first;
    if (first > 12)
        first = 1;
    int last = first;
    while (last < 12 && ticked[last])
        ++last;
    const QDate from(year, first, 1);
    const QDate to(year, last, QDate(year, last, 1).daysInMonth());
    *start = from.toString(QStringLiteral("yyyyMMdd"));
    *end = to.toString(QStringLiteral("yyyyMMdd"));
}

QString SlotTimeText(const QTime &time)
{
    return time.toString(QStringLiteral("hhmm")) + QStringLiteral("00");
}

QString DoneTimeKey(double doneTime)
{
    if (!std::isfinite(doneTime))
        return QStringLiteral("350000");
    // The time of day is the fraction's size, for days before 1899-12-30 too.
    const double fraction = std::fabs(doneTime - std::trunc(doneTime));
    const qint64 seconds = std::llround(fraction * 86400.0) % 86400;
    if (seconds == 0)
        return QStringLiteral("350000");
    char text[8];
    std::snprintf(text, sizeof text, "%02d%02d%02d", int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60));
    return QString::fromLatin1(text, 6);
}

namespace
{

// The stored order date as the index reads it (NULs dropped, trailing blanks cut), as bytes.
QByteArray trimmedDate(const SalesIndexEntry &e)
{
    char buf[8];
    int n = 0;
    for (char ch : e.OrderDateBytes) {
        if (ch != '\0')
            buf[n++] = ch;
    }
    while (n > 0 && buf[n - 1] == ' ')
        --n;
    return QByteArray(buf, n);
}

} // namespace

QString SalesRowTimeText(double value)
{
    // As FormatOleDate(value, "yyyy/MM/dd hh:mm") gives it, without a QDateTime per row.
    if (!std::isfinite(value) || value < -657434.0 || value > 2958465.99999)
        return QString();
    double whole = std::trunc(value);
    qint64 ms = std::llround(std::fabs(value - whole) * 86400000.0);
    if (ms >= 86400000) {
        ms -= 86400000;
        whole += 1;
    }
    const QDate day = QDate(1899, 12, 30).addDays(qint64(whole));
    char text[24];
    const int n = std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", day.year(), day.month(), day.day(),
                                int(ms / 3600000), int(ms / 60000 % 60));
    return QString::fromLatin1(text, n);
}

QHash<qint32, int> FirstCustomerPositions(const RecordStore &records)
{
    QHash<qint32, int> positions;
    positions.reserve(records.CustomerCount());
    for (int p = records.CustomerCount(); p >= 1; --p)
        positions.insert(records.CustomerIndex[p].CustomerId, p);
    return positions;
}

std::vector<SalesRow> SearchSales(RecordStore &records, const SearchCriteria &c)
{
    const QByteArray start = c.Start.toLatin1();
    const QByteArray end = c.End.toLatin1();
    const QString wantedId = c.CustomerId;

    const QHash<qint32, int> customerPos = FirstCustomerPositions(records);

    std::vector<SalesRow> rows;
    char buf[kSalesRecordLength];
    for (int pos = 1; pos <= records.SalesCount(); ++pos) {
        const SalesIndexEntry &e = records.SalesIndex[pos];
        const QByteArray date = trimmedDate(e);
        if (date < start || date > end)
            continue;
        const QString t = DoneTimeKey(e.DoneTime);
        if (t < c.TimeStart || t > c.TimeEnd)
            continue;
        if (!wantedId.isEmpty() && QString::number(e.CustomerId) != wantedId)
            continue;
        // Only the order time is shown: the rest of the record is not decoded.
        if (!records.ReadSaleBytes(pos, buf))
            continue;
        SalesRow row;
        row.Pos = pos;
        row.OrderTime = SalesRowTimeText(RecordBytes::GetDouble(buf + SalesOffsets::OrderTime));
        const int cp = customerPos.value(e.CustomerId, -1);
        if (cp < 1) {
            row.Name = QStringLiteral("削除");
            row.Tel = QStringLiteral("------------");
        } else {
            row.Name = records.CustomerIndex[cp].NameKana;
            row.Tel = records.CustomerIndex[cp].Tel;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void SortSalesRows(std::vector<SalesRow> &rows, int column, SortOrder order)
{
    const bool down = order == SortOrder::Descending;
    if (column == 0) {
        // Dates in one fixed pattern sort as plain text, and fast on long lists.
        std::stable_sort(rows.begin(), rows.end(), [down](const SalesRow &a, const SalesRow &b) {
            return down ? b.OrderTime < a.OrderTime : a.OrderTime < b.OrderTime;
        });
        return;
    }
    std::stable_sort(rows.begin(), rows.end(), [column, down](const SalesRow &a, const SalesRow &b) {
        const int r = CompareByKind(a.Column(column), b.Column(column), SortKind::Text);
        return down ? r > 0 : r < 0;
    });
}

std::vector<int> RowPositions(const std::vector<SalesRow> &rows)
{
    std::vector<int> positions;
    positions.reserve(rows.size());
    for (const SalesRow &r : rows)
        positions.push_back(r.Pos);
    return positions;
}

namespace
{

QString progressTime(double value)
{
    const QDateTime moment = FromOleDate(value);
    // Years before 1950 cover the unset value 1.0.
    if (!moment.isValid() || moment.date().year() < 1950)
        return QStringLiteral("----------");
    return moment.toString(QStringLiteral("MM/dd hh:mm"));
}

} // namespace

SaleDetailView BuildSaleDetail(const SalesRecord &sale)
{
    SaleDetailView view;
    const int n = sale.LineCount();
    for (int i = 1; i <= n; ++i) {
        QString name = sale.ItemName[i];
        if (sale.ItemOption[i] != QStringLiteral("（なし）"))
            name += QStringLiteral("（") + sale.ItemOption[i] + QStringLiteral("）");
        const qint64 price = CurrencyToYen(sale.ItemPrice[i]);
        view.Lines.push_back({name, QString::number(sale.ItemQty[i]), FormatYen(price)});
        view.LineTotal = SaturatingAdd(view.LineTotal, SaturatingMul(price, sale.ItemQty[i]));
    }
    if (sale.ServiceDiscount < 0)
        view.Lines.push_back({QStringLiteral("サービス割引"), QStringLiteral("1"), FormatYen(sale.ServiceDiscount)});
    if (sale.PointDiscount < 0)
        view.Lines.push_back({QStringLiteral("ポイント割引"), QStringLiteral("1"), FormatYen(sale.PointDiscount)});
    view.TotalText = QStringLiteral("合計：") + FormatYen(view.LineTotal);
    view.Progress.push_back({QStringLiteral("注文受付"), progressTime(sale.OrderTime), TrimField(sale.OrderStaff)});
    view.Progress.push_back({QStringLiteral("出前完了"), progressTime(sale.DoneTime), TrimField(sale.DeliveryStaff)});
    view.Progress.push_back({QStringLiteral("容器回収"), progressTime(sale.CollectTime), TrimField(sale.CollectStaff)});
    return view;
}

QStringList SearchYears(int currentYear, const QString &oldestSalesDate)
{
    bool ok = false;
    int oldest = oldestSalesDate.left(4).toInt(&ok);
    // The oldest date is never later than 2001; a damaged one must not empty the list.
    if (!ok || oldest > 2001)
        oldest = 2001;
    // A damaged date of year 0 must not fill the list with two thousand years.
    oldest = std::max(oldest, 1900);
    QStringList years;
    for (int y = currentYear; y >= oldest; --y)
        years << QString::number(y) + QStringLiteral("年度");
    if (years.isEmpty())
        years << QString::number(currentYear) + QStringLiteral("年度");
    return years;
}
