#include "directmail/dmselection.h"

#include "store/helpers.h"
#include "store/oledate.h"

#include <cmath>

namespace
{

// Whole calendar days from the OLE day 0; the time of day does not count.
qint64 CalendarDay(double value)
{
    return std::isfinite(value) ? qint64(std::trunc(value)) : 0;
}

bool PassesDate(const DmDateCondition &c, double useDate)
{
    if (!c.on)
        return true;
    const qint64 delta = CalendarDay(useDate) - CalendarDay(ToOleDate(c.date));
    return c.direction * delta >= 0;
}

// "yyyy/mm/dd" written by hand: a result list of 100,000 rows formats two dates a row.
QString DateText(const QDate &d)
{
    const int y = d.year(), m = d.month(), day = d.day();
    const QChar text[10] = {QChar('0' + y / 1000 % 10),
                            QChar('0' + y / 100 % 10),
                            QChar('0' + y / 10 % 10),
                            QChar('0' + y % 10),
                            QChar('/'),
                            QChar('0' + m / 10),
                            QChar('0' + m % 10),
                            QChar('/'),
                            QChar('0' + day / 10),
                            QChar('0' + day % 10)};
    return QString(text, 10);
}

} // namespace

const QStringList &DmTargetTexts()
{
    static const QStringList texts = {
        QStringLiteral("全顧客"),   QStringLiteral("最近利用した顧客"), QStringLiteral("最近初めて利用した顧客"),
        QStringLiteral("休眠顧客"), QStringLiteral("利用が多い顧客"),   QStringLiteral("利用が少ない顧客")};
    return texts;
}

const QStringList &DmPurposeTexts()
{
    static const QStringList texts = {
        QStringLiteral("季節の挨拶"), QStringLiteral("年賀状"),     QStringLiteral("利用促進"), QStringLiteral("御礼"),
        QStringLiteral("案内"),       QStringLiteral("割引券送付"), QStringLiteral("その他")};
    return texts;
}

const std::vector<int> &DmCountThresholds()
{
    static const std::vector<int> values = {50, 30, 20, 15, 10, 5, 3, 2, 1};
    return values;
}

QString DmDateComparisonText(int direction)
{
    return direction < 0 ? QStringLiteral("以前") : QStringLiteral("以降");
}

QString DmCountComparisonText(int direction)
{
    return direction < 0 ? QStringLiteral("以下") : QStringLiteral("以上");
}

DmConditions PresetForTarget(int target, const DmConditions &current)
{
    DmConditions c = current;
    c.all = target <= 0 || target > 5;
    c.first.on = c.last.on = c.countOn = false;
    switch (target) {
    case 1:
        c.last = {true, current.last.date, +1};
        break;
    case 2:
        c.first = {true, current.first.date, +1};
        break;
    case 3:
        c.last = {true, current.last.date, -1};
        break;
    case 4:
        c.countOn = true;
        c.countDirection = +1;
        break;
    case 5:
        c.countOn = true;
        c.countDirection = -1;
        break;
    default:
        break;
    }
    return c;
}

bool MatchesDmConditions(const DmCustomer &customer, const DmConditions &c)
{
    if (customer.DmFlag != 0)
        return false;
    if (c.all)
        return true;
    if (!PassesDate(c.first, customer.FirstUseDate) || !PassesDate(c.last, customer.LastUseDate))
        return false;
    return !c.countOn || c.countDirection * (int(customer.UseCount) - c.count) >= 0;
}

std::vector<int> ExtractDmCustomers(const std::vector<DmCustomer> &snapshot, const DmConditions &c)
{
    std::vector<int> out;
    out.reserve(snapshot.size());
    for (size_t i = 0; i < snapshot.size(); ++i) {
        if (MatchesDmConditions(snapshot[i], c))
            out.push_back(int(i));
    }
    return out;
}

QString DmUseDateText(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 3e6)
        return QStringLiteral("-----");
    const QDate day = QDate(1899, 12, 30).addDays(CalendarDay(value));
    if (day.year() < 1950)
        return QStringLiteral("-----");
    return DateText(day);
}

QStringList DmResultRowTexts(const DmCustomer &customer)
{
    return {FormatCustomerNo(customer.CustomerId), customer.NameKana, DmUseDateText(customer.FirstUseDate),
            DmUseDateText(customer.LastUseDate), QStringLiteral("%1").arg(int(customer.UseCount), 3, 10, QChar('0'))};
}

QString DmConditionText(const DmConditions &c)
{
    if (c.all)
        return QStringLiteral("すべて");
    auto datePart = [](const DmDateCondition &d) {
        if (!d.on)
            return QString(16, QLatin1Char(' '));
        return DateText(d.date) + DmDateComparisonText(d.direction) + QStringLiteral("、");
    };
    QString text = datePart(c.first) + datePart(c.last);
    if (c.countOn)
        text += QStringLiteral("%1回").arg(c.count, 2) + DmCountComparisonText(c.countDirection);
    return text;
}
